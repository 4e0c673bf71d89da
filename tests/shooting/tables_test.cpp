// The shooting core's fixed tables, typed out row by row and compared entry by entry.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/item.h"
#include "shooting/killer_shot.h"
#include "shooting/missile.h"
#include "tests/shooting/player_fixture.h"

namespace {

// The size rows as the program starts with them, before any boss rewrites them.
const std::array<KillerShotSize, kKillerShotRows> kStartSizes = [] {
    std::array<KillerShotSize, kKillerShotRows> rows;
    std::copy(std::begin(KillerShotSizeTable), std::end(KillerShotSizeTable), rows.begin());
    return rows;
}();

// Stand-ins in the volley rows below: the shot type's speed v at the ship's power, and
// -v sin 30 and -v sin 40 degrees; a leading minus negates them.
constexpr double kV = 1000;
constexpr double kS30 = 2030;
constexpr double kS40 = 2040;
constexpr int32_t kAny = -1;

double Resolve(double c, double v) {
    const double sign = c < 0 ? -1 : 1;
    const double a = std::abs(c);
    if (a == kV) return sign * v;
    if (a == kS30 || a == kS40) {
        const double degrees = a - 2000;
        return sign * -v * std::sin(degrees * std::numbers::pi / 180);
    }
    return c;
}

double Speed(int32_t type, int32_t power) {
    if (type == 0) return power > 9 ? -16 : (power > 6 ? -15 : -14);
    return power > 9 ? -16 : -14;
}

// One shot of a volley: the shot type, the phase (kAny, 0 even, 1 odd) and the powers it
// fires at, its offset from the base point, its frame and its velocity, in firing order.
struct VolleyShot {
    int32_t type, phase, lo, hi, dx, dy, frame;
    double vx, vy;
};
// clang-format off
constexpr VolleyShot kVolleys[] = {
    {0, kAny, 0, 5, -8, -8, 0, 0, kV},     {0, kAny, 0, 5, 3, -8, 0, 0, kV},
    {0, kAny, 6, 11, -8, -8, 2, 0, kV},    {0, kAny, 6, 11, 3, -8, 2, 0, kV},
    {0, kAny, 1, 11, -18, -4, 0, 0, kV},   {0, kAny, 1, 11, 13, -4, 0, 0, kV},
    {0, kAny, 7, 11, -38, -46, 1, 0, kV},  {0, kAny, 7, 11, 33, -46, 1, 0, kV},
    {0, kAny, 7, 11, -58, -46, 3, 0, kV},  {0, kAny, 7, 11, 53, -46, 3, 0, kV},

    {1, kAny, 0, 11, -15, -15, 5, 0, -14}, {1, kAny, 0, 11, -5, -15, 5, 0, -14},
    {1, kAny, 0, 11, -25, -15, 5, 0, -14}, {1, kAny, 0, 11, 5, -15, 5, 0, -14},
    {1, kAny, 7, 11, -37, -15, 5, 0, -14}, {1, kAny, 7, 11, 17, -15, 5, 0, -14},
    {1, kAny, 7, 11, 18, -45, 12, 14, 14},
    {1, kAny, 7, 11, -35, -45, 11, -14, 14},
    {1, kAny, 0, 11, -23, -35, 10, 14, 4},
    {1, kAny, 0, 11, 5, -35, 0, -14, 4},
    {1, 0, 0, 11, 18, -25, 6, 7, -14},     {1, 0, 0, 11, -35, -25, 4, -7, -14},
    {1, 0, 0, 11, 28, -35, 6, 7, -14},     {1, 0, 0, 11, -45, -35, 4, -7, -14},
    {1, 0, 4, 11, 8, -25, 6, 7, -14},      {1, 0, 4, 11, -25, -25, 4, -7, -14},
    {1, 0, 4, 11, 18, -35, 6, 7, -14},     {1, 0, 4, 11, -35, -35, 4, -7, -14},
    {1, 0, 0, 11, -23, -45, 8, 14, -4},
    {1, 0, 0, 11, 5, -35, 2, -14, -4},
    {1, 1, 0, 11, 18, -25, 7, 14, -14},    {1, 1, 0, 11, -35, -25, 3, -14, -14},
    {1, 1, 0, 11, 23, -35, 7, 14, -14},    {1, 1, 0, 11, -40, -35, 3, -14, -14},
    {1, 1, 0, 11, -23, -35, 9, 14, 0},
    {1, 1, 0, 11, 5, -35, 1, -14, 0},

    {2, kAny, 0, 11, -15, -10, 2, 0, kV},  {2, kAny, 0, 11, -3, -10, 2, 0, kV},
    {2, kAny, 1, 11, -35, -20, 2, 0, kV},  {2, kAny, 1, 11, 17, -20, 2, 0, kV},
    {2, 0, 0, 11, 18, -20, 3, 2, kV},
    {2, 0, 0, 11, -35, -20, 1, -2, kV},
    {2, 0, 0, 11, 28, -25, 3, 3, kV},
    {2, 0, 0, 11, -45, -25, 1, -3, kV},
    {2, 0, 6, 11, 12, -20, 3, 2, kV},      {2, 0, 6, 11, -29, -20, 1, -2, kV},
    {2, 0, 6, 11, 22, -25, 3, 3, kV},      {2, 0, 6, 11, -39, -25, 1, -3, kV},
    {2, 0, 10, 11, 42, -25, 3, 3, kV},     {2, 0, 10, 11, -59, -25, 1, -3, kV},
    {2, 1, 0, 11, 18, -20, 4, kS30, kV},   {2, 1, 0, 11, -35, -20, 0, -kS30, kV},
    {2, 1, 0, 11, 23, -25, 4, kS40, kV},   {2, 1, 0, 11, -40, -25, 0, -kS40, kV},
    {2, 1, 7, 7, 12, -20, 4, kS30, kV},    {2, 1, 7, 7, -29, -20, 0, -kS30, kV},
    {2, 1, 7, 7, 17, -25, 4, kS40, kV},    {2, 1, 7, 7, -34, -25, 0, -kS40, kV},
    {2, 1, 8, 11, 32, -20, 4, kS30, kV},   {2, 1, 8, 11, -49, -20, 0, -kS30, kV},
    {2, 1, 8, 11, 37, -25, 4, kS40, kV},   {2, 1, 8, 11, -54, -25, 0, -kS40, kV},
};
// clang-format on

using ShootingTables = PlayerFixture;

TEST_F(ShootingTables, EveryVolleyOfEveryShotTypePowerAndPhase) {
    g_Player.x = 200.5;
    g_Player.y = 100.75;
    for (int32_t type = 0; type < 3; ++type) {
        const int32_t bx = type == 0 ? 234 : 237;  // trunc(x - 3 + 37) and trunc(x + 37)
        const int32_t by = 140;                    // trunc(y + 40)
        for (int32_t power = 0; power <= 11; ++power) {
            for (int32_t phase = 0; phase < (type == 0 ? 1 : 2); ++phase) {
                SCOPED_TRACE(testing::Message()
                             << "type " << type << " power " << power << " phase " << phase);
                std::vector<VolleyShot> want;
                for (const VolleyShot& s : kVolleys) {
                    if (s.type == type && (s.phase == kAny || s.phase == phase) && s.lo <= power &&
                        power <= s.hi)
                        want.push_back(s);
                }
                g_BulletMannager.Init();
                g_Player.power = power;
                g_Player.shotPhase = phase;
                g_Player.shotCount = type == 0 ? 2 : 4;
                if (type == 0) g_Player.ShootType0();
                if (type == 1) g_Player.ShootType1();
                if (type == 2) g_Player.ShootType2();
                ASSERT_EQ(g_BulletMannager.next, static_cast<int32_t>(want.size()));
                const double v = Speed(type, power);
                for (size_t i = 0; i < want.size(); ++i) {
                    const CBullet& b = g_BulletMannager.shots[i];
                    SCOPED_TRACE(i);
                    EXPECT_EQ(b.x0, bx + want[i].dx);
                    EXPECT_EQ(b.y0, by + want[i].dy);
                    EXPECT_EQ(b.kind, type);
                    EXPECT_EQ(b.cell, want[i].frame);
                    EXPECT_EQ(b.vx, static_cast<float>(Resolve(want[i].vx, v)));
                    EXPECT_EQ(b.vy, static_cast<float>(Resolve(want[i].vy, v)));
                }
                if (type != 0) {
                    EXPECT_EQ(g_Player.shotPhase, 1 - phase);
                }
            }
        }
    }
}

TEST_F(ShootingTables, OptionOffsetsAndCounts) {
    const int32_t offsets[4][2] = {{22, 25}, {-22, 25}, {45, -5}, {-45, -5}};
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(g_Player.option[i].dx, offsets[i][0]) << i;
        EXPECT_EQ(g_Player.option[i].dy, offsets[i][1]) << i;
    }
    const int32_t counts[12] = {2, 2, 2, 2, 4, 4, 4, 4, 4, 4, 4, 4};
    for (int32_t power = 0; power < 12; ++power)
        EXPECT_EQ(OptionCountTable[power], counts[power]) << power;
}

TEST_F(ShootingTables, EffectImagesAndCells) {
    struct Row {
        const char* file;
        int32_t w, h;
    };
    // clang-format off
    const Row rows[kEffectImageCount] = {
        {"img/effect-explosion5.bmp", 40, 40},
        {"img/effect-halo1.bmp", 100, 100},
        {"img/effect-bomb.bmp", 240, 492},
        {"img/effect-bombhead.bmp", 216, 115},
        {"img/effect-extend.bmp", 65, 11},
        {"img/effect-lazer-head1.bmp", 147, 147},
        {"img/effect-dummy.bmp", 1, 1},
        {"img/effect-pentas.bmp", 79, 79},
        {"img/effect-shot2.bmp", 56, 56},
        {"img/effect-fire1.bmp", 4, 4},
        {"img/effect-biglazer.bmp", 130, 130},
        {"img/effect-particle.bmp", 7, 7},
        {"img/marduk-cannon.bmp", 60, 60},
        {"img/effect-exprosion3.bmp", 120, 120},
        {"img/effect-explosion4.bmp", 80, 80},
        {"img/effect-mine.bmp", 140, 140},
        {"img/effect-snow2.bmp", 2, 12},
        {"img/effect-e-lazer.bmp", 35, 35},
        {"img/effect-penta60s.bmp", 60, 60},
        {"img/effect-explosion2.bmp", 180, 180},
        {"img/effect-explosion-h1.bmp", 96, 70},
        {"img/effect-nonagram.bmp", 231, 231},
        {"img/effect-gus.bmp", 40, 40},
        {"img/effect-penta-coma.bmp", 79, 79},
        {"img/effect-lazer1.bmp", 129, 353},
        {"img/effect-biglight.bmp", 270, 269},
        {"img/effect-explosion6.bmp", 80, 80},
        {"img/effect-thunder2.bmp", 140, 550},
        {"img/effect-extend-lightning.bmp", 714, 189},
    };
    // clang-format on
    for (int32_t i = 0; i < kEffectImageCount; ++i) {
        EXPECT_STREQ(kEffectImageFiles[i], rows[i].file) << i;
        EXPECT_EQ(EffectCellTable[i].w, rows[i].w) << i;
        EXPECT_EQ(EffectCellTable[i].h, rows[i].h) << i;
    }
}

TEST_F(ShootingTables, ShotCellsItemsAndKillerShotSizes) {
    const ShotCell shots[3] = {{11, 32}, {26, 26}, {20, 20}};
    for (int32_t k = 0; k < 3; ++k) {
        EXPECT_EQ(ShotCellTable[k].w, shots[k].w) << k;
        EXPECT_EQ(ShotCellTable[k].h, shots[k].h) << k;
    }

    struct Item {
        const char* file;
        int32_t lives, bombs, power;
    };
    const Item items[kItemTypeCount] = {
        {"img/item3.bmp", 0, 0, 0}, {"img/item-p.bmp", 0, 1, 0}, {"img/item-ex.bmp", 1, 0, 0}};
    for (int32_t t = 0; t < kItemTypeCount; ++t) {
        EXPECT_STREQ(kItemImageFiles[t], items[t].file) << t;
        EXPECT_EQ(ItemEffectTable[t].lives, items[t].lives) << t;
        EXPECT_EQ(ItemEffectTable[t].bombs, items[t].bombs) << t;
        EXPECT_EQ(ItemEffectTable[t].power, items[t].power) << t;
    }
    const int32_t scores[10] = {1000, 2000, 3000, 4000, 0, 0, 0, 0, 0, 0};
    for (int32_t t = 0; t < 10; ++t)
        EXPECT_EQ(ItemScoreTable[t], scores[t]) << t;

    // Rows past the four given ones, if any, hold zeros.
    const KillerShotSize sizes[4] = {{160, 160}, {140, 140}, {220, 420}, {140, 140}};
    for (int32_t r = 0; r < kKillerShotRows; ++r) {
        EXPECT_EQ(kStartSizes[r].w, r < 4 ? sizes[r].w : 0) << r;
        EXPECT_EQ(kStartSizes[r].h, r < 4 ? sizes[r].h : 0) << r;
    }
}

TEST_F(ShootingTables, MissileSpriteRows) {
    auto expectRows = [](const MissileSprite* got, const std::vector<MissileSprite>& want) {
        for (size_t r = 0; r < want.size(); ++r) {
            EXPECT_EQ(got[r].x, want[r].x) << r;
            EXPECT_EQ(got[r].y, want[r].y) << r;
            EXPECT_EQ(got[r].w, want[r].w) << r;
            EXPECT_EQ(got[r].h, want[r].h) << r;
        }
    };
    ASSERT_EQ(kMissileKindCount, 8);
    expectRows(MissileKindTable, {{0, 0, 60, 60},
                                  {0, 60, 60, 60},
                                  {0, 120, 60, 60},
                                  {0, 81, 27, 27},
                                  {108, 81, 27, 27},
                                  {0, 108, 27, 27},
                                  {270, 0, 15, 78},
                                  {285, 0, 11, 54}});
    ASSERT_EQ(kMissileSpriteCount, 16);
    expectRows(MissileSpriteTable, {{0, 0, 27, 27},
                                    {0, 27, 27, 27},
                                    {0, 54, 11, 27},
                                    {0, 81, 27, 27},
                                    {108, 81, 27, 27},
                                    {0, 108, 27, 27},
                                    {270, 0, 15, 78},
                                    {285, 0, 11, 54},
                                    {296, 0, 27, 100},
                                    {0, 108, 27, 27},
                                    {0, 135, 54, 54},
                                    {0, 135, 54, 54},
                                    {108, 135, 27, 54},
                                    {135, 135, 54, 54},
                                    {189, 135, 54, 54},
                                    {243, 135, 54, 54}});
}

}  // namespace
