#include "enemies/background.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

#include "engine/inflate.h"
#include "game/scenes.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/assets.h"

namespace assets {
void AddBackgroundAssets(AssetList& list);
}

namespace {

using assets::Picture;

constexpr uint32_t kSentinel = 0x123456;

// Writes a picture as the compressed bitmap file a background loads.
void Put(const std::string& path, const Picture& picture) {
    assets::AssetList list;
    assets::AddCompressedBmp(list, path, picture);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(list[0].bytes.data()),
               static_cast<std::streamsize>(list[0].bytes.size()));
}

Picture Uniform(int w, int h, uint32_t colour) {
    return Picture(w, h, colour);
}

// Every pixel tells its column: 0x10 in red, the column in green and blue.
Picture Columns(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            p.Set(x, y, 0x100000u + static_cast<uint32_t>(x));
    }
    return p;
}

// Every pixel tells its row: 0x20 in red, the row in green and blue.
Picture Rows(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            p.Set(x, y, 0x200000u + static_cast<uint32_t>(y));
    }
    return p;
}

uint32_t Grey(int v) {
    const auto c = static_cast<uint32_t>(v);
    return c << 16 | c << 8 | c;
}

uint32_t At(int x, int y) {
    return *g_BackBuffer.GetPixelAddress(x, y);
}

void FillBack(uint32_t colour) {
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x)
            *g_BackBuffer.GetPixelAddress(x, y) = colour;
    }
}

BossProgress g_testBoss;
BossProgress ReadTestBoss() {
    return g_testBoss;
}

// Frees the backgrounds and shared images that earlier tests made and played, and makes them
// again as a fresh program's start-up does.
void RemakeBackgrounds() {
    for (CBackGround2*& background : g_pStageBGList)
        delete std::exchange(background, nullptr);
    for (CBackGround2*& background : g_pBossBGList)
        delete std::exchange(background, nullptr);
    g_pBG = nullptr;

    // Once the bosses are made the current sprite is always one of their images, never a
    // picture of its own.
    CImageShooting** const sprites[] = {&g_pBossImage1, &g_pBossImage2, &g_pBossImage3,
                                        &g_pBossImage4, &g_pBossImage5};
    const bool bossesMade = std::any_of(std::begin(sprites), std::end(sprites),
                                        [](CImageShooting** s) { return *s == g_pBossImage; });
    if (bossesMade) g_pBossImage = nullptr;
    CImageShooting** const images[] = {&g_pBGImage1,   &g_pBGImage2,   &g_pBGImage3,
                                       &g_pBossImage,  &g_pBossImage1, &g_pBossImage2,
                                       &g_pBossImage3, &g_pBossImage4, &g_pBossImage5};
    for (CImageShooting** image : images)
        delete std::exchange(*image, nullptr);

    CreateBackgrounds();
    if (bossesMade) {
        delete g_pBossImage;
        g_pBossImage = g_pBossImage1;
    }
}

// Each test runs in a fresh folder with an empty "img", the backgrounds as start-up makes
// them, the shared record at its defaults and a boss the test steers.
class BackgroundTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemakeBackgrounds();
        std::filesystem::create_directory("img");
        g_DrawCopy.Reset();
        FillBack(kSentinel);
        g_testBoss = BossProgress();
        g_pfnBossProgress = &ReadTestBoss;
    }
    void TearDown() override {
        g_DrawCopy.Reset();
        g_pfnBossProgress = nullptr;
    }

    // One frame drawn after the script has reached frame f - 1.
    static void DrawFrame(CBackGround2& bg, int32_t f) {
        bg.frame = f - 1;
        bg.Draw();
    }

private:
    InTempDir dir_;
};

// Scrolling ----------------------------------------------------------------------------------

struct SpeedStep {
    int32_t from;  // first frame that scrolls by `by`
    int32_t by;
};

struct ScrollCase {
    const char* name;
    std::function<std::unique_ptr<CBackGround2>()> make;
    std::vector<const char*> tiles;
    int32_t length;  // frames of the stage
    std::vector<SpeedStep> steps;
};

int32_t ExpectedStep(const std::vector<SpeedStep>& steps, int32_t f) {
    int32_t by = 0;
    for (const SpeedStep& s : steps) {
        if (f >= s.from) by = s.by;
    }
    return by;
}

// An offset either moves on by the step or, when that reaches the height, snaps to 0.
void ExpectScrolled(int32_t before, int32_t after, int32_t by, int32_t height, int32_t f) {
    if (before + by >= height) {
        EXPECT_EQ(after, 0) << "frame " << f;
    } else {
        EXPECT_EQ(after, before + by) << "frame " << f;
    }
}

TEST_F(BackgroundTest, EveryStageScrollsByItsSpeedTimelineForTheWholeStage) {
    // One-pixel-wide tiles cost almost nothing to draw. Their height is a multiple of every
    // speed but 11, so after a wrap the offset lands exactly on the height again.
    constexpr int32_t kH = 2520;
    constexpr int32_t kH3 = 2527;
    const std::vector<ScrollCase> cases = {
        {"bonus", [] { return std::make_unique<CStageBonusBG>(); }, {"img/bgsb"}, 1701, {{1, 6}}},
        {"stage 1",
         [] { return std::make_unique<CStage1BG>(); },
         {"img/bgs1m"},
         6001,
         {{1, 0}, {2, 7}, {1001, 8}, {2001, 9}, {3001, 10}, {4001, 11}}},
        {"stage 2",
         [] { return std::make_unique<CStage2BG>(); },
         {"img/bgs2"},
         7441,
         {{1, 0}, {2, 7}, {1001, 8}, {2001, 9}, {4301, 10}, {5301, 11}}},
        {"stage 3",
         [] { return std::make_unique<CStage3BG>(); },
         {"img/bgs3"},
         8201,
         {{1, 0}, {2, 7}, {1001, 8}, {2001, 9}, {5001, 10}, {6001, 11}}},
        {"stage 4",
         [] { return std::make_unique<CStage4BG>(); },
         {"img/bgs4m"},
         8401,
         {{1, 0}, {2, 7}, {1001, 8}, {2001, 9}, {4301, 10}, {6001, 11}}},
        {"stage 5",
         [] { return std::make_unique<CStage5BG>(); },
         {"img/bgs5c"},
         11191,
         {{1, 0}, {2, 7}, {1001, 8}, {2001, 9}, {4301, 10}, {6001, 11}, {7501, 12}}},
    };
    for (const char* side : {"img/bgs5a", "img/bgs5b"})
        Put(side, Uniform(1, kH3, 0x303030));
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* tile : c.tiles)
            Put(tile, Uniform(1, kH, 0x404040));
        auto bg = c.make();
        bg->Init();
        auto* stage5 = dynamic_cast<CStage5BG*>(bg.get());
        if (stage5 != nullptr) stage5->offset2 = 0;
        int exactHits = 0;
        for (int32_t f = 1; f <= c.length; ++f) {
            const int32_t before = bg->offset;
            const int32_t before2 = stage5 != nullptr ? stage5->offset2 : 0;
            bg->Draw();
            ASSERT_EQ(bg->frame, f);
            const int32_t by = ExpectedStep(c.steps, f);
            ExpectScrolled(before, bg->offset, by, kH, f);
            if (stage5 != nullptr) ExpectScrolled(before2, stage5->offset2, by, kH3, f);
            if (before + by == kH) ++exactHits;
        }
        EXPECT_GE(exactHits, 3);
    }
}

TEST_F(BackgroundTest, OffsetSnapsToZeroWhenItReachesTheHeight) {
    CStage1BG bg;
    Put("img/bgs1m", Uniform(380, 14, 0x404040));
    bg.Init();
    const int32_t expected[] = {0, 7, 0, 7, 0};
    for (int32_t want : expected) {
        bg.Draw();
        EXPECT_EQ(bg.offset, want) << "frame " << bg.frame;
    }
    // A missing picture loads as 1x1; every step reaches its height.
    std::filesystem::remove("img/bgs1m");
    bg.Init();
    EXPECT_EQ(g_pBGImage1->height, 1);
    for (int i = 0; i < 5; ++i) {
        bg.Draw();
        EXPECT_EQ(bg.offset, 0);
    }
}

TEST_F(BackgroundTest, InitStartsTheScriptOverWithTheSideStrips) {
    CStage5BG bg;
    EXPECT_EQ(bg.speed, 6);
    bg.speed = 9;
    bg.frame = 700;
    bg.offset = 33;
    bg.counter = 4;
    bg.offset2 = 21;
    bg.Init();
    EXPECT_EQ(bg.speed, 0);
    EXPECT_EQ(bg.frame, 0);
    EXPECT_EQ(bg.offset, 0);
    EXPECT_EQ(bg.counter, 0);
    EXPECT_EQ(bg.offset2, 0);

    CBossBonusBG boss;
    boss.fade = 80;
    boss.counter = 3;
    boss.Init();
    EXPECT_EQ(boss.fade, 0);
    EXPECT_EQ(boss.counter, 0);
}

// Tiles cover the field without a gap at every offset when the picture is as tall as the
// fewest copies need: three 236-row tiles, four 158-row strips, five 118-row boss tiles.
TEST_F(BackgroundTest, TileRowsCoverTheFieldAtTheSmallestHeights) {
    const auto fieldCovered = [](int x) {
        for (int y = 8; y <= 468; ++y) {
            if (At(x, y) == kSentinel) return false;
        }
        return true;
    };
    const auto coveredAtEveryOffset = [&](CBackGround2& bg, int32_t h,
                                          const std::function<void(int32_t)>& place,
                                          std::initializer_list<int> columns) {
        for (int32_t o = 0; o < h; ++o) {
            FillBack(kSentinel);
            place(o);
            bg.Draw();
            for (int x : columns) {
                if (!fieldCovered(x)) return false;
            }
        }
        return true;
    };

    CStage2BG stage2;
    const auto placeStage2 = [&](int32_t o) {
        stage2.frame = 500;
        stage2.speed = 0;
        stage2.offset = o;
    };
    Put("img/bgs2", Uniform(380, 236, 0x808080));
    stage2.Init();
    EXPECT_TRUE(coveredAtEveryOffset(stage2, 236, placeStage2, {134, 300, 508}));
    Put("img/bgs2", Uniform(380, 235, 0x808080));
    stage2.Init();
    EXPECT_FALSE(coveredAtEveryOffset(stage2, 235, placeStage2, {300}));

    CStage5BG stage5;
    Put("img/bgs5c", Uniform(139, 158, 0xB0B0B0));
    Put("img/bgs5a", Uniform(118, 158, 0xA0A0A0));
    Put("img/bgs5b", Uniform(118, 158, 0xC0C0C0));
    stage5.Init();
    const auto placeStage5 = [&](int32_t o) {
        stage5.frame = 500;
        stage5.speed = 0;
        stage5.offset = o;
        stage5.offset2 = o;
    };
    EXPECT_TRUE(coveredAtEveryOffset(stage5, 158, placeStage5, {134, 251, 252, 390, 391, 508}));

    CBoss1BG boss1;
    Put("img/bgb1-2", Uniform(375, 118, 0x808080));
    boss1.Init();
    g_testBoss.phasesLeft = 0;
    // The boss-1 tiles run upward: offsets 1 to 118 come after the step of 10.
    const auto placeBoss1 = [&](int32_t o) {
        boss1.frame = 300;
        boss1.offset = o + 1 + 10;
    };
    EXPECT_TRUE(coveredAtEveryOffset(boss1, 118, placeBoss1, {134, 300, 508}));
}

// Stage fades ----------------------------------------------------------------------------------

struct LevelAt {
    int32_t frame;
    int32_t level;  // the darkening drawn on that frame
};

TEST_F(BackgroundTest, StageOneDarkensItsStillPictureInAndOut) {
    CStage1BG bg;
    Put("img/bgs1b", Uniform(375, 461, Grey(0x80)));
    bg.Init();
    const LevelAt levels[] = {{1, 50},   {2, 49},   {99, 1},    {100, 0},   {2500, 0},
                              {5000, 0}, {5001, 1}, {5049, 49}, {5050, 60}, {6001, 60}};
    for (const LevelAt& l : levels) {
        DrawFrame(bg, l.frame);
        EXPECT_EQ(At(300, 200), Grey(0x80 - l.level)) << "frame " << l.frame;
    }
    // The picture fills the field exactly; the missing tile is one black pixel at x 134.
    EXPECT_EQ(At(508, 468), Grey(0x80 - 60));
    EXPECT_EQ(At(509, 200), kSentinel);
    EXPECT_EQ(At(300, 7), kSentinel);
    EXPECT_EQ(At(300, 469), kSentinel);
}

TEST_F(BackgroundTest, StageOneTilesAreKeyedOverTheStillPicture) {
    CStage1BG bg;
    Picture tile(380, 240, assets::kKey);
    assets::FillRect(tile, 0, 0, 380, 10, 0x00A000);
    Put("img/bgs1m", tile);
    Put("img/bgs1b", Uniform(375, 461, Grey(0x80)));
    bg.Init();
    bg.frame = 200;
    bg.speed = 0;
    bg.offset = 100;
    bg.Draw();
    // Tiles start at 380, 140 and -100: their ten green rows there, the still picture between.
    EXPECT_EQ(At(300, 140), 0x00A000u);
    EXPECT_EQ(At(300, 149), 0x00A000u);
    EXPECT_EQ(At(300, 150), Grey(0x80));
    EXPECT_EQ(At(300, 389), 0x00A000u);
    EXPECT_EQ(At(300, 390), Grey(0x80));
}

TEST_F(BackgroundTest, StageTwoFadesInAndOutAndChangesSpeedAfterDrawing) {
    CStage2BG bg;
    Put("img/bgs2", Uniform(380, 240, Grey(0xF0)));
    bg.Init();
    const LevelAt levels[] = {{1, 50},   {99, 1},     {100, 0},    {7140, 0},
                              {7141, 1}, {7300, 160}, {7395, 255}, {7441, 255}};
    for (const LevelAt& l : levels) {
        DrawFrame(bg, l.frame);
        EXPECT_EQ(At(300, 200), Grey(std::max(0, 0xF0 - l.level))) << "frame " << l.frame;
    }
    DrawFrame(bg, 4299);
    EXPECT_EQ(bg.speed, 9);
    // The frame that reaches a step still scrolls by the speed before it.
    bg.offset = 0;
    bg.speed = 3;
    DrawFrame(bg, 4300);
    EXPECT_EQ(bg.offset, 3);
    EXPECT_EQ(bg.speed, 10);
}

TEST_F(BackgroundTest, BonusStageFadesInOverFiftyOneFramesAndOutAfter1150) {
    CStageBonusBG bg;
    Put("img/bgsb", Uniform(380, 240, Grey(0xFE)));
    bg.Init();
    const LevelAt levels[] = {{1, 250},  {50, 5},   {51, 0},     {52, 0},
                              {1150, 0}, {1151, 1}, {1404, 254}, {1405, 255}};
    for (const LevelAt& l : levels) {
        DrawFrame(bg, l.frame);
        EXPECT_EQ(At(300, 200), Grey(std::max(0, 0xFE - l.level))) << "frame " << l.frame;
        EXPECT_EQ(bg.speed, 6);
    }
}

TEST_F(BackgroundTest, StageThreeShowsFromColumn25AndBrightensThroughTheSharedRecord) {
    CStage3BG bg;
    Put("img/bgs3", Columns(405, 240));
    bg.Init();
    g_DrawCopy.mode = 9;
    g_DrawCopy.level = 77;
    DrawFrame(bg, 7699);
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(g_DrawCopy.level, 77);  // a plain copy does not touch the level
    EXPECT_EQ(At(134, 200), 0x100019u);
    EXPECT_EQ(At(508, 200), 0x10018Fu);  // column 399

    const LevelAt levels[] = {{7700, 0}, {7701, 5}, {7750, 250}, {7751, 255}, {8201, 255}};
    for (const LevelAt& l : levels) {
        DrawFrame(bg, l.frame);
        EXPECT_EQ(g_DrawCopy.mode, 19) << "frame " << l.frame;
        EXPECT_EQ(g_DrawCopy.level, l.level) << "frame " << l.frame;
    }
    DrawFrame(bg, 7701);
    EXPECT_EQ(At(134, 200), 0x15051Eu);  // column 25 brightened by 5
}

TEST_F(BackgroundTest, StageFourMultipliesItsHazeUntilTheFadeOut) {
    CStage4BG bg;
    Put("img/bgs4m", Uniform(380, 240, Grey(100)));
    Put("img/bgs4f", Uniform(375, 20, Grey(0x80)));
    bg.Init();
    EXPECT_EQ(bg.overlay.height, 20);
    DrawFrame(bg, 500);
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(At(300, 459), Grey(100));
    EXPECT_EQ(At(300, 460), Grey(50));
    EXPECT_EQ(At(508, 468), Grey(50));

    DrawFrame(bg, 8100);
    EXPECT_EQ(g_DrawCopy.mode, 19);
    EXPECT_EQ(g_DrawCopy.level, 0);
    EXPECT_EQ(At(300, 465), Grey(100));
    DrawFrame(bg, 8110);
    EXPECT_EQ(At(300, 465), Grey(150));
    EXPECT_EQ(At(300, 100), Grey(150));
    DrawFrame(bg, 8151);
    EXPECT_EQ(g_DrawCopy.level, 255);
    EXPECT_EQ(At(300, 100), Grey(255));
}

TEST_F(BackgroundTest, StageFiveDrawsThreeStripsSideBySide) {
    CStage5BG bg;
    Put("img/bgs5c", Uniform(139, 240, Grey(0xB0)));
    Put("img/bgs5a", Uniform(118, 240, Grey(0xA0)));
    Put("img/bgs5b", Uniform(118, 240, Grey(0xC0)));
    bg.Init();
    const LevelAt levels[] = {{1, 50}, {100, 0}, {10000, 0}, {10001, 1}, {10100, 100}};
    for (const LevelAt& l : levels) {
        DrawFrame(bg, l.frame);
        SCOPED_TRACE(l.frame);
        EXPECT_EQ(At(134, 200), Grey(0xA0 - l.level));
        EXPECT_EQ(At(251, 200), Grey(0xA0 - l.level));
        EXPECT_EQ(At(252, 200), Grey(0xB0 - l.level));
        EXPECT_EQ(At(390, 200), Grey(0xB0 - l.level));
        EXPECT_EQ(At(391, 200), Grey(0xC0 - l.level));
        EXPECT_EQ(At(508, 200), Grey(0xC0 - l.level));
        EXPECT_EQ(At(509, 200), kSentinel);
    }
}

// Boss backgrounds -------------------------------------------------------------------------------

TEST_F(BackgroundTest, BonusBossFadeFollowsTheEntryFlag) {
    CBossBonusBG bg;
    EXPECT_EQ(bg.speed, 0);
    Put("img/bgbb1", Uniform(375, 461, Grey(0x80)));
    Put("img/bgbb2", Uniform(375, 461, Grey(0x40)));
    bg.Init();
    g_testBoss.phasesLeft = 2;
    g_testBoss.entered = true;
    bg.Draw();
    bg.Draw();
    EXPECT_EQ(bg.fade, 2);
    EXPECT_EQ(At(300, 8), Grey(0x7E));
    bg.fade = 99;
    bg.Draw();
    bg.Draw();
    EXPECT_EQ(bg.fade, 100);
    EXPECT_EQ(At(300, 468), Grey(0x1C));
    g_testBoss.entered = false;
    bg.Draw();
    EXPECT_EQ(bg.fade, 99);
    bg.fade = 0;
    bg.Draw();
    EXPECT_EQ(bg.fade, 0);

    // Last phase: the second picture with whatever the shared record holds; fade stays.
    g_testBoss.phasesLeft = 0;
    bg.fade = 40;
    g_DrawCopy.mode = 19;
    g_DrawCopy.level = 16;
    bg.Draw();
    EXPECT_EQ(bg.fade, 40);
    EXPECT_EQ(At(300, 200), Grey(0x50));
}

TEST_F(BackgroundTest, BossOneFadesItsStillAndThenScrollsUpward) {
    CBoss1BG bg;
    Put("img/bgb1", Uniform(375, 461, Grey(0xC8)));
    Put("img/bgb1-2", Uniform(375, 121, Grey(0x80)));
    bg.Init();

    // First phase: the still comes up out of black, drawn from row 8; frame stays 0.
    g_testBoss.phasesLeft = 1;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 9);
    EXPECT_EQ(g_DrawCopy.level, 255);
    EXPECT_EQ(At(300, 8), 0u);
    bg.counter = 100;
    bg.frame = 7;
    bg.Draw();
    EXPECT_EQ(bg.counter, 101);
    EXPECT_EQ(bg.frame, 0);
    EXPECT_EQ(At(300, 8), Grey(0xC8 - 55));
    bg.counter = 125;
    g_DrawCopy.level = 30;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.level, 30);
    EXPECT_EQ(At(300, 8), Grey(0xC8 - 30));

    // Last phase: the still darkens, drawn one row higher.
    g_testBoss.phasesLeft = 0;
    FillBack(kSentinel);
    bg.Draw();
    EXPECT_EQ(bg.frame, 1);
    EXPECT_EQ(g_DrawCopy.level, 2);
    EXPECT_EQ(At(300, 8), kSentinel);
    EXPECT_EQ(At(300, 9), Grey(0xC6));
    EXPECT_EQ(At(300, 468), Grey(0xC6));

    // From frame 125 the tiles come up out of the dark and run upward, wrapping below 1.
    bg.frame = 124;
    bg.offset = 0;
    bg.Draw();
    EXPECT_EQ(bg.speed, 10);
    EXPECT_EQ(bg.offset, 121);
    EXPECT_EQ(g_DrawCopy.level, 250);
    for (int32_t want = 111; want >= 1; want -= 10) {
        bg.Draw();
        EXPECT_EQ(bg.offset, want);
    }
    bg.Draw();
    EXPECT_EQ(bg.offset, 121);
    bg.frame = 248;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 9);
    EXPECT_EQ(At(300, 300), Grey(0x80 - 2));
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(At(300, 300), Grey(0x80));
}

TEST_F(BackgroundTest, BossTwoShowsTheMiddleOfItsWidePictureThenChanges) {
    CBoss2BG bg;
    Put("img/bgb2", Columns(476, 461));
    Put("img/bgb2-2", Uniform(375, 461, Grey(0x90)));
    bg.Init();
    g_testBoss.phasesLeft = 1;
    bg.Draw();
    EXPECT_EQ(bg.counter, 1);
    EXPECT_EQ(g_DrawCopy.mode, 9);
    EXPECT_EQ(g_DrawCopy.level, 253);
    bg.counter = 123;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.level, 7);
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(At(134, 100), 0x100064u);  // column 100
    EXPECT_EQ(At(508, 100), 0x1001DAu);  // column 474

    g_testBoss.phasesLeft = 0;
    bg.Draw();
    EXPECT_EQ(bg.frame, 1);
    EXPECT_EQ(g_DrawCopy.mode, 9);
    EXPECT_EQ(g_DrawCopy.level, 2);
    DrawFrame(bg, 200);
    EXPECT_EQ(g_DrawCopy.level, 100);
    EXPECT_EQ(At(300, 100), Grey(0x90 - 100));
    DrawFrame(bg, 250);
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(At(300, 100), Grey(0x90));
}

TEST_F(BackgroundTest, BossThreeTintsThenChangesAndRunsItsClouds) {
    CBoss3BG bg;
    Put("img/bgb3", Uniform(375, 461, Grey(0x40)));
    Put("img/bgb3-2", Uniform(375, 461, Grey(0x40)));
    Put("img/bgb3f1", Uniform(375, 461, Grey(0x10)));
    Put("img/bgb3c1", Uniform(60, 80, 0x204060));
    Put("img/bgb3c2", Uniform(60, 80, 0x603020));
    Put("img/bgb3c3", Uniform(60, 80, 0x305010));
    Put("img/bgb3c4", Uniform(33, 44, 0x000000));
    bg.Init();
    EXPECT_EQ(bg.cloud[3].width, 33);

    g_testBoss.phasesLeft = 1;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 19);
    EXPECT_EQ(g_DrawCopy.level, 250);
    bg.counter = 50;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 21);

    g_testBoss.phasesLeft = 0;
    g_DrawCopy.mode = 19;
    g_DrawCopy.level = 3;
    DrawFrame(bg, 299);
    EXPECT_EQ(g_DrawCopy.mode, 19);
    EXPECT_EQ(At(300, 100), Grey(0x43));
    const LevelAt tints[] = {{300, 0}, {301, 4}, {374, 296}, {375, 300}, {424, 300}};
    for (const LevelAt& t : tints) {
        DrawFrame(bg, t.frame);
        EXPECT_EQ(g_DrawCopy.mode, 7) << "frame " << t.frame;
        EXPECT_EQ(g_DrawCopy.tint, 0xFFCCFFu);
        EXPECT_EQ(g_DrawCopy.level, t.level) << "frame " << t.frame;
    }

    // Frame 425: the last picture tinted white, clouds over it, the flash screened over all.
    FillBack(kSentinel);
    DrawFrame(bg, 425);
    EXPECT_EQ(bg.posA, 136);
    EXPECT_EQ(bg.posB, -64);
    EXPECT_EQ(bg.posC, 212);
    EXPECT_EQ(bg.posD, 412);
    EXPECT_EQ(g_DrawCopy.mode, 7);  // the clouds and flash keep records of their own
    EXPECT_EQ(g_DrawCopy.level, 250);
    EXPECT_EQ(At(400, 300), 0xFFFFFFu);
    EXPECT_EQ(At(140, 140), 0x2E4C6Au);  // cloud 1
    EXPECT_EQ(At(450, 10), 0x6A3D2Eu);   // cloud 2 against the right edge
    EXPECT_EQ(At(508, 15), 0x6A3D2Eu);
    EXPECT_EQ(At(449, 10), 0xFFFFFFu);
    EXPECT_EQ(At(200, 250), 0x3D5B1Fu);  // cloud 3, both copies
    EXPECT_EQ(At(290, 420), 0x3D5B1Fu);

    DrawFrame(bg, 540);
    EXPECT_EQ(At(400, 300), 0x5E5B5Eu);  // grey 0x40 tinted at level 20, then screened
    DrawFrame(bg, 550);
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(g_DrawCopy.level, 0);
}

TEST_F(BackgroundTest, BossFourFlashesInFromRowSix) {
    CBoss4BG bg;
    Put("img/bgb4", Rows(375, 463));
    bg.Init();
    g_pfnBossProgress = nullptr;  // it does not look at the boss
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 19);
    EXPECT_EQ(g_DrawCopy.level, 250);
    bg.counter = 49;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.level, 5);
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(At(300, 7), kSentinel);
    EXPECT_EQ(At(300, 8), 0x200002u);
    EXPECT_EQ(At(300, 468), 0x2001CEu);
}

TEST_F(BackgroundTest, BossFiveFadesInThenTintsItsLastPicture) {
    CBoss5BG bg;
    Put("img/bgb5-1", Uniform(375, 461, Grey(0x90)));
    Put("img/bgb5-2", Uniform(375, 461, Grey(0x40)));
    bg.Init();
    g_testBoss.phasesLeft = 3;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 9);
    EXPECT_EQ(g_DrawCopy.level, 253);
    bg.counter = 100;
    bg.Draw();
    EXPECT_EQ(At(300, 100), Grey(0x90 - 53));
    bg.counter = 124;
    bg.Draw();
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(bg.frame, 0);

    g_testBoss.phasesLeft = 2;
    bg.Draw();
    EXPECT_EQ(bg.frame, 1);
    EXPECT_EQ(g_DrawCopy.mode, 7);
    EXPECT_EQ(g_DrawCopy.level, 248);
    DrawFrame(bg, 115);
    EXPECT_EQ(At(300, 100), 0x534F53u);
    DrawFrame(bg, 125);
    EXPECT_EQ(g_DrawCopy.mode, 21);
    EXPECT_EQ(g_DrawCopy.level, 0);
    EXPECT_EQ(At(300, 100), Grey(0x40));
}

TEST_F(BackgroundTest, BossBackgroundsWaitForABoss) {
    g_pfnBossProgress = nullptr;
    CBoss1BG bg;
    bg.Init();
    bg.Draw();
    EXPECT_EQ(bg.frame, 0);
    EXPECT_EQ(bg.counter, 0);
    EXPECT_EQ(At(300, 100), kSentinel);
}

// Start-up and assets ------------------------------------------------------------------------

TEST_F(BackgroundTest, StartUpMakesBothListsWithTheirConstructionSpeeds) {
    CImageShooting* image1 = g_pBGImage1;
    CreateBackgrounds();
    EXPECT_EQ(g_pBGImage1, image1);
    for (CImageShooting* image : {g_pBossImage, g_pBossImage1, g_pBossImage5})
        ASSERT_NE(image, nullptr);

    const std::type_index stages[] = {typeid(CStageBonusBG), typeid(CStage1BG), typeid(CStage2BG),
                                      typeid(CStage3BG),     typeid(CStage4BG), typeid(CStage5BG),
                                      typeid(CStage1BG)};
    const std::type_index bosses[] = {typeid(CBossBonusBG), typeid(CBoss1BG), typeid(CBoss2BG),
                                      typeid(CBoss3BG),     typeid(CBoss4BG), typeid(CBoss5BG),
                                      typeid(CBoss1BG)};
    for (int i = 0; i < kBackgroundCount; ++i) {
        EXPECT_EQ(std::type_index(typeid(*g_pStageBGList[i])), stages[i]) << i;
        EXPECT_EQ(std::type_index(typeid(*g_pBossBGList[i])), bosses[i]) << i;
    }
    // Stage 6 has objects of its own.
    EXPECT_NE(g_pStageBGList[6], g_pStageBGList[1]);
    EXPECT_NE(g_pBossBGList[6], g_pBossBGList[1]);

    // Speeds as made; the first Init replaces them.
    const int32_t stageSpeeds[] = {7, 7, 6, 7, 6, 6, 7};
    const int32_t bossSpeeds[] = {0, 6, 6, 6, 0, 6, 6};
    for (int i = 0; i < kBackgroundCount; ++i) {
        EXPECT_EQ(g_pStageBGList[i]->speed, stageSpeeds[i]) << i;
        EXPECT_EQ(g_pBossBGList[i]->speed, bossSpeeds[i]) << i;
    }
}

struct MinimumSize {
    const char* path;
    int32_t width;
    int32_t height;
    bool scrolls;  // a tile that must join its top row to its bottom row
};

TEST_F(BackgroundTest, GeneratedPicturesAreLargeEnoughSeamlessAndKeyedWhereDrawnSo) {
    const MinimumSize sizes[] = {
        {"img/bgs1m", 380, 236, true},   {"img/bgs2", 380, 236, true},
        {"img/bgs4m", 380, 236, true},   {"img/bgsb", 380, 236, true},
        {"img/bgs3", 405, 236, true},    {"img/bgs1b", 375, 461, false},
        {"img/bgs4f", 375, 1, false},    {"img/bgs5c", 139, 158, true},
        {"img/bgs5a", 118, 158, true},   {"img/bgs5b", 118, 158, true},
        {"img/bgb1", 375, 461, false},   {"img/bgb1-2", 375, 118, true},
        {"img/bgb2", 476, 461, false},   {"img/bgb2-2", 375, 461, false},
        {"img/bgb3", 375, 461, false},   {"img/bgb3-2", 375, 461, false},
        {"img/bgb3f1", 375, 461, false}, {"img/bgb3c1", 1, 1, false},
        {"img/bgb3c2", 1, 1, false},     {"img/bgb3c3", 1, 1, false},
        {"img/bgb3c4", 1, 1, false},     {"img/bgb4", 375, 463, false},
        {"img/bgb5-1", 375, 461, false}, {"img/bgb5-2", 375, 461, false},
        {"img/bgbb1", 375, 461, false},  {"img/bgbb2", 375, 461, false},
    };
    // Drawn colour-keyed: these need see-through parts.
    const std::set<std::string> keyed = {"img/bgs1m", "img/bgb3c1", "img/bgb3c2", "img/bgb3c3",
                                         "img/bgb3c4"};

    assets::AssetList list;
    assets::AddBackgroundAssets(list);
    ASSERT_EQ(list.size(), std::size(sizes));
    for (const MinimumSize& want : sizes) {
        SCOPED_TRACE(want.path);
        const auto file = std::find_if(list.begin(), list.end(),
                                       [&](const auto& f) { return f.path == want.path; });
        ASSERT_NE(file, list.end());
        std::vector<uint8_t> bmp;
        ASSERT_TRUE(InflateBuffer(file->bytes.data(), file->bytes.size(), want.path, bmp));
        CImageShooting image;
        image.LoadFromMemory(bmp.data(), bmp.size());
        EXPECT_GE(image.width, want.width);
        EXPECT_GE(image.height, want.height);

        std::set<uint32_t> colours;
        for (int32_t y = 0; y < image.height; ++y) {
            for (int32_t x = 0; x < image.width; ++x)
                colours.insert(*image.GetPixelAddress(x, y));
        }
        EXPECT_EQ(colours.count(assets::kKey) != 0, keyed.count(want.path) != 0);
        if (!want.scrolls) continue;
        EXPECT_GE(colours.size(), 8u);
        // The step from the top row back to the bottom one is no harsher than the harshest
        // step between neighbouring rows inside the picture.
        const auto rowStep = [&](int32_t a, int32_t b) {
            int64_t sum = 0;
            for (int32_t x = 0; x < image.width; ++x) {
                const uint32_t p = *image.GetPixelAddress(x, a);
                const uint32_t q = *image.GetPixelAddress(x, b);
                for (int shift : {0, 8, 16}) {
                    sum += std::abs(static_cast<int>((p >> shift) & 0xFF) -
                                    static_cast<int>((q >> shift) & 0xFF));
                }
            }
            return sum;
        };
        int64_t harshest = 0;
        for (int32_t y = 0; y + 1 < image.height; ++y)
            harshest = std::max(harshest, rowStep(y, y + 1));
        EXPECT_LE(rowStep(image.height - 1, 0), harshest);
    }
}

}  // namespace
