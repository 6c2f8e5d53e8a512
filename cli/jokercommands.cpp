// The Joker commands: the digit statistic, the search for a number and a new number by level.
#include <cstdio>
#include <string>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/history/drawcsv.h"
#include "core/statistics/jokerstatistics.h"
#include "core/base/random.h"

namespace quorix::cli {

namespace {

Result<std::array<int, 6>> jokerDigits(const CliArgs &args) {
    auto text = args.text("number");
    if (!text) return text.error();
    std::array<int, 6> digits{};
    if (text->size() != digits.size()) return badArgument("--number must be six digits: " + *text);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char c = (*text)[i];
        if (c < '0' || c > '9') return badArgument("--number must be six digits: " + *text);
        digits[i] = c - '0';
    }
    return digits;
}

std::string digitsText(const std::array<int, 6> &digits) {
    std::string text;
    for (int digit : digits)
        text += static_cast<char>('0' + digit);
    return text;
}

Result<CliArgs> parseWithoutPositionals(std::span<char *const> args,
                                        std::initializer_list<std::string_view> options) {
    auto parsed = CliArgs::parse(args, options, {});
    if (!parsed) return parsed.error();
    if (Result<void> none = parsed->noPositionals(); !none) return none.error();
    return parsed;
}

} // namespace

int runJokerStats(std::span<char *const> args) {
    auto parsed = parseWithoutPositionals(args, {"draws", "start", "end", "position", "mode"});
    if (!parsed) return fail(parsed.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    auto start = parsed->date("start");
    if (!start) return fail(start.error().message);
    auto end = parsed->date("end");
    if (!end) return fail(end.error().message);
    auto position = parsed->integer("position", 1, kJokerAllPositions);
    if (!position) return fail(position.error().message);
    auto modeName = parsed->text("mode");
    if (!modeName) return fail(modeName.error().message);
    if (*modeName != "often" && *modeName != "outstanding")
        return fail("--mode must be often or outstanding, not " + *modeName);
    const JokerDigitMode mode = *modeName == "often" ? JokerDigitMode::Often : JokerDigitMode::Outstanding;
    auto draws = readDrawHistory(*drawPath);
    if (!draws) return fail(draws.error().message);
    const JokerDigitStatistic s = computeJokerDigits(static_cast<int>(*position), mode, *start, *end, *draws);
    std::string json = "{\"counts\":[";
    for (std::size_t i = 0; i < s.counts.size(); ++i) {
        if (i) json += ',';
        json += std::to_string(s.counts[i]);
    }
    json += "],\"drawCount\":" + std::to_string(s.drawCount) +
            ",\"digitTotal\":" + std::to_string(s.digitTotal) + "}";
    std::printf("%s\n", json.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

int runJokerFind(std::span<char *const> args) {
    auto parsed = parseWithoutPositionals(args, {"draws", "number"});
    if (!parsed) return fail(parsed.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    auto digits = jokerDigits(*parsed);
    if (!digits) return fail(digits.error().message);
    auto draws = readDrawHistory(*drawPath);
    if (!draws) return fail(draws.error().message);
    const auto found = findJokerNumber(*digits, *draws);
    std::string date = "null";
    if (found) {
        date.assign(1, '"');
        date += formatIso(found->date);
        date += '"';
    }
    std::printf("{\"date\":%s}\n", date.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

int runJokerNew(std::span<char *const> args) {
    auto parsed = parseWithoutPositionals(args, {"draws", "seed", "level"});
    if (!parsed) return fail(parsed.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    auto seed = parsed->integer("seed", 0, kHighestSeed);
    if (!seed) return fail(seed.error().message);
    auto level = parsed->integer("level", -1000000, 1000000);
    if (!level) return fail(level.error().message);
    std::vector<Draw> draws;
    if (*level > 0) { // level 0 or less draws random digits and reads no file
        auto read = readDrawHistory(*drawPath);
        if (!read) return fail(read.error().message);
        draws = std::move(*read);
    }
    Random random(static_cast<std::uint32_t>(*seed));
    const NewJokerNumber n = makeNewJokerNumber(static_cast<int>(*level), random, draws);
    std::printf("{\"number\":\"%s\",\"level\":%d}\n", digitsText(n.digits).c_str(), n.level);
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
