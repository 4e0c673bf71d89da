#pragma once

#include <cstdint>

#include "platform/common/present_area.h"

namespace platform {

// What the window shows, top-down, as the last presents left it: a partial present changes
// only its rectangle, so the rest keeps the last whole present.
class WindowImage {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    // Copies a clipped area from a bottom-up 640x480 picture.
    void CopyFrom(const uint32_t* bottomUp, const PresentArea& area);
    const uint32_t* Pixels() const { return pixels_; }
    uint32_t At(int x, int yFromTop) const { return pixels_[yFromTop * kWidth + x]; }

private:
    uint32_t pixels_[kWidth * kHeight] = {};
};

}  // namespace platform
