#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

// What a soak run measures, frame by frame: time and heap allocations by scene, the slowest
// frames, and how far the run got (stages, bosses, endings, prompts). Everything is sized up
// front, so recording a frame allocates nothing.
class SoakStats {
public:
    static constexpr int kSlowest = 3;

    struct Slow {
        double ms = 0;
        int64_t frame = -1;
    };

    struct Scene {
        int32_t number = -1;
        int64_t frames = 0;
        int64_t switches = 0;  // frames that ended in a scene change
        double seconds = 0;
        std::array<Slow, kSlowest> slowest{};
        uint64_t steadyAllocations = 0;  // in frames without a scene change
        int64_t steadyFramesAllocating = 0;
        uint64_t mostInOneFrame = 0;
        int64_t firstAllocatingFrame = -1;
        uint64_t switchAllocations = 0;
    };

    // One frame: the scene it began in and the one it ended in, its time and its allocations.
    void Add(int64_t frame, int32_t before, int32_t after, double seconds, uint64_t allocations);
    void SetResident(bool middle, uint64_t bytes);

    // Allocations in stage-play and boss-fight frames that changed no scene.
    uint64_t PlayAllocations() const;
    // The places a helped run must reach that this run did not, as one line; empty when none.
    void Missing(char* out, size_t size) const;
    void Print(std::FILE* out) const;

private:
    Scene* Find(int32_t number);
    void Progress(int32_t before, int32_t after);

    std::array<Scene, 16> scenes_{};
    int64_t frames_ = 0;
    double seconds_ = 0;
    uint64_t residentMiddle_ = 0;
    uint64_t residentEnd_ = 0;
    // Frames of stage play and of boss fight by stage index.
    std::array<int64_t, 7> stageFrames_{};
    std::array<int64_t, 7> bossFrames_{};
    int64_t stageEnds_ = 0;
    int64_t endings_ = 0;
    int64_t nameEntryFrames_ = 0;
    int64_t namesEntered_ = 0;
    bool nameEntryShown_ = false;  // the current ending has reached its name entry
    int64_t giveUps_ = 0;
    int64_t continues_ = 0;
    int64_t pauses_ = 0;
    int64_t replays_ = 0;
};

// The resident set of this process, from /proc/self/statm.
uint64_t ResidentBytes();
