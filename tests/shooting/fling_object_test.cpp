#include "shooting/fling_object.h"

#include <gtest/gtest.h>

namespace {

// Pool slots are constructed once, so these defaults are what a slot's first object starts
// from wherever Place and Launch leave a field alone.
TEST(FlingObject, DefaultsThenLaunchSetsOnlyItsOwnFields) {
    CEnemyObject o;
    for (double v : {o.x, o.y, o.vx, o.vy, o.x0, o.y0, o.vx0, o.vy0})
        EXPECT_EQ(v, 0.0);
    for (int32_t v :
         {o.WorkInt(0),   o.WorkInt(1),   o.WorkInt(2),    o.WorkInt(3),     o.kind,
          o.param1,       o.param2,       int32_t{o.flag}, int32_t{o.alive}, o.step,
          o.age,          o.angle,        o.param4,        o.shotBoxHigh,    o.shotBoxLow,
          o.shotBoxHalfW, o.laserTouched, o.laserCount,    o.frameX,         o.animCount,
          o.tick})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(o.hp, 2);
    EXPECT_EQ(o.param3, 1);
    EXPECT_EQ(o.draw.mode, 10);
    EXPECT_EQ(o.draw.level, 255);
    EXPECT_EQ(o.w, 10);
    EXPECT_EQ(o.h, 10);

    o.flag = 1;
    o.age = 5;
    o.draw.level = 3;
    o.Launch(3, 4, 7, 0.1f, -2.0f);
    EXPECT_EQ(o.x0, 3.0);
    EXPECT_EQ(o.y0, 4.0);
    EXPECT_EQ(o.kind, 7);
    EXPECT_EQ(o.alive, 1);
    EXPECT_EQ(o.flag, 0);
    EXPECT_EQ(o.vx0, 0.100000001490116119384765625);
    EXPECT_EQ(o.vy, -2.0);
    EXPECT_EQ(o.draw.level, 255);
    EXPECT_EQ(o.age, 5);

    o.draw.level = 100;
    o.AddAlpha(-300);
    EXPECT_EQ(o.draw.level, 0);
    o.draw.level = 100;
    o.AddAlpha(200);
    EXPECT_EQ(o.draw.level, 255);
}

}  // namespace
