#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorix {

// How much of a text file is kept. A file handed to the program may be hostile: one line of
// megabytes, or millions of empty lines, must not grow into a window title or a huge table.
struct TextLimits {
    static constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);
    std::size_t maxLineChars = kUnlimited; // characters kept of each line; the rest is dropped
    std::size_t maxLines = kUnlimited;     // lines kept; the rest of the file is not decoded
    bool lineEndsAtLoneCr = false;         // a CR without LF ends a line too (old Mac files)
};

// The message files of land/: a real message has well under a hundred characters and the file a
// line per message, so these only stop files nobody wrote by hand.
inline constexpr TextLimits kMessageFileLimits{1000, 1000, false};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no torn sequences.
bool isValidUtf8(std::string_view bytes);
// Windows-1252 to UTF-8. The five bytes the code page leaves unassigned map to U+0081 etc.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 back to Windows-1252, so that any byte read through windows1252ToUtf8 is written back
// as it was. A character the code page has no byte for stops it: `ok` is false and the
// character and its index (0-based, in characters) are named; an invalid UTF-8 byte counts as
// such a character.
struct Windows1252Text {
    std::string bytes;
    bool ok = true;
    char32_t unencodable = 0;
    std::size_t position = 0;
};
Windows1252Text utf8ToWindows1252(std::string_view utf8);

// Text files of older installations are 8-bit Windows-1252, newer ones UTF-8: a line is read as
// UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise. The result is UTF-8.
std::string decodeLine(std::string_view bytes);

// Characters (code points) in valid UTF-8.
std::size_t utf8Length(std::string_view utf8);
// The first `chars` characters of valid UTF-8, never cutting a character.
std::string_view utf8Prefix(std::string_view utf8, std::size_t chars);

// Splits a file's bytes into lines and decodes each with decodeLine. A UTF-8 byte-order mark at
// the very start is dropped (once; a second one is text). CR LF and LF end a line; a last line
// without an end counts, an empty file has no lines.
std::vector<std::string> decodeTextLines(std::string_view bytes, const TextLimits &limits = {});

} // namespace quorix
