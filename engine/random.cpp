#include "engine/random.h"

namespace {
// Seeded with 1 before anything else runs.
uint32_t g_randState = 1u * 22695477u + 1u;
uint64_t g_randDraws = 0;
}  // namespace

void SeedRand(uint32_t seed) {
    g_randState = seed;
    Rand();
}

int32_t Rand() {
    g_randState = g_randState * 22695477u + 1u;
    ++g_randDraws;
    return static_cast<int32_t>((g_randState >> 16) & 0x7FFF);
}

uint32_t RandState() {
    return g_randState;
}

uint64_t RandDraws() {
    return g_randDraws;
}
