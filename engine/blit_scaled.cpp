// Scaled, darkened and span blits. The scaled forms walk the source in 16.16 fixed point and
// blend through their own row kernels, which differ from the core blitter's.

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/blend_kernels.h"
#include "engine/image.h"

bool g_bFlickerAdd = false;

namespace {

// The play-field bounds the scaled blits and spans cut to.
constexpr int64_t kFieldLeft = 134;
constexpr int64_t kFieldRight = 510;
constexpr int64_t kFieldBottom = 8;
constexpr int64_t kFieldTop = 469;
constexpr int64_t kSpanRight = 508;
constexpr int64_t kSpanTop = 467;

constexpr int64_t kOne = 0x10000;

bool UsableScale(double scale) {
    return scale > 0.0 && std::isfinite(scale);
}

int32_t ClampToI32(double v) {
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (v <= lo) return std::numeric_limits<int32_t>::min();
    if (v >= hi) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}

// The corner that puts a scaled size centred on `centre`: centre - trunc(size * scale) / 2.
int32_t CentredCorner(int32_t centre, int32_t size, double scale) {
    const double scaled = std::trunc(static_cast<double>(size) * scale);
    return ClampToI32(static_cast<double>(centre) - std::trunc(scaled / 2.0));
}

// The destination columns of a scaled blit once clipped. Pixel i (counted from column x)
// reads source column (acc0 + i * step) >> 16, where acc0 holds the first source column in
// its upper bits; only pixels first..end-1 read a column inside the source image.
struct ColumnWalk {
    int64_t x;
    int64_t step;
    int64_t acc0;
    int64_t first;
    int64_t end;
};

// The destination rows of a scaled blit: row r (first <= r < end) reads source row
// sy + (((r - y) * step) >> 16).
struct RowWalk {
    int64_t first;
    int64_t end;
    int64_t y;
    int64_t sy;
    int64_t step;
};

// The field clip of the columns, then the cut to the destination and source images. With
// `advanceBefore` (scale above 1, modes other than the keyed copy) the walk steps before it
// reads, so pixel i reads ((i + 1) * step) >> 16. False when no pixel is left.
bool ClipColumns(const CImage32& dst, const CImage32& src, int64_t x, int64_t w, int64_t sx,
                 double scale, bool advanceBefore, ColumnWalk* out) {
    // A row narrower than one destination pixel draws nothing, and from x = 510 on the right
    // cut leaves a negative width. Past this test scale > 1 / w, so the step stays below 2^47
    // and the products below fit in 64 bits.
    if (static_cast<double>(w) * scale < 1.0 || x >= kFieldRight) return false;
    const int64_t step = static_cast<int64_t>(65536.0 / scale);
    if (static_cast<double>(x) + static_cast<double>(w) * scale >= 510.0) {
        w = (((kFieldRight - x) * step) >> 16) - 1;
    }
    if (x < kFieldLeft) {
        // The cut counts from 133 but the source moves on from 134: the first column kept is
        // one column further into the source than the cut width says.
        const int64_t cut = kFieldLeft - 1 - x;
        // A cut this long removes more columns than any rectangle has.
        if (step != 0 && cut > (int64_t{1} << 62) / step) return false;
        w -= (cut * step) >> 16;
        if (w < 1) return false;
        sx += ((cut + 1) * step) >> 16;
        x = kFieldLeft;
    }
    const double n = std::trunc(static_cast<double>(w) * scale);
    const int64_t room = dst.width - x;
    const int64_t count = n < static_cast<double>(room) ? static_cast<int64_t>(n) : room;
    if (count < 1) return false;

    // The source column never goes back, so the pixels that read inside the image are one run.
    const int64_t acc0 = sx * kOne + (advanceBefore ? step : 0);
    int64_t first = 0;
    while (first < count && ((acc0 + first * step) >> 16) < 0)
        ++first;
    int64_t end = first;
    while (end < count && ((acc0 + end * step) >> 16) < src.width)
        ++end;
    if (first == end) return false;
    *out = {x, step, acc0, first, end};
    return true;
}

template <class Op>
void DrawScaledRows(CImage32& dst, const CImage32& src, const ColumnWalk& c, const RowWalk& rw,
                    Op op) {
    for (int64_t r = rw.first; r < rw.end; ++r) {
        const int64_t sr = rw.sy + (((r - rw.y) * rw.step) >> 16);
        if (sr < 0 || sr >= src.height) continue;
        const uint32_t* s = src.pixels + sr * src.width;
        uint32_t* d = dst.pixels + r * dst.width + c.x;
        int64_t acc = c.acc0 + c.first * c.step;
        for (int64_t i = c.first; i < c.end; ++i, acc += c.step) {
            d[i] = op(d[i], s[acc >> 16]);
        }
    }
}

constexpr auto kKeyedCopy = [](uint32_t d, uint32_t s) { return s != blend::kKey ? s : d; };

// The scaled blits' multiply: a black source makes the pixel black.
constexpr auto kMultiplyOrBlack = [](uint32_t d, uint32_t s) {
    return s != 0 ? blend::Multiply(d, s) : 0u;
};

constexpr auto kAdd = [](uint32_t d, uint32_t s) { return blend::Add(d, s); };
constexpr auto kScreen = [](uint32_t d, uint32_t s) { return blend::Screen(d, s); };

// The scaled blits' level add: unlike the core's, it adds onto a white destination and adds
// a white source like any colour.
uint32_t LevelAdd(uint32_t d, uint32_t s, int64_t factor) {
    if (s == 0) return d;
    return blend::PerChannel(
        d, s, [factor](int64_t dc, int64_t sc, int) { return dc + ((sc * factor) >> 8); });
}

}  // namespace

void CImage32::BltScaled(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src,
                         double scale, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    if (!UsableScale(scale) || pixels == nullptr || src.pixels == nullptr) return;
    const double rows = std::trunc(static_cast<double>(h) * scale);
    if (rows < 1.0) return;
    const bool advanceBefore = scale > 1.0 && dm.mode != 2;
    ColumnWalk c{};
    if (!ClipColumns(*this, src, x, w, sx, scale, advanceBefore, &c)) return;

    // rows >= 1 keeps (r - y) * step below 65536 * h.
    const double top = rows + static_cast<double>(y);
    const int64_t fieldEnd =
        top < static_cast<double>(kFieldTop) ? static_cast<int64_t>(top) : kFieldTop;
    const RowWalk rw{std::max<int64_t>(y, kFieldBottom), std::min<int64_t>(fieldEnd, height), y, sy,
                     c.step};

    switch (dm.mode) {
        case 2:
            DrawScaledRows(*this, src, c, rw, kKeyedCopy);
            break;
        case 4:
            DrawScaledRows(*this, src, c, rw, kMultiplyOrBlack);
            break;
        case 10:
            DrawScaledRows(*this, src, c, rw, kAdd);
            break;
        default: {
            const int64_t factor = static_cast<int64_t>(dm.level) + 1;
            DrawScaledRows(*this, src, c, rw,
                           [factor](uint32_t d, uint32_t s) { return LevelAdd(d, s, factor); });
            break;
        }
    }
}

void CImage32::BltScaledAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src,
                            double scale) {
    BltScaled(dm, x, y, src, scale, 0, 0, src.width, src.height);
}

void CImage32::BltScaledCentred(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src,
                                double scale) {
    if (!UsableScale(scale)) return;
    BltScaledAll(dm, CentredCorner(x, src.width, scale), CentredCorner(y, src.height, scale), src,
                 scale);
}

void CImage32::BltScaledCentredRect(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src,
                                    double scale, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    if (!UsableScale(scale)) return;
    BltScaled(dm, CentredCorner(x, w, scale), CentredCorner(y, h, scale), src, scale, sx, sy, w, h);
}

void CImage32::Darken(int32_t level) {
    DarkenRect(level, 0, 0, width, height);
}

// The rectangle is cut to the image: callers pass field-sized bands that may reach past it.
void CImage32::DarkenRect(int32_t level, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (pixels == nullptr) return;
    const int64_t amount = std::clamp<int64_t>(level, 0, 255);
    const int64_t x0 = std::max<int64_t>(x, 0);
    const int64_t x1 = std::min<int64_t>(int64_t{x} + w, width);
    const int64_t y0 = std::max<int64_t>(y, 0);
    const int64_t y1 = std::min<int64_t>(int64_t{y} + h, height);
    const auto less = [amount](int64_t dc, int64_t, int) { return dc - amount; };
    for (int64_t r = y0; r < y1; ++r) {
        uint32_t* d = pixels + r * width;
        for (int64_t c = x0; c < x1; ++c)
            d[c] = blend::PerChannel(d[c], 0, less);
    }
}

namespace {

// The flicker blit's clip and drawing; the caller flips the blend afterwards.
void DrawFlicker(CImage32& dst, int32_t x, int32_t y, const CImage32& src, int32_t sx, int32_t sy,
                 int32_t w, int32_t h, double scale) {
    if (!UsableScale(scale) || dst.pixels == nullptr || src.pixels == nullptr) return;
    ColumnWalk c{};
    if (!ClipColumns(dst, src, x, w, sx, scale, scale > 1.0, &c)) return;

    int64_t top = y;
    int64_t rows = h;
    int64_t srcRow = sy;
    if (top < kFieldBottom) {
        rows -= kFieldBottom - top;
        srcRow += kFieldBottom - top;
        top = kFieldBottom;
    }
    if (top + rows > kFieldTop) {
        if (top > kFieldTop) return;
        rows = kFieldTop - top;
    }
    const RowWalk rw{top, std::min<int64_t>(top + rows, dst.height), top, srcRow, kOne};

    // A white source saturates to white under both blends.
    if (g_bFlickerAdd) {
        DrawScaledRows(dst, src, c, rw, kAdd);
    } else {
        DrawScaledRows(dst, src, c, rw, kScreen);
    }
}

}  // namespace

void CImage32::BltScaledFlicker(int32_t x, int32_t y, const CImage32& src, int32_t sx, int32_t sy,
                                int32_t w, int32_t h, double scale) {
    DrawFlicker(*this, x, y, src, sx, sy, w, h, scale);
    g_bFlickerAdd = !g_bFlickerAdd;
}

void CImage32::AddSpanH(const CDrawMode& dm, int32_t x, int32_t y, const uint32_t* p,
                        int32_t count) {
    if (dm.mode != 10 || y < kFieldBottom || y >= kFieldTop || y >= height) return;
    if (pixels == nullptr || p == nullptr) return;
    const int64_t first = std::max<int64_t>(x, kFieldLeft);
    const int64_t end = std::min({int64_t{x} + count, kSpanRight, int64_t{width}});
    uint32_t* row = pixels + int64_t{y} * width;
    for (int64_t c = first; c < end; ++c)
        row[c] = blend::Add(row[c], p[c - x]);
}

void CImage32::AddSpanV(const CDrawMode& dm, int32_t x, int32_t y, const uint32_t* p,
                        int32_t count) {
    if (dm.mode != 10 || x <= kFieldLeft || x >= kSpanRight || x >= width) return;
    if (pixels == nullptr || p == nullptr) return;
    const int64_t first = std::max<int64_t>(y, kFieldBottom);
    const int64_t end = std::min({int64_t{y} + count, kSpanTop, int64_t{height}});
    for (int64_t r = first; r < end; ++r) {
        uint32_t& d = pixels[r * width + x];
        d = blend::Add(d, p[r - y]);
    }
}
