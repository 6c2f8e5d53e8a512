#include "core/history/drawtable.h"

#include <algorithm>
#include <numeric>

#include "core/game/game.h"

namespace quorix {

namespace {

bool passesWeekdays(const StatisticsWindow &w, DaySerial date) {
    return drawDayIncluded(weekdayOf(date), w.saturday, w.wednesday, WeekdayRule::Statistics);
}

NumberMask bit(int n) {
    return n >= 1 && n <= kHighestNumberOfAnyEra ? NumberMask{1} << n : 0;
}

} // namespace

NumberMask maskOf(std::span<const int> numbers) {
    NumberMask m = 0;
    for (int n : numbers)
        m |= bit(n);
    return m;
}

DrawTable::DrawTable(std::span<const Draw> draws, const StatisticsWindow &window)
    : m_window(window) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        if (draws[i].date <= window.endDate && passesWeekdays(window, draws[i].date)) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return draws[a].date < draws[b].date; });
    for (std::size_t i : order)
        append(draws[i]);
    m_afterStart = firstAfter(window.startDate);
    while (m_consumed < draws.size() && draws[m_consumed].date <= window.endDate)
        ++m_consumed;
}

void DrawTable::append(const Draw &d) {
    // A tip number counts once however often a damaged record repeats it, so the main hits are
    // a popcount; only a bonus number repeating a main number needs counting apart.
    const NumberMask main = maskOf(d.numbers);
    if ((main & bit(d.bonus)) != 0) {
        m_irregular.push_back({m_dates.size(), main, bit(d.bonus)});
        m_withBonus.push_back(0); // kept out of the fast scan with the bonus counted
    } else {
        m_withBonus.push_back(main | bit(d.bonus));
    }
    m_main.push_back(main);
    m_dates.push_back(d.date);
}

void DrawTable::advanceTo(std::span<const Draw> draws, DaySerial endDate) {
    if (endDate <= m_window.endDate) return;
    m_window.endDate = endDate;
    for (; m_consumed < draws.size() && draws[m_consumed].date <= endDate; ++m_consumed) {
        if (!passesWeekdays(m_window, draws[m_consumed].date)) continue;
        append(draws[m_consumed]);
        // The indexes built so far learn the new draw as their own pass would have.
        const std::size_t position = m_dates.size() - 1;
        for (std::size_t k = 0; k < m_index.size(); ++k) {
            if (!m_index[k].built) continue;
            const bool countBonus = k % 2 != 0;
            addToIndex(m_index[k], static_cast<int>(k / 2),
                       countBonus ? m_withBonus[position] : m_main[position], position);
        }
    }
    m_afterStart = firstAfter(m_window.startDate);
}

std::size_t DrawTable::firstAfter(DaySerial date) const {
    return static_cast<std::size_t>(std::upper_bound(m_dates.begin(), m_dates.end(), date) - m_dates.begin());
}

std::size_t DrawTable::firstInLastWeeks(int drawCount) const {
    // date > end - drawCount / 2 * 7  <=>  2 * date > 2 * end - 7 * drawCount
    const long long twiceStart = 2LL * m_window.endDate - 7LL * drawCount;
    return static_cast<std::size_t>(std::partition_point(m_dates.begin(), m_dates.end(),
                                                         [&](DaySerial d) { return 2LL * d <= twiceStart; }) -
                                    m_dates.begin());
}

namespace {

// Windows up to this many draws are simply scanned.
constexpr std::size_t kScanLimit = 64;
// Scans of long windows before the subset index of their hit count is built.
constexpr std::uint32_t kQueriesBeforeIndex = 256;

struct Binomials {
    std::array<std::array<std::int32_t, 7>, kHighestNumberOfAnyEra + 1> c{};
    constexpr Binomials() {
        for (int n = 0; n <= kHighestNumberOfAnyEra; ++n) {
            c[static_cast<std::size_t>(n)][0] = 1;
            for (int k = 1; k < 7; ++k)
                c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                    n == 0 ? 0
                           : c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
                                 c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)];
        }
    }
};
constexpr Binomials kBinomials;

// Calls visit(rank) for every k-subset of the ascending values (numbers 1..45), ranked in the
// combinatorial number system over 0..44.
template <class Visit> bool forEachSubset(const int *values, int count, int k, Visit visit) {
    int pick[7];
    for (int i = 0; i < k; ++i)
        pick[i] = i;
    while (true) {
        std::int32_t rank = 0;
        for (int i = 0; i < k; ++i)
            rank +=
                kBinomials.c[static_cast<std::size_t>(values[pick[i]]) - 1][static_cast<std::size_t>(i) + 1];
        if (!visit(rank)) return false;
        int i = k - 1;
        while (i >= 0 && pick[i] == count - k + i)
            --i;
        if (i < 0) return true;
        ++pick[i];
        for (int j = i + 1; j < k; ++j)
            pick[j] = pick[j - 1] + 1;
    }
}

int valuesOf(NumberMask m, int *out) {
    int n = 0;
    for (; m != 0 && n < 7; m &= m - 1)
        out[n++] = std::countr_zero(m);
    return n;
}

} // namespace

bool DrawTable::scanFrom(NumberMask tip, int hits, std::size_t from, bool countBonus) const {
    const std::vector<NumberMask> &masks = countBonus ? m_withBonus : m_main;
    const NumberMask *m = masks.data();
    for (std::size_t i = from, n = masks.size(); i < n; ++i) {
        if (std::popcount(tip & m[i]) >= hits) return false;
    }
    return true;
}

const DrawTable::SubsetIndex *DrawTable::subsetIndex(int hits, bool countBonus) const {
    SubsetIndex &index = m_index[static_cast<std::size_t>(hits) * 2 + (countBonus ? 1 : 0)];
    if (index.built) return &index;
    if (++index.queries < kQueriesBeforeIndex) return nullptr;
    const std::vector<NumberMask> &masks = countBonus ? m_withBonus : m_main;
    if (hits <= 5)
        index.latest.assign(
            static_cast<std::size_t>(kBinomials.c[kHighestNumberOfAnyEra][static_cast<std::size_t>(hits)]),
            -1);
    for (std::size_t i = 0; i < masks.size(); ++i)
        addToIndex(index, hits, masks[i], i);
    index.built = true;
    return &index;
}

void DrawTable::addToIndex(SubsetIndex &index, int hits, NumberMask mask, std::size_t i) const {
    int values[7];
    const int count = valuesOf(mask, values);
    if (count < hits) return;
    const auto position = static_cast<std::int32_t>(i);
    if (hits <= 5) {
        forEachSubset(values, count, hits, [&](std::int32_t rank) {
            index.latest[static_cast<std::size_t>(rank)] = position;
            return true;
        });
    } else {
        // Six of at most seven numbers: leave each one out in turn (or none).
        for (int skip = 0; skip < count; ++skip) {
            if (count == 6 && skip > 0) break;
            NumberMask subset = mask;
            if (count == 7) subset &= ~(NumberMask{1} << values[skip]);
            index.latestSix[subset] = position;
        }
    }
}

bool DrawTable::noDrawWithHits(NumberMask tip, int hits, std::size_t from, bool countBonus) const {
    if (hits <= 0) return from >= m_dates.size();
    bool clean = true;
    const SubsetIndex *index = nullptr;
    if (hits <= 6 && std::popcount(tip) == 6 && m_dates.size() - std::min(from, m_dates.size()) > kScanLimit)
        index = subsetIndex(hits, countBonus);
    if (index == nullptr) {
        clean = hits > 6 || scanFrom(tip, hits, from, countBonus);
    } else if (hits <= 5) {
        int values[7];
        valuesOf(tip, values);
        const std::int32_t first = static_cast<std::int32_t>(from);
        clean = forEachSubset(values, 6, hits, [&](std::int32_t rank) {
            return index->latest[static_cast<std::size_t>(rank)] < first;
        });
    } else {
        const auto it = index->latestSix.find(tip);
        clean = it == index->latestSix.end() || it->second < static_cast<std::int32_t>(from);
    }
    if (!clean) return false;
    if (!countBonus) return true;
    for (const Irregular &d : m_irregular) {
        if (d.index >= from && std::popcount(tip & d.main) + ((tip & d.bonus) != 0 ? 1 : 0) >= hits)
            return false;
    }
    return true;
}

} // namespace quorix
