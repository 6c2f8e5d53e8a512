#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/analysis/tipsearch.h"

using namespace quorix;

namespace {

Draw drawOn(int y, int m, int d, std::array<int, 6> numbers, int bonus = 0) {
    Draw draw;
    draw.date = serialFromYmd(y, m, d);
    draw.numbers = numbers;
    draw.bonus = bonus;
    return draw;
}

// Sat, Sun (counts as Saturday), Wed, Fri (no draw day), Sat.
const std::vector<Draw> kDraws = {
    drawOn(2024, 3, 2, {1, 9, 14, 22, 30, 41}, 7),  drawOn(2024, 3, 3, {2, 4, 6, 8, 10, 12}),
    drawOn(2024, 3, 6, {5, 6, 18, 27, 35, 42}, 0),  drawOn(2024, 3, 8, {1, 9, 14, 22, 30, 41}),
    drawOn(2024, 3, 9, {3, 11, 17, 25, 33, 40}, 8),
};

TipRow row(std::array<std::string, 6> numbers) {
    return {std::move(numbers), "-"};
}

StatisticsWindow whole(bool saturday = true, bool wednesday = true) {
    return {serialFromYmd(2024, 3, 2), serialFromYmd(2024, 3, 9), saturday, wednesday};
}

struct Box {
    std::string date;
    int row;
    int hits;
    bool bonusHit;
    bool operator==(const Box &) const = default;
};

struct SearchRun {
    std::vector<std::string> drawsShown;
    std::vector<Box> boxes;
    std::vector<int> lastHits; // per row, -1 when never compared
    int compared = 0;          // row comparisons
    SearchOutcome outcome;
};

// Answers the first `yes` boxes with true and the next one with false.
SearchRun search(const TipSheet &sheet, const StatisticsWindow &window, int threshold, int yes = 1000) {
    SearchRun run;
    run.lastHits.assign(kTipRowCount, -1);
    SearchHandler handler;
    handler.draw = [&](const Draw &d) { run.drawsShown.push_back(formatIso(d.date)); };
    handler.row = [&](int r, const TipMatch &m) {
        run.lastHits[static_cast<std::size_t>(r)] = m.hits;
        ++run.compared;
    };
    handler.match = [&](const Draw &d, int r, const TipMatch &m) {
        run.boxes.push_back({formatIso(d.date), r, m.hits, m.bonusHit});
        return static_cast<int>(run.boxes.size()) <= yes;
    };
    run.outcome = searchTips(sheet, window, threshold, kDraws, handler);
    return run;
}

} // namespace

TEST(TipSearch, WindowAndWeekdayRule) {
    const DaySerial sat = serialFromYmd(2024, 3, 2);
    const DaySerial sun = serialFromYmd(2024, 3, 3);
    const DaySerial wed = serialFromYmd(2024, 3, 6);
    const DaySerial fri = serialFromYmd(2024, 3, 8);
    struct Case {
        StatisticsWindow window;
        DaySerial date;
        bool searched;
    };
    const Case cases[] = {
        {{sat, wed, true, true}, sat, true},   // start date itself
        {{sat, wed, true, true}, wed, true},   // end date itself
        {{sun, wed, true, true}, sat, false},  // a day before the start
        {{sat, sun, true, true}, wed, false},  // a day after the end
        {{sat, fri, true, true}, fri, false},  // a Friday never, even with both boxes
        {{sat, fri, true, false}, sun, true},  // Sunday is a Saturday draw
        {{sat, fri, true, false}, wed, false}, // Wednesday box unticked
        {{sat, fri, false, true}, sat, false}, // Saturday box unticked
        {{sat, fri, false, true}, wed, true},  {{sat, fri, false, false}, wed, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(searchesDate(c.window, c.date), c.searched) << formatIso(c.date);
}

TEST(TipSearch, ThresholdMustBeAnInteger) {
    EXPECT_EQ(*searchThreshold("6"), 6);
    EXPECT_EQ(*searchThreshold(" 4 "), 4);
    EXPECT_EQ(*searchThreshold("-1"), -1);
    for (const char *bad : {"", "x", "6x", "4.5"}) {
        const Result<int> threshold = searchThreshold(bad);
        ASSERT_FALSE(threshold) << bad;
        EXPECT_EQ(threshold.error().message, "'" + std::string(bad) + "' is not a valid integer value");
    }
}

TEST(TipSearch, AWholeDrawStopsAtSixHitsOnlyAndOnEveryDrawDay) {
    TipSheet sheet;
    sheet.rows[2] = row({"41", "30", "22", "14", "9", "1"}); // unsorted: compared as it stands
    SearchRun six = search(sheet, whole(), 6);
    // The Friday draw with the same numbers is not searched.
    EXPECT_EQ(six.boxes, (std::vector<Box>{{"2024-03-02", 2, 6, false}}));
    EXPECT_EQ(six.drawsShown,
              (std::vector<std::string>{"2024-03-02", "2024-03-03", "2024-03-06", "2024-03-09"}));
    EXPECT_EQ(six.outcome.searched, 4);
    EXPECT_FALSE(six.outcome.stopped);

    SearchRun seven = search(sheet, whole(), 7);
    EXPECT_TRUE(seven.boxes.empty());
    EXPECT_EQ(seven.outcome.searched, 4);
}

TEST(TipSearch, BonusNumberIsNoHitButIsReported) {
    TipSheet sheet;
    sheet.rows[0] = row({"3", "11", "17", "25", "33", "8"}); // 40 swapped for the bonus number 8
    const SearchRun run = search(sheet, whole(), 5);
    EXPECT_EQ(run.boxes, (std::vector<Box>{{"2024-03-09", 0, 5, true}}));
}

TEST(TipSearch, EmptyAndIncompleteRowsAreComparedAsTheyStand) {
    TipSheet sheet;
    sheet.rows[1] = row({"3", "11", "", "25", "33", "40"});
    const SearchRun run = search(sheet, whole(), 1);
    // An empty row never hits; the incomplete one counts up to its empty place: against the last
    // draw only 3 (the draw's first number) is found before the comparison stops.
    EXPECT_EQ(run.lastHits[0], 0);
    EXPECT_EQ(run.lastHits[1], 1);
    EXPECT_EQ(run.boxes, (std::vector<Box>{{"2024-03-09", 1, 1, false}}));
}

TEST(TipSearch, BoxesComeInDrawThenRowOrderAndNoEndsAtOnce) {
    TipSheet sheet;
    sheet.rows[0] = row({"5", "6", "18", "1", "9", "14"});  // 3 hits on 02.03. and 06.03.
    sheet.rows[4] = row({"2", "4", "6", "1", "9", "14"});   // 3 on 02.03. and 03.03.
    sheet.rows[13] = row({"5", "6", "18", "27", "3", "7"}); // 4 on 06.03.
    const std::vector<Box> all = {{"2024-03-02", 0, 3, false},
                                  {"2024-03-02", 4, 3, false},
                                  {"2024-03-03", 4, 3, false},
                                  {"2024-03-06", 0, 3, false},
                                  {"2024-03-06", 13, 4, false}};
    const SearchRun yes = search(sheet, whole(), 3);
    EXPECT_EQ(yes.boxes, all);

    // "No" in the third box: nothing after row 5 of 03.03. is compared.
    const SearchRun no = search(sheet, whole(), 3, 2);
    EXPECT_EQ(no.boxes, std::vector<Box>(all.begin(), all.begin() + 3));
    EXPECT_TRUE(no.outcome.stopped);
    EXPECT_EQ(no.outcome.searched, 2);
    EXPECT_EQ(no.compared, kTipRowCount + 5);
    EXPECT_EQ(no.drawsShown.back(), "2024-03-03");
}

TEST(TipSearch, NoWeekdayBoxSearchesNothing) {
    TipSheet sheet;
    sheet.rows[0] = row({"1", "9", "14", "22", "30", "41"});
    const SearchRun run = search(sheet, whole(false, false), 0);
    EXPECT_EQ(run.outcome.searched, 0);
    EXPECT_TRUE(run.drawsShown.empty());
    EXPECT_EQ(run.lastHits[0], -1);
}

TEST(TipSearch, ThresholdZeroStopsOnEveryRow) {
    const TipSheet sheet;
    const SearchRun run = search(sheet, whole(true, false), 0);
    EXPECT_EQ(run.boxes.size(), 3U * kTipRowCount); // 02.03., 03.03., 09.03.
}
