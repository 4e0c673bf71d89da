#include "engine/game_state.h"

int32_t g_nStage = 1;
int32_t g_nLevel = 0;
uint8_t g_bChat = 0;
int32_t g_nChat = 0;
uint8_t g_bReplay = 0;
int32_t g_nReplaySlot = 0;
int32_t g_nShotType = 0;
uint8_t g_bBombActive = 0;
uint8_t g_bContinued = 0;
