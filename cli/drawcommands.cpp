// The commands that read and write the draw file: import-csv, draws, make-sample.
#include <cstdio>
#include <limits>
#include <string>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/history/drawcsv.h"
#include "core/history/drawfile.h"
#include "core/history/samplehistory.h"

namespace quorix::cli {

int runImportCsv(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws"}, {});
    if (!parsed) return fail(parsed.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    if (parsed->positionals().size() != 1) return fail("import-csv needs exactly one CSV file");
    const std::string &csvPath = parsed->positionals().front();

    auto csv = readDrawCsv(csvPath);
    if (!csv) return fail(csv.error().message);
    for (const CsvReject &r : csv->rejects)
        std::fprintf(stderr, "quorix-cli: %s line %zu: %s\n", csvPath.c_str(), r.line, r.reason.c_str());
    if (csv->draws.empty())
        return fail(csv->rejects.empty() ? csvPath + " holds no draw"
                                         : "no line of " + csvPath + " was imported");

    // Read, merge and write under the draw file's lock, so a writer in between loses nothing;
    // a file that is not a draw history is refused rather than overwritten.
    std::size_t drawCount = 0;
    const auto merge = [&](const std::vector<Draw> &existing) -> Result<std::vector<Draw>> {
        std::vector<Draw> merged = mergeDraws(existing, csv->draws);
        drawCount = merged.size();
        return merged;
    };
    if (auto written = DrawFile(*drawPath).modify(merge, todaySerial()); !written)
        return fail(written.error().message);
    std::printf("{\"imported\":%zu,\"rejected\":%zu,\"drawCount\":%zu}\n", csv->draws.size(),
                csv->rejects.size(), drawCount);
    return csv->rejects.empty() ? kExitOk : kExitBad;
}

int runDraws(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "from", "to"}, {});
    if (!parsed) return fail(parsed.error().message);
    if (auto none = parsed->noPositionals(); !none) return fail(none.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    const auto from = parsed->dateOr("from", std::numeric_limits<DaySerial>::min());
    if (!from) return fail(from.error().message);
    const auto to = parsed->dateOr("to", std::numeric_limits<DaySerial>::max());
    if (!to) return fail(to.error().message);
    auto draws = readDrawHistory(*drawPath);
    if (!draws) return fail(draws.error().message);
    std::string out(kDrawCsvHeader);
    out += '\n';
    for (const Draw &d : *draws) {
        if (d.date < *from || d.date > *to) continue;
        out += drawCsvLine(d);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

int runMakeSample(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "to", "seed"}, {});
    if (!parsed) return fail(parsed.error().message);
    if (auto none = parsed->noPositionals(); !none) return fail(none.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    const DaySerial today = todaySerial();
    const auto to = parsed->dateOr("to", today);
    if (!to) return fail(to.error().message);
    // A sample reaching into the future would hold draws that have not happened.
    if (*to > today) return fail("--to cannot be later than today, " + formatIso(today));
    const auto seed = parsed->integerOr("seed", 0, kHighestSeed, 1990);
    if (!seed) return fail(seed.error().message);
    // Never overwrite a history someone keeps; an empty file may be replaced. Decided under the
    // lock, so draws another writer puts there meanwhile are never wiped.
    const std::vector<Draw> draws = makeSampleHistory(*to, static_cast<std::uint32_t>(*seed));
    const auto intoEmpty = [&](const std::vector<Draw> &existing) -> Result<std::vector<Draw>> {
        if (!existing.empty()) return badInput(*drawPath + " already holds draws; not overwriting it");
        return draws;
    };
    if (auto written = DrawFile(*drawPath).modify(intoEmpty); !written) return fail(written.error().message);
    auto isoOrNull = [](const Draw *d) {
        if (!d) return std::string("null");
        std::string iso(1, '"');
        iso += formatIso(d->date);
        iso += '"';
        return iso;
    };
    std::printf("{\"drawCount\":%zu,\"first\":%s,\"last\":%s}\n", draws.size(),
                isoOrNull(draws.empty() ? nullptr : &draws.front()).c_str(),
                isoOrNull(draws.empty() ? nullptr : &draws.back()).c_str());
    return kExitOk;
}

} // namespace quorix::cli
