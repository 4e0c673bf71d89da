#include "shooting/player.h"

#include <algorithm>
#include <cmath>

#include "engine/angle.h"
#include "engine/draw_mode.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/point_mannager.h"

CPlayer g_Player;

namespace {

constexpr OptionRecord kOptionStart[CPlayer::kOptionCount] = {
    {0, 0, 22, 25}, {0, 0, -22, 25}, {0, 0, 45, -5}, {0, 0, -45, -5}};

}  // namespace

CPlayer::CPlayer() {
    sprite.Create(1, 1);
    laserImage.Load("img/lazer.bmp");
    laserHitImage.Load("img/lz-explosion.bmp");
    Init();
}

void CPlayer::Init() {
    shotCount = 0;
    shotPhase = 0;
    x = 280;
    y = 20;
    lives = 3;
    bombs = 3;
    power = 0;
    optionCount = 0;
    deathTimer = 0;
    invincibleTimer = 0;
    changePrev = 0;
    changeHeld = 0;
    hitX = 270;
    hitY = 10;
    animCount = 0;
    dying = 0;
    invincible = 0;
    for (int i = 0; i < kOptionCount; ++i) {
        option[i] = kOptionStart[i];
        laserTip[i] = LaserTip();
    }
    sprite.Load("img/p-blaze.bmp");
    spriteFrameX = 0;
    shotTimer = 0;
    moveTimer = 0;
    up = down = right = left = 0;
    g_nShotType = 0;
    SeedRand(1);
}

void CPlayer::Move(uint8_t changeButton) {
    changePrev = changeHeld;
    changeHeld = changeButton;
    if (changeHeld != 0 && changePrev == 0) g_nShotType += 1;
    if (g_nShotType > 2) g_nShotType = 0;

    CPointMannager& points = *g_pPointMannager;
    if (points.ExtendDue()) {
        RequestSound(kSoundExtend);
        if (lives < kMaxLives) lives += 1;
        // Parked below the field the ship stays in its death sequence.
        if (y >= 0) {
            invincible = 1;
            invincibleTimer = 70;
            dying = 0;
            deathTimer = 0;
        }
        g_EffectMannager.AddMidEx(Trunc(x), Trunc(y + 20), 8, 4, 1.0f, 0.5f, 1, 5);
        g_EffectMannager.AddFrontEx(Trunc(x + 37), Trunc(y + 21), 21, 7, 0, 0, 4, 600);
        points.extendGauge = 0;
    }
    if (points.PowerUpDue()) {
        RequestSound(kSoundPowerUp);
        if (y >= 0) {
            invincible = 1;
            invincibleTimer = 70;
            if (dying == 0) deathTimer = 0;
        }
        g_EffectMannager.AddMid(Trunc(x - 357), Trunc(y - 20), 13, 28, 0, 0);
        g_EffectMannager.AddFrontEx(Trunc(x + 37), Trunc(y + 21), 21, 7, 0, 0, 4, 600);
        power = std::min(power + 1, kMaxPower);
        g_EffectMannager.AddMidEx(Trunc(x), Trunc(y + 20), 8, 4, 1.0f, 0.5f, 0, 50);
        points.powerGauge = 0;
    }

    // Each bound is tested before a whole step, so the ship may end one step past it.
    const int32_t step = g_bBombActive != 0 ? 2 : (moveTimer >= 1 ? 6 : 3);
    if (up != 0 && y < 380) y += step;
    if (down != 0 && y > 6) y -= step;
    if (right != 0 && x < 440) x += step;
    if (left != 0 && x > 120) x -= step;

    hitX = Trunc(x - 1 + 37);
    hitY = Trunc(y - 1 + 21);

    if (invincible != 0) {
        dying = 0;
        deathTimer = 0;
        g_EffectMannager.AddFrontEx(Trunc(x - 1), Trunc(y - 14), 8, 7, 0, 0, 5, 1);
        invincibleTimer += 1;
        if (invincibleTimer > 150) {
            invincible = 0;
            invincibleTimer = 0;
        }
    } else if (dying != 0) {
        // Only the first dying frame finds the ship above the parking row.
        if (y > -10) StartDeath();
        x = 280;
        y = -140;
        if (deathTimer == 40 && lives >= 0) lives -= 1;
        deathTimer += 1;
        if (deathTimer >= 60) {
            invincible = 1;
            invincibleTimer = 0;
            dying = 0;
            deathTimer = 0;
            x = 280;
            y = 20;
        }
    }
}

void CPlayer::StartDeath() {
    RequestSound(kSoundPlayerDeath);
    g_EffectMannager.AddMidEx(Trunc(x - 13), Trunc(y), 14, 0, 0, 0, 0, 5);
    for (int32_t i = 0; i < 20; ++i) {
        const int32_t r = Rand();
        const double a = DegToRad(18.0 * i);
        g_EffectMannager.AddMidEx(Trunc(x + 17), Trunc(y - 13), 17, 22,
                                  static_cast<float>(std::cos(a) * 6.2),
                                  static_cast<float>(std::sin(a) * 6.2), r % 3 + 3, 0);
    }
    for (int32_t i = 0; i < 40; ++i) {
        const int32_t dx = Rand() % 180 - 90;
        const int32_t dy = Rand() % 180 - 90;
        const int32_t image = dx * dx + dy * dy < 3600 ? 14 : 0;
        g_EffectMannager.AddMidEx(Trunc(x - 13 + dx), Trunc(y - dy), image, 0, 0, 0, 0, 5);
    }
}

void CPlayer::Draw(CImage32& dest) {
    // The frame shown is the one from before this frame's toggle.
    const int32_t frameX = spriteFrameX;
    animCount += 1;
    if (animCount >= 360) animCount = 0;
    if (animCount % 16 == 0) spriteFrameX = spriteFrameX == 0 ? kWidth : 0;
    dest.BltField(g_DrawKey, Trunc(x), Trunc(y), sprite, frameX, 0, kWidth, kHeight);
}

void CPlayer::Hit() {
    if (invincible != 0 || y < 0) return;
    deathTimer = 0;
    dying = 1;
    shotTimer = 0;
}

void CPlayer::Push(double dx, double dy) {
    x += dx;
    if (y + dy > 8) y += dy;
}
