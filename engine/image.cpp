#include "engine/image.h"

#include "platform/platform.h"

CImage32::~CImage32() {
    CImage32::Free();
}

void CImage32::Free() {
    storage_.reset();
    pixels = nullptr;
}

void CImage32::Create(int32_t w, int32_t h) {
    Free();
    if (w < 0) w = 0;
    if (h < 0) h = 0;
    width = w;
    height = h;
    // New surfaces start black: the logo screen relies on it.
    storage_ = std::make_unique<uint32_t[]>(static_cast<size_t>(w) * static_cast<size_t>(h));
    pixels = storage_.get();
}

uint32_t* CImage32::GetPixelAddress(int32_t x, int32_t y) {
    if (pixels == nullptr || x < 0 || y < 0 || x >= width || y >= height) return nullptr;
    return pixels + static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
}

const uint32_t* CImage32::GetPixelAddress(int32_t x, int32_t y) const {
    return const_cast<CImage32*>(this)->GetPixelAddress(x, y);
}

void CImage32::SetPixel(int32_t x, int32_t y, uint32_t colour) {
    if (uint32_t* p = GetPixelAddress(x, y)) *p = colour;
}

void CImageDIB::Present(int32_t x, int32_t y) const {
    PresentRect(x, y, 0, 0, width, height);
}

void CImageDIB::PresentRect(int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                            int32_t h) const {
    // The window is 640x480, so only an image of that size (the back buffer) is shown.
    if (pixels == nullptr || width != kScreenWidth || height != kScreenHeight) return;
    if (dx == 0 && dy == 0 && sx == 0 && sy == 0 && w == width && h == height) {
        platform::PresentFull(pixels);
    } else {
        platform::PresentRect(pixels, dx, dy, sx, sy, w, h);
    }
}
