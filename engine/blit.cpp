// The blitter: the clipping forms and the core that walks the rows through a blend kernel.

#include <algorithm>
#include <cmath>

#include "engine/angle.h"
#include "engine/blend_kernels.h"
#include "engine/blend_simd.h"
#include "engine/image.h"

namespace {

// One blit after its clipper ran. The arithmetic is 64-bit so that no rectangle, however far
// off the images, can overflow.
struct Blit {
    CImage32* dst;
    const CImage32* src;
    int64_t x, y, sx, sy, w, h;
    bool flip;
};

// The destination columns of one row that are both inside the destination and read a source
// column inside the source: the first column, how many, and the source column it reads.
struct Span {
    int64_t dst0;
    int64_t n;
    int64_t src0;
};

// Destination column c reads source column sx + (c - x).
Span ForwardSpan(const Blit& b, int64_t sx) {
    const int64_t c0 = std::max({b.x, int64_t{0}, b.x - sx});
    const int64_t c1 = std::min({b.x + b.w, int64_t{b.dst->width}, b.x - sx + b.src->width});
    return {c0, c1 - c0, sx + (c0 - b.x)};
}

// Destination column c reads source column sx + w - 1 - (c - x); src0 is the rightmost read.
Span MirroredSpan(const Blit& b) {
    const int64_t right = b.sx + b.w - 1;
    const int64_t c0 = std::max({b.x, int64_t{0}, b.x + right - (b.src->width - 1)});
    const int64_t c1 = std::min({b.x + b.w, int64_t{b.dst->width}, b.x + right + 1});
    return {c0, c1 - c0, right - (c0 - b.x)};
}

int64_t FirstRow(const Blit& b) {
    return std::max(b.y, int64_t{0});
}
int64_t EndRow(const Blit& b) {
    return std::min(b.y + b.h, int64_t{b.dst->height});
}

int64_t SourceRow(const Blit& b, int64_t r) {
    return b.flip ? b.sy + (b.h - 1) - (r - b.y) : b.sy + (r - b.y);
}

// The destination rows whose source row exists, as one block. The source row moves by one
// row per destination row (downward when flipped), so those rows are contiguous: destination
// row r reads source row base + r, or base - r when flipped.
template <bool Mirrored>
blend::RowBlock BlockOf(const Blit& b) {
    const Span span = Mirrored ? MirroredSpan(b) : ForwardSpan(b, b.sx);
    if (span.n < 1) return {};
    const int64_t srcRows = b.src->height;
    int64_t r0 = FirstRow(b), r1 = EndRow(b);
    if (b.flip) {
        const int64_t base = b.sy + (b.h - 1) + b.y;
        r0 = std::max(r0, base - srcRows + 1);
        r1 = std::min(r1, base + 1);
    } else {
        const int64_t base = b.sy - b.y;
        r0 = std::max(r0, -base);
        r1 = std::min(r1, srcRows - base);
    }
    if (r1 <= r0) return {};
    const int64_t dstStride = b.dst->width, srcStride = b.src->width;
    return {b.dst->pixels + r0 * dstStride + span.dst0,
            b.src->pixels + SourceRow(b, r0) * srcStride + span.src0,
            dstStride,
            b.flip ? -srcStride : srcStride,
            static_cast<int32_t>(span.n),
            static_cast<int32_t>(r1 - r0)};
}

// Calls row(destination, source, count) for every destination row whose source row exists.
template <bool Mirrored, class RowFn>
void DrawRows(const Blit& b, RowFn row) {
    const blend::RowBlock block = BlockOf<Mirrored>(b);
    for (int32_t k = 0; k < block.rows; ++k) {
        row(block.d + k * block.dStride, block.s + k * block.sStride, block.n);
    }
}

// The sideways move of the swaying copy after destination row r: 2 sin(10 r + 10 degrees),
// truncated toward zero.
int64_t SwayMove(int64_t r) {
    return static_cast<int64_t>(2.0 * std::sin(DegToRad(static_cast<double>(10 * r + 10))));
}

// Mode 25: a keyed copy whose read position drifts sideways from row to row. The drift is
// counted from the first row drawn, also over rows whose source row is missing.
void DrawSwayRows(const Blit& b) {
    int64_t drift = 0;
    for (int64_t r = FirstRow(b), end = EndRow(b); r < end; ++r) {
        const int64_t sr = SourceRow(b, r);
        if (sr >= 0 && sr < b.src->height) {
            const Span span = ForwardSpan(b, b.sx + drift);
            if (span.n > 0) {
                blend::scalar::KeyedCopyRow(b.dst->pixels + r * b.dst->width + span.dst0,
                                            b.src->pixels + sr * b.src->width + span.src0,
                                            static_cast<int32_t>(span.n));
            }
        }
        drift += SwayMove(r);
    }
}

// The modes that honour the vertical flip.
bool ModeFlips(int32_t mode) {
    switch (mode) {
        case 2:
        case 3:
        case 4:
        case 6:
        case 8:
        case 11:
        case 12:
        case 17:
        case 18:
        case 19:
        case 20:
        case 23:
        case 25:
            return true;
        default:
            return false;
    }
}

void Draw(CImage32& dst, const CDrawMode& dm, int64_t x, int64_t y, const CImage32& src, int64_t sx,
          int64_t sy, int64_t w, int64_t h) {
    if (w < 1 || h < 1 || dst.pixels == nullptr || src.pixels == nullptr) return;
    const bool flip = dm.vflip == 1 && ModeFlips(dm.mode);
    const Blit b{&dst, &src, x, y, sx, sy, w, h, flip};
    const int32_t level = dm.level;
    namespace k = blend::scalar;
    // The hot modes draw through the active kernel set, all other modes per pixel.
    const blend::BlockKernels& fast = blend::ActiveKernels();
    switch (dm.mode) {
        case 2:
            fast.keyedCopy(BlockOf<false>(b));
            break;
        case 3:
        case 10:
        case 20:
            // Low levels scale the source; near full level the plain add is used instead.
            if ((dm.mode == 3 && level >= 231) || (dm.mode == 10 && level >= 251)) {
                fast.add(BlockOf<false>(b));
            } else {
                fast.scaledAdd(BlockOf<false>(b), level);
            }
            break;
        case 4:
            DrawRows<false>(b, k::MultiplyRow);
            break;
        case 5:
            DrawRows<false>(b, k::MultiplyNonBlackRow);
            break;
        case 6:
            fast.add(BlockOf<false>(b));
            break;
        case 7:
            DrawRows<false>(b, [level, tint = dm.tint](uint32_t* d, const uint32_t* s, int32_t n) {
                k::TintRow(d, s, n, tint, level);
            });
            break;
        case 8:
            DrawRows<true>(b, k::MirroredCopyRow);
            break;
        case 9:
            DrawRows<false>(b, [level](uint32_t* d, const uint32_t* s, int32_t n) {
                k::DarkenRow(d, s, n, level);
            });
            break;
        case 11:
            DrawRows<true>(b, k::MirroredKeyedCopyRow);
            break;
        case 12:
            fast.screen(BlockOf<false>(b));
            break;
        case 17:
            DrawRows<false>(b, k::AverageRow);
            break;
        case 18:
            DrawRows<false>(b, k::ThreeQuarterRow);
            break;
        case 19:
            DrawRows<false>(b, [level](uint32_t* d, const uint32_t* s, int32_t n) {
                k::BrightenRow(d, s, n, level);
            });
            break;
        case 21:
            DrawRows<false>(b, k::CopyRow);
            break;
        case 22:
            DrawRows<false>(b, [level](uint32_t* d, const uint32_t* s, int32_t n) {
                k::KeyedDarkenRow(d, s, n, level);
            });
            break;
        case 23:
            DrawRows<true>(b, k::MirroredAddRow);
            break;
        case 25:
            DrawSwayRows(b);
            break;
        default:
            // Modes 0, 1, 13 to 16, 24 and anything outside 0..25 draw nothing.
            break;
    }
}

// The wide area and the play field: columns L..R - 2, rows B..T - 1.
struct ClipBox {
    int64_t left, right, bottom, top;
};

constexpr ClipBox kWideBox{50, 620, 50, 430};
constexpr ClipBox kFieldBox{134, 510, 8, 469};

// A mirrored mode shows the rectangle's right end on the left, so its source is cut on the
// other side. Two old habits stay, since the game's pictures are placed with them: the right
// cut of a mirrored source is one column short, and the row cuts ignore the vertical flip.
void DrawInBox(CImage32& dst, const ClipBox& box, const CDrawMode& dm, int64_t x, int64_t y,
               const CImage32& src, int64_t sx, int64_t sy, int64_t w, int64_t h) {
    const bool mirror = dm.mirror != 0;
    if (x + w >= box.right) {
        if (mirror) sx += x + w - box.right;
        w = (box.right - 1) - x;
    }
    if (x < box.left) {
        w += x - box.left;
        if (!mirror) sx += box.left - x;
        if (w < 1) return;
        x = box.left;
    }
    if (y < box.bottom) {
        h -= box.bottom - y;
        sy += box.bottom - y;
        y = box.bottom;
    }
    if (y + h >= box.top) {
        if (y >= box.top) return;
        h = box.top - y;
    }
    Draw(dst, dm, x, y, src, sx, sy, w, h);
}

}  // namespace

void CImage32::BltCore(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                       int32_t sy, int32_t w, int32_t h) {
    Draw(*this, dm, x, y, src, sx, sy, w, h);
}

// Never writes the destination's last column or top row.
bool CImage32::Blt(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                   int32_t sy, int32_t w, int32_t h) {
    int64_t cx = x, cy = y, csx = sx, csy = sy, cw = w, ch = h;
    if (cx + cw >= width) cw = int64_t{width} - cx - 1;
    if (cx < 0) {
        cw += cx;
        csx -= cx;
        cx = 0;
    }
    if (cy < 0) {
        ch += cy;
        csy -= cy;
        cy = 0;
    }
    if (cy + ch >= height) {
        if (cy > height) return true;
        ch = int64_t{height} - cy - 1;
    }
    Draw(*this, dm, cx, cy, src, csx, csy, cw, ch);
    return true;
}

bool CImage32::BltWide(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                       int32_t sy, int32_t w, int32_t h) {
    DrawInBox(*this, kWideBox, dm, x, y, src, sx, sy, w, h);
    return true;
}

bool CImage32::BltField(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                        int32_t sy, int32_t w, int32_t h) {
    DrawInBox(*this, kFieldBox, dm, x, y, src, sx, sy, w, h);
    return true;
}

bool CImage32::BltNoClip(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                         int32_t sy, int32_t w, int32_t h) {
    Draw(*this, dm, x, y, src, sx, sy, w, h);
    return true;
}

bool CImage32::BltAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src) {
    return Blt(dm, x, y, src, 0, 0, src.width, src.height);
}

bool CImage32::BltNoClipAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src) {
    return BltNoClip(dm, x, y, src, 0, 0, src.width, src.height);
}

bool CImage32::BltFieldAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src) {
    return BltField(dm, x, y, src, 0, 0, src.width, src.height);
}

bool CImage32::BltWideAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src) {
    return BltWide(dm, x, y, src, 0, 0, src.width, src.height);
}

// The rectangle keeps the image's full size, so any offset reaches past the image; those
// columns and rows are left out.
bool CImage32::BltFieldFrom(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src,
                            int32_t sx, int32_t sy) {
    return BltField(dm, x, y, src, sx, sy, src.width, src.height);
}

bool CImage32::Copy(int32_t x, int32_t y, const CImage32& src) {
    return BltAll(CDrawMode(), x, y, src);
}

bool CImage32::CopyNoClip(int32_t x, int32_t y, const CImage32& src) {
    return BltNoClipAll(CDrawMode(), x, y, src);
}

bool CImage32::CopyField(int32_t x, int32_t y, const CImage32& src) {
    return BltFieldAll(CDrawMode(), x, y, src);
}

void CImage32::AddBeamRow(uint32_t* p, uint32_t c, int32_t n) {
    if (p == nullptr) return;
    for (int32_t i = 1; i + 2 <= n; ++i) {
        uint32_t& d = p[i - 1];
        d = i == n / 2
                ? 0x9999FFu
                : blend::PerChannel(d, c, [](int64_t dc, int64_t cc, int) { return dc + cc; });
    }
}
