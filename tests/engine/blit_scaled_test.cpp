#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "engine/image.h"

namespace {

constexpr uint32_t kD = 0x406080;
constexpr uint32_t kS = 0xC08040;
constexpr uint32_t kWhite = 0xFFFFFF;

// A source pixel that names its own position; never black, never the colour key.
uint32_t Texel(int64_t col, int64_t row) {
    return static_cast<uint32_t>((row << 16) + col + 1);
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

// The source column each of n pixels of a row shows (-1 where untouched), for a one-row
// source drawn onto black by an add, which leaves the source pixel itself.
std::vector<int64_t> ColumnsRead(const CImage32& dst, int32_t x, int32_t y, int32_t n) {
    std::vector<int64_t> cols;
    for (int32_t i = 0; i < n; ++i) {
        const uint32_t p = *dst.GetPixelAddress(x + i, y);
        cols.push_back(p == 0 ? -1 : static_cast<int64_t>(p & 0xFFFF) - 1);
    }
    return cols;
}

int64_t CountChanged(const CImage32& img, uint32_t from) {
    int64_t n = 0;
    for (int64_t i = 0; i < int64_t{img.width} * img.height; ++i)
        n += img.pixels[i] != from;
    return n;
}

TEST(ScaledBlit, WalkVectors) {
    struct Case {
        double scale;
        int32_t mode, w, imageWidth;
        std::vector<int64_t> expect;  // one entry past the drawn run, which stays untouched
    };
    std::vector<int64_t> twiceKeyed, twiceAdd, twiceAddEdge;
    for (int64_t i = 0; i < 80; ++i) {
        twiceKeyed.push_back(i / 2);
        twiceAdd.push_back((i + 1) / 2);
    }
    twiceKeyed.push_back(-1);
    twiceAdd.push_back(-1);
    twiceAddEdge = twiceAdd;
    twiceAddEdge[79] = -1;  // column 40 does not exist in a 40-wide image
    const Case cases[] = {
        {2.0, 2, 40, 40, twiceKeyed},
        {2.0, 10, 40, 41, twiceAdd},
        {2.0, 10, 40, 40, twiceAddEdge},
        {1.5, 10, 10, 10, {0, 1, 1, 2, 3, 3, 4, 5, 5, 6, 7, 7, 8, 9, 9, -1}},
        {1.5, 2, 10, 10, {0, 0, 1, 1, 2, 3, 3, 4, 5, 5, 6, 7, 7, 8, 9, -1}},
        {1.0, 10, 10, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1}},
        {0.5, 10, 10, 10, {0, 2, 4, 6, 8, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << " mode " << c.mode);
        CImage32 src, dst;
        FillNamed(src, c.imageWidth, 1);
        dst.Create(640, 480);
        dst.BltScaled(CDrawMode(c.mode), 300, 100, src, c.scale, 0, 0, c.w, 2);
        EXPECT_EQ(ColumnsRead(dst, 300, 100, static_cast<int32_t>(c.expect.size())), c.expect);
    }
}

TEST(ScaledBlit, RowsStepWithoutAdvancingFirst) {
    CImage32 src, dst;
    FillNamed(src, 1, 10);
    dst.Create(640, 480);
    dst.BltScaled(CDrawMode(10), 300, 100, src, 1.5, 0, 0, 1, 10);
    const int64_t rows[] = {0, 0, 1, 1, 2, 3, 3, 4, 5, 5, 6, 7, 7, 8, 9};
    for (int32_t k = 0; k < 15; ++k)
        EXPECT_EQ(dst.pixels[(100 + k) * 640 + 300], Texel(0, rows[k]));
    EXPECT_EQ(dst.pixels[115 * 640 + 300], 0u);
}

TEST(ScaledBlit, ClipVectors) {
    struct Case {
        int32_t x, w;
        double scale;
        int32_t first, last;
        int64_t firstRead, lastRead;
    };
    const Case cases[] = {
        {480, 40, 2.0, 480, 507, 0, 14},
        {300, 40, 2.0, 300, 379, 0, 40},
        {500, 20, 1.0, 500, 508, 0, 8},
        {500, 40, 0.5, 500, 508, 0, 16},
        {490, 20, 1.5, 490, 507, 0, 11},
        {120, 20, 1.0, 134, 140, 14, 20},
        // Ending at 509 keeps the row; ending at 510 cuts it to ((6 x 43690) >> 16) - 1 = 2.
        {503, 4, 1.5, 503, 508, 0, 3},
        {504, 4, 1.5, 504, 506, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " w " << c.w << " scale " << c.scale);
        CImage32 src, dst;
        FillNamed(src, 100, 1);
        dst.Create(640, 480);
        dst.BltScaled(CDrawMode(10), c.x, 100, src, c.scale, 0, 0, c.w, 4);
        const std::vector<int64_t> row = ColumnsRead(dst, 0, 100, 640);
        std::vector<int32_t> written;
        for (int32_t col = 0; col < 640; ++col) {
            if (row[col] >= 0) written.push_back(col);
        }
        ASSERT_EQ(written.size(), static_cast<size_t>(c.last - c.first + 1));
        EXPECT_EQ(written.front(), c.first);
        EXPECT_EQ(row[c.first], c.firstRead);
        EXPECT_EQ(row[c.last], c.lastRead);
    }
}

TEST(ScaledBlit, LeftCutUsesSixtyFourBitProducts) {
    // (133 + 300) * 6553600 passes 2^31: the cut is 43300 columns and the source moves on
    // 43400, leaving 67 pixels that read every 100th column.
    CImage32 src, dst;
    FillNamed(src, 50100, 1);
    dst.Create(640, 480);
    dst.BltScaled(CDrawMode(10), -300, 100, src, 0.01, 0, 0, 50000, 100);
    const std::vector<int64_t> row = ColumnsRead(dst, 134, 100, 68);
    for (int64_t i = 0; i < 67; ++i)
        EXPECT_EQ(row[i], 43400 + 100 * i);
    EXPECT_EQ(row[67], -1);
    EXPECT_EQ(CountChanged(dst, 0), 67);

    CImage32 blank;
    blank.Create(640, 480);
    blank.BltScaled(CDrawMode(10), -1000, 100, src, 0.01, 0, 0, 40, 100);
    EXPECT_EQ(CountChanged(blank, 0), 0);
}

TEST(ScaledBlit, KernelTable) {
    struct Case {
        int32_t mode, level;
        uint32_t s, expect;
    };
    const Case cases[] = {
        {10, 100, kS, 0xFFE0C0},
        {10, 0, kS, 0xFFE0C0},
        {10, 100, 0, kD},
        {2, 100, kS, kS},
        {2, 100, kWhite, kD},
        {4, 100, kS, 0x303020},
        {4, 100, 0, 0},
        {4, 100, kWhite, 0x3F5F7F},
        {20, 100, kS, 0x8B9299},
        {3, 255, kS, 0xFFE0C0},
        {21, 100, kS, 0x8B9299},
        {21, 100, kWhite, 0xA4C4E4},
        {21, 255, kWhite, kWhite},
        {0, 100, kS, 0x8B9299},
        {21, 100, 0, kD},
    };
    for (double scale : {1.0, 2.0}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "mode " << c.mode << " level " << c.level << " scale " << scale);
            CImage32 src, dst;
            FillWith(src, 1, 1, c.s);
            FillWith(dst, 640, 480, kD);
            dst.BltScaled(CDrawMode(c.mode, c.level), 300, 100, src, scale, 0, 0, 1, 1);
            EXPECT_EQ(dst.pixels[100 * 640 + 300], c.expect);
        }
    }
}

TEST(ScaledBlit, CentredForms) {
    CImage32 src, dst;
    FillWith(src, 100, 100, kS);
    dst.Create(640, 480);
    dst.BltScaledCentred(CDrawMode(10), 300, 200, src, 0.5);
    EXPECT_EQ(CountChanged(dst, 0), 50 * 50);
    EXPECT_EQ(dst.pixels[175 * 640 + 275], kS);
    EXPECT_EQ(dst.pixels[224 * 640 + 324], kS);

    CImage32 rect;
    rect.Create(640, 480);
    rect.BltScaledCentredRect(CDrawMode(10), 300, 200, src, 2.0, 10, 10, 40, 20);
    EXPECT_EQ(CountChanged(rect, 0), 80 * 40);
    EXPECT_EQ(rect.pixels[180 * 640 + 260], kS);
    EXPECT_EQ(rect.pixels[219 * 640 + 339], kS);
}

TEST(ScaledBlit, GuardsLeaveEverythingInRange) {
    CImage32 src, one;
    FillNamed(src, 40, 40);
    FillWith(one, 1, 1, kS);
    const double badScales[] = {0.0, -1.0, std::nan(""), std::numeric_limits<double>::infinity()};
    for (double scale : badScales) {
        CImage32 dst;
        dst.Create(640, 480);
        dst.BltScaled(CDrawMode(10), 300, 100, src, scale, 0, 0, 40, 40);
        dst.BltScaledAll(CDrawMode(2), 300, 100, src, scale);
        dst.BltScaledCentred(CDrawMode(21), 300, 100, src, scale);
        dst.BltScaledCentredRect(CDrawMode(4), 300, 100, src, scale, 0, 0, 40, 40);
        dst.BltScaledFlicker(300, 100, src, 0, 0, 40, 40, scale);
        EXPECT_EQ(CountChanged(dst, 0), 0) << "scale " << scale;
    }

    // A 1x1 image under a 1000x1000 rectangle at scale 2: only the four pixels that read
    // (0, 0) are drawn.
    CImage32 dst;
    dst.Create(640, 480);
    dst.BltScaled(CDrawMode(2), 300, 100, one, 2.0, 0, 0, 1000, 1000);
    EXPECT_EQ(CountChanged(dst, 0), 4);
    EXPECT_EQ(dst.pixels[101 * 640 + 301], kS);

    // Rectangles reaching past either side of the image draw only the columns that exist.
    CImage32 strip, right, left;
    FillNamed(strip, 40, 1);
    right.Create(640, 480);
    right.BltScaled(CDrawMode(2), 300, 100, strip, 1.0, 30, 0, 20, 1);
    EXPECT_EQ(ColumnsRead(right, 308, 100, 4), (std::vector<int64_t>{38, 39, -1, -1}));
    left.Create(640, 480);
    left.BltScaled(CDrawMode(2), 300, 100, strip, 1.0, -5, 0, 10, 1);
    EXPECT_EQ(ColumnsRead(left, 303, 100, 4), (std::vector<int64_t>{-1, -1, 0, 1}));

    // Extremes stay inside the field of a small destination and of the back buffer.
    CImage32 small;
    small.Create(200, 200);
    small.BltScaled(CDrawMode(10), 150, 50, src, 2.0, 0, 0, 40, 40);
    EXPECT_EQ(CountChanged(small, 0), 50 * 80);
    CImage32 big;
    big.Create(640, 480);
    for (double scale : {1e-300, 3e-5, 1e6, 1e300}) {
        big.BltScaled(CDrawMode(10), INT32_MIN, INT32_MIN, src, scale, 0, 0, INT32_MAX, INT32_MAX);
        big.BltScaled(CDrawMode(2), 133, 8, src, scale, INT32_MIN, INT32_MAX, INT32_MAX, 40);
        big.BltScaledCentred(CDrawMode(2), 300, 200, src, scale);
        big.BltScaledFlicker(INT32_MIN, INT32_MIN, src, 0, 0, INT32_MAX, INT32_MAX, scale);
    }
    for (int32_t r = 0; r < 480; ++r) {
        for (int32_t c = 0; c < 640; ++c) {
            if (r < 8 || r > 468 || c < 134 || c > 509) {
                ASSERT_EQ(big.pixels[r * 640 + c], 0u);
            }
        }
    }
}

TEST(Darken, ClampsTheLevelAndClipsTheRectangle) {
    CImage32 img;
    FillWith(img, 8, 8, kD);
    img.Darken(-5);
    EXPECT_EQ(CountChanged(img, kD), 0);
    img.Darken(80);
    EXPECT_EQ(CountChanged(img, 0x001030), 0);
    img.Darken(300);
    EXPECT_EQ(CountChanged(img, 0), 0);

    FillWith(img, 8, 8, kD);
    img.DarkenRect(255, -4, 4, 8, 8);
    for (int32_t r = 0; r < 8; ++r) {
        for (int32_t c = 0; c < 8; ++c) {
            EXPECT_EQ(img.pixels[r * 8 + c], c < 4 && r >= 4 ? 0u : kD) << c << "," << r;
        }
    }
    img.DarkenRect(255, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_EQ(CountChanged(img, kD), 16);
}

// Exits with 0 when the first flicker blit blends by screen: (100, 100, 100) under (200, 0, 0)
// gives (222, 100, 100).
[[noreturn]] void DrawFirstFlickerAndExit() {
    CImage32 src;
    CImage32 dst;
    FillWith(src, 1, 1, 0xC80000);
    FillWith(dst, 640, 480, 0x646464);
    dst.BltScaledFlicker(300, 100, src, 0, 0, 1, 1, 1.0);
    std::exit(dst.pixels[100 * 640 + 300] == 0xDE6464u ? 0 : 1);
}

TEST(FlickerBlit, FirstCallOfAFreshProcessScreens) {
    // The threadsafe style runs the statement in a new run of this program, where no flicker
    // blit has been drawn yet.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(DrawFirstFlickerAndExit(), testing::ExitedWithCode(0), "");
}

TEST(FlickerBlit, AlternatesScreenAndAdd) {
    g_bFlickerAdd = false;
    CImage32 src, dst;
    FillWith(src, 1, 1, 0xC80000);
    FillWith(dst, 640, 480, 0x646464);
    dst.BltScaledFlicker(300, 100, src, 0, 0, 1, 1, 1.0);
    EXPECT_EQ(dst.pixels[100 * 640 + 300], 0xDE6464u);
    dst.BltScaledFlicker(300, 100, src, 0, 0, 1, 1, 1.0);
    EXPECT_EQ(dst.pixels[100 * 640 + 300], 0xFF6464u);
    EXPECT_FALSE(g_bFlickerAdd);
    // Every call flips the blend, also one that draws nothing.
    dst.BltScaledFlicker(300, 100, src, 0, 0, 1, 1, 0.0);
    EXPECT_TRUE(g_bFlickerAdd);

    for (bool add : {false, true}) {
        g_bFlickerAdd = add;
        CImage32 white;
        FillWith(white, 1, 1, kWhite);
        FillWith(dst, 640, 480, kD);
        dst.BltScaledFlicker(300, 100, white, 0, 0, 1, 1, 1.0);
        EXPECT_EQ(dst.pixels[100 * 640 + 300], kWhite);
    }
}

TEST(FlickerBlit, RowsOneToOneAndWidthWalk) {
    CImage32 src, dst;
    FillNamed(src, 3, 40);
    dst.Create(640, 480);
    dst.BltScaledFlicker(300, 4, src, 0, 0, 3, 20, 2.0);
    EXPECT_EQ(dst.pixels[7 * 640 + 300], 0u);
    EXPECT_EQ(dst.pixels[8 * 640 + 300], Texel(0, 4));    // rows below 8 are cut off the source
    EXPECT_EQ(dst.pixels[23 * 640 + 302], Texel(1, 19));  // scale 2 steps before reading
    EXPECT_EQ(dst.pixels[8 * 640 + 305], 0u);             // column 3 does not exist

    CImage32 top;
    top.Create(640, 480);
    top.BltScaledFlicker(300, 460, src, 0, 0, 3, 20, 1.0);
    EXPECT_EQ(top.pixels[468 * 640 + 300], Texel(0, 8));
    EXPECT_EQ(CountChanged(top, 0), 9 * 3);
    top.BltScaledFlicker(300, 470, src, 0, 0, 3, 20, 1.0);
    EXPECT_EQ(CountChanged(top, 0), 9 * 3);
}

TEST(Spans, VectorTable) {
    uint32_t p[20];
    for (int32_t i = 0; i < 20; ++i)
        p[i] = Texel(i, 0);
    struct Case {
        bool vertical;
        int32_t mode, x, y, count;
        int32_t first, last, firstIndex;  // columns or rows written, and the P entry of the first
    };
    const Case cases[] = {
        {true, 10, 200, 5, 10, 8, 14, 3},        {true, 10, 200, 460, 20, 460, 466, 0},
        {true, 10, 134, 100, 10, 0, -1, 0},      {true, 10, 508, 100, 10, 0, -1, 0},
        {true, 10, 135, 100, 3, 100, 102, 0},    {false, 10, 500, 100, 20, 500, 507, 0},
        {false, 10, 120, 100, 20, 134, 139, 14}, {false, 10, 300, 469, 20, 0, -1, 0},
        {false, 2, 300, 100, 20, 0, -1, 0},      {true, 2, 200, 100, 20, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.vertical ? "V" : "H") << " x " << c.x << " y " << c.y
                                        << " mode " << c.mode);
        CImage32 dst;
        dst.Create(640, 480);
        const CDrawMode dm(c.mode);
        if (c.vertical) {
            dst.AddSpanV(dm, c.x, c.y, p, c.count);
        } else {
            dst.AddSpanH(dm, c.x, c.y, p, c.count);
        }
        EXPECT_EQ(CountChanged(dst, 0), c.last - c.first + 1);
        for (int32_t k = c.first; k <= c.last; ++k) {
            const int64_t at = c.vertical ? int64_t{k} * 640 + c.x : int64_t{c.y} * 640 + k;
            EXPECT_EQ(dst.pixels[at], p[c.firstIndex + k - c.first]);
        }
    }

    CImage32 dst;
    FillWith(dst, 640, 480, kD);
    const uint32_t pair[2] = {kS, kWhite};
    dst.AddSpanH(CDrawMode(10), 300, 100, pair, 2);
    EXPECT_EQ(dst.pixels[100 * 640 + 300], 0xFFE0C0u);
    EXPECT_EQ(dst.pixels[100 * 640 + 301], kWhite);
}

}  // namespace
