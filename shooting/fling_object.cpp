#include "shooting/fling_object.h"

void CFlingObject::Place(int32_t px, int32_t py, int32_t k) {
    x = x0 = px;
    y = y0 = py;
    kind = k;
    alive = 1;
}

void CFlingObject::Launch(int32_t px, int32_t py, int32_t k, float fvx, float fvy) {
    Place(px, py, k);
    flag = 0;
    vx = static_cast<double>(fvx);
    vy = static_cast<double>(fvy);
    draw.level = 255;
    vx0 = vx;
    vy0 = vy;
}

void CFlingObject::AddAlpha(int32_t n) {
    int64_t level = static_cast<int64_t>(draw.level) + n;
    if (level < 0) level = 0;
    if (level > 255) level = 255;
    draw.level = static_cast<int32_t>(level);
}
