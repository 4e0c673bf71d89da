// The SDL backend's present into a real window (run it under Xvfb or on a desktop): the whole
// frame (PresentSdl_Full), the play area of every other stage-play frame (PresentSdl_PlayArea),
// and a present of nothing (PresentSdl_ShowOnly): the renderer's own cost of drawing the
// texture to the window, which the other two include. x_memcpy is one present's CPU time on
// this thread over one 640x480 memcpy's; the label names the renderer SDL chose.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/common/memcpy_reference.h"
#include "engine/image.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_window.h"

namespace {

struct Rect {
    int dx, dy, sx, sy, w, h;
};

bool WindowReady() {
    static const bool ready = [] {
        if (!platform::Init(platform::WindowStyle::Windowed)) return false;
        platform::ShowWindow();
        return true;
    }();
    return ready;
}

std::string RendererName() {
    SDL_Renderer* renderer = SDL_GetRenderer(platform::sdl::GameWindow());
    SDL_RendererInfo info{};
    if (renderer == nullptr || SDL_GetRendererInfo(renderer, &info) != 0) return "unknown";
    return info.name;
}

void Present(benchmark::State& state, Rect r) {
    if (!WindowReady()) {
        state.SkipWithError("no window: run under a display (xvfb-run)");
        return;
    }
    CImageDIB picture(kScreenWidth, kScreenHeight);
    for (int32_t i = 0; i < kScreenWidth * kScreenHeight; ++i)
        picture.pixels[i] = static_cast<uint32_t>(i) * 2654435761u >> 8;
    const double start = ThreadSeconds();
    for (auto _ : state)
        picture.PresentRect(r.dx, r.dy, r.sx, r.sy, r.w, r.h);
    const double spent = ThreadSeconds() - start;
    state.counters["x_memcpy"] = spent /
                                 static_cast<double>(std::max<int64_t>(state.iterations(), 1)) /
                                 MemcpyFrameSeconds();
    state.SetLabel(RendererName());
}

void Full(benchmark::State& state) {
    Present(state, {0, 0, 0, 0, kScreenWidth, kScreenHeight});
}
void PlayArea(benchmark::State& state) {
    Present(state, {132, 8, 132, 8, 500, 464});
}
void ShowOnly(benchmark::State& state) {
    Present(state, {0, 0, 0, 0, 0, 0});
}

BENCHMARK(Full)->Name("PresentSdl_Full")->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayArea)->Name("PresentSdl_PlayArea")->Unit(benchmark::kMicrosecond);
BENCHMARK(ShowOnly)->Name("PresentSdl_ShowOnly")->Unit(benchmark::kMicrosecond);

}  // namespace
