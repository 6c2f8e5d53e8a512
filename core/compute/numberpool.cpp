#include "core/compute/numberpool.h"

#include <algorithm>
#include <charconv>

#include "core/base/rounding.h"

namespace quorix {

void NumberPool::add(int number, int times) {
    m_entries.insert(m_entries.end(), static_cast<std::size_t>(std::max(times, 0)),
                     static_cast<std::uint8_t>(number));
}

void NumberPool::removeAll(int number) {
    std::erase(m_entries, static_cast<std::uint8_t>(number));
}

bool NumberPool::removeFirst(int number) {
    const auto it = std::find(m_entries.begin(), m_entries.end(), static_cast<std::uint8_t>(number));
    if (it == m_entries.end()) return false;
    m_entries.erase(it);
    return true;
}

int NumberPool::countOf(int number) const {
    return static_cast<int>(
        std::count(m_entries.begin(), m_entries.end(), static_cast<std::uint8_t>(number)));
}

int NumberPool::distinctCount() const {
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (std::uint8_t e : m_entries) {
        if (!seen[e]) {
            seen[e] = true;
            ++distinct;
        }
    }
    return distinct;
}

NumberList NumberPool::toList() const {
    NumberList list;
    for (int n = 1; n <= kHighestNumberOfAnyEra; ++n) {
        const int c = countOf(n);
        list[static_cast<std::size_t>(n - 1)] = {c > 0, std::to_string(c)};
    }
    return list;
}

NumberPool NumberPool::fromList(const NumberList &list) {
    NumberPool pool;
    for (int n = 1; n <= kHighestNumberOfAnyEra; ++n) {
        const NumberListEntry &entry = list[static_cast<std::size_t>(n - 1)];
        if (!entry.ticked) continue;
        const std::string &text = entry.weight;
        long long weight = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), weight);
        if (ec == std::errc::result_out_of_range && !text.empty() && text.front() != '-')
            weight = kMaxListWeight;
        else if (ec != std::errc() || end != text.data() + text.size() || weight < 0)
            weight = 0;
        pool.add(n, static_cast<int>(std::clamp<long long>(weight, 1, kMaxListWeight)));
    }
    return pool;
}

namespace {

int countAt(const NumberStatistics &s, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= s.entries.size()) return 0;
    return s.entries[static_cast<std::size_t>(position)].y;
}

class PoolBuilder {
public:
    PoolBuilder(NumberPool &pool, const StatisticSource &source, const PoolObserver &observer)
        : m_pool(pool)
        , m_source(source)
        , m_observer(observer) {}

    NumberStatistics run(StatisticKind kind, Msg stepMessage) {
        if (m_observer.stepStarted) m_observer.stepStarted(stepMessage);
        NumberStatistics s = m_source(kind);
        if (m_observer.statistic) m_observer.statistic(s);
        return s;
    }

    void status(int lower, int upper, bool oneBlank) {
        if (m_observer.status)
            m_observer.status("Min: " + std::to_string(lower) + (oneBlank ? " Max: " : "  Max: ") +
                              std::to_string(upper) + "  " + std::to_string(m_pool.size()));
    }

    // Runs of `length` starting at 1..lastFirst: frequent band lower < count <= max, rare band
    // 0 < count <= min + 0.3 (max - min).
    void addRuns(const NumberStatistics &s, int length, int lastFirst, bool frequent, bool oneBlank) {
        const std::int64_t lo = s.minCount.value_or(0);
        const std::int64_t hi = s.maxCount.value_or(0);
        const int lower = frequent ? roundHalfEven(10 * hi - 3 * (hi - lo), 10) : 0;
        const int upper = frequent ? static_cast<int>(hi) : roundHalfEven(10 * lo + 3 * (hi - lo), 10);
        status(lower, upper, oneBlank);
        for (int x = 1; x <= lastFirst; ++x) {
            const int count = countAt(s, x - 1);
            if (lower < count && count <= upper) {
                for (int k = 0; k < length; ++k)
                    m_pool.add(x + k);
            }
        }
    }

    // Numbers 1..42 in the band of the most (or least) counted: the band of `percent` adds two
    // entries, the band of half of it one more.
    void addNumbers(const NumberStatistics &s, int percent, bool top, bool firstOneBlank) {
        const std::int64_t lo = s.minCount.value_or(0);
        const std::int64_t hi = s.maxCount.value_or(0);
        for (const std::int64_t denominator : {100, 200}) {
            int lower = 0;
            int upper = 0;
            if (top) {
                lower = roundHalfEven(denominator * hi - percent * (hi - lo), denominator);
                upper = static_cast<int>(hi);
            } else {
                lower = static_cast<int>(lo);
                upper = roundHalfEven(denominator * lo + percent * (hi - lo), denominator);
            }
            status(lower, upper, firstOneBlank && denominator == 100);
            for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
                const int count = countAt(s, n - 1);
                if (lower <= count && count <= upper) m_pool.add(n, denominator == 100 ? 2 : 1);
            }
        }
    }

private:
    NumberPool &m_pool;
    const StatisticSource &m_source;
    const PoolObserver &m_observer;
};

void removeDraw(NumberPool &pool, const Draw &d) {
    for (int n : d.numbers)
        pool.removeAll(n);
    pool.removeAll(d.bonus);
}

// Numbers of frequent or rare runs of two, three and four.
void addPreferredRuns(PoolBuilder &b, const TipParameters &p) {
    struct RunStep {
        bool frequent;
        bool rare;
        StatisticKind kind;
        Msg message;
        int length;
        int lastFirst;
        bool rareOneBlank;
    };
    const RunStep runSteps[] = {
        {p.preferFrequentPairs, p.preferRarePairs, StatisticKind::Pairs, Msg::PoolPairs, 2, 40, false},
        {p.preferFrequentTriples, p.preferRareTriples, StatisticKind::Triples, Msg::PoolTriples, 3, 38,
         false},
        {p.preferFrequentQuadruples, p.preferRareQuadruples, StatisticKind::Quadruples, Msg::PoolQuadruples,
         4, 39, true},
    };
    for (const RunStep &step : runSteps) {
        if (!step.frequent && !step.rare) continue;
        const NumberStatistics s = b.run(step.kind, step.message);
        if (step.frequent) b.addRuns(s, step.length, step.lastFirst, true, false);
        if (step.rare) b.addRuns(s, step.length, step.lastFirst, false, step.rareOneBlank);
    }
}

// Frequent, rare and overdue numbers.
void addPreferredNumbers(PoolBuilder &b, const TipParameters &p) {
    if (p.preferFrequent || p.preferRare) {
        const NumberStatistics s = b.run(StatisticKind::Frequency, Msg::DrawnNumbersTitle);
        if (p.preferFrequent) b.addNumbers(s, p.frequentPercent, true, false);
        if (p.preferRare) b.addNumbers(s, p.rarePercent, false, false);
    }
    if (p.preferOverdue) {
        const NumberStatistics s = b.run(StatisticKind::Outstanding, Msg::PoolOutstanding);
        b.addNumbers(s, p.overduePercent, true, true);
    }
}

// The neighbours of the last draw's numbers.
void addNeighbours(NumberPool &pool, const Draw &last, const PoolObserver &observer) {
    if (observer.stepStarted) observer.stepStarted(Msg::PoolNeighbours);
    std::vector<int> values(last.numbers.begin(), last.numbers.end());
    if (last.bonus != 0) values.push_back(last.bonus);
    for (int v : values) {
        // Numbers above 45 only come from a damaged draw file; the pool never holds them.
        if (v > 1 && v - 1 <= kHighestNumberOfAnyEra) pool.add(v - 1, 4);
        if (v < kHighestNumber) pool.add(v + 1, 4);
    }
}

// Numbers of the reference draws that may not appear at all, month and day numbers.
void removeExcluded(NumberPool &pool, const TipParameters &p, const ReferenceDraws &draws) {
    if (p.limitLastDraw && p.maxFromLastDraw == 0) removeDraw(pool, draws.last);
    if (p.limitPreviousDraw && p.maxFromPreviousDraw == 0) removeDraw(pool, draws.previous);
    if (p.limitThirdLastDraw && p.maxFromThirdLastDraw == 0) removeDraw(pool, draws.thirdLast);
    if (p.avoidMonthNumbers) {
        for (int n = 1; n <= 12; ++n)
            pool.removeAll(n);
    }
    if (p.reduceDayNumbers) {
        for (int k = 1; k <= 31; ++k)
            pool.removeFirst(k);
    }
}

} // namespace

NumberPool buildNumberPool(const TipParameters &p, const ReferenceDraws &draws,
                           const StatisticSource &statistics, const PoolObserver &observer) {
    NumberPool pool;
    PoolBuilder b(pool, statistics, observer);
    addPreferredRuns(b, p);
    addPreferredNumbers(b, p);
    if (p.preferNeighbours) addNeighbours(pool, draws.last, observer);
    if (!p.onlyPreferredNumbers) {
        for (int n = kLowestNumber; n <= kHighestNumber; ++n)
            pool.add(n);
    }
    removeExcluded(pool, p, draws);
    return pool;
}

} // namespace quorix
