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

const WindowImage& Window();
int PresentCount();
// The message boxes shown since the last call, oldest first.
std::vector<Box> TakeBoxes();
// Puts the backend back as a fresh start left it.
void Reset();

}  // namespace platform::headless
