#include "shooting/effect.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/random.h"
#include "tools/assets/assets.h"

namespace assets {
void AddEffectAssets(AssetList& list);
}

namespace {

// A manager of its own per test, on the heap: it is too large for the stack.
std::unique_ptr<CEffectMannager> MakeManager() {
    auto m = std::make_unique<CEffectMannager>();
    m->Reset();
    return m;
}

// Runs an effect until it leaves play: the frame on which it did (0 when it had not within
// `limit` frames), the frames on which it showed and the first of them.
struct Life {
    int endFrame = 0;
    int shown = 0;
    int firstShown = 0;
};
Life RunOut(CEffect& e, int limit = 2000) {
    Life life;
    for (int t = 1; t <= limit; ++t) {
        const int32_t r = e.Move();
        if (e.alive == 0) {
            life.endFrame = t;
            break;
        }
        if (r == kEffectBlankImage) continue;
        if (life.shown++ == 0) life.firstShown = t;
    }
    return life;
}

TEST(EffectRings, HandOutFromSlotOneAndWrap) {
    auto m = MakeManager();
    for (int i = 1; i <= 500; ++i)
        m->AddMid(i, 0, 22, 0, 0, 0);
    EXPECT_EQ(m->mid[1].x, 1.0);
    EXPECT_EQ(m->mid[0].x, 500.0);
    // The 501st spawn takes slot 1 again although its effect is still in play.
    m->AddMidEx(7, 8, 1, 0, 0, 0, 3, 4);
    EXPECT_EQ(m->midIndex, 1);
    EXPECT_EQ(m->mid[1].kind, 1);
    EXPECT_EQ(m->mid[1].paramB, 3);
    EXPECT_EQ(m->mid[1].paramA, 4);
    for (int i = 1; i <= 101; ++i)
        m->AddFrontEx(i, 0, 22, 0, 0, 0, 0, 0);
    EXPECT_EQ(m->front[1].x, 101.0);
    EXPECT_EQ(m->backIndex, 0);

    // Images outside the table are refused without using a slot.
    m->AddBack(0, 0, 29, 0, 0, 0);
    m->AddMid(0, 0, 0, -1, 0, 0);
    EXPECT_EQ(m->backIndex, 0);
    EXPECT_EQ(m->midIndex, 1);

    // A reset ends even the effects that never end by themselves, and starts every slot's
    // animation step again.
    m->mid[0].step = 7;
    m->back[499].step = 3;
    m->front[99].step = 5;
    m->Reset();
    EXPECT_EQ(m->mid[0].step + m->back[499].step + m->front[99].step, 0);
    EXPECT_EQ(m->midIndex, 0);
    EXPECT_EQ(m->frontIndex, 0);
    EXPECT_EQ(m->mid[0].alive, 0);
    EXPECT_EQ(m->mid[0].scale, 1.01);
}

TEST(EffectRings, SpawnSetsTheCellAndLeavesTheStep) {
    auto m = MakeManager();
    m->mid[1].step = 7;
    m->mid[1].scale = 3.0;
    m->AddMidCell(10, 20, 18, 0, 2.0f, 1.0f, 1, 0, 40, 9);
    CEffect& e = m->mid[1];
    EXPECT_EQ(e.srcY, 40);
    EXPECT_EQ(e.cellH, 9);
    EXPECT_EQ(e.cellW, 60);
    EXPECT_EQ(e.scale, 1.0);
    // The particle strip goes on from the previous occupant's step.
    EXPECT_EQ(e.Move(), 18);
    EXPECT_EQ(e.srcX, 140 + 7 * 8);
    EXPECT_EQ(e.y, 19.0);
    EXPECT_DOUBLE_EQ(e.vx, 1.8);

    // A second image draws from that image with its cell size, whatever the kind.
    m->AddMidEx(0, 0, 8, 1, 0, 0, 2, 5);
    EXPECT_EQ(m->mid[2].cellW, 100);
    EXPECT_EQ(m->mid[2].Move(), 1);
    EXPECT_EQ(m->mid[2].srcX, 200);
}

TEST(EffectKinds, ExplosionsDrawTheirDelayOnTheFirstFrame) {
    auto m = MakeManager();
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRand(seed);
        m->AddMidEx(300, 200, 0, 0, 0, 0, 2, 5);
        CEffect& e = m->mid[m->midIndex];
        const uint64_t before = RandDraws();
        e.Move();
        EXPECT_EQ(RandDraws(), before + 1);
        const Life life = RunOut(e);
        EXPECT_EQ(RandDraws(), before + 1);
        EXPECT_GE(e.delay, 5);
        EXPECT_LE(e.delay, 14);
        // Frames counted from the second one: shown on delay .. delay + 9, over after that.
        EXPECT_EQ(life.firstShown + 1, e.delay);
        EXPECT_EQ(life.shown, 10);
        EXPECT_EQ(life.endFrame + 1, e.delay + 10);
    }

    // Seeded with 1 the draw is 130: ten cells of 40 from x 800 on frames 5 to 14.
    SeedRand(1);
    m->AddMidEx(300, 200, 0, 0, 0, 0, 2, 5);
    CEffect& e = m->mid[m->midIndex];
    for (int t = 1; t <= 4; ++t)
        EXPECT_EQ(e.Move(), kEffectBlankImage);
    EXPECT_EQ(e.Move(), 0);
    EXPECT_EQ(e.srcX, 800);
    for (int t = 6; t <= 14; ++t)
        e.Move();
    EXPECT_EQ(e.srcX, 800 + 360);

    // Kind 14 shows 19 frames, a cell every other frame; kind 26 starts at once and draws
    // nothing.
    SeedRand(1);
    m->AddMidEx(0, 0, 14, 0, 0, 0, 1, 1);
    const uint64_t before = RandDraws();
    const Life big = RunOut(m->mid[m->midIndex]);
    EXPECT_EQ(RandDraws(), before + 1);
    EXPECT_EQ(big.firstShown, 1);
    EXPECT_EQ(big.shown, 19);
    EXPECT_EQ(m->mid[m->midIndex].delay, 1);
    m->AddMidEx(0, 0, 26, 0, 0, 0, 1, 0);
    CEffect& k26 = m->mid[m->midIndex];
    for (int t = 1; t <= 18; ++t) {
        EXPECT_EQ(k26.Move(), 26);
        EXPECT_EQ(k26.srcX, 800 + 80 * (t / 2));
    }
    EXPECT_EQ(RandDraws(), before + 1);
}

TEST(EffectKinds, OnlyExplosionsDrawRandomNumbers) {
    auto m = MakeManager();
    const uint64_t before = RandDraws();
    for (int32_t kind = 1; kind < kEffectImageCount; ++kind) {
        if (kind == 14) continue;
        m->AddMidEx(300, 200, kind, 0, 1.0f, 1.0f, 1, 3);
        RunOut(m->mid[m->midIndex], 200);
    }
    EXPECT_EQ(RandDraws(), before);
}

TEST(EffectKinds, FadesAndLifetimes) {
    struct Case {
        int32_t kind, a;
        int endFrame, shown;
        int32_t levelAfter;
    };
    const Case cases[] = {
        {17, 0, 22, 21, 255},   {18, 0, 15, 14, 255}, {20, 0, 4, 3, 255},   {12, 0, 26, 25, -5},
        {21, 600, 17, 16, 255}, {1, 0, 29, 28, 255},  {10, 0, 29, 28, 255}, {4, 0, 2, 1, 255},
        {5, 0, 14, 13, 255},    {13, 0, 15, 14, 255}, {16, 0, 24, 23, 255}, {8, 40, 41, 40, 255},
        {19, 100, 2, 1, 255},   {15, 3, 17, 13, 255}, {17, 5, 27, 21, 255}, {7, 0, 121, 120, 255},
        {2, 0, 30, 29, 255},
    };
    auto m = MakeManager();
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        m->AddMidEx(300, 200, c.kind, 0, 0, 0, 0, c.a);
        CEffect& e = m->mid[m->midIndex];
        const Life life = RunOut(e);
        EXPECT_EQ(life.endFrame, c.endFrame);
        EXPECT_EQ(life.shown, c.shown);
        EXPECT_EQ(e.draw.level, c.levelAfter);
    }

    // The bomb flash: 2.4 on its first frame, 0.01 from frame 25.
    m->AddMidEx(300, 200, 2, 0, 0, 0, 0, 0);
    CEffect& flash = m->mid[m->midIndex];
    flash.Move();
    EXPECT_DOUBLE_EQ(flash.scale, 2.4);
    for (int t = 2; t <= 25; ++t)
        flash.Move();
    EXPECT_EQ(flash.scale, 0.01);

    // Kind 19 shows the top A rows of the beam picture, all 353 when A is taller.
    m->AddMidEx(0, 0, 19, 0, 0, 0, 3, 100);
    m->mid[m->midIndex].Move();
    EXPECT_EQ(m->mid[m->midIndex].srcY, 253);
    EXPECT_EQ(m->mid[m->midIndex].cellH, 100);
    m->AddMidEx(0, 0, 19, 0, 0, 0, 0, 400);
    m->mid[m->midIndex].Move();
    EXPECT_EQ(m->mid[m->midIndex].cellH, 353);

    // Kind 21 below 40 never fades, and the glows never end by themselves.
    for (int32_t kind : {21, 22, 23, 24, 25, 27, 28}) {
        m->AddMidEx(300, 200, kind, 0, 0, 0, 0, 39);
        EXPECT_EQ(RunOut(m->mid[m->midIndex], 1000).endFrame, 0) << "kind " << kind;
    }
}

TEST(EffectKinds, SparksLeaveTheFieldAndSwayersSwing) {
    // Kind 3 moves, then ends once y + 6 < 8, x + 6 < 134 or x > 510.
    struct Case {
        int32_t x, y;
        float vy;
        int endFrame;
    };
    const Case cases[] = {{300, 1, 0, 1},   {300, 2, 0, 0},   {127, 200, 0, 1},  {128, 200, 0, 0},
                          {511, 200, 0, 1}, {510, 200, 0, 0}, {300, 200, 20, 10}};
    auto m = MakeManager();
    for (const Case& c : cases) {
        m->AddMid(c.x, c.y, 3, 0, 0, c.vy);
        EXPECT_EQ(RunOut(m->mid[m->midIndex], 50).endFrame, c.endFrame) << c.x << "," << c.y;
    }

    // Kinds 6 and 7 sit at x = 200 + 70 sin(+-3t degrees): 235 and 165 at t = 10.
    m->AddMid(0, 0, 6, 0, 0, 0);
    m->AddMid(0, 0, 7, 0, 0, 0);
    for (int t = 1; t <= 10; ++t) {
        m->mid[m->midIndex - 1].Move();
        m->mid[m->midIndex].Move();
    }
    EXPECT_NEAR(m->mid[m->midIndex - 1].x, 235.0, 1e-9);
    EXPECT_NEAR(m->mid[m->midIndex].x, 165.0, 1e-9);
}

TEST(EffectLayers, ThePlayerDeathExplosionsDrawFortyOneInThePass) {
    auto m = MakeManager();
    CImage32 dest;
    dest.Create(640, 480);
    // Ring particles (kind 17) draw nothing; the explosion and the 40 sparks draw one each on
    // their first pass and none after.
    m->AddMidEx(267, 20, 14, 0, 0, 0, 0, 5);
    for (int i = 0; i < 20; ++i)
        m->AddMidEx(297, 7, 17, 22, 1.0f, 1.0f, 3, 0);
    for (int i = 0; i < 40; ++i)
        m->AddMidEx(267, 20, i % 2 == 0 ? 14 : 0, 0, 0, 0, 0, 5);
    const uint64_t before = RandDraws();
    m->UpdateMid(dest);
    EXPECT_EQ(RandDraws(), before + 41);
    m->UpdateMid(dest);
    m->UpdateBack(dest);
    m->UpdateFront(dest);
    EXPECT_EQ(RandDraws(), before + 41);
}

TEST(EffectLayers, DrawnUnscaledFromTheCornerOrScaledAroundTheCentre) {
    auto m = MakeManager();
    // Sheets of plain colours, so each drawn pixel tells which image it came from.
    const auto colour = [](int image) { return 0x010101u * static_cast<uint32_t>(image + 1); };
    for (int i : {0, 1, 4, 10}) {
        m->images[i].Create(1000, 500);
        for (int32_t p = 0; p < 1000 * 500; ++p)
            m->images[i].pixels[p] = colour(i);
    }
    CImage32 dest;
    dest.Create(640, 480);
    const auto at = [&](int32_t x, int32_t y) { return *dest.GetPixelAddress(x, y); };

    // A waiting explosion shows nothing; then its 40x40 cell sits on (trunc x, trunc y).
    SeedRand(1);
    m->AddMidEx(300, 200, 0, 0, 0.5f, 0, 0, 5);
    for (int t = 1; t <= 4; ++t)
        m->UpdateMid(dest);
    EXPECT_EQ(at(302, 200), 0u);
    m->UpdateMid(dest);
    EXPECT_EQ(at(302, 200), colour(0));
    EXPECT_EQ(at(341, 239), colour(0));
    EXPECT_EQ(at(301, 200), 0u);
    EXPECT_EQ(at(342, 239), 0u);

    // Kind 4 with image 1 as its second image: image 1 over image 1's 100x100 cell.
    m->AddBack(200, 300, 4, 1, 0, 0);
    m->UpdateBack(dest);
    EXPECT_EQ(at(200, 300), colour(1));
    EXPECT_EQ(at(299, 399), colour(1));
    EXPECT_EQ(at(300, 399), 0u);

    // Kind 10 at scale 1.03: 133 pixels square, centred on its position.
    m->AddFrontEx(400, 100, 10, 0, 0, 0, 0, 0);
    m->UpdateFront(dest);
    EXPECT_EQ(at(400 - 66, 100), colour(10));
    EXPECT_EQ(at(400 - 67, 100), 0u);
    EXPECT_EQ(at(400 + 66, 100 + 66), colour(10));
    EXPECT_EQ(at(400 + 67, 100), 0u);
}

TEST(EffectLayers, LaserBeamFrameHangsCentredFromItsTop) {
    g_LazerImage.Create(387, 353);
    for (int32_t y = 0; y < 353; ++y) {
        for (int32_t x = 129; x < 258; ++x)
            g_LazerImage.SetPixel(x, y, 0x405060);
    }
    g_BackBuffer.Create(kScreenWidth, kScreenHeight);
    g_EffectMannager.DrawLaserBeam(300, 400, 129, 353, 1, 1.0);
    const auto at = [](int32_t x, int32_t y) { return *g_BackBuffer.GetPixelAddress(x, y); };
    EXPECT_EQ(at(235, 47), 0x405060u);  // left = trunc(300 - 64.5)
    EXPECT_EQ(at(234, 47), 0u);
    EXPECT_EQ(at(363, 399), 0x405060u);
    EXPECT_EQ(at(364, 399), 0u);
    EXPECT_EQ(at(300, 400), 0u);
    EXPECT_EQ(at(300, 46), 0u);
    g_BackBuffer.Create(kScreenWidth, kScreenHeight);
    g_LazerImage.Create(1, 1);
}

// Every sheet holds each cell any spawn reads from it.
TEST(EffectAssets, SheetsHoldEveryCell) {
    assets::AssetList list;
    assets::AddEffectAssets(list);
    const int32_t minWidth[kEffectImageCount] = {
        2400, 600, 960, 216, 130, 407,  1,   553, 336, 4,   260, 840,  60,  120, 3200,
        140,  2,   235, 540, 180, 1152, 231, 240, 79,  387, 270, 1600, 560, 714};
    for (int i = 0; i < kEffectImageCount; ++i) {
        SCOPED_TRACE(kEffectImageFiles[i]);
        const assets::AssetFile* file = nullptr;
        for (const auto& f : list) {
            if (f.path == kEffectImageFiles[i]) file = &f;
        }
        ASSERT_NE(file, nullptr);
        CImageShooting image;
        image.LoadFromMemory(file->bytes.data(), file->bytes.size());
        EXPECT_GE(image.width, minWidth[i]);
        EXPECT_GE(image.height, EffectCellTable[i].h);
    }
}

}  // namespace
