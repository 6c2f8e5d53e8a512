#include "output/rtffile.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "core/text/textlines.h"
#include "core/base/atomicfile.h"

namespace quorix {

namespace {

// Windows-1252's characters at 0x80..0x9F (0 where the code page has none).
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The Windows-1252 byte of a character beyond ASCII, or 0.
unsigned windows1252Byte(char32_t c) {
    if (c >= 0xA0 && c <= 0xFF) return static_cast<unsigned>(c);
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i)
        if (kWindows1252High[i] == c) return static_cast<unsigned>(0x80 + i);
    return 0;
}

// Decodes one character of valid UTF-8 at `pos` and moves past it.
char32_t nextCodePoint(std::string_view utf8, std::size_t &pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos++]);
    if (lead < 0x80) return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t c = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i)
        c = (c << 6) | (static_cast<unsigned char>(utf8[pos++]) & 0x3F);
    return c;
}

void appendUnicode(std::string &out, unsigned unit) {
    // \u takes a signed 16-bit number.
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u" + std::to_string(value) + "?";
}

void appendCharacter(std::string &out, char32_t c) {
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == '\t') {
        out += "\\tab ";
    } else if (c >= 0x20 && c < 0x7F) {
        out += static_cast<char>(c);
    } else if (c < 0x80) {
        return; // control characters have no place in a line
    } else if (const unsigned byte = windows1252Byte(c)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", byte);
        out += hex;
    } else if (c > 0xFFFF) {
        const char32_t v = c - 0x10000;
        appendUnicode(out, 0xD800 + static_cast<unsigned>(v >> 10));
        appendUnicode(out, 0xDC00 + static_cast<unsigned>(v & 0x3FF));
    } else {
        appendUnicode(out, static_cast<unsigned>(c));
    }
}

} // namespace

std::string RtfFile::escape(std::string_view text) {
    const std::string utf8 = isValidUtf8(text) ? std::string(text) : windows1252ToUtf8(text);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, pos);
        if (c == '\r' || c == '\n') {
            // CR LF is one break.
            if (c == '\r' && pos < utf8.size() && utf8[pos] == '\n') ++pos;
            out += "\\line ";
            continue;
        }
        appendCharacter(out, c);
    }
    return out;
}

std::string RtfFile::format(std::span<const std::string> lines) {
    std::string text = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
                       "\\pard\\f0\\fs20 ";
    for (const std::string &line : lines)
        text += escape(line) + "\\par\r\n";
    text += "}\r\n";
    return text;
}

Result<void> RtfFile::write(const std::filesystem::path &path, std::span<const std::string> lines) {
    return writeAtomically(path, format(lines));
}

} // namespace quorix
