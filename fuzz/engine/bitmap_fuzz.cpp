#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/image.h"
#include "engine/inflate.h"
#include "platform/bitmap.h"
#include "platform/headless/headless.h"

namespace {

// A loaded image is either what the decoder produced or the black 1x1 stand-in.
void CheckImage(const CImageShooting& image, bool decoded, const platform::DecodedBitmap& bmp) {
    if (image.pixels == nullptr) std::abort();
    if (!decoded) {
        if (image.width != 1 || image.height != 1 || image.pixels[0] != 0) std::abort();
        return;
    }
    if (image.width != bmp.width || image.height != bmp.height) std::abort();
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    if (bmp.pixels.size() != count) std::abort();
    for (size_t i = 0; i < count; ++i) {
        if (image.pixels[i] != bmp.pixels[i] || (image.pixels[i] >> 24) != 0) std::abort();
    }
}

void LoadBoth(const uint8_t* data, size_t size) {
    platform::DecodedBitmap bmp;
    const bool decoded = platform::DecodeBitmap(data, size, bmp);
    CImageShooting image;
    image.LoadFromMemory(data, size);
    CheckImage(image, decoded, bmp);
}

}  // namespace

// The input is tried as a bitmap file and as a compressed bitmap file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LoadBoth(data, size);

    std::vector<uint8_t> expanded;
    if (InflateBuffer(data, size, "fuzz", expanded)) {
        if (expanded.size() > kMaxInflatedSize) std::abort();
        LoadBoth(expanded.data(), expanded.size());
    }
    platform::headless::TakeBoxes();
    return 0;
}
