#pragma once

#include <cstdint>

#include "bosses/boss.h"

// The stage-2 boss: three phases of 680 hit points, each with its own sprite and body. A large
// body rises from below the field and fires columns, vertical lasers and rotating streams; a
// middle one fires scatter, missiles and fans; a small one stands under its script's control
// with sweeps, missiles, a twin laser sweep and dense streams.
class CBoss2 : public CBoss {
public:
    static constexpr int32_t kPhaseHp = 680;

    void Init() override;
    void Act() override;

    // The phase's body from Boss2Size, fired from its centre.
    void TakeBody(int32_t phase);
    // Eases toward the waypoint of the phase frame; the third phase stands still.
    void Move();
    void Attack1();
    void Attack2();
    void Attack3();
};

struct Boss2Body {
    int32_t w;
    int32_t h;
};
// The body of each phase, written by Init.
extern Boss2Body Boss2Size[3];

inline constexpr int32_t kBoss2RouteSteps = 12;
extern const int32_t Boss2RouteX[3][kBoss2RouteSteps];
extern const int32_t Boss2RouteY[3][kBoss2RouteSteps];
extern const int32_t Boss2LaserOffset[2];
extern const int32_t Boss2LaserSweep[4];
// The second phase's spray of turned bullets: x offset from the centre, height above y, angle.
inline constexpr int32_t Boss2Spray[12][3] = {
    {30, 90, 10},   {35, 90, 20},   {40, 90, 30},   {40, 90, 10},   {45, 91, 20},   {49, 93, 30},
    {-30, 90, 350}, {-35, 90, 340}, {-40, 90, 330}, {-40, 90, 350}, {-45, 91, 340}, {-49, 93, 330}};
