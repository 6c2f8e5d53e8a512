#pragma once

#include <functional>

#include "core/base/calendar.h"

namespace quorix {

// Where the window's features learn today's date. The program asks the system clock; a test
// hands in a fixed day, so that no test depends on the day (or the midnight) it runs on.
using Today = std::function<DaySerial()>;

// Today by the system clock, in local time.
DaySerial systemToday();

} // namespace quorix
