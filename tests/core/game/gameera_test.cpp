#include <gtest/gtest.h>

#include <string>

#include "core/history/drawcsv.h"
#include "core/game/gameera.h"
#include "core/history/samplehistory.h"

using namespace quorix;

namespace {

DaySerial day(int y, int m, int d) {
    return serialFromYmd(y, m, d);
}

Draw drawOn(DaySerial date, std::array<int, 6> numbers, int bonus, int lucky, int replay = 0) {
    Draw d;
    d.date = date;
    d.numbers = numbers;
    d.bonus = bonus;
    d.lucky = lucky;
    d.replay = replay;
    return d;
}

} // namespace

TEST(GameEra, EachDateHasTheGameOfItsTime) {
    const struct {
        DaySerial date;
        int pool;
        bool bonus, lucky;
    } cases[] = {
        {day(1970, 1, 10), 40, true, false},
        {day(1979, 3, 31), 40, true, false},
        {day(1979, 4, 1), 42, true, false},
        {day(1985, 12, 31), 42, true, false},
        {day(1986, 1, 1), 45, true, false},
        {day(2013, 1, 9), 45, true, false},
        {day(2013, 1, 12), 42, false, true},
        {day(2026, 8, 19), 42, false, true},
        {0, 40, true, false},
    };
    for (const auto &c : cases) {
        const GameEra &era = gameEraOn(c.date);
        EXPECT_EQ(era.poolSize, c.pool) << formatIso(c.date);
        EXPECT_EQ(era.hasBonus, c.bonus) << formatIso(c.date);
        EXPECT_EQ(era.lucky.has_value(), c.lucky) << formatIso(c.date);
    }
    ASSERT_EQ(gameEras().size(), 4u);
    for (std::size_t i = 1; i < gameEras().size(); ++i)
        EXPECT_LT(gameEras()[i - 1].firstDay, gameEras()[i].firstDay);
}

TEST(GameEra, EveryRealAndSampleDrawFitsTheGameOfItsDate) {
    const auto real = readDrawHistory(QUORIX_REAL_DRAWS);
    ASSERT_TRUE(real) << real.error().message;
    ASSERT_GT(real->size(), 4000u);
    for (const Draw &d : *real)
        EXPECT_EQ(drawFaultInEra(d), std::nullopt) << formatIso(d.date);
    for (const Draw &d : makeSampleHistory(day(2026, 8, 19), 7))
        EXPECT_EQ(drawFaultInEra(d), std::nullopt) << formatIso(d.date);
}

TEST(GameEra, NamesTheFirstFault) {
    const DaySerial lucky = day(2025, 7, 2);
    const DaySerial bonus45 = day(2000, 1, 8);
    const DaySerial bonus40 = day(1975, 3, 1);
    const struct {
        Draw draw;
        const char *fault;
    } cases[] = {
        {drawOn(lucky, {0, 11, 17, 25, 33, 40}, 0, 5),
         "number 0 is outside 1..42 (6 from 42 with lucky number)"},
        {drawOn(lucky, {3, 11, 17, 25, 33, 43}, 0, 5), "number 43 is outside 1..42"},
        {drawOn(bonus45, {3, 11, 17, 25, 33, 45}, 1, 0), ""},
        {drawOn(bonus40, {3, 11, 17, 25, 33, 41}, 1, 0), "number 41 is outside 1..40"},
        {drawOn(lucky, {7, 11, 17, 25, 7, 40}, 0, 5), "number 7 is drawn twice"},
        {drawOn(lucky, {3, 11, 17, 25, 33, 40}, 9, 5), "additional number 9 where the game has none"},
        {drawOn(bonus45, {3, 11, 17, 25, 33, 40}, 0, 0), "additional number 0 is outside 1..45"},
        {drawOn(bonus45, {3, 11, 17, 25, 33, 40}, 46, 0), "additional number 46 is outside 1..45"},
        {drawOn(bonus45, {3, 11, 17, 25, 33, 40}, 17, 0), "additional number 17 is one of the six numbers"},
        {drawOn(bonus45, {3, 11, 17, 25, 33, 40}, 5, 2), "lucky number 2 where the game has none"},
        {drawOn(lucky, {3, 11, 17, 25, 33, 40}, 0, 0), "lucky number 0 is outside 1..6"},
        {drawOn(lucky, {3, 11, 17, 25, 33, 40}, 0, 7), "lucky number 7 is outside 1..6"},
        {drawOn(lucky, {3, 11, 17, 25, 33, 40}, 0, 6, 13), ""},
        {drawOn(lucky, {3, 11, 17, 25, 33, 40}, 0, 6, 14), "Replay 14 is outside 0..13"},
        {drawOn(bonus45, {3, 11, 17, 25, 33, 40}, 5, 0, 3), "Replay 3 where the game has none"},
    };
    for (const auto &c : cases) {
        const auto fault = drawFaultInEra(c.draw);
        if (std::string(c.fault).empty()) {
            EXPECT_EQ(fault, std::nullopt) << formatIso(c.draw.date);
        } else {
            ASSERT_TRUE(fault) << c.fault;
            EXPECT_TRUE(fault->starts_with(c.fault)) << *fault;
        }
    }
}
