#include "output/valuelist.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace quorix {

namespace {

// Longest weight text kept from a line; anything longer is not a weight anybody typed.
constexpr std::size_t kMaxLine = 64;

// Windows-1252 for 0x80..0x9F; the rest of the upper half is Latin-1.
constexpr char16_t kCp1252[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                  0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        if (c >= 0x80) {
            if ((c & 0xE0) == 0xC0)
                extra = 1;
            else if ((c & 0xF0) == 0xE0)
                extra = 2;
            else if ((c & 0xF8) == 0xF0)
                extra = 3;
            else
                return false;
        }
        if (i + extra >= s.size() && extra > 0) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string fromCp1252(std::string_view s) {
    std::string out;
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        const char32_t u = c < 0x80 ? c : c < 0xA0 ? kCp1252[c - 0x80] : c;
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
    return out;
}

std::string cleanLine(std::string_view line) {
    // Control characters (NUL and the like) cannot be part of a weight typed into a list.
    std::string kept;
    for (char c : line.substr(0, kMaxLine)) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) kept += c;
    }
    return validUtf8(kept) ? kept : fromCp1252(kept);
}

} // namespace

std::string ValueListFile::format(NumberList &list) {
    std::string text;
    for (NumberListEntry &entry : list) {
        if (entry.ticked) {
            if (entry.weight.empty()) entry.weight.assign(1, '1');
            text += entry.weight;
        }
        text += "\r\n";
    }
    return text;
}

Result<void> ValueListFile::write(const std::filesystem::path &path, NumberList &list) {
    NumberList saved = list;
    const std::string text = format(saved);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return ioError(path.string() + ": " + std::strerror(errno));
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) return ioError(path.string() + ": " + std::strerror(errno));
    list = saved;
    return {};
}

NumberList ValueListFile::parse(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    NumberList list;
    for (NumberListEntry &entry : list) {
        std::string_view line;
        if (!text.empty()) {
            const std::size_t end = text.find_first_of("\r\n");
            line = text.substr(0, end);
            if (end == std::string_view::npos) {
                text = {};
            } else {
                const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
                text.remove_prefix(end + (crlf ? 2 : 1));
            }
        }
        const std::string weight = cleanLine(line);
        entry.ticked = !weight.empty();
        if (weight.empty())
            entry.weight.assign(1, '1');
        else
            entry.weight = weight;
    }
    return list;
}

Result<NumberList> ValueListFile::read(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return ioError(path.string() + ": " + std::strerror(errno));
    // 45 lines of weights never come near this; a huge file is read no further.
    std::string text(64 * 1024, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return ioError(path.string() + ": " + std::strerror(errno));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return parse(text);
}

std::string ValueListFile::proposedName(int year, int month, int day) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d.zqw", year, month, day);
    return name;
}

} // namespace quorix
