#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/history/draw.h"
#include "core/base/result.h"

namespace quorix {

class DrawFile;

// The two weekday boxes as the browser applies them: Saturday (and Sunday) draws are excluded
// when the Saturday box is cleared, Wednesday draws when the Wednesday box is cleared; other
// weekdays are never excluded. With both boxes cleared the browser excludes nothing, as the
// program does at start-up.
struct WeekdayFilter {
    bool saturday = true;
    bool wednesday = true;

    bool excludes(DaySerial date) const;
};

// The current draw and its 0-based position in the draw file.
struct BrowsedDraw {
    std::size_t index = 0;
    Draw draw;
    bool operator==(const BrowsedDraw &) const = default;
};

// The draw before the current one that the filter admits. At the oldest draw, or when no earlier
// draw is admitted, the current draw stays (clamped to the end of a shorter file). An empty file
// gives the all-zero draw at index 0.
BrowsedDraw stepBack(std::span<const Draw> draws, std::size_t currentIndex, const WeekdayFilter &filter);

// The draw after the current one that the filter admits. When every later draw is excluded, the
// newest draw's predecessor becomes current if the filter admits it, else the current draw stays.
BrowsedDraw stepForward(std::span<const Draw> draws, std::size_t currentIndex, const WeekdayFilter &filter);

// The first draw dated on or after endDate, else the newest; the weekday boxes play no part.
// False (nothing selected) for an empty file.
bool drawForEndDate(std::span<const Draw> draws, DaySerial endDate, BrowsedDraw &selected);

// Holds the current draw between user actions; every step reads the file afresh.
class DrawBrowser {
public:
    const BrowsedDraw &current() const { return m_current; }
    void setCurrent(BrowsedDraw current) { m_current = current; }

    Result<void> stepBack(const DrawFile &file, const WeekdayFilter &filter);
    Result<void> stepForward(const DrawFile &file, const WeekdayFilter &filter);
    // An empty file leaves the current draw as it was.
    Result<void> selectForEndDate(const DrawFile &file, DaySerial endDate);

private:
    BrowsedDraw m_current;
};

// Display texts. `weekday` is the locale's abbreviated weekday name of the draw's date.
// "Sa 05.04.14"
std::string drawDateText(std::string_view weekday, DaySerial date);
// The draw line after selecting the draw for the end date: two blanks after the date (three for
// the file's first record), each number after two blanks, "     G:" lucky, "   R:" Replay.
std::string selectedDrawLine(std::string_view weekday, const Draw &draw, bool firstRecord);
// The draw line after a step: always two blanks after the date.
std::string steppedDrawLine(std::string_view weekday, const Draw &draw);
// Joker line after selecting: three blanks after the date, each digit followed by one blank.
std::string selectedJokerLine(std::string_view weekday, const Draw &draw);
// Joker line after a step: two blanks after the date, each digit after two blanks.
std::string steppedJokerLine(std::string_view weekday, const Draw &draw);
// "QS: 105"
std::string crossSumText(const Draw &draw);

} // namespace quorix
