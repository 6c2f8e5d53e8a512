#include "core/statistics/tipdistribution.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace quorix {
namespace {

// Row r (1-based) holds r, r+1, ..., r+5 as text.
TipSheet sheetWithRows(const std::vector<int> &filled) {
    TipSheet sheet;
    for (int r : filled)
        for (int i = 0; i < 6; ++i)
            sheet.rows[static_cast<std::size_t>(r - 1)].numbers[static_cast<std::size_t>(i)] =
                std::to_string(r + i);
    return sheet;
}

std::vector<int> range(int from, int to) {
    std::vector<int> v(static_cast<std::size_t>(to - from + 1));
    std::iota(v.begin(), v.end(), from);
    return v;
}

struct GapCase {
    const char *name;
    std::vector<int> filledRows;
    int expectedTotal;
};

void PrintTo(const GapCase &c, std::ostream *os) {
    *os << c.name;
}

class TipDistributionGaps : public ::testing::TestWithParam<GapCase> {};

TEST_P(TipDistributionGaps, FirstEmptyFieldEndsTheReading) {
    const GapCase &c = GetParam();
    const TipDistribution d = countTipDistribution(sheetWithRows(c.filledRows));
    EXPECT_EQ(d.total, c.expectedTotal);
    EXPECT_EQ(std::accumulate(d.counts.begin(), d.counts.end(), 0), c.expectedTotal);
}

std::vector<int> allButRow3() {
    std::vector<int> rows = range(1, 14);
    rows.erase(rows.begin() + 2);
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Sheets, TipDistributionGaps,
                         ::testing::Values(GapCase{"full", range(1, 14), 84},
                                           GapCase{"rows1to6", range(1, 6), 36},
                                           GapCase{"row3Empty", allButRow3(), 12},
                                           // after row 12 the reading takes 13/1, then stops at 14/1
                                           GapCase{"row14Empty", range(1, 13), 73}, GapCase{"empty", {}, 0}));

TEST(TipDistribution, CountsNumbersAndFindsLowestAndHighest) {
    const TipDistribution d = countTipDistribution(sheetWithRows(range(1, 14)));
    // Rows r..r+5 for r = 1..14: number n occurs in rows max(1, n-5)..min(14, n).
    for (int n = 1; n <= 42; ++n) {
        const int expected = std::max(0, std::min(14, n) - std::max(1, n - 5) + 1);
        EXPECT_EQ(d.counts[static_cast<std::size_t>(n)], expected) << n;
    }
    EXPECT_EQ(d.lowest, 0);  // 20..42 never occur
    EXPECT_EQ(d.highest, 6); // 6..14 occur six times
}

TEST(TipDistribution, InterleavesRows13And14AndStopsAtText) {
    TipSheet sheet = sheetWithRows(range(1, 12));
    sheet.rows[12].numbers = {"1", "2", "3", "4", "5", "6"};
    sheet.rows[13].numbers = {"40", "41", "x", "", "", ""};
    const TipDistribution d = countTipDistribution(sheet);
    // 13/1, 14/1, 13/2, 14/2, 13/3, then "x" ends the reading.
    EXPECT_EQ(d.total, 72 + 5);
    EXPECT_EQ(d.counts[40], 1);
    EXPECT_EQ(d.counts[41], 1);
    EXPECT_EQ(d.counts[3], 3 + 1); // rows 1..3 and row 13
    EXPECT_EQ(d.counts[4], 4);     // rows 1..4 only: 13/4 was not reached
}

TEST(TipDistribution, SkipsValuesOutsideTheCounters) {
    TipSheet sheet;
    sheet.rows[0].numbers = {"-3", "99", "7", " 8 ", "+9", "0"};
    const TipDistribution d = countTipDistribution(sheet);
    EXPECT_EQ(d.total, 4); // 7, 8, 9 and 0
    EXPECT_EQ(d.counts[0], 1);
    EXPECT_EQ(d.counts[7] + d.counts[8] + d.counts[9], 3);
    EXPECT_EQ(d.lowest, 0);
    EXPECT_EQ(d.highest, 1);
}

} // namespace
} // namespace quorix
