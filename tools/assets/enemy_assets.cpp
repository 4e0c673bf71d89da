#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/assets/assets.h"

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// How a sheet lays out its frames. The game reads frame f at (frameX, 0, w, h), so each sheet
// holds the frames at the source x values the kind's script picks.
enum class Layout {
    Ship,     // a craft seen from above, nose down; frames vary its engine glow
    Facing,   // frame i turned 10 i degrees from straight down (the script flips the rest)
    Fortress  // the largest kinds: an armoured hull with gun ports
};

struct EnemySheet {
    const char* path;
    int w;  // frame size: the kind's box
    int h;
    std::vector<int> frames;  // source x of each frame
    Layout layout;
    uint32_t colour;
    bool compressed;
};

std::vector<int> Strip(int w, int count) {
    std::vector<int> xs;
    for (int i = 0; i < count; ++i)
        xs.push_back(w * i);
    return xs;
}

uint32_t Darker(uint32_t c) {
    return (c >> 1) & 0x7F7F7F;
}

uint32_t Lighter(uint32_t c) {
    return c | 0x404040;
}

// A craft filling the w x h cell at (x, 0) with its nose at the bottom: a hull, two wings and
// a canopy. `frame` moves the engine glow so animated kinds visibly change.
void DrawShip(Picture& p, int x, int w, int h, uint32_t colour, int frame) {
    const int wingY = h * 2 / 5;
    FillTriangle(p, x + 1, h - 2, x + w - 2, h - 2, x + w / 2, wingY / 2, Darker(colour));
    FillEllipse(p, x + w / 5, 1, w - 2 * (w / 5), h - 2, colour);
    FillEllipse(p, x + w * 2 / 5, h / 5, std::max(w / 5, 2), std::max(h / 4, 2), Lighter(colour));
    const int glow = 3 + frame % 4 * 2;
    FillEllipse(p, x + w / 2 - glow / 2, h - 2 - glow, glow, glow, 0xFFC040);
}

// A narrow body pointing along `degrees` from straight down (counter-clockwise, as the game
// turns sprites), centred in the cell.
void DrawFacing(Picture& p, int x, int w, int h, uint32_t colour, int degrees) {
    const double a = degrees * kPi / 180.0;
    const double cx = x + w / 2.0;
    const double cy = h / 2.0;
    const double len = std::min(w, h) * 0.45;
    // Straight down is (0, -1); turning counter-clockwise by a gives (sin a, -cos a).
    const double dx = std::sin(a);
    const double dy = -std::cos(a);
    const auto at = [&](double along, double across, int& px, int& py) {
        px = static_cast<int>(std::lround(cx + dx * along - dy * across));
        py = static_cast<int>(std::lround(cy + dy * along + dx * across));
    };
    int nx, ny, lx, ly, rx, ry;
    at(len, 0, nx, ny);
    at(-len, len * 0.8, lx, ly);
    at(-len, -len * 0.8, rx, ry);
    FillTriangle(p, nx, ny, lx, ly, rx, ry, colour);
    FillCircle(p, static_cast<int>(cx), static_cast<int>(cy), std::max(w / 8, 2), Lighter(colour));
}

void DrawFortress(Picture& p, int w, int h, uint32_t colour) {
    FillRect(p, 4, 4, w - 8, h - 8, Darker(colour));
    Checker(p, 12, 12, w - 24, h - 24, 16, colour, Darker(colour));
    FrameRect(p, 4, 4, w - 8, h - 8, Lighter(colour));
    for (int i = 0; i < 4; ++i)
        FillCircle(p, w * (2 * i + 1) / 8, h / 3, std::max(w / 24, 4), 0xE04040);
    FillEllipse(p, w / 3, h / 2, w / 3, h / 3, Lighter(colour));
}

Picture Sheet(const EnemySheet& s) {
    const int width = s.frames.back() + s.w;
    Picture p(width, s.h);
    for (size_t f = 0; f < s.frames.size(); ++f) {
        const int x = s.frames[f];
        switch (s.layout) {
            case Layout::Ship:
                DrawShip(p, x, s.w, s.h, s.colour, static_cast<int>(f));
                break;
            case Layout::Facing:
                DrawFacing(p, x, s.w, s.h, s.colour, static_cast<int>(f) * 10);
                break;
            case Layout::Fortress:
                DrawFortress(p, s.w, s.h, s.colour);
                break;
        }
    }
    return p;
}

// Kind 42: the fortress body, and beside it the 32 x 124 gun turret its script turns.
Picture FortressWithTurret(const EnemySheet& s) {
    Picture body = Sheet(s);
    Picture p(s.w + 32, s.h);
    Paste(p, 0, 0, body);
    FillRect(p, s.w + 8, 0, 16, 100, 0x606070);
    FillCircle(p, s.w + 16, 108, 15, 0x9090A0);
    return p;
}

}  // namespace

void AddEnemyAssets(AssetList& list) {
    const std::vector<EnemySheet> sheets = {
        {"img/small-midboss5.bmp", 346, 256, {0}, Layout::Fortress, 0x8050A0, false},
        {"img/small-bat1.bmp", 45, 28, Strip(45, 4), Layout::Ship, 0x604080, false},
        {"img/small-ship1.bmp", 220, 239, {0}, Layout::Fortress, 0x507090, false},
        {"img/small-fo11.bmp", 56, 54, Strip(56, 2), Layout::Ship, 0x40A080, false},
        {"img/small-fo13.bmp", 113, 30, {0}, Layout::Ship, 0x90A040, false},
        {"img/small-fo15.bmp", 113, 69, {0}, Layout::Ship, 0x4080C0, false},
        {"img/small-fo.bmp", 150, 109, {0}, Layout::Ship, 0xA06040, false},
        {"img/small-zako7.bmp", 48, 44, Strip(48, 5), Layout::Ship, 0xC04040, false},
        {"img/small-zako2-2.bmp", 45, 45, Strip(45, 10), Layout::Facing, 0x40C040, false},
        {"img/small-zako2-3.bmp", 54, 54, Strip(54, 10), Layout::Facing, 0x40C0C0, false},
        {"img/small-zako3.bmp", 130, 99, {0}, Layout::Ship, 0x8080C0, false},
        {"img/small-zako4.bmp", 69, 18, {0}, Layout::Ship, 0xC0A040, false},
        {"img/small-fo4.bmp", 69, 65, Strip(69, 3), Layout::Ship, 0x60A0A0, false},
        {"img/small-itemer1.bmp", 72, 47, Strip(72, 3), Layout::Ship, 0xE0C020, false},
        {"img/small-fo14.bmp", 209, 129, {0}, Layout::Ship, 0x7060A0, false},
        {"img/small-evileye.bmp", 191, 101, Strip(191, 2), Layout::Ship, 0xA03060, false},
        {"img/small-evileye2.bmp", 236, 104, {0}, Layout::Ship, 0xB04070, false},
        {"img/small-fo2.bmp", 97, 96, {0}, Layout::Ship, 0x50B050, false},
        {"img/small-zako6.bmp", 192, 106, {0}, Layout::Ship, 0x9060C0, false},
        {"img/small-zako5.bmp", 260, 126, Strip(260, 3), Layout::Ship, 0x6090B0, false},
        {"img/dummy.bmp", 181, 178, {0}, Layout::Ship, 0x808080, false},
        {"img/small-fo5-2.bmp", 156, 126, {0}, Layout::Ship, 0xB08040, false},
        {"img/small-fo6-2.bmp", 118, 106, {0}, Layout::Ship, 0x40A0B0, false},
        {"img/small-fo7.bmp", 270, 148, {0}, Layout::Ship, 0x708050, false},
        {"img/small-fo12.bmp", 176, 149, {0}, Layout::Ship, 0x905070, false},
        {"img/small-evileye5.bmp", 114, 53, Strip(114, 3), Layout::Ship, 0xC05090, false},
        {"img/small-fo16.bmp", 112, 65, {0}, Layout::Ship, 0x50C090, false},
        {"img/small-fo8.bmp", 222, 131, {0}, Layout::Ship, 0x806040, false},
        {"img/small-fo9.bmp", 86, 105, Strip(86, 3), Layout::Ship, 0x4070B0, false},
        {"img/small-fo10.bmp", 118, 42, Strip(118, 2), Layout::Ship, 0xB0B040, false},
        {"img/small-midboss3.bmp", 359, 269, {0}, Layout::Fortress, 0x705080, false},
        {"img/small-evileye4.bmp", 98, 57, {0}, Layout::Ship, 0xD06080, false},
        // The walker draws frames 0 and 2w; the sheet keeps three cells.
        {"img/small-Robo3.bmp", 138, 107, Strip(138, 3), Layout::Ship, 0x8090A0, false},
        {"img/small-zako1.bmp", 44, 27, {0}, Layout::Ship, 0xC08040, false},
        {"img/small-zako2.bmp", 54, 54, Strip(54, 10), Layout::Facing, 0x80C040, false},
        {"img/small-ship2.bmp", 195, 219, {0}, Layout::Fortress, 0x506080, false},
        {"img/small-fo17.bmp", 79, 37, {0}, Layout::Ship, 0x60B0D0, false},
        {"img/small-fo18.bmp", 75, 20, Strip(75, 2), Layout::Ship, 0xD0A060, false},
        // Its frames step 85, 87, 86, 86, 86 pixels: the script's own source x values.
        {"img/small-fo16-2.bmp",
         86,
         50,
         {0, 85, 172, 258, 344, 430},
         Layout::Ship,
         0x50D0A0,
         false},
        {"img/small-zako8.bmp", 190, 81, Strip(190, 2), Layout::Ship, 0xA050B0, false},
        {"img/small-bossb", 378, 285, {0}, Layout::Fortress, 0x606090, true},
        {"img/small-boss5.bmp", 379, 420, {0}, Layout::Fortress, 0x7040A0, false},
    };
    for (const EnemySheet& s : sheets) {
        if (s.compressed) {
            AddCompressedBmp(list, s.path, FortressWithTurret(s));
        } else {
            AddBmp(list, s.path, Sheet(s));
        }
    }
}

}  // namespace assets
