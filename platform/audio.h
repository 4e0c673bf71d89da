#pragma once

#include <cstddef>
#include <cstdint>

// The sound device: sampled sounds on fixed mixer channels and one streamed music file. Every
// call tolerates a closed device and null handles, so callers need no checks of their own.
namespace platform {

// Channels 0..20 carry one effect each; channel 21 carries the one looping sound.
inline constexpr int kEffectChannelCount = 21;
inline constexpr int kLoopChannel = 21;

enum class AudioOpenResult {
    Opened,
    NoAudioSystem,  // the audio subsystem could not start
    NoDevice,       // no output device accepted the format
};

// Opens the output device with the given channel count, rate and sample width.
AudioOpenResult AudioOpen(int channels, int rate, int bits);
void AudioClose();

// A sampled sound decoded to the device format.
struct AudioChunk;
// Decodes a whole WAVE file held in memory; null when it does not decode or the device is closed.
AudioChunk* AudioLoadChunk(const uint8_t* bytes, size_t size);
void AudioFreeChunk(AudioChunk* chunk);
// Plays the chunk on the channel from its start, cutting off what the channel was playing.
void AudioPlayChunk(int channel, AudioChunk* chunk, bool loop);
void AudioHaltChannel(int channel);

// A music file, streamed while it plays.
struct AudioMusic;
// Null when the file is missing, does not decode or the device is closed.
AudioMusic* AudioLoadMusic(const char* path);
void AudioFreeMusic(AudioMusic* music);
// Plays from the start, looping forever.
void AudioPlayMusic(AudioMusic* music);
void AudioHaltMusic();

}  // namespace platform
