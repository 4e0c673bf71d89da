#include "game/title.h"

#include <algorithm>

#include "engine/requests.h"
#include "game/app.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "game/sprite_images.h"

TitleMenu g_TitleMenu;

namespace {

constexpr int32_t kExitRow = 3;
constexpr int32_t kShotAge = 10;  // presses in the first frames after entering are ignored
constexpr int32_t kFadeFrames = 15;
constexpr int32_t kCursorX = 205;
constexpr int32_t kCursorY[4] = {180, 138, 101, 70};
constexpr int32_t kRowScene[3] = {kSceneLevelSelect, kSceneReplaySelect, kSceneKeyConfig};

}  // namespace

void CTitle::Start() {
    frame = 0;
}

void CTitle::Run() {
    TitleMenu& m = g_TitleMenu;
    g_BackBuffer.CopyNoClip(0, 0, g_TitleImage);
    m.age += 1;

    // The cursor sound plays even when the clamp undoes the move.
    if (m.down.Edge(g_Input.down)) {
        m.cursor += 1;
        RequestSound(kSoundCursor);
    }
    if (m.up.Edge(g_Input.up)) {
        m.cursor -= 1;
        RequestSound(kSoundCursor);
    }
    m.cursor = std::clamp(m.cursor, 0, kExitRow);

    if (m.shot.Edge(g_Input.shot) && m.age > kShotAge) {
        g_bMenuConfirm = 1;
        if (m.cursor != kExitRow) RequestSound(kSoundDecision);
    }
    g_BackBuffer.BltAll(CDrawMode(3), kCursorX, kCursorY[m.cursor], g_TitleCursorImage);

    if (g_bMenuConfirm == 0) return;
    // The press must not count again in the next scene's prompt handlers.
    g_Input.shotPrev = 1;
    frame += 1;
    g_BackBuffer.Darken(15 * frame);
    // The cursor may still move during the fade: the row it is on decides.
    if (m.cursor == kExitRow) {
        RequestQuit();
    } else if (frame > kFadeFrames) {
        g_nNextScene = kRowScene[m.cursor];
        g_bMenuConfirm = 0;
        frame = 0;
        m.age = 0;
    }
}
