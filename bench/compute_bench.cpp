// The tip computation's fast path next to the plain reference, on the real draw history:
// acceptCandidate per second with the default and a strict set, and a 14-row strict run. The
// reference run of a million attempts rereads the file for every history test: it takes minutes.
// Compare CPU times; the machines are shared.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

#include "core/compute/computation.h"
#include "benchhistory.h"
#include "reference.h"

using namespace quorix;
using quorix::bench::history;

namespace {

reference::Settings settings(bool strict) {
    reference::Settings s;
    s.drawFile = history().file;
    s.startDate = serialFromYmd(1990, 3, 17);
    s.endDate = history().draws.empty() ? 0 : history().draws.back().date;
    if (strict) {
        s.parameters.pastWinHits = 4;
        s.parameters.longHits = 3;
        s.parameters.longDraws = 500;
    }
    return s;
}

// Candidates as the run draws them: six different pool numbers, ascending.
std::vector<TipNumbers> candidates() {
    Random random(2024);
    std::vector<TipNumbers> out(4096);
    for (TipNumbers &t : out) {
        std::uint64_t used = 0;
        for (int &n : t) {
            do
                n = static_cast<int>(random.below(42)) + 1;
            while (used & (std::uint64_t{1} << n));
            used |= std::uint64_t{1} << n;
        }
        std::sort(t.begin(), t.end());
    }
    return out;
}

int sum(const TipNumbers &t) {
    return t[0] + t[1] + t[2] + t[3] + t[4] + t[5];
}

void acceptFast(benchmark::State &state) {
    if (history().draws.empty()) {
        state.SkipWithError("real draw history not present");
        return;
    }
    const reference::Settings s = settings(state.range(0) != 0);
    const ReferenceSelection sel = selectReferenceDraws(history().draws, s.endDate, true, true);
    const DrawTable table(history().draws, {s.startDate, sel.endDate, true, true});
    TipParameters p = s.parameters;
    CandidateFilter filter(p, sel.draws, table);
    const std::vector<TipNumbers> cs = candidates();
    std::size_t i = 0;
    std::int64_t accepted = 0;
    for (auto _ : state) {
        const TipNumbers &t = cs[i++ & 4095];
        accepted += filter.accept(maskOf(t), sum(t));
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["accepted"] = static_cast<double>(accepted);
}

void acceptReference(benchmark::State &state) {
    if (history().draws.empty()) {
        state.SkipWithError("real draw history not present");
        return;
    }
    reference::Filter filter(settings(state.range(0) != 0));
    const std::vector<TipNumbers> cs = candidates();
    std::size_t i = 0;
    for (auto _ : state) {
        const TipNumbers &t = cs[i++ & 4095];
        benchmark::DoNotOptimize(filter.accept(t, sum(t)));
    }
    state.SetItemsProcessed(state.iterations());
}

// A 14-row run with the strict set at a budget of range(0) attempts.
void runFast(benchmark::State &state) {
    if (history().draws.empty()) {
        state.SkipWithError("real draw history not present");
        return;
    }
    reference::Settings s = settings(true);
    s.parameters.maxRunsThousands = static_cast<int>(state.range(0) / 1000);
    ComputationRequest rq;
    rq.draws = history().draws;
    rq.startDate = s.startDate;
    rq.endDate = s.endDate;
    rq.parameters = s.parameters;
    std::int64_t runs = 0;
    for (auto _ : state) {
        Random random(4711);
        const Result<ComputationResult> r = runComputation(rq, random);
        runs += r->runs;
    }
    state.SetItemsProcessed(runs);
}

void runReference(benchmark::State &state) {
    if (history().draws.empty()) {
        state.SkipWithError("real draw history not present");
        return;
    }
    reference::Settings s = settings(true);
    s.parameters.maxRunsThousands = static_cast<int>(state.range(0) / 1000);
    std::int64_t runs = 0;
    for (auto _ : state) {
        Random random(4711);
        runs += reference::run(s, random).runs;
    }
    state.SetItemsProcessed(runs);
}

} // namespace

BENCHMARK(acceptFast)->ArgName("strict")->Arg(0)->Arg(1);
BENCHMARK(acceptReference)->ArgName("strict")->Arg(0)->Arg(1);
BENCHMARK(runFast)->ArgName("budget")->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(runReference)->ArgName("budget")->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
