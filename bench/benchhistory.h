#pragma once
// The real draw history the benches run on, with a draw file of it in the temporary folder for
// the walks that read the file.
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "reference.h"

namespace quorix::bench {

struct History {
    std::vector<Draw> draws;
    std::filesystem::path file;
    History() {
        draws = reference::realHistory(QUORIX_REAL_DRAWS);
        file =
            std::filesystem::temp_directory_path() / ("quorix_bench_" + std::to_string(::getpid()) + ".dat");
        reference::writeDrawFile(file, draws);
    }
    ~History() { std::filesystem::remove(file); }
    History(const History &) = delete;
    History &operator=(const History &) = delete;
};

inline const History &history() {
    static const History h;
    return h;
}

} // namespace quorix::bench
