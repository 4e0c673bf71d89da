#include "shooting/laser_shot.h"

#include <algorithm>
#include <cmath>

#include "engine/angle.h"
#include "engine/trunc.h"
#include "shooting/enemy_laser.h"
#include "shooting/player.h"

CLBMannager g_LBMannager;

namespace {

// A laser ends once its growth passes this.
constexpr double kMaxGrowth = 600.0;

int32_t Saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// The record of one frame of a live shot; t is its age before this frame's step.
void AddRecord(CLazerBullet& s, int32_t t) {
    const double g = static_cast<double>(t) * s.rate;
    const int32_t x = Trunc(s.x);
    const int32_t y = Trunc(s.y);
    if (s.kind == 0) {
        g_ELazer.Add(x, y, 0, 0, 6, 0, 0, Trunc(g + s.p1), s.p2, Trunc(g + s.p3), s.p4, s.p5);
        return;
    }
    if (t == 0) {
        if (s.kind == 1) {
            s.targetX = g_Player.hitX;
            s.targetY = g_Player.hitY;
        } else if (s.kind == 2 || s.kind == 4) {
            s.targetX = s.p4;
            s.targetY = s.p5;
        }
    }
    // The growth swings: a sweeps 40..180 degrees over the first 15 frames, then stays 0.
    int64_t a = int64_t{t} * 10 + 40;
    if (a >= 181) a = 0;
    const int64_t length = std::min<int64_t>(s.p1, int64_t{t} * 40);
    const double e1 = (1.0 - std::sin(DegToRad(static_cast<double>(a)))) * g;
    const double e2 = (1.0 - std::sin(DegToRad(0.7 * static_cast<double>(a)))) * g;
    const int32_t first = Saturate(length + Trunc(e1));
    const int32_t start = Saturate(int64_t{Trunc(e2)} + s.p3);
    switch (s.kind) {
        case 1:
            g_ELazer.Add(x, y, 0, 0, 6, 0, 0, first, s.p2, start, s.targetX, s.targetY);
            break;
        case 2:
            g_ELazer.Add(x, y, 0, 0, 12, 0, 0, first, s.p2, start, s.targetX, s.targetY);
            break;
        case 3:
            g_ELazer.Add(x, y, 10, 10, 2, 0, 0, first, s.p2, start, s.p4, s.p5);
            break;
        default:
            g_ELazer.Add(x, y, 10, 0, 6, 0, 0, first, s.p2, start, s.targetX, s.targetY);
            break;
    }
}

}  // namespace

void CLazerBullet::Set(int32_t px, int32_t py, int32_t k, int32_t launchAngle, double growth,
                       int32_t a1, int32_t a2, int32_t a3, int32_t a4, int32_t a5) {
    Place(px, py, k);
    p1 = a1;
    p2 = a2;
    p3 = a3;
    p4 = a4;
    p5 = a5;
    rate = growth;
    age = 0;
    angle = launchAngle;
}

void CLazerBullet::Clear() {
    targetX = 0;
    targetY = 0;
    x = 0;
    y = 0;
    alive = 0;
    age = 0;
    angle = 0;
}

void CLBMannager::Shoot(int32_t x, int32_t y, int32_t kind, int32_t angle, double rate, int32_t p1,
                        int32_t p2, int32_t p3, int32_t p4, int32_t p5) {
    if (next < 0 || next >= kShotCount) next = 0;
    shots[next].Set(x, y, kind, angle, rate, p1, p2, p3, p4, p5);
    next += 1;
    if (next >= kShotCount) next = 0;
}

void CLBMannager::Move(int32_t i) {
    if (i < 0 || i >= kShotCount) return;
    CLazerBullet& s = shots[i];
    if (s.alive == 0) return;
    s.y -= s.vy;
    s.x += s.vx;
    if (!(s.x > 0 && s.x < 630 && s.y > -50 && s.y < 675)) {
        // A shot cleared here still takes its age step, so it rests with age 1.
        s.Clear();
        s.age += 1;
        return;
    }
    if (s.kind >= 0 && s.kind <= 4) {
        AddRecord(s, s.age);
        if (static_cast<double>(s.age) * s.rate > kMaxGrowth) {
            s.Clear();
            return;
        }
    }
    s.age += 1;
}

void CLBMannager::Init() {
    for (CLazerBullet& s : shots)
        s.Clear();
    next = 0;
}
