#pragma once

#include <cstdint>

#include "engine/image.h"
#include "shooting/fling_object.h"

// A boss's special attack: a large sprite that destroys the ship on contact. `kind` is its
// size row (and image), `angle` the animation cell it shows.
class CKillerShot : public CEnemyObject {
public:
    int32_t killKind = 0;   // behaviour 0..7
    int32_t shotAngle = 0;  // launch angle in degrees
    int32_t cellCounter = 0;
    double shotScale = 0;
    double speed = 0;
    int32_t turning = 0;  // 1 while a kind-7 shot flies: drawn rotated

    // Launches the shot. Age, angle, flag and level stay as the slot held them, so a slot
    // taken over while alive keeps its age.
    void Set(int32_t px, int32_t py, int32_t behaviour, int32_t row, double pvx, double pvy,
             int32_t launchAngle, double launchSpeed);
    void Kill();
};

struct KillerShotSize {
    int32_t w;
    int32_t h;
};
inline constexpr int32_t kKillerShotRows = 4;
// Box of each size row; each boss writes the rows its shots use.
extern KillerShotSize KillerShotSizeTable[kKillerShotRows];
// One image per size row; each boss loads its own.
extern CImageShooting g_KillerShotImage[kKillerShotRows];

// The ring of 10 killer shots.
class CKillerShotMannager {
public:
    static constexpr int32_t kShotCount = 10;

    int32_t next = 0;
    CKillerShot shots[kShotCount];

    // Loads the start-up killer-shot images, then Init.
    CKillerShotMannager();
    CKillerShotMannager(const CKillerShotMannager&) = delete;
    CKillerShotMannager& operator=(const CKillerShotMannager&) = delete;

    // Launches into slot next, alive or not, heading `angle` degrees (0 straight down). A size
    // row outside the table is ignored and takes no slot.
    void Shoot(int32_t x, int32_t y, int32_t killKind, int32_t row, double speed, int32_t angle);
    // One frame of slot i by its behaviour. The vortex also draws itself into the back buffer.
    void Move(int32_t i);
    // Slot i, when in play, as the play scenes draw it.
    void Draw(int32_t i, CImage32& dest) const;
    void Init();
};

extern CKillerShotMannager g_KillerShotMannager;
