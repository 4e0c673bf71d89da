#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// A decoded bitmap: 0x00RRGGBB pixels, row 0 at the bottom.
struct DecodedBitmap {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
};

// Decodes a whole Windows bitmap file held in memory (every depth and RLE form SDL reads).
// False when the bytes are not a bitmap it can read.
bool DecodeBitmap(const uint8_t* bytes, size_t size, DecodedBitmap& out);

}  // namespace platform
