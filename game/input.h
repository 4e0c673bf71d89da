#pragma once

#include <cstdint>

// The input record every scene reads. All fields are 0 or 1.
struct InputState {
    uint8_t pause = 0;
    uint8_t shot = 0;
    uint8_t shotPrev = 0;
    uint8_t bomb = 0;
    uint8_t change = 0;
    uint8_t left = 0;
    uint8_t right = 0;
    uint8_t up = 0;
    uint8_t upPrev = 0;
    uint8_t down = 0;
    uint8_t downPrev = 0;
};
extern InputState g_Input;

// Input byte bits: what one frame of play stores in a replay stream.
enum InputBit : uint8_t {
    kInputShot = 1,
    kInputBomb = 2,
    kInputChange = 4,
    kInputUp = 8,
    kInputDown = 16,
    kInputLeft = 32,
    kInputRight = 64,
};

// Keyboard flags in this order: Z (shot), X (bomb), C (change), up, down, left, right.
inline constexpr int kKeyFlagCount = 7;
extern uint8_t g_aKey[kKeyFlagCount];

// Joystick buttons for shot, bomb, change and pause; 0, 1, 3, 9 at every start.
extern int32_t g_aJoyButton[4];

// Prompt state shared with the continue and pause scenes.
extern uint8_t g_nPromptCursor;  // 1 = go on, 0 = give up; kept from one prompt to the next
extern int32_t g_nPromptFrames;
extern int32_t g_nStickUpRepeat;
extern int32_t g_nStickDownRepeat;
// Cleared by the play scenes when they ask for a prompt, so the prompt takes a fresh picture
// of the screen behind it.
extern uint8_t g_bPromptSnapshot;

// Set by the play-screen panels on odd frames: present only the play area.
extern int32_t g_bPresentPlayArea;

// Applies seven key flags (in g_aKey order) to the input record and returns the input byte.
// Replays are decoded through the same path, each bit standing for its key.
uint8_t KeyboardPath(const uint8_t keys[kKeyFlagCount]);
uint8_t ApplyInputByte(uint8_t input);
// Reads the joystick into the input record and returns the input byte.
uint8_t JoystickPath();

void OnShotPressed();
void OnBombPressed();
void OnUpPressed();
void OnDownPressed();
void OnStickUp();
void OnStickDown();
