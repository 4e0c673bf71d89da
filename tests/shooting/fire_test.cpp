#include "shooting/fire.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine/random.h"
#include "shooting/enemy_bullet.h"
#include "shooting/player.h"

namespace {

class FireTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_Player.Init();
        g_Player.hitX = 2000;
        g_Player.hitY = 2000;
        g_EBMannager.Init();
        SeedRand(1);
        draws_ = RandDraws();
    }

    // The bullets fired since the last call, in firing order.
    std::vector<CEBullet> Fired() {
        std::vector<CEBullet> out;
        for (; first_ != g_EBMannager.next; ++first_)
            out.push_back(g_EBMannager.bullets[first_]);
        return out;
    }
    uint64_t Draws() const { return RandDraws() - draws_; }

    // The screen direction of a small or large bullet in whole degrees, as FireAngle counts
    // them: 0 right, 90 up.
    static int32_t Heading(const CEBullet& b) {
        return static_cast<int32_t>(std::lround(std::atan2(-b.vy, b.vx) * 180 / std::numbers::pi));
    }
    static std::vector<int32_t> Headings(const std::vector<CEBullet>& bullets) {
        std::vector<int32_t> out;
        for (const CEBullet& b : bullets)
            out.push_back(Heading(b));
        return out;
    }

    CEmitter e_;

private:
    int32_t first_ = CEBMannager::kFirstRingSlot;
    uint64_t draws_ = 0;
};

TEST_F(FireTest, EmitterStartsWithItsSecondWordAtMinusTwo) {
    EXPECT_EQ(e_.scratch0, 0);
    EXPECT_EQ(e_.scratch1, -2);
    EXPECT_EQ(e_.wave, 0);
    e_.scratch1 = 9;
    e_.wave = 40;
    e_.aimVx = 3;
    e_.Reset();
    EXPECT_EQ(e_.scratch1, -2);
    EXPECT_EQ(e_.wave, 0);
    EXPECT_EQ(e_.aimVx, 0.0f);
}

TEST_F(FireTest, AimAngleFollowsItsWholeNumberSlope) {
    EXPECT_EQ(AimAngle(e_, 100, 100, 300, 100), 417);  // level, right
    EXPECT_EQ(AimAngle(e_, 100, 100, 0, 100), 663);    // level, left
    EXPECT_EQ(AimAngle(e_, 100, 200, 150, 100), 360);  // 50 / 100 is 0
    EXPECT_EQ(AimAngle(e_, 100, 200, 200, 100), 405);
    EXPECT_EQ(AimAngle(e_, 100, 200, 0, 100), 675);
    EXPECT_EQ(AimAngle(e_, 100, 200, 100 + 199, 100), 405);  // 199 / 100 is still 1
    EXPECT_EQ(AimAngle(e_, 100, 200, 100 + 200, 100), 417);  // 2 is clamped to 1.552
    EXPECT_EQ(AimAngle(e_, 100, 100, 150, 200), 540);
    EXPECT_EQ(AimAngle(e_, 100, 100, 300, 200), 843);
    EXPECT_EQ(AimAngle(e_, 100, 100, 100, 100), 663);  // no offset at all counts as left
}

TEST_F(FireTest, AimVectorPointsAtTheTargetAsThePoolMovesIt) {
    AimVector(e_, 100, 100, 103, 104, 10);
    EXPECT_EQ(e_.aimVx, 6.0f);
    EXPECT_EQ(e_.aimVy, -8.0f);
    AimVector(e_, 100, 100, 100, 30, 7);
    EXPECT_EQ(e_.aimVx, 0.0f);
    EXPECT_EQ(e_.aimVy, 7.0f);
    AimVector(e_, 100, 100, 100, 100, 7);
    EXPECT_EQ(e_.aimVy, 7.0f);
    // Level with the source it always flies right, even at a target on the left.
    AimVector(e_, 100, 100, 40, 100, 5);
    EXPECT_EQ(e_.aimVx, 5.0f);
    EXPECT_EQ(e_.aimVy, 0.0f);
}

TEST_F(FireTest, FireAimedAimsFromTheBulletsCentre) {
    // Kind 52 is 10 square: its centre is 5 in from (100, 100).
    g_Player.hitX = 105;
    g_Player.hitY = 30;
    FireAimed(e_, 100, 100, 52, 4);
    g_Player.hitX = 20;
    g_Player.hitY = 105;
    FireAimed(e_, 100, 100, 52, 4);
    const std::vector<CEBullet> b = Fired();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].vx, 0.0);
    EXPECT_EQ(b[0].vy, 4.0);
    EXPECT_EQ(b[0].x, 100.0);
    EXPECT_EQ(b[1].vx, 4.0);
    EXPECT_EQ(b[1].vy, 0.0);
    EXPECT_EQ(Draws(), 2u);
}

TEST_F(FireTest, FireAngleRoundsItsAngleToSinglePrecision) {
    FireAngle(e_, 200, 200, 0, 90, 5);
    // cos of the single-precision right angle is -4.37e-8, not the double's 6.1e-17.
    EXPECT_EQ(e_.aimVx,
              static_cast<float>(
                  std::cos(static_cast<double>(static_cast<float>(std::numbers::pi / 2))) * 5));
    EXPECT_LT(e_.aimVx, -1e-7f);
    EXPECT_EQ(e_.aimVy, 5.0f);
    const CEBullet b = Fired()[0];
    EXPECT_EQ(b.vy, -5.0);  // up the screen
    FireAngleBig(e_, 200, 200, 20, 270, 5);
    const CEBullet big = Fired()[0];
    EXPECT_EQ(big.big, 1);
    EXPECT_EQ(big.vy, 5.0);
    EXPECT_EQ(Draws(), 1u);
}

TEST_F(FireTest, FansSpreadOutwardPlusSideFirst) {
    FireFan(e_, 200, 200, 0, 90, 5, 4, 10);
    EXPECT_EQ(Headings(Fired()), (std::vector<int32_t>{95, 85, 105, 75}));
    FireFan(e_, 200, 200, 0, 90, 5, 3, 10);
    EXPECT_EQ(Headings(Fired()), (std::vector<int32_t>{90, 100, 80}));
    FireFan(e_, 200, 200, 0, 90, 5, 2, 5);
    EXPECT_EQ(Headings(Fired()), (std::vector<int32_t>{92, 88}));
    FireFan(e_, 200, 200, 0, 90, 5, 1, 5);
    EXPECT_EQ(Headings(Fired()), (std::vector<int32_t>{90}));
    FireFan(e_, 200, 200, 0, 90, 5, 0, 5);
    EXPECT_TRUE(Fired().empty());
    EXPECT_EQ(Draws(), 10u);
}

TEST_F(FireTest, AimedFansTurnTheAimAboutItsCentre) {
    // A target straight below the centre of kind 0 (10 square) at (200, 200).
    FireFanAt(e_, 200, 200, 0, 3, 6, 20, 205, 100);
    std::vector<CEBullet> b = Fired();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].vx, 0.0);
    EXPECT_EQ(b[0].vy, 6.0);
    EXPECT_EQ(Headings(b), (std::vector<int32_t>{-90, -70, -110}));
    EXPECT_EQ(Draws(), 3u);

    FireFanAtTurned(e_, 200, 200, 0, 3, 6, 20, 205, 100, 90);
    EXPECT_EQ(Headings(Fired()), (std::vector<int32_t>{0, 20, -20}));
    FireFanAtTurned(e_, 200, 200, 0, 2, 6, 20, 205, 100, 90);
    EXPECT_EQ(Headings(Fired()), (std::vector<int32_t>{10, -10}));

    g_Player.hitX = 205;
    g_Player.hitY = 50;
    FireAimedFan(e_, 200, 200, 0, 1, 6, 20);
    b = Fired();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].vx, 0.0);
}

TEST_F(FireTest, LargeFansAimFromTheLargeBulletsCentreAndDrawNothing) {
    // Kind 20 is 60 square as a large bullet (7 as a small one).
    FireBigFanAt(e_, 100, 100, 20, 3, 5, 30, 130, 40);
    std::vector<CEBullet> b = Fired();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].vx, 0.0);
    EXPECT_EQ(b[0].vy, 5.0);
    EXPECT_EQ(b[0].big, 1);
    EXPECT_EQ(b[0].w, 60);
    FireBigFanAtTurned(e_, 100, 100, 20, 1, 5, 30, 130, 40, -90);
    EXPECT_EQ(Headings(Fired()), (std::vector<int32_t>{180}));
    EXPECT_EQ(Draws(), 0u);
}

TEST_F(FireTest, TurnedFansCentreOnTheAimAngle) {
    FireDirFanAt(e_, 200, 200, 3, 3, 4, 10, 400, 200);
    std::vector<CEBullet> b = Fired();
    ASSERT_EQ(b.size(), 3u);
    const double pi = std::numbers::pi;
    EXPECT_EQ(b[0].angleRad, 417 * pi / 180);
    EXPECT_EQ(b[1].angleRad, 427 * pi / 180);
    EXPECT_EQ(b[2].angleRad, 407 * pi / 180);
    EXPECT_EQ(b[0].turned, 1);

    FireDirFanAtOffset(e_, 200, 200, 3, 2, 4, 10, 200, 100, -15);
    b = Fired();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].angleRad, 350 * pi / 180);
    EXPECT_EQ(b[1].angleRad, 340 * pi / 180);
    EXPECT_EQ(Draws(), 0u);
}

TEST_F(FireTest, PairedTurnedFansFireEachAngleTwiceAcrossTheGap) {
    // A target straight below: angle 360, whose cosine is 1 and sine about -2.4e-16.
    FireDirFanPaired(e_, 200, 200, 3, 1, 4, 10, 200, 100, 0, 21);
    std::vector<CEBullet> b = Fired();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].x, 210.0);
    EXPECT_EQ(b[0].y, 200.0);
    EXPECT_EQ(b[1].x, 190.0);
    EXPECT_EQ(b[1].y, 200.0);

    // At 450 (straight up the sheet's angle) the pair sits above and below, truncated.
    FireDirFanPaired(e_, 200, 200, 3, 3, 4, 30, 200, 100, 90, 20);
    b = Fired();
    ASSERT_EQ(b.size(), 6u);
    EXPECT_EQ(b[0].x, 200.0);
    EXPECT_EQ(b[0].y, 210.0);
    EXPECT_EQ(b[1].y, 190.0);
    // 480: cos x 10 comes out at -4.99999999999999, truncated to -4; sin x 10 at 8.66.
    EXPECT_EQ(b[2].x, 196.0);
    EXPECT_EQ(b[2].y, 208.0);
    EXPECT_EQ(b[3].x, 204.0);
    EXPECT_EQ(b[3].y, 192.0);
    EXPECT_EQ(b[4].angleRad, 420 * std::numbers::pi / 180);
}

TEST_F(FireTest, RingFiresOneBulletMoreThanItsCount) {
    // Speed 0 leaves no drift: the ring alone, from straight down round by 360 / n.
    FireRing(e_, 200, 200, 0, 8, 0, 300, 100, 3.0);
    std::vector<CEBullet> b = Fired();
    ASSERT_EQ(b.size(), 9u);
    EXPECT_EQ(Draws(), 9u);
    for (int32_t i = 0; i < 9; ++i) {
        EXPECT_NEAR(std::hypot(b[i].vx, b[i].vy), 3.0, 1e-6);
        const int32_t heading = -90 + 45 * i;
        EXPECT_EQ(Heading(b[i]), heading > 180 ? heading - 360 : heading) << i;
    }

    // 360 / 7 is 51: the eighth bullet stops 3 degrees short of the first.
    FireRing(e_, 200, 200, 0, 7, 0, 300, 100, 3.0);
    b = Fired();
    ASSERT_EQ(b.size(), 8u);
    EXPECT_EQ(Heading(b[7]), -90 + 357 - 360);

    // The aim, (1.2, 1.6) here, drifts the whole ring; with it the last bullet lands exactly
    // on the first.
    FireRing(e_, 200, 200, 0, 4, 2, 208, 201, 3.0);
    b = Fired();
    ASSERT_EQ(b.size(), 5u);
    EXPECT_FLOAT_EQ(static_cast<float>(b[0].vy), 4.6f);
    EXPECT_FLOAT_EQ(static_cast<float>(b[1].vx), 4.2f);
    EXPECT_FLOAT_EQ(static_cast<float>(b[2].vy), -1.4f);
    EXPECT_EQ(b[0].vx, b[4].vx);
    EXPECT_EQ(b[0].vy, b[4].vy);

    const uint64_t before = Draws();
    FireRing(e_, 200, 200, 0, 0, 2, 205, 100, 3.0);
    FireRing(e_, 200, 200, 0, -4, 2, 205, 100, 3.0);
    EXPECT_TRUE(Fired().empty());
    EXPECT_EQ(Draws(), before);
}

TEST_F(FireTest, SlowingFanForwardsUnchanged) {
    FireAngleDecel(e_, 200, 200, 5, 2, 6, 0);
    const CEBullet b = Fired()[0];
    EXPECT_EQ(b.decel, 1);
    EXPECT_EQ(b.capSpeed(), 2.0);
    EXPECT_EQ(b.vx, -6.0);
    EXPECT_EQ(e_.aimVx, 0.0f);
    EXPECT_EQ(Draws(), 0u);
}

TEST_F(FireTest, WaveRunsFromOneTo361ThenRestartsAtZero) {
    EXPECT_EQ(EnemyWaveNext(e_, 90), std::sin(std::numbers::pi / 180 * 90 / 60));
    EXPECT_EQ(e_.wave, 1);
    for (int i = 2; i <= 361; ++i)
        EnemyWaveNext(e_, 60);
    EXPECT_EQ(e_.wave, 361);
    EXPECT_EQ(EnemyWaveNext(e_, 60), 0.0);
    EXPECT_EQ(e_.wave, 0);
    EnemyWaveNext(e_, 60);
    EXPECT_EQ(e_.wave, 1);
}

}  // namespace
