#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/game.h"

namespace quorix {

// A tip number or lucky text as an integer: optional blanks around an optionally signed run of
// decimal digits that fits an int. "-", "" and "x" are not integers.
std::optional<int> tipInteger(std::string_view text);

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

// The numbers a row's six fields hold, as the number dialog ticks them when the row is edited:
// the fields are read from the first on, and the first that holds no whole number (an empty one,
// letters, a number too large for an int) ends the row. A whole number may have blanks around it,
// a sign and leading zeros, as a field's text may have before it is tidied. A whole number outside
// 1..42 is no tip number: it is passed over without ending the row. Each number comes once, in the
// order of the fields.
std::vector<int> rowTipNumbers(std::span<const std::string_view, kNumbersPerTip> fields);
// The same for a row of the sheet.
std::vector<int> rowTipNumbers(const TipRow &row);

} // namespace quorix
