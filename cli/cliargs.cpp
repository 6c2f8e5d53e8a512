#include "cli/cliargs.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/game/game.h"

namespace quorix::cli {

std::optional<long long> wholeNumber(std::string_view text, long long lo, long long hi) {
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

Result<std::array<bool, 3>> jokerChoices(const CliArgs &args) {
    std::array<bool, 3> jokers{};
    for (const std::string &value : args.all("joker")) {
        const std::optional<long long> joker = wholeNumber(value, 1, 3);
        if (!joker) return badArgument("--joker must be 1, 2 or 3: " + value);
        jokers[static_cast<std::size_t>(*joker - 1)] = true;
    }
    return jokers;
}

Result<DaySerial> startDate(const CliArgs &args) {
    auto start = args.date("start");
    if (!start) return start.error();
    if (*start < kEarliestStartDate)
        return badArgument("--start cannot be earlier than " + formatIso(kEarliestStartDate) +
                           ", the start date picker's earliest date");
    return *start;
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
                               std::initializer_list<std::string_view> flags,
                               std::initializer_list<std::string_view> repeatableOptions) {
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
        if (listed(flags, name)) {
            parsed.m_flags.emplace_back(name);
            continue;
        }
        const bool repeatable = listed(repeatableOptions, name);
        if (!repeatable && !listed(valueOptions, name))
            return badArgument("unknown option " + std::string(arg));
        if (i + 1 >= args.size()) return badArgument(std::string(arg) + " needs a value");
        if (!repeatable && parsed.has(name)) return badArgument(std::string(arg) + " given twice");
        parsed.m_values[std::string(name)].emplace_back(args[++i]);
    }
    return parsed;
}

bool CliArgs::flag(std::string_view name) const {
    return std::find(m_flags.begin(), m_flags.end(), name) != m_flags.end();
}

Result<void> CliArgs::noPositionals() const {
    if (!m_positionals.empty()) return badArgument("unexpected argument " + m_positionals.front());
    return {};
}

std::span<const std::string> CliArgs::all(std::string_view name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end()) return {};
    return it->second;
}

Result<std::string> CliArgs::text(std::string_view name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end()) return badArgument("--" + std::string(name) + " is missing");
    return it->second.front();
}

Result<DaySerial> CliArgs::date(std::string_view name) const {
    auto value = text(name);
    if (!value) return value.error();
    const auto day = parseIsoDate(*value);
    if (!day) return badArgument("--" + std::string(name) + " is not a date (YYYY-MM-DD): " + *value);
    return *day;
}

Result<DaySerial> CliArgs::dateOr(std::string_view name, DaySerial fallback) const {
    return has(name) ? date(name) : Result<DaySerial>(fallback);
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

Result<long long> CliArgs::integerOr(std::string_view name, long long lo, long long hi,
                                     long long fallback) const {
    return has(name) ? integer(name, lo, hi) : Result<long long>(fallback);
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
