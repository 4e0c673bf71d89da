#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "engine/relaxed.h"

// The sound thread: every 60 ms it plays the effects that game code requested and keeps the
// shot and hit loops going while they are requested.

enum LoopSound : int32_t { kShotLoop = 0, kHitLoop = 1 };
inline constexpr const char* kLoopSoundFiles[2] = {"sound/p-shot1.wav", "sound/kezuri.wav"};

// What one pass does to the speakers.
class SoundSink {
public:
    virtual void PlayEffect(int32_t record) = 0;
    // Starts a loop, replacing whichever loop was playing.
    virtual void PlayLoop(LoopSound loop) = 0;
    virtual void StopLoop() = 0;

protected:
    ~SoundSink() = default;
};

// The thread's memory between passes.
struct SoundPassState {
    bool shotPlaying = false;
    bool hitPlaying = false;
    // Whether each of the last four passes saw a hit request, newest first.
    int32_t hitHold[4] = {};
};

// One pass over the 23 request bytes for the requested scene number: plays and clears the effect
// requests that hold 1, then starts, swaps or stops the loops. The loops run only in stage play
// (10) and the boss fight (50); any other scene silences them.
void RunSoundPass(SoundPassState& state, Relaxed<uint8_t>* requests, int32_t scene,
                  SoundSink& sink);

class SoundThread {
public:
    SoundThread() = default;
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;
    ~SoundThread();

    // Starts the thread; it first reads the two loop files from the working folder.
    void Start();
    // Asks the thread to end and waits for it.
    void Stop();

private:
    void Run();

    std::thread thread_;
    std::mutex lock_;
    std::condition_variable wake_;
    bool stop_ = false;
};

extern SoundThread g_SoundThread;
