#include "shooting/enemy_laser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "engine/random.h"
#include "shooting/effect.h"
#include "tests/shooting/player_fixture.h"

namespace {

class EnemyLasers : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        g_ELazer.Clear();
        g_ELazer.SetColor(255, 62, 32);
        Blank();
        // Far from every beam unless a test moves it.
        g_Player.hitX = 150;
        g_Player.hitY = 20;
    }
    void TearDown() override {
        g_ELazer.Clear();
        PlayerFixture::TearDown();
    }

    static void Blank() { std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, 0u); }
    static uint32_t Pixel(int32_t x, int32_t y) { return *g_BackBuffer.GetPixelAddress(x, y); }
    // Lit pixels of one row, as [first, last]; {-1, -1} when none.
    static std::pair<int32_t, int32_t> LitColumns(int32_t row) {
        int32_t first = -1;
        int32_t last = -1;
        for (int32_t x = 0; x < kScreenWidth; ++x) {
            if (Pixel(x, row) == 0) continue;
            if (first < 0) first = x;
            last = x;
        }
        return {first, last};
    }
    static int64_t LitPixels() {
        return std::count_if(g_BackBuffer.pixels,
                             g_BackBuffer.pixels + kScreenWidth * kScreenHeight,
                             [](uint32_t p) { return p != 0; });
    }
    // Adds one record, draws it and empties the list: did it hit the ship?
    static bool DrawOne(int32_t x, int32_t y, int32_t kind, int32_t a, int32_t b, int32_t c,
                        int32_t d, int32_t e) {
        g_Player.dying = 0;
        g_ELazer.Add(x, y, 0, 0, kind, 0, 0, a, b, c, d, e);
        g_ELazer.Draw(0);
        g_ELazer.Clear();
        return g_Player.dying != 0;
    }
};

TEST_F(EnemyLasers, ColourIsClampedAndTheListHoldsThirtyAFrame) {
    const CELazer fresh;
    EXPECT_EQ((std::vector<int32_t>{fresh.red, fresh.green, fresh.blue}),
              (std::vector<int32_t>{255, 62, 32}));
    g_ELazer.SetColor(300, -5, 128);
    EXPECT_EQ(g_ELazer.red, 255);
    EXPECT_EQ(g_ELazer.green, 0);
    EXPECT_EQ(g_ELazer.blue, 128);

    for (int32_t i = 0; i < CELazer::kRecordCount; ++i)
        g_ELazer.Add(i, 2 * i, 3, -720 + i, 2, 6, 7, 10, 11, 12, 13, 14);
    const LaserRecord last = g_ELazer.records[CELazer::kRecordCount - 1];
    g_ELazer.AddSimple(999, 999, 0, 0, 9, 0, 0);
    EXPECT_EQ(g_ELazer.count, CELazer::kRecordCount);
    EXPECT_EQ(g_ELazer.records[CELazer::kRecordCount - 1].x, last.x);

    // The angle is brought to 1 or more by whole turns.
    EXPECT_EQ(g_ELazer.records[0].angle, 360);
    EXPECT_EQ(g_ELazer.records[1].angle, 1);

    // A record cleared or out of range draws nothing.
    g_ELazer.Clear();
    g_ELazer.Draw(0);
    g_ELazer.Draw(-1);
    g_ELazer.Draw(30);
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(EnemyLasers, StraightBeamRunsDownAndHitsOnlyOnTheHitPointsRow) {
    // Angle 0: step i lies on row 400 - i, its span centred on column 300.
    g_Player.hitY = 300;
    for (int32_t hx : {306, 308, 310})
        EXPECT_TRUE((g_Player.hitX = hx, DrawOne(300, 400, 2, 200, 0, 0, 0, 0))) << hx;
    for (int32_t hx : {305, 311})
        EXPECT_FALSE((g_Player.hitX = hx, DrawOne(300, 400, 2, 200, 0, 0, 0, 0))) << hx;
    // Below the last step (row 201) nothing hits.
    g_Player.hitX = 308;
    g_Player.hitY = 200;
    EXPECT_FALSE(DrawOne(300, 400, 2, 200, 0, 0, 0, 0));

    Blank();
    DrawOne(300, 400, 2, 300, 0, 0, 0, 0);
    EXPECT_EQ(LitColumns(401).first, -1);
    // The first step has width 0; from step 19 it is 1 wide, from step 256 the full 13.
    EXPECT_EQ(LitColumns(400).first, -1);
    EXPECT_EQ(LitColumns(400 - 19), std::make_pair(300, 300));
    EXPECT_EQ(LitColumns(400 - 260), std::make_pair(294, 306));
    // The last two steps narrow by 2 and 4.
    EXPECT_EQ(LitColumns(400 - 298), std::make_pair(295, 305));
    EXPECT_EQ(LitColumns(400 - 299), std::make_pair(296, 304));
    EXPECT_EQ(LitColumns(400 - 300).first, -1);
}

TEST_F(EnemyLasers, GradientSlotKTakesEntryKUpToTheTwelfth) {
    g_ELazer.SetColor(10, 20, 30);
    DrawOne(300, 400, 2, 300, 0, 0, 0, 0);
    // Slot k takes entry min(k, 11): the 13-wide span (slots 0..12) repeats the edge colour on
    // the right; the 2-wide span of step 40 (slots 6, 7) takes the middle and the one after.
    const struct {
        int32_t row;
        int32_t left;
        std::vector<uint32_t> times;
    } spans[] = {{140, 294, {1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 1}}, {360, 299, {6, 5}}};
    for (const auto& span : spans) {
        EXPECT_EQ(LitColumns(span.row).second - LitColumns(span.row).first + 1,
                  static_cast<int32_t>(span.times.size()));
        for (size_t k = 0; k < span.times.size(); ++k) {
            const uint32_t j = span.times[k];
            EXPECT_EQ(Pixel(span.left + static_cast<int32_t>(k), span.row),
                      (10 * j) << 16 | (20 * j) << 8 | 30 * j)
                << span.row << " " << k;
        }
    }
}

TEST_F(EnemyLasers, ABeamStartingAtOrPastItsLengthDrawsAndHitsNothing) {
    g_Player.hitX = 308;
    g_Player.hitY = 300;
    for (int32_t kind : {0, 2, 4, 6, 10, 11, 12}) {
        EXPECT_FALSE(DrawOne(300, 400, kind, 150, 0, 150, 0, 0)) << kind;
        EXPECT_FALSE(DrawOne(300, 400, kind, 150, 0, 400, 0, 0)) << kind;
        EXPECT_FALSE(DrawOne(300, 400, kind, -5, 0, 0, 0, 0)) << kind;
    }
    EXPECT_EQ(LitPixels(), 0);
    // The skipped start moves the opening with it: the beam begins c rows down.
    DrawOne(300, 400, 2, 150, 0, 100, 0, 0);
    EXPECT_EQ(LitColumns(301).first, -1);
    EXPECT_NE(LitColumns(400 - 120).first, -1);
}

TEST_F(EnemyLasers, BentBeamContinuesFromTheEndOfItsFirstLeg) {
    // Down for 50 steps, then 90 degrees: rows keep falling one a step while the centre moves
    // one column a step (the sine of the second leg).
    DrawOne(250, 400, 2, 350, 0, 0, 90 * 256, 50);
    const int32_t row = 400 - 300;
    const auto [first, last] = LitColumns(row);
    EXPECT_EQ((first + last) / 2, 250 + 250);
    // Three legs: out and back by the same amount.
    Blank();
    DrawOne(300, 400, 11, 300, 0, 0, 30 * 256, 100);
    const auto [f3, l3] = LitColumns(400 - 290);
    // sin 30 degrees * 100 = 50 (to rounding, then truncated) after the bend, straight down
    // again after 200 steps.
    EXPECT_NEAR((f3 + l3) / 2.0, 349.5, 1.0);
}

TEST_F(EnemyLasers, SteepBeamStepsAlongColumnsAndHitsByColumn) {
    // 90 degrees: one column a step to the right, vertical spans centred on row 200.
    g_Player.hitX = 320;
    g_Player.hitY = 207;
    EXPECT_TRUE(DrawOne(200, 200, 6, 300, 90 * 256, 0, 0, 0));
    g_Player.hitY = 213;
    EXPECT_FALSE(DrawOne(200, 200, 6, 300, 90 * 256, 0, 0, 0));
    // The same beam as kind 10 tests with +8 instead of +7.
    EXPECT_TRUE(DrawOne(200, 200, 10, 300, 90 * 256, 0, 90 * 256, 0));
    // Aimed straight right at (400, 200): the column must be the hit point's, the row within 5.
    g_Player.hitX = 320;
    g_Player.hitY = 205;
    EXPECT_TRUE(DrawOne(200, 200, 12, 300, 0, 0, 400, 200));
    g_Player.hitY = 206;
    EXPECT_FALSE(DrawOne(200, 200, 12, 300, 0, 0, 400, 200));

    Blank();
    DrawOne(200, 200, 6, 300, 90 * 256, 0, 0, 0);
    int32_t lowest = kScreenHeight;
    int32_t highest = -1;
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        if (Pixel(480, y) == 0) continue;
        lowest = std::min(lowest, y);
        highest = std::max(highest, y);
    }
    EXPECT_EQ(lowest, 200 - 6);
    EXPECT_EQ(highest, 200 + 6);
    EXPECT_EQ(Pixel(199, 200), 0u);
}

TEST_F(EnemyLasers, WideBeamHitsWithinTwentyOfItsCentre) {
    g_Player.hitY = 300;
    g_Player.hitX = 327;
    EXPECT_TRUE(DrawOne(300, 400, 4, 200, 0, 0, 255, 0));
    g_Player.hitX = 328;
    EXPECT_FALSE(DrawOne(300, 400, 4, 200, 0, 0, 255, 0));
    // Width 80 (8i - c) / 256, limited by d: 79 at most, its outermost entry black.
    Blank();
    DrawOne(300, 400, 4, 200, 0, 0, 1000, 0);
    EXPECT_EQ(LitColumns(300), std::make_pair(300 - 38, 300 + 39));
}

TEST_F(EnemyLasers, PictureBeamsHitOnlyBelowTheirOrigin) {
    const double scale = 1.0;
    const uint64_t bits = std::bit_cast<uint64_t>(scale);
    const auto kind1 = [&] {
        g_Player.dying = 0;
        g_ELazer.Add(300, 400, 0, 0, 1, static_cast<int32_t>(static_cast<uint32_t>(bits)),
                     static_cast<int32_t>(static_cast<uint32_t>(bits >> 32)), 1, 0, 0, 0, 0);
        g_ELazer.Draw(0);
        g_ELazer.Clear();
        return g_Player.dying != 0;
    };
    g_Player.hitX = 319;
    g_Player.hitY = 399;
    EXPECT_TRUE(kind1());
    g_Player.hitY = 400;
    EXPECT_FALSE(kind1());
    g_Player.hitY = 0;
    EXPECT_FALSE(kind1());
    g_Player.hitY = 100;
    g_Player.hitX = 320;
    EXPECT_FALSE(kind1());

    // Kind 7 reaches a rows up from its origin, 70 columns across.
    g_Player.hitX = 370;
    g_Player.hitY = 350;
    EXPECT_TRUE(DrawOne(300, 400, 7, 100, 0, 0, 0, 0));
    EXPECT_FALSE(DrawOne(300, 400, 7, 50, 0, 0, 0, 0));
    // Kinds 0, 3, 8 and 9 never hit.
    g_Player.hitX = 300;
    for (int32_t kind : {0, 3, 8, 9, 5, 13})
        EXPECT_FALSE(DrawOne(300, 400, kind, 300, 0, 0, 300, 100)) << kind;
}

TEST_F(EnemyLasers, RandomDrawsPerRecord) {
    struct Case {
        int32_t kind;
        int32_t b;
        uint64_t draws;
    };
    for (const Case& c : {Case{7, 0, 1}, Case{7, 1, 0}, Case{8, 30, 2}, Case{2, 0, 0},
                          Case{6, 0, 0}, Case{0, 0, 0}, Case{3, 0, 0}, Case{1, 0, 0}}) {
        const uint64_t before = RandDraws();
        DrawOne(300, 400, c.kind, 100, c.b, 0, 0, 0);
        EXPECT_EQ(RandDraws() - before, c.draws) << c.kind << " b " << c.b;
    }
    // Kind 7 hands its cell to the effect: 3 when b is 1.
    g_EffectMannager.Reset();
    DrawOne(300, 400, 7, 600, 1, 0, 0, 0);
    const CEffect& e = g_EffectMannager.mid[1];
    EXPECT_EQ(e.paramB, 3);
    EXPECT_EQ(e.y, 400 - 549);
    EXPECT_EQ(e.srcY, 0);
    EXPECT_EQ(e.cellH, 549);
}

TEST_F(EnemyLasers, SightLineIsOnePixelARowInTheLaserColour) {
    g_ELazer.SetColor(1, 2, 3);
    DrawOne(200, 100, 9, 0, 0, 0, 300, 200);
    for (int32_t k = 0; k <= 100; k += 25)
        EXPECT_EQ(Pixel(200 + k, 100 + k), 0x010203u) << k;
    // It goes on past the target until the field ends.
    EXPECT_EQ(Pixel(200 + 300, 100 + 300), 0x010203u);
    EXPECT_EQ(Pixel(200 + 309, 100 + 309), 0u);
    EXPECT_EQ(LitPixels(), 309);
    // Only when a is 0.
    Blank();
    DrawOne(200, 100, 9, 1, 0, 0, 300, 200);
    EXPECT_EQ(LitPixels(), 0);
}

}  // namespace
