#include "shooting/bomb.h"

#include <gtest/gtest.h>

#include "engine/random.h"
#include "shooting/enemy_bullet.h"
#include "tests/shooting/player_fixture.h"

namespace {

class Bomb : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        g_EBMannager.Init();
        InitBombState();
        g_Player.hitX = 300;
        g_Player.hitY = 100;
    }
    void TearDown() override {
        InitBombState();
        g_EBMannager.Init();
        PlayerFixture::TearDown();
    }

    static int32_t BulletsInPlay() {
        int32_t n = 0;
        for (const CEBullet& b : g_EBMannager.bullets)
            n += b.alive;
        return n;
    }

    static void Start() {
        g_Bomb.running = 1;
        g_Bomb.counter = 0;
    }
};

TEST_F(Bomb, RunsFor151FramesAndEmptiesThePool35Times) {
    Start();
    int frames = 0;
    int clears = 0;
    int lastClear = -1;
    while (g_Bomb.running != 0 && frames < 1000) {
        // One bullet fired on every bomb frame, before the bomb's step, far from the ship.
        g_EBMannager.Shoot(200, 400, 3, 0, 0);
        const int32_t n = g_Bomb.counter;
        RunBomb();
        if (BulletsInPlay() == 0) {
            ++clears;
            lastClear = n;
        }
        ++frames;
        // Active from the first frame to the 151st, cleared inside that last step.
        EXPECT_EQ(g_bBombActive, frames < 151 ? 1 : 0) << frames;
    }
    EXPECT_EQ(frames, 151);
    EXPECT_EQ(clears, 35);
    EXPECT_EQ(lastClear, 136);
    EXPECT_EQ(BulletsInPlay(), 14);  // fired on frames 137..150
    EXPECT_EQ(g_Bomb.counter, 1);
}

TEST_F(Bomb, BlastFollowsTheShipAboveTheBottomEdgeOnly) {
    const uint64_t draws = RandDraws();
    Start();
    const int32_t before = g_EffectMannager.midIndex;
    for (int i = 0; i < 3; ++i)
        RunBomb();
    // Frame 0 and 2 a blast, frame 1 the flash and a blast, frame 2 also the shock ring.
    EXPECT_EQ(g_EffectMannager.midIndex, before + 5);
    const CEffect& flash = g_EffectMannager.mid[before + 2];
    EXPECT_EQ(flash.kind, 2);
    EXPECT_EQ(flash.image2, 7);
    EXPECT_DOUBLE_EQ(flash.x, 300.0);
    const CEffect& blast = g_EffectMannager.mid[before + 4];
    EXPECT_EQ(blast.kind, 8);
    EXPECT_EQ(blast.image2, 2);
    EXPECT_DOUBLE_EQ(blast.x, 180.0);
    EXPECT_DOUBLE_EQ(blast.y, 80.0);
    EXPECT_EQ(blast.paramB, 1);  // (2 % 8) / 2
    const CEffect& ring = g_EffectMannager.mid[before + 5];
    EXPECT_EQ(ring.image2, 3);
    EXPECT_DOUBLE_EQ(ring.y, 112.0);

    InitBombState();
    Start();
    g_Player.hitY = 8;
    const int32_t low = g_EffectMannager.midIndex;
    for (int i = 0; i < 10; ++i)
        RunBomb();
    EXPECT_EQ(g_EffectMannager.midIndex, low + 1);  // the flash only
    EXPECT_EQ(RandDraws(), draws);
}

}  // namespace
