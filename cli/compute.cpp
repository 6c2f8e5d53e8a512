// quorix-cli compute --draws FILE --start DATE --end DATE --seed N [--no-saturday] [--no-wednesday]
//                    [--set NAME=VALUE]... [--row R=n1,n2,n3,n4,n5,n6[:LUCKY]]... [--lock R]...
#include "cli/compute.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <set>
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

Result<bool> takeComputationOption(const ComputationOptions &into, std::string_view arg,
                                   std::string_view value) {
    if (arg == "--seed") {
        const auto n = wholeNumber(value, 0, 4294967295LL);
        if (!n) return badArgument("--seed must be an integer 0..4294967295: " + std::string(value));
        into.seed = static_cast<std::uint32_t>(*n);
    } else if (arg == "--set") {
        const std::size_t eq = value.find('=');
        if (eq == std::string_view::npos)
            return badArgument("--set expects NAME=VALUE: " + std::string(value));
        if (Result<void> set = setTipParameter(into.parameters, value.substr(0, eq), value.substr(eq + 1));
            !set)
            return set.error();
    } else if (arg == "--row") {
        if (Result<std::size_t> row = parseRow(value, into.sheet); !row) return row.error();
    } else if (arg == "--lock") {
        const auto row = wholeNumber(value, 1, kTipRowCount);
        if (!row)
            return badArgument("--lock takes a row 1.." + std::to_string(kTipRowCount) + ": " +
                               std::string(value));
        into.locks.push_back(static_cast<std::size_t>(*row));
    } else {
        return false;
    }
    return true;
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
    std::optional<std::string> drawPath;
    std::optional<DaySerial> start;
    std::optional<DaySerial> end;
    std::optional<std::uint32_t> seed;
    ComputationRequest request;
    std::vector<std::size_t> locks;
};

// One option that takes a value.
Result<void> takeOption(ComputeOptions &o, std::string_view arg, std::string_view value) {
    if (arg == "--draws") {
        o.drawPath = std::string(value);
    } else if (arg == "--start" || arg == "--end") {
        const std::optional<DaySerial> day = parseIsoDate(value);
        if (!day) return badArgument(std::string(arg) + " is not a date (YYYY-MM-DD): " + std::string(value));
        (arg == "--start" ? o.start : o.end) = day;
    } else {
        const Result<bool> taken =
            takeComputationOption({o.request.parameters, o.request.sheet, o.seed, o.locks}, arg, value);
        if (!taken) return taken.error();
    }
    return {};
}

// Everything given is known and complete.
Result<void> checkComplete(const ComputeOptions &o) {
    if (!o.drawPath) return badArgument("--draws is missing");
    if (!o.start) return badArgument("--start is missing");
    if (!o.end) return badArgument("--end is missing");
    if (!o.seed) return badArgument("--seed is missing");
    if (*o.start < kEarliestStartDate)
        return badArgument("--start cannot be earlier than " + formatIso(kEarliestStartDate) +
                           ", the start date picker's earliest date");
    return {};
}

Result<ComputeOptions> parseComputeArguments(std::span<char *const> args) {
    ComputeOptions o;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--no-saturday" || arg == "--no-wednesday") {
            (arg == "--no-saturday" ? o.request.saturday : o.request.wednesday) = false;
            continue;
        }
        const bool takesValue = arg == "--draws" || arg == "--start" || arg == "--end" || arg == "--seed" ||
                                arg == "--set" || arg == "--row" || arg == "--lock";
        if (!takesValue) return badArgument("unknown argument " + std::string(arg));
        if (i + 1 >= args.size()) return badArgument(std::string(arg) + " needs a value");
        const bool once = arg == "--draws" || arg == "--start" || arg == "--end" || arg == "--seed";
        if (once && !given.insert(std::string(arg)).second)
            return badArgument(std::string(arg) + " given twice");
        if (Result<void> taken = takeOption(o, arg, args[++i]); !taken) return taken.error();
    }
    if (Result<void> complete = checkComplete(o); !complete) return complete.error();
    for (std::size_t row : o.locks)
        o.request.sheet.rows[row - 1].locked = true;
    return o;
}

} // namespace

int runCompute(std::span<char *const> args) {
    Result<ComputeOptions> options = parseComputeArguments(args);
    if (!options) return fail(options.error().message);
    ComputationRequest &request = options->request;

    Result<std::vector<Draw>> draws = readDrawHistory(*options->drawPath);
    if (!draws) return fail(draws.error().message);
    request.draws = *draws;
    request.startDate = *options->start;
    request.endDate = *options->end;

    Random random(*options->seed);
    const Result<ComputationResult> result = runComputation(request, random);
    if (!result) return fail(result.error().message);
    std::printf("%s\n", json(*result).c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
