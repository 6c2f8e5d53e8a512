// The commands over the core's rules: stats and random.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/history/drawcsv.h"
#include "core/game/game.h"
#include "core/base/random.h"
#include "core/statistics/statistics.h"

namespace quorix::cli {

namespace {
std::string jsonNumber(const std::optional<int> &v) {
    return v ? std::to_string(*v) : "null";
}

std::string kindList(std::string_view separator) {
    std::string list;
    for (const StatisticKind kind : kAllStatisticKinds) {
        if (!list.empty()) list += separator;
        list += statisticKindName(kind);
    }
    return list;
}
} // namespace

std::string statsDetails() {
    return "KIND, spelled exactly:\n  " + kindList("\n  ") + "\n";
}

static std::string statisticsJson(const NumberStatistics &s) {
    std::string json = "{\"kind\":\"" + std::string(statisticKindName(s.kind)) + "\"";
    json += ",\"drawCount\":" + jsonNumber(s.drawCount);
    json += ",\"runTotal\":" + jsonNumber(s.runTotal);
    json += ",\"averageCrossSum\":" + jsonNumber(s.averageCrossSum);
    json += ",\"sharePercent\":" + jsonNumber(s.sharePercent);
    json += ",\"minCount\":" + jsonNumber(s.minCount);
    json += ",\"maxCount\":" + jsonNumber(s.maxCount);
    json += ",\"entries\":[";
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        if (i) json += ',';
        json += '[';
        json += std::to_string(s.entries[i].x);
        json += ',';
        json += std::to_string(s.entries[i].y);
        json += ']';
    }
    return json + "]}";
}

int runStats(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "kind", "start", "end"}, {"no-saturday", "no-wednesday"});
    if (!parsed) return fail(parsed.error().message);
    if (auto none = parsed->noPositionals(); !none) return fail(none.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    auto kindName = parsed->text("kind");
    if (!kindName) return fail(kindName.error().message);
    const auto kind = statisticKindFromName(*kindName);
    if (!kind) return fail("unknown --kind " + *kindName + " (" + kindList(", ") + ")");
    auto start = startDate(*parsed);
    if (!start) return fail(start.error().message);
    auto end = parsed->date("end");
    if (!end) return fail(end.error().message);
    const StatisticsWindow window{*start, *end, !parsed->flag("no-saturday"), !parsed->flag("no-wednesday")};
    auto draws = readDrawHistory(*drawPath);
    if (!draws) return fail(draws.error().message);
    std::printf("%s\n", statisticsJson(computeStatistic(*kind, window, *draws)).c_str());
    return kExitOk;
}

int runRandom(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"seed", "below", "count"}, {});
    if (!parsed) return fail(parsed.error().message);
    if (auto none = parsed->noPositionals(); !none) return fail(none.error().message);
    auto seed = parsed->integer("seed", 0, kHighestSeed);
    if (!seed) return fail(seed.error().message);
    auto below = parsed->integer("below", 1, 4294967295LL);
    if (!below) return fail(below.error().message);
    auto count = parsed->integer("count", 0, 100000000LL);
    if (!count) return fail(count.error().message);
    Random random(static_cast<std::uint32_t>(*seed));
    for (long long i = 0; i < *count; ++i)
        std::printf("%u\n", static_cast<unsigned>(random.below(static_cast<std::uint32_t>(*below))));
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
