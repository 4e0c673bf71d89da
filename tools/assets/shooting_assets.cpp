#include "tools/assets/assets.h"

namespace assets {
namespace {

// The ship: two 75x43 frames side by side, nose up, the engines flickering between them. The
// small bright core marks the hit point, 36 across and 20 up from the frame's corner.
Picture Ship() {
    constexpr int kFrameW = 75;
    Picture picture(kFrameW * 2, 43);
    for (int f = 0; f < 2; ++f) {
        const int x = kFrameW * f;
        const int flame = f == 0 ? 6 : 10;
        FillTriangle(picture, x + 30, 8, x + 44, 8, x + 37, 8 - flame, 0xFF9020);
        FillTriangle(picture, x + 4, 10, x + 70, 10, x + 37, 30, 0x3060B0);
        FillTriangle(picture, x + 28, 4, x + 46, 4, x + 37, 42, 0x5088D8);
        FillRect(picture, x + 10, 10, 4, 12, 0x3060B0);
        FillRect(picture, x + 61, 10, 4, 12, 0x3060B0);
        FillEllipse(picture, x + 33, 24, 9, 12, 0x90E0FF);
        FillCircle(picture, x + 36, 20, 2, 0xFFF080);
    }
    return picture;
}

// Drawn additively: black adds nothing, so the background is black.
Picture OptionSprite() {
    Picture picture(50, 60, kBlack);
    FillCircle(picture, 25, 30, 12, 0x202060);
    FillCircle(picture, 25, 30, 8, 0x4040C0);
    FillCircle(picture, 25, 30, 4, 0xA0A0FF);
    return picture;
}

Picture LaserFlare() {
    Picture picture(50, 50, kBlack);
    FillCircle(picture, 25, 25, 20, 0x181840);
    FillCircle(picture, 25, 25, 13, 0x3838A0);
    FillCircle(picture, 25, 25, 6, 0xC0C0FF);
    DrawLine(picture, 5, 25, 45, 25, 0x6060D0);
    DrawLine(picture, 25, 5, 25, 45, 0x6060D0);
    return picture;
}

// One sheet of shot cells side by side, each a glowing blob of its own colour.
Picture ShotSheet(int cellW, int cellH, int cells, const uint32_t* outer, const uint32_t* inner) {
    Picture picture(cellW * cells, cellH);
    for (int c = 0; c < cells; ++c) {
        const int x = cellW * c;
        FillEllipse(picture, x + 1, 1, cellW - 2, cellH - 2, outer[c]);
        FillEllipse(picture, x + cellW / 4, cellH / 4, cellW - cellW / 2, cellH - cellH / 2,
                    inner[c]);
    }
    return picture;
}

// Type 0: 11x32 needles, cells 0..3.
Picture NeedleShots() {
    const uint32_t outer[4] = {0x2080FF, 0x20C060, 0xFF6020, 0xC040E0};
    const uint32_t inner[4] = {0xC0F0FF, 0xC0FFD0, 0xFFE0A0, 0xF0C0FF};
    return ShotSheet(11, 32, 4, outer, inner);
}

// Type 1: 26x26 balls, cells 0..12.
Picture SpreadShots() {
    uint32_t outer[13];
    uint32_t inner[13];
    for (int c = 0; c < 13; ++c) {
        outer[c] = 0x10A040 + static_cast<uint32_t>(c) * 0x0C0004;
        inner[c] = 0xD0FFD0 - static_cast<uint32_t>(c) * 0x040004;
    }
    return ShotSheet(26, 26, 13, outer, inner);
}

// Type 2: 20x20 sparks, cells 0..4.
Picture FanShots() {
    const uint32_t outer[5] = {0xE04000, 0xE08000, 0xF0C000, 0xE08000, 0xE04000};
    const uint32_t inner[5] = {0xFFD0A0, 0xFFE0B0, 0xFFF0C0, 0xFFE0B0, 0xFFD0A0};
    return ShotSheet(20, 20, 5, outer, inner);
}

}  // namespace

void AddShootingAssets(AssetList& list) {
    AddBmp(list, "img/p-blaze.bmp", Ship());
    AddBmp(list, "img/lazer.bmp", OptionSprite());
    AddBmp(list, "img/lz-explosion.bmp", LaserFlare());
    AddBmp(list, "img/bullets_sub.bmp", Picture(1, 1, kBlack));
    AddBmp(list, "img/bullet5.bmp", NeedleShots());
    AddBmp(list, "img/bullets2.bmp", SpreadShots());
    AddBmp(list, "img/bullets3.bmp", FanShots());
}

}  // namespace assets
