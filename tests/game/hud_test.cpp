#include <algorithm>

#include "game/play_screen.h"
#include "scene_fixture.h"
#include "shooting/player.h"

namespace {

constexpr uint32_t kMarker = 0x010203;

// A picture whose every pixel tells where it came from: `tag` plus its column or its row.
void Tagged(CImage32& image, int32_t w, int32_t h, uint32_t tag, bool byRow) {
    image.Create(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            image.SetPixel(x, y, tag | static_cast<uint32_t>(byRow ? y : x));
}

uint32_t At(int32_t x, int32_t y) {
    return *g_BackBuffer.GetPixelAddress(x, y);
}

}  // namespace

// The panels over pictures made for the test: each pixel drawn tells which picture and which
// source column or row it came from.
class Hud : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        PanelImages& p = g_Panels;
        Tagged(p.battleFrame, 640, 480, 0, false);
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x)
                p.battleFrame.SetPixel(x, y, static_cast<uint32_t>(y << 10 | x));
        Tagged(p.rightLifeGage, 20, 1, 0x810000, false);
        Tagged(p.rightGage, 1, 20, 0x800000, true);
        Tagged(p.gageItemEmpty, 1, 1, 0x900000, false);
        Tagged(p.gageItem, 80, 6, 0xA00000, false);
        Tagged(p.gageDestruction, 80, 6, 0xB00000, false);
        Tagged(p.stageNumber, 84, 15, 0x300000, false);
        Tagged(p.level, 74, 63, 0x400000, true);
        Tagged(p.panelWeaponEmpty, 1, 1, 0x510000, false);
        Tagged(p.panelWeapon, 24, 81, 0x500000, true);
        Tagged(p.scoreDigits, 104, 14, 0x200000, false);
        Tagged(p.lifeIcon, 3, 2, 0x600000, false);
        Tagged(p.powerIcon, 2, 3, 0x700000, false);
        g_nStage = 3;
        g_nLevel = 2;
        g_nShotType = 1;
        g_Player.lives = 3;
        g_Player.power = 2;
        g_Player.bombs = 2;
        CPointMannager& points = *g_pPointMannager;
        points.extendGauge = 250;
        points.powerGauge = 350;
        points.score = 1234567890;
        points.hiScore = 5;
    }
    void TearDown() override {
        PanelImages& p = g_Panels;
        for (CImage32* image :
             {&p.battleFrame, &p.rightLifeGage, &p.rightGage, &p.gageItemEmpty, &p.gageItem,
              &p.gageDestruction, &p.stageNumber, &p.level, &p.panelWeaponEmpty, &p.panelWeapon,
              &p.scoreDigits, &p.lifeIcon, &p.powerIcon})
            image->Free();
        g_Player.Init();
        g_pPointMannager->score = 0;
        g_pPointMannager->hiScore = 0;
        g_pPointMannager->extendGauge = 0;
        g_pPointMannager->powerGauge = 0;
        g_nShotType = 0;
        g_nLevel = 0;
    }

    // The panels of the frame that follows `frameBefore`, over a marked back buffer.
    void Draw(int32_t frameBefore) {
        std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, kMarker);
        scene_.frame = frameBefore;
        DrawHud(scene_);
    }

    RecordingScene scene_;
};

// Even frames draw the life gauge with one icon per life (4 apart: width + 1), the power column
// with one icon per power point (5 apart: height + 2), the stage number cell 12 x stage and the
// level band 21 x level; odd frames the bomb column and the numbers; both the two gauges, each
// gauge's fill 1/100 of it wide over its empty picture.
TEST_F(Hud, HalvesDrawTheirOwnPanels) {
    enum Half { kEven, kOdd, kBoth };
    const struct {
        int32_t x, y;
        uint32_t colour;
        Half half;
    } pieces[] = {
        {534, 263, 0x600000, kEven},     {542, 263, 0x600000, kEven},
        {537, 263, 0x810003, kEven},     {546, 263, 0x810000 | 12, kEven},
        {547, 33, 0x700000, kEven},      {547, 38, 0x700000, kEven},
        {547, 37, 0x800004, kEven},      {547, 43, 0x80000A, kEven},
        {72, 392, 0x300000 | 36, kEven}, {18, 336, 0x400000 | 42, kEven},
        {91, 356, 0x400000 | 62, kEven}, {583, 25, 0x700000, kOdd},
        {583, 30, 0x700000, kOdd},       {583, 29, 0x800004, kOdd},
        {583, 35, 0x80000A, kOdd},       {623, 347, 0x200000, kOdd},
        {623, 401, 0x200000, kOdd},      {25, 272, 0xA00000, kBoth},
        {26, 272, 0xA00001, kBoth},      {27, 272, kMarker, kBoth},
        {25, 226, 0xB00000, kBoth},      {27, 226, 0xB00002, kBoth},
        {28, 226, kMarker, kBoth},
    };
    for (const int32_t frameBefore : {1, 2}) {
        Draw(frameBefore);
        const Half half = frameBefore == 1 ? kEven : kOdd;
        for (const auto& piece : pieces) {
            const uint32_t expected =
                piece.half == kBoth || piece.half == half ? piece.colour : kMarker;
            EXPECT_EQ(At(piece.x, piece.y), expected)
                << "(" << piece.x << ", " << piece.y << ") on frame " << frameBefore + 1;
        }
    }
    // A gauge at 0 leaves its empty picture showing.
    g_pPointMannager->extendGauge = 99;
    Draw(1);
    EXPECT_EQ(At(25, 272), 0x900000u);
}

// Ten digits of 10 x 14 from the least significant at x 623 - 10 i - 4 (i / 3), a 4-wide
// separator (source x 100) at 633 - 10 i - 4 (i / 3) for i = 3, 6, 9; the score at y 347 and
// the larger of score and high score, both as unsigned numbers, at y 401.
TEST_F(Hud, NumbersAreTenDigitsWithSeparators) {
    constexpr int32_t kDigitX[10] = {623, 613, 603, 589, 579, 569, 555, 545, 535, 521};
    constexpr int32_t kSeparatorX[3] = {599, 565, 531};
    const struct {
        int32_t score, hiScore;
        const char* shown347;
        const char* shown401;
    } cases[] = {
        {1234567890, 5, "1234567890", "1234567890"},
        {7, 1000000000, "0000000007", "1000000000"},
        {0, 0, "0000000000", "0000000000"},
        {-1, 5, "4294967295", "4294967295"},
    };
    for (const auto& c : cases) {
        g_pPointMannager->score = c.score;
        g_pPointMannager->hiScore = c.hiScore;
        Draw(2);
        for (const auto& [y, shown] : {std::pair{347, c.shown347}, std::pair{401, c.shown401}}) {
            for (int32_t i = 0; i < 10; ++i) {
                const auto digit = static_cast<uint32_t>(shown[9 - i] - '0');
                EXPECT_EQ(At(kDigitX[i], y), 0x200000 | 10 * digit) << shown << " digit " << i;
                EXPECT_EQ(At(kDigitX[i] + 9, y + 13), 0x200000 | (10 * digit + 9));
            }
            for (const int32_t x : kSeparatorX) {
                EXPECT_EQ(At(x, y), 0x200000u | 100) << x;
                EXPECT_EQ(At(x + 3, y), 0x200000u | 103) << x;
            }
        }
    }
}

// Every frame the empty weapon panel at (35, 78), then the 24 x 27 icon of the shot type from
// source row 54, 27 or 0 at (35, 122), (47, 100) or (59, 78).
TEST_F(Hud, ShotTypeIconsStandAtTheirRows) {
    const struct {
        int32_t type, x, y;
        uint32_t sourceY;
    } icons[] = {{0, 35, 122, 54}, {1, 47, 100, 27}, {2, 59, 78, 0}};
    for (const int32_t frameBefore : {1, 2}) {
        for (const auto& icon : icons) {
            g_nShotType = icon.type;
            Draw(frameBefore);
            EXPECT_EQ(At(35, 78), 0x510000u);
            EXPECT_EQ(At(icon.x, icon.y), 0x500000 | icon.sourceY) << icon.type;
            EXPECT_EQ(At(icon.x + 23, icon.y + 26), 0x500000 | (icon.sourceY + 26)) << icon.type;
            EXPECT_EQ(At(icon.x - 1, icon.y), kMarker) << icon.type;
            EXPECT_EQ(At(icon.x + 24, icon.y + 27), kMarker) << icon.type;
        }
    }
}

// The play area alone is presented on odd frames, except on the frame that asks for the
// conversation; the frame picture is drawn only on the first frame after a Start, in four
// pieces taken from the same places of the picture, the lower edge rows 2 to 7 and the upper
// rows 470 to 477.
TEST_F(Hud, PresentFlagAndFramePicture) {
    const struct {
        int32_t frameBefore, nextScene, present;
    } parity[] = {{0, 10, 1}, {1, 10, 0}, {2, 50, 1}, {3, 50, 0}, {0, 100, 0}, {4, 100, 0}};
    for (const auto& c : parity) {
        g_nNextScene = c.nextScene;
        g_bPresentPlayArea = 7;
        Draw(c.frameBefore);
        EXPECT_EQ(g_bPresentPlayArea, c.present) << c.frameBefore << " " << c.nextScene;
    }

    // Destination and the source pixel it must show, as (x, y) pairs.
    const struct {
        int32_t x, y, sx, sy;
    } frame[] = {
        {0, 2, 0, 0},     {131, 477, 131, 475}, {508, 2, 508, 0},     {638, 477, 638, 475},
        {132, 2, 132, 0}, {507, 7, 507, 5},     {132, 470, 132, 468}, {507, 477, 507, 475},
        {300, 8, -1, -1}, {300, 469, -1, -1},   {0, 1, -1, -1},       {639, 478, -1, -1},
    };
    for (const int32_t frameBefore : {0, 1}) {
        Draw(frameBefore);
        for (const auto& f : frame) {
            const bool drawn = frameBefore == 0 && f.sx >= 0;
            const uint32_t expected = drawn ? static_cast<uint32_t>(f.sy << 10 | f.sx) : kMarker;
            EXPECT_EQ(At(f.x, f.y), expected) << "(" << f.x << ", " << f.y << ") " << frameBefore;
        }
    }
}
