#include <SDL.h>

#include "platform/platform.h"

namespace platform {
namespace {

bool KeyOf(SDL_Keycode code, Key& key) {
    switch (code) {
        case SDLK_z:
            key = Key::Z;
            return true;
        case SDLK_x:
            key = Key::X;
            return true;
        case SDLK_c:
            key = Key::C;
            return true;
        case SDLK_UP:
            key = Key::Up;
            return true;
        case SDLK_DOWN:
            key = Key::Down;
            return true;
        case SDLK_LEFT:
            key = Key::Left;
            return true;
        case SDLK_RIGHT:
            key = Key::Right;
            return true;
        case SDLK_ESCAPE:
            key = Key::Escape;
            return true;
        case SDLK_DELETE:
            key = Key::Delete;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool PollEvent(Event& event) {
    SDL_Event raw;
    if (SDL_PollEvent(&raw) == 0) return false;
    switch (raw.type) {
        case SDL_QUIT:
            event.type = Event::Type::Quit;
            return true;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            // Repeated key-downs count as key-downs, as the game has always taken them.
            if (!KeyOf(raw.key.keysym.sym, event.key)) return false;
            event.type = raw.type == SDL_KEYDOWN ? Event::Type::KeyDown : Event::Type::KeyUp;
            return true;
        case SDL_WINDOWEVENT:
            switch (raw.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    event.type = Event::Type::FocusGained;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    event.type = Event::Type::FocusLost;
                    return true;
                case SDL_WINDOWEVENT_CLOSE:
                    event.type = Event::Type::Quit;
                    return true;
                default:
                    return false;
            }
        default:
            return false;
    }
}

uint64_t Ticks() {
    return SDL_GetTicks64();
}

void Sleep1ms() {
    SDL_Delay(1);
}

}  // namespace platform
