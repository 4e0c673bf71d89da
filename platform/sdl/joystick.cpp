#include "platform/joystick.h"

#include <SDL.h>

namespace platform {
namespace {

bool g_joySystem = false;
SDL_Joystick* g_joystick = nullptr;
bool g_acquired = false;

SDL_Joystick* OpenFirstAttached() {
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_Joystick* joystick = SDL_JoystickOpen(i)) return joystick;
    }
    return nullptr;
}

int32_t ScaleAxis(Sint16 value) {
    const int32_t scaled = int32_t(value) * 1000 / 32767;
    return scaled < -1000 ? -1000 : scaled > 1000 ? 1000 : scaled;
}

}  // namespace

JoyOpenResult JoyOpen() {
    if (g_joySystem) JoyClose();
    // The stick is read whether or not the window has the focus; focus is handled by acquiring.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return JoyOpenResult::Failed;
    g_joySystem = true;
    SDL_JoystickEventState(SDL_IGNORE);
    g_joystick = OpenFirstAttached();
    if (g_joystick == nullptr) return JoyOpenResult::NoJoystick;
    g_acquired = true;
    return JoyOpenResult::Opened;
}

bool JoyRead(JoyState& state) {
    if (!g_joySystem || !g_acquired) return false;
    SDL_JoystickUpdate();
    if (g_joystick == nullptr || !SDL_JoystickGetAttached(g_joystick)) {
        if (g_joystick != nullptr) SDL_JoystickClose(g_joystick);
        g_joystick = OpenFirstAttached();
        return false;
    }
    state.x = ScaleAxis(SDL_JoystickGetAxis(g_joystick, 0));
    state.y = ScaleAxis(SDL_JoystickGetAxis(g_joystick, 1));
    const int count = SDL_JoystickNumButtons(g_joystick);
    for (int i = 0; i < 32; ++i) {
        state.buttons[i] = i < count && SDL_JoystickGetButton(g_joystick, i) ? 0x80 : 0;
    }
    return true;
}

void JoySetAcquired(bool acquired) {
    g_acquired = acquired;
}

void JoyClose() {
    if (g_joystick != nullptr) SDL_JoystickClose(g_joystick);
    g_joystick = nullptr;
    g_acquired = false;
    if (g_joySystem) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    g_joySystem = false;
}

}  // namespace platform
