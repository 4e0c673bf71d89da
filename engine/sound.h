#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/audio.h"

// The sound device and the 21 effect buffers, one per built-in WAVE 131..151.

// Where a WAVE file keeps its format and its samples.
struct WaveInfo {
    const uint8_t* format = nullptr;
    uint32_t formatSize = 0;
    const uint8_t* data = nullptr;
    uint32_t dataSize = 0;
};

// Walks the RIFF chunks of a WAVE file of `size` bytes: the first "fmt " (at least 14 bytes) and
// the first "data" (nonzero) are required. Nothing beyond `size` or the RIFF size is read; a
// chunk that claims more bytes than remain makes the file invalid.
bool ParseWaveData(const uint8_t* bytes, size_t size, WaveInfo& info);

inline constexpr int kEffectCount = 21;
inline constexpr int kFirstEffectWave = 131;

// One effect: its decoded sound. The sound thread reads it while start-up may still fill it.
struct SoundBuffer {
    std::atomic<platform::AudioChunk*> chunk{nullptr};
};

class CEasySound {
public:
    CEasySound() = default;
    CEasySound(const CEasySound&) = delete;
    CEasySound& operator=(const CEasySound&) = delete;
    virtual ~CEasySound();

    // 1 while effects can be loaded and played. A failed effect clears it for the rest of the
    // run while the device stays open for music and the loops.
    std::atomic<int32_t> initialised{0};

    bool IsDeviceOpen() const { return deviceOpen_.load(std::memory_order_acquire); }
    bool EffectsOpen() const { return initialised.load(std::memory_order_acquire) == 1; }

    // Finds built-in WAVE `number`; false while effects are closed.
    bool ParseWave(int32_t number, WaveInfo& info) const;
    // Decodes built-in WAVE `number` into a chunk; an unreadable WAVE is reported.
    bool CreateBufferFromResource(int32_t number, platform::AudioChunk*& chunk);

protected:
    std::atomic<bool> deviceOpen_{false};
};

class CEasySound3D : public CEasySound {
public:
    ~CEasySound3D() override;

    // Opens the device; false (after a box naming the step) when it cannot be opened, and at
    // once when it is already open.
    bool Init(int32_t channels, int32_t rate, int32_t bits);
    // Fills effect `record` from built-in WAVE `number`. The first failure closes the effects.
    bool LoadSound(int32_t record, int32_t number);
    // Plays effect `record` from its start; true while effects are open.
    bool Play(int32_t record);
    // Frees every effect and closes the device.
    void Close();
};

extern CEasySound3D g_Sound;
extern SoundBuffer g_aSoundBuffer[kEffectCount];
