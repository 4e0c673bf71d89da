#pragma once

#include <cstdint>

#include "shooting/emitter.h"

// The bullet patterns of enemies and bosses. Every function takes the owner's emitter first and
// hands its bullets to g_EBMannager; none requests a sound, the callers do.
//
// Angles are whole degrees. For small and large bullets an angle a fires along (cos a, sin a)
// on the screen: 90 flies up, 270 down toward the player. Turned bullets count their angle from
// straight down instead (see CEBMannager::ShootDir).
//
// Fans of n bullets with spread s: an odd n fires the centre, then +s, -s, +2s, -2s, ...; an
// even n fires +h, -h, +(h + s), -(h + s), ... with h = s >> 1. n = 0 fires nothing.
//
// Where a function turns an aim velocity by an angle, the angle in radians is first rounded to
// single precision; ring and paired-fan angles are not.

// One small bullet at `angle`; leaves its velocity (cos a, sin a) x speed as the aim.
void FireAngle(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t angle, float speed);
// The same with a large bullet.
void FireAngleBig(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t angle, float speed);
// CEBMannager::ShootDecel with the same arguments; the emitter is not used.
void FireAngleDecel(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t cap, int32_t speed,
                    int32_t angle);
// A fan of FireAngle bullets around `angle`.
void FireFan(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t angle, float speed, int32_t n,
             int32_t spread);
// One small bullet from (x, y) aimed from its centre at the ship's hit point.
void FireAimed(CEmitter& e, int32_t x, int32_t y, int32_t kind, float speed);
// FireFanAt aimed at the ship's hit point.
void FireAimedFan(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                  int32_t spread);
// A fan of small bullets from (x, y), its centre aimed from the bullet's centre at (tx, ty).
void FireFanAt(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
               int32_t spread, int32_t tx, int32_t ty);
// FireFanAt with the whole fan turned by `turn` degrees.
void FireFanAtTurned(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                     int32_t spread, int32_t tx, int32_t ty, int32_t turn);
// FireFanAt and FireFanAtTurned with large bullets.
void FireBigFanAt(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                  int32_t spread, int32_t tx, int32_t ty);
void FireBigFanAtTurned(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                        int32_t spread, int32_t tx, int32_t ty, int32_t turn);
// A fan of turned bullets around AimAngle from (x, y) to (tx, ty).
void FireDirFanAt(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                  int32_t spread, int32_t tx, int32_t ty);
// The same around AimAngle + offset.
void FireDirFanAtOffset(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                        int32_t spread, int32_t tx, int32_t ty, int32_t offset);
// FireDirFanAtOffset with every bullet fired twice, side by side, gap / 2 either side of (x, y)
// across its direction.
void FireDirFanPaired(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                      int32_t spread, int32_t tx, int32_t ty, int32_t offset, int32_t gap);
// n + 1 small bullets at 360 / n degree steps from straight down, ringSpeed outward, all
// drifting with the aim from the bullet's centre at (tx, ty). n <= 0 fires nothing.
void FireRing(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed, int32_t tx,
              int32_t ty, double ringSpeed);
// Sets the aim velocity from (sx, sy) toward (tx, ty) at `speed`, as the pool takes it (a
// positive aimVy flies down). A target straight above or below gives (0, speed), one level
// with the source (speed, 0), whichever side it is on.
void AimVector(CEmitter& e, int32_t sx, int32_t sy, int32_t tx, int32_t ty, float speed);
// The turned-bullet angle from (x1, y1) toward (x2, y2): 360..719 downward, 180 more upward,
// never more than 57 degrees from the vertical.
int32_t AimAngle(CEmitter& e, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// Advances the wave phase (1, 2, ..., 361, 0, 1, ...) and returns sin(phase degrees x k / 60).
double EnemyWaveNext(CEmitter& e, int32_t k);
