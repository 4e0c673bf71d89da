#include "enemies/enemy.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/enemies/enemy_fixture.h"

namespace {

using EnemyTest = EnemyFixture;

constexpr int32_t kDrifter = 37;  // no script: it only moves at its spawn velocity

// An enemy of `kind` placed as a spawn places it, then set standing still at (x, y).
void StandAt(CEnemy& e, int32_t kind, double x, double y) {
    e.Set(static_cast<int32_t>(x), 480, kind, 0, 3, 0, 0);
    e.x = x;
    e.y = y;
    e.vx = 0;
    e.vy = 0;
}

TEST_F(EnemyTest, SetResetsItsMembersAndKeepsWhatThePreviousEnemyLeft) {
    CEnemy e;
    e.Set(100, 480, 20, 0, 3, 0, 0);
    EXPECT_EQ(e.contactTop, 25);

    // Everything the previous enemy's script may have left in the slot.
    e.tick = 7;
    e.side = -1;
    e.pause = 18;
    e.savedVx.SetFloat(2.5f);
    e.savedVy.SetInt(-33);
    e.emitter.wave = 90;
    e.emitter.scratch0 = 5;
    e.sub = {1, 30, 20, 20, 12, 4, 200};
    e.SetWorkDouble(1, 123.5);
    e.param1 = 1;
    e.param2 = 2;
    e.param3 = -1;
    e.param4 = 4;
    e.laserCount = 3;
    e.shotBoxLow = 5;
    e.work = 9;
    e.flash = 3;
    e.toggle = 1;
    e.noContact = 1;
    e.step = 2;
    e.frameX = 90;
    e.angle = 45;
    e.animCount = 6;
    e.age = 300;
    e.flag = 1;
    e.draw = CDrawMode(19, 100);
    e.draw.vflip = 1;
    e.draw.mirror = 1;

    e.Set(200, 480, 43, 0.1f, 3, 11, 12);
    EXPECT_EQ(e.alive, 1);
    EXPECT_EQ(e.kind, 43);
    EXPECT_EQ(e.x, 200);
    EXPECT_EQ(e.x0, 200);
    EXPECT_EQ(e.y0, 480);
    EXPECT_EQ(e.vx, static_cast<double>(0.1f));
    EXPECT_EQ(e.vx0, static_cast<double>(0.1f));
    EXPECT_EQ(e.vy, 3);
    EXPECT_EQ(e.flag, 0);
    EXPECT_EQ(e.draw.mode, 2);
    EXPECT_EQ(e.draw.level, 255);
    EXPECT_EQ(e.draw.vflip, 0);
    EXPECT_EQ(e.draw.mirror, 0);
    EXPECT_EQ(e.age, 0);
    EXPECT_EQ(e.p1, 11);
    EXPECT_EQ(e.p2, 12);
    EXPECT_EQ(e.angle, 0);
    EXPECT_EQ(e.frameX, 0);
    EXPECT_EQ(e.animCount, 0);
    EXPECT_EQ(e.step, 0);
    EXPECT_EQ(e.w, 379);
    EXPECT_EQ(e.h, 420);
    EXPECT_EQ(e.hp, 800);
    EXPECT_EQ(e.deathKind, 4);
    EXPECT_EQ(e.shotBoxW, 378);
    EXPECT_EQ(e.contactTop, 150);  // not 180 / 2
    EXPECT_EQ(e.halfW, 189);
    EXPECT_EQ(e.halfH, 210);
    EXPECT_EQ(e.toggle, 0);
    EXPECT_EQ(e.work, 0);
    EXPECT_EQ(e.flash, 0);
    EXPECT_EQ(e.noContact, 0);
    EXPECT_EQ(e.sub.on, 0);
    EXPECT_EQ(e.sub.angle, 0);
    EXPECT_EQ(e.sub.w, 0);
    EXPECT_EQ(e.sub.h, 0);
    EXPECT_EQ(e.sub.srcX, 0);

    EXPECT_EQ(e.tick, 7);
    EXPECT_EQ(e.side, -1);
    EXPECT_EQ(e.pause, 18);
    EXPECT_EQ(e.savedVx.AsFloat(), 2.5f);
    EXPECT_EQ(e.savedVy.AsInt(), -33);
    EXPECT_EQ(e.emitter.wave, 90);
    EXPECT_EQ(e.emitter.scratch0, 5);
    EXPECT_EQ(e.sub.dy, 12);
    EXPECT_EQ(e.sub.lift, 4);
    EXPECT_EQ(e.WorkDouble(1), 123.5);
    EXPECT_EQ(e.param1, 1);
    EXPECT_EQ(e.param2, 2);
    EXPECT_EQ(e.param3, -1);
    EXPECT_EQ(e.param4, 4);
    EXPECT_EQ(e.laserCount, 3);
    EXPECT_EQ(e.shotBoxLow, 5);

    // The saved words keep their bits whichever way they are read.
    e.savedVx.SetFloat(1.0f);
    EXPECT_EQ(e.savedVx.AsInt(), 0x3F800000);

    e.Clear();
    EXPECT_EQ(e.alive, 0);
    EXPECT_EQ(e.x, 0);
    EXPECT_EQ(e.hp, 2);
    EXPECT_EQ(e.w, 10);
    EXPECT_EQ(e.h, 10);
    EXPECT_EQ(e.draw.mode, 10);
    EXPECT_EQ(e.param3, 1);
    EXPECT_EQ(e.emitter.scratch1, -2);
    EXPECT_EQ(e.emitter.wave, 0);
    EXPECT_EQ(e.tick, 0);
    EXPECT_EQ(e.side, 0);
    EXPECT_EQ(e.sub.dy, 0);
    EXPECT_EQ(e.WorkDouble(1), 0);
    EXPECT_EQ(e.savedVy.AsInt(), 0);

    // Kinds outside the table place nothing.
    e.Set(200, 480, 44, 0, 3, 0, 0);
    e.Set(200, 480, -1, 0, 3, 0, 0);
    EXPECT_EQ(e.alive, 0);
    EXPECT_EQ(e.kind, 0);
}

TEST_F(EnemyTest, LeavesTheFieldAtItsEdgesAndStillRunsThatFrame) {
    struct Case {
        double x;
        double y;
        bool culled;
    };
    // The drifter is 54 x 54.
    const Case cases[] = {
        {-55, 300, true}, {-54, 300, false},   {640, 300, true},  {639.5, 300, false},
        {100, -94, true}, {100, -93.5, false}, {100, 480, false}, {100, 480.5, true},
    };
    for (const Case& c : cases) {
        CEnemy e;
        StandAt(e, kDrifter, c.x, c.y);
        e.Act();
        EXPECT_EQ(e.alive, c.culled ? 0 : 1) << c.x << ", " << c.y;
        EXPECT_EQ(e.age, 1);
    }
    EXPECT_EQ(points_.score, 0);
    for (int i = 2; i < kSoundRequestCount; ++i)
        EXPECT_EQ(SoundRequest[i], 0) << i;

    // Kind 7 puffs a trail every frame, the frame it is culled included.
    CEnemy e;
    StandAt(e, 7, 640, 300);
    const int32_t back = g_EffectMannager.backIndex;
    e.Act();
    EXPECT_EQ(e.alive, 0);
    EXPECT_EQ(g_EffectMannager.backIndex, back + 1);
    e.Act();
    EXPECT_EQ(g_EffectMannager.backIndex, back + 1);
}

TEST_F(EnemyTest, DriftsDownFromItsSpawnUntilCulled) {
    CEnemy e;
    e.Set(200, 480, kDrifter, 0, 3, 0, 0);
    e.Act();
    EXPECT_EQ(e.y, 477);
    EXPECT_EQ(e.age, 1);
    int acts = 1;
    while (e.alive != 0) {
        e.Act();
        ++acts;
    }
    // The 193rd move finds it at y -96, below -40 - 54.
    EXPECT_EQ(acts, 193);
    EXPECT_EQ(e.x, 200);
}

TEST_F(EnemyTest, ContactPushesTheShipDownOnly) {
    g_Player.hitX = 270;
    g_Player.hitY = 120;
    CEnemy e;
    StandAt(e, kDrifter, 250, 100);

    g_Player.y = 100;
    g_Player.x = 230;
    e.Act();
    e.Act();
    EXPECT_EQ(g_Player.y, 84);
    EXPECT_EQ(g_Player.x, 230);

    // Never to y 5 or below.
    g_Player.y = 13;
    e.Act();
    EXPECT_EQ(g_Player.y, 13);
    g_Player.y = 14;
    e.Act();
    EXPECT_EQ(g_Player.y, 6);

    g_Player.y = 100;
    e.noContact = 1;
    e.Act();
    EXPECT_EQ(g_Player.y, 100);

    // Above 450 nothing touches.
    StandAt(e, kDrifter, 250, 450);
    g_Player.hitY = 460;
    e.Act();
    EXPECT_EQ(g_Player.y, 100);

    // Kind 20's contact starts 25 above its bottom (half its hit offset), exclusively.
    StandAt(e, 20, 200, 100);
    g_Player.hitY = 125;
    e.Act();
    EXPECT_EQ(g_Player.y, 100);
    // The contact is tested before the kind's own script moves it away.
    StandAt(e, 20, 200, 100);
    g_Player.hitY = 126;
    e.Act();
    EXPECT_EQ(g_Player.y, 92);
    EXPECT_EQ(points_.score, 0);
}

TEST_F(EnemyTest, HitsFlashAndTheThirdHitKillsTwoHitPoints) {
    CEnemy e;
    StandAt(e, kDrifter, 200, 300);
    ShotInto(e);
    std::vector<int32_t> modes;
    std::vector<int32_t> levels;
    for (int i = 0; i < 10; ++i) {
        e.Act();
        modes.push_back(e.draw.mode);
        levels.push_back(e.draw.level);
    }
    EXPECT_EQ(modes, (std::vector<int32_t>{2, 19, 2, 19, 2, 19, 2, 19, 2, 2}));
    EXPECT_EQ(levels, (std::vector<int32_t>{255, 100, 255, 100, 255, 100, 255, 100, 255, 255}));
    EXPECT_EQ(e.hp, 1);
    EXPECT_EQ(points_.score, 15);

    ShotInto(e);
    e.Act();
    EXPECT_EQ(e.alive, 1);
    EXPECT_EQ(e.hp, 0);
    ShotInto(e);
    e.Act();
    EXPECT_EQ(e.alive, 0);
    EXPECT_EQ(points_.score, 3 * 15 + 500);

    // Three shots in one frame are one hit: a one-hit-point bat survives them.
    StandAt(e, 1, 200, 300);
    for (int i = 0; i < 3; ++i)
        ShotInto(e);
    e.Act();
    EXPECT_EQ(e.alive, 1);
    EXPECT_EQ(e.hp, 0);
    EXPECT_EQ(points_.score, 6 * 15 + 500);
    ShotInto(e);
    e.Act();
    EXPECT_EQ(e.alive, 0);
}

TEST_F(EnemyTest, KillPaysOutBySoundClassAndPlayerHeight) {
    struct Case {
        int32_t kind;
        int sound;
    };
    const Case cases[] = {{1, 6}, {6, 9}, {5, 5}, {26, 10}};
    for (const Case& c : cases) {
        for (auto& request : SoundRequest)
            request = 0;
        CEnemy e;
        StandAt(e, c.kind, 200, 300);
        e.age = 1000;
        e.Kill();
        EXPECT_EQ(e.alive, 0);
        EXPECT_EQ(SoundRequest[c.sound], 1) << c.kind;
        int others = 0;
        for (int i = 0; i < kSoundRequestCount; ++i)
            others += i != c.sound && SoundRequest[i] != 0;
        EXPECT_EQ(others, 0) << c.kind;
    }
    EXPECT_EQ(points_.score, 4 * 500);
    EXPECT_EQ(points_.powerGauge, 400);
    EXPECT_EQ(points_.killCount, 4);

    // With the ship's hit point at height 0 or below, no power and no kill count.
    g_Player.hitY = 0;
    CEnemy e;
    StandAt(e, 1, 200, 300);
    e.age = 1000;
    e.Kill();
    EXPECT_EQ(points_.score, 5 * 500);
    EXPECT_EQ(points_.powerGauge, 400);
    EXPECT_EQ(points_.killCount, 4);
}

TEST_F(EnemyTest, KillBonusFallsWithAgeAndTheChainCapsIt) {
    struct Case {
        int32_t kind;
        int32_t age;
        int32_t chain;
    };
    // ((n 110 / a) 10 / a) n with whole-number divisions, n the kind's hit points.
    const Case cases[] = {
        {7, 20, 152},  // 176, capped
        {1, 30, 1},   {1, 40, 0}, {12, 12, 120}, {8, 50, 0}, {0, 1399, 0},
    };
    for (const Case& c : cases) {
        points_.chain = 0;
        CEnemy e;
        StandAt(e, c.kind, 200, 300);
        e.age = c.age;
        e.Kill();
        EXPECT_EQ(points_.chain, c.chain) << c.kind << " at " << c.age;
    }
}

TEST_F(EnemyTest, TheKillingHitEndsTheFrameBeforeTheScript) {
    CEnemy e;
    StandAt(e, 7, 200, 300);
    e.hp = 1;
    ShotInto(e);
    int32_t back = g_EffectMannager.backIndex;
    e.Act();
    EXPECT_EQ(e.alive, 1);
    EXPECT_EQ(g_EffectMannager.backIndex, back + 1);  // its trail

    ShotInto(e);
    back = g_EffectMannager.backIndex;
    e.Act();
    EXPECT_EQ(e.alive, 0);
    EXPECT_EQ(g_EffectMannager.backIndex, back);
    // Killed on its second frame: the bonus saw age 2, ((8 110 / 2) 10 / 2) 8 capped.
    EXPECT_EQ(points_.chain, 152);
}

TEST_F(EnemyTest, APodIsOneByOneUntilItComesDownToItsHeight) {
    CEnemy e;
    e.Set(200, 480, 6, 0, 3, 0, 300);
    for (;;) {
        e.Act();
        if (e.y < 300) break;
        EXPECT_EQ(e.w, 1);
        EXPECT_EQ(e.h, 1);
        EXPECT_EQ(e.step, 0);
    }
    EXPECT_LT(e.y, 300);
    EXPECT_EQ(e.step, 1);
    EXPECT_EQ(e.w, 150);
    EXPECT_EQ(e.h, 109);
}

}  // namespace
