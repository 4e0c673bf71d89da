#include "bosses/boss_child.h"

#include "engine/angle.h"
#include "engine/trunc.h"

CBossChild g_pBossChild[kBossChildCount];
CBossParts g_pBossParts[kBossPartsCount];
CImageShooting g_pBossEffectImage[kBossEffectImageCount];
CImageShooting g_pBossPartsImage[kBossPartsImageCount];

void CBossChild::Launch(int32_t px, int32_t py, int32_t k, float fvx, float fvy, int32_t mode,
                        int32_t level) {
    CFlingObject::Launch(px, py, k, fvx, fvy);
    age = 0;
    draw.mode = mode;
    draw.level = level;
    scale = 1.0;
}

void CBossParts::Turn(int32_t delta) {
    angle += delta;
    if (angle > maxAngle) angle = maxAngle;
    if (angle < minAngle) angle = minAngle;
}

void ClearBossChildren() {
    for (CBossChild& child : g_pBossChild)
        child.alive = 0;
}

void SeatBossParts(int32_t hotX, int32_t hotY, int32_t w, int32_t h) {
    for (int32_t i = 0; i < kBossPartsCount; ++i) {
        CBossParts& part = g_pBossParts[i];
        part.Launch(hotX - 100, hotY, i, 0, 0);
        part.age = 0;
        part.draw.level = 255;
        part.w = w;
        part.h = h;
        part.pivot = 150;
        part.draw.mode = 2;
    }
}

void HideBossPartsImages() {
    for (CImageShooting& image : g_pBossPartsImage)
        image.Create(1, 1);
}

void LoadBossEffectImages() {
    g_pBossEffectImage[0].Load("img/effect-penta-coma.bmp");
    g_pBossEffectImage[1].Load("img/effect-nonagram.bmp");
    g_pBossEffectImage[2].Load("img/effect-logo1.bmp");
    g_pBossEffectImage[3].Create(1, 1);
    g_pBossEffectImage[4].Load("img/marduk-cannon.bmp");
}

void DrawBossChildren(CImage32& dest) {
    for (const CBossChild& child : g_pBossChild) {
        if (child.alive == 0) continue;
        if (child.kind < 0 || child.kind >= kBossEffectImageCount) continue;
        const CImageShooting& image = g_pBossEffectImage[child.kind];
        const CDrawMode dm(child.draw.mode, child.draw.level);
        const int32_t x = Trunc(child.x);
        const int32_t y = Trunc(child.y);
        // Only an exact 1.0 takes the plain blit; a scale at or below 0 draws nothing.
        if (child.scale == 1.0) {
            dest.BltFieldFrom(dm, x, y, image, 0, 0);
        } else {
            dest.BltScaledCentred(dm, x + image.width / 2, y + image.height / 2, image,
                                  child.scale);
        }
    }
}

void DrawBossParts(CImage32& dest, double bossX, double bossY, bool flash) {
    const CImageShooting& image = g_pBossPartsImage[1];
    const CDrawMode dm(2, 255);
    for (const CBossParts& part : g_pBossParts) {
        const int32_t ax = Trunc(bossX) + part.offsetX;
        const int32_t ay = Trunc(bossY) + part.offsetY;
        const double radians = DegToRad(part.angle);
        if (flash) {
            dest.BltRotatedFlash(ax, ay, radians, 1.0, dm, image, part.kind * part.w, 0, part.w,
                                 part.h, part.pivot);
        } else {
            dest.BltRotatedKeyPivot(ax, ay, radians, 1.0, dm, image, part.kind * part.w, 0, part.w,
                                    part.h, part.pivot);
        }
    }
}
