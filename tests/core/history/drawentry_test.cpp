#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/history/drawentry.h"

using namespace quorix;

namespace {

DaySerial day(const char *iso) {
    return *parseIsoDate(iso);
}

// A draw whose numbers tell it apart from another draw of the same date.
Draw drawOn(const char *iso, int mark = 1) {
    Draw d;
    d.date = day(iso);
    d.numbers = {mark, mark + 1, mark + 2, mark + 3, mark + 4, mark + 5};
    d.lucky = 3;
    return d;
}

std::vector<Draw> history(std::initializer_list<const char *> dates) {
    std::vector<Draw> draws;
    for (const char *iso : dates)
        draws.push_back(drawOn(iso));
    return draws;
}

std::vector<std::string> datesOf(const std::vector<Draw> &draws) {
    std::vector<std::string> dates;
    dates.reserve(draws.size());
    for (const Draw &d : draws)
        dates.push_back(formatIso(d.date));
    return dates;
}

struct PlacementCase {
    const char *name;
    std::vector<const char *> history;
    const char *entered;
    bool append;
    std::vector<std::string> rewritten; // dates of the new history when rewritten
    std::size_t dropped;
    std::size_t replaced;
};

void PrintTo(const PlacementCase &c, std::ostream *os) {
    *os << c.name;
}

class EntryPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(EntryPlacementTest, AppendsOrRewrites) {
    const PlacementCase &c = GetParam();
    std::vector<Draw> existing;
    for (const char *iso : c.history)
        existing.push_back(drawOn(iso));
    const Draw entered = drawOn(c.entered, 30);

    const EntryPlacement placement = placeEnteredDraw(existing, entered);
    EXPECT_EQ(placement.append, c.append);
    EXPECT_EQ(datesOf(placement.rewritten), c.rewritten);
    EXPECT_EQ(placement.dropped, c.dropped);
    EXPECT_EQ(placement.replaced, c.replaced);
    // The entered draw is in the new history exactly once, with its own values.
    if (!c.append) {
        EXPECT_EQ(std::count(placement.rewritten.begin(), placement.rewritten.end(), entered), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EntryPlacementTest,
    ::testing::Values(PlacementCase{"intoEmptyHistory", {}, "2020-01-04", true, {}, 0, 0},
                      PlacementCase{
                          "laterThanNewest", {"2020-01-04", "2020-01-08"}, "2020-01-11", true, {}, 0, 0},
                      PlacementCase{"betweenTwo",
                                    {"2020-01-04", "2020-01-11"},
                                    "2020-01-08",
                                    false,
                                    {"2020-01-04", "2020-01-08", "2020-01-11"},
                                    0,
                                    0},
                      PlacementCase{"beforeAll",
                                    {"2020-01-08", "2020-01-11"},
                                    "2020-01-04",
                                    false,
                                    {"2020-01-04", "2020-01-08", "2020-01-11"},
                                    0,
                                    0},
                      PlacementCase{"sameDateReplaced",
                                    {"2020-01-04", "2020-01-08", "2020-01-11"},
                                    "2020-01-08",
                                    false,
                                    {"2020-01-04", "2020-01-08", "2020-01-11"},
                                    0,
                                    1},
                      PlacementCase{"newestDateIsRewrittenNotAppended",
                                    {"2020-01-04", "2020-01-08"},
                                    "2020-01-08",
                                    false,
                                    {"2020-01-04", "2020-01-08"},
                                    0,
                                    1},
                      PlacementCase{"dateHeldTwiceBecomesOne",
                                    {"2020-01-04", "2020-01-08", "2020-01-08", "2020-01-11"},
                                    "2020-01-08",
                                    false,
                                    {"2020-01-04", "2020-01-08", "2020-01-11"},
                                    0,
                                    2},
                      // Wednesday 28.05.1986 goes; Saturday 31.05.1986 and Wednesday 04.06.1986 stay.
                      PlacementCase{"earlyWednesdayDropped",
                                    {"1986-05-28", "1986-05-31", "1986-06-04", "2020-01-04", "2020-01-11"},
                                    "2020-01-04",
                                    false,
                                    {"1986-05-31", "1986-06-04", "2020-01-04", "2020-01-11"},
                                    1,
                                    1},
                      // Every later draw is an early Wednesday: the entered draw still lands, at the end.
                      PlacementCase{"onlyLaterDrawsDropped",
                                    {"1986-05-17", "1986-05-21", "1986-05-28"},
                                    "1986-05-24",
                                    false,
                                    {"1986-05-17", "1986-05-24"},
                                    2,
                                    0}));

struct JokerCase {
    const char *text;
    int digit; // -1: refused
};

void PrintTo(const JokerCase &c, std::ostream *os) {
    *os << '"' << c.text << '"';
}

class JokerFieldTest : public ::testing::TestWithParam<JokerCase> {};

TEST_P(JokerFieldTest, OneDigitOrRefused) {
    DrawEntryForm form = entryFormFor(drawOn("2020-01-04"));
    form.joker[3] = GetParam().text;
    const Result<Draw> draw = enteredDraw(form);
    if (GetParam().digit < 0) {
        ASSERT_FALSE(draw);
        EXPECT_EQ(draw.error().code, Error::Code::BadInput);
    } else {
        ASSERT_TRUE(draw);
        EXPECT_EQ(draw->joker[3], GetParam().digit);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, JokerFieldTest,
                         ::testing::Values(JokerCase{"0", 0}, JokerCase{"9", 9}, JokerCase{" 7 ", 7},
                                           JokerCase{"", -1}, JokerCase{" ", -1}, JokerCase{"x", -1},
                                           JokerCase{"12", -1}, JokerCase{"-1", -1}, JokerCase{"+5", -1},
                                           JokerCase{"\xC2\xB2", -1}));

} // namespace

TEST(DrawEntry, EnteredNumbersAreSortedTheRestAsEntered) {
    DrawEntryForm form;
    form.date = day("2020-01-08");
    form.numbers = {40, 3, 25, 12, 17, 8};
    form.bonus = 44;
    form.lucky = 2;
    form.replay = 11;
    form.joker = {"0", "4", "0", "9", "1", "2"};
    const Result<Draw> draw = enteredDraw(form);
    ASSERT_TRUE(draw);
    EXPECT_EQ(draw->date, form.date);
    EXPECT_EQ(draw->numbers, (std::array<int, 6>{3, 8, 12, 17, 25, 40}));
    EXPECT_EQ(draw->bonus, 44);
    EXPECT_EQ(draw->lucky, 2);
    EXPECT_EQ(draw->replay, 11);
    EXPECT_EQ(draw->jokerString(), "040912");
}

TEST(DrawEntry, FormOfABaseDrawGivesItBack) {
    Draw base = drawOn("2020-01-04", 7);
    base.bonus = 3;
    base.replay = 5;
    base.joker = {0, 0, 7, 1, 9, 0};
    const DrawEntryForm form = entryFormFor(base);
    EXPECT_EQ(form.joker[0], "0");
    EXPECT_EQ(form.joker[2], "7");
    ASSERT_TRUE(enteredDraw(form));
    EXPECT_EQ(*enteredDraw(form), base);
}

TEST(DrawEntry, BaseDrawIsTheEndDatesDrawElseTheNewest) {
    std::vector<Draw> draws = history({"2020-01-04", "2020-01-08", "2020-01-11"});
    draws.insert(draws.begin() + 2, drawOn("2020-01-08", 20));
    EXPECT_EQ(entryBaseDraw(draws, day("2020-01-08")), draws[1]); // the first of that date
    EXPECT_EQ(entryBaseDraw(draws, day("2020-01-04")), draws[0]);
    EXPECT_EQ(entryBaseDraw(draws, day("2020-01-09")), draws.back());
    EXPECT_EQ(entryBaseDraw(draws, day("2019-12-31")), draws.back());
    EXPECT_EQ(entryBaseDraw({}, day("2020-01-04")), Draw{});
}

TEST(DrawEntry, DeletionRemovesEveryDrawOfTheDate) {
    const std::vector<Draw> one = history({"2020-01-04"});
    EXPECT_TRUE(withoutDrawsOf(one, day("2020-01-04")).empty());

    std::vector<Draw> draws = history({"2020-01-04", "2020-01-08", "2020-01-11"});
    draws.insert(draws.begin() + 1, drawOn("2020-01-08", 20));
    EXPECT_EQ(datesOf(withoutDrawsOf(draws, day("2020-01-08"))),
              (std::vector<std::string>{"2020-01-04", "2020-01-11"}));
    EXPECT_EQ(withoutDrawsOf(draws, day("2020-01-09")), draws);
    // The all-zero draw of an empty history removes nothing.
    EXPECT_EQ(withoutDrawsOf(draws, 0), draws);
}

TEST(DrawEntry, MergeSummaryCountsByDate) {
    std::vector<Draw> existing = history({"2020-01-04", "2020-01-08", "2020-01-11", "2020-01-15"});
    existing.push_back(drawOn("2020-01-15")); // held twice: replaced even by equal values
    const std::vector<Draw> incoming = {
        drawOn("2020-01-04"),     // unchanged
        drawOn("2020-01-08", 9),  // replaced
        drawOn("2020-01-18"),     // added
        drawOn("2020-01-22", 9),  // added, then
        drawOn("2020-01-22", 10), // given again: still one date
        drawOn("2020-01-15"),     // replaced (two records become one)
    };
    const MergeSummary summary = summariseMerge(existing, incoming);
    EXPECT_EQ(summary.added, 2u);
    EXPECT_EQ(summary.replaced, 2u);
    EXPECT_EQ(summary.unchanged, 1u);

    const MergeSummary intoEmpty = summariseMerge({}, incoming);
    EXPECT_EQ(intoEmpty.added, 5u);
    EXPECT_EQ(intoEmpty.replaced + intoEmpty.unchanged, 0u);
}

// The dialog's ranges take every value a draw of any era holds, and 0 for "none" where an era has
// none.
TEST(DrawEntryRanges, TakeEveryValueOfEveryEra) {
    const DrawEntryRanges ranges = drawEntryRanges();
    struct Case {
        const char *field;
        NumberRange range;
        NumberRange expected;
    };
    const Case cases[] = {
        {"numbers", ranges.numbers, {1, 45}},
        {"additional number", ranges.bonus, {0, 45}},
        {"lucky number", ranges.lucky, {0, 6}},
        {"Replay", ranges.replay, {0, 13}}, // real draws hold Replay 12 and 13
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.range.lowest, c.expected.lowest) << c.field;
        EXPECT_EQ(c.range.highest, c.expected.highest) << c.field;
    }
}
