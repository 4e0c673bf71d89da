#include "shooting/killer_shot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/random.h"
#include "shooting/enemy_bullet.h"
#include "tests/shooting/player_fixture.h"

namespace {

// The size rows as the program starts with them; the bosses' Init rewrites them.
const std::array<KillerShotSize, kKillerShotRows> kStartRows = [] {
    std::array<KillerShotSize, kKillerShotRows> rows;
    std::copy(std::begin(KillerShotSizeTable), std::end(KillerShotSizeTable), rows.begin());
    return rows;
}();

class KillerShots : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        std::copy(kStartRows.begin(), kStartRows.end(), std::begin(KillerShotSizeTable));
        g_EBMannager.Init();
        g_KillerShotMannager.Init();
        // The ship parked in a corner, far from every shot unless a test moves it.
        g_Player.hitX = 150;
        g_Player.hitY = 20;
    }
    void TearDown() override {
        g_EBMannager.Init();
        g_KillerShotMannager.Init();
        PlayerFixture::TearDown();
    }

    static CKillerShot& Launch(int32_t x, int32_t y, int32_t kind, int32_t row, double speed,
                               int32_t angle) {
        const int32_t slot = g_KillerShotMannager.next;
        g_KillerShotMannager.Shoot(x, y, kind, row, speed, angle);
        return g_KillerShotMannager.shots[slot];
    }

    static int32_t BulletsInPlay(bool big) {
        int32_t n = 0;
        for (const CEBullet& b : g_EBMannager.bullets)
            n += b.alive != 0 && (b.big != 0) == big;
        return n;
    }
};

TEST_F(KillerShots, RingOfTenReusesSlotZeroAndIgnoresUnknownRows) {
    for (int i = 0; i < 10; ++i)
        Launch(300, 300, 4, 1, 0, 0);
    EXPECT_EQ(g_KillerShotMannager.next, 0);
    CKillerShot& first = g_KillerShotMannager.shots[0];
    first.age = 37;
    first.angle = 2;
    Launch(250, 200, 1, 2, 5.0, 90);
    // Taken over while alive: the new launch keeps the old age and cell.
    EXPECT_EQ(first.killKind, 1);
    EXPECT_EQ(first.w, 220);
    EXPECT_EQ(first.h, 420);
    EXPECT_EQ(first.age, 37);
    EXPECT_EQ(first.angle, 2);
    EXPECT_DOUBLE_EQ(first.vx, 5.0);
    EXPECT_NEAR(first.vy, 0.0, 1e-15);
    EXPECT_EQ(first.draw.mode, 12);
    EXPECT_EQ(first.shotScale, 1.0);
    EXPECT_EQ(g_KillerShotMannager.next, 1);

    Launch(300, 300, 0, 4, 0, 0);
    Launch(300, 300, 0, -1, 0, 0);
    EXPECT_EQ(g_KillerShotMannager.next, 1);
    EXPECT_EQ(g_KillerShotMannager.shots[1].killKind, 4);
}

TEST_F(KillerShots, KindZeroSparesAShipBelowRowNine) {
    // Row 0 is 160 square: its centre is 80 in from the corner.
    for (const int32_t hitY : {8, 9}) {
        g_Player.Init();
        g_KillerShotMannager.Init();
        g_Player.hitX = 300;
        g_Player.hitY = hitY;
        CKillerShot& s = Launch(300 - 80, hitY - 80, 0, 0, 0, 0);
        g_KillerShotMannager.Move(0);
        EXPECT_EQ(g_Player.dying, hitY >= 9 ? 1 : 0) << hitY;
        EXPECT_EQ(s.alive, 1);
    }
}

TEST_F(KillerShots, KindTwoLivesTwoFramesAndKindFourNeverEnds) {
    CKillerShot& flash = Launch(300, 200, 2, 2, 0, 0);
    g_KillerShotMannager.Move(0);
    EXPECT_EQ(flash.alive, 1);
    EXPECT_EQ(flash.angle, 0);
    g_KillerShotMannager.Move(0);
    EXPECT_EQ(flash.alive, 0);
    // Outside its narrower area it ends at once.
    CKillerShot& outside = Launch(483, 200, 2, 2, 0, 0);
    g_KillerShotMannager.Move(1);
    EXPECT_EQ(outside.alive, 0);

    CKillerShot& still = Launch(-500, 900, 4, 0, 30.0, 45);
    const uint64_t draws = RandDraws();
    for (int i = 0; i < 1000; ++i)
        g_KillerShotMannager.Move(2);
    EXPECT_EQ(still.alive, 1);
    EXPECT_DOUBLE_EQ(still.x, -500.0);
    EXPECT_DOUBLE_EQ(still.y, 900.0);
    EXPECT_EQ(still.age, 0);
    EXPECT_EQ(RandDraws(), draws);
}

TEST_F(KillerShots, VortexPullsByWholeStepsOfTheSquaredDistance) {
    // Row 1 is 140 square, so the pull centre is 90 in from the corner.
    struct Case {
        int32_t distance;
        double pull;
    };
    for (const Case c :
         {Case{100, 2.0}, Case{-100, -2.0}, Case{60, 3.0}, Case{120, 1.0}, Case{150, 0.0}}) {
        g_Player.Init();
        g_KillerShotMannager.Init();
        g_Player.hitX = 300;
        g_Player.hitY = 200;
        const double x0 = g_Player.x;
        Launch(300 + c.distance - 90, 200 - 90, 5, 1, 0, 0);
        g_KillerShotMannager.Move(0);
        EXPECT_DOUBLE_EQ(g_Player.x - x0, c.pull) << c.distance;
        EXPECT_EQ(g_Player.dying, 0);
    }
}

TEST_F(KillerShots, VortexAndKindSixShrinkAwayAtAge160) {
    for (const int32_t kind : {5, 6}) {
        g_KillerShotMannager.Init();
        CKillerShot& s = Launch(400, 300, kind, 1, 0, 0);
        const uint64_t draws = RandDraws();
        int frames = 0;
        while (s.alive != 0 && frames < 1000) {
            g_KillerShotMannager.Move(0);
            ++frames;
            if (frames == 10 && kind == 6) {
                EXPECT_EQ(s.angle, 1);
            }
            // Full size up to age 150, then 1.01 - 0.1 a frame.
            if (frames == 150 || frames == 151) {
                EXPECT_DOUBLE_EQ(s.shotScale, frames == 150 ? 1.0 : 0.91) << kind;
            }
        }
        EXPECT_EQ(frames, 160) << kind;
        // The vortex picks its own picture's cell every frame but the last.
        EXPECT_EQ(RandDraws() - draws, kind == 5 ? 159u : 0u);
    }
    // A vortex grows from a speck: its scale uses the age before the step.
    CKillerShot& v = Launch(400, 300, 5, 1, 0, 0);
    g_KillerShotMannager.Move(g_KillerShotMannager.next - 1);
    EXPECT_DOUBLE_EQ(v.shotScale, 0.01);
    EXPECT_EQ(v.draw.mode, 4);
}

TEST_F(KillerShots, KindThreeBurstsAtTheBottomIn560DrawsVyVxYXOrder) {
    SeedRand(77);
    CKillerShot& s = Launch(300, -50, 3, 1, 17.0, 0);
    // The numbers the burst must use, drawn here from a copy of the sequence.
    SeedRand(77);
    const int32_t r1 = Rand(), r2 = Rand(), r3 = Rand(), r4 = Rand(), r5 = Rand();
    SeedRand(77);
    const uint64_t draws = RandDraws();
    g_KillerShotMannager.Move(0);
    EXPECT_EQ(RandDraws() - draws, 560u);
    EXPECT_EQ(s.alive, 0);
    EXPECT_EQ(SoundRequest[5], 1);
    EXPECT_EQ(BulletsInPlay(false), 80);
    EXPECT_EQ(BulletsInPlay(true), 40);

    const CEBullet& b = g_EBMannager.bullets[CEBMannager::kFirstRingSlot];
    EXPECT_EQ(b.kind, 40);
    EXPECT_EQ(b.vy, static_cast<double>(static_cast<float>((r1 % 110) * 0.1 - 18)));
    EXPECT_EQ(b.vx, static_cast<double>(static_cast<float>((r2 % 60 - 30) * 0.1)));
    EXPECT_EQ(b.y, r3 % 60 - 27);
    EXPECT_EQ(b.x, static_cast<int32_t>(300 + 80 + r4 % 60 - 30));
    EXPECT_EQ(b.step, r5 % 3);
    const CEBullet& big = g_EBMannager.bullets[CEBMannager::kFirstRingSlot + 80];
    EXPECT_EQ(big.kind, 19);
    EXPECT_EQ(big.big, 1);
    EXPECT_EQ(g_EBMannager.bullets[CEBMannager::kFirstRingSlot + 119].kind, 34);
    EXPECT_LE(g_EBMannager.bullets[CEBMannager::kFirstRingSlot + 119].vy, -20.0 + 10.9 + 1e-6);
}

TEST_F(KillerShots, KindThreeBurstsSidewaysEvenWithoutSideSpeed) {
    // Moving right at 5: it bursts back leftward from column 460 once past 483.
    CKillerShot& s = Launch(480, 200, 3, 1, 5.0, 90);
    const double shotVy = s.vy;
    SeedRand(5);
    const int32_t r1 = Rand(), r2 = Rand(), r3 = Rand(), r4 = Rand();
    SeedRand(5);
    uint64_t draws = RandDraws();
    g_KillerShotMannager.Move(0);
    EXPECT_EQ(RandDraws() - draws, 560u);
    EXPECT_EQ(s.alive, 0);
    EXPECT_EQ(SoundRequest[5], 1);
    const CEBullet& first = g_EBMannager.bullets[CEBMannager::kFirstRingSlot];
    EXPECT_EQ(first.vy, static_cast<double>(static_cast<float>((r1 % 120 - 40) * 0.1 + shotVy)));
    EXPECT_EQ(first.vx, static_cast<double>(static_cast<float>((-(r2 % 500) + 250.0) * 0.01)));
    EXPECT_EQ(first.y, static_cast<int32_t>(200 - shotVy + 80 + r3 % 60 - 30));
    EXPECT_EQ(first.x, r4 % 60 + 430);
    for (int i = 0; i < 120; ++i) {
        const CEBullet& b = g_EBMannager.bullets[CEBMannager::kFirstRingSlot + i];
        EXPECT_GE(b.x, 430);
        EXPECT_LT(b.x, 490);
        // (r % 500) * -1 + 250, in hundredths.
        EXPECT_GT(b.vx, -2.5 - 1e-6);
        EXPECT_LE(b.vx, 2.5 + 1e-6);
    }

    // Under 0.01 a frame sideways: no spread to draw from, yet the same number of draws.
    g_EBMannager.Init();
    CKillerShot& slow = Launch(482, 200, 3, 1, 0.005, 90);
    slow.x = 482.999;
    draws = RandDraws();
    g_KillerShotMannager.Move(1);
    EXPECT_EQ(RandDraws() - draws, 560u);
    EXPECT_EQ(slow.alive, 0);
    EXPECT_NEAR(g_EBMannager.bullets[CEBMannager::kFirstRingSlot].vx, 50 * 0.005 * 0.01, 1e-9);
}

// Kind 0 stays while 134 - w < x < 510 and 8 - h < y < 475 after its move, checked on each edge
// from both sides (size row 1: 140 x 140).
TEST_F(KillerShots, KindZeroStaysStrictlyInsideItsArea) {
    struct Case {
        double x, y;
        int alive;
    };
    const Case cases[] = {{-6, 300, 0},   {-5, 300, 1},   {510, 300, 0}, {509, 300, 1},
                          {300, -132, 0}, {300, -131, 1}, {300, 475, 0}, {300, 474, 1}};
    for (const Case& c : cases) {
        CKillerShot& s = Launch(0, 0, 0, 1, 0, 0);
        s.x = c.x;
        s.y = c.y;
        g_KillerShotMannager.Move(g_KillerShotMannager.next - 1);
        EXPECT_EQ(s.alive, c.alive) << c.x << "," << c.y;
    }
}

TEST_F(KillerShots, KindThreeFreezesAtTheTopOfTheField) {
    CKillerShot& top = Launch(300, 475, 3, 1, 5.0, 180);
    for (int i = 0; i < 50; ++i)
        g_KillerShotMannager.Move(0);
    EXPECT_EQ(top.alive, 1);
    EXPECT_DOUBLE_EQ(top.y, 475.0);
    EXPECT_EQ(top.age, 50);
    EXPECT_DOUBLE_EQ(top.shotScale, 1.0);
}

TEST_F(KillerShots, DrawShowsTheFrameChosenByTheCell) {
    CImageShooting& image = g_KillerShotImage[3];
    image.Create(140, 280);
    for (int32_t y = 0; y < 280; ++y)
        for (int32_t x = 0; x < 140; ++x)
            image.SetPixel(x, y, y < 140 ? 0x102030 : 0x405060);
    CImageDIB dest(640, 480);
    CKillerShot& s = Launch(200, 100, 2, 3, 0, 0);
    s.draw.mode = 21;  // plain copy, so the pixels show as they are
    s.angle = 1;
    g_KillerShotMannager.Draw(0, dest);
    EXPECT_EQ(*dest.GetPixelAddress(250, 150), 0x405060u);
    s.angle = 0;
    g_KillerShotMannager.Draw(0, dest);
    EXPECT_EQ(*dest.GetPixelAddress(250, 150), 0x102030u);
    image.Create(1, 1);
}

}  // namespace
