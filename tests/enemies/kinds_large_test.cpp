#include <gtest/gtest.h>

#include <bit>
#include <utility>
#include <vector>

#include "enemies/kind_scripts.h"
#include "engine/requests.h"
#include "shooting/effect.h"
#include "shooting/enemy_laser.h"
#include "shooting/laser_shot.h"
#include "tests/enemies/enemy_fixture.h"

namespace {

class KindsLargeTest : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        g_ELazer.Clear();
        g_LBMannager.Init();
        last_ = g_EBMannager.next;
    }

    // Bullets handed out since the last call, across the ring's wrap.
    int32_t NewBullets() {
        constexpr int32_t ring = CEBMannager::kBulletCount - CEBMannager::kFirstRingSlot;
        const int32_t n = (g_EBMannager.next - last_ + ring) % ring;
        last_ = g_EBMannager.next;
        return n;
    }
    const CEBullet& Last(int32_t back) const {
        return g_EBMannager.bullets[g_EBMannager.next - back];
    }

    // One frame; the scene empties the laser list after drawing it, so each frame starts empty.
    // Returns how many engine trails it left in the back ring.
    static int32_t Step(CEnemy& e) {
        g_ELazer.Clear();
        const int32_t back = g_EffectMannager.backIndex;
        e.Act();
        return (g_EffectMannager.backIndex - back + CEffectMannager::kBackCount) %
               CEffectMannager::kBackCount;
    }
    void RunTo(CEnemy& e, int32_t age) {
        while (e.age < age)
            Step(e);
        NewBullets();
    }
    static double Scale(const LaserRecord& r) {
        return std::bit_cast<double>(static_cast<uint64_t>(static_cast<uint32_t>(r.p6)) |
                                     static_cast<uint64_t>(static_cast<uint32_t>(r.p7)) << 32);
    }

    int32_t last_ = 0;
};

TEST_F(KindsLargeTest, Ship1VolleysDependOnTheLevelAndItClimbsAway) {
    for (const int32_t level : {0, 2}) {
        g_nLevel = level;
        CEnemy e;
        e.Set(200, 480, 2, 0, 0, 0, 0);
        RunTo(e, 159);
        Step(e);  // 160: the aimed fan of large type 42
        EXPECT_EQ(NewBullets(), 5);
        EXPECT_EQ(Last(1).kind, 42);
        EXPECT_EQ(Last(1).big, 1);
        RunTo(e, 166);
        Step(e);  // 167: the extra fan exists only on level 2
        EXPECT_EQ(NewBullets(), level == 2 ? 5 : 0);
        RunTo(e, 303);
        Step(e);  // 304: eight turned bullets, plus a FireFan pair from level 1 on
        EXPECT_EQ(NewBullets(), level == 2 ? 14 : 8);
        RunTo(e, 361);
        for (int32_t a = 362; a <= 363; ++a) {
            const uint64_t draws = RandDraws();
            Step(e);
            EXPECT_EQ(RandDraws() - draws, a % 2 == 0 ? 5u : 0u);
            EXPECT_EQ(NewBullets(), a % 2 == 0 ? 5 : 0);
            EXPECT_EQ(e.step, 0);
        }
        RunTo(e, 609);
        Step(e);  // 610: the single large bullet of window C
        EXPECT_EQ(NewBullets(), 1);
        EXPECT_EQ(Last(1).big, 1);
        RunTo(e, 1399);
        Step(e);
        EXPECT_EQ(e.vy, -2);
        const double y = e.y;
        Step(e);
        EXPECT_NEAR(e.y - y, 2, 0.31);  // the bob still adds its part
    }
}

TEST_F(KindsLargeTest, Ship2TrailsLasersAndSlide) {
    CEnemy e;
    e.Set(200, 480, 36, 0, 0, 0, 0);
    double xAt779 = 0;
    for (int32_t a = 1; a <= 1400; ++a) {
        const int32_t trails = Step(e);
        const bool dark = (a >= 70 && a <= 79) || (a >= 500 && a <= 519) || a >= 1300;
        EXPECT_EQ(trails, dark && a < 1400 ? 0 : 1) << a;
        // Two lasers at 166..279, 546..779 and 1076..1149; none while the slide is over.
        const bool lit =
            (a >= 166 && a <= 279) || (a >= 546 && a <= 779) || (a >= 1076 && a <= 1149);
        EXPECT_EQ(g_ELazer.count, lit ? 2 : 0) << a;
        if (a == 166 || a == 1076) {
            ASSERT_EQ(g_ELazer.count, 2);
            EXPECT_EQ(g_ELazer.records[0].kind, 7);
            EXPECT_EQ(g_ELazer.records[0].a, 780);
            EXPECT_EQ(g_ELazer.records[1].x, g_ELazer.records[0].x - 105);
        }
        if (a == 779) {
            xAt779 = e.x;
            EXPECT_EQ(g_ELazer.records[0].a, 7770);
        }
    }
    // The slide stops once past 154 and does not go on after its window.
    EXPECT_LE(xAt779, 154);
    EXPECT_GT(xAt779, 152);
    EXPECT_EQ(e.vy, -3);
}

TEST_F(KindsLargeTest, BeamShakeIsWorkedInSinglePrecision) {
    // From y 300.3: down by d at age 315, up by d/2 at 316, each sum rounded to a float.
    const struct {
        int32_t kind;
        double at315;
        double at316;
    } rows[] = {{31, 298.29998779296875, 299.29998779296875},
                {0, 298.29998779296875, 299.29998779296875},
                {43, 298.29998779296875, 299.29998779296875},
                {42, 296.29998779296875, 298.29998779296875}};
    for (const auto& row : rows) {
        CEnemy e;
        e.Set(130, 480, row.kind, 0, 0, 0, 0);
        RunTo(e, 314);
        e.y = 300.3;
        Step(e);
        EXPECT_EQ(e.y, row.at315) << row.kind;
        Step(e);
        EXPECT_EQ(e.y, row.at316) << row.kind;
    }
}

TEST_F(KindsLargeTest, Kind0DrawOrderBeamFadeAndOrbitVolleys) {
    for (const int32_t level : {0, 2}) {
        g_nLevel = level;
        CEnemy e;
        e.Set(150, 480, 0, 0, 0, 0, 0);
        std::vector<int32_t> dark;
        for (int32_t a = 1; a <= 600; ++a) {
            const uint64_t draws = RandDraws();
            if (Step(e) == 0) dark.push_back(a);
            const uint64_t drawn = RandDraws() - draws;
            // Beam and r4 every frame; on even frames two turns, two speeds and two bullets.
            if (a >= 315 && a <= 479) {
                EXPECT_EQ(drawn, a % 2 == 0 ? 8u : 2u) << a;
            }
            if (a == 480) {
                ASSERT_EQ(g_ELazer.count, 1);
                EXPECT_EQ(Scale(g_ELazer.records[0]), 1.0 - 0.09 * 160);
            }
            if (a == 599) NewBullets();
        }
        EXPECT_EQ(dark.front(), 105);
        EXPECT_EQ(dark.size(), 35u + 90u);
        EXPECT_EQ(dark.back(), 589);
        // The orbit volley at 600: one large bullet and 3L + 5 pairs.
        EXPECT_EQ(NewBullets(), 1 + 2 * (3 * level + 5));
        EXPECT_EQ(e.param3, -1);
    }
}

TEST_F(KindsLargeTest, TwoKind31ShareOneAnchor) {
    CEnemy first;
    CEnemy second;
    first.Set(100, 480, 31, 0, 0, 0, 0);
    RunTo(first, 100);
    second.Set(250, 480, 31, 0, 0, 0, 0);
    for (int32_t a = 1; a <= 590; ++a) {
        Step(first);
        Step(second);
    }
    EXPECT_EQ(g_nAnchorX31, static_cast<int32_t>(second.x));
    // The second beam grows by 0.225 a frame from 0.325 at 1006 to 2.125 at 1014, then keeps
    // the full scale to the end of its window.
    for (const auto& [age, scale] :
         {std::pair{1006, 0.325}, std::pair{1014, 2.125}, std::pair{1149, 1.0}}) {
        RunTo(second, age - 1);
        Step(second);
        ASSERT_EQ(g_ELazer.count, 1) << age;
        EXPECT_DOUBLE_EQ(Scale(g_ELazer.records[0]), scale) << age;
    }
}

TEST_F(KindsLargeTest, Kind43FadeDropAndDoubleVolley) {
    for (const int32_t level : {0, 2}) {
        g_nLevel = level;
        g_LBMannager.Init();
        CEnemy e;
        e.Set(130, 480, 43, 0, 0, 0, 0);
        for (int32_t a = 1; a <= 499; ++a) {
            EXPECT_EQ(Step(e), 0);
            if (a != 310) continue;
            ASSERT_EQ(g_ELazer.count, 2);
            // At (cx - 90, y + 50) and (cx + 90, y + 50).
            EXPECT_EQ(g_ELazer.records[1].x - g_ELazer.records[0].x, 180);
            for (const LaserRecord& beam : {g_ELazer.records[0], g_ELazer.records[1]}) {
                EXPECT_EQ(beam.a, 1);  // the growing beams' frame
                EXPECT_DOUBLE_EQ(Scale(beam), 1.225);
                EXPECT_EQ(beam.y, static_cast<int32_t>(e.y + 50));
            }
        }
        ASSERT_EQ(g_ELazer.count, 2);
        EXPECT_LT(Scale(g_ELazer.records[1]), 0);
        e.y = 3;
        Step(e);
        EXPECT_EQ(e.y, -3);
        Step(e);
        EXPECT_EQ(e.y, -3);
        e.y = 200;
        RunTo(e, 539);
        Step(e);
        EXPECT_EQ(g_LBMannager.next, 2);
        for (const int32_t i : {0, 1}) {
            const CLazerBullet& shot = g_LBMannager.shots[i];
            EXPECT_EQ(shot.kind, 2);
            EXPECT_EQ(shot.rate, 10.0);
            EXPECT_EQ(shot.p1, 140);
            EXPECT_EQ(shot.p4, shot.x);  // each drops straight down to row 469
            EXPECT_EQ(shot.p5, 469);
        }
        RunTo(e, 1199);
        Step(e);
        EXPECT_EQ(NewBullets(), 2 + 4 * (3 * level + 12));
        const CEBullet& a = g_EBMannager.bullets[g_EBMannager.next - 4 * (3 * level + 12) - 2];
        const CEBullet& b = g_EBMannager.bullets[g_EBMannager.next - 4 * (3 * level + 12) - 1];
        EXPECT_EQ(a.big, 1);
        EXPECT_EQ(a.x, b.x);
        EXPECT_EQ(a.y, b.y);
        EXPECT_EQ(a.vy, b.vy);
    }
}

TEST_F(KindsLargeTest, Kind42TurretTurnsAndFires) {
    CEnemy e;
    e.Set(130, 480, 42, 0, 0, 0, 0);
    std::vector<int32_t> volleyAngles;
    for (int32_t a = 1; a <= 1300; ++a) {
        const int32_t missiles = g_MissileMannager.next;
        const int32_t trails = Step(e);
        const bool dark = (a >= 105 && a <= 139) || (a >= 500 && a <= 599) || (a >= 1200);
        EXPECT_EQ(trails, dark && a < 1300 ? 0 : 1) << a;
        if (a == 530 || a == 550 || a == 570 || a == 590 || a == 599)
            volleyAngles.push_back(e.sub.angle);
        if (a == 529) NewBullets();
        if (a == 530) {
            EXPECT_EQ(NewBullets(), 2 + 4 * 12);
        }
        if (a >= 620 && a <= 799) {
            EXPECT_EQ(e.sub.angle, 0) << a;
        }
        if (a == 660) {
            EXPECT_EQ(g_MissileMannager.next - missiles, 8);
        }
        if (a == 400) {
            ASSERT_EQ(g_ELazer.count, 2);
            EXPECT_EQ(Scale(g_ELazer.records[0]), 1.0);
        }
    }
    EXPECT_EQ(volleyAngles, (std::vector<int32_t>{60, 28, -4, -36, -52}));
    EXPECT_EQ(e.sub.on, 1);
    EXPECT_EQ(e.sub.srcX, 378);
    EXPECT_EQ(e.sub.w, 32);
    EXPECT_EQ(e.sub.h, 124);
    EXPECT_EQ(e.sub.dy, 146);
    EXPECT_EQ(e.sub.lift, 111);
    EXPECT_EQ(e.vy, 6);
}

}  // namespace
