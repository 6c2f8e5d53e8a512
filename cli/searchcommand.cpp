// quorix-cli search --draws FILE --start DATE --end DATE --threshold H [--no-saturday]
//                   [--no-wednesday] [--row R=n1,n2,n3,n4,n5,n6[:LUCKY]]...
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <string_view>
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
    std::optional<std::string> drawPath;
    std::optional<DaySerial> start;
    std::optional<DaySerial> end;
    std::optional<int> threshold;
    bool saturday = true;
    bool wednesday = true;
    TipSheet sheet;
};

Result<void> takeOption(SearchOptions &o, std::string_view arg, std::string_view value) {
    if (arg == "--draws") {
        o.drawPath = std::string(value);
    } else if (arg == "--start" || arg == "--end") {
        const std::optional<DaySerial> day = parseIsoDate(value);
        if (!day) return badArgument(std::string(arg) + " is not a date (YYYY-MM-DD): " + std::string(value));
        (arg == "--start" ? o.start : o.end) = day;
    } else if (arg == "--threshold") {
        const Result<int> threshold = searchThreshold(value);
        if (!threshold) return badArgument("--threshold: " + threshold.error().message);
        o.threshold = *threshold;
    } else if (Result<std::size_t> row = parseRow(value, o.sheet); !row) {
        return row.error();
    }
    return {};
}

Result<SearchOptions> parseSearchArguments(std::span<char *const> args) {
    SearchOptions o;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--no-saturday" || arg == "--no-wednesday") {
            (arg == "--no-saturday" ? o.saturday : o.wednesday) = false;
            continue;
        }
        const bool once = arg == "--draws" || arg == "--start" || arg == "--end" || arg == "--threshold";
        if (!once && arg != "--row") return badArgument("unknown argument " + std::string(arg));
        if (i + 1 >= args.size()) return badArgument(std::string(arg) + " needs a value");
        if (once && !given.insert(std::string(arg)).second)
            return badArgument(std::string(arg) + " given twice");
        if (Result<void> taken = takeOption(o, arg, args[++i]); !taken) return taken.error();
    }
    for (const char *required : {"--draws", "--start", "--end", "--threshold"})
        if (given.count(required) == 0) return badArgument(std::string(required) + " is missing");
    if (*o.start < kEarliestStartDate)
        return badArgument("--start cannot be earlier than " + formatIso(kEarliestStartDate) +
                           ", the start date picker's earliest date");
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
    const Result<std::vector<Draw>> draws = readDrawHistory(*options->drawPath);
    if (!draws) return fail(draws.error().message);

    const StatisticsWindow window{*options->start, *options->end, options->saturday, options->wednesday};
    std::string matches;
    SearchHandler handler;
    // Every box is answered "Yes".
    handler.match = [&](const Draw &draw, int row, const TipMatch &match) {
        if (!matches.empty()) matches += ',';
        matches += boxJson(draw, row, match);
        return true;
    };
    const SearchOutcome outcome = searchTips(options->sheet, window, *options->threshold, *draws, handler);
    std::printf("{\"searched\":%d,\"matches\":[%s]}\n", outcome.searched, matches.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
