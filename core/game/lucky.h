#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/compute/numberpool.h"
#include "core/base/random.h"
#include "core/statistics/statistics.h"
#include "core/compute/tipparameters.h"

namespace quorix {

// Lucky number 1..6 with the smallest count (LuckyFrequency) or the largest (LuckyOutstanding);
// on equal counts the lowest lucky number wins.
int rarestLucky(const NumberStatistics &luckyFrequency);
int longestOutstandingLucky(const NumberStatistics &luckyOutstanding);

// The lucky-number text of one computed row: "-" when makeLucky is off, otherwise "1".."6" by
// luckyOption (0 random, 1 rarest, 2 longest outstanding). Only option 0 draws a random number.
std::string chooseLucky(const TipParameters &parameters, Random &random, const StatisticSource &statistics);

// "Glückszahl setzen": an answer that reads as an integer becomes the generator's state (a negative
// one as its 32-bit pattern) and is returned as entered, for the status text; anything else seeds
// the generator from the counter, silently.
std::optional<int> seedFromAnswer(Random &random, std::string_view answer);

} // namespace quorix
