#include <algorithm>
#include <cmath>
#include <string>

#include "shooting/bullet_kinds.h"
#include "tools/assets/assets.h"

namespace assets {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The sheet sizes that hold every cell their kind tables and frames reach.
constexpr int kSmallW = 432, kSmallH = 115;
constexpr int kTurnedW = 230, kTurnedH = 497;
constexpr int kLargeW = 240, kLargeH = 532;
constexpr int kTurnedFrames = 10;

// Each stage's set is tinted its own way, so a wrong set shows at a glance.
struct StageSet {
    const char* suffix;
    int hueShift;
};
constexpr StageSet kStageSets[] = {{"", 0},     {"-st2", 2}, {"-st3", 4},
                                   {"-stb", 6}, {"-st4", 8}, {"-st5", 10}};

constexpr uint32_t kHues[] = {0xFF4040, 0xFF9030, 0xFFE040, 0x80FF40, 0x40FFE0, 0x40A0FF,
                              0xA0A0FF, 0xC060FF, 0xFF60C0, 0xFFB080, 0x60FF70, 0xFFFFA0};
uint32_t Hue(int i) {
    return kHues[static_cast<size_t>(i) % std::size(kHues)];
}

// The colour scaled by k (0..1), kept below white, which the keyed sheets leave out.
uint32_t Scaled(uint32_t colour, double k) {
    k = std::clamp(k, 0.0, 1.0);
    const auto channel = [&](int shift) {
        const double c = static_cast<double>((colour >> shift) & 0xFF) * k;
        return static_cast<uint32_t>(std::min(c, 250.0)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// A keyed round bullet in the square cell: a dark rim, the hue, a pale core that swells with
// the animation frame.
void RoundBullet(Picture& p, const BulletKindRow& row, uint32_t hue, int frame) {
    const int s = row.size;
    const int cx = row.x + s / 2;
    const int cy = row.y + s / 2;
    const int r = std::max(1, (s - 1) / 2);
    FillCircle(p, cx, cy, r, Scaled(hue, 0.45));
    FillCircle(p, cx, cy, std::max(1, r - 1), hue);
    FillCircle(p, cx, cy, std::max(0, r * (2 + frame) / 8), Scaled(0xFFFFFF, 0.95));
}

// A keyed dart pointing `deg` degrees from straight down toward the right, the way a turned
// bullet of that sprite angle flies.
void Dart(Picture& p, int x, int y, int s, uint32_t hue, int deg) {
    const double a = deg * kPi / 180;
    const double dx = std::sin(a);
    const double dy = -std::cos(a);
    const double cx = x + s / 2.0;
    const double cy = y + s / 2.0;
    const double len = s / 2.0 - 1;
    const double half = s / 5.0;
    const auto px = [&](double along, double across) {
        return static_cast<int>(std::lround(cx + dx * along - dy * across));
    };
    const auto py = [&](double along, double across) {
        return static_cast<int>(std::lround(cy + dy * along + dx * across));
    };
    FillTriangle(p, px(len, 0), py(len, 0), px(-len, half), py(-len, half), px(-len, -half),
                 py(-len, -half), Scaled(hue, 0.6));
    FillTriangle(p, px(len - 2, 0), py(len - 2, 0), px(-len / 2, half / 2), py(-len / 2, half / 2),
                 px(-len / 2, -half / 2), py(-len / 2, -half / 2), hue);
}

// A glow on black for the additive sheet: brightest in the middle, fading out at the edge.
void Glow(Picture& p, const BulletKindRow& row, uint32_t hue) {
    const double c = row.size / 2.0;
    for (int y = 0; y < row.size; ++y) {
        for (int x = 0; x < row.size; ++x) {
            const double d = std::hypot(x + 0.5 - c, y + 0.5 - c) / c;
            if (d >= 1.0) continue;
            const double k = d < 0.35 ? 1.0 : (1.0 - d) / 0.65;
            p.Set(row.x + x, row.y + y, Scaled(d < 0.2 ? 0xFFFFFF : hue, k));
        }
    }
}

Picture SmallSheet(int hueShift) {
    Picture p(kSmallW, kSmallH);
    for (int k = 0; k < kEBulletKindCount; ++k) {
        // Kinds come in runs of four animation frames; 136..140 are single pictures.
        const int frame = k >= 136 && k <= 140 ? 3 : k % 4;
        RoundBullet(p, EBulletKindTable[k], Hue(k / 4 + hueShift), frame);
    }
    return p;
}

Picture TurnedSheet(int hueShift) {
    Picture p(kTurnedW, kTurnedH);
    for (int k = 0; k < kDirBulletKindCount; ++k) {
        const BulletKindRow& row = DirBulletKindTable[k];
        for (int f = 0; f < kTurnedFrames; ++f)
            Dart(p, row.x + row.size * f, row.y, row.size, Hue(k + hueShift), f * 10);
    }
    return p;
}

Picture LargeSheet(int hueShift) {
    Picture p(kLargeW, kLargeH, kBlack);
    for (int k = 0; k < kBigBulletKindCount; ++k)
        Glow(p, BigBulletKindTable[k], Hue(k + hueShift));
    return p;
}

}  // namespace

void AddBulletAssets(AssetList& list) {
    for (const StageSet& set : kStageSets) {
        const std::string suffix = std::string(set.suffix) + ".bmp";
        AddBmp(list, "img/e-bullets" + suffix, SmallSheet(set.hueShift));
        AddBmp(list, "img/e-d-bullets" + suffix, TurnedSheet(set.hueShift));
        AddBmp(list, "img/dark-bullets" + suffix, LargeSheet(set.hueShift));
    }
}

}  // namespace assets
