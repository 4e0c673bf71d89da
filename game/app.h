#pragma once

#include "platform/platform.h"

// Which of the three programs this is; each program's main sets it.
enum class Variant { Borderless, Fullscreen, Windowed };
extern Variant g_Variant;

// The whole program: start-up, the frame loop until a quit request, teardown. Returns the
// process exit status.
int RunGame(Variant variant);

// Asks the frame loop to end after the current pass.
void RequestQuit();
bool QuitRequested();

// What the window's messages do: keys, focus and close.
void HandleEvent(const platform::Event& event);
