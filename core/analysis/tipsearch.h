#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "core/base/calendar.h"
#include "core/history/draw.h"
#include "core/base/result.h"
#include "core/statistics/statistics.h"
#include "core/game/tipcheck.h"
#include "core/game/tipsheet.h"

namespace quorix {

// The search of the sheet's tips in the history: every draw of the statistics window is compared
// with all fourteen rows, and each row reaching the threshold is put to the caller, who decides
// whether to go on.

// Whether the search compares a draw of this date: inside startDate..endDate (both inclusive) and
// a Saturday draw (Saturday or Sunday) with the Saturday box ticked or a Wednesday draw with the
// Wednesday box ticked. Other weekdays never pass, whatever the boxes say.
bool searchesDate(const StatisticsWindow &window, DaySerial date);

// The threshold as the user typed it: an integer (blanks around it allowed), any integer. The
// error carries the text shown to the user.
Result<int> searchThreshold(std::string_view text);

struct SearchHandler {
    // A draw of the window is about to be compared.
    std::function<void(const Draw &draw)> draw;
    // Row 0..13 was compared with that draw.
    std::function<void(int row, const TipMatch &match)> row;
    // Row 0..13 has the threshold's hits or more; true goes on with the next row, false ends the
    // search at once (the rows after it keep what they showed).
    std::function<bool(const Draw &draw, int row, const TipMatch &match)> match;
};

struct SearchOutcome {
    int searched = 0;     // draws compared, the one the search ended on included
    bool stopped = false; // a match answered false
};

// Walks the draws front to back. The rows are compared as the sheet holds them: nothing is sorted,
// an incomplete row counts what was found before its first place that is not an integer.
SearchOutcome searchTips(const TipSheet &sheet, const StatisticsWindow &window, int threshold,
                         std::span<const Draw> draws, const SearchHandler &handler);

} // namespace quorix
