#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "bosses/boss.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "shooting/enemy_bullet.h"

// The first frame of an attack window, fired with the generator freshly seeded with 1, whose
// draws are 130, 10982, 1090, 11656, 7117, 17595, 6415, 22948, 31126, 9004, ... The boss is
// made afresh, placed, and runs its frames from `start` up to the window's frame.
struct BossWindow {
    int32_t phasesLeft;
    int32_t level;
    int32_t start;  // the boss is placed at (x, y) and runs from this script frame
    int32_t t;      // the window's frame, the one checked
    double x;
    double y;
    int bullets;     // in play after frame t
    uint64_t draws;  // random numbers frame t draws
    int32_t firstX;  // the first bullet of frame t
    int32_t firstY;
    double speed;  // its speed, the length of its velocity, when the row gives it (>= 0)
    double vx;     // its velocity, when the row gives it
    double vy;
    int32_t anim;  // a small bullet's animation draw, or -1
};
inline constexpr double kAnyVelocity = 1e9;

inline void CheckWindow(CBoss& boss, const BossWindow& w) {
    boss.Init();
    boss.phasesLeft = w.phasesLeft;
    boss.x = w.x;
    boss.y = w.y;
    boss.phaseFrame = w.start - 1;
    g_nLevel = w.level;
    for (int32_t f = w.start; f < w.t; ++f)
        boss.Act();
    g_EBMannager.Init();
    SeedRand(1);
    const uint64_t before = RandDraws();
    boss.Act();
    const std::string where = "t " + std::to_string(w.t) + " level " + std::to_string(w.level);
    EXPECT_EQ(RandDraws() - before, w.draws) << where;
    int bullets = 0;
    for (const CEBullet& b : g_EBMannager.bullets)
        bullets += b.alive;
    EXPECT_EQ(bullets, w.bullets) << where;
    if (w.bullets == 0) return;
    const CEBullet& first = g_EBMannager.bullets[CEBMannager::kFirstRingSlot];
    EXPECT_EQ(first.x, w.firstX) << where;
    EXPECT_EQ(first.y, w.firstY) << where;
    if (w.speed >= 0) {
        EXPECT_NEAR(std::hypot(first.vx, first.vy), w.speed, 1e-4) << where;
    }
    if (w.vx != kAnyVelocity) {
        EXPECT_NEAR(first.vx, w.vx, 1e-5) << where;
        EXPECT_NEAR(first.vy, w.vy, 1e-5) << where;
    }
    if (w.anim >= 0) {
        EXPECT_EQ(first.animCount(), w.anim) << where;
    }
}
