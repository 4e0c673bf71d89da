#include <cmath>
#include <numbers>

#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "shooting/fire.h"
#include "shooting/missile.h"

using kind_script::CentreX;
using kind_script::EnginePuff;
using kind_script::kMiddleX;

namespace {

// The swing eases off along a quarter cosine that reaches 0 at age 42.
double Swing(double top, int32_t dir, int32_t age) {
    return top * dir * std::cos(age * std::numbers::pi / 84);
}

// Both wing guns: each fires a wobbling pair at points scattered across `spread` around the
// ship's column, every target drawn just before its shot.
void WingVolley(CEnemy& e, double s0, int32_t spread) {
    const double gunX[2] = {CentreX(e) - 80, CentreX(e) + 60};
    for (double gx : gunX) {
        const int32_t fx = Trunc(gx);
        const int32_t fy = Trunc(e.y + 50);
        const int32_t t1 = g_Player.hitX + Rand() % spread - spread / 2;
        FireFanAt(e.emitter, fx, fy, 36, 1, static_cast<float>(s0), 0, t1, g_Player.hitY);
        const int32_t t2 = g_Player.hitX + Rand() % spread - spread / 2;
        FireFanAt(e.emitter, fx, fy, 0, 1, static_cast<float>(s0 + 0.5), 0, t2, g_Player.hitY);
    }
}

void WingCannons(CEnemy& e, double speed) {
    FireBigFanAt(e.emitter, Trunc(CentreX(e) - 80), Trunc(e.y + 50), 5, 1,
                 static_cast<float>(speed), 0, g_Player.hitX, g_Player.hitY);
    FireBigFanAt(e.emitter, Trunc(CentreX(e) + 60), Trunc(e.y + 50), 5, 1,
                 static_cast<float>(speed), 0, g_Player.hitX, g_Player.hitY);
}

void RememberShip(CEnemy& e) {
    e.savedVx.SetInt(g_Player.hitX);
    e.savedVy.SetInt(g_Player.hitY);
}

void HammerRememberedSpot(CEnemy& e, double speed) {
    FireBigFanAt(e.emitter, Trunc(CentreX(e) - 40), Trunc(e.y), 38, 1, static_cast<float>(speed), 0,
                 e.savedVx.AsInt(), e.savedVy.AsInt());
}

// Swings in toward the middle from whichever side it is on.
void SwingIn(CEnemy& e, double top) {
    e.param3 = CentreX(e) < kMiddleX ? 1 : -1;
    e.vx = Swing(top, e.param3, e.age);
    e.vy = -1;
}

void Missiles(CEnemy& e) {
    const int32_t left = Rand() % 6 * 10 - 40;
    g_MissileMannager.Shoot(Trunc(CentreX(e) - 40), Trunc(e.y + 50), 0, 0, 9.0, left);
    const int32_t right = Rand() % 6 * 10 - 20;
    g_MissileMannager.Shoot(Trunc(CentreX(e) + 40), Trunc(e.y + 50), 0, 0, 9.0, right);
}

void CommonGunship(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    if (a == 1) {
        e.vy = 0;
        e.y = 240;
    } else if (a <= 41) {
        SwingIn(e, 12);
    } else if (a <= 59) {
        e.vx = 0;
        e.vy = 0;
        if (a == 58 && level >= 1) {
            RequestSound(kSoundVolleyA);
            const float speed = static_cast<float>(2 * level + 8);
            FireRing(e.emitter, Trunc(CentreX(e) - 10), Trunc(e.y + 60), 177, 10, speed,
                     g_Player.hitX, g_Player.hitY, 2.0);
            FireBigFanAt(e.emitter, Trunc(CentreX(e) - 30), Trunc(e.y + 40), 19, 1, speed, 0,
                         g_Player.hitX, g_Player.hitY);
        }
    } else if (a <= 109) {
        e.vy = -1;
        if (a % 6 == 0) Missiles(e);
    } else if (a <= 139) {
        e.vx = 0;
        e.vy = 0;
    } else if (a <= 169) {
        e.vy = -1;
        if (a == 141) WingCannons(e, 8.5);
        if (a % 2 == 0) WingVolley(e, Rand() % 40 * 0.1 + 3.5, 200);
    } else if (a <= 179) {
        RememberShip(e);
    } else if (a <= 209) {
        HammerRememberedSpot(e, 9);
    }
}

void Stage4Gunship(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.frameX = e.w;
    if (a == 1) {
        e.vy = 0;
        e.y = e.p1;
    } else if (a <= 34) {
        SwingIn(e, 10);
    } else if (a <= 59) {
        e.vx = 0;
        e.vy = 0;
    } else if (a <= 79) {
        // It keeps backing up while firing, as the other stages' version does at these ages.
        e.vy = -1;
        if (a == 61) WingCannons(e, 1.5 * level + 8.5);
        if (a % 2 == 0) WingVolley(e, Rand() % 40 * 0.1 + 3.5 + 1.5 * level, 200);
    } else if (a <= 149) {
        e.vy = 0;
    } else {
        e.vy = -1;
    }
}

// The barrage of the stage-5 version: engine sound on odd ages, a volley with its own sound on
// even ones.
void Stage5Barrage(CEnemy& e, int32_t level) {
    if (e.age % 2 == 0) {
        RequestSound(kSoundLaunch);
        WingVolley(e, Rand() % 40 * 0.1 + 3.5 + 2 * level, 140);
    } else {
        RequestSound(kSoundVolleyB);
    }
}

void Stage5Gunship(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.frameX = 2 * e.w;
    const double sc = e.x0 + e.halfW;
    const bool fromSide = sc < 134 || sc > 510;
    if (a == 1) {
        e.vy = 0;
        if (fromSide) e.y = e.p1;
    } else if (a <= 34) {
        int32_t dir = 0;
        if (sc < 134) {
            dir = 1;
            e.vy = -1;
        } else if (sc > 510) {
            dir = -1;
            e.vy = -1;
        } else {
            e.y += (e.p1 - e.y) * 0.05;
        }
        e.param3 = dir;
        e.vx = Swing(11, dir, a);
    } else if (a <= 54) {
        e.vx = 0;
        e.vy = 0;
    } else if (a <= 79 + 6 * level) {
        e.vy = -0.5;
        if (a == 55) WingCannons(e, 1.5 * level + 8.5);
        Stage5Barrage(e, level);
    } else if (a <= 139) {
        e.vx = 0;
        e.vy = 0;
    } else if (a <= 159) {
        e.vy = -0.5;
        if (a == 141) WingCannons(e, 2 * level + 8.5);
        Stage5Barrage(e, level);
    } else if (a <= 179) {
        RememberShip(e);
    } else if (a <= 209) {
        HammerRememberedSpot(e, 3 * level + 9);
    }
}

}  // namespace

void GunshipScript(CEnemy& e) {
    // The two engine trails go out first every frame, before whichever version runs; they draw
    // no random numbers, so the order only decides their place in the back ring.
    EnginePuff(e.x, e.y + 30, 10, 0);
    EnginePuff(e.x + 130, e.y + 30, 10, 0);
    if (g_nStage == 4) {
        Stage4Gunship(e);
    } else if (g_nStage == 5) {
        Stage5Gunship(e);
    } else {
        CommonGunship(e);
    }
}
