#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <numbers>

#include "engine/image.h"
#include "engine/quad.h"

namespace {

constexpr uint32_t kD = 0x406080;
constexpr uint32_t kS = 0xC08040;
constexpr uint32_t kWhite = 0xFFFFFF;

// A source pixel that names its own position; never black, never the colour key.
uint32_t Texel(int64_t col, int64_t row) {
    return static_cast<uint32_t>((row << 8) + col + 1);
}

void FillNamed(CImage32& img, int32_t w, int32_t h) {
    img.Create(w, h);
    for (int32_t r = 0; r < h; ++r) {
        for (int32_t c = 0; c < w; ++c)
            img.pixels[r * w + c] = Texel(c, r);
    }
}

void FillWith(CImage32& img, int32_t w, int32_t h, uint32_t colour) {
    img.Create(w, h);
    for (int64_t i = 0; i < int64_t{w} * h; ++i)
        img.pixels[i] = colour;
}

int64_t CountChanged(const CImage32& img, uint32_t from) {
    int64_t n = 0;
    for (int64_t i = 0; i < int64_t{img.width} * img.height; ++i)
        n += img.pixels[i] != from;
    return n;
}

uint32_t At(const CImage32& img, int32_t x, int32_t y) {
    return img.pixels[y * img.width + x];
}

// An upright quad from (x0, y0) to (x1, y1) showing the source from (u0, v0) to (u1, v1).
QuadVertexList Upright(double x0, double x1, double y0, double y1, double u0, double u1,
                       double v0 = 0.0, double v1 = 1.0) {
    QuadVertexList q;
    q.Add({x0, y0, u0, v0});
    q.Add({x1, y0, u1, v0});
    q.Add({x1, y1, u1, v1});
    q.Add({x0, y1, u0, v1});
    return q;
}

TEST(Quad, ListsHoldFourCornersAndCloseTheLoop) {
    QuadVertexList q = Upright(0, 1, 0, 1, 0, 1);
    EXPECT_FALSE(q.Add({5, 5, 5, 5}));
    EXPECT_EQ(q.count, 4);
    const QuadEdgeList edges(q);
    ASSERT_EQ(edges.count, 4);
    EXPECT_EQ(edges.edges[0].from, &q.vertices[0]);
    EXPECT_EQ(edges.edges[0].to, &q.vertices[1]);
    EXPECT_EQ(edges.edges[3].from, &q.vertices[3]);
    EXPECT_EQ(edges.edges[3].to, &q.vertices[0]);
}

TEST(RotatedBlit, AngleZeroIsTheRectangleAroundTheCentre) {
    CImage32 src, dst;
    FillNamed(src, 30, 20);
    dst.Create(640, 480);
    dst.BltRotatedKey(300, 200, 0.0, 1.0, CDrawMode(2), src, 5, 3, 20, 10);
    EXPECT_EQ(CountChanged(dst, 0), 200);
    for (int32_t k = 0; k < 10; ++k) {
        for (int32_t j = 0; j < 20; ++j)
            ASSERT_EQ(At(dst, 290 + j, 195 + k), Texel(5 + j, 3 + k));
    }
}

TEST(RotatedBlit, QuarterTurnShowsTheSourceTurnedLeft) {
    for (int32_t imageHeight : {10, 11}) {
        SCOPED_TRACE(testing::Message() << "image height " << imageHeight);
        CImage32 src, dst;
        FillNamed(src, 20, imageHeight);
        dst.Create(640, 480);
        dst.BltRotatedKey(300, 200, std::numbers::pi / 2, 1.0, CDrawMode(2), src, 0, 0, 20, 10);
        // Column 295 reads source row 10, one past the rectangle: only an 11-high image has it.
        const int32_t firstColumn = imageHeight == 10 ? 296 : 295;
        EXPECT_EQ(CountChanged(dst, 0), 20 * (305 - firstColumn));
        for (int32_t r = 190; r < 210; ++r) {
            for (int32_t j = firstColumn - 295; j < 10; ++j) {
                ASSERT_EQ(At(dst, 295 + j, r), Texel(r - 190, 10 - j)) << "row " << r;
            }
        }
    }
}

TEST(RotatedBlit, PivotAndOddSizes) {
    CImage32 src, dst;
    FillNamed(src, 21, 11);
    dst.Create(640, 480);
    dst.BltRotatedKeyPivot(300, 200, 0.0, 1.0, CDrawMode(2), src, 0, 0, 20, 10, 2);
    EXPECT_EQ(CountChanged(dst, 0), 200);
    EXPECT_EQ(At(dst, 290, 198), Texel(0, 0));
    EXPECT_EQ(At(dst, 309, 207), Texel(19, 9));

    // 21 x 11 texels squeezed into 20 x 10 pixels.
    CImage32 odd;
    odd.Create(640, 480);
    odd.BltRotatedKey(300, 200, 0.0, 1.0, CDrawMode(2), src, 0, 0, 21, 11);
    EXPECT_EQ(CountChanged(odd, 0), 200);
    EXPECT_NE(At(odd, 290, 195), 0u);
    EXPECT_NE(At(odd, 309, 204), 0u);
}

TEST(Rasteriser, SamplingRules) {
    struct Case {
        const char* what;
        QuadVertexList quad;
        int64_t changed;
        int32_t x, y;     // a pixel to look at
        uint32_t expect;  // what it holds
    };
    QuadVertexList diamond;
    diamond.Add({200, 18.125, 10, 8});
    diamond.Add({204, 20.125, 14, 10});
    diamond.Add({200, 22.125, 10, 12});
    diamond.Add({196, 20.125, 6, 10});
    const Case cases[] = {
        {"rows sample at +0.125, upper row excluded", Upright(200, 204, 10.9, 13.9, 0, 4), 8, 200,
         10, 0},
        {"row 11 is drawn", Upright(200, 204, 10.9, 13.9, 0, 4), 8, 200, 11, Texel(0, 0)},
        {"left cut advances u", Upright(130, 140, 100, 101, 0, 10), 6, 134, 100, Texel(4, 0)},
        {"right cut ends at 508", Upright(500, 515, 100, 101, 0, 15), 9, 508, 100, Texel(8, 0)},
        {"exact 510 reaches 509", Upright(500, 510, 100, 101, 0, 10), 10, 509, 100, Texel(9, 0)},
        {"no sub-pixel correction", Upright(200.75, 205.75, 100, 101, 0, 5), 5, 204, 100,
         Texel(4, 0)},
        {"negative u refused", Upright(200, 210, 100, 101, -2, 8), 8, 201, 100, 0},
        {"u -0.5 is texel -1", Upright(200, 210, 100, 101, -0.5, 9.5), 9, 200, 100, 0},
        {"two hits at one corner skip the row", diamond, 8, 199, 20, 0},
        {"rows beside the corner are drawn", diamond, 8, 198, 19, Texel(8, 9)},
        {"row 468 never drawn", Upright(300, 304, 460, 480, 0, 4, 0, 20), 32, 300, 468, 0},
        {"rows below 8 cut", Upright(300, 304, 0, 12, 0, 4, 0, 12), 16, 300, 8, Texel(0, 8)},
        {"wholly outside the field", Upright(0, 100, 100, 110, 0, 4), 0, 50, 105, 0},
    };
    CImage32 src;
    FillNamed(src, 64, 64);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CImage32 dst;
        dst.Create(640, 480);
        RasteriseQuad(dst, c.quad, src, QuadRule::kKeyedCopy);
        EXPECT_EQ(CountChanged(dst, 0), c.changed);
        EXPECT_EQ(At(dst, c.x, c.y), c.expect);
    }
}

TEST(Rasteriser, PixelRules) {
    struct Case {
        QuadRule rule;
        uint32_t d, s, expect;
    };
    const Case cases[] = {
        {QuadRule::kKeyedAdd, kD, kS, 0xFFE0C0},   {QuadRule::kKeyedAdd, kD, 0, kD},
        {QuadRule::kKeyedAdd, kD, kWhite, kWhite}, {QuadRule::kKeyedAdd, kWhite, kS, kWhite},
        {QuadRule::kKeyedCopy, kD, kS, kS},        {QuadRule::kKeyedCopy, kD, kWhite, kD},
        {QuadRule::kKeyedCopy, kD, 0, 0},          {QuadRule::kBrightCopy, kD, kS, 0xFFE4A4},
        {QuadRule::kBrightCopy, kD, kWhite, kD},   {QuadRule::kBrightCopy, kD, 0, 0x646464},
    };
    for (const Case& c : cases) {
        CImage32 src, dst;
        FillWith(src, 1, 1, c.s);
        FillWith(dst, 640, 480, c.d);
        RasteriseQuad(dst, Upright(300, 301, 100, 101, 0, 1), src, c.rule);
        EXPECT_EQ(At(dst, 300, 100), c.expect) << std::hex << c.d << " " << c.s;
        EXPECT_EQ(CountChanged(dst, c.d), c.expect != c.d ? 1 : 0);
    }

    CImage32 src, add, all, flash;
    FillWith(src, 2, 2, kS);
    FillWith(add, 640, 480, kD);
    FillWith(all, 640, 480, kD);
    FillWith(flash, 640, 480, kD);
    add.BltRotatedAdd(300, 200, 0.0, 1.0, CDrawMode(21), src, 0, 0, 2, 2);
    all.BltRotatedAddAll(300, 200, 0.0, 1.0, CDrawMode(21), src);
    flash.BltRotatedFlash(300, 200, 0.0, 1.0, CDrawMode(21), src, 0, 0, 2, 2, 1);
    EXPECT_EQ(CountChanged(add, kD), 4);
    EXPECT_EQ(At(add, 299, 199), 0xFFE0C0u);
    EXPECT_EQ(CountChanged(all, kD), 4);
    EXPECT_EQ(At(all, 300, 200), 0xFFE0C0u);
    EXPECT_EQ(CountChanged(flash, kD), 4);
    EXPECT_EQ(At(flash, 300, 200), 0xFFE4A4u);
}

// Texel j of a 14-texel strip.
uint32_t StripTexel(int64_t j) {
    return static_cast<uint32_t>(0x010000 * (j + 1));
}

void MakeStrip(CImage32& strip) {
    strip.Create(14, 1);
    for (int32_t j = 0; j < 14; ++j)
        strip.pixels[j] = StripTexel(j);
}

TEST(Beam, AngleZeroIsATaperedBandDownToTheField) {
    CImage32 strip, dst;
    MakeStrip(strip);
    dst.Create(640, 480);
    dst.DrawBeam(300, 400, 0, 480, strip, 10);
    // Row 400 - k shows texels f..13-f, f = 7 - 7k/128, at columns 295..308.
    for (int32_t r = 0; r < 480; ++r) {
        for (int32_t c = 0; c < 640; ++c) {
            const int64_t k = 400 - r;
            const int64_t j = c - 295;
            const int64_t f = k < 128 ? 7 - 7 * k / 128 : 0;
            const bool lit = r >= 8 && k >= 0 && j >= f && j <= 13 - f;
            ASSERT_EQ(At(dst, c, r), lit ? StripTexel(j) : 0u) << c << "," << r;
        }
    }

    // The length limits the rows.
    CImage32 shortBeam;
    shortBeam.Create(640, 480);
    shortBeam.DrawBeam(300, 400, 0, 50, strip, 10);
    EXPECT_EQ(CountChanged(shortBeam, 0), 18 * 2 + 13 * 4);
}

TEST(Beam, SpansClipAndSecondPass) {
    CImage32 strip;
    MakeStrip(strip);

    // At 60 degrees a row spans trunc(14 / 0.5000000000000001) = 27 columns.
    CImage32 steep;
    steep.Create(640, 480);
    steep.DrawBeam(200, 400, 60, 480, strip, 0);
    int32_t lit = 0;
    for (int32_t c = 0; c < 640; ++c)
        lit += At(steep, c, 270) != 0;
    EXPECT_EQ(lit, 27);

    // Columns stop at 510, rows at 469.
    CImage32 edge;
    edge.Create(640, 480);
    edge.DrawBeam(505, 300, 0, 480, strip, 0);
    EXPECT_NE(At(edge, 510, 100), 0u);
    EXPECT_EQ(At(edge, 511, 100), 0u);
    edge.DrawBeam(130, 300, 0, 480, strip, 0);
    EXPECT_NE(At(edge, 134, 100), 0u);
    EXPECT_EQ(At(edge, 133, 100), 0u);
    CImage32 up;
    up.Create(640, 480);
    up.DrawBeam(300, 440, 180, 480, strip, 0);
    EXPECT_NE(CountChanged(up, 0), 0);
    for (int32_t c = 0; c < 640; ++c)
        EXPECT_EQ(At(up, c, 470), 0u);
    int32_t top = 0;
    for (int32_t c = 0; c < 640; ++c)
        top += At(up, c, 469) != 0;
    EXPECT_EQ(top, 2);

    // At 90 degrees the first pass is skipped and the second paints at 0 degrees, upward.
    CImage32 side;
    side.Create(640, 480);
    side.DrawBeam(300, 200, 90, 480, strip, 10);
    EXPECT_EQ(At(side, 301, 200 + 19), StripTexel(6));
    EXPECT_EQ(At(side, 301, 200 - 19), 0u);

    // Near-vertical and absurd arguments stay inside the beam's clip; a strip without rows
    // draws nothing.
    CImage32 wild, empty;
    wild.Create(640, 480);
    empty.Create(14, 0);
    wild.DrawBeam(300, 200, 0, 480, empty, 10);
    EXPECT_EQ(CountChanged(wild, 0), 0);
    for (int32_t angle : {89, 90, -90, 270, 91, INT32_MAX, INT32_MIN}) {
        wild.DrawBeam(300, 200, angle, 480, strip, 10);
        wild.DrawBeam(INT32_MIN, INT32_MAX, angle, INT32_MAX, strip, INT32_MAX);
        wild.DrawBeam(300, 200, angle, 480, strip, INT32_MIN);
    }
    for (int32_t r = 0; r < 480; ++r) {
        for (int32_t c = 0; c < 640; ++c) {
            if (r < 8 || r > 469 || c < 134 || c > 510) {
                ASSERT_EQ(At(wild, c, r), 0u);
            }
        }
    }
}

}  // namespace
