#include <bit>
#include <cmath>
#include <cstdint>

#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/angle.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/square.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/enemy_laser.h"
#include "shooting/fire.h"
#include "shooting/laser_shot.h"
#include "shooting/player.h"

namespace {

using kind_script::Cx;
using kind_script::kMiddleX;
using kind_script::Spark;
using kind_script::Yk;

float Speed(double v) {
    return static_cast<float>(v);
}

// A trail puff on the back effect ring that stands still where it was left.
void Trail(double px, double py, int32_t image2, int32_t b, int32_t a) {
    g_EffectMannager.AddBackEx(Trunc(px), Trunc(py), 8, image2, 0, 0, b, a);
}

// The pods' exhaust spark sits 10 right of the whole part of x; kind 8's is taken from x + 10
// as a whole, which differs left of the field's edge.
void PodSpark(const CEnemy& e) {
    Spark(Trunc(e.x) + 10, e.y);
}

void AimedShot(CEnemy& e, int32_t fx, int32_t fy, int32_t kind, float speed, int32_t spread) {
    FireFanAt(e.emitter, fx, fy, kind, 1, speed, spread, g_Player.hitX, g_Player.hitY);
}

void AimedBig(CEnemy& e, int32_t fx, int32_t fy, int32_t kind, float speed) {
    FireBigFanAt(e.emitter, fx, fy, kind, 1, speed, 0, g_Player.hitX, g_Player.hitY);
}

// Pods start just below the field and ease up toward their p1 height.
void RisePod(CEnemy& e) {
    if (e.age < 2) e.y = -e.h;
    if (e.age <= 40) e.y += (e.p1 - e.y) / 15;
}

// The pod of kind 40 leaving: engine trail and sparks, climbing fast and away from the middle.
void PodDeparture(CEnemy& e) {
    if (e.age <= 90) return;
    Trail(Cx(e) - 40, e.y, 7, 0, 1);
    if (e.age % 4 == 0) PodSpark(e);
    e.vy = -10;
    e.vx = e.x <= kMiddleX ? -2 : 2;
}

// Kind 40 on stages 1 and 2: it also slides sideways, mirrored about the middle when p2 is set,
// fires a little earlier at stage-specific speeds and shows that stage's frames.
void PodOfEarlyStage(CEnemy& e, int32_t idleFrame, int32_t shotFrame, float first, float second) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    if (a < 2) e.y = -e.h;
    if (a < 30) e.frameX = idleFrame;
    if (a <= 40) {
        const int32_t m = (644 - e.w) / 2;
        const int32_t target = e.p2 == 0 ? Trunc(e.x0) : Trunc(2 * (m - e.x0) + e.x0);
        e.x += (target - e.x) / 15;
        e.y += (e.p1 - e.y) / 15;
    }
    Trail(Cx(e) - 30, e.y, 18, 0, 1);
    if (a >= 35 && e.work == 0) {
        e.frameX = shotFrame;
        e.work = 1;
        AimedShot(e, Cx(e) - 20, Yk(e, 50), 32, first, 30);
        AimedShot(e, Cx(e) - 20, Yk(e, 50), 32, second, 30);
    }
    PodDeparture(e);
}

// The laser of the beam carriers takes its scale as the two halves of a double.
void AddBeam(int32_t bx, int32_t by, double scale) {
    g_ELazer.AddSimple(bx, by, 10, 10, 1, ScaleLowWord(scale), ScaleHighWord(scale));
}

// One frame of the carriers' 35-frame beam cycle at phase u: the side sign flips, sparks and a
// sound announce the beam, which grows, holds and shrinks, then rests. With followSide the beam
// and the spark origin sit 50 pixels to the side the flip has just chosen, otherwise centred.
void BeamCycle(CEnemy& e, int32_t u, int32_t sparks, bool followSide) {
    if (u == 5) e.param3 = -e.param3;
    const int32_t g = e.param3;
    if (u == 6) {
        RequestSound(kSoundVolleyA);
        const int32_t sx = followSide ? Trunc(e.x + e.halfW - 20 - 50.0 * g) : Cx(e) - 20;
        const int32_t sy = Trunc(e.y - 20);
        const int32_t step = 360 / sparks;
        for (int32_t i = 0; i < sparks; ++i) {
            const double t = DegToRad(step * i);
            const int32_t shade = Rand() % 3;
            g_EffectMannager.AddMidEx(sx, sy, 17, 22, static_cast<float>(5 * std::cos(t)),
                                      static_cast<float>(5 * std::sin(t)), shade, 1);
        }
    }
    const int32_t bx = followSide ? Trunc(e.x + e.halfW - 50.0 * g) : Cx(e);
    const int32_t by = Trunc(e.y + 50);
    if (u >= 6 && u <= 14) AddBeam(bx, by, 0.225 * (u - 5) + 0.1);
    if (u >= 15 && u <= 19) AddBeam(bx, by, 1.0);
    if (u >= 20 && u <= 29) AddBeam(bx, by, 1.0 - 0.09 * (u - 20));
}

// Kinds 26 and 34 drop in until they pass p2 - p1, then swoop out sideways along a parabola;
// the point where the swoop left them is where they later climb from.
void Swoop(CEnemy& e, double c) {
    const int32_t a = e.age;
    if (a >= e.p1 + 25) return;
    e.vx = 0;
    e.vy = 6;
    if (e.y < e.p2 - e.p1) e.step = 1;
    if (e.step != 1) return;
    e.y = e.p2 + a;
    const int32_t x0 = Trunc(e.x0);
    e.x = e.x0 <= 300 ? x0 + 13.0 * a - TimesSquare(c, a) : x0 - 13.0 * a + TimesSquare(c, a);
    e.SetWorkDouble(0, e.x);
    e.SetWorkDouble(1, e.y);
}

void Climb(CEnemy& e, int32_t from, double rate) {
    e.y = e.WorkDouble(1) + TimesSquare(rate, e.age - from);
}

// Kind 34: the swoop, a short random-phased spray while it stays, then a climb away.
void SwoopingFry(CEnemy& e, double speed) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    Swoop(e, 0.25);
    if (a >= 80) {
        Climb(e, 80, 0.1);
    } else if (a >= e.p1 + 25) {
        if (a == e.p1 + 26) e.step = Rand() % 99;
        if (a % 4 == 0 && (a + e.step) % 32 < 9)
            AimedShot(e, Trunc(e.x + 10), Trunc(e.y), 36, Speed(speed), 0);
    }
    Trail(e.x - 8, e.y - 18, 8, 0, 1);
}

// Turns the sprite toward the ship: the sheet holds one quadrant in ten-degree frames, the
// flip flags and the blend mode supply the other three.
void Face(CEnemy& e, int32_t frameW) {
    int32_t t = AimAngle(e.emitter, Trunc(e.x), Trunc(e.y), g_Player.hitX, g_Player.hitY);
    while (t > 360)
        t -= 360;
    while (t < 0)
        t += 360;
    CDrawMode& d = e.draw;
    if (t <= 90) {
        d.vflip = 0;
        d.mirror = 0;
        d.mode = 2;
    } else if (t <= 180) {
        d.vflip = 1;
        d.mirror = 0;
        d.mode = 2;
        t = 180 - t;
    } else if (t <= 270) {
        d.vflip = 1;
        d.mirror = 1;
        d.mode = 11;
        t = t - 180;
    } else {
        d.vflip = 0;
        d.mirror = 1;
        d.mode = 11;
        t = 360 - t;
    }
    if (t < 0) t = 0;
    if (t > 90) t = 90;
    e.frameX = t / 10 * frameW;
}

// Kinds 35 and 9 sink and drift out toward the nearer side once their stay is over.
void DriftOut(CEnemy& e) {
    const int32_t t = e.age - e.p1 - 80;
    e.param3 = e.x >= kMiddleX ? 1 : -1;
    e.vy = 0.1 * t;
    e.vx = 0.1 * e.param3 * t;
}

// Slows from 8 to a stop over the first p1 frames.
void BrakeIn(CEnemy& e) {
    e.vx = 0;
    e.vy = 8 * (e.p1 - e.age) / e.p1;
}

void AimedPair(CEnemy& e, int32_t fx, int32_t fy, double first, double second) {
    FireAimed(e.emitter, fx, fy, 36, Speed(first));
    FireAimed(e.emitter, fx, fy, 36, Speed(second));
}

void AimedFanPair(CEnemy& e, int32_t fx, int32_t fy, double first, double second) {
    AimedShot(e, fx, fy, 36, Speed(first), 20);
    AimedShot(e, fx, fy, 36, Speed(second), 20);
}

void FacingTrail(const CEnemy& e) {
    Trail(e.x - 3, e.y, 8, 1, 1);
}

// Kind 9 on stages 4 and 5: it slides out sideways ever faster from the start and fires fans
// while it stays and, from difficulty 1, all the time. Nothing sets vy after the entry, so it
// keeps falling at 8; on an age that is a multiple of both 30 and 24 during its stay, both
// pairs fire, the stay's first.
void SlidingFacer(CEnemy& e, double first, double second) {
    const int32_t a = e.age;
    Face(e, 54);
    e.param3 = e.x0 >= kMiddleX ? 1 : -1;
    const int32_t half = e.p1 / 2;
    e.vx = 0.1 * e.param3 * (a - half);
    if (a < e.p1) e.vy = 8;
    if (a < e.p1 + 80 && a % 30 == 0) AimedFanPair(e, Cx(e) - 10, Trunc(e.y), first, second);
    if (a % 24 == 0 && g_nLevel >= 1) AimedFanPair(e, Cx(e) - 10, Trunc(e.y), first, second);
    FacingTrail(e);
}

}  // namespace

void ActKind27(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.vx = 0;
    e.vy = 0;
    Trail(Cx(e) - 30, e.y - 10, 18, 0, 1);
    if (a % 4 == 0) PodSpark(e);
    RisePod(e);
    if (a >= 40 && a < 60 && a % 4 == 0) {
        if (a == 40) RequestSound(kSoundAttack);
        e.frameX = 0;
        AimedShot(e, Cx(e) - 20, Yk(e, 50), 32, Speed(level + 7), 30);
        AimedShot(e, Cx(e), Yk(e, 50), 32, Speed(level + 7), 30);
    }
    if (a > 100) e.vy = -5;
}

void ActKind40(CEnemy& e) {
    if (g_nStage == 1) {
        ActKind40Step1(e);
        return;
    }
    if (g_nStage == 2) {
        ActKind40Step2(e);
        return;
    }
    const int32_t a = e.age;
    const double level = g_nLevel;
    e.vx = 0;
    e.vy = 0;
    if (a < 2) e.y = -e.h;
    if (a < 30) e.frameX = 85;
    if (a <= 40) e.y += (e.p1 - e.y) / 15;
    Trail(Cx(e) - 30, e.y, 18, 0, 1);
    if (a >= 40 && e.work == 0) {
        if (a % 4 == 0) PodSpark(e);
        e.frameX = 0;
        e.work = 1;
        AimedShot(e, Cx(e) - 20, Yk(e, 50), 32, Speed(2.5 * level + 8), 30);
        AimedShot(e, Cx(e) - 20, Yk(e, 50), 32, Speed(2.5 * level + 6), 30);
    }
    PodDeparture(e);
}

void ActKind40Step1(CEnemy& e) {
    const double level = g_nLevel;
    PodOfEarlyStage(e, 430, 344, Speed(level + 6), Speed(level + 8));
}

void ActKind40Step2(CEnemy& e) {
    const double level = g_nLevel;
    PodOfEarlyStage(e, 258, 172, Speed(1.5 * level + 9), Speed(1.5 * level + 7));
}

void ActKind38(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    const int32_t s = e.x0 + e.halfW < kMiddleX ? 2 * a : -2 * a;
    e.angle = Trunc(80 * std::sin(DegToRad(s)));
    e.vx = 9 * std::sin(DegToRad(e.angle));
    e.vy = 9 * std::cos(DegToRad(e.angle)) + 2;
    Trail(Cx(e) - 30, e.y + e.halfH - 30, 18, 0, 1);
    const bool fires = a == e.p2 || (level >= 1 && a == 2 * e.p2) || (level == 2 && a == e.p2 / 2);
    if (fires) {
        AimedShot(e, Cx(e) - 20, Yk(e, 50), 36, Speed(2 * level + 10), 30);
        AimedShot(e, Cx(e) - 20, Yk(e, 50), 36, Speed(2 * level + 8), 30);
    }
}

void ActKind39(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.vx = e.p1;
    e.vy = TimesSquare(0.004, a);
    if (g_nStage == 1) e.frameX = 75;
    Trail(Cx(e) - 30, e.y, 8, 1, 1);
    if (level == 0 && a < 8) e.step = Rand() % 2;
    if (a == 35 && e.step == 0) {
        AimedShot(e, Trunc(e.x - 10), Trunc(e.y), 36, Speed(2 * level + 10), 0);
        AimedShot(e, Trunc(e.x - 10), Trunc(e.y), 36, Speed(2 * level + 11), 0);
    }
}

void ActKind15(CEnemy& e) {
    const int32_t a = e.age;
    const double level = g_nLevel;
    const int32_t cx = Cx(e);
    e.vx = 0;
    e.vy = 0;
    if (g_nStage == 4) e.frameX = e.w;
    if (a < 180) {
        if (a % 4 == 0) RequestSound(kSoundVolleyB);
        if (e.tick++ > 2) {
            e.tick = 0;
            e.step += 1;
            if (e.step > 8) e.step = 0;
            if (a > 130) {
                const double swing = 10 * std::sin(DegToRad(20 * a));
                FireAngle(e.emitter, cx + 40, Yk(e, 30), 0, Trunc(300 + swing), 5);
                FireAngle(e.emitter, cx - 40, Yk(e, 30), 0, Trunc(240 - swing), 5);
            }
            if (e.step < 5) {
                // Stage 4 fires faster; every other stage, 5 among them, takes stage 1's speed.
                const float speed = Speed(g_nStage == 4 ? 2 * level + 6 : 1.5 * level + 6);
                FireAimed(e.emitter, cx + 20, Yk(e, 60), 80, speed);
                FireAimed(e.emitter, cx - 20, Yk(e, 60), 80, speed);
            }
        }
    } else if (e.tick++ > 2 && a % 32 < 16) {
        e.tick = 0;
        for (const int32_t angle : {385, 355, 285, 255, 185, 155})
            FireAngle(e.emitter, cx, Trunc(e.y), 80, angle, 5);
    }
    if (a < 50) e.vy = 6;
    if (a >= 71 && a <= 109) {
        e.vx = e.x > 300 ? -1 : (e.x < 130 ? 1 : 0);
        e.vy = -4;
    }
    if (a % 4 == 0) {
        Trail(e.x + 20, e.y + 10, 12, 0, 5);
        Trail(e.x + 100, e.y + 10, 12, 0, 5);
        Trail(e.x + 10, e.y + 50, 12, 0, 5);
        Trail(e.x + 110, e.y + 50, 12, 0, 5);
    }
    if (a > 300) e.vx = e.x <= 300 ? -6 : 6;
}

void ActKind16(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    if (a < 40) {
        e.vy = 6;
        return;
    }
    const int32_t cx = Cx(e);
    const int32_t fy = Yk(e, 30);
    e.vx = 0.3 * EnemyWaveNext(e.emitter, 70);
    if (a == 60) {
        RequestSound(kSoundVolleyC);
        e.param3 = cx >= kMiddleX ? -1 : 1;
        for (int32_t j = 0; j < 8; ++j) {
            e.step += 1;
            if (e.step >= 8 || e.step < 0) e.step = 0;
            const int32_t o = EyeShotOffsets[e.step];
            const float speed = Speed(j + 3);
            FireAngle(e.emitter, cx + 40 + o, fy, 141, 350, speed);
            FireAngle(e.emitter, cx - 40 - o, fy, 141, 190, speed);
            FireAngle(e.emitter, cx + 40 + o, fy, 141, 310, speed);
            FireAngle(e.emitter, cx - 40 - o, fy, 141, 230, speed);
            FireAngle(e.emitter, cx + 40 + o, fy, 141, 270, speed);
            FireAngle(e.emitter, cx - 40 - o, fy, 141, 270, speed);
        }
        e.step = 0;
    }
    if (a > 100) {
        if (a % 4 == 0 && a % 64 < 24) AimedBig(e, cx - 25, Trunc(e.y), 46, 7);
        e.vx = 3.5 * e.param3 * std::cos(DegToRad(2 * (a - 100)));
        e.vy = -1;
    }
    Trail(cx + 10, e.y, 8, 0, 1);
    Trail(cx - 70, e.y, 8, 0, 1);
}

void ActKind17(CEnemy& e) {
    const int32_t a = e.age;
    if (a == 40) FireAimedFan(e.emitter, Trunc(e.x), Trunc(e.y), 0, 3, 4, 15);
    e.vx = 0;
    e.vy = 0;
    if (a < 70) e.vy = 6;
    if (a >= 101 && a <= 149) {
        // The turn to the right tests the height, not the position across.
        e.vx = e.x > 270 ? -2 : (e.y < 130 ? 2 : 0);
        e.vy = -6;
    }
    e.vy += EnemyWaveNext(e.emitter, 80);
    e.vx += 0.3 * EnemyWaveNext(e.emitter, 70);
    if (a % 4 == 0) {
        Trail(e.x + 50, e.y + 30, 0, 0, 5);
        Trail(e.x + 130, e.y + 30, 0, 0, 5);
        Trail(e.x + 40, e.y + 70, 0, 0, 5);
        Trail(e.x + 140, e.y + 70, 0, 0, 5);
    }
}

void ActKind32(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.vx = 0;
    e.vy = 0;
    if (a < e.p1 + 25) {
        e.vy = 6;
        if (e.y < e.p2 - e.p1) e.step = 1;
        // The swoop belongs to the entry window: from age p1 + 25 the ship keeps the x the
        // swoop left it at, even with step still 1.
        if (e.step == 1) {
            e.y = e.p2 + a;
            const int32_t x0 = Trunc(e.x0);
            e.x = e.x0 <= 300 ? x0 + 13.0 * a - TimesSquare(0.24, a)
                              : x0 - 13.0 * a + TimesSquare(0.24, a);
        }
    }
    if (a >= e.p1 + 25 && a < 80 && a % 4 == 0) {
        RequestSound(kSoundVolleyD);
        const int32_t spread = Rand() % 100;
        FireFanAt(e.emitter, Trunc(e.x + 45), Trunc(e.y), 116, 1, Speed(level + 9), 0,
                  g_Player.hitX - 50 + spread, g_Player.hitY);
    }
    // Ages 80..99 end the frame here, without trails.
    if (a >= 80 && a < 100) return;
    if (a == 101) FireAimedFan(e.emitter, Cx(e) - 25, Trunc(e.y), 141, 5, 8, 15);
    if (a > 130) e.vy = -3;
    Trail(e.x - 10, e.y - 20, 8, 0, 1);
    Trail(e.x + 50, e.y - 20, 8, 0, 1);
}

void ActKind25(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    if (a < 70) e.vy = (70 - a) * 6 / 70;
    if (a == 70 || a >= 450) {
        e.vy = -3;
        return;
    }
    if (a >= 71) e.vx = e.x > 300 ? -1 : (e.x < 130 ? 1 : 0);
    e.vy += 0.1 * EnemyWaveNext(e.emitter, 80);
    e.vx += 0.3 * EnemyWaveNext(e.emitter, 70);
    if (a % 2 == 0) {
        Trail(e.x - 40, e.y + 30, 10, 0, 2);
        Trail(e.x + 100, e.y + 30, 10, 0, 2);
    }
    if ((a >= 91 && a <= 299 && a % 8 == 0) || a == 90) {
        const bool first = a == 90;
        const int32_t image2 = first ? 7 : 8;
        const int32_t b = first ? 1 : 2;
        g_EffectMannager.AddMidEx(Cx(e) + 50, Yk(e, 10), 2, image2, 0, 0, b, 0);
        g_EffectMannager.AddMidEx(Cx(e) - 50, Yk(e, 10), 2, image2, 0, 0, b, 0);
    }
    if (a > 120) BeamCycle(e, (a - 120) % 35, 20, true);
}

void ActKind14(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    e.y += (250 - e.y) / 30;
    if (a < 70) e.x += ((g_Player.hitX - e.x) - e.halfW) / 30;
    if (a >= 450) {
        e.vy = -3;
        return;
    }
    e.vy += 0.1 * EnemyWaveNext(e.emitter, 80);
    if (a % 2 == 0) {
        Trail(e.x - 40, e.y + 30, 10, 1, 2);
        Trail(e.x + 100, e.y + 30, 10, 1, 2);
    }
    // The carrier flips its side every cycle like kind 25, but its beam stays on the centre.
    if (a >= 81 && a <= 219) BeamCycle(e, (a - 80) % 35, 10, false);
    if (a >= 220) e.vy = -3;
}

void ActKind26(CEnemy& e) {
    if (g_nStage == 1) {
        ActKind26Step2(e);
        return;
    }
    if (g_nStage == 5) {
        ActKind26Step1(e);
        return;
    }
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.vx = 0;
    e.vy = 0;
    Swoop(e, 0.24);
    Trail(e.x - 10, e.y - 20, 8, 0, 1);
    Trail(e.x + 50, e.y - 20, 8, 0, 1);
    if (a == e.p1 + 26 && a < 100) e.step = Rand() % 111;
    if (a >= e.p1 + 25 && a < 200 && a % 8 == 0 && (a + e.step) % 64 < 16) {
        // The extra shots depend on the stage reached, not on the difficulty.
        const int32_t fx = Trunc(e.x + 30);
        const int32_t fy = Trunc(e.y);
        AimedBig(e, fx, fy, 38, 9);
        if (g_nStage >= 1) AimedBig(e, fx, fy, 38, 11);
        if (g_nStage >= 2) AimedBig(e, fx, fy, 38, a < 100 ? Speed(2 * level + 9) : 13);
    }
    if (a >= 200) Climb(e, 200, 0.02);
}

void ActKind26Step2(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.frameX = e.w;
    e.vx = 0;
    e.vy = 0;
    Swoop(e, 0.24);
    Trail(e.x - 10, e.y - 20, 8, 0, 1);
    Trail(e.x + 60, e.y - 20, 8, 0, 1);
    if (a == e.p1 + 26) e.step = Rand() % 111;
    if (a >= e.p1 + 25 && a < 100) {
        if (a == e.p1 + 39) RequestSound(kSoundAttack);
        if (a % 2 == 0 && (a + e.step) % 64 < 16)
            AimedBig(e, Trunc(e.x + 30), Trunc(e.y), 34, Speed(2 * level + 7));
    }
    if (a >= 100) Climb(e, 100, 0.02);
}

void ActKind26Step1(CEnemy& e) {
    const int32_t a = e.age;
    e.frameX = 2 * e.w;
    e.vx = 0;
    e.vy = 0;
    Swoop(e, 0.24);
    Trail(e.x - 10, e.y - 20, 8, 0, 1);
    Trail(e.x + 60, e.y - 20, 8, 0, 1);
    if (a == e.p1 + 26) e.step = Rand() % 111;
    if (a >= e.p1 + 25 && a < 100) {
        const int32_t u = (a + e.step) % 64;
        if (a % 2 == 0 && u < 16) {
            // One sound per burst: the flag drops again near the end of the 64-frame cycle.
            if (e.toggle == 0) {
                RequestSound(kSoundVolleyE);
                e.toggle = 1;
            }
            AimedBig(e, Trunc(e.x + 30), Trunc(e.y), 34, 8);
        }
        if (u > 60) e.toggle = 0;
        if (u < 20 && u % 4 == 0) {
            FireAimedFan(e.emitter, Cx(e) - 30, Trunc(e.y), 80, 2, 8, 20);
            FireAimedFan(e.emitter, Cx(e) + 30, Trunc(e.y), 80, 2, 8, 20);
        }
    }
    if (a >= 100) Climb(e, 100, 0.02);
}

void ActKind34(CEnemy& e) {
    SwoopingFry(e, g_nLevel + 8.0);
}

void ActKind34Stage3(CEnemy& e) {
    SwoopingFry(e, 2.0 * g_nLevel + 8);
}

void ActKind35(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    Face(e, 54);
    if (a < e.p1) {
        BrakeIn(e);
        // The early pairs belong to the braking entry only.
        const int32_t v = g_nStage == 5 ? 2 * level + 10 : level + 7;
        const int32_t t = a + e.p1;
        if ((level >= 1 && (t == 60 || t == 64)) || (level >= 2 && (t == 20 || t == 24)))
            AimedPair(e, Trunc(e.x + 20), Trunc(e.y + 10), v + 1, v + 2);
    }
    if (a >= e.p1 + 80) {
        DriftOut(e);
    } else if (a >= e.p1) {
        e.vx = 0;
        e.vy = -0.2;
        if (a % 30 == 0) AimedFanPair(e, Cx(e) - 10, Trunc(e.y), 2 * level + 8, 2 * level + 7);
    }
    FacingTrail(e);
}

void ActKind8(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    Face(e, 45);
    if (a < 80 - e.p1) {
        e.step = Trunc(e.x);
        e.vx = 0;
        e.vy = 5.5 - a / 30;
    } else {
        e.vy -= 0.04;
        if (a < 120) {
            e.vx += e.step < 301 ? 0.02 : -0.02;
        } else {
            e.vx *= 0.96;
        }
    }
    const int32_t t = a + e.p1;
    const int32_t fx = Trunc(e.x + 20);
    const int32_t fy = Trunc(e.y + 10);
    if (t == 100 || t == 104) FireAimed(e.emitter, fx, fy, 36, Speed(level + 7));
    if (level == 2 && (t == 60 || t == 64)) FireAimed(e.emitter, fx, fy, 36, Speed(level + 8));
    if (level == 2 && (t == 20 || t == 24)) FireAimed(e.emitter, fx, fy, 36, Speed(level + 9));
    if (a % 4 == 0) Spark(e.x + 10, e.y);
}

void ActKind9(CEnemy& e) {
    if (g_nStage == 4) {
        ActKind9Step1(e);
        return;
    }
    if (g_nStage == 5) {
        ActKind9Step2(e);
        return;
    }
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    Face(e, 54);
    if (a < e.p1) {
        BrakeIn(e);
    } else if (a >= e.p1 + 80) {
        DriftOut(e);
    } else {
        e.vx = 0;
        e.vy = -0.2;
        if (a % 30 == 0) AimedFanPair(e, Cx(e) - 10, Trunc(e.y), level + 10, level + 11);
    }
    const int32_t v = level + 9;
    const int32_t t = a + e.p1;
    const int32_t fx = Trunc(e.x + 20);
    const int32_t fy = Trunc(e.y + 10);
    if (level >= 1 && (t == 100 || t == 104)) AimedPair(e, fx, fy, v + 2, v);
    if (level >= 1 && (t == 20 || t == 40)) AimedPair(e, fx, fy, v + 1, v + 3);
    if (level >= 2 && (t == 30 || t == 60)) AimedPair(e, fx, fy, v + 1, v + 3);
    FacingTrail(e);
}

void ActKind9Step1(CEnemy& e) {
    const double level = g_nLevel;
    SlidingFacer(e, 2 * level + 9, 2 * level + 7);
}

void ActKind9Step2(CEnemy& e) {
    const double level = g_nLevel;
    SlidingFacer(e, 2.2 * level + 10, 2.2 * level + 8);
}

void ActKind4(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    e.vx = e.p1;
    e.vy = TimesSquare(0.004, a);
    Trail(Cx(e) - 30, e.y, 8, 1, 1);
    if (a == 35) {
        const int32_t right = Trunc(e.x + 30);
        const int32_t left = Trunc(e.x - 30);
        const int32_t fy = Trunc(e.y);
        AimedShot(e, right, fy, 36, Speed(2 * level + 11), 0);
        AimedShot(e, right, fy, 36, Speed(3 * level + 13), 0);
        AimedShot(e, left, fy, 36, Speed(2 * level + 11), 0);
        AimedShot(e, left, fy, 36, Speed(3 * level + 13), 0);
    }
}

void ActKind11(CEnemy& e) {
    const int32_t a = e.age;
    const double level = g_nLevel;
    e.vx = e.p1;
    e.vy = TimesSquare(0.004, a);
    if (e.vy > 15) e.vy = 14;
    Trail(Cx(e) - 28, e.y - 12, 8, 2, 1);
    if (a == 35 || (a == 25 && g_nLevel >= 1)) {
        AimedShot(e, Trunc(e.x), Trunc(e.y), 36, Speed(2.5 * level + 10), 0);
        AimedShot(e, Trunc(e.x), Trunc(e.y), 36, Speed(2.5 * level + 11), 0);
    }
}

void ActKind19(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t level = g_nLevel;
    if (a < 2) {
        e.y = 8 - e.h;
        e.vx = 0;
        e.vy = 0;
    } else if (a < 40) {
        e.y += (e.p1 - e.y) / 15;
    }
    const int32_t cx = Cx(e);
    if (a >= 40 && a < 200 && a % 30 == 0) {
        RequestSound(kSoundVolleyA);
        for (int32_t i = 0; i <= level + 5; ++i) {
            // The target's offset is drawn before the fan's width.
            const int32_t r1 = Rand();
            const int32_t r2 = Rand();
            FireFanAt(e.emitter, cx - 10, Yk(e, 50), 44, 3, Speed(3 * level + 10 - i),
                      3 * (r2 % 2) + 3, g_Player.hitX - 30 + r1 % 60, g_Player.hitY);
        }
        AimedBig(e, cx - 30, Yk(e, 50), 4, Speed(3 * level + 12));
    }
    if (a >= 200 && a < 360 && (a % 40 == 0 || a % 40 == 20)) {
        RequestSound(kSoundVolleyE);
        const int32_t sy = Yk(e, e.halfH);
        g_LBMannager.Shoot(cx + 60, sy, 2, 0, 11.0, 180, 0, 0, g_Player.hitX, g_Player.hitY);
        g_LBMannager.Shoot(cx - 60, sy, 2, 0, 11.0, 180, 0, 0, g_Player.hitX, g_Player.hitY);
    }
    if (a >= 360) e.vy = -3;
    Trail(cx - 80, e.y, 12, 0, 1);
    Trail(cx + 20, e.y, 12, 0, 1);
}

void ActKind10(CEnemy& e) {
    const int32_t a = e.age;
    const double level = g_nLevel;
    e.vx = 0;
    e.vy = 0;
    Trail(Cx(e) - 50, e.y, 1, 1, 1);
    if (a < 50) {
        e.param3 = e.x + e.halfW < kMiddleX ? 1 : -1;
        e.y = e.y0 - 8.0 * a + TimesSquare(0.1, a);
        if (a % 4 == 0) {
            RequestSound(kSoundVolleyB);
            const int32_t k = e.step;
            e.step += 1;
            for (int32_t s = 5; s <= 8; ++s)
                FireFan(e.emitter, Cx(e) - 8, Yk(e, 40), 124, 160 + 30 * k, Speed(s), 2, 15);
        }
    } else if (a >= 100) {
        const double turn = DegToRad(a - 100);
        e.vx = e.param3 * std::sin(turn);
        e.vy = a >= 640 ? -1 : std::cos(turn);
    }
    if (a > 50 && a % 40 == 0) {
        RequestSound(kSoundVolleyA);
        const int32_t hx = g_Player.hitX;
        const int32_t hy = g_Player.hitY;
        const int32_t xs[4] = {Trunc(e.x + 10), Trunc(e.x + 50), Trunc(e.x + 50), Trunc(e.x + 110)};
        const int32_t ys[4] = {Yk(e, 50), Yk(e, 100), Trunc(e.y), Yk(e, 50)};
        if (g_nLevel >= 1) {
            const int32_t txs[4] = {hx + 70, hx, hx, hx - 70};
            for (int32_t i = 0; i < 4; ++i)
                FireFanAt(e.emitter, xs[i], ys[i], 36, 1, 8, 0, txs[i], hy);
        }
        for (int32_t i = 0; i < 4; ++i)
            AimedShot(e, xs[i], ys[i], 36, Speed(2 * level + 8), 0);
        if (g_nStage == 3) {
            AimedBig(e, Cx(e) - 40, Yk(e, e.halfH - 40), 14, Speed(2 * level + 10));
        } else {
            const int32_t by = Yk(e, e.halfH - 30);
            AimedBig(e, Cx(e) - 30, by, 4, Speed(3 * level + 10));
            AimedBig(e, Cx(e) - 30, by, 19, Speed(3 * level + 8.5));
            AimedBig(e, Cx(e) - 30, by, 19, Speed(3 * level + 7.5));
        }
    }
}
