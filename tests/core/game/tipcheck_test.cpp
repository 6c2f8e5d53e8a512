#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/tipcheck.h"

using namespace quorix;

namespace {

Draw exampleDraw() {
    Draw d;
    d.date = serialFromYmd(2014, 4, 5);
    d.numbers = {3, 11, 17, 25, 33, 40};
    d.bonus = 8;
    d.lucky = 5;
    d.replay = 7;
    d.joker = {4, 8, 2, 9, 1, 5};
    return d;
}

TipRow row(std::array<std::string, 6> numbers, std::string lucky = "-") {
    return {std::move(numbers), std::move(lucky)};
}

// A sheet whose first rows are the given ones; the others stay empty (and so invalid).
TipSheet sheetOf(std::initializer_list<TipRow> rows) {
    TipSheet sheet;
    std::copy(rows.begin(), rows.end(), sheet.rows.begin());
    return sheet;
}

using Marks = std::array<std::uint8_t, 6>;
const std::array<JokerTicket, 3> kNoJokers{};

} // namespace

TEST(TipCheck, TipIntegerAcceptsDecimalTextsOnly) {
    struct Case {
        const char *text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"17", 17},
        {" 5 ", 5},
        {"007", 7},
        {"-3", -3},
        {"+4", 4},
        {"", {}},
        {"-", {}},
        {"x", {}},
        {"1 2", {}},
        {"12a", {}},
        {"+-1", {}},
        {"99999999999", {}},
        {"2147483647", 2147483647},
        {"  ", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(tipInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(TipCheck, MainExampleRow) {
    const RowCheck r = checkRow(row({"40", "3", "25", "8", "12", "17"}, "5"), exampleDraw());
    ASSERT_TRUE(r.valid);
    EXPECT_EQ(r.sorted, (std::array<int, 6>{3, 8, 12, 17, 25, 40}));
    EXPECT_EQ(r.texts, (std::array<std::string, 6>{"3", "8", "12", "17", "25", "40"}));
    EXPECT_EQ(r.match.marks, (Marks{1, 2, 0, 1, 1, 1}));
    EXPECT_EQ(r.match.hits, 4);
    EXPECT_EQ(r.hitText, "4 + Z + G");
    EXPECT_EQ(r.crossSum, 105);
    EXPECT_TRUE(r.red);
    EXPECT_TRUE(r.playSound);

    const TipSheet sheet = sheetOf({row({"40", "3", "25", "8", "12", "17"}, "5")});
    const SheetCheck s = komplettcheck(true, sheet, "", "Replay", exampleDraw(), kNoJokers);
    EXPECT_EQ(s.tally.at(4, true), 1u);
    HitTally only;
    only.counts[4][1] = 1;
    EXPECT_EQ(s.tally, only);
}

TEST(TipCheck, RowResults) {
    struct Case {
        TipRow tip;
        bool valid;
        const char *hitText;
        bool red;
    };
    const Case cases[] = {
        {row({"3", "11", "1", "2", "4", "6"}, "-"), true, "2", false},
        {row({"3", "11", "17", "1", "2", "4"}, "-"), true, "3", true},
        {row({"1", "2", "4", "6", "7", "9"}, "5"), true, "0 + G", false},
        {row({"1", "2", "", "6", "7", "9"}, "5"), false, "", false}, // incomplete row
        {row({"1", "2", "x", "6", "7", "9"}, "-"), false, "", false},
    };
    for (const Case &c : cases) {
        const RowCheck r = checkRow(c.tip, exampleDraw());
        EXPECT_EQ(r.valid, c.valid) << c.hitText;
        EXPECT_EQ(r.hitText, c.hitText);
        EXPECT_EQ(r.red, c.red) << c.hitText;
        EXPECT_EQ(r.playSound, c.red) << c.hitText;
    }
}

TEST(TipCheck, ZettelcheckStopsAtTheFirstNonInteger) {
    struct Case {
        std::array<std::string, 6> tip;
        const char *lucky;
        Marks marks;
        int hits;
        bool bonusHit, luckyHit;
    };
    const Case cases[] = {
        // The first draw number (3) is compared with every place before the failing one.
        {{"3", "x", "17", "25", "33", "40"}, "5", {1, 0, 0, 0, 0, 0}, 1, false, false},
        {{"11", "x", "3", "25", "33", "40"}, "5", {0, 0, 0, 0, 0, 0}, 0, false, false},
        {{"3", "11", "17", "25", "33", "40"}, "-", {1, 1, 1, 1, 1, 1}, 6, false, false},
        {{"8", "11", "17", "25", "33", "40"}, "5", {2, 1, 1, 1, 1, 1}, 5, true, true},
        // Callers testing a bare set of numbers pass "0" for unused places.
        {{"3", "11", "0", "0", "0", "0"}, "0", {1, 1, 0, 0, 0, 0}, 2, false, false},
    };
    for (const Case &c : cases) {
        const TipMatch m = zettelcheck(c.tip, c.lucky, exampleDraw());
        EXPECT_EQ(m, (TipMatch{c.marks, c.hits, c.bonusHit, c.luckyHit})) << c.tip[0] << ' ' << c.tip[1];
    }
}

TEST(TipCheck, DrawWithoutBonusAndDamagedDraws) {
    Draw noBonus = exampleDraw();
    noBonus.bonus = 0;
    const RowCheck r = checkRow(row({"3", "8", "12", "17", "25", "40"}, "5"), noBonus);
    EXPECT_EQ(r.hitText, "4 + G");

    // The all-zero draw of an empty file against a bare "0" tip: hits stay within 0..6, and the
    // repeated 0 counts once.
    const std::array<std::string, 6> zeros{"0", "0", "0", "0", "0", "0"};
    const TipMatch m = zettelcheck(zeros, "0", Draw{});
    EXPECT_EQ(m.hits, 1);
    EXPECT_EQ(m.marks, (Marks{2, 0, 0, 0, 0, 0}));
    HitTally tally;
    tally.add(m);
    EXPECT_EQ(tally.at(1, true), 1u);
}

TEST(TipCheck, ARepeatedNumberCountsOnce) {
    // exampleDraw: 3 11 17 25 33 40, bonus 8, lucky 5.
    using Repeats = std::array<bool, 6>;
    struct Case {
        TipRow tip;
        const char *hitText;
        bool red;
        Marks marks;      // sorted order
        Repeats repeated; // sorted order
    };
    const Case cases[] = {
        {row({"3", "3", "11", "11", "17", "17"}), "3", true, {1, 0, 1, 0, 1, 0}, {0, 1, 0, 1, 0, 1}},
        {row({"3", "3", "3", "3", "3", "3"}), "1", false, {1, 0, 0, 0, 0, 0}, {0, 1, 1, 1, 1, 1}},
        {row({"40", "3", "40", "1", "2", "4"}), "2", false, {0, 0, 1, 0, 1, 0}, {0, 0, 0, 0, 0, 1}},
        {row({"8", "8", "1", "2", "4", "6"}, "5"),
         "0 + Z + G",
         false,
         {0, 0, 0, 0, 2, 0},
         {0, 0, 0, 0, 0, 1}},
        {row({"3", "11", "17", "1", "2", "4"}), "3", true, {0, 0, 1, 0, 1, 1}, {}},
    };
    HitTally expected;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tip.numbers[0] + " " + c.tip.numbers[1] + " " + c.tip.numbers[2]);
        const RowCheck r = checkRow(c.tip, exampleDraw());
        ASSERT_TRUE(r.valid);
        EXPECT_EQ(r.hitText, c.hitText);
        EXPECT_EQ(r.red, c.red);
        EXPECT_EQ(r.playSound, c.red);
        EXPECT_EQ(r.match.marks, c.marks);
        EXPECT_EQ(r.repeated, c.repeated);
        expected.add(r.match);
    }
    // The tally counts the row with its hits counted once.
    TipSheet sheet;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        sheet.rows[i] = cases[i].tip;
    const SheetCheck s = komplettcheck(true, sheet, "", "Replay", exampleDraw(), kNoJokers);
    EXPECT_EQ(s.tally, expected);
    EXPECT_EQ(s.tally.at(3, false), 2u);
    EXPECT_EQ(s.tally.at(6, false), 0u);
}

TEST(TipCheck, DisabledCheckOnlyClearsTheTally) {
    const TipSheet sheet =
        sheetOf({row({"40", "3", "25", "8", "12", "17"}, "5"), row({"1", "2", "", "6", "7", "9"})});
    const std::array<JokerTicket, 3> jokers{{{true, {4, 8, 2, 9, 1, 5}}, {}, {}}};
    const SheetCheck off = komplettcheck(false, sheet, "7", "Replay", exampleDraw(), jokers);
    EXPECT_FALSE(off.ran);
    EXPECT_TRUE(off.rows.empty());
    EXPECT_EQ(off.tally, HitTally{});
    EXPECT_FALSE(off.replay.touched);

    const SheetCheck on = komplettcheck(true, sheet, "7", "Replay", exampleDraw(), jokers);
    ASSERT_EQ(on.rows.size(), sheet.rows.size());
    EXPECT_FALSE(on.rows[1].valid);
    EXPECT_EQ(on.tally.at(4, true), 1u); // the invalid row is not tallied
    EXPECT_EQ(on.replay, (ReplayLabel{true, "Joker1: 482915", true}));
}

TEST(TipCheck, ReplayAndJokerLabel) {
    const JokerTicket partly{true, {1, 0, 2, 9, 1, 5}};
    const JokerTicket lastDiffers{true, {4, 8, 2, 9, 1, 0}};
    const JokerTicket all{true, {4, 8, 2, 9, 1, 5}};
    const JokerTicket disabled{false, {4, 8, 2, 9, 1, 5}};
    struct Case {
        const char *replay;
        std::array<JokerTicket, 3> tickets;
        ReplayLabel label;
    };
    const Case cases[] = {
        {"7", {}, {true, "Replay: 7", true}},
        {"8", {}, {true, "Replay: 8", false}},
        {"", {}, {}},
        {"x", {all, {}, {}}, {}}, // not an integer: no Replay and no Joker result
        {"", {partly, {}, {}}, {true, "Joker1: --2915", true}},
        {"8", {lastDiffers, {}, {}}, {true, "Replay: 8", false}},
        {"", {disabled, all, {}}, {true, "Joker2: 482915", true}},
        {"7", {partly, all, lastDiffers}, {true, "Joker2: 482915", true}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(checkReplayAndJoker(c.replay, "Replay", exampleDraw(), c.tickets), c.label)
            << '"' << c.replay << "\" " << c.label.text;
    }

    Draw leadingZero = exampleDraw();
    leadingZero.joker = {0, 0, 1, 2, 3, 4};
    const std::array<JokerTicket, 3> tickets{{{true, {0, 9, 9, 9, 3, 4}}, {}, {}}};
    EXPECT_EQ(checkReplayAndJoker("", "Replay", leadingZero, tickets).text, "Joker1: 0---34");
}

TEST(TipSheet, NumberFieldKeepsOnlyWholeNumbersOneToFortyTwo) {
    const std::pair<const char *, const char *> cases[] = {
        {"7", "7"},   {"07", "7"}, {"0005", "5"}, {" 12\t", "12"},     {"+3", "3"},
        {"42", "42"}, {"43", ""},  {"0", ""},     {"-5", ""},          {"x", ""},
        {"1 2", ""},  {"", ""},    {"3,9", ""},   {"99999999999", ""},
    };
    for (const auto &[text, kept] : cases)
        EXPECT_EQ(normalisedTipNumber(text), kept) << '"' << text << '"';
}

// The numbers an edited row hands to the number dialog. Columns: the six fields, the numbers.
TEST(TipSheet, RowTipNumbersReadUpToTheFirstFieldWithoutANumber) {
    struct Case {
        std::array<std::string_view, kNumbersPerTip> fields;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        {{"3", "8", "12", "17", "25", "40"}, {3, 8, 12, 17, 25, 40}},
        {{"", "", "", "", "", ""}, {}},
        // An empty field, letters or a number beyond an int end the row; later fields are not read.
        {{"5", "", "9", "", "", ""}, {5}},
        {{"5", "7", "x", "9", "", ""}, {5, 7}},
        {{"5", "99999999999", "9", "", "", ""}, {5}},
        {{"1 2", "9", "", "", "", ""}, {}},
        // What a field may hold before it is tidied: blanks, a sign, leading zeros.
        {{" 4", "6\t", "+11", "007", "\n42 ", "1"}, {4, 6, 11, 7, 42, 1}},
        // A whole number that is no tip number is passed over; the row goes on.
        {{"43", "0", "-5", "7", "45", "2"}, {7, 2}},
        // A number twice is ticked once.
        {{"5", "5", "18", "18", "", ""}, {5, 18}},
    };
    for (const Case &c : cases) {
        std::string shown;
        for (std::string_view f : c.fields)
            shown += '"' + std::string(f) + "\" ";
        EXPECT_EQ(rowTipNumbers(c.fields), c.numbers) << shown;
    }
    TipRow row;
    row.numbers = {"9", " 3", "", "4", "", ""};
    EXPECT_EQ(rowTipNumbers(row), (std::vector<int>{9, 3}));
}
