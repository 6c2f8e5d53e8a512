#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/base/calendar.h"
#include "core/history/draw.h"
#include "core/base/result.h"

namespace quorix {

class DrawFile;

enum class StatisticKind {
    Frequency,
    Outstanding,
    Pairs,
    Triples,
    Quadruples,
    CrossSums,
    PrimesPerDraw,
    OddPerDraw,
    EvenPerDraw,
    LuckyFrequency,
    LuckyOutstanding,
};

inline constexpr StatisticKind kAllStatisticKinds[] = {
    StatisticKind::Frequency,      StatisticKind::Outstanding,      StatisticKind::Pairs,
    StatisticKind::Triples,        StatisticKind::Quadruples,       StatisticKind::CrossSums,
    StatisticKind::PrimesPerDraw,  StatisticKind::OddPerDraw,       StatisticKind::EvenPerDraw,
    StatisticKind::LuckyFrequency, StatisticKind::LuckyOutstanding,
};

// "Frequency", "Outstanding", ... exactly as the enumerators are spelled.
std::string_view statisticKindName(StatisticKind kind);
std::optional<StatisticKind> statisticKindFromName(std::string_view name);

// Which draws a run counts: the two pickers (whole days) and the two weekday boxes.
struct StatisticsWindow {
    DaySerial startDate = 0;
    DaySerial endDate = 0;
    bool saturday = true;
    bool wednesday = true;
};

struct StatisticEntry {
    int x = 0;
    std::int32_t y = 0;
    bool operator==(const StatisticEntry &) const = default;
};

// The result of one run. A figure the kind does not report, or cannot compute (no draw
// passed), is absent.
struct NumberStatistics {
    StatisticKind kind = StatisticKind::Frequency;
    std::vector<StatisticEntry> entries;
    std::optional<int> drawCount;
    std::optional<int> runTotal;
    std::optional<int> averageCrossSum;
    std::optional<int> sharePercent;
    std::optional<int> minCount;
    std::optional<int> maxCount;
    // The last draw that passed the window (the run kinds and per-draw kinds leave it in the
    // current draw's values); absent when none passed.
    std::optional<Draw> lastPassing;
};

bool isPrimeNumber(int n);

// One pass over the draws in file order.
NumberStatistics computeStatistic(StatisticKind kind, const StatisticsWindow &window,
                                  std::span<const Draw> draws);
// One statistic over a window whose end date only moves forward, on draws in date order (the
// draw file's invariant): each draw is counted once however often the end moves, and every
// result equals computeStatistic's for the same window. The draws must outlive it.
class GrowingStatistic {
public:
    GrowingStatistic(StatisticKind kind, std::span<const Draw> draws, const StatisticsWindow &window);
    ~GrowingStatistic();
    GrowingStatistic(GrowingStatistic &&) noexcept;
    GrowingStatistic &operator=(GrowingStatistic &&) noexcept;

    const StatisticsWindow &window() const { return m_window; }
    // The statistic up to endDate, which is not before the window's end date so far.
    NumberStatistics until(DaySerial endDate);

private:
    struct Counts;
    StatisticKind m_kind;
    std::span<const Draw> m_draws;
    StatisticsWindow m_window;
    std::size_t m_next = 0; // the first draw not yet looked at
    std::unique_ptr<Counts> m_counts;
};

// Reads the draw file and computes.
Result<NumberStatistics> runStatistic(StatisticKind kind, const StatisticsWindow &window,
                                      const DrawFile &file);

} // namespace quorix
