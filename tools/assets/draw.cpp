#include <algorithm>
#include <cstdlib>

#include "tools/assets/assets.h"

namespace assets {

Picture::Picture(int w, int h, uint32_t background)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * static_cast<size_t>(height), background) {}

uint32_t Picture::At(int x, int y) const {
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
}

void Picture::Set(int x, int y, uint32_t colour) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = colour;
}

void FillRect(Picture& picture, int x, int y, int w, int h, uint32_t colour) {
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + w, picture.width);
    const int y1 = std::min(y + h, picture.height);
    for (int py = y0; py < y1; ++py) {
        for (int px = x0; px < x1; ++px)
            picture.Set(px, py, colour);
    }
}

void FrameRect(Picture& picture, int x, int y, int w, int h, uint32_t colour) {
    if (w <= 0 || h <= 0) return;
    FillRect(picture, x, y, w, 1, colour);
    FillRect(picture, x, y + h - 1, w, 1, colour);
    FillRect(picture, x, y, 1, h, colour);
    FillRect(picture, x + w - 1, y, 1, h, colour);
}

void FillEllipse(Picture& picture, int x, int y, int w, int h, uint32_t colour) {
    if (w <= 0 || h <= 0) return;
    // Twice the offsets from the centre keep the test in whole numbers for even and odd sizes.
    const int64_t ww = int64_t{w} * w;
    const int64_t hh = int64_t{h} * h;
    for (int py = std::max(y, 0); py < std::min(y + h, picture.height); ++py) {
        const int64_t dy = 2 * int64_t{py - y} + 1 - h;
        for (int px = std::max(x, 0); px < std::min(x + w, picture.width); ++px) {
            const int64_t dx = 2 * int64_t{px - x} + 1 - w;
            if (dx * dx * hh + dy * dy * ww <= ww * hh) picture.Set(px, py, colour);
        }
    }
}

void FillCircle(Picture& picture, int cx, int cy, int r, uint32_t colour) {
    if (r < 0) return;
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            if (dx * dx + dy * dy <= r * r) picture.Set(cx + dx, cy + dy, colour);
        }
    }
}

void FillTriangle(Picture& picture, int x0, int y0, int x1, int y1, int x2, int y2,
                  uint32_t colour) {
    const auto edge = [](int ax, int ay, int bx, int by, int px, int py) {
        return int64_t{bx - ax} * (py - ay) - int64_t{by - ay} * (px - ax);
    };
    const int64_t area = edge(x0, y0, x1, y1, x2, y2);
    if (area == 0) return;
    const int minX = std::max(std::min({x0, x1, x2}), 0);
    const int maxX = std::min(std::max({x0, x1, x2}), picture.width - 1);
    const int minY = std::max(std::min({y0, y1, y2}), 0);
    const int maxY = std::min(std::max({y0, y1, y2}), picture.height - 1);
    for (int py = minY; py <= maxY; ++py) {
        for (int px = minX; px <= maxX; ++px) {
            int64_t w0 = edge(x1, y1, x2, y2, px, py);
            int64_t w1 = edge(x2, y2, x0, y0, px, py);
            int64_t w2 = edge(x0, y0, x1, y1, px, py);
            // Either winding order: all edge values share the area's sign (or are zero).
            if (area < 0) {
                w0 = -w0;
                w1 = -w1;
                w2 = -w2;
            }
            if (w0 >= 0 && w1 >= 0 && w2 >= 0) picture.Set(px, py, colour);
        }
    }
}

void DrawLine(Picture& picture, int x0, int y0, int x1, int y1, uint32_t colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        picture.Set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Checker(Picture& picture, int x, int y, int w, int h, int cell, uint32_t a, uint32_t b) {
    if (cell <= 0) return;
    for (int py = std::max(y, 0); py < std::min(y + h, picture.height); ++py) {
        for (int px = std::max(x, 0); px < std::min(x + w, picture.width); ++px) {
            const bool odd = (((px - x) / cell) + ((py - y) / cell)) % 2 != 0;
            picture.Set(px, py, odd ? b : a);
        }
    }
}

void Paste(Picture& picture, int x, int y, const Picture& src) {
    for (int sy = 0; sy < src.height; ++sy) {
        for (int sx = 0; sx < src.width; ++sx)
            picture.Set(x + sx, y + sy, src.At(sx, sy));
    }
}

}  // namespace assets
