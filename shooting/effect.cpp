#include "shooting/effect.h"

#include <algorithm>
#include <cmath>

#include "engine/angle.h"
#include "engine/random.h"
#include "engine/trunc.h"

const EffectCell EffectCellTable[kEffectImageCount] = {
    {40, 40},   {100, 100}, {240, 492}, {216, 115}, {65, 11},   {147, 147}, {1, 1},   {79, 79},
    {56, 56},   {4, 4},     {130, 130}, {7, 7},     {60, 60},   {120, 120}, {80, 80}, {140, 140},
    {2, 12},    {35, 35},   {60, 60},   {180, 180}, {96, 70},   {231, 231}, {40, 40}, {79, 79},
    {129, 353}, {270, 269}, {80, 80},   {140, 550}, {714, 189},
};

const char* const kEffectImageFiles[kEffectImageCount] = {
    "img/effect-explosion5.bmp",
    "img/effect-halo1.bmp",
    "img/effect-bomb.bmp",
    "img/effect-bombhead.bmp",
    "img/effect-extend.bmp",
    "img/effect-lazer-head1.bmp",
    "img/effect-dummy.bmp",
    "img/effect-pentas.bmp",
    "img/effect-shot2.bmp",
    "img/effect-fire1.bmp",
    "img/effect-biglazer.bmp",
    "img/effect-particle.bmp",
    "img/marduk-cannon.bmp",
    "img/effect-exprosion3.bmp",
    "img/effect-explosion4.bmp",
    "img/effect-mine.bmp",
    "img/effect-snow2.bmp",
    "img/effect-e-lazer.bmp",
    "img/effect-penta60s.bmp",
    "img/effect-explosion2.bmp",
    "img/effect-explosion-h1.bmp",
    "img/effect-nonagram.bmp",
    "img/effect-gus.bmp",
    "img/effect-penta-coma.bmp",
    "img/effect-lazer1.bmp",
    "img/effect-biglight.bmp",
    "img/effect-explosion6.bmp",
    "img/effect-thunder2.bmp",
    "img/effect-extend-lightning.bmp",
};

namespace {

// The beam picture is 353 rows high; kind 19 shows its top `paramA` rows.
constexpr int32_t kBeamHeight = 353;

bool ValidImage(int32_t image) {
    return image >= 0 && image < kEffectImageCount;
}

}  // namespace

int32_t CEffect::Move() {
    if (alive == 0) return kEffectBlankImage;
    ++age;
    const int32_t t = age;
    draw.mode = 10;

    const auto drift = [this] {
        x += vx;
        y -= vy;
    };
    const auto end = [this] {
        alive = 0;
        age = 0;
    };
    // The rules that restore the level and clear the cell do so when they end.
    const auto endFresh = [this, &end] {
        end();
        srcX = 0;
        draw.level = 255;
    };

    bool waiting = false;
    switch (kind) {
        case 0:
            drift();
            srcX = 400 * paramB;
            if (t == 1) delay = Rand() % 10 + paramA;
            if (t < delay) {
                waiting = true;
            } else {
                srcX += 40 * (t - delay);
                if (t - delay > 9) {
                    end();
                    srcX = 0;
                }
            }
            break;
        case 1:
            scale += 0.04;
            if (t > 28) end();
            break;
        case 2:
            drift();
            scale = 2.5 - 0.1 * t;
            if (scale <= 0.0) scale = 0.01;
            if (t >= 30) end();
            break;
        case 3:
            drift();
            if (y + 6 < 8 || x + 6 < 134 || x > 510) end();
            break;
        case 4:
            if (t > 1) end();
            break;
        case 5:
            draw.mode = 2;
            if (t > 13) end();
            srcX = 20 * age;
            break;
        case 6:
            x = 200 + 70 * std::sin(DegToRad(3 * t));
            if (t > 120) end();
            break;
        case 7:
            x = 200 + 70 * std::sin(DegToRad(-3 * t));
            if (t > 120) end();
            break;
        case 8:
            if (t > paramA) end();
            srcX = paramB * cellW;
            drift();
            break;
        case 9:
            draw.level -= paramA;
            if (draw.level < 1) {
                end();
                draw.level = 255;
            }
            srcX = paramB * cellW;
            drift();
            break;
        case 10:
            scale = 1.01 + 0.02 * t;
            if (t > 28) end();
            break;
        case 11:
            draw.mode = 3;
            draw.level -= paramA;
            if (draw.level < 1) {
                end();
                draw.level = 255;
            }
            scale = 1.01 + 0.06 * t;
            srcX = paramB * cellW;
            drift();
            break;
        case 12:
            draw.mode = 3;
            scale = 0.1 + 0.101 * t;
            draw.level -= 10;
            if (draw.level < 1) end();
            break;
        case 13:
            if (t == 15) end();
            break;
        case 14:
            drift();
            srcX = 800 * paramB;
            if (t == 1) delay = Rand() % 10 + paramA;
            if (t < delay) {
                waiting = true;
            } else {
                srcX += 80 * ((t - delay) / 2);
                if (t - delay > 18) {
                    end();
                    srcX = 0;
                }
            }
            break;
        case 15:
            if (t <= paramA) {
                waiting = true;
            } else {
                srcX = 40 * paramB;
                drift();
                if (t > 16) endFresh();
            }
            break;
        case 16:
            drift();
            srcX = 96 * (t / 2);
            scale = paramA + 1.01 + 0.1 * t;
            if (t >= 24) endFresh();
            break;
        case 17:
            if (t <= paramA) {
                waiting = true;
            } else {
                srcX = 40 * paramB;
                drift();
                draw.level -= 10;
                if (draw.level < 41) endFresh();
            }
            break;
        case 18:
            if (t <= paramA) {
                waiting = true;
            } else {
                // The step is never cleared at spawn, so a particle picks up its strip where
                // the slot's previous particle left it.
                step = (step + 1) % 20;
                srcX = 140 * paramB + 7 * step;
                drift();
                vx *= 0.9;
                vy *= 0.9;
                draw.level -= 15;
                if (draw.level < 41) endFresh();
            }
            break;
        case 19: {
            // Ages twice a frame, so it ends on its second frame.
            paramB = 0;
            const int32_t before = age;
            ++age;
            if (before > 1) end();
            if (kBeamHeight - paramA < 0) {
                srcY = 0;
                cellH = kBeamHeight;
            } else {
                srcY = kBeamHeight - paramA;
                cellH = paramA;
            }
            break;
        }
        case 20:
            if (t <= paramA) {
                waiting = true;
            } else {
                srcX = std::min(40 * paramB, 720);
                drift();
                draw.level -= 55;
                if (draw.level < 41) endFresh();
            }
            break;
        case 21:
            draw.mode = 3;
            draw.level -= paramA / 40;
            if (draw.level < 1) {
                end();
                draw.level = 255;
            }
            scale = 0.101 + 0.25 * t;
            srcX = paramB * cellW;
            drift();
            break;
        case 26:
            drift();
            srcX = 800 * paramB;
            if (t == 1) delay = 0;
            srcX += 80 * (t / 2);
            if (t > 18) {
                end();
                srcX = 0;
            }
            break;
        default:
            // Glows and beams that stay until their slot is reused or the rings are reset.
            break;
    }

    int32_t r = waiting ? kEffectBlankImage : kind;
    if (image2 != 0 && r != kEffectBlankImage) r = image2;
    if (srcX == 0) srcX = EffectCellTable[r].w * paramB;
    return r;
}

void CEffect::Reset() {
    // Only the play flag and the scale: the animation step and the rest stay with the slot
    // until the next spawn overwrites what it sets.
    alive = 0;
    scale = 1.01;
}

CEffectMannager::CEffectMannager() {
    for (int i = 0; i < kEffectImageCount; ++i)
        images[i].Load(kEffectImageFiles[i]);
}

CEffect* CEffectMannager::Spawn(CEffect* ring, int32_t& index, int count, int32_t x, int32_t y,
                                int32_t image, int32_t image2, float vx, float vy, int32_t b,
                                int32_t a) {
    if (!ValidImage(image) || !ValidImage(image2)) return nullptr;
    // The index moves first, so the first spawn after a reset lands in slot 1.
    ++index;
    if (index < 0 || index >= count) index = 0;
    CEffect& e = ring[index];
    e.srcX = 0;
    e.srcY = 0;
    e.paramA = a;
    e.paramB = b;
    e.delay = 0;
    e.draw.mode = 10;
    e.scale = 1.0;
    const EffectCell& cell = EffectCellTable[image2 != 0 ? image2 : image];
    e.cellW = cell.w;
    e.cellH = cell.h;
    e.image2 = image2;
    e.age = 0;
    e.Launch(x, y, image, vx, vy);
    e.draw.level = 255;
    return &e;
}

void CEffectMannager::AddMid(int32_t x, int32_t y, int32_t image, int32_t image2, float vx,
                             float vy) {
    Spawn(mid, midIndex, kMidCount, x, y, image, image2, vx, vy, 0, 0);
}

void CEffectMannager::AddMidEx(int32_t x, int32_t y, int32_t image, int32_t image2, float vx,
                               float vy, int32_t b, int32_t a) {
    Spawn(mid, midIndex, kMidCount, x, y, image, image2, vx, vy, b, a);
}

void CEffectMannager::AddMidCell(int32_t x, int32_t y, int32_t image, int32_t image2, float vx,
                                 float vy, int32_t b, int32_t a, int32_t srcY, int32_t cellH) {
    CEffect* e = Spawn(mid, midIndex, kMidCount, x, y, image, image2, vx, vy, b, a);
    if (e == nullptr) return;
    e->srcY = srcY;
    e->cellH = cellH;
}

void CEffectMannager::AddBack(int32_t x, int32_t y, int32_t image, int32_t image2, float vx,
                              float vy) {
    Spawn(back, backIndex, kBackCount, x, y, image, image2, vx, vy, 0, 0);
}

void CEffectMannager::AddBackEx(int32_t x, int32_t y, int32_t image, int32_t image2, float vx,
                                float vy, int32_t b, int32_t a) {
    Spawn(back, backIndex, kBackCount, x, y, image, image2, vx, vy, b, a);
}

void CEffectMannager::AddFrontEx(int32_t x, int32_t y, int32_t image, int32_t image2, float vx,
                                 float vy, int32_t b, int32_t a) {
    Spawn(front, frontIndex, kFrontCount, x, y, image, image2, vx, vy, b, a);
}

void CEffectMannager::Reset() {
    // The slots' animation steps start afresh too: a replay then draws the particle cells its
    // recorded run drew, whatever was played before it in this session.
    const auto clear = [](CEffect& e) {
        e.Reset();
        e.step = 0;
    };
    std::for_each(std::begin(mid), std::end(mid), clear);
    std::for_each(std::begin(back), std::end(back), clear);
    std::for_each(std::begin(front), std::end(front), clear);
    midIndex = 0;
    backIndex = 0;
    frontIndex = 0;
}

void CEffectMannager::UpdateRing(CEffect* ring, int count, CImage32& dest) {
    for (int i = 0; i < count; ++i) {
        CEffect& e = ring[i];
        const int32_t r = e.Move();
        // A waiting effect shows nothing: its blank 1x1 image is not read with the real cell.
        if (e.alive == 0 || r == kEffectBlankImage) continue;
        const int32_t x = Trunc(e.x);
        const int32_t y = Trunc(e.y);
        if (e.scale == 1.0) {
            dest.BltField(e.draw, x, y, images[r], e.srcX, e.srcY, e.cellW, e.cellH);
        } else {
            dest.BltScaledCentredRect(e.draw, x, y, images[r], e.scale, e.srcX, e.srcY, e.cellW,
                                      e.cellH);
        }
    }
}

void CEffectMannager::UpdateBack(CImage32& dest) {
    UpdateRing(back, kBackCount, dest);
}

void CEffectMannager::UpdateMid(CImage32& dest) {
    UpdateRing(mid, kMidCount, dest);
}

void CEffectMannager::UpdateFront(CImage32& dest) {
    UpdateRing(front, kFrontCount, dest);
}

void CEffectMannager::DrawLaserBeam(int32_t x, int32_t y, int32_t w, int32_t h, int32_t frame,
                                    double scale) {
    const int32_t left = Trunc(static_cast<double>(x) - static_cast<double>(w) * scale * 0.5);
    g_BackBuffer.BltScaledFlicker(left, y - h, g_LazerImage, w * frame, 0, w, h, scale);
}

CEffectMannager g_EffectMannager;
CImageShooting g_LazerImage("img/effect-lazer1.bmp");
