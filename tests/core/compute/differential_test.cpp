#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "core/compute/computation.h"
#include "reference.h"

using namespace quorix;

namespace {

struct Variant {
    const char *name;
    void (*apply)(reference::Settings &);
};

void defaults(reference::Settings &) {}

void strict(reference::Settings &s) {
    TipParameters &p = s.parameters;
    p.pastWinHits = 4;
    p.longHits = 4;
    p.longDraws = 500;
    p.shortHits = 2;
    p.shortDraws = 12;
    p.requirePrimes = true;
    p.requireEven = true;
    p.requireOdd = true;
    p.forcePair = true;
    p.sharedLimitsEachTip = true;
    p.maxShared = 1;
    p.maxRunsThousands = 40;
}

void everyPreference(reference::Settings &s) {
    TipParameters &p = s.parameters;
    p.preferFrequent = p.preferFrequentPairs = p.preferRarePairs = p.preferFrequentTriples = true;
    p.preferRareTriples = p.preferFrequentQuadruples = p.preferRareQuadruples = p.preferNeighbours = true;
    p.reduceDayNumbers = true;
    p.frequentPercent = 45;
    p.rarePercent = 25;
    p.overduePercent = 15;
    p.luckyOption = 1;
    p.countBonusHit = false;
    p.limitSharedMin = true;
    p.minShared = 1;
}

void lockedRowsAndWeekdays(reference::Settings &s) {
    s.wednesday = false;
    s.parameters.tipCount = 9;
    s.parameters.luckyOption = 2;
    s.sheet.rows[1] = {{"30", "9", "17", "22", "3", "41"}, "4", true};
    s.sheet.rows[7] = {{"12", "", "5", "x", "40", "40"}, "-", true};
    s.sheet.rows[12] = {{"1", "2", "3", "4", "5", "6"}, "1", true};
}

void tightBudget(reference::Settings &s, std::size_t lockedRows) {
    // Later rows cannot share nothing with every row before them: the budget runs out while they
    // are generated, through forcePair's unticking and every relaxation step (row 8 included).
    TipParameters &p = s.parameters;
    p.maxRunsThousands = 21;
    p.forcePair = true;
    p.sharedLimitsEachTip = true;
    p.maxShared = 0;
    p.recentCheckShort = false;
    for (std::size_t r = 0; r < 7; ++r)
        s.sheet.rows[r] = {{std::to_string(6 * r + 1), std::to_string(6 * r + 2), std::to_string(6 * r + 3),
                            std::to_string(6 * r + 4), std::to_string(6 * r + 5), std::to_string(6 * r + 6)},
                           "-",
                           r < lockedRows};
}

void tightFromRow6(reference::Settings &s) {
    tightBudget(s, 5);
}
void tightAtRow8(reference::Settings &s) {
    tightBudget(s, 7);
}

void benchStrict(reference::Settings &s) {
    // The bench's strict set: almost nothing passes, so the budget runs into every relaxation
    // step, pastWinHits 6 included.
    TipParameters &p = s.parameters;
    p.pastWinHits = 4;
    p.longHits = 3;
    p.longDraws = 500;
    p.maxRunsThousands = 30;
}

const Variant kVariants[] = {
    {"benchStrict", benchStrict},
    {"defaults", defaults},
    {"strict", strict},
    {"everyPreference", everyPreference},
    {"lockedRowsAndWeekdays", lockedRowsAndWeekdays},
    {"tightFromRow6", tightFromRow6},
    {"tightAtRow8", tightAtRow8},
};

ComputationRequest requestOf(const reference::Settings &s, const std::vector<Draw> &draws) {
    ComputationRequest rq;
    rq.draws = draws;
    rq.startDate = s.startDate;
    rq.endDate = s.endDate;
    rq.saturday = s.saturday;
    rq.wednesday = s.wednesday;
    rq.parameters = s.parameters;
    rq.sheet = s.sheet;
    return rq;
}

// Runs both implementations from the same seed and compares everything a run shows.
void compare(const reference::Settings &s, const std::vector<Draw> &draws, std::uint32_t seed,
             const std::string &label) {
    SCOPED_TRACE(label + " seed " + std::to_string(seed));
    Random slowRandom(seed);
    const reference::Outcome expected = reference::run(s, slowRandom);

    Random fastRandom(seed);
    std::vector<reference::Change> changes;
    ComputationHost host;
    host.parametersChanged = [&](const TipParameters &p, std::int64_t runs) {
        changes.push_back({runs, p.forcePair, p.maxFromLastDraw, p.maxFromPreviousDraw, p.pastWinHits});
    };
    const Result<ComputationResult> got = runComputation(requestOf(s, draws), fastRandom, host);
    ASSERT_TRUE(got.ok());
    for (std::size_t r = 0; r < 14; ++r) {
        EXPECT_EQ(got->rows[r].numbers, expected.numbers[r]) << "row " << r + 1;
        EXPECT_EQ(got->rows[r].lucky, expected.lucky[r]) << "row " << r + 1;
        EXPECT_EQ(got->rows[r].crossSum, expected.crossSum[r]) << "row " << r + 1;
    }
    EXPECT_EQ(got->runs, expected.runs);
    EXPECT_EQ(messageIndex(statusMessage(got->status)), expected.message);
    EXPECT_EQ(changes, expected.changes);
    EXPECT_EQ(got->parameters, expected.parametersAfter);
    EXPECT_EQ(fastRandom.state(), slowRandom.state());
}

class Differential : public ::testing::Test {
protected:
    std::filesystem::path file(const char *name) {
        const auto dir =
            std::filesystem::temp_directory_path() / ("quorix_diff_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        m_dirs.push_back(dir);
        return dir / name;
    }
    void TearDown() override {
        for (const auto &d : m_dirs)
            std::filesystem::remove_all(d);
    }

private:
    std::vector<std::filesystem::path> m_dirs;
};

} // namespace

TEST_F(Differential, MadeUpHistoryManySeedsAndSettings) {
    std::vector<Draw> draws =
        reference::madeUpHistory(serialFromYmd(2009, 1, 3), 500, 77, serialFromYmd(2012, 12, 31));
    // Two damaged records inside the recent windows: a repeated number, a bonus repeating a number.
    draws[470].numbers[1] = draws[470].numbers[0];
    draws[480].bonus = draws[480].numbers[2];
    reference::Settings s;
    s.drawFile = file("ZahlenCH.dat");
    reference::writeDrawFile(s.drawFile, draws);
    s.startDate = serialFromYmd(2009, 6, 1);
    s.endDate = serialFromYmd(2013, 11, 14); // a Thursday: the next Saturday's draw is taken
    for (const Variant &v : kVariants) {
        for (std::uint32_t seed : {1u, 4711u, 99999u, 123456789u, 4000000000u}) {
            reference::Settings variant = s;
            v.apply(variant);
            compare(variant, draws, seed, v.name);
        }
    }
}

TEST_F(Differential, RealHistory) {
    const std::vector<Draw> draws = reference::realHistory(QUORIX_REAL_DRAWS);
    ASSERT_FALSE(draws.empty()) << "no real draw history at " << QUORIX_REAL_DRAWS;
    reference::Settings s;
    s.drawFile = file("ZahlenCH.dat");
    reference::writeDrawFile(s.drawFile, draws);
    s.startDate = serialFromYmd(1990, 3, 17);
    s.endDate = serialFromYmd(2026, 8, 19);
    for (const Variant &v : kVariants) {
        for (std::uint32_t seed : {7u, 31337u}) {
            reference::Settings variant = s;
            v.apply(variant);
            compare(variant, draws, seed, v.name);
        }
    }
    // An end date inside the history and only Saturday draws.
    s.endDate = serialFromYmd(2004, 2, 2);
    s.wednesday = false;
    compare(s, draws, 2024, "mid-history");
}

TEST_F(Differential, PoolOnExactHalfBandLimits) {
    // 150 Saturday draws: 1..5 every time, 7 in eleven of them and 6 in the others. With 7 % the
    // rare band ends exactly at 10.5, so 7 (drawn 11 times) is not a rare number.
    std::vector<Draw> draws;
    for (int i = 0; i < 150; ++i) {
        Draw d;
        d.date = serialFromYmd(2010, 1, 2) + 7 * i;
        d.numbers = {1, 2, 3, 4, 5, i < 11 ? 7 : 6};
        d.lucky = 1;
        draws.push_back(d);
    }
    reference::Settings s;
    s.drawFile = file("ZahlenCH.dat");
    reference::writeDrawFile(s.drawFile, draws);
    s.startDate = serialFromYmd(2009, 6, 1);
    s.endDate = draws.back().date;
    TipParameters &p = s.parameters;
    p.preferFrequent = p.preferRare = true;
    p.frequentPercent = p.rarePercent = 7;
    p.preferOverdue = false;
    p.onlyPreferredNumbers = true;
    p.limitLastDraw = p.limitPreviousDraw = p.limitThirdLastDraw = false;

    const ReferenceSelection selection = selectReferenceDraws(draws, s.endDate, s.saturday, s.wednesday);
    const StatisticsWindow window{s.startDate, selection.endDate, s.saturday, s.wednesday};
    const StatisticSource source = [&](StatisticKind kind) { return computeStatistic(kind, window, draws); };
    const Result<NumberPool> fast = buildNumberPool(p, selection.draws, source);
    ASSERT_TRUE(fast.ok());
    const std::vector<int> slow = reference::pool(s);
    EXPECT_EQ(std::vector<int>(fast->entries().begin(), fast->entries().end()), slow);
    EXPECT_EQ(fast->countOf(7), 0);
    EXPECT_EQ(fast->countOf(8), 3);
    EXPECT_EQ(fast->countOf(1), 3);
}
