#pragma once

#include <filesystem>
#include <string_view>

#include "core/base/result.h"

namespace quorix {

struct AtomicWriteOptions {
    // The new file's permissions (less the umask) unless keepOwnerAndMode finds an old file.
    unsigned mode = 0666;
    // The temporary file beside the target. Empty: a fresh hidden name ".<name>.tmp<pid>-<n>",
    // created exclusively, so writers that run at once never share one. Set: the caller holds a
    // lock that keeps every other writer of the target out, so a regular file of that name is a
    // leftover of a writer that was killed and goes; when anything else has the name, the first
    // free of name + "1", "2", ... is taken.
    std::filesystem::path temporary;
    // The new file takes the old one's permissions and, where allowed, its owner.
    bool keepOwnerAndMode = false;
    // Sync the folder after the rename, so that the rename itself survives a power cut.
    bool syncFolder = false;
};

// Writes `bytes` to a temporary file beside `target`, syncs it and renames it over the target:
// the target is either the old file or the new one, never half of it. A failure names the
// target and leaves it as it was; the temporary file goes. A link in the target's place is
// replaced, never written through, and so is a link in the temporary file's place.
Result<void> writeAtomically(const std::filesystem::path &target, std::string_view bytes,
                             const AtomicWriteOptions &options);
Result<void> writeAtomically(const std::filesystem::path &target, std::string_view bytes,
                             unsigned mode = 0666);

} // namespace quorix
