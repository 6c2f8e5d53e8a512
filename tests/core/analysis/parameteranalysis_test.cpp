#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>

#include <unistd.h>

#include "core/history/drawfile.h"
#include "core/analysis/parameteranalysis.h"
#include "core/analysis/repetitionanalysis.h"
#include "reference.h"

using namespace quorix;

namespace {

DaySerial day(int y, int m, int d) {
    return serialFromYmd(y, m, d);
}

// Wednesday and Saturday draws from 2023-11-01 (a Wednesday) on, 6 from 42 without bonus number.
const std::vector<Draw> &history() {
    static const std::vector<Draw> draws = reference::madeUpHistory(day(2023, 11, 1), 60, 77, 0);
    return draws;
}

ParameterAnalysisRequest baseRequest(DaySerial from) {
    ParameterAnalysisRequest rq;
    rq.startDate = kEarliestStartDate;
    rq.fromDate = from;
    rq.today = day(2030, 1, 1);
    rq.seed = 4711;
    rq.parameters.maxRunsThousands = 20;
    return rq;
}

struct Walked {
    ParameterAnalysis result;
    std::vector<AnalysisTurn> turns;
};

Walked walkFast(std::span<const Draw> draws, const ParameterAnalysisRequest &rq, int stopAfter = -1) {
    Walked w;
    Random random(1);
    auto result = analyseParameters(draws, rq, random, [&](const AnalysisTurn &turn) {
        w.turns.push_back(turn);
        return turn.turn != stopAfter;
    });
    EXPECT_TRUE(result.ok()) << result.error().message;
    if (result) w.result = *result;
    return w;
}

std::vector<DaySerial> checkedDates(const Walked &w) {
    std::vector<DaySerial> dates;
    for (const AnalysisTurn &t : w.turns)
        dates.push_back(t.checked.draw.date);
    return dates;
}

std::uint32_t rowsOf(const HitTally &tally) {
    std::uint32_t n = 0;
    for (const auto &pair : tally.counts)
        n += pair[0] + pair[1];
    return n;
}

} // namespace

TEST(ParameterAnalysis, StartedOnTodayWalksNoTurnAndReportsZeros) {
    ParameterAnalysisRequest rq = baseRequest(day(2024, 1, 10));
    rq.today = rq.fromDate;
    const Walked w = walkFast(history(), rq);
    EXPECT_EQ(w.result.turns, 0);
    EXPECT_TRUE(w.turns.empty());
    EXPECT_EQ(w.result.table, AnalysisTable{});
    EXPECT_EQ(w.result.expected, ExpectedTable{});
    // The draw for the date is current all the same, and the picker followed it.
    EXPECT_EQ(w.result.endDate, day(2024, 1, 10));
    const std::vector<std::string> lines = parameterReportLines(w.result, {"T", "Ziehungen", "S", "C"});
    EXPECT_EQ(lines[15], "0 Ziehungen");
    EXPECT_EQ(lines[1], "0x\t=>\t0\t=>\t0");
}

TEST(ParameterAnalysis, StepsThreeDaysWithBothWeekdaysAndSixWithOne) {
    const DaySerial newest = history().back().date;
    struct Case {
        const char *name;
        DaySerial from;
        bool saturday;
        bool wednesday;
        int firstWeekday; // of every checked draw but the repeated newest, 0: alternating
    };
    const Case cases[] = {
        {"both boxes, from a Monday", day(2024, 1, 8), true, true, 0},
        {"Saturdays only, from a Saturday", day(2024, 1, 13), true, false, 7},
        {"Saturdays only, from a Wednesday: the Wednesdays", day(2024, 1, 10), true, false, 4},
        {"Wednesdays only, from a Saturday: the Saturdays", day(2024, 1, 13), false, true, 7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ParameterAnalysisRequest rq = baseRequest(c.from);
        rq.saturday = c.saturday;
        rq.wednesday = c.wednesday;
        const Walked w = walkFast(history(), rq);
        const std::vector<DaySerial> dates = checkedDates(w);
        ASSERT_GE(dates.size(), 3u);
        // The walk ends with the newest draw checked twice: once reached, once found again.
        EXPECT_EQ(dates.back(), newest);
        EXPECT_EQ(dates[dates.size() - 2], newest);
        EXPECT_EQ(w.result.turns, static_cast<int>(dates.size()));
        DaySerial before = w.turns.front().tipsFor;
        for (std::size_t i = 0; i + 1 < dates.size(); ++i) {
            if (c.firstWeekday == 0) {
                EXPECT_EQ(dates[i] - before, weekdayOf(before) == 4 ? 3 : 4) << formatIso(dates[i]);
            } else if (dates[i] != newest) {
                EXPECT_EQ(dates[i] - before, 7) << formatIso(dates[i]);
                EXPECT_EQ(weekdayOf(dates[i]), c.firstWeekday);
            }
            EXPECT_EQ(w.turns[i].tipsFor, before);
            before = dates[i];
        }
    }
}

TEST(ParameterAnalysis, CountsEveryCheckedRowInTheColumnOfItsDrawsWeekday) {
    ParameterAnalysisRequest rq = baseRequest(day(2024, 1, 8));
    rq.parameters.tipCount = 5;
    const Walked w = walkFast(history(), rq);
    AnalysisTable sum{};
    for (const AnalysisTurn &t : w.turns) {
        EXPECT_EQ(rowsOf(t.tally), 5u);
        const std::size_t column = weekdayOf(t.checked.draw.date) == 7 ? SaturdayPlain : WednesdayPlain;
        for (int i = 0; i <= 6; ++i) {
            sum[static_cast<std::size_t>(i)][column] += t.tally.at(i, false);
            sum[static_cast<std::size_t>(i)][column + 1] += t.tally.at(i, true);
        }
    }
    EXPECT_EQ(w.result.table, sum);
    // The last computation's tips stay on the sheet.
    EXPECT_EQ(w.result.sheet, w.turns.back().sheet);
    EXPECT_EQ(w.result.current.draw, history().back());
}

TEST(ParameterAnalysis, RecomputesOnlyAfterAWinWhenAsked) {
    ParameterAnalysisRequest rq = baseRequest(day(2023, 11, 1));
    rq.recomputeOnlyAfterWin = true;
    // Fourteen rows win (three hits or more) in about a third of the turns.
    const Walked w = walkFast(history(), rq);
    ASSERT_GT(w.turns.size(), 10u);
    int kept = 0;
    int recomputed = 0;
    for (std::size_t i = 1; i < w.turns.size(); ++i) {
        const HitTally &before = w.turns[i - 1].tally;
        std::uint32_t wins = 0;
        for (int h = 3; h <= 6; ++h)
            wins += before.at(h, false) + before.at(h, true);
        EXPECT_EQ(w.turns[i].computed, wins > 0) << "turn " << i + 1;
        if (!w.turns[i].computed) {
            EXPECT_EQ(w.turns[i].sheet, w.turns[i - 1].sheet);
            ++kept;
        } else {
            ++recomputed;
        }
    }
    EXPECT_GT(kept, 0);
    EXPECT_GT(recomputed, 0);
    EXPECT_TRUE(w.turns.front().computed);
}

TEST(ParameterAnalysis, SeedIsSetBeforeEveryTurn) {
    // Without locked rows and with the same draws behind two end dates, the sheet depends only on
    // the seed and the end date: a walk started later repeats the later turns of an earlier one.
    const Walked early = walkFast(history(), baseRequest(day(2024, 1, 8)));
    const Walked late = walkFast(history(), baseRequest(day(2024, 2, 5)));
    ASSERT_FALSE(late.turns.empty());
    const DaySerial lateFirst = late.turns.front().tipsFor;
    auto it = std::find_if(early.turns.begin(), early.turns.end(),
                           [&](const AnalysisTurn &t) { return t.tipsFor == lateFirst; });
    ASSERT_NE(it, early.turns.end());
    EXPECT_EQ(it->sheet, late.turns.front().sheet);
}

TEST(ParameterAnalysis, StopEndsAfterTheTurnAndSaysSo) {
    const Walked w = walkFast(history(), baseRequest(day(2024, 1, 8)), 3);
    EXPECT_EQ(w.result.turns, 3);
    EXPECT_TRUE(w.result.stopped);
    EXPECT_EQ(w.result.current, w.turns.back().checked);
    const std::vector<std::string> lines =
        parameterReportLines(w.result, {"T", "Ziehungen", "Angehalten", "C"});
    EXPECT_EQ(lines[15], "3 Ziehungen");
    EXPECT_EQ(lines[16], "Angehalten " + formatDmy(w.turns.back().checked.draw.date));
    EXPECT_EQ(lines[18], "C");
    // A stop asked for in the last turn stops nothing.
    const Walked whole = walkFast(history(), baseRequest(day(2024, 1, 8)));
    const Walked last = walkFast(history(), baseRequest(day(2024, 1, 8)), whole.result.turns);
    EXPECT_FALSE(last.result.stopped);
}

TEST(ParameterAnalysis, RefusesAnEmptyHistoryAndImpossibleSettings) {
    Random random(1);
    EXPECT_FALSE(analyseParameters({}, baseRequest(day(2024, 1, 8)), random).ok());
    ParameterAnalysisRequest rq = baseRequest(day(2024, 1, 8));
    rq.parameters.crossSumMin = 200;
    rq.parameters.crossSumMax = 100;
    EXPECT_FALSE(analyseParameters(history(), rq, random).ok());
}

TEST(ParameterAnalysis, ReportHasTheFixedLinesThenWhatChanceGives) {
    ParameterAnalysis a;
    for (std::size_t x = 0; x < 7; ++x)
        a.table[x] = {static_cast<std::uint32_t>(10 * x), static_cast<std::uint32_t>(10 * x + 1),
                      static_cast<std::uint32_t>(10 * x + 2), static_cast<std::uint32_t>(10 * x + 3)};
    a.expected[3] = {12.345, 0.5, 0.004, 1234.5678};
    a.turns = 42;
    const std::string text =
        parameterReportText(a, {"Historische Analyse der Parameter", "Ziehungen", "S", "Zufall"});
    const std::string expected = "Historische Analyse der Parameter\r\n"
                                 "0x\t=>\t0\t=>\t2\r\n0x + ZZ\t=>\t1\t=>\t3\r\n"
                                 "1x\t=>\t10\t=>\t12\r\n1x + ZZ\t=>\t11\t=>\t13\r\n"
                                 "2x\t=>\t20\t=>\t22\r\n2x + ZZ\t=>\t21\t=>\t23\r\n"
                                 "3x\t=>\t30\t=>\t32\r\n3x + ZZ\t=>\t31\t=>\t33\r\n"
                                 "4x\t=>\t40\t=>\t42\r\n4x + ZZ\t=>\t41\t=>\t43\r\n"
                                 "5x\t=>\t50\t=>\t52\r\n5x + ZZ\t=>\t51\t=>\t53\r\n"
                                 "6x\t=>\t60\t=>\t62\r\n"
                                 "\r\n42 Ziehungen\r\n"
                                 "\r\nZufall\r\n"
                                 "0x\t=>\t0,00\t=>\t0,00\r\n0x + ZZ\t=>\t0,00\t=>\t0,00\r\n"
                                 "1x\t=>\t0,00\t=>\t0,00\r\n1x + ZZ\t=>\t0,00\t=>\t0,00\r\n"
                                 "2x\t=>\t0,00\t=>\t0,00\r\n2x + ZZ\t=>\t0,00\t=>\t0,00\r\n"
                                 "3x\t=>\t12,35\t=>\t0,00\r\n3x + ZZ\t=>\t0,50\t=>\t1234,57\r\n"
                                 "4x\t=>\t0,00\t=>\t0,00\r\n4x + ZZ\t=>\t0,00\t=>\t0,00\r\n"
                                 "5x\t=>\t0,00\t=>\t0,00\r\n5x + ZZ\t=>\t0,00\t=>\t0,00\r\n"
                                 "6x\t=>\t0,00\t=>\t0,00\r\n";
    EXPECT_EQ(text, expected);
}

TEST(ParameterAnalysis, ChancesAreTheHypergeometricOnesOfTheDrawsGame) {
    // 6 from 42: C(42, 6) = 5 245 786; three hits C(6,3) C(36,3) = 20 * 7140.
    auto c42 = outcomeChances(42, 6, false);
    EXPECT_DOUBLE_EQ(c42[3][0], 142800.0 / 5245786.0);
    EXPECT_DOUBLE_EQ(c42[6][0], 1.0 / 5245786.0);
    EXPECT_EQ(c42[5][1], 0.0);
    double total = 0;
    for (const auto &k : c42)
        total += k[0] + k[1];
    EXPECT_NEAR(total, 1.0, 1e-12);
    // 6 from 45 with a bonus number: five hits and the bonus is the sixth tip number,
    // 6 * 39 / C(45, 6) times 1/39.
    auto c45 = outcomeChances(45, 6, true);
    EXPECT_DOUBLE_EQ(c45[5][1], 6.0 / 8145060.0);
    EXPECT_DOUBLE_EQ(c45[5][0], 6.0 * 38 / 8145060.0);
    EXPECT_EQ(c45[6][1], 0.0);
    // A tip with a number outside a 6-from-40 game can never have six hits.
    EXPECT_EQ(outcomeChances(40, 5, true)[6][0], 0.0);

    EXPECT_EQ(gameHighestNumber(day(1975, 5, 3)), 40);
    EXPECT_EQ(gameHighestNumber(day(1985, 12, 28)), 42);
    EXPECT_EQ(gameHighestNumber(day(2013, 1, 9)), 45);
    EXPECT_EQ(gameHighestNumber(day(2013, 1, 12)), 42);
}

TEST(ParameterAnalysis, ExpectedCountsFollowTheRowsCheckedAndTheGame) {
    // Two turns over the change of game: 6 from 45 with bonus number, then 6 from 42 without.
    const std::vector<Draw> draws = reference::madeUpHistory(day(2012, 12, 26), 8, 5, day(2013, 1, 9));
    ParameterAnalysisRequest rq = baseRequest(day(2013, 1, 5));
    rq.parameters.tipCount = 1;
    rq.sheet.rows[4] = {{"1", "2", "3", "4", "5", "6"}, "-", true};
    rq.sheet.rows[9] = {{"1", "2", "", "4", "5", "6"}, "-", true}; // incomplete: never checked
    const Walked w = walkFast(draws, rq, 2);
    ASSERT_EQ(w.result.turns, 2);
    ASSERT_EQ(w.turns[0].checked.draw.date, day(2013, 1, 9));  // a Wednesday
    ASSERT_EQ(w.turns[1].checked.draw.date, day(2013, 1, 12)); // a Saturday
    const auto c45 = outcomeChances(45, 6, true);
    const auto c42 = outcomeChances(42, 6, false);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_DOUBLE_EQ(w.result.expected[k][WednesdayPlain], 2 * c45[k][0]);
        EXPECT_DOUBLE_EQ(w.result.expected[k][WednesdayBonus], 2 * c45[k][1]);
        EXPECT_DOUBLE_EQ(w.result.expected[k][SaturdayPlain], 2 * c42[k][0]);
        EXPECT_EQ(w.result.expected[k][SaturdayBonus], 0.0);
    }
}

// ---- the walk read once against the walk that rereads the file ---------------------------------

namespace {

struct Variant {
    const char *name;
    void (*apply)(ParameterAnalysisRequest &);
};

void defaults(ParameterAnalysisRequest &) {}

void everyPreference(ParameterAnalysisRequest &rq) {
    TipParameters &p = rq.parameters;
    p.preferFrequent = p.preferFrequentPairs = p.preferRarePairs = p.preferFrequentTriples = true;
    p.preferRareTriples = p.preferFrequentQuadruples = p.preferRareQuadruples = p.preferNeighbours = true;
    p.luckyOption = 1;
    p.countBonusHit = false;
    rq.seed = 99;
}

void strictSaturdays(ParameterAnalysisRequest &rq) {
    TipParameters &p = rq.parameters;
    p.pastWinHits = 4;
    p.longHits = 3;
    p.longDraws = 500;
    p.luckyOption = 2;
    p.maxRunsThousands = 30;
    rq.wednesday = false;
    rq.seed = 123456;
}

void lockedRowsAfterWins(ParameterAnalysisRequest &rq) {
    rq.recomputeOnlyAfterWin = true;
    rq.parameters.tipCount = 9;
    rq.sheet.rows[1] = {{"30", "9", "17", "22", "3", "41"}, "4", true};
    rq.sheet.rows[12] = {{"1", "2", "3", "4", "5", "6"}, "1", true};
    rq.saturday = false;
    rq.seed = 7;
}

class TempFile {
public:
    explicit TempFile(const std::vector<Draw> &draws)
        : m_path(std::filesystem::temp_directory_path() /
                 ("quorix-analysis-" + std::to_string(::getpid()) + ".dat")) {
        EXPECT_TRUE(DrawFile(m_path).rewrite(draws).ok());
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    DrawFile file() const { return DrawFile(m_path); }

private:
    std::filesystem::path m_path;
};

void expectSameWalks(const std::vector<Draw> &draws, const ParameterAnalysisRequest &rq) {
    const TempFile temp(draws);
    const DrawFile file = temp.file();
    std::vector<AnalysisTurn> literalTurns;
    Random literalRandom(5);
    const auto literal = analyseParametersLiteral(file, rq, literalRandom, [&](const AnalysisTurn &t) {
        literalTurns.push_back(t);
        return true;
    });
    ASSERT_TRUE(literal.ok()) << literal.error().message;
    Random fastRandom(5);
    std::size_t turn = 0;
    const auto fast = analyseParameters(draws, rq, fastRandom, [&](const AnalysisTurn &t) {
        EXPECT_LT(turn, literalTurns.size());
        if (turn < literalTurns.size()) {
            const AnalysisTurn &l = literalTurns[turn];
            EXPECT_EQ(t.sheet, l.sheet) << "turn " << t.turn;
            EXPECT_EQ(t.tally, l.tally) << "turn " << t.turn;
            EXPECT_EQ(t.checked, l.checked) << "turn " << t.turn;
            EXPECT_EQ(t.computed, l.computed) << "turn " << t.turn;
        }
        ++turn;
        return true;
    });
    ASSERT_TRUE(fast.ok());
    EXPECT_EQ(turn, literalTurns.size());
    EXPECT_EQ(fast->table, literal->table);
    EXPECT_EQ(fast->expected, literal->expected);
    EXPECT_EQ(fast->sheet, literal->sheet);
    EXPECT_EQ(fastRandom.state(), literalRandom.state());
    EXPECT_GT(fast->turns, 0);
}

} // namespace

TEST(ParameterAnalysisFastWalk, MatchesTheLiteralWalkTurnForTurn) {
    const Variant variants[] = {
        {"defaults", defaults},
        {"every preference", everyPreference},
        {"strict, Saturdays only", strictSaturdays},
        {"locked rows, Wednesdays only, recompute after wins", lockedRowsAfterWins},
    };
    // A made-up history across the change of game, and the end of the real one.
    const std::vector<Draw> madeUp = reference::madeUpHistory(day(2011, 6, 1), 300, 31, day(2013, 1, 9));
    std::vector<Draw> real = reference::realHistory(QUORIX_REAL_DRAWS);
    ASSERT_FALSE(real.empty());
    for (const Variant &v : variants) {
        SCOPED_TRACE(v.name);
        ParameterAnalysisRequest rq = baseRequest(day(2012, 11, 5));
        rq.startDate = day(1995, 1, 1);
        v.apply(rq);
        expectSameWalks(madeUp, rq);
        rq.fromDate = day(2025, 9, 1);
        rq.startDate = kEarliestStartDate;
        expectSameWalks(real, rq);
    }
}

// ---- what the fast walk grows instead of making anew ---------------------------------------

TEST(GrowingHistory, StatisticsAndTableEqualFreshOnesAtEveryEnd) {
    const std::vector<Draw> draws = reference::realHistory(QUORIX_REAL_DRAWS);
    ASSERT_FALSE(draws.empty());
    const StatisticsWindow first{day(1995, 3, 1), day(2013, 1, 5), true, false};
    std::vector<GrowingStatistic> grown;
    for (StatisticKind kind : kAllStatisticKinds)
        grown.emplace_back(kind, draws, first);
    DrawTable table(draws, first);
    Random random(3);
    const auto randomTip = [&] {
        NumberMask tip = 0;
        while (std::popcount(tip) < 6)
            tip |= NumberMask{1} << (random.below(42) + 1);
        return tip;
    };
    // Enough queries that every index the table keeps is built before it grows.
    for (int i = 0; i < 600; ++i)
        for (int hits = 3; hits <= 6; ++hits)
            table.noPastWin(randomTip(), hits, i % 2 == 0);
    for (const DaySerial end : {day(2013, 1, 5), day(2013, 1, 9), day(2016, 6, 1), day(2026, 8, 19)}) {
        SCOPED_TRACE(formatIso(end));
        StatisticsWindow window = first;
        window.endDate = end;
        for (std::size_t k = 0; k < grown.size(); ++k) {
            const NumberStatistics g = grown[k].until(end);
            const NumberStatistics fresh = computeStatistic(kAllStatisticKinds[k], window, draws);
            EXPECT_EQ(g.entries, fresh.entries) << statisticKindName(fresh.kind);
            EXPECT_EQ(g.drawCount, fresh.drawCount);
            EXPECT_EQ(g.averageCrossSum, fresh.averageCrossSum);
            EXPECT_EQ(g.sharePercent, fresh.sharePercent);
            EXPECT_EQ(g.lastPassing, fresh.lastPassing);
        }
        table.advanceTo(draws, end);
        const DrawTable freshTable(draws, window);
        ASSERT_EQ(table.size(), freshTable.size());
        for (int i = 0; i < 400; ++i) {
            const NumberMask tip = randomTip();
            const int hits = 3 + i % 4;
            const bool bonus = i % 3 == 0;
            EXPECT_EQ(table.noPastWin(tip, hits, bonus), freshTable.noPastWin(tip, hits, bonus));
            EXPECT_EQ(table.noRecentHits(tip, hits - 1, 300, bonus),
                      freshTable.noRecentHits(tip, hits - 1, 300, bonus));
        }
    }
}

// Histories out of date order (a converted file of garbage, a record whose date decodes to day 0
// at the end): every walk ends, the literal one on the file as the fast one in memory, and so does
// the repetition analysis, which steps through the same files.
TEST(ParameterAnalysis, EveryWalkEndsOnAHistoryOutOfDateOrder) {
    const std::vector<Draw> sound(history().begin(), history().begin() + 16);
    const auto withDateAtEnd = [&](double date) {
        std::string bytes;
        for (const Draw &d : sound) {
            const DrawRecord r = DrawRecord::fromDraw(d);
            bytes.append(r.bytes.begin(), r.bytes.end());
        }
        DrawRecord last = DrawRecord::fromDraw(sound.front());
        std::memcpy(last.bytes.data(), &date, sizeof date);
        return bytes + std::string(last.bytes.begin(), last.bytes.end());
    };
    std::string shuffled;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const DrawRecord r = DrawRecord::fromDraw(sound[(i * 7) % sound.size()]);
        shuffled.append(r.bytes.begin(), r.bytes.end());
    }
    const struct {
        const char *name;
        std::string bytes;
    } cases[] = {
        {"1899 at the end", withDateAtEnd(0.0)},
        {"not a number at the end", withDateAtEnd(std::nan(""))},
        {"1e300 at the end", withDateAtEnd(1e300)},
        {"an earlier draw at the end", withDateAtEnd(sound[3].date)},
        {"shuffled", shuffled},
    };
    const auto folder =
        std::filesystem::temp_directory_path() / ("quorix-unordered-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const DrawFile file(folder / "ZahlenCH.dat");
        std::ofstream(file.path(), std::ios::binary | std::ios::trunc) << c.bytes;
        const std::vector<Draw> draws = *file.readAll();
        for (DaySerial from : {sound.front().date, sound[8].date, sound.back().date + 1}) {
            RepetitionSettings settings;
            settings.startDate = kEarliestStartDate;
            settings.fromDate = from;
            settings.threshold = 3;
            const RepetitionOutcome repetition = analyseRepetition(draws, settings, {});
            EXPECT_LE(repetition.turns, static_cast<int>(draws.size()));

            // Starting on a record without a date is refused as a history without draws.
            const ParameterAnalysisRequest rq = baseRequest(from);
            Random random(1);
            const auto fast = analyseParameters(draws, rq, random);
            Random again(1);
            const auto literal = analyseParametersLiteral(file, rq, again);
            ASSERT_EQ(literal.ok(), fast.ok());
            if (!fast) continue;
            EXPECT_GE(fast->turns, 1);
            EXPECT_LE(fast->turns, static_cast<int>(draws.size()) + 1);
            EXPECT_EQ(literal->turns, fast->turns);
            EXPECT_EQ(literal->table, fast->table);
        }
    }
    std::filesystem::remove_all(folder);
}
