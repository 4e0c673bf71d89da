#include "bosses/bossb.h"

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
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "shooting/player.h"

// Row 0 is never read: the first phase moves by its own script. It holds the first phase's
// resting point so that a stray read still keeps the boss in the field.
const int32_t BossBRouteX[2][kBossBRouteSteps] = {
    {271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271,
     271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271, 271},
    {300, 260, 340, 300, 160, 280, 400, 200, 260, 300, 300, 300, 250, 220, 380,
     220, 370, 280, 250, 280, 250, 250, 250, 180, 400, 180, 370, 280, 250, 280}};
const int32_t BossBRouteY[2][kBossBRouteSteps] = {
    {340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340,
     340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340, 340},
    {320, 320, 320, 320, 320, 320, 320, 320, 320, 320, 300, 300, 360, 360, 360,
     360, 360, 360, 360, 360, 360, 360, 360, 360, 360, 360, 360, 360, 360, 280}};
const int32_t BossBKillerAngle[kBossBKillerAngles] = {53, -60, 60, -65, 0, 0};

namespace {

using namespace boss_script;

constexpr int32_t kBodyW = 101;
constexpr int32_t kBodyH = 79;
constexpr int32_t kSmallBody = 50;
constexpr int32_t kSmallFrames = 6;
constexpr double kGlide = 0.025;
constexpr double kRouteEase = 0.02;
constexpr int32_t kLightChild = 9;
constexpr int32_t kLightMode = 20;

// The light that swells behind the boss: level 0..255 from the given curve.
void LaunchLight(double bx, double by, int32_t level) {
    g_pBossChild[kLightChild].Launch(Trunc(bx - 130), Trunc(by - 130), 2, 0, 0, kLightMode,
                                     std::clamp(level, 0, 255));
}

// Twenty sparks thrown out in a ring.
void SparkRing(bool front, int32_t sx, int32_t sy) {
    for (int32_t i = 0; i < 20; ++i) {
        const float svx = static_cast<float>(std::cos(DegToRad(18 * i)) * 5);
        const float svy = static_cast<float>(std::sin(DegToRad(18 * i)) * 5);
        const int32_t shade = Rand() % 3;
        if (front) {
            g_EffectMannager.AddFrontEx(sx, sy, 17, 22, svx, svy, shade, 1);
        } else {
            g_EffectMannager.AddMidEx(sx, sy, 17, 22, svx, svy, shade, 1);
        }
    }
}

}  // namespace

void CBossB::Init() {
    columnA = 0;
    columnB = 0;
    StartSetUp(1, kPhaseHp, 280, 340);
    g_pBossImage1->LoadCompressed("img/bsb-1");
    g_pBossImage2->LoadCompressed("img/bsb-2");
    g_pBossEffectImage[2].Load("img/effect-logo4.bmp");
    g_pBossEffectImage[4].Load("img/effect-explosion2.bmp");
    LoadKillerShot(0, "img/killershot-boss4-1.bmp", 160, 160);
    LoadKillerShot(1, "img/killershot-boss4-1-old.bmp", 160, 160);
    g_pBossImage = g_pBossImage1;
    SetBody(kBodyW, kBodyH, 50, 39);
}

void CBossB::Act() {
    if (!BeginFrame()) return;
    if (HitPlayerBox(*this)) PushPlayer();
    // Without a hit the body keeps the look of its last damage frame.
    if (HitByShot(*this, 0)) Hit();
    if (dying != 0) return;
    for (int32_t i = 0; i < 4; ++i) {
        if (g_pBossChild[i].alive != 0) MoveChild(i);
    }
    if (phasesLeft == 1) {
        Attack1();
        return;
    }
    g_pBossImage = g_pBossImage2;
    SetBody(kSmallBody, kSmallBody, 25, 25);
    frameCol += 1;
    if (frameCol >= kSmallFrames) frameCol = 0;
    Move();
    Attack2();
}

void CBossB::Move() {
    // Read flat like the other bosses' routes: a step past a row's end takes the next row.
    const int32_t i = (phaseCount - phasesLeft) * kBossBRouteSteps + (phaseFrame >> 6);
    vx = (RouteAt(BossBRouteX, i) - x) * kRouteEase;
    vy = (y - RouteAt(BossBRouteY, i)) * kRouteEase;
    y -= vy;
    x += vx;
}

void CBossB::MoveChild(int32_t index) {
    if (index != 0) return;
    g_pBossChild[0].x = Trunc(x - 70);
    g_pBossChild[0].y = Trunc(y - 70);
}

void CBossB::Attack1() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const double cy = y + hotY;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    shotBoxHalfW = w;
    shotBoxHigh = h;
    shotBoxLow = 10;
    g_EffectMannager.AddBackEx(Trunc(cx - 40), Trunc(y), 8, 23, 0, 0, 0, 1);
    g_ELazer.SetColor(50, 80, 250);

    if (Within(t, 0, 99)) {
        entered = 1;
        x -= (x - (644 - w) / 2) * kGlide;
        y -= (y - 340) * kGlide;
        step = 0;
        // The flash marks where the glide has just taken the boss.
        if (t == 30) g_EffectMannager.AddMidEx(Trunc(x + hotX), Trunc(y), 2, 1, 0, 0, 0, 1);
        if (t < 40) frameCol = 1;
    }
    if (Within(t, 100, 299)) {
        const int32_t d = (t - 100) % 100;
        if (t == 100) {
            g_EffectMannager.AddFrontEx(184, 9, 2, 15, 0, 0, 3, 5);
            g_EffectMannager.AddFrontEx(460, 9, 2, 15, 0, 0, 3, 5);
            columnA = 184;
            columnB = 460;
        }
        if (t == 200) {
            g_EffectMannager.AddFrontEx(px, 9, 2, 15, 0, 0, 3, 5);
            columnA = px;
            columnB = px;
        }
        if (d == 0) RequestSound(kSoundCharge);
        if (d == 41) RequestSound(kSoundLaunch);
        if (d < 40) step = 0;
        if (d >= 40) {
            g_EffectMannager.AddFrontEx(columnB - 40, -40, 8, 10, 0, 0, 0, 1);
            g_EffectMannager.AddFrontEx(columnA - 80, -40, 8, 10, 0, 0, 0, 1);
            for (const int32_t bx : {columnB - 5, columnA - 30, columnB - 10, columnA - 35}) {
                const int32_t r = Rand() % 60;
                g_EBMannager.ShootBig(bx, 9, 11, Speed(r * 0.1 - 3), -14);
            }
            tick += 1;
            if (tick > 3) {
                tick = 0;
                const int32_t r1 = Rand() % 20;
                g_EBMannager.ShootBig(columnA - 55, 9, 14, Speed(r1 * 0.1 - 1 + 1), -14.5f);
                const int32_t r2 = Rand() % 20;
                g_EBMannager.ShootBig(columnB - 25, 9, 14, Speed(r2 * 0.1 - 1 - 1), -14.5f);
            }
            // The downward fan keeps time with the columns: it fires only while they rise.
            if (t % 8 == 0) {
                if (step > 10) step = 0;
                FireFan(emitter, Trunc(cx - 8), Trunc(y), 36, 270, Speed(1.5 * level + 10), 2,
                        200 - 20 * step);
                step += 1;
            }
        }
    }
    if (Within(t, 300, 399)) {
        if (t % 15 == 0) {
            g_EffectMannager.AddMidEx(Trunc(cx), Trunc(cy), 2, 18, 0, 0, 1, 1);
            RequestSound(kSoundVolleyC);
            FireBigFanAtTurned(emitter, Trunc(cx - 30), Trunc(cy - 30), 19, 3,
                               Speed(1.5 * level + 9), 10, Trunc(cx - 30), Trunc(cy - 30),
                               120 - 4 * step);
        }
        if (t % 2 == 0) {
            step += 1;
            const float speed = Speed(1.5 * level + 7);
            FireAngle(emitter, Trunc(cx - 8), Trunc(y + 20), 80, 180 + 15 * step, speed);
            FireAngle(emitter, Trunc(cx - 8), Trunc(y + 20), 80, 360 - 15 * step, speed);
        }
        if (t == 300) frameCol = 1;
        if (t == 320) frameCol = 2;
    }
    if (Within(t, 400, 799) && (t - 400) % 20 == 10) {
        g_EffectMannager.AddMidEx(Trunc(cx), Trunc(cy), 2, 18, 0, 0, 1, 1);
        entered = 1;
        RequestSound(kSoundBlastLarge);
        step += 1;
        const int32_t sx = Trunc(cx - 20);
        const int32_t sy = Trunc(y + 40);
        FireBigFanAtTurned(emitter, sx, sy, 42, 3, Speed(1.5 * level + 11), 25, px, py, 144 * step);
        FireBigFanAtTurned(emitter, sx, sy, 42, 3, Speed(1.5 * level + 12), 25, px, py,
                           144 * (step + 3));
        for (int32_t i = 0; i <= 3 * level + 11; ++i) {
            const int32_t spread1 = 25 - Rand() % 10;
            FireFanAtTurned(emitter, sx, sy, 40, 3, Speed(1.5 * level + 10 - 0.5 * i), spread1, px,
                            py, 144 * step);
            const int32_t spread2 = 25 - Rand() % 10;
            FireFanAtTurned(emitter, sx, sy, 40, 3, Speed(1.5 * level + 11 - 0.5 * i), spread2, px,
                            py, 144 * (step + 3));
        }
    }
    if (Within(t, 800, 849)) work3 = 0;
    if (Within(t, 850, 949)) {
        step = 0;
        if (t == 870) frameCol = 1;
        if (t == 900) frameCol = 2;
        x += ((644 - w) / 2 - x) * kGlide;
        y += (340 - y) * kGlide;
        if (t == 920 || t == 925 || t == 930) {
            const int32_t e = 3 + (t - 920) / 5;
            g_EffectMannager.AddFrontEx(Trunc(x + hotX - 28), Trunc(y), 8, 8, 0, 0, e, 5);
        }
    }
    const int32_t light = (t - 950) * (t - 1150) * -6 / 100;
    if (Within(t, 950, 1165)) {
        entered = 1;
        if (t % 64 == 0) {
            const int32_t r = Rand() % 200 - 100;
            const float speed = Speed(2 * level + 7);
            FireFanAt(emitter, Trunc(cx + r), Trunc(y + 20), 32, 13, speed, 20, px, py);
            FireFanAt(emitter, Trunc(cx - r), Trunc(y + 20), 32, 13, speed, 20, px, py);
        }
        const int32_t d = (t - 950) % 54;
        if (d == 0) {
            RequestSound(kSoundCharge);
            columnA = px;
        }
        if (d == 20) RequestSound(kSoundExplosion);
        if (d > 20) {
            const int32_t shade = Rand() % 3;
            g_ELazer.Add(columnA - 65, 509, 10, 10, 7, ScaleLowWord(1.0), ScaleHighWord(1.0),
                         (d - 20) * 45 + 60, shade, 0, 0, 0);
        }
        g_EffectMannager.AddFrontEx(columnA - 65, 404, 8, 10, 0, 0, 1, 1);
    }
    if (Within(t, 950, 1220)) {
        step = 0;
        LaunchLight(x, y, light);
    }
    if (Within(t, 1221, 1579)) {
        const int32_t e = (t - 1220) % 120;
        if (e < 60) {
            if (frameCol != 3 && frameCol != 4) {
                if (px > cx) frameCol = 3;
                if (px < cx) frameCol = 4;
            }
            x -= (cx - px) / 30;
        }
        if (e == 60) {
            g_EffectMannager.AddFrontEx(Trunc(x + hotX - 28), Trunc(y + hotY - 28), 8, 8, 0, 0, 3,
                                        5);
            RequestSound(kSoundCharge);
            frameCol = 5;
        }
        if (e == 90) {
            frameCol = 6;
            RequestSound(kSoundBlastLarge);
            g_KillerShotMannager.Shoot(Trunc(x + hotX - 80), Trunc(y + hotY - 70), 3, 1, 17.0, 0);
            SparkRing(true, Trunc(x + hotX - 20), Trunc(y));
        }
    }
    if (t >= 1580) phaseFrame = 0;
}

void CBossB::Attack2() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const double cy = y + hotY;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    g_EffectMannager.AddBackEx(Trunc(cx - 40), Trunc(cy - 40), 8, 23, 0, 0, 0, 1);

    if (Within(t, 0, 99)) step = 0;
    if (Within(t, 100, 299)) {
        entered = 1;
        const int32_t d = t % 50;
        if (d == 20) {
            RequestSound(kSoundCharge);
            g_EffectMannager.AddFrontEx(Trunc(cx - 28), Trunc(cy - 28), 8, 8, 0, 0, 3, 5);
        }
        if (d == 40) {
            RequestSound(kSoundExplosion);
            // The table holds a pass's shots; a counter left high by an earlier script reads
            // its last entry.
            const int32_t angle = BossBKillerAngle[std::clamp(step, 0, kBossBKillerAngles - 1)];
            g_KillerShotMannager.Shoot(Trunc(cx - 80), Trunc(cy - 70), 3, 1, 18.0, angle);
            step += 1;
            SparkRing(false, Trunc(cx - 20), Trunc(cy - 20));
        }
    }
    if (Within(t, 400, 699)) {
        const int32_t d = (t - 100) % 50;
        if (d == 20 || d == 30 || d == 40) {
            const int32_t turn = d == 20 ? 90 : d == 30 ? -90 : 0;
            if (d == 20) RequestSound(kSoundBlastLarge);
            const int32_t sx = Trunc(cx - 20);
            const int32_t sy = Trunc(y);
            FireBigFanAtTurned(emitter, sx, sy, 42, 5, Speed(1.5 * level + 11), 25, px, py, turn);
            for (int32_t i = 0; i <= 2 * level + 11; ++i) {
                const int32_t spread = 25 - Rand() % 10;
                FireFanAtTurned(emitter, sx, sy, 40, 5, Speed(1.5 * level + 10 - 0.5 * i), spread,
                                px, py, turn);
            }
        }
    }
    if (Within(t, 700, 1099) && t % 4 == 0 && t % 32 == 16) {
        step += 1;
        if (step > 2) step = 0;
        FireFan(emitter, Trunc(cx), Trunc(y), 40 - 4 * step, 0, Speed(1.5 * level + 6), 20, 24);
    }
    if (Within(t, 800, 1099)) {
        const int32_t d = t % 100;
        if (d == 0) {
            g_EffectMannager.AddFrontEx(Trunc(cx - 28), Trunc(cy - 28), 8, 8, 0, 0, 3, 5);
            RequestSound(kSoundCharge);
        }
        if (d == 21) RequestSound(kSoundLaunch);
        if (d < 20) step = 0;
        if (d >= 20) {
            g_EffectMannager.AddFrontEx(Trunc(x + 10), Trunc(y - 40), 8, 10, 0, 0, 0, 1);
            g_EffectMannager.AddFrontEx(Trunc(x - 30), Trunc(y - 40), 8, 10, 0, 0, 0, 1);
            const int32_t r1 = Rand() % 60;
            g_EBMannager.ShootBig(Trunc(x + 40), Trunc(y), 11, Speed(r1 * 0.1 - 3), 14);
            const int32_t r2 = Rand() % 60;
            g_EBMannager.ShootBig(Trunc(x), Trunc(y), 11, Speed(r2 * 0.1 - 3), 14);
            tick += 1;
            if (tick > 3) {
                tick = 0;
                const int32_t r3 = Rand() % 20;
                g_EBMannager.ShootBig(Trunc(x + 20), Trunc(y), 14, Speed(r3 * 0.1 - 1 + 1), 14.5f);
                const int32_t r4 = Rand() % 20;
                g_EBMannager.ShootBig(Trunc(x - 20), Trunc(y), 14, Speed(r4 * 0.1 - 1 - 1), 14.5f);
            }
        }
    }
    if (Within(t, 1200, 1399)) {
        if (t % 4 == 0) RequestSound(kSoundVolleyC);
        if (t % 6 == 0) {
            const int32_t fx = Trunc(x);
            const int32_t fy = Trunc(y);
            const double c = std::cos(DegToRad(5 * t));
            const double p = std::sin(DegToRad(270 - 30 * c)) * 5;
            const double q = std::cos(DegToRad(270 + 30 * c)) * 5;
            g_EBMannager.ShootBig(fx, fy, 0, Speed(q), Speed(-p));
            const double c2 = std::cos(DegToRad(5 * t)) * 20;
            const double q2 = std::cos(DegToRad(t + 270 + c2)) * 5;
            const double p2 = std::sin(DegToRad(t + 270 - c2)) * 5;
            g_EBMannager.ShootBig(fx, fy, 0, Speed(q2), Speed(-p2));
            g_EBMannager.ShootBig(fx, fy, 0, Speed(-q2), Speed(-p2));
            g_EBMannager.ShootBig(fx, fy, 0, Speed(q2), Speed(p2));
            g_EBMannager.ShootBig(fx, fy, 0, Speed(-q2), Speed(p2));
            const double c3 = std::cos(DegToRad(10 * t)) * 40;
            const double q3 = std::cos(DegToRad(t + 270 + c3)) * 5;
            const double p3 = std::sin(DegToRad(t + 270 + c3)) * 5;
            g_EBMannager.Shoot(fx, fy, 40, Speed(q3), Speed(p3));
            g_EBMannager.Shoot(fx, fy, 40, Speed(-q3), Speed(p3));
        }
    }
    if (Within(t, 1400, 1899)) {
        const int32_t radius = t < 1450 ? 2 * (t - 1400) : t > 1850 ? 2 * (1900 - t) : 100;
        for (int32_t k = 0; k < 3; ++k) {
            const int32_t ox = Trunc(std::sin(DegToRad(t + 120 * k)) * radius);
            const int32_t oy = Trunc(std::cos(DegToRad(t + 120 * k)) * radius);
            g_EffectMannager.AddBackEx(Trunc(x + ox), Trunc(y - oy), 8, 8, 0, 0, 0, 1);
            if (t % 2 == 0)
                g_EffectMannager.AddBackEx(Trunc(x + ox), Trunc(y - oy), 8, 8, 0, 0, 0, 2);
        }
    }
    if (Within(t, 1500, 1899)) {
        const int32_t m = t % 66;
        if (m == 0 || m == 10 || m == 20) {
            const int32_t k = m / 10;
            const int32_t ox = Trunc(std::sin(DegToRad(t + 120 * k)) * 100);
            const int32_t oy = Trunc(std::cos(DegToRad(t + 120 * k)) * 100);
            FireBigFanAt(emitter, Trunc(cx - 25 + ox), Trunc(y - 25 - oy), 4, 1,
                         Speed(2 * level + 14), 0, px, py);
            const int32_t sx = Trunc(cx - 10 + ox);
            const int32_t sy = Trunc(y - oy);
            for (int32_t i = 0; i <= 3 * level + 11; ++i) {
                const float speed = Speed(2 * level + 10 - 0.5 * i);
                const int32_t turn1 = Rand() % 12 - 6;
                FireFanAtTurned(emitter, sx, sy, 173, 1, speed, 0, px, py, turn1);
                const int32_t turn2 = Rand() % 12 - 6;
                FireFanAtTurned(emitter, sx, sy, 4, 1, speed, 0, px, py, turn2);
            }
            RequestSound(kSoundExplosion);
        }
        if (level == 2 && m == 30) {
            RequestSound(kSoundVolleyE);
            g_LBMannager.Shoot(Trunc(cx + 20), Trunc(cy), 2, 0, 10.0, 240, 0, 0, px, py);
            g_LBMannager.Shoot(Trunc(cx - 20), Trunc(cy), 2, 0, 10.0, 240, 0, 0, px, py);
        }
    }
    if (t >= 1900) phaseFrame = 0;
}
