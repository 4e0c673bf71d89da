#include "shooting/enemy_bullet.h"

#include <cmath>
#include <cstdlib>

#include "engine/angle.h"
#include "engine/draw_mode.h"
#include "engine/random.h"
#include "shooting/bullet_kinds.h"
#include "shooting/hit_test.h"
#include "shooting/item.h"
#include "shooting/missile.h"
#include "shooting/player.h"

CImageShooting* g_pEBImage = nullptr;
CEBMannager g_EBMannager;

namespace {

// Bounds of the area a bullet stays in, all exclusive.
constexpr double kLeft = 50;
constexpr double kRight = 510;
constexpr double kBottom = -50;
constexpr double kTop = 475;

// The ping-pong frame sequence of small kinds below 100.
constexpr int32_t kPingPong[8] = {0, 1, 2, 3, 3, 2, 1, 0};

void SetUpDir(CEBullet& b, int32_t x, int32_t y, int32_t kind, float speed, int32_t angle) {
    b.Place(x, y, kind);
    // Widened first, so that the one angle with no positive counterpart folds like the rest.
    const int64_t a = std::llabs(static_cast<int64_t>(angle));
    int32_t s = static_cast<int32_t>(a % 360);
    const double rad = DegToRad(static_cast<double>(a));
    b.angleRad = rad;
    b.vx = std::sin(rad) * static_cast<double>(speed);
    b.vy = std::cos(rad) * static_cast<double>(speed);
    b.draw.level = 255;
    b.big = 0;
    b.decel = 0;
    b.turned = 1;
    // One quarter of the turns is drawn; the other three are its flipped and mirrored images.
    if (s <= 90) {
        b.draw.vflip = 0;
        b.draw.mirror = 0;
        b.draw.mode = 2;
    } else if (s <= 180) {
        b.draw.vflip = 1;
        b.draw.mirror = 0;
        s = 180 - s;
        b.draw.mode = 2;
    } else if (s <= 270) {
        b.draw.vflip = 1;
        b.draw.mirror = 1;
        s -= 180;
        b.draw.mode = 11;
    } else {
        b.draw.vflip = 0;
        b.draw.mirror = 1;
        s = 360 - s;
        b.draw.mode = 11;
    }
    b.spriteAngle() = s;
}

void SetUpBig(CEBullet& b, int32_t x, int32_t y, int32_t kind, float vx, float vy) {
    b.Place(x, y, kind);
    b.vx = static_cast<double>(vx);
    b.vy = static_cast<double>(vy);
    b.draw.level = 255;
    b.decel = 0;
    b.turned = 0;
    b.big = 1;
}

// The frame a bullet that is not turned adds to its kind this frame, advancing its counter.
int32_t NextFrame(CEBullet& b) {
    int32_t& n = b.animCount();
    if (b.kind >= 100) {
        const int32_t frame = (n >> 1) % 4;
        n += 1;
        return frame;
    }
    if (n < 0 || n > 7) n = 0;
    const int32_t frame = kPingPong[n];
    n = n == 7 ? 0 : n + 1;
    return frame;
}

}  // namespace

void CEBullet::Kill() {
    x = 0;
    y = 0;
    alive = 0;
    age = 0;
    spriteAngle() = 0;
    angleRad = 0;
    decel = 0;
    turned = 0;
    altSheet = 0;
    big = 0;
}

CEBMannager::~CEBMannager() {
    delete[] g_pEBImage;
    g_pEBImage = nullptr;
}

void CEBMannager::Init() {
    for (CEBullet& b : bullets)
        b = CEBullet();
    next = kFirstRingSlot;
}

CEBullet& CEBMannager::HandOut(const BulletKindRow* row) {
    CEBullet& b = bullets[next];
    next += 1;
    // A kind outside its table keeps the box the slot had, as SetSlot does.
    if (row != nullptr) {
        b.w = row->size;
        b.h = row->size;
    }
    if (next >= kBulletCount) next = kFirstRingSlot;
    return b;
}

CEBullet& CEBMannager::Shoot(int32_t x, int32_t y, int32_t kind, float vx, float vy) {
    CEBullet& b = HandOut(SmallKind(kind));
    b.Place(x, y, kind);
    b.vx = static_cast<double>(vx);
    b.vy = static_cast<double>(vy);
    b.draw.level = 255;
    b.decel = 0;
    b.turned = 0;
    b.big = 0;
    b.animCount() = Rand() % 3;
    return b;
}

CEBullet& CEBMannager::ShootBig(int32_t x, int32_t y, int32_t kind, float vx, float vy) {
    CEBullet& b = HandOut(BigKind(kind));
    SetUpBig(b, x, y, kind, vx, vy);
    return b;
}

CEBullet& CEBMannager::ShootDir(int32_t x, int32_t y, int32_t kind, float speed, int32_t angle) {
    CEBullet& b = HandOut(DirKind(kind));
    SetUpDir(b, x, y, kind, speed, angle);
    return b;
}

CEBullet& CEBMannager::ShootDecel(int32_t x, int32_t y, int32_t kind, int32_t cap, int32_t speed,
                                  int32_t angle) {
    CEBullet& b = HandOut(SmallKind(kind));
    b.Place(x, y, kind);
    b.SetCapSpeed(static_cast<double>(cap));
    b.decel = 1;
    const double rad = DegToRad(static_cast<double>(angle) + 180.0);
    b.vx = std::cos(rad) * static_cast<double>(speed);
    b.vy = std::sin(rad) * static_cast<double>(speed);
    // A slot taken over from a large or turned bullet must not keep drawing as one.
    b.big = 0;
    b.turned = 0;
    b.altSheet = 0;
    b.draw.level = 255;
    return b;
}

void CEBMannager::SetSlot(int32_t slot, int32_t x, int32_t y, int32_t kind, int32_t variant) {
    if (slot < 0 || slot >= kBulletCount) return;
    CEBullet& b = bullets[slot];
    switch (variant) {
        case 1:
            b.Place(x, y, kind);
            b.vx = 0;
            b.vy = 0;
            b.draw.level = 255;
            break;
        case 2:
            SetUpDir(b, x, y, kind, 0.0f, 0);
            break;
        case 3:
            SetUpDir(b, x, y, kind, 0.0f, 0);
            b.altSheet = 1;
            break;
        case 4:
            SetUpBig(b, x, y, kind, 0.0f, 0.0f);
            break;
        default:
            break;
    }
}

void CEBMannager::Move(int32_t slot) {
    if (slot < 0 || slot >= kBulletCount) return;
    CEBullet& b = bullets[slot];
    if (b.alive == 0) return;

    int32_t radius = 6;
    if (b.big != 0) {
        if (const BulletKindRow* row = BigKind(b.kind)) radius = row->size / 30 * 2 + 6;
    }
    if (HitPlayerRadius(b, radius)) {
        b.Kill();
        g_Player.Hit();
        return;
    }

    b.y -= b.vy;
    b.x += b.vx;
    if (!(kLeft < b.x && b.x < kRight && kBottom < b.y && b.y < kTop)) {
        b.Kill();
        return;
    }

    b.age += 1;
    const double cap = b.capSpeed();
    if (b.decel != 0 && cap * cap < b.vx * b.vx + b.vy * b.vy) {
        b.vx *= 0.9;
        b.vy *= 0.9;
    }
}

void CEBMannager::KillAll() {
    for (CEBullet& b : bullets)
        b.Kill();
}

void CEBMannager::ChangeToItems() {
    for (CEBullet& b : bullets) {
        if (b.alive != 0) {
            g_ItemMannager.Drop(static_cast<int32_t>(b.x), static_cast<int32_t>(b.y), 0, 90, 3);
        }
        b.Kill();
    }
}

void CEBMannager::Draw(int32_t slot, CImage32& dest) {
    if (slot < 0 || slot >= kBulletCount) return;
    CEBullet& b = bullets[slot];
    if (b.alive == 0) return;
    const int32_t x = static_cast<int32_t>(b.x);
    const int32_t y = static_cast<int32_t>(b.y);

    if (b.turned == 0) {
        int32_t k = b.kind;
        if (k < 136 || k > 140) k += NextFrame(b);
        if (b.big != 0) return;
        const BulletKindRow* row = SmallKind(k);
        if (row == nullptr || g_pEBImage == nullptr) return;
        dest.BltField(g_DrawKey, x, y, g_pEBImage[0], row->x, row->y, row->size, row->size);
        return;
    }

    if (g_pEBImage == nullptr) return;
    const int32_t frame = (b.spriteAngle() % 105) / 10;
    if (b.altSheet == 0) {
        const BulletKindRow* row = DirKind(b.kind);
        if (row == nullptr) return;
        const int32_t s = row->size;
        dest.BltField(b.draw, x, y, g_pEBImage[1], s * frame, row->y, s, s);
        return;
    }
    if (b.kind < 0 || b.kind >= kMissileSpriteCount) return;
    const MissileSprite& row = MissileSpriteTable[b.kind];
    dest.BltField(b.draw, x, y, g_pEBImage[3], row.w * frame, row.y, row.w, row.h);
}

void CEBMannager::DrawBig(CImage32& dest) {
    g_DrawAdd.mode = 10;
    for (CEBullet& b : bullets) {
        if (b.alive == 0 || b.big == 0) continue;
        int32_t k = b.kind;
        if (k > 33) {
            int32_t& n = b.animCount();
            n += 1;
            if (n > 6) n = 0;
            k += n >> 1;
        }
        const BulletKindRow* row = BigKind(k);
        if (row == nullptr) continue;
        // The bright kinds flicker between three neighbouring sprites.
        if (row->y > 109 && k < 30) {
            k += Rand() % 3;
            row = BigKind(k);
            if (row == nullptr) continue;
        }
        if (g_pEBImage == nullptr) continue;
        dest.BltField(g_DrawAdd, static_cast<int32_t>(b.x), static_cast<int32_t>(b.y),
                      g_pEBImage[2], row->x, row->y, row->size, row->size);
    }
}
