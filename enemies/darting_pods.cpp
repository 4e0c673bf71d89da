#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/game_state.h"
#include "shooting/fire.h"

using kind_script::Spark;

namespace {

// Glides the pod's centre point (x + 59, y + 21) onto the saved target, slowing to a stop at
// age 60.
void Dart(CEnemy& e) {
    const int32_t left = 60 - e.age;
    e.vx = left * (e.savedVx.AsInt() - e.x - 59) / 2200;
    e.vy = -left * (e.savedVy.AsInt() - e.y - 21) / 2200;
}

// Moves away from the ship by a sixtieth of the distance a frame, so the farther off the
// ship, the faster the pod.
void Flee(CEnemy& e) {
    e.vx = -(g_Player.hitX - e.x - 59) / 60;
    e.vy = (g_Player.hitY - e.y - 21) / 60;
}

void PairAtShip(CEnemy& e, int32_t n, float speed) {
    FireFanAt(e.emitter, Trunc(e.x + 40), Trunc(e.y), 88, n, speed, 40, g_Player.hitX,
              g_Player.hitY);
    FireFanAt(e.emitter, Trunc(e.x + 80), Trunc(e.y), 88, n, speed, 40, g_Player.hitX,
              g_Player.hitY);
}

void Trail(const CEnemy& e, int32_t every) {
    if (e.age % every != 0) return;
    Spark(e.x + 10, e.y);
    Spark(e.x + 80, e.y);
}

// The target x is drawn after the target y.
void DrawTarget(CEnemy& e, int32_t yRange, int32_t yBase) {
    const int32_t ty = Rand() % yRange + yBase;
    const int32_t tx = Rand() % 150 + g_Player.hitX - 75;
    e.savedVy.SetInt(ty);
    e.savedVx.SetInt(tx);
}

void CommonPod(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    if (a < 13) DrawTarget(e, 300, -200);
    if (a < 60) {
        Dart(e);
    } else if (a < 200) {
        e.vx = 0;
        e.vy = 0;
        const int32_t c = e.tick;
        e.tick += 1;
        if (c > 5) e.tick = 0;
        if (level >= 1 && (a == 61 || a == 68))
            PairAtShip(e, level == 1 ? 1 : 3, static_cast<float>(level + 6));
    } else if (a < 230) {
        const int32_t c = e.tick;
        e.tick += 1;
        if (c > 16) {
            e.tick = 0;
            FireFan(e.emitter, Trunc(e.x + 50), Trunc(e.y), 84, 0, 6, 18, 20);
        }
    } else {
        Flee(e);
    }
    Trail(e, 4);
}

void Pod(CEnemy& e) {
    const int32_t a = e.age;
    e.frameX = e.w;
    if (a < 12) DrawTarget(e, 150, 40);
    if (a < 60) {
        Dart(e);
    } else if (a < 230) {
        if (a == 61 || a == 68) PairAtShip(e, 3, 6);
    } else {
        Flee(e);
    }
    Trail(e, 8);
}

}  // namespace

void DartingPodScript(CEnemy& e) {
    if (g_nStage == 3 || g_nStage == 5) Pod(e);
    if (g_nStage != 5) CommonPod(e);
}
