#include "engine/sound.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/platform.h"
#include "platform/resources.h"

CEasySound3D g_Sound;
SoundBuffer g_aSoundBuffer[kEffectCount];

namespace {

uint32_t ReadU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void WriteU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(v >> shift));
}

void WriteTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

// A minimal WAVE file holding exactly the format and samples that ParseWaveData found, so the
// decoder sees the same sound whatever else the source file carried.
std::vector<uint8_t> RebuildWave(const WaveInfo& info) {
    const uint32_t formatPadded = info.formatSize + (info.formatSize & 1);
    std::vector<uint8_t> out;
    out.reserve(20 + formatPadded + 8 + info.dataSize);
    WriteTag(out, "RIFF");
    WriteU32(out, 4 + 8 + formatPadded + 8 + info.dataSize);
    WriteTag(out, "WAVE");
    WriteTag(out, "fmt ");
    WriteU32(out, info.formatSize);
    out.insert(out.end(), info.format, info.format + info.formatSize);
    if (info.formatSize & 1) out.push_back(0);
    WriteTag(out, "data");
    WriteU32(out, info.dataSize);
    out.insert(out.end(), info.data, info.data + info.dataSize);
    return out;
}

}  // namespace

bool ParseWaveData(const uint8_t* bytes, size_t size, WaveInfo& info) {
    info = WaveInfo();
    if (bytes == nullptr || size < 12) return false;
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return false;
    uint64_t end = uint64_t(8) + ReadU32(bytes + 4);
    if (end > size) end = size;
    bool haveFormat = false;
    bool haveData = false;
    uint64_t pos = 12;
    while (pos + 8 <= end) {
        const uint8_t* chunk = bytes + pos;
        const uint32_t chunkSize = ReadU32(chunk + 4);
        const bool fits = pos + 8 + chunkSize <= end;
        if (!haveFormat && std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize < 14 || !fits) return false;
            info.format = chunk + 8;
            info.formatSize = chunkSize;
            haveFormat = true;
        } else if (!haveData && std::memcmp(chunk, "data", 4) == 0) {
            if (!fits) return false;
            info.data = chunk + 8;
            info.dataSize = chunkSize;
            haveData = true;
        }
        if (haveFormat && haveData && info.dataSize != 0) return true;
        pos += uint64_t(8) + chunkSize + (chunkSize & 1);
    }
    return false;
}

CEasySound::~CEasySound() = default;

bool CEasySound::ParseWave(int32_t number, WaveInfo& info) const {
    if (!EffectsOpen()) return false;
    size_t size = 0;
    const uint8_t* bytes = platform::FindWave(number, &size);
    return bytes != nullptr && ParseWaveData(bytes, size, info);
}

bool CEasySound::CreateBufferFromResource(int32_t number, platform::AudioChunk*& chunk) {
    if (!EffectsOpen()) return false;
    WaveInfo info;
    if (!ParseWave(number, info)) {
        char text[64];
        std::snprintf(text, sizeof text, "WAVE %d の解析に失敗", int(number));
        platform::ErrorBox("Error", text, false);
        return false;
    }
    const std::vector<uint8_t> wave = RebuildWave(info);
    chunk = platform::AudioLoadChunk(wave.data(), wave.size());
    return chunk != nullptr;
}

CEasySound3D::~CEasySound3D() {
    Close();
}

bool CEasySound3D::Init(int32_t channels, int32_t rate, int32_t bits) {
    if (IsDeviceOpen()) return false;
    switch (platform::AudioOpen(channels, rate, bits)) {
        case platform::AudioOpenResult::Opened:
            break;
        case platform::AudioOpenResult::NoAudioSystem:
            platform::ErrorBox("Error", "DirectSoundオブジェクトの作成に失敗", false);
            return false;
        case platform::AudioOpenResult::NoDevice:
            platform::ErrorBox("Error", "プライマリ・バッファの作成に失敗", false);
            return false;
    }
    deviceOpen_.store(true, std::memory_order_release);
    initialised.store(1, std::memory_order_release);
    return true;
}

bool CEasySound3D::LoadSound(int32_t record, int32_t number) {
    if (!EffectsOpen() || record < 0 || record >= kEffectCount) return false;
    platform::AudioChunk* chunk = nullptr;
    if (!CreateBufferFromResource(number, chunk)) {
        initialised.store(0, std::memory_order_release);
        platform::ErrorBox("Error", "セカンダリ・バッファの作成に失敗", false);
        return false;
    }
    platform::AudioFreeChunk(
        g_aSoundBuffer[record].chunk.exchange(chunk, std::memory_order_acq_rel));
    return true;
}

bool CEasySound3D::Play(int32_t record) {
    if (!EffectsOpen()) return false;
    if (record >= 0 && record < kEffectCount) {
        platform::AudioPlayChunk(
            record, g_aSoundBuffer[record].chunk.load(std::memory_order_acquire), false);
    }
    return true;
}

void CEasySound3D::Close() {
    initialised.store(0, std::memory_order_release);
    for (SoundBuffer& buffer : g_aSoundBuffer) {
        platform::AudioFreeChunk(buffer.chunk.exchange(nullptr, std::memory_order_acq_rel));
    }
    if (deviceOpen_.exchange(false, std::memory_order_acq_rel)) platform::AudioClose();
}
