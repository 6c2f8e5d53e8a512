#pragma once

// The repetition analysis written straight from its rules, step by step: the current draw moves
// through the draw browser, which reads the draw file for every step, and every turn reads the
// file again to compare the tip row with each earlier draw through the one-tip comparison. The
// core walk, which keeps the draws in memory, is compared against it.

#include <filesystem>
#include <string>
#include <vector>

#include "core/analysis/repetitionanalysis.h"

namespace quorix::reference {

struct RepetitionRun {
    RepetitionOutcome outcome;
    // Every match in order: the turn's draw and the earlier draw, as "turn>earlier" ISO dates.
    std::vector<std::string> matches;
};

// Every match is answered "go on" until `stopAfter` matches have been seen (negative: never
// stop), at which the walk ends as a "No" ends it.
RepetitionRun repetitionWalk(const std::filesystem::path &drawFile, const RepetitionSettings &settings,
                             int stopAfter = -1);

} // namespace quorix::reference
