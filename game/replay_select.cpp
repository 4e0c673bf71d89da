#include "game/replay_select.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/ending.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "game/sprite_images.h"
#include "shooting/point_mannager.h"

namespace {

constexpr int32_t kLastSlot = kReplaySlotCount - 1;
constexpr int32_t kFirstStagePair = 1;

}  // namespace

// The cursor stays on the slot it was left on; only starting a replay puts it back on 0.
void CReplaySelect::Start() {
    frame = 0;
    up.current = g_Input.up;
    down.current = g_Input.down;
    shot.current = g_Input.shot;
    bomb.current = g_Input.bomb;
}

void CReplaySelect::Run() {
    g_BackBuffer.BltAll(g_DrawCopy, 0, 0, g_ReplaySelectImage);

    if (down.Edge(g_Input.down)) {
        cursor += 1;
        RequestSound(kSoundCursor);
    }
    if (up.Edge(g_Input.up)) {
        cursor -= 1;
        RequestSound(kSoundCursor);
    }
    cursor = std::clamp(cursor, 0, kLastSlot);

    DrawHighScoreTable(263, 260);
    g_BackBuffer.BltAll(g_DrawKey, 76, 261 - 31 * cursor, g_HighScoreCursorImage);

    if (bomb.Edge(g_Input.bomb)) {
        RequestSound(kSoundCursor);
        g_nNextScene = kSceneTitle;
    }
    if (shot.Edge(g_Input.shot)) StartPlayback();
}

// Stage 1 of the slot's run is played back with the conversations off, at the level its
// high-score row was played at; each stage end loads the following stage's streams.
void CReplaySelect::StartPlayback() {
    g_Input.shotPrev = 1;
    RequestSound(kSoundCursor);
    frame = 0;
    g_nNextScene = kSceneGame;
    g_bChat = 0;
    g_bReplay = 1;
    ResetGameState();
    g_Replay.Load(cursor, kFirstStagePair);
    g_nReplaySlot = cursor;
    g_nLevel = g_pPointMannager->names[cursor].level;
    cursor = 0;
}
