#pragma once

namespace platform {

// A present of the rectangle (sx, sy, w, h) of a 640x480 picture at (dx, dy) of the 640x480
// window, all top-down. Clip cuts it to what lies inside both the picture and the window and
// is false when nothing is left.
struct PresentArea {
    int dx, dy, sx, sy, w, h;

    bool Clip();
};

}  // namespace platform
