#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "core/base/result.h"

namespace quorix {

// A file descriptor opened for reading a file a player may have been handed: the name may be a
// link, but what it names must be a regular file. Opening never blocks (a FIFO or a device in its
// place is refused, not waited on). Closed on destruction.
class RegularFile {
public:
    // NotFound for a missing file; BadInput for something that is not a regular file; Io else.
    // Every message names the file.
    static Result<RegularFile> open(const std::filesystem::path &path);

    RegularFile(RegularFile &&other) noexcept;
    RegularFile &operator=(RegularFile &&other) noexcept;
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;
    ~RegularFile();

    int fd() const { return m_fd; }
    // The size when it was opened.
    std::size_t size() const { return m_size; }
    // Reads the whole file; BadInput naming the file and the limit when it holds more than
    // `maxBytes` (also when it grows beyond it while being read).
    Result<std::string> readAll(std::size_t maxBytes) const;

private:
    RegularFile(int fd, std::size_t size, std::filesystem::path path)
        : m_fd(fd)
        , m_size(size)
        , m_path(std::move(path)) {}
    int m_fd = -1;
    std::size_t m_size = 0;
    std::filesystem::path m_path;
};

// The whole content of the regular file `path`, at most `maxBytes` of it (see RegularFile).
Result<std::string> readRegularFile(const std::filesystem::path &path, std::size_t maxBytes);

} // namespace quorix
