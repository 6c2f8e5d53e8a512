// quorix-cli analyse-parameters --draws FILE --start DATE --from DATE --seed N [--no-saturday]
//     [--no-wednesday] [--recompute-after-win] [--set NAME=VALUE]... [--row R=...]... [--lock R]...
//     [--today DATE]
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/compute.h"
#include "core/history/drawcsv.h"
#include "core/game/game.h"
#include "core/analysis/parameteranalysis.h"

namespace quorix::cli {

namespace {

struct AnalyseOptions {
    std::string drawPath;
    ParameterAnalysisRequest request;
};

// The dates and switches of the walk; --set, --row and --lock as in compute.
Result<void> readWalk(const CliArgs &args, ParameterAnalysisRequest &request) {
    auto start = startDate(args);
    if (!start) return start.error();
    auto from = args.date("from");
    if (!from) return from.error();
    auto today = args.dateOr("today", todaySerial());
    if (!today) return today.error();
    auto seed = args.integer("seed", 0, kHighestSeed);
    if (!seed) return seed.error();
    request.startDate = *start;
    request.fromDate = *from;
    request.today = *today;
    request.seed = static_cast<std::uint32_t>(*seed);
    request.saturday = !args.flag("no-saturday");
    request.wednesday = !args.flag("no-wednesday");
    request.recomputeOnlyAfterWin = args.flag("recompute-after-win");
    return readTipOptions(args, request.parameters, request.sheet);
}

Result<AnalyseOptions> parseAnalyseArguments(std::span<char *const> args) {
    auto parsed =
        CliArgs::parse(args, {"draws", "start", "from", "seed", "today"},
                       {"no-saturday", "no-wednesday", "recompute-after-win"}, {"set", "row", "lock"});
    if (!parsed) return parsed.error();
    if (Result<void> none = parsed->noPositionals(); !none) return none.error();
    AnalyseOptions o;
    auto drawPath = parsed->text("draws");
    if (!drawPath) return drawPath.error();
    o.drawPath = *drawPath;
    if (Result<void> walk = readWalk(*parsed, o.request); !walk) return walk.error();
    return o;
}

// Shortest text that reads back as the same double.
std::string number(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

template <class Table, class Format> std::string tableJson(const Table &table, Format format) {
    std::string out = "[";
    for (std::size_t x = 0; x < table.size(); ++x) {
        if (x > 0) out += ',';
        out += '[';
        for (std::size_t c = 0; c < table[x].size(); ++c) {
            if (c > 0) out += ',';
            out += format(table[x][c]);
        }
        out += ']';
    }
    return out + "]";
}

} // namespace

int runAnalyseParameters(std::span<char *const> args) {
    Result<AnalyseOptions> options = parseAnalyseArguments(args);
    if (!options) return fail(options.error().message);
    const ParameterAnalysisRequest &request = options->request;
    const Result<std::vector<Draw>> draws = readDrawHistory(options->drawPath);
    if (!draws) return fail(draws.error().message);
    Random random(request.seed);
    const Result<ParameterAnalysis> analysis = analyseParameters(*draws, request, random);
    if (!analysis) return fail(analysis.error().message);
    std::printf("{\"turns\":%d,\"table\":%s,\"expected\":%s}\n", analysis->turns,
                tableJson(analysis->table, [](std::uint32_t n) { return std::to_string(n); }).c_str(),
                tableJson(analysis->expected, number).c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
