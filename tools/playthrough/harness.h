#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Drives the real game headless, frame by frame, from program start: the placeholder assets
// are written into a fresh folder, the start-up objects are made as the window's creation
// makes them, and each frame's keys are set before RunFrame as the window's key messages
// would set them. Shared by the whole-run tests and the frame benchmarks.
class Playthrough {
public:
    // Writes the assets into `folder` and makes it the current one; throws std::runtime_error
    // when they cannot be written.
    explicit Playthrough(const std::string& folder);

    // One frame with the seven key flags of an input byte (bit 0 Z ... bit 6 right).
    void Step(uint8_t keys);
    // The keys that lead from the logo to the first frame of stage play at level 0 with the
    // conversations off; false when stage play is not reached.
    bool RunMenusToStagePlay();
    // A menu press: one frame with `keys` held, one with none, so the next press is an edge.
    void Press(uint8_t keys);
    // Frames without keys until the current scene is `scene`; false after `limit` frames.
    bool StepUntilScene(int32_t scene, int limit);
    int Frame() const { return frame_; }

private:
    int frame_ = 0;
};

// The keys a scripted player presses on the t-th frame of play: fire, sway left and right,
// climb and dive now and then, a bomb every 1200 frames, one shot-type change. In the continue
// and pause prompts it taps the shot key, which goes on.
uint8_t ScriptedPlayKeys(int t);

// A new game started straight at `stage` and `level`, as the stage end would start it: the
// stage's boss made ready and stage play requested and switched to.
void StartStage(int32_t stage, int32_t level);

// The every-stage run's player: the scripted keys with a ship that cannot be hit, and a boss
// worn down so that every phase is played and the defeat sequence follows.
class HelpedPlayer {
public:
    // Each phase of a stage's boss plays its whole timeline and one more pass from where it
    // loops back before it is worn down; until then the player's shots cannot beat it.
    HelpedPlayer() = default;
    // The boss worn down on every `wearPeriod`-th frame of the boss fights, whatever its phase.
    explicit HelpedPlayer(int wearPeriod) : wearPeriod_(wearPeriod) {}
    void Step(Playthrough& game) { Step(game, NextKeys()); }
    // The same with other keys than the script's.
    void Step(Playthrough& game, uint8_t keys);
    // The keys the script presses on the next Step.
    uint8_t NextKeys() const { return ScriptedPlayKeys(t_); }

private:
    void WearByPhase();
    void WearByPeriod();

    int wearPeriod_ = 0;  // 0: by phase
    int t_ = 0;
    int bossFrames_ = 0;
    int32_t phase_ = -1;  // the boss phase being counted, -1 between fights
    int phaseFrames_ = 0;
};

// A fingerprint of everything a replay must reproduce: the state, and the trail of what the
// frames since the last call asked of the speakers and drew as enemy lasers, which the state
// does not keep. It starts the trail afresh.
uint64_t HashGameState();
// Step's ends of a frame: before it, the dead laser records are blanked (nothing reads them);
// after it, the frame's sound requests, music calls and lasers join the trail, and the requests
// are cleared as the sound thread would clear them.
void BeginFrameTrail();
void EndFrameTrail();
// Forgets the trail, for a state put back from a snapshot.
void RestartTrail();
// A fingerprint of the back buffer's pixels.
uint64_t HashBackBuffer();
