#pragma once

#include <array>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/calendar.h"
#include "core/base/result.h"

namespace quorix::cli {

// The arguments after the command name: "--name value" options, "--flag" switches and plain
// positional arguments. Every problem is a BadArgument error naming it.
class CliArgs {
public:
    static Result<CliArgs> parse(std::span<char *const> args,
                                 std::initializer_list<std::string_view> valueOptions,
                                 std::initializer_list<std::string_view> flags);

    bool has(std::string_view name) const { return m_values.count(std::string(name)) != 0; }
    bool flag(std::string_view name) const;
    const std::vector<std::string> &positionals() const { return m_positionals; }

    Result<std::string> text(std::string_view name) const;
    // An ISO date (YYYY-MM-DD).
    Result<DaySerial> date(std::string_view name) const;
    // A decimal integer within lo..hi.
    Result<long long> integer(std::string_view name, long long lo, long long hi) const;

private:
    std::map<std::string, std::string> m_values;
    std::vector<std::string> m_flags;
    std::vector<std::string> m_positionals;
};

Error badArgument(std::string message);

// "--joker K" (K 1..3) may be given for each of the three Jokers: takes them out of args, puts
// the other arguments into rest and answers which Jokers were named.
Result<std::array<bool, 3>> takeJokers(std::span<char *const> args, std::vector<char *> &rest);

// A decimal integer within lo..hi, the whole text and nothing else.
std::optional<long long> wholeNumber(std::string_view text, long long lo, long long hi);

// `text` as a JSON string literal, quotes included.
std::string jsonString(std::string_view text);

// Prints "quorix-cli: <message>" on stderr and returns the exit code for bad arguments or input.
int fail(const std::string &message);
inline constexpr int kExitOk = 0;
inline constexpr int kExitBad = 2;

} // namespace quorix::cli
