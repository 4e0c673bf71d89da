#pragma once

#include <cstdint>

#include "engine/image.h"

// A picture whose every pixel tells where it came from, so a presented window can be checked
// pixel by pixel.

// Pixel (x, y) of picture `tag`, y counted from the image's bottom row; 24 bits.
inline uint32_t Mark(uint32_t tag, int x, int y) {
    return tag << 20 | static_cast<uint32_t>(x) << 9 | static_cast<uint32_t>(y);
}

inline void Paint(CImageDIB& image, uint32_t tag) {
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x)
            image.SetPixel(x, y, Mark(tag, x, y));
    }
}
