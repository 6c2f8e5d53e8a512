#pragma once

// Small helpers shared by the fuzz targets: a scratch folder per process and a check that
// aborts, so that a broken property counts as a finding like a sanitizer report.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace quorix::fuzz {

// A folder of its own for one input, removed with everything in it afterwards (libFuzzer may end
// the process without running exit handlers). In memory where the system offers it: the draw
// file syncs every write to the disk, which would slow the fuzzer down many times over.
class ScratchFolder {
public:
    explicit ScratchFolder(const char *name) {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        m_path = base / ("quorix-fuzz-" + std::string(name) + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void check(bool holds, const char *what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void writeFile(const std::filesystem::path &path, const std::uint8_t *data, std::size_t size) {
    std::FILE *f = std::fopen(path.c_str(), "wb");
    check(f != nullptr, "scratch file can be created");
    check(size == 0 || std::fwrite(data, 1, size, f) == size, "scratch file can be written");
    check(std::fclose(f) == 0, "scratch file can be closed");
}

inline std::string readFile(const std::filesystem::path &path) {
    std::string bytes;
    std::FILE *f = std::fopen(path.c_str(), "rb");
    check(f != nullptr, "scratch file can be opened");
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, f)) > 0;)
        bytes.append(chunk, got);
    std::fclose(f);
    return bytes;
}

} // namespace quorix::fuzz
