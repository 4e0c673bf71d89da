#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdio>

// The handles handed out are SDL_mixer's own objects under opaque names.
namespace platform {
namespace {

// Set on the game thread, read by the sound thread before it touches the mixer.
std::atomic<bool> g_audioOpen{false};

Mix_Chunk* ToMix(AudioChunk* chunk) {
    return reinterpret_cast<Mix_Chunk*>(chunk);
}
Mix_Music* ToMix(AudioMusic* music) {
    return reinterpret_cast<Mix_Music*>(music);
}

bool IsOpen() {
    return g_audioOpen.load(std::memory_order_acquire);
}

AudioOpenResult TryOpen(int channels, int rate, int bits) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return AudioOpenResult::NoAudioSystem;
    const Uint16 format = bits == 8 ? AUDIO_U8 : AUDIO_S16SYS;
    if (Mix_OpenAudio(rate, format, channels, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return AudioOpenResult::NoDevice;
    }
    return AudioOpenResult::Opened;
}

}  // namespace

AudioOpenResult AudioOpen(int channels, int rate, int bits) {
    if (IsOpen()) return AudioOpenResult::Opened;
    AudioOpenResult result = TryOpen(channels, rate, bits);
    if (result != AudioOpenResult::Opened) {
        // A machine without sound hardware still runs the game, silently, on the null driver.
        std::fprintf(stderr, "audio: %s; playing silently\n", SDL_GetError());
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (TryOpen(channels, rate, bits) == AudioOpenResult::Opened) {
            result = AudioOpenResult::Opened;
        }
    }
    if (result != AudioOpenResult::Opened) return result;
    Mix_Init(MIX_INIT_OGG);
    Mix_AllocateChannels(kEffectChannelCount + 1);
    Mix_ReserveChannels(kEffectChannelCount + 1);
    g_audioOpen.store(true, std::memory_order_release);
    return result;
}

void AudioClose() {
    if (!g_audioOpen.exchange(false, std::memory_order_acq_rel)) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

AudioChunk* AudioLoadChunk(const uint8_t* bytes, size_t size) {
    if (!IsOpen() || bytes == nullptr || size == 0) return nullptr;
    SDL_RWops* source = SDL_RWFromConstMem(bytes, int(size));
    if (source == nullptr) return nullptr;
    return reinterpret_cast<AudioChunk*>(Mix_LoadWAV_RW(source, 1));
}

void AudioFreeChunk(AudioChunk* chunk) {
    if (chunk != nullptr) Mix_FreeChunk(ToMix(chunk));
}

void AudioPlayChunk(int channel, AudioChunk* chunk, bool loop) {
    if (IsOpen() && chunk != nullptr) Mix_PlayChannel(channel, ToMix(chunk), loop ? -1 : 0);
}

void AudioHaltChannel(int channel) {
    if (IsOpen()) Mix_HaltChannel(channel);
}

AudioMusic* AudioLoadMusic(const char* path) {
    if (!IsOpen()) return nullptr;
    return reinterpret_cast<AudioMusic*>(Mix_LoadMUS(path));
}

void AudioFreeMusic(AudioMusic* music) {
    if (music != nullptr) Mix_FreeMusic(ToMix(music));
}

void AudioPlayMusic(AudioMusic* music) {
    if (IsOpen() && music != nullptr) Mix_PlayMusic(ToMix(music), -1);
}

void AudioHaltMusic() {
    if (IsOpen()) Mix_HaltMusic();
}

}  // namespace platform
