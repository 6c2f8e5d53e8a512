// The repetition analysis in memory next to the walk that rereads the draw file for every turn
// and browser step, on the real draw history. `whole` walks from the oldest draw to the newest
// (every earlier draw from 17.03.1990 compared in every turn, no box answered); `fromYear` starts
// on the first draw of that year, so both sides can be compared on the same turns. Compare CPU
// times; the machines are shared. Measured on the 2-core build machine with the 4,290 draws up to
// 19.08.2026 (4,289 turns): whole history 22 ms in memory against 3.1 s through the file; from
// 2020 (691 turns) 7 ms against 0.58 s.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/analysis/repetitionanalysis.h"
#include "benchhistory.h"
#include "reference.h"
#include "referencerepetition.h"

using namespace quorix;
using quorix::bench::history;

namespace {

RepetitionSettings settingsFrom(int year) {
    return {serialFromYmd(1990, 3, 17), serialFromYmd(year, 1, 1), {}, 7};
}

void fast(benchmark::State &state) {
    if (history().draws.empty()) {
        state.SkipWithError("real draw history not present");
        return;
    }
    const RepetitionSettings settings = settingsFrom(static_cast<int>(state.range(0)));
    int turns = 0;
    for (auto _ : state) {
        const RepetitionOutcome out = analyseRepetition(history().draws, settings, {});
        turns = out.turns;
        benchmark::DoNotOptimize(out.tables);
    }
    state.counters["turns"] = turns;
}

void literal(benchmark::State &state) {
    if (history().draws.empty()) {
        state.SkipWithError("real draw history not present");
        return;
    }
    const RepetitionSettings settings = settingsFrom(static_cast<int>(state.range(0)));
    int turns = 0;
    for (auto _ : state) {
        const reference::RepetitionRun run = reference::repetitionWalk(history().file, settings);
        turns = run.outcome.turns;
        benchmark::DoNotOptimize(run.outcome.tables);
    }
    state.counters["turns"] = turns;
}

} // namespace

// 1900: before the oldest draw, so the whole history.
BENCHMARK(fast)->ArgName("fromYear")->Arg(1900)->Arg(2020)->Unit(benchmark::kMillisecond);
BENCHMARK(literal)->ArgName("fromYear")->Arg(1900)->Arg(2020)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
