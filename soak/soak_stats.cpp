#include "soak/soak_stats.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "engine/game_state.h"
#include "game/ending.h"
#include "game/scenes.h"

namespace {

const char* SceneName(int32_t number) {
    switch (number) {
        case kSceneLogo:
            return "logo";
        case kSceneTitle:
            return "title";
        case kSceneLevelSelect:
            return "level select";
        case kSceneIntroduction:
            return "introduction";
        case kSceneReplaySelect:
            return "replay select";
        case kSceneGame:
            return "stage play";
        case kSceneBoss:
            return "boss fight";
        case kSceneStageEnd:
            return "stage end";
        case kSceneChat:
            return "conversation";
        case kSceneContinue:
        case kSceneContinueBoss:
            return "continue";
        case kScenePause:
        case kScenePauseBoss:
            return "pause";
        case kSceneEnding:
            return "ending";
        case kSceneKeyConfig:
            return "key config";
        default:
            return "other";
    }
}

bool InNameEntry() {
    return g_nScene == kSceneEnding && static_cast<const CEnding*>(g_pEnding)->skipMovie == 1 &&
           g_bReplay == 0;
}

double MiB(uint64_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

SoakStats::Scene* SoakStats::Find(int32_t number) {
    for (Scene& scene : scenes_) {
        if (scene.number == number) return &scene;
        if (scene.number == -1) {
            scene.number = number;
            return &scene;
        }
    }
    return &scenes_.back();
}

void SoakStats::Progress(int32_t before, int32_t after) {
    if (g_nStage >= 0 && g_nStage < 7) {
        if (before == kSceneGame) ++stageFrames_[g_nStage];
        if (before == kSceneBoss) ++bossFrames_[g_nStage];
    }
    if (InNameEntry()) {
        ++nameEntryFrames_;
        nameEntryShown_ = true;
    }
    if (before == after) return;
    if (after == kSceneStageEnd) ++stageEnds_;
    if (after == kSceneEnding) ++endings_;
    if (before == kSceneEnding && after == kSceneTitle && nameEntryShown_) {
        ++namesEntered_;
        nameEntryShown_ = false;
    }
    if (IsPromptScene(before) && after == kSceneTitle) ++giveUps_;
    if ((before == kSceneContinue || before == kSceneContinueBoss) && IsPlayScene(after)) {
        ++continues_;
    }
    if (after == kScenePause || after == kScenePauseBoss) ++pauses_;
    if (before == kSceneReplaySelect && after == kSceneGame) ++replays_;
}

void SoakStats::Add(int64_t frame, int32_t before, int32_t after, double seconds,
                    uint64_t allocations) {
    ++frames_;
    seconds_ += seconds;
    Scene& scene = *Find(before);
    ++scene.frames;
    scene.seconds += seconds;
    const double ms = seconds * 1000.0;
    if (ms > scene.slowest.back().ms) {
        scene.slowest.back() = {ms, frame};
        std::sort(scene.slowest.begin(), scene.slowest.end(),
                  [](const Slow& a, const Slow& b) { return a.ms > b.ms; });
    }
    if (before != after) {
        ++scene.switches;
        scene.switchAllocations += allocations;
    } else if (allocations > 0) {
        scene.steadyAllocations += allocations;
        ++scene.steadyFramesAllocating;
        scene.mostInOneFrame = std::max(scene.mostInOneFrame, allocations);
        if (scene.firstAllocatingFrame < 0) scene.firstAllocatingFrame = frame;
    }
    Progress(before, after);
}

void SoakStats::SetResident(bool middle, uint64_t bytes) {
    (middle ? residentMiddle_ : residentEnd_) = bytes;
}

uint64_t SoakStats::PlayAllocations() const {
    uint64_t total = 0;
    for (const Scene& scene : scenes_) {
        if (IsPlayScene(scene.number)) total += scene.steadyAllocations;
    }
    return total;
}

void SoakStats::Missing(char* out, size_t size) const {
    out[0] = '\0';
    auto add = [&](const char* what, int32_t stage) {
        const size_t used = std::strlen(out);
        if (stage >= 0) {
            std::snprintf(out + used, size - used, " %s %d", what, stage);
        } else {
            std::snprintf(out + used, size - used, " %s", what);
        }
    };
    for (int32_t stage = 0; stage <= 5; ++stage) {
        if (stageFrames_[stage] == 0) add("stage", stage);
        if (bossFrames_[stage] == 0) add("boss", stage);
    }
    if (stageEnds_ == 0) add("stage-end", -1);
    if (endings_ == 0) add("ending", -1);
    if (nameEntryFrames_ == 0) add("name-entry", -1);
}

void SoakStats::Print(std::FILE* out) const {
    std::fprintf(out, "frames per second: %.1f (%lld frames in %.1f s)\n",
                 seconds_ > 0 ? static_cast<double>(frames_) / seconds_ : 0.0,
                 static_cast<long long>(frames_), seconds_);
    std::fprintf(out, "%-14s %5s %9s %8s %8s  %-36s %s\n", "scene", "no.", "frames", "switches",
                 "ms/frame", "slowest frames (ms @ frame)",
                 "allocations: steady (frames, most, first frame) / on switches");
    for (const Scene& scene : scenes_) {
        if (scene.number < 0) continue;
        char slow[128] = "";
        for (const Slow& s : scene.slowest) {
            if (s.frame < 0) continue;
            const size_t used = std::strlen(slow);
            std::snprintf(slow + used, sizeof slow - used, "%.2f@%lld ", s.ms,
                          static_cast<long long>(s.frame));
        }
        std::fprintf(out, "%-14s %5d %9lld %8lld %8.3f  %-36s %llu (%lld, %llu, %lld) / %llu\n",
                     SceneName(scene.number), scene.number, static_cast<long long>(scene.frames),
                     static_cast<long long>(scene.switches),
                     1000.0 * scene.seconds / static_cast<double>(scene.frames), slow,
                     static_cast<unsigned long long>(scene.steadyAllocations),
                     static_cast<long long>(scene.steadyFramesAllocating),
                     static_cast<unsigned long long>(scene.mostInOneFrame),
                     static_cast<long long>(scene.firstAllocatingFrame),
                     static_cast<unsigned long long>(scene.switchAllocations));
    }
    std::fprintf(out, "resident memory: middle %.1f MiB, end %.1f MiB, growth %+.1f MiB\n",
                 MiB(residentMiddle_), MiB(residentEnd_), MiB(residentEnd_) - MiB(residentMiddle_));
    std::fprintf(out, "stage-play frames by stage index 0..6:");
    for (const int64_t n : stageFrames_)
        std::fprintf(out, " %lld", static_cast<long long>(n));
    std::fprintf(out, "\nboss-fight frames by stage index 0..6:");
    for (const int64_t n : bossFrames_)
        std::fprintf(out, " %lld", static_cast<long long>(n));
    std::fprintf(out,
                 "\nstage ends %lld, endings %lld, name entries finished %lld, give-ups %lld, "
                 "continues %lld, pauses %lld, replays started %lld\n",
                 static_cast<long long>(stageEnds_), static_cast<long long>(endings_),
                 static_cast<long long>(namesEntered_), static_cast<long long>(giveUps_),
                 static_cast<long long>(continues_), static_cast<long long>(pauses_),
                 static_cast<long long>(replays_));
}

uint64_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    uint64_t size = 0;
    uint64_t resident = 0;
    statm >> size >> resident;
    return resident * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
}
