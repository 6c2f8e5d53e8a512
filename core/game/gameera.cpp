#include "core/game/gameera.h"

#include <algorithm>
#include <array>

#include "core/game/game.h"

namespace quorix {

namespace {

std::string rangeText(NumberRange range) {
    return std::to_string(range.lowest) + ".." + std::to_string(range.highest);
}

// A drawn value that the era has (inside `range`) or has not (0).
std::optional<std::string> extraFault(const char *what, int value, const std::optional<NumberRange> &range) {
    if (!range) {
        if (value == 0) return std::nullopt;
        return std::string(what) + " " + std::to_string(value) + " where the game has none";
    }
    if (range->contains(value)) return std::nullopt;
    return std::string(what) + " " + std::to_string(value) + " is outside " + rangeText(*range);
}

std::optional<std::string> numbersFault(const Draw &draw, const GameEra &era) {
    for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
        const int n = draw.numbers[i];
        if (!era.numbers().contains(n))
            return "number " + std::to_string(n) + " is outside " + rangeText(era.numbers());
        if (std::find(draw.numbers.begin(), draw.numbers.begin() + static_cast<std::ptrdiff_t>(i), n) !=
            draw.numbers.begin() + static_cast<std::ptrdiff_t>(i))
            return "number " + std::to_string(n) + " is drawn twice";
    }
    return std::nullopt;
}

std::optional<std::string> bonusFault(const Draw &draw, const GameEra &era) {
    if (!era.hasBonus) return extraFault("additional number", draw.bonus, std::nullopt);
    if (auto fault = extraFault("additional number", draw.bonus, era.numbers())) return fault;
    if (std::find(draw.numbers.begin(), draw.numbers.end(), draw.bonus) != draw.numbers.end())
        return "additional number " + std::to_string(draw.bonus) + " is one of the six numbers";
    return std::nullopt;
}

} // namespace

std::span<const GameEra> gameEras() {
    static const std::array<GameEra, 4> eras{{
        {0, "6 from 40 with additional number", 40, true, std::nullopt, std::nullopt},
        {serialFromYmd(1979, 4, 1), "6 from 42 with additional number", 42, true, std::nullopt, std::nullopt},
        {serialFromYmd(1986, 1, 1), "6 from 45 with additional number", 45, true, std::nullopt, std::nullopt},
        {serialFromYmd(2013, 1, 12), "6 from 42 with lucky number", 42, false,
         NumberRange{kLowestLucky, kHighestLucky}, NumberRange{0, 13}},
    }};
    return eras;
}

const GameEra &gameEraOn(DaySerial date) {
    const auto eras = gameEras();
    const auto later =
        std::find_if(eras.begin(), eras.end(), [date](const GameEra &era) { return era.firstDay > date; });
    return later == eras.begin() ? eras.front() : *(later - 1);
}

std::optional<std::string> drawFaultInEra(const Draw &draw) {
    const GameEra &era = gameEraOn(draw.date);
    std::optional<std::string> fault = numbersFault(draw, era);
    if (!fault) fault = bonusFault(draw, era);
    if (!fault) fault = extraFault("lucky number", draw.lucky, era.lucky);
    if (!fault) fault = extraFault("Replay", draw.replay, era.replay);
    if (!fault && std::any_of(draw.joker.begin(), draw.joker.end(), [](int d) { return d < 0 || d > 9; }))
        fault = "the Joker is not six digits";
    if (fault) *fault += " (" + std::string(era.name) + ")";
    return fault;
}

} // namespace quorix
