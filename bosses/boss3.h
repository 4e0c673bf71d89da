#pragma once

#include <cstdint>

#include "bosses/boss.h"

// The stage-3 boss: three phases of 700 hit points. A large gunship with missiles, killer
// shots and a charged barrel; a small fast core behind a shield band that swoops after the
// ship and casts green lasers; a final form that fills the upper field with a beam, rings and
// sweeping lasers. Children 8 and 9 are driven by it while they are alive.
class CBoss3 : public CBoss {
public:
    static constexpr int32_t kPhaseHp = 700;
    static constexpr int32_t kLaserSeeds = 8;

    int32_t loops = 0;                    // passes of the second phase's script
    int32_t laserSeed[kLaserSeeds] = {};  // sweep seeds of the third phase's lasers

    void Init() override;
    void Act() override;

    // The phase's body from Boss3Size, fired from its centre.
    void TakeBody(int32_t phase);
    // Eases toward the phase's waypoint; the second phase keeps the velocity its script set.
    void Move();
    void Attack1(int32_t f);
    void Attack2(int32_t f);
    void Attack3(int32_t f);
    // Child 8 or 9: it drifts, carries a bullet slot, drops, and sprays once it lands.
    void ActChild(int32_t c);
};

struct Boss3Body {
    int32_t w;
    int32_t h;
};
// The body of each phase, written by Init.
extern Boss3Body Boss3Size[3];

inline constexpr int32_t kBoss3RouteSteps = 10;
extern const int32_t Boss3RouteX[3][kBoss3RouteSteps];
extern const int32_t Boss3RouteY[3][kBoss3RouteSteps];
// The third phase's four laser pairs, from the outermost in: drift and length of each.
inline constexpr int32_t Boss3LaserDrift[4] = {32000, 32000, 38400, 43520};
inline constexpr int32_t Boss3LaserLength[4] = {60, 70, 80, 80};
