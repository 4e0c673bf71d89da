// One frame of the enemy shots with every pool full, against the 16 ms frame: all 1800 enemy
// bullets, all 50 missiles and 30 laser records live, each moved and drawn into the back
// buffer as the play scenes do it (bullets with their first pass, the large bullets' second
// pass, missiles, then the laser list drawn and cleared). PoolFrame_Empty walks the same
// slots with nothing in play: the fixed cost the full frame is measured against.
//
// Each iteration starts from the same pools, generator state and backdrop, restored while the
// clock is paused. The sheets come from the generated assets when the build's run folder is
// found beside the benchmark's folder; otherwise the pools draw from placeholder sheets and
// the label says so. The counter pct_of_16ms is one frame's time as a share of 16 ms.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "engine/image.h"
#include "engine/random.h"
#include "game/play_screen.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/enemy_laser.h"
#include "shooting/missile.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

namespace {

constexpr double kFrameSeconds = 0.016;
constexpr int32_t kLaserRecords = 30;

// Switches to the build's run folder so the sheets load from the generated assets.
bool UseGeneratedAssets() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return false;
    const std::filesystem::path run = exe.parent_path().parent_path() / "run";
    if (!std::filesystem::exists(run / "img" / "e-bullets.bmp", ec)) return false;
    std::filesystem::current_path(run, ec);
    return !ec;
}

void LoadSheets() {
    if (g_pEBImage == nullptr) g_pEBImage = new CImageShooting[4];
    g_pEBImage[0].Load("img/e-bullets.bmp");
    g_pEBImage[1].Load("img/e-d-bullets.bmp");
    g_pEBImage[2].Load("img/dark-bullets.bmp");
    g_pEBImage[3].Load("img/eb-missiles.bmp");
    g_MissileMannager.LoadImages();
    g_EffectMannager.images[27].Load("img/effect-thunder2.bmp");
    g_LazerImage.Load("img/effect-lazer1.bmp");
}

// A spot in the play field for the i-th object, spread over it.
int32_t SpotX(int32_t i) {
    return 140 + (i * 97) % 330;
}
int32_t SpotY(int32_t i) {
    return 30 + (i * 61) % 400;
}

// Every bullet slot filled: the ring with small, large and turned bullets, slots 0..19 by
// SetSlot. They drift slowly, so all of them stay in play through the frame.
void FillBullets() {
    g_EBMannager.Init();
    for (int32_t slot = 0; slot < CEBMannager::kFirstRingSlot; ++slot)
        g_EBMannager.SetSlot(slot, SpotX(slot), SpotY(slot), slot % 16, 3);
    for (int32_t i = CEBMannager::kFirstRingSlot; i < CEBMannager::kBulletCount; ++i) {
        const int32_t x = SpotX(i);
        const int32_t y = SpotY(i);
        if (i % 9 == 0) {
            g_EBMannager.ShootBig(x, y, i % kBigBulletKindCount, 0.05f, 0.05f);
        } else if (i % 7 == 0) {
            g_EBMannager.ShootDir(x, y, i % kDirBulletKindCount, 0.05f, i % 360);
        } else {
            g_EBMannager.Shoot(x, y, i % 176, 0.05f, -0.05f);
        }
    }
}

// Fifty missiles of the kinds that fly, brake, sink or carry items, and four sized ones.
void FillMissiles() {
    constexpr int32_t kBehaviours[] = {0, 1, 2, 3, 5, 7, 8, 12, 13, 14};
    g_MissileMannager.Init();
    for (int32_t i = 0; i < CMissileMannager::kMissileCount - 4; ++i) {
        g_MissileMannager.Shoot(SpotX(i * 13), SpotY(i * 13), kBehaviours[i % 10],
                                i % kMissileSpriteCount, 0.3, i * 37);
    }
    for (int32_t i = 0; i < 3; ++i)
        g_MissileMannager.ShootSized(160 + 100 * i, 300, 0, i, 0.2, 0);
    g_MissileMannager.ShootSized(400, 420, 1, 6, 0.0, 0);
}

// The frame's 30 laser records: every drawing kind, mostly the gradient beams.
void AddLasers() {
    constexpr int32_t kKinds[] = {2, 6, 10, 11, 12, 0, 3, 4, 1, 7, 8, 9, 2, 6, 12};
    const uint64_t one = std::bit_cast<uint64_t>(1.0);
    const int32_t lo = static_cast<int32_t>(static_cast<uint32_t>(one));
    const int32_t hi = static_cast<int32_t>(static_cast<uint32_t>(one >> 32));
    for (int32_t i = 0; i < kLaserRecords; ++i) {
        const int32_t kind = kKinds[i % std::size(kKinds)];
        const int32_t x = 150 + (i * 23) % 330;
        const int32_t b = ((i * 29) % 120 - 60) * 256;
        const int32_t a = kind == 9 ? 0 : 250 + i * 5;
        g_ELazer.Add(x, 440, 0, 0, kind, lo, hi, a, b, 0, kind == 12 ? 300 : -b,
                     kind == 9 || kind == 12 ? 40 : 120);
    }
}

struct Snapshot {
    std::array<CEBullet, CEBMannager::kBulletCount> bullets;
    std::array<CMissile, CMissileMannager::kMissileCount> missiles;
    int32_t bulletNext = 0;
    int32_t missileNext = 0;
};

Snapshot& TheSnapshot() {
    static Snapshot* snapshot = new Snapshot();
    return *snapshot;
}

void Capture(Snapshot& s) {
    std::copy(std::begin(g_EBMannager.bullets), std::end(g_EBMannager.bullets), s.bullets.begin());
    std::copy(std::begin(g_MissileMannager.missiles), std::end(g_MissileMannager.missiles),
              s.missiles.begin());
    s.bulletNext = g_EBMannager.next;
    s.missileNext = g_MissileMannager.next;
}

void Restore(const Snapshot& s) {
    std::copy(s.bullets.begin(), s.bullets.end(), std::begin(g_EBMannager.bullets));
    std::copy(s.missiles.begin(), s.missiles.end(), std::begin(g_MissileMannager.missiles));
    g_EBMannager.next = s.bulletNext;
    g_MissileMannager.next = s.missileNext;
    g_ELazer.Clear();
    SeedRand(1);
    // A dim backdrop, so the additive blends have room before they saturate.
    std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, 0x101820u);
}

// The ship parked outside the play field and invincible: nothing in the frame can end it. The
// missiles' shot tests score into a keeper of the benchmark's own.
void ParkPlayer() {
    static CPointMannager points;
    g_pPointMannager = &points;
    g_Player.Init();
    g_Player.hitX = 600;
    g_Player.hitY = 470;
    g_Player.invincible = 1;
}

// The enemy-shot steps of one play frame, as the play scenes run them.
void Frame(bool lasers) {
    UpdateEnemyShots();
    if (lasers) AddLasers();
    UpdateLasers();
}

void PoolFrame(benchmark::State& state, bool full) {
    static const bool generated = [] {
        const bool found = UseGeneratedAssets();
        LoadSheets();
        return found;
    }();
    ParkPlayer();
    g_EffectMannager.Reset();
    if (full) {
        FillBullets();
        FillMissiles();
    } else {
        g_EBMannager.Init();
        g_MissileMannager.Init();
    }
    Snapshot& snapshot = TheSnapshot();
    Capture(snapshot);

    int64_t live = 0;
    std::chrono::steady_clock::duration spent{};
    for (auto _ : state) {
        state.PauseTiming();
        Restore(snapshot);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        Frame(full);
        benchmark::ClobberMemory();
        spent += std::chrono::steady_clock::now() - start;
    }
    for (const CEBullet& b : g_EBMannager.bullets)
        live += b.alive;
    for (const CMissile& m : g_MissileMannager.missiles)
        live += m.alive;
    state.counters["live_after"] = static_cast<double>(live);
    const double perFrame = std::chrono::duration<double>(spent).count() /
                            static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["pct_of_16ms"] = 100.0 * perFrame / kFrameSeconds;
    state.SetLabel(generated ? "generated sheets" : "placeholder sheets (run folder not found)");
}

void PoolFrameFull(benchmark::State& state) {
    PoolFrame(state, true);
}
void PoolFrameEmpty(benchmark::State& state) {
    PoolFrame(state, false);
}

BENCHMARK(PoolFrameFull)->Name("PoolFrame_Full")->Unit(benchmark::kMicrosecond);
BENCHMARK(PoolFrameEmpty)->Name("PoolFrame_Empty")->Unit(benchmark::kMicrosecond);

}  // namespace
