#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/compute/acceptance.h"
#include "core/game/game.h"
#include "core/text/messages.h"
#include "core/compute/numberpool.h"
#include "core/base/random.h"
#include "core/base/result.h"
#include "core/compute/tipparameters.h"
#include "core/game/tipsheet.h"

namespace quorix {

// What a run reads of the history besides its reference draws: the statistics and the history
// tests' table for the run's window. Without one the run computes both from the request's draws;
// a caller that runs many computations over one history (the parameter analysis, whose end date
// moves forward turn by turn) keeps them between runs. Either way the run gets the same values.
class HistorySource {
public:
    virtual ~HistorySource() = default;
    virtual NumberStatistics statistic(StatisticKind kind, const StatisticsWindow &window) = 0;
    virtual const DrawTable &table(const StatisticsWindow &window) = 0;
};

struct ComputationRequest {
    std::span<const Draw> draws; // the draw file, read once
    DaySerial startDate = 0;     // the statistics' start date picker
    DaySerial endDate = 0;       // the end date picker before the run
    bool saturday = true;
    bool wednesday = true;
    TipParameters parameters;
    TipSheet sheet; // the locked rows are kept; the others are computed
    HistorySource *history = nullptr;
};

enum class ComputationStatus {
    Done,         // Msg::ComputationDone
    BudgetUsedUp, // Msg::NotAllTipsComputed: not every row could be computed within the budget
    Stopped,      // Msg::ComputationDone: a stop request ended the run early
    Cancelled,    // the number list was cancelled; no row was generated
};
Msg statusMessage(ComputationStatus status);
std::string_view statusName(ComputationStatus status); // "done", "budget", "stopped", "cancelled"

// A row after the run. numbers holds 0 for an empty place; computed rows and complete locked rows
// are ascending, a locked row with an unreadable field keeps its order. lucky is "-" for locked
// rows. crossSum is the sum of the numbers.
struct ComputedRow {
    TipNumbers numbers{};
    std::string lucky = "-";
    int crossSum = 0;
    bool locked = false;
    bool empty() const { return numbers == TipNumbers{}; }
};

struct ComputationResult {
    std::array<ComputedRow, kTipRowCount> rows;
    std::int64_t runs = 0;
    std::int64_t budget = 0;
    ComputationStatus status = ComputationStatus::Done;
    TipParameters parameters; // the run's settings at its end, relaxed values restored
};

// What the window sees of a running computation.
struct ComputationProgress {
    int row = 0;
    TipNumbers candidate{}; // the last candidate tried, ascending
    int crossSum = 0;
    std::int64_t runs = 0;
    std::int64_t budget = 0;
};

struct NumberListAnswer {
    enum class Kind { Keep, Replace, Cancel };
    Kind kind = Kind::Keep;
    NumberPool pool;
};

// The window's side of a run. Every member may be left empty.
struct ComputationHost {
    // How often at most progress is called, in wall time.
    std::chrono::milliseconds interval{30};
    // Called between attempts. The host may change the parameters (they take effect from the next
    // attempt on); returning false stops the run.
    std::function<bool(const ComputationProgress &, TipParameters &parameters)> progress;
    // The run itself changed parameters (forcePair unticked, relaxation); the window shows them.
    std::function<void(const TipParameters &, std::int64_t runs)> parametersChanged;
    // Statistics runs (pool and lucky numbers) and the pool's status texts.
    PoolObserver pool;
    // With showNumberList: the pool as the list; keep it, replace it or cancel the run.
    std::function<NumberListAnswer(const NumberPool &)> numberList;
    // The pool is ready and the rows are about to be generated (Msg::TipsComputing).
    std::function<void()> generationStarted;
    // A row has been written (1..kTipRowCount).
    std::function<void(int row, const ComputedRow &)> rowCommitted;
};

// The tip computation: reference draws, pool, rows 1..14 with locks and tipCount, the budget, the
// relaxation and the restore at the end. A locked row whose field is empty or not a number keeps
// that place as 0 (the field stays empty). Settings no run can satisfy are refused before anything
// is computed: a cross-sum minimum above the maximum is a BadArgument error.
Result<ComputationResult> runComputation(const ComputationRequest &request, Random &random,
                                         const ComputationHost &host = {});
// The refusal runComputation starts with, for callers that check before they change anything.
Result<void> checkComputationSettings(const TipParameters &parameters);

// The progress text of one attempt: "3.Tipp:  1 2  3  4  5  6    QS: 21" with rowWord "Tipp".
std::string candidateStatusText(int row, const TipNumbers &sorted, int crossSum, std::string_view rowWord);

// The draw browser's selection for the run: the draw for the end date, then two steps back with
// the weekday filter. Exposed for the reference and the tests.
struct ReferenceSelection {
    ReferenceDraws draws;
    std::size_t currentIndex = 0;
    DaySerial endDate = 0;
};
ReferenceSelection selectReferenceDraws(std::span<const Draw> draws, DaySerial endDate, bool saturday,
                                        bool wednesday);

} // namespace quorix
