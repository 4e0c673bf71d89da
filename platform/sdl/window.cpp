#include <SDL.h>

#include <cstring>

#include "platform/common/present_area.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_window.h"

namespace platform {
namespace {

// The streaming texture is the window's picture: each present writes only its rectangle into
// it, so the rest keeps what the last presents left there. A hardware renderer takes the
// rectangle straight from the bottom-up back buffer, keeps the texture bottom-up and draws it
// flipped; the software renderer turns a texture with a flip at great cost, so there the rows
// are written through a lock in window order, straight into the texture's own pixels.
struct Display {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool bottomUp = false;
};

Display* g_display = nullptr;

bool IsSoftware(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

// Moves the area's pixels into the texture: the one copy a present makes of them.
void Upload(const uint32_t* bottomUp, const PresentArea& area) {
    constexpr int kPitch = kWindowWidth * static_cast<int>(sizeof(uint32_t));
    if (g_display->bottomUp) {
        // Window row t is texture row 479 - t; the picture's rows lie the same way.
        const SDL_Rect rect{area.dx, kWindowHeight - area.dy - area.h, area.w, area.h};
        SDL_UpdateTexture(g_display->texture, &rect,
                          bottomUp + (kWindowHeight - area.sy - area.h) * kWindowWidth + area.sx,
                          kPitch);
        return;
    }
    const SDL_Rect rect{area.dx, area.dy, area.w, area.h};
    void* locked = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(g_display->texture, &rect, &locked, &pitch) != 0) return;
    const size_t bytes = static_cast<size_t>(area.w) * sizeof(uint32_t);
    for (int row = 0; row < area.h; ++row) {
        // Picture row t from the top is buffer row 479 - t.
        const uint32_t* src =
            bottomUp + (kWindowHeight - 1 - (area.sy + row)) * kWindowWidth + area.sx;
        std::memcpy(static_cast<uint8_t*>(locked) + static_cast<ptrdiff_t>(row) * pitch, src,
                    bytes);
    }
    SDL_UnlockTexture(g_display->texture);
}

// The window starts black, as a texture's first contents are not defined.
void ClearTexture() {
    void* locked = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(g_display->texture, nullptr, &locked, &pitch) != 0) return;
    std::memset(locked, 0, static_cast<size_t>(pitch) * kWindowHeight);
    SDL_UnlockTexture(g_display->texture);
}

void ShowTexture() {
    if (g_display->bottomUp) {
        SDL_RenderCopyEx(g_display->renderer, g_display->texture, nullptr, nullptr, 0.0, nullptr,
                         SDL_FLIP_VERTICAL);
    } else {
        SDL_RenderCopy(g_display->renderer, g_display->texture, nullptr, nullptr);
    }
    SDL_RenderPresent(g_display->renderer);
}

// Reads that no game code looks at must not fill the queue, which is read one event a pass.
void IgnoreUnreadEvents() {
    const Uint32 ignored[] = {
        SDL_MOUSEMOTION,
        SDL_MOUSEBUTTONDOWN,
        SDL_MOUSEBUTTONUP,
        SDL_MOUSEWHEEL,
        SDL_FINGERDOWN,
        SDL_FINGERUP,
        SDL_FINGERMOTION,
        SDL_MULTIGESTURE,
        SDL_DOLLARGESTURE,
        SDL_CONTROLLERAXISMOTION,
        SDL_CONTROLLERBUTTONDOWN,
        SDL_CONTROLLERBUTTONUP,
        SDL_CONTROLLERDEVICEADDED,
        SDL_CONTROLLERDEVICEREMOVED,
        SDL_TEXTINPUT,
        SDL_TEXTEDITING,
        SDL_KEYMAPCHANGED,
    };
    for (Uint32 type : ignored)
        SDL_EventState(type, SDL_IGNORE);
    SDL_JoystickEventState(SDL_IGNORE);
}

}  // namespace

namespace sdl {
SDL_Window* GameWindow() {
    return g_display != nullptr ? g_display->window : nullptr;
}
}  // namespace sdl

bool Init(WindowStyle style) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) return false;

    int x = 0;
    int y = 0;
    if (style != WindowStyle::Fullscreen) {
        SDL_Rect desktop{0, 0, kWindowWidth, kWindowHeight};
        SDL_GetDisplayBounds(0, &desktop);
        // Anchored as a 640x480 window centred on the desktop; halves truncate.
        x = (desktop.x + desktop.w) / 2 - kWindowWidth / 2;
        y = (desktop.y + desktop.h) / 2 - kWindowHeight / 2;
    }
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (style != WindowStyle::Windowed) flags |= SDL_WINDOW_BORDERLESS;

    auto* display = new Display;
    display->window = SDL_CreateWindow("Skarnvelt", x, y, kWindowWidth, kWindowHeight, flags);
    if (display->window == nullptr) {
        delete display;
        SDL_Quit();
        return false;
    }
    // No vsync: the 16 ms frame clock sets the pace.
    display->renderer = SDL_CreateRenderer(display->window, -1, 0);
    if (display->renderer == nullptr) {
        display->renderer = SDL_CreateRenderer(display->window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (display->renderer != nullptr) {
        display->texture =
            SDL_CreateTexture(display->renderer, SDL_PIXELFORMAT_RGB888,
                              SDL_TEXTUREACCESS_STREAMING, kWindowWidth, kWindowHeight);
    }
    if (display->texture == nullptr) {
        if (display->renderer != nullptr) SDL_DestroyRenderer(display->renderer);
        SDL_DestroyWindow(display->window);
        delete display;
        SDL_Quit();
        return false;
    }
    display->bottomUp = !IsSoftware(display->renderer);
    g_display = display;
    ClearTexture();
    IgnoreUnreadEvents();
    return true;
}

void ShowWindow() {
    SDL_ShowWindow(g_display->window);
    SDL_RaiseWindow(g_display->window);
}

void EnterFullscreen() {
    SDL_Window* window = g_display->window;
    // Without a window manager nobody resizes a full-screen window, so it covers the screen
    // itself first; otherwise the renderer would draw for the screen into a 640x480 corner.
    SDL_Rect bounds{0, 0, kWindowWidth, kWindowHeight};
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) == 0) {
        SDL_SetWindowPosition(window, bounds.x, bounds.y);
        SDL_SetWindowSize(window, bounds.w, bounds.h);
    }
    SDL_DisplayMode mode{SDL_PIXELFORMAT_UNKNOWN, kWindowWidth, kWindowHeight, 0, nullptr};
    if (SDL_SetWindowDisplayMode(window, &mode) != 0 ||
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    // The switch may land on another size than 640x480, or on the desktop: the picture is
    // scaled to fit whatever the screen became, its shape kept, with black bars beside it.
    SDL_RenderSetLogicalSize(g_display->renderer, kWindowWidth, kWindowHeight);
}

void Shutdown() {
    if (g_display != nullptr) {
        SDL_DestroyTexture(g_display->texture);
        SDL_DestroyRenderer(g_display->renderer);
        SDL_DestroyWindow(g_display->window);
        delete g_display;
        g_display = nullptr;
    }
    SDL_Quit();
}

void PresentFull(const uint32_t* pixels) {
    PresentRect(pixels, 0, 0, 0, 0, kWindowWidth, kWindowHeight);
}

void PresentRect(const uint32_t* pixels, int dx, int dy, int sx, int sy, int w, int h) {
    if (g_display == nullptr) return;
    PresentArea area{dx, dy, sx, sy, w, h};
    if (area.Clip()) Upload(pixels, area);
    ShowTexture();
}

}  // namespace platform
