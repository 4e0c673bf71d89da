#include "shooting/missile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/random.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/enemy_laser.h"
#include "shooting/item.h"
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "tests/shooting/player_fixture.h"

namespace {

class Missiles : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        ResetPools();
        // Parked in a corner, away from every missile unless a test moves it.
        g_Player.hitX = 150;
        g_Player.hitY = 20;
    }
    void TearDown() override {
        ResetPools();
        PlayerFixture::TearDown();
    }
    static void ResetPools() {
        g_EBMannager.Init();
        g_ItemMannager.Init();
        g_KillerShotMannager.Init();
        g_LBMannager.Init();
        g_MissileMannager.Init();
        g_ELazer.Clear();
    }

    // Launches into the next slot, which the helpers below then run.
    CMissile& Launch(int32_t x, int32_t y, int32_t behaviour, int32_t kind, double speed,
                     int32_t angle, int32_t delay = 0) {
        slot_ = g_MissileMannager.next;
        return g_MissileMannager.ShootEx(x, y, behaviour, kind, speed, angle, delay, 0, 0);
    }
    CMissile& LaunchSized(int32_t x, int32_t y, int32_t behaviour, int32_t kind) {
        slot_ = g_MissileMannager.next;
        return g_MissileMannager.ShootSized(x, y, behaviour, kind, 0.0, 0);
    }
    // Frames of the launched missile until it leaves play (at most `limit`): how many ran.
    int32_t RunOut(int32_t limit) {
        int32_t frames = 0;
        while (g_MissileMannager.missiles[slot_].alive != 0 && frames < limit) {
            g_MissileMannager.Move(slot_);
            ++frames;
        }
        return frames;
    }
    void Frame() { g_MissileMannager.Move(slot_); }
    // Random numbers drawn by one frame of the launched missile.
    uint64_t FrameDraws() {
        const uint64_t before = RandDraws();
        Frame();
        return RandDraws() - before;
    }
    const CMissile& Current() const { return g_MissileMannager.missiles[slot_]; }

    int32_t slot_ = 0;
    static int32_t BulletsOfKind(int32_t kind) {
        return static_cast<int32_t>(
            std::count_if(std::begin(g_EBMannager.bullets), std::end(g_EBMannager.bullets),
                          [&](const CEBullet& b) { return b.alive != 0 && b.kind == kind; }));
    }
    static int32_t ItemsInPlay() {
        return static_cast<int32_t>(std::count_if(std::begin(g_ItemMannager.items),
                                                  std::end(g_ItemMannager.items),
                                                  [](const CItem& i) { return i.alive != 0; }));
    }
};

TEST_F(Missiles, LaunchBringsTheHeadingIntoRangeAndFoldsTheSprite) {
    struct Case {
        int32_t angle, heading, sprite;
    };
    for (const Case& c : {Case{-30, 330, 30}, Case{100, 100, 80}, Case{200, 200, 20},
                          Case{400, 40, 40}, Case{360, 360, 0}, Case{720, 360, 0}, Case{-360, 0, 0},
                          Case{-390, 330, 30}, Case{89, 89, 89}}) {
        const CMissile& m = Launch(300, 300, 0, 0, 4.0, c.angle);
        EXPECT_EQ(m.heading, c.heading) << c.angle;
        EXPECT_EQ(m.angle, c.sprite) << c.angle;
    }
    // Angle 0 flies down, 90 to the right.
    const CMissile& right = Launch(300, 300, 0, 0, 4.0, 90);
    EXPECT_DOUBLE_EQ(right.vx, 4.0);
    EXPECT_NEAR(right.vy, 0.0, 1e-15);
    EXPECT_EQ(right.draw.mode, 2);
    EXPECT_EQ(right.harmful, 1);
    for (int32_t b = 12; b <= 17; ++b)
        EXPECT_EQ(Launch(300, 300, b, 0, 1.0, 0).harmful, b >= 13 && b <= 16 ? 0 : 1) << b;
}

TEST_F(Missiles, RingOfFiftyKeepsStaleHalvesAndInitClearsThem) {
    CMissile& first = LaunchSized(300, 300, 0, 1);
    EXPECT_EQ(first.w, 60);
    EXPECT_EQ(first.halfW, 30);
    EXPECT_EQ(first.sized, 1);
    for (int32_t i = 1; i < CMissileMannager::kMissileCount; ++i)
        Launch(300, 300, 0, 0, 1.0, 0);
    EXPECT_EQ(g_MissileMannager.next, 0);
    // The 51st launch takes slot 0: a normal missile now, with the sized one's halves.
    Launch(200, 250, 2, 3, 1.0, 0);
    EXPECT_EQ(first.sized, 0);
    EXPECT_EQ(first.behaviour, 2);
    EXPECT_EQ(first.halfW, 30);
    EXPECT_EQ(first.halfH, 30);
    g_MissileMannager.Init();
    EXPECT_EQ(first.alive, 0);
    EXPECT_EQ(first.halfW, 0);
    EXPECT_EQ(first.w, 10);
    EXPECT_EQ(first.h, 10);
    EXPECT_EQ(g_MissileMannager.next, 0);
}

TEST_F(Missiles, ContactBurstsSmallAndKills) {
    // A fresh slot keeps the 10x10 box until its behaviour runs: the hit point inside the
    // lower-left 5x5.
    Launch(g_Player.hitX - 3, g_Player.hitY - 3, 0, 0, 0.0, 0);
    EXPECT_EQ(FrameDraws(), 36u);
    EXPECT_EQ(Current().alive, 0);
    EXPECT_EQ(g_Player.dying, 1);
    EXPECT_EQ(SoundRequest[6], 1);
    EXPECT_EQ(g_EffectMannager.midIndex, 19);
}

TEST_F(Missiles, RingMissileBurstsByItselfAtItsAge) {
    Launch(300, 300, 2, 3, 0.0, 0);
    for (int32_t t = 1; t < 56; ++t)
        ASSERT_EQ(FrameDraws(), 0u) << t;
    // 10 pairs: one speed draw and two animation draws each; then the medium burst's 27.
    EXPECT_EQ(FrameDraws(), 30u + 27u);
    EXPECT_EQ(Current().alive, 0);
    EXPECT_EQ(BulletsOfKind(40), 20);
    EXPECT_EQ(SoundRequest[6], 1);

    g_EBMannager.Init();
    Launch(300, 300, 12, 3, 0.0, 0);
    EXPECT_EQ(RunOut(200), 81);
    EXPECT_EQ(BulletsOfKind(169), 20);
}

TEST_F(Missiles, RingMissilesLeavingTheField) {
    // Behaviour 2 leaving bursts without its ring; behaviour 12 fires the ring too.
    SeedRand(7);
    const int32_t before = g_EffectMannager.midIndex;
    Launch(483, 300, 2, 3, 5.0, 90);
    EXPECT_EQ(FrameDraws(), 27u);
    EXPECT_EQ(BulletsOfKind(40), 0);
    // Seeded with 7 the burst's first draw is 31604, so a0 = 284 degrees: the first particle
    // after the halo flies at (cos 284 x 6.8 + 1, sin 284 x 6.8 - 3), the ship being left of
    // and below the centre.
    const CEffect& particle = g_EffectMannager.mid[(before + 2) % 500];
    EXPECT_NEAR(particle.vx, 2.64507, 1e-4);
    EXPECT_NEAR(particle.vy, -9.59801, 1e-4);
    Launch(483, 300, 12, 3, 5.0, 90);
    EXPECT_EQ(FrameDraws(), 57u);
    EXPECT_EQ(BulletsOfKind(169), 20);
    // The field's edges are inside.
    Launch(483, 475, 0, 0, 0.0, 0);
    Frame();
    EXPECT_EQ(Current().alive, 1);
}

TEST_F(Missiles, ShotDownAfterTheirGraceFramesOrAfterSeveralHits) {
    // The bomb zone hits every frame while the ship is below the missile.
    g_bBombActive = 1;
    g_Player.hitX = 310;
    struct Case {
        int32_t behaviour;
        int32_t frames;  // until it leaves play
        uint64_t lastDraws;
    };
    for (const Case& c : {Case{0, 11, 36}, Case{5, 11, 36}, Case{3, 11, 0}, Case{7, 3, 36},
                          Case{8, 4, 36}, Case{2, 41, 57}, Case{12, 41, 57}}) {
        Launch(300, 300, c.behaviour, 3, 0.0, 0);
        for (int32_t t = 1; t < c.frames; ++t)
            ASSERT_EQ(FrameDraws(), 0u) << c.behaviour << " frame " << t;
        EXPECT_EQ(FrameDraws(), c.lastDraws) << c.behaviour;
        EXPECT_EQ(Current().alive, 0) << c.behaviour;
        g_MissileMannager.Init();
    }
    // Behaviours 1, 6 and 9 cannot be shot.
    for (int32_t b : {1, 6, 9}) {
        Launch(300, 300, b, 3, 0.0, 0);
        EXPECT_EQ(RunOut(30), 30) << b;
        g_MissileMannager.Init();
    }
}

TEST_F(Missiles, StoppingMissilesFireOnceAtAge41) {
    Launch(300, 300, 3, 3, 6.0, 0);
    for (int32_t t = 1; t < 41; ++t)
        ASSERT_EQ(FrameDraws(), 0u) << t;
    const CMissile& m = Current();
    EXPECT_EQ(m.vy, 0.0);
    EXPECT_EQ(m.angle, 80);
    EXPECT_EQ(FrameDraws(), 1u);
    EXPECT_EQ(BulletsOfKind(36), 1);
    EXPECT_EQ(m.alive, 0);

    g_Player.hitX = 280;
    g_Player.hitY = 40;
    Launch(300, 300, 9, 3, 6.0, 0);
    EXPECT_EQ(RunOut(100), 41);
    EXPECT_EQ(SoundRequest[17], 1);
    for (int32_t i = 0; i < 2; ++i) {
        const CLazerBullet& s = g_LBMannager.shots[i];
        EXPECT_EQ(s.alive, 1);
        EXPECT_EQ(s.kind, 2);
        EXPECT_EQ(s.p4, 280);
        EXPECT_EQ(s.p5, 40);
    }
    EXPECT_EQ(g_LBMannager.shots[1].x - g_LBMannager.shots[0].x, 26);
}

TEST_F(Missiles, FallingMissileLeavesAVortexBehind) {
    Launch(300, 40, 6, 3, 0.0, 0);
    const int32_t frames = RunOut(100);
    EXPECT_LT(frames, 100);
    const CMissile& m = Current();
    EXPECT_LT(m.y, -10);
    const CKillerShot& k = g_KillerShotMannager.shots[0];
    EXPECT_EQ(k.alive, 1);
    EXPECT_EQ(k.killKind, 5);
    EXPECT_EQ(k.kind, 1);
    EXPECT_EQ(k.x, static_cast<int32_t>(m.x - 100));
    EXPECT_EQ(k.y, static_cast<int32_t>(m.y - 20));
    EXPECT_EQ(k.vy, 0.0);
    EXPECT_EQ(SoundRequest[12], 1);
}

TEST_F(Missiles, ItemCarriersWaitNeverHurtAndPayOutOnTheThirdHit) {
    // The ship inside the lower-left quarter of the box: harmless all the same.
    g_Player.hitX = 310;
    g_Player.hitY = 310;
    CMissile& m = Launch(300, 300, 14, 13, 5.0, 0, 10);
    for (int32_t t = 1; t < 10; ++t) {
        Frame();
        ASSERT_EQ(m.y, 300.0) << t;
    }
    Frame();
    EXPECT_EQ(m.y, 295.0);
    EXPECT_EQ(m.halfW, 27);
    EXPECT_EQ(m.w, 54);
    EXPECT_EQ(m.h, 100);
    EXPECT_EQ(g_Player.dying, 0);

    g_MissileMannager.Init();
    g_bBombActive = 1;
    g_Player.hitX = 320;
    g_Player.hitY = 20;
    Launch(300, 300, 15, 13, 0.0, 0);
    EXPECT_EQ(FrameDraws(), 0u);
    EXPECT_EQ(FrameDraws(), 0u);
    const int32_t score = points_.score;
    // Three items, each drawing its speed then its angle, then 20 pairs of sparks.
    EXPECT_EQ(FrameDraws(), 6u + 40u);
    EXPECT_EQ(points_.score - score, 500);
    EXPECT_EQ(std::count_if(
                  std::begin(g_EffectMannager.mid), std::end(g_EffectMannager.mid),
                  [](const CEffect& e) { return e.alive != 0 && e.kind == 18 && e.image2 == 11; }),
              40);
    EXPECT_EQ(ItemsInPlay(), 3);
    EXPECT_EQ(g_ItemMannager.items[1].kind, 0);
    EXPECT_EQ(Current().alive, 0);
    EXPECT_EQ(SoundRequest[6], 1);
}

TEST_F(Missiles, SizedBombPicksItsSideAndFallsEverFaster) {
    struct Case {
        int32_t hitX;
        double vx;
    };
    // Box 15 wide, half 7: the sides start at 300 + 7 + 51 and 300 + 7 - 50.
    for (const Case& c : {Case{358, 2}, Case{357, 0}, Case{257, 0}, Case{256, -2}}) {
        g_Player.hitX = c.hitX;
        const CMissile& m = LaunchSized(300, 400, 1, 6);
        Frame();
        EXPECT_EQ(m.vx, c.vx) << c.hitX;
        EXPECT_DOUBLE_EQ(m.y, 400 - 12.01) << c.hitX;
        EXPECT_EQ(m.hitsLeft, 4);
    }
    // At age 41 it falls 12 + 0.01 x 1681, the square taken first.
    CMissile& late = LaunchSized(300, 400, 1, 6);
    late.age = 40;
    Frame();
    EXPECT_EQ(late.vy, 28.809999999999999);
    g_MissileMannager.Init();
    g_Player.hitX = 300;
    LaunchSized(300, 400, 1, 6);
    g_bBombActive = 1;
    // Hit every frame: the count starts again at 4 on the second frame, so five frames.
    EXPECT_EQ(RunOut(100), 5);
}

TEST_F(Missiles, SizedBurstBurnsAroundItselfFromAge61To140) {
    const CMissile& m = LaunchSized(300, 300, 0, 0);
    for (int32_t t = 1; t < 60; ++t)
        Frame();
    EXPECT_EQ(SoundRequest[12], 0);
    // On the ship's centre, but not yet burning.
    g_Player.hitX = static_cast<int32_t>(m.x) + 30;
    g_Player.hitY = static_cast<int32_t>(m.y) + 40;
    Frame();
    EXPECT_EQ(SoundRequest[12], 1);
    EXPECT_EQ(g_Player.dying, 0);
    Frame();
    EXPECT_EQ(g_Player.dying, 1);
    EXPECT_EQ(RunOut(200), 140 - 61);
}

TEST_F(Missiles, TrailsDrawNoRandomNumbers) {
    for (int32_t b : {0, 1, 5, 6, 7, 8, 13}) {
        Launch(300, 200, b, 3, 0.5, 90);
        for (int32_t t = 0; t < 30; ++t)
            ASSERT_EQ(FrameDraws(), 0u) << b << " frame " << t;
        g_MissileMannager.Init();
    }
    // Behaviour 0 leaves a front puff every third frame.
    g_EffectMannager.Reset();
    Launch(300, 200, 0, 3, 0.5, 90);
    for (int32_t t = 0; t < 9; ++t)
        Frame();
    EXPECT_EQ(g_EffectMannager.frontIndex, 3);
    EXPECT_EQ(g_EffectMannager.backIndex, 0);
}

TEST_F(Missiles, DrawnFromTheFrameOfTheirSpriteAngle) {
    for (int32_t i = 0; i < 2; ++i) {
        CImage32& s = g_MissileMannager.images[i];
        s.Create(783, 189);
        for (int32_t y = 0; y < s.height; ++y) {
            for (int32_t x = 0; x < s.width; ++x)
                s.SetPixel(x, y, static_cast<uint32_t>(x << 8 | y));
        }
    }
    std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, 0u);
    Launch(300, 200, 0, 3, 0.0, 45);
    g_MissileMannager.Draw(0, g_BackBuffer);
    // Frame 4 of row (0, 81, 27, 27).
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(300, 200), static_cast<uint32_t>(108 << 8 | 81));
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(326, 226), static_cast<uint32_t>(134 << 8 | 107));
    // A sized missile: frame 2 of its magic-sheet row, in the screen mode.
    g_MissileMannager.ShootSized(200, 100, 0, 1, 0.0, 25);
    g_MissileMannager.Draw(1, g_BackBuffer);
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(200, 100), static_cast<uint32_t>(120 << 8 | 60));
    for (CImageShooting& s : g_MissileMannager.images)
        s.Create(1, 1);
}

}  // namespace
