#include <gtest/gtest.h>

#include "core/draw.h"

using namespace quorix;

TEST(DrawRecord, RoundTripKeepsLeadingZeroOfJoker)
{
    Draw d;
    d.date = serialFromYmd(2014, 4, 5);
    d.numbers = {3, 11, 17, 25, 33, 40};
    d.lucky = 5;
    d.replay = 7;
    d.joker = {0, 4, 7, 1, 1, 9};
    const Draw back = DrawRecord::fromDraw(d).toDraw();
    EXPECT_EQ(back, d);
    EXPECT_EQ(back.jokerString(), "047119");
}
