#pragma once

#include <cstdint>

#include "engine/image.h"
#include "shooting/emitter.h"
#include "shooting/fling_object.h"

// The base of every boss: the hit points of one phase and the phases still to beat, the phase
// frame that drives the attack scripts, the sprite frame and hot spot, and the defeat
// sequence. The boss fight calls Act, draws the boss, then calls CheckDefeat every frame.
//
// Inherited fields as a boss reads them: `flag` makes some bosses invulnerable, `step` is the
// scripts' volley counter, `tick`, `frameX` and `animCount` their sub-counters, and the shot
// box the vulnerable box around the body's centre column.
class CBoss : public CEnemyObject {
public:
    int32_t work1 = 0;  // script scratch
    int32_t work2 = 0;
    int32_t work3 = 0;
    CEmitter emitter;
    double rotation = 0.0;    // sprite turn in radians; when not 0 the first frame is drawn turned
    uint8_t dying = 0;        // the defeat sequence runs: Act does nothing of its own
    int32_t scriptFrame = 0;  // phaseFrame as this frame's script sees it
    int32_t defeatTimer = 0;
    int32_t routeRow = 0;  // waypoint-table row
    int32_t hotX = 0;      // offset from (x, y) of the point the scripts fire from
    int32_t hotY = 0;
    int32_t phaseHp = 0;
    int32_t phaseFrame = 0;  // frames since the phase began; scripts set it back to loop
    int32_t phaseCount = 0;  // phases minus one
    int32_t phasesLeft = 0;  // after the current one; below 0 the boss is beaten
    int32_t frameCol = 0;    // sprite frame (frameCol * w, frameRow * h, w, h)
    int32_t frameRow = 0;
    uint8_t entered = 0;  // set by some scripts; the boss backgrounds follow it

    CBoss() { Reset(); }
    CBoss(const CBoss&) = delete;
    CBoss& operator=(const CBoss&) = delete;
    ~CBoss() override = default;

    // Prepares a fight: every boss sets its phases, hit points, position, sprites and boxes.
    virtual void Init() {}
    // One frame: contact, damage, and the boss's own script and movement.
    virtual void Act();

    // Every boss field back to the state of a new boss.
    void Reset();
    // One damage step; the body flashes on every second one, counted over all bosses.
    void Hit();
    // The phase and defeat machine, once a frame after the gauge is drawn: refills a beaten
    // phase, runs the defeat sequence, and is true on its last frame, once.
    bool CheckDefeat();
    // The life gauge's width in pixels, 0..360.
    int32_t GaugeWidth() const;

protected:
    // The start of every Init: a fresh boss at (startX, startY) with `extraPhases` phases after
    // the first, each of `hitPoints`.
    void StartSetUp(int32_t extraPhases, int32_t hitPoints, double startX, double startY);
    // The body a sprite frame covers and the point the scripts fire from.
    void SetBody(int32_t bodyW, int32_t bodyH, int32_t spotX, int32_t spotY);
    // The start of a boss frame: false once the boss is beaten; otherwise the phase frame
    // moves on and the script sees it.
    bool BeginFrame();
    // Pushes the ship down out of the body, unless that would take it to row 5 or below.
    static void PushPlayer();
    // The shot test: a hit costs one point, however many shots landed; no hit shows the body
    // plainly again.
    void TakeShots();
};

// The flash toggle of CBoss::Hit, shared by all bosses and never reset.
extern uint8_t g_bBossFlash;

// The bosses by stage index: 0 the bonus stage, 1..5, and 6 a second stage-1 boss.
inline constexpr int kBossCount = 7;
extern CBoss* g_pBossList[kBossCount];

// Loads a killer-shot picture into `row` and sizes the row for it.
void LoadKillerShot(int32_t row, const char* file, int32_t w, int32_t h);

// Makes the seven bosses once for the whole run; a second call finds them made.
void CreateBosses();

// The boss body, with its parts when it is drawn unturned and wider than one pixel.
void DrawBoss(CImage32& dest, const CBoss& boss);
// The life gauge: the empty bar, then GaugeWidth columns of the fill, both keyed.
void DrawBossGauge(CImage32& dest, const CBoss& boss, const CImage32& bar, const CImage32& fill);
