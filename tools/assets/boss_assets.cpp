#include <algorithm>
#include <cmath>

#include "tools/assets/assets.h"

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The stage-1 boss: one 260x221 frame, nose down, keyed on white. Its guns sit where the
// scripts fire from: the hot spot (176, 150), the column ports at x + 20 and x + 190 and the
// lower vents near y - 10.
constexpr int kBoss1W = 260;
constexpr int kBoss1H = 221;

uint32_t Shade(uint32_t c, int num, int den) {
    const auto ch = [&](int shift) {
        const int v = static_cast<int>((c >> shift) & 0xFF) * num / den;
        return static_cast<uint32_t>(std::clamp(v, 0, 255)) << shift;
    };
    return ch(16) | ch(8) | ch(0);
}

Picture Boss1(uint32_t hull, uint32_t glow, bool damaged) {
    Picture p(kBoss1W, kBoss1H);
    // Swept wings, then the hull over them.
    FillTriangle(p, 2, 150, 258, 150, 130, 10, Shade(hull, 1, 2));
    FillEllipse(p, 70, 20, 120, 195, hull);
    FillRect(p, 10, 120, 30, 60, Shade(hull, 3, 4));
    FillRect(p, 220, 120, 30, 60, Shade(hull, 3, 4));
    FrameRect(p, 10, 120, 30, 60, Shade(hull, 5, 4));
    FrameRect(p, 220, 120, 30, 60, Shade(hull, 5, 4));
    // Gun ports of the column volleys and the core the streams leave from.
    FillCircle(p, 25, 100, 9, 0x303030);
    FillCircle(p, 195, 100, 9, 0x303030);
    FillCircle(p, 176, 150, 14, glow);
    FillCircle(p, 76, 150, 14, glow);
    FillEllipse(p, 105, 90, 50, 70, Shade(glow, 3, 4));
    // Engine glow along the nose.
    for (int i = 0; i < 4; ++i)
        FillCircle(p, 130, 30 + 12 * i, 6 - i, 0xFFD060);
    if (damaged) {
        for (int i = 0; i < 7; ++i) {
            const double a = (40 + 45 * i) * kPi / 180.0;
            const int cx = 130 + static_cast<int>(std::lround(std::cos(a) * (40 + 9 * i)));
            const int cy = 110 + static_cast<int>(std::lround(std::sin(a) * (30 + 7 * i)));
            DrawLine(p, cx - 12, cy - 6, cx + 12, cy + 6, 0x202020);
            DrawLine(p, cx - 11, cy - 7, cx + 13, cy + 5, 0x202020);
        }
    }
    DrawText(p, 96, 190, damaged ? "BOSS 1-2" : "BOSS 1-1", 0xFFFFF0);
    return p;
}

// The glow a boss child shows about the stage-2 boss: child 9 is placed 130 pixels below and
// left of a 326x295 body, so a 586x555 picture is centred on it. Drawn additively: black is
// nothing.
Picture LogoGlow() {
    constexpr int w = 586;
    constexpr int h = 555;
    Picture p(w, h, kBlack);
    for (int r = 260; r > 0; r -= 20) {
        const int v = 255 - r * 255 / 280;
        FillEllipse(p, w / 2 - r, h / 2 - r, 2 * r, 2 * r,
                    static_cast<uint32_t>(v / 3) << 16 | static_cast<uint32_t>(v / 2) << 8 |
                        static_cast<uint32_t>(v));
    }
    for (int i = 0; i < 5; ++i) {
        const double a0 = (90 + 144 * i) * kPi / 180.0;
        const double a1 = (90 + 144 * (i + 1)) * kPi / 180.0;
        DrawLine(p, w / 2 + static_cast<int>(std::lround(std::cos(a0) * 220)),
                 h / 2 + static_cast<int>(std::lround(std::sin(a0) * 220)),
                 w / 2 + static_cast<int>(std::lround(std::cos(a1) * 220)),
                 h / 2 + static_cast<int>(std::lround(std::sin(a1) * 220)), 0xC0E0FF);
    }
    return p;
}

}  // namespace

void AddBossAssets(AssetList& list) {
    AddCompressedBmp(list, "img/bs1-1", Boss1(0x5070A0, 0x60D0FF, false));
    AddCompressedBmp(list, "img/bs1-2", Boss1(0x905050, 0xFF8040, true));
    AddBmp(list, "img/effect-logo1.bmp", LogoGlow());
}

}  // namespace assets
