// The blitter's hot modes against SDL_BlitSurface doing the same work on the same pictures, in
// the same run: the keyed copy (mode 2), the saturating add (mode 10 at level 255), the scaled
// add (mode 10 at level 100) and the plain copy (mode 21), each as 1800 16x16 sprites spread
// over the play field and as one full 640x480 layer. Pairs are named ..._Ours / ..._Sdl;
// ..._OursSse2 and ..._OursPlain draw ours with the narrower and the per-pixel kernels, and
// Memcpy_Frame copies one frame as the floor.
//
// Both sides draw into a frame that keeps what earlier iterations drew, so the adds saturate
// towards white after a few frames. Our kernels take the same time whatever the pixels are;
// SDL's per-pixel code, if anything, gains from the settled picture.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/blend_simd.h"
#include "engine/image.h"

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr int32_t kSpriteSize = 16;
constexpr int32_t kSprites = 1800;

struct Point {
    int32_t x, y;
};

// Fixed positions covering the play field (columns 134..508, rows 8..468), every sprite
// wholly inside it.
std::array<Point, kSprites> SpritePositions() {
    std::array<Point, kSprites> points{};
    for (int32_t i = 0; i < kSprites; ++i) {
        points[i] = {134 + (i * 97) % (375 - kSpriteSize), 8 + (i * 61) % (461 - kSpriteSize)};
    }
    return points;
}

// A round bullet: a bright core fading outward, the corners `outside` (the key or black).
void PaintBullet(CImage32& image, uint32_t outside) {
    image.Create(kSpriteSize, kSpriteSize);
    for (int32_t y = 0; y < kSpriteSize; ++y) {
        for (int32_t x = 0; x < kSpriteSize; ++x) {
            const int32_t dx = 2 * x - 15, dy = 2 * y - 15;
            const int32_t r2 = dx * dx + dy * dy;  // 0..450; the rim is at 256
            const uint32_t v = r2 < 256 ? static_cast<uint32_t>(255 - r2 * 3 / 4) : 0;
            image.pixels[y * kSpriteSize + x] =
                r2 < 256 ? (v << 16) | ((v / 2) << 8) | 0x40 : outside;
        }
    }
}

// A full layer of 32x24 blocks, every third block `hole` (the key or black), the rest a
// gradient.
void PaintLayer(CImage32& image, uint32_t hole) {
    image.Create(kWidth, kHeight);
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            const bool inHole = (x / 32 + y / 24) % 3 == 0;
            const uint32_t r = static_cast<uint32_t>(x * 160 / kWidth);
            const uint32_t g = static_cast<uint32_t>(y * 160 / kHeight);
            image.pixels[y * kWidth + x] = inHole ? hole : (r << 16) | (g << 8) | 0x30;
        }
    }
}

// A dark backdrop for the sprites to land on.
void PaintFrame(CImage32& image) {
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            image.pixels[y * kWidth + x] =
                static_cast<uint32_t>(((x / 5) << 16) | ((y / 4) << 8) | 0x20);
        }
    }
}

SDL_Surface* SurfaceOf(const CImage32& image) {
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 32, SDL_PIXELFORMAT_RGB888);
    if (s == nullptr) {
        std::fprintf(stderr, "no SDL surface: %s\n", SDL_GetError());
        std::exit(EXIT_FAILURE);
    }
    for (int32_t y = 0; y < image.height; ++y) {
        std::memcpy(static_cast<uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch,
                    image.pixels + static_cast<ptrdiff_t>(y) * image.width,
                    static_cast<size_t>(image.width) * sizeof(uint32_t));
    }
    return s;
}

enum class Work { kKeyedCopy, kAdd, kScaledAdd, kCopy };

constexpr int32_t kScaledLevel = 100;

CDrawMode ModeOf(Work work) {
    switch (work) {
        case Work::kKeyedCopy:
            return CDrawMode(2);
        case Work::kAdd:
            return CDrawMode(10, 255);
        case Work::kScaledAdd:
            return CDrawMode(10, kScaledLevel);
        case Work::kCopy:
            break;
    }
    return CDrawMode(21);
}

// The pictures of one kind of work, ours and SDL's, and a frame for each side to draw into.
struct Pictures {
    CImage32 sprite, layer;
    SDL_Surface* sdlSprite = nullptr;
    SDL_Surface* sdlLayer = nullptr;
};

struct Scene {
    std::array<Point, kSprites> positions = SpritePositions();
    CImage32 frame, start;
    SDL_Surface* sdlFrame = nullptr;
    Pictures pictures[4];

    Scene() {
        start.Create(kWidth, kHeight);
        PaintFrame(start);
        frame.Create(kWidth, kHeight);
        sdlFrame = SurfaceOf(start);
        for (Work work : {Work::kKeyedCopy, Work::kAdd, Work::kScaledAdd, Work::kCopy}) {
            Pictures& p = pictures[static_cast<int>(work)];
            const uint32_t hole = work == Work::kKeyedCopy ? kColourKey : 0;
            PaintBullet(p.sprite, hole);
            PaintLayer(p.layer, hole);
            p.sdlSprite = SurfaceOf(p.sprite);
            p.sdlLayer = SurfaceOf(p.layer);
            for (SDL_Surface* s : {p.sdlSprite, p.sdlLayer}) {
                switch (work) {
                    case Work::kKeyedCopy:
                        SDL_SetColorKey(s, SDL_TRUE, SDL_MapRGB(s->format, 0xFF, 0xFF, 0xFF));
                        break;
                    case Work::kScaledAdd:
                        SDL_SetSurfaceColorMod(s, kScaledLevel, kScaledLevel, kScaledLevel);
                        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_ADD);
                        break;
                    case Work::kAdd:
                        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_ADD);
                        break;
                    case Work::kCopy:
                        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
                        break;
                }
            }
        }
    }

    ~Scene() {
        for (Pictures& p : pictures) {
            SDL_FreeSurface(p.sdlSprite);
            SDL_FreeSurface(p.sdlLayer);
        }
        SDL_FreeSurface(sdlFrame);
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Both frames back to the starting picture, before a benchmark's timed loop.
    void Reset() {
        std::memcpy(frame.pixels, start.pixels, sizeof(uint32_t) * kWidth * kHeight);
        for (int32_t y = 0; y < kHeight; ++y) {
            std::memcpy(static_cast<uint8_t*>(sdlFrame->pixels) + y * sdlFrame->pitch,
                        start.pixels + y * kWidth, sizeof(uint32_t) * kWidth);
        }
    }
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

enum class Shape { kSprites, kLayer };

int64_t PixelsPerIteration(Shape shape) {
    return shape == Shape::kSprites ? int64_t{kSprites} * kSpriteSize * kSpriteSize
                                    : int64_t{kWidth} * kHeight;
}

// Restores the blitter's kernel set when a benchmark ends.
class KernelSetScope {
public:
    explicit KernelSetScope(blend::KernelSet set) : saved_(blend::ActiveKernelSet()) {
        blend::SetKernelSet(set);
    }
    ~KernelSetScope() { blend::SetKernelSet(saved_); }
    KernelSetScope(const KernelSetScope&) = delete;
    KernelSetScope& operator=(const KernelSetScope&) = delete;

private:
    blend::KernelSet saved_;
};

void Ours(benchmark::State& state, Work work, Shape shape, blend::KernelSet set) {
    Scene& scene = TheScene();
    scene.Reset();
    const KernelSetScope scope(set);
    const CDrawMode dm = ModeOf(work);
    const Pictures& p = scene.pictures[static_cast<int>(work)];
    for (auto _ : state) {
        if (shape == Shape::kSprites) {
            for (const Point& at : scene.positions) {
                scene.frame.BltField(dm, at.x, at.y, p.sprite, 0, 0, kSpriteSize, kSpriteSize);
            }
        } else {
            scene.frame.BltNoClipAll(dm, 0, 0, p.layer);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * PixelsPerIteration(shape));
}

void Sdl(benchmark::State& state, Work work, Shape shape) {
    Scene& scene = TheScene();
    scene.Reset();
    const Pictures& p = scene.pictures[static_cast<int>(work)];
    for (auto _ : state) {
        if (shape == Shape::kSprites) {
            for (const Point& at : scene.positions) {
                SDL_Rect to{at.x, at.y, kSpriteSize, kSpriteSize};
                SDL_BlitSurface(p.sdlSprite, nullptr, scene.sdlFrame, &to);
            }
        } else {
            SDL_BlitSurface(p.sdlLayer, nullptr, scene.sdlFrame, nullptr);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * PixelsPerIteration(shape));
}

void MemcpyFrame(benchmark::State& state) {
    Scene& scene = TheScene();
    const CImage32& layer = scene.pictures[static_cast<int>(Work::kCopy)].layer;
    for (auto _ : state) {
        std::memcpy(scene.frame.pixels, layer.pixels, sizeof(uint32_t) * kWidth * kHeight);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * PixelsPerIteration(Shape::kLayer));
}

bool RegisterAll() {
    const struct {
        const char* name;
        Work work;
    } works[] = {{"KeyedCopy", Work::kKeyedCopy},
                 {"Add255", Work::kAdd},
                 {"ScaledAdd100", Work::kScaledAdd},
                 {"Copy", Work::kCopy}};
    const struct {
        const char* name;
        Shape shape;
    } shapes[] = {{"Sprites", Shape::kSprites}, {"Layer", Shape::kLayer}};
    const blend::KernelSet fastest = blend::FastestKernelSet();
    for (const auto& w : works) {
        for (const auto& s : shapes) {
            const std::string base = std::string(w.name) + "_" + s.name;
            benchmark::RegisterBenchmark((base + "_Ours").c_str(), Ours, w.work, s.shape, fastest);
            benchmark::RegisterBenchmark((base + "_Sdl").c_str(), Sdl, w.work, s.shape);
            // The plain copy draws the same way under every kernel set.
            if (w.work == Work::kCopy) continue;
            if (fastest != blend::KernelSet::kSse2) {
                benchmark::RegisterBenchmark((base + "_OursSse2").c_str(), Ours, w.work, s.shape,
                                             blend::KernelSet::kSse2);
            }
            benchmark::RegisterBenchmark((base + "_OursPlain").c_str(), Ours, w.work, s.shape,
                                         blend::KernelSet::kScalar);
        }
    }
    benchmark::RegisterBenchmark("Memcpy_Frame", MemcpyFrame);
    return true;
}

[[maybe_unused]] const bool g_registered = RegisterAll();

}  // namespace
