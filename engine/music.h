#pragma once

#include <cstdint>

#include "platform/audio.h"

// The background music: one Ogg Vorbis file at a time, looping. No call reports failure; a
// missing file or a closed device just means silence.
class MusicPlayer {
public:
    MusicPlayer() = default;
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;
    ~MusicPlayer();

    // Takes the file to play. Before the device opens the path is kept and loaded at OnDeviceOpen.
    void Load(const char* path);
    // Plays the loaded file from its start, looping.
    void Start();
    void Stop();
    // Stops and forgets the loaded file.
    void Unload();
    // The playing mode that every start is preceded by; one mode serves all callers.
    void SetMode(int32_t mode);
    // Lets go of everything before the device closes.
    void Release();
    void OnDeviceOpen();

private:
    platform::AudioMusic* music_ = nullptr;
    char pendingPath_[64] = {};
};

class CMusic {
public:
    // Loads "BGM/stage1.ogg" without starting it.
    CMusic();
    ~CMusic();
    // Replaces the loaded file; does not start it.
    void Load(const char* path);

    MusicPlayer player;
};

extern CMusic g_Music;
