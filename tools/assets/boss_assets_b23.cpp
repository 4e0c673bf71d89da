#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assets/assets.h"

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A sheet of cols x rows frames of w x h, keyed on white. Each frame is drawn by `frame` with
// its lower-left corner and index, so every cell can show its own pose.
template <class Frame>
Picture Sheet(int w, int h, int cols, int rows, Frame frame) {
    Picture p(w * cols, h * rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c)
            frame(p, c * w, r * h, r * cols + c);
    }
    return p;
}

// A hull with a glowing core and the cell's number, so the frame in use can be read off the
// screen.
void Hull(Picture& p, int x, int y, int w, int h, uint32_t hull, uint32_t glow, int index,
          const std::string& label) {
    FillEllipse(p, x + 2, y + 2, w - 4, h - 4, hull);
    FrameRect(p, x + 1, y + 1, w - 2, h - 2, glow);
    const int r = std::max(3, std::min(w, h) / 6);
    FillCircle(p, x + w / 2, y + h / 2, r, glow);
    const std::string text = label + "-" + std::to_string(index);
    if (TextWidth(text) + 4 < w) DrawText(p, x + 3, y + 3, text, 0xFFFFF0);
}

// An additive glow on black: rings fading outward, with `points` spokes.
Picture Glow(int w, int h, uint32_t tint, int points) {
    Picture p(w, h, kBlack);
    const int rmax = std::min(w, h) / 2;
    for (int r = rmax; r > 0; r -= std::max(1, rmax / 12)) {
        const int v = 255 - r * 255 / (rmax + 20);
        const auto ch = [&](int shift) {
            return static_cast<uint32_t>(((tint >> shift) & 0xFF) * v / 255) << shift;
        };
        FillEllipse(p, w / 2 - r * w / (2 * rmax), h / 2 - r * h / (2 * rmax), r * w / rmax,
                    r * h / rmax, ch(16) | ch(8) | ch(0));
    }
    for (int i = 0; i < points; ++i) {
        const double a = (90 + 360.0 * i / points) * kPi / 180.0;
        DrawLine(p, w / 2, h / 2, w / 2 + static_cast<int>(std::lround(std::cos(a) * rmax * 0.9)),
                 h / 2 + static_cast<int>(std::lround(std::sin(a) * rmax * 0.9)), tint);
    }
    return p;
}

// A killer shot of three frames stacked upward, on black.
Picture KillerOrb(int size, uint32_t outer, uint32_t inner) {
    Picture p(size, size * 3, kBlack);
    for (int f = 0; f < 3; ++f) {
        FillCircle(p, size / 2, size * f + size / 2, size / 2 - 2, outer);
        FillCircle(p, size / 2, size * f + size / 2, size / 3 - 4 * f, inner);
    }
    return p;
}

}  // namespace

void AddBossB23Assets(AssetList& list) {
    // Bonus-stage boss: seven 101x79 poses in a row, then six 50x50 spinning frames.
    AddCompressedBmp(list, "img/bsb-1", Sheet(101, 79, 7, 1, [](Picture& p, int x, int y, int i) {
                         Hull(p, x, y, 101, 79, 0x806040, 0xFFD060, i, "B");
                     }));
    AddCompressedBmp(list, "img/bsb-2", Sheet(50, 50, 6, 1, [](Picture& p, int x, int y, int i) {
                         Hull(p, x, y, 50, 50, 0x604080, 0xFF80FF, i, "B");
                         const double a = i * 60 * kPi / 180.0;
                         DrawLine(p, x + 25, y + 25, x + 25 + static_cast<int>(std::cos(a) * 20),
                                  y + 25 + static_cast<int>(std::sin(a) * 20), 0xFFFFF0);
                     }));
    // The light is placed 130 below and left of the 101x79 body: centred on it.
    AddBmp(list, "img/effect-logo4.bmp", Glow(361, 339, 0xFFE0A0, 6));
    AddBmp(list, "img/killershot-boss4-1-old.bmp", KillerOrb(160, 0x804000, 0xFFC060));

    // Stage-2 boss: the large body's five opening poses stacked upward, the middle body, and
    // the small one's six poses in a row.
    AddCompressedBmp(list, "img/bs2-1", Sheet(326, 295, 1, 5, [](Picture& p, int x, int y, int i) {
                         Hull(p, x, y, 326, 295, 0x406050, 0x80FFC0, i, "BOSS 2-1");
                         for (int k = 0; k < i; ++k)
                             FillRect(p, x + 40 + 60 * k, y + 140, 16, 30, 0x303030);
                     }));
    AddCompressedBmp(list, "img/bs2-2", Sheet(158, 180, 1, 1, [](Picture& p, int x, int y, int i) {
                         Hull(p, x, y, 158, 180, 0x405070, 0x80C0FF, i, "BOSS 2-2");
                     }));
    AddCompressedBmp(list, "img/bs2-3", Sheet(68, 70, 6, 1, [](Picture& p, int x, int y, int i) {
                         Hull(p, x, y, 68, 70, 0x504070, 0xC080FF, i, "2");
                     }));

    // Stage-3 boss: the gunship's four gun poses stacked upward, the core's six poses in a row
    // and the final form.
    AddCompressedBmp(list, "img/bs3-1", Sheet(296, 211, 1, 4, [](Picture& p, int x, int y, int i) {
                         Hull(p, x, y, 296, 211, 0x605040, 0xFF9040, i, "BOSS 3-1");
                         FillRect(p, x + 130, y, 36, 20 + 25 * i, 0x303030);
                     }));
    AddCompressedBmp(list, "img/bs3-2", Sheet(67, 67, 6, 1, [](Picture& p, int x, int y, int i) {
                         Hull(p, x, y, 67, 67, 0x306030, 0x60FF60, i, "3");
                     }));
    AddCompressedBmp(list, "img/bs3-3", Sheet(398, 316, 1, 1, [](Picture& p, int x, int y, int i) {
                         Hull(p, x, y, 398, 316, 0x503030, 0xFF6060, i, "BOSS 3-3");
                     }));
    // The shield band child 0 draws across the field, and the cannon flash.
    AddBmp(list, "img/effect-logo5.bmp", Glow(334, 100, 0x60FF80, 0));
    AddBmp(list, "img/marduk-cannon3.bmp", Glow(80, 80, 0xFFA060, 8));
}

}  // namespace assets
