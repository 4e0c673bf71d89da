#include <cmath>

#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/angle.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/fire.h"
#include "shooting/player.h"

namespace {

using kind_script::CentreX;
using kind_script::EnginePuff;
using kind_script::kMiddleX;
using kind_script::LevelSpeed;

constexpr int32_t kStageWithSecondPart = 4;

// The usual trail puff behind an engine.
void Puff(double px, double py) {
    EnginePuff(px, py, 12, 0);
}

void BatShot(CEnemy& e) {
    FireAimedFan(e.emitter, Trunc(CentreX(e)), Trunc(e.y - 10), 0, 1,
                 static_cast<float>(6 + g_nLevel), 15);
}

// Kind 41's moves shared by both parts: three engine puffs, the engine sound, the aimed pair
// while its window is open, and the weave.
void Zako8Part(CEnemy& e, int32_t window, float speed) {
    const int32_t a = e.age;
    Puff(CentreX(e) - 30, e.y + 10);
    Puff(CentreX(e) - 80, e.y);
    Puff(CentreX(e) + 20, e.y);
    if (a % 4 == 0) RequestSound(kSoundVolleyB);
    if ((a + e.p1) % window < 20 && a % 4 == 0) {
        FireAimedFan(e.emitter, Trunc(CentreX(e) - 20), Trunc(e.y), 173, 1, speed, 30);
        FireAimedFan(e.emitter, Trunc(CentreX(e) + 20), Trunc(e.y), 173, 1, speed, 30);
    }
    e.vy = 4;
    e.x = e.x0 + std::sin(DegToRad(a + e.p1)) * e.p2;
}

}  // namespace

void BatScript(CEnemy& e) {
    const int32_t a = e.age;
    if (a % 4 == 0) {
        const int32_t shade = Rand() % 3;
        const int32_t dy = Rand() % 4 - 2;
        const int32_t dx = Rand() % 4 - 2;
        g_EffectMannager.AddBackEx(Trunc(e.x + 10), Trunc(e.y), 17, 22, static_cast<float>(dx),
                                   static_cast<float>(dy), shade, 1);
    }
    // Wings flap every four frames; the middle of its life shows the second pair of frames.
    if (a >= 50 && a < 150) {
        e.frameX = a % 8 > 3 ? 90 : 135;
    } else {
        e.frameX = a % 8 > 3 ? 45 : 0;
    }
    if (a == 20) {
        if (e.x > kMiddleX) e.side = -1;
        BatShot(e);
        e.pause = Rand() % 7 * 6;
    }
    if (a == 60 || a == 110) BatShot(e);
    if (e.pause + 30 < a && a < 160) {
        e.vx = 0;
        e.vy = 0;
    } else {
        e.vx = e.side * a / 30;
        e.vy = 4;
    }
}

void Zako7Script(CEnemy& e) {
    const int32_t a = e.age;
    Puff(CentreX(e) - 30, e.y + 10);
    e.vx = e.p2 - a / 4.0;
    if (e.x0 >= kMiddleX) e.vx = -e.vx;
    if (a <= 40) e.vy = e.p1 + 5;
    if (a > 40) {
        e.vx = 0;
        e.vy = 0;
    }
    if (a > 90) e.vy = (a - 90) / 4;
    if (a == 80) {
        RequestSound(kSoundVolleyA);
        const int32_t fx = Trunc(CentreX(e) - 10);
        const int32_t fy = Trunc(e.y);
        FireAimedFan(e.emitter, fx, fy, 40, 2, LevelSpeed(6), 5);
        FireAimedFan(e.emitter, fx, fy, 40, 2, LevelSpeed(8), 5);
        FireAimedFan(e.emitter, fx, fy, 40, 1, LevelSpeed(9), 5);
        FireAimedFan(e.emitter, fx, fy, 40, 1, LevelSpeed(5), 5);
        FireBigFanAt(e.emitter, Trunc(CentreX(e) - 30), Trunc(e.y), 19, 1, LevelSpeed(10), 0,
                     g_Player.hitX, g_Player.hitY);
    }
    e.frameX = e.vx != 0 ? (a / 2) % 5 * e.w : 0;
}

void Zako8Script(CEnemy& e) {
    if (g_nStage == kStageWithSecondPart) {
        e.frameX = e.w;
        Zako8Part(e, 50, 9.0f);
    }
    Zako8Part(e, 40, LevelSpeed(9));
}
