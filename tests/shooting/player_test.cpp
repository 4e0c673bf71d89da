#include <gtest/gtest.h>

#include "engine/random.h"
#include "tests/shooting/player_fixture.h"

namespace {

using PlayerTest = PlayerFixture;

TEST_F(PlayerTest, MovementBoundsAndSteps) {
    EXPECT_EQ(g_Player.hitX, 270);
    g_Player.right = 1;
    g_Player.up = 1;
    int frames = 0;
    while (g_Player.x < 442 && frames < 100) {
        Frame(0);
        ++frames;
    }
    EXPECT_EQ(frames, 27);
    EXPECT_EQ(g_Player.hitX, 442 + 36);
    EXPECT_EQ(g_Player.hitY, 20 + 27 * 6 + 20);
    Frame(0);
    EXPECT_EQ(g_Player.x, 442.0);

    g_Player.right = 0;
    g_Player.y = 378;
    Frame(0);
    EXPECT_EQ(g_Player.y, 384.0);
    Frame(0);
    EXPECT_EQ(g_Player.y, 384.0);

    // Opposing flags both apply, each tested just before its own step.
    g_Player.up = 0;
    g_Player.left = g_Player.right = 1;
    g_Player.x = 300;
    Frame(0);
    EXPECT_EQ(g_Player.x, 300.0);
    g_Player.right = 0;
    g_Player.x = 120;
    Frame(0);
    EXPECT_EQ(g_Player.x, 120.0);
    g_Player.left = 0;
    g_Player.right = 1;
    Frame(0);
    EXPECT_EQ(g_Player.x, 126.0);

    g_bBombActive = 1;
    Frame(0);
    EXPECT_EQ(g_Player.x, 128.0);
    g_bBombActive = 0;
    // Fire held from the start: moveTimer falls below 1 at once, so the step is 3.
    g_Player.Init();
    g_Player.right = 1;
    Frame(1);
    EXPECT_EQ(g_Player.x, 283.0);
}

TEST_F(PlayerTest, ShotTypeCyclesOnRisingEdges) {
    const uint8_t presses[] = {1, 1, 0, 1, 0, 1};
    const int32_t types[] = {1, 1, 1, 2, 2, 0};
    for (int i = 0; i < 6; ++i) {
        g_Player.Move(presses[i]);
        EXPECT_EQ(g_nShotType, types[i]) << i;
    }
}

TEST_F(PlayerTest, DeathTimelineRespawnAndInvincibility) {
    g_Player.lives = 0;
    g_Player.Hit();
    const uint64_t before = RandDraws();
    g_Player.Move(0);
    EXPECT_EQ(RandDraws() - before, 100u);
    EXPECT_EQ(SoundRequest[16], 1);
    EXPECT_EQ(g_EffectMannager.midIndex, 61);
    EXPECT_EQ(g_Player.x, 280.0);
    EXPECT_EQ(g_Player.y, -140.0);
    // Parked, the ship cannot be hit again, and nothing more is spawned.
    g_Player.Hit();
    for (int frame = 2; frame <= 40; ++frame)
        g_Player.Move(0);
    EXPECT_EQ(g_Player.lives, 0);
    EXPECT_EQ(RandDraws() - before, 100u);
    g_Player.Move(0);
    EXPECT_EQ(g_Player.lives, -1);
    for (int frame = 42; frame <= 59; ++frame)
        g_Player.Move(0);
    EXPECT_EQ(g_Player.dying, 1);
    g_Player.Move(0);
    EXPECT_EQ(g_Player.invincible, 1);
    EXPECT_EQ(g_Player.y, 20.0);
    EXPECT_EQ(g_Player.hitY, -120);

    EXPECT_EQ(MovesWhileInvincible(), 151);
    g_Player.Hit();
    EXPECT_EQ(g_Player.dying, 1);
}

TEST_F(PlayerTest, ExtendAndPowerUpThresholds) {
    points_.extendGauge = 6999;
    points_.powerGauge = 7599;
    g_Player.Move(0);
    EXPECT_EQ(g_Player.lives, 3);
    EXPECT_EQ(g_Player.power, 0);

    points_.extendGauge = 7000;
    g_Player.Move(0);
    EXPECT_EQ(g_Player.lives, 4);
    EXPECT_EQ(SoundRequest[18], 1);
    EXPECT_EQ(points_.extendGauge, 0);
    EXPECT_EQ(1 + MovesWhileInvincible(), 81);

    g_Player.lives = 7;
    points_.extendGauge = 9900;
    g_Player.Move(0);
    EXPECT_EQ(g_Player.lives, 7);
    EXPECT_EQ(g_Player.invincible, 1);

    g_Player.power = 10;
    for (int i = 0; i < 2; ++i) {
        points_.powerGauge = 7600;
        g_Player.Move(0);
    }
    EXPECT_EQ(g_Player.power, 11);
    EXPECT_EQ(SoundRequest[19], 1);
    EXPECT_EQ(points_.powerGauge, 0);
    EXPECT_EQ(1 + MovesWhileInvincible(), 81);
}

TEST_F(PlayerTest, ExtendCancelsOnlyAnUnparkedDeath) {
    g_Player.Hit();
    points_.extendGauge = 7000;
    g_Player.Move(0);
    EXPECT_EQ(g_Player.dying, 0);
    EXPECT_EQ(g_Player.y, 20.0);

    g_Player.Init();
    g_Player.Hit();
    g_Player.Move(0);
    points_.extendGauge = 7000;
    points_.powerGauge = 7600;
    g_Player.Move(0);
    EXPECT_EQ(g_Player.invincible, 0);
    EXPECT_EQ(g_Player.lives, 4);
    EXPECT_EQ(g_Player.power, 1);
    EXPECT_EQ(g_Player.deathTimer, 2);
}

TEST_F(PlayerTest, DrawShowsTheFrameFromBeforeTheToggle) {
    g_Player.sprite.Create(150, 43);
    for (int32_t y = 0; y < 43; ++y) {
        for (int32_t x = 0; x < 150; ++x)
            g_Player.sprite.SetPixel(x, y, x < 75 ? 0x000011u : 0x000022u);
    }
    CImageDIB dest(640, 480);
    for (int i = 1; i <= 16; ++i)
        g_Player.Draw(dest);
    EXPECT_EQ(g_Player.spriteFrameX, 75);
    EXPECT_EQ(*dest.GetPixelAddress(300, 30), 0x000011u);
    g_Player.Draw(dest);
    EXPECT_EQ(*dest.GetPixelAddress(300, 30), 0x000022u);
    g_Player.animCount = 359;
    g_Player.Draw(dest);
    EXPECT_EQ(g_Player.animCount, 0);
    EXPECT_EQ(g_Player.spriteFrameX, 0);
}

}  // namespace
