#pragma once

#include <cstdint>

#include "engine/image.h"

// Frames counted in the last whole second, and the digits that show them in play.
extern int32_t g_nFpsFrames;
extern int32_t g_nFps;
extern uint64_t g_dwFpsTime;
extern CImageShooting g_FpsDigitImage;

// One frame: input, replay record or playback, the scene's Run, the present, the scene
// switch and the frame-rate count. Real time lives only in the loop that calls it.
void RunFrame();
void RunSceneAndPresent();
