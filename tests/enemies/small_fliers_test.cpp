#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/enemies/enemy_fixture.h"

namespace {

class SmallFliersTest : public EnemyFixture {
protected:
    // Bullets handed out by the enemy-bullet pool since the last call.
    int32_t NewBullets() {
        const int32_t n = g_EBMannager.next - lastNext_;
        lastNext_ = g_EBMannager.next;
        return n;
    }
    void SetUp() override {
        EnemyFixture::SetUp();
        lastNext_ = g_EBMannager.next;
    }

    static double Speed(const CEBullet& b) { return std::hypot(b.vx, b.vy); }

    int32_t lastNext_ = 0;
};

TEST_F(SmallFliersTest, BatHoversFiresThreeTimesAndDrawsInOrder) {
    CEnemy e;
    e.Set(200, 480, 1, 0, 3, 1, 1);
    std::vector<int32_t> hoverAges;
    for (int32_t a = 1; a <= 200; ++a) {
        const uint64_t draws = RandDraws();
        e.Act();
        const uint64_t drawn = RandDraws() - draws;
        // Trail (3) every fourth age; each small bullet 1; the pause 1 after the first shot.
        uint64_t expected = a % 4 == 0 ? 3 : 0;
        if (a == 20 || a == 60 || a == 110) expected += 1;
        if (a == 20) expected += 1;
        EXPECT_EQ(drawn, expected) << a;
        EXPECT_EQ(NewBullets(), a == 20 || a == 60 || a == 110 ? 1 : 0) << a;
        if (e.vx == 0 && e.vy == 0) {
            hoverAges.push_back(a);
        } else {
            EXPECT_EQ(e.vx, 0) << a;  // a fresh slot has no side
            EXPECT_EQ(e.vy, 4) << a;
        }
    }
    EXPECT_EQ(e.pause % 6, 0);
    ASSERT_FALSE(hoverAges.empty());
    EXPECT_EQ(hoverAges.front(), e.pause + 31);
    EXPECT_EQ(hoverAges.back(), 159);
    EXPECT_EQ(static_cast<int32_t>(hoverAges.size()), 159 - e.pause - 30);
    EXPECT_EQ(g_EBMannager.bullets[CEBMannager::kFirstRingSlot].kind, 0);
    EXPECT_FLOAT_EQ(Speed(g_EBMannager.bullets[CEBMannager::kFirstRingSlot]), 6);
}

TEST_F(SmallFliersTest, BatAnimatesAndDriftsToItsSide) {
    g_nLevel = 2;
    CEnemy e;
    e.Set(400, 480, 1, 0, 3, 1, 1);
    std::vector<int32_t> frames;
    for (int32_t a = 1; a <= 160; ++a) {
        e.Act();
        if (a == 1 || a == 4 || a == 50 || a == 52 || a == 147 || a == 150 || a == 153)
            frames.push_back(e.frameX);
    }
    EXPECT_EQ(frames, (std::vector<int32_t>{0, 45, 135, 90, 135, 45, 0}));
    // Spawned right of 322: side -1, so it leaves leftward, faster as it ages.
    EXPECT_EQ(e.side, -1);
    EXPECT_EQ(e.vx, -5);
    EXPECT_EQ(e.vy, 4);
    EXPECT_FLOAT_EQ(Speed(g_EBMannager.bullets[CEBMannager::kFirstRingSlot]), 8);

    // A slot keeps its side for the next bat, even one spawned on the left.
    e.Set(100, 480, 1, 0, 3, 1, 1);
    for (int32_t a = 1; a <= 30; ++a)
        e.Act();
    EXPECT_EQ(e.vx, -1);
}

TEST_F(SmallFliersTest, Zako7DartsStopsFiresOneVolleyAndFalls) {
    CEnemy e;
    e.Set(200, 480, 7, 0, 3, 0, 10);
    e.Act();
    EXPECT_EQ(e.vx, 9.75);
    EXPECT_EQ(e.vy, 5);
    EXPECT_EQ(e.frameX, 0);
    e.Act();
    EXPECT_EQ(e.frameX, 48);
    for (int32_t a = 3; a <= 40; ++a)
        e.Act();
    EXPECT_EQ(e.vx, 0);
    EXPECT_EQ(e.vy, 5);
    EXPECT_EQ(e.frameX, 0);
    for (int32_t a = 41; a <= 90; ++a) {
        e.Act();
        EXPECT_EQ(e.vx, 0);
        EXPECT_EQ(e.vy, 0);
        EXPECT_EQ(NewBullets(), a == 80 ? 7 : 0) << a;
    }
    std::vector<double> falls;
    for (int32_t a = 91; a <= 98; ++a) {
        e.Act();
        falls.push_back(e.vy);
    }
    EXPECT_EQ(falls, (std::vector<double>{0, 0, 0, 1, 1, 1, 1, 2}));

    // Started at 322 or further right it darts the other way.
    e.Set(322, 480, 7, 3, 2, 3, 10);
    e.Act();
    EXPECT_EQ(e.vx, -9.75);
    EXPECT_EQ(e.vy, 8);
}

TEST_F(SmallFliersTest, Zako7VolleySpeedsGrowWithTheLevel) {
    const std::vector<double> expected[3] = {
        {6, 6, 8, 8, 9, 5, 10}, {7.5, 7.5, 9.5, 9.5, 10.5, 6.5, 11.5}, {9, 9, 11, 11, 12, 8, 13}};
    for (int32_t level = 0; level < 3; ++level) {
        g_nLevel = level;
        g_EBMannager.Init();
        CEnemy e;
        e.Set(200, 480, 7, 0, 3, 0, 10);
        for (int32_t a = 1; a < 80; ++a)
            e.Act();
        SoundRequest[2] = 0;
        const uint64_t draws = RandDraws();
        e.Act();
        EXPECT_EQ(RandDraws() - draws, 6u);  // the six small bullets; the large one draws none
        EXPECT_EQ(SoundRequest[2], 1);
        std::vector<double> speeds;
        for (int32_t i = 0; i < 7; ++i) {
            const CEBullet& b = g_EBMannager.bullets[CEBMannager::kFirstRingSlot + i];
            EXPECT_EQ(b.alive, 1);
            EXPECT_EQ(b.big, i == 6 ? 1 : 0);
            EXPECT_EQ(b.kind, i == 6 ? 19 : 40);
            speeds.push_back(Speed(b));
        }
        for (size_t i = 0; i < speeds.size(); ++i)
            EXPECT_NEAR(speeds[i], expected[level][i], 1e-4) << level << " " << i;
    }
}

TEST_F(SmallFliersTest, Zako8FiresPairsInItsWindowsAndWeaves) {
    CEnemy e;
    e.Set(200, 480, 41, 0, 3, 10, 20);
    std::vector<int32_t> firing;
    for (int32_t a = 1; a <= 100; ++a) {
        SoundRequest[3] = 0;
        const int32_t back = g_EffectMannager.backIndex;
        e.Act();
        EXPECT_EQ(g_EffectMannager.backIndex, back + 3) << a;
        EXPECT_EQ(SoundRequest[3], a % 4 == 0 ? 1 : 0) << a;
        const int32_t fired = NewBullets();
        if (fired != 0) {
            EXPECT_EQ(fired, 2) << a;
            firing.push_back(a);
        }
        EXPECT_EQ(e.vy, 4);
        EXPECT_EQ(e.frameX, 0);
    }
    // Open at (a + 10) mod 40 below 20: the first window is already open at ages 1 to 9.
    EXPECT_EQ(firing, (std::vector<int32_t>{4, 8, 32, 36, 40, 44, 48, 72, 76, 80, 84, 88}));
}

TEST_F(SmallFliersTest, Zako8RunsAFasterPartFirstOnStage4) {
    g_nStage = 4;
    g_nLevel = 2;
    CEnemy e;
    e.Set(200, 480, 41, 0, 3, 10, 20);
    std::vector<int32_t> counts;
    for (int32_t a = 1; a <= 56; ++a) {
        const int32_t back = g_EffectMannager.backIndex;
        e.Act();
        EXPECT_EQ(g_EffectMannager.backIndex, back + 6) << a;
        EXPECT_EQ(e.frameX, 190);
        const int32_t fired = NewBullets();
        if (a == 4 || a == 40 || a == 52) counts.push_back(fired);
        if (a == 52) {
            // Only the stage-4 window is open: its fixed speed 9, not 1.5 L + 9.
            EXPECT_FLOAT_EQ(Speed(g_EBMannager.bullets[g_EBMannager.next - 1]), 9);
        }
        if (a == 40) {
            EXPECT_FLOAT_EQ(Speed(g_EBMannager.bullets[g_EBMannager.next - 3]), 9);
            EXPECT_FLOAT_EQ(Speed(g_EBMannager.bullets[g_EBMannager.next - 1]), 12);
        }
    }
    EXPECT_EQ(counts, (std::vector<int32_t>{4, 4, 2}));
}

}  // namespace
