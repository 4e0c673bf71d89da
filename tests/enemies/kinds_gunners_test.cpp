#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "enemies/script_helpers.h"
#include "tests/enemies/enemy_fixture.h"

namespace {

constexpr int32_t kRing = CEBMannager::kBulletCount - CEBMannager::kFirstRingSlot;

class GunnersTest : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        last_ = g_EBMannager.next;
    }
    // Bullets handed out by the enemy-bullet ring since the last call.
    int32_t Fired() {
        const int32_t n = (g_EBMannager.next - last_ + kRing) % kRing;
        last_ = g_EBMannager.next;
        return n;
    }
    // Acts until the enemy has seen age `age`; the bullets fired on the way are forgotten.
    void RunTo(CEnemy& e, int32_t age) {
        while (e.age < age)
            e.Act();
        Fired();
    }
    // The ages in [from, to] at which the enemy fired, with their bullet counts.
    std::vector<std::pair<int32_t, int32_t>> Volleys(CEnemy& e, int32_t from, int32_t to) {
        RunTo(e, from - 1);
        std::vector<std::pair<int32_t, int32_t>> v;
        for (int32_t a = from; a <= to; ++a) {
            e.Act();
            if (const int32_t n = Fired(); n != 0) v.emplace_back(a, n);
        }
        return v;
    }
    static const CEBullet& Last() { return g_EBMannager.bullets[g_EBMannager.next - 1]; }

    int32_t last_ = 0;
};

using Shots = std::vector<std::pair<int32_t, int32_t>>;

TEST_F(GunnersTest, GunshipSwingsInAndHammersWhereTheShipStood) {
    CEnemy e;
    e.Set(100, 480, 20, 0, 0, 0, 0);
    e.Act();
    EXPECT_EQ(e.y, 240);
    e.Act();
    EXPECT_EQ(e.param3, 1);
    EXPECT_DOUBLE_EQ(e.vx, 12 * std::cos(2 * std::numbers::pi / 84));
    EXPECT_EQ(e.vy, -1);
    RunTo(e, 57);
    e.Act();
    EXPECT_EQ(Fired(), 0);  // no ring on difficulty 0
    const int32_t missiles = g_MissileMannager.next;
    RunTo(e, 109);
    EXPECT_EQ(g_MissileMannager.next - missiles, 18);
    RunTo(e, 140);
    e.Act();
    EXPECT_EQ(Fired(), 2);  // the wing cannons at 141
    const uint64_t draws = RandDraws();
    e.Act();
    EXPECT_EQ(Fired(), 4);
    EXPECT_EQ(RandDraws() - draws, 9u);  // s0, four targets, four bullets
    RunTo(e, 178);
    g_Player.hitX = 300;
    g_Player.hitY = 50;
    e.Act();
    g_Player.hitX = 100;
    Shots stream;
    for (int32_t a = 180; a <= 209; ++a)
        stream.emplace_back(a, 1);
    EXPECT_EQ(Volleys(e, 180, 215), stream);
    EXPECT_EQ(e.savedVx.AsInt(), 300);
    EXPECT_EQ(e.savedVy.AsInt(), 50);
    EXPECT_EQ(e.vy, -1);

    g_nLevel = 1;
    e.Set(400, 480, 20, 0, 0, 0, 0);
    RunTo(e, 2);
    EXPECT_EQ(e.param3, -1);
    RunTo(e, 57);
    e.Act();
    EXPECT_EQ(Fired(), 12);  // a ring of 11 and one large bullet
    EXPECT_EQ(SoundRequest[2], 1);
}

TEST_F(GunnersTest, GunshipOnStage5GlidesToItsHeightFromTheMiddle) {
    g_nStage = 5;
    CEnemy e;
    e.Set(200, 300, 20, 0, 0, 200, 0);
    e.Act();
    EXPECT_EQ(e.y, 300);
    EXPECT_EQ(e.frameX, 520);
    double y = 300;
    for (int32_t a = 2; a <= 34; ++a) {
        e.Act();
        y += (200 - y) * 0.05;
        EXPECT_EQ(e.vx, 0);
    }
    EXPECT_DOUBLE_EQ(e.y, y);
}

TEST_F(GunnersTest, PodRingsFollowTheCarriedTickCounter) {
    const int32_t ticks[3] = {0, 3, 6};
    const Shots expected[3] = {{{217, 18}}, {{214, 18}}, {{211, 18}, {229, 18}}};
    for (int32_t i = 0; i < 3; ++i) {
        CEnemy e;
        e.Set(200, 400, 30, 0, 0, 0, 0);
        RunTo(e, 12);
        e.savedVx.SetInt(300);  // keep the dart inside the field
        e.savedVy.SetInt(300);
        RunTo(e, 59);
        e.tick = ticks[i];
        EXPECT_EQ(Volleys(e, 60, 229), expected[i]) << i;
    }
}

TEST_F(GunnersTest, PodTargetsAndDrawsDependOnTheStage) {
    for (int32_t stage : {1, 3, 5}) {
        g_nStage = stage;
        CEnemy e;
        e.Set(200, 400, 30, 0, 0, 0, 0);
        for (int32_t a = 1; a <= 12; ++a) {
            const uint64_t draws = RandDraws();
            e.Act();
            uint64_t want = 0;
            if (stage != 1 && a < 12) want += 2 + (a % 8 == 0 ? 6 : 0);
            if (stage != 5) want += 2 + (a % 4 == 0 ? 6 : 0);
            EXPECT_EQ(RandDraws() - draws, want) << stage << " " << a;
        }
        const int32_t ty = e.savedVy.AsInt();
        if (stage == 5) {
            EXPECT_EQ(e.frameX, 118);
            EXPECT_GE(ty, 40);
            EXPECT_LE(ty, 189);
        } else {
            EXPECT_GE(ty, -200);
            EXPECT_LE(ty, 99);
        }
        EXPECT_LE(std::abs(e.savedVx.AsInt() - g_Player.hitX), 75);
    }
}

TEST_F(GunnersTest, Fo4BrakesFiresByLevelAndLeavesByTheNearerSide) {
    g_nLevel = 2;
    CEnemy e;
    e.Set(200, 480, 12, 0, 0, 0, 0);
    RunTo(e, 39);
    e.Act();
    EXPECT_DOUBLE_EQ(e.vy, 2);
    EXPECT_EQ(Fired(), 3);
    EXPECT_EQ(SoundRequest[5], 1);
    RunTo(e, 81);
    EXPECT_EQ(e.vx, -10);
    EXPECT_DOUBLE_EQ(e.vy, -0.2);

    e.Set(200, 480, 12, 0, 0, 10, 0);
    RunTo(e, 16);
    EXPECT_GT(e.vy, 0);
    e.Act();
    EXPECT_LT(e.vy, 0);
}

TEST_F(GunnersTest, Fo11StopsAtStaggeredHeightsAndFiresEvery64) {
    CEnemy e;
    e.Set(40, 480, 3, 0, 0, 1, 0);  // t = 40 mod 33 = 7
    std::vector<double> vys;
    for (int32_t a = 1; a <= 77; ++a) {
        e.Act();
        if (a == 27 || a == 28 || a == 76 || a == 77) vys.push_back(e.vy);
    }
    EXPECT_EQ(vys, (std::vector<double>{4, 0, 0, -6}));
    e.Set(200, 300, 3, 0, 0, 0, 0);
    e.y = 100;
    EXPECT_EQ(Volleys(e, 1, 130), (Shots{{64, 6}, {128, 6}}));
}

TEST_F(GunnersTest, Fo9DropsLargeBulletsAndTwoFanBursts) {
    CEnemy e;
    e.Set(200, 300, 29, 0, 0, 300, 0);
    Shots expected;
    for (int32_t a = 76; a <= 199; ++a) {
        const int32_t n = ((a - 81) % 6 == 0 && a >= 81 ? 1 : 0) + (a == 77 || a == 177 ? 24 : 0);
        if (n != 0) expected.emplace_back(a, n);
    }
    EXPECT_EQ(Volleys(e, 1, 200), expected);
    EXPECT_EQ(e.frameX, 172);
    EXPECT_EQ(e.vy, -7);
    EXPECT_EQ(e.step, 0);  // two bursts of four passes round the eight offsets
}

TEST_F(GunnersTest, CarriersSwayStopAndFire) {
    CEnemy itemer;
    itemer.Set(200, 480, 13, 0, 0, 0, 0);
    EXPECT_EQ(Volleys(itemer, 1, 512).size(), 8u);
    EXPECT_EQ(itemer.vx, 0);
    EXPECT_EQ(itemer.vy, 0);
    EXPECT_EQ(itemer.frameX % 72, 0);

    CEnemy high;
    high.Set(200, 480, 6, 0, 3, 0, 480);
    high.Act();
    EXPECT_EQ(high.step, 1);
    EXPECT_EQ(high.w, 150);

    for (int32_t level : {0, 1}) {
        g_nLevel = level;
        CEnemy pod;
        pod.Set(200, 480, 6, 0, 3, 0, 300);
        Shots expected;
        for (int32_t a = 76; a <= 96; a += 4)
            expected.emplace_back(a, 4);
        if (level == 1) expected.insert(expected.end(), {{116, 9}, {136, 9}});
        for (int32_t a = 192; a <= 240; a += 16)
            expected.emplace_back(a, 10);
        EXPECT_EQ(Volleys(pod, 1, 249), expected) << level;
    }
}

TEST_F(GunnersTest, SpiralGunnersBrakeOnTheirCurvesAndSpray) {
    CEnemy e;
    e.Set(200, 400, 22, 0, 0, 0, 0);
    Shots expected;
    for (int32_t a = 52; a <= 96; a += 4)
        expected.emplace_back(a, 48);
    EXPECT_EQ(Volleys(e, 1, 120), expected);
    EXPECT_NEAR(e.y, 250, 1e-9);
    EXPECT_DOUBLE_EQ(e.x, 200 + 40 * std::sin(30 * std::numbers::pi / 180));

    CEnemy twin;
    twin.Set(200, 400, 23, 0, 0, 0, 0);
    RunTo(twin, 40);
    EXPECT_NEAR(twin.y, 240, 1e-9);
    RunTo(twin, 49);
    EXPECT_NEAR(twin.y, 248.1, 1e-9);
    EXPECT_EQ(twin.step, 12);
    EXPECT_EQ(Volleys(twin, 50, 172), (Shots{{100, 5}, {125, 5}, {150, 5}}));
    EXPECT_NEAR(twin.y, 252.1, 1e-9);

    CEnemy standIn;
    standIn.Set(200, 400, 21, 0, 0, 0, 0);
    RunTo(standIn, 99);
    SoundRequest[2] = 0;
    standIn.Act();
    EXPECT_EQ(Fired(), 4);
    EXPECT_EQ(SoundRequest[2], 0);
}

TEST_F(GunnersTest, HeavyGunnersBurstsAndPairs) {
    CEnemy e;
    e.Set(300, 480, 24, 0, 0, 0, 0);
    EXPECT_EQ(Volleys(e, 1, 129), (Shots{{60, 80}}));
    RunTo(e, 131);
    EXPECT_LT(e.vx, 0);
    EXPECT_EQ(Volleys(e, 160, 259), (Shots{{192, 80}, {256, 80}}));
    e.Act();
    EXPECT_EQ(e.vx, 2);  // swinging back right, in whole-number steps
    for (const auto& [x, side] : {std::pair{187, 2}, std::pair{188, -2}}) {
        CEnemy edge;  // it swings away from the side it entered on, 188 counting as the right
        edge.Set(x, 480, 24, 0, 0, 0, 0);
        edge.Act();
        EXPECT_EQ(edge.side, side) << x;
    }

    g_nStage = 5;
    CEnemy fo8;
    fo8.Set(200, 300, 28, 0, 0, 300, 0);
    EXPECT_EQ(Volleys(fo8, 1, 49),
              (Shots{{4, 2}, {8, 2}, {12, 2}, {16, 2}, {36, 2}, {40, 2}, {44, 2}, {48, 2}}));
}

TEST_F(GunnersTest, FanGunnerSweepsThenScattersWithOneLargeBullet) {
    CEnemy e;
    e.Set(200, 480, 18, 0, 0, 0, 0);
    EXPECT_EQ(Volleys(e, 1, 99), (Shots{{56, 6}, {64, 6}, {72, 6}, {80, 6}, {88, 6}}));
    RunTo(e, 139);
    g_Player.hitX = Trunc(e.x) + 50 + 30;
    g_Player.hitY = Trunc(e.y) - 40;
    const uint64_t draws = RandDraws();
    e.Act();
    EXPECT_EQ(RandDraws() - draws, 72u);  // 48 of its own, 24 for the small bullets
    EXPECT_EQ(Fired(), 25);
    EXPECT_FLOAT_EQ(Last().vx, 4.8f);  // a 30-40-50 triangle at speed 8
    EXPECT_FLOAT_EQ(Last().vy, 6.4f);
    EXPECT_EQ(Last().big, 1);
    EXPECT_EQ(SoundRequest[4], 1);

    // Sitting exactly on the aiming point: the large bullet falls straight down.
    g_Player.hitX = Trunc(e.x) + 50;
    g_Player.hitY = Trunc(e.y);
    kind_script::ShootBigTowardShip(e, Trunc(e.x), Trunc(e.y), 8);
    EXPECT_EQ(Last().vx, 0);
    EXPECT_EQ(Last().vy, 8);
}

TEST_F(GunnersTest, WalkerAlternatesItsBarrages) {
    for (int32_t stage : {1, 4}) {
        g_nStage = stage;
        g_nLevel = 2;
        CEnemy e;
        e.Set(100, 480, 33, 0, 0, 0, 0);
        std::vector<uint64_t> draws;
        Shots volleys;
        for (int32_t a = 1; a <= 330; ++a) {
            for (auto& request : SoundRequest)
                request = 0;
            const uint64_t before = RandDraws();
            e.Act();
            if (const int32_t n = Fired(); n != 0) {
                volleys.emplace_back(a, n);
                draws.push_back(RandDraws() - before);
                if (a == 128 || a == 256) {
                    // The common script's second round of scatter sounds byte 4 instead of 5.
                    EXPECT_EQ(SoundRequest[5], a == 128 || stage == 4 ? 1 : 0) << a;
                }
            }
            if (stage == 1 && a == 250) {
                EXPECT_NEAR(e.vx, 0.06, 1e-12);
                EXPECT_NEAR(e.vy, -0.06, 1e-12);
            }
        }
        EXPECT_EQ(volleys, (Shots{{64, 20}, {128, 74}, {192, 20}, {256, 74}, {320, 20}}));
        // A: one draw a small bullet; B: two per scattered shot and one for its bullet.
        EXPECT_EQ(draws, (std::vector<uint64_t>{20, 216, 20, 216, 20}));
        EXPECT_EQ(e.frameX, stage == 4 ? 276 : 0);
    }
}

}  // namespace
