#include "bench/common/memcpy_reference.h"

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

double MemcpyFrameSeconds() {
    constexpr size_t kPixels = 640 * 480;
    std::vector<uint32_t> from(kPixels, 0x203040u);
    std::vector<uint32_t> to(kPixels, 0);
    std::vector<double> times;
    for (int i = 0; i < 401; ++i) {
        const double start = ThreadSeconds();
        std::memcpy(to.data(), from.data(), kPixels * sizeof(uint32_t));
        benchmark::ClobberMemory();
        times.push_back(ThreadSeconds() - start);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}
