#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/app.h"
#include "game/scenes.h"
#include "platform/platform.h"
#include "soak/alloc_count.h"
#include "soak/random_player.h"
#include "soak/soak_stats.h"
#include "tests/engine/temp_dir.h"
#include "tools/playthrough/harness.h"

namespace {

struct Options {
    int64_t frames = 100000;
    uint32_t seed = 1;
    bool helped = false;
    int32_t level = 0;
};

// The boss is worn down on every this-many frames of a helped boss fight.
constexpr int kWearDownPeriod = 300;

const char* kUsage =
    "usage: zarune-soak [--frames=N] [--seed=S] [--helped] [--level=0|1|2]\n"
    "Plays the game headless from the logo with a seeded random player for N frames (100000)\n"
    "and reports frame times, heap allocations and resident memory by scene. --helped makes the\n"
    "ship unhittable and wears each boss down, so that every stage and the ending are reached.\n";

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* name) -> const char* {
            const size_t n = std::strlen(name);
            return arg.compare(0, n, name) == 0 ? arg.c_str() + n : nullptr;
        };
        if (const char* v = value("--frames=")) {
            options.frames = std::atoll(v);
        } else if (const char* v = value("--seed=")) {
            options.seed = static_cast<uint32_t>(std::strtoul(v, nullptr, 10));
        } else if (const char* v = value("--level=")) {
            options.level = std::atoi(v);
        } else if (arg == "--helped") {
            options.helped = true;
        } else {
            return false;
        }
    }
    return options.frames > 0 && options.level >= 0 && options.level <= 2;
}

void PressEscape() {
    platform::Event event;
    event.type = platform::Event::Type::KeyDown;
    event.key = platform::Key::Escape;
    HandleEvent(event);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::printf("zarune-soak: %lld frames, seed %u, %s, level %d\n",
                static_cast<long long>(options.frames), options.seed,
                options.helped ? "helped" : "unhelped", options.level);

    TempDir folder;
    Playthrough game(folder.Path().string());
    RandomPlayer player(options.seed, options.level, options.helped);
    HelpedPlayer helper(kWearDownPeriod);
    SoakStats stats;

    using Clock = std::chrono::steady_clock;
    for (int64_t frame = 0; frame < options.frames; ++frame) {
        const RandomPlayer::Keys keys = player.Next();
        const int32_t before = g_nScene;

        soak::StartCountingAllocations();
        const Clock::time_point start = Clock::now();
        if (keys.escape) PressEscape();
        if (options.helped) {
            helper.Step(game, keys.held);
        } else {
            game.Step(keys.held);
        }
        const Clock::time_point end = Clock::now();
        const uint64_t allocations = soak::StopCountingAllocations();

        stats.Add(frame, before, g_nScene, std::chrono::duration<double>(end - start).count(),
                  allocations);
        if (frame == options.frames / 2) stats.SetResident(true, ResidentBytes());
        if (QuitRequested()) {
            std::printf("the game was asked to quit at frame %lld\n",
                        static_cast<long long>(frame));
            return 1;
        }
    }
    stats.SetResident(false, ResidentBytes());
    stats.Print(stdout);

    int status = 0;
    if (const uint64_t n = stats.PlayAllocations(); n > 0) {
        std::printf("FAIL: %llu heap allocations in play frames without a scene change\n",
                    static_cast<unsigned long long>(n));
        status = 1;
    }
    char missing[256];
    stats.Missing(missing, sizeof missing);
    if (options.helped && missing[0] != '\0') {
        std::printf("FAIL: a helped run did not reach:%s\n", missing);
        status = 1;
    }
    return status;
}
