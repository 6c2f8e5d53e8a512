// quorix-cli search --draws FILE --start DATE --end DATE --threshold H [--no-saturday]
//                   [--no-wednesday] [--row R=n1,n2,n3,n4,n5,n6[:LUCKY]]...
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/compute.h"
#include "core/history/drawcsv.h"
#include "core/game/game.h"
#include "core/analysis/tipsearch.h"

namespace quorix::cli {

namespace {

struct SearchOptions {
    std::string drawPath;
    StatisticsWindow window;
    int threshold = 0;
    TipSheet sheet;
};

Result<SearchOptions> parseSearchArguments(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "start", "end", "threshold"},
                                 {"no-saturday", "no-wednesday"}, {"row"});
    if (!parsed) return parsed.error();
    if (Result<void> none = parsed->noPositionals(); !none) return none.error();
    SearchOptions o;
    auto drawPath = parsed->text("draws");
    if (!drawPath) return drawPath.error();
    o.drawPath = *drawPath;
    auto start = startDate(*parsed);
    if (!start) return start.error();
    auto end = parsed->date("end");
    if (!end) return end.error();
    o.window = {*start, *end, !parsed->flag("no-saturday"), !parsed->flag("no-wednesday")};
    auto thresholdText = parsed->text("threshold");
    if (!thresholdText) return thresholdText.error();
    const Result<int> threshold = searchThreshold(*thresholdText);
    if (!threshold) return badArgument("--threshold: " + threshold.error().message);
    o.threshold = *threshold;
    for (const std::string &row : parsed->all("row"))
        if (Result<std::size_t> written = parseRow(row, o.sheet); !written) return written.error();
    return o;
}

std::string boxJson(const Draw &draw, int row, const TipMatch &match) {
    return "{\"date\":\"" + formatIso(draw.date) + "\",\"row\":" + std::to_string(row + 1) +
           ",\"hits\":" + std::to_string(match.hits) +
           ",\"bonusHit\":" + (match.bonusHit ? "true" : "false") + "}";
}

} // namespace

int runSearch(std::span<char *const> args) {
    const Result<SearchOptions> options = parseSearchArguments(args);
    if (!options) return fail(options.error().message);
    const Result<std::vector<Draw>> draws = readDrawHistory(options->drawPath);
    if (!draws) return fail(draws.error().message);

    std::string matches;
    SearchHandler handler;
    // Every box is answered "Yes".
    handler.match = [&](const Draw &draw, int row, const TipMatch &match) {
        if (!matches.empty()) matches += ',';
        matches += boxJson(draw, row, match);
        return true;
    };
    const SearchOutcome outcome =
        searchTips(options->sheet, options->window, options->threshold, *draws, handler);
    std::printf("{\"searched\":%d,\"matches\":[%s]}\n", outcome.searched, matches.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
