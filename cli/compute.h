#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/compute/tipparameters.h"
#include "core/game/tipsheet.h"

namespace quorix::cli {

// quorix-cli compute: one tip computation, printed as one JSON line.
int runCompute(std::span<char *const> args);

// What `compute --help` adds: every --set name with its values and default.
std::string computeDetails();

// Where --seed, --set, --row and --lock go: the options compute and analyse-parameters share.
struct ComputationOptions {
    TipParameters &parameters;
    TipSheet &sheet;
    std::optional<std::uint32_t> &seed;
    std::vector<std::size_t> &locks;
};

// Takes one of those four options with its value; answers false for any other option.
Result<bool> takeComputationOption(const ComputationOptions &into, std::string_view arg,
                                   std::string_view value);

// A --row value "R=n1,n2,n3,n4,n5,n6[:LUCKY]" written into row R of the sheet; answers R (1..14).
Result<std::size_t> parseRow(std::string_view text, TipSheet &sheet);

} // namespace quorix::cli
