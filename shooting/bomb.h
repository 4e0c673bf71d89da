#pragma once

#include <cstdint>

// The one bomb record. The bomb button starts a bomb (running 1, counter 0); the play scenes
// then run RunBomb once a frame until it clears the record 151 frames later.
struct BombState {
    int32_t counter = 0;  // frames since the bomb began
    uint8_t running = 0;
};

extern BombState g_Bomb;

// Idle record and g_bBombActive 0, as at start-up.
void InitBombState();
// One frame of a running bomb: the blast around the ship and, every fourth frame of the first
// 140, an empty enemy-bullet pool; it ends itself after its 151st frame.
void RunBomb();
