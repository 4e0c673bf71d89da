#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "shooting/fire.h"

using kind_script::CentreX;

namespace {

// The carrier's heavy volley: four scattered shots, four aimed from its corners and one large
// bullet.
void CarrierVolley(CEnemy& e, int32_t level) {
    RequestSound(kSoundVolleyA);
    const float speeds[4] = {static_cast<float>(level + 6), static_cast<float>(level + 6),
                             static_cast<float>(level + 8), static_cast<float>(level + 8)};
    for (float speed : speeds) {
        const int32_t tx = g_Player.hitX + Rand() % 60 - 30;
        FireFanAt(e.emitter, Trunc(CentreX(e) - 10), Trunc(e.y + 50), 44, 1, speed, 5, tx,
                  g_Player.hitY);
    }
    const double corners[4][2] = {{10, 50}, {50, 100}, {50, 0}, {110, 50}};
    for (const auto& c : corners) {
        FireFanAt(e.emitter, Trunc(e.x + c[0]), Trunc(e.y + c[1]), 44, 1,
                  static_cast<float>(level + 9), 0, g_Player.hitX, g_Player.hitY);
    }
    FireBigFanAt(e.emitter, Trunc(CentreX(e) - 30), Trunc(e.y + 50), g_nStage == 5 ? 4 : 14, 1,
                 static_cast<float>(level + 12), 0, g_Player.hitX, g_Player.hitY);
}

}  // namespace

void ItemerScript(CEnemy& e) {
    const int32_t a = e.age;
    if (a % 2 == 0) {
        e.animCount += 1;
        if (e.animCount > 2) e.animCount = 0;
    }
    e.frameX = e.w * e.animCount;
    if (a % 64 == 0) {
        FireAimedFan(e.emitter, Trunc(CentreX(e)), Trunc(e.y), 36, 3,
                     static_cast<float>(g_nLevel + 6), 15);
    }
    if (a > 50 && a < 440) {
        e.vy = EnemyWaveNext(e.emitter, 50) * 0.5;
        e.vx = EnemyWaveNext(e.emitter, 70) * 0.3;
    } else if (a < 470) {
        e.vy = 4;
        e.vx = 0;
    } else {
        e.vx = 0;
        e.vy = 0;
    }
}

void CarrierScript(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.vy = 6;
    e.vx = 0;
    if (a < 60) {
        if (e.p2 > e.y) e.step = 1;
        if (e.step == 1) {
            e.vy = -1.5;
            e.vx = e.x > 260 ? -7 : 7;
        }
    } else if (a < 250) {
        e.vx = 0;
        e.vy = 0;
        if (a % 4 == 0)
            g_EffectMannager.AddBackEx(Trunc(CentreX(e) - 40), Trunc(e.y), 8, 7, 0, 0, 0, 5);
        if (a == 61) {
            e.savedVx.SetInt(g_Player.hitX);
            e.savedVy.SetInt(g_Player.hitY);
        }
        if (a < 138 && a % 4 == 0) {
            if ((a - 10) % 64 < 24) {
                RequestSound(kSoundLaunch);
                FireFanAt(e.emitter, Trunc(CentreX(e)), Trunc(e.y), 80, 4,
                          static_cast<float>(level + 6), 40, e.savedVx.AsInt(), e.savedVy.AsInt());
            } else if ((a == 116 || a == 136) && level >= 1) {
                CarrierVolley(e, level);
            }
        }
        if (a > 190 && a % 16 == 0)
            FireFan(e.emitter, Trunc(CentreX(e)), Trunc(e.y), 84, 155, 5, 10, 36);
    } else {
        e.vy = -6;
        e.vx = 0;
    }
    e.vy += EnemyWaveNext(e.emitter, 80) * 0.5;
    e.vx += EnemyWaveNext(e.emitter, 70) * 0.3;
}
