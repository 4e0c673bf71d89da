#include "game/frame.h"

#include "engine/game_state.h"
#include "engine/joystick.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/input.h"
#include "game/scenes.h"
#include "platform/platform.h"

int32_t g_nFpsFrames = 0;
int32_t g_nFps = 0;
uint64_t g_dwFpsTime = 0;
CImageShooting g_FpsDigitImage("img/figur12_15_2.bmp");

namespace {

// The play area and right-hand panel, in window coordinates.
constexpr int32_t kPlayAreaX = 132;
constexpr int32_t kPlayAreaY = 8;
constexpr int32_t kPlayAreaW = 500;
constexpr int32_t kPlayAreaH = 464;

void CountFrames() {
    g_nFpsFrames += 1;
    if (platform::Ticks() - g_dwFpsTime >= 1000) {
        g_dwFpsTime = platform::Ticks();
        g_nFps = g_nFpsFrames;
        g_nFpsFrames = 0;
    }
}

void DrawFpsDigit(int32_t digit, int32_t x) {
    g_BackBuffer.Blt(g_DrawKey, x, 435, g_FpsDigitImage, 12 * digit, 0, 12, 15);
}

}  // namespace

void RunSceneAndPresent() {
    g_pScene->Run();
    if (g_bPresentPlayArea == 1 && IsPlayScene(g_nNextScene)) {
        g_BackBuffer.PresentRect(kPlayAreaX, kPlayAreaY, kPlayAreaX, kPlayAreaY, kPlayAreaW,
                                 kPlayAreaH);
    } else {
        g_BackBuffer.Present(0, 0);
    }
}

void RunFrame() {
    uint8_t input = 0;
    if (g_bReplay == 0 || IsPromptScene(g_nNextScene)) {
        input = g_bJoystick == 1 ? JoystickPath() : KeyboardPath(g_aKey);
    }
    // The scene is looked at again: confirming "go on" in a prompt has just requested the
    // scene it returns to, and that frame's byte already belongs to its stream.
    if (IsPlayScene(g_nNextScene)) {
        if (g_bReplay == 0) {
            g_Replay.Record(input);
        } else {
            ApplyInputByte(g_Replay.Read());
        }
    }

    RunSceneAndPresent();
    SwitchScene();
    CountFrames();

    // Drawn after the present, so they reach the window with the next whole present.
    if (IsPlayScene(g_nScene)) {
        DrawFpsDigit(g_nFps % 10, 45);
        DrawFpsDigit((g_nFps / 10) % 10, 33);
    }
}
