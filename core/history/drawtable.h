#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "core/history/draw.h"
#include "core/statistics/statistics.h"

namespace quorix {

// Bit n set for each number n of 1..45 in the set; numbers outside that range are left out, since
// no tip can hold them.
using NumberMask = std::uint64_t;
NumberMask maskOf(std::span<const int> numbers);

// The draws of one computation, read once: those up to the end date that pass the weekday rule of
// the statistics, in date order, each as a mask of its six numbers and its bonus number apart, so
// that the hits of a tip are a popcount. The history tests' date windows become index ranges.
class DrawTable {
public:
    DrawTable(std::span<const Draw> draws, const StatisticsWindow &window);

    // Takes in the draws dated after the table's end date up to endDate (not before it): for
    // draws in date order, the same span the table was made from, the table is then the one made
    // for the later window. A walk over many end dates grows one table instead of making many.
    void advanceTo(std::span<const Draw> draws, DaySerial endDate);
    const StatisticsWindow &window() const { return m_window; }

    std::size_t size() const { return m_dates.size(); }
    // First index of the draws dated after `date`.
    std::size_t firstAfter(DaySerial date) const;
    // First index of the draws dated after endDate - (drawCount / 2) * 7 days (a real number).
    std::size_t firstInLastWeeks(int drawCount) const;

    // True when no draw from index `from` on gives `hits` or more hits to the tip. Hits are the tip
    // numbers among the draw's six numbers, plus one when countBonus and the bonus number is in
    // the tip (as the tip check counts them).
    bool noDrawWithHits(NumberMask tip, int hits, std::size_t from, bool countBonus) const;

    // The two history tests of the acceptance: the last drawCount / 2 weeks, and everything after
    // the start date.
    bool noRecentHits(NumberMask tip, int hits, int drawCount, bool countBonus) const {
        return noDrawWithHits(tip, hits, firstInLastWeeks(drawCount), countBonus);
    }
    bool noPastWin(NumberMask tip, int hits, bool countBonus) const {
        return noDrawWithHits(tip, hits, m_afterStart, countBonus);
    }

private:
    // For every set of k numbers (k = hits) the last draw holding all of them, so that a long
    // window costs C(6, k) look-ups instead of a pass. Built for a hit count once it is asked for
    // often enough to pay off.
    struct SubsetIndex {
        std::vector<std::int32_t> latest;                       // by rank, k <= 5
        std::unordered_map<NumberMask, std::int32_t> latestSix; // by mask, k = 6
        std::uint32_t queries = 0;
        bool built = false;
    };
    void append(const Draw &draw);
    void addToIndex(SubsetIndex &index, int hits, NumberMask mask, std::size_t position) const;
    bool scanFrom(NumberMask tip, int hits, std::size_t from, bool countBonus) const;
    const SubsetIndex *subsetIndex(int hits, bool countBonus) const;

    // A damaged record whose bonus number repeats one of its numbers: with the bonus counted,
    // that number gives two hits.
    struct Irregular {
        std::size_t index;
        NumberMask main;
        NumberMask bonus;
    };

    StatisticsWindow m_window;
    std::vector<DaySerial> m_dates;
    std::vector<NumberMask> m_main;
    std::vector<NumberMask> m_withBonus;
    std::vector<Irregular> m_irregular;
    std::size_t m_afterStart = 0;
    std::size_t m_consumed = 0;                  // the draws of the span up to the end date, for advanceTo
    mutable std::array<SubsetIndex, 14> m_index; // by hits 0..6 and countBonus
};

} // namespace quorix
