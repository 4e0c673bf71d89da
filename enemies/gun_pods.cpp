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
using kind_script::kMiddleX;
using kind_script::Spark;

namespace {

void SparkEvery4(const CEnemy& e) {
    if (e.age % 4 == 0) Spark(e.x + 10, e.y);
}

// Leaves by the nearer side, rising ever faster.
void LeaveSideways(CEnemy& e) {
    e.vy = -(e.age - 80) * 0.2;
    e.vx = e.x > kMiddleX ? 10 : -10;
}

void BigAtShip(CEnemy& e, int32_t kind, float speed) {
    FireBigFanAt(e.emitter, Trunc(CentreX(e) - 20), Trunc(e.y + 50), kind, 1, speed, 0,
                 g_Player.hitX, g_Player.hitY);
}

void SmallAtShip(CEnemy& e, int32_t kind, float speed, int32_t spread) {
    FireFanAt(e.emitter, Trunc(CentreX(e) - 20), Trunc(e.y + 50), kind, 1, speed, spread,
              g_Player.hitX, g_Player.hitY);
}

void CommonFo4(CEnemy& e, int32_t p1) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    SparkEvery4(e);
    if (a <= 40) e.vy = 10 - (0.02 * p1 + 0.1) * 2 * a;
    if (a == 40) {
        RequestSound(kSoundExplosion);
        BigAtShip(e, 38, 8.5f);
        if (g_nLevel >= 1) BigAtShip(e, 38, 10.5f);
        if (g_nLevel >= 2) BigAtShip(e, 38, 12.5f);
    }
    if (a >= 81) LeaveSideways(e);
}

// Stage 3: it rises from below the bottom edge and settles at height p1.
void Stage3Fo4(CEnemy& e, int32_t p1) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    SparkEvery4(e);
    if (a == 1) e.y = -e.h;
    if (a < 20) e.frameX = 138;
    if (a <= 40) e.y += (p1 - e.y) / 15;
    if (a >= 40 && e.work == 0) {
        e.frameX = 69;
        e.work = 1;
        SmallAtShip(e, 149, 8, 30);
        SmallAtShip(e, 149, 6, 30);
    }
    if (a >= 91) LeaveSideways(e);
}

void Stage5Fo4(CEnemy& e, int32_t p1) {
    const int32_t a = e.age;
    e.frameX = e.w;
    SparkEvery4(e);
    e.vy = 11 - (0.02 * p1 + 0.1) * 2 * a + TimesSquare(0.001, a);
    const int32_t away = e.x0 > kMiddleX ? -1 : 1;
    if (a <= 40) e.vx = away;
    if (a >= 40 && e.work == 0) {
        e.work = 1;
        e.vx = 2 * away;
    }
    if (a >= 81) e.vx = 3 * away;
    if (a % 32 == 0 && a < 90) {
        SmallAtShip(e, 40, 9, 0);
        SmallAtShip(e, 40, 8, 0);
    }
}

// Comes down, stops for a while and climbs back out the top.
void Fo11Motion(CEnemy& e, int32_t stopAfter) {
    const int32_t a = e.age;
    e.vx = 0;
    if (a <= stopAfter + 20) {
        e.vy = 4;
    } else if (a < stopAfter + 70) {
        e.vy = 0;
    } else {
        e.vy = -6;
    }
}

void CommonFo11(CEnemy& e, int32_t p1) {
    const int32_t a = e.age;
    SparkEvery4(e);
    if (a >= 60 && a % 64 == 0) {
        const float speed = static_cast<float>(2 * g_nLevel + 5.5);
        FireAimedFan(e.emitter, Trunc(CentreX(e) + 20), Trunc(e.y), 84, 3, speed, 30);
        FireAimedFan(e.emitter, Trunc(CentreX(e) + 20 - 40), Trunc(e.y), 84, 3, speed, 30);
    }
    // Pods spawned in a row with p1 = 1 stop at heights staggered by their x.
    Fo11Motion(e, p1 == 1 ? Trunc(e.x) % 33 : 0);
}

void Stage5Fo11(CEnemy& e, int32_t p1) {
    const int32_t a = e.age;
    e.frameX = e.w;
    SparkEvery4(e);
    if (a >= 60 && a <= 76 && a % 4 == 0) {
        FireAimedFan(e.emitter, Trunc(CentreX(e) - 30), Trunc(e.y), 84, 1, 9, 20);
        FireAimedFan(e.emitter, Trunc(CentreX(e) + 30), Trunc(e.y), 84, 1, 9, 20);
    }
    Fo11Motion(e, p1);
}

// One pass of the kind-29 fan burst: three bullets to each side, the sides pushed apart by the
// counter's offset.
void Fo9FanPass(CEnemy& e, int32_t rx, float speed) {
    e.step += 1;
    if (e.step >= 8) e.step = 0;
    const int32_t d = e.step >= 0 && e.step < 8 ? Kind29FanOffsets[e.step] : 0;
    const int32_t fy = Trunc(e.y + 30);
    const int32_t right = rx + d + 20;
    const int32_t left = rx - 20 - d;
    FireAngle(e.emitter, right, fy, 84, 350, speed);
    FireAngle(e.emitter, left, fy, 84, 190, speed);
    FireAngle(e.emitter, right, fy, 84, 310, speed);
    FireAngle(e.emitter, left, fy, 84, 230, speed);
    FireAngle(e.emitter, right, fy, 84, 270, speed);
    FireAngle(e.emitter, left, fy, 84, 270, speed);
}

}  // namespace

void Fo4Script(CEnemy& e, int32_t p1) {
    if (g_nStage == 3) {
        Stage3Fo4(e, p1);
    } else if (g_nStage == 5) {
        Stage5Fo4(e, p1);
    } else {
        CommonFo4(e, p1);
    }
}

void Fo11Script(CEnemy& e, int32_t p1) {
    if (g_nStage == 5) {
        Stage5Fo11(e, p1);
    } else {
        CommonFo11(e, p1);
    }
}

void Fo15Script(CEnemy& e) {
    const int32_t a = e.age;
    EnginePuff(CentreX(e) - 30, e.y + 10, 12, 0);
    EnginePuff(CentreX(e) - 80, e.y, 12, 0);
    EnginePuff(CentreX(e) + 20, e.y, 12, 0);
    if ((e.p1 + a) % 44 < 16 && a % 4 == 0) {
        RequestSound(kSoundVolleyB);
        const float speed = static_cast<float>(1.5 * g_nLevel + 7);
        FireAimedFan(e.emitter, Trunc(CentreX(e) - 20), Trunc(e.y), 177, 1, speed, 30);
        FireAimedFan(e.emitter, Trunc(CentreX(e) + 20), Trunc(e.y), 177, 1, speed, 30);
    }
    e.vy = g_nLevel == 2 ? 4 : 3;
    e.x = e.x0 + std::sin(DegToRad(a + e.p1)) * e.p2;
}

void Fo9Script(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t rx = Trunc(e.x + e.w - 60);
    EnginePuff(CentreX(e) - 65, e.y - 10, 10, 1);
    e.vx = 0;
    if (a < 40) {
        e.y += (e.p1 - e.y) / 30;
    } else if (a <= 75) {
        e.vy = 0;
        if (a == 60) e.frameX = e.w;
        if (a == 62) e.frameX = 2 * e.w;
    } else if (a <= 199) {
        e.tick += 1;
        if (e.tick > 5) {
            e.tick = 0;
            const float bvx = static_cast<float>(Rand() % 16 * 0.1 - 0.8);
            g_EBMannager.ShootBig(Trunc(e.x), Trunc(e.y - 5), 14, bvx, 7.5f);
        }
        if (a == 77 || a == 177) {
            for (int32_t i = 0; i < 4; ++i)
                Fo9FanPass(e, rx, static_cast<float>(2 * g_nLevel + i + 6));
        }
    } else {
        e.vy = -7;
    }
}
