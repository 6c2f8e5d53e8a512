#include "core/text/textlines.h"

namespace quorix {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

unsigned char byteAt(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

// Length of the valid UTF-8 sequence starting at i, or 0 when there is none.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const unsigned char lead = byteAt(s, i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // the second byte's range narrows to exclude overlong forms,
    unsigned char high = 0xBF; // surrogates and code points above U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() - i < length) return 0;
    const unsigned char second = byteAt(s, i + 1);
    if (second < low || second > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byteAt(s, i + k) & 0xC0) != 0x80) return 0;
    return length;
}

void appendUtf8(std::string &out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

std::string decodeLimited(std::string_view line, std::size_t maxChars) {
    if (isValidUtf8(line)) return std::string(utf8Prefix(line, maxChars));
    // Every Windows-1252 byte is one character.
    return windows1252ToUtf8(line.substr(0, maxChars));
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = byteAt(bytes, i);
        appendUtf8(out, c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : char32_t{c});
    }
    return out;
}

namespace {

char32_t codePointAt(std::string_view s, std::size_t i, std::size_t length) {
    const unsigned char lead = byteAt(s, i);
    if (length == 1) return lead;
    char32_t u = lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k)
        u = (u << 6) | (byteAt(s, i + k) & 0x3F);
    return u;
}

// The byte of a character in Windows-1252, or -1 when it has none.
int windows1252Byte(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
    for (int b = 0; b < 32; ++b)
        if (kHighControls[b] == u) return 0x80 + b;
    return -1;
}

} // namespace

Windows1252Text utf8ToWindows1252(std::string_view utf8) {
    Windows1252Text text;
    text.bytes.reserve(utf8.size());
    for (std::size_t i = 0, chars = 0; i < utf8.size(); ++chars) {
        const std::size_t length = sequenceLength(utf8, i);
        const char32_t u = length ? codePointAt(utf8, i, length) : char32_t{byteAt(utf8, i)};
        const int byte = length ? windows1252Byte(u) : -1;
        if (byte < 0) {
            text.ok = false;
            text.unencodable = u;
            text.position = chars;
            return text;
        }
        text.bytes += static_cast<char>(byte);
        i += length;
    }
    return text;
}

std::string decodeLine(std::string_view bytes) {
    return decodeLimited(bytes, TextLimits::kUnlimited);
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t chars = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
    return chars;
}

std::string_view utf8Prefix(std::string_view utf8, std::size_t chars) {
    std::size_t i = 0;
    for (; i < utf8.size(); ++i) {
        if ((byteAt(utf8, i) & 0xC0) == 0x80) continue;
        if (chars == 0) break;
        --chars;
    }
    return utf8.substr(0, i);
}

std::vector<std::string> decodeTextLines(std::string_view bytes, const TextLimits &limits) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    const std::string_view ends = limits.lineEndsAtLoneCr ? std::string_view("\r\n") : std::string_view("\n");
    std::vector<std::string> lines;
    while (!bytes.empty() && lines.size() < limits.maxLines) {
        const std::size_t end = bytes.find_first_of(ends);
        std::string_view line = bytes.substr(0, end);
        if (end == std::string_view::npos) {
            bytes = {};
        } else {
            const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            bytes.remove_prefix(end + (crLf ? 2 : 1));
        }
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(decodeLimited(line, limits.maxLineChars));
    }
    return lines;
}

} // namespace quorix
