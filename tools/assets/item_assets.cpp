#include "tools/assets/assets.h"

namespace assets {
namespace {

// Items are drawn keyed: a coloured token on the key colour with a letter on it.
Picture ItemToken(int size, uint32_t rim, uint32_t face, const char* label) {
    Picture picture(size, size);
    FillCircle(picture, size / 2, size / 2, size / 2 - 1, rim);
    FillCircle(picture, size / 2, size / 2, size / 2 - 4, face);
    DrawTextInCell(picture, 4, 4, size - 8, size - 8, label, 0x202020, kNoShadow);
    return picture;
}

// Concentric rings in one cell, on black: killer shots are mostly drawn in the screen mode,
// where black leaves the play field as it is.
void Orb(Picture& picture, int x, int y, int w, int h, uint32_t outer, uint32_t inner, int frame) {
    const int r = (w < h ? w : h) / 2 - 2;
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    FillEllipse(picture, x + 2, y + 2, w - 4, h - 4, outer);
    FillCircle(picture, cx, cy, r * 2 / 3, inner);
    // A spoke that turns with the frame, so the animation can be seen.
    const int dx = frame % 2 == 0 ? r : 0;
    const int dy = frame % 2 == 0 ? 0 : r;
    DrawLine(picture, cx - dx, cy - dy, cx + dx, cy + dy, 0xE0E0E0);
}

// 160x160 shots: three frames stacked upward at x 0, and three cells side by side at y 0 for
// the vortex, which picks one at random each frame.
Picture KillerShotLarge() {
    constexpr int kCell = 160;
    Picture picture(kCell * 3, kCell * 3, kBlack);
    const uint32_t outer[3] = {0x802020, 0x208040, 0x402080};
    for (int i = 0; i < 3; ++i) {
        Orb(picture, 0, kCell * i, kCell, kCell, outer[i], 0xF0A040, i);
        if (i > 0) Orb(picture, kCell * i, 0, kCell, kCell, outer[i], 0x60C0F0, i);
    }
    return picture;
}

// Shots with two frames stacked upward.
Picture KillerShotPair(int w, int h, uint32_t outer, uint32_t inner) {
    Picture picture(w, h * 2, kBlack);
    for (int f = 0; f < 2; ++f)
        Orb(picture, 0, h * f, w, h, outer, inner, f);
    return picture;
}

}  // namespace

void AddItemAssets(AssetList& list) {
    AddBmp(list, "img/item3.bmp", ItemToken(30, 0x2060C0, 0x80C0FF, "P"));
    AddBmp(list, "img/item-p.bmp", ItemToken(50, 0xC04020, 0xFFB080, "B"));
    AddBmp(list, "img/item-ex.bmp", ItemToken(50, 0x20A040, 0x90F0A0, "1UP"));
    AddBmp(list, "img/killershot-boss3-1.bmp", KillerShotLarge());
    AddBmp(list, "img/killershot-boss3-2.bmp", KillerShotPair(140, 140, 0x204090, 0xA0E0F0));
    AddBmp(list, "img/killershot-boss3-3.bmp", KillerShotPair(220, 420, 0x803000, 0xF0D060));
}

}  // namespace assets
