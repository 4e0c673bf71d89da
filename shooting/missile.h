#pragma once

#include <cstdint>

#include "engine/image.h"
#include "shooting/fling_object.h"

// A sprite row: frame f is the w x h cell at (x + w * f, y).
struct MissileSprite {
    int32_t x;
    int32_t y;
    int32_t w;
    int32_t h;
};

inline constexpr int32_t kMissileKindCount = 8;
inline constexpr int32_t kMissileSpriteCount = 16;
// Sized missiles, from the magic sheet; a sized missile's box is its row's size.
inline constexpr MissileSprite MissileKindTable[kMissileKindCount] = {
    {0, 0, 60, 60},    {0, 60, 60, 60},  {0, 120, 60, 60}, {0, 81, 27, 27},
    {108, 81, 27, 27}, {0, 108, 27, 27}, {270, 0, 15, 78}, {285, 0, 11, 54}};
// Normal missiles (and the alternative turned bullets), from the missile sheet.
inline constexpr MissileSprite MissileSpriteTable[kMissileSpriteCount] = {
    {0, 0, 27, 27},     {0, 27, 27, 27},    {0, 54, 11, 27},    {0, 81, 27, 27},
    {108, 81, 27, 27},  {0, 108, 27, 27},   {270, 0, 15, 78},   {285, 0, 11, 54},
    {296, 0, 27, 100},  {0, 108, 27, 27},   {0, 135, 54, 54},   {0, 135, 54, 54},
    {108, 135, 27, 54}, {135, 135, 54, 54}, {189, 135, 54, 54}, {243, 135, 54, 54}};

// A large enemy projectile the player can shoot down. `kind` is its sprite row; the base's
// `angle` is its sprite angle, which picks the frame; the box is set by its behaviour every
// frame.
class CMissile : public CEnemyObject {
public:
    uint8_t harmful = 0;  // touching the hit point kills the ship
    int32_t halfW = 0;    // half the box, for sized missiles; not reset by a launch
    int32_t halfH = 0;
    int32_t param[3] = {};  // launch parameters; the first is the item carriers' delay
    int32_t behaviour = 0;
    int32_t hitsLeft = 0;  // shots still needed by the behaviours that take several
    int32_t sized = 0;     // drawn from the magic sheet by its MissileKindTable row
    int32_t heading = 0;   // the launch angle brought into 0..360

    // One frame: the contact test, then the behaviour.
    void Act();

    // The three bursts: each spawns its effects, requests the explosion sound and takes the
    // missile out of play. The large one also scores.
    void SmallBurst();
    void MediumBurst();
    void LargeBurst();

private:
    // The behaviours; each returns early once the missile has left play.
    void Straight();
    void Turning();
    void Ring(int32_t bulletKind, double base, int32_t selfAge);
    void BulletRing(int32_t bulletKind, double base);
    void Stopping();
    void Dropping();
    void Falling();
    void Long();
    void Thin();
    void Carrier();
    void SizedBurst();
    void SizedBomb();

    // Counts the frame, moves by the velocity and sets the box.
    void Step(int32_t bw, int32_t bh);
    // Beyond the given edges; the edges themselves are inside.
    bool Outside(double left, double right, double bottom, double top) const;
    void Trail(bool front);
    void FaceVelocity();
    // The shot test of a missile that takes `hits` hits: true on the last one.
    bool TakesHit(int32_t hits);
    void Remove();
};

// The pool of 50 missiles and their two sheets.
class CMissileMannager {
public:
    static constexpr int32_t kMissileCount = 50;

    CImageShooting images[2];  // the missile sheet and the magic sheet
    int32_t next = 0;
    CMissile missiles[kMissileCount];

    // Loads the two sheets; every stage uses the same files.
    void LoadImages();
    // Launches into slot next, in play or not, flying `angle` degrees from straight down at
    // `speed`. Returns the missile.
    CMissile& ShootEx(int32_t x, int32_t y, int32_t behaviour, int32_t kind, double speed,
                      int32_t angle, int32_t p1, int32_t p2, int32_t p3);
    CMissile& Shoot(int32_t x, int32_t y, int32_t behaviour, int32_t kind, double speed,
                    int32_t angle);
    // A sized missile: its box from the kind's MissileKindTable row, the halves from the box.
    CMissile& ShootSized(int32_t x, int32_t y, int32_t behaviour, int32_t kind, double speed,
                         int32_t angle, int32_t p1 = 0, int32_t p2 = 0, int32_t p3 = 0);
    // One frame of slot i when it is in play.
    void Move(int32_t i);
    // Slot i, when in play, as the play scenes draw it.
    void Draw(int32_t i, CImage32& dest) const;
    // Every missile out of play with a 10x10 box and every field 0.
    void Init();
};

extern CMissileMannager g_MissileMannager;
