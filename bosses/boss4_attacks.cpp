#include <cmath>

#include "bosses/boss4.h"
#include "bosses/boss_child.h"
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

constexpr int32_t kKeyMode = 2;
constexpr int32_t kEntranceMode = 16;
constexpr int32_t kParkX = 40;
constexpr int32_t kParkY = -350;

// Twenty sparks in a ring of speed 5, each drawing its shade.
void SparkRing(int32_t x, int32_t y) {
    for (int32_t i = 0; i < 20; ++i) {
        const double a = DegToRad(18 * i);
        g_EffectMannager.AddFrontEx(x, y, 17, 22, static_cast<float>(std::cos(a) * 5),
                                    static_cast<float>(std::sin(a) * 5), Rand() % 3, 1);
    }
}

// The boss waits above the field with its entrance look, showing itself from frame 98.
void Park(CBoss& boss, int32_t t) {
    boss.draw.mode = t >= 98 ? kKeyMode : kEntranceMode;
    boss.x = kParkX;
    boss.y = kParkY;
}

}  // namespace

void CBoss4::Attack1() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const double cy = y + hotY;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    g_ELazer.SetColor(50, 80, 250);
    g_EffectMannager.AddBackEx(Trunc(cx - 65), Trunc(y + 200), 8, 10, 0, 0, 0, 1);
    g_EffectMannager.AddBackEx(Trunc(cx - 135), Trunc(y + 150), 8, 10, 0, 0, 0, 1);
    g_EffectMannager.AddBackEx(Trunc(cx + 5), Trunc(y + 150), 8, 10, 0, 0, 0, 1);

    if (t < 100) {
        g_pBossParts[0].angle = -20;
        g_pBossParts[0].maxAngle = 0;
        g_pBossParts[0].minAngle = -20;
        g_pBossParts[1].angle = 20;
        g_pBossParts[1].maxAngle = 20;
        g_pBossParts[1].minAngle = 0;
        g_pBossParts[0].offsetX = hotX - 90;
        g_pBossParts[1].offsetX = hotX + 90;
        g_pBossParts[0].offsetY = g_pBossParts[1].offsetY = hotY;
    } else if (t < 260) {
        if ((t - 100) % 20 == 10) {
            entered = 1;
            RequestSound(kSoundBlastLarge);
            step += 1;
            FireBigFanAtTurned(emitter, Trunc(cx + 80), Trunc(y + 200), 42, 3,
                               Speed(11 + 1.5 * level), 25, Trunc(cx), py, 60);
            FireBigFanAtTurned(emitter, Trunc(cx - 120), Trunc(y + 200), 42, 3,
                               Speed(12 + 1.5 * level), 25, Trunc(cx), py, -60);
            for (int32_t i = 0; i < 12; ++i) {
                FireFanAtTurned(emitter, Trunc(cx + 80), Trunc(y + 200), 40, 3,
                                Speed(10 - 0.5 * i + 1.5 * level), 25 - Rand() % 10, Trunc(cx), py,
                                60);
                FireFanAtTurned(emitter, Trunc(cx - 120), Trunc(y + 200), 40, 3,
                                Speed(11 - 0.5 * i + 1.5 * level), 25 - Rand() % 10, Trunc(cx), py,
                                -60);
            }
        }
        if (t == 101) {
            FireBigFanAt(emitter, Trunc(cx - 80), Trunc(y + 250), 5, 1, Speed(8.5 + 1.5 * level), 0,
                         px, py);
            FireBigFanAt(emitter, Trunc(cx + 60), Trunc(y + 250), 5, 1, Speed(8.5 + 1.5 * level), 0,
                         px, py);
        }
        if (t % 2 == 0 && t < 140) {
            const double s = Rand() % 60 * 0.1 + 3.5 + 1.5 * level;
            // Every call draws its own small turn.
            for (const double ox : {-80.0, 60.0}) {
                FireFanAtTurned(emitter, Trunc(cx + ox), Trunc(y + 250), 36, 1, Speed(s), 0, px, py,
                                Rand() % 10 - 5);
                FireFanAtTurned(emitter, Trunc(cx + ox), Trunc(y + 250), 0, 1, Speed(s + 0.5), 0,
                                px, py, Rand() % 10 - 5);
            }
        }
    } else if (t < 530) {
        if (t % 30 == 10) {
            RequestSound(kSoundVolleyE);
            g_LBMannager.Shoot(Trunc(cx - 20), Trunc(cy + 100), 2, 0, 11.0, 180, 0, 0, px, py);
            g_LBMannager.Shoot(Trunc(cx + 20), Trunc(cy + 100), 2, 0, 11.0, 180, 0, 0, px, py);
            step += 1;
        }
    } else if (t < 650) {
        if (t == 531) {
            RequestSound(kSoundCharge);
            g_EffectMannager.AddFrontEx(Trunc(cx - 8), Trunc(cy + 72), 8, 8, 0, 0, 3, 5);
            g_EffectMannager.AddFrontEx(Trunc(cx - 48), Trunc(cy + 72), 8, 8, 0, 0, 3, 5);
        }
        if (t == 550) {
            for (int32_t i = 0; i < 4; ++i) {
                g_LBMannager.Shoot(Trunc(cx + 20), Trunc(cy + 100), 2, 0, 10.0, 140, 0, 0,
                                   Trunc(cx + 100 + 20 * i), 469);
                g_LBMannager.Shoot(Trunc(cx - 20), Trunc(cy + 100), 2, 0, 10.0, 140, 0, 0,
                                   Trunc(cx - 100 - 20 * i), 469);
            }
            step = 0;
            RequestSound(kSoundVolleyE);
        }
        if (t == 560) {
            for (int32_t i = 1; i < kMarks; ++i) {
                markX[i] = Rand() % 376 + 134;
                markY[i] = Rand() % 200;
            }
            markX[0] = px;
            markY[0] = py;
        }
        if (t > 580) {
            for (int32_t i = 0; i < kMarks; ++i)
                g_EffectMannager.AddFrontEx(markX[i] - 30, markY[i] + 8, 8, 18, 0, 0, 8, 1);
            if (t % 8 == 0 && step >= 0 && step < kMarks) {
                RequestSound(kSoundAttack);
                const int32_t mx = markX[step];
                const double rate = 30 + 5 * level;
                g_LBMannager.Shoot(mx - 5, 619, 2, 0, rate, 240, 0, 0, mx, 0);
                g_LBMannager.Shoot(mx + 5, 619, 2, 0, rate, 240, 0, 0, mx, 0);
                step += 1;
            }
        }
    } else if (t < 750) {
        g_pBossParts[0].Turn(1);
        g_pBossParts[1].Turn(-1);
    } else if (t < 1250) {
        const int32_t m = t % 160;
        if (m < 25 && t % 4 == 0) {
            RequestSound(kSoundVolleyC);
            FireFan(emitter, Trunc(cx + 100), Trunc(y + 280), 36, 20 * step, Speed(10 + 2 * level),
                    6, 60);
            FireFan(emitter, Trunc(cx - 100), Trunc(y + 280), 36, -20 * step, Speed(10 + 2 * level),
                    6, 60);
            step += 1;
        }
        if (m == 40 || m == 70) {
            RequestSound(kSoundBlastLarge);
            for (int32_t i = 0; i < 6; ++i) {
                FireFan(emitter, Trunc(cx - 30), Trunc(y + 280), 40, 230, Speed(10 + level + i), 3,
                        Rand() % 5 + 20);
                FireFan(emitter, Trunc(cx + 30), Trunc(y + 280), 40, 310, Speed(10 + level + i), 3,
                        Rand() % 5 + 20);
            }
        }
        if (m == 60) {
            for (int32_t i = 0; i < 6; ++i) {
                FireAimedFan(emitter, Trunc(cx - 20), Trunc(y + 280), 40, 3,
                             Speed(6 + 2 * level + i), Rand() % 4 + 20);
                FireAimedFan(emitter, Trunc(cx + 20), Trunc(y + 280), 40, 3,
                             Speed(6 + 2 * level + i), Rand() % 4 + 20);
            }
        }
        if (m == 100) {
            g_EffectMannager.AddFrontEx(Trunc(cx - 130), Trunc(cy - 120), 8, 8, 0, 0, 3, 5);
            g_EffectMannager.AddFrontEx(Trunc(cx + 70), Trunc(cy - 120), 8, 8, 0, 0, 3, 5);
            RequestSound(kSoundCharge);
        }
        if (m == 120) {
            RequestSound(kSoundBlastLarge);
            g_KillerShotMannager.Shoot(Trunc(cx + 10), Trunc(cy - 120), 3, 0, 15 + level, 0);
            g_KillerShotMannager.Shoot(Trunc(cx - 190), Trunc(cy - 120), 3, 0, 15 + level, 0);
        }
    } else if (t < 1260) {
        g_pBossParts[0].Turn(-1);
        g_pBossParts[1].Turn(1);
    } else {
        phaseFrame = 0;
    }
}

void CBoss4::Attack2() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    // The boss moves within the frame, so every position is taken where it is used.
    const auto cx = [this] { return x + hotX; };
    const auto cy = [this] { return y + hotY; };
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    g_EffectMannager.AddBackEx(Trunc(cx() - 65), Trunc(y + 160), 8, 10, 0, 0, 1, 1);

    if (t < 100) {
        Park(*this, t);
    } else if (t < 200) {
        Move();
    } else if (t < 300) {
        const int32_t m = (t - 200) % 50;
        if (t % 4 == 0) {
            const bool low = m < 25;
            if (low) RequestSound(kSoundVolleyC);
            const double ox = low ? 100 : 50;
            const int32_t oy = low ? 280 : 200;
            const int32_t kind = low ? 72 : 84;
            for (const double s : {8.0, 10.0}) {
                FireFan(emitter, Trunc(cx() + ox), Trunc(y + oy), kind, 20 * step,
                        Speed(s + 2 * level), 2, 180);
                FireFan(emitter, Trunc(cx() - ox), Trunc(y + oy), kind, -20 * step,
                        Speed(s + 2 * level), 2, 180);
            }
            step += 1;
        }
        Move();
    } else if (t < 600) {
        Move();
        if (t == 321) {
            g_MissileMannager.Shoot(Trunc(cx() + 120), Trunc(y + 240), 6, 2, 10.0, 0);
            g_MissileMannager.Shoot(Trunc(cx() - 140), Trunc(y + 240), 6, 2, 10.0, 0);
        }
        if (t > 360 && t % 10 == 0) {
            for (int32_t d = 0; d < 3; ++d) {
                const double wave = std::sin(DegToRad(30 * (step - d)));
                FireDirFanAtOffset(emitter, Trunc(cx() + 87), Trunc(y + 250), 5, 1,
                                   Speed(9 + 2 * level), 20, Trunc(cx()), 0, Trunc(wave * 50));
                FireDirFanAtOffset(emitter, Trunc(cx() - 113), Trunc(y + 250), 5, 1,
                                   Speed(9 + 2 * level), 20, Trunc(cx()), 0, Trunc(wave * -50));
            }
            step += 1;
        }
    } else if (t < 930) {
        const int32_t u = t - 650;
        if (t < 650) x += (-100 - x) / 30;
        if (u == 6) {
            RequestSound(kSoundLaunch);
            SparkRing(Trunc(cx() - 90), Trunc(y + 150));
            SparkRing(Trunc(cx() + 50), Trunc(y + 150));
        }
        if (u >= 6 && u <= 14) {
            const double width = (u - 5) * 0.25 * 0.9 + 0.1;
            AddScaledLaser(Trunc(cx() - 80), Trunc(y + 170), 10, 10, 1, width, 1, 0, 0, 0, 0);
            AddScaledLaser(Trunc(cx() + 80), Trunc(y + 170), 10, 10, 1, width, 1, 0, 0, 0, 0);
        }
        if (u >= 15) {
            if (t % 3 == 0) {
                y -= 4;
            } else {
                y += 2;
            }
            AddScaledLaser(Trunc(cx() - 80), Trunc(y + 170), 10, 10, 1, 1.0, t % 3, 0, 0, 0, 0);
            AddScaledLaser(Trunc(cx() + 80), Trunc(y + 170), 10, 10, 1, 1.0, t % 3, 0, 0, 0, 0);
        }
        if (u > 80) x += (200 - x) / 80;
    } else if (t < 1000) {
        Move();
    } else if (t < 1225) {
        const int32_t m = (t - 1000) % 45;
        if (m == 0) RequestSound(kSoundCharge);
        if (m == 10) {
            RequestSound(kSoundVolleyE);
            volleyX = px;
            g_LBMannager.Shoot(Trunc(cx() - 20), Trunc(cy() + 100), 2, 0, 11.0, 180, 0, 0, px, py);
            g_LBMannager.Shoot(Trunc(cx() + 20), Trunc(cy() + 100), 2, 0, 11.0, 180, 0, 0, px, py);
            step += 1;
        }
        if (m == 40) FireEruption(volleyX, false, Speed(8 + level), Speed(10 + level));
    } else if (t < 1600) {
        Move();
        if (t >= 1300) {
            step = 0;
            if ((t - 1225) % 50 == 0) {
                RequestSound(kSoundBlastLarge);
                FireBigFanAtTurned(emitter, Trunc(cx() - 40), Trunc(y + 270), 42, 5,
                                   Speed(11 + 1.5 * level), 30, px, py, 0);
                FireBigFanAtTurned(emitter, Trunc(cx()), Trunc(y + 270), 42, 5,
                                   Speed(11 + 1.5 * level), 30, px, py, 0);
                for (int32_t i = 0; i < 12; ++i) {
                    const float s = Speed(10 - 0.5 * i + 1.5 * level);
                    FireFanAtTurned(emitter, Trunc(cx() - 40), Trunc(y + 270), 40, 5, s,
                                    30 - Rand() % 10, px, py, 0);
                    FireFanAtTurned(emitter, Trunc(cx()), Trunc(y + 270), 40, 5, s,
                                    30 - Rand() % 10, px, py, 0);
                }
            }
        }
    } else if (t < 1800) {
        const int32_t m = (t - 1600) % 40;
        if (m == 0) RequestSound(kSoundCharge);
        if (m == 10) {
            step += 1;
            RequestSound(kSoundVolleyE);
            const int32_t tx = 510 - 50 * step;
            g_LBMannager.Shoot(Trunc(cx() - 20), Trunc(cy() + 100), 2, 0, 12.0, 180, 0, 0, tx, 0);
            g_LBMannager.Shoot(Trunc(cx() + 20), Trunc(cy() + 100), 2, 0, 12.0, 180, 0, 0, tx, 0);
            step += 1;
        }
        if (m == 35) FireEruption(510 - 50 * step, true, Speed(8 + level), Speed(10 + level));
    } else {
        phaseFrame = 100;
    }
}

void CBoss4::Sweep(int32_t m, int32_t firstTarget, int32_t secondTarget, int32_t turn1,
                   int32_t turn2, int32_t turnStep) {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    if (step > 1 || step < 0) step = 0;
    if (m == 149) step = 1;
    x += ((step == 0 ? firstTarget : secondTarget) - x) * 0.0125;
    const double cx = x + hotX;
    const double cy = y + hotY;
    if (t % 5 == 0 && m < 18) {
        if (m == 0) RequestSound(kSoundBlastLarge);
        g_KillerShotMannager.Shoot(Trunc(cx + 10), Trunc(y + 70), 1, 3, 18.0, 0);
    }
    if (t % 5 == 0 && m >= 50 && m <= 68) {
        work3 = 0;
        if (m == 50) RequestSound(kSoundBlastLarge);
        g_KillerShotMannager.Shoot(Trunc(cx - 150), Trunc(y + 70), 1, 3, 18.0, 0);
    }
    if (m >= 100) {
        // The turned volleys aim about the ship as it stood when they began.
        if (m == 100) {
            work1 = g_Player.hitX;
            work2 = g_Player.hitY;
            RequestSound(kSoundVolleyE);
        }
        if (t % 10 == 0) work3 += 1;
        FireBigFanAtTurned(emitter, Trunc(cx - 30), Trunc(cy + 30), 17, 1, Speed(19 + 1.5 * level),
                           0, work1, work2, turn1 + turnStep * work3);
        FireBigFanAtTurned(emitter, Trunc(cx - 30), Trunc(cy + 30), 17, 1, Speed(20 + 1.5 * level),
                           0, work1, work2, turn2 + turnStep * work3);
    }
}

void CBoss4::Beam(int32_t window) {
    const int32_t s = (scriptFrame - 600) % 50;
    if (s == 0) {
        beamAimX[window] = g_Player.hitX;
        beamAimY[window] = g_Player.hitY;
        param3 = -param3;
        RequestSound(kSoundVolleyE);
    }
    if (s > 25) return;
    int32_t dx = param3 * 72000 / 500;
    int32_t dy = 96;
    if (s > 5) {
        const int32_t k = s - 5;
        dx = (240 - k * k) * param3 * 300 / 500;
        dy = (240 - k * k) * 200 / 500;
    }
    DrawBeamToTip(Trunc(x + hotX), Trunc(y + 200), beamAimX[window] - dx, beamAimY[window] + dy);
}

void CBoss4::Attack3() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const auto cx = [this] { return x + hotX; };
    const auto cy = [this] { return y + hotY; };

    g_EffectMannager.AddBackEx(Trunc(cx() - 65), Trunc(y + 200), 8, 10, 0, 0, 0, 1);
    g_EffectMannager.AddBackEx(Trunc(cx() - 135), Trunc(y + 150), 8, 10, 0, 0, 0, 1);
    g_EffectMannager.AddBackEx(Trunc(cx() + 5), Trunc(y + 150), 8, 10, 0, 0, 0, 1);

    if (t < 100) Park(*this, t);
    if (t < 170) {
        step = 0;
        g_pBossParts[0].angle = -20;
        g_pBossParts[0].maxAngle = 0;
        g_pBossParts[0].minAngle = -20;
        g_pBossParts[1].angle = 20;
        g_pBossParts[1].maxAngle = 20;
        g_pBossParts[1].minAngle = 0;
        g_pBossParts[0].offsetX = hotX - 90;
        g_pBossParts[1].offsetX = hotX + 90;
        g_pBossParts[0].offsetY = g_pBossParts[1].offsetY = hotY;
        Move();
    } else if (t < 200) {
        g_pBossParts[0].Turn(1);
        g_pBossParts[1].Turn(-1);
        Move();
    } else if (t < 500) {
        Sweep((t - 200) % 150, -30, 200, -60, -90, 30);
    } else if (t < 600) {
        step = 0;
        work3 = 0;
        Move();
    } else if (t < 700) {
        Beam(0);
    } else if (t < 1100) {
        Sweep((t - 700) % 150, 200, -30, 70, 100, -30);
    } else if (t < 1200) {
        Beam(1);
    } else if (t < 1600) {
        Move();
        if (t % 4 == 0) {
            const double a = DegToRad(80 * std::cos(DegToRad(10 * t)) + t + 270);
            const float vx8 = static_cast<float>(8 * std::cos(a));
            const float vy8 = static_cast<float>(8 * std::sin(a));
            g_EBMannager.Shoot(Trunc(cx()), Trunc(y + 200), 40, vx8, vy8);
            g_EBMannager.Shoot(Trunc(cx()), Trunc(y + 200), 40,
                               static_cast<float>(-8 * std::cos(a)), vy8);
        }
        if (t % 7 == 0) {
            const double wave = std::sin(DegToRad(2 * t));
            const int32_t angle = Trunc(270 + 10 * wave);
            FireFan(emitter, Trunc(cx() + 50 * wave), Trunc(y + 200), 44, angle,
                    Speed(7 + 1.5 * level), 5, 40);
            FireFan(emitter, Trunc(cx() - 50 * wave), Trunc(y + 200), 44, angle,
                    Speed(7 + 1.5 * level), 5, 40);
        }
    } else if (t < 1700) {
        if (t < 1650 && t % 10 == 0) {
            const int32_t speed = Rand() % 4;
            const int32_t n = 5 + Rand() % 2;
            FireAimedFan(emitter, Trunc(cx()), Trunc(cy() + 50), 40, n,
                         Speed(6 + speed + 1.5 * level), 25);
        }
        if (t == 1610) {
            const int32_t mx = Trunc(cx());
            const int32_t my = Trunc(cy() + 50);
            g_MissileMannager.ShootSized(mx, my, 0, 0, 10.0, -100);
            g_MissileMannager.ShootSized(mx, my, 0, 0, 10.0, 100);
            g_MissileMannager.ShootSized(mx, my, 0, 0, 15.0, -80);
            g_MissileMannager.ShootSized(mx, my, 0, 0, 15.0, 80);
        }
    } else {
        phaseFrame = 100;
    }
}
