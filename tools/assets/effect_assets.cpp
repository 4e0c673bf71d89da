#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assets/assets.h"

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Effects are mostly drawn additively, so their sheets are black wherever nothing shows; the
// brightest colour stays below white, which some blits treat specially.
uint32_t Scaled(uint32_t colour, double k) {
    k = std::clamp(k, 0.0, 1.0);
    const auto channel = [&](int shift) {
        const double c = static_cast<double>((colour >> shift) & 0xFF) * k;
        return static_cast<uint32_t>(std::min(c, 240.0)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// Hues that tell the blocks and cells of a sheet apart.
constexpr uint32_t kHues[] = {0xFF9030, 0x40A0FF, 0x60FF70, 0xC060FF, 0xFF4040, 0xFFE040,
                              0x40FFE0, 0xFF60C0, 0xA0A0FF, 0xFFB080, 0x80FF40, 0xFFFFA0};
uint32_t Hue(int i) {
    return kHues[static_cast<size_t>(i) % std::size(kHues)];
}

// A glow centred in the cell (x, y, w, h): brightest in the middle, fading to black at radius
// `reach` (as a fraction of the half sizes); `hollow` leaves a dark middle, for rings.
void Glow(Picture& p, int x, int y, int w, int h, uint32_t colour, double reach, double hollow) {
    const double cx = x + w / 2.0;
    const double cy = y + h / 2.0;
    const double rx = std::max(w / 2.0 * reach, 0.5);
    const double ry = std::max(h / 2.0 * reach, 0.5);
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            const double d = std::hypot((px + 0.5 - cx) / rx, (py + 0.5 - cy) / ry);
            if (d >= 1.0 || d < hollow) continue;
            const double k =
                hollow > 0 ? 1.0 - std::abs(d - (1.0 + hollow) / 2) * 2 / (1 - hollow) : 1.0 - d;
            p.Set(px, py, Scaled(colour, 0.2 + 0.8 * k));
        }
    }
}

// A five- or nine-pointed star outline centred in the cell, with a faint glow under it.
void Star(Picture& p, int x, int y, int w, int h, uint32_t colour, int points, int skip) {
    Glow(p, x, y, w, h, Scaled(colour, 0.35), 0.9, 0.0);
    const double cx = x + w / 2.0;
    const double cy = y + h / 2.0;
    const double r = std::min(w, h) / 2.0 - 2;
    const auto corner = [&](int i, int& px, int& py) {
        const double a = kPi / 2 + 2 * kPi * i / points;
        px = static_cast<int>(std::lround(cx + r * std::cos(a)));
        py = static_cast<int>(std::lround(cy + r * std::sin(a)));
    };
    for (int i = 0; i < points; ++i) {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        corner(i, x0, y0);
        corner((i + skip) % points, x1, y1);
        DrawLine(p, x0, y0, x1, y1, colour);
    }
}

// An explosion strip: `blocks` blocks of `frames` cells, a fireball that swells and dims over
// the frames of a block, one hue per block.
Picture Explosion(int cellW, int cellH, int frames, int blocks) {
    Picture p(cellW * frames * blocks, cellH, kBlack);
    for (int b = 0; b < blocks; ++b) {
        for (int f = 0; f < frames; ++f) {
            const double t = (f + 1.0) / frames;
            const int x = (b * frames + f) * cellW;
            Glow(p, x, 0, cellW, cellH, Scaled(Hue(b), 1.15 - 0.8 * t), 0.35 + 0.65 * t, 0.0);
            if (f >= frames / 2) Glow(p, x, 0, cellW, cellH, Scaled(Hue(b), 0.6 - 0.4 * t), t, 0.7);
        }
    }
    return p;
}

// A strip of `cells` glows, rings or stars, one hue per cell.
enum class Shape { Glow, Ring, Pentagram, Nonagram };
Picture Cells(int cellW, int cellH, int cells, Shape shape) {
    Picture p(cellW * cells, cellH, kBlack);
    for (int i = 0; i < cells; ++i) {
        const int x = i * cellW;
        switch (shape) {
            case Shape::Glow:
                Glow(p, x, 0, cellW, cellH, Hue(i), 1.0, 0.0);
                break;
            case Shape::Ring:
                Glow(p, x, 0, cellW, cellH, Hue(i), 1.0, 0.6);
                break;
            case Shape::Pentagram:
                Star(p, x, 0, cellW, cellH, Hue(i), 5, 2);
                break;
            case Shape::Nonagram:
                Star(p, x, 0, cellW, cellH, Hue(i), 9, 4);
                break;
        }
    }
    return p;
}

// Vertical beams: a bright core fading to the sides, narrowing toward the top of the cell.
// Each stage's laser picture differs only in its colours, shifted round the hues.
Picture Beams(int cellW, int cellH, int cells, int hueShift = 0) {
    Picture p(cellW * cells, cellH, kBlack);
    for (int i = 0; i < cells; ++i) {
        for (int y = 0; y < cellH; ++y) {
            const double half =
                cellW / 2.0 * (0.35 + 0.65 * (1.0 - static_cast<double>(y) / cellH));
            for (int x = 0; x < cellW; ++x) {
                const double d = std::abs(x + 0.5 - cellW / 2.0) / half;
                if (d < 1.0) p.Set(i * cellW + x, y, Scaled(Hue(i + 1 + hueShift), 1.0 - d * 0.8));
            }
        }
    }
    return p;
}

// A zigzag bolt down the middle of each cell.
void Bolt(Picture& p, int x, int y, int w, int h, uint32_t colour, int seed) {
    int px = x + w / 2;
    int py = y + h - 1;
    for (int i = 0; py > y; ++i) {
        const int nx = x + w / 2 + static_cast<int>(w * 0.35 * std::sin(i * 1.7 + seed * 2.3));
        const int ny = std::max(py - h / 10, y);
        for (int o = -1; o <= 1; ++o)
            DrawLine(p, px + o, py, nx + o, ny, o == 0 ? colour : Scaled(colour, 0.5));
        px = nx;
        py = ny;
    }
}

Picture Lightning(int cellW, int cellH, int cells) {
    Picture p(cellW * cells, cellH, kBlack);
    for (int i = 0; i < cells; ++i)
        Bolt(p, i * cellW, 0, cellW, cellH, 0xC0C0FF, i);
    return p;
}

// The words shown when the power rises (cell 0) and when a life is gained (cell 1).
Picture ExtendWords() {
    constexpr int kW = 65;
    constexpr int kH = 11;
    const char* const words[] = {"POWER UP", "EXTEND", "EXTEND", "POWER UP", "EXTEND", "BONUS"};
    Picture p(kW * 6, kH, kBlack);
    for (int i = 0; i < 6; ++i)
        DrawTextInCell(p, i * kW, 0, kW, kH, words[i], Hue(i + 5), kNoShadow);
    return p;
}

Picture ExtendLightning() {
    Picture p(714, 189, kBlack);
    for (int i = 0; i < 5; ++i)
        Bolt(p, i * 140, 0, 154, 189, Scaled(0x8080FF, 0.8), i + 7);
    DrawTextInCell(p, 0, 40, 714, 110, "EXTEND", 0xF0E060, kNoShadow);
    return p;
}

// The laser head is drawn colour-keyed and read through a window that slides 20 pixels a
// frame, so it is a row of glows on the key colour.
Picture LaserHead() {
    Picture p(147 * 3, 147, kKey);
    for (int i = 0; i < 6; ++i)
        Glow(p, i * 74, 0, 147, 147, Hue(i + 1), 0.9 - 0.1 * (i % 3), 0.0);
    return p;
}

// The tally panel of the stage end: a title, and a label left of each number the scene draws
// (items, kills, bombs, lives, the level band and the bonus).
Picture TallyPanel() {
    Picture p(376, 461, 0x101828);
    FrameRect(p, 0, 0, 376, 461, 0x6080C0);
    FrameRect(p, 3, 3, 370, 455, 0x304060);
    DrawTextInCell(p, 20, 370, 336, 50, "STAGE CLEAR", 0xF0E060, kBlack);
    const struct {
        const char* text;
        int y;
    } labels[] = {{"ITEMS", 302}, {"KILLS", 266}, {"BOMBS", 226},
                  {"LIVES", 186}, {"LEVEL", 142}, {"BONUS", 68}};
    for (const auto& label : labels)
        DrawText(p, 40, label.y + 4, label.text, 0xC0D0F0, 2);
    DrawLine(p, 30, 110, 346, 110, 0x6080C0);
    return p;
}

// The stage end's digits: d in the 12x15 cell at x = 12d, on the colour key.
Picture TallyDigits() {
    Picture p(120, 15, kKey);
    for (int d = 0; d < 10; ++d) {
        const char digit[] = {static_cast<char>('0' + d), '\0'};
        DrawTextInCell(p, 12 * d, 0, 12, 15, digit, 0x80F0FF, 0x203040);
    }
    return p;
}

}  // namespace

// The 29 effect pictures at their cell sizes, each with room for every cell and block any
// spawn asks for, the enemy lasers' beam, and the score keeper's tally panel and digits.
void AddEffectAssets(AssetList& list) {
    AddBmp(list, "img/effect-explosion5.bmp", Explosion(40, 40, 10, 6));
    AddBmp(list, "img/effect-halo1.bmp", Cells(100, 100, 6, Shape::Ring));
    AddBmp(list, "img/effect-bomb.bmp", Cells(240, 492, 4, Shape::Glow));
    AddBmp(list, "img/effect-bombhead.bmp", Cells(216, 115, 2, Shape::Glow));
    AddBmp(list, "img/effect-extend.bmp", ExtendWords());
    AddBmp(list, "img/effect-lazer-head1.bmp", LaserHead());
    AddBmp(list, "img/effect-dummy.bmp", Picture(1, 1, kBlack));
    AddBmp(list, "img/effect-pentas.bmp", Cells(79, 79, 8, Shape::Pentagram));
    AddBmp(list, "img/effect-shot2.bmp", Cells(56, 56, 6, Shape::Glow));
    AddBmp(list, "img/effect-fire1.bmp", Cells(4, 4, 6, Shape::Glow));
    AddBmp(list, "img/effect-biglazer.bmp", Cells(130, 130, 4, Shape::Ring));
    AddBmp(list, "img/effect-particle.bmp", Explosion(7, 7, 20, 6));
    AddBmp(list, "img/marduk-cannon.bmp", Cells(60, 60, 6, Shape::Ring));
    AddBmp(list, "img/effect-exprosion3.bmp", Explosion(120, 120, 6, 1));
    AddBmp(list, "img/effect-explosion4.bmp", Explosion(80, 80, 10, 4));
    AddBmp(list, "img/effect-mine.bmp", Cells(140, 140, 6, Shape::Ring));
    AddBmp(list, "img/effect-snow2.bmp", Beams(2, 12, 6));
    AddBmp(list, "img/effect-e-lazer.bmp", Cells(35, 35, 7, Shape::Glow));
    AddBmp(list, "img/effect-penta60s.bmp", Cells(60, 60, 10, Shape::Pentagram));
    AddBmp(list, "img/effect-explosion2.bmp", Explosion(180, 180, 4, 1));
    AddBmp(list, "img/effect-explosion-h1.bmp", Explosion(96, 70, 12, 1));
    AddBmp(list, "img/effect-nonagram.bmp", Cells(231, 231, 2, Shape::Nonagram));
    AddBmp(list, "img/effect-gus.bmp", Cells(40, 40, 8, Shape::Glow));
    AddBmp(list, "img/effect-penta-coma.bmp", Cells(79, 79, 4, Shape::Pentagram));
    AddBmp(list, "img/effect-lazer1.bmp", Beams(129, 353, 3));
    AddBmp(list, "img/effect-lazer2.bmp", Beams(129, 353, 3, 2));
    AddBmp(list, "img/effect-lazer3.bmp", Beams(129, 353, 3, 4));
    AddBmp(list, "img/effect-lazer4.bmp", Beams(129, 353, 3, 6));
    AddBmp(list, "img/effect-biglight.bmp", Cells(270, 269, 2, Shape::Glow));
    AddBmp(list, "img/effect-explosion6.bmp", Explosion(80, 80, 10, 2));
    AddBmp(list, "img/effect-thunder2.bmp", Lightning(140, 550, 4));
    AddBmp(list, "img/effect-extend-lightning.bmp", ExtendLightning());

    AddCompressedBmp(list, "img/point", TallyPanel());
    AddBmp(list, "img/figur12_15.bmp", TallyDigits());
}

}  // namespace assets
