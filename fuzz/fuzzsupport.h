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

// Removed when the process ends normally; ctest may run several fuzzers at once.
inline const std::filesystem::path &scratchFolder(const char *name)
{
    static const std::filesystem::path folder = [name] {
        const std::filesystem::path f = std::filesystem::temp_directory_path() /
                                        ("quorix-fuzz-" + std::string(name) + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(nullptr), ignored);
        });
        return f;
    }();
    return folder;
}

inline void check(bool holds, const char *what)
{
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void writeFile(const std::filesystem::path &path, const std::uint8_t *data, std::size_t size)
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    check(f != nullptr, "scratch file can be created");
    check(size == 0 || std::fwrite(data, 1, size, f) == size, "scratch file can be written");
    check(std::fclose(f) == 0, "scratch file can be closed");
}

} // namespace quorix::fuzz
