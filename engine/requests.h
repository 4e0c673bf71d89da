#pragma once

#include <cstdint>

#include "engine/relaxed.h"

// The requested scene number and the sound-request bytes: written by game code, read by the
// engine's sound thread, so they live down here rather than with the scenes.

extern Relaxed<int32_t> g_nNextScene;

inline constexpr int kSoundRequestCount = 23;
// Byte 0: player shot held, byte 1: enemy being hit (both looping); bytes 2..22: one-shot effects.
extern Relaxed<uint8_t> SoundRequest[kSoundRequestCount];
