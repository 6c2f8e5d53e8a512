#pragma once

#include <array>

#include "core/game/game.h"
#include "core/game/tipsheet.h"

namespace quorix {

// How often each number occurs among the tips of the sheet.
struct TipDistribution {
    std::array<int, kHighestNumber + 1> counts{}; // index = number; 0 only counts a field holding "0"
    int lowest = 0;                               // smallest count over the numbers 1..42
    int highest = 0;                              // largest count over the numbers 1..42
    int total = 0;                                // fields counted
};

// Reads the number fields of rows 1..12 row by row, then rows 13 and 14 column by column, alternating between
// the two (that is the order of their interleaved field numbers). The first field that is not a whole number
// ends the reading, so a gap in the sheet hides every tip after it.
TipDistribution countTipDistribution(const TipSheet &sheet);

} // namespace quorix
