#pragma once

#include "core/calendar.h"

namespace quorix {

// The game as the sheet and the computation know it: 6 from 42 on 14 rows.
inline constexpr int kTipRowCount = 14;
inline constexpr int kNumbersPerTip = 6;
inline constexpr int kLowestNumber = 1;
inline constexpr int kHighestNumber = 42;

// The statistics' start date never lies before 17.03.1990 (days since 30.12.1899).
inline constexpr DaySerial kEarliestStartDate = 32949;

} // namespace quorix
