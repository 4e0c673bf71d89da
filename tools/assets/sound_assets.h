#pragma once

#include <cstdint>
#include <vector>

#include "tools/assets/assets.h"

namespace assets {

inline constexpr int kFirstEffectWave = 131;
inline constexpr int kLastEffectWave = 151;

// Built-in effect `number` (131..151): a mono 16-bit 22050 Hz PCM WAVE file whose sound fits
// the effect's role; empty for other numbers.
std::vector<uint8_t> EffectWave(int number);
// A mono 16-bit PCM WAVE file of the given samples.
std::vector<uint8_t> EncodeWave(const std::vector<int16_t>& samples, int rate);

// The two looping sounds and the eight music files.
void AddSoundAssets(AssetList& list);

}  // namespace assets
