// The enemies' fixed tables, typed out row by row and compared entry by entry.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "enemies/enemy.h"
#include "enemies/kind_scripts.h"
#include "enemies/stage_script.h"

namespace {

struct KindRow {
    int32_t w, h, hp, death, offset, sound, shotW;
    const char* sprite;  // the name between "img/small-" and ".bmp"; null for none
};
// clang-format off
const KindRow kKinds[kEnemyKindCount] = {
    {346, 256, 800, 3, 110, 1, 256, "midboss5"},
    {45, 28, 1, 0, 0, 0, 28, "bat1"},
    {220, 239, 440, 3, 110, 0, 259, "ship1"},
    {56, 54, 8, 1, 0, 0, 54, "fo11"},
    {113, 30, 5, 0, 0, 0, 30, "fo13"},
    {113, 69, 14, 1, 0, 2, 69, "fo15"},
    {150, 109, 28, 1, 0, 1, 109, "fo"},
    {48, 44, 8, 1, 0, 0, 44, "zako7"},
    {45, 45, 2, 0, 0, 0, 45, "zako2-2"},
    {54, 54, 2, 0, 0, 0, 54, "zako2-3"},
    {130, 99, 24, 1, 0, 2, 80, "zako3"},
    {69, 18, 2, 0, 0, 0, 18, "zako4"},
    {69, 65, 4, 0, 0, 0, 65, "fo4"},
    {72, 47, 8, 1, 0, 0, 47, "itemer1"},
    {209, 129, 50, 1, 0, 2, 129, "fo14"},
    {191, 101, 26, 1, 0, 1, 101, "evileye"},
    {236, 104, 50, 1, 0, 1, 104, "evileye2"},
    {300, 231, 44, 1, 0, 0, 231, nullptr},
    {97, 96, 24, 2, 0, 1, 96, "fo2"},
    {192, 106, 44, 0, 0, 1, 106, "zako6"},
    {260, 126, 44, 1, 50, 1, 100, "zako5"},
    {181, 178, 54, 1, 0, 0, 178, nullptr},  // "img/dummy.bmp", below
    {156, 126, 24, 2, 60, 1, 126, "fo5-2"},
    {118, 106, 24, 1, 60, 2, 106, "fo6-2"},
    {270, 148, 80, 1, 0, 1, 148, "fo7"},
    {176, 149, 90, 2, 60, 1, 149, "fo12"},
    {114, 53, 10, 1, 0, 3, 53, "evileye5"},
    {112, 65, 10, 1, 0, 1, 65, "fo16"},
    {222, 131, 24, 1, 0, 1, 131, "fo8"},
    {86, 105, 16, 1, 0, 1, 105, "fo9"},
    {118, 42, 4, 1, 0, 0, 42, "fo10"},
    {359, 269, 740, 3, 110, 0, 269, "midboss3"},
    {98, 57, 20, 0, 0, 2, 57, "evileye4"},
    {138, 107, 62, 1, 0, 2, 107, "Robo3"},
    {44, 27, 1, 0, 0, 0, 27, "zako1"},
    {54, 54, 1, 0, 0, 0, 54, "zako2"},
    {195, 219, 740, 3, 0, 1, 219, "ship2"},
    {54, 54, 2, 0, 0, 0, 54, nullptr},
    {79, 37, 4, 0, 0, 0, 37, "fo17"},
    {75, 20, 2, 0, 0, 0, 20, "fo18"},
    {86, 50, 2, 0, 0, 0, 50, "fo16-2"},
    {190, 81, 10, 1, 0, 1, 81, "zako8"},
    {378, 285, 750, 4, 110, 0, 378, nullptr},  // "img/small-bossb", compressed, below
    {379, 420, 800, 4, 180, 0, 378, "boss5"},
};
// clang-format on

TEST(EnemyTables, EveryKindRowAndSpriteFile) {
    for (int32_t k = 0; k < kEnemyKindCount; ++k) {
        SCOPED_TRACE(k);
        const EnemyKind& got = EnemyKindTable[k];
        const KindRow& want = kKinds[k];
        EXPECT_EQ(got.w, want.w);
        EXPECT_EQ(got.h, want.h);
        EXPECT_EQ(got.hp, want.hp);
        EXPECT_EQ(got.deathKind, want.death);
        EXPECT_EQ(got.hitOffset, want.offset);
        EXPECT_EQ(got.soundClass, want.sound);
        EXPECT_EQ(got.shotBoxW, want.shotW);
    }
    ASSERT_EQ(kEnemyImageCount, 45);
    for (int32_t k = 0; k < kEnemyImageCount; ++k) {
        SCOPED_TRACE(k);
        std::string want;
        if (k < kEnemyKindCount && kKinds[k].sprite != nullptr)
            want = std::string("img/small-") + kKinds[k].sprite + ".bmp";
        if (k == 21) want = "img/dummy.bmp";
        if (k == 42) want = "img/small-bossb";
        const EnemyImageFile& got = kEnemyImageFiles[k];
        EXPECT_EQ(got.path == nullptr ? std::string() : std::string(got.path), want);
        EXPECT_EQ(got.compressed, k == 42);
    }
}

TEST(EnemyTables, LargeDeathsAndScriptOffsets) {
    const MissileBurst bursts[] = {
        {2, 1000, 13, 12}, {31, 1200, 14, 13}, {36, 1400, 15, 14}, {0, 1400, 15, 15}};
    ASSERT_EQ(std::size(kMissileBursts), std::size(bursts));
    for (size_t i = 0; i < std::size(bursts); ++i) {
        EXPECT_EQ(kMissileBursts[i].kind, bursts[i].kind) << i;
        EXPECT_EQ(kMissileBursts[i].ageLimit, bursts[i].ageLimit) << i;
        EXPECT_EQ(kMissileBursts[i].behaviour, bursts[i].behaviour) << i;
        EXPECT_EQ(kMissileBursts[i].missileKind, bursts[i].missileKind) << i;
    }

    const int32_t dx[5] = {0, -30, 30, 0, 0};
    const int32_t dy[5] = {-20, 30, 30, 70, 100};
    for (int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(kLargeExplosionDx[i], dx[i]) << i;
        EXPECT_EQ(kLargeExplosionDy[i], dy[i]) << i;
    }

    const int32_t fan[8] = {3, 10, 4, 5, 4, 7, 8, 0};
    const int32_t eye[8] = {0, 0, 0, 5, 7, 4, 0, 0};
    for (int32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(Kind29FanOffsets[i], fan[i]) << i;
        EXPECT_EQ(EyeShotOffsets[i], eye[i]) << i;
    }
    const int32_t types[4] = {36, 0, 153, 157};
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(MidbossShotTypes[i], types[i]) << i;
}

TEST(EnemyTables, LargeShipDropsAndTurnedVolleys) {
    // x offset, height, large type, drift, in firing order.
    const HeavyDrop dropsB[5] = {{-30, 70, 19, -0.5},
                                 {-40, 70, 25, -1.0},
                                 {20, 70, 25, 0},
                                 {-50, 90, 6, -1.5},
                                 {30, 90, 6, 0.5}};
    const HeavyDrop dropsE[5] = {{-30, 70, 19, -0.5},
                                 {-50, 70, 25, -1.0},
                                 {30, 70, 25, 0},
                                 {-60, 90, 6, -1.5},
                                 {40, 90, 6, 0.5}};
    for (int32_t i = 0; i < 5; ++i) {
        for (const auto& [got, want] :
             {std::pair{Ship1DropsB[i], dropsB[i]}, {Ship1DropsE[i], dropsE[i]}}) {
            EXPECT_EQ(got.dx, want.dx) << i;
            EXPECT_EQ(got.dy, want.dy) << i;
            EXPECT_EQ(got.kind, want.kind) << i;
            EXPECT_EQ(got.drift, want.drift) << i;
        }
    }
    auto expectShots = [](const DirShot* got, std::initializer_list<DirShot> want) {
        size_t i = 0;
        for (const DirShot& w : want) {
            EXPECT_EQ(got[i].dx, w.dx) << i;
            EXPECT_EQ(got[i].angle, w.angle) << i;
            ++i;
        }
    };
    expectShots(Ship1OuterShots, {{40, 45}, {40, 35}, {-40, 315}, {-40, 325}});
    expectShots(Ship1InnerShots, {{40, 75}, {40, 85}, {-40, 275}, {-40, 285}});
    expectShots(
        Ship1WindowCShots,
        {{40, 15}, {40, 25}, {-40, 345}, {-40, 335}, {40, 65}, {40, 55}, {-40, 295}, {-40, 305}});
}

}  // namespace
