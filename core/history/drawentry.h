#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "core/base/calendar.h"
#include "core/base/result.h"
#include "core/game/gameera.h"
#include "core/history/draw.h"

namespace quorix {

// What the draw entry dialog gives back: the values of its pickers and spinners, and the six
// Joker fields as typed.
struct DrawEntryForm {
    DaySerial date = 0;
    std::array<int, 6> numbers{};
    int bonus = 0;
    int lucky = 0;
    int replay = 0;
    std::array<std::string, 6> joker;
};

// The values the entry dialog's spinners offer: whatever a draw of any era holds, so that a draw
// of any date can be entered. 0 in the additional number, lucky number and Replay stands for
// none, as in a stored draw of an era without it.
struct DrawEntryRanges {
    NumberRange numbers;
    NumberRange bonus;
    NumberRange lucky;
    NumberRange replay;
};
DrawEntryRanges drawEntryRanges();

// The draw an entry starts from: the first draw dated `endDate`, else the newest draw, else (an
// empty history) the all-zero draw.
Draw entryBaseDraw(std::span<const Draw> draws, DaySerial endDate);

// The dialog's values as shown for a base draw: its fields, the Joker digits as text.
DrawEntryForm entryFormFor(const Draw &base);

// The draw an entry writes: date, numbers (sorted ascending), bonus, lucky, Replay and Joker from
// the form. Each Joker field must hold one decimal digit; anything else refuses the entry.
Result<Draw> enteredDraw(const DrawEntryForm &form);

// Wednesday draws before this day are old test records and are dropped whenever the history is
// rewritten around an entered draw.
DaySerial earliestWednesdayKept();

// Where an entered draw goes. A draw later than the newest one is appended; any other draw makes
// the history rewritten: early Wednesday draws dropped, every draw of the entered date replaced,
// the entered draw placed before the first later draw.
struct EntryPlacement {
    bool append = false;
    std::vector<Draw> rewritten; // the whole new history when not appending
    std::size_t dropped = 0;     // early Wednesday draws left out
    std::size_t replaced = 0;    // draws of the entered date left out
};
EntryPlacement placeEnteredDraw(std::span<const Draw> history, const Draw &entered);

// The history without every draw of `date` (deletion of the shown draw).
std::vector<Draw> withoutDrawsOf(std::span<const Draw> history, DaySerial date);

// What merging incoming draws into a history would do, counted by date as mergeDraws merges:
// several incoming draws of one date count once (the last wins).
struct MergeSummary {
    std::size_t added = 0;     // dates the history does not hold
    std::size_t replaced = 0;  // dates it holds with other values
    std::size_t unchanged = 0; // dates it holds with exactly these values
};
MergeSummary summariseMerge(std::span<const Draw> history, std::span<const Draw> incoming);

} // namespace quorix
