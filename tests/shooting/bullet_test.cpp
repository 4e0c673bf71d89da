#include <gtest/gtest.h>

#include "engine/image.h"
#include "shooting/bullet.h"

namespace {

class BulletTest : public ::testing::Test {
protected:
    void SetUp() override { g_BulletMannager.Init(); }
    CBullet& Fire(double x, double y, float vy) {
        CBullet& shot = g_BulletMannager.shots[g_BulletMannager.next % 200];
        g_BulletMannager.Shoot(0, 0, 0, 5, 0.1f, vy);
        shot.x = x;
        shot.y = y;
        return shot;
    }
};

TEST_F(BulletTest, RingKeepsFloatVelocitiesAndWraps) {
    const CBullet& first = Fire(0, 0, -14);
    EXPECT_EQ(first.vx, static_cast<double>(0.1f));
    EXPECT_EQ(first.value, 20);
    for (int i = 1; i < 200; ++i)
        Fire(0, 0, 0);
    g_BulletMannager.Shoot(1, 2, 1, 7, 0, -14.0f);
    EXPECT_EQ(g_BulletMannager.next, 1);
    EXPECT_EQ(first.cell, 7);
    EXPECT_EQ(first.y, 2.0);
}

TEST_F(BulletTest, AreaIsTestedStrictlyBeforeTheMove) {
    CBullet& edge = Fire(100.0, 200, -14);
    g_BulletMannager.Move(0);
    EXPECT_EQ(edge.alive, 0);
    EXPECT_EQ(edge.kind, 1);
    EXPECT_EQ(edge.vy, -10.0);
    CBullet& inside = Fire(100.5, 440, -14);
    g_BulletMannager.Move(1);
    g_BulletMannager.Move(1);
    EXPECT_EQ(inside.y, 468.0);
    g_BulletMannager.Move(1);
    EXPECT_EQ(inside.alive, 0);
    EXPECT_EQ(inside.y, 0.0);
}

TEST_F(BulletTest, ValueFallsByTwoToZero) {
    CBullet& shot = Fire(300, 0, -1);
    for (int i = 0; i < 11; ++i)
        g_BulletMannager.Move(0);
    EXPECT_EQ(shot.value, 0);
    EXPECT_EQ(shot.y, 11.0);
}

TEST_F(BulletTest, DrawsTheKindsCellKeyed) {
    CImageShooting& sheet = *g_BulletMannager.GetImage(1);
    sheet.Create(26 * 3, 26);
    for (int32_t y = 0; y < 26; ++y) {
        for (int32_t x = 0; x < 26 * 3; ++x)
            sheet.SetPixel(x, y, x < 26 ? 0xFFFFFF : 0x010000 * static_cast<uint32_t>(x / 26));
    }
    CImageDIB dest(640, 480);
    g_BulletMannager.Shoot(200, 100, 1, 2, 0, 0);
    g_BulletMannager.Draw(0, dest);
    EXPECT_EQ(*dest.GetPixelAddress(225, 125), 0x020000u);
    EXPECT_EQ(*dest.GetPixelAddress(226, 100), 0u);
    g_BulletMannager.shots[0].cell = 0;
    g_BulletMannager.Draw(0, dest);
    EXPECT_EQ(*dest.GetPixelAddress(200, 100), 0x020000u);
    // A kind without a sheet draws nothing and reads nothing.
    g_BulletMannager.shots[0].kind = 3;
    g_BulletMannager.shots[0].x = 300;
    g_BulletMannager.Draw(0, dest);
    EXPECT_EQ(*dest.GetPixelAddress(300, 100), 0u);
    sheet.Load("img/bullets2.bmp");
}

}  // namespace
