#include <algorithm>
#include <cmath>

#include "engine/angle.h"
#include "engine/draw_mode.h"
#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/player.h"

namespace {

// One shot of a volley: offset from the base point, sheet cell, velocity.
struct VolleyShot {
    int32_t dx;
    int32_t dy;
    int32_t cell;
    float vx;
    float vy;
};

template <size_t N>
void Fire(int32_t bx, int32_t by, int32_t kind, const VolleyShot (&volley)[N]) {
    for (const VolleyShot& s : volley) {
        g_BulletMannager.Shoot(bx + s.dx, by + s.dy, kind, s.cell, s.vx, s.vy);
    }
}

// Counts a frame of the cadence; true on the frame a volley fires. Testing "reaches or passes"
// keeps a switch from a slower type's count from running past the limit.
bool CadenceDue(int32_t& count, int32_t every) {
    count += 1;
    if (count < every) return false;
    count = 0;
    return true;
}

void AdvancePhase(int32_t& phase) {
    phase += 1;
    if (phase >= 2) phase = 0;
}

// The beam's column brightening is written straight into the back buffer, so rows outside
// the play field (a ship pulled far up) are left alone.
void DrawBeamRows(int32_t ox, int32_t oy, int32_t t) {
    int32_t r = oy;
    do {
        if (r > 8 && r <= 468) {
            CImage32::AddBeamRow(g_BackBuffer.GetPixelAddress(ox - 5, r), 0x121256, 9);
        }
        r += 1;
    } while (r < t);
}

// Two sparks flying off a cut laser's tip. Draws three numbers, in this order.
void TipSparks(int32_t ox, int32_t t) {
    const int32_t r1 = Rand();
    const double speed = ((r1 % 110) + 110) * 0.1;
    const int32_t a = Rand() % 80 + 230;
    const float vx = static_cast<float>(std::cos(DegToRad(a)) * speed);
    const int32_t b = Rand() % 30 + 270;
    const float vy = static_cast<float>(std::sin(DegToRad(b)) * -speed);
    g_EffectMannager.AddFrontEx(ox, t, 18, 11, vx, static_cast<float>(double{vy} - 2), 0, 1);
    g_EffectMannager.AddFrontEx(ox, t, 18, 11, static_cast<float>(-double{vx} * 0.5),
                                static_cast<float>(double{vy} + 4), 0, 1);
}

}  // namespace

void CPlayer::Shoot(uint8_t fireButton) {
    if (y < 0) {
        shotTimer = 0;
        return;
    }
    if (fireButton != 0) {
        shotTimer = 15;
    } else {
        moveTimer = 15;
    }
    if (shotTimer < 0) return;
    shotTimer -= 1;
    moveTimer -= 1;
    // The looping shot sound goes on during a bomb; only the volleys stop.
    RequestSound(kSoundShotLoop);
    if (g_bBombActive != 0) return;
    switch (g_nShotType) {
        case 0:
            ShootType0();
            break;
        case 1:
            ShootType1();
            break;
        case 2:
            ShootType2();
            break;
        default:
            break;
    }
}

void CPlayer::ShootType0() {
    if (!CadenceDue(shotCount, 3)) return;
    const int32_t bx = static_cast<int32_t>(x - 3 + 37);
    const int32_t by = static_cast<int32_t>(y + 40);
    const float v = power > 9 ? -16.0f : (power > 6 ? -15.0f : -14.0f);
    const int32_t centreCell = power < 6 ? 0 : 2;
    Fire(bx, by, 0, {VolleyShot{-8, -8, centreCell, 0, v}, {3, -8, centreCell, 0, v}});
    if (power > 0) Fire(bx, by, 0, {VolleyShot{-18, -4, 0, 0, v}, {13, -4, 0, 0, v}});
    if (power > 6) {
        Fire(bx, by, 0, {VolleyShot{-38, -46, 1, 0, v}, {33, -46, 1, 0, v}});
        Fire(bx, by, 0, {VolleyShot{-58, -46, 3, 0, v}, {53, -46, 3, 0, v}});
    }
}

void CPlayer::ShootType1() {
    if (!CadenceDue(shotCount, 5)) return;
    const int32_t bx = static_cast<int32_t>(x + 37);
    const int32_t by = static_cast<int32_t>(y + 40);
    Fire(bx, by, 1,
         {VolleyShot{-15, -15, 5, 0, -14},
          {-5, -15, 5, 0, -14},
          {-25, -15, 5, 0, -14},
          {5, -15, 5, 0, -14}});
    if (power > 6) {
        Fire(bx, by, 1,
             {VolleyShot{-37, -15, 5, 0, -14},
              {17, -15, 5, 0, -14},
              {18, -45, 12, 14, 14},
              {-35, -45, 11, -14, 14}});
    }
    Fire(bx, by, 1, {VolleyShot{-23, -35, 10, 14, 4}, {5, -35, 0, -14, 4}});
    // The mirrored shots of each pair of rows are fired alternately, right side first.
    if (shotPhase == 0) {
        Fire(bx, by, 1,
             {VolleyShot{18, -25, 6, 7, -14},
              {-35, -25, 4, -7, -14},
              {28, -35, 6, 7, -14},
              {-45, -35, 4, -7, -14}});
        if (power > 3) {
            Fire(bx, by, 1,
                 {VolleyShot{8, -25, 6, 7, -14},
                  {-25, -25, 4, -7, -14},
                  {18, -35, 6, 7, -14},
                  {-35, -35, 4, -7, -14}});
        }
        Fire(bx, by, 1, {VolleyShot{-23, -45, 8, 14, -4}, {5, -35, 2, -14, -4}});
    } else {
        Fire(bx, by, 1,
             {VolleyShot{18, -25, 7, 14, -14},
              {-35, -25, 3, -14, -14},
              {23, -35, 7, 14, -14},
              {-40, -35, 3, -14, -14},
              {-23, -35, 9, 14, 0},
              {5, -35, 1, -14, 0}});
    }
    AdvancePhase(shotPhase);
}

void CPlayer::ShootType2() {
    if (!CadenceDue(shotCount, 5)) return;
    const int32_t bx = static_cast<int32_t>(x + 37);
    const int32_t by = static_cast<int32_t>(y + 40);
    const double v = power > 9 ? -16.0 : -14.0;
    const float fv = static_cast<float>(v);
    Fire(bx, by, 2, {VolleyShot{-15, -10, 2, 0, fv}, {-3, -10, 2, 0, fv}});
    if (power > 0) Fire(bx, by, 2, {VolleyShot{-35, -20, 2, 0, fv}, {17, -20, 2, 0, fv}});
    if (shotPhase == 0) {
        Fire(bx, by, 2,
             {VolleyShot{18, -20, 3, 2, fv},
              {-35, -20, 1, -2, fv},
              {28, -25, 3, 3, fv},
              {-45, -25, 1, -3, fv}});
        if (power > 5) {
            Fire(bx, by, 2,
                 {VolleyShot{12, -20, 3, 2, fv},
                  {-29, -20, 1, -2, fv},
                  {22, -25, 3, 3, fv},
                  {-39, -25, 1, -3, fv}});
        }
        if (power > 9) Fire(bx, by, 2, {VolleyShot{42, -25, 3, 3, fv}, {-59, -25, 1, -3, fv}});
    } else {
        const float v30 = static_cast<float>(-v * std::sin(DegToRad(30)));
        const float v40 = static_cast<float>(-v * std::sin(DegToRad(40)));
        Fire(bx, by, 2,
             {VolleyShot{18, -20, 4, v30, fv},
              {-35, -20, 0, -v30, fv},
              {23, -25, 4, v40, fv},
              {-40, -25, 0, -v40, fv}});
        if (power == 7) {
            Fire(bx, by, 2,
                 {VolleyShot{12, -20, 4, v30, fv},
                  {-29, -20, 0, -v30, fv},
                  {17, -25, 4, v40, fv},
                  {-34, -25, 0, -v40, fv}});
        } else if (power >= 8) {
            Fire(bx, by, 2,
                 {VolleyShot{32, -20, 4, v30, fv},
                  {-49, -20, 0, -v30, fv},
                  {37, -25, 4, v40, fv},
                  {-54, -25, 0, -v40, fv}});
        }
    }
    AdvancePhase(shotPhase);
}

void CPlayer::DrawLazer() {
    if (y < 0 || g_nShotType != 0 || g_bBombActive != 0 || shotTimer < 0) return;
    optionCount = OptionCountTable[std::clamp(power, 0, kMaxPower)];
    for (int32_t i = 0; i < optionCount; ++i) {
        OptionRecord& o = option[i];
        o.x = std::clamp(static_cast<int32_t>(x + 37 + o.dx), 159, 485);
        o.y = static_cast<int32_t>(o.dy + y);
    }
    for (int32_t i = 0; i < optionCount; ++i) {
        const int32_t ox = option[i].x;
        const int32_t oy = option[i].y;
        LaserTip& tip = laserTip[i];
        const int32_t t = tip.y;
        DrawBeamRows(ox, oy, t);
        g_BackBuffer.BltFieldAll(g_DrawAdd, ox - 25, oy - 30, laserImage);
        if (t < 467 && oy < t) {
            g_BackBuffer.BltFieldAll(g_DrawAdd, ox - 25, t - 25, laserHitImage);
            TipSparks(ox, t);
        }
        if (tip.hit == 0) tip.y = 468;
        tip.hit = 0;
    }
}
