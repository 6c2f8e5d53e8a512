#include "cli/cliargs.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace quorix::cli {

std::optional<long long> wholeNumber(std::string_view text, long long lo, long long hi) {
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

Result<std::array<bool, 3>> takeJokers(std::span<char *const> args, std::vector<char *> &rest) {
    std::array<bool, 3> jokers{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (std::string_view(args[i]) != "--joker") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size()) return badArgument("--joker needs a value");
        const std::string_view value = args[++i];
        const std::optional<long long> joker = wholeNumber(value, 1, 3);
        if (!joker) return badArgument("--joker must be 1, 2 or 3: " + std::string(value));
        jokers[static_cast<std::size_t>(*joker - 1)] = true;
    }
    return jokers;
}

Error badArgument(std::string message) {
    return {Error::Code::BadArgument, std::move(message)};
}

int fail(const std::string &message) {
    std::fprintf(stderr, "quorix-cli: %s\n", message.c_str());
    return kExitBad;
}

Result<CliArgs> CliArgs::parse(std::span<char *const> args,
                               std::initializer_list<std::string_view> valueOptions,
                               std::initializer_list<std::string_view> flags) {
    CliArgs parsed;
    auto listed = [](std::initializer_list<std::string_view> names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            parsed.m_positionals.emplace_back(arg);
            continue;
        }
        const std::string_view name = arg.substr(2);
        if (listed(valueOptions, name)) {
            if (i + 1 >= args.size()) return badArgument(std::string(arg) + " needs a value");
            if (parsed.has(name)) return badArgument(std::string(arg) + " given twice");
            parsed.m_values.emplace(std::string(name), args[++i]);
        } else if (listed(flags, name)) {
            parsed.m_flags.emplace_back(name);
        } else {
            return badArgument("unknown option " + std::string(arg));
        }
    }
    return parsed;
}

bool CliArgs::flag(std::string_view name) const {
    return std::find(m_flags.begin(), m_flags.end(), name) != m_flags.end();
}

Result<std::string> CliArgs::text(std::string_view name) const {
    const auto it = m_values.find(std::string(name));
    if (it == m_values.end()) return badArgument("--" + std::string(name) + " is missing");
    return it->second;
}

Result<DaySerial> CliArgs::date(std::string_view name) const {
    auto value = text(name);
    if (!value) return value.error();
    const auto day = parseIsoDate(*value);
    if (!day) return badArgument("--" + std::string(name) + " is not a date (YYYY-MM-DD): " + *value);
    return *day;
}

Result<long long> CliArgs::integer(std::string_view name, long long lo, long long hi) const {
    auto value = text(name);
    if (!value) return value.error();
    long long v = 0;
    const char *end = value->data() + value->size();
    const auto [ptr, ec] = std::from_chars(value->data(), end, v);
    if (value->empty() || ec != std::errc() || ptr != end || v < lo || v > hi)
        return badArgument("--" + std::string(name) + " must be an integer " + std::to_string(lo) + ".." +
                           std::to_string(hi) + ": " + *value);
    return v;
}

// A JSON string literal: quotes, backslashes and control characters escaped; the text is UTF-8.
std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace quorix::cli
