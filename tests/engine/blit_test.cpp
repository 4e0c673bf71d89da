#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "engine/image.h"

namespace {

uint32_t BlendOne(int32_t mode, int32_t level, uint32_t d, uint32_t s, uint32_t tint = 0x204060) {
    CImage32 dst;
    dst.Create(1, 1);
    dst.pixels[0] = d;
    CImage32 src;
    src.Create(1, 1);
    src.pixels[0] = s;
    CDrawMode dm(mode, level);
    dm.tint = tint;
    dst.BltCore(dm, 0, 0, src, 0, 0, 1, 1);
    return dst.pixels[0];
}

constexpr uint32_t kD = 0x406080;
constexpr uint32_t kS = 0xC08040;

struct BlendRow {
    std::vector<int32_t> modes;
    // level 100, level 255, white source, black source, white destination (level 100 there)
    uint32_t expect[5];
};

TEST(BlendModes, VectorTable) {
    const BlendRow rows[] = {
        {{0, 1, 13, 14, 15, 16, 24, -1, 26}, {0x406080, 0x406080, 0x406080, 0x406080, 0xFFFFFF}},
        {{2, 11, 25}, {0xC08040, 0xC08040, 0x406080, 0x000000, 0xC08040}},
        {{3, 10, 20}, {0x8B9299, 0xFFE0C0, 0xA4C4E4, 0x406080, 0xFFFFFF}},
        {{4}, {0x303020, 0x303020, 0x3F5F7F, 0x000000, 0xBF7F3F}},
        {{5}, {0x303020, 0x303020, 0x3F5F7F, 0x406080, 0xBF7F3F}},
        {{6, 23}, {0xFFE0C0, 0xFFE0C0, 0xFFFFFF, 0x406080, 0xFFFFFF}},
        {{7}, {0xCC9965, 0xDFBF9F, 0x406080, 0x0C1925, 0xCC9965}},
        {{8, 21}, {0xC08040, 0xC08040, 0xFFFFFF, 0x000000, 0xC08040}},
        {{9}, {0x5C1C00, 0x000000, 0x9B9B9B, 0x000000, 0x5C1C00}},
        {{12}, {0xD0B0A0, 0xD0B0A0, 0xFFFFFF, 0x406080, 0xFFFFFF}},
        {{17}, {0x807060, 0x807060, 0x406080, 0x203040, 0xDFBF9F}},
        {{18}, {0xA07850, 0xA07850, 0x406080, 0x101820, 0xCF9F6F}},
        {{19}, {0xFFE4A4, 0xFFFFFF, 0x406080, 0x646464, 0xFFE4A4}},
        {{22}, {0x5C1C00, 0x000000, 0x406080, 0x000000, 0x5C1C00}},
    };
    for (const BlendRow& row : rows) {
        for (int32_t mode : row.modes) {
            SCOPED_TRACE(testing::Message() << "mode " << mode);
            EXPECT_EQ(BlendOne(mode, 100, kD, kS), row.expect[0]);
            EXPECT_EQ(BlendOne(mode, 255, kD, kS), row.expect[1]);
            EXPECT_EQ(BlendOne(mode, 100, kD, 0xFFFFFF), row.expect[2]);
            EXPECT_EQ(BlendOne(mode, 100, kD, 0x000000), row.expect[3]);
            EXPECT_EQ(BlendOne(mode, 100, 0xFFFFFF, kS), row.expect[4]);
        }
    }
}

TEST(BlendModes, ThresholdsAndExtraVectors) {
    struct Case {
        int32_t mode, level;
        uint32_t d, s, tint, expect;
    };
    const Case cases[] = {
        {3, 230, kD, kS, 0, 0xEDD3B9},
        {3, 231, kD, kS, 0, 0xFFE0C0},
        {10, 250, kD, kS, 0, 0xFCDDBE},
        {10, 251, kD, kS, 0, 0xFFE0C0},
        {4, 100, 0x646464, 0xFFFFFF, 0, 0x636363},
        {7, 100, kD, 0x0A141E, 0xFFCCFF, 0x6D6381},
        {5, 100, 0x646464, 0x00FF00, 0, 0x006300},
        {5, 100, 0x000000, kS, 0, 0x000000},
        // Levels outside 0..255 saturate each channel without touching its neighbours.
        {9, -5, kD, 0xFE0080, 0, 0xFF0085},
        {22, -5, kD, 0xFE0080, 0, 0xFF0085},
        {19, -300, kD, kS, 0, 0x000000},
        {20, 100000, kD, 0x010101, 0, 0xFFFFFF},
        {20, -1000, kD, kS, 0, 0x000000},
        {7, -256, kD, 0x102030, 0xFFFFFF, 0x000000},
        {9, INT_MIN, kD, kS, 0, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " level " << c.level);
        EXPECT_EQ(BlendOne(c.mode, c.level, c.d, c.s, c.tint), c.expect);
    }
}

// A 1x4 column drawn with vflip must come out as the reversed column drawn without it,
// exactly in the modes that honour the flip.
TEST(BlendModes, VflipOnlyInFlipModes) {
    const uint32_t column[4] = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
    const std::vector<int32_t> flipModes = {2, 3, 4, 6, 8, 11, 12, 17, 18, 19, 20, 23, 25};
    auto draw = [&](int32_t mode, bool reversed, uint8_t vflip) {
        CImage32 src;
        src.Create(1, 4);
        for (int r = 0; r < 4; ++r)
            src.pixels[r] = column[reversed ? 3 - r : r];
        CImage32 dst;
        dst.Create(1, 4);
        for (int r = 0; r < 4; ++r)
            dst.pixels[r] = 0x202020;
        CDrawMode dm(mode, 100);
        dm.vflip = vflip;
        dst.BltCore(dm, 0, 0, src, 0, 0, 1, 4);
        return std::vector<uint32_t>(dst.pixels, dst.pixels + 4);
    };
    for (int32_t mode = 0; mode <= 25; ++mode) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        const bool flips = std::find(flipModes.begin(), flipModes.end(), mode) != flipModes.end();
        const auto straight = draw(mode, false, 0);
        const auto reversed = draw(mode, true, 0);
        EXPECT_EQ(draw(mode, false, 1), flips ? reversed : straight);
        if (flips) {
            EXPECT_NE(straight, reversed);
        }
    }
}

// Every source pixel tells where it came from, and no pixel is black or white.
uint32_t Marker(int32_t col, int32_t row) {
    return 0x800000u | (static_cast<uint32_t>(row) << 10) | static_cast<uint32_t>(col);
}

void FillMarkers(CImage32& img, int32_t w, int32_t h) {
    img.Create(w, h);
    for (int32_t r = 0; r < h; ++r)
        for (int32_t c = 0; c < w; ++c)
            img.pixels[r * w + c] = Marker(c, r);
}

// The expected picture: columns c0..c1 and rows r0..r1 show source column sc0 + cstep (c - c0)
// and row sr0 + rstep (r - r0); every other pixel stays black. c1 < c0 means nothing drawn.
struct Expect {
    int32_t c0, c1, sc0, cstep;
    int32_t r0, r1, sr0, rstep;
};

constexpr Expect kNothing{0, -1, 0, 1, 0, -1, 0, 1};

void CheckPicture(const CImage32& dst, const Expect& e) {
    int32_t wrong = 0;
    for (int32_t r = 0; r < dst.height; ++r) {
        for (int32_t c = 0; c < dst.width; ++c) {
            const bool inside = c >= e.c0 && c <= e.c1 && r >= e.r0 && r <= e.r1;
            const uint32_t expect =
                inside ? Marker(e.sc0 + e.cstep * (c - e.c0), e.sr0 + e.rstep * (r - e.r0)) : 0;
            if (dst.pixels[r * dst.width + c] != expect && ++wrong <= 3) {
                ADD_FAILURE() << "pixel (" << c << ", " << r << ") is " << std::hex
                              << dst.pixels[r * dst.width + c] << ", expected " << expect;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

enum class Clip { kBlt, kWide, kField, kNoClip };

struct ClipCase {
    const char* name;
    Clip clip;
    int32_t mode;
    uint8_t vflip, mirror;
    int32_t x, y, srcW, srcH, w, h;
    Expect expect;
};

TEST(BlitClip, Vectors) {
    const ClipCase cases[] = {
        {"field right edge",
         Clip::kField,
         21,
         0,
         0,
         500,
         100,
         20,
         10,
         20,
         10,
         {500, 508, 0, 1, 100, 109, 0, 1}},
        {"field left edge",
         Clip::kField,
         21,
         0,
         0,
         120,
         100,
         20,
         10,
         20,
         10,
         {134, 139, 14, 1, 100, 109, 0, 1}},
        {"field left edge mirrored",
         Clip::kField,
         11,
         0,
         1,
         120,
         100,
         20,
         10,
         20,
         10,
         {134, 139, 5, -1, 100, 109, 0, 1}},
        {"field right edge mirrored, one short",
         Clip::kField,
         11,
         0,
         1,
         500,
         100,
         20,
         10,
         20,
         10,
         {500, 508, 18, -1, 100, 109, 0, 1}},
        {"mode 11 without mirror cuts the wrong side",
         Clip::kField,
         11,
         0,
         0,
         120,
         100,
         20,
         10,
         20,
         10,
         {134, 139, 19, -1, 100, 109, 0, 1}},
        {"field bottom",
         Clip::kField,
         21,
         0,
         0,
         200,
         0,
         20,
         20,
         20,
         20,
         {200, 219, 0, 1, 8, 19, 8, 1}},
        {"field bottom flipped, cut not flip-aware",
         Clip::kField,
         2,
         1,
         0,
         200,
         0,
         20,
         20,
         20,
         20,
         {200, 219, 0, 1, 8, 19, 19, -1}},
        {"field top",
         Clip::kField,
         21,
         0,
         0,
         200,
         460,
         20,
         20,
         20,
         20,
         {200, 219, 0, 1, 460, 468, 0, 1}},
        {"field above the top", Clip::kField, 21, 0, 0, 200, 469, 20, 10, 20, 10, kNothing},
        {"field right of the field", Clip::kField, 21, 0, 0, 510, 100, 20, 10, 20, 10, kNothing},
        {"field left, nothing left", Clip::kField, 21, 0, 0, 129, 100, 20, 10, 5, 10, kNothing},
        {"field left, one column",
         Clip::kField,
         21,
         0,
         0,
         130,
         100,
         20,
         10,
         5,
         10,
         {134, 134, 4, 1, 100, 109, 0, 1}},
        {"wide corner",
         Clip::kWide,
         21,
         0,
         0,
         600,
         420,
         30,
         20,
         30,
         20,
         {600, 618, 0, 1, 420, 429, 0, 1}},
        {"blt whole screen",
         Clip::kBlt,
         21,
         0,
         0,
         0,
         0,
         640,
         480,
         640,
         480,
         {0, 638, 0, 1, 0, 478, 0, 1}},
        {"blt off the bottom left",
         Clip::kBlt,
         21,
         0,
         0,
         -10,
         -5,
         640,
         480,
         640,
         480,
         {0, 629, 10, 1, 0, 474, 5, 1}},
        {"blt one row below row 0 flipped, cut not flip-aware",
         Clip::kBlt,
         2,
         1,
         0,
         100,
         -1,
         20,
         10,
         20,
         10,
         {100, 119, 0, 1, 0, 8, 9, -1}},
        {"noclip below row 0 flipped",
         Clip::kNoClip,
         2,
         1,
         0,
         100,
         -5,
         20,
         10,
         20,
         10,
         {100, 119, 0, 1, 0, 4, 4, -1}},
    };
    for (const ClipCase& c : cases) {
        SCOPED_TRACE(c.name);
        CImage32 src;
        FillMarkers(src, c.srcW, c.srcH);
        CImage32 dst;
        dst.Create(kScreenWidth, kScreenHeight);
        CDrawMode dm(c.mode);
        dm.vflip = c.vflip;
        dm.mirror = c.mirror;
        switch (c.clip) {
            case Clip::kBlt:
                dst.Blt(dm, c.x, c.y, src, 0, 0, c.w, c.h);
                break;
            case Clip::kWide:
                dst.BltWide(dm, c.x, c.y, src, 0, 0, c.w, c.h);
                break;
            case Clip::kField:
                dst.BltField(dm, c.x, c.y, src, 0, 0, c.w, c.h);
                break;
            case Clip::kNoClip:
                dst.BltNoClip(dm, c.x, c.y, src, 0, 0, c.w, c.h);
                break;
        }
        CheckPicture(dst, c.expect);
    }
}

TEST(BlitClip, WholeSourceAndCopyForms) {
    CImage32 src;
    FillMarkers(src, 20, 10);
    CImage32 dst;
    dst.Create(kScreenWidth, kScreenHeight);
    dst.CopyField(500, 100, src);
    CheckPicture(dst, {500, 508, 0, 1, 100, 109, 0, 1});

    dst.Create(kScreenWidth, kScreenHeight);
    dst.Copy(630, 475, src);
    CheckPicture(dst, {630, 638, 0, 1, 475, 478, 0, 1});

    dst.Create(kScreenWidth, kScreenHeight);
    dst.CopyNoClip(630, 475, src);
    CheckPicture(dst, {630, 639, 0, 1, 475, 479, 0, 1});

    CImage32 square;
    FillMarkers(square, 20, 20);
    dst.Create(kScreenWidth, kScreenHeight);
    dst.BltWideAll(CDrawMode(), 40, 40, square);
    CheckPicture(dst, {50, 59, 10, 1, 50, 59, 10, 1});

    // The rectangle keeps the image's size, so an offset reaches past the image: those
    // columns and rows stay untouched.
    dst.Create(kScreenWidth, kScreenHeight);
    dst.BltFieldFrom(CDrawMode(), 200, 100, src, 5, 3);
    CheckPicture(dst, {200, 214, 5, 1, 100, 106, 3, 1});
}

TEST(BlitBounds, OneByOneSourceWithLargeRectangle) {
    CImage32 src;
    FillMarkers(src, 1, 1);
    for (int32_t mode : {2, 8, 21, 23, 25}) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        CImage32 dst;
        dst.Create(kScreenWidth, kScreenHeight);
        dst.BltNoClip(CDrawMode(mode), 200, 100, src, 0, 0, 300, 200);
        // Mirrored modes read the rectangle from its right end, so the one pixel lands there.
        const int32_t col = mode == 8 || mode == 23 ? 499 : 200;
        CheckPicture(dst, {col, col, 0, 1, 100, 100, 0, 1});
    }
}

TEST(BlitBounds, SpritesHalfOffEveryEdgeWithNoClip) {
    CImage32 src;
    FillMarkers(src, 20, 20);
    struct Case {
        int32_t mode, x, y;
        Expect expect;
    };
    const Case cases[] = {
        {21, -10, 100, {0, 9, 10, 1, 100, 119, 0, 1}},
        {21, 630, 100, {630, 639, 0, 1, 100, 119, 0, 1}},
        {21, 100, -10, {100, 119, 0, 1, 0, 9, 10, 1}},
        {21, 100, 470, {100, 119, 0, 1, 470, 479, 0, 1}},
        {2, -10, -10, {0, 9, 10, 1, 0, 9, 10, 1}},
        {2, 630, 470, {630, 639, 0, 1, 470, 479, 0, 1}},
        {8, -10, 100, {0, 9, 9, -1, 100, 119, 0, 1}},
        {8, 630, 100, {630, 639, 19, -1, 100, 119, 0, 1}},
        {11, 630, -10, {630, 639, 19, -1, 0, 9, 10, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " at " << c.x << ", " << c.y);
        CImage32 dst;
        dst.Create(kScreenWidth, kScreenHeight);
        dst.BltNoClip(CDrawMode(c.mode), c.x, c.y, src, 0, 0, 20, 20);
        CheckPicture(dst, c.expect);
    }
}

TEST(BlitBounds, NothingDrawnOutsideOrWithoutPixels) {
    CImage32 src;
    FillMarkers(src, 20, 20);
    CImage32 dst;
    dst.Create(kScreenWidth, kScreenHeight);
    const CDrawMode copy;
    dst.BltField(copy, 510, 100, src, 0, 0, 20, 20);
    dst.BltField(copy, 700, 100, src, 0, 0, 20, 20);
    dst.BltWide(copy, 620, 100, src, 0, 0, 20, 20);
    dst.BltField(copy, INT_MAX, INT_MAX, src, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    dst.BltNoClip(copy, INT_MIN, INT_MIN, src, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    dst.Blt(copy, INT_MAX, 0, src, 0, 0, INT_MAX, 20);
    dst.Blt(copy, 100, 100, src, 0, 0, 0, 20);
    dst.Blt(copy, 100, 100, src, 0, 0, 20, -3);
    dst.BltNoClip(CDrawMode(25), 100, 100, src, 0, 0, -20, 20);
    CheckPicture(dst, kNothing);

    CImage32 empty;
    dst.BltNoClipAll(copy, 0, 0, empty);
    dst.BltNoClip(copy, 0, 0, empty, 0, 0, 20, 20);
    CheckPicture(dst, kNothing);
    empty.BltNoClip(copy, 0, 0, src, 0, 0, 20, 20);
    EXPECT_EQ(empty.pixels, nullptr);
}

TEST(AddBeamRow, OptionLaserRow) {
    uint32_t row[10];
    for (uint32_t& p : row)
        p = 0x406080;
    row[5] = 0xF00000;
    CImage32::AddBeamRow(row, 0x121256, 9);
    EXPECT_EQ(row[0], 0x5272D6u);
    EXPECT_EQ(row[2], 0x5272D6u);
    EXPECT_EQ(row[3], 0x9999FFu);
    EXPECT_EQ(row[5], 0xFF1256u);
    EXPECT_EQ(row[6], 0x5272D6u);
    EXPECT_EQ(row[7], 0x406080u);
    EXPECT_EQ(row[8], 0x406080u);
    EXPECT_EQ(row[9], 0x406080u);
}

// A one-column rectangle shows, row by row, which source column the sway reads.
TEST(Mode25, SwayMovesOverRows0To35) {
    const int32_t moves[36] = {0, 0, 0,  1,  1,  1,  1,  1,  2,  1,  1,  1,  1,  1,  0,  0, 0, 0,
                               0, 0, -1, -1, -1, -1, -1, -1, -2, -1, -1, -1, -1, -1, -1, 0, 0, 0};
    CImage32 src;
    FillMarkers(src, 64, 36);
    CImage32 dst;
    dst.Create(64, 64);
    dst.BltNoClip(CDrawMode(25), 10, 0, src, 20, 0, 1, 36);
    int32_t read = 20;
    for (int32_t r = 0; r < 36; ++r) {
        EXPECT_EQ(dst.pixels[r * 64 + 10], Marker(read, r)) << "row " << r;
        read += moves[r];
    }
    EXPECT_EQ(read, 18);

    // The moves follow the absolute destination row, and the drift starts at the first row
    // drawn, not at the rectangle's first row.
    for (int32_t y : {-3, 3}) {
        SCOPED_TRACE(testing::Message() << "y " << y);
        dst.Create(64, 64);
        dst.BltNoClip(CDrawMode(25), 10, y, src, 20, 0, 1, 33);
        read = 20;
        for (int32_t r = std::max(y, 0); r < y + 33; ++r) {
            EXPECT_EQ(dst.pixels[r * 64 + 10], Marker(read, r - y)) << "row " << r;
            read += moves[r];
        }
    }
}

TEST(Mode25, SwayNeverReadsOutsideTheSource) {
    CImage32 src;
    FillMarkers(src, 4, 36);
    CImage32 dst;
    dst.Create(8, 40);
    dst.BltNoClip(CDrawMode(25), 0, 0, src, 0, 0, 4, 36);
    // Row 4 reads one column to the right: its last column has no source pixel.
    EXPECT_EQ(dst.pixels[4 * 8 + 0], Marker(1, 4));
    EXPECT_EQ(dst.pixels[4 * 8 + 3], 0u);
}

}  // namespace
