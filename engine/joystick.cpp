#include "engine/joystick.h"

#include <cstring>

#include "platform/joystick.h"

int32_t g_bJoystick = 0;

bool InitJoystick() {
    g_bJoystick = 0;
    switch (platform::JoyOpen()) {
        case platform::JoyOpenResult::Opened:
            g_bJoystick = 1;
            return true;
        case platform::JoyOpenResult::NoJoystick:
            return true;
        case platform::JoyOpenResult::Failed:
            return false;
    }
    return false;
}

bool ReadJoystick(JoystickState& state) {
    platform::JoyState raw;
    if (!platform::JoyRead(raw)) return false;
    state.x = raw.x;
    state.y = raw.y;
    std::memcpy(state.buttons, raw.buttons, sizeof state.buttons);
    return true;
}

void AcquireJoystick(bool acquire) {
    if (g_bJoystick == 1) platform::JoySetAcquired(acquire);
}

bool JoystickButtonHeld(const JoystickState& state, int32_t index) {
    return index >= 0 && index < kJoystickButtonCount && (state.buttons[index] & 0x80) != 0;
}

int32_t GetJoystickButton(int32_t defaultButton) {
    JoystickState state;
    if (g_bJoystick != 1 || !ReadJoystick(state)) return defaultButton;
    for (int32_t i = 0; i < kJoystickButtonCount; ++i) {
        if (JoystickButtonHeld(state, i)) return i;
    }
    return defaultButton;
}

void CloseJoystick() {
    platform::JoyClose();
    g_bJoystick = 0;
}
