#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/requests.h"
#include "shooting/effect.h"
#include "shooting/enemy_laser.h"
#include "tests/enemies/enemy_fixture.h"

namespace {

class FryTest : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        g_ELazer.Clear();
        last_ = g_EBMannager.next;
    }

    // Bullets handed out since the last call; the ring of slots 20..1799 may have wrapped.
    int32_t NewBullets() {
        constexpr int32_t ring = CEBMannager::kBulletCount - CEBMannager::kFirstRingSlot;
        const int32_t n = (g_EBMannager.next - last_ + ring) % ring;
        last_ = g_EBMannager.next;
        return n;
    }
    const CEBullet& LastBullet() const {
        const int32_t slot = g_EBMannager.next == CEBMannager::kFirstRingSlot
                                 ? CEBMannager::kBulletCount - 1
                                 : g_EBMannager.next - 1;
        return g_EBMannager.bullets[slot];
    }
    static double Speed(const CEBullet& b) { return std::hypot(b.vx, b.vy); }

    // Runs frames up to and including age `to` (fewer ages when the enemy leaves), collecting
    // the bullets each frame fires.
    std::vector<int32_t> Run(CEnemy& e, int32_t to) {
        std::vector<int32_t> fired;
        for (int32_t a = e.age; a < to; ++a) {
            e.Act();
            fired.push_back(NewBullets());
        }
        return fired;
    }
    static int32_t Sum(const std::vector<int32_t>& v) {
        int32_t n = 0;
        for (int32_t x : v)
            n += x;
        return n;
    }

    int32_t last_ = 0;
};

TEST_F(FryTest, RisingPodsFireTheirCountAndLeaveUpward) {
    CEnemy pod;
    pod.Set(300, 0, 27, 0, 0, 200, 0);
    const std::vector<int32_t> fired = Run(pod, 101);
    EXPECT_EQ(Sum(fired), 10);  // five pairs at ages 40..56
    EXPECT_EQ(fired[39], 2);
    pod.Act();
    EXPECT_EQ(pod.vy, -5);

    // Kind 40 fires once however long it lives, and turns away from the middle when it leaves.
    g_nStage = 3;
    CEnemy small;
    small.Set(100, 0, 40, 0, 0, 200, 0);
    small.Act();
    EXPECT_EQ(small.frameX, 85);
    EXPECT_EQ(Sum(Run(small, 200)), 2);
    EXPECT_EQ(small.frameX, 0);
    EXPECT_EQ(small.vy, -10);
    EXPECT_EQ(small.vx, -2);
}

TEST_F(FryTest, EarlyStagePodsSlideToTheMirroredSpotAndFireSooner) {
    CEnemy e;
    e.Set(100, 0, 40, 0, 0, 200, 1);
    e.Act();
    EXPECT_EQ(e.frameX, 430);
    const std::vector<int32_t> fired = Run(e, 40);
    EXPECT_EQ(fired[33], 2);  // age 35
    EXPECT_EQ(e.frameX, 344);
    // m = (644 - 86) / 2 = 279, so the target is 458.
    EXPECT_GT(e.x, 400);
    EXPECT_LT(e.x, 458);
    EXPECT_FLOAT_EQ(Speed(LastBullet()), 8);

    g_nStage = 2;
    g_nLevel = 2;
    CEnemy s2;
    s2.Set(100, 0, 40, 0, 0, 200, 0);
    s2.Act();
    EXPECT_EQ(s2.frameX, 258);
    Run(s2, 35);
    EXPECT_EQ(s2.frameX, 172);
    EXPECT_EQ(s2.x, 100);  // p2 0: the target is the spawn x
    EXPECT_FLOAT_EQ(Speed(LastBullet()), 10);
}

TEST_F(FryTest, SwingingAndFallingFliers) {
    g_nLevel = 2;
    CEnemy never;
    never.Set(100, 470, 38, 0, 0, 0, 0);
    EXPECT_EQ(Sum(Run(never, 60)), 0);  // p2 0 is an age it never sees
    CEnemy swing;
    swing.Set(100, 470, 38, 0, 0, 0, 20);
    const std::vector<int32_t> fired = Run(swing, 45);
    EXPECT_EQ(fired[9], 2);   // p2 / 2 on level 2
    EXPECT_EQ(fired[19], 2);  // p2
    EXPECT_EQ(fired[39], 2);  // 2 p2
    EXPECT_EQ(Sum(fired), 6);
    EXPECT_EQ(swing.angle, 80);  // age 45: 80 sin(90 degrees)

    // On level 0 kind 39 draws once a frame before age 8 and fires only when the last draw is 0.
    g_nLevel = 0;
    CEnemy fall;
    fall.Set(100, 470, 39, 0, 0, 2, 0);
    for (int32_t a = 1; a <= 8; ++a) {
        const uint64_t draws = RandDraws();
        fall.Act();
        EXPECT_EQ(RandDraws() - draws, a < 8 ? 1u : 0u);
    }
    EXPECT_EQ(fall.frameX, 75);
    EXPECT_EQ(fall.vx, 2);
    EXPECT_DOUBLE_EQ(fall.vy, 0.004 * 64);
    EXPECT_EQ(Sum(Run(fall, 35)), fall.step == 0 ? 2 : 0);
}

TEST_F(FryTest, EyeShipPairsAndStageFiveSpeed) {
    g_nStage = 5;
    g_nLevel = 2;
    CEnemy e;
    e.Set(200, 470, 15, 0, 0, 0, 0);
    // Bursts come every fourth frame; the aimed pairs on steps 1..4 of each nine.
    int32_t pairs = 0;
    for (int32_t a = 1; a <= 128; ++a) {
        e.Act();
        const int32_t n = NewBullets();
        if (n == 2) ++pairs;
        EXPECT_TRUE(n == 0 || n == 2) << a;
    }
    EXPECT_EQ(pairs, 19);                     // 32 bursts: steps 1..8, 0 three times, then 1..5
    EXPECT_FLOAT_EQ(Speed(LastBullet()), 9);  // 1.5 L + 6 away from stages 1 and 4
}

TEST_F(FryTest, Kind32KeepsItsXWithoutTheSwoop) {
    CEnemy e;
    e.Set(200, 470, 32, 0, 0, 19, -500);
    for (int32_t a = 1; a <= 43; ++a) {
        e.Act();
        EXPECT_EQ(e.x, 200);
        EXPECT_EQ(e.vy, 6);
    }
    const uint64_t draws = RandDraws();
    e.Act();  // age 44 opens the spray: one draw for the target, one for the bullet
    EXPECT_EQ(RandDraws() - draws, 2u);
    EXPECT_EQ(SoundRequest[14], 1);
}

TEST_F(FryTest, BeamCarriersAlternateOrStayCentred) {
    CEnemy e;
    e.Set(200, 470, 25, 0, 0, 0, 0);
    Run(e, 69);
    e.Act();
    EXPECT_EQ(e.vy, -3);
    std::vector<double> beamX;
    for (int32_t a = 71; a <= 200; ++a) {
        g_ELazer.Clear();
        e.Act();
        if (a - 120 >= 0 && (a - 120) % 35 == 10) {
            ASSERT_EQ(g_ELazer.count, 1);
            beamX.push_back(g_ELazer.records[0].x - (e.x + e.halfW));
            const uint64_t bits =
                static_cast<uint32_t>(g_ELazer.records[0].p6) |
                static_cast<uint64_t>(static_cast<uint32_t>(g_ELazer.records[0].p7)) << 32;
            EXPECT_DOUBLE_EQ(std::bit_cast<double>(bits), 0.225 * 5 + 0.1);
        }
    }
    ASSERT_EQ(beamX.size(), 3u);
    // The first flip turns the sign to -1, putting the beam 50 to the right; then it alternates.
    EXPECT_NEAR(beamX[0], 50, 1);
    EXPECT_NEAR(beamX[1], -50, 1);
    EXPECT_NEAR(beamX[2], 50, 1);

    CEnemy c;
    c.Set(200, 470, 14, 0, 0, 0, 0);
    Run(c, 85);
    const int32_t sign = c.param3;
    Run(c, 120);
    EXPECT_EQ(c.param3, -sign);
    g_ELazer.Clear();
    c.Act();
    ASSERT_EQ(g_ELazer.count, 1);
    EXPECT_EQ(g_ELazer.records[0].x, static_cast<int32_t>(c.x + c.halfW));
}

TEST_F(FryTest, SwoopersFireByStageAndClimbFromTheSavedPoint) {
    g_nStage = 2;
    CEnemy e;
    e.Set(100, 470, 26, 0, 0, 20, 300);
    std::vector<int32_t> fired = Run(e, 199);
    for (int32_t n : fired)
        EXPECT_TRUE(n == 0 || n == 3);
    EXPECT_GT(Sum(fired), 0);
    e.Act();
    const double saved = e.WorkDouble(1);
    EXPECT_EQ(saved, 300 + 44);
    e.Act();
    EXPECT_DOUBLE_EQ(e.y, saved + 0.02);

    // Never below p2 - p1 before the swoop ends: the spawn x stays and nothing is saved.
    CEnemy high;
    high.Set(100, 470, 34, 0, 0, 20, -500);
    Run(high, 100);
    EXPECT_EQ(high.x, 100);
    EXPECT_EQ(high.WorkDouble(1), 0);
    EXPECT_DOUBLE_EQ(high.y, 0.1 * 20 * 20);
}

TEST_F(FryTest, FacersFlipIntoTheirQuadrant) {
    g_Player.hitX = 320;
    g_Player.hitY = 10;
    // The ship far to either side: the two sides take opposite quadrants.
    CEnemy left;
    left.Set(20, 100, 35, 0, 0, 20, 0);
    left.Act();
    CEnemy right;
    right.Set(600, 100, 35, 0, 0, 20, 0);
    right.Act();
    EXPECT_NE(left.draw.mode, right.draw.mode);
    for (const CEnemy* e : {&left, &right}) {
        EXPECT_EQ(e->draw.mode == 11, e->draw.mirror == 1);
        EXPECT_EQ(e->draw.vflip, 0);  // the ship is below both
        EXPECT_EQ(e->frameX % 54, 0);
        EXPECT_LE(e->frameX, 9 * 54);
        EXPECT_GT(e->frameX, 0);
    }

    // Kind 8's extra shots need level 2.
    for (int32_t level = 1; level <= 2; ++level) {
        g_nLevel = level;
        CEnemy k8;
        k8.Set(100, 470, 8, 0, 0, 0, 0);
        EXPECT_EQ(Sum(Run(k8, 104)), level == 2 ? 6 : 2);
    }
    // Its first drift at age 80 heads right from left of column 301, left from 301 on.
    for (const auto& [x, vx] : {std::pair{300, 0.02}, std::pair{301, -0.02}}) {
        CEnemy k8;
        k8.Set(x, 470, 8, 0, 0, 0, 0);
        Run(k8, 80);
        EXPECT_DOUBLE_EQ(k8.vx, vx) << x;
    }
}

TEST_F(FryTest, FallingFryAndGunships) {
    CEnemy k11;
    k11.Set(100, 470, 11, 0, 0, 0, 0);
    std::vector<double> speeds;
    for (int32_t a = 1; a <= 63; ++a) {
        k11.Act();
        if (a >= 61) speeds.push_back(k11.vy);
    }
    EXPECT_EQ(k11.vx, 0);
    EXPECT_DOUBLE_EQ(speeds[0], 0.004 * 61 * 61);
    EXPECT_EQ(speeds[1], 14);
    EXPECT_EQ(speeds[2], 14);

    CEnemy k4;
    k4.Set(300, 470, 4, 0, 0, 0, 0);
    const std::vector<int32_t> fired = Run(k4, 35);
    EXPECT_EQ(fired[34], 4);
    EXPECT_EQ(k4.x, 300);

    g_nStage = 4;
    g_nLevel = 1;
    CEnemy k19;
    k19.Set(300, 0, 19, 0, 0, 200, 0);
    Run(k19, 59);
    const uint64_t draws = RandDraws();
    k19.Act();
    // Seven fans of three: two draws for each fan, one for each small bullet.
    EXPECT_EQ(RandDraws() - draws, 7u * 2 + 7 * 3);
    EXPECT_EQ(NewBullets(), 7 * 3 + 1);

    for (const int32_t x : {100, 400}) {
        CEnemy k10;
        k10.Set(x, 470, 10, 0, 0, 0, 0);
        Run(k10, 130);
        EXPECT_EQ(k10.param3, x < 200 ? 1 : -1);
        EXPECT_EQ(k10.vx > 0, x < 200);
    }
}

TEST_F(FryTest, CurvesSquareTheAgeBeforeScaling) {
    // c a^2 with the square taken first, worked by hand from each script's curve.
    const struct {
        int32_t stage;
        int32_t kind;
        int32_t y;
        int32_t p1;
        int32_t p2;
        int32_t age;
        double CFlingObject::*field;
        double expected;
    } rows[] = {
        {1, 39, 470, 0, 0, 9, &CEnemy::vy, 0.32400000000000001},   // 0.004 * 81
        {1, 4, 470, 0, 0, 15, &CEnemy::vy, 0.90000000000000002},   // 0.004 * 225
        {1, 11, 470, 0, 0, 30, &CEnemy::vy, 3.6000000000000001},   // 0.004 * 900
        {1, 10, 480, 0, 0, 48, &CEnemy::y, 326.39999999999998},    // 96 + 0.1 * 2304
        {1, 32, 30, 20, 56, 21, &CEnemy::x, 267.16000000000003},   // 373 - 0.24 * 441
        {2, 26, 30, 20, 56, 21, &CEnemy::x, 267.16000000000003},   // the same swoop
        {2, 26, 30, 20, 56, 243, &CEnemy::y, 136.98000000000002},  // 100 + 0.02 * 1849
        {1, 34, 30, 20, 56, 104, &CEnemy::y, 157.59999999999999},  // 100 + 0.1 * 576
        {1, 28, 480, 0, 0, 24, &CEnemy::y, 307.19999999999999},    // 192 + 0.2 * 576
        {1, 23, 480, 0, 0, 48, &CEnemy::y, 326.39999999999998},    // 96 + 0.1 * 2304
        {5, 12, 480, 0, 0, 34, &CEnemy::vy, 5.355999999999999},    // 4.2 + 0.001 * 1156
    };
    for (const auto& row : rows) {
        g_nStage = row.stage;
        CEnemy e;
        e.Set(100, row.y, row.kind, 0, 0, row.p1, row.p2);
        Run(e, row.age);
        ASSERT_EQ(e.age, row.age) << row.kind;
        EXPECT_EQ(e.*row.field, row.expected) << row.kind << " at " << row.age;
    }
}

TEST_F(FryTest, ExhaustSparksStandOffTheirOwnWholeX) {
    // Pods: 10 right of the whole part of x; kind 8: the whole part of x + 10.
    const struct {
        int32_t stage;
        int32_t kind;
        int32_t age;
        double sparkX;
    } rows[] = {{1, 27, 4, 7}, {3, 40, 40, 7}, {1, 8, 4, 6}};
    for (const auto& row : rows) {
        g_nStage = row.stage;
        CEnemy e;
        e.Set(0, 300, row.kind, 0, 0, 300, 0);
        e.x = -3.5;
        Run(e, row.age);
        const CEffect& spark = g_EffectMannager.back[g_EffectMannager.backIndex];
        EXPECT_EQ(spark.kind, 17) << row.kind;
        EXPECT_EQ(spark.x, row.sparkX) << row.kind;
    }
}

TEST_F(FryTest, Kind35FiresItsEarlyPairsOnlyWhileBraking) {
    // Level 2: a + p1 of 20, 24, 60 or 64 fires a pair only while a < p1; a = 30 is the stay's
    // aimed fan pair.
    g_nLevel = 2;
    const struct {
        int32_t p1;
        std::vector<int32_t> firingAges;
    } rows[] = {{40, {20, 24}}, {10, {30}}};
    for (const auto& row : rows) {
        CEnemy e;
        e.Set(300, 470, 35, 0, 0, row.p1, 0);
        const std::vector<int32_t> fired = Run(e, 59);
        std::vector<int32_t> ages;
        for (size_t i = 0; i < fired.size(); ++i) {
            if (fired[i] != 0) ages.push_back(static_cast<int32_t>(i) + 1);
        }
        EXPECT_EQ(ages, row.firingAges) << row.p1;
    }
}

}  // namespace
