#pragma once

#include <SDL.h>

namespace platform::sdl {

// The game window, for the other SDL units (message boxes use it as their parent).
SDL_Window* GameWindow();

}  // namespace platform::sdl
