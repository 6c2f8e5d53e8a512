#include "core/history/drawfilelock.h"

#include <cerrno>
#include <string>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

std::filesystem::path DrawFileLock::resolvedTarget(const std::filesystem::path &drawFile) {
    namespace fs = std::filesystem;
    fs::path p = drawFile;
    std::error_code ec;
    // A link may point to a link; the kernel gives up after 40 hops, so do we.
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    // One spelling per file, so that "./a/Z.dat" and "a/Z.dat" share a lock.
    const fs::path canonical = fs::weakly_canonical(p, ec);
    return ec ? p : canonical;
}

namespace {

Error lockError(ErrorKind kind, const std::filesystem::path &drawFile, const std::filesystem::path &lockPath,
                int err = 0) {
    Error error = err != 0 ? fileError(kind, drawFile.string(), err) : errorOf(Error::Code::Io, kind);
    error.code = Error::Code::Io;
    error.path = drawFile.string();
    error.other = lockPath.string();
    return describedError(std::move(error));
}

// The lock file, created when missing. Read access is enough for flock, so a lock file another
// user created still serves. Whatever else has the name is refused as it is: a link is not
// followed (a dangling one would create its target), and a FIFO or device is never waited on.
Result<int> openLockFile(const std::filesystem::path &drawFile, const std::filesystem::path &lockPath) {
    const int fd =
        ::open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0) {
        const int err = errno;
        if (err == ELOOP) return lockError(ErrorKind::LockIsLink, drawFile, lockPath);
        if (err == EISDIR) return lockError(ErrorKind::LockIsFolder, drawFile, lockPath);
        return lockError(ErrorKind::CannotLock, drawFile, lockPath, err);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return lockError(ErrorKind::CannotLock, drawFile, lockPath, err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return lockError(ErrorKind::LockNotRegular, drawFile, lockPath);
    }
    return fd;
}

} // namespace

std::filesystem::path DrawFileLock::lockPathFor(const std::filesystem::path &drawFile) {
    return resolvedTarget(drawFile).string() + ".lock";
}

Result<DrawFileLock> DrawFileLock::acquire(const std::filesystem::path &drawFile,
                                           std::chrono::milliseconds wait) {
    const std::filesystem::path lockPath = lockPathFor(drawFile);
    auto opened = openLockFile(drawFile, lockPath);
    if (!opened) return opened.error();
    const int fd = *opened;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return DrawFileLock(fd);
        const int err = errno;
        if (err == EINTR) continue;
        if (err != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            if (err == EWOULDBLOCK) return lockError(ErrorKind::DrawFileBusy, drawFile, lockPath);
            return lockError(ErrorKind::CannotLock, drawFile, lockPath, err);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

DrawFileLock::DrawFileLock(DrawFileLock &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)) {}

DrawFileLock &DrawFileLock::operator=(DrawFileLock &&other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

DrawFileLock::~DrawFileLock() {
    // Closing the last descriptor releases the lock. The lock file stays: removing it would let a
    // writer that waits on the old file and one that creates a new file both go ahead.
    if (m_fd >= 0) ::close(m_fd);
}

} // namespace quorix
