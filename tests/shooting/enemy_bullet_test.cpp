#include "shooting/enemy_bullet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "engine/random.h"
#include "shooting/bullet_kinds.h"
#include "shooting/item.h"
#include "shooting/missile.h"
#include "shooting/player.h"

namespace {

class EnemyBulletTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_Player.Init();
        ParkPlayer();
        g_EBMannager.Init();
        g_ItemMannager.Init();
        SeedRand(1);
    }
    void TearDown() override {
        delete[] g_pEBImage;
        g_pEBImage = nullptr;
    }

    // Far outside every bullet's area, so nothing hits it.
    static void ParkPlayer() {
        g_Player.hitX = 2000;
        g_Player.hitY = 2000;
    }

    static CEBullet& Slot(int32_t i) { return g_EBMannager.bullets[i]; }

    // Sheets whose every cell is one flat colour naming it, drawn onto a black back buffer:
    // the colour read back at a bullet's position names the cell it was drawn from.
    void MakeSheets() {
        g_pEBImage = new CImageShooting[4];
        Sheet(g_pEBImage[0], 432, 115, EBulletKindTable, kEBulletKindCount, 0x010000, 1);
        Sheet(g_pEBImage[1], 230, 497, DirBulletKindTable, kDirBulletKindCount, 0x020000, 10);
        Sheet(g_pEBImage[2], 240, 532, BigBulletKindTable, kBigBulletKindCount, 0x030000, 1);
        CImageShooting& alt = g_pEBImage[3];
        alt.Create(783, 189);
        for (int32_t k = 0; k < kMissileSpriteCount; ++k) {
            const MissileSprite& r = MissileSpriteTable[k];
            for (int32_t f = 0; f < 10; ++f)
                Fill(alt, r.w * f, r.y, r.w, r.h, 0x040000 | (k * 10 + f));
        }
        std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, 0u);
    }
    static void Fill(CImage32& img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t c) {
        for (int32_t j = y; j < y + h && j < img.height; ++j) {
            for (int32_t i = x; i < x + w && i < img.width; ++i)
                img.SetPixel(i, j, c);
        }
    }
    // Turned sheets repeat each row's square `frames` times to the right, cell colour
    // tag | (kind * frames + frame).
    static void Sheet(CImage32& img, int32_t w, int32_t h, const BulletKindRow* rows, int32_t n,
                      uint32_t tag, int32_t frames) {
        img.Create(w, h);
        for (int32_t k = 0; k < n; ++k) {
            for (int32_t f = 0; f < frames; ++f) {
                Fill(img, rows[k].x + rows[k].size * f, rows[k].y, rows[k].size, rows[k].size,
                     tag | static_cast<uint32_t>(k * frames + f));
            }
        }
    }
    // What the back buffer shows at a bullet's lower-left corner after drawing it, then black.
    static uint32_t TakePixel(const CEBullet& b) {
        const int32_t x = static_cast<int32_t>(b.x) + 1;
        const int32_t y = static_cast<int32_t>(b.y) + 1;
        const uint32_t c = *g_BackBuffer.GetPixelAddress(x, y);
        std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, 0u);
        return c;
    }
};

TEST_F(EnemyBulletTest, RingStartsAtSlot20WrapsAfter1780AndNeverTouchesTheFirst20) {
    EXPECT_EQ(&g_EBMannager.Shoot(100, 100, 0, 0, 0), &Slot(20));
    for (int i = 1; i < 1780; ++i)
        g_EBMannager.Shoot(100 + i % 300, 100, 1, 0, 0);
    EXPECT_EQ(g_EBMannager.next, 20);
    // The ring reaches slot 20 again while its bullet is still in play and replaces it.
    ASSERT_EQ(Slot(20).alive, 1);
    CEBullet& again = g_EBMannager.Shoot(300, 200, 5, 1, 2);
    EXPECT_EQ(&again, &Slot(20));
    EXPECT_EQ(again.x, 300.0);
    EXPECT_EQ(again.kind, 5);
    for (int32_t i = 0; i < 20; ++i)
        EXPECT_EQ(Slot(i).alive, 0) << i;
}

TEST_F(EnemyBulletTest, OnlySmallBulletsDrawForTheirAnimationCounter) {
    // After seeding with 1 the generator gives 130, 10982, 1090.
    const uint64_t before = RandDraws();
    EXPECT_EQ(g_EBMannager.Shoot(100, 100, 0, 0, 0).animCount(), 1);
    EXPECT_EQ(g_EBMannager.Shoot(100, 100, 0, 0, 0).animCount(), 2);
    EXPECT_EQ(g_EBMannager.Shoot(100, 100, 0, 0, 0).animCount(), 1);
    EXPECT_EQ(RandDraws() - before, 3u);

    // The others keep whatever counter the slot held.
    g_EBMannager.next = 20;
    g_EBMannager.ShootBig(100, 100, 20, 0, 0);
    g_EBMannager.ShootDir(100, 100, 3, 2, 10);
    g_EBMannager.ShootDecel(100, 100, 0, 2, 6, 0);
    g_EBMannager.SetSlot(3, 100, 100, 0, 1);
    EXPECT_EQ(RandDraws() - before, 3u);
    EXPECT_EQ(Slot(20).animCount(), 1);
    EXPECT_EQ(Slot(21).animCount(), 2);
    EXPECT_EQ(Slot(22).animCount(), 1);
}

TEST_F(EnemyBulletTest, BoxComesFromTheFiringOperationsTable) {
    EXPECT_EQ(g_EBMannager.Shoot(100, 100, 137, 0, 0).w, 35);
    EXPECT_EQ(g_EBMannager.ShootBig(100, 100, 20, 0, 0).h, 60);
    EXPECT_EQ(g_EBMannager.ShootDir(100, 100, 9, 0, 0).w, 19);
    EXPECT_EQ(g_EBMannager.ShootDecel(100, 100, 179, 2, 6, 0).w, 20);
    // A kind outside the table keeps the box the slot had.
    g_EBMannager.next = 20;
    EXPECT_EQ(g_EBMannager.ShootBig(100, 100, 58, 0, 0).w, 35);
    EXPECT_EQ(g_EBMannager.ShootDir(100, 100, -1, 0, 0).w, 60);
}

TEST_F(EnemyBulletTest, CullsOnTheEdgeOfItsAreaAfterMoving) {
    struct Case {
        int32_t x, y;
        float vx, vy;
        bool stays;
    };
    const Case cases[] = {{52, 200, -2, 0, false},  {52, 200, -1.5f, 0, true},
                          {508, 200, 2, 0, false},  {508, 200, 1.5f, 0, true},
                          {200, -48, 0, 2, false},  {200, -48, 0, 1.5f, true},
                          {200, 473, 0, -2, false}, {200, 473, 0, -1.5f, true}};
    for (const Case& c : cases) {
        CEBullet& b = g_EBMannager.Shoot(c.x, c.y, 0, c.vx, c.vy);
        g_EBMannager.Move(static_cast<int32_t>(&b - g_EBMannager.bullets));
        EXPECT_EQ(b.alive != 0, c.stays) << c.x << " " << c.y << " " << c.vx << " " << c.vy;
        EXPECT_EQ(b.age, c.stays ? 1 : 0);
    }
}

TEST_F(EnemyBulletTest, LeavingPlayKeepsCounterKindBoxVelocityAndCap) {
    CEBullet& b = g_EBMannager.ShootDecel(60, 200, 12, 3, 20, 0);
    b.animCount() = 5;
    g_EBMannager.Move(20);
    ASSERT_EQ(b.alive, 0);
    EXPECT_EQ(b.x, 0.0);
    EXPECT_EQ(b.y, 0.0);
    EXPECT_EQ(b.decel, 0);
    EXPECT_EQ(b.animCount(), 5);
    EXPECT_EQ(b.kind, 12);
    EXPECT_EQ(b.w, 16);
    EXPECT_EQ(b.vx, -20.0);
    EXPECT_EQ(b.capSpeed(), 3.0);

    CEBullet& d = g_EBMannager.ShootDir(200, 200, 4, 2, 135);
    g_EBMannager.KillAll();
    EXPECT_EQ(d.alive, 0);
    EXPECT_EQ(d.turned, 0);
    EXPECT_EQ(d.spriteAngle(), 0);
    EXPECT_EQ(d.angleRad, 0.0);
}

TEST_F(EnemyBulletTest, CapSpeedSharesItsBitsWithTheTwoParameters) {
    CEBullet& b = g_EBMannager.ShootDecel(200, 200, 0, 2, 6, 0);
    EXPECT_EQ(b.param1, 0);
    EXPECT_EQ(b.param2, 0x40000000);
    b.param1 = 1;
    EXPECT_EQ(b.capSpeed(), std::nextafter(2.0, 3.0));
}

TEST_F(EnemyBulletTest, SlowingBulletLosesATenthAFrameUntilAtTheCap) {
    CEBullet& b = g_EBMannager.ShootDecel(400, 200, 0, 2, 6, 0);
    const double expected[] = {6,
                               5.4,
                               4.86,
                               4.374,
                               3.9366,
                               3.54294,
                               3.188646,
                               2.8697814,
                               2.58280326,
                               2.324522934,
                               2.0920706406,
                               1.88286357654,
                               1.88286357654,
                               1.88286357654};
    for (double step : expected) {
        const double x = b.x;
        g_EBMannager.Move(20);
        EXPECT_NEAR(x - b.x, step, 1e-9);
    }
    EXPECT_EQ(b.alive, 1);
}

TEST_F(EnemyBulletTest, SlowingBulletFliesTheMirrorOfItsAngle) {
    // Angle 0 flies left, where FireAngle's 0 flies right; 90 flies up in both.
    CEBullet& left = g_EBMannager.ShootDecel(200, 200, 0, 1, 5, 0);
    EXPECT_DOUBLE_EQ(left.vx, -5.0);
    EXPECT_NEAR(left.vy, 0.0, 1e-12);
    CEBullet& up = g_EBMannager.ShootDecel(200, 200, 0, 1, 5, 90);
    EXPECT_NEAR(up.vx, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(up.vy, -5.0);
}

TEST_F(EnemyBulletTest, SlowingBulletTakingOverALargeOrTurnedSlotIsSmall) {
    g_EBMannager.SetSlot(20, 200, 200, 4, 3);
    g_EBMannager.bullets[20].draw.level = 7;
    ASSERT_EQ(Slot(20).altSheet, 1);
    g_EBMannager.next = 20;
    CEBullet& b = g_EBMannager.ShootDecel(200, 200, 0, 2, 6, 0);
    EXPECT_EQ(b.turned, 0);
    EXPECT_EQ(b.altSheet, 0);
    EXPECT_EQ(b.big, 0);
    EXPECT_EQ(b.draw.level, 255);
}

TEST_F(EnemyBulletTest, TurnedBulletFoldsItsAngleIntoTheDrawnQuarter) {
    struct Case {
        int32_t angle, folded;
        uint8_t vflip, mirror;
        int32_t mode;
    };
    const Case cases[] = {{0, 0, 0, 0, 2},     {45, 45, 0, 0, 2},   {90, 90, 0, 0, 2},
                          {135, 45, 1, 0, 2},  {180, 0, 1, 0, 2},   {225, 45, 1, 1, 11},
                          {270, 90, 1, 1, 11}, {315, 45, 0, 1, 11}, {-45, 45, 0, 0, 2},
                          {405, 45, 0, 0, 2},  {-225, 45, 1, 1, 11}};
    for (const Case& c : cases) {
        CEBullet& b = g_EBMannager.ShootDir(200, 200, 0, 4, c.angle);
        EXPECT_EQ(b.spriteAngle(), c.folded) << c.angle;
        EXPECT_EQ(b.draw.vflip, c.vflip) << c.angle;
        EXPECT_EQ(b.draw.mirror, c.mirror) << c.angle;
        EXPECT_EQ(b.draw.mode, c.mode) << c.angle;
        EXPECT_EQ(b.turned, 1);
        EXPECT_EQ(b.angleRad, std::abs(c.angle) * std::numbers::pi / 180);
    }
    // Angle 0 flies straight down (y falls), 90 to the right.
    CEBullet& down = g_EBMannager.ShootDir(200, 200, 0, 4, 0);
    EXPECT_EQ(down.vx, 0.0);
    EXPECT_EQ(down.vy, 4.0);
    CEBullet& right = g_EBMannager.ShootDir(200, 200, 0, 4, 90);
    EXPECT_EQ(right.vx, 4.0);
    EXPECT_NEAR(right.vy, 0.0, 1e-12);
}

TEST_F(EnemyBulletTest, SetSlotPlacesMotionlessBulletsInTheGivenSlotOnly) {
    Slot(3).w = 77;
    const uint64_t draws = RandDraws();
    g_EBMannager.SetSlot(3, 150, 160, 2, 1);
    EXPECT_EQ(Slot(3).alive, 1);
    EXPECT_EQ(Slot(3).x, 150.0);
    EXPECT_EQ(Slot(3).vx, 0.0);
    EXPECT_EQ(Slot(3).w, 77);

    g_EBMannager.SetSlot(4, 150, 160, 2, 2);
    EXPECT_EQ(Slot(4).turned, 1);
    EXPECT_EQ(Slot(4).altSheet, 0);
    EXPECT_EQ(Slot(4).draw.mode, 2);
    g_EBMannager.SetSlot(5, 150, 160, 2, 3);
    EXPECT_EQ(Slot(5).turned, 1);
    EXPECT_EQ(Slot(5).altSheet, 1);
    g_EBMannager.SetSlot(6, 150, 160, 20, 4);
    EXPECT_EQ(Slot(6).big, 1);
    EXPECT_EQ(Slot(6).w, 10);
    EXPECT_EQ(Slot(6).x * 1000 + Slot(6).y, 150160.0);

    g_EBMannager.SetSlot(7, 150, 160, 2, 5);
    g_EBMannager.SetSlot(-1, 150, 160, 2, 1);
    g_EBMannager.SetSlot(1800, 150, 160, 2, 1);
    EXPECT_EQ(Slot(7).alive, 0);
    g_EBMannager.SetSlot(1799, 150, 160, 2, 1);
    EXPECT_EQ(Slot(1799).alive, 1);
    g_EBMannager.SetSlot(0, 150, 160, 2, 1);
    EXPECT_EQ(Slot(0).alive, 1);

    EXPECT_EQ(g_EBMannager.next, 20);
    EXPECT_EQ(RandDraws(), draws);
}

TEST_F(EnemyBulletTest, HitsThePlayerWithinItsRadiusBeforeMoving) {
    g_Player.invincible = 0;
    // A small kind-0 bullet at (200, 200) has its centre at (205, 205).
    CEBullet& b = g_EBMannager.Shoot(200, 200, 0, 0, -3);
    g_Player.hitX = 211;
    g_Player.hitY = 205;
    g_EBMannager.Move(20);
    EXPECT_EQ(b.alive, 1);
    EXPECT_EQ(b.y, 203.0);
    EXPECT_EQ(g_Player.dying, 0);

    g_Player.hitY = 208;
    g_Player.hitX = 210;
    g_EBMannager.Move(20);
    EXPECT_EQ(b.alive, 0);
    EXPECT_EQ(b.x, 0.0);
    EXPECT_EQ(g_Player.dying, 1);
}

TEST_F(EnemyBulletTest, LargeBulletRadiusGrowsWithItsSize) {
    g_Player.invincible = 0;
    struct Case {
        int32_t kind, radius;
    };
    // Sizes 20, 27, 31, 49, 50, 60, 67, 80.
    const Case cases[] = {{6, 6}, {50, 6}, {0, 8}, {17, 8}, {34, 8}, {19, 10}, {4, 10}, {14, 10}};
    for (const Case& c : cases) {
        for (int32_t d : {c.radius - 1, c.radius}) {
            g_Player.Init();
            g_Player.invincible = 0;
            g_EBMannager.Init();
            CEBullet& b = g_EBMannager.ShootBig(200, 200, c.kind, 0, 0);
            g_Player.hitX = 200 + b.w / 2 + d;
            g_Player.hitY = 200 + b.h / 2;
            g_EBMannager.Move(20);
            EXPECT_EQ(b.alive == 0, d < c.radius) << c.kind << " " << d;
        }
    }
}

TEST_F(EnemyBulletTest, ChangeToItemsDropsOnePointItemPerBulletInPlay) {
    g_EBMannager.ChangeToItems();
    EXPECT_EQ(g_ItemMannager.index, 0);
    for (const CItem& item : g_ItemMannager.items)
        ASSERT_EQ(item.alive, 0);

    g_EBMannager.Shoot(100, 200, 0, 0, 0).x = 120.7;
    g_EBMannager.ShootBig(300, 250, 20, 0, 0);
    g_EBMannager.SetSlot(2, 200, 150, 0, 1);
    g_EBMannager.ChangeToItems();
    EXPECT_EQ(g_ItemMannager.index, 3);
    // Slot order: the SetSlot bullet in slot 2 comes first.
    EXPECT_EQ(g_ItemMannager.items[1].x, 200.0);
    EXPECT_EQ(g_ItemMannager.items[2].x, 120.0);
    EXPECT_EQ(g_ItemMannager.items[3].x, 300.0);
    EXPECT_EQ(g_ItemMannager.items[3].kind, 0);
    for (const CEBullet& b : g_EBMannager.bullets)
        ASSERT_EQ(b.alive, 0);
}

TEST_F(EnemyBulletTest, SmallBulletsAnimateThroughTheirRows) {
    MakeSheets();
    CEBullet& b = g_EBMannager.Shoot(200, 200, 48, 0, 0);
    b.animCount() = 0;
    std::vector<uint32_t> rows;
    for (int i = 0; i < 10; ++i) {
        g_EBMannager.Draw(20, g_BackBuffer);
        rows.push_back(TakePixel(b) & 0xFFFF);
    }
    EXPECT_EQ(rows, (std::vector<uint32_t>{48, 49, 50, 51, 51, 50, 49, 48, 48, 49}));

    // Kinds from 100 step every other frame; 136..140 never animate.
    CEBullet& c = g_EBMannager.Shoot(200, 200, 153, 0, 0);
    c.animCount() = 0;
    rows.clear();
    for (int i = 0; i < 9; ++i) {
        g_EBMannager.Draw(21, g_BackBuffer);
        rows.push_back(TakePixel(c) & 0xFFFF);
    }
    EXPECT_EQ(rows, (std::vector<uint32_t>{153, 153, 154, 154, 155, 155, 156, 156, 153}));
    EXPECT_EQ(c.animCount(), 9);

    CEBullet& still = g_EBMannager.Shoot(200, 200, 137, 0, 0);
    still.animCount() = 6;
    g_EBMannager.Draw(22, g_BackBuffer);
    EXPECT_EQ(TakePixel(still) & 0xFFFF, 137u);
    EXPECT_EQ(still.animCount(), 6);

    // A counter outside the sequence starts it again.
    CEBullet& odd = g_EBMannager.Shoot(200, 200, 0, 0, 0);
    odd.animCount() = 12;
    g_EBMannager.Draw(23, g_BackBuffer);
    EXPECT_EQ(TakePixel(odd) & 0xFFFF, 0u);
    EXPECT_EQ(odd.animCount(), 1);
}

TEST_F(EnemyBulletTest, AKindPlusFrameBeyondItsTableDrawsNothing) {
    MakeSheets();
    CEBullet& b = g_EBMannager.Shoot(200, 200, 180, 0, 0);
    b.animCount() = 3;
    g_EBMannager.Draw(20, g_BackBuffer);
    EXPECT_EQ(TakePixel(b), 0u);
    EXPECT_EQ(b.animCount(), 4);

    CEBullet& dir = g_EBMannager.ShootDir(200, 200, 24, 0, 0);
    g_EBMannager.Draw(21, g_BackBuffer);
    EXPECT_EQ(TakePixel(dir), 0u);
    g_EBMannager.SetSlot(0, 200, 200, 16, 3);
    g_EBMannager.Draw(0, g_BackBuffer);
    EXPECT_EQ(TakePixel(Slot(0)), 0u);
    CEBullet& big = g_EBMannager.ShootBig(200, 200, 57, 0, 0);
    big.animCount() = 2;
    g_EBMannager.DrawBig(g_BackBuffer);
    EXPECT_EQ(TakePixel(big), 0u);
}

TEST_F(EnemyBulletTest, TurnedBulletsPickTheirFrameFromTheSpriteAngle) {
    MakeSheets();
    CEBullet& b = g_EBMannager.ShootDir(200, 200, 9, 0, 135);
    b.animCount() = 4;
    g_EBMannager.Draw(20, g_BackBuffer);
    // Folded to 45: frame 4 of kind 9.
    EXPECT_EQ(TakePixel(b), 0x020000u | (9 * 10 + 4));
    EXPECT_EQ(b.animCount(), 4);

    // The fourth sheet's frames count from its left edge, whatever the row's own x.
    g_EBMannager.SetSlot(1, 200, 200, 8, 3);
    Slot(1).spriteAngle() = 90;
    g_EBMannager.Draw(1, g_BackBuffer);
    EXPECT_EQ(TakePixel(Slot(1)), 0x040000u | (8 * 10 + 9));
}

TEST_F(EnemyBulletTest, LargeBulletsCycleTheirRowsAcrossBothPasses) {
    MakeSheets();
    CEBullet& b = g_EBMannager.ShootBig(200, 200, 34, 0, 0);
    b.animCount() = 0;
    std::vector<uint32_t> rows;
    for (int i = 0; i < 5; ++i) {
        g_EBMannager.Draw(20, g_BackBuffer);
        EXPECT_EQ(*g_BackBuffer.GetPixelAddress(201, 201), 0u);
        g_EBMannager.DrawBig(g_BackBuffer);
        rows.push_back(TakePixel(b) & 0xFFFF);
    }
    EXPECT_EQ(rows, (std::vector<uint32_t>{35, 36, 37, 34, 35}));
}

TEST_F(EnemyBulletTest, BrightLargeKindsDrawOneRandomNumberEachFrame) {
    MakeSheets();
    g_EBMannager.ShootBig(200, 200, 14, 0, 0);
    g_EBMannager.ShootBig(200, 250, 29, 0, 0);
    g_EBMannager.ShootBig(200, 300, 17, 0, 0);
    g_EBMannager.ShootBig(200, 350, 34, 0, 0);
    g_EBMannager.Shoot(200, 400, 14, 0, 0);
    const uint64_t before = RandDraws();
    g_EBMannager.DrawBig(g_BackBuffer);
    EXPECT_EQ(RandDraws() - before, 2u);
    // The small bullet took 130; the first large one then picked row 14 + 10982 % 3.
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(201, 201) & 0xFFFF, 16u);
    // The draws do not depend on the sheets being there.
    delete[] g_pEBImage;
    g_pEBImage = nullptr;
    g_EBMannager.DrawBig(g_BackBuffer);
    EXPECT_EQ(RandDraws() - before, 4u);
}

TEST_F(EnemyBulletTest, KindTablesFollowTheSheetLayout) {
    // Each group: first kind, count, size, then x and y of kind i within it.
    struct Group {
        const BulletKindRow* table;
        int32_t first, count, size;
        int32_t (*x)(int32_t);
        int32_t (*y)(int32_t);
    };
    const BulletKindRow* s = EBulletKindTable;
    const BulletKindRow* d = DirBulletKindTable;
    const BulletKindRow* g = BigBulletKindTable;
    const Group groups[] = {
        {s, 0, 8, 10, [](int32_t) { return 0; }, [](int32_t i) { return 10 * i; }},
        {s, 8, 5, 16, [](int32_t) { return 10; }, [](int32_t i) { return 16 * i; }},
        {s, 13, 5, 16, [](int32_t) { return 26; }, [](int32_t i) { return 16 * i; }},
        {s, 18, 11, 7, [](int32_t) { return 42; }, [](int32_t i) { return 7 * i; }},
        {s, 29, 3, 7, [](int32_t) { return 49; }, [](int32_t i) { return 7 * i; }},
        {s, 32, 16, 20, [](int32_t i) { return 16 + 20 * (i / 4); },
         [](int32_t i) { return 20 * (i % 4); }},
        {s, 48, 24, 10, [](int32_t i) { return 56 + 10 * (i % 4); },
         [](int32_t i) { return 20 + 10 * (i / 4); }},
        {s, 72, 20, 16, [](int32_t i) { return 96 + 16 * (i % 4); },
         [](int32_t i) { return 16 * (i / 4); }},
        {s, 92, 20, 16, [](int32_t i) { return 160 + 16 * (i % 4); },
         [](int32_t i) { return 16 * (i / 4); }},
        {s, 112, 20, 16, [](int32_t i) { return 160 + 16 * (i % 4); },
         [](int32_t i) { return 16 * (i / 4); }},
        {s, 132, 1, 28, [](int32_t) { return 224; }, [](int32_t) { return 0; }},
        {s, 133, 3, 28, [](int32_t i) { return 316 + 28 * i; }, [](int32_t) { return 0; }},
        {s, 136, 5, 35, [](int32_t i) { return 35 * i; }, [](int32_t) { return 80; }},
        {s, 141, 12, 26, [](int32_t i) { return 224 + 26 * (i % 4); },
         [](int32_t i) { return 26 * (i / 4); }},
        {s, 153, 20, 16, [](int32_t i) { return 328 + 16 * (i % 4); },
         [](int32_t i) { return 16 * (i / 4); }},
        {s, 173, 8, 20, [](int32_t i) { return 392 + 20 * (i / 4); },
         [](int32_t i) { return 20 * (i % 4); }},
        {d, 0, 5, 16, [](int32_t) { return 0; }, [](int32_t i) { return 16 * i; }},
        {d, 5, 3, 23, [](int32_t) { return 0; }, [](int32_t i) { return 80 + 23 * i; }},
        {d, 8, 6, 19, [](int32_t) { return 0; }, [](int32_t i) { return 153 + 19 * i; }},
        {d, 14, 10, 23, [](int32_t) { return 0; }, [](int32_t i) { return 267 + 23 * i; }},
        {g, 0, 4, 31, [](int32_t i) { return 31 * i; }, [](int32_t) { return 0; }},
        {g, 4, 2, 67, [](int32_t i) { return 67 * i; }, [](int32_t) { return 31; }},
        {g, 6, 8, 20, [](int32_t i) { return 20 * i; }, [](int32_t) { return 98; }},
        {g, 14, 3, 80, [](int32_t i) { return 80 * i; }, [](int32_t) { return 118; }},
        {g, 17, 2, 49, [](int32_t) { return 132; }, [](int32_t i) { return 49 * i; }},
        {g, 19, 3, 60, [](int32_t i) { return 60 * i; }, [](int32_t) { return 198; }},
        {g, 22, 12, 20, [](int32_t i) { return 20 * i; }, [](int32_t) { return 258; }},
        {g, 34, 16, 50, [](int32_t i) { return 50 * (i % 4); },
         [](int32_t i) { return 278 + 50 * (i / 4); }},
        {g, 50, 8, 27, [](int32_t i) { return 27 * (i % 4); },
         [](int32_t i) { return 478 + 27 * (i / 4); }},
    };
    int32_t rows[3] = {};
    for (const Group& grp : groups) {
        const int t = grp.table == s ? 0 : grp.table == d ? 1 : 2;
        ASSERT_EQ(grp.first, rows[t]);
        for (int32_t i = 0; i < grp.count; ++i) {
            const BulletKindRow& r = grp.table[grp.first + i];
            EXPECT_EQ(r.x, grp.x(i)) << t << " " << grp.first + i;
            EXPECT_EQ(r.y, grp.y(i)) << t << " " << grp.first + i;
            EXPECT_EQ(r.size, grp.size) << t << " " << grp.first + i;
        }
        rows[t] += grp.count;
    }
    EXPECT_EQ(rows[0], kEBulletKindCount);
    EXPECT_EQ(rows[1], kDirBulletKindCount);
    EXPECT_EQ(rows[2], kBigBulletKindCount);
    EXPECT_EQ(SmallKind(181), nullptr);
    EXPECT_EQ(DirKind(-1), nullptr);
    EXPECT_EQ(BigKind(58), nullptr);
}

}  // namespace

// Shoot, ShootBig and ShootDir draw a taken-over slot at full level whatever it faded to.
TEST_F(EnemyBulletTest, EveryShotStartsAtFullLevel) {
    for (int way = 0; way < 3; ++way) {
        for (CEBullet& b : g_EBMannager.bullets)
            b.draw.level = 40;
        CEBullet& b = way == 0   ? g_EBMannager.Shoot(200, 200, 2, 1, 1)
                      : way == 1 ? g_EBMannager.ShootBig(200, 200, 2, 1, 1)
                                 : g_EBMannager.ShootDir(200, 200, 2, 1, 30);
        EXPECT_EQ(b.draw.level, 255) << way;
    }
}
