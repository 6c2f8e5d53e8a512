#include "core/base/atomicfile.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

namespace {

struct Temporary {
    int fd = -1;
    std::filesystem::path path;
};

int createExclusively(const std::filesystem::path &name, unsigned mode) {
    // O_EXCL and O_NOFOLLOW: never write through a link or into a file someone else has open.
    return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                  static_cast<mode_t>(mode));
}

constexpr int kAttempts = 100;

Result<Temporary> createHidden(const std::filesystem::path &target, unsigned mode) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string name(1, '.');
        name += target.filename().string();
        name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const std::filesystem::path path = target.parent_path() / name;
        const int fd = createExclusively(path, mode);
        if (fd >= 0) return Temporary{fd, path};
        if (errno != EEXIST) break;
    }
    return fileError(ErrorKind::CannotCreate, target.string(), errno);
}

Result<Temporary> createNamed(const std::filesystem::path &target, const std::filesystem::path &preferred,
                              unsigned mode) {
    std::filesystem::path name = preferred;
    for (int attempt = 1;; ++attempt) {
        struct stat st {};
        if (::lstat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode)) (void)::unlink(name.c_str());
        const int fd = createExclusively(name, mode);
        if (fd >= 0) return Temporary{fd, name};
        const int err = errno;
        if (err != EEXIST || attempt == kAttempts)
            return fileError(ErrorKind::CannotCreate, target.string(), err);
        name = preferred.string() + std::to_string(attempt);
    }
}

void keepOwnerAndMode(int fd, const std::filesystem::path &target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return;
    (void)::fchmod(fd, st.st_mode & 07777);
    // Keep the owner where allowed (a file written by another user); not a reason to fail.
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) (void)::fchown(fd, st.st_uid, st.st_gid);
}

int writeAll(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Makes the rename itself durable; the file was replaced already, so a failure here is no
// reason to report the write as failed.
void syncFolder(const std::filesystem::path &folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

Result<void> writeAtomically(const std::filesystem::path &target, std::string_view bytes,
                             const AtomicWriteOptions &options) {
    auto created = options.temporary.empty() ? createHidden(target, options.mode)
                                             : createNamed(target, options.temporary, options.mode);
    if (!created) return created.error();
    const int fd = created->fd;
    const std::filesystem::path &temporary = created->path;
    if (options.keepOwnerAndMode) keepOwnerAndMode(fd, target);
    int err = writeAll(fd, bytes);
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (err) {
        (void)::unlink(temporary.c_str());
        return fileError(ErrorKind::CannotWrite, target.string(), err);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        Error error = fileError(ErrorKind::CannotReplace, target.string(), errno);
        (void)::unlink(temporary.c_str());
        error.other = temporary.string();
        return describedError(std::move(error));
    }
    if (options.syncFolder) syncFolder(target.parent_path());
    return {};
}

Result<void> writeAtomically(const std::filesystem::path &target, std::string_view bytes, unsigned mode) {
    AtomicWriteOptions options;
    options.mode = mode;
    return writeAtomically(target, bytes, options);
}

} // namespace quorix
