#include "core/computation.h"

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <optional>

#include "core/drawbrowser.h"
#include "core/lucky.h"
#include "core/tipcheck.h"

namespace quorix {

int statusMessage(ComputationStatus status) {
    return status == ComputationStatus::BudgetUsedUp ? 25 : 26;
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
    for (std::size_t i = 2; i < 6; ++i)
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

    Result<ComputationResult> execute();

private:
    Result<NumberStatistics> statistic(StatisticKind kind);
    void computeRow(int row, TipNumbers &numbers, int &crossSum);
    bool attemptsAllowed() const { return m_runs < m_budget && !m_stopped; }
    void parametersChangedByRun();
    void callHost(int row, NumberMask lastCandidate, int lastSum);

    const ComputationRequest &m_request;
    Random &m_random;
    const ComputationHost &m_host;
    TipParameters m_p;
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

Result<NumberStatistics> Run::statistic(StatisticKind kind) {
    return computeStatistic(kind, m_window, m_request.draws);
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
    for (NumberMask m = candidate; m != 0 && i < 6; m &= m - 1)
        progress.candidate[i++] = std::countr_zero(m);
    progress.crossSum = crossSum;
    progress.runs = m_runs;
    progress.budget = m_budget;
    if (!m_host.progress(progress, m_p)) m_stopped = true;
    m_filter->refresh();
}

void Run::computeRow(int row, TipNumbers &numbers, int &crossSum) {
    NumberMask accepted = 0;
    int acceptedSum = 0;
    if (!m_pool.canComplete) {
        // Fewer than six different numbers: no candidate can ever be completed, so the budget is
        // as good as spent.
        m_runs = m_budget;
    }
    NumberMask candidate = 0;
    int sum = 0;
    const std::uint8_t *pool = m_pool.entries.data();
    const std::uint32_t poolSize = m_pool.size;
    while (accepted == 0 && attemptsAllowed()) {
        if (m_host.progress && (++m_sinceClock & 255u) == 0) {
            callHost(row, candidate, sum);
            if (m_stopped) break;
        }
        ++m_runs;
        if (m_runs == m_budget / 2 && m_p.forcePair) {
            m_p.forcePair = false;
            parametersChangedByRun();
        }
        if (row >= 3) {
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
        candidate = 0;
        sum = 0;
        for (int position = 0; position < 6; ++position) {
            NumberMask bit;
            int v;
            do {
                v = pool[m_random.below(poolSize)];
                bit = NumberMask{1} << v;
            } while (candidate & bit);
            candidate |= bit;
            sum += v;
        }
        if (m_filter->accept(candidate, sum)) {
            accepted = candidate;
            acceptedSum = sum;
        }
    }
    if (m_runs >= m_budget) accepted = 0;
    numbers = {};
    crossSum = 0;
    if (accepted != 0) {
        std::size_t i = 0;
        for (NumberMask m = accepted; m != 0; m &= m - 1)
            numbers[i++] = std::countr_zero(m);
        crossSum = acceptedSum;
    }
}

Result<ComputationResult> Run::execute() {
    const ComputationRequest &rq = m_request;
    ComputationResult result;
    const TipParameters saved = m_p;
    m_budget = static_cast<std::int64_t>(m_p.maxRunsThousands) * 1000;
    result.budget = m_budget;

    const ReferenceSelection selection =
        selectReferenceDraws(rq.draws, rq.endDate, rq.saturday, rq.wednesday);
    result.references = selection.draws;
    result.currentIndex = selection.currentIndex;
    result.endDate = selection.endDate;
    m_window = {rq.startDate, selection.endDate, rq.saturday, rq.wednesday};

    // Unlocked rows start cleared; a cancelled number list leaves the sheet like that.
    for (std::size_t r = 0; r < 14; ++r) {
        ComputedRow &row = result.rows[r];
        row.locked = rq.rows[r].locked;
        if (row.locked) {
            bool complete = true;
            for (std::size_t i = 0; i < 6; ++i) {
                const std::optional<int> value = tipInteger(rq.rows[r].fields[i]);
                complete = complete && value.has_value();
                row.numbers[i] = value.value_or(0);
            }
            // Clearing the unlocked rows checks the sheet, and the check writes every complete row
            // back in ascending order, so a complete locked row is read sorted.
            if (complete) std::sort(row.numbers.begin(), row.numbers.end());
            row.lucky = rq.rows[r].lucky;
            row.crossSum = std::accumulate(row.numbers.begin(), row.numbers.end(), 0);
        }
    }

    StatisticSource source = [this](StatisticKind kind) { return statistic(kind); };
    Result<NumberPool> built = buildNumberPool(m_p, selection.draws, source, m_host.pool);
    if (!built) return built.error();
    NumberPool pool = std::move(*built);
    if (m_p.showNumberList && m_host.numberList) {
        NumberListAnswer answer = m_host.numberList(pool);
        if (answer.kind == NumberListAnswer::Kind::Cancel) {
            result.status = ComputationStatus::Cancelled;
            result.parameters = m_p;
            return result;
        }
        if (answer.kind == NumberListAnswer::Kind::Replace) pool = std::move(answer.pool);
    }
    // A replaced pool comes from the number list; anything outside 1..45 cannot be a tip number.
    for (std::uint8_t e : pool.entries()) {
        if (e >= 1 && e <= 45) m_pool.entries.push_back(e);
    }
    m_pool.size = static_cast<std::uint32_t>(m_pool.entries.size());
    NumberMask distinct = 0;
    for (std::uint8_t e : m_pool.entries)
        distinct |= NumberMask{1} << e;
    m_pool.canComplete = std::popcount(distinct) >= 6;

    const DrawTable history(rq.draws, m_window);
    CandidateFilter filter(m_p, selection.draws, history);
    m_filter = &filter;

    StatisticSource luckySource = [this](StatisticKind kind) -> Result<NumberStatistics> {
        auto it = m_luckyStatistics.find(kind);
        if (it == m_luckyStatistics.end()) {
            it = m_luckyStatistics.emplace(kind, computeStatistic(kind, m_window, m_request.draws)).first;
            if (m_host.pool.statistic) m_host.pool.statistic(it->second);
        }
        return it->second;
    };

    if (m_host.generationStarted)
        m_host.generationStarted();
    for (int r = 1; r <= 14; ++r) {
        ComputedRow &row = result.rows[static_cast<std::size_t>(r - 1)];
        if (row.locked) {
            row.lucky = "-";
        } else {
            if (m_runs < m_budget && (r == 1 || m_p.tipCount >= r))
                computeRow(r, row.numbers, row.crossSum);
            else if (m_runs >= m_budget)
                row.numbers = {};
            Result<std::string> lucky = chooseLucky(m_p, m_random, luckySource);
            if (!lucky) return lucky.error();
            row.lucky = std::move(*lucky);
        }
        filter.addCommitted(row.numbers);
        if (m_host.rowCommitted) m_host.rowCommitted(r, row);
    }
    m_filter = nullptr;

    result.runs = m_runs;
    result.status = m_runs >= m_budget ? ComputationStatus::BudgetUsedUp
                    : m_stopped        ? ComputationStatus::Stopped
                                       : ComputationStatus::Done;
    m_p.forcePair = saved.forcePair;
    m_p.maxFromLastDraw = saved.maxFromLastDraw;
    m_p.maxFromPreviousDraw = saved.maxFromPreviousDraw;
    m_p.pastWinHits = saved.pastWinHits;
    result.parameters = m_p;
    return result;
}

} // namespace

Result<ComputationResult> runComputation(const ComputationRequest &request, Random &random,
                                         const ComputationHost &host) {
    Run run(request, random, host);
    return run.execute();
}

} // namespace quorix
