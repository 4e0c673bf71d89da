#include "shooting/hit_test.h"

#include <gtest/gtest.h>

#include "engine/random.h"
#include "tests/shooting/player_fixture.h"

namespace {

class HitTest : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        g_Player.hitX = 100;
        g_Player.hitY = 50;
        enemy_.x = 300;
        enemy_.y = 200;
        enemy_.w = 40;
        enemy_.h = 40;
        enemy_.alive = 1;
    }
    static CFlingObject Box(double x, double y, int32_t w, int32_t h) {
        CFlingObject o;
        o.x = x;
        o.y = y;
        o.w = w;
        o.h = h;
        return o;
    }
    void ShotAt(int32_t x, int32_t y, int32_t value) {
        const int32_t slot = g_BulletMannager.next;
        g_BulletMannager.Shoot(x, y, 0, 3, 0, -14);
        g_BulletMannager.shots[slot].value = value;
    }

    CEnemyObject enemy_;
};

TEST_F(HitTest, PlayerShapesExcludeTheirEdges) {
    EXPECT_FALSE(HitPlayerBox(Box(90, 40, 10, 20)));
    EXPECT_TRUE(HitPlayerBox(Box(90, 40, 11, 20)));
    EXPECT_FALSE(HitPlayerBox(Box(99.5, 50, 10, 20)));
    EXPECT_FALSE(HitPlayerHalfBox(Box(90, 40, 21, 40)));
    EXPECT_TRUE(HitPlayerHalfBox(Box(90, 40, 22, 40)));
    EXPECT_FALSE(HitPlayerBoxRange(Box(90, 40, 20, 0), 0, 10));
    EXPECT_TRUE(HitPlayerBoxRange(Box(90, 40, 20, 0), 9, 11));
    EXPECT_FALSE(HitPlayerBoxFrom(Box(90, 40, 20, 30), 10));
    EXPECT_TRUE(HitPlayerBoxFrom(Box(90, 40, 20, 30), 9));

    EXPECT_FALSE(HitPlayerCircle(103, 54, 5));
    EXPECT_TRUE(HitPlayerCircle(103, 54, 6));
    // The squares wrap as unsigned 32-bit numbers.
    EXPECT_TRUE(HitPlayerCircle(100 + 65536, 50, 1));
    EXPECT_FALSE(HitPlayerRadius(Box(97, 50, 7, 9), 4));
    EXPECT_TRUE(HitPlayerRadius(Box(97, 50, 7, 9), 5));

    // Centred edges are truncated first: a right edge of 100.5 becomes 100 and misses.
    EXPECT_FALSE(HitPlayerCentredBox(Box(90.5, 40, 0, 20), 20, 20));
    EXPECT_TRUE(HitPlayerCentredBox(Box(91.5, 40, 0, 20), 20, 20));
    EXPECT_FALSE(HitPlayerCentredTop(Box(90, 30.5, 20, 20), 10, 0));
    EXPECT_TRUE(HitPlayerCentredTop(Box(90, 30.5, 20, 21), 10, 0));
}

TEST_F(HitTest, ShotsScoreFeedTheChainAndCountOneHit) {
    ShotAt(310, 210, 18);
    ShotAt(320, 215, 12);
    ShotAt(340, 210, 20);  // left edge on the box's right edge
    ShotAt(290, 210, 20);  // right edge on the box's left edge
    const uint64_t draws = RandDraws();
    EXPECT_TRUE(HitByShot(enemy_, 0));
    EXPECT_EQ(RandDraws(), draws);
    EXPECT_EQ(points_.score, 30);
    EXPECT_EQ(points_.chain, 18);
    EXPECT_EQ(SoundRequest[1], 1);
    const CBullet& removed = g_BulletMannager.shots[0];
    EXPECT_EQ(removed.alive, 0);
    EXPECT_EQ(removed.kind, 0);
    EXPECT_EQ(removed.vy, 0.0);
    EXPECT_EQ(removed.value, 18);
    EXPECT_EQ(removed.cell, 3);
    EXPECT_EQ(g_BulletMannager.shots[2].alive, 1);
    EXPECT_EQ(g_BulletMannager.shots[3].alive, 1);
    // A shot hits only once; with nothing left the chain is still fed, with 0.
    EXPECT_FALSE(HitByShot(enemy_, 0));
    EXPECT_EQ(points_.score, 30);
}

TEST_F(HitTest, BoxTestLeavesTheShotSoundToItsCaller) {
    enemy_.shotBoxHalfW = 5;
    enemy_.shotBoxLow = 10;
    enemy_.shotBoxHigh = 20;
    ShotAt(311, 211, 20);
    EXPECT_TRUE(HitByShotBox(enemy_));
    EXPECT_EQ(SoundRequest[1], 0);
    // Free shots lie at the origin and still hit what straddles it.
    CEnemyObject origin;
    origin.x = -5;
    origin.y = -5;
    origin.w = 10;
    origin.h = 10;
    EXPECT_TRUE(HitByShot(origin, 0));
    EXPECT_EQ(points_.score, 15 + 15 * 200);
}

TEST_F(HitTest, LaserContactsCountTowardAHitAndCutTips) {
    g_Player.shotTimer = 14;
    g_Player.option[0] = {300, 100, 22, 25};
    g_Player.option[1] = {338, 150, -22, 25};
    g_Player.option[2] = {339, 100, 45, -5};   // ox + 1 on the right edge
    g_Player.option[3] = {320, 205, -45, -5};  // not below the reference height
    EXPECT_FALSE(HitByShot(enemy_, 5));
    EXPECT_EQ(enemy_.laserCount, 2);
    EXPECT_EQ(enemy_.laserTouched, 1);
    EXPECT_EQ(g_Player.laserTip[0].y, 205);
    EXPECT_EQ(g_Player.laserTip[0].hit, 1);
    EXPECT_EQ(g_Player.laserTip[2].y, 469);
    EXPECT_EQ(g_Player.laserTip[3].hit, 0);
    EXPECT_FALSE(HitByShot(enemy_, 5));
    EXPECT_TRUE(HitByShot(enemy_, 5));
    EXPECT_EQ(enemy_.laserCount, 0);

    // The inset test's lasers reach up to the top of the box but cut at its low edge.
    g_Player.option[3] = {315, 238, -45, -5};
    EXPECT_FALSE(HitByShotInset(enemy_, 20, 35));
    EXPECT_EQ(g_Player.laserTip[3].y, 235);

    g_Player.shotTimer = 0;
    EXPECT_FALSE(HitByShot(enemy_, 5));
    EXPECT_EQ(enemy_.laserCount, 1);
}

TEST_F(HitTest, BombZoneHitsEveryFrameAndCutsNoTip) {
    g_bBombActive = 1;
    g_Player.shotTimer = 0;
    g_Player.option[0] = {120, 100, 22, 25};
    enemy_.x = 100;
    enemy_.shotBoxHalfW = 10;
    enemy_.shotBoxLow = 0;
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_TRUE(HitByShotInset(enemy_, 20, 0));
    EXPECT_EQ(enemy_.laserCount, 0);
    EXPECT_EQ(g_Player.laserTip[0].y, 469);
    // The strip reaches hitX - 100 inclusive and stops short of hitX + 100.
    enemy_.x = 100 - 100 - 10 - 20;
    EXPECT_TRUE(HitByShotBox(enemy_));
    enemy_.x = 100 + 100 + 10 - 20;
    EXPECT_FALSE(HitByShotBox(enemy_));
    enemy_.x = 100;
    g_Player.hitY = 200;
    EXPECT_FALSE(HitByShot(enemy_, 0));
}

}  // namespace
