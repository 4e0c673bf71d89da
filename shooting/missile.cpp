#include "shooting/missile.h"

#include <algorithm>
#include <cmath>

#include "engine/angle.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/square.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/emitter.h"
#include "shooting/enemy_bullet.h"
#include "shooting/fire.h"
#include "shooting/hit_test.h"
#include "shooting/item.h"
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

CMissileMannager g_MissileMannager;

namespace {

constexpr int32_t kBox = 27;
// The field a missile stays in unless its behaviour says otherwise; edges inside.
constexpr double kLeft = 134;
constexpr double kRight = 483;
constexpr double kBottom = 0;
constexpr double kTop = 475;

constexpr int32_t kLargeBurstScore = 500;

float F(double v) {
    return static_cast<float>(v);
}

// The sprite angle of a heading: its angle from the nearer vertical, 0..90. A heading of 360
// is straight down, like 0.
int32_t FoldHeading(int32_t a) {
    if (a < 90) return a;
    if (a < 180) return 180 - a;
    if (a < 270) return a - 180;
    return 360 - a;
}

// Brought into 0..360 by whole turns: 360 stays 360, -360 becomes 0.
int32_t NormaliseHeading(int32_t angle) {
    if (angle < 0) {
        const int32_t r = angle % 360;
        return r < 0 ? r + 360 : r;
    }
    if (angle > 360) {
        const int32_t r = angle % 360;
        return r == 0 ? 360 : r;
    }
    return angle;
}

}  // namespace

// --- the pool ---------------------------------------------------------------------------------

void CMissileMannager::LoadImages() {
    images[0].Load("img/eb-missiles.bmp");
    images[1].Load("img/magic1.bmp");
}

CMissile& CMissileMannager::ShootEx(int32_t x, int32_t y, int32_t behaviour, int32_t kind,
                                    double speed, int32_t angle, int32_t p1, int32_t p2,
                                    int32_t p3) {
    if (next < 0 || next >= kMissileCount) next = 0;
    CMissile& m = missiles[next];
    const double a = DegToRad(static_cast<double>(angle));
    const double vx = std::sin(a) * speed;
    const double vy = std::cos(a) * speed;
    m.heading = NormaliseHeading(angle);
    m.angle = FoldHeading(m.heading);
    m.Place(x, y, kind);
    m.behaviour = behaviour;
    m.vx = vx;
    m.vy = vy;
    m.param[0] = p1;
    m.param[1] = p2;
    m.param[2] = p3;
    // Counters start again; the halves stay as the slot held them.
    m.age = 0;
    m.hitsLeft = 0;
    m.laserCount = 0;
    m.laserTouched = 0;
    m.draw = CDrawMode(2);
    m.sized = 0;
    // The item carriers never hurt the ship, not even on their first frame.
    m.harmful = behaviour >= 13 && behaviour <= 16 ? 0 : 1;
    next += 1;
    if (next >= kMissileCount) next = 0;
    return m;
}

CMissile& CMissileMannager::Shoot(int32_t x, int32_t y, int32_t behaviour, int32_t kind,
                                  double speed, int32_t angle) {
    return ShootEx(x, y, behaviour, kind, speed, angle, 0, 0, 0);
}

CMissile& CMissileMannager::ShootSized(int32_t x, int32_t y, int32_t behaviour, int32_t kind,
                                       double speed, int32_t angle, int32_t p1, int32_t p2,
                                       int32_t p3) {
    CMissile& m = ShootEx(x, y, behaviour, kind, speed, angle, p1, p2, p3);
    m.sized = 1;
    // A kind without a row keeps the box and halves the slot held; it draws nothing.
    if (kind >= 0 && kind < kMissileKindCount) {
        m.w = MissileKindTable[kind].w;
        m.h = MissileKindTable[kind].h;
        m.halfW = m.w / 2;
        m.halfH = m.h / 2;
    }
    return m;
}

void CMissileMannager::Move(int32_t i) {
    if (i < 0 || i >= kMissileCount) return;
    missiles[i].Act();
}

void CMissileMannager::Draw(int32_t i, CImage32& dest) const {
    if (i < 0 || i >= kMissileCount) return;
    const CMissile& m = missiles[i];
    if (m.alive == 0) return;
    const int32_t f = (m.angle % 105) / 10;
    const int32_t x = Trunc(m.x);
    const int32_t y = Trunc(m.y);
    if (m.sized != 0) {
        if (m.kind < 0 || m.kind >= kMissileKindCount) return;
        const MissileSprite& row = MissileKindTable[m.kind];
        dest.BltField(CDrawMode(12), x, y, images[1], row.x + row.w * f, row.y, row.w, row.h);
        return;
    }
    if (m.kind < 0 || m.kind >= kMissileSpriteCount) return;
    const MissileSprite& row = MissileSpriteTable[m.kind];
    dest.BltField(m.draw, x, y, images[0], row.x + row.w * f, row.y, row.w, row.h);
}

void CMissileMannager::Init() {
    for (CMissile& m : missiles) {
        m = CMissile();
        m.hp = 0;
        m.param3 = 0;
        m.draw.mode = 0;
        m.draw.level = 0;
        m.draw.colour = 0;
        m.w = 10;
        m.h = 10;
    }
    next = 0;
}

// --- one frame --------------------------------------------------------------------------------

void CMissile::Act() {
    if (alive == 0) return;
    if (harmful != 0 && HitPlayerHalfBox(*this)) {
        SmallBurst();
        g_Player.Hit();
        return;
    }
    if (sized != 0) {
        if (behaviour == 0) SizedBurst();
        if (behaviour == 1) SizedBomb();
        return;
    }
    switch (behaviour) {
        case 0:
            Straight();
            break;
        case 1:
            Turning();
            break;
        case 2:
            Ring(40, 5.0, 56);
            break;
        case 3:
        case 9:
            Stopping();
            break;
        case 5:
            Dropping();
            break;
        case 6:
            Falling();
            break;
        case 7:
            Long();
            break;
        case 8:
            Thin();
            break;
        case 12:
            Ring(169, 8.0, 81);
            break;
        case 13:
        case 14:
        case 15:
        case 16:
            Carrier();
            break;
        default:
            break;
    }
}

// Every behaviour counts its frames from 1: "after n frames" is age > n, "at age n" is the
// n-th frame.
void CMissile::Step(int32_t bw, int32_t bh) {
    age += 1;
    x += vx;
    y -= vy;
    w = bw;
    h = bh;
}

bool CMissile::Outside(double left, double right, double bottom, double top) const {
    return x < left || x > right || y < bottom || y > top;
}

// A puff of smoke at the box's centre, fading over about 20 frames; it draws no numbers.
void CMissile::Trail(bool front) {
    const int32_t tx = Trunc(x) + (w >> 1) - 20;
    const int32_t ty = Trunc(y) + (h >> 1) - 20;
    if (front) {
        g_EffectMannager.AddFrontEx(tx, ty, 17, 22, 0, 0, 3, 0);
    } else {
        g_EffectMannager.AddBackEx(tx, ty, 17, 22, 0, 0, 3, 0);
    }
}

// Sprite mirrored while flying left, flipped while flying up.
void CMissile::FaceVelocity() {
    draw.mode = vx < 0 ? 11 : 2;
    draw.mirror = vx < 0 ? 1 : 0;
    draw.vflip = vy < 0 ? 1 : 0;
}

bool CMissile::TakesHit(int32_t hits) {
    if (!HitByShot(*this, 0)) return false;
    if (hitsLeft <= 0) hitsLeft = hits;
    hitsLeft -= 1;
    return hitsLeft <= 0;
}

void CMissile::Straight() {
    Step(kBox, kBox);
    FaceVelocity();
    if (Outside(kLeft, kRight, kBottom, kTop)) {
        SmallBurst();
        return;
    }
    if (age % 3 == 0) Trail(true);
    if (age > 10 && HitByShot(*this, 0)) SmallBurst();
}

// Over its first 31 frames the sprite turns from straight down to its heading.
void CMissile::Turning() {
    Step(kBox, kBox);
    if (age <= 31) angle = FoldHeading(heading) * age / 31;
    FaceVelocity();
    if (Outside(50, 510, -50, kTop)) {
        SmallBurst();
        return;
    }
    if (age % 5 == 0) Trail(false);
}

void CMissile::Ring(int32_t bulletKind, double base, int32_t selfAge) {
    Step(kBox, kBox);
    vx /= 1.0 + 0.02 * static_cast<double>(age);
    if (vy < 3) vy += 0.4;
    angle = (age % 4) * 10;
    if (Outside(kLeft, kRight, kBottom, kTop)) {
        if (behaviour == 12) BulletRing(bulletKind, base);
        MediumBurst();
        return;
    }
    if ((age > 40 && HitByShot(*this, 0)) || age == selfAge) {
        BulletRing(bulletKind, base);
        MediumBurst();
    }
}

// Ten pairs of small bullets in a circle, the second of each pair slower and flatter.
void CMissile::BulletRing(int32_t bulletKind, double base) {
    const int32_t bx = Trunc(x);
    const int32_t by = Trunc(y);
    for (int32_t j = 0; j < 10; ++j) {
        const double a = DegToRad(36.0 * j);
        const double d = base + (Rand() % 36) * 0.1;
        g_EBMannager.Shoot(bx, by, bulletKind, F(std::cos(a) * d), F(std::sin(a) * d));
        g_EBMannager.Shoot(bx, by, bulletKind, F(std::cos(a) * (d - 1)), F(std::sin(a) * (d - 2)));
    }
}

// Behaviours 3 and 9: brake to a stop, turn the sprite, then fire once and vanish.
void CMissile::Stopping() {
    Step(kBox, kBox);
    if (behaviour == 9) {
        halfW = 13;
        halfH = 13;
    }
    if (age < 20) {
        vx *= 0.92;
        vy *= 0.92;
    } else {
        vx = 0;
        vy = 0;
    }
    angle = std::min(3 * age, 80);
    if (Outside(kLeft, kRight, kBottom, kTop)) {
        Remove();
        return;
    }
    if (age % 2 == 0) Trail(false);
    if (behaviour == 3 && age > 10 && HitByShot(*this, 0)) {
        Remove();
        return;
    }
    if (age != 41) return;
    if (behaviour == 3) {
        CEmitter aim;
        FireAimed(aim, Trunc(x), Trunc(y), 36, 8.0f);
    } else {
        // Two growing lasers from either side of the body, both aimed at the hit point.
        RequestSound(kSoundLaser);
        const int32_t by = Trunc(y) + halfH;
        g_LBMannager.Shoot(Trunc(x), by, 2, 0, 10.0, 300, 0, 0, g_Player.hitX, g_Player.hitY);
        g_LBMannager.Shoot(Trunc(x) + 2 * halfW, by, 2, 0, 10.0, 300, 0, 0, g_Player.hitX,
                           g_Player.hitY);
    }
    Remove();
}

void CMissile::Dropping() {
    Step(kBox, kBox);
    if (age >= 10) {
        vx = 0;
        vy = 7;
    }
    if (Outside(kLeft, kRight, kBottom, kTop)) {
        SmallBurst();
        return;
    }
    if (age % 4 == 0) Trail(false);
    if (age > 10 && HitByShot(*this, 0)) SmallBurst();
}

void CMissile::Falling() {
    Step(kBox, kBox);
    const bool falling = age > 10;
    if (age >= 10) {
        vx = 0;
        vy = 6 + 0.2 * static_cast<double>(age);
    }
    if (Outside(kLeft, kRight, -10, 500)) {
        g_KillerShotMannager.Shoot(Trunc(x - 100), Trunc(y - 20), 5, 1, 0.0, 0);
        RequestSound(kSoundLaunch);
        Remove();
        return;
    }
    if (falling && age % 2 == 0) Trail(false);
}

void CMissile::Long() {
    Step(kBox, 100);
    if (vy < 20) vy += 1;
    if (Outside(kLeft, kRight, -100, kTop)) {
        Remove();
        return;
    }
    if (age % 3 == 0) Trail(false);
    if (TakesHit(3)) SmallBurst();
}

void CMissile::Thin() {
    Step(11, kBox);
    if (Outside(kLeft, kRight, -100, kTop)) {
        Remove();
        return;
    }
    if (age % 3 == 0) Trail(false);
    if (TakesHit(4)) SmallBurst();
}

// Behaviours 13..16: wait for the delay, then sink, and give three point items when shot
// three times.
void CMissile::Carrier() {
    age += 1;
    w = behaviour == 13 ? kBox : 2 * kBox;
    h = 100;
    if (behaviour != 13) halfW = kBox;
    if (age < param[0]) return;
    x += vx;
    y -= vy;
    const double cap = behaviour == 13 ? 18 : behaviour == 14 ? 20 : 22;
    if (vy < cap) vy += behaviour == 13 ? 0.4 : 1.0;
    if (Outside(kLeft, kRight, -100, kTop)) {
        Remove();
        return;
    }
    const int32_t cx = Trunc(x + halfW);
    const int32_t cy = Trunc(y + 50);
    g_EffectMannager.AddBackEx(cx - 20, cy - 20, 17, 22, 0, 0, 3, 0);
    if (!TakesHit(3)) return;
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t speed = 12 - Rand() % 8;
        const int32_t angleDrawn = Rand() % 180;
        g_ItemMannager.Drop(cx, cy, 0, angleDrawn, speed);
    }
    LargeBurst();
}

// Sized behaviour 0: drifts to a stop, then for 80 frames burns everything within 60 pixels
// of its centre.
void CMissile::SizedBurst() {
    age += 1;
    x += vx;
    y -= vy;
    vx /= 1.0 + 0.02 * static_cast<double>(age);
    if (vy < 2) vy += 0.3;
    angle = (age % 4) * 10;
    if (age == 60) RequestSound(kSoundLaunch);
    const int32_t ex = Trunc(x - 40);
    const int32_t ey = Trunc(y - 40);
    if (age > 60) {
        // A one-frame glow, spawned anew every frame.
        g_EffectMannager.AddMidEx(ex, ey, 8, 15, 0, 0, 0, 1);
        if (HitPlayerCircle(Trunc(x) + 30, Trunc(y) + 30, 60)) g_Player.Hit();
    }
    if (age >= 140) {
        g_EffectMannager.AddMidEx(ex, ey, 9, 15, 0, 0, 0, 8);
        Remove();
    }
}

// Sized behaviour 1: a bomb that picks a side on its first two frames and falls ever faster.
void CMissile::SizedBomb() {
    age += 1;
    if (age <= 2) {
        const double centre = x + halfW;
        if (g_Player.hitX >= centre + 51) {
            vx = 2;
        } else if (g_Player.hitX < centre - 50) {
            vx = -2;
        } else {
            vx = 0;
        }
        hitsLeft = 4;
    }
    vy = 12 + TimesSquare(0.01, age);
    x += vx;
    y -= vy;
    if (y + h < 0) {
        Remove();
        return;
    }
    if (TakesHit(4)) SmallBurst();
}

// --- bursts -----------------------------------------------------------------------------------

void CMissile::Remove() {
    alive = 0;
}

void CMissile::SmallBurst() {
    const double e = g_Player.hitY < y ? 3.0 : -1.0;
    const int32_t px = Trunc(x + 3);
    const int32_t py = Trunc(y - 3);
    for (int32_t i = 0; i < 18; ++i) {
        const int32_t s = Rand() % 7;
        const int32_t q = Rand() % 3 + 3;
        const double a = DegToRad(30.0 * i);
        g_EffectMannager.AddMidEx(px, py, 17, 22, F(std::sin(a) * s), F(std::cos(a) * s - e), q, 1);
    }
    g_EffectMannager.AddMidEx(Trunc(x), Trunc(y), 2, 14, 0, -1, 3, 1);
    RequestSound(kSoundDeath);
    Remove();
}

void CMissile::MediumBurst() {
    const double cx = x + halfW;
    const double cy = y + halfH;
    g_EffectMannager.AddMidEx(Trunc(cx - 40), Trunc(cy - 40), 26, 0, 0, -3, 0, 5);
    const int32_t a0 = Rand() % 360;
    const double sx = g_Player.hitX > cx ? -1.0 : 1.0;
    const double sy = g_Player.hitY > cy ? -3.0 : 3.0;
    for (int32_t i = 0; i < 3; ++i) {
        for (int32_t turn = 0; turn <= 20; turn += 20) {
            const double a = DegToRad(static_cast<double>(a0 + 120 * i + turn));
            const int32_t q = Rand() % 3 + 3;
            g_EffectMannager.AddMidEx(Trunc(cx - 20), Trunc(cy - 20), 15, 22,
                                      F(std::cos(a) * 6.8 + sx), F(std::sin(a) * 6.8 - sy), q, 0);
        }
    }
    for (int32_t i = 0; i < 10; ++i) {
        const int32_t d = Rand() % 75 + 35;
        const int32_t b = Rand() % 360;
        const double rb = DegToRad(static_cast<double>(b));
        const int32_t dx = Trunc(std::cos(rb) * d);
        const int32_t dy = Trunc(std::sin(rb) * d);
        const bool inner = d < 60;
        const int32_t o = inner ? 40 : 20;
        g_EffectMannager.AddMidEx(Trunc(cx - o + dx), Trunc(cy - o - dy), inner ? 14 : 0, 0, F(sx),
                                  F(-sy), 0, 5);
    }
    RequestSound(kSoundDeath);
    Remove();
}

// The item carriers' end: a big drifting explosion, three pieces thrown away from the ship and
// twenty pairs of fast sparks. Each pair draws its speed (12..21.9), then its angle; the
// pieces draw nothing.
void CMissile::LargeBurst() {
    const int32_t cx = Trunc(x + (w >> 1));
    const int32_t cy = Trunc(y + (h >> 1));
    g_EffectMannager.AddMidEx(cx - 40, cy - 40, 14, 0, 0, -5, 0, 0);
    const float sx = g_Player.hitX > cx ? -1.0f : 1.0f;
    const float sy = g_Player.hitY > cy ? -3.0f : 3.0f;
    g_EffectMannager.AddMidEx(cx - 20, cy - 20, 15, 22, 2 * sx, -sy, 3, 0);
    g_EffectMannager.AddMidEx(cx - 20, cy - 20, 15, 22, 4 * sx, -0.5f * sy, 4, 0);
    g_EffectMannager.AddMidEx(cx - 40, cy - 40, 14, 26, 3 * sx, -sy, 0, 0);
    for (int32_t i = 0; i < 20; ++i) {
        const double speed = 12 + (Rand() % 100) * 0.1;
        const int32_t a = Rand() % 360;
        const double ra = DegToRad(static_cast<double>(a));
        const float vx1 = F(std::cos(ra) * speed);
        const float vy1 = F(std::sin(ra) * speed);
        g_EffectMannager.AddMidEx(cx, cy, 18, 11, vx1, vy1, 0, 0);
        g_EffectMannager.AddMidEx(cx, cy, 18, 11, -0.5f * vx1, -0.5f * vy1, 0, 0);
    }
    g_pPointMannager->AddScore(kLargeBurstScore);
    RequestSound(kSoundDeath);
    Remove();
}
