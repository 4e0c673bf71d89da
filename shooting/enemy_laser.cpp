#include "shooting/enemy_laser.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

#include "engine/angle.h"
#include "engine/draw_mode.h"
#include "engine/random.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/player.h"

CELazer g_ELazer;

namespace {

constexpr int32_t kBeamWidth = 14;
constexpr int32_t kWideBeamWidth = 80;
// The rows a beam may reach; it stops at the first step outside them.
constexpr int64_t kBeamBottom = 8;
constexpr int64_t kBeamTop = 469;
// Kind 1's cells in the laser picture, and kind 7/8's strip of the lightning picture.
constexpr int32_t kLaserCellW = 129;
constexpr int32_t kLaserCellH = 353;
constexpr int32_t kThunderImage = 27;
constexpr int32_t kThunderCellW = 140;
constexpr int32_t kThunderTop = 549;
// Kind 9's sighting line stays inside these, both ends included.
constexpr int64_t kLineBottom = 9;
constexpr int64_t kLineTop = 468;
constexpr int64_t kLineLeft = 135;
constexpr int64_t kLineRight = 508;
// The spans and the rotated strip add, saturating.
const CDrawMode kAdd{10, 255};

uint32_t Rgb(int32_t r, int32_t g, int32_t b) {
    return static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
           static_cast<uint32_t>(b);
}

int32_t Cap255(int64_t v) {
    return static_cast<int32_t>(std::min<int64_t>(v, 255));
}

// Red at the edges to (255, 192, 192) in the middle.
struct FireGradient {
    uint32_t entry[kBeamWidth];
    FireGradient() {
        for (int32_t j = 0; j <= 6; ++j) {
            const int32_t v = Cap255(32 * j);
            entry[j] = entry[13 - j] =
                0xFF0000u + static_cast<uint32_t>(v) * 256u + static_cast<uint32_t>(v);
        }
    }
};
const FireGradient kFire;

// The laser colour's gradient has twelve entries for a beam up to 14 wide. Slot k takes entry
// k, and the two slots past the twelfth take the last one, so the widest span ends in the edge
// colour twice on its right and no slot reads past the twelve.
void ColourGradient(const CELazer& l, uint32_t out[kBeamWidth]) {
    uint32_t defined[12];
    for (int32_t j = 1; j <= 6; ++j) {
        defined[j - 1] = defined[12 - j] =
            Rgb(Cap255(l.red * j), Cap255(l.green * j), Cap255(l.blue * j));
    }
    for (int32_t k = 0; k < kBeamWidth; ++k)
        out[k] = defined[std::min(k, 11)];
}

// The fire gradient as a one-row strip for the beam drawer; made once.
const CImage32& FireStrip() {
    static CImage32 strip;
    if (strip.pixels == nullptr) {
        strip.Create(kBeamWidth, 1);
        std::copy(kFire.entry, kFire.entry + kBeamWidth, strip.pixels);
    }
    return strip;
}

// Width of a 14-wide beam at step i of a beam starting at c: it opens over 256 steps.
int32_t BeamWidth(int64_t i, int64_t c) {
    return static_cast<int32_t>((kBeamWidth * std::min<int64_t>(i - c, 255)) >> 8);
}

// Where a step lies and which way it was taken. A row step moves one row and draws a
// horizontal span; a column step moves one column and draws a vertical one.
struct BeamStep {
    bool column;
    int64_t row;     // the row, or the span's centre row on a column step
    int64_t centre;  // the span's centre column, or the column on a column step
};

// One straight stretch of a beam. Along rows the sideways drift per step is the sine, as the
// plain beams have always been drawn; along columns the row moves by the cotangent, so the
// beam keeps to its angle.
struct Leg {
    bool column = false;
    double dx = 0;  // per step, in pixels; y grows upward
    double dy = 0;
};

Leg MakeLeg(double radians, bool mayStepColumns) {
    const double s = std::sin(radians);
    const double c = std::cos(radians);
    Leg leg;
    if (mayStepColumns && std::fabs(c) <= std::fabs(s)) {
        leg.column = true;
        leg.dx = s < 0 ? -1.0 : 1.0;
        leg.dy = -c / std::fabs(s);
    } else {
        leg.dx = s;
        leg.dy = c < 0 ? 1.0 : -1.0;
    }
    return leg;
}

// A beam of up to three legs: steps 0..e on the first, then the second, then (for the
// three-leg kind, after 2e steps) the first again. Offsets are summed leg by leg from the
// products, so a bent beam's second leg starts exactly where the first ends.
struct BeamPath {
    int32_t x = 0;
    int32_t y = 0;
    Leg first;
    Leg second;
    int64_t bend = 0;  // e
    int32_t legs = 1;  // 1, 2 or 3

    BeamStep At(int64_t i) const {
        double ox = 0;
        double oy = 0;
        const Leg* current = &first;
        const auto walk = [&](const Leg& leg, int64_t n) {
            ox += leg.dx * static_cast<double>(n);
            oy += leg.dy * static_cast<double>(n);
            current = &leg;
        };
        if (legs == 1 || i <= bend) {
            walk(first, i);
        } else if (legs == 2 || i <= 2 * bend) {
            walk(first, bend);
            walk(second, i - bend);
        } else {
            walk(first, bend);
            walk(second, bend);
            walk(first, i - 2 * bend);
        }
        return {current->column, y + int64_t{Trunc(oy)}, x + int64_t{Trunc(ox)}};
    }
};

// Which steps hit the ship: on a row step, the row is the hit point's and the span centre
// plus rowOffset lies within rowTol of it; on a column step, the column is the hit point's and
// the centre row plus colOffset lies within colTol.
struct HitRule {
    bool hits = false;
    int64_t rowOffset = 0;
    int64_t rowTol = 0;
    int64_t colOffset = 0;
    int64_t colTol = 0;

    bool Test(const BeamStep& s) const {
        if (!hits) return false;
        if (s.column) {
            return s.centre == g_Player.hitX &&
                   std::llabs(s.row + colOffset - g_Player.hitY) < colTol;
        }
        return s.row == g_Player.hitY && std::llabs(s.centre + rowOffset - g_Player.hitX) < rowTol;
    }
};

// The beam kinds 2, 6, 10, 11 and 12: steps c..a-1 along the path, 14 wide at most, the last
// two steps narrowed by 2 and 4.
void DrawGradientBeam(const CELazer& l, const LaserRecord& r, const BeamPath& path,
                      const HitRule& rule) {
    uint32_t gradient[kBeamWidth];
    ColourGradient(l, gradient);
    const int64_t a = r.a;
    const int64_t c = r.c;
    for (int64_t i = std::max<int64_t>(c, 0); i < a; ++i) {
        const BeamStep s = path.At(i);
        if (s.row < kBeamBottom || s.row > kBeamTop) return;
        int32_t w = BeamWidth(i, c);
        if (i == a - 2) w -= 2;
        if (i == a - 1) w -= 4;
        w = std::max(w, 0);
        const uint32_t* pixels = gradient + ((kBeamWidth - w) >> 1);
        const int64_t start = (s.column ? s.row : s.centre) - (w >> 1);
        if (s.column) {
            g_BackBuffer.AddSpanV(kAdd, static_cast<int32_t>(s.centre), static_cast<int32_t>(start),
                                  pixels, w);
        } else {
            g_BackBuffer.AddSpanH(kAdd, static_cast<int32_t>(start), static_cast<int32_t>(s.row),
                                  pixels, w);
        }
        if (rule.Test(s)) g_Player.Hit();
    }
}

double FixedDegrees(int32_t v) {
    return DegToRad(static_cast<double>(v) / 256.0);
}

// Kind 0: a fire-coloured arc rising T = cos * 40 rows and falling back, drifting sideways
// by the sine times the square root of 480 i.
void DrawFireArc(const LaserRecord& r) {
    const double angle = FixedDegrees(r.b);
    const int64_t top = Trunc(std::cos(angle) * 40.0);
    const double side = std::sin(angle);
    const int64_t c = r.c;
    for (int64_t i = std::max<int64_t>(c, 0); i < r.a; ++i) {
        const int64_t rise = i <= top ? i : 2 * top - i;
        const int64_t row = r.y + rise;
        if (row < kBeamBottom || row > kBeamTop) return;
        const int32_t w = BeamWidth(i, c);
        const int64_t centre =
            r.x + int64_t{Trunc(side * std::sqrt(480.0 * static_cast<double>(i)))};
        g_BackBuffer.AddSpanH(kAdd, static_cast<int32_t>(centre - (w >> 1)),
                              static_cast<int32_t>(row), kFire.entry + ((kBeamWidth - w) >> 1), w);
    }
}

// Kind 4: a straight beam up to 80 wide, opening by 80 (8i - c) / 256 up to the limit d.
void DrawWideBeam(const CELazer& l, const LaserRecord& r) {
    uint32_t gradient[kWideBeamWidth];
    for (int32_t j = 0; j < kWideBeamWidth / 2; ++j) {
        gradient[j] = gradient[kWideBeamWidth - 1 - j] =
            Rgb(Cap255(l.red * j / 8), Cap255(l.green * j / 8), Cap255(l.blue * j / 8));
    }
    BeamPath path;
    path.x = r.x;
    path.y = r.y;
    path.first = MakeLeg(FixedDegrees(r.b), false);
    const HitRule rule{true, 8, 20, 0, 0};
    const int64_t limit = std::min<int64_t>(r.d, 255);
    const int64_t c = r.c;
    for (int64_t i = std::max<int64_t>(c, 0); i < r.a; ++i) {
        const BeamStep s = path.At(i);
        if (s.row < kBeamBottom || s.row > kBeamTop) return;
        const int32_t w = std::max<int32_t>(
            static_cast<int32_t>((kWideBeamWidth * std::min(8 * i - c, limit)) >> 8), 0);
        g_BackBuffer.AddSpanH(kAdd, static_cast<int32_t>(s.centre - (w >> 1)),
                              static_cast<int32_t>(s.row), gradient + ((kWideBeamWidth - w) >> 1),
                              w);
        if (rule.Test(s)) g_Player.Hit();
    }
}

// Kind 9: a one-pixel line in the laser colour from the origin toward (d, e), one pixel a
// row, until it leaves the field. A target on the origin's own row gives no direction and
// draws nothing.
void DrawSightLine(const CELazer& l, const LaserRecord& r) {
    if (r.a != 0 || r.e == r.y) return;
    const int64_t dir = r.e > r.y ? 1 : -1;
    const double slope = static_cast<double>(int64_t{r.d} - r.x) /
                         static_cast<double>(std::llabs(int64_t{r.e} - r.y));
    const uint32_t colour = Rgb(l.red, l.green, l.blue);
    for (int64_t k = 0;; ++k) {
        const int64_t row = r.y + dir * k;
        const int64_t column = r.x + int64_t{Trunc(slope * static_cast<double>(k))};
        if (row < kLineBottom || row > kLineTop || column < kLineLeft || column > kLineRight) {
            return;
        }
        g_BackBuffer.SetPixel(static_cast<int32_t>(column), static_cast<int32_t>(row), colour);
    }
}

}  // namespace

void CELazer::SetColor(int32_t r, int32_t g, int32_t b) {
    red = std::clamp(r, 0, 255);
    green = std::clamp(g, 0, 255);
    blue = std::clamp(b, 0, 255);
}

void CELazer::Add(int32_t x, int32_t y, int32_t p3, int32_t angle, int32_t kind, int32_t p6,
                  int32_t p7, int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
    if (count < 0 || count >= kRecordCount) return;
    LaserRecord& r = records[count];
    int64_t raised = angle;
    if (raised < 1) raised += (360 - raised) / 360 * 360;
    r = {x, y, p3, p6, p7, static_cast<int32_t>(raised), kind, 1, 0, a, b, c, d, e};
    count += 1;
}

void CELazer::AddSimple(int32_t x, int32_t y, int32_t p3, int32_t angle, int32_t kind, int32_t p6,
                        int32_t p7) {
    Add(x, y, p3, angle, kind, p6, p7, 0, 0, 0, 0, 0);
}

void CELazer::Clear() {
    count = 0;
    for (LaserRecord& r : records)
        r.live = 0;
}

void CELazer::Draw(int32_t i) {
    if (i < 0 || i >= kRecordCount) return;
    const LaserRecord& r = records[i];
    if (r.live == 0) return;

    BeamPath path;
    path.x = r.x;
    path.y = r.y;
    path.bend = r.e;
    switch (r.kind) {
        case 0:
            DrawFireArc(r);
            return;
        case 1: {
            const uint64_t bits = static_cast<uint32_t>(r.p6) |
                                  static_cast<uint64_t>(static_cast<uint32_t>(r.p7)) << 32;
            // Frames past either end of the picture draw nothing; keeping them within one of
            // it keeps the cell offset in range while the flicker still alternates.
            const int32_t frame = std::clamp(r.a, -1, g_LazerImage.width / kLaserCellW + 1);
            g_EffectMannager.DrawLaserBeam(r.x, r.y, kLaserCellW, kLaserCellH, frame,
                                           std::bit_cast<double>(bits));
            if (g_Player.hitY < r.y && g_Player.hitY >= 1 &&
                std::llabs(int64_t{r.x} - g_Player.hitX) < 20) {
                g_Player.Hit();
            }
            return;
        }
        case 2:
        case 11:
            path.first = MakeLeg(FixedDegrees(r.b), false);
            path.second = MakeLeg(FixedDegrees(r.d), false);
            path.legs = r.kind == 2 ? 2 : 3;
            DrawGradientBeam(*this, r, path, {true, 8, 3, 0, 0});
            return;
        case 3:
            g_BackBuffer.DrawBeam(r.x, r.y, r.b / 256,
                                  static_cast<int32_t>(std::min<int64_t>(
                                      std::llabs(int64_t{r.a} - r.c) + 1, INT32_MAX)),
                                  FireStrip(), kBeamWidth);
            return;
        case 4:
            DrawWideBeam(*this, r);
            return;
        case 6:
            path.first = MakeLeg(FixedDegrees(r.b), true);
            DrawGradientBeam(*this, r, path, {true, 7, 6, 7, 6});
            return;
        case 7: {
            const int32_t a = std::clamp(r.a, 0, kThunderTop);
            // b = 1 asks for the fixed fourth cell; only the flickering cells draw a number,
            // so such a record leaves the random sequence alone.
            const int32_t cell = r.b == 1 ? 3 : Rand() % 3;
            g_EffectMannager.AddMidCell(r.x, static_cast<int32_t>(int64_t{r.y} - a), 8,
                                        kThunderImage, 0, 0, cell, 1, kThunderTop - a, a);
            if (g_Player.hitY < r.y && g_Player.hitY > 0 && int64_t{r.y} - a < g_Player.hitY &&
                std::llabs(int64_t{r.x} + 70 - g_Player.hitX) < 15) {
                g_Player.Hit();
            }
            return;
        }
        case 8: {
            const int32_t a = std::clamp(r.a, 0, kThunderTop);
            // The first number only keeps the sequence in step; the second picks the strip.
            static_cast<void>(Rand());
            const int32_t k = Rand() % 3;
            g_BackBuffer.BltRotatedAdd(r.x, r.y, DegToRad(r.b), 1.0, kAdd,
                                       g_EffectMannager.images[kThunderImage], kThunderCellW * k,
                                       kThunderTop - a, kThunderCellW, a);
            return;
        }
        case 9:
            DrawSightLine(*this, r);
            return;
        case 10:
            path.first = MakeLeg(FixedDegrees(r.b), true);
            path.second = MakeLeg(FixedDegrees(r.d), true);
            path.legs = 2;
            DrawGradientBeam(*this, r, path, {true, 8, 6, 8, 6});
            return;
        case 12: {
            const double aim = std::atan2(static_cast<double>(int64_t{r.d} - r.x),
                                          static_cast<double>(int64_t{r.y} - r.e));
            path.first = MakeLeg(aim + FixedDegrees(r.b), true);
            DrawGradientBeam(*this, r, path, {true, 0, 6, 0, 6});
            return;
        }
        default:
            return;
    }
}
