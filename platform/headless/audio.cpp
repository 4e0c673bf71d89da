#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "platform/headless/headless_audio.h"

// A sound device that plays nothing and writes down what it was asked to do. The sound
// thread and the game thread both call it, so its state sits behind one lock.
namespace platform {

struct AudioChunk {
    int id;
};

struct AudioMusic {
    std::string path;
};

namespace {

struct AudioState {
    std::mutex lock;
    bool open = false;
    AudioOpenResult nextOpen = AudioOpenResult::Opened;
    int failLoadIn = -1;
    int chunksLoaded = 0;
    // Lines are kept in fixed-size records in a store that is emptied but never shrunk, so the
    // game's frames can be logged without a heap allocation once the store has its size.
    std::vector<std::array<char, 256>> log;
};

AudioState& State() {
    static AudioState* state = [] {
        AudioState* made = new AudioState;
        made->log.reserve(1024);
        return made;
    }();
    return *state;
}

// Appends one printf-formatted line to the log; the caller holds the lock.
__attribute__((format(printf, 1, 2))) void Log(const char* format, ...) {
    std::array<char, 256>& line = State().log.emplace_back();
    va_list args;
    va_start(args, format);
    std::vsnprintf(line.data(), line.size(), format, args);
    va_end(args);
}

}  // namespace

AudioOpenResult AudioOpen(int channels, int rate, int bits) {
    std::lock_guard<std::mutex> guard(State().lock);
    if (State().nextOpen != AudioOpenResult::Opened) return State().nextOpen;
    State().open = true;
    Log("open %d %d %d", channels, rate, bits);
    return AudioOpenResult::Opened;
}

void AudioClose() {
    std::lock_guard<std::mutex> guard(State().lock);
    if (!State().open) return;
    State().open = false;
    Log("close");
}

AudioChunk* AudioLoadChunk(const uint8_t* bytes, size_t size) {
    std::lock_guard<std::mutex> guard(State().lock);
    AudioState& state = State();
    if (!state.open || bytes == nullptr) return nullptr;
    const bool failHere = state.failLoadIn == 0;
    if (state.failLoadIn >= 0) --state.failLoadIn;
    const bool isWave =
        size >= 12 && std::memcmp(bytes, "RIFF", 4) == 0 && std::memcmp(bytes + 8, "WAVE", 4) == 0;
    if (failHere || !isWave) return nullptr;
    AudioChunk* chunk = new AudioChunk{++state.chunksLoaded};
    Log("chunk #%d %zu", chunk->id, size);
    return chunk;
}

void AudioFreeChunk(AudioChunk* chunk) {
    if (chunk == nullptr) return;
    std::lock_guard<std::mutex> guard(State().lock);
    Log("free #%d", chunk->id);
    delete chunk;
}

void AudioPlayChunk(int channel, AudioChunk* chunk, bool loop) {
    std::lock_guard<std::mutex> guard(State().lock);
    if (!State().open || chunk == nullptr) return;
    Log("%s %d #%d", loop ? "loop" : "play", channel, chunk->id);
}

void AudioHaltChannel(int channel) {
    std::lock_guard<std::mutex> guard(State().lock);
    if (State().open) Log("halt %d", channel);
}

AudioMusic* AudioLoadMusic(const char* path) {
    std::lock_guard<std::mutex> guard(State().lock);
    if (!State().open) return nullptr;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return nullptr;
    std::fclose(file);
    Log("music %s", path);
    return new AudioMusic{path};
}

void AudioFreeMusic(AudioMusic* music) {
    if (music == nullptr) return;
    std::lock_guard<std::mutex> guard(State().lock);
    Log("music free %s", music->path.c_str());
    delete music;
}

void AudioPlayMusic(AudioMusic* music) {
    std::lock_guard<std::mutex> guard(State().lock);
    if (State().open && music != nullptr) Log("music play %s", music->path.c_str());
}

void AudioHaltMusic() {
    std::lock_guard<std::mutex> guard(State().lock);
    if (State().open) Log("music halt");
}

namespace headless {

std::vector<std::string> TakeAudioLog() {
    std::lock_guard<std::mutex> guard(State().lock);
    std::vector<std::string> taken;
    for (const std::array<char, 256>& line : State().log)
        taken.emplace_back(line.data());
    State().log.clear();
    return taken;
}

void TakeAudioLog(void (*take)(const char* line)) {
    std::lock_guard<std::mutex> guard(State().lock);
    for (const std::array<char, 256>& line : State().log)
        take(line.data());
    State().log.clear();
}

bool AudioIsOpen() {
    std::lock_guard<std::mutex> guard(State().lock);
    return State().open;
}

void SetAudioOpenResult(AudioOpenResult result) {
    std::lock_guard<std::mutex> guard(State().lock);
    State().nextOpen = result;
}

void FailChunkLoad(int loadsFromNow) {
    std::lock_guard<std::mutex> guard(State().lock);
    State().failLoadIn = loadsFromNow;
}

void ResetAudio() {
    std::lock_guard<std::mutex> guard(State().lock);
    AudioState& state = State();
    state.open = false;
    state.nextOpen = AudioOpenResult::Opened;
    state.failLoadIn = -1;
    state.chunksLoaded = 0;
    state.log.clear();
}

}  // namespace headless
}  // namespace platform
