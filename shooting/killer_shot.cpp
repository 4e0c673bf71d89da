#include "shooting/killer_shot.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/angle.h"
#include "engine/draw_mode.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/enemy_bullet.h"
#include "shooting/hit_test.h"
#include "shooting/player.h"

KillerShotSize KillerShotSizeTable[kKillerShotRows] = {
    {160, 160}, {140, 140}, {220, 420}, {140, 140}};
// Defined before the manager, whose constructor loads into it.
CImageShooting g_KillerShotImage[kKillerShotRows];
CKillerShotMannager g_KillerShotMannager;

namespace {

constexpr int32_t kBurstSmallKind = 40;
constexpr int32_t kBurstBigKind1 = 19;
constexpr int32_t kBurstBigKind2 = 34;
constexpr int32_t kBurstSmallCount = 80;
constexpr int32_t kBurstBigCount = 20;

void KillWithin(const CKillerShot& s, int32_t radius) {
    if (HitPlayerRadius(s, radius)) g_Player.Hit();
}

bool InStraightArea(const CKillerShot& s) {
    return 134 - s.w < s.x && s.x < 510 && 8 - s.h < s.y && s.y < 475;
}

bool OutOfField(const CKillerShot& s) {
    return s.x + s.w < 134 || s.x > 510 || s.y + s.h < 0 || s.y > 469;
}

// Grows from a speck, and after age 150 shrinks again; true once it has shrunk away.
bool Grow(CKillerShot& s, int32_t age) {
    s.shotScale = std::min(1.0, 0.01 + 0.15 * age);
    if (s.age <= 150) return false;
    s.shotScale = 1.01 - 0.1 * (s.age - 150);
    return s.shotScale < 0.1;
}

// The kind-3 shot bursting at the bottom of the field: a spray thrown back up. Each bullet's
// numbers are drawn vy, vx, y, x.
void BottomBurst(const CKillerShot& s) {
    for (int32_t i = 0; i < kBurstSmallCount; ++i) {
        const double vy = (Rand() % 110) * 0.1 - 18;
        const double vx = (Rand() % 60 - 30) * 0.1;
        const int32_t y = Rand() % 60 - 27;
        const int32_t x = Trunc(s.x + 80 + Rand() % 60 - 30);
        g_EBMannager.Shoot(x, y, kBurstSmallKind, static_cast<float>(vx), static_cast<float>(vy));
    }
    for (const auto& [kind, lift] :
         {std::pair{kBurstBigKind1, 19}, std::pair{kBurstBigKind2, 20}}) {
        for (int32_t i = 0; i < kBurstBigCount; ++i) {
            const double vy = (Rand() % 110) * 0.1 - lift;
            const double vx = (Rand() % 50 - 25) * 0.1;
            const int32_t y = Rand() % 60 - 27;
            const int32_t x = Trunc(s.x + 80 + Rand() % 60 - 30);
            g_EBMannager.ShootBig(x, y, kind, static_cast<float>(vx), static_cast<float>(vy));
        }
    }
    RequestSound(kSoundExplosion);
}

// The kind-3 shot bursting at a side: the same volleys, thrown back into the field and carried
// on by the shot's own motion.
void SideBurst(const CKillerShot& s) {
    const int32_t n = std::abs(Trunc(100 * s.vx));
    const bool left = s.x <= -26;
    const int32_t sign = left ? 1 : -1;
    const int32_t column = left ? 164 : 460;
    const auto nextBullet = [&](double& vx, double& vy, int32_t& x, int32_t& y) {
        vy = (Rand() % 120 - 40) * 0.1 + s.vy;
        // A shot with almost no sideways speed has no spread to draw from; the number is
        // still drawn so that the sequence stays the same.
        const int32_t r = Rand();
        const int32_t spread = n == 0 ? 0 : r % n;
        vx = (spread * sign + 50 * s.vx) * 0.01;
        y = Trunc(s.y + 80 + Rand() % 60 - 30);
        x = Rand() % 60 + column - 30;
    };
    double vx = 0;
    double vy = 0;
    int32_t x = 0;
    int32_t y = 0;
    for (int32_t i = 0; i < kBurstSmallCount; ++i) {
        nextBullet(vx, vy, x, y);
        g_EBMannager.Shoot(x, y, kBurstSmallKind, static_cast<float>(vx), static_cast<float>(vy));
    }
    for (const int32_t kind : {kBurstBigKind1, kBurstBigKind2}) {
        for (int32_t i = 0; i < kBurstBigCount; ++i) {
            nextBullet(vx, vy, x, y);
            g_EBMannager.ShootBig(x, y, kind, static_cast<float>(vx), static_cast<float>(vy));
        }
    }
    RequestSound(kSoundExplosion);
}

// Kinds 0 and 1: fly straight while in the area around the field.
void MoveStraight(CKillerShot& s, int32_t radius) {
    s.y -= s.vy;
    s.x += s.vx;
    // Kind 0 spares a ship still coming up from below the field.
    if (s.killKind != 0 || g_Player.hitY >= 9) KillWithin(s, radius);
    if (!InStraightArea(s)) {
        s.Kill();
        return;
    }
    s.age += 1;
    // Kind 0 shows cells 0, 1, 2 in turn, three frames each.
    if (s.killKind == 0) s.angle = (s.age / 3) % 3;
}

// Kind 2: stands where it was put for two frames.
void MoveFlash(CKillerShot& s) {
    KillWithin(s, 40);
    if (!(134 < s.x && s.x < 483 && 8 - s.h < s.y && s.y < 475)) {
        s.Kill();
        return;
    }
    s.age += 1;
    s.angle = s.age % 2 == 0 ? 1 : 0;
    if (s.age >= 2) s.Kill();
}

// Kind 3: falls while growing and bursts into bullets at the bottom or at a side. At the top
// of the field it stops and stays.
void MoveBurster(CKillerShot& s) {
    KillWithin(s, 40);
    s.age += 1;
    s.draw.mode = 2;
    s.shotScale = std::min(1.0, 0.21 + 0.03 * s.age);
    if (-26 < s.x && s.x < 483 && 8 - s.h < s.y && s.y < 475) {
        s.angle = s.age % 3 == 0 ? 1 : 0;
        s.x += s.vx;
        s.y -= s.vy;
    }
    if (s.y <= 8 - s.h / 2) {
        BottomBurst(s);
        s.Kill();
    } else if (s.x <= -26 || s.x >= 483) {
        SideBurst(s);
        s.Kill();
    }
}

// Kind 5: a growing vortex that pulls the ship toward its centre.
void MoveVortex(CKillerShot& s) {
    s.x += s.vx;
    s.y -= s.vy;
    const int32_t before = s.age;
    KillWithin(s, 40);
    s.age += 1;
    s.draw.mode = 4;
    // Once shrunk away it is gone at once: no pull and no picture in that frame.
    if (Grow(s, before)) {
        s.Kill();
        return;
    }
    const int32_t dx = Trunc(s.x + s.w / 2 + 20) - g_Player.hitX;
    const int32_t dy = Trunc(s.y + s.h / 2 + 20) - g_Player.hitY;
    const int32_t d2 = dx * dx + dy * dy;
    if (d2 <= 100) {
        g_Player.Hit();
    } else {
        const double d = std::sqrt(static_cast<double>(d2));
        // The pull is 3 near the centre, then falls off in whole steps with the squared
        // distance: 2 up to 100 pixels away, 1 up to about 141, none beyond.
        const int32_t pull = d2 <= 6667 ? 3 : 20000 / d2;
        g_Player.Push(pull * dx / d, pull * dy / d);
    }
    const KillerShotSize& cell = KillerShotSizeTable[0];
    const int32_t sx = (Rand() % 3) * cell.h;
    const int32_t x = Trunc(s.x);
    const int32_t y = Trunc(s.y);
    if (s.shotScale == 1.0) {
        g_BackBuffer.BltField(g_DrawKey, x, y, g_KillerShotImage[0], sx, 0, cell.w, cell.h);
    } else {
        g_BackBuffer.BltScaledCentredRect(g_DrawKey, x + s.w / 2, y + s.h / 2, g_KillerShotImage[0],
                                          s.shotScale, sx, 0, cell.w, cell.h);
    }
    if (OutOfField(s)) s.Kill();
}

// Kind 6: falls while growing, then shrinks away after age 150.
void MoveGrower(CKillerShot& s) {
    KillWithin(s, 40);
    s.y -= s.vy;
    s.age += 1;
    if (s.age % 2 == 0) s.angle = 1;
    if (Grow(s, s.age) || OutOfField(s)) s.Kill();
}

// Kind 7: flies along its launch angle, drawn turned to it.
void MoveTurning(CKillerShot& s) {
    s.turning = 1;
    KillWithin(s, 40);
    s.angle = s.shotAngle;
    const double a = DegToRad(s.shotAngle);
    s.x += std::sin(a) * s.speed;
    s.y -= std::cos(a) * s.speed;
    if (OutOfField(s)) s.Kill();
}

}  // namespace

void CKillerShot::Set(int32_t px, int32_t py, int32_t behaviour, int32_t row, double pvx,
                      double pvy, int32_t launchAngle, double launchSpeed) {
    x = px;
    y = py;
    killKind = behaviour;
    kind = row;
    vx = pvx;
    vy = pvy;
    shotAngle = launchAngle;
    alive = 1;
    draw.mode = 12;
    w = KillerShotSizeTable[row].w;
    h = KillerShotSizeTable[row].h;
    shotScale = 1.0;
    speed = launchSpeed;
    turning = 0;
}

void CKillerShot::Kill() {
    x = 0;
    y = 0;
    alive = 0;
    age = 0;
    angle = 0;
    killKind = 0;
    turning = 0;
}

CKillerShotMannager::CKillerShotMannager() {
    g_KillerShotImage[0].Load("img/killershot-boss3-1.bmp");
    g_KillerShotImage[1].Load("img/killershot-boss3-2.bmp");
    g_KillerShotImage[2].Load("img/killershot-boss3-3.bmp");
    Init();
}

void CKillerShotMannager::Shoot(int32_t x, int32_t y, int32_t killKind, int32_t row, double speed,
                                int32_t angle) {
    if (row < 0 || row >= kKillerShotRows) return;
    const double a = DegToRad(angle);
    shots[next].Set(x, y, killKind, row, std::sin(a) * speed, std::cos(a) * speed, angle, speed);
    next += 1;
    if (next >= kShotCount) next = 0;
}

void CKillerShotMannager::Move(int32_t i) {
    if (i < 0 || i >= kShotCount) return;
    CKillerShot& s = shots[i];
    if (s.alive == 0) return;
    switch (s.killKind) {
        case 0:
            MoveStraight(s, 50);
            break;
        case 1:
            MoveStraight(s, 30);
            break;
        case 2:
            MoveFlash(s);
            break;
        case 3:
            MoveBurster(s);
            break;
        case 5:
            MoveVortex(s);
            break;
        case 6:
            MoveGrower(s);
            break;
        case 7:
            MoveTurning(s);
            break;
        default:  // kind 4 and unknown kinds do nothing and never end by themselves
            break;
    }
}

void CKillerShotMannager::Draw(int32_t i, CImage32& dest) const {
    if (i < 0 || i >= kShotCount) return;
    const CKillerShot& s = shots[i];
    if (s.alive == 0 || s.kind < 0 || s.kind >= kKillerShotRows) return;
    const CImageShooting& image = g_KillerShotImage[s.kind];
    const int32_t x = Trunc(s.x);
    const int32_t y = Trunc(s.y);
    if (s.turning != 0) {
        const KillerShotSize& size = KillerShotSizeTable[s.kind];
        CDrawMode dm = s.draw;
        dm.level = 255;
        dest.BltRotatedAddAll(x + size.w / 2, y + size.h / 2, DegToRad(s.angle), 1.0, dm, image);
    } else if (s.shotScale == 1.0) {
        dest.BltField(s.draw, x, y, image, 0, s.h * s.angle, s.w, s.h);
    } else {
        dest.BltScaledCentredRect(s.draw, x + s.w / 2, y + s.h / 2, image, s.shotScale, 0,
                                  s.h * s.angle, s.w, s.h);
    }
}

void CKillerShotMannager::Init() {
    for (CKillerShot& s : shots) {
        static_cast<CFlingObject&>(s) = CFlingObject();
        s.turning = 0;
    }
    next = 0;
}
