#include "engine/sound_thread.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/requests.h"
#include "engine/sound.h"
#include "platform/audio.h"
#include "platform/platform.h"

SoundThread g_SoundThread;

void RunSoundPass(SoundPassState& state, Relaxed<uint8_t>* requests, int32_t scene,
                  SoundSink& sink) {
    for (int32_t b = 2; b < kSoundRequestCount; ++b) {
        if (requests[b] == 1) {
            requests[b] = 0;
            sink.PlayEffect(b - 2);
        }
    }
    if (scene != 10 && scene != 50) {
        sink.StopLoop();
        return;
    }
    int32_t* h = state.hitHold;
    const bool shotRequested = requests[0] != 0;
    const bool hitRequested = requests[1] != 0;
    if (h[0] == 0 && h[1] == 0 && h[2] == 0 && h[3] != 0) {
        state.shotPlaying = state.hitPlaying = false;
        sink.StopLoop();
    }
    if (shotRequested && h[0] == 0 && !state.shotPlaying) {
        state.shotPlaying = true;
        sink.PlayLoop(kShotLoop);
    }
    if (hitRequested) h[0] = 1;
    if (h[0] == 1 && !state.hitPlaying) {
        state.hitPlaying = true;
        sink.PlayLoop(kHitLoop);
    }
    if (!shotRequested && h[1] == 0) {
        state.shotPlaying = state.hitPlaying = false;
        sink.StopLoop();
    }
    h[3] = h[2];
    h[2] = h[1];
    h[1] = h[0];
    h[0] = h[0] > 0 ? h[0] - 1 : 0;
    requests[0] = 0;
    requests[1] = 0;
}

namespace {

bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    uint8_t block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        bytes.insert(bytes.end(), block, block + got);
    }
    std::fclose(file);
    return true;
}

// The speakers as the thread drives them: effects through the effect buffers, the loops on
// the loop channel. Nothing sounds until the device is open.
class DeviceSink final : public SoundSink {
public:
    explicit DeviceSink(const std::vector<uint8_t> (&files)[2]) : files_(files) {}
    ~DeviceSink() {
        if (g_Sound.IsDeviceOpen()) platform::AudioHaltChannel(platform::kLoopChannel);
        for (platform::AudioChunk*& chunk : loops_) {
            platform::AudioFreeChunk(chunk);
            chunk = nullptr;
        }
    }

    // The loop files can only be decoded once the device's format is known.
    void DecodeLoopsOnceOpen() {
        if (decoded_ || !g_Sound.IsDeviceOpen()) return;
        for (int i = 0; i < 2; ++i) {
            loops_[i] = platform::AudioLoadChunk(files_[i].data(), files_[i].size());
        }
        decoded_ = true;
    }

    void PlayEffect(int32_t record) override { g_Sound.Play(record); }
    void PlayLoop(LoopSound loop) override {
        if (g_Sound.IsDeviceOpen())
            platform::AudioPlayChunk(platform::kLoopChannel, loops_[loop], true);
    }
    void StopLoop() override {
        if (g_Sound.IsDeviceOpen()) platform::AudioHaltChannel(platform::kLoopChannel);
    }

private:
    const std::vector<uint8_t> (&files_)[2];
    platform::AudioChunk* loops_[2] = {};
    bool decoded_ = false;
};

}  // namespace

SoundThread::~SoundThread() {
    Stop();
}

void SoundThread::Start() {
    if (thread_.joinable()) return;
    stop_ = false;
    thread_ = std::thread(&SoundThread::Run, this);
}

void SoundThread::Stop() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> guard(lock_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void SoundThread::Run() {
    std::vector<uint8_t> files[2];
    for (int i = 0; i < 2; ++i) {
        if (!ReadWholeFile(kLoopSoundFiles[i], files[i])) {
            platform::ErrorBox(kLoopSoundFiles[i], "ファイルが開けません", false);
            return;
        }
    }
    DeviceSink sink(files);
    SoundPassState state;
    std::unique_lock<std::mutex> guard(lock_);
    while (!stop_) {
        guard.unlock();
        sink.DecodeLoopsOnceOpen();
        RunSoundPass(state, SoundRequest, g_nNextScene, sink);
        guard.lock();
        wake_.wait_for(guard, std::chrono::milliseconds(60), [this] { return stop_; });
    }
}
