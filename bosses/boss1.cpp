#include "bosses/boss1.h"

#include <algorithm>
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
#include "shooting/player.h"

const int32_t Boss1RouteX[kBoss1RouteXCount] = {180, 210, 130, 180, 180, 250, 130, 300, 200, 200,
                                                200, 300, 130, 200, 130, 300, 200, 130, 200, 300,
                                                200, 130, 240, 200, 170, 200, 210, 150, 200, 200};
const int32_t Boss1RouteY[kBoss1RouteYCount] = {220, 220, 220, 220, 240, 240, 260,
                                                260, 260, 260, 260, 250, 270, 260};

namespace {

using namespace boss_script;

constexpr int32_t kBody = 260;
constexpr int32_t kBodyH = 221;
constexpr double kEase = 0.025;  // share of the distance to the waypoint covered each frame
constexpr int32_t kLaserPasses = 3;
constexpr int32_t kLasers = 4;

// The four lasers of a sweep: the first leg's angle in 1/256 degree, the second leg's, and the
// first leg's length. The middle pass mirrors the outer two.
struct Sweep {
    int32_t b;
    int32_t d;
    int32_t e;
};
constexpr Sweep kOuterSweep[kLasers] = {
    {-32000, 2560, 150}, {-38400, 1280, 120}, {-43520, 0, 100}, {43520, 0, 100}};
constexpr Sweep kMiddleSweep[kLasers] = {
    {32000, -2560, 150}, {38400, -1280, 120}, {43520, 0, 100}, {-43520, 0, 100}};

}  // namespace

void CBoss1::Init() {
    aimX = 0;
    aimY = 0;
    StartSetUp(1, kPhaseHp, 180, 480);
    g_pBossImage1->LoadCompressed("img/bs1-1");
    g_pBossImage2->LoadCompressed("img/bs1-2");
    g_pBossImage = g_pBossImage1;
    SetBody(kBody, kBodyH, 176, 150);
    shotBoxHalfW = 100;
    shotBoxHigh = h;
    shotBoxLow = 70;
    g_ELazer.SetColor(50, 80, 250);
    HideBossPartsImages();
}

void CBoss1::Act() {
    if (!BeginFrame()) return;
    if (HitPlayerCentredBox(*this, w / 2, h / 2)) PushPlayer();
    TakeShots();
    if (dying != 0) return;
    if (phasesLeft == 1) {
        g_EffectMannager.AddBackEx(Trunc(x + hotX - 162), Trunc(y - 10), 8, 21, 0, 0, 0, 1);
        Attack1();
    } else {
        g_pBossImage = g_pBossImage2;
        routeRow = 2;
        Attack2();
    }
    Move();
}

void CBoss1::Move() {
    // A loop frame has set phaseFrame back, but the move still follows this frame's script
    // frame, so the last frames before a loop head for the first entry of the next row.
    const int32_t t = scriptFrame;
    vx = (RouteAt(Boss1RouteX, kBoss1RouteXCount, 10 * routeRow + (t >> 7)) - x) * kEase;
    vy = (y - RouteAt(Boss1RouteY, kBoss1RouteYCount, t >> 7)) * kEase;
    if (phasesLeft == 1 && (t >> 8) < 3) y += std::sin(DegToRad(t));
    y -= vy;
    x += vx;
}

void CBoss1::Attack1() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    if (Within(t, 0, 149)) step = 0;
    if (Within(t, 150, 299) && t % 4 == 0) {
        step += 1;
        RequestSound(kSoundVolleyB);
        if (step > 18) step = 0;
        for (int32_t i = 0; i < 6; ++i) {
            const float speed = static_cast<float>(0.7 * i + 3);
            g_EBMannager.ShootDir(Trunc(cx), Trunc(y + 130), 9, speed, 570 - 30 * step);
            g_EBMannager.ShootDir(Trunc(cx - 100), Trunc(y + 130), 9, speed, 330 + 30 * step);
        }
    }
    if (t == 350) {
        g_EffectMannager.AddMidEx(Trunc(cx + 30), Trunc(y + 30), 2, 7, 0, 0, 0, 0);
        g_EffectMannager.AddMidEx(Trunc(cx - 140), Trunc(y + 30), 2, 7, 0, 0, 0, 0);
    }
    if (Within(t, 400, 599)) {
        if (t == 401) RequestSound(kSoundVolleyA);
        g_EffectMannager.AddFrontEx(Trunc(x + 140), Trunc(y - 30), 8, 10, 0, 0, 0, 1);
        g_EffectMannager.AddFrontEx(Trunc(x - 30), Trunc(y - 30), 8, 10, 0, 0, 0, 1);
        const int32_t r1 = Rand() % 60;
        g_EBMannager.ShootBig(Trunc(x + 190), Trunc(y - 10), 11, static_cast<float>(r1 * 0.1 - 3),
                              7);
        const int32_t r2 = Rand() % 60;
        g_EBMannager.ShootBig(Trunc(x + 20), Trunc(y - 10), 11, static_cast<float>(r2 * 0.1 - 3),
                              7);
        if (t >= 420) {
            tick += 1;
            if (tick > 5) {
                tick = 0;
                const int32_t r3 = Rand() % 20;
                g_EBMannager.ShootBig(Trunc(x + 170), Trunc(y - 5), 14,
                                      static_cast<float>(r3 * 0.1 - 1), 7.5f);
                const int32_t r4 = Rand() % 20;
                g_EBMannager.ShootBig(Trunc(x), Trunc(y - 5), 14, static_cast<float>(r4 * 0.1 - 1),
                                      7.5f);
            }
        }
    }
    if (t == 660 || t == 950) {
        for (int32_t i = 0; i < 4; ++i) {
            const float speed = static_cast<float>(0.5 * i + 4);
            FireFan(emitter, Trunc(x + 20), Trunc(y + 100), 84, 0, speed, 20, 18);
            FireFan(emitter, Trunc(x + 190), Trunc(y + 100), 84, 0, speed, 20, 18);
        }
    }
    if (Within(t, 600, 700)) step = 0;
    if (Within(t, 701, 999)) {
        if (level >= 1) {
            if (t % 2 == 0) RequestSound(kSoundVolleyB);
            if (t % 6 == 0) {
                const float speed = static_cast<float>(level + 6);
                FireFan(emitter, Trunc(x + 130), Trunc(y + 80), 116, 270 + 30 * step, speed, 3, 15);
                FireFan(emitter, Trunc(x + 130), Trunc(y + 80), 116, 270 - 30 * step, speed, 3, 15);
                step += 1;
            }
        }
        g_EffectMannager.AddMidEx(Trunc(cx), Trunc(y + 60), 8, 7, 0, 0, 0, 1);
        g_EffectMannager.AddMidEx(Trunc(cx - 170), Trunc(y + 60), 8, 7, 0, 0, 0, 1);
    }
    if (t == 750 || t == 800 || t == 850 || t == 900) {
        RequestSound(kSoundVolleyC);
        // The type-10 pair closes each column's volley, so it fires from all six column
        // positions like the streams before it.
        for (int32_t j = -3; j <= 2; ++j) {
            const int32_t left = Trunc(x + 40 + 20 * j);
            const int32_t right = Trunc(x + 210 + 20 * j);
            const int32_t top = Trunc(y + 100);
            for (int32_t i = 0; i < 6; ++i) {
                const float speed = static_cast<float>(level + 8 - 0.7 * i);
                FireDirFanAt(emitter, left, top, 11, 3, speed, 30, px, py);
                FireDirFanAt(emitter, right, top, 11, 3, speed, 30, px, py);
            }
            const float speed = static_cast<float>(level + 8.7);
            FireDirFanAt(emitter, left, top, 10, 3, speed, 30, px, py);
            FireDirFanAt(emitter, right, top, 10, 3, speed, 30, px, py);
        }
    }
    if (Within(t, 1000, 1299)) {
        if (t % 128 == 0) {
            FireFan(emitter, Trunc(cx + 40), Trunc(y + 50), 96, 3 * step, 5, 15, 24);
            FireFan(emitter, Trunc(cx - 120), Trunc(y + 50), 96, 3 * step, 5, 15, 24);
        }
        if (t % 4 == 0) {
            RequestSound(kSoundVolleyB);
            step += 1;
            if (step > 18) step = 0;
            for (int32_t i = 0; i < 6; ++i) {
                const float speed = static_cast<float>(level + 3 + 0.7 * i);
                g_EBMannager.ShootDir(Trunc(cx), Trunc(y + 90), 2, speed, 750 - 20 * step);
                g_EBMannager.ShootDir(Trunc(cx - 100), Trunc(y + 90), 2, speed, 150 + 20 * step);
            }
        }
    }
    if (t >= 1300) {
        step = 0;
        phaseFrame = 0;
    }
}

void CBoss1::Attack2() {
    const int32_t t = scriptFrame;
    const int32_t level = g_nLevel;
    const double cx = x + hotX;
    const double cy = y + hotY;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;

    g_EffectMannager.AddBackEx(Trunc(x + 175), Trunc(y + 70), 8, 12, 0, 0, 0, 1);
    g_EffectMannager.AddBackEx(Trunc(x + 20), Trunc(y + 70), 8, 12, 0, 0, 0, 1);
    if (t % 2 == 0) {
        // Exhaust sparks: each draws its shade, then vy, vx and the x jitter.
        {
            const int32_t shade = Rand() % 3;
            const int32_t svy = (-Rand()) % 2;
            const int32_t svx = Rand() % 3 - 1;
            const int32_t sx = Trunc(x + 110 + Rand() % 16 - 8);
            g_EffectMannager.AddBackEx(sx, Trunc(y + 113), 17, 22, static_cast<float>(svx),
                                       static_cast<float>(svy), shade, 1);
        }
        {
            const int32_t shade = Rand() % 3;
            const int32_t svy = Rand() % 3;
            const int32_t svx = Rand() % 3;
            const int32_t sx = Trunc(x + 125 + Rand() % 20 - 10);
            g_EffectMannager.AddBackEx(sx, Trunc(y + 50), 17, 22, static_cast<float>(svx),
                                       static_cast<float>(svy), shade, 1);
        }
        {
            const int32_t shade = Rand() % 3;
            const int32_t svy = Rand() % 3;
            const int32_t svx = Rand() % 3 - 2;
            const int32_t sx = Trunc(x + 95 + Rand() % 20 - 10);
            g_EffectMannager.AddBackEx(sx, Trunc(y + 50), 17, 22, static_cast<float>(svx),
                                       static_cast<float>(svy), shade, 1);
        }
    }
    if (Within(t, 100, 159)) {
        if (t % 4 == 0) RequestSound(kSoundVolleyB);
        tick += 1;
        if (tick > 4) {
            tick = 0;
            step += 1;
            if (step >= 36) step = 0;
            const float speed = static_cast<float>(level + 4);
            for (int32_t i = 0; i < 5; ++i) {
                g_EBMannager.ShootDir(Trunc(x + 180), Trunc(y + 90), 2, speed,
                                      360 + 75 * i - 10 * step);
                g_EBMannager.ShootDir(Trunc(x + 50), Trunc(y + 90), 2, speed, 75 * i + 10 * step);
            }
        }
    }
    if (Within(t, 200, 349) && t % 16 == 0) {
        FireBigFanAt(emitter, Trunc(cx - 60), Trunc(y + 70), 5, 1, 9, 0, px, py);
        RequestSound(kSoundVolleyC);
    }
    if (Within(t, 350, 599)) {
        if (t % 50 == 0) {
            aimX = px;
            aimY = py;
        }
        if (t % 16 == 0) {
            step += 1;
            if (step >= 3) step = 1;
            for (const float speed : {6.0f, 5.0f, 4.0f, 3.0f}) {
                FireFan(emitter, Trunc(cx - 50), Trunc(y + 80), 44, 450 + 50 * step, speed, 2, 40);
                FireFan(emitter, Trunc(cx - 50), Trunc(y + 80), 44, 450 - 50 * step, speed, 2, 40);
            }
        }
        if (t % 4 == 0) {
            RequestSound(kSoundVolleyB);
            const int32_t tx = Trunc(aimX + std::sin(DegToRad(15 * t)) * 100);
            FireFanAt(emitter, Trunc(cx - 60), Trunc(y + 80), 80, 1,
                      static_cast<float>(1.5 * level + 6), 40, tx, aimY);
        }
    }
    if (Within(t, 700, 100 * kLaserPasses + 699)) {
        const int32_t pass = (t - 700) / 100;
        const int32_t e = (t - 700) % 100;
        const bool middle = pass == 1;
        const Sweep* sweeps = middle ? kMiddleSweep : kOuterSweep;
        const int32_t ox = middle ? Trunc(cx) : Trunc(cx - 60);
        const int32_t oy = Trunc(y + 80);
        if (e == 1) RequestSound(kSoundAttack);
        for (int32_t k = 0; k < kLasers; ++k) {
            // A negative length is a laser not yet out: it draws nothing.
            const int32_t length = std::min(30 * (e - 10 * k), 600);
            g_ELazer.Add(ox, oy, 10, 10, 2, 0, 0, length, sweeps[k].b, 0, sweeps[k].d, sweeps[k].e);
        }
        if (level >= 1 && (e == 60 || e == 80)) {
            RequestSound(kSoundVolleyA);
            const float speed = static_cast<float>(level + 9);
            FireFanAt(emitter, Trunc(cx - 30), Trunc(cy), 44, 1, speed, 0, px, py);
            FireFanAt(emitter, Trunc(cx + 20), Trunc(cy - 20), 44, 1, speed, 0, px, py);
            FireFanAt(emitter, Trunc(cx - 80), Trunc(cy - 20), 44, 1, speed, 0, px, py);
            FireFanAt(emitter, Trunc(cx - 30), Trunc(cy - 30), 44, 1, speed, 0, px, py);
            FireBigFanAt(emitter, Trunc(cx - 60), Trunc(cy - 40), 19, 1,
                         static_cast<float>(level + 11), 0, px, py);
            FireBigFanAt(emitter, Trunc(cx - 60), Trunc(cy - 40), 19, 1,
                         static_cast<float>(level + 12), 0, px, py);
            FireBigFanAt(emitter, Trunc(cx - 70), Trunc(cy - 40), 4, 1,
                         static_cast<float>(level + 13), 0, px, py);
        }
    }
    if (t >= 1000) {
        step = 0;
        phaseFrame = 0;
    }
}
