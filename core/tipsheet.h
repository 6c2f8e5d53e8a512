#pragma once

#include <array>
#include <string>

#include "core/game.h"

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

} // namespace quorix
