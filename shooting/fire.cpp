#include "shooting/fire.h"

#include <cmath>

#include "engine/angle.h"
#include "shooting/bullet_kinds.h"
#include "shooting/enemy_bullet.h"
#include "shooting/player.h"

namespace {

// The offset of the i-th bullet of a fan of n.
int32_t FanOffset(int32_t n, int32_t spread, int32_t i) {
    if (n % 2 != 0) {
        if (i == 0) return 0;
        const int32_t k = (i + 1) / 2;
        return i % 2 != 0 ? k * spread : -k * spread;
    }
    const int32_t m = (spread >> 1) + i / 2 * spread;
    return i % 2 == 0 ? m : -m;
}

// Half a kind's size, the centre of its square; a kind outside its table counts as size 0.
int32_t HalfSize(const BulletKindRow* row) {
    return row != nullptr ? row->size / 2 : 0;
}

struct Velocity {
    float vx;
    float vy;
};

// The aim velocity turned by `deg` degrees, the angle rounded to single precision.
Velocity Turned(const CEmitter& e, int32_t deg) {
    const double rad = static_cast<float>(DegToRad(deg));
    const double c = std::cos(rad);
    const double s = std::sin(rad);
    const double ax = e.aimVx;
    const double ay = e.aimVy;
    return {static_cast<float>(ax * c + ay * s), static_cast<float>(ay * c - ax * s)};
}

// The aimed fans: the centre on the aim (turned by `turn` when the fan is turned), each pair
// turned by turn + offset and turn - offset.
void AimedFan(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
              int32_t spread, int32_t tx, int32_t ty, bool turned, int32_t turn, bool big) {
    const int32_t half = HalfSize(big ? BigKind(kind) : SmallKind(kind));
    AimVector(e, x + half, y + half, tx, ty, speed);
    for (int32_t i = 0; i < n; ++i) {
        const bool centre = n % 2 != 0 && i == 0;
        Velocity v{e.aimVx, e.aimVy};
        if (turned || !centre) v = Turned(e, turn + FanOffset(n, spread, i));
        if (big) {
            g_EBMannager.ShootBig(x, y, kind, v.vx, v.vy);
        } else {
            g_EBMannager.Shoot(x, y, kind, v.vx, v.vy);
        }
    }
}

}  // namespace

void FireAngle(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t angle, float speed) {
    const double rad = static_cast<float>(DegToRad(angle));
    e.aimVx = static_cast<float>(std::cos(rad) * static_cast<double>(speed));
    e.aimVy = static_cast<float>(std::sin(rad) * static_cast<double>(speed));
    g_EBMannager.Shoot(x, y, kind, e.aimVx, -e.aimVy);
}

void FireAngleBig(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t angle, float speed) {
    const double rad = static_cast<float>(DegToRad(angle));
    e.aimVx = static_cast<float>(std::cos(rad) * static_cast<double>(speed));
    e.aimVy = static_cast<float>(std::sin(rad) * static_cast<double>(speed));
    g_EBMannager.ShootBig(x, y, kind, e.aimVx, -e.aimVy);
}

void FireAngleDecel(CEmitter&, int32_t x, int32_t y, int32_t kind, int32_t cap, int32_t speed,
                    int32_t angle) {
    g_EBMannager.ShootDecel(x, y, kind, cap, speed, angle);
}

void FireFan(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t angle, float speed, int32_t n,
             int32_t spread) {
    for (int32_t i = 0; i < n; ++i)
        FireAngle(e, x, y, kind, angle + FanOffset(n, spread, i), speed);
}

void FireAimed(CEmitter& e, int32_t x, int32_t y, int32_t kind, float speed) {
    const int32_t half = HalfSize(SmallKind(kind));
    AimVector(e, x + half, y + half, g_Player.hitX, g_Player.hitY, speed);
    g_EBMannager.Shoot(x, y, kind, e.aimVx, e.aimVy);
}

void FireAimedFan(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                  int32_t spread) {
    FireFanAt(e, x, y, kind, n, speed, spread, g_Player.hitX, g_Player.hitY);
}

void FireFanAt(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
               int32_t spread, int32_t tx, int32_t ty) {
    AimedFan(e, x, y, kind, n, speed, spread, tx, ty, false, 0, false);
}

void FireFanAtTurned(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                     int32_t spread, int32_t tx, int32_t ty, int32_t turn) {
    AimedFan(e, x, y, kind, n, speed, spread, tx, ty, true, turn, false);
}

void FireBigFanAt(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                  int32_t spread, int32_t tx, int32_t ty) {
    AimedFan(e, x, y, kind, n, speed, spread, tx, ty, false, 0, true);
}

void FireBigFanAtTurned(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                        int32_t spread, int32_t tx, int32_t ty, int32_t turn) {
    AimedFan(e, x, y, kind, n, speed, spread, tx, ty, true, turn, true);
}

void FireDirFanAt(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                  int32_t spread, int32_t tx, int32_t ty) {
    FireDirFanAtOffset(e, x, y, kind, n, speed, spread, tx, ty, 0);
}

void FireDirFanAtOffset(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                        int32_t spread, int32_t tx, int32_t ty, int32_t offset) {
    const int32_t a = AimAngle(e, x, y, tx, ty) + offset;
    for (int32_t i = 0; i < n; ++i)
        g_EBMannager.ShootDir(x, y, kind, speed, a + FanOffset(n, spread, i));
}

void FireDirFanPaired(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed,
                      int32_t spread, int32_t tx, int32_t ty, int32_t offset, int32_t gap) {
    const int32_t a = AimAngle(e, x, y, tx, ty) + offset;
    const int32_t g = gap / 2;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t b = a + FanOffset(n, spread, i);
        const double rad = DegToRad(b);
        const int32_t dx = static_cast<int32_t>(std::cos(rad) * g);
        const int32_t dy = static_cast<int32_t>(std::sin(rad) * g);
        g_EBMannager.ShootDir(x + dx, y + dy, kind, speed, b);
        g_EBMannager.ShootDir(x - dx, y - dy, kind, speed, b);
    }
}

void FireRing(CEmitter& e, int32_t x, int32_t y, int32_t kind, int32_t n, float speed, int32_t tx,
              int32_t ty, double ringSpeed) {
    const int32_t half = HalfSize(SmallKind(kind));
    AimVector(e, x + half, y + half, tx, ty, speed);
    // A ring of no bullets has no step to divide by.
    if (n <= 0) return;
    const int32_t step = 360 / n;
    // i runs to n itself: the last bullet closes the ring over the first.
    for (int32_t i = 0; i <= n; ++i) {
        const double rad = DegToRad(step * i);
        const double vx = std::sin(rad) * ringSpeed + static_cast<double>(e.aimVx);
        const double vy = std::cos(rad) * ringSpeed + static_cast<double>(e.aimVy);
        g_EBMannager.Shoot(x, y, kind, static_cast<float>(vx), static_cast<float>(vy));
    }
}

void AimVector(CEmitter& e, int32_t sx, int32_t sy, int32_t tx, int32_t ty, float speed) {
    const int32_t dx = tx - sx;
    const int32_t dy = ty - sy;
    if (dx == 0) {
        e.aimVx = 0;
        e.aimVy = speed;
        return;
    }
    if (dy == 0) {
        e.aimVx = speed;
        e.aimVy = 0;
        return;
    }
    // The squares are summed in 32 bits, wrapping as the game always has.
    const uint32_t ux = static_cast<uint32_t>(dx);
    const uint32_t uy = static_cast<uint32_t>(dy);
    const double d = std::sqrt(static_cast<double>(static_cast<int32_t>(ux * ux + uy * uy)));
    const double v = speed;
    e.aimVx = static_cast<float>(dx * v / d);
    e.aimVy = static_cast<float>(-v * dy / d);
}

int32_t AimAngle(CEmitter&, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int64_t dx = static_cast<int64_t>(x2) - x1;
    const int64_t e = static_cast<int64_t>(y1) - y2;
    constexpr double kLimit = 1.552;
    // A whole-number quotient: only a target at least as far across as down turns the bullet.
    double t = e != 0 ? static_cast<double>(dx / e) : (dx > 0 ? kLimit : -kLimit);
    if (t > kLimit) t = kLimit;
    if (t < -kLimit) t = -kLimit;
    int32_t a = static_cast<int32_t>(std::atan(t) * 57.29577951308232);
    while (a < 360)
        a += 360;
    if (e < 0) a += 180;
    return a;
}

double EnemyWaveNext(CEmitter& e, int32_t k) {
    e.wave = e.wave > 360 ? 0 : e.wave + 1;
    return std::sin(DegToRad(e.wave) * k / 60.0);
}
