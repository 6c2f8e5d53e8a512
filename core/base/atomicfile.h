#pragma once

#include <filesystem>
#include <string_view>

#include "core/base/result.h"

namespace quorix {

// Writes `bytes` to a temporary file beside `target`, syncs it and renames it over the target:
// the target is either the old file or the new one, never half of it. A failure names the
// target and leaves it as it was. A link in the target's place is replaced, never written
// through. The new file is made with `mode` (less the umask).
Result<void> writeAtomically(const std::filesystem::path &target, std::string_view bytes,
                             unsigned mode = 0666);

} // namespace quorix
