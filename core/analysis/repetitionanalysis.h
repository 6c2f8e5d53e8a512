#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "core/base/calendar.h"
#include "core/history/draw.h"
#include "core/history/drawbrowser.h"

namespace quorix {

// The repetition analysis: every draw from a chosen date on is taken as a tip and compared with
// every earlier draw and with the one, two and three draws after it, as the draw browser steps.

// Counters by the numbers shared, 0..6.
using ShareCounts = std::array<std::uint32_t, 7>;

struct RepetitionTables {
    ShareCounts earlier{}; // the turn's draw against each earlier draw from the start date on
    ShareCounts next1{};   // ... against the draw the browser steps to next
    ShareCounts next2{};   // ... the one after that
    ShareCounts next3{};   // ... and the third
    bool operator==(const RepetitionTables &) const = default;
};

struct RepetitionSettings {
    DaySerial startDate = 0; // the statistics' start date: earlier draws count from this day on
    DaySerial fromDate = 0;  // the end date picker: the first turn is the draw selected for it
    WeekdayFilter filter;    // the browser's weekday boxes, which choose the turns and the next draws
    int threshold = 7;       // an earlier draw sharing this many numbers or more is put to the caller
};

struct RepetitionHandler {
    // A turn starts for this draw; `newest` is the date the walk runs up to.
    std::function<void(int turn, const BrowsedDraw &draw, DaySerial newest)> turn;
    // The turn's draw shares `shared` numbers (threshold or more) with an earlier draw. False ends
    // the walk at once.
    std::function<bool(const Draw &turnDraw, const Draw &earlier, int shared)> match;
};

struct RepetitionOutcome {
    int turns = 0;
    RepetitionTables tables;
    bool stopped = false; // a match answered false; the tables are then incomplete
    // Where the browser ends: on the draw after the last turn's, else on the last turn's draw
    // (also when the walk was stopped). Nothing for an empty history.
    BrowsedDraw current;
    Draw lastTurnDraw; // the draw the tip row holds at the end
};

// How many different numbers of `tip` are among the main numbers of `draw`: what the one-tip
// comparison gives for a tip written as the draw's six numbers. Neither the bonus number nor the
// lucky number counts, so the lucky box of the row that holds the tip plays no part.
int sharedNumbers(const Draw &tip, const Draw &draw);

// The date a turn shows as the one the walk runs up to. Later turns show the newest draw's date.
// The first turn is shown before the walk has stepped past its draw and shows a provisional end
// instead: its own draw's date plus kFirstTurnShownDaysAhead, whatever the history holds.
inline constexpr int kFirstTurnShownDaysAhead = 10;
constexpr DaySerial walkEndShown(int turn, DaySerial turnDate, DaySerial newest) {
    return turn == 1 ? turnDate + kFirstTurnShownDaysAhead : newest;
}

// The walk. The first turn is the draw selected for `fromDate` (weekday boxes play no part);
// each further turn is the browser's next draw while that draw is older than the newest, so the
// newest draw has a turn only as the first. A browser step that does not move forward (nothing
// later admitted by the weekday boxes) ends the walk instead of repeating the turn. The draws
// are held in memory for the whole walk and taken in file order with their dates as they are,
// so the result is the one of a walk that rereads the file for every turn and step.
RepetitionOutcome analyseRepetition(std::span<const Draw> draws, const RepetitionSettings &settings,
                                    const RepetitionHandler &handler);

} // namespace quorix
