#include "core/base/regularfile.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

Result<RegularFile> RegularFile::open(const std::filesystem::path &path) {
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer; a regular file ignores it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return fileError(ErrorKind::CannotOpen, path.string(), errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return fileError(ErrorKind::CannotRead, path.string(), err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegularFileError(path.string());
    }
    // Reads of a regular file never block anyway; clearing the flag keeps them plain.
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return RegularFile(fd, static_cast<std::size_t>(st.st_size), path);
}

RegularFile::RegularFile(RegularFile &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_size(other.m_size)
    , m_path(std::move(other.m_path)) {}

RegularFile &RegularFile::operator=(RegularFile &&other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_size = other.m_size;
        m_path = std::move(other.m_path);
    }
    return *this;
}

RegularFile::~RegularFile() {
    if (m_fd >= 0) ::close(m_fd);
}

Result<std::string> RegularFile::readAll(std::size_t maxBytes) const {
    const auto tooLarge = [&] {
        Error error = errorOf(Error::Code::BadInput, ErrorKind::FileTooLarge);
        error.path = m_path.string();
        error.number = static_cast<long long>(maxBytes);
        return describedError(std::move(error));
    };
    if (m_size > maxBytes) return tooLarge();
    // One byte more than allowed tells a file that grew past the limit from one that fits.
    std::string bytes(m_size < maxBytes ? m_size + 1 : maxBytes + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > maxBytes) return tooLarge();
            bytes.resize(std::min(maxBytes + 1, have * 2 + 4096));
        }
        const ssize_t n = ::pread(m_fd, bytes.data() + have, bytes.size() - have, static_cast<off_t>(have));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fileError(ErrorKind::CannotRead, m_path.string(), errno);
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    if (have > maxBytes) return tooLarge();
    bytes.resize(have);
    return bytes;
}

Result<std::string> readRegularFile(const std::filesystem::path &path, std::size_t maxBytes) {
    auto file = RegularFile::open(path);
    if (!file) return file.error();
    return file->readAll(maxBytes);
}

} // namespace quorix
