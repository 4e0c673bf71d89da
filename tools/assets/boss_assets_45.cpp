#include <string>

#include "tools/assets/assets.h"

namespace assets {
namespace {

// A boss body keyed on white: a hull filling the frame, gun ports and a core at the hot spot
// (the frame's centre), and its name written across the top.
Picture BossBody(int w, int h, uint32_t hull, uint32_t glow, const std::string& name) {
    Picture p(w, h);
    FillEllipse(p, 2, 2, w - 4, h - 4, hull);
    FrameRect(p, w / 6, h / 4, w * 2 / 3, h / 2, glow);
    for (int i = 1; i <= 3; ++i) {
        FillCircle(p, w * i / 4, h / 5, w / 24 + 2, 0x303030);
        FillCircle(p, w * i / 4, h * 4 / 5, w / 30 + 2, glow);
    }
    FillCircle(p, w / 2, h / 2, h / 8 + 2, glow);
    DrawTextInCell(p, w / 4, h * 2 / 3, w / 2, h / 6, name, 0xFFFFF0, 0x202020);
    return p;
}

// The stage-4 boss's two limbs side by side, 68x163 each, hanging from their pivot 150 rows
// up at the middle of the frame.
Picture Boss4Parts() {
    constexpr int kW = 68;
    constexpr int kH = 163;
    Picture p(2 * kW, kH);
    for (int f = 0; f < 2; ++f) {
        const int x = f * kW;
        FillRect(p, x + kW / 2 - 10, 10, 20, 142, f == 0 ? 0x606A80 : 0x806A60);
        FillCircle(p, x + kW / 2, 150, 12, 0xC0C0D0);
        FillEllipse(p, x + 4, 0, kW - 8, 36, 0x404050);
    }
    return p;
}

// Killer shots on black: `cells` frames of w x h stacked upward, with a mark that moves from
// frame to frame so the animation can be seen.
Picture KillerCells(int w, int h, int cells, uint32_t outer, uint32_t inner) {
    Picture p(w, h * cells, kBlack);
    for (int f = 0; f < cells; ++f) {
        FillEllipse(p, 2, h * f + 2, w - 4, h - 4, outer);
        FillEllipse(p, w / 4, h * f + h / 4, w / 2, h / 2, inner);
        DrawLine(p, w / 2, h * f + 2 + f * 4, w / 2, h * f + h - 3, 0xE0E0E0);
    }
    return p;
}

// The 160x160 shots: three frames up the first column, and the three vortex cells along the
// bottom row, which the vortex picks among at random.
Picture KillerLarge() {
    constexpr int kCell = 160;
    Picture p(3 * kCell, 3 * kCell, kBlack);
    const uint32_t outer[3] = {0x602080, 0x206080, 0x802060};
    for (int i = 0; i < 3; ++i) {
        Paste(p, 0, kCell * i, KillerCells(kCell, kCell, 1, outer[i], 0xF0C060));
        if (i > 0) Paste(p, kCell * i, 0, KillerCells(kCell, kCell, 1, outer[i], 0x60C0F0));
    }
    return p;
}

}  // namespace

void AddBoss45Assets(AssetList& list) {
    AddBmp(list, "img/boss4-1.bmp", BossBody(680, 364, 0x506070, 0x70E0A0, "BOSS 4-1"));
    AddBmp(list, "img/boss4-2.bmp", BossBody(552, 362, 0x605070, 0xE0A070, "BOSS 4-2"));
    AddBmp(list, "img/boss4-3.bmp", BossBody(552, 362, 0x703040, 0xFF6060, "BOSS 4-3"));
    AddBmp(list, "img/parts-boss4-1.bmp", Boss4Parts());
    AddBmp(list, "img/killershot-boss4-1.bmp", KillerLarge());
    AddBmp(list, "img/killershot-boss4-2.bmp", KillerCells(210, 210, 2, 0x204060, 0x80C0F0));
    AddBmp(list, "img/killershot-boss4-4.bmp", KillerCells(140, 140, 2, 0x603010, 0xF0B060));
    AddBmp(list, "img/boss5-1.bmp", BossBody(395, 445, 0x403060, 0xC080FF, "BOSS 5-1"));
    AddBmp(list, "img/boss5-2.bmp", BossBody(614, 504, 0x304060, 0x80C0FF, "BOSS 5-2"));
    AddBmp(list, "img/boss5-3.bmp", BossBody(286, 323, 0x502040, 0xFF80C0, "BOSS 5-3"));
    AddBmp(list, "img/boss5-4.bmp", BossBody(100, 100, 0x602020, 0xFFD040, "5-4"));
    AddBmp(list, "img/killershot-boss5-4.bmp", KillerCells(50, 140, 2, 0x402060, 0xD0A0FF));
    AddBmp(list, "img/killershot-boss5-4-2.bmp", KillerCells(140, 140, 2, 0x206040, 0xA0F0C0));
}

}  // namespace assets
