#include "core/base/regularfile.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

namespace {

Error openError(const std::filesystem::path &path, int err) {
    return {err == ENOENT ? Error::Code::NotFound : Error::Code::Io,
            "Cannot open " + path.string() + ": " + std::strerror(err)};
}

} // namespace

std::string sizeLimitText(std::size_t bytes) {
    constexpr std::size_t kKiB = 1024;
    if (bytes >= kKiB * kKiB && bytes % (kKiB * kKiB) == 0)
        return std::to_string(bytes / (kKiB * kKiB)) + " MiB";
    if (bytes >= kKiB && bytes % kKiB == 0) return std::to_string(bytes / kKiB) + " KiB";
    return std::to_string(bytes) + " bytes";
}

Result<RegularFile> RegularFile::open(const std::filesystem::path &path) {
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer; a regular file ignores it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return openError(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return Error{Error::Code::Io, "Cannot read " + path.string() + ": " + std::strerror(err)};
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return badInput(path.string() + " is not a regular file");
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
        return badInput(m_path.string() + " is larger than " + sizeLimitText(maxBytes));
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
        if (n < 0)
            return Error{Error::Code::Io, "Cannot read " + m_path.string() + ": " + std::strerror(errno)};
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
