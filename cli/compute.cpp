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
#include "core/computation.h"
#include "core/drawcsv.h"
#include "core/drawfile.h"
#include "core/game.h"
#include "core/tipparameters.h"

namespace quorix::cli {

namespace {

std::optional<long long> wholeNumber(std::string_view text, long long lo, long long hi) {
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

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
        if (lucky != "-" && !wholeNumber(lucky, 1, 6)) return bad("the lucky number must be - or 1..6");
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

Result<std::vector<Draw>> readDraws(const std::string &path) {
    if (path.size() > 4 && path.substr(path.size() - 4) == ".csv") {
        Result<DrawCsv> csv = readDrawCsv(path);
        if (!csv) return csv.error();
        if (!csv->rejects.empty())
            return badInput(path + " line " + std::to_string(csv->rejects.front().line) + ": " +
                            csv->rejects.front().reason);
        return std::move(csv->draws);
    }
    const DrawFile file(path);
    if (!file.exists()) return Error{Error::Code::NotFound, path + ": no such draw file"};
    return file.readAll();
}

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

int runCompute(std::span<char *const> args) {
    std::optional<std::string> drawPath;
    std::optional<DaySerial> start;
    std::optional<DaySerial> end;
    std::optional<std::uint32_t> seed;
    ComputationRequest request;
    std::vector<std::size_t> locks;
    std::set<std::string> given;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--no-saturday") {
            request.saturday = false;
            continue;
        }
        if (arg == "--no-wednesday") {
            request.wednesday = false;
            continue;
        }
        const bool takesValue = arg == "--draws" || arg == "--start" || arg == "--end" || arg == "--seed" ||
                                arg == "--set" || arg == "--row" || arg == "--lock";
        if (!takesValue) return fail("unknown argument " + std::string(arg));
        if (i + 1 >= args.size()) return fail(std::string(arg) + " needs a value");
        const std::string_view value = args[++i];
        const bool once = arg == "--draws" || arg == "--start" || arg == "--end" || arg == "--seed";
        if (once && !given.insert(std::string(arg)).second) return fail(std::string(arg) + " given twice");
        if (arg == "--draws") {
            drawPath = std::string(value);
        } else if (arg == "--start" || arg == "--end") {
            const std::optional<DaySerial> day = parseIsoDate(value);
            if (!day) return fail(std::string(arg) + " is not a date (YYYY-MM-DD): " + std::string(value));
            (arg == "--start" ? start : end) = day;
        } else if (arg == "--seed") {
            const auto n = wholeNumber(value, 0, 4294967295LL);
            if (!n) return fail("--seed must be an integer 0..4294967295: " + std::string(value));
            seed = static_cast<std::uint32_t>(*n);
        } else if (arg == "--set") {
            const std::size_t eq = value.find('=');
            if (eq == std::string_view::npos) return fail("--set expects NAME=VALUE: " + std::string(value));
            if (Result<void> set =
                    setTipParameter(request.parameters, value.substr(0, eq), value.substr(eq + 1));
                !set)
                return fail(set.error().message);
        } else if (arg == "--row") {
            if (Result<std::size_t> row = parseRow(value, request.sheet); !row)
                return fail(row.error().message);
        } else {
            const auto row = wholeNumber(value, 1, kTipRowCount);
            if (!row)
                return fail("--lock takes a row 1.." + std::to_string(kTipRowCount) + ": " +
                            std::string(value));
            locks.push_back(static_cast<std::size_t>(*row));
        }
    }
    if (!drawPath) return fail("--draws is missing");
    if (!start) return fail("--start is missing");
    if (!end) return fail("--end is missing");
    if (!seed) return fail("--seed is missing");
    if (*start < kEarliestStartDate)
        return fail("--start cannot be earlier than " + formatIso(kEarliestStartDate) +
                    ", the start date picker's earliest date");
    for (std::size_t row : locks)
        request.sheet.rows[row - 1].locked = true;

    Result<std::vector<Draw>> draws = readDraws(*drawPath);
    if (!draws) return fail(draws.error().message);
    request.draws = *draws;
    request.startDate = *start;
    request.endDate = *end;

    Random random(*seed);
    const Result<ComputationResult> result = runComputation(request, random);
    if (!result) return fail(result.error().message);
    std::printf("%s\n", json(*result).c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
