#include "shooting/item.h"

#include <gtest/gtest.h>

#include "engine/random.h"
#include "tests/shooting/player_fixture.h"

namespace {

class Items : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        g_ItemMannager.Init();
    }
    void TearDown() override {
        g_ItemMannager.Init();
        PlayerFixture::TearDown();
    }

    static void PlacePlayer(int32_t hx, int32_t hy) {
        g_Player.hitX = hx;
        g_Player.hitY = hy;
    }

    // Throws one item and returns it, with the hit point put where the test wants it after the
    // throw (the throw itself sees the hit point at (270, 10)).
    static CItem& Throw(int32_t x, int32_t y, int32_t type, int32_t angle, int32_t speed) {
        PlacePlayer(270, 10);
        g_ItemMannager.Drop(x, y, type, angle, speed);
        return g_ItemMannager.items[g_ItemMannager.index];
    }
};

TEST_F(Items, RingStartsAtSlotOneAndWrapsToSlotZero) {
    g_ItemMannager.Drop(300, 300, 0, 90, 3);
    EXPECT_EQ(g_ItemMannager.index, 1);
    EXPECT_EQ(g_ItemMannager.items[1].alive, 1);
    for (int i = 2; i <= 1000; ++i)
        g_ItemMannager.Drop(300, 300, 1, 90, 3);
    EXPECT_EQ(g_ItemMannager.index, 0);
    EXPECT_EQ(g_ItemMannager.items[0].kind, 1);
    // The next throw takes over the first item, whatever it was doing.
    g_ItemMannager.items[1].homeStep = 9;
    g_ItemMannager.items[1].age = 40;
    g_ItemMannager.Drop(200, 250, 2, 0, 4);
    const CItem& item = g_ItemMannager.items[1];
    EXPECT_EQ(item.kind, 2);
    EXPECT_EQ(item.homeStep, 0);
    EXPECT_EQ(item.age, 0);
    EXPECT_DOUBLE_EQ(item.vx, 4.0);
    // A type without a picture takes no slot.
    g_ItemMannager.Drop(300, 300, 3, 90, 3);
    g_ItemMannager.Drop(300, 300, -1, 90, 3);
    EXPECT_EQ(g_ItemMannager.index, 1);
}

TEST_F(Items, UntakenPointItemFallsSlowsRisesAndLeavesAtTheTop) {
    CItem& item = Throw(300, 400, 0, 90, 3);
    EXPECT_EQ(item.autoCollect, 0);
    for (int frame = 1; frame <= 15; ++frame) {
        const double before = item.y;
        g_ItemMannager.Move(1);
        EXPECT_NEAR(before - item.y, 3.0, 1e-9) << "frame " << frame;
    }
    EXPECT_NEAR(item.y, 355.0, 1e-9);
    g_ItemMannager.Move(1);
    EXPECT_NEAR(item.y, 355.0 - 2.975, 1e-9);
    g_ItemMannager.Move(1);
    EXPECT_NEAR(item.y, 355.0 - 2.975 - 2.95, 1e-9);

    double lowest = item.y;
    int lowestFrame = 17;
    int leftFrame = 0;
    for (int frame = 18; frame <= 400 && leftFrame == 0; ++frame) {
        g_ItemMannager.Move(1);
        if (item.alive == 0) leftFrame = frame;
        if (item.y < lowest) {
            lowest = item.y;
            lowestFrame = frame;
        }
    }
    EXPECT_NEAR(lowest, 176.5, 0.05);
    EXPECT_EQ(lowestFrame, 134);
    EXPECT_EQ(leftFrame, 297);
    EXPECT_GT(item.y, 500.0);  // left where it stood
    EXPECT_EQ(g_ItemMannager.items[1].homeStep, 0);
}

TEST_F(Items, PointItemHomesWithin109OnBothAxesUsingArithmeticShifts) {
    // The item's centre is (315, 315); the offsets are measured to the hit point plus one.
    struct Case {
        int32_t dx, dy;
        bool homes;
        double vx, vy;
    };
    const Case cases[] = {
        {109, 109, true, 13, 13}, {110, 109, false, 0, 0},
        {109, 110, false, 0, 0},  {-109, -109, true, -14, -14},  // a division would give -13
        {-1, 5, true, -1, 0},     {-110, -50, false, 0, 0},
    };
    for (const Case& c : cases) {
        g_ItemMannager.Init();
        CItem& item = Throw(300, 300, 0, 90, 0);
        item.age = 9;
        PlacePlayer(314 + c.dx, 316 - c.dy);
        g_ItemMannager.Move(1);
        EXPECT_EQ(item.homeStep, c.homes ? 1 : 0) << c.dx << "," << c.dy;
        if (c.homes) {
            EXPECT_EQ(item.vx, c.vx) << c.dx << "," << c.dy;
            EXPECT_EQ(item.vy, c.vy) << c.dx << "," << c.dy;
        }
    }

    // The pull doubles from the fourth frame of homing.
    g_ItemMannager.Init();
    CItem& item = Throw(300, 300, 0, 90, 0);
    item.age = 20;
    item.homeStep = 3;
    PlacePlayer(314 + 100, 316 - 60);
    g_ItemMannager.Move(1);
    EXPECT_EQ(item.vx, 2 * 12);
    EXPECT_EQ(item.vy, 2 * 7);
    EXPECT_DOUBLE_EQ(item.x, 324.0);
    EXPECT_DOUBLE_EQ(item.y, 286.0);
}

TEST_F(Items, ThrownBesideTheShipHomesFromItsNinthFrameAnywhere) {
    CItem& item = Throw(300, 55, 0, 90, 3);
    EXPECT_EQ(item.autoCollect, 1);
    PlacePlayer(500, 10);  // far across the field
    for (int frame = 1; frame <= 8; ++frame) {
        g_ItemMannager.Move(1);
        EXPECT_EQ(item.homeStep, 0) << frame;
    }
    g_ItemMannager.Move(1);
    EXPECT_EQ(item.homeStep, 1);
    EXPECT_GT(item.vx, 0);

    // A dying ship (hit point below the field) draws nothing in and takes nothing.
    CItem& other = Throw(300, 55, 0, 90, 3);
    PlacePlayer(315, -130);
    for (int frame = 0; frame < 12; ++frame)
        g_ItemMannager.Move(g_ItemMannager.index);
    EXPECT_EQ(other.homeStep, 0);
    EXPECT_EQ(other.alive, 1);
    EXPECT_EQ(points_.itemCount, 0);
}

TEST_F(Items, PickupsScoreAndGiveTheirBonusWithinTheLimits) {
    const auto take = [&](int32_t type) {
        for (auto& request : SoundRequest)
            request = 0;
        Throw(300, 300, type, 90, 0);
        PlacePlayer(315, 315);
        g_ItemMannager.Move(g_ItemMannager.index);
    };
    g_Player.lives = 3;
    g_Player.bombs = 3;
    take(0);
    const CItem& first = g_ItemMannager.items[1];
    EXPECT_EQ(first.alive, 0);
    EXPECT_EQ(first.x, 0);
    EXPECT_EQ(first.y, 0);
    EXPECT_EQ(first.autoCollect, 0);
    EXPECT_EQ(points_.score, 1000);
    EXPECT_EQ(SoundRequest[7], 1);
    EXPECT_EQ(SoundRequest[8], 0);

    take(1);
    EXPECT_EQ(points_.score, 3000);
    EXPECT_EQ(g_Player.bombs, 4);
    EXPECT_EQ(SoundRequest[7], 0);
    EXPECT_EQ(SoundRequest[8], 1);

    take(2);
    EXPECT_EQ(points_.score, 6000);
    EXPECT_EQ(g_Player.lives, 4);
    EXPECT_EQ(SoundRequest[8], 1);
    EXPECT_EQ(points_.itemCount, 3);
    EXPECT_EQ(points_.extendGauge, 60);

    g_Player.lives = 7;
    g_Player.bombs = 11;
    take(2);
    take(1);
    EXPECT_EQ(g_Player.lives, 7);
    EXPECT_EQ(g_Player.bombs, 11);
    EXPECT_EQ(points_.score, 11000);
    EXPECT_EQ(points_.extendGauge, 100);
    EXPECT_EQ(SoundRequest[8], 1);
    EXPECT_EQ(g_Player.power, 0);

    for (int i = 5; i < 350; ++i)
        take(0);
    EXPECT_EQ(points_.itemCount, 350);
    EXPECT_EQ(points_.extendGauge, 7000);
}

TEST_F(Items, AnItemLeavingTheFieldCanStillBeTakenThatFrame) {
    CItem& item = Throw(100, 300, 0, 90, 3);
    PlacePlayer(115, 315);
    g_ItemMannager.Move(1);
    EXPECT_EQ(points_.score, 1000);
    EXPECT_EQ(item.x, 0);

    CItem& gone = Throw(550, 300, 0, 90, 3);
    PlacePlayer(200, 200);
    g_ItemMannager.Move(g_ItemMannager.index);
    EXPECT_EQ(gone.alive, 0);
    EXPECT_DOUBLE_EQ(gone.x, 550.0);  // it did not move
    EXPECT_DOUBLE_EQ(gone.y, 300.0);
    EXPECT_EQ(points_.score, 1000);
}

TEST_F(Items, BonusItemsBounceOffTheFieldEdgesAndLeaveATrail) {
    CItem& item = Throw(456, 300, 1, 0, 4);  // flying right
    PlacePlayer(140, 20);
    const int32_t trailsBefore = g_EffectMannager.backIndex;
    const uint64_t draws = RandDraws();
    g_ItemMannager.Move(1);  // 460: still inside
    EXPECT_DOUBLE_EQ(item.x, 460.0);
    g_ItemMannager.Move(1);  // 460 + 50 reaches 510: still inside
    EXPECT_DOUBLE_EQ(item.x, 464.0);
    g_ItemMannager.Move(1);  // 514 is beyond: turns back
    EXPECT_DOUBLE_EQ(item.x, 460.0);
    EXPECT_EQ(g_EffectMannager.backIndex, trailsBefore + 3);
    const CEffect& trail = g_EffectMannager.back[g_EffectMannager.backIndex];
    EXPECT_EQ(trail.kind, 8);
    EXPECT_EQ(trail.image2, 18);
    EXPECT_DOUBLE_EQ(trail.x, 452.0);
    EXPECT_DOUBLE_EQ(trail.y, 288.0);

    // The box is 30 high but the bounce allows for 50: from y 420 an upward item turns at once.
    CItem& up = Throw(300, 420, 2, 270, 3);
    PlacePlayer(140, 20);
    g_ItemMannager.Move(g_ItemMannager.index);
    EXPECT_NEAR(up.y, 417.0, 1e-9);
    EXPECT_EQ(RandDraws(), draws);
}

}  // namespace
