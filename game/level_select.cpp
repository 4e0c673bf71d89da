#include "game/level_select.h"

#include "bosses/boss.h"
#include "enemies/stage_script.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "game/sprite_images.h"
#include "shooting/player.h"

LevelSelectMenu g_LevelSelectMenu;

namespace {

constexpr int32_t kLastRow = 2;
constexpr int32_t kLevelCount = 3;
constexpr int32_t kInputAge = 5;
constexpr int32_t kFadeFrames = 15;
constexpr int32_t kNameBand = 22;
constexpr int32_t kSwitchBand = 20;
struct Point {
    int32_t x, y;
};
constexpr Point kCursorAt[3] = {{165, 315}, {165, 215}, {222, 120}};

// The explanation of the row under the cursor, from the shared text picture.
void DrawExplanation(const LevelSelectMenu& m) {
    const CDrawMode add(10);
    const CImage32& text = g_SelectTextImage;
    if (m.row == 0) {
        g_BackBuffer.BltField(add, 160, 40, text, 0, 200 - 48 * m.level, text.width, 50);
    } else if (m.row == 1) {
        g_BackBuffer.BltField(add, 160, 40, text, 0, m.chat != 0 ? 52 : 4, text.width, 48);
    }
}

void MoveDown(LevelSelectMenu& m) {
    // The sound plays also when the row is already the last one.
    if (m.row < kLastRow) m.row += 1;
    RequestSound(kSoundCursor);
}

// Left (step kLevelCount - 1) or right (step 1): the level wraps round on row 0, the switch
// toggles on row 1; the start row has no value.
void ChangeValue(LevelSelectMenu& m, int32_t step) {
    if (m.row == 0) {
        m.level = (m.level + step) % kLevelCount;
    } else if (m.row == 1) {
        m.chat = m.chat != 0 ? 0 : 1;
    } else {
        return;
    }
    RequestSound(kSoundCursor);
}

// Sets the new game up for the introduction and stage 1.
void StartNewGame(LevelSelectMenu& m) {
    g_nNextScene = kSceneIntroduction;
    m.age = 0;
    m.row = 0;
    g_nLevel = m.level;
    g_bChat = m.chat;
    g_bMenuConfirm = 0;
    g_Player.Init();
    g_nStage = 1;
    CEnemyMannager::LoadImages();
    g_pBoss = g_pBossList[1];
    if (g_pBoss != nullptr) g_pBoss->Init();
}

}  // namespace

CLevelSelect::CLevelSelect()
    : background("img/LevelSelect.bmp"),
      cursor("img/csl.bmp"),
      levelNames("img/select-ENH.bmp"),
      onOff("img/select-ONOFF.bmp") {
    g_SelectTextImage.Load("text/select.bmp");
}

void CLevelSelect::Start() {
    state = 0;
    frame = 0;
}

void CLevelSelect::Run() {
    LevelSelectMenu& m = g_LevelSelectMenu;
    m.age += 1;

    g_BackBuffer.CopyNoClip(0, 0, background);
    g_BackBuffer.Blt(g_DrawKey, 260, 285, levelNames, 0, kNameBand * m.level, levelNames.width,
                     kNameBand);
    g_BackBuffer.Blt(g_DrawKey, 340, 190, onOff, 0, m.chat != 0 ? 0 : kSwitchBand, onOff.width,
                     kSwitchBand);
    g_BackBuffer.Copy(kCursorAt[m.row].x, kCursorAt[m.row].y, cursor);

    const bool down = m.down.Edge(g_Input.down);
    const bool up = m.up.Edge(g_Input.up);
    const bool left = m.left.Edge(g_Input.left);
    const bool right = m.right.Edge(g_Input.right);
    const bool shot = m.shot.Edge(g_Input.shot);
    const bool bomb = m.bomb.Edge(g_Input.bomb);
    if (m.age < kInputAge) return;

    DrawExplanation(m);
    if (down) MoveDown(m);
    if (up) {
        if (m.row > 0) m.row -= 1;
        RequestSound(kSoundCursor);
    }
    if (left) ChangeValue(m, kLevelCount - 1);
    if (right) ChangeValue(m, 1);
    if (shot && m.row == kLastRow) {
        RequestSound(kSoundDecision);
        g_bMenuConfirm = 1;
    }
    // Back to the title. A fade already under way goes on there, and this scene's fade counter
    // keeps its value for the next visit.
    if (bomb) {
        RequestSound(kSoundCursor);
        g_nNextScene = kSceneTitle;
        m.row = 0;
        m.age = 0;
    }

    if (g_bMenuConfirm != 0) {
        g_Input.shotPrev = 1;
        frame += 1;
        g_BackBuffer.Darken(15 * frame);
        if (frame > kFadeFrames) {
            frame = 0;
            StartNewGame(m);
        }
    }
    // The shot button walks down the rows, so three presses from the top start the game.
    if (shot) MoveDown(m);
}
