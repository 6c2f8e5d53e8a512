#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/history/draw.h"
#include "core/game/game.h"
#include "core/text/messages.h"
#include "core/base/result.h"
#include "core/statistics/statistics.h"
#include "core/compute/tipparameters.h"

namespace quorix {

// The three draws a computation looks back at: the draw for the end date and the two before it.
struct ReferenceDraws {
    Draw last;
    Draw previous;
    Draw thirdLast;
};

// One entry of the number list: numbers 1..45, a tick and a weight text.
struct NumberListEntry {
    bool ticked = false;
    std::string weight;
};
using NumberList = std::array<NumberListEntry, kHighestNumberOfAnyEra>;

// The bag of numbers a candidate is drawn from: a number's weight is how many entries it has.
// Entries keep the order in which they were added, because a draw picks one by index.
class NumberPool {
public:
    // Weights above this count as this when the pool is rebuilt from a list.
    static constexpr int kMaxListWeight = 10000;

    void clear() { m_entries.clear(); }
    void add(int number, int times = 1);
    void removeAll(int number);
    // Removes the earliest entry equal to number; false when there is none.
    bool removeFirst(int number);

    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    std::uint8_t operator[](std::size_t i) const { return m_entries[i]; }
    std::span<const std::uint8_t> entries() const { return m_entries; }
    int countOf(int number) const;
    int distinctCount() const;

    // Entry n ticked with weight "count" where the pool holds n, unticked with "0" elsewhere.
    NumberList toList() const;
    // Ticked entries in order 1..45, each weight times; a weight of 0, or one that is not a
    // whole number, adds one entry.
    static NumberPool fromList(const NumberList &list);

    bool operator==(const NumberPool &) const = default;

private:
    std::vector<std::uint8_t> m_entries;
};

// What the pool building tells the window while it works; every member may be left empty.
struct PoolObserver {
    // A statistic is about to run; the status reads Msg::StatisticRunning, a blank and this message.
    std::function<void(Msg stepMessage)> stepStarted;
    // A statistic has run (the window draws its chart).
    std::function<void(const NumberStatistics &)> statistic;
    // "Min: ..  Max: ..  size" of a band.
    std::function<void(const std::string &)> status;
};

// Runs one statistic for the pool over the draws the computation has read.
using StatisticSource = std::function<NumberStatistics(StatisticKind)>;

// Builds the pool step by step from the preferences, the statistics and the reference draws.
// The number list (showNumberList) is the caller's business.
NumberPool buildNumberPool(const TipParameters &parameters, const ReferenceDraws &draws,
                           const StatisticSource &statistics, const PoolObserver &observer = {});

} // namespace quorix
