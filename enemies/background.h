#pragma once

#include <cstdint>

#include "engine/draw_mode.h"
#include "engine/image.h"

// The scrolling backgrounds: each frame of stage play and boss fight starts by drawing one of
// them into the play field of the back buffer. The stage backgrounds scroll tiled pictures
// downward at a speed that rises with time and fade in and out; the boss backgrounds are
// still pictures that fade or change as the current boss loses its phases.
class CBackGround2 {
public:
    int32_t speed = 7;    // scroll step in pixels per frame
    int32_t frame = 0;    // frame counter of the background's script
    int32_t offset = 0;   // scroll offset, kept below the height of the scrolled picture
    int32_t counter = 0;  // second counter: the boss backgrounds' fade counter

    CBackGround2() = default;
    explicit CBackGround2(int32_t initialSpeed) : speed(initialSpeed) {}
    CBackGround2(const CBackGround2&) = delete;
    CBackGround2& operator=(const CBackGround2&) = delete;
    virtual ~CBackGround2() = default;

    // Starts the script over and loads the pictures into the shared images.
    virtual void Init() {}
    // One frame: advance the script and draw.
    virtual void Draw() {}

protected:
    // Zeroes the four counters, as every Init does before it loads.
    void ResetCounters();
    // Draws `count` copies of the rectangle (sx, sy, w, h) of img one above the other at x,
    // the lowest at y = 480 - scroll, each a picture height higher than the one before, so
    // that a growing scroll moves the picture down and the copies join seamlessly.
    static void TileRow(const CDrawMode& dm, int32_t x, int32_t scroll, int32_t count,
                        const CImage32& img, int32_t sx, int32_t sy, int32_t w, int32_t h);
    // The whole picture at (x, y), cut to the play field.
    static void Whole(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& img);
    // Darkened by the level (kept within 0..255), or a plain copy when that leaves 0.
    static CDrawMode Darkened(int32_t level);
};

// Stage backgrounds --------------------------------------------------------------------------

class CStageBonusBG : public CBackGround2 {
public:
    CStageBonusBG() : CBackGround2(7) {}
    void Init() override;
    void Draw() override;
};

class CStage1BG : public CBackGround2 {
public:
    CStage1BG() : CBackGround2(7) {}
    void Init() override;
    void Draw() override;
};

class CStage2BG : public CBackGround2 {
public:
    CStage2BG() : CBackGround2(6) {}
    void Init() override;
    void Draw() override;
};

class CStage3BG : public CBackGround2 {
public:
    CStage3BG() : CBackGround2(7) {}
    void Init() override;
    void Draw() override;
};

class CStage4BG : public CBackGround2 {
public:
    CImageShooting overlay;  // multiplied over the top of the field until the fade-out

    CStage4BG() : CBackGround2(6) {}
    void Init() override;
    void Draw() override;
};

class CStage5BG : public CBackGround2 {
public:
    // The side strips' scroll offset. Init starts it over with the other counters, so a
    // replay or a later run shows the strips where the first run showed them.
    int32_t offset2 = 0;

    CStage5BG() : CBackGround2(6) {}
    void Init() override;
    void Draw() override;
};

// Boss backgrounds ---------------------------------------------------------------------------

// What the boss backgrounds follow of the current boss. The boss classes live in a layer above
// this one, so the game installs a reader of the current boss here before any boss fight.
struct BossProgress {
    int32_t phasesLeft = 0;  // phases still to fight after the present one
    bool entered = false;    // the boss's entry flag
};
using BossProgressReader = BossProgress (*)();
extern BossProgressReader g_pfnBossProgress;

class CBossBonusBG : public CBackGround2 {
public:
    int32_t fade = 0;  // 0..100, darkening of the first picture while the boss is on its way

    CBossBonusBG() : CBackGround2(0) {}
    void Init() override;
    void Draw() override;
};

class CBoss1BG : public CBackGround2 {
public:
    CBoss1BG() : CBackGround2(6) {}
    void Init() override;
    void Draw() override;
};

class CBoss2BG : public CBackGround2 {
public:
    CBoss2BG() : CBackGround2(6) {}
    void Init() override;
    void Draw() override;
};

class CBoss3BG : public CBackGround2 {
public:
    int32_t posA = 0;  // row of cloud 1
    int32_t posB = 0;  // row of cloud 2
    int32_t posC = 0;  // rows of the two copies of cloud 3
    int32_t posD = 0;
    CImageShooting flash;
    CImageShooting cloud[4];  // the fourth is loaded with the others but never shown

    CBoss3BG() : CBackGround2(6) {}
    void Init() override;
    void Draw() override;

private:
    void DrawSkyAndClouds();
};

class CBoss4BG : public CBackGround2 {
public:
    CBoss4BG() : CBackGround2(0) {}
    void Init() override;
    void Draw() override;
};

class CBoss5BG : public CBackGround2 {
public:
    CBoss5BG() : CBackGround2(6) {}
    void Init() override;
    void Draw() override;
};

// The shared pictures: one background's at a time, reloaded by every Init.
extern CImageShooting* g_pBGImage1;
extern CImageShooting* g_pBGImage2;
extern CImageShooting* g_pBGImage3;
// The boss sprites' images, filled by the bosses.
extern CImageShooting* g_pBossImage;
extern CImageShooting* g_pBossImage1;
extern CImageShooting* g_pBossImage2;
extern CImageShooting* g_pBossImage3;
extern CImageShooting* g_pBossImage4;
extern CImageShooting* g_pBossImage5;

// By stage index: 0 bonus, 1..5, and 6 with objects of its own that play like stage 1's.
inline constexpr int kBackgroundCount = 7;
extern CBackGround2* g_pStageBGList[kBackgroundCount];
extern CBackGround2* g_pBossBGList[kBackgroundCount];

// Makes the shared images and both background lists, in that order; they live for the whole
// run. A second call finds them made and does nothing.
void CreateBackgrounds();
