#pragma once

#include <cstdint>

class CImage32;

// A corner of a textured quad: where it lands in the destination and what it shows of the
// source.
struct QuadVertex {
    double x = 0.0;
    double y = 0.0;
    double u = 0.0;
    double v = 0.0;
};

// Up to four corners, in order around the quad.
struct QuadVertexList {
    static constexpr int32_t kMaxVertices = 4;

    int32_t count = 0;
    QuadVertex vertices[kMaxVertices];

    // Appends a corner; false, and nothing added, when the list is full.
    bool Add(const QuadVertex& vertex);
};

// The sides of a vertex list: edge i joins vertex i and vertex i + 1, the last one joins the
// last vertex and vertex 0.
struct QuadEdgeList {
    struct Edge {
        const QuadVertex* from;
        const QuadVertex* to;
    };

    int32_t count = 0;
    Edge edges[QuadVertexList::kMaxVertices];

    explicit QuadEdgeList(const QuadVertexList& list);
};

// How a quad's texels meet the destination.
enum class QuadRule {
    kKeyedAdd,    // where s != 0 and d != white: s white gives white, else saturating add
    kKeyedCopy,   // s != white: d = s
    kBrightCopy,  // s != white: every channel of s + 100, saturating, replaces d
};

// Fills the quad in the play field (columns 134..509, rows 8..467) of dst, one scan line per
// row sampled at row + 0.125, reading src through 16.16 fixed-point texture steps. Texels
// outside src are skipped.
void RasteriseQuad(CImage32& dst, const QuadVertexList& quad, const CImage32& src, QuadRule rule);
