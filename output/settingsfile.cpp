#include "output/settingsfile.h"

#include <bit>
#include <charconv>
#include <limits>

#include "core/text/textlines.h"

namespace quorix {

namespace {

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559, "IEEE-754 doubles");

constexpr std::string_view kBinaryTag = "binary";
constexpr char kHex[] = "0123456789abcdef";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The one-letter escapes of JSON texts and the characters they stand for.
constexpr std::string_view kEscapeLetters = "\"\\/bfnrt";
constexpr std::string_view kEscaped = "\"\\/\b\f\n\r\t";

// A cursor over the file's bytes. Every step looks at most one byte ahead and the file is one
// flat object (a binary value is the only nesting), so there is no recursion to exhaust.
class Reader {
public:
    explicit Reader(std::string_view bytes)
        : m_text(bytes) {}

    Result<SettingsFile::Map> object();

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return m_text[m_pos]; }
    void skipSpace();
    bool take(char c);
    Error fail(const std::string &what) const {
        return badInput("settings file, byte " + std::to_string(m_pos) + ": " + what);
    }
    Result<std::string> string();
    Result<unsigned> hex4();
    Result<unsigned> codePoint();
    Result<SettingsFile::Value> value();
    Result<SettingsFile::Value> integer();
    Result<SettingsFile::Value> binary();

    std::string_view m_text;
    std::size_t m_pos = 0;
};

void Reader::skipSpace() {
    while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
        ++m_pos;
}

bool Reader::take(char c) {
    skipSpace();
    if (atEnd() || peek() != c) return false;
    ++m_pos;
    return true;
}

Result<unsigned> Reader::hex4() {
    if (m_text.size() - m_pos < 4) return fail("short \\u escape");
    unsigned code = 0;
    const char *first = m_text.data() + m_pos;
    const auto [end, ec] = std::from_chars(first, first + 4, code, 16);
    if (ec != std::errc() || end != first + 4) return fail("bad \\u escape");
    m_pos += 4;
    return code;
}

void appendUtf8(std::string &out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(unsigned code) {
    return code >= 0xD800 && code <= 0xDBFF;
}
bool isLowSurrogate(unsigned code) {
    return code >= 0xDC00 && code <= 0xDFFF;
}

// After "\\u": four hex digits, or two such escapes forming a surrogate pair.
Result<unsigned> Reader::codePoint() {
    auto code = hex4();
    if (!code) return code;
    if (isLowSurrogate(*code)) return fail("lone surrogate");
    if (!isHighSurrogate(*code)) return code;
    if (m_text.substr(m_pos, 2) != "\\u") return fail("lone surrogate");
    m_pos += 2;
    auto low = hex4();
    if (!low) return low;
    if (!isLowSurrogate(*low)) return fail("lone surrogate");
    return 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
}

Result<std::string> Reader::string() {
    if (!take('"')) return fail("text expected");
    std::string out;
    while (true) {
        if (atEnd()) return fail("unterminated text");
        const char c = m_text[m_pos++];
        if (c == '"') break;
        if (static_cast<unsigned char>(c) < 0x20) return fail("control character in text");
        if (c != '\\') {
            out += c;
            continue;
        }
        if (atEnd()) return fail("unterminated escape");
        const char escaped = m_text[m_pos++];
        if (escaped == 'u') {
            auto code = codePoint();
            if (!code) return code.error();
            appendUtf8(out, *code);
        } else if (const std::size_t at = kEscapeLetters.find(escaped); at != std::string_view::npos) {
            out += kEscaped[at];
        } else {
            return fail("unknown escape");
        }
    }
    if (!isValidUtf8(out)) return fail("text is not UTF-8");
    return out;
}

Result<SettingsFile::Value> Reader::integer() {
    const std::size_t start = m_pos;
    if (!atEnd() && peek() == '-') ++m_pos;
    const std::size_t digits = m_pos;
    while (!atEnd() && peek() >= '0' && peek() <= '9')
        ++m_pos;
    if (m_pos == digits) return fail("number expected");
    if (m_pos - digits > 1 && m_text[digits] == '0') return fail("leading zero");
    if (!atEnd() && (peek() == '.' || peek() == 'e' || peek() == 'E')) return fail("not a whole number");
    std::int32_t number = 0;
    const char *first = m_text.data() + start;
    const char *last = m_text.data() + m_pos;
    const auto [end, ec] = std::from_chars(first, last, number);
    if (ec != std::errc() || end != last) return fail("number beyond 32 bits");
    return SettingsFile::Value{number};
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Result<SettingsFile::Value> Reader::binary() {
    if (!take('{')) return fail("value expected");
    auto tag = string();
    if (!tag) return tag.error();
    if (*tag != kBinaryTag) return fail("unknown value form");
    if (!take(':')) return fail("':' expected");
    auto hex = string();
    if (!hex) return hex.error();
    if (!take('}')) return fail("'}' expected");
    if (hex->size() % 2 != 0) return fail("odd number of hex digits");
    SettingsFile::Binary data;
    data.bytes.reserve(hex->size() / 2);
    for (std::size_t i = 0; i < hex->size(); i += 2) {
        const int high = hexDigit((*hex)[i]);
        const int low = hexDigit((*hex)[i + 1]);
        if (high < 0 || low < 0) return fail("not a hex digit");
        data.bytes += static_cast<char>(high * 16 + low);
    }
    return SettingsFile::Value{std::move(data)};
}

Result<SettingsFile::Value> Reader::value() {
    skipSpace();
    if (atEnd()) return fail("value expected");
    if (peek() == '"') {
        auto text = string();
        if (!text) return text.error();
        return SettingsFile::Value{std::move(*text)};
    }
    if (peek() == '{') return binary();
    if (peek() == '-' || (peek() >= '0' && peek() <= '9')) return integer();
    return fail("value expected");
}

Result<SettingsFile::Map> Reader::object() {
    SettingsFile::Map values;
    skipSpace();
    if (atEnd()) return values;
    if (!take('{')) return fail("'{' expected");
    if (!take('}')) {
        do {
            auto name = string();
            if (!name) return name.error();
            if (name->empty()) return fail("empty name");
            if (!take(':')) return fail("':' expected");
            auto read = value();
            if (!read) return read.error();
            if (values.size() >= SettingsFile::kMaxValues) return fail("too many values");
            if (!values.emplace(std::move(*name), std::move(*read)).second) return fail("repeated name");
        } while (take(','));
        if (!take('}')) return fail("'}' expected");
    }
    skipSpace();
    if (!atEnd()) return fail("bytes after the object");
    return values;
}

void appendQuoted(std::string &out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // "/" may stand as it is.
        if (const std::size_t at = kEscaped.find(c); at != std::string_view::npos && c != '/') {
            out += '\\';
            out += kEscapeLetters[at];
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

Result<SettingsFile::Map> SettingsFile::parse(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) return badInput("settings file larger than 1 MiB");
    // Editors may put a byte-order mark in front; it is no part of the text.
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return Reader(bytes).object();
}

Result<std::string> SettingsFile::format(const Map &values) {
    std::string out = "{";
    bool first = true;
    for (const auto &[name, value] : values) {
        if (name.empty() || !isValidUtf8(name)) return badInput("settings name is not UTF-8: " + name);
        out += first ? "\n  " : ",\n  ";
        first = false;
        appendQuoted(out, name);
        out += ": ";
        if (const auto *number = std::get_if<std::int32_t>(&value)) {
            out += std::to_string(*number);
        } else if (const auto *text = std::get_if<std::string>(&value)) {
            if (!isValidUtf8(*text)) return badInput("settings text is not UTF-8: " + name);
            appendQuoted(out, *text);
        } else {
            const std::string &data = std::get<Binary>(value).bytes;
            out += "{\"binary\": \"";
            for (const char c : data) {
                const auto byte = static_cast<unsigned char>(c);
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            }
            out += "\"}";
        }
    }
    out += first ? "}\n" : "\n}\n";
    return out;
}

std::string SettingsFile::doubleBytes(double value) {
    auto bits = std::bit_cast<std::uint64_t>(value);
    std::string bytes(8, '\0');
    for (char &byte : bytes) {
        byte = static_cast<char>(bits & 0xFF);
        bits >>= 8;
    }
    return bytes;
}

std::optional<double> SettingsFile::doubleFromBytes(std::string_view bytes) {
    if (bytes.size() != 8) return std::nullopt;
    std::uint64_t bits = 0;
    for (std::size_t i = 8; i-- > 0;)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    return std::bit_cast<double>(bits);
}

} // namespace quorix
