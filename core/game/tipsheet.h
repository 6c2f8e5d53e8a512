#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/game/game.h"

namespace quorix {

// One row of the tip sheet as the page holds it: six number fields left to right, each empty or
// the text typed or computed, the lucky box ("-" for none) and the lock.
struct TipRow {
    std::array<std::string, kNumbersPerTip> numbers;
    std::string lucky = "-";
    bool locked = false;
    bool operator==(const TipRow &) const = default;
};

// The fourteen rows, row 1 first. How many rows the computation fills is its setting `tipCount`.
struct TipSheet {
    std::array<TipRow, kTipRowCount> rows;
    bool operator==(const TipSheet &) const = default;
};

// What a number field keeps of a text it is given: a whole number 1..42 without leading zeros
// (blanks around it and a "+" sign allowed), anything else leaves the field empty.
std::string normalisedTipNumber(std::string_view text);

} // namespace quorix
