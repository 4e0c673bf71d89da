#include <gtest/gtest.h>

#include "tests/enemies/enemy_fixture.h"

namespace {

class EnemyDeathTest : public EnemyFixture {
protected:
    // Kills an enemy of `kind` standing at (x, y) at the given age; returns the numbers drawn.
    uint64_t KillAt(int32_t kind, int32_t x, int32_t y, int32_t age) {
        e_.Set(x, 480, kind, 0, 3, 1, 1);
        e_.y = y;
        e_.age = age;
        const uint64_t before = RandDraws();
        e_.Kill();
        return RandDraws() - before;
    }

    static int LiveMissiles() {
        int n = 0;
        for (const CMissile& m : g_MissileMannager.missiles)
            n += m.alive;
        return n;
    }

    CEnemy e_;
};

TEST_F(EnemyDeathTest, EachDeathKindDrawsItsCountAndThrowsItsItems) {
    EXPECT_EQ(KillAt(1, 200, 300, 100), 118u);
    EXPECT_EQ(Live(g_EffectMannager.mid), 44);
    EXPECT_EQ(LiveItems(0), 6);

    g_EffectMannager.Reset();
    g_ItemMannager.Init();
    EXPECT_EQ(KillAt(3, 200, 300, 100), 99u);
    EXPECT_EQ(Live(g_EffectMannager.mid), 57);
    EXPECT_EQ(LiveItems(0), 10);

    g_EffectMannager.Reset();
    g_ItemMannager.Init();
    EXPECT_EQ(KillAt(18, 200, 300, 100), 91u);
    EXPECT_EQ(Live(g_EffectMannager.mid), 64);
    EXPECT_EQ(LiveItems(0), 0);
    EXPECT_EQ(LiveItems(1), 1);
    EXPECT_EQ(Live(g_EffectMannager.back) + Live(g_EffectMannager.front), 0);
}

TEST_F(EnemyDeathTest, LargeExplosionsOverfillTheRings) {
    EXPECT_EQ(KillAt(42, 134, 300, 5), 1001u);
    EXPECT_EQ(SoundRequest[5], 1);
    EXPECT_EQ(SoundRequest[6], 1);
    EXPECT_EQ(LiveMissiles(), 0);
    EXPECT_EQ(LiveItems(2), 1);
    // 5 x (1 + 18 + 40) middle effects and 5 x 80 front sparks, the front ring wrapped 4 times.
    EXPECT_EQ(Live(g_EffectMannager.mid), 295);
    EXPECT_EQ(g_EffectMannager.midIndex, 295);
    EXPECT_EQ(Live(g_EffectMannager.front), 100);
    EXPECT_EQ(g_EffectMannager.frontIndex, 0);

    // The first point's blast at the bottom, its debris ring half the width up (centre 134 + 189).
    const CEffect& blast = g_EffectMannager.mid[1];
    EXPECT_EQ(blast.x, 273);
    EXPECT_EQ(blast.y, 300);
    EXPECT_EQ(blast.kind, 14);
    EXPECT_EQ(blast.paramA, 5);
    const CEffect& debris = g_EffectMannager.mid[2];
    EXPECT_EQ(debris.x, 303);
    EXPECT_EQ(debris.y, 300 + 189 - 50 - 20);
    EXPECT_EQ(debris.kind, 17);
    // The second point starts 10 frames later.
    EXPECT_EQ(g_EffectMannager.mid[1 + 59].paramA, 15);
    EXPECT_EQ(g_EffectMannager.mid[1 + 59 + 1].x, 303 - 30);
}

TEST_F(EnemyDeathTest, LargeEnemiesKilledYoungRainMissiles) {
    struct Case {
        int32_t kind;
        int32_t limit;
        int32_t behaviour;
        int32_t missileKind;
    };
    const Case cases[] = {
        {2, 1000, 13, 12}, {31, 1200, 14, 13}, {36, 1400, 15, 14}, {0, 1400, 15, 15}};
    for (const Case& c : cases) {
        g_MissileMannager.Init();
        EXPECT_EQ(KillAt(c.kind, 150, 200, c.limit), 1000u) << c.kind;
        EXPECT_EQ(LiveMissiles(), 0) << c.kind;

        g_MissileMannager.Init();
        EXPECT_EQ(KillAt(c.kind, 150, 200, c.limit - 1), 1045u) << c.kind;
        EXPECT_EQ(LiveMissiles(), 45) << c.kind;
        for (int32_t i = 0; i < 45; ++i) {
            const CMissile& m = g_MissileMannager.missiles[i];
            EXPECT_EQ(m.y, 469);
            EXPECT_GE(m.x, 134);
            EXPECT_LE(m.x, 509);
            EXPECT_EQ(m.behaviour, c.behaviour);
            EXPECT_EQ(m.kind, c.missileKind);
            EXPECT_EQ(m.param[0], 60 + 4 * i);
            EXPECT_EQ(m.vy, 4.0);
        }
    }
}

TEST_F(EnemyDeathTest, ShardsArePushedAwayFromTheShip) {
    // A bat at (200, 300) has its centre at (222, 314); the ship right on it takes the first
    // push values, 2 and 3.
    g_Player.hitX = 222;
    g_Player.hitY = 314;
    KillAt(1, 200, 300, 100);
    const CEffect* mid = g_EffectMannager.mid;
    EXPECT_EQ(mid[1].x, 182);
    EXPECT_EQ(mid[1].y, 274);
    EXPECT_EQ(mid[2].x, 242);
    EXPECT_EQ(mid[2].y, 304);
    EXPECT_EQ(mid[3].x, 202);
    EXPECT_EQ(mid[4].y, 304);

    // One pixel right of and above the centre: -1 and -3.
    g_EffectMannager.Reset();
    g_Player.hitX = 223;
    g_Player.hitY = 315;
    KillAt(1, 200, 300, 100);
    EXPECT_EQ(mid[2].x, 212);
    EXPECT_EQ(mid[2].y, 289);
}

}  // namespace
