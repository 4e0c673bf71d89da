#include "platform/common/present_area.h"

#include <algorithm>

#include "platform/platform.h"

namespace platform {
namespace {

// Cuts one axis: the start `d` in the window and `s` in the picture, `n` long, to both.
bool ClipAxis(int& d, int& s, int& n, int size) {
    const int cut = std::max({0, -d, -s});
    d += cut;
    s += cut;
    n = std::min({n - cut, size - d, size - s});
    return n > 0;
}

}  // namespace

bool PresentArea::Clip() {
    return ClipAxis(dx, sx, w, kWindowWidth) && ClipAxis(dy, sy, h, kWindowHeight);
}

}  // namespace platform
