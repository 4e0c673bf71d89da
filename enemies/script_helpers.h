#pragma once

#include <cmath>
#include <cstdint>

#include "enemies/enemy.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/player.h"

// Small pieces several kind scripts share: the centre line, engine puffs, the sparkling trail
// and the large bullet thrown from a point toward the ship.
namespace kind_script {

// The field's middle column: scripts mirror their moves about it and turn toward the nearer
// side by it.
inline constexpr double kMiddleX = 322;

inline double CentreX(const CEnemy& e) {
    return e.x + e.halfW;
}

// Speeds grow by 1.5 a difficulty level; the pools take them as f32.
inline float LevelSpeed(double base) {
    return static_cast<float>(1.5 * g_nLevel + base);
}

// The centre line and a height k above the enemy, as the whole numbers the firing and effect
// calls take.
inline int32_t Cx(const CEnemy& e) {
    return Trunc(e.x + e.halfW);
}
inline int32_t Yk(const CEnemy& e, double k) {
    return Trunc(e.y + k);
}

// An engine puff on the back ring: image 8 with the given second image and extra parameter.
inline void EnginePuff(double px, double py, int32_t image2, int32_t b) {
    g_EffectMannager.AddBackEx(Trunc(px), Trunc(py), 8, image2, 0, 0, b, 1);
}

// A spark of random shade drifting a little from (px, py); three draws, shade first.
inline void Spark(double px, double py) {
    const int32_t shade = Rand() % 3;
    const int32_t dy = Rand() % 4 - 2;
    const int32_t dx = Rand() % 4 - 2;
    g_EffectMannager.AddBackEx(Trunc(px), Trunc(py), 17, 22, static_cast<float>(dx),
                               static_cast<float>(dy), shade, 1);
}

// A large bullet from (fromX + halfW - 50, fromY) whose direction runs from (fromX + 50, fromY)
// toward the ship's hit point at `speed`. When the ship sits exactly on that point the bullet
// falls straight down rather than dividing by zero.
inline void ShootBigTowardShip(const CEnemy& e, int32_t fromX, double fromY, double speed) {
    const int32_t dx = g_Player.hitX - fromX - 50;
    const int32_t dy = Trunc(g_Player.hitY - fromY);
    const double d = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    double vx = 0;
    double vy = speed;
    if (d != 0) {
        vx = speed * dx / d;
        vy = -speed * dy / d;
    }
    g_EBMannager.ShootBig(fromX + e.halfW - 50, Trunc(fromY), 5, static_cast<float>(vx),
                          static_cast<float>(vy));
}

// The four turned three-way fans of the spiral gunners, aimed at the point below the enemy and
// turned by offsets that move 40 degrees a volley in opposite senses on the two sides.
void SpiralFans(CEnemy& e, float speed);

}  // namespace kind_script
