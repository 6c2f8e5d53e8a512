#include "core/text/languagefile.h"

#include <charconv>
#include <cstdint>

namespace quorix {

namespace {

void appendUtf8(std::string &out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string utf16ToUtf8(std::string_view bytes, bool littleEndian) {
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(littleEndian ? (a | (b << 8)) : ((a << 8) | b));
    };
    constexpr char32_t kReplacement = 0xFFFD;
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t u = unit(2 * i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t low = unit(2 * (i + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? kReplacement : static_cast<char32_t>(u));
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<std::string> decodeLanguageFile(std::string_view bytes, const TextLimits &limits) {
    if (bytes.size() >= 2) {
        const auto first = static_cast<unsigned char>(bytes[0]);
        const auto second = static_cast<unsigned char>(bytes[1]);
        if ((first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF)) {
            // Decoding a huge file only to drop most of it would cost its size again; what the
            // limits keep fits into this many units.
            std::string_view units = bytes.substr(2);
            if (limits.maxLines != TextLimits::kUnlimited && limits.maxLineChars != TextLimits::kUnlimited) {
                const std::size_t keep = 2 * (limits.maxLines + 1) * (2 * limits.maxLineChars + 2);
                if (units.size() > keep) units = units.substr(0, keep);
            }
            // The converted text is valid UTF-8, so every line stays as it is.
            return decodeTextLines(utf16ToUtf8(units, first == 0xFF), limits);
        }
    }
    return decodeTextLines(bytes, limits);
}

std::vector<BaseEntry> parseBaseEntries(const std::vector<std::string> &lines) {
    std::vector<BaseEntry> entries;
    entries.reserve(lines.size() / 5);
    for (std::size_t i = 0; i + 5 <= lines.size(); i += 5)
        entries.push_back({lines[i], lines[i + 1], lines[i + 2], lines[i + 3], lines[i + 4]});
    return entries;
}

std::vector<TranslationEntry> parseTranslationEntries(const std::vector<std::string> &lines) {
    std::vector<TranslationEntry> entries;
    entries.reserve(lines.size() / 2);
    for (std::size_t i = 0; i + 2 <= lines.size(); i += 2)
        entries.push_back({lines[i], lines[i + 1]});
    return entries;
}

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::size_t> findBaseEntry(const std::vector<BaseEntry> &entries, std::size_t cursor,
                                         std::string_view window, std::string_view control) {
    window = trimBlanks(window);
    control = trimBlanks(control);
    for (std::size_t k = cursor; k < entries.size() && k - cursor < kLanguageSearchWindow; ++k) {
        if (trimBlanks(entries[k].window) == window && trimBlanks(entries[k].control) == control) return k;
    }
    return std::nullopt;
}

bool isDecimalNumber(std::string_view text) {
    text = trimBlanks(text);
    std::size_t i = 0;
    const auto sign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    };
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - from;
    };
    sign();
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == ',') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0) return false;
    }
    return i == text.size();
}

std::optional<int> parseCharset(std::string_view line) {
    line = trimBlanks(line);
    int value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (line.empty() || error != std::errc() || end != line.data() + line.size()) return std::nullopt;
    return value;
}

} // namespace quorix
