#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

#include <unistd.h>

#include "core/history/drawbrowser.h"
#include "core/history/drawfile.h"
#include "core/base/random.h"

using namespace quorix;

namespace {

const DaySerial kSat = serialFromYmd(2020, 1, 4);

Draw drawOn(DaySerial date, int first = 1) {
    Draw d;
    d.date = date;
    d.numbers = {first, first + 1, first + 2, first + 3, first + 4, first + 5};
    return d;
}

// Sat, Wed, Sat, Wed, Sat, Wed: the newest draw is a Wednesday.
std::vector<Draw> alternating() {
    std::vector<Draw> draws;
    draws.reserve(6);
    for (int i = 0; i < 6; ++i)
        draws.push_back(drawOn(kSat + (i / 2) * 7 + (i % 2) * 4, i + 1));
    return draws;
}

// The step-by-step reading of the steps; nullopt where it would not end.
std::optional<std::size_t> literalBack(const std::vector<Draw> &draws, std::size_t index, WeekdayFilter f) {
    for (;;) {
        index = index == 0 ? 0 : index - 1;
        if (index >= draws.size()) index = draws.size() - 1;
        if (!f.excludes(draws[index].date) || index == 0) return index;
    }
}

std::optional<std::size_t> literalForward(const std::vector<Draw> &draws, std::size_t index,
                                          WeekdayFilter f) {
    for (int guard = 0; guard < 1000; ++guard) {
        ++index;
        if (index >= draws.size()) index = draws.size() - 1;
        if (!f.excludes(draws[index].date)) return index;
        if (index == draws.size() - 1 && index > 0) {
            --index;
            if (!f.excludes(draws[index].date)) return index;
        }
    }
    return std::nullopt;
}

} // namespace

TEST(DrawBrowser, WeekdayFilter) {
    struct Case {
        bool saturday, wednesday;
        std::array<bool, 4> excluded; // Sat, Sun, Tue, Wed
    };
    const Case cases[] = {
        {true, true, {false, false, false, false}},
        {false, true, {true, true, false, false}},
        {true, false, {false, false, false, true}},
        {false, false, {false, false, false, false}}, // both cleared: nothing excluded
    };
    const DaySerial days[] = {kSat, kSat + 1, kSat + 3, kSat + 4};
    for (const Case &c : cases) {
        const WeekdayFilter filter{c.saturday, c.wednesday};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(filter.excludes(days[i]), c.excluded[i]) << c.saturday << c.wednesday << " day " << i;
    }
}

TEST(DrawBrowser, Steps) {
    const std::vector<Draw> draws = alternating();
    const WeekdayFilter both{true, true}, noWed{true, false}, noSat{false, true}, none{false, false};
    struct Case {
        bool back;
        std::size_t from;
        WeekdayFilter filter;
        std::size_t to;
    };
    const Case cases[] = {
        {true, 3, both, 2},   {true, 0, both, 0},   {true, 10, both, 5}, // index past a shorter file
        {true, 4, noWed, 2},  {true, 10, noWed, 4}, {true, 3, noSat, 1},
        {true, 1, noSat, 1}, // the oldest draw is excluded: stay
        {true, 3, none, 2},  // both boxes cleared: step by one record
        {false, 2, both, 3},  {false, 5, both, 5},  {false, 0, noWed, 2},
        {false, 4, noWed, 4}, // the newest Wednesday is skipped backwards
        {false, 5, noWed, 4}, {false, 1, noSat, 3}, {false, 5, noSat, 5},
        {false, 2, none, 3},
    };
    for (const Case &c : cases) {
        const BrowsedDraw got =
            c.back ? stepBack(draws, c.from, c.filter) : stepForward(draws, c.from, c.filter);
        EXPECT_EQ(got, (BrowsedDraw{c.to, draws[c.to]}))
            << (c.back ? "back" : "forward") << " from " << c.from << " sat " << c.filter.saturday << " wed "
            << c.filter.wednesday;
    }
}

TEST(DrawBrowser, OpenCasesEndOnSomeDraw) {
    // Sat, then three Wednesdays: without Wednesdays everything after the first draw is excluded.
    const std::vector<Draw> draws = {drawOn(kSat), drawOn(kSat + 4), drawOn(kSat + 11), drawOn(kSat + 18)};
    const WeekdayFilter noWed{true, false}, noSat{false, true};
    EXPECT_EQ(stepForward(draws, 0, noWed).index, 0u); // both newest excluded: stay
    EXPECT_EQ(stepForward(draws, 3, noWed).index, 3u);
    EXPECT_EQ(stepBack(draws, 3, noWed).index, 0u);
    EXPECT_EQ(stepBack(draws, 1, noSat).index, 1u); // oldest excluded: stay
    EXPECT_EQ(stepBack(draws, 0, noSat).index, 0u);

    const std::vector<Draw> one = {drawOn(kSat + 4)};
    EXPECT_EQ(stepForward(one, 0, noWed).index, 0u);
    EXPECT_EQ(stepBack(one, 0, noWed).index, 0u);

    EXPECT_EQ(stepBack({}, 3, noWed), BrowsedDraw{});
    EXPECT_EQ(stepForward({}, 3, noWed), BrowsedDraw{});
}

TEST(DrawBrowser, StepsAgreeWithTheStepByStepReading) {
    // Wherever the step-by-step reading ends on an admitted draw, the steps give the same draw.
    Random random(4711);
    const int weekdayOffsets[] = {0, 1, 3, 4}; // Sat, Sun, Tue, Wed
    const WeekdayFilter filters[] = {{true, true}, {true, false}, {false, true}};
    int compared = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<Draw> draws;
        const std::size_t n = 1 + random.below(8);
        for (std::size_t i = 0; i < n; ++i)
            draws.push_back(drawOn(kSat + static_cast<int>(i) * 7 + weekdayOffsets[random.below(4)]));
        for (const WeekdayFilter &f : filters) {
            for (std::size_t from = 0; from <= n + 1; ++from) {
                const auto back = literalBack(draws, from, f);
                if (back && !f.excludes(draws[*back].date)) {
                    EXPECT_EQ(stepBack(draws, from, f).index, *back);
                    ++compared;
                }
                const auto forward = literalForward(draws, from, f);
                if (forward) {
                    EXPECT_EQ(stepForward(draws, from, f).index, *forward);
                }
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST(DrawBrowser, DrawForEndDate) {
    const std::vector<Draw> draws = alternating(); // Jan 4, 8, 11, 15, 18, 22
    struct Case {
        DaySerial endDate;
        std::size_t index;
    };
    const Case cases[] = {
        {kSat + 7, 2},   // on a draw day
        {kSat + 5, 2},   // Thursday: the following Saturday
        {kSat + 100, 5}, // after the newest: the newest
        {kSat - 30, 0},
    };
    for (const Case &c : cases) {
        BrowsedDraw selected{99, {}};
        ASSERT_TRUE(drawForEndDate(draws, c.endDate, selected));
        EXPECT_EQ(selected, (BrowsedDraw{c.index, draws[c.index]})) << formatIso(c.endDate);
    }
    BrowsedDraw unchanged{7, drawOn(kSat)};
    EXPECT_FALSE(drawForEndDate({}, kSat, unchanged));
    EXPECT_EQ(unchanged, (BrowsedDraw{7, drawOn(kSat)}));
}

TEST(DrawBrowser, BrowserReadsTheFile) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("quorix-browse-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const DrawFile file = DrawFile::inFolder(folder);
    DrawBrowser browser;
    EXPECT_FALSE(browser.selectForEndDate(file, kSat)); // missing file

    ASSERT_TRUE(file.createEmpty());
    browser.setCurrent({3, drawOn(kSat)});
    ASSERT_TRUE(browser.selectForEndDate(file, kSat));
    EXPECT_EQ(browser.current(), (BrowsedDraw{3, drawOn(kSat)})); // empty file: unchanged
    ASSERT_TRUE(browser.stepBack(file, {}));
    EXPECT_EQ(browser.current(), BrowsedDraw{}); // empty file: the all-zero draw

    const std::vector<Draw> draws = alternating();
    ASSERT_TRUE(file.rewrite(draws));
    ASSERT_TRUE(browser.selectForEndDate(file, kSat + 100));
    EXPECT_EQ(browser.current().index, 5u);
    ASSERT_TRUE(browser.stepBack(file, {})); // right after start-up: the second-newest draw
    EXPECT_EQ(browser.current().index, 4u);
    ASSERT_TRUE(browser.stepForward(file, {}));
    ASSERT_TRUE(browser.stepBack(file, {}));
    EXPECT_EQ(browser.current(), (BrowsedDraw{4, draws[4]}));
    std::filesystem::remove_all(folder);
}

TEST(DrawBrowser, DisplayTexts) {
    Draw d;
    d.date = serialFromYmd(2014, 4, 5);
    d.numbers = {3, 11, 17, 25, 33, 40};
    d.lucky = 5;
    d.replay = 7;
    d.joker = {0, 4, 7, 1, 1, 9};
    EXPECT_EQ(drawDateText("Sa", d.date), "Sa 05.04.14");
    EXPECT_EQ(selectedDrawLine("Sa", d, false), "Sa 05.04.14    3  11  17  25  33  40     G:5   R:7");
    EXPECT_EQ(selectedDrawLine("Sa", d, true), "Sa 05.04.14     3  11  17  25  33  40     G:5   R:7");
    EXPECT_EQ(steppedDrawLine("Sa", d), selectedDrawLine("Sa", d, false));
    EXPECT_EQ(selectedJokerLine("Sa", d), "Sa 05.04.14   0 4 7 1 1 9 ");
    EXPECT_EQ(steppedJokerLine("Sa", d), "Sa 05.04.14    0  4  7  1  1  9");
    EXPECT_EQ(crossSumText(d), "QS: 129");
}
