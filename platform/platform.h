#pragma once

#include <cstdint>

// The seam between the game and the machine: window, presenting, events, clock and message
// boxes. Two backends implement it: SDL2 for the programs, headless for tests and benchmarks.
namespace platform {

enum class WindowStyle {
    Borderless,  // a 640x480 pop-up centred on the desktop
    Fullscreen,  // a 640x480 pop-up at (0, 0); the display switches later
    Windowed,    // an ordinary framed window with a 640x480 client area
};

inline constexpr int kWindowWidth = 640;
inline constexpr int kWindowHeight = 480;

// Starts the backend and makes the window, hidden. False when no window can be made.
bool Init(WindowStyle style);
void ShowWindow();
// Switches the display to 640x480 full screen (the full-screen program, once).
void EnterFullscreen();
void Shutdown();

// Presents a 640x480 bottom-up picture whole, or its rectangle (sx, sy, w, h) at (dx, dy) of the
// window, all top-down and cut to the picture and the window. The rest of the window keeps
// what the last present left there.
void PresentFull(const uint32_t* bottomUpPixels);
void PresentRect(const uint32_t* bottomUpPixels, int dx, int dy, int sx, int sy, int w, int h);

enum class Key { Z, X, C, Up, Down, Left, Right, Escape, Delete };
inline constexpr int kKeyCount = 9;

struct Event {
    enum class Type { KeyDown, KeyUp, FocusGained, FocusLost, Quit } type;
    Key key;  // for KeyDown and KeyUp
};

// Takes at most one pending event the game reads; false when there is none.
bool PollEvent(Event& event);

// Milliseconds since an arbitrary start, and a short wait for the frame loop.
uint64_t Ticks();
void Sleep1ms();

// A modal error box, also written to stderr as "caption: text". withWindow gives it the game
// window as its parent. Boxes raised on other threads are held and shown by ShowQueuedBoxes.
void ErrorBox(const char* caption, const char* text, bool withWindow);
void ShowQueuedBoxes();

}  // namespace platform
