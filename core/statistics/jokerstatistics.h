#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "core/base/calendar.h"
#include "core/history/draw.h"

namespace quorix {

class Random;

// Position 1..6 is one Joker digit (1 = first), 7 all six.
inline constexpr int kJokerAllPositions = 7;

enum class JokerDigitMode {
    Often,       // "wie oft": how often each digit was drawn at the position
    Outstanding, // "ausstehend": draws since each digit was last drawn there
};

struct JokerDigitStatistic {
    std::array<std::int32_t, 10> counts{};
    int drawCount = 0;
    std::int64_t digitTotal = 0;
    bool operator==(const JokerDigitStatistic &) const = default;
};

// A Joker of six zeros means none was recorded (old records, legacy files).
bool jokerUnknown(const Draw &draw);

// The start date the statistic uses: a start after the end moves to a year before the end.
DaySerial jokerStartDate(DaySerial start, DaySerial end);

// One pass over the draws in file order, counting those dated start..end (after jokerStartDate)
// that have a Joker; weekdays play no part. position 1..7.
JokerDigitStatistic computeJokerDigits(int position, JokerDigitMode mode, DaySerial start, DaySerial end,
                                       std::span<const Draw> draws);

// The digit total over the draws counted, halves to the even neighbour; none without draws.
std::optional<int> jokerAverageDigit(const JokerDigitStatistic &statistic);

// The oldest draw whose Joker equals `digits`.
std::optional<Draw> findJokerNumber(const std::array<int, 6> &digits, std::span<const Draw> draws);

// How many final digits a new number must not share with a drawn Joker at `level`: 0 (random
// digits only), 6, 5, 4, or 3 for level 4 and above.
int jokerFinalDigitsCompared(int level);

struct NewJokerNumber {
    std::array<int, 6> digits{};
    int level = 0; // the level after any lowering
};

// Six random digits whose final digits match no drawn Joker at `level`. After more than 1000
// redraws at one level the level drops by one and the search goes on; at level 0 the current
// digits stand. `draws` is only read for a level above 0.
NewJokerNumber makeNewJokerNumber(int level, Random &random, std::span<const Draw> draws);

} // namespace quorix
