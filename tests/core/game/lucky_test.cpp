#include <gtest/gtest.h>

#include "core/game/lucky.h"

using namespace quorix;

namespace {

StatisticSource luckyCounts(std::array<int, 6> counts) {
    return [counts](StatisticKind kind) {
        NumberStatistics s;
        s.kind = kind;
        for (int g = 1; g <= 6; ++g)
            s.entries.push_back({g, counts[static_cast<std::size_t>(g - 1)]});
        return s;
    };
}

} // namespace

TEST(Lucky, OptionsAndTies) {
    struct Case {
        bool makeLucky;
        int option;
        std::array<int, 6> counts;
        const char *expected;
    };
    const Case cases[] = {
        {false, 1, {1, 2, 3, 4, 5, 6}, "-"},
        {true, 1, {40, 35, 35, 50, 41, 38}, "2"}, // smallest count, lowest lucky number on a tie
        {true, 2, {3, 12, 12, 1, 7, 2}, "2"},     // largest count, lowest on a tie
        {true, 1, {7, 7, 7, 7, 7, 7}, "1"},
        {true, 2, {0, 0, 0, 0, 0, 9}, "6"},
    };
    for (const Case &c : cases) {
        TipParameters p;
        p.makeLucky = c.makeLucky;
        p.luckyOption = c.option;
        Random random(5);
        EXPECT_EQ(chooseLucky(p, random, luckyCounts(c.counts)), c.expected);
        EXPECT_EQ(random.state(), 5u) << "only option 0 draws";
    }
}

TEST(Lucky, RandomOptionDrawsBelowSix) {
    TipParameters p;
    Random random(4711);
    Random expected(4711);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(chooseLucky(p, random, luckyCounts({})), std::to_string(expected.below(6) + 1));
}

TEST(Lucky, SeedFromAnswer) {
    // The status shows the number as entered; the state is its 32-bit pattern.
    struct Case {
        const char *answer;
        std::optional<int> shown;
        std::uint32_t state;
    };
    const Case cases[] = {
        {"4711", 4711, 4711u},
        {" 99999999 ", 99999999, 99999999u},
        {"-1", -1, 4294967295u},
        {"abc", std::nullopt, 0u},
        {"", std::nullopt, 0u},
        {"12x", std::nullopt, 0u},
        {"99999999999", std::nullopt, 0u},
    };
    for (const Case &c : cases) {
        Random random(7);
        EXPECT_EQ(seedFromAnswer(random, c.answer), c.shown) << c.answer;
        if (c.shown) {
            EXPECT_EQ(random.state(), c.state) << c.answer;
        }
    }
}
