#include "platform/common/window_image.h"

#include <cstring>

namespace platform {

void WindowImage::CopyFrom(const uint32_t* bottomUp, const PresentArea& area) {
    const size_t bytes = static_cast<size_t>(area.w) * sizeof(uint32_t);
    for (int row = 0; row < area.h; ++row) {
        // Picture row t from the top is buffer row 479 - t.
        const uint32_t* src = bottomUp + (kHeight - 1 - (area.sy + row)) * kWidth + area.sx;
        std::memcpy(pixels_ + (area.dy + row) * kWidth + area.dx, src, bytes);
    }
}

}  // namespace platform
