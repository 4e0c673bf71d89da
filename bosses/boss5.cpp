#include "bosses/boss5.h"

#include <algorithm>

#include "bosses/boss_child.h"
#include "bosses/route.h"
#include "enemies/background.h"
#include "engine/requests.h"
#include "shooting/effect.h"
#include "shooting/hit_test.h"

const int32_t Boss5RouteX[kBoss5RouteCount] = {
    280, 300, 300, 300, 300, 300, 300, 200, 200, 200, 280, 300, 300, 300, 300, 300,
    300, 200, 200, 200, 50,  0,   50,  50,  50,  50,  50,  50,  0,   70,  -30, 50,
    0,   50,  0,   0,   0,   0,   0,   270, 200, 200, 350, 150, 190, 140, 200, 300,
    220, 140, 130, 200, 350, 150, 140, 300, 100, 300, 200, 130, 300, 200, 400, 300,
    150, 300, 400, 200, 300, 200, 300, 200, 400, 300, 150, 300, 400, 200, 300, 200};
const int32_t Boss5RouteY[kBoss5RouteCount] = {
    360, 260, 260, 260, 260, 200, 300, 200, 30,  200, 360, 260, 260, 260, 260, 200,
    300, 200, 30,  200, 300, 60,  100, 60,  60,  60,  100, 100, 10,  100, 150, 60,
    100, 60,  60,  60,  100, 100, 10,  100, 250, 250, 140, 200, 150, 150, 100, 200,
    200, 200, 200, 200, 150, 150, 150, 150, 200, 200, 200, 200, 360, 300, 360, 360,
    260, 400, 300, 300, 260, 400, 360, 300, 360, 360, 260, 300, 400, 300, 230, 200};

namespace {

constexpr int32_t kKeyMode = 2;
constexpr int32_t kThunderImage = 27;
constexpr double kEase = 0.025;
constexpr int32_t kTopOffset = 240;  // the first two bodies are solid only this far above y
constexpr int32_t kPinX = 134;
constexpr int32_t kPinTop = 469;

// One phase's sprite, body, hot spot and vulnerable box; a negative half width keeps the box
// the previous phase left.
struct PhaseBody {
    int32_t w;
    int32_t h;
    int32_t hotX;
    int32_t hotY;
    int32_t boxHalfW;
    int32_t boxLow;
    int32_t boxHigh;
};
constexpr PhaseBody kBodies[4] = {{395, 445, 197, 222, 445, 300, 445},
                                  {614, 504, 307, 252, -1, 0, 0},
                                  {286, 323, 143, 161, 143, 150, 323},
                                  {100, 100, 50, 50, 50, 0, 100}};

}  // namespace

void CBoss5::Init() {
    volleyX = 0;
    beamAimX = 0;
    beamAimY = 0;
    StartSetUp(3, kPhaseHp, 134, 8);

    g_pBossImage1->Load("img/boss5-1.bmp");
    g_pBossImage2->Load("img/boss5-2.bmp");
    g_pBossImage3->Load("img/boss5-3.bmp");
    g_pBossImage4->Load("img/boss5-4.bmp");
    g_EffectMannager.images[kThunderImage].Load("img/effect-thunder2.bmp");
    LoadKillerShot(0, "img/killershot-boss4-1.bmp", 160, 160);
    LoadKillerShot(1, "img/killershot-boss4-2.bmp", 210, 210);
    LoadKillerShot(2, "img/killershot-boss5-4.bmp", 50, 140);
    LoadKillerShot(3, "img/killershot-boss5-4-2.bmp", 140, 140);
    g_pBossImage = g_pBossImage1;

    HideBossPartsImages();
    SeatBossParts(hotX, hotY, 1, 1);
    for (int32_t i = 0; i < kBossPartsCount; ++i) {
        CBossParts& part = g_pBossParts[i];
        part.offsetX = hotX + (i == 0 ? -50 : 50);
        part.offsetY = hotY - 50;
        part.maxAngle = 20;
        part.minAngle = -20;
    }

    w = 92;
    h = 107;
    hotX = 46;
    flag = 0;
}

void CBoss5::Act() {
    if (!BeginFrame()) return;
    const bool touched = phasesLeft >= 2 ? HitPlayerCentredTop(*this, w, kTopOffset)
                                         : HitPlayerCentredBox(*this, w, h / 2);
    if (touched) PushPlayer();
    // Shots are taken before the script sets or clears the flag, so the guard lags the script
    // by one frame: phase frames 2 to 100 of the third phase are the ones that cost nothing.
    if (HitByShotBox(*this)) {
        if (flag == 0) Hit();
    } else {
        draw.mode = kKeyMode;
    }
    if (dying != 0) return;

    const int32_t phase = std::clamp(phaseCount - phasesLeft, 0, 3);
    CImageShooting* const sprites[4] = {g_pBossImage1, g_pBossImage2, g_pBossImage3, g_pBossImage4};
    const PhaseBody& body = kBodies[phase];
    g_pBossImage = sprites[phase];
    SetBody(body.w, body.h, body.hotX, body.hotY);
    if (body.boxHalfW >= 0) {
        shotBoxHalfW = body.boxHalfW;
        shotBoxLow = body.boxLow;
        shotBoxHigh = body.boxHigh;
    }
    switch (phase) {
        case 0:
            x = kPinX;
            y = kPinTop - h;
            Attack1(phaseFrame);
            break;
        case 1:
            Attack2(phaseFrame);
            break;
        case 2:
            Attack3(phaseFrame);
            break;
        default:
            Attack4(phaseFrame);
            Move();
            break;
    }
}

void CBoss5::Move() {
    const int32_t row = (phaseCount - phasesLeft) * kBoss5RouteRow;
    const int32_t ix = phasesLeft == 1 ? phaseFrame / 100 : phaseFrame >> 7;
    const int32_t iy = phaseFrame >> 7;
    vx = (RouteAt(Boss5RouteX, kBoss5RouteCount, row + ix) - x) * kEase;
    vy = (y - RouteAt(Boss5RouteY, kBoss5RouteCount, row + iy)) * kEase;
    y -= vy;
    x += vx;
}
