#pragma once

// Vector versions of the blitter's hottest kernels: the colour-keyed copy, the saturating add,
// the scaled add and the screen. Each kernel set gives exactly the pixels of the plain kernels in
// blend_kernels.h; the plain set stays selectable so that tests and benchmarks can compare.
//
// The kernels work on a block of rows at once, so that a blit pays one call however many
// rows it has, and the row loop runs with the kernel's own instruction set.

#include <cstddef>
#include <cstdint>

namespace blend {

// n pixels on each of `rows` rows: row k writes d + k * dStride and reads s + k * sStride
// (sStride is negative for a vertically flipped source). Rows are drawn in order, k = 0 first.
struct RowBlock {
    uint32_t* d = nullptr;
    const uint32_t* s = nullptr;
    ptrdiff_t dStride = 0;
    ptrdiff_t sStride = 0;
    int32_t n = 0;
    int32_t rows = 0;
};

struct BlockKernels {
    void (*keyedCopy)(const RowBlock& b);                 // mode 2
    void (*add)(const RowBlock& b);                       // mode 6, high levels of 3 and 10
    void (*scaledAdd)(const RowBlock& b, int32_t level);  // mode 20, low levels of 3 and 10
    void (*screen)(const RowBlock& b);                    // mode 12
};

enum class KernelSet : uint8_t {
    kScalar,  // the plain per-pixel kernels, the reference
    kSse2,    // four pixels at a time; every x86-64 processor has it
    kAvx2,    // eight pixels at a time, on processors that have it
};

// The kernels of one set, or null when this processor cannot run them.
const BlockKernels* KernelsOf(KernelSet set);

// The fastest set this processor runs.
KernelSet FastestKernelSet();

// The set the blitter draws with. It starts as the fastest set.
KernelSet ActiveKernelSet();
const BlockKernels& ActiveKernels();
// Refuses (false, nothing changed) a set this processor cannot run.
bool SetKernelSet(KernelSet set);

}  // namespace blend
