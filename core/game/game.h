#pragma once

#include "core/base/calendar.h"

namespace quorix {

// The game as the sheet and the computation know it: 6 from 42 on 14 rows.
inline constexpr int kTipRowCount = 14;
inline constexpr int kNumbersPerTip = 6;
inline constexpr int kLowestNumber = 1;
inline constexpr int kHighestNumber = 42;

// The highest number any game of the history drew (6 from 45, 1986 to 2013): the number list has
// one entry for each of 1..45, and whatever holds a drawn number of any date is sized for it.
inline constexpr int kHighestNumberOfAnyEra = 45;

// The lucky number of today's game; a stored draw without one holds 0.
inline constexpr int kLowestLucky = 1;
inline constexpr int kHighestLucky = 6;

// The statistics' start date never lies before 17.03.1990 (days since 30.12.1899).
inline constexpr DaySerial kEarliestStartDate = 32949;

// At start-up a stored start date later than the day a week before today (one within the last
// seven days, or in the future) becomes the earliest start date; an earlier one stays.
inline constexpr int kStartDateMinimumAgeDays = 7;
constexpr DaySerial startDateAtStartUp(DaySerial stored, DaySerial today) {
    return stored > today - kStartDateMinimumAgeDays ? kEarliestStartDate : stored;
}

// A draw held on a Saturday, or on a Sunday as a few draws of the history were, is a Saturday draw.
constexpr bool isSaturdayDraw(int weekday) {
    return weekday == kSaturday || weekday == kSunday;
}
constexpr bool isWednesdayDraw(int weekday) {
    return weekday == kWednesday;
}

// How the two weekday boxes ("Saturday draws", "Wednesday draws") choose draws. A draw of a day
// whose box is ticked is always chosen and one of a day whose box is cleared is not, unless both
// boxes are cleared in the browser. The three uses differ on purpose on draws of any other weekday
// and on both boxes cleared:
enum class WeekdayRule {
    // The statistics and the computation's draws: both boxes ticked means every draw, whatever
    // its weekday; both cleared counts nothing.
    Statistics,
    // The tip search lists only draws of a ticked box's day; other weekdays never pass.
    Search,
    // The draw browser only skips what a cleared box excludes: other weekdays always pass, and
    // with both boxes cleared it skips nothing, so there is always a draw to show.
    Browser,
};

constexpr bool drawDayIncluded(int weekday, bool saturdays, bool wednesdays, WeekdayRule rule) {
    if (rule == WeekdayRule::Browser && !saturdays && !wednesdays) return true;
    if (isSaturdayDraw(weekday)) return saturdays;
    if (isWednesdayDraw(weekday)) return wednesdays;
    switch (rule) {
    case WeekdayRule::Statistics:
        return saturdays && wednesdays;
    case WeekdayRule::Search:
        return false;
    case WeekdayRule::Browser:
        return true;
    }
    return false;
}

} // namespace quorix
