#include <cmath>

#include "enemies/enemy.h"
#include "engine/angle.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/item.h"
#include "shooting/missile.h"
#include "shooting/player.h"

// Every random number below is drawn in the order the statements name it: replays depend on
// it, so no two draws ever share one expression.

namespace {

double Cos(int32_t degrees) {
    return std::cos(DegToRad(degrees));
}

double Sin(int32_t degrees) {
    return std::sin(DegToRad(degrees));
}

void Mid(double px, double py, int32_t image, int32_t image2, double vx, double vy, int32_t b,
         int32_t a) {
    g_EffectMannager.AddMidEx(Trunc(px), Trunc(py), image, image2, static_cast<float>(vx),
                              static_cast<float>(vy), b, a);
}

void Front(double px, double py, int32_t image, int32_t image2, double vx, double vy, int32_t b,
           int32_t a) {
    g_EffectMannager.AddFrontEx(Trunc(px), Trunc(py), image, image2, static_cast<float>(vx),
                                static_cast<float>(vy), b, a);
}

// The centre of the enemy and the push away from the ship, fixed when the death starts.
struct Burst {
    double cx;
    double cy;
    double y;
    int32_t halfW;
    int32_t sx;
    int32_t sy;

    Burst(const CEnemy& e, int32_t sxNear, int32_t sxFar)
        : cx(e.x + e.halfW),
          cy(e.y + e.halfH),
          y(e.y),
          halfW(e.halfW),
          sx(g_Player.hitX <= cx ? sxNear : sxFar),
          sy(g_Player.hitY <= cy ? 3 : -3) {}
};

// One spark along `degrees` at speed s: two draws for the angle (vx's first), then the spark
// and, when `mirrored`, its mirror image across the vertical.
template <class Add>
void Spark(Add add, int32_t base, int32_t spread, double s, bool mirrored) {
    const double vx = Cos(Rand() % spread + base) * s;
    const double vy = Sin(Rand() % spread + base) * s;
    add(vx, vy);
    if (mirrored) add(-vx, vy);
}

// Small debris thrown into the middle ring: `count` rounds of a spark from a1's direction and
// one from a2's, at speeds (r mod range + base) / 10.
template <class Add>
void Sparks(Add add, int32_t count, int32_t range, int32_t base, bool mirrored) {
    const int32_t a1 = Rand() % 360;
    const int32_t a2 = Rand() % 360;
    for (int32_t i = 0; i < count; ++i) {
        const double s = (Rand() % range + base) * 0.1;
        Spark(add, a1, 30, s, mirrored);
        Spark(add, a2, 50, s, mirrored);
    }
}

// Point items flung upward, each speed drawn before its angle.
void DropPoints(const Burst& b, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const int32_t speed = 12 - Rand() % 8;
        const int32_t angle = Rand() % 180;
        g_ItemMannager.Drop(Trunc(b.cx), Trunc(b.y), 0, angle, speed);
    }
}

// Where a blast cloud lands: r mod range + base from the centre, in a random direction; each
// offset is truncated before it is added.
struct BlastOffset {
    int32_t d;
    int32_t ox;
    int32_t oy;
};
BlastOffset NextBlast(int32_t range, int32_t base) {
    const int32_t d = Rand() % range + base;
    const int32_t dir = Rand() % 360;
    return {d, Trunc(Cos(dir) * d), Trunc(Sin(dir) * d)};
}

void SmallDeath(const CEnemy& e) {
    const int32_t a1 = Rand() % 360;
    const int32_t a2 = Rand() % 360;
    const int32_t d1 = Rand() % 90;
    const int32_t d2 = Rand() % 90;
    const Burst b(e, 2, -1);
    Mid(b.cx - 40, b.cy - 40, 14, 0, 0, -5, 0, 0);
    const double shardY = b.cy - 20 + 5 * b.sx;
    const int32_t shade1 = Rand() % 3 + 12;
    Mid(b.cx + 10 * b.sx, shardY, 15, 22, Cos(d1) * 3.5 + b.sx, Sin(d1) * -4.5 - b.sy, shade1, 0);
    const int32_t shade2 = Rand() % 3 + 12;
    Mid(b.cx + 10 * b.sx - 40, shardY, 15, 22, Cos(180 - d1) * 3.5 + b.sx,
        Sin(180 - d1) * -4.5 - b.sy, shade2, 0);
    Mid(b.cx - 40, b.cy - 40 + 30, 14, 26, Cos(d2) * 2 + b.sx, Sin(d2) * -4 - b.sy, 0, 0);
    for (int32_t i = 0; i < 20; ++i) {
        const double s = (Rand() % 100 + 120) * 0.1;
        const auto add = [&](double vx, double vy) { Mid(b.cx - 3, b.y, 18, 11, vx, vy, 0, 1); };
        Spark(add, a1, 30, s, false);
        Spark(add, a2, 50, s, false);
    }
    DropPoints(b, 6);
}

void MiddleDeath(const CEnemy& e) {
    const Burst b(e, 1, -1);
    Mid(b.cx - 40, b.cy - 40, 26, 0, 0, -3, 0, 5);
    const int32_t a = Rand() % 360;
    for (int32_t i = 0; i < 3; ++i) {
        for (const int32_t angle : {120 * i + a, 120 * i + a + 20}) {
            const int32_t shade = Rand() % 3 + 3;
            Mid(b.cx - 20, b.cy - 20, 15, 22, Cos(angle) * 6.8 + b.sx, Sin(angle) * 6.8 - b.sy,
                shade, 0);
        }
    }
    // Large clouds near the middle, small ones further out, each centred on its point.
    for (int32_t i = 0; i < 10; ++i) {
        const BlastOffset o = NextBlast(75, 35);
        const int32_t image = o.d < 60 ? 14 : 0;
        const int32_t centre = o.d < 60 ? 40 : 20;
        Mid(b.cx - centre + o.ox, b.cy - centre - o.oy, image, 0, b.sx, -b.sy, 0, 5);
    }
    Sparks([&](double vx, double vy) { Mid(b.cx - 3, b.cy, 18, 11, vx, vy, 0, 1); }, 10, 120, 130,
           true);
    DropPoints(b, 10);
}

void HeavyDeath(const CEnemy& e) {
    const Burst b(e, 1, -1);
    Mid(b.cx - 50, b.y, 14, 0, 0, -2, 0, 5);
    const int32_t a = Rand() % 360;
    // The shards start half the enemy's width above its bottom, whatever its height.
    for (int32_t i = 0; i < 3; ++i) {
        for (const int32_t angle : {120 * i + a, 120 * i + a + 20, 120 * i + a - 20}) {
            const int32_t shade = Rand() % 3 + 3;
            Mid(b.cx - 20, b.y + b.halfW - 50, 15, 22, Cos(angle) * 6.2 + b.sx,
                Sin(angle) * 6.2 - b.sy, shade, 0);
        }
    }
    for (int32_t i = 0; i < 14; ++i) {
        const BlastOffset o = NextBlast(90, 20);
        const int32_t image = o.d < 60 ? 14 : 0;
        Mid(b.cx - 50 + o.ox, b.y - o.oy, image, 0, b.sx, -b.sy, 0, 5);
    }
    Sparks([&](double vx, double vy) { Mid(b.cx - 3, b.y, 18, 11, vx, vy, 0, 1); }, 10, 120, 120,
           true);
    const int32_t angle = Rand() % 90 + 45;
    g_ItemMannager.Drop(Trunc(b.cx), Trunc(b.y), 1, angle, 4);
}

void FireMissileBurst(const CEnemy& e) {
    for (const MissileBurst& burst : kMissileBursts) {
        if (burst.kind != e.kind || e.age >= burst.ageLimit) continue;
        // They leave the top edge one by one, 4 frames apart from 60 frames on.
        for (int32_t i = 0; i < 45; ++i) {
            const int32_t mx = Rand() % 376 + 134;
            g_MissileMannager.ShootEx(mx, 469, burst.behaviour, burst.missileKind, 4.0, 0,
                                      60 + 4 * i, 0, 0);
        }
    }
}

// Five explosions over the large enemy's body, 10 frames apart: 695 effects in one frame,
// more than the rings hold, so the later ones overwrite the earlier ones.
void LargeExplosion(const CEnemy& e) {
    const double cx = e.x + e.halfW;
    for (int32_t i = 0; i < 5; ++i) {
        const int32_t dx = kLargeExplosionDx[i];
        const int32_t dy = kLargeExplosionDy[i];
        const int32_t t = 10 * i;
        Mid(cx - 50, e.y, 14, 0, 0, 0, 0, t + 5);
        for (int32_t j = 0; j < 18; ++j) {
            const int32_t shade = Rand() % 3 + 3;
            Mid(cx - 20 + dx, e.y + e.halfW - 50 + dy, 17, 22, Cos(20 * j) * 6.2, Sin(20 * j) * 6.2,
                shade, t);
        }
        for (int32_t j = 0; j < 40; ++j) {
            const int32_t ox = Rand() % 180 - 90;
            const int32_t oy = Rand() % 180 - 90;
            const int32_t image = ox * ox + oy * oy < 3600 ? 14 : 0;
            Mid(cx - 50 + ox + dx, e.y - oy + dy, image, 0, 0, 0, 0, t + 5);
        }
        Sparks(
            [&](double vx, double vy) { Front(cx - 3 + dx, e.y + dy, 18, 11, vx, vy, 0, t + 1); },
            20, 120, 120, true);
    }
}

}  // namespace

void PlayDeathEffect(const CEnemy& e) {
    switch (e.deathKind) {
        case 0:
            SmallDeath(e);
            break;
        case 1:
            MiddleDeath(e);
            break;
        case 2:
            HeavyDeath(e);
            break;
        case 3:
            RequestSound(kSoundExplosion);
            FireMissileBurst(e);
            LargeExplosion(e);
            break;
        case 4: {
            RequestSound(kSoundExplosion);
            LargeExplosion(e);
            const int32_t angle = Rand() % 90 + 45;
            g_ItemMannager.Drop(Trunc(e.x + e.halfW), Trunc(e.y), 2, angle, 4);
            break;
        }
        default:
            break;
    }
}
