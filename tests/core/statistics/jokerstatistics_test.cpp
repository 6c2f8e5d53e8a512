#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/statistics/jokerstatistics.h"
#include "core/base/random.h"

using namespace quorix;

namespace {

const DaySerial kFirst = serialFromYmd(2020, 1, 4);

std::array<int, 6> digitsOf(const std::string &text) {
    std::array<int, 6> digits{};
    for (std::size_t i = 0; i < digits.size(); ++i)
        digits[i] = text[i] - '0';
    return digits;
}

// Draws three days apart from kFirst, oldest first, with the given Jokers.
std::vector<Draw> drawsWithJokers(const std::vector<std::string> &jokers) {
    std::vector<Draw> draws;
    DaySerial date = kFirst;
    for (const std::string &joker : jokers) {
        Draw d;
        d.date = date;
        d.joker = digitsOf(joker);
        draws.push_back(d);
        date += 3;
    }
    return draws;
}

std::array<std::int32_t, 10> counts(std::initializer_list<std::pair<int, int>> set, int others) {
    std::array<std::int32_t, 10> c{};
    c.fill(others);
    for (auto [digit, count] : set)
        c[static_cast<std::size_t>(digit)] = count;
    return c;
}

struct DigitCase {
    const char *what;
    std::vector<std::string> jokers;
    int position;
    JokerDigitMode mode;
    std::array<std::int32_t, 10> counts;
    int drawCount;
    std::int64_t digitTotal;
    std::optional<int> average;
};

TEST(JokerDigits, CountsPerPositionAndMode) {
    const DigitCase cases[] = {
        {"last digit, how often",
         {"000013", "123453", "999997"},
         6,
         JokerDigitMode::Often,
         counts({{3, 2}, {7, 1}}, 0),
         3,
         13,
         4},
        {"all six digits count each occurrence",
         {"112358"},
         7,
         JokerDigitMode::Often,
         counts({{1, 2}, {2, 1}, {3, 1}, {5, 1}, {8, 1}}, 0),
         1,
         20,
         20},
        {"outstanding, first digit",
         {"400001", "900001", "400001"},
         1,
         JokerDigitMode::Outstanding,
         counts({{4, 1}, {9, 2}}, 3),
         3,
         17,
         6},
        {"outstanding over all six",
         {"111111", "123456"},
         7,
         JokerDigitMode::Outstanding,
         counts({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}}, 2),
         2,
         27,
         14},
        {"unknown Jokers are never counted",
         {"000000", "500000", "000000"},
         2,
         JokerDigitMode::Outstanding,
         counts({{0, 1}}, 1),
         1,
         0,
         0},
        {"only unknown Jokers: nothing counted",
         {"000000"},
         1,
         JokerDigitMode::Often,
         counts({}, 0),
         0,
         0,
         std::nullopt},
        {"average rounds halves to even",
         {"000001", "000002"},
         6,
         JokerDigitMode::Often,
         counts({{1, 1}, {2, 1}}, 0),
         2,
         3,
         2},
    };
    for (const DigitCase &c : cases) {
        SCOPED_TRACE(c.what);
        const auto draws = drawsWithJokers(c.jokers);
        const JokerDigitStatistic s = computeJokerDigits(c.position, c.mode, kFirst, kFirst + 1000, draws);
        EXPECT_EQ(s.counts, c.counts);
        EXPECT_EQ(s.drawCount, c.drawCount);
        EXPECT_EQ(s.digitTotal, c.digitTotal);
        EXPECT_EQ(jokerAverageDigit(s), c.average);
    }
}

TEST(JokerDigits, DateWindowAndStartAfterEnd) {
    const auto draws = drawsWithJokers({"100000", "200000", "300000"}); // kFirst, +3, +6
    EXPECT_EQ(computeJokerDigits(1, JokerDigitMode::Often, kFirst + 3, kFirst + 3, draws).counts,
              counts({{2, 1}}, 0));
    // A start after the end covers the year before the end, both ends included.
    EXPECT_EQ(jokerStartDate(kFirst + 500, kFirst + 6), kFirst + 6 - 365);
    EXPECT_EQ(computeJokerDigits(1, JokerDigitMode::Often, kFirst + 500, kFirst + 3, draws).counts,
              counts({{1, 1}, {2, 1}}, 0));
    EXPECT_EQ(computeJokerDigits(1, JokerDigitMode::Often, kFirst + 369, kFirst + 365, draws).counts,
              counts({{1, 1}, {2, 1}, {3, 1}}, 0));
}

TEST(JokerDigits, DamagedDigitsAreSkippedNotCounted) {
    auto draws = drawsWithJokers({"100000", "200000"});
    draws[1].joker[3] = 200; // a record byte no valid file holds
    const JokerDigitStatistic s = computeJokerDigits(7, JokerDigitMode::Often, kFirst, kFirst + 10, draws);
    EXPECT_EQ(s.drawCount, 1);
    EXPECT_EQ(s.counts, counts({{0, 5}, {1, 1}}, 0));
}

TEST(JokerSearch, FindsTheOldestEqualDraw) {
    const auto draws = drawsWithJokers({"123456", "654321", "123456"});
    ASSERT_TRUE(findJokerNumber(digitsOf("123456"), draws));
    EXPECT_EQ(findJokerNumber(digitsOf("123456"), draws)->date, kFirst);
    EXPECT_EQ(findJokerNumber(digitsOf("654321"), draws)->date, kFirst + 3);
    EXPECT_FALSE(findJokerNumber(digitsOf("123457"), draws));
    EXPECT_FALSE(findJokerNumber(digitsOf("123456"), {}));
}

TEST(NewJoker, FinalDigitsComparedPerLevel) {
    const std::pair<int, int> cases[] = {{-1, 0}, {0, 0}, {1, 6}, {2, 5}, {3, 4}, {4, 3}, {9, 3}};
    for (auto [level, digits] : cases)
        EXPECT_EQ(jokerFinalDigitsCompared(level), digits) << level;
}

TEST(NewJoker, LevelZeroDrawsSixDigitsOnly) {
    Random random(77);
    Random expected(77);
    const auto draws = drawsWithJokers({"000000"});
    const NewJokerNumber n = makeNewJokerNumber(0, random, draws);
    for (int digit : n.digits)
        EXPECT_EQ(digit, static_cast<int>(expected.below(10)));
    EXPECT_EQ(n.level, 0);
    EXPECT_EQ(random.state(), expected.state());
}

// Every ending of `width` digits, as Jokers.
std::vector<Draw> everyEnding(int width) {
    std::vector<std::string> jokers;
    int limit = 1;
    for (int i = 0; i < width; ++i)
        limit *= 10;
    for (int e = 0; e < limit; ++e) {
        std::string text = std::to_string(e);
        jokers.push_back(std::string(6 - text.size(), '0') + text);
    }
    return drawsWithJokers(jokers);
}

TEST(NewJoker, AvoidsEveryDrawnEnding) {
    // Of the 3-digit endings only 123 was never drawn, so a level-4 number ends in 123.
    auto draws = everyEnding(3);
    draws.erase(draws.begin() + 123);
    for (std::uint32_t seed : {1u, 2u, 3u, 99u}) {
        Random random(seed);
        const NewJokerNumber n = makeNewJokerNumber(4, random, draws);
        if (n.level == 4) {
            EXPECT_EQ(n.digits[3] * 100 + n.digits[4] * 10 + n.digits[5], 123) << seed;
        } else {
            // 1000 unlucky redraws: the search went on with four digits.
            EXPECT_EQ(n.level, 3) << seed;
        }
    }
}

TEST(NewJoker, GivesUpAfterThousandRedrawsAndLowersTheLevel) {
    // Every 3-digit ending drawn: level 4 cannot succeed; level 3 compares four digits, and only
    // 0000..0999 are drawn as 4-digit endings.
    const auto draws = everyEnding(3);
    Random random(5);
    const NewJokerNumber n = makeNewJokerNumber(4, random, draws);
    EXPECT_EQ(n.level, 3);
    EXPECT_NE(n.digits[2], 0);
    // The level-4 phase drew six digits 1 + 1000 times; level 3 goes on with the last of them.
    Random replay(5);
    for (int i = 0; i < 6 * 1000; ++i)
        replay.below(10);
    std::array<int, 6> next{};
    for (int &digit : next)
        digit = static_cast<int>(replay.below(10));
    if (next[2] != 0) {
        EXPECT_EQ(n.digits, next);
    }
}

TEST(NewJoker, UnknownJokersTakePartSoNoNumberEndsInZeros) {
    const auto draws = drawsWithJokers({"000000"});
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        Random random(seed);
        const NewJokerNumber n = makeNewJokerNumber(4, random, draws);
        EXPECT_FALSE(n.digits[3] == 0 && n.digits[4] == 0 && n.digits[5] == 0) << seed;
        EXPECT_EQ(n.level, 4);
    }
}

TEST(NewJoker, LevelOneAvoidsEveryDrawnNumber) {
    const auto draws = everyEnding(3);
    Random random(11);
    const NewJokerNumber n = makeNewJokerNumber(1, random, draws);
    EXPECT_EQ(n.level, 1);
    EXPECT_FALSE(findJokerNumber(n.digits, draws));
}

} // namespace
