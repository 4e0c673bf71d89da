#pragma once

#include <cstdint>

// The firing state every enemy and boss embeds and hands to the firing functions. Those touch
// only the wave phase and the aim velocity; the scratch words belong to the owner's scripts.
class CEmitter {
public:
    int32_t scratch0 = 0;
    int32_t scratch1 = -2;
    int32_t scratch2 = 0;
    int32_t scratch3 = 0;
    int32_t scratch4 = 0;
    int32_t wave = 0;  // phase of the wave oscillator, in degrees
    uint8_t scratchFlag = 0;
    int32_t scratch5 = 0;
    int32_t scratch6 = 0;
    int32_t scratch7 = 0;
    int32_t scratch8 = 0;
    int32_t scratch9 = 0;
    float aimVx = 0;  // the aim velocity left by AimVector or FireAngle
    float aimVy = 0;

    // Back to the state of a new emitter.
    void Reset() { *this = CEmitter(); }
};
