#include "shooting/bullet.h"

#include <algorithm>

#include "engine/draw_mode.h"

CBulletMannager g_BulletMannager;

void CBullet::Free() {
    static_cast<CFlingObject&>(*this) = CFlingObject();
    kind = 1;
    vx = 0;
    vy = -10.0;
    alive = 0;
    x = y = 0;
    angle = 0;
    cell = 0;
}

CBulletMannager::CBulletMannager() {
    images[0].Load("img/bullets_sub.bmp");
    images[1].Load("img/bullet5.bmp");
    images[2].Load("img/bullets2.bmp");
    images[3].Load("img/bullets3.bmp");
    Init();
}

void CBulletMannager::Shoot(int32_t x, int32_t y, int32_t kind, int32_t cell, float vx, float vy) {
    if (next == kShotCount) next = 0;
    CBullet& shot = shots[next];
    shot.cell = cell;
    shot.value = 20;
    shot.Launch(x, y, kind, vx, vy);
    next += 1;
}

void CBulletMannager::Move(int32_t i) {
    if (i < 0 || i >= kShotCount) return;
    CBullet& shot = shots[i];
    if (shot.alive == 0) return;
    // The area is tested before the move, so a shot is freed one frame after leaving it.
    if (100 < shot.x && shot.x < 550 && -50 < shot.y && shot.y < 460) {
        shot.y -= shot.vy;
        shot.x += shot.vx;
        shot.value = std::max(0, shot.value - 2);
    } else {
        shot.Free();
    }
}

void CBulletMannager::Draw(int32_t i, CImage32& dest) const {
    if (i < 0 || i >= kShotCount) return;
    const CBullet& shot = shots[i];
    if (shot.kind < 0 || shot.kind > 2) return;
    const ShotCell& size = ShotCellTable[shot.kind];
    dest.BltField(g_DrawKey, static_cast<int32_t>(shot.x), static_cast<int32_t>(shot.y),
                  *GetImage(shot.kind), shot.cell * size.w, 0, size.w, size.h);
}

CImageShooting* CBulletMannager::GetImage(int32_t kind) {
    if (kind < -1 || kind > 2) return nullptr;
    return &images[kind + 1];
}

const CImageShooting* CBulletMannager::GetImage(int32_t kind) const {
    if (kind < -1 || kind > 2) return nullptr;
    return &images[kind + 1];
}

void CBulletMannager::Init() {
    for (CBullet& shot : shots)
        shot.Free();
    next = 0;
}
