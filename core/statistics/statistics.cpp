#include "core/statistics/statistics.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "core/history/drawfile.h"
#include "core/game/game.h"
#include "core/base/rounding.h"

namespace quorix {

namespace {

constexpr std::string_view kNames[] = {
    "Frequency",     "Outstanding", "Pairs",       "Triples",        "Quadruples",       "CrossSums",
    "PrimesPerDraw", "OddPerDraw",  "EvenPerDraw", "LuckyFrequency", "LuckyOutstanding",
};

// Fixed counter tables; a value outside its table is not counted.
constexpr int kNumberTable = kHighestNumber + 1;  // values 0..42; 0 takes a missing bonus number
constexpr int kCrossSumTable = 280;               // sums 0..279
constexpr int kPerDrawTable = kNumbersPerTip + 1; // 0..6

// Lucky numbers were drawn on Saturdays from this day and on Wednesdays from the later one;
// the outstanding count of lucky numbers starts later still.
const DaySerial kLuckySaturdayStart = serialFromYmd(1991, 12, 7);
const DaySerial kLuckyWednesdayStart = serialFromYmd(1995, 12, 1);
const DaySerial kLuckyOutstandingStart = serialFromYmd(1995, 8, 1);

bool passesWeekdays(const StatisticsWindow &w, int weekday) {
    return drawDayIncluded(weekday, w.saturday, w.wednesday, WeekdayRule::Statistics);
}

bool passes(StatisticKind kind, const StatisticsWindow &w, DaySerial date) {
    if (date > w.endDate) return false;
    const int weekday = weekdayOf(date);
    switch (kind) {
    case StatisticKind::Frequency:
        return date >= w.startDate && passesWeekdays(w, weekday);
    case StatisticKind::LuckyFrequency:
        // Its own rule: Sunday draws never count here, and "both boxes" admits no other weekday.
        if (w.saturday && weekday == kSaturday && date >= std::max(w.startDate, kLuckySaturdayStart))
            return true;
        return w.wednesday && isWednesdayDraw(weekday) && date >= std::max(w.startDate, kLuckyWednesdayStart);
    case StatisticKind::LuckyOutstanding:
        return date > std::max(w.startDate, kLuckyOutstandingStart) && passesWeekdays(w, weekday);
    default:
        return date > w.startDate && passesWeekdays(w, weekday);
    }
}

// Bit n set when n is among the main numbers; runs never reach past 44, so 64 bits suffice.
std::uint64_t numberMask(const Draw &d) {
    std::uint64_t mask = 0;
    for (int n : d.numbers)
        if (n >= 0 && n < 64) mask |= std::uint64_t{1} << n;
    return mask;
}

int runLength(StatisticKind kind) {
    switch (kind) {
    case StatisticKind::Pairs:
        return 2;
    case StatisticKind::Triples:
        return 3;
    default:
        return 4;
    }
}

// Highest first number tested, and how many entries the list shows.
int runLastFirst(StatisticKind kind) {
    return kind == StatisticKind::Pairs ? 41 : 40;
}
int runEntryCount(StatisticKind kind) {
    switch (kind) {
    case StatisticKind::Pairs:
        return 41;
    case StatisticKind::Triples:
        return 40;
    default:
        return 42;
    }
}

int perDrawValue(StatisticKind kind, const Draw &d) {
    int count = 0;
    for (int n : d.numbers) {
        switch (kind) {
        case StatisticKind::PrimesPerDraw:
            count += isPrimeNumber(n);
            break;
        case StatisticKind::OddPerDraw:
            count += n % 2 != 0;
            break;
        default:
            count += n % 2 == 0;
            break;
        }
    }
    return count;
}

} // namespace

std::string_view statisticKindName(StatisticKind kind) {
    return kNames[static_cast<int>(kind)];
}

std::optional<StatisticKind> statisticKindFromName(std::string_view name) {
    for (StatisticKind kind : kAllStatisticKinds)
        if (statisticKindName(kind) == name) return kind;
    return std::nullopt;
}

bool isPrimeNumber(int n) {
    switch (n) {
    case 2:
    case 3:
    case 5:
    case 7:
    case 11:
    case 13:
    case 17:
    case 19:
    case 23:
    case 29:
    case 31:
    case 37:
    case 41:
        return true;
    default:
        return false;
    }
}

namespace {

// What one pass over the draws counts.
struct Tally {
    std::array<std::int32_t, kCrossSumTable> counters{}; // large enough for every kind's table
    std::int64_t drawCount = 0;
    std::int64_t crossSumTotal = 0;
    std::int64_t runTotal = 0;
    int smallestSum = 500;
    int largestSum = 0;
    const Draw *lastPassing = nullptr;

    void bump(int value, int table) {
        if (value >= 0 && value < table) ++counters[static_cast<std::size_t>(value)];
    }
};

void countOutstanding(Tally &t, const Draw &d) {
    for (int i = 0; i < kNumberTable; ++i)
        ++t.counters[static_cast<std::size_t>(i)];
    const auto reset = [&](int n) {
        if (n >= 0 && n < kNumberTable) t.counters[static_cast<std::size_t>(n)] = 1;
    };
    for (int n : d.numbers)
        reset(n);
    reset(d.bonus);
}

void countRuns(StatisticKind kind, Tally &t, const Draw &d) {
    const std::uint64_t mask = numberMask(d);
    const std::uint64_t run = (std::uint64_t{1} << runLength(kind)) - 1;
    for (int x = 1; x <= runLastFirst(kind); ++x) {
        if (((mask >> x) & run) == run) {
            ++t.counters[static_cast<std::size_t>(x)];
            ++t.runTotal;
        }
    }
}

void countCrossSum(Tally &t, const Draw &d) {
    const int s = d.crossSum();
    if (s >= 0 && s < kCrossSumTable) {
        ++t.counters[static_cast<std::size_t>(s)];
        // Only sums inside the table bound the list; anything else is a damaged record.
        t.smallestSum = std::min(t.smallestSum, s);
        t.largestSum = std::max(t.largestSum, s);
    }
    t.crossSumTotal += s;
}

void countLuckyOutstanding(Tally &t, const Draw &d) {
    for (int g = kLowestLucky; g <= kHighestLucky; ++g)
        ++t.counters[static_cast<std::size_t>(g)];
    if (d.lucky >= kLowestLucky && d.lucky <= kHighestLucky)
        t.counters[static_cast<std::size_t>(d.lucky)] = 1;
}

void countDraw(StatisticKind kind, Tally &t, const Draw &d) {
    switch (kind) {
    case StatisticKind::Frequency:
        for (int n : d.numbers)
            t.bump(n, kNumberTable);
        t.bump(d.bonus, kNumberTable);
        t.crossSumTotal += d.crossSum();
        break;
    case StatisticKind::Outstanding:
        countOutstanding(t, d);
        break;
    case StatisticKind::Pairs:
    case StatisticKind::Triples:
    case StatisticKind::Quadruples:
        countRuns(kind, t, d);
        break;
    case StatisticKind::CrossSums:
        countCrossSum(t, d);
        break;
    case StatisticKind::PrimesPerDraw:
    case StatisticKind::OddPerDraw:
    case StatisticKind::EvenPerDraw:
        t.bump(perDrawValue(kind, d), kPerDrawTable);
        break;
    case StatisticKind::LuckyFrequency:
        t.bump(d.lucky, kNumberTable);
        break;
    case StatisticKind::LuckyOutstanding:
        countLuckyOutstanding(t, d);
        break;
    }
}

Tally emptyTally(StatisticKind kind) {
    Tally t;
    if (kind == StatisticKind::Outstanding) std::fill_n(t.counters.begin(), kNumberTable, 1);
    return t;
}

void countPassing(StatisticKind kind, const StatisticsWindow &window, const Draw &d, Tally &t) {
    if (!passes(kind, window, d.date)) return;
    t.lastPassing = &d;
    ++t.drawCount;
    countDraw(kind, t, d);
}

Tally countDraws(StatisticKind kind, const StatisticsWindow &window, std::span<const Draw> draws) {
    Tally t = emptyTally(kind);
    for (const Draw &d : draws)
        countPassing(kind, window, d, t);
    return t;
}

// The list the kind shows, with the figures that come from the list itself.
void listEntries(StatisticKind kind, const Tally &t, NumberStatistics &result) {
    const auto addEntries = [&](int from, int to) {
        for (int x = from; x <= to; ++x)
            result.entries.push_back({x, t.counters[static_cast<std::size_t>(x)]});
    };
    switch (kind) {
    case StatisticKind::Frequency:
    case StatisticKind::Outstanding:
        addEntries(kLowestNumber, kHighestNumber);
        break;
    case StatisticKind::Pairs:
    case StatisticKind::Triples:
    case StatisticKind::Quadruples:
        addEntries(1, runEntryCount(kind));
        result.runTotal = static_cast<int>(t.runTotal);
        break;
    case StatisticKind::CrossSums:
        addEntries(t.smallestSum, t.largestSum);
        break;
    case StatisticKind::PrimesPerDraw:
    case StatisticKind::OddPerDraw:
    case StatisticKind::EvenPerDraw: {
        addEntries(0, kNumbersPerTip);
        if (t.drawCount > 0) {
            std::int64_t numbersOfClass = 0;
            for (const StatisticEntry &e : result.entries)
                numbersOfClass += std::int64_t{e.x} * e.y;
            result.sharePercent = roundHalfEven(100 * numbersOfClass, kNumbersPerTip * t.drawCount);
        }
        break;
    }
    case StatisticKind::LuckyFrequency:
    case StatisticKind::LuckyOutstanding:
        addEntries(kLowestLucky, kHighestLucky);
        break;
    }
}

void findMinAndMax(NumberStatistics &result) {
    if (result.entries.empty()) return;
    int lo = result.entries.front().y;
    int hi = lo;
    for (const StatisticEntry &e : result.entries) {
        lo = std::min(lo, e.y);
        hi = std::max(hi, e.y);
    }
    result.minCount = lo;
    result.maxCount = hi;
}

NumberStatistics resultOf(StatisticKind kind, const Tally &t) {
    NumberStatistics result;
    result.kind = kind;
    const bool lucky = kind == StatisticKind::LuckyFrequency || kind == StatisticKind::LuckyOutstanding;
    if (!lucky) result.drawCount = static_cast<int>(t.drawCount);
    if (t.lastPassing) result.lastPassing = *t.lastPassing;
    listEntries(kind, t, result);
    if ((kind == StatisticKind::Frequency || kind == StatisticKind::CrossSums) && t.drawCount > 0)
        result.averageCrossSum = roundHalfEven(t.crossSumTotal, t.drawCount);
    findMinAndMax(result);
    return result;
}

} // namespace

NumberStatistics computeStatistic(StatisticKind kind, const StatisticsWindow &window,
                                  std::span<const Draw> draws) {
    return resultOf(kind, countDraws(kind, window, draws));
}

struct GrowingStatistic::Counts {
    Tally tally;
};

GrowingStatistic::GrowingStatistic(StatisticKind kind, std::span<const Draw> draws,
                                   const StatisticsWindow &window)
    : m_kind(kind)
    , m_draws(draws)
    , m_window(window)
    , m_counts(std::make_unique<Counts>(Counts{emptyTally(kind)})) {
    m_window.endDate = std::numeric_limits<DaySerial>::min();
}

GrowingStatistic::~GrowingStatistic() = default;
GrowingStatistic::GrowingStatistic(GrowingStatistic &&) noexcept = default;
GrowingStatistic &GrowingStatistic::operator=(GrowingStatistic &&) noexcept = default;

// In date order the draws up to an end date are a front part of the file, so a later end only
// adds the draws after it, in the file's order as a full pass would count them.
NumberStatistics GrowingStatistic::until(DaySerial endDate) {
    m_window.endDate = std::max(m_window.endDate, endDate);
    for (; m_next < m_draws.size() && m_draws[m_next].date <= m_window.endDate; ++m_next)
        countPassing(m_kind, m_window, m_draws[m_next], m_counts->tally);
    return resultOf(m_kind, m_counts->tally);
}

Result<NumberStatistics> runStatistic(StatisticKind kind, const StatisticsWindow &window,
                                      const DrawFile &file) {
    auto draws = file.readAll();
    if (!draws) return draws.error();
    return computeStatistic(kind, window, *draws);
}

} // namespace quorix
