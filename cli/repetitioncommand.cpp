// quorix-cli analyse-repetition --draws FILE --start DATE --from DATE [--no-saturday]
//                               [--no-wednesday] [--threshold H]
#include <cstdio>
#include <string>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/history/drawcsv.h"
#include "core/game/game.h"
#include "core/analysis/repetitionanalysis.h"
#include "core/analysis/tipsearch.h"

namespace quorix::cli {

namespace {

Result<RepetitionSettings> repetitionSettings(const CliArgs &args) {
    RepetitionSettings settings;
    auto start = startDate(args);
    if (!start) return start.error();
    auto from = args.date("from");
    if (!from) return from.error();
    settings.startDate = *start;
    settings.fromDate = *from;
    settings.filter = {!args.flag("no-saturday"), !args.flag("no-wednesday")};
    if (args.has("threshold")) {
        auto text = args.text("threshold");
        if (!text) return text.error();
        const Result<int> threshold = searchThreshold(*text);
        if (!threshold) return badArgument("--threshold: " + threshold.error().message);
        settings.threshold = *threshold;
    }
    return settings;
}

std::string countsJson(const ShareCounts &counts) {
    std::string json = "[";
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (i) json += ',';
        json += std::to_string(counts[i]);
    }
    return json + "]";
}

} // namespace

int runAnalyseRepetition(std::span<char *const> args) {
    auto parsed =
        CliArgs::parse(args, {"draws", "start", "from", "threshold"}, {"no-saturday", "no-wednesday"});
    if (!parsed) return fail(parsed.error().message);
    if (auto none = parsed->noPositionals(); !none) return fail(none.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    const Result<RepetitionSettings> settings = repetitionSettings(*parsed);
    if (!settings) return fail(settings.error().message);
    const Result<std::vector<Draw>> draws = readDrawHistory(*drawPath);
    if (!draws) return fail(draws.error().message);

    std::string matches;
    RepetitionHandler handler;
    // Every box is answered "Yes".
    handler.match = [&](const Draw &turn, const Draw &earlier, int) {
        if (!matches.empty()) matches += ',';
        matches +=
            "{\"draw\":\"" + formatIso(turn.date) + "\",\"earlier\":\"" + formatIso(earlier.date) + "\"}";
        return true;
    };
    const RepetitionOutcome out = analyseRepetition(*draws, *settings, handler);
    const RepetitionTables &t = out.tables;
    std::printf("{\"turns\":%d,\"earlier\":%s,\"next1\":%s,\"next2\":%s,\"next3\":%s,\"matches\":[%s]}\n",
                out.turns, countsJson(t.earlier).c_str(), countsJson(t.next1).c_str(),
                countsJson(t.next2).c_str(), countsJson(t.next3).c_str(), matches.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
