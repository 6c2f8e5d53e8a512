#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/base/calendar.h"
#include "core/history/draw.h"

namespace quorix {

// A closed range of whole numbers.
struct NumberRange {
    int lowest = 0;
    int highest = 0;
    bool contains(int value) const { return value >= lowest && value <= highest; }
};

// One game of the lottery's history, from its first day up to the day before the next one's.
struct GameEra {
    DaySerial firstDay = 0; // the first era reaches back without limit
    const char *name = "";  // "6 from 45 with additional number"
    int poolSize = 0;       // the six numbers come from 1..poolSize
    // The additional number ("Z") is one more number of the pool, never one of the six; a draw
    // of an era without it stores 0.
    bool hasBonus = false;
    // The lucky number ("G") and the Replay number ("R") where the era draws them, else stored 0.
    // A Replay of 0 says that it is not known.
    std::optional<NumberRange> lucky;
    std::optional<NumberRange> replay;

    NumberRange numbers() const { return {1, poolSize}; }
};

// Every era, oldest first.
std::span<const GameEra> gameEras();
// The game drawn on `date`.
const GameEra &gameEraOn(DaySerial date);

// What makes `draw` no draw of the game of its date: six different numbers of the pool, the
// additional number, lucky number and Replay where the era has them and 0 where it has none, the
// Joker's digits 0..9. Empty when the draw fits; else the first fault, in words.
std::optional<std::string> drawFaultInEra(const Draw &draw);

} // namespace quorix
