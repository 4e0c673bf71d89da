#pragma once

#include <cstdint>

#include "engine/image.h"
#include "shooting/fling_object.h"

inline constexpr int kEffectImageCount = 29;
// Image 6 is a 1x1 blank: the image an effect "shows" while it waits for its start.
inline constexpr int32_t kEffectBlankImage = 6;

struct EffectCell {
    int32_t w;
    int32_t h;
};
// The cell size of each effect image.
extern const EffectCell EffectCellTable[kEffectImageCount];
// The file each effect image is loaded from.
extern const char* const kEffectImageFiles[kEffectImageCount];

// An explosion, halo, spark or flash: it moves, steps through its strip, scales and fades by
// the rule of its kind (the image index it was spawned with), then frees itself.
class CEffect : public CFlingObject {
public:
    int32_t image2 = 0;  // 0, or the image drawn instead of image `kind`
    int32_t paramA = 0;  // per kind: delay base, fade step, start frame or scale base
    int32_t paramB = 0;  // per kind: animation cell or strip block
    int32_t delay = 0;
    double scale = 1.0;
    int32_t srcX = 0;
    int32_t srcY = 0;
    int32_t cellW = 0;
    int32_t cellH = 0;

    // One frame of the effect; returns the image to draw it from (kEffectBlankImage while it
    // waits, and for a free slot, which it leaves untouched).
    int32_t Move();
    // Takes the effect out of play, whatever its kind.
    void Reset();
};

// The three effect rings, one per drawing layer: back (under the enemies), middle (over the
// ship) and front (over everything).
class CEffectMannager {
public:
    static constexpr int kMidCount = 500;
    static constexpr int kBackCount = 500;
    static constexpr int kFrontCount = 100;

    int32_t midIndex = 0;
    int32_t backIndex = 0;
    int32_t frontIndex = 0;
    CEffect mid[kMidCount];
    CEffect back[kBackCount];
    CEffect front[kFrontCount];
    CImageShooting images[kEffectImageCount];

    // Loads the 29 effect images.
    CEffectMannager();
    CEffectMannager(const CEffectMannager&) = delete;
    CEffectMannager& operator=(const CEffectMannager&) = delete;

    // Spawns take the ring's next slot whether or not it is still in play. A call naming an
    // image outside 0..28 is ignored.
    void AddMid(int32_t x, int32_t y, int32_t image, int32_t image2, float vx, float vy);
    void AddMidEx(int32_t x, int32_t y, int32_t image, int32_t image2, float vx, float vy,
                  int32_t b, int32_t a);
    void AddMidCell(int32_t x, int32_t y, int32_t image, int32_t image2, float vx, float vy,
                    int32_t b, int32_t a, int32_t srcY, int32_t cellH);
    void AddBack(int32_t x, int32_t y, int32_t image, int32_t image2, float vx, float vy);
    void AddBackEx(int32_t x, int32_t y, int32_t image, int32_t image2, float vx, float vy,
                   int32_t b, int32_t a);
    void AddFrontEx(int32_t x, int32_t y, int32_t image, int32_t image2, float vx, float vy,
                    int32_t b, int32_t a);

    // Every effect out of play and the rings back to their start.
    void Reset();

    // One frame of a layer: every slot in order is moved and, when still in play, drawn.
    void UpdateBack(CImage32& dest);
    void UpdateMid(CImage32& dest);
    void UpdateFront(CImage32& dest);

    // Cell `frame` (w x h at source x w * frame) of g_LazerImage, its width scaled, into the
    // back buffer with its top at row y and centred on column x.
    void DrawLaserBeam(int32_t x, int32_t y, int32_t w, int32_t h, int32_t frame, double scale);

private:
    CEffect* Spawn(CEffect* ring, int32_t& index, int count, int32_t x, int32_t y, int32_t image,
                   int32_t image2, float vx, float vy, int32_t b, int32_t a);
    void UpdateRing(CEffect* ring, int count, CImage32& dest);
};

extern CEffectMannager g_EffectMannager;
// The enemy lasers' beam picture; each stage may load its own into it.
extern CImageShooting g_LazerImage;
