#include "engine/music.h"

#include <cstdio>

#include "engine/sound.h"

CMusic g_Music;

MusicPlayer::~MusicPlayer() {
    Release();
}

void MusicPlayer::Load(const char* path) {
    Unload();
    if (g_Sound.IsDeviceOpen()) {
        music_ = platform::AudioLoadMusic(path);
    } else {
        std::snprintf(pendingPath_, sizeof pendingPath_, "%s", path);
    }
}

void MusicPlayer::Start() {
    if (music_ != nullptr) platform::AudioPlayMusic(music_);
}

void MusicPlayer::Stop() {
    if (music_ != nullptr) platform::AudioHaltMusic();
}

void MusicPlayer::Unload() {
    pendingPath_[0] = '\0';
    if (music_ == nullptr) return;
    platform::AudioHaltMusic();
    platform::AudioFreeMusic(music_);
    music_ = nullptr;
}

void MusicPlayer::SetMode(int32_t) {}

void MusicPlayer::Release() {
    Unload();
}

void MusicPlayer::OnDeviceOpen() {
    if (pendingPath_[0] == '\0' || !g_Sound.IsDeviceOpen()) return;
    music_ = platform::AudioLoadMusic(pendingPath_);
    pendingPath_[0] = '\0';
}

CMusic::CMusic() {
    player.Load("BGM/stage1.ogg");
}

CMusic::~CMusic() {
    player.Release();
}

void CMusic::Load(const char* path) {
    player.Unload();
    player.Load(path);
}
