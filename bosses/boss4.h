#pragma once

#include <cstdint>

#include "bosses/boss.h"

// The stage-4 boss: three phases of 850 hit points. A 680x364 body steers the two boss parts
// and turns them in its first and third phases; the second and third phases open with the
// boss parked above the field, then it flies back in. Each phase's script loops on its frame.
class CBoss4 : public CBoss {
public:
    static constexpr int32_t kPhaseHp = 850;
    static constexpr int32_t kMarks = 8;

    int32_t markX[kMarks] = {};  // drop points of the first phase's laser rain; 0 is the ship
    int32_t markY[kMarks] = {};
    int32_t volleyX = 0;  // the ship's x, kept for the second phase's eruptions
    // The aim point of each of the third phase's two beam windows, kept between frames.
    int32_t beamAimX[2] = {};
    int32_t beamAimY[2] = {};

    void Init() override;
    void Act() override;

    // Covers 1/35 of the way to the phase's waypoint for this phase frame.
    void Move();
    void Attack1();
    void Attack2();
    void Attack3();

private:
    // The parts back on the body as Init leaves them, without their offsets and limits.
    void SeatParts();
    // The glide between two targets with killer shots and, from m = 100, two turned volleys
    // whose turns are turnN + turnStep x work3, taken after the frame has raised work3.
    void Sweep(int32_t m, int32_t firstTarget, int32_t secondTarget, int32_t turn1, int32_t turn2,
               int32_t turnStep);
    void Beam(int32_t window);
};

// Waypoints by phase, flat as the moves read them: a read past a row's end takes the next row.
inline constexpr int32_t kBoss4RouteRow = 30;
inline constexpr int32_t kBoss4RouteCount = 3 * kBoss4RouteRow;
extern const int32_t Boss4RouteX[kBoss4RouteCount];
extern const int32_t Boss4RouteY[kBoss4RouteCount];

// A laser record whose two scale words carry one double, as the picture beams read it.
void AddScaledLaser(int32_t x, int32_t y, int32_t p3, int32_t angle, int32_t kind, double scale,
                    int32_t a, int32_t b, int32_t c, int32_t d, int32_t e);
// A two-pixel beam of kind 9 from (x, fromY) to the tip, the glow at the tip, and the ship hit
// when it is within 20 of the tip.
void DrawBeamToTip(int32_t x, int32_t fromY, int32_t tipX, int32_t tipY);
// Bullets erupting from the bottom of the field at `column`: 40 small, 10 and 10 large, then the
// upward fans of the higher difficulties at speeds firstFan, then secondFan. `narrow` climbs from
// 0..29 with vy spread 130; otherwise from -27..32 with spread 110.
void FireEruption(int32_t column, bool narrow, float firstFan, float secondFan);
