#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/common/window_image.h"
#include "platform/platform.h"

// Test controls of the headless backend: the clock is set by the test, events are queued by
// the test, and presents and message boxes are kept for inspection.
namespace platform::headless {

struct Box {
    std::string caption;
    std::string text;
    bool withWindow;
};

void SetTicks(uint64_t ms);
void AdvanceTicks(uint64_t ms);
void QueueEvent(const Event& event);

// Presents fill the window image only once a test asks for it here; until then they are only
// counted, so long runs and benchmarks do not pay a frame's copy for a picture nobody reads.
void KeepWindow();
const WindowImage& Window();
int PresentCount();
// The message boxes shown since the last call, oldest first.
std::vector<Box> TakeBoxes();
// Puts the backend back as a fresh start left it (the window image black and not kept).
void Reset();

}  // namespace platform::headless
