#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "shooting/fire.h"

using kind_script::CentreX;
using kind_script::EnginePuff;
using kind_script::ShootBigTowardShip;

namespace {

constexpr int32_t kStageWithSecondScript = 4;

// Twelve passes of two scattered shots from the gunner's middle; each pass draws four numbers,
// every speed before its target.
void ScatterVolley(CEnemy& e, int32_t xs) {
    const int32_t fx = xs + e.halfW;
    const int32_t fy = Trunc(e.y);
    for (int32_t pass = 0; pass < 12; ++pass) {
        const double s1 = 5.5 - Rand() % 35 * 0.1;
        const int32_t t1 = g_Player.hitX + Rand() % 100 - 50;
        FireFanAt(e.emitter, fx, fy, 0, 1, static_cast<float>(s1 + 0.5), 0, t1, g_Player.hitY);
        const double s2 = 5.5 - Rand() % 40 * 0.1;
        const int32_t t2 = g_Player.hitX + Rand() % 100 - 50;
        FireFanAt(e.emitter, fx, fy, 72, 1, static_cast<float>(s2 + 1.5), 0, t2, g_Player.hitY);
    }
}

// The speed terms of the walker's scatter barrage: base speed and random range of each shot.
struct Scatter {
    double b1;
    int32_t m1;
    double b2;
    int32_t m2;
    double b3;
    int32_t m3;
    double bigSpeed;
    SoundId sound;
};

// One scattered shot: its speed drawn before its target.
void ScatterShot(CEnemy& e, int32_t fx, int32_t yb, int32_t kind, double base, int32_t range,
                 double extra) {
    const double speed = base - Rand() % range * 0.1 + extra;
    const int32_t tx = g_Player.hitX + Rand() % 60 - 30;
    FireFanAt(e.emitter, fx, yb, kind, 1, static_cast<float>(speed), 0, tx, g_Player.hitY);
}

void BarrageA(CEnemy& e, double a1, double a2) {
    const int32_t ax = Trunc(CentreX(e) - 40);
    const int32_t ay = Trunc(e.y + 60);
    for (int32_t gx : {ax, ax + 60}) {
        FireAimedFan(e.emitter, gx, ay, 84, 3, static_cast<float>(a1), 50);
        FireAimedFan(e.emitter, gx, ay, 44, 2, static_cast<float>(a1), 50);
        FireAimedFan(e.emitter, gx, ay, 84, 3, static_cast<float>(a2), 50);
        FireAimedFan(e.emitter, gx, ay, 44, 2, static_cast<float>(a2), 50);
    }
    RequestSound(kSoundVolleyC);
}

// Each of the two firing positions ends with its own large bullet and sound after its twelve
// passes, so one barrage throws two large bullets, the left one first.
void BarrageB(CEnemy& e, int32_t yb, const Scatter& s) {
    const int32_t xb = Trunc(e.x - 30);
    for (int32_t gx : {xb, xb + 80}) {
        const int32_t fx = gx + e.halfW;
        for (int32_t pass = 0; pass < 12; ++pass) {
            ScatterShot(e, fx, yb, 0, s.b1, s.m1, 0.5);
            ScatterShot(e, fx, yb, 0, s.b2, s.m2, 0.5);
            ScatterShot(e, fx, yb, 72, s.b3, s.m3, 1.5);
        }
        ShootBigTowardShip(e, gx, yb, s.bigSpeed);
        RequestSound(s.sound);
    }
}

// On ages divisible by 64 the walker alternates its two barrages, aimed fans first.
void BarrageTime(CEnemy& e, double a1, double a2, int32_t yb, const Scatter& s) {
    if (e.age % 64 != 0) return;
    if (e.toggle == 0) {
        BarrageA(e, a1, a2);
        e.toggle = 1;
    } else {
        BarrageB(e, yb, s);
        e.toggle = 0;
    }
}

void WalkerTrails(const CEnemy& e) {
    EnginePuff(e.x + 40, e.y + 30, 18, 3);
    EnginePuff(e.x - 19, e.y + 70, 18, 3);
    EnginePuff(e.x + 100, e.y + 70, 18, 3);
    EnginePuff(e.x - 29, e.y + 35, 18, 8);
    EnginePuff(e.x + 110, e.y + 35, 18, 8);
    EnginePuff(e.x - 19, e.y, 18, 3);
    EnginePuff(e.x + 100, e.y, 18, 3);
}

// A sway: sideways by `dir` and upward, slowing as age nears `end`.
void Sway(CEnemy& e, int32_t dir, int32_t end) {
    e.vx = dir * 6 * (end - e.age) * 0.01;
    e.vy = -6 * (end - e.age) * 0.01;
}

void CommonWalker(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    const double a1 = level + 6;
    const double a2 = level + 5.5;
    Scatter s{level + 4.0, 22, level + 3.0, 15, level + 4.5, 20, level + 8.0, kSoundExplosion};
    if (a < 50) {
        if (a < 20) e.side = e.x < 188 ? 1 : -1;
        e.vx = 0;
        e.vy = 4;
    } else if (a < 200) {
        e.vx = 0;
        e.vy = 0;
        BarrageTime(e, a1, a2, Trunc(e.y), s);
    } else if (a < 250) {
        Sway(e, e.side, 250);
    } else if (a < 350) {
        s.sound = kSoundVolleyC;
        BarrageTime(e, a1, a2, Trunc(e.y + 30), s);
    } else if (a < 400) {
        Sway(e, -e.side, 400);
    } else {
        e.vx = 0;
        e.vy = -1;
    }
}

void Stage4Walker(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    const double a1 = 2 * level + 6;
    const double a2 = 2 * level + 5.5;
    const Scatter s{3 * level + 5.0, 22,
                    3 * level + 4.0, 30 * level + 15,
                    3 * level + 5.5, 30 * level + 20,
                    3 * level + 8.0, kSoundExplosion};
    if (a < 50) {
        if (a < 10) e.side = e.x < 188 ? 2 : -2;
        e.vx = 0;
        e.vy = 5;
    } else if (a < 200) {
        e.vx = 0;
        e.vy = 0;
        BarrageTime(e, a1, a2, Trunc(e.y), s);
    } else if (a < 225) {
        Sway(e, e.side, 225);
    } else if (a < 325) {
        // The second round keeps the first round's sound.
        BarrageTime(e, a1, a2, Trunc(e.y + 30), s);
    } else if (a < 350) {
        Sway(e, -e.side, 400);
    } else {
        e.vx = 0;
        e.vy = -1;
    }
}

}  // namespace

void FanGunnerScript(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    EnginePuff(e.x + 6, e.y + 10, 7, 4);
    EnginePuff(e.x - 54, e.y - 10, 7, 4);
    EnginePuff(e.x + 71, e.y - 10, 7, 4);
    EnginePuff(e.x - 44, e.y + 50, 7, 4);
    EnginePuff(e.x + 66, e.y + 50, 7, 4);
    if (a <= 45) {
        e.vy = 4;
    } else if (a <= 49) {
        e.vy = 50 - a;
    } else if (a >= 51 && a <= 99) {
        e.vy = 0;
        if (a % 4 == 0) RequestSound(kSoundVolleyB);
        if (a % 8 == 0) {
            if (e.step < 5) {
                const int32_t fx = Trunc(CentreX(e));
                const int32_t fy = Trunc(e.y + 80);
                const float speed = static_cast<float>(g_nLevel + 6);
                FireFan(e.emitter, fx, fy, 116, 270 + 30 * e.step, speed, 3, 15);
                FireFan(e.emitter, fx, fy, 116, 270 - 30 * e.step, speed, 3, 15);
            }
            e.step += 1;
        }
    } else if (a >= 100 && a <= 239) {
        const int32_t xs = Trunc(e.x);
        if (a == 120) g_EffectMannager.AddMid(Trunc(CentreX(e)), Trunc(e.y + 40), 2, 7, 0, 0);
        if (a == 140) {
            ScatterVolley(e, xs);
            ShootBigTowardShip(e, xs, e.y, 8);
            RequestSound(kSoundVolleyC);
        }
        if (a == 155) ScatterVolley(e, xs);
    } else if (a >= 240) {
        e.vy = -2;
    }
}

void WalkerScript(CEnemy& e) {
    if (g_nStage == kStageWithSecondScript) {
        e.frameX = 2 * e.w;
        WalkerTrails(e);
        Stage4Walker(e);
    } else {
        WalkerTrails(e);
        CommonWalker(e);
    }
}
