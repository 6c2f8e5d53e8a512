#include "core/base/atomicfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace quorix {

namespace {

Error fileError(const char *what, const std::filesystem::path &path, int err) {
    return {err == ENOENT ? Error::Code::NotFound : Error::Code::Io,
            std::string(what) + " " + path.string() + ": " + std::strerror(err)};
}

} // namespace

Result<void> writeAtomically(const std::filesystem::path &target, std::string_view bytes, unsigned mode) {
    const std::filesystem::path folder = target.parent_path();
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        std::string name(1, '.');
        name += target.filename().string();
        name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        temporary = folder / name;
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return fileError("Cannot create", target, errno);
    int err = 0;
    for (std::size_t done = 0; done < bytes.size() && !err;) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) err = errno;
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (!err && std::rename(temporary.c_str(), target.c_str()) != 0) err = errno;
    if (err) {
        ::unlink(temporary.c_str());
        return fileError("Cannot write", target, err);
    }
    return {};
}

} // namespace quorix
