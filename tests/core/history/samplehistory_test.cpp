#include <gtest/gtest.h>

#include <algorithm>

#include "core/history/samplehistory.h"

using namespace quorix;

TEST(SampleHistory, FollowsTheErasAndRepeats) {
    const DaySerial to = serialFromYmd(2014, 1, 1);
    const std::vector<Draw> draws = makeSampleHistory(to, 1990);
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws, makeSampleHistory(to, 1990));
    EXPECT_NE(draws, makeSampleHistory(to, 1991));
    EXPECT_EQ(formatIso(draws.front().date), "1990-01-06");
    EXPECT_LE(draws.back().date, to);

    const DaySerial wednesdaysFrom = serialFromYmd(1997, 1, 1);
    const DaySerial luckyEra = serialFromYmd(2013, 1, 12);
    bool sawWednesday = false, sawOld = false, sawNew = false;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const Draw &d = draws[i];
        SCOPED_TRACE(formatIso(d.date));
        if (i > 0) {
            EXPECT_GT(d.date, draws[i - 1].date);
        }
        const int weekday = weekdayOf(d.date);
        ASSERT_TRUE(weekday == 7 || (weekday == 4 && d.date >= wednesdaysFrom));
        sawWednesday |= weekday == 4;
        const bool newEra = d.date >= luckyEra;
        const int top = newEra ? 42 : 45;
        for (std::size_t k = 0; k < 6; ++k) {
            EXPECT_GE(d.numbers[k], 1);
            EXPECT_LE(d.numbers[k], top);
            if (k > 0) {
                EXPECT_LT(d.numbers[k - 1], d.numbers[k]);
            }
        }
        if (newEra) {
            sawNew = true;
            EXPECT_EQ(d.bonus, 0);
            EXPECT_TRUE(d.lucky >= 1 && d.lucky <= 6);
            EXPECT_TRUE(d.replay >= 1 && d.replay <= 13);
            for (int digit : d.joker)
                EXPECT_TRUE(digit >= 0 && digit <= 9);
        } else {
            sawOld = true;
            EXPECT_TRUE(d.bonus >= 1 && d.bonus <= 45);
            EXPECT_EQ(std::count(d.numbers.begin(), d.numbers.end(), d.bonus), 0);
            EXPECT_EQ(d.lucky, 0);
            EXPECT_EQ(d.jokerString(), "000000");
        }
    }
    EXPECT_TRUE(sawWednesday && sawOld && sawNew);
    // Every Saturday from 1990 and every Wednesday from 1997 is there.
    const int saturdays = (to - serialFromYmd(1990, 1, 6)) / 7 + 1;
    const int wednesdays = (to - serialFromYmd(1997, 1, 1)) / 7 + 1;
    EXPECT_EQ(static_cast<int>(draws.size()), saturdays + wednesdays);
}
