#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "core/compute/computation.h"
#include "reference.h"

using namespace quorix;

namespace {

const std::vector<Draw> &history() {
    static const std::vector<Draw> draws =
        reference::madeUpHistory(serialFromYmd(2010, 1, 2), 400, 11, serialFromYmd(2012, 12, 31));
    return draws;
}

ComputationRequest request() {
    ComputationRequest rq;
    rq.draws = history();
    rq.startDate = serialFromYmd(2010, 1, 1);
    rq.endDate = history().back().date;
    return rq;
}

TipRow locked(std::array<const char *, 6> fields) {
    TipRow row;
    for (std::size_t i = 0; i < 6; ++i)
        row.numbers[i] = fields[i];
    row.lucky = "3";
    row.locked = true;
    return row;
}

int shared(const TipNumbers &a, const TipNumbers &b) {
    int m = 0;
    for (int x : a)
        m += static_cast<int>(std::count(b.begin(), b.end(), x));
    return m;
}

ComputationResult run(const ComputationRequest &rq, std::uint32_t seed, const ComputationHost &host = {}) {
    Random random(seed);
    Result<ComputationResult> r = runComputation(rq, random, host);
    EXPECT_TRUE(r.ok());
    return *r;
}

} // namespace

TEST(Computation, SameSeedSameTips) {
    const ComputationResult a = run(request(), 4711);
    const ComputationResult b = run(request(), 4711);
    const ComputationResult c = run(request(), 4712);
    EXPECT_EQ(a.status, ComputationStatus::Done);
    std::set<TipNumbers> distinct;
    for (std::size_t r = 0; r < 14; ++r) {
        EXPECT_EQ(a.rows[r].numbers, b.rows[r].numbers);
        EXPECT_EQ(a.rows[r].lucky, b.rows[r].lucky);
        EXPECT_FALSE(a.rows[r].empty());
        EXPECT_TRUE(std::is_sorted(a.rows[r].numbers.begin(), a.rows[r].numbers.end()));
        distinct.insert(a.rows[r].numbers);
    }
    EXPECT_EQ(distinct.size(), 14u);
    EXPECT_EQ(a.runs, b.runs);
    EXPECT_NE(a.rows[0].numbers, c.rows[0].numbers);
}

TEST(Computation, TipCountAndLockedRows) {
    ComputationRequest rq = request();
    rq.parameters.tipCount = 6;
    rq.parameters.sharedLimitsEachTip = true;
    rq.sheet.rows[3] = locked({"1", "2", "3", "4", "5", "6"});
    rq.sheet.rows[12] = locked({"40", "", "7", "x", "7", "12"});
    std::vector<int> committedOrder;
    ComputationHost host;
    host.generationStarted = [&] { committedOrder.push_back(0); };
    host.rowCommitted = [&](int row, const ComputedRow &) { committedOrder.push_back(row); };
    const ComputationResult res = run(rq, 99, host);

    for (int r = 1; r <= 14; ++r) {
        const ComputedRow &row = res.rows[static_cast<std::size_t>(r - 1)];
        if (r == 4 || r == 13) {
            EXPECT_TRUE(row.locked);
            EXPECT_EQ(row.lucky, "-");
        } else if (r <= 6) {
            EXPECT_FALSE(row.empty()) << r;
            EXPECT_LE(shared(row.numbers, {1, 2, 3, 4, 5, 6}), 2) << "compared with locked row 4";
        } else {
            EXPECT_TRUE(row.empty()) << r;
            EXPECT_EQ(row.crossSum, 0);
            EXPECT_NE(row.lucky, "-") << "lucky box still filled";
        }
    }
    EXPECT_EQ(res.rows[3].numbers, (TipNumbers{1, 2, 3, 4, 5, 6}));
    // Unreadable places of a locked row stay empty; the row is neither computed nor reordered.
    EXPECT_EQ(res.rows[12].numbers, (TipNumbers{40, 0, 7, 0, 7, 12}));
    EXPECT_EQ(committedOrder.size(), 15u);
    EXPECT_TRUE(std::is_sorted(committedOrder.begin(), committedOrder.end()));
    EXPECT_EQ(committedOrder.front(), 0);

    // Only row 13 locked with the full tip count: its neighbours are computed around it.
    rq = request();
    rq.sheet.rows[12] = locked({"9", "18", "27", "36", "41", "42"});
    const ComputationResult around = run(rq, 7);
    EXPECT_FALSE(around.rows[11].empty());
    EXPECT_FALSE(around.rows[13].empty());
    EXPECT_EQ(around.rows[12].numbers, (TipNumbers{9, 18, 27, 36, 41, 42}));
    EXPECT_EQ(around.rows[13].crossSum,
              std::accumulate(around.rows[13].numbers.begin(), around.rows[13].numbers.end(), 0));

    // A complete locked row typed out of order comes back sorted, as the sheet shows it once the
    // clearing has checked it; its comparison with later rows does not depend on the order.
    rq = request();
    rq.parameters.tipCount = 2;
    rq.sheet.rows[0] = locked({"42", "9", "36", "18", "41", "27"});
    const ComputationResult typed = run(rq, 7);
    EXPECT_EQ(typed.rows[0].numbers, (TipNumbers{9, 18, 27, 36, 41, 42}));
    EXPECT_EQ(typed.rows[0].crossSum, 173);
}

TEST(Computation, BudgetUsedUpKeepsFinishedRows) {
    // Rows that share nothing with every row above them run out after a handful of rows.
    ComputationRequest rq = request();
    rq.parameters.maxRunsThousands = 1;
    rq.parameters.sharedLimitsEachTip = true;
    rq.parameters.maxShared = 0;
    const ComputationResult res = run(rq, 3);
    EXPECT_EQ(res.status, ComputationStatus::BudgetUsedUp);
    EXPECT_EQ(statusMessage(res.status), Msg::NotAllTipsComputed);
    EXPECT_EQ(res.runs, 1000);
    EXPECT_FALSE(res.rows[0].empty());
    EXPECT_TRUE(res.rows[13].empty());
    bool emptySeen = false;
    for (const ComputedRow &row : res.rows) {
        EXPECT_TRUE(!emptySeen || row.empty()) << "no row after an empty one";
        emptySeen = emptySeen || row.empty();
        EXPECT_NE(row.lucky, "-");
    }
}

TEST(Computation, RelaxationVisibleDuringRunAndRestoredAfter) {
    struct Case {
        std::size_t lockedRows; // the first generated row is lockedRows + 1
        std::vector<std::array<int, 4>>
            expected; // runs/1000, maxFromLastDraw, maxFromPreviousDraw, pastWinHits
    };
    const Case cases[] = {
        {2, {{25, 0, 1, 5}, {30, 0, 1, 6}, {40, 1, 2, 6}, {45, 2, 3, 6}}},
        {7, {{25, 0, 1, 5}, {30, 0, 1, 6}, {40, 0, 2, 6}, {45, 2, 2, 6}}}, // row 8's own steps
        {1, {{25, 0, 1, 5}}},                                              // row 2 is never relaxed
    };
    for (const Case &c : cases) {
        ComputationRequest rq = request();
        rq.parameters.forcePair = true;
        rq.parameters.sharedLimitsEachTip = true;
        rq.parameters.maxShared = 0;
        for (std::size_t r = 0; r < c.lockedRows; ++r) {
            rq.sheet.rows[r].locked = true;
            for (std::size_t i = 0; i < 6; ++i)
                rq.sheet.rows[r].numbers[i] = std::to_string(6 * r + i + 1);
        }
        // Nothing can share no number with every locked row and also hold a pair, and no six
        // numbers up to 42 add up to 270.
        rq.parameters.crossSumMin = 270;
        rq.parameters.crossSumMax = 279;
        std::vector<std::array<int, 4>> seen;
        bool forcePairOffLater = true;
        ComputationHost host;
        host.interval = std::chrono::milliseconds(0);
        host.parametersChanged = [&](const TipParameters &p, std::int64_t runs) {
            EXPECT_FALSE(p.forcePair);
            seen.push_back(
                {static_cast<int>(runs / 1000), p.maxFromLastDraw, p.maxFromPreviousDraw, p.pastWinHits});
        };
        host.progress = [&](const ComputationProgress &progress, TipParameters &p) {
            if (progress.runs > 25000) forcePairOffLater = forcePairOffLater && !p.forcePair;
            return true;
        };
        const ComputationResult res = run(rq, 1, host);
        EXPECT_EQ(seen, c.expected) << c.lockedRows;
        EXPECT_TRUE(forcePairOffLater);
        EXPECT_EQ(res.parameters, rq.parameters) << "all four restored";
        EXPECT_EQ(res.status, ComputationStatus::BudgetUsedUp);
    }
}

TEST(Computation, StopEndsTheRunAndKeepsFinishedRows) {
    ComputationRequest rq = request();
    rq.parameters.crossSumMin = 175; // slow enough that rows take many attempts
    rq.sheet.rows[13] = locked({"1", "2", "3", "4", "5", "6"});
    int stoppedAt = 0;
    ComputationHost host;
    host.interval = std::chrono::milliseconds(0);
    host.progress = [&](const ComputationProgress &progress, TipParameters &) {
        if (progress.row >= 3 && stoppedAt == 0) stoppedAt = progress.row;
        return stoppedAt == 0;
    };
    const ComputationResult res = run(rq, 21, host);
    ASSERT_GE(stoppedAt, 3);
    EXPECT_EQ(res.status, ComputationStatus::Stopped);
    EXPECT_EQ(statusMessage(res.status), Msg::ComputationDone);
    for (int r = 1; r <= 13; ++r)
        EXPECT_EQ(res.rows[static_cast<std::size_t>(r - 1)].empty(), r >= stoppedAt) << r;
    EXPECT_EQ(res.rows[13].numbers, (TipNumbers{1, 2, 3, 4, 5, 6}));
}

TEST(Computation, LiveChangesTakeEffectForTheFollowingAttempts) {
    ComputationRequest rq = request();
    rq.parameters.crossSumMin = 279; // impossible until the host lowers it
    rq.parameters.crossSumMax = 279;
    int calls = 0;
    ComputationHost host;
    host.interval = std::chrono::milliseconds(0);
    host.progress = [&](const ComputationProgress &progress, TipParameters &p) {
        if (++calls == 1) {
            EXPECT_TRUE(std::is_sorted(progress.candidate.begin(), progress.candidate.end()));
            EXPECT_EQ(progress.row, 1);
            p.crossSumMin = 100;
        }
        return true;
    };
    const ComputationResult res = run(rq, 8, host);
    EXPECT_EQ(res.status, ComputationStatus::Done);
    for (const ComputedRow &row : res.rows)
        EXPECT_GE(row.crossSum, 100);
    EXPECT_EQ(res.parameters.crossSumMin, 100) << "a user's change is not restored";
}

TEST(Computation, NumberList) {
    ComputationRequest rq = request();
    rq.parameters.showNumberList = true;
    rq.sheet.rows[2] = locked({"7", "8", "9", "10", "11", "12"});

    // Cancel: no row is generated; locked rows stay as they were.
    ComputationHost host;
    std::size_t shownSize = 0;
    host.numberList = [&](const NumberPool &pool) {
        shownSize = pool.size();
        return NumberListAnswer{NumberListAnswer::Kind::Cancel, {}};
    };
    Random random(1);
    ComputationResult res = *runComputation(rq, random, host);
    EXPECT_GT(shownSize, 0u);
    EXPECT_EQ(res.status, ComputationStatus::Cancelled);
    EXPECT_TRUE(res.rows[0].empty());
    EXPECT_EQ(res.rows[2].lucky, "3");
    EXPECT_EQ(random.state(), 1u);

    // A replaced pool is used, 44 included.
    NumberList list;
    for (int n : {1, 3, 5, 7, 9, 44})
        list[static_cast<std::size_t>(n - 1)] = {true, "1"};
    rq.parameters.tipCount = 2;
    rq.parameters.maxShared = 6;
    host.numberList = [&](const NumberPool &) {
        return NumberListAnswer{NumberListAnswer::Kind::Replace, NumberPool::fromList(list)};
    };
    res = run(rq, 5, host);
    EXPECT_EQ(res.rows[0].numbers, (TipNumbers{1, 3, 5, 7, 9, 44}));

    // Fewer than six different numbers, or none: the budget counts as spent, the run ends.
    for (const std::vector<int> &numbers : {std::vector<int>{1, 2, 3, 4, 5}, std::vector<int>{}}) {
        NumberList small;
        for (int n : numbers)
            small[static_cast<std::size_t>(n - 1)] = {true, "50"};
        host.numberList = [&](const NumberPool &) {
            return NumberListAnswer{NumberListAnswer::Kind::Replace, NumberPool::fromList(small)};
        };
        res = run(rq, 5, host);
        EXPECT_EQ(res.status, ComputationStatus::BudgetUsedUp);
        EXPECT_EQ(res.runs, res.budget);
        EXPECT_TRUE(res.rows[0].empty());
        EXPECT_EQ(res.rows[2].numbers, (TipNumbers{7, 8, 9, 10, 11, 12}));
    }
}

TEST(Computation, ReferenceDrawsFollowTheBrowser) {
    const std::vector<Draw> &draws = history();
    // A Thursday selects the following Saturday; without Wednesday draws the steps skip them.
    const Draw &saturday =
        *std::find_if(draws.begin() + 100, draws.end(), [](const Draw &d) { return weekdayOf(d.date) == 7; });
    const std::size_t index = static_cast<std::size_t>(&saturday - draws.data());
    const ReferenceSelection s = selectReferenceDraws(draws, saturday.date - 2, true, false);
    EXPECT_EQ(s.currentIndex, index);
    EXPECT_EQ(s.endDate, saturday.date);
    EXPECT_EQ(s.draws.last, saturday);
    EXPECT_EQ(s.draws.previous, draws[index - 2]);
    EXPECT_EQ(s.draws.thirdLast, draws[index - 4]);

    const ReferenceSelection none = selectReferenceDraws({}, 1234, true, true);
    EXPECT_EQ(none.endDate, 1234);
    EXPECT_EQ(none.draws.last, Draw{});
}

TEST(Computation, CandidateStatusText) {
    const TipNumbers t = {1, 2, 13, 24, 35, 41};
    EXPECT_EQ(candidateStatusText(1, t, 116, "Tipp"), "1.Tipp:  1 2  13  24  35  41  QS: 116");
    EXPECT_EQ(candidateStatusText(2, t, 116, "Tipp"), "2.Tipp:  1 2  13  24  35  41   QS: 116");
    EXPECT_EQ(candidateStatusText(3, t, 116, "Tipp"), "3.Tipp:  1 2  13  24  35  41    QS: 116");
    EXPECT_EQ(candidateStatusText(4, t, 116, "Tipp"), "4.Tipp:  1 2  13  24  35  41   QS: 116");
    EXPECT_EQ(candidateStatusText(14, t, 116, "Tipp"), "14.Tipp:  1 2  13  24  35  41  QS: 116");
}

TEST(Computation, CrossSumMinimumAboveMaximumIsRefusedBeforeTheRun) {
    ComputationRequest rq = request();
    rq.parameters.crossSumMin = 151;
    rq.parameters.crossSumMax = 150;
    ComputationHost host;
    bool touched = false;
    host.pool.stepStarted = [&](Msg) { touched = true; };
    host.rowCommitted = [&](int, const ComputedRow &) { touched = true; };
    Random random(7);
    const Result<ComputationResult> refused = runComputation(rq, random, host);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().code, Error::Code::BadArgument);
    EXPECT_NE(refused.error().message.find("cross-sum minimum 151 is above maximum 150"), std::string::npos)
        << refused.error().message;
    EXPECT_FALSE(touched);
    EXPECT_EQ(random.state(), 7u);
    EXPECT_EQ(checkComputationSettings(rq.parameters).error().message, refused.error().message);

    // Equal limits are a narrow but possible setting.
    rq.parameters.crossSumMin = rq.parameters.crossSumMax = 150;
    rq.parameters.tipCount = 2;
    rq.parameters.limitSharedMax = false;
    EXPECT_TRUE(checkComputationSettings(rq.parameters).ok());
    const ComputationResult narrow = run(rq, 7);
    EXPECT_EQ(narrow.rows[0].crossSum, 150);
}
