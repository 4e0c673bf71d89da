#include <algorithm>
#include <cmath>

#include "bosses/boss4.h"
#include "bosses/boss5.h"
#include "bosses/script_helpers.h"
#include "engine/angle.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/enemy_laser.h"
#include "shooting/fire.h"
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "shooting/missile.h"
#include "shooting/player.h"

namespace {

using namespace boss_script;

constexpr int32_t kFadeMode = 22;
constexpr int32_t kSceneChat = 100;
constexpr int32_t kChatNumber = 52;

}  // namespace

void CBoss5::Missile() {
    const int32_t angle = Rand() % 180 + 90;
    const double speed = (Rand() % 40 - 20) * 0.1 + 12.0;
    g_MissileMannager.Shoot(Trunc(x + hotX), Trunc(y + 250), 9, 1, speed, angle);
}

void CBoss5::Attack1(int32_t t) {
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const double cy = y + hotY;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    if (t < 100) {
        draw.mode = kFadeMode;
        draw.level = std::max(0, 255 - 3 * t);
        step = 0;
    } else if (t < 300) {
        if (t <= 280 && t % 16 == 0) {
            RequestSound(kSoundLastBoss);
            step += 1;
            FireDirFanAtOffset(emitter, Trunc(cx - 50), Trunc(cy + 50), 17, 2,
                               Speed(7 + 1.5 * level), 30, Trunc(cx), 0, 5 * step - 40);
            FireDirFanAtOffset(emitter, Trunc(cx + 50), Trunc(cy + 50), 17, 2,
                               Speed(7 + 1.5 * level), 30, Trunc(cx), 0, 400 - 5 * step);
        }
    } else if (t < 504) {
        if (t % 4 == 0) {
            const bool low = (t - 300) % 50 < 25;
            const double ox = low ? 100 : 50;
            const int32_t oy = low ? 350 : 280;
            const int32_t kind = low ? 72 : 84;
            if (low) RequestSound(kSoundVolleyC);
            for (const double s : {8.0, 10.0}) {
                FireFan(emitter, Trunc(cx + ox), Trunc(y + oy), kind, 20 * step,
                        Speed(s + 2 * level), 2, 180);
                FireFan(emitter, Trunc(cx - ox), Trunc(y + oy), kind, -20 * step,
                        Speed(s + 2 * level), 2, 180);
            }
            step += 1;
        }
    } else if (t < 600) {
        if (t % 6 == 0) Missile();
    } else if (t < 700) {
        // A pause before the laser and eruption rounds.
    } else if (t < 920) {
        const int32_t m = (t - 700) % 35;
        if (m == 0) RequestSound(kSoundCharge);
        if (m == 10) {
            RequestSound(kSoundVolleyE);
            volleyX = px;
            g_LBMannager.Shoot(Trunc(cx - 20), Trunc(cy + 100), 2, 0, 13.0, 180, 0, 0, px, py);
            g_LBMannager.Shoot(Trunc(cx + 20), Trunc(cy + 100), 2, 0, 13.0, 180, 0, 0, px, py);
            step += 1;
        }
        if (m == 30) FireEruption(volleyX, false, Speed(12 + level), Speed(10 + level));
    } else if (t < 1000) {
        if (t > 920 && t < 980 && t % 6 == 0) Missile();
    } else if (t < 1200) {
        if (t == 1050) {
            step = 0;
            RequestSound(kSoundLaunch);
            g_KillerShotMannager.Shoot(Trunc(cx - 105), Trunc(y + 205), 5, 1, 0.0, 0);
            g_KillerShotMannager.Shoot(Trunc(cx - 105), Trunc(y + 205), 5, 1, 0.0, 0);
        }
        if (t > 1050 && t % 8 == 0) {
            step += 1;
            RequestSound(kSoundLaser);
            g_LBMannager.Shoot(Trunc(cx + 20), Trunc(cy + 100), 1, 0, 10.0, 140, (10 - step) * 5120,
                               0, Trunc(cx + 20), 469);
            g_LBMannager.Shoot(Trunc(cx - 20), Trunc(cy + 100), 1, 0, 10.0, 140, (step - 10) * 5120,
                               0, Trunc(cx - 20), 469);
        }
    } else if (t < 1250) {
        // A pause before the twin beams.
    } else if (t < 1400) {
        TwinBeams(t);
        Cadence(t);
    } else if (t < 1550) {
        step += 1;
        if (step >= 160) step = 0;
        if (t % 20 == 0) {
            RequestSound(kSoundLaser);
            for (const double ox : {-20.0, 20.0})
                g_LBMannager.Shoot(Trunc(cx + ox), Trunc(cy + 150), 1, 0, 12.0, 150,
                                   (80 - step) * 256, 0, px, py);
        }
    } else {
        step = 0;
        phaseFrame = 100;
    }
}

void CBoss5::TwinBeams(int32_t t) {
    const int32_t u = t - 1250;
    if (u <= 5) return;
    const int32_t level = g_nLevel;
    if (u <= 14) {
        y += (300 - y) * 0.025;
        const double cx = x + hotX;
        if (u == 6) {
            RequestSound(kSoundLaunch);
            for (int32_t i = 0; i < 20; ++i) {
                const double a = DegToRad(18 * i);
                const auto vx = static_cast<float>(std::cos(a) * 5);
                const auto vy = static_cast<float>(std::sin(a) * 5);
                g_EffectMannager.AddFrontEx(Trunc(cx + 100), Trunc(y + 50), 17, 22, vx, vy,
                                            Rand() % 3, 1);
                g_EffectMannager.AddFrontEx(Trunc(cx - 140), Trunc(y + 50), 17, 22, vx, vy,
                                            Rand() % 3, 1);
            }
        }
        const double width = (u - 5) * 0.25 * 0.9 + 0.1;
        AddScaledLaser(Trunc(cx + 120), Trunc(y + 200), 10, 10, 1, width, 1, 0, 0, 0, 0);
        AddScaledLaser(Trunc(cx - 120), Trunc(y + 200), 10, 10, 1, width, 1, 0, 0, 0, 0);
        return;
    }
    const double cx = x + hotX;
    const double cy = y + hotY;
    AddScaledLaser(Trunc(cx + 120), Trunc(y + 200), 10, 10, 1, 1.0, Rand() % 2 + 1, 0, 0, 0, 0);
    AddScaledLaser(Trunc(cx - 120), Trunc(y + 200), 10, 10, 1, 1.0, Rand() % 2 + 1, 0, 0, 0, 0);
    const int32_t kind = Boss5BeamShotTypes[Rand() % 4];
    if (t % 2 == 0) {
        const int32_t rightTurn = 2 * (Rand() % 70 - 20) + 40;
        const float rightSpeed = Speed(6 + Rand() % 4 + 1.5 * level);
        FireFanAtTurned(emitter, Trunc(cx + 125), Trunc(cy - 10), kind, 1, rightSpeed, 36,
                        Trunc(cx + 100), 0, rightTurn);
        const int32_t leftTurn = -2 * (Rand() % 70 - 20) - 40;
        const float leftSpeed = Speed(6 + Rand() % 4 + 1.5 * level);
        FireFanAtTurned(emitter, Trunc(cx - 125), Trunc(cy - 10), kind, 1, leftSpeed, 36,
                        Trunc(cx - 100), 0, leftTurn);
    }
}

void CBoss5::Cadence(int32_t t) {
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    if (t < 1300) step = 0;
    if (step > 10) step = 0;
    if (step == 10) {
        RequestSound(kSoundVolleyC);
        g_EBMannager.ShootBig(Trunc(cx - 30), Trunc(y + 270), 5, 0, Speed(12 + 1.5 * level));
    }
    if (t >= 1300 && t < 1380 && t % 4 == 0) {
        step += 1;
        RequestSound(kSoundVolleyD);
        for (const double s : {10.0, 12.0})
            FireFanAt(emitter, Trunc(cx - 8), Trunc(y + 340), 100, 2, Speed(s + 1.5 * level),
                      120 - 20 * step, g_Player.hitX, g_Player.hitY);
    }
}

void CBoss5::CrossVolley() {
    const int32_t level = g_nLevel;
    step += 1;
    if (step > 4 || step < 0) step = 0;
    const double sx = x + hotX + Boss5CrossX[step];
    const double sy = y + 340 + Boss5CrossY[step];
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    RequestSound(kSoundVolleyC);
    FireBigFanAtTurned(emitter, Trunc(sx - 25), Trunc(sy), 19, 1, Speed(14 + 1.5 * level), 1, px,
                       py, 0);
    FireBigFanAtTurned(emitter, Trunc(sx - 20), Trunc(sy), 38, 1, Speed(13 + 1.5 * level), 1, px,
                       py, 0);
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t spacing = (5 * Rand()) % 6;
        const int32_t n = Rand() % 3 + 1;
        FireAimedFan(emitter, Trunc(sx - 25), Trunc(sy), 40, n, Speed(10 + 0.5 * i + 1.5 * level),
                     spacing);
    }
}

void CBoss5::DoubleBeam(int32_t t) {
    const int32_t s = (t - 900) % 50;
    if (s == 0) {
        beamAimX = g_Player.hitX;
        beamAimY = g_Player.hitY;
        param3 = -param3;
        RequestSound(kSoundVolleyE);
    }
    if (s > 30) return;
    int32_t tipX = beamAimX - 144 * param3;
    int32_t tipY[2] = {beamAimY + 96, beamAimY - 160};
    if (s > 10) {
        const int32_t k = s - 10;
        const int32_t r = 240 - k * k;
        tipX = beamAimX - r * param3 * 300 / 500;
        tipY[0] = beamAimY + r * 200 / 500;
        tipY[1] = beamAimY + r * -200 / 300;
    }
    for (const int32_t ty : tipY)
        DrawBeamToTip(Trunc(x + hotX), Trunc(y + 350), tipX, ty);
}

void CBoss5::Attack2(int32_t t) {
    const int32_t level = g_nLevel;
    const auto cx = [this] { return x + hotX; };
    const auto cy = [this] { return y + hotY; };
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    if (t < 100) {
        Move();
    } else if (t < 200) {
        Move();
        step = 0;
        if (t % 20 == 0) {
            param3 = -param3;
            g_KillerShotMannager.Shoot(Trunc(cx() - 105 + 100 * param3), Trunc(y + 105), 5, 1, 15.0,
                                       0);
            RequestSound(kSoundBlastLarge);
        }
    } else if (t < 500) {
        y += (469 - y) * 0.025;
        const int32_t r = Rand();
        if (t % 4 == 0) g_MissileMannager.Shoot(r % 376 + 134, 467, 7, 8, 4.0, 0);
    } else if (t < 600) {
        Move();
    } else if (t < 800) {
        Move();
        if (t % 16 == 0) {
            for (int32_t pass = 0; pass < 3; ++pass)
                CrossVolley();
        }
    } else if (t < 900) {
        step = 0;
        Move();
    } else if (t < 1100) {
        DoubleBeam(t);
    } else if (t < 1600) {
        Move();
        if (t < 1550) {
            Move();
            if (t < 1150) {
                step = 0;
            } else {
                if (t % 20 == 0) {
                    param3 = -param3;
                    g_KillerShotMannager.Shoot(Trunc(cx() - 105 + 120 * param3), Trunc(y + 105), 5,
                                               1, 15.0, 0);
                    RequestSound(kSoundBlastLarge);
                }
                if (t >= 1250 && t % 4 == 0) {
                    step += 1;
                    RequestSound(kSoundVolleyC);
                    if (step > 5) step = 0;
                    FireFanAtTurned(emitter, Trunc(cx() + 50), Trunc(cy() + 50), 141, 2,
                                    Speed(7 + 1.5 * level), 30, Trunc(cx()), 0, 400 - 40 * step);
                    FireFanAtTurned(emitter, Trunc(cx() - 50), Trunc(cy() + 50), 149, 2,
                                    Speed(7 + 1.5 * level), 30, Trunc(cx()), 0, 40 * step - 40);
                }
                if (t >= 1250 && level == 2 && t % 80 == 30) {
                    RequestSound(kSoundExplosion);
                    for (const double s : {12.0, 10.0, 8.0})
                        FireBigFanAt(emitter, Trunc(cx() - 30), Trunc(cy() + 70), 19, 1,
                                     Speed(s + 1.5 * level), 0, px, py);
                }
            }
        }
    } else if (t < 1700) {
        if (t == 1603) {
            RequestSound(kSoundBlastLarge);
            for (int32_t i = 0; i < 3; ++i) {
                const float s = Speed(Boss5RingSpeeds[i] + 1.5 * level);
                FireRing(emitter, Trunc(cx() - 10), Trunc(cy() + 140), 173, 10, s, px, py,
                         Boss5RingSpacing[i]);
                FireBigFanAt(emitter, Trunc(cx() - 30), Trunc(cy() + 120), 19, 1, s, 0, px, py);
            }
        }
    } else {
        phaseFrame = 0;
    }
}

void CBoss5::Attack3(int32_t t) {
    const int32_t level = g_nLevel;
    const auto cx = [this] { return x + hotX; };
    const auto cy = [this] { return y + hotY; };
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    if (t < 100) {
        flag = 1;
        if (t == 90) {
            g_nChat = kChatNumber;
            if (g_bChat != 0) g_nNextScene = kSceneChat;
        }
    } else {
        flag = 0;
    }
    g_EffectMannager.AddBackEx(Trunc(cx() - 135), Trunc(y + 150), 8, 10, 0, 0, 1, 1);
    g_EffectMannager.AddBackEx(Trunc(cx() + 5), Trunc(y + 150), 8, 10, 0, 0, 1, 1);

    if (t < 150) {
        Move();
    } else if (t < 250) {
        Move();
        if (t % 4 == 0) {
            RequestSound(kSoundVolleyD);
            FireAimedFan(emitter, Trunc(cx()), Trunc(cy()), 36, 2, Speed(10 + 1.5 * level),
                         30 * step - 180);
            step += 1;
        }
        if (t == 190) {
            RequestSound(kSoundCharge);
            g_EffectMannager.AddFrontEx(Trunc(cx() - 28), Trunc(cy()), 8, 8, 0, 0, 3, 5);
            g_EffectMannager.AddFrontEx(Trunc(cx() - 28), Trunc(cy()), 8, 8, 0, 0, 5, 5);
        }
        if (t == 195) g_EffectMannager.AddFrontEx(Trunc(cx() - 28), Trunc(cy()), 8, 8, 0, 0, 4, 5);
        if (t == 210 || t == 225 || t == 240) {
            RequestSound(kSoundAttack);
            g_LBMannager.Shoot(Trunc(cx() - 20), Trunc(cy()), 2, 0, 12.0, 180, 0, 0, px, py);
            g_LBMannager.Shoot(Trunc(cx() + 20), Trunc(cy()), 2, 0, 12.0, 180, 0, 0, px, py);
            step += 1;
        }
    } else if (t < 450) {
        Move();
        if (t >= 290 && t <= 420) {
            if ((t - 250) % 20 == 10) {
                entered = 1;
                RequestSound(kSoundBlastLarge);
                step += 1;
                FireBigFanAtTurned(emitter, Trunc(cx() + 30), Trunc(y + 200), 42, 5,
                                   Speed(11 + 1.5 * level), 25, Trunc(cx()), py, 80);
                FireBigFanAtTurned(emitter, Trunc(cx() - 70), Trunc(y + 200), 42, 5,
                                   Speed(12 + 1.5 * level), 25, Trunc(cx()), py, -80);
                for (int32_t i = 0; i < 12; ++i) {
                    FireFanAtTurned(emitter, Trunc(cx() + 30), Trunc(y + 200), 40, 5,
                                    Speed(10 - 0.5 * i + 1.5 * level), 25 - Rand() % 10,
                                    Trunc(cx()), py, 80);
                    FireFanAtTurned(emitter, Trunc(cx() - 70), Trunc(y + 200), 40, 5,
                                    Speed(11 - 0.5 * i + 1.5 * level), 25 - Rand() % 10,
                                    Trunc(cx()), py, -80);
                }
            }
            if (t == 331 || t == 401) RequestSound(kSoundVolleyE);
            if (((t > 330 && t < 360) || (t > 400 && t <= 420)) && t % 2 == 0)
                FireBigFanAtTurned(emitter, Trunc(cx() - 20), Trunc(cy()), 19, 1,
                                   Speed(11 + 1.5 * level), 30, px, py, 0);
        }
    } else if (t < 480) {
        // The boss holds still, showing only its glow.
    } else if (t < 600) {
        step = 0;
        Move();
        if (t % 16 == 0) {
            RequestSound(kSoundLaser);
            g_KillerShotMannager.Shoot(Trunc(cx() + 10), Trunc(cy() - 120), 3, 0, 15 + level, 0);
            g_KillerShotMannager.Shoot(Trunc(cx() - 190), Trunc(cy() - 120), 3, 0, 15 + level, 0);
        }
    } else if (t < 800) {
        Move();
        if (t >= 610 && t <= 660 && t % 10 == 0) {
            const int32_t i = (t - 610) / 10;
            g_MissileMannager.Shoot(Trunc(cx() - 40), Trunc(y + 200), 12, 3, Boss5MissileSpeeds[i],
                                    Boss5MissileAngles[i]);
        }
    } else if (t < 1120) {
        Move();
        step += param3;
        if (step >= 160 || step < 0) param3 = -param3;
        if (t % 20 == 0) {
            RequestSound(kSoundLaser);
            for (const double ox : {-10.0, 10.0})
                g_LBMannager.Shoot(Trunc(cx() + ox), Trunc(cy()), 1, 0, 12.0, 150,
                                   (80 - step) * 256, 0, px, py);
        }
    } else if (t < 1400) {
        if (t < 1200) {
            x += (40 - x) / 30;
        } else {
            x += (250 - x) * 0.0125;
        }
        if (t % 4 == 0) {
            RequestSound(kSoundVolleyD);
            step += 1;
            // Only the first ring waits for the boss to cross back.
            if (t > 1200)
                FireFanAtTurned(emitter, Trunc(cx()), Trunc(cy()), 141, 2, Speed(9 + 1.5 * level),
                                33 * step + 40, Trunc(cx()), 0, 0);
            FireFanAtTurned(emitter, Trunc(cx()), Trunc(cy()), 153, 6, 10.0f, 40 * step + 40,
                            Trunc(cx()), 0, 0);
            if (t % 40 < 20) {
                FireDirFanAtOffset(emitter, Trunc(cx()), Trunc(cy()), 14, 2, Speed(9 + 1.5 * level),
                                   60, Trunc(cx()), 0, 0);
                FireDirFanAtOffset(emitter, Trunc(cx()), Trunc(cy()), 14, 2, Speed(9 + 1.5 * level),
                                   80, Trunc(cx()), 0, 0);
            }
        }
    } else if (t < 1700) {
        Move();
        if (t >= 1450 && t % 40 == 20) {
            RequestSound(kSoundCharge);
            g_EffectMannager.AddFrontEx(Trunc(cx() - 28), Trunc(cy() + 22), 8, 8, 0, 0, 3, 5);
        }
        if (t >= 1450 && t % 40 == 30) {
            RequestSound(kSoundBlastLarge);
            FireRing(emitter, Trunc(cx() - 10), Trunc(cy() + 40), 173, 10, Speed(14 + 1.5 * level),
                     px, py, 2.0);
            FireBigFanAt(emitter, Trunc(cx() - 30), Trunc(cy() + 20), 19, 1,
                         Speed(14 + 1.5 * level), 0, px, py);
        }
    } else if (t < 1800) {
        // The boss holds still before its closing swirl.
    } else if (t < 2100) {
        Move();
        if (t % 2 == 0) {
            step += 10;
            if (step >= 360) step = 0;
        }
        if (t % 8 == 0) {
            const int32_t u = t - 1800;
            const double a = DegToRad(step);
            const int32_t angle = Trunc(std::sin(DegToRad(5 * u)) * u * 0.25);
            const int32_t n = Trunc(10 + 1.5 * level);
            for (const int32_t side : {-1, 1}) {
                const double sx = cx() - 5 + side * 40 * std::sin(a);
                const double sy = cy() + 40 * std::cos(a);
                FireFan(emitter, Trunc(sx), Trunc(sy), side < 0 ? 80 : 88, angle, 9.0f, n,
                        u / 4 + 36);
                g_EffectMannager.AddMidEx(Trunc(sx - 40), Trunc(sy - 40), 8, 7, 0, 0, 0, 5);
            }
        }
    } else {
        step = 0;
        phaseFrame = 100;
    }
}

void CBoss5::SpiralVolley(int32_t m, int32_t turn) {
    const int32_t level = g_nLevel;
    if (m == 20 || m == 30) entered = 1;
    if (m == 20) RequestSound(kSoundBlastLarge);
    const double cx = x + hotX;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    FireBigFanAtTurned(emitter, Trunc(cx - (m == 25 ? 20 : 10)), Trunc(y), 42, 5,
                       Speed(11 + 2.5 * level), 20, px, py, turn);
    for (int32_t i = 0; i <= 4 * level + 11; ++i) {
        const float s = Speed(10 - 0.5 * i + 2.5 * level);
        FireFanAtTurned(emitter, Trunc(cx - 10), Trunc(y), 40, 3, s, 40 - Rand() % 10, px, py,
                        turn);
        FireFanAtTurned(emitter, Trunc(cx - 10), Trunc(y), 44, 2, s, 40 - Rand() % 10, px, py,
                        turn);
    }
}

void CBoss5::Hail(int32_t t) {
    g_EffectMannager.AddFrontEx(Trunc(x + 10), Trunc(y - 40), 8, 10, 0, 0, 0, 1);
    g_EffectMannager.AddFrontEx(Trunc(x - 30), Trunc(y - 40), 8, 10, 0, 0, 0, 1);
    const double r1 = Rand() % 60 * 0.1 - 3.0;
    g_EBMannager.ShootBig(Trunc(x + 60), Trunc(y), 11, Speed(r1), 14.0f);
    const double r2 = Rand() % 60 * 0.1 - 3.0;
    g_EBMannager.ShootBig(Trunc(x + 20), Trunc(y), 11, Speed(r2), 14.0f);
    // The first spare counter paces the heavy pair.
    tick += 1;
    if (tick > 3) {
        tick = 0;
        const double r3 = Rand() % 20 * 0.1;
        g_EBMannager.ShootBig(Trunc(x + 40), Trunc(y), 14, Speed(r3), 14.5f);
        const double r4 = Rand() % 20 * 0.1 - 2.0;
        g_EBMannager.ShootBig(Trunc(x), Trunc(y), 14, Speed(r4), 14.5f);
    }
    if (t % 8 == 0) {
        if (step > 10) step = 0;
        FireFan(emitter, Trunc(x + hotX - 8), Trunc(y), 36, 270, 10.0f, 2, 200 - 20 * step);
        step += 1;
    }
}

void CBoss5::Attack4(int32_t t) {
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const double cy = y + hotY;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    g_EffectMannager.AddBackEx(Trunc(cx - 50), Trunc(y), 8, 1, 0, 0, 2, 1);
    rotation = DegToRad(6 * std::sin(DegToRad(t)) + 10 * t + 0.1);

    if (t < 100) {
        step = 0;
    } else if (t < 200) {
        if (t % 15 == 0)
            FireBigFanAt(emitter, Trunc(x + 30), Trunc(y + 30), 19, 9, Speed(14 + level), 20, px,
                         py);
    } else if (t < 250) {
        // A pause between the opening fans and the turned pair.
    } else if (t < 350) {
        if (t == 250) {
            RequestSound(kSoundVolleyE);
            work1 = px;
            work2 = py;
        }
        if (t % 10 == 0) step += 1;
        FireBigFanAtTurned(emitter, Trunc(x + 30), Trunc(y + 30), 17, 1, Speed(19 + 1.5 * level), 0,
                           work1, work2, 20 * step - 90);
        FireBigFanAtTurned(emitter, Trunc(x + 30), Trunc(y + 30), 17, 1, Speed(20 + 1.5 * level), 0,
                           work1, work2, 20 * step - 110);
    } else if (t < 800) {
        const int32_t m = (t - 300) % 50;
        if (m == 20) param3 = -param3;
        switch (m) {
            case 20:
                SpiralVolley(m, 144 * param3);
                break;
            case 25:
                SpiralVolley(m, -144 * param3);
                break;
            case 30:
                SpiralVolley(m, 72 * param3);
                break;
            case 35:
                SpiralVolley(m, -72 * param3);
                break;
            case 40:
                SpiralVolley(m, 0);
                break;
            default:
                break;
        }
    } else if (t < 1050) {
        if (t == 900) {
            g_EffectMannager.AddFrontEx(Trunc(cx - 28), Trunc(cy - 28), 8, 8, 0, 0, 3, 5);
            RequestSound(kSoundCharge);
        }
        if (t > 920 && t < 950) {
            const int32_t n = (t - 20) % 100;
            if (n == 10) RequestSound(kSoundVolleyE);
            if (n > 10) {
                const int32_t length = 15 * (n - 10);
                for (const Boss5Ray& ray : Boss5Rays)
                    g_ELazer.Add(Trunc(cx + ray.d), Trunc(cy + 10), 10, 10, 6, 0, 0, length, ray.a,
                                 0, ray.b, 100);
            }
        }
        if (t >= 950 && t % (30 - 5 * level) == 0) {
            RequestSound(kSoundVolleyE);
            for (const auto& from : Boss5LaserShotFrom)
                g_LBMannager.Shoot(from[0], from[1], 2, 0, 10 + 4 * level, 180, 0, 0, px, py);
        }
    } else if (t < 1300) {
        if (t == 1100) {
            g_EffectMannager.AddFrontEx(Trunc(cx - 28), Trunc(cy - 28), 8, 8, 0, 0, 3, 5);
            RequestSound(kSoundCharge);
        }
        if (t == 1121) RequestSound(kSoundLaunch);
        if (t < 1120) {
            step = 0;
        } else {
            Hail(t);
        }
    } else {
        step = 0;
        phaseFrame = 0;
    }
}
