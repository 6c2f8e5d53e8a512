// quorix-cli analyse-parameters --draws FILE --start DATE --from DATE --seed N [--no-saturday]
//     [--no-wednesday] [--recompute-after-win] [--set NAME=VALUE]... [--row R=...]... [--lock R]...
//     [--today DATE]
#include <charconv>
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
#include "core/analysis/parameteranalysis.h"

namespace quorix::cli {

namespace {

struct AnalyseOptions {
    std::optional<std::string> drawPath;
    std::optional<DaySerial> start;
    std::optional<DaySerial> from;
    std::optional<DaySerial> today;
    std::optional<std::uint32_t> seed;
    ParameterAnalysisRequest request;
    std::vector<std::size_t> locks;
};

Result<void> takeDate(std::optional<DaySerial> &into, std::string_view arg, std::string_view value) {
    const std::optional<DaySerial> day = parseIsoDate(value);
    if (!day) return badArgument(std::string(arg) + " is not a date (YYYY-MM-DD): " + std::string(value));
    into = day;
    return {};
}

Result<void> takeOption(AnalyseOptions &o, std::string_view arg, std::string_view value) {
    if (arg == "--draws") {
        o.drawPath = std::string(value);
    } else if (arg == "--start") {
        return takeDate(o.start, arg, value);
    } else if (arg == "--from") {
        return takeDate(o.from, arg, value);
    } else if (arg == "--today") {
        return takeDate(o.today, arg, value);
    } else {
        const Result<bool> taken =
            takeComputationOption({o.request.parameters, o.request.sheet, o.seed, o.locks}, arg, value);
        if (!taken) return taken.error();
    }
    return {};
}

bool isSwitch(AnalyseOptions &o, std::string_view arg) {
    if (arg == "--no-saturday")
        o.request.saturday = false;
    else if (arg == "--no-wednesday")
        o.request.wednesday = false;
    else if (arg == "--recompute-after-win")
        o.request.recomputeOnlyAfterWin = true;
    else
        return false;
    return true;
}

Result<AnalyseOptions> parseAnalyseArguments(std::span<char *const> args) {
    AnalyseOptions o;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (isSwitch(o, arg)) continue;
        const bool once =
            arg == "--draws" || arg == "--start" || arg == "--from" || arg == "--seed" || arg == "--today";
        if (!once && arg != "--set" && arg != "--row" && arg != "--lock")
            return badArgument("unknown argument " + std::string(arg));
        if (i + 1 >= args.size()) return badArgument(std::string(arg) + " needs a value");
        if (once && !given.insert(std::string(arg)).second)
            return badArgument(std::string(arg) + " given twice");
        if (Result<void> taken = takeOption(o, arg, args[++i]); !taken) return taken.error();
    }
    for (const char *required : {"--draws", "--start", "--from", "--seed"})
        if (given.count(required) == 0) return badArgument(std::string(required) + " is missing");
    if (*o.start < kEarliestStartDate)
        return badArgument("--start cannot be earlier than " + formatIso(kEarliestStartDate) +
                           ", the start date picker's earliest date");
    for (std::size_t row : o.locks)
        o.request.sheet.rows[row - 1].locked = true;
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
    ParameterAnalysisRequest &request = options->request;
    request.startDate = *options->start;
    request.fromDate = *options->from;
    request.today = options->today.value_or(todaySerial());
    request.seed = *options->seed;

    const Result<std::vector<Draw>> draws = readDrawHistory(*options->drawPath);
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
