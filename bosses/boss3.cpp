#include "bosses/boss3.h"

#include <algorithm>
#include <cmath>
#include <utility>

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
#include "shooting/killer_shot.h"
#include "shooting/missile.h"
#include "shooting/player.h"

Boss3Body Boss3Size[3] = {};

const int32_t Boss3RouteX[3][kBoss3RouteSteps] = {
    {170, 170, 130, 170, 200, 100, 130, 170, 130, 130},
    {280, 280, 280, 280, 280, 280, 280, 280, 280, 280},
    {130, 130, 130, 130, 130, 130, 130, 130, 130, 130}};
const int32_t Boss3RouteY[3][kBoss3RouteSteps] = {
    {230, 230, 230, 260, 230, 230, 230, 230, 230, 300},
    {300, 300, 300, 300, 360, 360, 300, 300, 300, 300},
    {200, 200, 200, 200, 200, 200, 200, 200, 300, 300}};

namespace {

using namespace boss_script;

constexpr int32_t kFinalW = 398;
constexpr double kEase = 0.025;
constexpr int32_t kChildSlot = 1590;  // the bullet slot a falling child carries
constexpr int32_t kShieldMode = 10;

// The barrel charging: a glow and a flash at its mouth and nine sparks down its length.
void ChargeEffects(int32_t bx, int32_t by) {
    g_EffectMannager.AddMidEx(bx, by, 2, 8, 0, 0, 0, 1);
    g_EffectMannager.AddFrontEx(bx, by, 2, 13, 0, 0, 0, 1);
    for (int32_t j = 0; j < 9; ++j)
        g_EffectMannager.AddFrontEx(bx, by - 10 - 35 * j, 8, 17, 0, 0, 0, 1);
}

// Eight rounds of paired spray about two axes: each round draws its speed, then each bullet
// its own jitter. A mirrored pair draws one jitter: the second bullet flies the mirror image of
// the first about the axis and has no jitter of its own.
void Spray(CEmitter& e, int32_t sx, int32_t sy, double base, int32_t spread, int32_t axisA,
           int32_t axisB, bool mirrored) {
    for (int32_t round = 0; round < 8; ++round) {
        const double sp = base - 0.1 * (Rand() % 40);
        for (const int32_t axis : {axisA, axisB}) {
            for (const auto& [type, speed] : {std::pair{0, sp}, std::pair{72, sp + 1}}) {
                if (mirrored) {
                    const int32_t a = Rand() % 20 + axis + spread;
                    FireAngle(e, sx, sy, type, a, Speed(speed));
                    FireAngle(e, sx, sy, type, 2 * axis - a, Speed(speed));
                } else {
                    const int32_t up = Rand() % 20;
                    FireAngle(e, sx, sy, type, axis + spread + up, Speed(speed));
                    const int32_t down = Rand() % 20;
                    FireAngle(e, sx, sy, type, axis - spread + down, Speed(speed));
                }
            }
        }
    }
}

// Four large bullets with the velocity (a, b) x speed in all four sign pairs.
void Cross(int32_t sx, int32_t sy, double a, double b, double speed) {
    for (const int32_t i : {1, -1}) {
        for (const int32_t j : {1, -1})
            g_EBMannager.ShootBig(sx, sy, 5, Speed(i * a * speed), Speed(j * b * speed));
    }
}

}  // namespace

void CBoss3::Init() {
    loops = 0;
    std::fill(std::begin(laserSeed), std::end(laserSeed), 0);
    StartSetUp(2, kPhaseHp, 170, 480);
    g_pBossImage1->LoadCompressed("img/bs3-1");
    g_pBossImage2->LoadCompressed("img/bs3-2");
    g_pBossImage3->LoadCompressed("img/bs3-3");
    g_pBossImage = g_pBossImage1;
    Boss3Size[0] = {296, 211};
    Boss3Size[1] = {67, 67};
    Boss3Size[2] = {kFinalW, 316};
    g_pBossEffectImage[2].Load("img/effect-logo5.bmp");
    g_pBossEffectImage[4].Load("img/marduk-cannon3.bmp");
    LoadKillerShot(0, "img/killershot-boss3-1.bmp", 160, 160);
    LoadKillerShot(1, "img/killershot-boss3-2.bmp", 140, 140);
    LoadKillerShot(2, "img/killershot-boss3-3.bmp", 220, 420);
    SetBody(Boss3Size[0].w, Boss3Size[0].h, 100, 100);
}

void CBoss3::Act() {
    if (!BeginFrame()) return;
    if (HitPlayerBoxRange(*this, h / 4, h)) PushPlayer();
    // While invulnerable the shots are not even tested.
    if (flag == 0 && HitByShotBox(*this)) {
        RequestSound(kSoundHitLoop);
        Hit();
    } else {
        draw.mode = 2;
    }
    if (dying != 0) return;
    for (int32_t i = 0; i < kBossChildCount; ++i) {
        if (g_pBossChild[i].alive == 0) continue;
        g_pBossChild[i].age += 1;
        if (i == 8 || i == 9) ActChild(i);
    }
    if (phasesLeft == 2) {
        Attack1(phaseFrame);
        TakeBody(0);
        frameCol = 0;
    } else if (phasesLeft == 1) {
        // The width still being the first body's marks the phase's first frame: the core
        // shows in the middle of where the gunship was.
        if (w == Boss3Size[0].w) {
            g_pBossImage = g_pBossImage2;
            TakeBody(1);
            x += Boss3Size[0].w / 2;
        }
        Attack2(phaseFrame);
        if (vx > 1) {
            frameCol = 4;
        } else if (vx < -1) {
            frameCol = 3;
        } else if (vy > 1) {
            frameCol = 2;
        } else if (vy < -1) {
            frameCol = 1;
        }
    } else {
        Attack3(phaseFrame);
        if (w != kFinalW) {
            g_pBossImage = g_pBossImage3;
            TakeBody(2);
            x = 120;
            y = 469;
        }
        frameCol = 0;
    }
    Move();
}

void CBoss3::TakeBody(int32_t phase) {
    const Boss3Body& body = Boss3Size[phase];
    SetBody(body.w, body.h, body.w / 2, body.h / 2);
}

void CBoss3::Move() {
    const int32_t d = phaseCount - phasesLeft;
    if (d != 1) {
        // Read flat like the other bosses' routes: a step past a row's end takes the next row.
        const int32_t i = d * kBoss3RouteSteps + (phaseFrame >> 8);
        vx = (RouteAt(Boss3RouteX, i) - x) * kEase;
        vy = (y - RouteAt(Boss3RouteY, i)) * kEase;
    }
    y -= vy;
    x += vx;
}

void CBoss3::ActChild(int32_t c) {
    CBossChild& child = g_pBossChild[c];
    const int32_t t = child.age;
    // A child that leaves the field goes out, but the rest of its frame still runs: its bullet,
    // its timed shots and its spray.
    if (child.x > 0 && child.x < 640 && child.y > -80 && child.y <= 480) {
        child.y -= child.vy;
        child.x += child.vx;
    } else {
        child.alive = 0;
    }
    g_EBMannager.SetSlot(kChildSlot, Trunc(child.x), Trunc(child.y), 3, 4);
    if (t == 70) {
        g_EffectMannager.AddMidEx(Trunc(x + hotX), Trunc(y + hotY), 2, 9, 0, 4.0f, 0, 1);
    } else if (t == 110) {
        child.vx = 0;
        child.vy = 8;
        for (int32_t a = 0; a < 6; ++a) {
            for (int32_t b = -2; b <= 2; ++b) {
                const int32_t type = (a + b) % 2 == 0 ? 72 : 76;
                FireAngle(emitter, Trunc(x + hotX), Trunc(y), type, -90 + 3 * b, Speed(7 - a));
            }
        }
    } else {
        child.AddAlpha(4);
    }
    if (t > 400) {
        child.x = 0;
        child.y = 0;
        child.age = 0;
    }
    if (child.y < 0) {
        child.vx = 0;
        child.vy = 0;
        if (t % 8 == 7) {
            const int32_t cx = Trunc(child.x);
            const int32_t cy = Trunc(child.y);
            g_EffectMannager.AddFrontEx(cx + 40, cy - 10, 1, 19, 0, 0, 0, 4);
            step += 1;
            if (step > 2) step = 0;
            const int32_t r1 = Rand() % 15 - 15;
            const int32_t r2 = Rand() % 15;
            for (int32_t k = 0; k < 6; ++k) {
                FireAngleDecel(emitter, cx, cy, 72, 3, 25, 30 * k + r1);
                FireAngleDecel(emitter, cx, cy, 68, 2, 20, 30 * k + r2 - 15);
                FireAngleDecel(emitter, cx, cy, 68, 2, 20, 30 * k + 15 - r2);
            }
        }
    }
}

void CBoss3::Attack1(int32_t f) {
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const int32_t mx = Trunc(cx - 8);
    const int32_t my = Trunc(y + 120);

    shotBoxHalfW = w;
    shotBoxHigh = h;
    shotBoxLow = 100;

    if (Within(f, 0, 129)) {
        if (f < 40) frameRow = 0;
        if (f == 40) frameRow = 1;
        if (f == 44) frameRow = 2;
    }
    if (Within(f, 130, 279)) {
        frameRow = 1;
        if (f % 2 == 0) {
            step += 1;
            RequestSound(kSoundVolleyB);
            FireAngle(emitter, mx, my, 88, Trunc(std::sin(DegToRad(step * 20)) * 100 + 270),
                      Speed(1.5 * level + 7));
        }
        const int32_t m = (f - 130) % 100;
        if (m == 0) step = 0;
        if (f % 2 == 0 && m >= 41 && step < 66) {
            const int32_t k = step - 18;
            if (step % 22 == 0) RequestSound(kSoundVolleyC);
            step += 1;
            // Eight bullets: a mirrored pair at each of the four speeds, not one bullet a speed.
            for (const int32_t add : {8, 9, 7, 10}) {
                const float speed = Speed(1.5 * level + add);
                FireAngle(emitter, mx, my, 40, 187 + 15 * k, speed);
                FireAngle(emitter, mx, my, 40, 353 - 15 * k, speed);
            }
        }
    }
    // A short rest with the barrel cold.
    if (Within(f, 280, 309)) return;
    if (Within(f, 310, 499)) {
        if (f <= 319) frameRow = 2;
        if (f == 350) g_EffectMannager.AddBackEx(Trunc(cx), Trunc(y + 180), 2, 10, 0, 0, 0, 1);
        if (Within(f, 331, 419))
            g_EffectMannager.AddBackEx(Trunc(cx - 40), Trunc(y + 140), 8, 7, 0, 0, 0, 1);
        if (Within(f, 421, 499))
            g_EffectMannager.AddMidEx(Trunc(cx - 40), Trunc(y + 40), 8, 7, 0, 0, 0, 1);
        // The gunship's killer shots fly at angle 0, as no other heading is given for them.
        if (f == 420) {
            RequestSound(kSoundBlastLarge);
            frameRow = 3;
            g_KillerShotMannager.Shoot(Trunc(cx - 90), Trunc(y + 80), 0, 0, 1.5 * level + 8, 0);
        }
        if (f == 460) {
            RequestSound(kSoundExplosion);
            for (int32_t i = 0; i < 6; ++i)
                g_EffectMannager.AddMidEx(Trunc(cx), Trunc(y + hotY), 16, 20,
                                          Speed(std::cos(DegToRad(30 * i)) * 6),
                                          Speed(std::sin(DegToRad(30 * i)) * 6), 0, 0);
        }
    }
    if (Within(f, 600, 699)) {
        frameRow = 1;
        if (f % 6 == 0) {
            const int32_t my2 = Trunc(y + 150);
            const int32_t a1 = 10 * (Rand() % 6) - 40;
            const int32_t x1 = Trunc(cx - 40 - Rand() % 40);
            g_MissileMannager.Shoot(x1, my2, 0, 0, 9, a1);
            const int32_t a2 = 10 * (Rand() % 6) - 20;
            const int32_t x2 = Trunc(cx + 40 + Rand() % 40);
            g_MissileMannager.Shoot(x2, my2, 0, 0, 9, a2);
        }
    }
    if (Within(f, 700, 1199)) {
        const int32_t m = f % 200;
        if (m < 10) frameRow = 0;
        if (m == 40) frameRow = 1;
        if (m == 42) frameRow = 2;
        if (m > 175) {
            frameRow = 3;
            if (f % 8 == 0) {
                RequestSound(kSoundExplosion);
                g_KillerShotMannager.Shoot(Trunc(cx - 70), Trunc(y + 80), 1, 1, level + 14, 0);
            }
        }
        // The missiles run through the whole window, not only while the killer shots fly.
        if (f % 6 == 0) {
            const int32_t angle = Rand() % 180 + 90;
            const double speed = (Rand() % 40 - 20) * 0.1 + 8;
            g_MissileMannager.Shoot(Trunc(cx), Trunc(y + 150), 3, 1, speed, angle);
        }
    }
    if (Within(f, 1200, 1599)) {
        if (f <= 1229) frameRow = 0;
        if (f == 1260) frameRow = 1;
        if (f > 1262) {
            frameRow = 2;
            g_EffectMannager.AddBackEx(Trunc(cx - 65), Trunc(y + 80), 8, 10, 0, 0, 0, 1);
        }
        if (f > 1400) {
            frameRow = 3;
            if (f == 1402) RequestSound(kSoundVolleyE);
            if (f % 2 == 0) {
                g_EffectMannager.AddFrontEx(Trunc(cx - 35), Trunc(y + 80), 8, 22, 0, 0, 0, 1);
                g_EffectMannager.AddFrontEx(Trunc(cx - 5), Trunc(y + 80), 8, 22, 0, 0, 0, 1);
            }
            // The charge and the fans belong to the firing barrel, so they wait for frame 1401.
            if (f % 6 == 0) ChargeEffects(Trunc(cx), Trunc(y + 80));
            if (f % 24 == 0) {
                const int32_t sx = Trunc(cx - 10);
                const int32_t left = Trunc(cx - 90);
                const int32_t right = Trunc(cx + 70);
                const int32_t ty = Trunc(y);
                for (const auto& [type, add] : {std::pair{76, 7}, std::pair{40, 6}}) {
                    const float speed = Speed(1.5 * level + add);
                    const int32_t s1 = Rand() % 10 + 20;
                    FireFanAt(emitter, sx, 0, type, 4, speed, s1, left, ty);
                    const int32_t s2 = Rand() % 10 + 20;
                    FireFanAt(emitter, sx, 0, type, 4, speed, s2, right, ty);
                }
            }
        }
    }
    if (f >= 1600) phaseFrame = 0;
    if (f >= 130) g_EffectMannager.AddBackEx(Trunc(cx - 140), Trunc(y + 10), 8, 25, 0, 0, 0, 1);
}

void CBoss3::Attack2(int32_t f) {
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const double cy = y + hotY;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    shotBoxHalfW = w;
    shotBoxHigh = h;
    shotBoxLow = 10;
    CBossChild& shield = g_pBossChild[0];
    shield.Launch(153, Trunc(y - 50), 2, 0, 0, kShieldMode, 255);
    g_ELazer.SetColor(50, 250, 50);

    const auto glow = [&] {
        g_EffectMannager.AddFrontEx(Trunc(cx - 40), Trunc(cy + 40), 8, 7, 0, 0, 0, 1);
    };
    // Swoops toward the ship's column and to a height.
    const auto swoop = [&](double toY) {
        frameCol = px < x ? 3 : 4;
        x += ((px - hotX) - x) * 0.05;
        y += (toY - y) * 0.025;
    };
    // Fans at the ship from the nose and both wings; each fan draws its own jitter.
    const auto jitterFans = [&] {
        if (f % 8 == 0) {
            RequestSound(kSoundVolleyC);
            const int32_t tx = px + Rand() % 30 - 15;
            FireFanAt(emitter, Trunc(x + 45), Trunc(y), 153, 5, Speed(1.5 * level + 9), 20, tx, py);
        }
        if (f % 8 == 3) {
            RequestSound(kSoundVolleyC);
            for (const int32_t dx : {5, 85}) {
                const int32_t tx = px + Rand() % 30 - 15;
                FireFanAt(emitter, Trunc(x + dx), Trunc(y + 50), 0, 3, Speed(1.5 * level + 8), 30,
                          tx, py);
            }
        }
    };
    // The same sent across the column remembered in work1, with wider random spreads.
    const auto columnFans = [&] {
        if (f % 8 == 0) {
            RequestSound(kSoundVolleyC);
            const int32_t spread = Rand() % 10 + 25;
            FireFanAt(emitter, Trunc(x + 45), Trunc(y), 165, 5, Speed(1.5 * level + 9), spread,
                      work1, py);
        }
        if (f % 8 == 3) {
            RequestSound(kSoundVolleyC);
            g_EffectMannager.AddBackEx(Trunc(cx), Trunc(y), 8, 23, 0, 0, 0, 1);
            for (const int32_t dx : {5, 85}) {
                const int32_t spread = Rand() % 10 + 35;
                FireFanAt(emitter, Trunc(x + dx), Trunc(y + 50), 0, 3, Speed(1.5 * level + 8),
                          spread, work1, py);
            }
        }
    };
    const auto laser = [&](int32_t dx, int32_t sweep, int32_t length) {
        g_ELazer.Add(Trunc(cx + dx), Trunc(y + 50), 10, 10, 2, 0, 0, length, sweep, 0, sweep, 80);
    };

    if (Within(f, 0, 149)) {
        vx = 0;
        vy = 0;
        if (f < 100) {
            shield.scale = loops > 0 ? 1.0 : std::min(1.0, 0.05 * f);
            x += (280 - x) * 0.02;
            y += (300 - y) * 0.02;
        } else {
            if (f == 100) frameCol = 5;
            if (f > 100) glow();
        }
    }
    if (Within(f, 150, 299)) {
        glow();
        if (f % 2 == 0) {
            RequestSound(kSoundVolleyD);
            step += 1;
            const int32_t c = step;
            const int32_t sx = Trunc(cx - 8);
            const int32_t sy = Trunc(y + 120);
            for (const auto& [type, add] :
                 {std::pair{84, 8.0}, std::pair{88, 7.0}, std::pair{76, 6.0}}) {
                for (const int32_t a : {145, 385, 265})
                    FireAngle(emitter, sx, sy, type, a + 15 * c, Speed(1.5 * level + add));
            }
            const int32_t angle = Trunc(Rand() % 20 + 260 + 100 * std::sin(DegToRad(20 * c)));
            FireAngle(emitter, Trunc(cx - 4), sy, 145, angle, Speed(1.5 * level + 8));
        }
    }
    if (Within(f, 300, 499)) {
        glow();
        if (f == 400 || f == 430 || f == 460) {
            RequestSound(kSoundBlastLarge);
            const int32_t sx = Trunc(cx - 90);
            const int32_t sy = Trunc(cy - 10);
            // The fan of killer shots uses the middle-sized shot.
            if (f == 430) {
                for (const int32_t a : {75, 25, -25, -75})
                    g_KillerShotMannager.Shoot(sx, sy, 1, 1, 8 + level, a);
            } else {
                for (const int32_t a : {100, 50, 0, -50, -100})
                    g_KillerShotMannager.Shoot(sx, sy, 1, 1, (f == 400 ? 9 : 7) + level, a);
            }
        }
    }
    // Glow, spray and cross come together, and only on multiples of 16.
    if (Within(f, 500, 599) && f % 16 == 0) {
        g_EffectMannager.AddMidEx(Trunc(cx + 30), Trunc(cy + 40), 2, 12, 0, 0, 0, 1);
        const auto s = static_cast<int32_t>(std::floor((f - 600) / 16.0));
        Spray(emitter, Trunc(cx), Trunc(y), 1.5 * level + 6, 36 * s, 80, 260, false);
        RequestSound(kSoundVolleyC);
        Cross(Trunc(cx - 40), Trunc(y), std::sin(DegToRad(36 * s)), std::cos(DegToRad(36 * s)),
              1.5 * level + 7.5);
        frameCol = 1;
    }
    if (Within(f, 600, 649)) swoop(360);
    if (Within(f, 650, 699)) frameCol = 2;
    if (Within(f, 700, 799)) {
        frameCol = 2;
        jitterFans();
    }
    if (Within(f, 800, 849) || Within(f, 1000, 1049)) swoop(250);
    if (Within(f, 850, 899) || Within(f, 1050, 1099)) {
        frameCol = 2;
        work1 = px;
    }
    if (Within(f, 900, 999)) {
        if (f == 901) RequestSound(kSoundVolleyE);
        g_EffectMannager.AddBackEx(Trunc(cx + 20), Trunc(y), 8, 23, 0, 0, 0, 1);
        g_EffectMannager.AddBackEx(Trunc(cx - 100), Trunc(y), 8, 23, 0, 0, 0, 1);
        laser(60, 0, 30 * (f - 900));
        laser(-60, 0, 30 * (f - 900));
        if (f >= 921) {
            frameCol = 2;
            columnFans();
        }
    }
    if (Within(f, 1100, 1199)) {
        if (f == 1101) RequestSound(kSoundVolleyE);
        const int32_t length = 30 * (f - 1100);
        laser(70, 0, length);
        laser(-70, 0, length);
        laser(100, 2560, length);
        laser(-100, -2560, length);
        if (f >= 1121) {
            frameCol = 2;
            columnFans();
        }
    }
    if (f >= 1200) {
        phaseFrame = 0;
        loops += 1;
    }
}

void CBoss3::Attack3(int32_t f) {
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const double cy = y + hotY;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    shotBoxHalfW = w;
    shotBoxHigh = h;
    shotBoxLow = 150;

    // The beam: the body shudders while a killer shot the size of the beam sits under it.
    const auto beam = [&] {
        y += f % 3 == 0 ? -4 : 2;
        g_KillerShotMannager.Shoot(Trunc(x + hotX - 110), Trunc(y - 250), 2, 2, 0, 0);
    };
    // Four type-157 streams from the right wing, then their mirror images from the left: one
    // volley of eight a time, each of the eight points firing once.
    const auto wings = [&](int32_t first, const int32_t(&right)[4], const int32_t(&left)[4]) {
        if ((f - first) % 20 == 0) {
            step += 1;
            return;
        }
        if (f % 4 != 0) return;
        RequestSound(kSoundVolleyD);
        const int32_t c = step;
        const float speed = Speed(1.5 * level + 9);
        const int32_t sy = Trunc(y + 160);
        for (int32_t k = 0; k < 4; ++k)
            FireAngle(emitter, Trunc(cx + (170 - 40 * k)), sy, 157, right[k] + 35 * c, speed);
        for (int32_t k = 0; k < 4; ++k)
            FireAngle(emitter, Trunc(cx - (170 - 40 * k)), sy, 157, left[k] - 35 * c, speed);
    };

    if (Within(f, 0, 399)) {
        vx = 0;
        vy = 0;
        if (f > 62) g_EffectMannager.AddBackEx(Trunc(cx - 65), Trunc(y), 8, 10, 0, 0, 0, 1);
        // No frame of 193..196 is a multiple of 6, so this charge never shows; the clause is
        // kept whole, condition and all, beside its working twin at 890.
        if (Within(f, 193, 196) && f % 6 == 0) ChargeEffects(Trunc(cx), Trunc(y));
        if (f > 200) {
            if (f == 202) RequestSound(kSoundLaunch);
            beam();
        }
        // One spark a frame falls from the top of the field at 6 pixels a frame.
        if (Within(f, 221, 329))
            g_EffectMannager.AddFrontEx(134 + Rand() % 376, 470, 17, 22, 0, 6, 0, 1);
    }
    if (Within(f, 400, 499)) step = 0;
    if (Within(f, 500, 599)) wings(500, {195, 185, 175, 165}, {345, 355, 365, 375});
    if (Within(f, 600, 700)) {
        if (f == 600) step = 0;
        wings(600, {190, 180, 170, 160}, {350, 360, 370, 380});
    }
    if (f == 720 || f == 740) {
        const int32_t n = f == 720 ? 12 : 10;
        const int32_t spreadBase = f == 720 ? 25 : 31;
        for (int32_t i = 0; i < 6; ++i) {
            const int32_t spread = Rand() % 10 + spreadBase;
            const int32_t angle = Rand() % 10 + 450;
            FireFan(emitter, Trunc(cx), Trunc(cy), 40, angle, Speed(1.5 * level + 8 - 0.5 * i), n,
                    spread);
        }
    }
    if (Within(f, 800, 1099)) {
        if (f > 890 && f % 6 == 0) ChargeEffects(Trunc(cx), Trunc(y));
        if (f > 900) {
            if (f == 902) RequestSound(kSoundLaunch);
            beam();
        }
        const int32_t t = (f - 800) % 140;
        if (t == 60) {
            RequestSound(kSoundVolleyC);
            const int32_t sx = Trunc(cx - 20);
            const int32_t sy = Trunc(y + 150);
            FireBigFanAt(emitter, sx, sy, 5, 10, Speed(1.5 * level + 7), 36, px, py);
            FireBigFanAt(emitter, sx, sy, 5, 5, Speed(1.5 * level + 6), 36, px, py);
        }
        if (t % 14 == 0) {
            RequestSound(kSoundVolleyC);
            Spray(emitter, Trunc(cx), Trunc(y + 150), 1.5 * level + 6.5, 36 * (t / 32), 90, 270,
                  true);
            const double a = DegToRad(36 * (t / 32) + 10);
            Cross(Trunc(cx - 40), Trunc(y + 150), std::cos(a), std::sin(a), 8);
        }
    }
    if (Within(f, 1200, 1599)) {
        const int32_t t = (f - 1200) % 140;
        if (t == 0 || t == 120) {
            RequestSound(kSoundVolleyE);
            for (int32_t k = 0; k < kLaserSeeds; ++k)
                laserSeed[k] = Rand() % 10 - 1 - k;
        }
        const int32_t sy = Trunc(y + 150);
        // The right four first, then their mirror images on the left.
        for (const int32_t side : {1, -1}) {
            for (int32_t k = 0; k < 4; ++k) {
                const int32_t a = std::clamp(30 * (t - 10 * k), 0, 600);
                const int32_t b = std::max(20 * (t - 30 - 10 * k), 0);
                g_ELazer.Add(Trunc(cx + side * (110 - 20 * k)), sy, 10, 10, 2, 0, 0, a,
                             side * Boss3LaserDrift[k], b, side * 256 * laserSeed[k],
                             Boss3LaserLength[k]);
            }
        }
        if (t == 50) {
            for (int32_t i = 0; i < 5; ++i) {
                const int32_t spread = Rand() % 10 + 40;
                const int32_t angle = Rand() % 10 + 450;
                FireFan(emitter, Trunc(cx), Trunc(cy), 36, angle, Speed(9 - i), 9, spread);
            }
            RequestSound(kSoundBlastLarge);
            const int32_t sx = Trunc(cx - 30);
            const int32_t sy2 = Trunc(cy - 30);
            FireBigFanAt(emitter, sx, sy2, 4, 1, Speed(1.5 * level + 10), 0, px, py);
            FireBigFanAt(emitter, sx, sy2, 19, 1, Speed(1.5 * level + 8.5), 0, px, py);
            FireBigFanAt(emitter, sx, sy2, 19, 1, Speed(1.5 * level + 7.5), 0, px, py);
        }
    }
    // work3 is the second counter that pushes the two fans apart.
    if (Within(f, 1600, 1899)) {
        if (f == 1600) work3 = 0;
        if (f % 4 == 0) {
            step += 1;
            work3 += 1;
            if (4 * work3 > 100) work3 = 0;
            RequestSound(kSoundVolleyD);
            const double swing = 50 * std::cos(DegToRad(30 * step));
            const float speed = Speed(1.5 * level + 9);
            const int32_t sy = Trunc(y + 160);
            const int32_t target = Trunc(cx);
            FireDirFanAtOffset(emitter, Trunc(cx - 50 - 4 * work3), sy, 18, 3, speed, 50, target, 0,
                               Trunc(360 - swing));
            FireDirFanAtOffset(emitter, Trunc(cx + 50 + 4 * work3), sy, 6, 3, speed, 50, target, 0,
                               Trunc(360 + swing));
        }
    }
    if (f >= 1900) phaseFrame = 450;
}
