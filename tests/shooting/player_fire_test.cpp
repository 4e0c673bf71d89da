#include <gtest/gtest.h>

#include <algorithm>

#include "engine/random.h"
#include "tests/shooting/player_fixture.h"

namespace {

class PlayerFireTest : public PlayerFixture {
protected:
    void ClearBackBuffer() { std::fill_n(g_BackBuffer.pixels, 640 * 480, 0u); }
};

TEST_F(PlayerFireTest, TypeZeroAtPowerZero) {
    for (int frame = 1; frame <= 3; ++frame) {
        Frame(1);
        EXPECT_EQ(g_BulletMannager.next, frame == 3 ? 2 : 0);
    }
    const CBullet& a = g_BulletMannager.shots[0];
    const CBullet& b = g_BulletMannager.shots[1];
    EXPECT_EQ(a.x0, 306.0);
    EXPECT_EQ(b.x0, 317.0);
    EXPECT_EQ(a.y0, 52.0);
    EXPECT_EQ(a.vy, -14.0);
    EXPECT_EQ(a.cell, 0);
    // Moved once in the frame it was fired, before any enemy tests it.
    EXPECT_EQ(a.y, 66.0);
    EXPECT_EQ(a.value, 18);
}

TEST_F(PlayerFireTest, TimersCadenceAndBomb) {
    // The first step after Init runs with the button up; the cadence counts it.
    g_Player.Shoot(0);
    EXPECT_EQ(g_Player.shotCount, 1);
    EXPECT_EQ(SoundRequest[0], 1);
    g_Player.Shoot(0);
    EXPECT_EQ(g_Player.shotCount, 1);

    // Firing goes on for 15 frames after the button is released.
    g_Player.Shoot(1);
    int steps = 0;
    for (int i = 0; i < 30; ++i) {
        SoundRequest[0] = 0;
        g_Player.Shoot(0);
        steps += SoundRequest[0];
    }
    EXPECT_EQ(steps, 15);

    // A switch from a five-frame type past the three-frame limit fires at once.
    g_Player.shotCount = 4;
    const int32_t next = g_BulletMannager.next;
    g_Player.Shoot(1);
    EXPECT_EQ(g_Player.shotCount, 0);
    EXPECT_EQ(g_BulletMannager.next - next, 2);

    g_bBombActive = 1;
    SoundRequest[0] = 0;
    for (int i = 0; i < 6; ++i)
        g_Player.Shoot(1);
    EXPECT_EQ(SoundRequest[0], 1);
    EXPECT_EQ(g_Player.shotCount, 0);

    g_Player.y = -140;
    g_Player.Shoot(1);
    EXPECT_EQ(g_Player.shotTimer, 0);
}

TEST_F(PlayerFireTest, OptionLasersAndTheirBeamRows) {
    g_Player.laserImage.Create(1, 1);
    g_Player.laserHitImage.Create(1, 1);
    ClearBackBuffer();
    g_Player.power = 3;
    g_Player.Shoot(1);
    const uint64_t before = RandDraws();
    g_Player.DrawLazer();
    EXPECT_EQ(RandDraws(), before);
    EXPECT_EQ(g_Player.optionCount, 2);
    EXPECT_EQ(g_Player.option[0].x, 339);
    EXPECT_EQ(g_Player.option[0].y, 45);
    EXPECT_EQ(g_Player.option[2].x, 0);
    EXPECT_EQ(g_Player.laserTip[0].y, 468);
    const uint32_t* row = g_BackBuffer.GetPixelAddress(339 - 6, 200);
    const uint32_t expected[9] = {0,        0x121256, 0x121256, 0x121256, 0x9999FF,
                                  0x121256, 0x121256, 0x121256, 0};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(row[i], expected[i]) << i;
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(336, 44), 0u);
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(337, 468), 0x9999FFu);

    g_Player.power = 4;
    g_Player.x = 100;
    g_Player.laserTip[1].y = 300;
    g_Player.laserTip[1].hit = 1;
    g_Player.laserTip[3].y = 200;
    g_Player.DrawLazer();
    EXPECT_EQ(g_Player.option[1].x, 159);
    EXPECT_EQ(g_Player.option[3].x, 159);
    EXPECT_EQ(g_Player.option[2].x, 182);
    // Two cut lasers: three numbers each; a tip an enemy lowered this frame stays put.
    EXPECT_EQ(RandDraws() - before, 6u);
    EXPECT_EQ(g_Player.laserTip[1].y, 300);
    EXPECT_EQ(g_Player.laserTip[1].hit, 0);
    EXPECT_EQ(g_Player.laserTip[3].y, 468);
    g_Player.DrawLazer();
    EXPECT_EQ(g_Player.laserTip[1].y, 468);

    // Pulled far up, the beam rows fall outside the field and are skipped.
    g_Player.y = 460;
    g_Player.DrawLazer();
    EXPECT_EQ(g_Player.option[0].y, 485);

    // Other shot types and the bomb leave the options and tips alone.
    g_Player.laserTip[0].y = 300;
    g_nShotType = 1;
    g_Player.DrawLazer();
    g_nShotType = 0;
    g_bBombActive = 1;
    g_Player.DrawLazer();
    EXPECT_EQ(g_Player.laserTip[0].y, 300);
    EXPECT_EQ(RandDraws() - before, 9u);

    // Two options below power 4, four from there on.
    g_bBombActive = 0;
    for (int32_t power = 0; power <= 11; ++power) {
        g_Player.power = power;
        g_Player.DrawLazer();
        EXPECT_EQ(g_Player.optionCount, power < 4 ? 2 : 4) << power;
    }
}

}  // namespace
