#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/assets/assets.h"

// The scrolling backgrounds and the boss fights' pictures, all stored compressed. Scrolled
// tiles repeat seamlessly from their top row to their bottom row; shapes that cross an edge
// are drawn again one tile height away so that they continue on the other side.
namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The play field is 375x461; stills are drawn at its corner.
constexpr int kStillW = 375;
constexpr int kStillH = 461;
// The three-tile rows: 380 wide, and tall enough that three copies always cover the field.
constexpr int kTileW = 380;
constexpr int kTileH = 480;

// Opaque pictures stay clear of the colour key, which the keyed and brightening modes skip.
constexpr uint32_t kNearWhite = 0xFEFEFE;

uint32_t Rgb(int r, int g, int b) {
    const auto c = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return c(r) << 16 | c(g) << 8 | c(b);
}

int Channel(uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto m = [&](int shift) {
        return static_cast<int>(std::lround(Channel(a, shift) * (1 - t) + Channel(b, shift) * t));
    };
    return Rgb(m(16), m(8), m(0));
}

uint32_t Scale(uint32_t colour, double k) {
    return Rgb(static_cast<int>(Channel(colour, 16) * k), static_cast<int>(Channel(colour, 8) * k),
               static_cast<int>(Channel(colour, 0) * k));
}

// A well-mixed whole number from a pair of whole numbers, for scattering things.
uint32_t Hash(uint32_t a, uint32_t b) {
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

// A whole number in lo..hi-1 taken from the hash of (i, salt).
int Pick(int i, int salt, int lo, int hi) {
    return lo + static_cast<int>(Hash(static_cast<uint32_t>(i), static_cast<uint32_t>(salt)) %
                                 static_cast<uint32_t>(hi - lo));
}

// A wave that repeats exactly `cycles` times over `period` rows.
double Wave(int y, int period, int cycles, double phase) {
    return std::sin(2 * kPi * cycles * y / period + phase);
}

template <class F>
void EachPixel(Picture& p, F colourAt) {
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x)
            p.Set(x, y, colourAt(x, y));
    }
}

void AvoidKey(Picture& p) {
    for (uint32_t& c : p.pixels) {
        if (c == kKey) c = kNearWhite;
    }
}

// Shapes on a tile, repeated a tile height below and above so that they wrap.
void WrapEllipse(Picture& p, int x, int y, int w, int h, uint32_t colour) {
    for (int dy : {-p.height, 0, p.height})
        FillEllipse(p, x, y + dy, w, h, colour);
}

void WrapRect(Picture& p, int x, int y, int w, int h, uint32_t colour) {
    for (int dy : {-p.height, 0, p.height})
        FillRect(p, x, y + dy, w, h, colour);
}

// A pine: a dark triangle on a short trunk with a snowy tip.
void WrapPine(Picture& p, int x, int y, int size) {
    for (int dy : {-p.height, 0, p.height}) {
        const int by = y + dy;
        FillRect(p, x - 1, by, 3, size / 4, 0x4A3020);
        FillTriangle(p, x - size / 2, by + size / 4, x + size / 2, by + size / 4, x, by + size,
                     0x1E4630);
        FillTriangle(p, x - size / 5, by + size * 3 / 4, x + size / 5, by + size * 3 / 4, x,
                     by + size, 0xDCE6F5);
    }
}

// Stage 1 ----------------------------------------------------------------------------------

// The still night landscape that shows between the scrolling banks.
Picture Stage1Under() {
    Picture p(kStillW, kStillH);
    EachPixel(p, [](int x, int y) {
        const double t = static_cast<double>(y) / kStillH;
        uint32_t c = Mix(0x3A4C6C, 0x0C1228, t);
        const double ridge = 150 + 30 * std::sin(x * 0.031) + 18 * std::sin(x * 0.083 + 1.0);
        if (y < ridge) c = Mix(0x2A3448, 0x46566E, (ridge - y) / ridge);
        if (y >= ridge && Hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y)) % 997 == 0)
            c = 0xC8D0E8;
        return c;
    });
    FillCircle(p, 290, 380, 22, 0xE8E4C8);
    FillCircle(p, 282, 386, 20, Mix(0x3A4C6C, 0x0C1228, 386.0 / kStillH));
    return p;
}

// Snowy banks with pines on both sides and ice floes drifting down the dark river between
// them; the river itself is the colour key, so the still picture shows through.
Picture Stage1Banks() {
    Picture p(kTileW, kTileH);
    const auto leftEdge = [](int y) {
        return 70 + 18 * Wave(y, kTileH, 1, 0) + 10 * Wave(y, kTileH, 3, 1.0);
    };
    const auto rightEdge = [](int y) {
        return 310 - 16 * Wave(y, kTileH, 2, 0.5) - 9 * Wave(y, kTileH, 5, 0);
    };
    EachPixel(p, [&](int x, int y) {
        const double l = leftEdge(y);
        const double r = rightEdge(y);
        if (x < l - 6 || x > r + 6) {
            const double shade = 0.9 + 0.1 * Wave(x + y, 96, 1, 0);
            return Scale(0xDCE6F5, shade);
        }
        if (x < l || x > r) return static_cast<uint32_t>(0x5A6070);
        return kKey;
    });
    for (int i = 0; i < 18; ++i) {
        const int y = Pick(i, 1, 0, kTileH);
        const int size = Pick(i, 2, 18, 32);
        const int x = i % 2 == 0 ? Pick(i, 3, 8, 40) : Pick(i, 3, 345, 375);
        WrapPine(p, x, y, size);
    }
    for (int i = 0; i < 7; ++i) {
        const int y = Pick(i, 4, 0, kTileH);
        const int w = Pick(i, 5, 24, 56);
        const int h = Pick(i, 6, 14, 28);
        const int x = Pick(i, 7, 130, 250 - w / 2);
        WrapEllipse(p, x, y, w, h, 0x8FA8C8);
        WrapEllipse(p, x + 2, y + 3, w - 4, h - 5, 0xB8CCE0);
    }
    return p;
}

// Stage 2 ----------------------------------------------------------------------------------

// Open sea with rolling wave bands and wooded islands.
Picture Stage2Sea() {
    Picture p(kTileW, kTileH);
    EachPixel(p, [](int x, int y) {
        const double swell = Wave(y + static_cast<int>(8 * std::sin(x * 0.05)), kTileH, 12, 0);
        uint32_t c = Mix(0x0E3A6E, 0x1A5C98, 0.5 + 0.5 * swell);
        if (swell > 0.93) c = 0x6FA8D8;
        return c;
    });
    for (int i = 0; i < 6; ++i) {
        const int w = Pick(i, 11, 50, 110);
        const int h = Pick(i, 12, 40, 90);
        const int x = Pick(i, 13, 0, kTileW - w);
        const int y = i * kTileH / 6 + Pick(i, 14, 0, 40);
        WrapEllipse(p, x - 6, y - 6, w + 12, h + 12, 0x3C7CB0);
        WrapEllipse(p, x, y, w, h, 0xD8C890);
        WrapEllipse(p, x + 5, y + 5, w - 10, h - 10, 0x2E7A3A);
        WrapEllipse(p, x + w / 3, y + h / 3, w / 3, h / 3, 0x1F5A28);
    }
    AvoidKey(p);
    return p;
}

// Stage 3 ----------------------------------------------------------------------------------

// Armour plates of a fortress with rivets, pipes and glowing vents. 25 columns wider than
// the others, since the stage shows it from column 25.
Picture Stage3Fortress() {
    constexpr int kW = 405;
    constexpr int kPlate = 48;
    Picture p(kW, kTileH);
    EachPixel(p, [](int x, int y) {
        const int px = x % kPlate;
        const int py = y % kPlate;
        const bool seam = px == 0 || py == 0;
        const uint32_t plate = ((x / kPlate + y / kPlate) % 2 == 0) ? 0x5A5E66 : 0x4C5058;
        if (seam) return static_cast<uint32_t>(0x2A2C32);
        if ((px == 5 || px == kPlate - 5) && (py == 5 || py == kPlate - 5)) return 0x9098A4u;
        return px < 3 || py > kPlate - 3 ? Scale(plate, 1.2) : plate;
    });
    for (int i = 0; i < 4; ++i) {
        const int x = 40 + i * 100;
        WrapRect(p, x, 0, 12, kTileH, 0x34383E);
        WrapRect(p, x + 3, 0, 4, kTileH, 0x747C88);
    }
    for (int i = 0; i < 8; ++i) {
        const int x = Pick(i, 21, 0, kW / kPlate) * kPlate + 10;
        const int y = Pick(i, 22, 0, kTileH / kPlate) * kPlate + 10;
        FillRect(p, x, y, kPlate - 20, kPlate - 20, 0x301010);
        for (int s = 0; s < 4; ++s)
            FillRect(p, x + 3, y + 4 + s * 7, kPlate - 26, 3, 0xE05020);
    }
    return p;
}

// Stage 4 ----------------------------------------------------------------------------------

// Desert with dune ripples, flat-topped rocks and craters.
Picture Stage4Desert() {
    Picture p(kTileW, kTileH);
    EachPixel(p, [](int x, int y) {
        const double ripple = Wave(y + static_cast<int>(14 * std::sin(x * 0.02)), kTileH, 16, 0);
        return Mix(0xB08850, 0xD8B47A, 0.5 + 0.5 * ripple);
    });
    for (int i = 0; i < 5; ++i) {
        const int w = Pick(i, 31, 60, 120);
        const int h = Pick(i, 32, 40, 70);
        const int x = Pick(i, 33, 0, kTileW - w);
        const int y = i * kTileH / 5 + Pick(i, 34, 0, 30);
        WrapEllipse(p, x + 8, y - 10, w, h, 0x7A5A34);
        WrapEllipse(p, x, y, w, h, 0x9C6E40);
        WrapEllipse(p, x + w / 5, y + h / 4, w * 3 / 5, h / 2, 0xB88450);
    }
    for (int i = 0; i < 9; ++i) {
        const int r = Pick(i, 35, 8, 20);
        const int x = Pick(i, 36, r, kTileW - r);
        const int y = Pick(i, 37, 0, kTileH);
        WrapEllipse(p, x - r, y - r, 2 * r, 2 * r, 0x8A6A40);
        WrapEllipse(p, x - r + 3, y - r + 1, 2 * r - 5, 2 * r - 5, 0xA88258);
    }
    return p;
}

// A haze multiplied over the top of the field: dark at the very top, clear at its foot.
Picture Stage4Haze() {
    Picture p(kStillW, 120);
    EachPixel(p, [&p](int x, int y) {
        const double t = static_cast<double>(y) / (p.height - 1);
        const double streak = 0.04 * Wave(x, kStillW, 3, 0);
        return Mix(kNearWhite, 0x584C60, t * t + streak * t);
    });
    return p;
}

// Stage 5 ----------------------------------------------------------------------------------

// The centre lane: a lit track with chevrons pointing the way.
Picture Stage5Centre() {
    constexpr int kW = 139;
    constexpr int kH = 240;
    Picture p(kW, kH);
    EachPixel(p, [](int x, int y) {
        const int edge = std::min(x, kW - 1 - x);
        if (edge < 4) return static_cast<uint32_t>(0x20E0F0);
        if (edge < 10) return static_cast<uint32_t>(0x183848);
        const int cy = (y + std::abs(x - kW / 2)) % 60;
        if (cy < 8) return static_cast<uint32_t>(0x3070A0);
        return Mix(0x101C28, 0x18283A, 0.5 + 0.5 * Wave(y, kH, 4, 0));
    });
    return p;
}

// A side wall with pipes and lamps; the right wall is the left one mirrored.
Picture Stage5Side(bool right) {
    constexpr int kW = 118;
    constexpr int kH = 240;
    Picture p(kW, kH);
    EachPixel(p, [right](int x, int y) {
        const int wx = right ? kW - 1 - x : x;
        if (wx > kW - 8) return static_cast<uint32_t>(0x101820);
        if (wx % 26 < 10) return Mix(0x404858, 0x687488, (wx % 26) / 10.0);
        const int block = y % 80;
        if (block < 3) return static_cast<uint32_t>(0x1A1E26);
        return Mix(0x2A3040, 0x343C4C, 0.5 + 0.5 * Wave(y, kH, 3, 0));
    });
    for (int i = 0; i < 3; ++i) {
        const int x = right ? kW - 30 - 26 * i : 18 + 26 * i;
        FillCircle(p, x, 40 + 80 * i, 4, 0xF0C020);
    }
    return p;
}

// Bonus stage ------------------------------------------------------------------------------

// Deep space: a faint nebula band and stars of three brightnesses.
Picture BonusSpace() {
    Picture p(kTileW, kTileH);
    EachPixel(p, [](int x, int y) {
        const double band = Wave(y + x / 3, kTileH, 2, 0) * Wave(x, kTileW * 2, 1, 0.3);
        uint32_t c = Mix(0x04040C, 0x301848, std::max(0.0, band) * 0.8);
        const uint32_t h = Hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y) + 77);
        if (h % 500 == 0)
            c = 0xF0F0FF;
        else if (h % 200 == 0)
            c = 0x9090B0;
        return c;
    });
    AvoidKey(p);
    return p;
}

// Boss pictures ----------------------------------------------------------------------------

enum class Motif { Rings, Grid, Rays };

// A still: a sky from `top` to `bottom` with a motif drawn in `accent` around (cx, cy).
Picture Still(int w, int h, uint32_t top, uint32_t bottom, uint32_t accent, Motif motif, int cx,
              int cy) {
    Picture p(w, h);
    EachPixel(p, [&](int x, int y) {
        uint32_t c = Mix(bottom, top, static_cast<double>(y) / (h - 1));
        const double dx = x - cx;
        const double dy = y - cy;
        const double d = std::sqrt(dx * dx + dy * dy);
        switch (motif) {
            case Motif::Rings:
                if (static_cast<int>(d) % 40 < 3) c = Mix(c, accent, 0.8 - d / 600);
                break;
            case Motif::Grid:
                if (x % 32 == 0 || y % 32 == 0) c = Mix(c, accent, 0.6);
                break;
            case Motif::Rays: {
                const double a = std::atan2(dy, dx);
                if (std::fmod(a + kPi, kPi / 8) < 0.05) c = Mix(c, accent, 0.7 - d / 800);
                break;
            }
        }
        return c;
    });
    AvoidKey(p);
    return p;
}

// The stage-1 boss's tile: the frozen river from above, scrolling upward.
Picture Boss1Tile() {
    Picture p(kStillW, 240);
    EachPixel(p, [](int x, int y) {
        const double crack = Wave(y * 3 + x, 240 * 3, 5, 0) * Wave(x, kStillW, 2, 0.7);
        return Mix(0x6C88A8, 0xB0C4DC, 0.5 + 0.5 * crack);
    });
    for (int i = 0; i < 6; ++i)
        WrapEllipse(p, Pick(i, 41, 0, 320), Pick(i, 42, 0, 240), 50, 24, 0x4A6684);
    return p;
}

// The flash screened over the stage-3 boss's last picture: black (no change) with pale rays
// falling from the top.
Picture Boss3Flash() {
    Picture p(kStillW, kStillH, kBlack);
    EachPixel(p, [](int x, int y) {
        const double a = std::atan2(kStillH + 60.0 - y, x - kStillW / 2.0);
        const double ray = std::max(0.0, std::sin(a * 14));
        const double fall = static_cast<double>(y) / kStillH;
        return Scale(0x603050, ray * ray * fall);
    });
    return p;
}

// A keyed cloud: overlapping puffs, shaded darker at the bottom.
Picture Cloud(int w, int h, int salt) {
    Picture p(w, h);
    for (int i = 0; i < 9; ++i) {
        const int pw = Pick(i, salt, w / 3, w / 2);
        const int ph = Pick(i, salt + 1, h / 3, h / 2);
        const int x = Pick(i, salt + 2, 0, w - pw);
        const int y = Pick(i, salt + 3, 0, h - ph);
        FillEllipse(p, x, y, pw, ph, 0xB8A8C0);
        FillEllipse(p, x + 3, y + ph / 4, pw - 6, ph * 3 / 4 - 2, 0xE4DCEC);
    }
    return p;
}

}  // namespace

void AddBackgroundAssets(AssetList& list) {
    AddCompressedBmp(list, "img/bgs1m", Stage1Banks());
    AddCompressedBmp(list, "img/bgs1b", Stage1Under());
    AddCompressedBmp(list, "img/bgs2", Stage2Sea());
    AddCompressedBmp(list, "img/bgs3", Stage3Fortress());
    AddCompressedBmp(list, "img/bgs4m", Stage4Desert());
    AddCompressedBmp(list, "img/bgs4f", Stage4Haze());
    AddCompressedBmp(list, "img/bgs5c", Stage5Centre());
    AddCompressedBmp(list, "img/bgs5a", Stage5Side(false));
    AddCompressedBmp(list, "img/bgs5b", Stage5Side(true));
    AddCompressedBmp(list, "img/bgsb", BonusSpace());

    AddCompressedBmp(list, "img/bgb1",
                     Still(kStillW, kStillH, 0x18243C, 0x5C7494, 0xC8DCF0, Motif::Rings, 187, 300));
    AddCompressedBmp(list, "img/bgb1-2", Boss1Tile());
    // Wider than the field: the fight shows its columns 100 to 475.
    AddCompressedBmp(list, "img/bgb2",
                     Still(476, kStillH, 0x0A2A50, 0x2A6490, 0x80C8F0, Motif::Grid, 287, 230));
    AddCompressedBmp(list, "img/bgb2-2",
                     Still(kStillW, kStillH, 0x300C28, 0x803050, 0xF0A060, Motif::Rays, 187, 230));
    AddCompressedBmp(list, "img/bgb3",
                     Still(kStillW, kStillH, 0x202024, 0x505460, 0xD06030, Motif::Grid, 187, 230));
    AddCompressedBmp(list, "img/bgb3-2",
                     Still(kStillW, kStillH, 0x402858, 0xC080A0, 0xFFE0F0, Motif::Rings, 187, 520));
    AddCompressedBmp(list, "img/bgb3f1", Boss3Flash());
    AddCompressedBmp(list, "img/bgb3c1", Cloud(190, 200, 51));
    AddCompressedBmp(list, "img/bgb3c2", Cloud(170, 190, 61));
    AddCompressedBmp(list, "img/bgb3c3", Cloud(120, 110, 71));
    AddCompressedBmp(list, "img/bgb3c4", Cloud(150, 160, 81));
    AddCompressedBmp(list, "img/bgb4",
                     Still(kStillW, 463, 0x3C2A18, 0x9C7448, 0xF0D090, Motif::Rays, 187, 0));
    AddCompressedBmp(list, "img/bgb5-1",
                     Still(kStillW, kStillH, 0x080C18, 0x283448, 0x30E0F0, Motif::Grid, 187, 230));
    AddCompressedBmp(list, "img/bgb5-2",
                     Still(kStillW, kStillH, 0x200808, 0x702018, 0xFF8040, Motif::Rings, 187, 230));
    AddCompressedBmp(list, "img/bgbb1",
                     Still(kStillW, kStillH, 0x06040C, 0x281848, 0xA070F0, Motif::Rays, 187, 300));
    AddCompressedBmp(list, "img/bgbb2",
                     Still(kStillW, kStillH, 0x100418, 0x502870, 0xF0B0FF, Motif::Rings, 187, 300));
}

}  // namespace assets
