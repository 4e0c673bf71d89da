#pragma once

#include <cstdint>

#include "engine/relaxed.h"

// The requested scene number and the sound-request bytes: written by game code, read by the
// engine's sound thread, so they live down here rather than with the scenes.

extern Relaxed<int32_t> g_nNextScene;

inline constexpr int kSoundRequestCount = 23;
// Byte 0: player shot held, byte 1: enemy being hit (both looping); bytes 2..22: one-shot effects.
extern Relaxed<uint8_t> SoundRequest[kSoundRequestCount];

// The request bytes by the sound each one plays; many callers share one sound, so the names
// say what is heard, not who asks for it.
enum SoundId : int {
    kSoundShotLoop = 0,
    kSoundHitLoop = 1,
    kSoundVolleyA = 2,
    kSoundVolleyB = 3,
    kSoundVolleyC = 4,
    kSoundExplosion = 5,
    kSoundDeath = 6,
    kSoundItem = 7,
    kSoundBonusItem = 8,
    kSoundBlastLarge = 9,
    kSoundBlastSmall = 10,
    kSoundAttack = 11,
    kSoundLaunch = 12,
    kSoundCharge = 13,
    kSoundVolleyD = 14,
    kSoundVolleyE = 15,
    kSoundPlayerDeath = 16,
    kSoundLaser = 17,
    kSoundExtend = 18,
    kSoundPowerUp = 19,
    kSoundCursor = 20,
    kSoundDecision = 21,
    kSoundLastBoss = 22,
};

inline void RequestSound(SoundId id) {
    SoundRequest[id] = 1;
}
