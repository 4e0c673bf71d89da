#pragma once

#include <cstdint>

#include "shooting/fling_object.h"

// A laser that grows over time. While it lives it adds one beam record a frame to the enemy
// laser list, which draws it and tests the ship; the shot only decides from its age and rate
// how long the beam is this frame and when it ends. `kind` is its behaviour 0..4.
class CLazerBullet : public CEnemyObject {
public:
    int32_t p1 = 0;       // length base; kinds 1..4: the cap of the first growth term
    int32_t p2 = 0;       // handed on to the record
    int32_t p3 = 0;       // start base
    int32_t p4 = 0;       // handed on, or the target x
    int32_t p5 = 0;       // handed on, or the target y
    double rate = 0;      // growth per frame
    int32_t targetX = 0;  // taken on the first frame
    int32_t targetY = 0;

    // Places the shot; the velocity stays as the slot held it.
    void Set(int32_t px, int32_t py, int32_t k, int32_t launchAngle, double growth, int32_t a1,
             int32_t a2, int32_t a3, int32_t a4, int32_t a5);
    // Out of play: targets, position, alive, age and angle 0.
    void Clear();
};

// The ring of 40 laser shots.
class CLBMannager {
public:
    static constexpr int32_t kShotCount = 40;

    int32_t next = 0;
    CLazerBullet shots[kShotCount];

    // Launches into slot next, whether or not its laser is still growing.
    void Shoot(int32_t x, int32_t y, int32_t kind, int32_t angle, double rate, int32_t p1,
               int32_t p2, int32_t p3, int32_t p4, int32_t p5);
    // One frame of slot i when it is alive: move, add this frame's record, age.
    void Move(int32_t i);
    void Init();
};

extern CLBMannager g_LBMannager;
