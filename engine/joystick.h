#pragma once

#include <cstdint>

// The first attached joystick, read by the frame loop every frame.
extern int32_t g_bJoystick;  // 1 once a joystick is set up and acquired

struct JoystickState {
    int32_t x = 0;             // -1000..1000
    int32_t y = 0;             // -1000..1000, negative when pushed away
    uint8_t buttons[32] = {};  // bit 0x80 set while held
};

inline constexpr int32_t kJoystickButtonCount = 14;  // buttons 0..13 can be assigned

// Opens the first attached joystick. True with g_bJoystick 0 when none is attached; false
// (keyboard play, nothing shown) when the joystick system cannot be set up.
bool InitJoystick();
// Polls and reads the joystick; false when the read fails or the device has gone. A device that
// was unplugged is looked for again by every failed read, so nothing else is needed to recover.
bool ReadJoystick(JoystickState& state);
// Window focus: acquire on gain, unacquire on loss.
void AcquireJoystick(bool acquire);
// The lowest pressed button 0..13, else the default.
int32_t GetJoystickButton(int32_t defaultButton);
// Whether assigned button `index` is held; indexes outside 0..13 are never held.
bool JoystickButtonHeld(const JoystickState& state, int32_t index);
// Closes the joystick at exit.
void CloseJoystick();
