// Turned and scaled blits drawn as textured quads by a scan-line rasteriser, and the beam
// drawer.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/angle.h"
#include "engine/blend_kernels.h"
#include "engine/image.h"
#include "engine/quad.h"

bool QuadVertexList::Add(const QuadVertex& vertex) {
    if (count >= kMaxVertices) return false;
    vertices[count++] = vertex;
    return true;
}

QuadEdgeList::QuadEdgeList(const QuadVertexList& list) : count(list.count) {
    for (int32_t i = 0; i < count; ++i) {
        edges[i] = {&list.vertices[i], &list.vertices[(i + 1) % count]};
    }
}

namespace {

// The rows a quad may fill (the upper one excluded), and where its scan lines are cut.
constexpr double kQuadBottom = 8.0;
constexpr double kQuadTop = 468.0;
constexpr double kQuadLeft = 134.0;
constexpr double kQuadRight = 510.0;
constexpr double kQuadLastColumn = 509.0;

// A scan line is sampled this far above the row's own y.
constexpr double kSampleOffset = 0.125;

// The texture position and its per-column step stay within these, so that the 16.16 walk
// over at most 376 columns of one scan line cannot overflow.
constexpr double kFixedValueLimit = 0x1p62;
constexpr double kFixedStepLimit = 0x1p52;

// v kept within lo..hi (a NaN becomes lo), then truncated.
int64_t ClampToInt(double v, double lo, double hi) {
    if (!(v > lo)) return static_cast<int64_t>(lo);
    if (!(v < hi)) return static_cast<int64_t>(hi);
    return static_cast<int64_t>(v);
}

int64_t ToFixed(double v, double limit) {
    return ClampToInt(v * 65536.0, -limit, limit);
}

struct Hit {
    double x;
    double u;
    double v;
};

// Where the edge crosses the line at height yl, its ends included. A level edge never does.
bool EdgeHit(const QuadVertex& a, const QuadVertex& b, double yl, Hit* hit) {
    if (a.y == b.y) return false;
    const QuadVertex& lo = a.y < b.y ? a : b;
    const QuadVertex& hi = a.y < b.y ? b : a;
    if (yl < lo.y || yl > hi.y) return false;
    if (yl == lo.y) {
        *hit = {lo.x, lo.u, lo.v};
    } else if (yl == hi.y) {
        *hit = {hi.x, hi.u, hi.v};
    } else {
        const double t = (yl - lo.y) / (hi.y - lo.y);
        *hit = {lo.x + (hi.x - lo.x) * t, lo.u + (hi.u - lo.u) * t, lo.v + (hi.v - lo.v) * t};
    }
    return true;
}

template <class Op>
void Rasterise(CImage32& dst, const QuadVertexList& quad, const CImage32& src, Op op) {
    // Fewer than three corners enclose nothing.
    if (dst.pixels == nullptr || src.pixels == nullptr || quad.count < 3) return;
    const QuadEdgeList edges(quad);
    double minY = quad.vertices[0].y;
    double maxY = minY;
    for (int32_t i = 1; i < quad.count; ++i) {
        minY = std::min(minY, quad.vertices[i].y);
        maxY = std::max(maxY, quad.vertices[i].y);
    }
    const int64_t firstRow = ClampToInt(std::trunc(minY), kQuadBottom, kQuadTop);
    const int64_t endRow =
        std::min<int64_t>(ClampToInt(std::trunc(maxY), kQuadBottom, kQuadTop), dst.height);

    for (int64_t r = firstRow; r < endRow; ++r) {
        const double yl = static_cast<double>(r) + kSampleOffset;
        Hit hits[2];
        int found = 0;
        for (int32_t e = 0; e < edges.count && found < 2; ++e) {
            if (EdgeHit(*edges.edges[e].from, *edges.edges[e].to, yl, &hits[found])) ++found;
        }
        if (found < 2 || hits[0].x == hits[1].x) continue;

        Hit left = hits[0];
        Hit right = hits[1];
        if (right.x < left.x) std::swap(left, right);
        const double dx = right.x - left.x;
        const double dudx = (right.u - left.u) / dx;
        const double dvdx = (right.v - left.v) / dx;
        if (left.x < kQuadLeft) {
            left.u += (kQuadLeft - left.x) * dudx;
            left.v += (kQuadLeft - left.x) * dvdx;
            left.x = kQuadLeft;
        }
        if (right.x > kQuadRight) right.x = kQuadLastColumn;

        const int64_t c0 = ClampToInt(std::trunc(left.x), kQuadLeft, kQuadRight);
        const int64_t c1 =
            std::min<int64_t>(ClampToInt(std::trunc(right.x), 0.0, kQuadRight), dst.width);
        int64_t u = ToFixed(left.u, kFixedValueLimit);
        int64_t v = ToFixed(left.v, kFixedValueLimit);
        const int64_t du = ToFixed(dudx, kFixedStepLimit);
        const int64_t dv = ToFixed(dvdx, kFixedStepLimit);
        uint32_t* d = dst.pixels + r * dst.width;
        for (int64_t c = c0; c < c1; ++c, u += du, v += dv) {
            const int64_t tu = u >> 16;
            const int64_t tv = v >> 16;
            if (tu < 0 || tu >= src.width || tv < 0 || tv >= src.height) continue;
            d[c] = op(d[c], src.pixels[tv * src.width + tu]);
        }
    }
}

// The rectangle (sx, sy, w, h) as a quad reaching from `bottom` to `top` about the turning
// point (cx, cy) and w / 2 to either side of it, scaled and turned by `angle` radians.
QuadVertexList BuildQuad(int32_t cx, int32_t cy, double angle, double scale, int32_t sx, int32_t sy,
                         int32_t w, int32_t h, double bottom, double top) {
    const double hw = w / 2;
    const double u0 = sx;
    const double u1 = static_cast<double>(sx) + static_cast<double>(w);
    const double v0 = sy;
    const double v1 = static_cast<double>(sy) + static_cast<double>(h);
    const QuadVertex corners[4] = {
        {-hw, bottom, u0, v0}, {hw, bottom, u1, v0}, {hw, top, u1, v1}, {-hw, top, u0, v1}};

    const double c = std::cos(angle);
    const double s = std::sin(angle);
    QuadVertexList quad;
    for (const QuadVertex& corner : corners) {
        const double x = corner.x * scale;
        const double y = corner.y * scale;
        quad.Add({x * c - y * s + cx, x * s + y * c + cy, corner.u, corner.v});
    }
    return quad;
}

constexpr auto kKeyedAdd = [](uint32_t d, uint32_t s) { return blend::Add(d, s); };
constexpr auto kKeyedCopy = [](uint32_t d, uint32_t s) { return s != blend::kKey ? s : d; };
constexpr auto kBrightCopy = [](uint32_t d, uint32_t s) {
    return s != blend::kKey ? blend::Brighten(d, s, 100) : d;
};

}  // namespace

void RasteriseQuad(CImage32& dst, const QuadVertexList& quad, const CImage32& src, QuadRule rule) {
    switch (rule) {
        case QuadRule::kKeyedAdd:
            Rasterise(dst, quad, src, kKeyedAdd);
            break;
        case QuadRule::kKeyedCopy:
            Rasterise(dst, quad, src, kKeyedCopy);
            break;
        case QuadRule::kBrightCopy:
            Rasterise(dst, quad, src, kBrightCopy);
            break;
    }
}

void CImage32::BltRotatedAdd(int32_t cx, int32_t cy, double angle, double scale, const CDrawMode&,
                             const CImage32& src, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    RasteriseQuad(*this, BuildQuad(cx, cy, angle, scale, sx, sy, w, h, -(h / 2), h / 2), src,
                  QuadRule::kKeyedAdd);
}

void CImage32::BltRotatedAddAll(int32_t cx, int32_t cy, double angle, double scale,
                                const CDrawMode& dm, const CImage32& src) {
    BltRotatedAdd(cx, cy, angle, scale, dm, src, 0, 0, src.width, src.height);
}

void CImage32::BltRotatedKey(int32_t cx, int32_t cy, double angle, double scale, const CDrawMode&,
                             const CImage32& src, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    RasteriseQuad(*this, BuildQuad(cx, cy, angle, scale, sx, sy, w, h, -(h / 2), h / 2), src,
                  QuadRule::kKeyedCopy);
}

void CImage32::BltRotatedKeyPivot(int32_t cx, int32_t cy, double angle, double scale,
                                  const CDrawMode&, const CImage32& src, int32_t sx, int32_t sy,
                                  int32_t w, int32_t h, int32_t pivot) {
    RasteriseQuad(*this,
                  BuildQuad(cx, cy, angle, scale, sx, sy, w, h, -static_cast<double>(pivot),
                            static_cast<double>(h) - pivot),
                  src, QuadRule::kKeyedCopy);
}

void CImage32::BltRotatedFlash(int32_t cx, int32_t cy, double angle, double scale, const CDrawMode&,
                               const CImage32& src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                               int32_t pivot) {
    RasteriseQuad(*this,
                  BuildQuad(cx, cy, angle, scale, sx, sy, w, h, -static_cast<double>(pivot),
                            static_cast<double>(h) - pivot),
                  src, QuadRule::kBrightCopy);
}

namespace {

// The beam's clip: rows 8..469 and columns 134..510, both ends included.
constexpr int64_t kBeamBottom = 8;
constexpr int64_t kBeamTop = 469;
constexpr int64_t kBeamLeft = 134;
constexpr int64_t kBeamRight = 510;
constexpr int64_t kBeamRows = 480;
constexpr int64_t kStripTexels = 14;
constexpr int64_t kTaperRows = 128;

// Below this |cos| the row span and the tangent diverge (only at 90 + k * 180 degrees among
// whole degrees); such a pass paints nothing.
constexpr double kLevelCos = 1e-6;

// The first texel drawn on row k: the beam opens from its two middle texels to the whole
// strip over its first 128 rows.
int64_t TaperFirst(int64_t k) {
    return k < kTaperRows ? 7 - 7 * k / kTaperRows : 0;
}

// One painting of the beam at `degrees`. Row k lies k rows from y: downward when the cosine
// is not negative on the first pass, upward on the second, and the other way round when it
// is negative. Each row starts at x - cos * width / 2 + k * tan and runs 14 / |cos| columns
// right, stretching row 0 of the strip across them.
void PaintBeamPass(CImage32& dst, int32_t x, int32_t y, double degrees, int32_t length,
                   const CImage32& strip, int32_t width, bool firstPass) {
    const double rad = DegToRad(degrees);
    const double c = std::cos(rad);
    if (std::fabs(c) < kLevelCos) return;
    const double t = std::tan(rad);
    const int64_t texStep = std::llabs(static_cast<int64_t>(c * 65536.0));
    const double span = std::trunc(static_cast<double>(kStripTexels) / std::fabs(c));
    const int64_t dir = (c >= 0.0) == firstPass ? -1 : 1;
    const double edge = static_cast<double>(x) - c * static_cast<double>(width) / 2.0;
    const int64_t texels = std::min<int64_t>(kStripTexels, strip.width);
    const int64_t rows = std::min<int64_t>(length, kBeamRows);

    for (int64_t k = 0; k < rows; ++k) {
        const int64_t row = int64_t{y} + dir * k;
        if (row < kBeamBottom || row > kBeamTop || row >= dst.height) return;
        const double left = std::trunc(edge + static_cast<double>(k) * t);
        if (left > static_cast<double>(kBeamRight) ||
            left + span - 1.0 < static_cast<double>(kBeamLeft)) {
            return;
        }
        // Both ends lie within a span's length of the field, so they convert safely.
        const int64_t l = static_cast<int64_t>(left);
        const int64_t c0 = std::max<int64_t>(l, kBeamLeft);
        const int64_t c1 =
            std::min({l + static_cast<int64_t>(span), kBeamRight + 1, int64_t{dst.width}});
        const int64_t tFirst = TaperFirst(k);
        const int64_t tEnd = std::min(kStripTexels - tFirst, texels);
        uint32_t* d = dst.pixels + row * dst.width;
        for (int64_t col = c0; col < c1; ++col) {
            const int64_t tx = ((col - l) * texStep) >> 16;
            if (tx < tFirst || tx >= tEnd) continue;
            d[col] = blend::Add(d[col], strip.pixels[tx]);
        }
    }
}

}  // namespace

void CImage32::DrawBeam(int32_t x, int32_t y, int32_t angle, int32_t length, const CImage32& strip,
                        int32_t width) {
    if (pixels == nullptr || strip.pixels == nullptr || strip.height < 1) return;
    PaintBeamPass(*this, x, y, static_cast<double>(angle), length, strip, width, true);
    PaintBeamPass(*this, x, y, 90.0 - static_cast<double>(angle), length, strip, width, false);
}
