#include <algorithm>
#include <bit>
#include <cmath>
#include <span>

#include "enemies/kind_scripts.h"
#include "enemies/script_helpers.h"
#include "engine/angle.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/square.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/enemy_laser.h"
#include "shooting/fire.h"
#include "shooting/laser_shot.h"
#include "shooting/missile.h"
#include "shooting/player.h"

int32_t g_nAnchorX31 = 0;
int32_t g_nAnchorY31 = 0;
int32_t g_nAnchorX0 = 0;
int32_t g_nAnchorY0 = 0;

const int32_t MidbossShotTypes[4] = {36, 0, 153, 157};

namespace {

using kind_script::Cx;
using kind_script::kMiddleX;
using kind_script::LevelSpeed;
using kind_script::Yk;

constexpr double kPi = 3.14159265358979323846;

// The exhaust glow behind the big hulls.
void Trail(const CEnemy& e) {
    g_EffectMannager.AddBackEx(Cx(e) - 140, Yk(e, 10), 8, 25, 0, 0, 0, 1);
}

void Flare(int32_t px, int32_t py) {
    g_EffectMannager.AddMidEx(px, py, 2, 10, 0, 0, 1, 1);
}

// A scaled beam of laser kind 1; the record carries the scale's two halves. A negative scale
// is handed on as it is: the beam still tests the ship but draws nothing.
void Beam(int32_t px, int32_t py, double scale, int32_t frame) {
    g_ELazer.Add(px, py, 10, 10, 1, ScaleLowWord(scale), ScaleHighWord(scale), frame, 0, 0, 0, 0);
}

double GrowingScale(int32_t t) {
    return 0.225 * (t - 5) + 0.1;
}

// Twenty sparks in a circle from each listed x offset, the offsets taken in turn for each
// spark direction.
void SparkRing(const CEnemy& e, std::span<const int32_t> dxs) {
    RequestSound(kSoundLaunch);
    for (int32_t i = 0; i < 20; ++i) {
        const float svx = static_cast<float>(5 * std::cos(DegToRad(18 * i)));
        const float svy = static_cast<float>(5 * std::sin(DegToRad(18 * i)));
        for (const int32_t dx : dxs) {
            const int32_t r = Rand() % 3;
            g_EffectMannager.AddFrontEx(Cx(e) + dx, Yk(e, 50), 17, 22, svx, svy, r, 1);
        }
    }
}

// The hull trembles while a beam burns: down by d every third frame (y grows upward), up by
// d/2 otherwise, the sum worked in single precision.
void Shake(CEnemy& e, float d) {
    const float y = static_cast<float>(e.y);
    e.y = e.age % 3 == 0 ? y - d : y + d / 2;
}

// Two fans of turned bullets from either side of the centre, weaving as the count steps on.
void DirFanPair(CEnemy& e, int32_t dx, int32_t dy, int32_t leftKind, int32_t rightKind, int32_t n,
                float speed, int32_t degPerStep) {
    e.step += 1;
    RequestSound(kSoundVolleyD);
    const double c = std::cos(DegToRad(degPerStep * e.step));
    FireDirFanAtOffset(e.emitter, Cx(e) - dx, Yk(e, dy), leftKind, n, speed, 50, Cx(e), 0,
                       Trunc(360 - 50 * c));
    FireDirFanAtOffset(e.emitter, Cx(e) + dx, Yk(e, dy), rightKind, n, speed, 50, Cx(e), 0,
                       Trunc(360 + 50 * c));
}

void SweepVolley(CEnemy& e) {
    if (e.age % 4 == 0) DirFanPair(e, 80, 150, 5, 6, 3, LevelSpeed(7), 30);
}

void HeavyDrops(const CEnemy& e, std::span<const HeavyDrop> drops) {
    for (const HeavyDrop& d : drops) {
        const int32_t r = Rand() % 10;
        g_EBMannager.ShootBig(Cx(e) + d.dx, Yk(e, d.dy), d.kind,
                              static_cast<float>(0.1 * r + d.drift), 12);
    }
}

void DirShots(const CEnemy& e, std::span<const DirShot> shots, float speed) {
    for (const DirShot& s : shots)
        g_EBMannager.ShootDir(Cx(e) + s.dx, Yk(e, 90), 14, speed, s.angle);
}

void VolleyA(CEnemy& e) {
    const int32_t a = e.age;
    if ((a & 23) == 0) {
        RequestSound(kSoundVolleyC);
        FireBigFanAt(e.emitter, Cx(e), Yk(e, 100), 42, 5, static_cast<float>(g_nLevel + 9), 30,
                     g_Player.hitX, g_Player.hitY);
    }
    if (g_nLevel == 2 && (a & 23) == 7) {
        RequestSound(kSoundVolleyC);
        FireBigFanAt(e.emitter, Cx(e), Yk(e, 100), 38, 5, 13, 30, g_Player.hitX, g_Player.hitY);
    }
}

void Ship1WindowB(CEnemy& e) {
    const int32_t a = e.age;
    if (a == 320) RequestSound(kSoundCharge);
    if (a == 320 || a == 330 || a == 340 || a == 350)
        g_EffectMannager.AddMidEx(Cx(e), Yk(e, 100), 2, 7, 0, 0, 0, 0);
    if (a % 5 == 0 && (a < 440 || (450 < a && a < 500) || a > 530)) RequestSound(kSoundVolleyD);
    if (a % 8 == 0) {
        if (a < 400 || (450 < a && a < 500) || a > 540) DirShots(e, Ship1OuterShots, 9);
        if (a < 440 || (470 < a && a < 500) || a > 530) DirShots(e, Ship1InnerShots, 9);
    }
    if (a < 350) {
        // The pair counter only moves with a pair, so the fans open from straight down.
        if (g_nLevel >= 1 && a % 8 == 0) {
            const float speed = static_cast<float>(g_nLevel + 6);
            FireFan(e.emitter, Cx(e), Yk(e, 80), 116, 270 + 30 * e.step, speed, 3, 15);
            FireFan(e.emitter, Cx(e), Yk(e, 80), 116, 270 - 30 * e.step, speed, 3, 15);
            e.step += 1;
        }
        return;
    }
    if (a < 400) {
        e.vx = 1;
        e.vy = 1;
    }
    if (361 <= a && a <= 499) {
        if (a == 361) {
            RequestSound(kSoundLaunch);
            g_EffectMannager.AddFrontEx(Cx(e) - 70, Yk(e, 20), 8, 5, 0, 12, 0, 40);
        }
        if (a % 2 == 0) {
            g_EffectMannager.AddMidEx(Cx(e) - 20, Yk(e, 80), 8, 8, 0, 0, 0, 2);
            HeavyDrops(e, Ship1DropsB);
        }
        e.step = 0;
    }
}

void Ship1WindowC(CEnemy& e) {
    const int32_t a = e.age;
    if (a == 610) {
        RequestSound(kSoundVolleyC);
        g_EBMannager.ShootBig(Cx(e) - 30, Yk(e, 70), 5, 0, LevelSpeed(10));
    }
    if (a % 4 == 0) {
        e.step += 1;
        RequestSound(kSoundVolleyD);
        FireFanAt(e.emitter, Cx(e) - 8, Yk(e, 140), 96, 2, LevelSpeed(8), 120 - 20 * e.step,
                  g_Player.hitX, g_Player.hitY + 80);
        DirShots(e, Ship1WindowCShots, LevelSpeed(10));
    }
}

void Ship1WindowE(CEnemy& e) {
    const int32_t a = e.age;
    if (a == 960 || a == 970 || a == 980 || a == 990)
        g_EffectMannager.AddMidEx(Cx(e), Yk(e, 100), 2, 7, 0, 0, 0, 0);
    if (1001 <= a && a <= 1199) {
        if (a == 1001) {
            RequestSound(kSoundVolleyA);
            g_EffectMannager.AddFrontEx(Cx(e) - 70, Yk(e, 20), 8, 5, 0, 12, 0, 40);
        }
        if (a % 2 == 0) HeavyDrops(e, Ship1DropsE);
    }
}

// The flare before a laser window, and its charge sound.
void LaserFlare(const CEnemy& e, int32_t t) {
    if (t == 1) {
        g_EffectMannager.AddMidEx(Cx(e) + 50, Yk(e, 10), 2, 10, 0, 0, 1, 1);
        g_EffectMannager.AddMidEx(Cx(e) - 50, Yk(e, 10), 2, 10, 0, 0, 1, 1);
    }
    if (t == 21) RequestSound(kSoundLaunch);
}

// Two thunder lasers that grow by 30 a frame once charged.
void TwinLasers(const CEnemy& e, int32_t t) {
    if (t <= 25) return;
    g_ELazer.Add(Cx(e) - 15, Yk(e, 30), 10, 10, 7, 0, 0, 30 * t, 0, 0, 0, 0);
    g_ELazer.Add(Cx(e) - 120, Yk(e, 30), 10, 10, 7, 0, 0, 30 * t, 0, 0, 0, 0);
}

void Ship2VolleyF(CEnemy& e) {
    if (e.age % 4 == 0) DirFanPair(e, 50, 150, 5, 5, 2, LevelSpeed(7), 20);
}

void MidbossFlare(const CEnemy& e) {
    Flare(Cx(e), Yk(e, 150));
}

void FanBurst(CEnemy& e) {
    const int32_t k = e.step;
    e.step += 1;
    for (int32_t s = 6; s <= 9; ++s)
        FireFan(e.emitter, Cx(e) - 8, Yk(e, 170), 32, 160 + 40 * k, LevelSpeed(s), 3, 10);
}

void OrbitFire31(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t muzzleY = Yk(e, e.halfH + 30);
    if (a % 100 == 0 || a % 100 == 16) {
        if (a % 100 == 0) e.savedVx.SetInt(g_Player.hitX);
        e.savedVy.SetInt(g_Player.hitY);
        RequestSound(kSoundVolleyC);
        const int32_t r = Rand();
        FireBigFanAt(e.emitter, Cx(e), muzzleY, 46, 10, LevelSpeed(9), 36,
                     e.savedVx.AsInt() - 300 + r % 600, e.savedVy.AsInt());
    }
    if (a % 4 == 0) {
        const int32_t r = Rand();
        FireFanAt(e.emitter, Cx(e), muzzleY, 32, 1, LevelSpeed(7), 0,
                  e.savedVx.AsInt() - 400 + r % 800, e.savedVy.AsInt());
    }
    if (a % 80 < 40) {
        if (a % 4 == 0) RequestSound(kSoundVolleyB);
        if (a % 8 == 0) {
            FireDirFanAtOffset(e.emitter, Cx(e), muzzleY, 15, 1, LevelSpeed(8), 0, Cx(e), 0, 30);
            FireDirFanAtOffset(e.emitter, Cx(e), muzzleY, 15, 1, LevelSpeed(8), 0, Cx(e), 0, -30);
        }
    }
}

void OrbitFire0(CEnemy& e) {
    if (e.age % 20 != 0) return;
    const int32_t level = g_nLevel;
    RequestSound(kSoundBlastLarge);
    e.param3 = -e.param3;
    const int32_t g = e.param3;
    const int32_t muzzleY = Yk(e, e.halfH + 10);
    FireAngleBig(e.emitter, Cx(e) - 25 + 90 * g, muzzleY, 5, 270 + 10 * g,
                 static_cast<float>(2 * level + 14));
    for (int32_t i = 0; i <= 3 * level + 4; ++i) {
        FireAngle(e.emitter, Cx(e) - 10 + 90 * g, muzzleY, 177, 262 + 10 * g + Rand() % 16,
                  static_cast<float>(10 - i + 2 * level));
        FireAngle(e.emitter, Cx(e) - 10 + 90 * g, muzzleY, 0, 258 + 10 * g + Rand() % 24,
                  static_cast<float>(11 - i + 2 * level));
    }
}

void TurnedPair0(CEnemy& e) {
    const int32_t a = e.age;
    const int32_t r4 = Rand() % 4;
    if (a % 2 != 0) return;
    RequestSound(a % 4 == 0 ? kSoundVolleyD : kSoundVolleyB);
    const int32_t kind = MidbossShotTypes[r4];
    const int32_t muzzleY = Yk(e, e.halfH + 10);
    const int32_t turnR = 20 + 2 * (Rand() % 70 - 20);
    const float speedR = LevelSpeed(6 + Rand() % 4);
    FireFanAtTurned(e.emitter, Cx(e) + 70, muzzleY, kind, 1, speedR, 36, Cx(e) + 100, 0, turnR);
    const int32_t turnL = -20 - 2 * (Rand() % 70 - 20);
    const float speedL = LevelSpeed(6 + Rand() % 4);
    FireFanAtTurned(e.emitter, Cx(e) - 70, muzzleY, kind, 1, speedL, 36, Cx(e) - 100, 0, turnL);
}

void CrossVolley0(CEnemy& e) {
    RequestSound(kSoundVolleyC);
    const int32_t px = Cx(e) - 2;
    const int32_t py = Yk(e, e.halfH - 50);
    for (int32_t i = 0; i < 4; ++i) {
        const float fast = LevelSpeed(5 + 2 * i);
        const float slow = LevelSpeed(10 - 2 * i);
        FireFanAtTurned(e.emitter, px, py, 36, 1, fast, 36, Cx(e), 0, 30 * i - 34);
        FireFanAtTurned(e.emitter, px, py, 36, 1, fast, 36, Cx(e), 0, 34 - 30 * i);
        FireFanAtTurned(e.emitter, px, py, 36, 1, slow, 36, Cx(e), 0, -34 - 30 * i);
        FireFanAtTurned(e.emitter, px, py, 36, 1, slow, 36, Cx(e), 0, 34 + 30 * i);
    }
}

// Kinds 31 and 0 share one timeline; `five` picks kind 0's orbit and extra fire.
void MidbossScript(CEnemy& e, bool five) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    static constexpr int32_t kSpark[1] = {-20};
    if (a <= 104) {
        e.y = e.y0 - 8 * a + TimesSquare(0.05, a);
    } else if (a <= 139) {
        return;
    } else if (a <= 199) {
        if (a % 8 == 0) FanBurst(e);
    } else if (a <= 299) {
        if (a == 200) e.savedVx.SetInt(g_Player.hitX);
        if (a < 260) {
            e.y += a < 230 ? 0.5 : -0.5;
            e.x += (e.savedVx.AsInt() - (e.x + e.halfW)) * 0.02;
        }
        if (a == 260 || a == 270 || a == 280) MidbossFlare(e);
    } else if (a <= 305) {
    } else if (a <= 314) {
        const int32_t t = a - 300;
        e.y += (300 - e.y) * 0.025;
        if (t == 6) SparkRing(e, kSpark);
        Beam(Cx(e), Yk(e, 100), GrowingScale(t), 1);
    } else if (a <= 479) {
        const int32_t r = Rand();
        Beam(Cx(e), Yk(e, 100), 1.0, r % 2 + 1);
        Shake(e, 2);
        if (five) TurnedPair0(e);
    } else if (a <= 499) {
        e.y += (200 - e.y) * 0.025;
        Beam(Cx(e), Yk(e, 100), 1.0 - 0.09 * (a - 320), 1);
    } else if (a <= 589) {
        if (five && (a == 500 || a == 520 || a == 540 || a == 560)) CrossVolley0(e);
        return;
    } else if (a <= 899) {
        int32_t& ax = five ? g_nAnchorX0 : g_nAnchorX31;
        int32_t& ay = five ? g_nAnchorY0 : g_nAnchorY31;
        if (a == 590) {
            ax = Trunc(e.x);
            ay = Trunc(e.y);
        }
        const int32_t u = a - 590;
        e.x = ax + (five ? 100 * std::sin(DegToRad(3 * u)) : 40 * std::sin(DegToRad(2 * u)));
        e.y = ay + 10 * std::sin(DegToRad(4 * u));
        if (five) {
            OrbitFire0(e);
        } else {
            OrbitFire31(e);
        }
    } else if (a <= 969) {
        e.vy = -0.5;
        e.x += five ? (150 - e.x) / 30 : (400 - e.x) / 60;
    } else if (a <= 999) {
        if (a == 970) MidbossFlare(e);
    } else if (a <= 1149) {
        if (!five) {
            e.vx = -1.5;
            e.vy = 0.5 * std::sin(DegToRad(2 * a));
        }
        if (1006 <= a && a <= 1014) {
            const int32_t t = a - 1000;
            if (t == 6) SparkRing(e, kSpark);
            Beam(Cx(e), Yk(e, 70), GrowingScale(t), 1);
        } else if (a >= 1015) {
            Shake(e, 4);
            const int32_t r = Rand();
            Beam(Cx(e), Yk(e, 70), 1.0, r % 2 + 1);
        }
    } else if (a <= 1299) {
        e.vx = ((kMiddleX - e.halfW) - e.x) * 0.01;
        e.vy = 0.5;
    } else if (a <= 1399) {
        SweepVolley(e);
        return;
    } else {
        e.vy = -3;
    }
    Trail(e);
}

void FlarePair(const CEnemy& e, int32_t dx, int32_t dy) {
    Flare(Cx(e) + dx, Yk(e, dy));
    Flare(Cx(e) - dx, Yk(e, dy));
}

// Charge, then two full beams either side of the centre with the hull shaking.
void WideBeamPhase(CEnemy& e, int32_t t) {
    static constexpr int32_t kSparks[2] = {70, -110};
    if (t == 6) SparkRing(e, kSparks);
    if (6 <= t && t <= 14) {
        Beam(Cx(e) + 80, Yk(e, 90), GrowingScale(t), 1);
        Beam(Cx(e) - 80, Yk(e, 90), GrowingScale(t), 1);
    } else if (t >= 15) {
        Shake(e, 4);
        const int32_t right = Rand() % 3;
        Beam(Cx(e) + 80, Yk(e, 90), 1.0, right);
        const int32_t left = Rand() % 3;
        Beam(Cx(e) - 80, Yk(e, 90), 1.0, left);
    }
}

void Kind43Opening(CEnemy& e) {
    const int32_t a = e.age;
    if (a == 110 || a == 120) FlarePair(e, 20, 150);
    if (a >= 140 && a % 20 == 0) {
        RequestSound(kSoundExplosion);
        e.param3 = -e.param3;
        const int32_t g = e.param3;
        const double level = g_nLevel;
        const int32_t px = Trunc(e.x + e.halfW - 10 - 20 * g);
        const int32_t py = Yk(e, 150);
        const int32_t tx = g_Player.hitX;
        const int32_t ty = g_Player.hitY;
        FireFanAt(e.emitter, px, py, 40, 2, static_cast<float>(2.5 * level + 6), 5, tx, ty);
        FireFanAt(e.emitter, px, py, 40, 2, static_cast<float>(2.5 * level + 8), 5, tx, ty);
        FireFanAt(e.emitter, px, py, 40, 1, static_cast<float>(2.5 * level + 9), 5, tx, ty);
        FireFanAt(e.emitter, px, py, 40, 1, static_cast<float>(2.5 * level + 5), 5, tx, ty);
        FireBigFanAt(e.emitter, Trunc(e.x + e.halfW - 30 - 20 * g), py, 19, 1,
                     static_cast<float>(2.5 * level + 10), 0, tx, ty);
    }
}

void Kind43LaserDrops(CEnemy& e) {
    if (e.age % 20 != 0) return;
    RequestSound(kSoundLaser);
    const int32_t r = Rand() % 4;
    const int32_t py = Trunc(e.y + e.h - 20);
    const int32_t right = Trunc(e.x + e.halfW + 100 - 20 * r);
    g_LBMannager.Shoot(right, py, 2, 0, 10.0, 140, 0, 0, right, 469);
    const int32_t left = Trunc(e.x + e.halfW - 100 + 20 * r);
    g_LBMannager.Shoot(left, py, 2, 0, 10.0, 140, 0, 0, left, 469);
}

void Kind43FinalVolley(CEnemy& e) {
    const int32_t g = e.param3;
    e.param3 = -g;
    RequestSound(kSoundBlastLarge);
    const int32_t level = g_nLevel;
    const int32_t bx = Trunc(e.x + e.halfW - 25 + 90 * g);
    for (int32_t k = 0; k < 2; ++k)
        FireAngleBig(e.emitter, bx, Yk(e, -9), 5, 270, static_cast<float>(2 * level + 14));
    const int32_t px = Trunc(e.x + e.halfW - 10 + 90 * g);
    const int32_t py = Yk(e, 16);
    for (int32_t i = 0; i <= 3 * level + 11; ++i) {
        const float slow = static_cast<float>(10 - 0.5 * i + 2 * level);
        const float fast = static_cast<float>(11 - 0.5 * i + 2 * level);
        // Each round fires its pair twice over.
        for (int32_t k = 0; k < 2; ++k) {
            FireAngle(e.emitter, px, py, 36, 262 + Rand() % 16, slow);
            FireAngle(e.emitter, px, py, 0, 258 + Rand() % 24, fast);
        }
    }
}

void TurretVolley(CEnemy& e) {
    const int32_t theta = e.sub.angle;
    const int32_t level = g_nLevel;
    const int32_t s1 = Trunc(111 * std::sin(DegToRad(theta + 3)));
    const int32_t c1 = Trunc(111 * std::cos(DegToRad(theta + 3)));
    const int32_t s2 = Trunc(111 * std::sin(DegToRad(theta - 3)));
    const int32_t c2 = Trunc(111 * std::cos(DegToRad(theta - 3)));
    const float bigSpeed = static_cast<float>(2 * level + 14);
    FireAngleBig(e.emitter, Trunc(e.x + e.halfW - 25 + s1), Trunc(e.y + 146 - 25 - c1), 5,
                 theta + 270, bigSpeed);
    FireAngleBig(e.emitter, Trunc(e.x + e.halfW - 25 + s2), Trunc(e.y + 146 - 25 - c2), 5,
                 theta + 270, bigSpeed);
    const int32_t m1x = Trunc(e.x + e.halfW - 10 + s1);
    const int32_t m1y = Trunc(e.y + 146 - c1);
    const int32_t m2x = Trunc(e.x + e.halfW - 10 + s2);
    const int32_t m2y = Trunc(e.y + 146 - c2);
    for (int32_t i = 0; i <= 3 * level + 11; ++i) {
        const float slow = static_cast<float>(10 - 0.5 * i + 2 * level);
        const float fast = static_cast<float>(11 - 0.5 * i + 2 * level);
        FireAngle(e.emitter, m1x, m1y, 177, theta + 262 + Rand() % 16, slow);
        FireAngle(e.emitter, m1x, m1y, 0, theta + 258 + Rand() % 24, fast);
        FireAngle(e.emitter, m2x, m2y, 177, theta + 262 + Rand() % 16, slow);
        FireAngle(e.emitter, m2x, m2y, 0, theta + 258 + Rand() % 24, fast);
    }
    RequestSound(kSoundExplosion);
}

void TurretMissiles(const CEnemy& e) {
    RequestSound(kSoundAttack);
    for (int32_t i = 0; i < 4; ++i) {
        g_MissileMannager.Shoot(Cx(e), Yk(e, 150), 9, 1, 16.0, 36 * i);
        g_MissileMannager.Shoot(Cx(e), Yk(e, 150), 9, 1, 16.0, -36 * i);
    }
}

}  // namespace

void ActKind2(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    g_EffectMannager.AddBackEx(Cx(e) - 5, Yk(e, 100), 8, 10, 0, 0, 0, 1);
    g_EffectMannager.AddBackEx(Cx(e) - 135, Yk(e, 100), 8, 10, 0, 0, 0, 1);
    e.y += 0.3 * std::sin((a - 350) * 8 * kPi / 1050);

    if (a <= 53) {
        e.vy = 4;
    } else if (a <= 150) {
    } else if (a <= 239) {
        e.vx = -1;
        VolleyA(e);
    } else if (a <= 269) {
        VolleyA(e);
    } else if (a <= 299) {
        e.vx = 2;
        e.vy = -1;
        VolleyA(e);
    } else if (a <= 599) {
        Ship1WindowB(e);
    } else if (a <= 670) {
        Ship1WindowC(e);
    } else if (a <= 799) {
        e.step = 0;
    } else if (a <= 949) {
        if (a % 4 == 0) DirFanPair(e, 50, 150, 5, 6, 3, static_cast<float>(g_nLevel + 7), 20);
    } else if (a <= 1399) {
        Ship1WindowE(e);
    } else {
        e.vy = -2;
    }
}

void ActKind36(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    if (a <= 69) {
        e.y += (240 - e.y) / 30;
    } else if (a <= 79) {
        return;
    } else if (a <= 139) {
        if (a % 8 == 0) {
            const int32_t k = e.step;
            e.step += 1;
            for (int32_t s = 7; s <= 10; ++s) {
                FireFan(e.emitter, Cx(e) - 8, Yk(e, 170), 32, 160 + 20 * k, LevelSpeed(s), 2, 10);
                FireFan(e.emitter, Cx(e) - 8, Yk(e, 170), 32, 20 - 20 * k, LevelSpeed(s), 2, 10);
            }
        }
    } else if (a <= 279) {
        e.x += 0.5;
        LaserFlare(e, a - 140);
        TwinLasers(e, a - 140);
    } else if (a <= 499) {
        // The hull moves first, so the fans leave from where it has just eased to.
        e.x += (350 - e.x) / 40;
        e.y += std::sin(DegToRad(4 * a));
        if (a % 20 == 0) {
            FireFanAt(e.emitter, Cx(e) + 40, Yk(e, 20), 32, 4, LevelSpeed(7), 40, Cx(e) + 40, 0);
            FireFanAt(e.emitter, Cx(e) - 40, Yk(e, 20), 32, 4, LevelSpeed(7), 40, Cx(e) - 40, 0);
        }
    } else if (a <= 519) {
        e.step = 0;
        return;
    } else if (a <= 799) {
        const int32_t t = a - 520;
        e.vy = std::sin(DegToRad(2 * a));
        LaserFlare(e, t);
        // The lasers burn from t 26 to 259 whether or not the hull still slides (it stops at
        // x 154); the window's last twenty frames only bob.
        if (26 <= t && t < 260) {
            const double s = std::min(0.1 * (t - 25), 2.0);
            if (e.x > 154) e.x -= s;
            TwinLasers(e, t);
        }
    } else if (a <= 969) {
        e.x += ((kMiddleX - e.halfW) - e.x) / 60;
        e.vy = std::sin(DegToRad(2 * a));
        Ship2VolleyF(e);
    } else if (a <= 999) {
        Ship2VolleyF(e);
    } else if (a <= 1049) {
        e.vx = ((kMiddleX - e.halfW) - e.x) / 40;
        e.vy = 0.5;
    } else if (a <= 1149) {
        LaserFlare(e, a - 1050);
        TwinLasers(e, a - 1050);
    } else if (a <= 1299) {
    } else if (a <= 1399) {
        SweepVolley(e);
        return;
    } else {
        e.vy = -3;
    }
    Trail(e);
}

void ActKind31(CEnemy& e) {
    MidbossScript(e, false);
}

void ActKind0(CEnemy& e) {
    MidbossScript(e, true);
}

void ActKind43(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    if (a <= 104) {
        e.y = e.y0 - 9 * a + TimesSquare(0.05, a);
    } else if (a <= 199) {
        Kind43Opening(e);
    } else if (a <= 299) {
        if (a < 260) e.y += a < 230 ? 0.2 : -0.2;
        if (a == 260 || a == 270 || a == 280) FlarePair(e, -100, 50);
    } else if (a <= 305) {
    } else if (a <= 314) {
        static constexpr int32_t kSpark[1] = {-20};
        const int32_t t = a - 300;
        e.y += (300 - e.y) * 0.025;
        if (t == 6) SparkRing(e, kSpark);
        Beam(Cx(e) - 90, Yk(e, 50), GrowingScale(t), 1);
        Beam(Cx(e) + 90, Yk(e, 50), GrowingScale(t), 1);
    } else if (a <= 479) {
        const int32_t left = Rand() % 2 + 1;
        Beam(Cx(e) - 90, Yk(e, 50), 1.0, left);
        const int32_t right = Rand() % 2 + 1;
        Beam(Cx(e) + 90, Yk(e, 50), 1.0, right);
        Shake(e, 2);
    } else if (a <= 499) {
        e.y += (200 - e.y) * 0.025;
        const double s = 1.0 - 0.09 * (a - 320);
        Beam(Cx(e) - 90, Yk(e, 50), s, 1);
        Beam(Cx(e) + 90, Yk(e, 50), s, 1);
    } else if (a <= 529) {
        if (e.y > 0) e.y -= 6;
    } else if (a <= 599) {
        Kind43LaserDrops(e);
    } else if (a <= 799) {
        e.y += (100 - e.y) / 30;
        if (a % 20 == 0) {
            RequestSound(kSoundVolleyE);
            const int32_t px = Rand() % 376 + 134;
            g_LBMannager.Shoot(px, 619, 2, 0, 5.0 * g_nLevel + 20, 200, 0, 0, g_Player.hitX,
                               g_Player.hitY);
        }
    } else if (a <= 869) {
        e.vy = -0.5;
    } else if (a <= 899) {
        if (a == 870) FlarePair(e, 90, 150);
    } else if (a <= 1049) {
        WideBeamPhase(e, a - 900);
    } else if (a <= 1199) {
        e.vy = 0.5;
    } else if (a <= 1299) {
        e.y += 2;
        if (a % 15 == 0) {
            e.y += 4;
            Kind43FinalVolley(e);
        }
    } else {
        e.vy = -6;
    }
}

void ActKind42(CEnemy& e) {
    const int32_t a = e.age;
    e.vx = 0;
    e.vy = 0;
    // The turret sits right of the body frame in the sheet.
    e.sub.on = 1;
    e.sub.srcX = e.w;
    e.sub.w = 32;
    e.sub.h = 124;
    e.sub.lift = 111;
    e.sub.dy = 146;
    int32_t& theta = e.sub.angle;
    if (a <= 104) {
        e.y = e.y0 - 8 * a + TimesSquare(0.05, a);
        theta = 0;
    } else if (a <= 139) {
        return;
    } else if (a <= 199) {
        if (a % 8 == 0) {
            const int32_t k = e.step;
            e.step += 1;
            for (int32_t s = 6; s <= 9; ++s) {
                FireFan(e.emitter, Cx(e) - 8, Yk(e, 170), 32, 160 + 40 * k, LevelSpeed(s), 3, 10);
                FireFan(e.emitter, Cx(e) - 8, Yk(e, 170), 32, -(160 + 40 * k), LevelSpeed(s), 3,
                        10);
            }
        }
    } else if (a <= 299) {
        if (a < 260) e.y += a < 230 ? 0.2 : -0.2;
        if (a == 260 || a == 270 || a == 280) FlarePair(e, 90, 150);
    } else if (a <= 499) {
        WideBeamPhase(e, a - 300);
    } else if (a <= 529) {
        theta += 2;
        return;
    } else if (a <= 599) {
        const int32_t u = (a - 512) % 20;
        if (u < 16) {
            theta -= 2;
        } else {
            e.y += a % 3 == 0 ? -6 : 2;
            if (u == 18) TurretVolley(e);
        }
        return;
    } else if (a <= 799) {
        if (a % 4 == 0) theta /= 2;
        if (a > 650 && a % 60 == 0) TurretMissiles(e);
    } else if (a <= 869) {
        e.vy = -0.5;
    } else if (a <= 899) {
        if (a == 870) FlarePair(e, 90, 150);
    } else if (a <= 1049) {
        WideBeamPhase(e, a - 900);
    } else if (a <= 1199) {
        e.vy = 0.5;
    } else if (a <= 1299) {
        SweepVolley(e);
        return;
    } else {
        e.vy = 6;
    }
    Trail(e);
}
