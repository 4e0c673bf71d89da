#pragma once

#include <cstdint>

// The game's one random generator. Replays hold only input bytes, so every draw must happen
// where and as often as the game logic says; nothing else may use this generator.
//   state = state * 22695477 + 1 (mod 2^32), result = bits 16..30 of the new state.

// Sets the state and draws once, as the game has always seeded.
void SeedRand(uint32_t seed);
// Next number in 0..32767.
int32_t Rand();
// The raw state, for hashing game state in tests and replay checks.
uint32_t RandState();
// How many numbers have been drawn since the program started; tests count draws with it.
uint64_t RandDraws();
