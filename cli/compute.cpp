// quorix-cli compute --draws FILE --start DATE --end DATE --seed N [--no-saturday] [--no-wednesday]
//                    [--set NAME=VALUE]... [--row R=n1,n2,n3,n4,n5,n6[:LUCKY]]... [--lock R]...
#include "cli/compute.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cliargs.h"
#include "core/compute/computation.h"
#include "core/history/drawcsv.h"
#include "core/game/game.h"
#include "core/compute/tipparameters.h"

namespace quorix::cli {

// "R=n1,n2,n3,n4,n5,n6[:LUCKY]": a place may be empty, as a field of the sheet may be.
Result<std::size_t> parseRow(std::string_view text, TipSheet &sheet) {
    const auto bad = [&](const std::string &why) {
        return badArgument("--row " + std::string(text) + ": " + why);
    };
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return bad("expected R=n1,n2,n3,n4,n5,n6[:LUCKY]");
    const auto row = wholeNumber(text.substr(0, eq), 1, kTipRowCount);
    if (!row) return bad("the row must be 1.." + std::to_string(kTipRowCount));
    std::string_view rest = text.substr(eq + 1);
    std::string lucky = "-";
    if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
        lucky = std::string(rest.substr(colon + 1));
        if (lucky != "-" && !wholeNumber(lucky, kLowestLucky, kHighestLucky))
            return bad("the lucky number must be - or " + std::to_string(kLowestLucky) + ".." +
                       std::to_string(kHighestLucky));
        rest = rest.substr(0, colon);
    }
    TipRow &input = sheet.rows[static_cast<std::size_t>(*row - 1)];
    const std::size_t last = input.numbers.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        const std::size_t comma = rest.find(',');
        if ((i < last) != (comma != std::string_view::npos))
            return bad("six places separated by commas are needed");
        const std::string_view place = i < last ? rest.substr(0, comma) : rest;
        if (!place.empty() && !wholeNumber(place, kLowestNumber, kHighestNumber))
            return bad("a number must be " + std::to_string(kLowestNumber) + ".." +
                       std::to_string(kHighestNumber) + " (or left empty)");
        input.numbers[i] = std::string(place);
        if (i < last) rest = rest.substr(comma + 1);
    }
    input.lucky = lucky;
    return static_cast<std::size_t>(*row);
}

namespace {

std::string json(const ComputationResult &result) {
    std::string out = "{\"rows\":[";
    for (std::size_t r = 0; r < result.rows.size(); ++r) {
        const ComputedRow &row = result.rows[r];
        if (r > 0) out += ',';
        out += "{\"row\":" + std::to_string(r + 1) + ",\"numbers\":[";
        bool first = true;
        for (int n : row.numbers) {
            if (n == 0) continue;
            if (!first) out += ',';
            out += std::to_string(n);
            first = false;
        }
        out += "],\"lucky\":\"" + row.lucky + "\",\"crossSum\":" + std::to_string(row.crossSum) +
               ",\"locked\":" + (row.locked ? "true" : "false") + "}";
    }
    out += "],\"runs\":" + std::to_string(result.runs) + ",\"status\":\"" +
           std::string(statusName(result.status)) + "\"}";
    return out;
}

} // namespace

Result<void> readTipOptions(const CliArgs &args, TipParameters &parameters, TipSheet &sheet) {
    for (const std::string &value : args.all("set")) {
        const std::size_t eq = value.find('=');
        if (eq == std::string::npos) return badArgument("--set expects NAME=VALUE: " + value);
        const std::string_view text = value;
        if (Result<void> set = setTipParameter(parameters, text.substr(0, eq), text.substr(eq + 1)); !set)
            return set.error();
    }
    for (const std::string &value : args.all("row"))
        if (Result<std::size_t> row = parseRow(value, sheet); !row) return row.error();
    // --lock R locks row R whether it comes before or after the --row that fills it.
    for (const std::string &value : args.all("lock")) {
        const auto row = wholeNumber(value, 1, kTipRowCount);
        if (!row) return badArgument("--lock takes a row 1.." + std::to_string(kTipRowCount) + ": " + value);
        sheet.rows[static_cast<std::size_t>(*row - 1)].locked = true;
    }
    return {};
}

std::string computeDetails() {
    std::string text =
        "--set NAME=VALUE names: a switch takes on or off, a number a whole number in its range;\n"
        "the default in brackets.\n";
    const TipParameters defaults;
    for (const TipParameterInfo &info : tipParameterTable()) {
        std::string line = "  " + std::string(info.name);
        line.resize(std::max<std::size_t>(line.size() + 1, 28), ' ');
        const std::string values =
            info.isFlag() ? "on/off" : std::to_string(info.minimum) + ".." + std::to_string(info.maximum);
        line += values;
        line.resize(std::max<std::size_t>(line.size() + 1, 40), ' ');
        text += line + "(" + tipParameterText(defaults, info) + ")\n";
    }
    return text;
}

namespace {

// What the command line asked for, before the draws are read.
struct ComputeOptions {
    std::string drawPath;
    std::uint32_t seed = 0;
    ComputationRequest request;
};

Result<ComputeOptions> parseComputeArguments(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "start", "end", "seed"}, {"no-saturday", "no-wednesday"},
                                 {"set", "row", "lock"});
    if (!parsed) return parsed.error();
    if (Result<void> none = parsed->noPositionals(); !none) return none.error();
    ComputeOptions o;
    auto drawPath = parsed->text("draws");
    if (!drawPath) return drawPath.error();
    o.drawPath = *drawPath;
    auto start = startDate(*parsed);
    if (!start) return start.error();
    auto end = parsed->date("end");
    if (!end) return end.error();
    auto seed = parsed->integer("seed", 0, kHighestSeed);
    if (!seed) return seed.error();
    o.seed = static_cast<std::uint32_t>(*seed);
    ComputationRequest &request = o.request;
    request.startDate = *start;
    request.endDate = *end;
    request.saturday = !parsed->flag("no-saturday");
    request.wednesday = !parsed->flag("no-wednesday");
    if (Result<void> tips = readTipOptions(*parsed, request.parameters, request.sheet); !tips)
        return tips.error();
    return o;
}

} // namespace

int runCompute(std::span<char *const> args) {
    Result<ComputeOptions> options = parseComputeArguments(args);
    if (!options) return fail(options.error().message);
    ComputationRequest &request = options->request;

    Result<std::vector<Draw>> draws = readDrawHistory(options->drawPath);
    if (!draws) return fail(draws.error().message);
    request.draws = *draws;

    Random random(options->seed);
    const Result<ComputationResult> result = runComputation(request, random);
    if (!result) return fail(result.error().message);
    std::printf("%s\n", json(*result).c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
