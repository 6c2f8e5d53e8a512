#pragma once

#include <cstdint>
#include <vector>

#include "core/history/draw.h"

namespace quorix {

// A made-up draw history for trying the program out, the same for the same arguments. It follows
// the game's eras: Saturday draws from 1990, Wednesday draws too from 1997; 6 from 45 with an
// additional number up to 09.01.2013; from 12.01.2013 6 from 42 with lucky number 1..6,
// Replay 1..13 and a six-digit Joker. Draws up to and including `to`.
std::vector<Draw> makeSampleHistory(DaySerial to, std::uint32_t seed);

} // namespace quorix
