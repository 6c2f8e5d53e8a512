#pragma once

#include <span>
#include <string>

namespace quorix::cli {

// quorix-cli compute: one tip computation, printed as one JSON line.
int runCompute(std::span<char *const> args);

// What `compute --help` adds: every --set name with its values and default.
std::string computeDetails();

} // namespace quorix::cli
