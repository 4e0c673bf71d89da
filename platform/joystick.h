#pragma once

#include <cstdint>

// The first attached joystick: two axes and up to 32 buttons, read on demand.
namespace platform {

struct JoyState {
    int32_t x = 0;             // -1000..1000
    int32_t y = 0;             // -1000..1000
    uint8_t buttons[32] = {};  // 0x80 while held, 0 for buttons the device lacks
};

enum class JoyOpenResult {
    Opened,
    NoJoystick,  // the joystick system works but nothing attached can be opened
    Failed,      // the joystick system itself could not start
};

// Opens the first attached joystick that can be opened and marks it acquired.
JoyOpenResult JoyOpen();
// False while not acquired or while the device is detached. A detached device is looked for
// again on every failed read, so one plugged back in is read again from then on.
bool JoyRead(JoyState& state);
// Follows the window focus: reads fail while the window is in the background.
void JoySetAcquired(bool acquired);
void JoyClose();

}  // namespace platform
