#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/compute/acceptance.h"
#include "core/base/random.h"

using namespace quorix;

namespace {

// Only the always-on cross-sum test and what a case switches on.
TipParameters bare() {
    TipParameters p;
    p.limitSharedMax = p.limitSharedMin = false;
    p.noRunsOfThree = false;
    p.limitLastDraw = p.limitPreviousDraw = p.limitThirdLastDraw = false;
    p.recentCheckShort = p.recentCheckLong = p.neverWonBefore = false;
    p.crossSumMin = 21;
    p.crossSumMax = 279;
    return p;
}

int sum(const TipNumbers &t) {
    return t[0] + t[1] + t[2] + t[3] + t[4] + t[5];
}

Draw drawOn(DaySerial date, std::array<int, 6> numbers, int bonus = 0) {
    Draw d;
    d.date = date;
    d.numbers = numbers;
    d.bonus = bonus;
    return d;
}

struct Case {
    const char *what;
    TipNumbers candidate;
    void (*set)(TipParameters &);
    std::vector<TipNumbers> committed;
    bool accepted;
};

} // namespace

TEST(Acceptance, CheapTestsInOrder) {
    ReferenceDraws refs;
    refs.last = drawOn(0, {3, 11, 17, 25, 33, 40}, 8);
    const std::vector<TipNumbers> twoRows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
    const Case cases[] = {
        {"first row skips the row test",
         {1, 2, 3, 7, 8, 9},
         [](TipParameters &p) { p.limitSharedMax = true; },
         {},
         true},
        {"shares 3 with both rows",
         {1, 2, 3, 7, 8, 9},
         [](TipParameters &p) { p.limitSharedMax = true; },
         twoRows,
         false},
        {"shares 3 and 0",
         {1, 2, 3, 20, 21, 22},
         [](TipParameters &p) { p.limitSharedMax = true; },
         twoRows,
         true},
        {"each tip: 3 and 0",
         {1, 2, 3, 20, 21, 22},
         [](TipParameters &p) { p.sharedLimitsEachTip = true; },
         twoRows,
         false},
        {"each tip: an empty row shares 0 < minShared 1",
         {1, 8, 20, 21, 30, 40},
         [](TipParameters &p) {
             p.sharedLimitsEachTip = true;
             p.minShared = 1;
         },
         {{1, 8, 15, 22, 29, 36}, {0, 0, 0, 0, 0, 0}},
         false},
        {"minimum against the most similar row",
         {1, 8, 20, 21, 30, 40},
         [](TipParameters &p) {
             p.limitSharedMin = true;
             p.minShared = 2;
         },
         {{1, 8, 15, 22, 29, 36}, {0, 0, 0, 0, 0, 0}},
         true},
        {"a typed row counts each repeated place",
         {5, 9, 20, 30, 31, 40},
         [](TipParameters &p) { p.limitSharedMax = true; },
         {{5, 9, 40, 30, 31, 40}},
         false},
        {"run of three", {5, 6, 20, 21, 22, 30}, [](TipParameters &p) { p.noRunsOfThree = true; }, {}, false},
        {"pair forced", {5, 6, 20, 21, 22, 30}, [](TipParameters &p) { p.forcePair = true; }, {}, true},
        {"no pair", {5, 7, 20, 22, 24, 30}, [](TipParameters &p) { p.forcePair = true; }, {}, false},
        {"cross sum at the minimum",
         {5, 7, 20, 22, 24, 30},
         [](TipParameters &p) { p.crossSumMin = 108; },
         {},
         true},
        {"cross sum below", {5, 7, 20, 22, 24, 30}, [](TipParameters &p) { p.crossSumMin = 109; }, {}, false},
        {"cross sum at the maximum",
         {5, 7, 20, 22, 24, 30},
         [](TipParameters &p) { p.crossSumMax = 108; },
         {},
         true},
        {"cross sum above", {5, 7, 20, 22, 24, 30}, [](TipParameters &p) { p.crossSumMax = 107; }, {}, false},
        {"two of the last draw",
         {3, 11, 20, 22, 24, 30},
         [](TipParameters &p) {
             p.limitLastDraw = true;
             p.maxFromLastDraw = 1;
         },
         {},
         false},
        {"one and the bonus number",
         {3, 8, 20, 22, 24, 30},
         [](TipParameters &p) {
             p.limitLastDraw = true;
             p.maxFromLastDraw = 1;
         },
         {},
         false},
        {"one and the bonus number, bonus not counted",
         {3, 8, 20, 22, 24, 30},
         [](TipParameters &p) {
             p.limitLastDraw = true;
             p.maxFromLastDraw = 1;
             p.countBonusHit = false;
         },
         {},
         true},
        {"limit 0 is the pool's business",
         {3, 11, 17, 25, 33, 40},
         [](TipParameters &p) { p.limitLastDraw = true; },
         {},
         true},
        {"too few even",
         {1, 3, 5, 7, 10, 12},
         [](TipParameters &p) {
             p.requireEven = true;
             p.minEven = 3;
         },
         {},
         false},
        {"enough odd",
         {1, 3, 5, 7, 10, 12},
         [](TipParameters &p) {
             p.requireOdd = true;
             p.minOdd = 4;
         },
         {},
         true},
    };
    const DrawTable history({}, {});
    for (const Case &c : cases) {
        TipParameters p = bare();
        c.set(p);
        EXPECT_EQ(acceptCandidate(c.candidate, sum(c.candidate), p, refs, c.committed, history), c.accepted)
            << c.what;
    }
}

TEST(Acceptance, HistoryWindowsAndTheShortCheckGate) {
    const DaySerial end = serialFromYmd(2014, 6, 7); // a Saturday
    const TipNumbers tip = {4, 9, 16, 25, 36, 42};
    const std::vector<Draw> draws = {
        drawOn(serialFromYmd(1990, 3, 17), {4, 9, 16, 25, 36, 1}), // on the start date: ignored
        drawOn(end - 35, {4, 9, 1, 2, 3, 5}),                      // 35 days back: outside 10 draws
        drawOn(end - 3, {4, 1, 2, 3, 5, 6}, 9),                    // one hit and the bonus
    };
    const DrawTable history(draws, {serialFromYmd(1990, 3, 17), end, true, true});
    struct HistoryCase {
        const char *what;
        void (*set)(TipParameters &);
        bool accepted;
    };
    const HistoryCase cases[] = {
        {"short window of 10 draws misses day 35",
         [](TipParameters &p) {
             p.shortDraws = 10;
             p.shortHits = 2;
             p.countBonusHit = false;
         },
         true},
        {"11 draws reach it",
         [](TipParameters &p) {
             p.shortDraws = 11;
             p.shortHits = 2;
             p.countBonusHit = false;
         },
         false},
        {"bonus makes two hits",
         [](TipParameters &p) {
             p.shortDraws = 4;
             p.shortHits = 2;
         },
         false},
        {"without the bonus only one",
         [](TipParameters &p) {
             p.shortDraws = 4;
             p.shortHits = 2;
             p.countBonusHit = false;
         },
         true},
        {"the start date's draw is not a past win",
         [](TipParameters &p) {
             p.neverWonBefore = true;
             p.pastWinHits = 5;
         },
         true},
        {"short check off skips the later tests",
         [](TipParameters &p) {
             p.recentCheckShort = false;
             p.recentCheckLong = true;
             p.longHits = 2;
             p.requirePrimes = true;
             p.minPrimes = 6;
         },
         true},
        {"short check on applies them",
         [](TipParameters &p) {
             p.shortHits = 6;
             p.recentCheckLong = true;
             p.longHits = 2;
         },
         false},
        {"primes",
         [](TipParameters &p) {
             p.shortHits = 6;
             p.requirePrimes = true;
             p.minPrimes = 1;
         },
         false},
    };
    for (const HistoryCase &c : cases) {
        TipParameters p = bare();
        p.recentCheckShort = true;
        c.set(p);
        EXPECT_EQ(acceptCandidate(tip, sum(tip), p, {}, {}, history), c.accepted) << c.what;
    }
    // Among the candidates' numbers up to 45, 43 counts as a prime: 2, 3, 41 and 43 are four.
    const TipNumbers fourPrimes{2, 3, 41, 42, 43, 44};
    for (int minPrimes : {4, 5}) {
        TipParameters p = bare();
        p.recentCheckShort = true;
        p.shortHits = 6;
        p.requirePrimes = true;
        p.minPrimes = minPrimes;
        EXPECT_EQ(acceptCandidate(fourPrimes, sum(fourPrimes), p, {}, {}, history), minPrimes == 4);
    }

    // Damaged records: a repeated number counts once, as the tip check counts it; a bonus number
    // repeating a drawn one counts again when the bonus counts.
    const std::vector<Draw> damaged = {drawOn(end, {4, 4, 60, 0, 9, 2}, 9)};
    const DrawTable table(damaged, {0, end, true, true});
    EXPECT_TRUE(table.noPastWin(maskOf(tip), 4, true));
    EXPECT_FALSE(table.noPastWin(maskOf(tip), 3, true));
    EXPECT_TRUE(table.noPastWin(maskOf(tip), 3, false));
    EXPECT_FALSE(table.noPastWin(maskOf(tip), 2, false));
}

TEST(Acceptance, HistoryLookupsMatchAPlainCount) {
    // Enough queries per hit count that the long windows switch from scanning to the subset index.
    std::vector<Draw> draws;
    Random random(3);
    for (int i = 0; i < 600; ++i) {
        Draw d;
        d.date = 40000 + 3 * i;
        std::uint64_t used = 0;
        for (int &n : d.numbers) {
            do
                n = static_cast<int>(random.below(45)) + 1;
            while (used & (std::uint64_t{1} << n));
            used |= std::uint64_t{1} << n;
        }
        d.bonus = i % 3 == 0 ? 0 : static_cast<int>(random.below(45)) + 1;
        if (used & (std::uint64_t{1} << d.bonus)) d.bonus = 0;
        draws.push_back(d);
    }
    draws[500].numbers[1] = draws[500].numbers[0]; // damaged records
    draws[550].bonus = draws[550].numbers[3];
    const DrawTable table(draws, {0, 50000, true, true});
    for (int q = 0; q < 6000; ++q) {
        TipNumbers tip{};
        std::uint64_t used = 0;
        for (int &n : tip) {
            do
                n = static_cast<int>(random.below(45)) + 1;
            while (used & (std::uint64_t{1} << n));
            used |= std::uint64_t{1} << n;
        }
        if (q % 3 == 0) {
            // A drawn tip, sometimes with the bonus number in place of a drawn one.
            const Draw &d = draws[random.below(600)];
            tip = d.numbers;
            const bool distinct = std::set<int>(tip.begin(), tip.end()).size() == 6;
            if (d.bonus != 0 && distinct && std::count(tip.begin(), tip.end(), d.bonus) == 0 && q % 2 == 0)
                tip[q % 6] = d.bonus;
            if (!distinct) tip = {1, 2, 3, 4, 5, 6};
            std::sort(tip.begin(), tip.end());
        }
        const int hits = 2 + q % 5;
        const bool bonus = (q / 5) % 2 == 0;
        const std::size_t from = q % 7 == 0 ? 590 : random.below(600);
        bool clean = true;
        for (std::size_t i = from; i < draws.size(); ++i) {
            int h = 0;
            for (int n : tip)
                h += std::count(draws[i].numbers.begin(), draws[i].numbers.end(), n) > 0 ? 1 : 0;
            if (bonus && std::count(tip.begin(), tip.end(), draws[i].bonus)) ++h;
            clean = clean && h < hits;
        }
        ASSERT_EQ(table.noDrawWithHits(maskOf(tip), hits, from, bonus), clean) << q;
    }
}
