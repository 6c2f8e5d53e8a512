#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/analysis/repetitionanalysis.h"
#include "core/game/tipcheck.h"
#include "reference.h"
#include "referencerepetition.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

Draw drawOn(const char *iso, std::array<int, 6> numbers) {
    Draw d;
    d.date = *parseIsoDate(iso);
    d.numbers = numbers;
    d.bonus = 44; // never shared: the bonus number plays no part
    d.lucky = 3;
    return d;
}

// Saturdays and Wednesdays. C repeats A; B shares five with both.
const std::vector<Draw> kHistory = {
    drawOn("2024-03-02", {1, 2, 3, 4, 5, 6}),       // A Sat
    drawOn("2024-03-06", {1, 2, 3, 4, 5, 7}),       // B Wed
    drawOn("2024-03-09", {6, 5, 4, 3, 2, 1}),       // C Sat
    drawOn("2024-03-13", {10, 11, 12, 13, 14, 15}), // D Wed
    drawOn("2024-03-16", {1, 2, 3, 10, 11, 40}),    // E Sat
    drawOn("2024-03-20", {6, 7, 12, 13, 41, 42}),   // F Wed, the newest
};

struct WalkCase {
    const char *name;
    const char *from;
    const char *start;
    bool saturday;
    bool wednesday;
    int threshold;
    int turns;
    RepetitionTables tables;
    std::vector<std::string> matches;
    const char *endsOn; // the draw the browser ends on
    const char *lastTurn;
};

void PrintTo(const WalkCase &c, std::ostream *os) {
    *os << c.name;
}

std::string iso(DaySerial d) {
    return formatIso(d);
}

class RepetitionWalk : public ::testing::TestWithParam<WalkCase> {
protected:
    static void SetUpTestSuite() {
        s_file = fs::temp_directory_path() / ("quorix-repetition-" + std::to_string(::getpid()) + ".dat");
        reference::writeDrawFile(s_file, kHistory);
    }
    static void TearDownTestSuite() { fs::remove(s_file); }
    static fs::path s_file;
};

fs::path RepetitionWalk::s_file;

RepetitionSettings settingsOf(const WalkCase &c) {
    return {*parseIsoDate(c.start), *parseIsoDate(c.from), {c.saturday, c.wednesday}, c.threshold};
}

} // namespace

TEST_P(RepetitionWalk, TablesMatchesAndEnd) {
    const WalkCase &c = GetParam();
    std::vector<std::string> matches;
    std::vector<std::string> turns;
    RepetitionHandler handler;
    handler.turn = [&](int turn, const BrowsedDraw &draw, DaySerial newest) {
        EXPECT_EQ(turn, static_cast<int>(turns.size()) + 1);
        EXPECT_EQ(newest, kHistory.back().date);
        turns.push_back(iso(draw.draw.date));
    };
    handler.match = [&](const Draw &turn, const Draw &earlier, int shared) {
        EXPECT_GE(shared, c.threshold);
        matches.push_back(iso(turn.date) + ">" + iso(earlier.date));
        return true;
    };
    const RepetitionOutcome out = analyseRepetition(kHistory, settingsOf(c), handler);
    EXPECT_EQ(out.turns, c.turns);
    EXPECT_EQ(static_cast<int>(turns.size()), c.turns);
    EXPECT_EQ(out.tables.earlier, c.tables.earlier);
    EXPECT_EQ(out.tables.next1, c.tables.next1);
    EXPECT_EQ(out.tables.next2, c.tables.next2);
    EXPECT_EQ(out.tables.next3, c.tables.next3);
    EXPECT_EQ(matches, c.matches);
    EXPECT_FALSE(out.stopped);
    EXPECT_EQ(iso(out.current.draw.date), c.endsOn);
    EXPECT_EQ(out.current.draw, kHistory[out.current.index]);
    EXPECT_EQ(iso(out.lastTurnDraw.date), c.lastTurn);

    // The same walk written straight from the rules, through the file and the browser.
    const reference::RepetitionRun literal = reference::repetitionWalk(s_file, settingsOf(c));
    EXPECT_EQ(literal.outcome.turns, out.turns);
    EXPECT_EQ(literal.outcome.tables, out.tables);
    EXPECT_EQ(literal.outcome.current, out.current);
    EXPECT_EQ(literal.matches, matches);
}

// Turns from A with both boxes: A B C D E (F is the newest and no first turn); the tables are
// worked out by hand from the fixture.
INSTANTIATE_TEST_SUITE_P(
    Table, RepetitionWalk,
    ::testing::Values(
        WalkCase{"everyDrawThresholdSixStopsOnlyAtTheRepeat",
                 "2024-03-02",
                 "1990-03-17",
                 true,
                 true,
                 6,
                 5,
                 {{3, 0, 1, 3, 0, 2, 1}, {2, 0, 1, 0, 0, 2, 0}, {1, 0, 1, 1, 0, 0, 1}, {1, 1, 0, 1, 0, 0, 0}},
                 {"2024-03-09>2024-03-02"},
                 "2024-03-20",
                 "2024-03-16"},
        WalkCase{"thresholdSevenNeverStops",
                 "2024-03-02",
                 "1990-03-17",
                 true,
                 true,
                 7,
                 5,
                 {{3, 0, 1, 3, 0, 2, 1}, {2, 0, 1, 0, 0, 2, 0}, {1, 0, 1, 1, 0, 0, 1}, {1, 1, 0, 1, 0, 0, 0}},
                 {},
                 "2024-03-20",
                 "2024-03-16"},
        WalkCase{"thresholdFiveInFileOrder",
                 "2024-03-02",
                 "1990-03-17",
                 true,
                 true,
                 5,
                 5,
                 {{3, 0, 1, 3, 0, 2, 1}, {2, 0, 1, 0, 0, 2, 0}, {1, 0, 1, 1, 0, 0, 1}, {1, 1, 0, 1, 0, 0, 0}},
                 {"2024-03-06>2024-03-02", "2024-03-09>2024-03-02", "2024-03-09>2024-03-06"},
                 "2024-03-20",
                 "2024-03-16"},
        // The newest draw as the first turn: earlier filled, nothing follows.
        WalkCase{"startingAtTheNewestIsOneTurn",
                 "2024-03-20",
                 "1990-03-17",
                 true,
                 true,
                 6,
                 1,
                 {{1, 3, 1, 0, 0, 0, 0}, {}, {}, {}},
                 {},
                 "2024-03-20",
                 "2024-03-20"},
        WalkCase{"fromAfterTheNewestSelectsTheNewest",
                 "2025-01-01",
                 "1990-03-17",
                 true,
                 true,
                 6,
                 1,
                 {{1, 3, 1, 0, 0, 0, 0}, {}, {}, {}},
                 {},
                 "2024-03-20",
                 "2024-03-20"},
        // The start date counts inclusively; E's next draw is the newest, so E is the only turn.
        WalkCase{"startDateBoundsTheEarlierDraws",
                 "2024-03-16",
                 "2024-03-06",
                 true,
                 true,
                 6,
                 1,
                 {{0, 0, 1, 2, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0}, {}, {}},
                 {},
                 "2024-03-20",
                 "2024-03-16"},
        // Saturdays only: A C E; every earlier draw counts, Wednesday or not. From E nothing
        // later is admitted, so the walk ends there instead of turning on E again.
        WalkCase{"saturdaysOnly",
                 "2024-03-02",
                 "1990-03-17",
                 true,
                 false,
                 6,
                 3,
                 {{0, 0, 1, 3, 0, 1, 1}, {0, 0, 0, 1, 0, 0, 1}, {0, 0, 0, 1, 0, 0, 0}, {}},
                 {"2024-03-09>2024-03-02"},
                 "2024-03-16",
                 "2024-03-16"},
        // The first turn ignores the boxes: B is a Wednesday.
        WalkCase{"firstTurnIgnoresTheBoxes",
                 "2024-03-05",
                 "1990-03-17",
                 true,
                 false,
                 7,
                 3,
                 {{0, 0, 1, 3, 0, 2, 1}, {0, 0, 0, 1, 0, 1, 0}, {0, 0, 0, 1, 0, 0, 0}, {}},
                 {},
                 "2024-03-16",
                 "2024-03-16"},
        // Wednesdays only from A: B D, then F is the newest.
        WalkCase{"wednesdaysOnly",
                 "2024-03-02",
                 "1990-03-17",
                 false,
                 true,
                 7,
                 3,
                 {{3, 0, 0, 0, 0, 1, 0}, {1, 0, 1, 0, 0, 1, 0}, {1, 1, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0, 0}},
                 {},
                 "2024-03-20",
                 "2024-03-13"}));

TEST(RepetitionAnalysis, NoEndsTheWalkWhereItIs) {
    int asked = 0;
    RepetitionHandler handler;
    handler.match = [&](const Draw &, const Draw &, int) { return ++asked < 2; };
    const RepetitionSettings settings{*parseIsoDate("1990-03-17"), *parseIsoDate("2024-03-02"), {}, 5};
    const RepetitionOutcome out = analyseRepetition(kHistory, settings, handler);
    EXPECT_TRUE(out.stopped);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(out.turns, 3);
    EXPECT_EQ(out.current.index, 2U); // C, the turn that was stopped
    EXPECT_EQ(out.lastTurnDraw, kHistory[2]);

    const fs::path file = fs::temp_directory_path() / ("quorix-repetition-no-" + std::to_string(::getpid()));
    reference::writeDrawFile(file, kHistory);
    const reference::RepetitionRun literal = reference::repetitionWalk(file, settings, 2);
    fs::remove(file);
    EXPECT_EQ(literal.outcome.turns, out.turns);
    EXPECT_EQ(literal.outcome.current, out.current);
}

// The end date each turn shows: the first turn its own draw's date plus ten days (also when that
// lies past the newest draw, or when the first turn is the newest draw), later turns the newest.
TEST(RepetitionAnalysis, EndShownIsProvisionalInTheFirstTurnOnly) {
    struct Case {
        const char *from;
        std::vector<std::string> shown; // per turn
    };
    const Case cases[] = {
        {"2024-03-02", {"2024-03-12", "2024-03-20", "2024-03-20", "2024-03-20", "2024-03-20"}},
        {"2024-03-16", {"2024-03-26"}},
        {"2024-03-20", {"2024-03-30"}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> shown;
        RepetitionHandler handler;
        handler.turn = [&](int turn, const BrowsedDraw &draw, DaySerial newest) {
            shown.push_back(iso(walkEndShown(turn, draw.draw.date, newest)));
        };
        const RepetitionSettings settings{*parseIsoDate("1990-03-17"), *parseIsoDate(c.from), {}, 7};
        analyseRepetition(kHistory, settings, handler);
        EXPECT_EQ(shown, c.shown) << c.from;
    }
}

TEST(RepetitionAnalysis, EmptyHistoryHasNoTurn) {
    const RepetitionOutcome out = analyseRepetition({}, {}, {});
    EXPECT_EQ(out.turns, 0);
    EXPECT_EQ(out.tables, RepetitionTables{});
}

// The tip row holds the draw's numbers as texts; the one-tip comparison of those texts is what
// the walk counts, damaged draws included.
TEST(RepetitionAnalysis, SharedNumbersAreTheOneTipComparison) {
    const std::vector<std::pair<std::array<int, 6>, std::array<int, 6>>> pairs = {
        {{1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1}},       {{5, 5, 18, 18, 24, 24}, {5, 18, 24, 1, 2, 3}},
        {{5, 18, 24, 1, 2, 3}, {5, 5, 18, 18, 24, 24}}, {{0, 0, 0, 0, 0, 0}, {0, 7, 8, 9, 10, 11}},
        {{43, 44, 45, 1, 2, 3}, {45, 44, 2, 9, 8, 7}},  {{255, 300, -1, 1, 2, 3}, {300, -1, 255, 7, 8, 9}},
    };
    for (const auto &[tip, drawn] : pairs) {
        Draw t;
        t.numbers = tip;
        Draw d;
        d.numbers = drawn;
        std::array<std::string, 6> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = std::to_string(tip[i]);
        EXPECT_EQ(sharedNumbers(t, d), zettelcheck(texts, "-", d).hits) << tip[0] << "," << drawn[0];

        // And the walk's own comparison: d as the only earlier draw of t.
        t.date = 2;
        d.date = 1;
        const std::vector<Draw> two = {d, t};
        const RepetitionOutcome out = analyseRepetition(two, {0, 2, {}, 7}, {});
        ShareCounts earlier{};
        ++earlier[static_cast<std::size_t>(sharedNumbers(t, d))];
        EXPECT_EQ(out.tables.earlier, earlier);
    }
}

// The walk in memory against the walk through the file on a piece of the real history, for each
// setting of the weekday boxes.
TEST(RepetitionAnalysis, RealHistoryAgreesWithTheLiteralWalk) {
    const std::vector<Draw> draws = reference::realHistory(QUORIX_REAL_DRAWS);
    ASSERT_FALSE(draws.empty()) << "no real draw history at " << QUORIX_REAL_DRAWS;
    const fs::path file =
        fs::temp_directory_path() / ("quorix-repetition-real-" + std::to_string(::getpid()));
    reference::writeDrawFile(file, draws);
    for (const WeekdayFilter filter : {WeekdayFilter{true, true}, WeekdayFilter{true, false},
                                       WeekdayFilter{false, true}, WeekdayFilter{false, false}}) {
        const RepetitionSettings settings{*parseIsoDate("2013-01-07"), *parseIsoDate("2023-06-01"), filter,
                                          4};
        std::vector<std::string> matches;
        RepetitionHandler handler;
        handler.match = [&](const Draw &turn, const Draw &earlier, int) {
            matches.push_back(iso(turn.date) + ">" + iso(earlier.date));
            return true;
        };
        const RepetitionOutcome out = analyseRepetition(draws, settings, handler);
        const reference::RepetitionRun literal = reference::repetitionWalk(file, settings);
        EXPECT_GT(out.turns, 100);
        EXPECT_EQ(literal.outcome.turns, out.turns);
        EXPECT_EQ(literal.outcome.tables, out.tables);
        EXPECT_EQ(literal.outcome.current, out.current);
        EXPECT_EQ(literal.matches, matches);
        EXPECT_FALSE(matches.empty());
    }
    fs::remove(file);
}

// A file out of date order (damaged, or written by hand) is taken as it stands, as a walk
// through the file would take it.
TEST(RepetitionAnalysis, FileOutOfDateOrderAgreesWithTheLiteralWalk) {
    // The oldest draw last.
    std::vector<Draw> shuffled = kHistory;
    std::rotate(shuffled.begin(), shuffled.begin() + 1, shuffled.end());
    const fs::path file =
        fs::temp_directory_path() / ("quorix-repetition-order-" + std::to_string(::getpid()));
    reference::writeDrawFile(file, shuffled);
    for (const char *from : {"2024-03-02", "2024-03-13"}) {
        const RepetitionSettings settings{*parseIsoDate("1990-03-17"), *parseIsoDate(from), {}, 3};
        int matches = 0;
        RepetitionHandler handler;
        handler.match = [&](const Draw &, const Draw &, int) { return ++matches > 0; };
        const RepetitionOutcome out = analyseRepetition(shuffled, settings, handler);
        const reference::RepetitionRun literal = reference::repetitionWalk(file, settings);
        EXPECT_EQ(literal.outcome.turns, out.turns) << from;
        EXPECT_EQ(literal.outcome.tables, out.tables) << from;
        EXPECT_EQ(static_cast<int>(literal.matches.size()), matches) << from;
    }
    fs::remove(file);
}
