#pragma once

#include <cstdint>

// The game state every layer reads: plain globals, as the scenes share them.

extern int32_t g_nStage;       // 0 bonus stage, 1..5, 6 = the run is over
extern int32_t g_nLevel;       // difficulty 0..2
extern uint8_t g_bChat;        // conversations on
extern int32_t g_nChat;        // the conversation to show: the stage index, 42 or 52
extern uint8_t g_bReplay;      // replay playback running
extern int32_t g_nReplaySlot;  // replay slot 0..4 being played
extern int32_t g_nShotType;    // 0..2
extern uint8_t g_bBombActive;  // the bomb's screen clear is running
extern uint8_t g_bContinued;   // a continue was taken in this run
