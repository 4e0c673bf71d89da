#include "bosses/boss2.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "bosses/boss_child.h"
#include "bosses/route.h"
#include "bosses/script_helpers.h"
#include "enemies/background.h"
#include "engine/angle.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/enemy_laser.h"
#include "shooting/fire.h"
#include "shooting/hit_test.h"
#include "shooting/missile.h"
#include "shooting/player.h"

Boss2Body Boss2Size[3] = {};

const int32_t Boss2RouteX[3][kBoss2RouteSteps] = {
    {160, 160, 240, 125, 160, 180, 200, 180, 160, 180, 180, 180},
    {230, 180, 280, 160, 230, 300, 240, 160, 300, 280, 280, 280},
    {280, 280, 280, 280, 280, 280, 280, 280, 280, 280, 280, 280}};
const int32_t Boss2RouteY[3][kBoss2RouteSteps] = {
    {200, 200, 220, 190, 200, 200, 200, 200, 230, 230, 260, 260},
    {280, 280, 250, 250, 280, 280, 250, 250, 280, 280, 260, 260},
    {330, 330, 330, 330, 330, 330, 330, 330, 330, 330, 360, 360}};
const int32_t Boss2LaserOffset[2] = {50, 100};
const int32_t Boss2LaserSweep[4] = {45, 10, -45, 20};

namespace {

using namespace boss_script;

constexpr int32_t kLightChild = 9;
constexpr int32_t kLightMode = 20;
constexpr double kGlide = 0.025;

// The turned-bullet pair streams of the third phase.
void TwinStreams(int32_t sx, int32_t sy, int32_t type, int32_t level, int32_t leftAngle,
                 int32_t rightAngle) {
    for (const double add : {6.0, 5.5, 5.0, 4.5}) {
        const float speed = Speed(1.5 * level + add);
        g_EBMannager.ShootDir(sx - 30, sy, type, speed, leftAngle);
        g_EBMannager.ShootDir(sx + 30, sy, type, speed, rightAngle);
    }
}

}  // namespace

void CBoss2::Init() {
    StartSetUp(2, kPhaseHp, 160, -262);
    work3 = 0;
    g_pBossImage1->LoadCompressed("img/bs2-1");
    g_pBossImage2->LoadCompressed("img/bs2-2");
    g_pBossImage3->LoadCompressed("img/bs2-3");
    g_pBossEffectImage[2].Load("img/effect-logo1.bmp");
    g_pBossImage = g_pBossImage1;
    Boss2Size[0] = {326, 295};
    Boss2Size[1] = {158, 180};
    Boss2Size[2] = {68, 70};
    SetBody(Boss2Size[0].w, Boss2Size[0].h, 150, 131);
}

void CBoss2::Act() {
    if (!BeginFrame()) return;
    const bool contact = phasesLeft == 2 ? HitPlayerCentredTop(*this, w, 80) : HitPlayerBox(*this);
    if (contact) PushPlayer();
    TakeShots();
    if (dying != 0) return;
    if (phasesLeft == 2) {
        g_pBossImage = g_pBossImage1;
        TakeBody(0);
        Attack1();
        frameCol = 0;
    } else if (phasesLeft == 1) {
        frameRow = 0;
        // The width still being the first body's marks the phase's first frame.
        if (w == Boss2Size[0].w) {
            g_pBossImage = g_pBossImage2;
            x += 100;
            TakeBody(1);
        }
        Attack2();
        frameCol = 0;
    } else {
        if (w != Boss2Size[2].w) {
            g_pBossImage = g_pBossImage3;
            TakeBody(2);
        }
        Attack3();
    }
    Move();
}

void CBoss2::TakeBody(int32_t phase) {
    const Boss2Body& body = Boss2Size[phase];
    SetBody(body.w, body.h, body.w >> 1, body.h >> 1);
}

void CBoss2::Move() {
    const int32_t r = phaseCount - phasesLeft;
    if (r >= 2) return;
    const int32_t s = phaseFrame >> 7;
    const double k = r == 0 ? 1.0 / 60 : 0.025;
    // The first phase's last frames read on into the second phase's row.
    vx = (RouteAt(Boss2RouteX, r * kBoss2RouteSteps + s) - x) * k;
    vy = (y - RouteAt(Boss2RouteY, r * kBoss2RouteSteps + s)) * k;
    y -= vy;
    x += vx;
}

void CBoss2::Attack1() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    shotBoxHalfW = w;
    shotBoxHigh = h;
    shotBoxLow = 120;

    if (Within(t, 0, 190)) {
        Move();
        if (t == 100) frameRow = 1;
        if (t == 103) frameRow = 2;
        if (t == 105) frameRow = 3;
        if (t == 107) {
            frameRow = 4;
            for (int32_t i = 0; i < 40; ++i) {
                const double s = ((Rand() % 2000) + 2000) * 0.006;
                const float svx = Speed(std::cos(DegToRad((Rand() % 30) + 90)) * s);
                const float svy = Speed(std::sin(DegToRad((Rand() % 30) + 90)) * s);
                g_EffectMannager.AddMidEx(Trunc(x + hotX - 103), Trunc(y + 150), 18, 11, svx, svy,
                                          0, 1);
                g_EffectMannager.AddMidEx(Trunc(x + hotX + 97), Trunc(y + 150), 18, 11, -svx, svy,
                                          0, 1);
            }
        }
    }
    const double cx = x + hotX;
    const double cy = y + hotY;
    if (Within(t, 191, 549)) {
        g_EffectMannager.AddFrontEx(Trunc(cx - 30), Trunc(y + 90), 8, 8, 0, 0, 0, 1);
        const int32_t sx = Trunc(cx - 10);
        const int32_t sy = Trunc(y + 150);
        const float speed = Speed(1.5 * level + 8);
        if (t % 3 == 0 && t % 64 < 30) {
            RequestSound(kSoundVolleyD);
            FireBigFanAt(emitter, sx, sy, 50, 5, speed, 36, sx, 0);
        }
        if (t % 64 == 0) FireFanAt(emitter, sx, sy, 145, 5, speed, 36, sx, 0);
        if (t % 64 == 10) {
            RequestSound(kSoundVolleyC);
            const int32_t xs = Trunc(cx - 18);
            const float aimed = Speed(2 * level + 5);
            FireFanAt(emitter, xs - 75, Trunc(y + 162), 40, 4, aimed, 40, px, py);
            FireFanAt(emitter, xs + 75, Trunc(y + 162), 40, 4, aimed, 40, px, py);
            for (int32_t i = 1; i <= 4; ++i) {
                for (const int32_t v : {level + 12, level + 10, level + 8}) {
                    const double sn = std::sin(DegToRad(20 * i)) * v;
                    const double cs = std::cos(DegToRad(20 * i)) * v;
                    g_EBMannager.ShootBig(Trunc(cx - 25), Trunc(y + 110), 17, Speed(sn), Speed(cs));
                    g_EBMannager.ShootBig(Trunc(cx - 25), Trunc(y + 110), 17, Speed(-sn),
                                          Speed(cs));
                }
            }
        }
    }
    if (Within(t, 550, 599)) {
        step = 0;
        if (t == 560) frameRow = 3;
        if (t == 562) frameRow = 2;
        if (t == 564) frameRow = 1;
        if (t == 566) frameRow = 0;
        if (t == 570) RequestSound(kSoundCharge);
        if (t == 570 || t == 575 || t == 580) {
            const int32_t e = 3 + (t - 570) / 5;
            g_EffectMannager.AddFrontEx(Trunc(cx - 68), Trunc(y + 30), 8, 8, 0, 0, e, 5);
            g_EffectMannager.AddFrontEx(Trunc(cx - 128), Trunc(y + 50), 8, 8, 0, 0, e, 5);
            g_EffectMannager.AddFrontEx(Trunc(cx + 12), Trunc(y + 30), 8, 8, 0, 0, e, 5);
            g_EffectMannager.AddFrontEx(Trunc(cx + 72), Trunc(y + 50), 8, 8, 0, 0, e, 5);
        }
    }
    if (Within(t, 600, 799)) {
        const int32_t d = (t - 600) % 35;
        if (d == 0) {
            step = Rand() % 2;
            param3 = -param3;
        }
        // Only the two offsets exist; a counter left elsewhere by an earlier pass takes the
        // nearer one.
        const int32_t offset = Boss2LaserOffset[std::clamp(step, 0, 1)] * param3;
        const int32_t lx = Trunc(cx - offset);
        if (d == 0) g_EffectMannager.AddFrontEx(lx, Trunc(y + 140), 12, 10, 0, 0, 0, 1);
        if (d == 6) {
            RequestSound(kSoundVolleyA);
            g_EffectMannager.AddFrontEx(lx, Trunc(y + 140), 12, 10, 0, 0, 0, 1);
            g_EffectMannager.AddFrontEx(Trunc(cx - 74 - offset), Trunc(y + 90), 8, 5, 0, 20, 0, 40);
        }
        double width = -1;
        if (Within(d, 6, 14)) width = (d - 5) * 0.25 * 0.9 + 0.1;
        if (Within(d, 15, 19)) width = 1.0;
        if (Within(d, 20, 29)) width = 1 - (d - 20) * 0.1 * 0.9;
        if (width >= 0)
            g_ELazer.AddSimple(lx, Trunc(y + 130), 10, 10, 1, ScaleLowWord(width),
                               ScaleHighWord(width));
    }
    if (Within(t, 800, 849) && level == 2) {
        if (t == 819) {
            g_EffectMannager.AddFrontEx(Trunc(cx + 22), Trunc(cy + 22), 8, 8, 0, 0, 3, 5);
            g_EffectMannager.AddFrontEx(Trunc(cx - 78), Trunc(cy + 22), 8, 8, 0, 0, 3, 5);
            RequestSound(kSoundCharge);
        }
        if (t == 829 || t == 839) {
            RequestSound(kSoundVolleyA);
            const float speed = Speed(2 * level + 8);
            FireRing(emitter, Trunc(cx + 40), Trunc(cy + 40), 177, 10, speed, px, py, 2.0);
            FireRing(emitter, Trunc(cx - 60), Trunc(cy + 40), 177, 10, speed, px, py, 2.0);
            FireBigFanAt(emitter, Trunc(cx - 80), Trunc(cy + 20), 19, 1, speed, 0, px, py);
            FireBigFanAt(emitter, Trunc(cx + 20), Trunc(cy + 20), 19, 1, speed, 0, px, py);
        }
    }
    if (Within(t, 850, 1499)) {
        if (t % 100 < 30 && t % 16 == 0) {
            RequestSound(kSoundVolleyC);
            FireBigFanAt(emitter, Trunc(cx - 25), Trunc(y + 150), 17, 12, 9, 30, Trunc(cx - 25), 0);
        }
        g_EffectMannager.AddFrontEx(Trunc(cx - 100), Trunc(y + 130), 8, 8, 0, 0, 0, 1);
        g_EffectMannager.AddFrontEx(Trunc(cx + 40), Trunc(y + 130), 8, 8, 0, 0, 0, 1);
        tick += 1;
        if (tick > 4) {
            tick = 0;
            RequestSound(kSoundVolleyB);
            step += 1;
            if (step >= 36) step = 0;
            const float speed = Speed(1.5 * level + 5);
            for (int32_t i = 0; i < 3; ++i) {
                const int32_t type = i % 2 == 0 ? 5 : 7;
                g_EBMannager.ShootDir(Trunc(cx - 78), Trunc(y + 150), type, speed,
                                      360 + 120 * i + 10 * step);
                g_EBMannager.ShootDir(Trunc(cx + 62), Trunc(y + 150), type, speed,
                                      360 + 120 * i - 10 * step);
            }
        }
    }
    if (Within(t, 1500, 1899)) {
        g_EffectMannager.AddFrontEx(Trunc(cx - 30), Trunc(y + 130), 8, 8, 0, 0, 0, 1);
        if (t % 4 == 0) {
            param3 = -1;
            step += 1;
            if (step >= 36) step = 0;
            for (int32_t i = 0; i < 5; ++i)
                g_EBMannager.ShootDir(Trunc(cx - 8), Trunc(y + 150), 7, Speed(1.5 * level + 8),
                                      360 + 72 * i + 10 * step * param3);
        }
    }
    if (t >= 1900) {
        step = 0;
        phaseFrame = 0;
    }
}

void CBoss2::Attack2() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const double cx = x + hotX;

    shotBoxHalfW = w;
    shotBoxHigh = h;
    shotBoxLow = 50;
    g_EffectMannager.AddBackEx(Trunc(cx - 70), Trunc(y), 8, 10, 0, 0, 0, 1);

    if (Within(t, 0, 99)) step = 0;
    if (Within(t, 100, 299)) {
        if (t % 4 == 0) {
            RequestSound(kSoundVolleyB);
            const int32_t rx = Rand() % 50 - 25;
            const int32_t ry = Rand() % 20 - 10;
            const int32_t a = Rand() % 1000 - 178;
            for (const double add : {8.0, 7.5, 7.0, 6.5, 6.0})
                FireFanAt(emitter, Trunc(cx + rx), Trunc(y + 90 + ry), 40, 1,
                          Speed(1.5 * level + add), 30, a, 100);
        }
        if (t % 64 == 10 || t % 64 == 16)
            FireDirFanPaired(emitter, Trunc(cx), Trunc(y + 90), 17, 5, Speed(1.5 * level + 7), 30,
                             Trunc(cx), 0, 0, 10);
    }
    if (Within(t, 300, 499) && t % 4 == 0) {
        step += 1;
        const float speed = Speed(1.5 * level + 8);
        if (t < 360) {
            RequestSound(kSoundVolleyB);
            FireAngle(emitter, Trunc(cx), Trunc(y + 100), 80, 360 - 10 * step, speed);
        }
        if (t == 360) step = 0;
        if (Within(t, 364, 419))
            FireAngle(emitter, Trunc(cx), Trunc(y + 100), 80, 180 + 10 * step, speed);
    }
    if (Within(t, 500, 849)) {
        if (t % 64 < 40 && t % 8 == 0) {
            for (const auto& s : Boss2Spray)
                g_EBMannager.ShootDir(Trunc(cx) + s[0], Trunc(y + s[1]), 7, 10, s[2]);
        }
        if (t % 100 == 50) {
            RequestSound(kSoundVolleyC);
            FireBigFanAt(emitter, Trunc(cx - 30), Trunc(y + 100), 4, 5, Speed(1.5 * level + 10), 36,
                         Trunc(cx - 10), 0);
        }
        if (t % 100 == 0) {
            const int32_t r1 = Rand() % 45;
            const int32_t r2 = Rand() % 45 + 45;
            const int32_t my = Trunc(y + 100);
            for (const int32_t a : {r1, -r1, r2, -r2})
                g_MissileMannager.Shoot(Trunc(cx), my, 5, 0, 8.0, a);
            g_MissileMannager.Shoot(Trunc(cx + 30), my, 5, 0, 8.0, 135);
            g_MissileMannager.Shoot(Trunc(cx - 30), my, 5, 0, 8.0, -135);
            g_MissileMannager.Shoot(Trunc(cx + 40), my, 5, 0, 8.0, 135);
            g_MissileMannager.Shoot(Trunc(cx - 40), my, 5, 0, 8.0, -135);
        }
    }
    if (Within(t, 850, 1099)) {
        g_EffectMannager.AddFrontEx(Trunc(cx - 30), Trunc(y + 90), 8, 8, 0, 0, 0, 1);
        tick += 1;
        if (tick > 4) {
            RequestSound(kSoundVolleyD);
            tick = 0;
            const int32_t right = Trunc(cx) + 40;
            const int32_t left = Trunc(cx) - 40;
            const int32_t sy = Trunc(y + 90);
            g_EBMannager.ShootDir(right, sy, 14, 10, 15);
            g_EBMannager.ShootDir(right, sy, 14, 10, 25);
            g_EBMannager.ShootDir(left, sy, 14, 10, 345);
            g_EBMannager.ShootDir(left, sy, 14, 10, 335);
            g_EBMannager.ShootDir(right, sy, 14, 10, 65);
            g_EBMannager.ShootDir(right, sy, 14, 10, 55);
            g_EBMannager.ShootDir(left, sy, 14, 10, 295);
            g_EBMannager.ShootDir(left, sy, 14, 10, 305);
            step += 1;
            if (step >= 18) step = 0;
            for (int32_t i = 0; i < 5; ++i) {
                const bool heavy = i % 4 == 0;
                const int32_t type = heavy ? 5 : 6;
                const float speed = Speed(1.5 * level + (heavy ? 6 : 4));
                g_EBMannager.ShootDir(Trunc(cx - 5), Trunc(y + 100), type, speed,
                                      360 + 70 * i + 40 * step);
                g_EBMannager.ShootDir(Trunc(cx - 5), Trunc(y + 100), type, speed,
                                      360 + 70 * i - 20 * step);
            }
        }
    }
    if (t >= 1100) phaseFrame = 0;
}

void CBoss2::Attack3() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    shotBoxHalfW = w;
    shotBoxHigh = h;
    shotBoxLow = 10;
    g_EffectMannager.AddBackEx(Trunc(x + hotX - 40), Trunc(y), 8, 23, 0, 0, 0, 1);
    g_ELazer.SetColor(50, 80, 250);

    if (Within(t, 0, 99)) {
        x = (644 - w) / 2;
        y = 340;
        step = 0;
        if (t == 40) frameCol = 1;
        if (t == 90) frameCol = 2;
    }
    const double cx = x + hotX;
    const double cy = y + hotY;
    if (Within(t, 100, 159)) {
        if ((t - 100) % 4 == 0) RequestSound(kSoundVolleyD);
        if (t % 2 == 0) {
            step += 1;
            if (step >= 36) step = 0;
            TwinStreams(Trunc(cx), Trunc(y + 40), step % 2 != 0 ? 7 : 0, level, 540 + 15 * step,
                        900 - 15 * step);
        }
    }
    if (Within(t, 160, 199)) {
        step = 0;
        if (t == 180) {
            RequestSound(kSoundVolleyC);
            for (int32_t i = 0; i < 5; ++i) {
                const float speed = Speed(1.5 * level + 8 - 0.5 * i);
                FireFan(emitter, Trunc(cx + 22), Trunc(y + 100), 84, 0, speed, 20, 18);
                FireFan(emitter, Trunc(cx - 38), Trunc(y + 100), 84, 0, speed, 20, 18);
            }
        }
    }
    if (Within(t, 200, 299)) frameCol = 4;
    if (Within(t, 300, 399)) {
        if (t % 2 == 0) {
            const int32_t o = t % 20 < 10 ? 60 : -60;
            if (t % 10 == 0) {
                RequestSound(kSoundVolleyB);
                g_EffectMannager.AddMidEx(Trunc(cx + o), Trunc(y), 2, 12, 0, 0, 0, 1);
            }
            // The aimed shot belongs to every even frame; only the sound and the muzzle flash
            // wait for every tenth.
            FireFanAt(emitter, Trunc(cx + o), Trunc(y + 10), 120, 1, Speed(1.5 * level + 8), 20, px,
                      py);
        }
        if (t == 300) frameCol = 1;
        if (t == 320) {
            frameCol = 2;
            step = 0;
        }
        if (t == 340 || t == 370 || t == 380) {
            RequestSound(kSoundVolleyC);
            FireBigFanAt(emitter, Trunc(cx - 25), Trunc(y + 10), 34, 17, Speed(1.5 * level + 8), 20,
                         px, py);
        }
    }
    if (Within(t, 400, 599)) {
        if (t == 420) {
            const int32_t mx = Trunc(cx - 10);
            const int32_t my = Trunc(y + 10);
            g_MissileMannager.Shoot(mx, my, 2, 3, 12, 135);
            g_MissileMannager.Shoot(mx, my, 2, 3, 12, -135);
            g_MissileMannager.Shoot(mx, my, 2, 3, 10, 165);
            g_MissileMannager.Shoot(mx, my, 2, 3, 10, -165);
        }
        if (t == 520) {
            const int32_t mx = Trunc(cx - 40);
            const int32_t my = Trunc(y + 10);
            g_MissileMannager.Shoot(mx, my, 2, 3, 10, -135);
            g_MissileMannager.Shoot(mx, my, 2, 3, 12, -105);
            g_MissileMannager.Shoot(mx, my, 2, 3, 10, 160);
        }
        if (Within(t, 501, 569)) {
            frameCol = 4;
            x += 0.5;
            y -= 0.2;
        }
        if (t == 571) frameCol = 1;
    }
    if (Within(t, 600, 799)) {
        param3 = 1;
        step = 0;
        if (Within(t, 601, 669)) {
            frameCol = 1;
            x -= 1;
        }
        if (Within(t, 701, 769)) {
            frameCol = 5;
            x += 0.5;
            y += 0.2;
        }
        // The missiles leave from where this frame's drift has put the boss.
        if (t == 620 || t == 720) {
            const int32_t mx = Trunc(x + hotX - 40);
            const int32_t my = Trunc(y + 10);
            g_MissileMannager.Shoot(mx, my, 2, 3, 10, 135);
            g_MissileMannager.Shoot(mx, my, 2, 3, 12, 105);
            g_MissileMannager.Shoot(mx, my, 2, 3, 10, t == 620 ? -160 : 160);
        }
    }
    if (Within(t, 800, 849) && level == 2) {
        if (t == 810) {
            g_EffectMannager.AddFrontEx(Trunc(cx + 32), Trunc(cy + 22), 8, 8, 0, 0, 3, 5);
            g_EffectMannager.AddFrontEx(Trunc(cx - 88), Trunc(cy + 22), 8, 8, 0, 0, 3, 5);
            RequestSound(kSoundCharge);
        }
        if (t == 834) {
            RequestSound(kSoundVolleyA);
            const float speed = Speed(1.5 * level + 8);
            FireRing(emitter, Trunc(cx + 50), Trunc(cy + 40), 177, 10, speed, px, py, 2.0);
            FireRing(emitter, Trunc(cx - 70), Trunc(cy + 40), 177, 10, speed, px, py, 2.0);
            FireBigFanAt(emitter, Trunc(cx - 90), Trunc(cy + 20), 19, 1, speed, 0, px, py);
            FireBigFanAt(emitter, Trunc(cx + 30), Trunc(cy + 20), 19, 1, speed, 0, px, py);
            for (int32_t i = 0; i < 20; ++i) {
                const float svx = Speed(std::cos(DegToRad(18 * i)) * 5);
                const float svy = Speed(std::sin(DegToRad(18 * i)) * 5);
                const int32_t shade1 = Rand() % 3;
                g_EffectMannager.AddMidEx(Trunc(cx + 40), Trunc(cy + 30), 17, 22, svx, svy, shade1,
                                          1);
                const int32_t shade2 = Rand() % 3;
                g_EffectMannager.AddMidEx(Trunc(cx - 80), Trunc(cy + 30), 17, 22, svx, svy, shade2,
                                          1);
            }
        }
    }
    if (Within(t, 850, 999)) {
        const int32_t d = (t - 850) % 100;
        if (d == 0) step = 0;
        const int32_t sx = Trunc(cx - 8);
        const int32_t sy = Trunc(y + 20);
        if (t % 2 == 0) {
            step += 1;
            const float speed = Speed(1.5 * level + 7);
            FireAngle(emitter, sx, sy, 80, 180 + 15 * step, speed);
            FireAngle(emitter, sx, sy, 80, 360 - 15 * step, speed);
        }
        if (d > 10) {
            if (t % 2 == 0 && d > 40 && step < 66) {
                const int32_t s = step - 18;
                if (step % 22 == 0) RequestSound(kSoundVolleyC);
                step += 1;
                // Each angle fires its four speeds before the mirrored angle fires its own.
                for (const int32_t angle : {187 + 10 * s, 353 - 10 * s}) {
                    for (const int32_t add : {8, 9, 7, 10})
                        FireAngle(emitter, sx, sy, 40, angle, Speed(1.5 * level + add));
                }
            }
            g_EffectMannager.AddFrontEx(Trunc(cx - 22), Trunc(y - 25), 8, 8, 0, 0, 0, 1);
            if (work3 == 1 && t % 64 == 0) {
                const double v = 1.5 * level + 8;
                for (int32_t i = 0; i < 3; ++i) {
                    const double sn = std::sin(DegToRad(10 + 20 * i)) * v;
                    const double cs = std::cos(DegToRad(10 + 20 * i)) * v;
                    g_EBMannager.ShootBig(Trunc(x + 10), Trunc(y + 70), 17, Speed(sn), Speed(cs));
                    g_EBMannager.ShootBig(Trunc(x + 10), Trunc(y + 70), 17, Speed(-sn), Speed(cs));
                }
            }
        }
    }
    if (Within(t, 1000, 1049)) work3 = 0;
    if (Within(t, 1050, 1149)) {
        param3 = 1;
        step = 0;
        if (t == 1070) frameCol = 1;
        if (t == 1100) frameCol = 2;
        x += ((644 - w) / 2 - x) * kGlide;
        y += (340 - y) * kGlide;
        if (t == 1120) RequestSound(kSoundCharge);
        if (t == 1120 || t == 1125 || t == 1130) {
            const int32_t e = 3 + (t - 1120) / 5;
            g_EffectMannager.AddFrontEx(Trunc(x + hotX - 28), Trunc(y), 8, 8, 0, 0, e, 5);
        }
    }
    const int32_t light = std::clamp((t - 1150) * (t - 1350) * -6 / 100, 0, 255);
    if (Within(t, 1150, 1365)) {
        if (t % 64 == 0) {
            const int32_t r = Rand() % 200 - 100;
            const float speed = Speed(1.5 * level + 7);
            FireFanAt(emitter, Trunc(cx + r), Trunc(y + 20), 32, 13, speed, 20, px, py);
            FireFanAt(emitter, Trunc(cx - r), Trunc(y + 20), 32, 13, speed, 20, px, py);
        }
        const int32_t d = (t - 1150) % 27;
        if (d == 0) {
            RequestSound(kSoundVolleyA);
            work3 += 1;
            if (work3 >= 4) work3 = 0;
        }
        g_EffectMannager.AddFrontEx(Trunc(cx - 5), Trunc(y - 45), 8, 10, 0, 0, 1, 1);
        g_EffectMannager.AddFrontEx(Trunc(cx - 125), Trunc(y - 45), 8, 10, 0, 0, 1, 1);
        const int32_t sweep = (Boss2LaserSweep[std::clamp(work3, 0, 3)] - d / 6) * 256;
        g_ELazer.Add(Trunc(cx + 60), Trunc(y + 20), 10, 10, 4, 0, 0, 600, sweep, 0, 40 * d, 80);
        g_ELazer.Add(Trunc(cx - 60), Trunc(y + 20), 10, 10, 4, 0, 0, 600, -sweep, 0, 40 * d, 80);
    }
    if (Within(t, 1150, 1459)) {
        g_pBossChild[kLightChild].Launch(Trunc(x - 130), Trunc(y - 130), 2, 0, 0, kLightMode,
                                         light);
    }
    if (Within(t, 1150, 1320)) step = 0;
    if (Within(t, 1321, 1459) && t % 2 == 0) {
        step += 1;
        if (step >= 36) step = 0;
        TwinStreams(Trunc(cx), Trunc(y + 40), step % 2 != 0 ? 7 : 0, level, 540 + 20 * step,
                    900 - 20 * step);
    }
    if (Within(t, 1460, 1799)) {
        const int32_t e = std::min(t - 1510, 15);
        g_EffectMannager.AddFrontEx(Trunc(cx - 80), Trunc(y), 8, 12, 0, 0, 0, 1);
        g_EffectMannager.AddFrontEx(Trunc(cx + 20), Trunc(y), 8, 12, 0, 0, 0, 1);
        tick += 1;
        if (tick > 4) {
            tick = 0;
            RequestSound(kSoundVolleyB);
            const int32_t xs = Trunc(cx - 5);
            const int32_t sy = Trunc(y);
            for (const int32_t dx : {50, 58}) {
                g_EBMannager.ShootDir(xs + dx, sy, 21, 10, 15 - e);
                g_EBMannager.ShootDir(xs + dx, sy, 21, 10, 25 - e);
                g_EBMannager.ShootDir(xs - dx, sy, 21, 10, 345 + e);
                g_EBMannager.ShootDir(xs - dx, sy, 21, 10, 335 + e);
            }
            g_EBMannager.ShootDir(xs + 58, sy, 0, 10, 65 - e);
            g_EBMannager.ShootDir(xs + 58, sy, 0, 10, 55 - e);
            g_EBMannager.ShootDir(xs - 58, sy, 0, 10, 295 + e);
            g_EBMannager.ShootDir(xs - 58, sy, 0, 10, 305 + e);
            g_EBMannager.ShootDir(xs + 58, Trunc(y + 8), 5, 10, 65 - e);
            g_EBMannager.ShootDir(xs + 58, Trunc(y + 8), 5, 10, 55 - e);
            g_EBMannager.ShootDir(xs - 58, Trunc(y + 8), 5, 10, 295 + e);
            g_EBMannager.ShootDir(xs - 58, Trunc(y + 8), 5, 10, 305 + e);
        }
        if (t > 1490) {
            const int32_t m = (t - 1490) % 100;
            if (m == 50 || m == 70 || m == 90) {
                RequestSound(kSoundVolleyC);
                const int32_t turn = m == 50 ? 90 : m == 70 ? -90 : 0;
                FireBigFanAtTurned(emitter, Trunc(cx - 20), Trunc(y + 50), 46, 5,
                                   Speed(1.5 * level + 11), 20, px, py, turn);
            }
        }
    }
    if (t >= 1800) phaseFrame = 0;
}
