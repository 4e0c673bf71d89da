// One present of the back buffer on the headless backend with its window image kept, as the
// tests that look at the window keep it: the whole frame (Present_Full) and the play area that
// stage play presents on every other frame (Present_PlayArea). x_memcpy is one present's CPU
// time over one 640x480 memcpy's, both measured in the same process.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "bench/common/memcpy_reference.h"
#include "engine/image.h"
#include "platform/headless/headless.h"

namespace {

void Present(benchmark::State& state, bool full) {
    platform::headless::KeepWindow();
    CImageDIB picture(kScreenWidth, kScreenHeight);
    for (int32_t i = 0; i < kScreenWidth * kScreenHeight; ++i)
        picture.pixels[i] = static_cast<uint32_t>(i) * 2654435761u >> 8;
    const double start = ThreadSeconds();
    for (auto _ : state) {
        if (full) {
            picture.Present(0, 0);
        } else {
            picture.PresentRect(132, 8, 132, 8, 500, 464);
        }
        benchmark::ClobberMemory();
    }
    const double spent = ThreadSeconds() - start;
    const double perPresent = spent / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["x_memcpy"] = perPresent / MemcpyFrameSeconds();
}

void PresentFull(benchmark::State& state) {
    Present(state, true);
}
void PresentPlayArea(benchmark::State& state) {
    Present(state, false);
}

BENCHMARK(PresentFull)->Name("Present_Full")->Unit(benchmark::kMicrosecond);
BENCHMARK(PresentPlayArea)->Name("Present_PlayArea")->Unit(benchmark::kMicrosecond);

}  // namespace
