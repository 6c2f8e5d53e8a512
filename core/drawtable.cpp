#include "core/drawtable.h"

#include <algorithm>
#include <numeric>

namespace quorix {

namespace {

bool passesWeekdays(const StatisticsWindow &w, DaySerial date) {
    if (w.saturday && w.wednesday) return true;
    const int weekday = weekdayOf(date);
    if (w.saturday && (weekday == 7 || weekday == 1)) return true;
    return w.wednesday && weekday == 4;
}

NumberMask bit(int n) {
    return n >= 1 && n <= 45 ? NumberMask{1} << n : 0;
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
    for (std::size_t i : order) {
        const Draw &d = draws[i];
        const NumberMask main = maskOf(d.numbers);
        int inRange = 0;
        for (int n : d.numbers)
            inRange += bit(n) != 0;
        const bool repeats = std::popcount(main) != inRange || (main & bit(d.bonus)) != 0;
        if (repeats) {
            m_irregular.push_back({m_dates.size(), d.numbers, d.bonus});
            // Kept out of the fast scan: an empty mask never reaches a hit limit of 2 or more.
            m_main.push_back(0);
            m_withBonus.push_back(0);
        } else {
            m_main.push_back(main);
            m_withBonus.push_back(main | bit(d.bonus));
        }
        m_dates.push_back(d.date);
    }
    m_afterStart = firstAfter(window.startDate);
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

bool DrawTable::noDrawWithHits(NumberMask tip, int hits, std::size_t from, bool countBonus) const {
    if (hits <= 0) return from >= m_dates.size();
    const std::vector<NumberMask> &masks = countBonus ? m_withBonus : m_main;
    const NumberMask *m = masks.data();
    for (std::size_t i = from, n = masks.size(); i < n; ++i) {
        if (std::popcount(tip & m[i]) >= hits) return false;
    }
    for (const Irregular &d : m_irregular) {
        if (d.index < from) continue;
        int h = 0;
        for (int n : d.numbers)
            h += (tip & bit(n)) != 0;
        if (countBonus && (tip & bit(d.bonus)) != 0) ++h;
        if (h >= hits) return false;
    }
    return true;
}

} // namespace quorix
