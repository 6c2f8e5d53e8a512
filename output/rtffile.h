#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/base/result.h"

namespace quorix {

// A rich-text file of plain lines, one paragraph per line, as a rich-text control stores a list
// of lines: Windows-1252 as the declared code page, one font, no formatting.
struct RtfFile {
    // A line as rich text: "\", "{" and "}" escaped, a tab as \tab, a line break as \line, other
    // control characters dropped; characters of Windows-1252 beyond ASCII as \'hh, all others as
    // \uN with "?" for readers that do not know it (outside the BMP as a surrogate pair). Text
    // that is not valid UTF-8 is read as Windows-1252.
    static std::string escape(std::string_view text);
    static std::string format(std::span<const std::string> lines);
    // Replaces the file as a whole: a failed write leaves the earlier file as it was.
    static Result<void> write(const std::filesystem::path &path, std::span<const std::string> lines);
};

} // namespace quorix
