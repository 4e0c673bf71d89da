// The kernel sets of the blitter's hot modes. The vector kernels reproduce the plain ones bit
// for bit by using only exact byte arithmetic:
// - keyed copy: a whole-pixel compare with the key decides which source pixels are written;
// - saturating add: adding s & 0xFFFFFF with unsigned saturation gives min(d_c + s_c, 255) per
//   channel and leaves the destination's top byte; a black source adds nothing and a white
//   destination saturates to itself, which are exactly the pixels the plain kernel skips;
// - scaled add: (s_c * (level + 1)) >> 8 is at most 255 for levels 0..255, so it fits a byte
//   and is then added the same way. Other levels take the plain kernel;
// - screen: d_c + s_c - ((d_c * s_c) >> 8) is worked out in 16-bit lanes (the product fits)
//   and packed back with unsigned saturation, which is the plain kernel's clamp. A black source
//   and a white destination, which the plain kernel skips, come out unchanged by the formula
//   too, and the destination's top byte is put back.
// The last n % lanes pixels of a row go through the plain kernel.

#include "engine/blend_simd.h"

#include <immintrin.h>

#include "engine/blend_kernels.h"

namespace blend {
namespace {

template <class RowFn>
inline void EachRow(const RowBlock& b, RowFn row) {
    for (int32_t k = 0; k < b.rows; ++k) {
        row(b.d + k * b.dStride, b.s + k * b.sStride, b.n);
    }
}

bool LevelFitsBytes(int32_t level) {
    return level >= 0 && level <= 255;
}

// An image drawn onto itself can put a row's destination a few pixels ahead of its source.
// The plain walk then reads pixels it has just written, while a vector step reads all its
// lanes first; such rows are drawn by the plain kernel.
template <int32_t Lanes>
inline bool VectorWalkDiffers(const uint32_t* d, const uint32_t* s) {
    const uintptr_t gap = reinterpret_cast<uintptr_t>(d) - reinterpret_cast<uintptr_t>(s);
    return gap != 0 && gap < Lanes * sizeof(uint32_t);
}

// --- plain -----------------------------------------------------------------------------------

void ScalarKeyedCopy(const RowBlock& b) {
    EachRow(b, scalar::KeyedCopyRow);
}

void ScalarAdd(const RowBlock& b) {
    EachRow(b, scalar::AddRow);
}

void ScalarScaledAdd(const RowBlock& b, int32_t level) {
    EachRow(b, [level](uint32_t* d, const uint32_t* s, int32_t n) {
        scalar::ScaledAddRow(d, s, n, level);
    });
}

void ScalarScreen(const RowBlock& b) {
    EachRow(b, scalar::ScreenRow);
}

// --- SSE2 ------------------------------------------------------------------------------------

namespace sse2 {

constexpr int32_t kLanes = 4;

inline __m128i Load(const uint32_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void Store(uint32_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

// Every row of the block: step(d, s) on each run of kLanes pixels, the plain kernel on the
// rest of the row.
template <class Step, class PlainRow>
inline void Walk(const RowBlock& b, const Step& step, PlainRow plain) {
    uint32_t* const d0 = b.d;
    const uint32_t* const s0 = b.s;
    const ptrdiff_t dStride = b.dStride, sStride = b.sStride;
    const int32_t n = b.n, rows = b.rows;
    for (int32_t k = 0; k < rows; ++k) {
        uint32_t* const d = d0 + k * dStride;
        const uint32_t* const s = s0 + k * sStride;
        int32_t i = 0;
        if (!VectorWalkDiffers<kLanes>(d, s)) {
            for (; i + kLanes <= n; i += kLanes)
                step(d + i, s + i);
        }
        plain(d + i, s + i, n - i);
    }
}

// Runs of opaque or of keyed pixels are common in sprites and layers: those are stored
// without reading the destination, or skipped.
struct KeyedCopyStep {
    __m128i key = _mm_set1_epi32(static_cast<int>(kKey));
    void operator()(uint32_t* d, const uint32_t* s) const {
        const __m128i sp = Load(s);
        const __m128i keep = _mm_cmpeq_epi32(sp, key);
        const int keptBytes = _mm_movemask_epi8(keep);
        if (keptBytes == 0) {
            Store(d, sp);
        } else if (keptBytes != 0xFFFF) {
            Store(d, _mm_or_si128(_mm_and_si128(keep, Load(d)), _mm_andnot_si128(keep, sp)));
        }
    }
};

struct AddStep {
    __m128i rgb = _mm_set1_epi32(0x00FFFFFF);
    void operator()(uint32_t* d, const uint32_t* s) const {
        Store(d, _mm_adds_epu8(Load(d), _mm_and_si128(Load(s), rgb)));
    }
};

// Needs a level in 0..255. The channels are widened to the high byte of 16-bit lanes, so the
// high half of the product with (level + 1) is (s_c * (level + 1)) >> 8.
struct ScaledAddStep {
    __m128i rgb = _mm_set1_epi32(0x00FFFFFF);
    __m128i zero = _mm_setzero_si128();
    __m128i scale;
    explicit ScaledAddStep(int32_t level)
        : scale(_mm_set1_epi16(static_cast<int16_t>(level + 1))) {}
    void operator()(uint32_t* d, const uint32_t* s) const {
        const __m128i sc = _mm_and_si128(Load(s), rgb);
        const __m128i lo = _mm_mulhi_epu16(_mm_unpacklo_epi8(zero, sc), scale);
        const __m128i hi = _mm_mulhi_epu16(_mm_unpackhi_epi8(zero, sc), scale);
        Store(d, _mm_adds_epu8(Load(d), _mm_packus_epi16(lo, hi)));
    }
};

struct ScreenStep {
    __m128i zero = _mm_setzero_si128();
    __m128i top = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    __m128i Half(__m128i d16, __m128i s16) const {
        const __m128i product = _mm_srli_epi16(_mm_mullo_epi16(d16, s16), 8);
        return _mm_sub_epi16(_mm_add_epi16(d16, s16), product);
    }
    void operator()(uint32_t* d, const uint32_t* s) const {
        const __m128i dp = Load(d), sp = Load(s);
        const __m128i lo = Half(_mm_unpacklo_epi8(dp, zero), _mm_unpacklo_epi8(sp, zero));
        const __m128i hi = Half(_mm_unpackhi_epi8(dp, zero), _mm_unpackhi_epi8(sp, zero));
        const __m128i rgb = _mm_andnot_si128(top, _mm_packus_epi16(lo, hi));
        Store(d, _mm_or_si128(rgb, _mm_and_si128(dp, top)));
    }
};

void KeyedCopy(const RowBlock& b) {
    Walk(b, KeyedCopyStep{}, scalar::KeyedCopyRow);
}

void Add(const RowBlock& b) {
    Walk(b, AddStep{}, scalar::AddRow);
}

void Screen(const RowBlock& b) {
    Walk(b, ScreenStep{}, scalar::ScreenRow);
}

void ScaledAdd(const RowBlock& b, int32_t level) {
    if (!LevelFitsBytes(level)) return ScalarScaledAdd(b, level);
    Walk(b, ScaledAddStep(level), [level](uint32_t* d, const uint32_t* s, int32_t n) {
        scalar::ScaledAddRow(d, s, n, level);
    });
}

}  // namespace sse2

// --- AVX2 ------------------------------------------------------------------------------------
// The same kernels eight pixels at a time. Every function on the way carries the instruction
// set, so that the steps are inlined into the row loop.

namespace avx2 {

constexpr int32_t kLanes = 8;

#define ZARUNE_AVX2 __attribute__((target("avx2")))

ZARUNE_AVX2 inline __m256i Load(const uint32_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
ZARUNE_AVX2 inline void Store(uint32_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}

template <class Step, class PlainRow>
ZARUNE_AVX2 inline void Walk(const RowBlock& b, const Step& step, PlainRow plain) {
    uint32_t* const d0 = b.d;
    const uint32_t* const s0 = b.s;
    const ptrdiff_t dStride = b.dStride, sStride = b.sStride;
    const int32_t n = b.n, rows = b.rows;
    for (int32_t k = 0; k < rows; ++k) {
        uint32_t* const d = d0 + k * dStride;
        const uint32_t* const s = s0 + k * sStride;
        int32_t i = 0;
        if (!VectorWalkDiffers<kLanes>(d, s)) {
            for (; i + kLanes <= n; i += kLanes)
                step(d + i, s + i);
        }
        plain(d + i, s + i, n - i);
    }
}

// A masked store writes only the unkeyed pixels, so the destination is never read.
struct KeyedCopyStep {
    __m256i key, ones;
    ZARUNE_AVX2 KeyedCopyStep()
        : key(_mm256_set1_epi32(static_cast<int>(kKey))), ones(_mm256_set1_epi32(-1)) {}
    ZARUNE_AVX2 void operator()(uint32_t* d, const uint32_t* s) const {
        const __m256i sp = Load(s);
        const __m256i write = _mm256_xor_si256(_mm256_cmpeq_epi32(sp, key), ones);
        _mm256_maskstore_epi32(reinterpret_cast<int*>(d), write, sp);
    }
};

struct AddStep {
    __m256i rgb;
    ZARUNE_AVX2 AddStep() : rgb(_mm256_set1_epi32(0x00FFFFFF)) {}
    ZARUNE_AVX2 void operator()(uint32_t* d, const uint32_t* s) const {
        Store(d, _mm256_adds_epu8(Load(d), _mm256_and_si256(Load(s), rgb)));
    }
};

// Unpacking and packing both work within 128-bit halves, so the pixels come back in order.
struct ScaledAddStep {
    __m256i rgb, zero, scale;
    ZARUNE_AVX2 explicit ScaledAddStep(int32_t level)
        : rgb(_mm256_set1_epi32(0x00FFFFFF)),
          zero(_mm256_setzero_si256()),
          scale(_mm256_set1_epi16(static_cast<int16_t>(level + 1))) {}
    ZARUNE_AVX2 void operator()(uint32_t* d, const uint32_t* s) const {
        const __m256i sc = _mm256_and_si256(Load(s), rgb);
        const __m256i lo = _mm256_mulhi_epu16(_mm256_unpacklo_epi8(zero, sc), scale);
        const __m256i hi = _mm256_mulhi_epu16(_mm256_unpackhi_epi8(zero, sc), scale);
        Store(d, _mm256_adds_epu8(Load(d), _mm256_packus_epi16(lo, hi)));
    }
};

struct ScreenStep {
    __m256i zero, top;
    ZARUNE_AVX2 ScreenStep()
        : zero(_mm256_setzero_si256()), top(_mm256_set1_epi32(static_cast<int>(0xFF000000u))) {}
    ZARUNE_AVX2 __m256i Half(__m256i d16, __m256i s16) const {
        const __m256i product = _mm256_srli_epi16(_mm256_mullo_epi16(d16, s16), 8);
        return _mm256_sub_epi16(_mm256_add_epi16(d16, s16), product);
    }
    ZARUNE_AVX2 void operator()(uint32_t* d, const uint32_t* s) const {
        const __m256i dp = Load(d), sp = Load(s);
        const __m256i lo = Half(_mm256_unpacklo_epi8(dp, zero), _mm256_unpacklo_epi8(sp, zero));
        const __m256i hi = Half(_mm256_unpackhi_epi8(dp, zero), _mm256_unpackhi_epi8(sp, zero));
        const __m256i rgb = _mm256_andnot_si256(top, _mm256_packus_epi16(lo, hi));
        Store(d, _mm256_or_si256(rgb, _mm256_and_si256(dp, top)));
    }
};

ZARUNE_AVX2 void KeyedCopy(const RowBlock& b) {
    Walk(b, KeyedCopyStep(), scalar::KeyedCopyRow);
}

ZARUNE_AVX2 void Screen(const RowBlock& b) {
    Walk(b, ScreenStep(), scalar::ScreenRow);
}

ZARUNE_AVX2 void Add(const RowBlock& b) {
    Walk(b, AddStep(), scalar::AddRow);
}

ZARUNE_AVX2 void ScaledAdd(const RowBlock& b, int32_t level) {
    if (!LevelFitsBytes(level)) return ScalarScaledAdd(b, level);
    Walk(b, ScaledAddStep(level), [level](uint32_t* d, const uint32_t* s, int32_t n) {
        scalar::ScaledAddRow(d, s, n, level);
    });
}

#undef ZARUNE_AVX2

bool Supported() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

}  // namespace avx2

// --- selection -------------------------------------------------------------------------------

constexpr BlockKernels kScalarKernels{ScalarKeyedCopy, ScalarAdd, ScalarScaledAdd, ScalarScreen};
constexpr BlockKernels kSse2Kernels{sse2::KeyedCopy, sse2::Add, sse2::ScaledAdd, sse2::Screen};
constexpr BlockKernels kAvx2Kernels{avx2::KeyedCopy, avx2::Add, avx2::ScaledAdd, avx2::Screen};

struct Active {
    KernelSet set;
    const BlockKernels* kernels;
};

// SSE2 from the start, so that even a blit drawn while the program is still being set up
// finds kernels; the fastest set replaces it before main.
Active g_active{KernelSet::kSse2, &kSse2Kernels};

[[maybe_unused]] const bool g_fastestChosen = SetKernelSet(FastestKernelSet());

}  // namespace

const BlockKernels* KernelsOf(KernelSet set) {
    static const bool avx2 = avx2::Supported();
    switch (set) {
        case KernelSet::kScalar:
            return &kScalarKernels;
        case KernelSet::kSse2:
            return &kSse2Kernels;
        case KernelSet::kAvx2:
            return avx2 ? &kAvx2Kernels : nullptr;
    }
    return nullptr;
}

KernelSet FastestKernelSet() {
    return KernelsOf(KernelSet::kAvx2) != nullptr ? KernelSet::kAvx2 : KernelSet::kSse2;
}

KernelSet ActiveKernelSet() {
    return g_active.set;
}

const BlockKernels& ActiveKernels() {
    return *g_active.kernels;
}

bool SetKernelSet(KernelSet set) {
    const BlockKernels* kernels = KernelsOf(set);
    if (kernels == nullptr) return false;
    g_active = {set, kernels};
    return true;
}

}  // namespace blend
