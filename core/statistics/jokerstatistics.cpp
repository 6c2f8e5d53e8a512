#include "core/statistics/jokerstatistics.h"

#include <algorithm>

#include "core/base/random.h"
#include "core/base/rounding.h"

namespace quorix {

namespace {

constexpr int kRedrawLimit = 1000;

void countOften(JokerDigitStatistic &s, const Draw &draw, int position) {
    if (position == kJokerAllPositions) {
        for (int digit : draw.joker)
            ++s.counts[static_cast<std::size_t>(digit)];
    } else {
        ++s.counts[static_cast<std::size_t>(draw.joker[static_cast<std::size_t>(position - 1)])];
    }
}

void countOutstanding(JokerDigitStatistic &s, const Draw &draw, int position) {
    for (std::int32_t &count : s.counts)
        ++count;
    if (position == kJokerAllPositions) {
        for (int digit : draw.joker)
            s.counts[static_cast<std::size_t>(digit)] = 1;
    } else {
        s.counts[static_cast<std::size_t>(draw.joker[static_cast<std::size_t>(position - 1)])] = 1;
    }
}

int digitAt(const Draw &draw, int position) {
    if (position != kJokerAllPositions) return draw.joker[static_cast<std::size_t>(position - 1)];
    int sum = 0;
    for (int digit : draw.joker)
        sum += digit;
    return sum;
}

void drawDigits(std::array<int, 6> &digits, Random &random) {
    for (int &digit : digits)
        digit = static_cast<int>(random.below(10));
}

bool endingsEqual(const std::array<int, 6> &digits, const Draw &draw, int finalDigits) {
    return std::equal(digits.end() - finalDigits, digits.end(), draw.joker.end() - finalDigits);
}

} // namespace

bool jokerUnknown(const Draw &draw) {
    return std::all_of(draw.joker.begin(), draw.joker.end(), [](int digit) { return digit == 0; });
}

DaySerial jokerStartDate(DaySerial start, DaySerial end) {
    return start > end ? end - 365 : start;
}

JokerDigitStatistic computeJokerDigits(int position, JokerDigitMode mode, DaySerial start, DaySerial end,
                                       std::span<const Draw> draws) {
    JokerDigitStatistic s;
    if (position < 1 || position > kJokerAllPositions) return s;
    start = jokerStartDate(start, end);
    for (const Draw &draw : draws) {
        if (draw.date < start || draw.date > end || jokerUnknown(draw)) continue;
        // A digit outside 0..9 can only come from a damaged record; it cannot be counted.
        if (std::any_of(draw.joker.begin(), draw.joker.end(), [](int d) { return d < 0 || d > 9; })) continue;
        if (mode == JokerDigitMode::Often)
            countOften(s, draw, position);
        else
            countOutstanding(s, draw, position);
        s.digitTotal += digitAt(draw, position);
        ++s.drawCount;
    }
    return s;
}

std::optional<int> jokerAverageDigit(const JokerDigitStatistic &statistic) {
    if (statistic.drawCount == 0) return std::nullopt;
    return roundHalfEven(statistic.digitTotal, statistic.drawCount);
}

std::optional<Draw> findJokerNumber(const std::array<int, 6> &digits, std::span<const Draw> draws) {
    const auto found = std::find_if(draws.begin(), draws.end(),
                                    [&digits](const Draw &draw) { return draw.joker == digits; });
    if (found == draws.end()) return std::nullopt;
    return *found;
}

int jokerFinalDigitsCompared(int level) {
    if (level <= 0) return 0;
    if (level >= 4) return 3;
    return 7 - level;
}

NewJokerNumber makeNewJokerNumber(int level, Random &random, std::span<const Draw> draws) {
    NewJokerNumber result;
    result.level = level;
    drawDigits(result.digits, random);
    if (level <= 0) return result;
    int redraws = 1;
    std::size_t i = 0;
    while (i < draws.size()) {
        bool restart = false;
        if (endingsEqual(result.digits, draws[i], jokerFinalDigitsCompared(result.level))) {
            drawDigits(result.digits, random);
            ++redraws;
            restart = true;
        }
        if (redraws > kRedrawLimit) {
            --result.level;
            redraws = 1;
            if (result.level == 0) return result;
        }
        i = restart ? 0 : i + 1;
    }
    return result;
}

} // namespace quorix
