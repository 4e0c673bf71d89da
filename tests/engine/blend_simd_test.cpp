#include "engine/blend_simd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>
#include <random>
#include <vector>

#include "engine/image.h"

namespace {

using blend::BlockKernels;
using blend::KernelSet;
using blend::RowBlock;

constexpr KernelSet kFastSets[] = {KernelSet::kSse2, KernelSet::kAvx2};

const char* Name(KernelSet set) {
    return set == KernelSet::kSse2 ? "SSE2" : set == KernelSet::kAvx2 ? "AVX2" : "plain";
}

// Pixels rich in the values the kernels treat specially: black, the key (white), channels
// near saturation, and a non-zero top byte, which the whole-pixel tests must not ignore.
uint32_t RandomPixel(std::mt19937& rng) {
    const uint32_t bits = static_cast<uint32_t>(rng());
    switch (rng() % 8) {
        case 0:
            return 0;
        case 1:
            return 0xFFFFFF;
        case 2:
            return bits | 0x00F0F0F0;
        case 3:
            return bits;  // top byte set
        case 4:
            return bits & 0xFF000000;
        default:
            return bits & 0x00FFFFFF;
    }
}

std::vector<uint32_t> RandomPixels(std::mt19937& rng, size_t count) {
    std::vector<uint32_t> v(count);
    for (uint32_t& p : v)
        p = RandomPixel(rng);
    return v;
}

constexpr int32_t kLevels[] = {0,   1,    100,  230,  231,     250,     251,
                               254, 255,  -1,   -2,   -300,    256,     257,
                               999, 5000, -256, -257, INT_MIN, INT_MAX, INT_MAX - 1};

enum class Kernel { kKeyedCopy, kAdd, kScaledAdd, kScreen };

void RunKernel(const BlockKernels& k, Kernel which, const RowBlock& b, int32_t level) {
    switch (which) {
        case Kernel::kKeyedCopy:
            return k.keyedCopy(b);
        case Kernel::kAdd:
            return k.add(b);
        case Kernel::kScaledAdd:
            return k.scaledAdd(b, level);
        case Kernel::kScreen:
            return k.screen(b);
    }
}

// Draws the same random block with the plain kernels and with `set`, separate images.
void CompareBlocks(KernelSet set, Kernel which, std::mt19937& rng, int32_t n, int32_t level) {
    const int32_t rows = 1 + static_cast<int32_t>(rng() % 3);
    const ptrdiff_t sStride = n + static_cast<ptrdiff_t>(rng() % 5);
    const ptrdiff_t dStride = n + static_cast<ptrdiff_t>(rng() % 5);
    const ptrdiff_t sOff = rng() % 4, dOff = rng() % 4;  // every alignment of 16 bytes
    const bool flip = rng() % 2 == 0;
    const std::vector<uint32_t> src = RandomPixels(rng, sOff + sStride * rows + 8);
    std::vector<uint32_t> want = RandomPixels(rng, dOff + dStride * rows + 8);
    std::vector<uint32_t> got = want;

    const uint32_t* s = src.data() + sOff + (flip ? sStride * (rows - 1) : 0);
    const RowBlock ref{want.data() + dOff, s, dStride, flip ? -sStride : sStride, n, rows};
    RowBlock fast = ref;
    fast.d = got.data() + dOff;
    RunKernel(*blend::KernelsOf(KernelSet::kScalar), which, ref, level);
    RunKernel(*blend::KernelsOf(set), which, fast, level);
    ASSERT_EQ(got, want) << Name(set) << " n " << n << " rows " << rows << " level " << level;
}

TEST(FastKernels, MatchThePlainKernelsPixelForPixel) {
    std::mt19937 rng(20240611);
    for (KernelSet set : kFastSets) {
        if (blend::KernelsOf(set) == nullptr) continue;
        for (int32_t n = 0; n <= 17; ++n) {
            for (int rep = 0; rep < 20; ++rep) {
                CompareBlocks(set, Kernel::kKeyedCopy, rng, n, 255);
                CompareBlocks(set, Kernel::kAdd, rng, n, 255);
                CompareBlocks(set, Kernel::kScreen, rng, n, 255);
                for (int32_t level : kLevels)
                    CompareBlocks(set, Kernel::kScaledAdd, rng, n, level);
            }
        }
        for (int rep = 0; rep < 300; ++rep) {
            const int32_t n = static_cast<int32_t>(rng() % 700);
            const int32_t level = static_cast<int32_t>(rng() % 256);
            CompareBlocks(set, Kernel::kKeyedCopy, rng, n, level);
            CompareBlocks(set, Kernel::kAdd, rng, n, level);
            CompareBlocks(set, Kernel::kScaledAdd, rng, n, level);
            CompareBlocks(set, Kernel::kScreen, rng, n, level);
        }
    }
}

TEST(FastKernels, EveryChannelPairAndLevel) {
    // All 256 x 256 channel pairs in every channel at once, over every level in range.
    std::vector<uint32_t> src, dst;
    for (uint32_t dc = 0; dc < 256; ++dc) {
        for (uint32_t sc = 0; sc < 256; ++sc) {
            src.push_back(sc * 0x010101u ^ (dc << 24));
            dst.push_back(dc * 0x010101u ^ (sc << 24));
        }
    }
    const int32_t n = static_cast<int32_t>(src.size());
    for (KernelSet set : kFastSets) {
        const BlockKernels* k = blend::KernelsOf(set);
        if (k == nullptr) continue;
        for (int32_t level = -1; level <= 256; ++level) {
            std::vector<uint32_t> want = dst, got = dst;
            blend::KernelsOf(KernelSet::kScalar)
                ->scaledAdd({want.data(), src.data(), 0, 0, n, 1}, level);
            k->scaledAdd({got.data(), src.data(), 0, 0, n, 1}, level);
            ASSERT_EQ(got, want) << Name(set) << " level " << level;
        }
        std::vector<uint32_t> want = dst, got = dst;
        blend::KernelsOf(KernelSet::kScalar)->add({want.data(), src.data(), 0, 0, n, 1});
        k->add({got.data(), src.data(), 0, 0, n, 1});
        EXPECT_EQ(got, want) << Name(set);
        want = dst;
        got = dst;
        blend::KernelsOf(KernelSet::kScalar)->screen({want.data(), src.data(), 0, 0, n, 1});
        k->screen({got.data(), src.data(), 0, 0, n, 1});
        EXPECT_EQ(got, want) << Name(set) << " screen";
    }
}

TEST(FastKernels, RowsDrawnOntoThemselves) {
    // Destination and source in one buffer, from 9 pixels behind to 9 ahead: the plain walk
    // reads pixels it has already written when the destination is ahead.
    std::mt19937 rng(7);
    for (KernelSet set : kFastSets) {
        if (blend::KernelsOf(set) == nullptr) continue;
        for (int32_t gap = -9; gap <= 9; ++gap) {
            for (int32_t n : {3, 4, 8, 13, 16, 33}) {
                for (Kernel which :
                     {Kernel::kKeyedCopy, Kernel::kAdd, Kernel::kScaledAdd, Kernel::kScreen}) {
                    std::vector<uint32_t> want = RandomPixels(rng, 64);
                    std::vector<uint32_t> got = want;
                    const RowBlock ref{want.data() + 12 + gap, want.data() + 12, 0, 0, n, 1};
                    const RowBlock fast{got.data() + 12 + gap, got.data() + 12, 0, 0, n, 1};
                    RunKernel(*blend::KernelsOf(KernelSet::kScalar), which, ref, 100);
                    RunKernel(*blend::KernelsOf(set), which, fast, 100);
                    ASSERT_EQ(got, want) << Name(set) << " gap " << gap << " n " << n;
                }
            }
        }
    }
}

// Restores the blitter's kernel set when a test ends.
class KernelSetScope {
public:
    KernelSetScope() : saved_(blend::ActiveKernelSet()) {}
    ~KernelSetScope() { blend::SetKernelSet(saved_); }
    KernelSetScope(const KernelSetScope&) = delete;
    KernelSetScope& operator=(const KernelSetScope&) = delete;

private:
    KernelSet saved_;
};

TEST(FastKernels, SetsAreSelectableOnlyWhenSupported) {
    const KernelSetScope scope;
    for (KernelSet set : {KernelSet::kScalar, KernelSet::kSse2, KernelSet::kAvx2}) {
        const KernelSet before = blend::ActiveKernelSet();
        const bool supported = blend::KernelsOf(set) != nullptr;
        EXPECT_EQ(blend::SetKernelSet(set), supported) << Name(set);
        EXPECT_EQ(blend::ActiveKernelSet(), supported ? set : before) << Name(set);
        if (supported) {
            EXPECT_EQ(&blend::ActiveKernels(), blend::KernelsOf(set));
        }
    }
    EXPECT_NE(blend::KernelsOf(KernelSet::kScalar), nullptr);
    EXPECT_NE(blend::KernelsOf(KernelSet::kSse2), nullptr);
}

void Fill(CImage32& image, std::mt19937& rng) {
    for (int32_t i = 0; i < image.width * image.height; ++i)
        image.pixels[i] = RandomPixel(rng);
}

TEST(FastKernels, PublicBlitsMatchThePlainPath) {
    const KernelSetScope scope;
    std::mt19937 rng(99);
    CImage32 src;
    src.Create(37, 29);
    Fill(src, rng);
    CImage32 base;
    base.Create(640, 480);
    Fill(base, rng);
    CImage32 want, got;
    want.Create(640, 480);
    got.Create(640, 480);

    const int32_t modes[] = {2, 3, 6, 10, 20};
    for (KernelSet set : kFastSets) {
        if (blend::KernelsOf(set) == nullptr) continue;
        for (int rep = 0; rep < 400; ++rep) {
            CDrawMode dm(modes[rng() % 5], kLevels[rng() % std::size(kLevels)]);
            dm.vflip = static_cast<uint8_t>(rng() % 2);
            const int32_t x = static_cast<int32_t>(rng() % 700) - 40;
            const int32_t y = static_cast<int32_t>(rng() % 540) - 40;
            const int32_t sx = static_cast<int32_t>(rng() % 50) - 6;
            const int32_t sy = static_cast<int32_t>(rng() % 40) - 6;
            const int32_t w = static_cast<int32_t>(rng() % 45);
            const int32_t h = static_cast<int32_t>(rng() % 35);
            const bool field = rng() % 2 == 0;
            for (CImage32* image : {&want, &got}) {
                std::copy_n(base.pixels, 640 * 480, image->pixels);
                ASSERT_TRUE(blend::SetKernelSet(image == &want ? KernelSet::kScalar : set));
                if (field) {
                    image->BltField(dm, x, y, src, sx, sy, w, h);
                } else {
                    image->BltNoClip(dm, x, y, src, sx, sy, w, h);
                }
            }
            ASSERT_TRUE(std::equal(want.pixels, want.pixels + 640 * 480, got.pixels))
                << Name(set) << " mode " << dm.mode << " level " << dm.level << " at " << x << ","
                << y << " src " << sx << "," << sy << " " << w << "x" << h
                << (field ? " field" : " noclip") << " vflip " << int{dm.vflip};
        }
    }
}

TEST(FastKernels, ImageDrawnOntoItselfMatchesThePlainPath) {
    const KernelSetScope scope;
    std::mt19937 rng(5);
    CImage32 base;
    base.Create(64, 48);
    Fill(base, rng);
    for (KernelSet set : kFastSets) {
        if (blend::KernelsOf(set) == nullptr) continue;
        for (int32_t mode : {2, 6, 20}) {
            for (int32_t dx = -9; dx <= 9; ++dx) {
                for (int32_t dy : {-1, 0, 1}) {
                    CImage32 want, got;
                    for (CImage32* image : {&want, &got}) {
                        image->Create(64, 48);
                        std::copy_n(base.pixels, 64 * 48, image->pixels);
                        ASSERT_TRUE(blend::SetKernelSet(image == &want ? KernelSet::kScalar : set));
                        image->BltNoClip(CDrawMode(mode, 100), 10 + dx, 10 + dy, *image, 10, 10, 40,
                                         30);
                    }
                    ASSERT_TRUE(std::equal(want.pixels, want.pixels + 64 * 48, got.pixels))
                        << Name(set) << " mode " << mode << " moved " << dx << "," << dy;
                }
            }
        }
    }
}

}  // namespace
