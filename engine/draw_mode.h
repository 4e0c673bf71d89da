#pragma once

#include <cstdint>

// The draw-parameter record handed to every blit.
struct CDrawMode {
    uint8_t vflip = 0;   // walk the source rows from the rectangle's last row (flip modes only)
    uint8_t mirror = 0;  // the mode draws mirrored, so the clippers cut the other side
    int32_t mode = 21;
    int32_t level = 255;
    uint32_t colour = 0xFFFFFF;  // carried along; no drawing operation reads it
    uint32_t tint = 0;           // mode 7

    CDrawMode() = default;
    explicit CDrawMode(int32_t m) : mode(m) {}
    CDrawMode(int32_t m, int32_t l) : mode(m), level(l) {}

    void Reset() { *this = CDrawMode(); }
};

// The colour key of every keyed mode.
inline constexpr uint32_t kColourKey = 0xFFFFFF;

// Shared records made at start-up.
extern CDrawMode g_DrawKey;       // mode 2
extern CDrawMode g_DrawCopy;      // mode 21; the backgrounds change it for their own drawing
extern CDrawMode g_DrawMode3;     // mode 3
extern CDrawMode g_DrawAdd255;    // mode 10, level 255
extern CDrawMode g_DrawAdd;       // mode 10
extern CDrawMode g_DrawChatText;  // mode 2, for the conversation text
