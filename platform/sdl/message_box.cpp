#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl/sdl_window.h"

namespace platform {
namespace {

struct PendingBox {
    std::string caption;
    std::string text;
    bool withWindow;
};

// The thread that first loads this unit is the game thread: globals are built before main.
const std::thread::id g_gameThread = std::this_thread::get_id();
std::mutex g_pendingLock;
std::vector<PendingBox> g_pending;

void Show(const char* caption, const char* text, bool withWindow) {
    SDL_Window* parent = withWindow ? sdl::GameWindow() : nullptr;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, parent);
}

}  // namespace

void ErrorBox(const char* caption, const char* text, bool withWindow) {
    const size_t length = std::strlen(text);
    const bool endsLine = length > 0 && text[length - 1] == '\n';
    std::fprintf(stderr, "%s: %s%s", caption, text, endsLine ? "" : "\n");
    if (std::this_thread::get_id() == g_gameThread) {
        Show(caption, text, withWindow);
        return;
    }
    // Boxes need the game thread; it shows this one between frames.
    std::lock_guard<std::mutex> lock(g_pendingLock);
    g_pending.push_back({caption, text, withWindow});
}

void ShowQueuedBoxes() {
    std::vector<PendingBox> boxes;
    {
        std::lock_guard<std::mutex> lock(g_pendingLock);
        boxes.swap(g_pending);
    }
    for (const PendingBox& box : boxes)
        Show(box.caption.c_str(), box.text.c_str(), box.withWindow);
}

}  // namespace platform
