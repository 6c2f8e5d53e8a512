// The parameter analysis read once (statistics and history table grown turn by turn) next to the
// walk that rereads the draw file and makes everything anew every turn, on the real history with
// the default settings and both weekdays. Items are turns: compare the time per turn, fast against
// literal in the same run; the machines are shared.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/history/drawfile.h"
#include "core/analysis/parameteranalysis.h"
#include "benchhistory.h"
#include "reference.h"

using namespace quorix;
using quorix::bench::history;

namespace {

// range(0): the year the walk starts in (7 January); range(1): 1 with CheckBox31 ticked.
ParameterAnalysisRequest request(const benchmark::State &state) {
    ParameterAnalysisRequest rq;
    rq.startDate = kEarliestStartDate;
    rq.fromDate = serialFromYmd(static_cast<int>(state.range(0)), 1, 7);
    rq.today = serialFromYmd(2099, 1, 1);
    rq.seed = 4711;
    rq.recomputeOnlyAfterWin = state.range(1) != 0;
    return rq;
}

void walkFast(benchmark::State &state) {
    if (history().draws.empty()) {
        state.SkipWithError("real draw history not present");
        return;
    }
    const ParameterAnalysisRequest rq = request(state);
    std::int64_t turns = 0;
    for (auto _ : state) {
        Random random(1);
        turns += analyseParameters(history().draws, rq, random)->turns;
    }
    state.SetItemsProcessed(turns);
}

void walkLiteral(benchmark::State &state) {
    if (history().draws.empty()) {
        state.SkipWithError("real draw history not present");
        return;
    }
    const ParameterAnalysisRequest rq = request(state);
    const DrawFile file(history().file);
    std::int64_t turns = 0;
    for (auto _ : state) {
        Random random(1);
        turns += analyseParametersLiteral(file, rq, random)->turns;
    }
    state.SetItemsProcessed(turns);
}

} // namespace

// 2013 to the newest draw: the walk the window and quorix-cli run.
BENCHMARK(walkFast)
    ->ArgNames({"from", "afterWin"})
    ->Args({2013, 0})
    ->Args({2013, 1})
    ->Unit(benchmark::kMillisecond);
// The literal walk over the last years only; per turn it is the same work as from 2013.
BENCHMARK(walkFast)->ArgNames({"from", "afterWin"})->Args({2024, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(walkLiteral)->ArgNames({"from", "afterWin"})->Args({2024, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(walkLiteral)
    ->ArgNames({"from", "afterWin"})
    ->Args({2013, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK_MAIN();
