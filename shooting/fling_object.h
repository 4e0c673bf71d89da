#pragma once

#include <cstdint>
#include <cstring>

#include "engine/draw_mode.h"

// Everything that moves in the play field except the ship. Pool slots are reused through
// Place and Launch, never constructed again, so a new object inherits whatever those two
// leave untouched.
class CFlingObject {
public:
    double x = 0;  // left edge of the hit box
    double y = 0;  // bottom edge of the hit box (y grows upward)
    double vx = 0;
    double vy = 0;
    double x0 = 0;
    double y0 = 0;
    double vx0 = 0;
    double vy0 = 0;
    int32_t hp = 2;
    int32_t kind = 0;
    int32_t param1 = 0;
    int32_t param2 = 0;
    uint8_t flag = 0;
    uint8_t alive = 0;
    int32_t param3 = 1;
    CDrawMode draw{10, 255};
    int32_t step = 0;
    int32_t w = 10;
    int32_t h = 10;
    int32_t age = 0;
    int32_t angle = 0;
    int32_t param4 = 0;

    CFlingObject() = default;
    virtual ~CFlingObject() = default;

    void Place(int32_t px, int32_t py, int32_t k);
    void Launch(int32_t px, int32_t py, int32_t k, float fvx, float fvy);
    // Level += n, kept within 0..255.
    void AddAlpha(int32_t n);

    // The 16 working bytes, read as four i32 or two f64 by the classes that use them.
    int32_t WorkInt(int i) const { return Read<int32_t>(i * 4); }
    void SetWorkInt(int i, int32_t v) { Write(i * 4, v); }
    double WorkDouble(int i) const { return Read<double>(i * 8); }
    void SetWorkDouble(int i, double v) { Write(i * 8, v); }

private:
    template <class T>
    T Read(int offset) const {
        T v;
        std::memcpy(&v, work_ + offset, sizeof v);
        return v;
    }
    template <class T>
    void Write(int offset, T v) {
        std::memcpy(work_ + offset, &v, sizeof v);
    }

    unsigned char work_[16] = {};
};

// A flying object that the player's shots and lasers can hurt, or that keeps such a box.
class CEnemyObject : public CFlingObject {
public:
    int32_t shotBoxHigh = 0;   // upper edge of the vulnerable box, as an offset from y
    int32_t shotBoxLow = 0;    // lower edge, as an offset from y
    int32_t shotBoxHalfW = 0;  // half its width around x + w / 2
    int32_t laserTouched = 0;
    int32_t laserCount = 0;
    int32_t frameX = 0;
    int32_t animCount = 0;
    int32_t tick = 0;
};
