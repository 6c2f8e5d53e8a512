#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/compute/numberpool.h"
#include "core/base/result.h"

namespace quorix {

// The number value list file (.zqw): exactly 45 lines, line n holding entry n's weight text when
// the entry is ticked and nothing when it is not. CR LF line ends, no header.
struct ValueListFile {
    static constexpr const char *kExtension = "zqw";
    static constexpr const char *kFilter = "Werteliste|*.zqw";

    // Saving first gives each ticked entry the weight it will be read back with (in the list too):
    // control characters and U+FEFF dropped, at most 64 characters, an empty weight "1".
    static std::string format(NumberList &list);
    static Result<void> write(const std::filesystem::path &path, NumberList &list);

    // Line n ticks entry n with the line as its weight; an empty or missing line unticks it with
    // weight "1". Lines beyond 45 are ignored. A line that is not UTF-8 is read as Windows-1252; a
    // byte-order mark at the start is dropped once. CR LF, LF and a lone CR end a line.
    static NumberList parse(std::string_view text);
    // A file that cannot be read leaves nothing changed: the error comes back instead. 45 lines
    // of weights fit many times over in 64 KiB; a larger file, a folder, a FIFO or a device is
    // refused with an error naming the file.
    static constexpr std::size_t kMaxFileBytes = std::size_t{64} * 1024;
    static Result<NumberList> read(const std::filesystem::path &path);

    // The proposed file name: the date as yyyymmdd and ".zqw".
    static std::string proposedName(int year, int month, int day);
};

} // namespace quorix
