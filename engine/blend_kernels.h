#pragma once

// Per-row blend kernels of the blitter. Each kernel combines n source pixels into n
// destination pixels of one row; the blitter picks the kernel once per blit and calls it for
// every row. These are the plain reference versions: vectorised kernels must give exactly
// the same pixels, and the tests compare against these.
//
// Pixels are 0x00RRGGBB. Channel arithmetic is done on whole numbers per channel and every
// channel result is clamped to 0..255 (only levels outside 0..255 ever need it); a pixel
// computed per channel keeps the destination's top byte.

#include <cstdint>
#include <cstring>

#include "engine/draw_mode.h"

namespace blend {

inline constexpr uint32_t kWhite = 0xFFFFFF;
// The source colour that the keyed kernels leave out.
inline constexpr uint32_t kKey = kColourKey;

constexpr uint32_t Clamp8(int64_t v) {
    return v < 0 ? 0u : v > 255 ? 255u : static_cast<uint32_t>(v);
}

// Applies f(d_c, s_c, c) to the blue (c = 0), green (1) and red (2) channels.
template <class F>
constexpr uint32_t PerChannel(uint32_t d, uint32_t s, F f) {
    uint32_t out = d & 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
        const int shift = 8 * c;
        const int64_t dc = (d >> shift) & 0xFF;
        const int64_t sc = (s >> shift) & 0xFF;
        out |= Clamp8(f(dc, sc, c)) << shift;
    }
    return out;
}

// --- pixel operations ---------------------------------------------------------------------

constexpr uint32_t Multiply(uint32_t d, uint32_t s) {
    return PerChannel(d, s, [](int64_t dc, int64_t sc, int) { return (dc * sc) >> 8; });
}

// A black source adds nothing, and a white destination stays white.
constexpr uint32_t Add(uint32_t d, uint32_t s) {
    if (s == 0 || d == kWhite) return d;
    return PerChannel(d, s, [](int64_t dc, int64_t sc, int) { return dc + sc; });
}

// The source scaled by (level + 1) / 256 before it is added.
constexpr uint32_t ScaledAdd(uint32_t d, uint32_t s, int32_t level) {
    if (s == 0 || d == kWhite) return d;
    const int64_t scale = static_cast<int64_t>(level) + 1;
    return PerChannel(d, s,
                      [scale](int64_t dc, int64_t sc, int) { return dc + ((sc * scale) >> 8); });
}

constexpr uint32_t Screen(uint32_t d, uint32_t s) {
    if (s == 0 || d == kWhite) return d;
    return PerChannel(d, s, [](int64_t dc, int64_t sc, int) { return dc + sc - ((dc * sc) >> 8); });
}

constexpr uint32_t Average(uint32_t d, uint32_t s) {
    return PerChannel(d, s, [](int64_t dc, int64_t sc, int) { return (dc + sc) >> 1; });
}

constexpr uint32_t ThreeQuarter(uint32_t d, uint32_t s) {
    return PerChannel(d, s, [](int64_t dc, int64_t sc, int) { return (dc + 3 * sc) >> 2; });
}

constexpr uint32_t Brighten(uint32_t d, uint32_t s, int32_t level) {
    return PerChannel(d, s, [level](int64_t, int64_t sc, int) { return sc + level; });
}

// A channel that is already black stays black, whatever the level.
constexpr uint32_t Darken(uint32_t d, uint32_t s, int32_t level) {
    return PerChannel(d, s, [level](int64_t, int64_t sc, int) { return sc != 0 ? sc - level : 0; });
}

// The tint's channels scaled by the level, blue first; worked out once per row.
struct TintTerms {
    int64_t term[3];
};

constexpr TintTerms MakeTintTerms(uint32_t tint, int32_t level) {
    TintTerms t{};
    for (int c = 0; c < 3; ++c) {
        t.term[c] = (static_cast<int64_t>((tint >> (8 * c)) & 0xFF) * level) >> 8;
    }
    return t;
}

constexpr uint32_t Tint(uint32_t d, uint32_t s, const TintTerms& t) {
    return PerChannel(d, s, [&t](int64_t, int64_t sc, int c) { return sc + t.term[c]; });
}

// --- row walks ----------------------------------------------------------------------------

// Walks n pixels: destination pixel i meets source pixel s[Step * i], so Step -1 reads the
// row from its right end (s points at the rightmost pixel read). Keyed walks leave the
// destination alone under the colour key.
template <int Step, bool Keyed, class Op>
inline void Walk(uint32_t* d, const uint32_t* s, int32_t n, Op op) {
    for (int32_t i = 0; i < n; ++i) {
        const uint32_t sp = s[Step * i];
        if (Keyed && sp == kKey) continue;
        d[i] = op(d[i], sp);
    }
}

template <class Op>
inline void WalkForward(uint32_t* d, const uint32_t* s, int32_t n, Op op) {
    Walk<1, false>(d, s, n, op);
}

template <class Op>
inline void WalkMirrored(uint32_t* d, const uint32_t* s, int32_t n, Op op) {
    Walk<-1, false>(d, s, n, op);
}

template <class Op>
inline void WalkKeyed(uint32_t* d, const uint32_t* s, int32_t n, Op op) {
    Walk<1, true>(d, s, n, op);
}

inline constexpr auto kTakeSource = [](uint32_t, uint32_t s) { return s; };

namespace scalar {

// Mode 21. The rows may overlap when an image is drawn onto itself.
inline void CopyRow(uint32_t* d, const uint32_t* s, int32_t n) {
    std::memmove(d, s, static_cast<size_t>(n) * sizeof(uint32_t));
}

// Modes 2 and 25.
inline void KeyedCopyRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkKeyed(d, s, n, kTakeSource);
}

// Mode 8; s points at the rightmost source pixel.
inline void MirroredCopyRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkMirrored(d, s, n, kTakeSource);
}

// Mode 11; s points at the rightmost source pixel.
inline void MirroredKeyedCopyRow(uint32_t* d, const uint32_t* s, int32_t n) {
    Walk<-1, true>(d, s, n, kTakeSource);
}

// Mode 4.
inline void MultiplyRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkForward(d, s, n, [](uint32_t dp, uint32_t sp) { return Multiply(dp, sp); });
}

// Mode 5: only where neither pixel is black.
inline void MultiplyNonBlackRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkForward(d, s, n, [](uint32_t dp, uint32_t sp) {
        return sp != 0 && dp != 0 ? Multiply(dp, sp) : dp;
    });
}

// Modes 6, 3 (level 231 and up) and 10 (level 251 and up).
inline void AddRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkForward(d, s, n, [](uint32_t dp, uint32_t sp) { return Add(dp, sp); });
}

// Mode 23; s points at the rightmost source pixel.
inline void MirroredAddRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkMirrored(d, s, n, [](uint32_t dp, uint32_t sp) { return Add(dp, sp); });
}

// Modes 20, 3 (level up to 230) and 10 (level up to 250).
inline void ScaledAddRow(uint32_t* d, const uint32_t* s, int32_t n, int32_t level) {
    WalkForward(d, s, n, [level](uint32_t dp, uint32_t sp) { return ScaledAdd(dp, sp, level); });
}

// Mode 7.
inline void TintRow(uint32_t* d, const uint32_t* s, int32_t n, uint32_t tint, int32_t level) {
    const TintTerms t = MakeTintTerms(tint, level);
    WalkKeyed(d, s, n, [&t](uint32_t dp, uint32_t sp) { return Tint(dp, sp, t); });
}

// Mode 9.
inline void DarkenRow(uint32_t* d, const uint32_t* s, int32_t n, int32_t level) {
    WalkForward(d, s, n, [level](uint32_t dp, uint32_t sp) { return Darken(dp, sp, level); });
}

// Mode 22.
inline void KeyedDarkenRow(uint32_t* d, const uint32_t* s, int32_t n, int32_t level) {
    WalkKeyed(d, s, n, [level](uint32_t dp, uint32_t sp) { return Darken(dp, sp, level); });
}

// Mode 12.
inline void ScreenRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkForward(d, s, n, [](uint32_t dp, uint32_t sp) { return Screen(dp, sp); });
}

// Mode 17.
inline void AverageRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkKeyed(d, s, n, [](uint32_t dp, uint32_t sp) { return Average(dp, sp); });
}

// Mode 18.
inline void ThreeQuarterRow(uint32_t* d, const uint32_t* s, int32_t n) {
    WalkKeyed(d, s, n, [](uint32_t dp, uint32_t sp) { return ThreeQuarter(dp, sp); });
}

// Mode 19.
inline void BrightenRow(uint32_t* d, const uint32_t* s, int32_t n, int32_t level) {
    WalkKeyed(d, s, n, [level](uint32_t dp, uint32_t sp) { return Brighten(dp, sp, level); });
}

}  // namespace scalar
}  // namespace blend
