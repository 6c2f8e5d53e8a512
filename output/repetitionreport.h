#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/analysis/repetitionanalysis.h"

namespace quorix {

// The report of the repetition analysis, written as rich text into the program folder.
struct RepetitionReport {
    static constexpr const char *kFileName = "Test.rtf";

    // The heading of each table (earlier, next, second next, third next) and its seven lines
    // "3x    =>12"; the three tables of following draws each after a line holding one blank.
    static std::vector<std::string> lines(const RepetitionTables &tables,
                                          const std::array<std::string, 4> &headings);
};

} // namespace quorix
