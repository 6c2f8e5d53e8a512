#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/game/ticketlayout.h"

using namespace quorix;

namespace {

using Kind = TicketMark::Kind;

// A sheet whose rows (1-based) hold the given numbers; the others stay empty with lucky "-".
TipSheet sheetWith(std::initializer_list<std::pair<int, TipRow>> rows) {
    TipSheet sheet;
    for (const auto &[number, row] : rows)
        sheet.rows[static_cast<std::size_t>(number - 1)] = row;
    return sheet;
}

TipRow tip(std::array<std::string, 6> numbers, std::string lucky = "-") {
    return {std::move(numbers), std::move(lucky)};
}

TipRow fullTip(int first, std::string lucky = "-") {
    std::array<std::string, 6> numbers;
    for (int i = 0; i < 6; ++i)
        numbers[static_cast<std::size_t>(i)] = std::to_string(first + i);
    return {numbers, std::move(lucky)};
}

std::vector<TicketMark> marksOf(const TipSheet &sheet, const TicketChoices &choices = {}) {
    auto laid = layoutTicket(sheet, choices);
    EXPECT_TRUE(laid.ok()) << (laid.ok() ? "" : laid.error().message);
    return laid.ok() ? *laid : std::vector<TicketMark>{};
}

const TicketMark *find(const std::vector<TicketMark> &marks, Kind kind, int row, int field = 0) {
    for (const TicketMark &m : marks)
        if (m.kind == kind && m.row == row && m.field == field) return &m;
    return nullptr;
}

} // namespace

// Positions of single marks with the design offsets 53 / 32.
TEST(TicketLayout, NumberAndLuckyPositions) {
    struct Case {
        const char *what;
        TipSheet sheet;
        Kind kind;
        int row;
        int field;
        std::int64_t left;
        std::int64_t top;
    };
    const Case cases[] = {
        {"1 in row 1", sheetWith({{1, tip({"1", "", "", "", "", ""})}}), Kind::Number, 1, 1, 32, 53},
        {"42 in row 1", sheetWith({{1, tip({"1", "42", "", "", "", ""})}}), Kind::Number, 1, 2, 102, 149},
        {"lucky 1 in row 1", sheetWith({{1, tip({"1", "", "", "", "", ""}, "1")}}), Kind::Lucky, 1, 0, 34,
         181},
        {"lucky 6 in row 1", sheetWith({{1, tip({"1", "", "", "", "", ""}, "6")}}), Kind::Lucky, 1, 0, 114,
         181},
        {"8 in row 2: lower block", sheetWith({{1, fullTip(1)}, {2, tip({"8", "", "", "", "", ""})}}),
         Kind::Number, 2, 1, 46, 213},
        {"row 3: next block column",
         sheetWith({{1, fullTip(1)}, {2, fullTip(1)}, {3, tip({"1", "", "", "", "", ""})}}), Kind::Number, 3,
         1, 32 + 81, 53},
        {"row 4: lower block of column 1",
         sheetWith(
             {{1, fullTip(1)}, {2, fullTip(1)}, {3, fullTip(1)}, {4, tip({"1", "", "", "", "", ""}, "2")}}),
         Kind::Lucky, 4, 0, 32 + 18 + 81, 53 + 128 + 144},
        {"rows 1, 2, 5: row 5 in slot 2, upper block",
         sheetWith({{1, fullTip(1)}, {2, fullTip(1)}, {5, tip({"7", "", "", "", "", ""})}}), Kind::Number, 5,
         1, 32 + 81, 53 + 16},
        {"rows 1-5: row 5 in slot 4",
         sheetWith({{1, fullTip(1)}, {2, fullTip(1)}, {3, fullTip(1)}, {4, fullTip(1)}, {5, fullTip(1)}}),
         Kind::Number, 5, 1, 32 + 162, 53},
        {"rows 1, 2, 3, 5: row 5's numbers 147 lower",
         sheetWith(
             {{1, fullTip(1)}, {2, fullTip(1)}, {3, fullTip(1)}, {5, tip({"1", "", "", "", "", ""}, "1")}}),
         Kind::Number, 5, 1, 32 + 81, 53 + 147},
        {"rows 1, 2, 3, 5: row 5's lucky 144 lower",
         sheetWith(
             {{1, fullTip(1)}, {2, fullTip(1)}, {3, fullTip(1)}, {5, tip({"1", "", "", "", "", ""}, "1")}}),
         Kind::Lucky, 5, 0, 34 + 81, 53 + 128 + 144},
        {"row 1 empty, row 2 in the lower block", sheetWith({{2, tip({"1", "", "", "", "", ""})}}),
         Kind::Number, 2, 1, 32, 53 + 144},
        {"numbers outside 1..42 by the same formula", sheetWith({{1, tip({"43", "0", "", "", "", ""}, "7")}}),
         Kind::Number, 1, 2, 32 - 14, 53},
        {"43 in the eighth box row", sheetWith({{1, tip({"43", "", "", "", "", ""})}}), Kind::Number, 1, 1,
         32, 53 + 112},
        {"lucky 7 by the same formula", sheetWith({{1, tip({"1", "", "", "", "", ""}, "7")}}), Kind::Lucky, 1,
         0, 32 + 14, 181},
        {"blanks around a lucky number", sheetWith({{1, tip({"1", "", "", "", "", ""}, " 3 ")}}), Kind::Lucky,
         1, 0, 32 + 34, 181},
    };
    for (const Case &c : cases) {
        const std::vector<TicketMark> marks = marksOf(c.sheet);
        const TicketMark *m = find(marks, c.kind, c.row, c.field);
        ASSERT_NE(m, nullptr) << c.what;
        EXPECT_EQ(m->left, c.left) << c.what;
        EXPECT_EQ(m->top, c.top) << c.what;
    }
}

// The offsets move every mark together; all fourteen rows reach block column 6 and the order is
// days, Jokers, then each row's numbers and its lucky mark.
TEST(TicketLayout, FullSheetOrderAndOffsets) {
    TipSheet sheet;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r)
        sheet.rows[r] = fullTip(1 + static_cast<int>(r) * 2, std::to_string(r % 6 + 1));
    TicketChoices choices{10, 0, true, true, {true, false, true}};
    const std::vector<TicketMark> marks = marksOf(sheet, choices);
    constexpr std::size_t kRowMarks = std::size_t{14} * 7;
    ASSERT_EQ(marks.size(), 1 + 2 + kRowMarks);
    EXPECT_EQ(marks[0], (TicketMark{Kind::Day, 0, 0, 145, 313}));
    EXPECT_EQ(marks[1], (TicketMark{Kind::Joker, 0, 0, 130, 333}));
    EXPECT_EQ(marks[2], (TicketMark{Kind::Joker, 0, 0, 444, 333}));
    for (std::size_t i = 0; i < kRowMarks; ++i) {
        const TicketMark &m = marks[3 + i];
        EXPECT_EQ(m.row, static_cast<int>(i / 7 + 1));
        EXPECT_EQ(m.kind, i % 7 == 6 ? Kind::Lucky : Kind::Number);
        EXPECT_EQ(m.field, i % 7 == 6 ? 0 : static_cast<int>(i % 7 + 1));
    }
    // Row 14: slot 13, lower block of column 6; its first number 27 is box row 4, column 2.
    const TicketMark *last = find(marks, Kind::Number, 14, 1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->left, 0 + 14 * 2 + 81 * 6);
    EXPECT_EQ(last->top, 10 + 16 * 4 + 144);
    // With every row filled, rows 5, 7, 9 and 11 take upper blocks, so their 147 never applies:
    // row 11 (slot 10) is upper, row 12 (slot 11) lower by 144.
    EXPECT_EQ(find(marks, Kind::Number, 11, 1)->top, 10 + 16 * 3);
    EXPECT_EQ(find(marks, Kind::Number, 12, 1)->top, 10 + 16 * 3 + 144);
}

// Rows 9 and 11 in lower blocks, every mark written out by hand from the ticket's geometry: box
// 14 wide and 16 high, block columns 81 apart, numbers of these rows 147 below the upper block,
// their lucky marks 144 below it plus the lucky line 128. Rows 1..7, 9, 10, 11 filled: row 9 takes
// slot 7 (lower block of column 3), row 11 slot 9 (lower block of column 4).
TEST(TicketLayout, Rows9And11InLowerBlocks) {
    TipSheet sheet;
    for (const int r : {1, 2, 3, 4, 5, 6, 7, 10})
        sheet.rows[static_cast<std::size_t>(r - 1)] = fullTip(1);
    sheet.rows[8] = tip({"1", "8", "15", "22", "36", "42"}, "3");
    sheet.rows[10] = tip({"6", "7", "20", "29", "31", "41"}, "6");
    const std::vector<TicketMark> want9 = {
        {Kind::Number, 9, 1, 275, 200}, {Kind::Number, 9, 2, 289, 216}, {Kind::Number, 9, 3, 303, 232},
        {Kind::Number, 9, 4, 317, 248}, {Kind::Number, 9, 5, 345, 280}, {Kind::Number, 9, 6, 345, 296},
        {Kind::Lucky, 9, 0, 309, 325},
    };
    const std::vector<TicketMark> want11 = {
        {Kind::Number, 11, 1, 426, 200}, {Kind::Number, 11, 2, 356, 216}, {Kind::Number, 11, 3, 370, 248},
        {Kind::Number, 11, 4, 412, 264}, {Kind::Number, 11, 5, 356, 280}, {Kind::Number, 11, 6, 412, 296},
        {Kind::Lucky, 11, 0, 438, 325},
    };
    const std::vector<TicketMark> marks = marksOf(sheet);
    const auto ofRow = [&](int row) {
        std::vector<TicketMark> out;
        std::copy_if(marks.begin(), marks.end(), std::back_inserter(out),
                     [row](const TicketMark &m) { return m.row == row; });
        return out;
    };
    EXPECT_EQ(ofRow(9), want9);
    EXPECT_EQ(ofRow(11), want11);
    // Row 10 between them sits in the upper block of column 4.
    EXPECT_EQ(*find(marks, Kind::Number, 10, 1), (TicketMark{Kind::Number, 10, 1, 356, 53}));
}

TEST(TicketLayout, DayAndJokerMarks) {
    struct Case {
        bool saturday;
        bool wednesday;
        std::array<bool, 3> jokers;
        std::vector<TicketMark> want;
    };
    const Case cases[] = {
        {true, false, {}, {{Kind::Day, 0, 0, 162, 356}}},
        {false, true, {}, {{Kind::Day, 0, 0, 162, 356}}},
        {true, true, {}, {{Kind::Day, 0, 0, 177, 356}}},
        {false, false, {}, {}},
        {false, false, {false, true, false}, {{Kind::Joker, 0, 0, 319, 376}}},
        {true,
         false,
         {true, true, true},
         {{Kind::Day, 0, 0, 162, 356},
          {Kind::Joker, 0, 0, 162, 376},
          {Kind::Joker, 0, 0, 319, 376},
          {Kind::Joker, 0, 0, 476, 376}}},
    };
    for (const Case &c : cases) {
        // An empty sheet prints only the fixed marks that apply.
        EXPECT_EQ(marksOf(TipSheet{}, {53, 32, c.saturday, c.wednesday, c.jokers}), c.want)
            << c.saturday << c.wednesday << c.jokers[0] << c.jokers[1] << c.jokers[2];
    }
}

// Empty fields print nothing; an incomplete row still takes its slot from its first field.
TEST(TicketLayout, EmptyFieldsAndPacking) {
    const TipSheet sheet = sheetWith(
        {{1, tip({"1", "", "3", "", "", ""})}, {3, tip({"", "", "", "", "", ""})}, {4, fullTip(1)}});
    const std::vector<TicketMark> marks = marksOf(sheet);
    ASSERT_EQ(marks.size(), 2u + 6u);
    EXPECT_EQ(marks[1].field, 3);
    // Row 4 follows row 1 directly: slot 1, the lower block.
    EXPECT_EQ(find(marks, Kind::Number, 4, 1)->top, 53 + 144);
}

TEST(TicketLayout, BadRowsAreErrorsWithoutMarks) {
    struct Case {
        const char *what;
        TipSheet sheet;
        const char *message;
    };
    const Case cases[] = {
        {"lucky box with two values",
         sheetWith({{1, fullTip(1)}, {2, tip({"1", "", "", "", "", ""}, "3,9")}}),
         "'3,9' in row 2 is not a whole number"},
        {"empty lucky box", sheetWith({{1, tip({"1", "", "", "", "", ""}, "")}}),
         "'' in row 1 is not a whole number"},
        {"number field with text", sheetWith({{4, tip({"5", "x", "", "", "", ""})}}),
         "'x' in row 4 is not a whole number"},
        {"numbers after an empty first field",
         sheetWith({{1, fullTip(1)}, {6, tip({"", "5", "", "", "", ""})}}),
         "row 6: the first number field is empty while the row holds numbers or a lucky number"},
        {"a lucky number on a row without first field", sheetWith({{1, tip({"", "", "", "", "", ""}, "4")}}),
         "row 1: the first number field is empty while the row holds numbers or a lucky number"},
    };
    for (const Case &c : cases) {
        const auto laid = layoutTicket(c.sheet, {});
        ASSERT_FALSE(laid.ok()) << c.what;
        EXPECT_EQ(laid.error().message, c.message) << c.what;
    }
    EXPECT_EQ(rowNotFromFirstField(sheetWith({{1, fullTip(1)}, {6, tip({"", "5", "", "", "", ""})}})), 6);
    EXPECT_EQ(rowNotFromFirstField(sheetWith({{1, fullTip(1)}, {6, tip({"", "", "", "", "", ""}, "-")}})),
              std::nullopt);
}

TEST(TicketLayout, CostRule) {
    struct Case {
        TicketTipCounts counts;
        int jokers;
        bool saturday;
        bool wednesday;
        std::int64_t cents;
    };
    const Case cases[] = {
        {{14, 14}, 3, true, true, 8200}, {{0, 0}, 0, true, false, 0},   {{3, 2}, 1, true, true, 1700},
        {{3, 2}, 1, false, false, 0},    {{3, 2}, 1, false, true, 850}, {{1, 0}, 0, true, false, 150},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ticketCostCents(c.counts, c.jokers, c.saturday, c.wednesday), c.cents)
            << c.counts.tips << " " << c.counts.withLucky << " " << c.jokers;
    // Tips are counted by the first field, lucky numbers by every box that is not "-".
    const TipSheet sheet = sheetWith(
        {{1, fullTip(1, "2")}, {2, tip({"", "", "", "", "", ""}, "")}, {3, tip({"4", "", "", "", "", ""})}});
    EXPECT_EQ(countTicketTips(sheet), (TicketTipCounts{2, 2}));
}

TEST(TicketLayout, DayPresetByWeekday) {
    // 2026-08-16 is a Sunday.
    const bool want[] = {false, false, false, false, true, true, true};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ticketForSaturday(serialFromYmd(2026, 8, 16 + i)), want[i]) << "day " << i;
}

TEST(TicketLayout, PaperFormats) {
    EXPECT_EQ(paperFormat(0)->name, "A4");
    EXPECT_FALSE(paperFormat(0)->landscape);
    EXPECT_EQ(paperFormat(3)->lengthMm, 180);
    EXPECT_EQ(paperFormat(3)->widthMm, 106);
    EXPECT_TRUE(paperFormat(2)->landscape);
    EXPECT_FALSE(paperFormat(-1));
    EXPECT_FALSE(paperFormat(4));
}
