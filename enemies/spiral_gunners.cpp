#include <cmath>

#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/angle.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "engine/square.h"
#include "shooting/fire.h"

using kind_script::CentreX;
using kind_script::EnginePuff;
using kind_script::SpiralFans;

namespace {

// The braking drop: fast at first, at rest at age 40.
double EntryY(const CEnemy& e) {
    return e.y0 - 8 * e.age + TimesSquare(0.1, e.age);
}

// Kinds 23 and 21: the kind-21 stand-in fires quieter, slower and without its large bullet.
void DoubleFanGunner(CEnemy& e, bool full) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.vx = 0;
    e.vy = 0;
    EnginePuff(CentreX(e) - 50, e.y + 10, 1, 0);
    if (a < 50) {
        e.y = EntryY(e);
        if (a % 4 == 0) {
            if (full) RequestSound(kSoundLaunch);
            const int32_t angle = 160 + 30 * e.step;
            e.step += 1;
            const int32_t fx = Trunc(CentreX(e) - 8);
            const int32_t fy = Trunc(e.y + 40);
            FireFan(e.emitter, fx, fy, 84, angle, 5, 2, 20);
            FireFan(e.emitter, fx, fy, 84, angle, 6, 2, 20);
            FireFan(e.emitter, fx, fy, 84, angle, 7, 2, 20);
        }
    }
    if (a == 90 || a == 115 || a == 140) {
        g_EffectMannager.AddFrontEx(Trunc(CentreX(e) - 30), Trunc(e.y + 40), 2, 12, 0, 0, 0, 0);
        g_EffectMannager.AddFrontEx(Trunc(CentreX(e) + 30), Trunc(e.y + 40), 2, 12, 0, 0, 0, 0);
    }
    if (a == 100 || a == 125 || a == 150) {
        if (full) RequestSound(kSoundVolleyA);
        const float speed = full ? static_cast<float>(level + 9) : 9.0f;
        const double from[4][2] = {{10, 50}, {50, 100}, {50, 0}, {110, 50}};
        for (const auto& p : from) {
            FireFanAt(e.emitter, Trunc(e.x + p[0]), Trunc(e.y + p[1]), 44, 1, speed, 0,
                      g_Player.hitX, g_Player.hitY);
        }
        if (full) {
            FireBigFanAt(e.emitter, Trunc(CentreX(e) - 40), Trunc(e.y + e.halfH - 40), 14, 1,
                         static_cast<float>(level + 12), 0, g_Player.hitX, g_Player.hitY);
        }
    }
    if (a >= 171) e.y += 2;
}

}  // namespace

void kind_script::SpiralFans(CEnemy& e, float speed) {
    const int32_t cx = Trunc(CentreX(e));
    const int32_t fy = Trunc(e.y + 50);
    const int32_t leftTurn = 640 + 40 * e.step;
    const int32_t rightTurn = 440 - 40 * e.step;
    FireDirFanAtOffset(e.emitter, Trunc(CentreX(e) - 50), fy, 0, 3, speed, 70, cx, 0, leftTurn);
    FireDirFanAtOffset(e.emitter, Trunc(CentreX(e) - 60), fy, 0, 3, speed, 70, cx, 0, leftTurn);
    FireDirFanAtOffset(e.emitter, Trunc(CentreX(e) + 50), fy, 0, 3, speed, 70, cx, 0, rightTurn);
    FireDirFanAtOffset(e.emitter, Trunc(CentreX(e) + 60), fy, 0, 3, speed, 70, cx, 0, rightTurn);
}

void SpiralGunnerScript(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    if (a <= 30) {
        e.x = e.x0 + 40 * std::sin(DegToRad(a));
        e.y = EntryY(e);
        EnginePuff(CentreX(e) - 70, e.y, 10, 0);
    }
    if (a >= 50 && a <= 99 && a % 4 == 0) {
        RequestSound(kSoundLaunch);
        e.step += 1;
        for (int32_t i = 0; i < 4; ++i)
            SpiralFans(e, static_cast<float>(8 - 0.5 * i + g_nLevel));
    }
}

void TwinFanGunnerScript(CEnemy& e) {
    DoubleFanGunner(e, true);
}

void StandInGunnerScript(CEnemy& e) {
    DoubleFanGunner(e, false);
}
