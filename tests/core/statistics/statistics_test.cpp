#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

#include <unistd.h>
#include <vector>

#include "core/history/drawfile.h"
#include "core/statistics/statistics.h"

using namespace quorix;

namespace {

DaySerial day(int y, int m, int d) {
    return serialFromYmd(y, m, d);
}

Draw draw(DaySerial date, std::array<int, 6> numbers, int bonus = 0, int lucky = 0) {
    Draw d;
    d.date = date;
    d.numbers = numbers;
    d.bonus = bonus;
    d.lucky = lucky;
    return d;
}

const DaySerial kSat = day(2020, 1, 4);
const DaySerial kSun = kSat + 1;
const DaySerial kTue = kSat + 3;
const DaySerial kWed = kSat + 4;

StatisticsWindow window(DaySerial start, DaySerial end, bool saturday = true, bool wednesday = true) {
    return {start, end, saturday, wednesday};
}

int entryOf(const NumberStatistics &s, int x) {
    for (const StatisticEntry &e : s.entries)
        if (e.x == x) return e.y;
    ADD_FAILURE() << "no entry " << x;
    return -1;
}

} // namespace

TEST(Statistics, KindNamesRoundTrip) {
    for (StatisticKind kind : kAllStatisticKinds)
        EXPECT_EQ(statisticKindFromName(statisticKindName(kind)), kind);
    EXPECT_EQ(statisticKindName(StatisticKind::LuckyOutstanding), "LuckyOutstanding");
    EXPECT_FALSE(statisticKindFromName("frequency"));
}

TEST(Statistics, DateBoundsOfEachKind) {
    using K = StatisticKind;
    const DaySerial start = kSat;
    const DaySerial end = kSat + 14;
    struct Case {
        K kind;
        DaySerial date;
        bool counted;
    };
    const Case cases[] = {
        {K::Frequency, start, true},
        {K::Frequency, end, true},
        {K::Frequency, start - 3, false},
        {K::Frequency, end + 4, false},
        {K::Outstanding, start, false},
        {K::Outstanding, end, true},
        {K::Pairs, start, false},
        {K::Triples, start, false},
        {K::Quadruples, start, false},
        {K::CrossSums, start, false},
        {K::CrossSums, end, true},
        {K::PrimesPerDraw, start, false},
        {K::OddPerDraw, start, false},
        {K::EvenPerDraw, start, false},
        {K::EvenPerDraw, end, true},
        {K::LuckyFrequency, start, true},
        {K::LuckyFrequency, end, true},
        {K::LuckyFrequency, end + 4, false},
        {K::LuckyOutstanding, start, false},
        {K::LuckyOutstanding, end, true},
        {K::LuckyOutstanding, start + 4, true},
    };
    for (const Case &c : cases) {
        const std::vector<Draw> draws = {draw(c.date, {1, 2, 3, 4, 5, 6}, 7, 3)};
        const NumberStatistics s = computeStatistic(c.kind, window(start, end), draws);
        EXPECT_EQ(s.lastPassing.has_value(), c.counted)
            << statisticKindName(c.kind) << " on " << formatIso(c.date);
    }
}

TEST(Statistics, LuckyKindsHaveTheirOwnEarliestDays) {
    using K = StatisticKind;
    const DaySerial early = day(1990, 3, 17);
    struct Case {
        K kind;
        DaySerial date;
        bool counted;
    };
    const Case cases[] = {
        {K::LuckyFrequency, day(1991, 11, 30), false}, // Saturday before the first lucky Saturday
        {K::LuckyFrequency, day(1991, 12, 7), true},
        {K::LuckyFrequency, day(1995, 11, 29), false}, // Wednesday before the first lucky Wednesday
        {K::LuckyFrequency, day(1995, 12, 6), true},
        {K::LuckyOutstanding, day(1995, 8, 1), false}, // the bound itself is excluded
        {K::LuckyOutstanding, day(1995, 8, 5), true},
        {K::Frequency, day(1991, 11, 30), true},
    };
    for (const Case &c : cases) {
        const std::vector<Draw> draws = {draw(c.date, {1, 2, 3, 4, 5, 6}, 0, 2)};
        const NumberStatistics s = computeStatistic(c.kind, window(early, day(2020, 1, 1)), draws);
        EXPECT_EQ(s.lastPassing.has_value(), c.counted)
            << statisticKindName(c.kind) << " on " << formatIso(c.date);
    }
}

TEST(Statistics, WeekdayRules) {
    // One draw each on Saturday, Sunday, Tuesday and Wednesday.
    const std::vector<Draw> draws = {
        draw(kSat, {1, 2, 3, 4, 5, 6}, 0, 1),
        draw(kSun, {1, 2, 3, 4, 5, 6}, 0, 2),
        draw(kTue, {1, 2, 3, 4, 5, 6}, 0, 3),
        draw(kWed, {1, 2, 3, 4, 5, 6}, 0, 4),
    };
    struct Case {
        bool saturday, wednesday;
        int standard;                    // drawCount of a standard kind
        std::array<int, 4> luckyEntries; // LuckyFrequency entries 1..4
    };
    const Case cases[] = {
        {true, true, 4, {1, 0, 0, 1}},
        {true, false, 2, {1, 0, 0, 0}}, // Sunday counts as Saturday, except for lucky numbers
        {false, true, 1, {0, 0, 0, 1}},
        {false, false, 0, {0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        const StatisticsWindow w = window(kSat - 7, kWed, c.saturday, c.wednesday);
        const NumberStatistics outstanding = computeStatistic(StatisticKind::Outstanding, w, draws);
        EXPECT_EQ(outstanding.drawCount, c.standard) << c.saturday << c.wednesday;
        const NumberStatistics lucky = computeStatistic(StatisticKind::LuckyFrequency, w, draws);
        for (int g = 1; g <= 4; ++g)
            EXPECT_EQ(entryOf(lucky, g), c.luckyEntries[static_cast<std::size_t>(g - 1)])
                << c.saturday << c.wednesday << " lucky " << g;
    }
}

TEST(Statistics, FrequencyAndOutstandingCountTheBonusNumber) {
    const std::vector<Draw> draws = {
        draw(kSat, {1, 2, 3, 4, 5, 6}, 7),
        draw(kWed, {1, 10, 11, 12, 13, 43}, 20), // 43 lies outside the table
    };
    const StatisticsWindow w = window(kSat - 1, kWed);

    const NumberStatistics f = computeStatistic(StatisticKind::Frequency, w, draws);
    ASSERT_EQ(f.entries.size(), 42u);
    EXPECT_EQ(f.entries.front(), (StatisticEntry{1, 2}));
    EXPECT_EQ(f.entries.back(), (StatisticEntry{42, 0}));
    EXPECT_EQ(entryOf(f, 7), 1);
    EXPECT_EQ(entryOf(f, 20), 1);
    EXPECT_EQ(f.drawCount, 2);
    EXPECT_EQ(f.averageCrossSum, 56); // (21 + 90) / 2 = 55.5, half to even
    EXPECT_EQ(f.minCount, 0);
    EXPECT_EQ(f.maxCount, 2);
    EXPECT_FALSE(f.runTotal);
    EXPECT_FALSE(f.sharePercent);

    const NumberStatistics o = computeStatistic(StatisticKind::Outstanding, w, draws);
    ASSERT_EQ(o.entries.size(), 42u);
    EXPECT_EQ(entryOf(o, 1), 1);
    EXPECT_EQ(entryOf(o, 20), 1); // bonus of the latest draw
    EXPECT_EQ(entryOf(o, 2), 2);
    EXPECT_EQ(entryOf(o, 7), 2);
    EXPECT_EQ(entryOf(o, 30), 3); // never drawn: D + 1
    EXPECT_FALSE(o.averageCrossSum);
}

TEST(Statistics, AverageCrossSumRoundsHalvesToEven) {
    struct Case {
        std::array<int, 6> second;
        int average;
    };
    // The first draw has sum 21.
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 7}, 22},  // 21.5 -> 22
        {{1, 2, 3, 4, 5, 9}, 22},  // 22.5 -> 22
        {{1, 2, 3, 4, 5, 11}, 24}, // 23.5 -> 24
        {{1, 2, 3, 4, 5, 10}, 23},
    };
    for (const Case &c : cases) {
        const std::vector<Draw> draws = {draw(kSat, {1, 2, 3, 4, 5, 6}), draw(kWed, c.second)};
        EXPECT_EQ(computeStatistic(StatisticKind::Frequency, window(kSat, kWed), draws).averageCrossSum,
                  c.average);
        EXPECT_EQ(computeStatistic(StatisticKind::CrossSums, window(kSat - 1, kWed), draws).averageCrossSum,
                  c.average);
    }
}

TEST(Statistics, RunsCountOverlapsAndIgnoreTheBonusNumber) {
    const std::vector<Draw> draws = {draw(kSat, {20, 5, 7, 6, 8, 30}, 9)};
    const StatisticsWindow w = window(kSat - 1, kSat);
    struct Case {
        StatisticKind kind;
        std::size_t size;
        std::vector<int> hitFirsts;
    };
    const Case cases[] = {
        {StatisticKind::Pairs, 41, {5, 6, 7}},
        {StatisticKind::Triples, 40, {5, 6}},
        {StatisticKind::Quadruples, 42, {5}},
    };
    for (const Case &c : cases) {
        const NumberStatistics s = computeStatistic(c.kind, w, draws);
        ASSERT_EQ(s.entries.size(), c.size);
        for (std::size_t i = 0; i < s.entries.size(); ++i) {
            const int x = static_cast<int>(i) + 1;
            const bool hit = std::find(c.hitFirsts.begin(), c.hitFirsts.end(), x) != c.hitFirsts.end();
            EXPECT_EQ(s.entries[i], (StatisticEntry{x, hit ? 1 : 0})) << statisticKindName(c.kind);
        }
        EXPECT_EQ(s.runTotal, static_cast<int>(c.hitFirsts.size()));
        EXPECT_EQ(s.drawCount, 1);
        EXPECT_EQ(s.lastPassing, draws[0]);
    }
    // The top of the number range: 39..42 is a quadruple run, 40..42 is the last triple.
    const std::vector<Draw> top = {draw(kSat, {1, 3, 39, 40, 41, 42})};
    const NumberStatistics q = computeStatistic(StatisticKind::Quadruples, w, top);
    EXPECT_EQ(entryOf(q, 39), 1);
    EXPECT_EQ(entryOf(q, 40) + entryOf(q, 41) + entryOf(q, 42), 0);
    EXPECT_EQ(entryOf(computeStatistic(StatisticKind::Triples, w, top), 40), 1);
    EXPECT_EQ(entryOf(computeStatistic(StatisticKind::Pairs, w, top), 41), 1);
}

TEST(Statistics, CrossSumsSpanFromSmallestToLargest) {
    const std::vector<Draw> draws = {
        draw(kSat, {10, 11, 12, 20, 21, 26}),   // 100
        draw(kWed, {10, 11, 12, 20, 21, 28}),   // 102
        draw(kWed + 3, {1, 2, 12, 20, 30, 37}), // 102
    };
    const NumberStatistics s = computeStatistic(StatisticKind::CrossSums, window(kSat - 1, kWed + 3), draws);
    EXPECT_EQ(s.entries, (std::vector<StatisticEntry>{{100, 1}, {101, 0}, {102, 2}}));
    EXPECT_EQ(s.averageCrossSum, 101);
    EXPECT_EQ(s.minCount, 0);
    EXPECT_EQ(s.maxCount, 2);
    EXPECT_EQ(s.drawCount, 3);
}

TEST(Statistics, PerDrawKindsAndTheirShare) {
    // Primes 2, 3, 5 | odd 3, 5, 9 | even 2, 8, 10; then a draw without primes.
    const std::vector<Draw> draws = {
        draw(kSat, {2, 3, 5, 8, 9, 10}),
        draw(kWed, {1, 4, 6, 8, 9, 10}),
        draw(kWed + 3, {1, 4, 6, 8, 9, 10}),
        draw(kWed + 7, {1, 4, 6, 8, 9, 10}),
    };
    const StatisticsWindow w = window(kSat - 1, kWed + 7);
    const NumberStatistics primes = computeStatistic(StatisticKind::PrimesPerDraw, w, draws);
    EXPECT_EQ(primes.entries,
              (std::vector<StatisticEntry>{{0, 3}, {1, 0}, {2, 0}, {3, 1}, {4, 0}, {5, 0}, {6, 0}}));
    EXPECT_EQ(primes.sharePercent, 12); // 300 / 24 = 12.5, half to even
    const NumberStatistics odd = computeStatistic(StatisticKind::OddPerDraw, w, draws);
    EXPECT_EQ(entryOf(odd, 3), 1);
    EXPECT_EQ(entryOf(odd, 2), 3);
    EXPECT_EQ(odd.sharePercent, 38); // 900 / 24 = 37.5 -> 38
    const NumberStatistics even = computeStatistic(StatisticKind::EvenPerDraw, w, draws);
    EXPECT_EQ(entryOf(even, 4), 3);
    EXPECT_EQ(even.sharePercent, 62); // 1500 / 24 = 62.5 -> 62
    EXPECT_FALSE(even.averageCrossSum);
}

TEST(Statistics, LuckyKinds) {
    const std::vector<Draw> draws = {
        draw(kSat, {1, 2, 3, 4, 5, 6}, 0, 5),
        draw(kSun, {1, 2, 3, 4, 5, 6}, 0, 1), // Sunday: never a lucky-frequency draw
        draw(kWed, {1, 2, 3, 4, 5, 6}, 0, 5),
        draw(kWed + 3, {1, 2, 3, 4, 5, 6}, 0, 2),
    };
    const StatisticsWindow w = window(kSat - 1, kWed + 3);
    const NumberStatistics f = computeStatistic(StatisticKind::LuckyFrequency, w, draws);
    EXPECT_EQ(f.entries, (std::vector<StatisticEntry>{{1, 0}, {2, 1}, {3, 0}, {4, 0}, {5, 2}, {6, 0}}));
    EXPECT_FALSE(f.drawCount);
    EXPECT_EQ(f.minCount, 0);
    EXPECT_EQ(f.maxCount, 2);

    const NumberStatistics o = computeStatistic(StatisticKind::LuckyOutstanding, w, draws);
    // Four passing draws: 2 is the latest, 5 one before, 1 (Sunday) two before, 3/4/6 never: D.
    EXPECT_EQ(o.entries, (std::vector<StatisticEntry>{{1, 3}, {2, 1}, {3, 4}, {4, 4}, {5, 2}, {6, 4}}));
    EXPECT_FALSE(o.drawCount);
}

TEST(Statistics, EmptyWindowLeavesStartValuesAndNoAverages) {
    const std::vector<Draw> draws = {draw(kSat, {2, 3, 5, 8, 9, 10}, 7, 1)};
    const StatisticsWindow none = window(kSat, kSat, false, false);
    for (StatisticKind kind : kAllStatisticKinds) {
        const NumberStatistics s = computeStatistic(kind, none, draws);
        SCOPED_TRACE(std::string(statisticKindName(kind)));
        EXPECT_FALSE(s.lastPassing);
        EXPECT_FALSE(s.averageCrossSum);
        EXPECT_FALSE(s.sharePercent);
        const int start = kind == StatisticKind::Outstanding ? 1 : 0;
        for (const StatisticEntry &e : s.entries)
            EXPECT_EQ(e.y, start);
        if (kind == StatisticKind::CrossSums) {
            EXPECT_TRUE(s.entries.empty());
            EXPECT_FALSE(s.minCount);
            EXPECT_FALSE(s.maxCount);
        } else {
            EXPECT_EQ(s.minCount, start);
        }
        if (kind != StatisticKind::LuckyFrequency && kind != StatisticKind::LuckyOutstanding) {
            EXPECT_EQ(s.drawCount, 0);
        }
    }
}

TEST(Statistics, RunReadsTheDrawFile) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("quorix-stat-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const DrawFile file = DrawFile::inFolder(folder);
    const StatisticsWindow w = window(kSat - 1, kWed);
    EXPECT_FALSE(runStatistic(StatisticKind::Frequency, w, file)); // missing file is an error

    const std::vector<Draw> draws = {draw(kSat, {1, 2, 3, 4, 5, 6}, 7, 1), draw(kWed, {1, 2, 3, 4, 5, 8})};
    ASSERT_TRUE(file.rewrite(draws));
    const auto run = runStatistic(StatisticKind::Frequency, w, file);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->entries, computeStatistic(StatisticKind::Frequency, w, draws).entries);
    EXPECT_EQ(entryOf(*run, 1), 2);
    std::filesystem::remove_all(folder);
}
