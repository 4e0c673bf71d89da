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

// The bullet types the first phase's twin beams pick from at random.
inline constexpr int32_t Boss5BeamShotTypes[4] = {36, 0, 153, 157};
// The cross volley's muzzle offsets, stepped through by the volley counter.
inline constexpr int32_t Boss5CrossX[5] = {0, 90, -90, 40, -40};
inline constexpr int32_t Boss5CrossY[5] = {0, -20, -20, -55, -55};
// The second phase's closing rings: base speed and spacing of each.
inline constexpr double Boss5RingSpeeds[3] = {12.0, 10.0, 8.0};
inline constexpr double Boss5RingSpacing[3] = {2.0, 1.0, 1.0};
// The third phase's six missiles, ten frames apart: speed and angle of each.
inline constexpr int32_t Boss5MissileSpeeds[6] = {10, 14, 12, 10, 14, 12};
inline constexpr int32_t Boss5MissileAngles[6] = {-145, -175, 160, 145, 175, -160};
// The fourth phase's fan of eight lasers: x offset from the centre and the two sweep values.
struct Boss5Ray {
    int32_t d;
    int32_t a;
    int32_t b;
};
inline constexpr Boss5Ray Boss5Rays[8] = {
    {5, 35840, 42240},  {-5, -35840, -42240},  {10, 30720, 33280}, {-10, -30720, -33280},
    {15, 25600, 37120}, {-15, -25600, -37120}, {5, 40960, 42240},  {-5, -40960, -42240}};
// Where the fourth phase's laser shots start, down both sides of the field.
inline constexpr int32_t Boss5LaserShotFrom[6][2] = {{84, 450},  {560, 450}, {84, 400},
                                                     {560, 400}, {84, 350},  {560, 350}};
