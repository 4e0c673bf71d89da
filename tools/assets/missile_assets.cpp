#include <algorithm>
#include <cmath>

#include "shooting/missile.h"
#include "tools/assets/assets.h"

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Frames of a sprite row: the missiles pick frame (angle mod 105) / 10.
constexpr int kSpriteFrames = 10;
constexpr int kMagicFrames = 4;

uint32_t Mix(uint32_t a, uint32_t b, double t) {
    const auto channel = [&](int shift) {
        const double ca = (a >> shift) & 0xFF;
        const double cb = (b >> shift) & 0xFF;
        return static_cast<uint32_t>(std::lround(ca + (cb - ca) * t)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// Distance from p to the segment a..b, and how far along it p lies (0 at a, 1 at b).
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by,
                       double* along) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    *along = t;
    return std::hypot(px - (ax + dx * t), py - (ay + dy * t));
}

// A rocket inside the cell (x, y, w, h), pointing `degrees` from straight down toward the
// right: a body shading from `body` at the tail to `nose` at the tip, with an orange flame
// behind it. Pixels outside the cell are left alone.
void Rocket(Picture& p, int x, int y, int w, int h, double degrees, uint32_t body, uint32_t nose) {
    const double cx = x + w / 2.0;
    const double cy = y + h / 2.0;
    const double a = degrees * kPi / 180.0;
    // Direction in picture coordinates, y up: 0 degrees points down.
    const double ux = std::sin(a);
    const double uy = -std::cos(a);
    const double half = std::max(std::min(w, h) / 2.0 - 2, 1.0);
    // Tall cells hold upright missiles as long as the cell.
    const double reach = w == h ? half : std::max(w, h) / 2.0 - 2;
    const double radius = std::max(std::min(w, h) / 5.0, 1.5);
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            const double fx = px + 0.5;
            const double fy = py + 0.5;
            double t = 0;
            const double d = SegmentDistance(fx, fy, cx - ux * reach * 0.6, cy - uy * reach * 0.6,
                                             cx + ux * reach, cy + uy * reach, &t);
            if (d < radius * (1.0 - 0.6 * t)) {
                p.Set(px, py, Mix(body, nose, t));
                continue;
            }
            double tf = 0;
            const double df = SegmentDistance(fx, fy, cx - ux * reach * 0.6, cy - uy * reach * 0.6,
                                              cx - ux * reach, cy - uy * reach, &tf);
            if (df < radius * 0.7 * (1.0 - tf)) p.Set(px, py, Mix(0xFFD040, 0xE04010, tf));
        }
    }
}

// The missile sheet, drawn keyed: every row of MissileSpriteTable with its ten frames, frame f
// turned 10 f degrees. Rows that share cells are drawn in order, so later rows win.
Picture MissileSheet() {
    constexpr uint32_t kBodies[] = {0x8090A0, 0xA08060, 0x70A070, 0x9070B0,
                                    0xB06060, 0x6080C0, 0xA0A050, 0x50A0A0};
    Picture picture(783, 189);
    for (int r = 0; r < kMissileSpriteCount; ++r) {
        const MissileSprite& row = MissileSpriteTable[r];
        const uint32_t body = kBodies[r % std::size(kBodies)];
        for (int f = 0; f < kSpriteFrames; ++f) {
            Rocket(picture, row.x + row.w * f, row.y, row.w, row.h, 10.0 * f, body, 0xF0F0E0);
        }
    }
    return picture;
}

// The magic sheet, drawn in the screen mode on black: the large sized missiles (rows 0..2) as
// glowing runes that turn through their four frames, and the two thin bombs (rows 6 and 7).
// Rows 3..5 repeat missile sprites inside the runes' cells and are not drawn separately.
Picture MagicSheet() {
    constexpr uint32_t kRunes[] = {0xC04080, 0x4080E0, 0xE0A030};
    Picture picture(330, 180, kBlack);
    for (int r = 0; r < 3; ++r) {
        const MissileSprite& row = MissileKindTable[r];
        for (int f = 0; f < kMagicFrames; ++f) {
            const int x = row.x + row.w * f;
            const double cx = x + row.w / 2.0;
            const double cy = row.y + row.h / 2.0;
            const double turn = f * kPi / 10;
            for (int py = row.y; py < row.y + row.h; ++py) {
                for (int px = x; px < x + row.w; ++px) {
                    const double dx = px + 0.5 - cx;
                    const double dy = py + 0.5 - cy;
                    const double d = std::hypot(dx, dy) / (row.w / 2.0);
                    if (d >= 1.0) continue;
                    const double spokes = std::cos(5 * (std::atan2(dy, dx) + turn));
                    const double k = (1.0 - d) * 0.7 + (spokes > 0.8 && d < 0.9 ? 0.3 : 0.0);
                    picture.Set(px, py, Mix(kBlack, kRunes[r], std::min(k * 1.3, 1.0)));
                }
            }
        }
    }
    for (int r = 6; r < kMissileKindCount; ++r) {
        const MissileSprite& row = MissileKindTable[r];
        for (int f = 0; f < kMagicFrames; ++f)
            Rocket(picture, row.x + row.w * f, row.y, row.w, row.h, 0, 0x6060A0, 0xE0E0FF);
    }
    return picture;
}

}  // namespace

void AddMissileAssets(AssetList& list) {
    AddBmp(list, "img/eb-missiles.bmp", MissileSheet());
    AddBmp(list, "img/magic1.bmp", MagicSheet());
}

}  // namespace assets
