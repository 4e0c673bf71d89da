#pragma once

#include <cstdint>

#include "engine/image.h"
#include "shooting/fling_object.h"

// One player shot. Its hit box stays the flying object's 10x10 whatever its sprite's size.
class CBullet : public CFlingObject {
public:
    int32_t value = 0;  // 20 when fired, 2 less each frame, not below 0
    int32_t cell = 0;   // animation cell: source x = cell * the kind's cell width

    CBullet() { Free(); }
    // The state of a shot that is not in play.
    void Free();
};

struct ShotCell {
    int32_t w;
    int32_t h;
};
// Cell size of each shot kind's sheet.
inline constexpr ShotCell ShotCellTable[3] = {{11, 32}, {26, 26}, {20, 20}};

// The player's shots: one ring of 200 shared by all three shot types.
class CBulletMannager {
public:
    static constexpr int32_t kShotCount = 200;

    int32_t next = 0;
    CBullet shots[kShotCount];
    // [0] is loaded with the others but no kind reaches it.
    CImageShooting images[4];

    CBulletMannager();

    // Fires into slot next, whether or not that shot is still in play.
    void Shoot(int32_t x, int32_t y, int32_t kind, int32_t cell, float vx, float vy);
    // Moves a shot in play, or frees it once it has left the area. A free shot is left alone.
    void Move(int32_t i);
    // Draws slot i keyed into dest, in play or not: a free shot sits at the origin, outside the
    // play field. Kinds without a sheet draw nothing.
    void Draw(int32_t i, CImage32& dest) const;
    // The sheet of shot kind -1..2; nullptr for any other kind.
    CImageShooting* GetImage(int32_t kind);
    const CImageShooting* GetImage(int32_t kind) const;
    void Init();
};

extern CBulletMannager g_BulletMannager;
