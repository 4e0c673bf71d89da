#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Drives the real game headless, frame by frame, from program start: the placeholder assets
// are written into a fresh folder, the start-up objects are made as the window's creation
// makes them, and each frame's keys are set before RunFrame as the window's key messages
// would set them.
class Playthrough {
public:
    // Writes the assets into `folder` and makes it the current one; throws std::runtime_error
    // when they cannot be written.
    explicit Playthrough(const std::string& folder);

    // One frame with the seven key flags of an input byte (bit 0 Z ... bit 6 right).
    void Step(uint8_t keys);
    // The keys that lead from the logo to the first frame of stage play at level 0 with the
    // conversations off; false when stage play was not reached in time.
    [[nodiscard]] bool RunMenusToStagePlay();
    int Frame() const { return frame_; }

private:
    int frame_ = 0;
};

// Helps a run along, to be called after every frame: the ship cannot be hit, and the boss is
// worn down to no hit points on every `period`-th frame of boss fight.
class Assist {
public:
    explicit Assist(int period) : period_(period) {}
    void AfterFrame();
    int BossFrames() const { return bossFrames_; }

private:
    int period_;
    int bossFrames_ = 0;
};

// The keys a scripted player presses on the t-th frame of play: fire, sway left and right,
// climb and dive now and then, a bomb every 1200 frames, one shot-type change. In the continue
// and pause prompts it taps the shot key, which goes on.
uint8_t ScriptedPlayKeys(int t);

// A fingerprint of everything a replay must reproduce.
uint64_t HashGameState();
