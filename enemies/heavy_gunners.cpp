#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "engine/square.h"
#include "shooting/fire.h"

using kind_script::CentreX;
using kind_script::EnginePuff;
using kind_script::SpiralFans;

namespace {

void Beam(CEnemy& e) {
    FireBigFanAtTurned(e.emitter, Trunc(CentreX(e) - 25), Trunc(e.y + 50), 17, 1, 11, 0,
                       g_Player.hitX, g_Player.hitY, 0);
}

void Fo8Trail(const CEnemy& e) {
    EnginePuff(Trunc(CentreX(e)) - 70, e.y, 10, 0);
}

void CommonFo8(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    if (a <= 35) {
        e.y = e.y0 - (e.p1 + 12) * a + TimesSquare(0.2, a);
        Fo8Trail(e);
    }
    if (a >= 50 && a <= 99 && a % 4 == 0) {
        e.step += 1;
        for (int32_t i = 0; i < 4; ++i)
            SpiralFans(e, static_cast<float>(8 - 0.5 * i + 2 * g_nLevel));
    }
    if (a > 170) e.y += 2;
}

void Stage5Fo8(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t cxi = Trunc(CentreX(e));
    e.vx = 0;
    e.vy = 0;
    if (a <= 35) {
        e.y += (e.p1 - e.y) / 30;
        Fo8Trail(e);
    }
    if (a < 50) {
        // Pairs come in bursts: the counter steps every fourth frame, and five steps in nine
        // fire.
        const int32_t c = e.tick;
        e.tick += 1;
        if (c > 2) {
            e.tick = 0;
            e.step += 1;
            if (e.step >= 9) e.step = 0;
            if (e.step < 5) {
                FireAimed(e.emitter, cxi + 20, Trunc(e.y + 60), 80, 9);
                FireAimed(e.emitter, cxi - 20, Trunc(e.y + 60), 80, 9);
            }
        }
    } else if (a < 120) {
        if (a % 4 == 0) {
            e.step += 1;
            const int32_t leftTurn = Rand() % 30 - 15;
            FireFanAtTurned(e.emitter, cxi - 30, Trunc(e.y + 60), 108, 1, 9, 0, g_Player.hitX,
                            g_Player.hitY, leftTurn);
            const int32_t rightTurn = Rand() % 30 - 15;
            FireFanAtTurned(e.emitter, cxi + 30, Trunc(e.y + 60), 108, 1, 9, 0, g_Player.hitX,
                            g_Player.hitY, rightTurn);
        }
    } else if (a >= 170) {
        if (a == 170) RequestSound(kSoundCharge);
        if (a < 185) Beam(e);
        e.vy = -5;
    }
}

// Two guns, four passes each of four aimed fans: 80 bullets.
void HeavyBurst(CEnemy& e, int32_t ax, int32_t ay) {
    for (int32_t gx : {ax, ax + 60}) {
        for (int32_t i = 0; i < 4; ++i) {
            FireAimedFan(e.emitter, gx, ay, 84, 3, static_cast<float>(i + 6), 50);
            FireAimedFan(e.emitter, gx, ay, 44, 2, static_cast<float>(i + 6), 50);
            FireAimedFan(e.emitter, gx, ay, 84, 3, static_cast<float>(i + 5.5), 50);
            FireAimedFan(e.emitter, gx, ay, 44, 2, static_cast<float>(i + 5.5), 50);
        }
    }
}

}  // namespace

void Fo8Script(CEnemy& e) {
    if (g_nStage == 5) {
        Stage5Fo8(e);
    } else {
        CommonFo8(e);
    }
}

void Fo7Script(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t ax = Trunc(CentreX(e) - 40);
    const int32_t ay = Trunc(e.y + 90);
    EnginePuff(CentreX(e) - 65, e.y + 30, 10, 1);
    if (a <= 49) {
        if (a < 10) e.side = e.x < 188 ? 2 : -2;
        e.vx = 0;
        e.vy = 5;
    } else if (a <= 129) {
        e.vx = 0;
        e.vy = 0;
        if (a == 60) HeavyBurst(e, ax, ay);
    } else if (a <= 159) {
        if (a % 4 == 0) {
            const int32_t spread = 200 - 40 * e.step;
            const float speeds[4] = {11, 9, 8, 7};
            for (float speed : speeds)
                FireFan(e.emitter, Trunc(CentreX(e) - 8), ay, 32, -90, speed, 2, spread);
            e.step += 1;
        }
        if (a == 130) {
            RequestSound(kSoundCharge);
            Beam(e);
        }
        e.vx = e.side * 8 * (160 - a) * 0.01;
        e.vy = -6 * (160 - a) * 0.01;
    } else if (a <= 259) {
        if (a % 64 == 0) HeavyBurst(e, ax, ay);
    } else if (a <= 279) {
        // Whole-number steps: the swing back stops a few frames before age 280.
        e.vx = -e.side * 10 * (280 - a) / 150;
        e.vy = -6 * (300 - a) * 0.01;
    } else {
        e.vx = 0;
        e.vy = -4;
    }
}
