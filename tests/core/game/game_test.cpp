#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/game/game.h"
#include "core/game/gameera.h"

using namespace quorix;

// Every weekday against every setting of the two boxes, for the three uses of the boxes. Columns:
// Saturday box, Wednesday box; then whether the statistics, the search and the browser take a draw
// of that weekday.
TEST(WeekdayRule, EachUseOfTheBoxesOnEveryWeekday) {
    struct Case {
        bool saturdays, wednesdays;
        bool statistics, search, browser;
    };
    // Saturday and Sunday draws (weekdays 7 and 1) follow the Saturday box.
    const Case saturdayDraw[] = {
        {true, true, true, true, true},
        {true, false, true, true, true},
        {false, true, false, false, false},
        {false, false, false, false, true}, // the browser skips nothing with both cleared
    };
    const Case wednesdayDraw[] = {
        {true, true, true, true, true},
        {true, false, false, false, false},
        {false, true, true, true, true},
        {false, false, false, false, true},
    };
    // Monday, Tuesday, Thursday, Friday: no draw day of either box.
    const Case otherDay[] = {
        {true, true, true, false, true},
        {true, false, false, false, true},
        {false, true, false, false, true},
        {false, false, false, false, true},
    };
    for (int weekday = 1; weekday <= 7; ++weekday) {
        const bool saturday = weekday == 7 || weekday == 1;
        const bool wednesday = weekday == 4;
        EXPECT_EQ(isSaturdayDraw(weekday), saturday) << weekday;
        EXPECT_EQ(isWednesdayDraw(weekday), wednesday) << weekday;
        const auto &cases = saturday ? saturdayDraw : wednesday ? wednesdayDraw : otherDay;
        for (const Case &c : cases) {
            const std::string where = "weekday " + std::to_string(weekday) + " boxes " +
                                      std::to_string(c.saturdays) + std::to_string(c.wednesdays);
            EXPECT_EQ(drawDayIncluded(weekday, c.saturdays, c.wednesdays, WeekdayRule::Statistics),
                      c.statistics)
                << where;
            EXPECT_EQ(drawDayIncluded(weekday, c.saturdays, c.wednesdays, WeekdayRule::Search), c.search)
                << where;
            EXPECT_EQ(drawDayIncluded(weekday, c.saturdays, c.wednesdays, WeekdayRule::Browser), c.browser)
                << where;
        }
    }
}

// The constants agree with the table of eras they summarise.
TEST(GameConstants, AgreeWithTheEras) {
    const auto eras = gameEras();
    const auto widest = std::max_element(
        eras.begin(), eras.end(), [](const GameEra &a, const GameEra &b) { return a.poolSize < b.poolSize; });
    EXPECT_EQ(widest->poolSize, kHighestNumberOfAnyEra);
    const GameEra &today = eras.back();
    EXPECT_EQ(today.poolSize, kHighestNumber);
}

// The start date a stored one becomes at start-up: kept up to the day a week before today,
// reset to the earliest start date from the day after that on.
TEST(StartDateAtStartUp, KeepsOnlyDatesAWeekOrMoreBeforeToday) {
    const DaySerial today = serialFromYmd(2026, 12, 11);
    struct Case {
        DaySerial stored;
        DaySerial expected;
    };
    const Case cases[] = {
        {today - 7, today - 7},                                 // exactly a week: kept
        {today - 6, kEarliestStartDate},                        // six days: reset
        {today, kEarliestStartDate},                            // today
        {today + 30, kEarliestStartDate},                       // in the future
        {serialFromYmd(2013, 1, 7), serialFromYmd(2013, 1, 7)}, // the design's start date
        {kEarliestStartDate, kEarliestStartDate},               // already the earliest
    };
    for (const Case &c : cases)
        EXPECT_EQ(startDateAtStartUp(c.stored, today), c.expected) << formatIso(c.stored);
}
