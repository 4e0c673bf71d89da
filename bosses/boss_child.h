#pragma once

#include <cstdint>

#include "engine/image.h"
#include "shooting/fling_object.h"

// Sprites that bosses show beside their body. They have no behaviour of their own: boss code
// places, turns and switches them off, and the boss fight draws them.

// A free sprite: a glow, satellite or charging light. `kind` picks its picture in
// g_pBossEffectImage; it is drawn only while `alive` is set, with its draw mode and level.
class CBossChild : public CFlingObject {
public:
    // 1.0 draws the picture as it is; anything else scales it about its centre. Nothing reads
    // it before a launch sets it, but a defined value keeps a stray draw harmless.
    double scale = 1.0;

    using CFlingObject::Launch;
    // Places the child and starts it afresh: age 0, the given draw mode and level, scale 1.
    void Launch(int32_t px, int32_t py, int32_t k, float fvx, float fvy, int32_t mode,
                int32_t level);
};

// A limb fixed to the boss body, turning about a pivot within a clamped range. `kind` is its
// frame in the parts picture, (kind * w, 0, w, h); `angle` is its turn in whole degrees.
class CBossParts : public CFlingObject {
public:
    int32_t pivot = 0;    // height of the turning point in the frame, at half its width
    int32_t offsetX = 0;  // anchor relative to the boss position
    int32_t offsetY = 0;
    int32_t maxAngle = 0;
    int32_t minAngle = 0;

    // angle += delta, then held to maxAngle and after that to minAngle, so the lower limit
    // wins when the limits cross.
    void Turn(int32_t delta);
};

inline constexpr int kBossChildCount = 10;
inline constexpr int kBossPartsCount = 2;
inline constexpr int kBossEffectImageCount = 5;
inline constexpr int kBossPartsImageCount = 2;

// Shared by every boss for the whole run.
extern CBossChild g_pBossChild[kBossChildCount];
extern CBossParts g_pBossParts[kBossPartsCount];
// The children's pictures by kind.
extern CImageShooting g_pBossEffectImage[kBossEffectImageCount];
// Element 1 is drawn for both parts; a boss without parts shrinks both to 1x1.
extern CImageShooting g_pBossPartsImage[kBossPartsImageCount];

// Every child out of play.
void ClearBossChildren();
// Both parts put back on a body whose hot spot is (hotX, hotY): in play at (hotX - 100, hotY)
// with kind 0 and 1, still, age 0, keyed at full level, w x h, pivot 150. Offsets, limits and
// angles stay as they were.
void SeatBossParts(int32_t hotX, int32_t hotY, int32_t w, int32_t h);
// Both parts pictures shrunk to 1x1, for a boss without parts.
void HideBossPartsImages();
// The pictures the children start with, loaded once the game objects are made: a pentagram
// glow, a nonagram, a logo glow, an empty slot 3 and the cannon flash.
void LoadBossEffectImages();

// The live children into dest, cut to the play field. Drawn before the boss acts, so a child
// placed in a boss frame shows from the next frame on.
void DrawBossChildren(CImage32& dest);
// Both parts of a boss standing at (bossX, bossY), whatever their alive flags; `flash` draws
// them brightened, as the body is on its damage frames.
void DrawBossParts(CImage32& dest, double bossX, double bossY, bool flash);
