#include "platform/common/window_image.h"

#include <algorithm>
#include <cstring>

namespace platform {

void WindowImage::CopyFrom(const uint32_t* bottomUp, int x, int y, int w, int h) {
    const int left = std::max(x, 0);
    const int right = std::min(x + w, kWidth);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + h, kHeight);
    if (left >= right || top >= bottom) return;
    const size_t bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
    for (int row = top; row < bottom; ++row) {
        // Window row t shows buffer row 479 - t.
        const uint32_t* src = bottomUp + (kHeight - 1 - row) * kWidth + left;
        std::memcpy(pixels_ + row * kWidth + left, src, bytes);
    }
}

}  // namespace platform
