#pragma once

#include <span>

namespace quorix::cli {

// quorix-cli compute: one tip computation, printed as one JSON line.
int runCompute(std::span<char *const> args);

} // namespace quorix::cli
