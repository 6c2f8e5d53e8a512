#include "core/compute/computation.h"

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <optional>

#include "core/history/drawbrowser.h"
#include "core/game/lucky.h"
#include "core/game/tipcheck.h"

namespace quorix {

Msg statusMessage(ComputationStatus status) {
    return status == ComputationStatus::BudgetUsedUp ? Msg::NotAllTipsComputed : Msg::ComputationDone;
}

std::string_view statusName(ComputationStatus status) {
    switch (status) {
    case ComputationStatus::Done:
        return "done";
    case ComputationStatus::BudgetUsedUp:
        return "budget";
    case ComputationStatus::Stopped:
        return "stopped";
    case ComputationStatus::Cancelled:
        return "cancelled";
    }
    return "done";
}

std::string candidateStatusText(int row, const TipNumbers &n, int crossSum, std::string_view rowWord) {
    std::string text = std::to_string(row) + "." + std::string(rowWord) + ":  " + std::to_string(n[0]) + " " +
                       std::to_string(n[1]);
    for (std::size_t i = 2; i < n.size(); ++i)
        text += "  " + std::to_string(n[i]);
    text += row == 3 ? "    QS: " : (row == 2 || row == 4) ? "   QS: " : "  QS: ";
    return text + std::to_string(crossSum);
}

namespace {

// The pool as a plain array for the attempts, with a check whether six different numbers exist.
struct PoolView {
    std::vector<std::uint8_t> entries;
    std::uint32_t size = 0;
    bool canComplete = false;
};

} // namespace

ReferenceSelection selectReferenceDraws(std::span<const Draw> draws, DaySerial endDate, bool saturday,
                                        bool wednesday) {
    ReferenceSelection s;
    s.endDate = endDate;
    BrowsedDraw current;
    if (!drawForEndDate(draws, endDate, current)) return s;
    const WeekdayFilter filter{saturday, wednesday};
    const BrowsedDraw previous = stepBack(draws, current.index, filter);
    const BrowsedDraw thirdLast = stepBack(draws, previous.index, filter);
    s.draws = {current.draw, previous.draw, thirdLast.draw};
    s.currentIndex = current.index;
    if (current.draw.date > 0) s.endDate = current.draw.date;
    return s;
}

namespace {

class Run {
public:
    Run(const ComputationRequest &request, Random &random, const ComputationHost &host)
        : m_request(request)
        , m_random(random)
        , m_host(host)
        , m_p(request.parameters) {}

    ComputationResult execute();

private:
    void selectDraws();
    void readLockedRows();
    bool preparePool();
    void generateRows();
    void finish(const TipParameters &saved);

    NumberStatistics statistic(StatisticKind kind) const;
    NumberStatistics luckyStatistic(StatisticKind kind);
    void computeRow(int row, ComputedRow &computed);
    void relax(int row);
    NumberMask drawCandidate(int &crossSum);
    bool attemptsAllowed() const { return m_runs < m_budget && !m_stopped; }
    void parametersChangedByRun();
    void callHost(int row, NumberMask lastCandidate, int lastSum);

    const ComputationRequest &m_request;
    Random &m_random;
    const ComputationHost &m_host;
    TipParameters m_p;
    ComputationResult m_result;
    ReferenceSelection m_selection;
    StatisticsWindow m_window;
    std::map<StatisticKind, NumberStatistics> m_luckyStatistics;
    PoolView m_pool;
    std::int64_t m_runs = 0;
    std::int64_t m_budget = 0;
    bool m_stopped = false;
    CandidateFilter *m_filter = nullptr;
    std::chrono::steady_clock::time_point m_lastCall{};
    bool m_called = false;
    unsigned m_sinceClock = 0;
};

NumberStatistics Run::statistic(StatisticKind kind) const {
    if (m_request.history) return m_request.history->statistic(kind, m_window);
    return computeStatistic(kind, m_window, m_request.draws);
}

// The lucky numbers' statistics do not change during a run: each kind runs once and is shown once.
NumberStatistics Run::luckyStatistic(StatisticKind kind) {
    auto it = m_luckyStatistics.find(kind);
    if (it == m_luckyStatistics.end()) {
        it = m_luckyStatistics.emplace(kind, statistic(kind)).first;
        if (m_host.pool.statistic) m_host.pool.statistic(it->second);
    }
    return it->second;
}

void Run::parametersChangedByRun() {
    if (m_filter) m_filter->refresh();
    if (m_host.parametersChanged) m_host.parametersChanged(m_p, m_runs);
}

void Run::callHost(int row, NumberMask candidate, int crossSum) {
    const auto now = std::chrono::steady_clock::now();
    if (m_called && now - m_lastCall < m_host.interval) return;
    m_called = true;
    m_lastCall = now;
    ComputationProgress progress;
    progress.row = row;
    std::size_t i = 0;
    for (NumberMask m = candidate; m != 0 && i < progress.candidate.size(); m &= m - 1)
        progress.candidate[i++] = std::countr_zero(m);
    progress.crossSum = crossSum;
    progress.runs = m_runs;
    progress.budget = m_budget;
    if (!m_host.progress(progress, m_p)) m_stopped = true;
    m_filter->refresh();
}

// The relaxation: late in the budget the run loosens settings so that the sheet can be finished.
// Called once per attempt, after the attempt has been counted.
void Run::relax(int row) {
    if (m_runs == m_budget / 2 && m_p.forcePair) {
        m_p.forcePair = false;
        parametersChangedByRun();
    }
    if (row < 3) return;
    if (m_runs == m_budget - 20000) {
        m_p.pastWinHits = 6;
        parametersChangedByRun();
    } else if (m_runs == m_budget - 10000) {
        m_p.maxFromPreviousDraw = 2;
        if (row != 8) m_p.maxFromLastDraw = 1;
        parametersChangedByRun();
    } else if (m_runs == m_budget - 5000) {
        if (row != 8) m_p.maxFromPreviousDraw = 3;
        m_p.maxFromLastDraw = 2;
        parametersChangedByRun();
    }
}

// Six different numbers from the pool, each picked by index until it is new.
NumberMask Run::drawCandidate(int &crossSum) {
    const std::uint8_t *pool = m_pool.entries.data();
    NumberMask candidate = 0;
    crossSum = 0;
    for (int position = 0; position < kNumbersPerTip; ++position) {
        NumberMask bit;
        int v;
        do {
            v = pool[m_random.below(m_pool.size)];
            bit = NumberMask{1} << v;
        } while (candidate & bit);
        candidate |= bit;
        crossSum += v;
    }
    return candidate;
}

void Run::computeRow(int row, ComputedRow &computed) {
    if (!m_pool.canComplete) {
        // Fewer than six different numbers: no candidate can ever be completed, so the budget is
        // as good as spent.
        m_runs = m_budget;
    }
    NumberMask accepted = 0;
    int acceptedSum = 0;
    NumberMask candidate = 0;
    int sum = 0;
    while (accepted == 0 && attemptsAllowed()) {
        if (m_host.progress && (++m_sinceClock & 255u) == 0) {
            callHost(row, candidate, sum);
            if (m_stopped) break;
        }
        ++m_runs;
        relax(row);
        candidate = drawCandidate(sum);
        if (m_filter->accept(candidate, sum)) {
            accepted = candidate;
            acceptedSum = sum;
        }
    }
    // A tip found by the very last attempt of the budget is not kept.
    if (m_runs >= m_budget) accepted = 0;
    computed.numbers = {};
    computed.crossSum = 0;
    if (accepted != 0) {
        std::size_t i = 0;
        for (NumberMask m = accepted; m != 0; m &= m - 1)
            computed.numbers[i++] = std::countr_zero(m);
        computed.crossSum = acceptedSum;
    }
}

void Run::selectDraws() {
    const ComputationRequest &rq = m_request;
    m_selection = selectReferenceDraws(rq.draws, rq.endDate, rq.saturday, rq.wednesday);
    m_window = {rq.startDate, m_selection.endDate, rq.saturday, rq.wednesday};
}

// Unlocked rows start cleared; a cancelled number list leaves the sheet like that.
void Run::readLockedRows() {
    for (std::size_t r = 0; r < m_result.rows.size(); ++r) {
        const TipRow &input = m_request.sheet.rows[r];
        ComputedRow &row = m_result.rows[r];
        row.locked = input.locked;
        if (!row.locked) continue;
        bool complete = true;
        for (std::size_t i = 0; i < row.numbers.size(); ++i) {
            const std::optional<int> value = tipInteger(input.numbers[i]);
            complete = complete && value.has_value();
            row.numbers[i] = value.value_or(0);
        }
        // Clearing the unlocked rows checks the sheet, and the check writes every complete row
        // back in ascending order, so a complete locked row is read sorted.
        if (complete) std::sort(row.numbers.begin(), row.numbers.end());
        row.lucky = input.lucky;
        row.crossSum = std::accumulate(row.numbers.begin(), row.numbers.end(), 0);
    }
}

// Builds the pool and offers it as the number list; false when the list was cancelled.
bool Run::preparePool() {
    const StatisticSource source = [this](StatisticKind kind) { return statistic(kind); };
    NumberPool pool = buildNumberPool(m_p, m_selection.draws, source, m_host.pool);
    if (m_p.showNumberList && m_host.numberList) {
        NumberListAnswer answer = m_host.numberList(pool);
        if (answer.kind == NumberListAnswer::Kind::Cancel) return false;
        if (answer.kind == NumberListAnswer::Kind::Replace) pool = std::move(answer.pool);
    }
    // A replaced pool comes from the number list; anything outside 1..45 cannot be a tip number.
    NumberMask distinct = 0;
    for (std::uint8_t e : pool.entries()) {
        if (e < 1 || e > kHighestNumberOfAnyEra) continue;
        m_pool.entries.push_back(e);
        distinct |= NumberMask{1} << e;
    }
    m_pool.size = static_cast<std::uint32_t>(m_pool.entries.size());
    m_pool.canComplete = std::popcount(distinct) >= kNumbersPerTip;
    return true;
}

// Rows 1..14 in order: a locked row is kept, an unlocked one within tipCount is computed while
// the budget lasts; every unlocked row gets a lucky number.
void Run::generateRows() {
    std::optional<DrawTable> ownTable;
    if (!m_request.history) ownTable.emplace(m_request.draws, m_window);
    const DrawTable &history = ownTable ? *ownTable : m_request.history->table(m_window);
    CandidateFilter filter(m_p, m_selection.draws, history);
    m_filter = &filter;
    const StatisticSource luckySource = [this](StatisticKind kind) { return luckyStatistic(kind); };

    if (m_host.generationStarted) m_host.generationStarted();
    for (int r = 1; r <= kTipRowCount; ++r) {
        ComputedRow &row = m_result.rows[static_cast<std::size_t>(r - 1)];
        if (row.locked) {
            row.lucky.assign(1, '-');
        } else {
            if (m_runs < m_budget && (r == 1 || m_p.tipCount >= r)) computeRow(r, row);
            row.lucky = chooseLucky(m_p, m_random, luckySource);
        }
        filter.addCommitted(row.numbers);
        if (m_host.rowCommitted) m_host.rowCommitted(r, row);
    }
    m_filter = nullptr;
}

// The status, and the relaxed settings put back (the user's own changes during the run stay).
void Run::finish(const TipParameters &saved) {
    m_result.runs = m_runs;
    m_result.status = m_runs >= m_budget ? ComputationStatus::BudgetUsedUp
                      : m_stopped        ? ComputationStatus::Stopped
                                         : ComputationStatus::Done;
    for (const TipParameterInfo *info : relaxedParameters())
        info->copy(saved, m_p);
    m_result.parameters = m_p;
}

ComputationResult Run::execute() {
    const TipParameters saved = m_p;
    m_budget = static_cast<std::int64_t>(m_p.maxRunsThousands) * 1000;
    m_result.budget = m_budget;
    selectDraws();
    readLockedRows();
    if (!preparePool()) {
        m_result.status = ComputationStatus::Cancelled;
        m_result.parameters = m_p;
        return m_result;
    }
    generateRows();
    finish(saved);
    return m_result;
}

} // namespace

Result<void> checkComputationSettings(const TipParameters &p) {
    if (p.crossSumMin > p.crossSumMax) {
        Error error = errorOf(Error::Code::BadArgument, ErrorKind::CrossSumCrossed);
        error.low = p.crossSumMin;
        error.high = p.crossSumMax;
        return describedError(std::move(error));
    }
    return {};
}

Result<ComputationResult> runComputation(const ComputationRequest &request, Random &random,
                                         const ComputationHost &host) {
    if (Result<void> checked = checkComputationSettings(request.parameters); !checked) return checked.error();
    Run run(request, random, host);
    return run.execute();
}

} // namespace quorix
