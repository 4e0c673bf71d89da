#include "bosses/boss4.h"

#include <algorithm>
#include <bit>

#include "bosses/boss_child.h"
#include "bosses/route.h"
#include "enemies/background.h"
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

// Row 0 sways the first phase left and right; rows 1 and 2 bring the boss in from the left
// after its entrance and then hold it at the left edge. Every row shares its heights.
const int32_t Boss4RouteX[kBoss4RouteCount] = {
    0,  0, -30, 30, -50, -50, -50, 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,
    0,  0, 0,   0,  0,   0,   0,   40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 0,  0,  0,  0,  0,  0,
    0,  0, 0,   0,  0,   0,   0,   0,  0,  0,  0,  0,  0,  0,  40, 40, 40, 40, 40, 40, 40, 40, 40,
    40, 0, 0,   0,  0,   0,   0,   0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0};
const int32_t Boss4RouteY[kBoss4RouteCount] = {
    150, 150, 150, 150, 150, 150, 150, 150, 150, 150, 150, 150, 150, 120, 120, 160, 160, 160,
    160, 160, 160, 160, 160, 160, 180, 280, 280, 220, 220, 220, 150, 150, 150, 150, 150, 150,
    150, 150, 150, 150, 150, 150, 150, 120, 120, 160, 160, 160, 160, 160, 160, 160, 160, 160,
    180, 280, 280, 220, 220, 220, 150, 150, 150, 150, 150, 150, 150, 150, 150, 150, 150, 150,
    150, 120, 120, 160, 160, 160, 160, 160, 160, 160, 160, 160, 180, 280, 280, 220, 220, 220};

namespace {

constexpr int32_t kBodyW = 680;
constexpr int32_t kBodyH = 364;
constexpr int32_t kLaterBodyW = 552;
constexpr int32_t kLaterBodyH = 362;
constexpr int32_t kLaterHotX = 276;
constexpr int32_t kLaterHotY = 182;
constexpr int32_t kPartW = 68;
constexpr int32_t kPartH = 163;
constexpr int32_t kPartLimit = 20;
constexpr double kEase = 1.0 / 35;

constexpr int32_t kKeyMode = 2;

}  // namespace

void AddScaledLaser(int32_t x, int32_t y, int32_t p3, int32_t angle, int32_t kind, double scale,
                    int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
    g_ELazer.Add(x, y, p3, angle, kind, ScaleLowWord(scale), ScaleHighWord(scale), a, b, c, d, e);
}

void DrawBeamToTip(int32_t x, int32_t fromY, int32_t tipX, int32_t tipY) {
    AddScaledLaser(x, fromY, 10, 0, 9, 1.0, 0, 0, 0, tipX, tipY);
    AddScaledLaser(x + 1, fromY, 10, 0, 9, 1.0, 0, 0, 0, tipX + 1, tipY);
    g_EffectMannager.AddMidEx(tipX - 30, tipY - 30, 9, 7, 0, 0, 6, 30);
    if (HitPlayerCircle(tipX, tipY, 20)) g_Player.Hit();
}

void FireEruption(int32_t column, bool narrow, float firstFan, float secondFan) {
    const int32_t spread = narrow ? 130 : 110;
    // Each bullet draws its values from the last argument to the first: vy, vx, y, then x.
    const auto rise = [&] { return narrow ? Rand() % 30 : Rand() % 60 - 27; };
    for (int32_t i = 0; i < 40; ++i) {
        const double vy = Rand() % spread * 0.1 - 18.0;
        const double vx = (Rand() % 80 - 40) * 0.1;
        const int32_t y = rise();
        const int32_t x = column - 20 + Rand() % 20;
        g_EBMannager.Shoot(x, y, 36, static_cast<float>(vx), static_cast<float>(vy));
    }
    for (int32_t i = 0; i < 10; ++i) {
        const double vy = Rand() % spread * 0.1 - 19.0;
        const double vx = (Rand() % 60 - 30) * 0.1;
        const int32_t y = rise();
        const int32_t x = column - 35 + Rand() % 20;
        g_EBMannager.ShootBig(x, y, 4, static_cast<float>(vx), static_cast<float>(vy));
    }
    for (int32_t i = 0; i < 10; ++i) {
        const double vy = Rand() % spread * 0.1 - 20.0;
        const double vx = (Rand() % 70 - 35) * 0.1;
        const int32_t y = rise();
        const int32_t x = column - 35 + Rand() % 20;
        g_EBMannager.ShootBig(x, y, 38, static_cast<float>(vx), static_cast<float>(vy));
    }
    CEmitter emitter;
    if (g_nLevel >= 1) {
        FireFan(emitter, column, 8, 44, 90, firstFan, 2, 100);
        FireFan(emitter, column, 8, 44, 90, secondFan, 2, 100);
    }
    if (g_nLevel >= 2) {
        FireFan(emitter, column, 8, 44, 90, firstFan, 2, 140);
        FireFan(emitter, column, 8, 44, 90, secondFan, 2, 140);
    }
    RequestSound(kSoundExplosion);
}

void CBoss4::Init() {
    std::fill(std::begin(markX), std::end(markX), 0);
    std::fill(std::begin(markY), std::end(markY), 0);
    volleyX = 0;
    std::fill(std::begin(beamAimX), std::end(beamAimX), 0);
    std::fill(std::begin(beamAimY), std::end(beamAimY), 0);
    StartSetUp(2, kPhaseHp, 0, 480);

    g_pBossImage1->Load("img/boss4-1.bmp");
    g_pBossImage2->Load("img/boss4-2.bmp");
    g_pBossImage3->Load("img/boss4-3.bmp");
    g_pBossEffectImage[4].Load("img/effect-explosion2.bmp");
    LoadKillerShot(0, "img/killershot-boss4-1.bmp", 160, 160);
    LoadKillerShot(1, "img/killershot-boss4-2.bmp", 210, 210);
    LoadKillerShot(2, "img/dummy.bmp", 1, 1);
    LoadKillerShot(3, "img/killershot-boss4-4.bmp", 140, 140);
    g_pBossPartsImage[1].Load("img/parts-boss4-1.bmp");
    g_pBossImage = g_pBossImage1;

    SetBody(kBodyW, kBodyH, kBodyW / 2, kBodyH / 2);
    shotBoxHalfW = w;
    shotBoxLow = 200;
    shotBoxHigh = h;

    SeatParts();
    g_pBossParts[0].offsetX = hotX - 50;
    g_pBossParts[1].offsetX = hotX + 50;
    for (CBossParts& part : g_pBossParts) {
        part.offsetY = hotY;
        part.maxAngle = kPartLimit;
        part.minAngle = -kPartLimit;
    }
}

void CBoss4::SeatParts() {
    SeatBossParts(hotX, hotY, kPartW, kPartH);
}

void CBoss4::Act() {
    if (!BeginFrame()) return;
    if (HitPlayerCentredBox(*this, w / 2, h / 2)) PushPlayer();
    // Parked above the field, the boss cannot be hurt and keeps its entrance look.
    if (HitByShotBox(*this)) {
        if (flag == 0 && y >= 0) {
            RequestSound(kSoundHitLoop);
            Hit();
        }
    } else {
        draw.mode = kKeyMode;
    }
    if (dying != 0) return;
    // The parts' offsets follow the hot spot the boss had before this frame.
    switch (phasesLeft) {
        case 2:
            SeatParts();
            g_pBossParts[0].offsetX = hotX - 90;
            g_pBossParts[1].offsetX = hotX + 90;
            g_pBossParts[0].offsetY = g_pBossParts[1].offsetY = hotY;
            Attack1();
            Move();
            break;
        case 1:
            g_pBossImage = g_pBossImage2;
            if (w == kBodyW) x += 128;
            SeatParts();
            g_pBossParts[0].offsetX = hotX - 70;
            g_pBossParts[1].offsetX = hotX + 70;
            g_pBossParts[0].offsetY = g_pBossParts[1].offsetY = hotY;
            SetBody(kLaterBodyW, kLaterBodyH, kLaterHotX, kLaterHotY);
            Attack2();
            break;
        default:
            SeatParts();
            g_pBossImage = g_pBossImage3;
            SetBody(kLaterBodyW, kLaterBodyH, kLaterHotX, kLaterHotY);
            Attack3();
            break;
    }
}

void CBoss4::Move() {
    const int32_t i = (phaseCount - phasesLeft) * kBoss4RouteRow + (phaseFrame >> 7);
    vx = (RouteAt(Boss4RouteX, kBoss4RouteCount, i) - x) * kEase;
    vy = (y - RouteAt(Boss4RouteY, kBoss4RouteCount, i)) * kEase;
    y -= vy;
    x += vx;
}
