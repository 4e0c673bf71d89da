// The heaviest frames the game reaches, each run whole through RunFrame (headless, present
// included) at the hardest level: the stage-5 boss's four phases at their densest bullet and
// laser curtains, a bomb going off over the stage-5 boss's bullets, the stage-3 boss's last
// phase, and the frame of stage 2 with the most effects in play (a large ship's death).
//
// Each is reached from a new game by the every-stage run's player (scripted keys, a ship that
// cannot be hit, the boss worn down every 900 frames). On the way, the state before every frame
// of the moment's window is kept, and the frame that does the most of the moment's work is
// chosen. Every iteration puts that state back (clock paused) and runs the frame; the state
// and picture it leaves are checked against the ones the run itself left, so a frame that no
// longer repeats exactly stops the benchmark with an error.
//
// x_memcpy is one frame's CPU time over one 640x480 memcpy's (Memcpy_Frame's work), both
// measured in the same process; bullets, effects and lasers count what the frame left in play, and
// bullets_before the enemy bullets it started with.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

#include "bench/common/memcpy_reference.h"
#include "bench/game/game_snapshot.h"
#include "bosses/boss.h"
#include "engine/image.h"
#include "engine/requests.h"
#include "game/input.h"
#include "game/scenes.h"
#include "shooting/bomb.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/laser_shot.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"
#include "tools/playthrough/harness.h"

namespace {

constexpr int32_t kLevel = 2;

// What is in play.
struct Counts {
    int32_t bullets = 0;
    int32_t effects = 0;
    int32_t lasers = 0;
};

Counts CountInPlay() {
    Counts c;
    for (const CEBullet& b : g_EBMannager.bullets)
        c.bullets += b.alive;
    for (const CEffect& e : g_EffectMannager.mid)
        c.effects += e.alive;
    for (const CEffect& e : g_EffectMannager.back)
        c.effects += e.alive;
    for (const CEffect& e : g_EffectMannager.front)
        c.effects += e.alive;
    for (const CLazerBullet& l : g_LBMannager.shots)
        c.lasers += l.alive;
    return c;
}

bool InBossPhase(int32_t phasesLeft) {
    return g_nScene == kSceneBoss && g_pBoss->phasesLeft == phasesLeft && g_pBoss->dying == 0;
}

// One play of a stage from a new game, through the scene its moments lie in.
struct Run {
    int32_t stage;
    int32_t scene;  // stage play or the boss fight
    // When not 0, the helper also presses the bomb (with one in stock) once this many enemy
    // bullets are in play: the densest pool the stage-5 boss fills is just over 700.
    int32_t bombOver;
};
constexpr Run kRuns[] = {
    {2, kSceneGame, 0},
    {3, kSceneBoss, 0},
    {5, kSceneBoss, 0},
    {5, kSceneBoss, 700},
};

// A moment: its run, and the weight of the frame just run, or a negative one outside the
// moment's window. `before` is what was in play before the frame.
struct Moment {
    const char* name;
    int run;
    int64_t (*weight)(const Counts& before, const Counts& after);
};

int64_t Curtain(const Counts& after) {
    // A beam draws hundreds of rows of additive span; count it as a few dozen bullets.
    return after.bullets + 40 * int64_t{after.lasers};
}

const Moment kMoments[] = {
    {"Frame_LargeEnemyDeath", 0,
     [](const Counts&, const Counts& after) -> int64_t {
         return g_nScene == kSceneGame ? after.effects : -1;
     }},
    {"Frame_Boss3LastPhase", 1,
     [](const Counts&, const Counts& after) -> int64_t {
         return InBossPhase(0) ? Curtain(after) : -1;
     }},
    {"Frame_Boss5Phase1of4", 2,
     [](const Counts&, const Counts& after) -> int64_t {
         return InBossPhase(3) ? Curtain(after) : -1;
     }},
    {"Frame_Boss5Phase2of4", 2,
     [](const Counts&, const Counts& after) -> int64_t {
         return InBossPhase(2) ? Curtain(after) : -1;
     }},
    {"Frame_Boss5Phase3of4", 2,
     [](const Counts&, const Counts& after) -> int64_t {
         return InBossPhase(1) ? Curtain(after) : -1;
     }},
    {"Frame_Boss5Phase4of4", 2,
     [](const Counts&, const Counts& after) -> int64_t {
         return InBossPhase(0) ? Curtain(after) : -1;
     }},
    {"Frame_Boss5Bomb", 3,
     [](const Counts& before, const Counts&) -> int64_t {
         // The bomb's first frame empties the pool: the one over the most bullets.
         return g_nScene == kSceneBoss && g_Bomb.running != 0 && g_Bomb.counter == 1
                    ? before.bullets
                    : -1;
     }},
};
constexpr int kMomentCount = static_cast<int>(std::size(kMoments));

// Four interleaved FNV-1a lanes over the pixel pairs: a quarter of the one-lane chain's wait
// on the multiplier, so the check does not take longer than the frame it checks.
uint64_t HashPicture() {
    uint64_t lanes[4] = {14695981039346656037ull, 1, 2, 3};
    for (int32_t i = 0; i < kScreenWidth * kScreenHeight; i += 8) {
        for (int k = 0; k < 4; ++k) {
            uint64_t pair = 0;
            std::memcpy(&pair, g_BackBuffer.pixels + i + 2 * k, sizeof pair);
            lanes[k] = (lanes[k] ^ pair) * 1099511628211ull;
        }
    }
    return lanes[0] ^ (lanes[1] << 1) ^ (lanes[2] << 2) ^ (lanes[3] << 3);
}

struct Chosen {
    GameSnapshot state;  // before the frame
    uint8_t keys = 0;
    int64_t weight = -1;
    Counts before;
    Counts after;
    uint64_t stateAfter = 0;
    uint64_t pictureAfter = 0;
};

// The game, made once, and the chosen frames of the run played last.
class Frames {
public:
    Frames() {
        folder_ = std::filesystem::temp_directory_path() / "zarune-frame-bench";
        std::filesystem::create_directories(folder_);
        game_ = std::make_unique<Playthrough>(folder_.string());
        // The logo scene makes the stage scripts and bosses on its way to the title.
        while (g_nScene != kSceneTitle)
            game_->Step(0);
        keeper_ = g_pPointMannager;
    }
    ~Frames() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    Playthrough& Game() { return *game_; }

    // The chosen frame of moment `m`, playing its run again when another run was played since
    // (a stage's pictures are loaded only while it plays).
    Chosen& Get(int m) {
        if (run_ != kMoments[m].run) Play(kMoments[m].run);
        return chosen_[m];
    }

private:
    void Play(int r) {
        const Run& run = kRuns[r];
        for (int m = 0; m < kMomentCount; ++m) {
            if (kMoments[m].run == r) chosen_[m] = Chosen();
        }
        g_pPointMannager = keeper_;  // the pool benchmark installs a keeper of its own
        // Through the title, which clears the score and gauges: a run does not depend on the
        // runs played before it.
        g_nNextScene = kSceneTitle;
        SwitchScene();
        StartStage(run.stage, kLevel);
        HelpedPlayer player(900);
        GameSnapshot previous;
        for (int t = 0; t < 20000; ++t) {
            // Stop before the next scene loads other pictures.
            if (run.scene == kSceneBoss ? g_nScene == kSceneBoss && g_pBoss->phasesLeft < 0
                                        : g_nScene != kSceneGame) {
                break;
            }
            const Counts before = CountInPlay();
            const bool bomb = run.bombOver != 0 && before.bullets >= run.bombOver;
            if (bomb && g_Player.bombs == 0) g_Player.bombs = 1;
            const bool captured = g_nScene == run.scene;
            if (captured) {
                previous.Capture();
                RestartTrail();
            }
            const uint8_t keys = player.NextKeys() | (bomb ? kInputBomb : 0);
            player.Step(*game_, keys);
            const Counts after = CountInPlay();
            for (int m = 0; captured && m < kMomentCount; ++m) {
                if (kMoments[m].run != r) continue;
                const int64_t weight = kMoments[m].weight(before, after);
                if (weight <= chosen_[m].weight) continue;
                chosen_[m].state = previous;
                chosen_[m].keys = keys;
                chosen_[m].weight = weight;
                chosen_[m].before = before;
                chosen_[m].after = after;
                chosen_[m].stateAfter = HashGameState();
                chosen_[m].pictureAfter = HashPicture();
            }
        }
        run_ = r;
    }

    std::filesystem::path folder_;
    std::unique_ptr<Playthrough> game_;
    CPointMannager* keeper_ = nullptr;
    int run_ = -1;
    Chosen chosen_[kMomentCount];
};

Frames& TheFrames() {
    static Frames frames;
    return frames;
}

void RunMoment(benchmark::State& state, int m) {
    Frames& frames = TheFrames();
    Chosen& chosen = frames.Get(m);
    if (chosen.weight < 0) {
        state.SkipWithError("the moment was not reached");
        return;
    }
    double spent = 0;
    for (auto _ : state) {
        state.PauseTiming();
        chosen.state.Restore();
        RestartTrail();
        state.ResumeTiming();
        const double start = ThreadSeconds();
        frames.Game().Step(chosen.keys);
        spent += ThreadSeconds() - start;
        state.PauseTiming();
        const bool same =
            HashGameState() == chosen.stateAfter && HashPicture() == chosen.pictureAfter;
        state.ResumeTiming();
        if (!same) {
            state.SkipWithError("the frame did not repeat the run's own");
            break;
        }
    }
    const double perFrame = spent / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["x_memcpy"] = perFrame / MemcpyFrameSeconds();
    state.counters["bullets_before"] = chosen.before.bullets;
    state.counters["bullets"] = chosen.after.bullets;
    state.counters["effects"] = chosen.after.effects;
    state.counters["lasers"] = chosen.after.lasers;
}

bool RegisterAll() {
    for (int m = 0; m < kMomentCount; ++m) {
        benchmark::RegisterBenchmark(kMoments[m].name, RunMoment, m)->Unit(benchmark::kMicrosecond);
    }
    return true;
}

[[maybe_unused]] const bool g_registered = RegisterAll();

}  // namespace
