#include "core/history/samplehistory.h"

#include <algorithm>

#include "core/game/game.h"
#include "core/game/gameera.h"
#include "core/base/random.h"

namespace quorix {

namespace {

// k distinct numbers 1..pool, ascending.
std::vector<int> distinctNumbers(Random &random, int k, int pool) {
    std::vector<int> picked;
    while (static_cast<int>(picked.size()) < k) {
        const int n = static_cast<int>(random.below(static_cast<std::uint32_t>(pool))) + 1;
        if (std::find(picked.begin(), picked.end(), n) == picked.end()) picked.push_back(n);
    }
    return picked;
}

} // namespace

std::vector<Draw> makeSampleHistory(DaySerial to, std::uint32_t seed) {
    const DaySerial firstSaturday = serialFromYmd(1990, 1, 6);
    const DaySerial wednesdaysFrom = serialFromYmd(1997, 1, 1);
    Random random(seed);
    std::vector<Draw> draws;
    for (DaySerial saturday = firstSaturday; saturday - 3 <= to; saturday += 7) {
        for (DaySerial date : {saturday - 3, saturday}) {
            if (date > to || date < firstSaturday) continue;
            if (isWednesdayDraw(weekdayOf(date)) && date < wednesdaysFrom) continue;
            Draw d;
            d.date = date;
            const GameEra &era = gameEraOn(date);
            const bool luckyEra = era.lucky.has_value();
            std::vector<int> numbers = distinctNumbers(random, 7, era.poolSize);
            std::sort(numbers.begin(), numbers.begin() + 6);
            std::copy_n(numbers.begin(), 6, d.numbers.begin());
            if (luckyEra) {
                const NumberRange lucky = *era.lucky;
                d.lucky = static_cast<int>(
                              random.below(static_cast<std::uint32_t>(lucky.highest - lucky.lowest + 1))) +
                          lucky.lowest;
                d.replay = static_cast<int>(random.below(13)) + 1;
                for (int &digit : d.joker)
                    digit = static_cast<int>(random.below(10));
            } else {
                d.bonus = numbers[6];
            }
            draws.push_back(d);
        }
    }
    return draws;
}

} // namespace quorix
