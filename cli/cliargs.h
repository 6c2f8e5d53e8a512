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
// positional arguments. An option a command takes once is refused when given twice (the two values
// may disagree, and quietly taking one of them hides the mistake); a repeatable option keeps all
// its values in the order given; a switch given twice means what it means once. Every problem is a
// BadArgument error naming it.
class CliArgs {
public:
    static Result<CliArgs> parse(std::span<char *const> args,
                                 std::initializer_list<std::string_view> valueOptions,
                                 std::initializer_list<std::string_view> flags,
                                 std::initializer_list<std::string_view> repeatableOptions = {});

    bool has(std::string_view name) const { return m_values.find(name) != m_values.end(); }
    bool flag(std::string_view name) const;
    const std::vector<std::string> &positionals() const { return m_positionals; }
    // "unexpected argument X" for the first positional argument of a command that takes none.
    Result<void> noPositionals() const;

    // Every value of a repeatable option in the order given; none when it was not given.
    std::span<const std::string> all(std::string_view name) const;

    Result<std::string> text(std::string_view name) const;
    // An ISO date (YYYY-MM-DD).
    Result<DaySerial> date(std::string_view name) const;
    Result<DaySerial> dateOr(std::string_view name, DaySerial fallback) const;
    // A decimal integer within lo..hi.
    Result<long long> integer(std::string_view name, long long lo, long long hi) const;
    Result<long long> integerOr(std::string_view name, long long lo, long long hi, long long fallback) const;

private:
    std::map<std::string, std::vector<std::string>, std::less<>> m_values;
    std::vector<std::string> m_flags;
    std::vector<std::string> m_positionals;
};

Error badArgument(std::string message);

// The Jokers named by "--joker K" (K 1..3, repeatable): which of the three are ticked.
Result<std::array<bool, 3>> jokerChoices(const CliArgs &args);

// --start of a command over a stretch of draws: a date no earlier than the start date picker's
// earliest.
Result<DaySerial> startDate(const CliArgs &args);

// The largest --seed: the program's random generator takes 32 bits.
inline constexpr long long kHighestSeed = 4294967295LL;

// A decimal integer within lo..hi, the whole text and nothing else.
std::optional<long long> wholeNumber(std::string_view text, long long lo, long long hi);

// `text` as a JSON string literal, quotes included.
std::string jsonString(std::string_view text);

// Prints "quorix-cli: <message>" on stderr and returns the exit code for bad arguments or input.
int fail(const std::string &message);
inline constexpr int kExitOk = 0;
inline constexpr int kExitBad = 2;

} // namespace quorix::cli
