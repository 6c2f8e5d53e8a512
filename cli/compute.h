#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "cli/cliargs.h"
#include "core/base/result.h"
#include "core/compute/tipparameters.h"
#include "core/game/tipsheet.h"

namespace quorix::cli {

// quorix-cli compute: one tip computation, printed as one JSON line.
int runCompute(std::span<char *const> args);

// What `compute --help` adds: every --set name with its values and default.
std::string computeDetails();

// The options compute and analyse-parameters share besides --seed: --set NAME=VALUE, --row and
// --lock R (each repeatable), read into the parameters and the sheet.
Result<void> readTipOptions(const CliArgs &args, TipParameters &parameters, TipSheet &sheet);

// A --row value "R=n1,n2,n3,n4,n5,n6[:LUCKY]" written into row R of the sheet; answers R (1..14).
Result<std::size_t> parseRow(std::string_view text, TipSheet &sheet);

} // namespace quorix::cli
