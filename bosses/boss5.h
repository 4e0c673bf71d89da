#pragma once

#include <cstdint>

#include "bosses/boss.h"

// The last boss: four phases of 1000 hit points, each with its own sprite, body and boxes. The
// first phase stands pinned at the bottom of the field, the second and third move between
// waypoints, the third opens with 100 frames in which it cannot be hurt and a conversation,
// and the fourth spins its small sprite. The parts stay 1x1 and never show.
class CBoss5 : public CBoss {
public:
    static constexpr int32_t kPhaseHp = 1000;

    int32_t volleyX = 0;  // the ship's x, kept for the first phase's eruptions
    // The aim point of the second phase's double beam, kept between frames.
    int32_t beamAimX = 0;
    int32_t beamAimY = 0;

    void Init() override;
    void Act() override;

    // Eases 1/40 of the way to the phase's waypoint for this phase frame.
    void Move();
    // The phase scripts, each run with the phase frame t.
    void Attack1(int32_t t);
    void Attack2(int32_t t);
    void Attack3(int32_t t);
    void Attack4(int32_t t);

private:
    void TwinBeams(int32_t t);
    void Cadence(int32_t t);
    void CrossVolley();
    void DoubleBeam(int32_t t);
    void SpiralVolley(int32_t m, int32_t turn);
    void Hail(int32_t t);
    void Missile();
};

// Waypoints by phase, 20 a row, flat as the moves read them: the third phase's last x index
// reads the first entry of the next row.
inline constexpr int32_t kBoss5RouteRow = 20;
inline constexpr int32_t kBoss5RouteCount = 4 * kBoss5RouteRow;
extern const int32_t Boss5RouteX[kBoss5RouteCount];
extern const int32_t Boss5RouteY[kBoss5RouteCount];
