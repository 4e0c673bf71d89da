#include "game/input.h"

#include "enemies/stage_script.h"
#include "engine/game_state.h"
#include "engine/joystick.h"
#include "engine/music.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/app.h"
#include "game/game_reset.h"
#include "game/scenes.h"
#include "shooting/bomb.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/item.h"
#include "shooting/player.h"

InputState g_Input;
uint8_t g_aKey[kKeyFlagCount];
int32_t g_aJoyButton[4] = {0, 1, 3, 9};
uint8_t g_nPromptCursor = 1;
int32_t g_nPromptFrames = 0;
int32_t g_nStickUpRepeat = 0;
int32_t g_nStickDownRepeat = 0;
uint8_t g_bPromptSnapshot = 0;
int32_t g_bPresentPlayArea = 0;

namespace {

// Set while a recorded byte is being applied: during playback only those bytes start bombs.
bool s_bApplyingReplay = false;

bool InPrompt() {
    return IsPromptScene(g_nNextScene);
}

void ToggleCursor() {
    RequestSound(kSoundCursor);
    g_nPromptCursor = g_nPromptCursor == 0 ? 1 : 0;
}

void GiveUp() {
    g_nPromptFrames = 0;
    NewShip(0);
    g_nNextScene = kSceneTitle;
    g_bReplay = 0;
    g_bPresentPlayArea = 0;
    g_pScene->frame = 0;
    g_Input.shotPrev = 0;
    g_Input.shot = 0;
    for (int32_t stage = 0; stage <= 5; ++stage) {
        if (g_pStageList[stage] != nullptr) g_pStageList[stage]->Reset();
    }
    g_EBMannager.Init();
    g_ItemMannager.Init();
    g_EffectMannager.Reset();
    g_bBombActive = 0;
    g_Bomb.counter = 0;
    g_Bomb.running = 0;
    g_BulletMannager.Init();
    g_Music.player.Stop();
    g_Music.Load("BGM/stage1.ogg");
    if (g_pEBImage != nullptr) {
        g_pEBImage[0].Load("img/e-bullets.bmp");
        g_pEBImage[1].Load("img/e-d-bullets.bmp");
        g_pEBImage[2].Load("img/dark-bullets.bmp");
    }
    g_Replay.stagePos = 0;
    g_Replay.bossPos = 0;
}

void GoOn() {
    g_nPromptFrames = 0;
    const int32_t scene = g_nNextScene;
    if (scene == kSceneContinue || scene == kSceneContinueBoss) {
        NewShip(11);
        g_bContinued = 1;
    }
    g_nNextScene = g_pScene->state;
    g_Music.player.SetMode(4);
    g_Music.player.Start();
}

bool JoyButtonHeld(const JoystickState& joy, int32_t role) {
    return JoystickButtonHeld(joy, g_aJoyButton[role]);
}

}  // namespace

void OnShotPressed() {
    g_Input.shot = 1;
    if (!InPrompt() || g_Input.shotPrev == 1 || g_nPromptFrames < 50) return;
    if (g_nPromptCursor == 0) {
        GiveUp();
    } else {
        GoOn();
    }
}

void OnBombPressed() {
    g_Input.bomb = 1;
    // Live keys read in a prompt during playback answer the prompt only: a bomb key held while
    // going on would otherwise start a bomb the recorded run never had.
    if (g_bReplay != 0 && !s_bApplyingReplay) return;
    // No edge test: a held button starts the next bomb as soon as the running one ends.
    if (!IsPlayScene(g_nNextScene) || g_Bomb.running != 0 || g_Player.dying != 0 ||
        g_Player.bombs < 1) {
        return;
    }
    g_Player.bombs -= 1;
    RequestSound(kSoundLaunch);
    g_Player.invincible = 1;
    g_Bomb.running = 1;
    g_Bomb.counter = 0;
}

void OnUpPressed() {
    if (InPrompt() && g_Input.up == 1 && g_Input.upPrev == 0) ToggleCursor();
}

void OnDownPressed() {
    if (InPrompt() && g_Input.down == 1 && g_Input.downPrev == 0) ToggleCursor();
}

void OnStickUp() {
    // The counter is never cleared on release, so held time adds up across presses.
    g_nStickUpRepeat += 1;
    if (InPrompt() && g_nStickUpRepeat > 10) {
        ToggleCursor();
        g_nStickUpRepeat = 0;
    }
}

void OnStickDown() {
    g_nStickDownRepeat += 1;
    if (InPrompt() && g_nStickDownRepeat > 10) {
        ToggleCursor();
        g_nStickDownRepeat = 0;
    }
}

uint8_t KeyboardPath(const uint8_t keys[kKeyFlagCount]) {
    uint8_t input = 0;
    if (keys[0]) {
        g_Input.shotPrev = g_Input.shot;
        OnShotPressed();
        input |= kInputShot;
    } else {
        g_Input.shotPrev = g_Input.shot;
        g_Input.shot = 0;
    }
    if (keys[1]) {
        OnBombPressed();
        input |= kInputBomb;
    } else {
        g_Input.bomb = 0;
    }
    g_Input.change = keys[2] ? 1 : 0;
    if (keys[2]) input |= kInputChange;
    if (keys[3]) {
        // Runs before the record changes, so it sees the two frames before this one.
        OnUpPressed();
        g_Player.up = 1;
        g_Input.upPrev = g_Input.up;
        g_Input.up = 1;
        input |= kInputUp;
    } else {
        g_Player.up = 0;
        g_Input.upPrev = g_Input.up;
        g_Input.up = 0;
    }
    if (keys[4]) {
        OnDownPressed();
        g_Player.down = 1;
        g_Input.downPrev = g_Input.down;
        g_Input.down = 1;
        input |= kInputDown;
    } else {
        g_Player.down = 0;
        g_Input.downPrev = g_Input.down;
        g_Input.down = 0;
    }
    g_Player.left = g_Input.left = keys[5] ? 1 : 0;
    if (keys[5]) input |= kInputLeft;
    g_Player.right = g_Input.right = keys[6] ? 1 : 0;
    if (keys[6]) input |= kInputRight;
    return input;
}

uint8_t ApplyInputByte(uint8_t input) {
    uint8_t keys[kKeyFlagCount];
    for (int i = 0; i < kKeyFlagCount; ++i)
        keys[i] = (input >> i) & 1;
    s_bApplyingReplay = true;
    const uint8_t applied = KeyboardPath(keys);
    s_bApplyingReplay = false;
    return applied;
}

uint8_t JoystickPath() {
    g_Input.shotPrev = g_Input.shot;
    JoystickState joy;
    const bool read = ReadJoystick(joy);
    g_Player.left = g_Player.right = g_Player.up = g_Player.down = 0;
    g_Input.left = g_Input.right = g_Input.up = g_Input.down = 0;
    if (!read) {
        // A failed read leaves exactly the state that byte 0 stands for, so what is applied
        // and what is recorded agree and replays stay in step.
        g_Input.shot = g_Input.bomb = g_Input.change = 0;
        g_Input.upPrev = g_Input.downPrev = 0;
        return 0;
    }

    uint8_t input = 0;
    if (joy.x > 900) {
        g_Player.right = g_Input.right = 1;
        input |= kInputRight;
    } else if (joy.x < -900) {
        g_Player.left = g_Input.left = 1;
        input |= kInputLeft;
    }
    if (joy.y < -900) {
        g_Player.up = 1;
        g_Input.upPrev = 0;
        g_Input.up = 1;
        g_Player.down = 0;
        g_Input.down = 0;
        input |= kInputUp;
        OnStickUp();
    } else if (joy.y > 900) {
        g_Player.down = 1;
        g_Input.downPrev = 0;
        g_Input.down = 1;
        g_Player.up = 0;
        g_Input.up = 0;
        input |= kInputDown;
        OnStickDown();
    } else {
        g_Input.up = g_Input.down = g_Input.upPrev = g_Input.downPrev = 0;
    }

    if (JoyButtonHeld(joy, 0)) {
        g_Input.shotPrev = g_Input.shot;
        OnShotPressed();
        input |= kInputShot;
    } else {
        g_Input.shot = 0;
    }
    if (JoyButtonHeld(joy, 1)) {
        OnBombPressed();
        input |= kInputBomb;
    } else {
        g_Input.bomb = 0;
    }
    if (JoyButtonHeld(joy, 2)) {
        g_Input.change = 1;
        input |= kInputChange;
    } else {
        g_Input.change = 0;
    }
    if (JoyButtonHeld(joy, 3)) {
        if (IsPlayScene(g_nNextScene)) {
            g_Input.pause = 1;
        } else if (g_nNextScene == kSceneTitle) {
            RequestQuit();
        }
    }
    return input;
}
