#pragma once

#include "enemies/enemy.h"

// The behaviour scripts of the enemy kinds, one function per kind, each run once a frame by
// CEnemy::Act after the hit test. They read the age as counted that frame (the first run sees
// age 1), set the velocity for the next frame's move, pick the animation frame and fire with
// the enemy's emitter.

// Kind 1, the bat: drops in, hovers for a while, then drifts off to its side.
void BatScript(CEnemy& e);
// Kind 7: darts in diagonally, stops, fires one aimed volley, then falls away.
void Zako7Script(CEnemy& e);
// Kind 41: weaves down, firing aimed pairs in windows; on stage 4 it runs a second, faster
// firing part before the common one.
void Zako8Script(CEnemy& e);

// Rising pods and swinging fliers.
// Kind 27: rises from below to its p1 height, fires five aimed pairs, then leaves upward.
void ActKind27(CEnemy& e);
// Kind 40: a smaller pod that fires once; stages 1 and 2 run their own variants.
void ActKind40(CEnemy& e);
// Kind 40 on stage 1 and on stage 2: it also slides sideways while it rises.
void ActKind40Step1(CEnemy& e);
void ActKind40Step2(CEnemy& e);
// Kind 38: swings from side to side, turned with its swing, while coming down.
void ActKind38(CEnemy& e);
// Kind 39: falls faster and faster and fires one aimed pair (by chance on difficulty 0).
void ActKind39(CEnemy& e);

// Eye ships and beam carriers.
// Kind 15: drops in, sprays bursts and aimed pairs while hovering, then leaves sideways.
void ActKind15(CEnemy& e);
// Kind 16: drops in, fires eight rounds of six at once, then sways firing large aimed bullets.
void ActKind16(CEnemy& e);
// Kind 17: drifts in on a wave, fires one aimed fan and backs away.
void ActKind17(CEnemy& e);
// Kind 32: drops in or swoops out, sprays near-aimed shots, fires one fan and climbs away.
void ActKind32(CEnemy& e);
// Kind 25: hovers on a wave and sweeps short beams alternately on both sides.
void ActKind25(CEnemy& e);
// Kind 14: follows the ship sideways, then sweeps short beams from its centre.
void ActKind14(CEnemy& e);

// Swoopers and turning small fry.
// Kind 26: swoops out, fires large aimed bullets in random-phased bursts, then climbs; stage 1
// runs ActKind26Step2 and stage 5 ActKind26Step1 instead.
void ActKind26(CEnemy& e);
void ActKind26Step1(CEnemy& e);
void ActKind26Step2(CEnemy& e);
// Kind 34 away from stage 3, and on stage 3 (faster shots); CEnemy chooses by the stage.
void ActKind34(CEnemy& e);
void ActKind34Stage3(CEnemy& e);
// Kinds 35, 8 and 9 turn toward the ship every frame and fire aimed shots at fixed ages; kind 9
// hands stage 4 to ActKind9Step1 and stage 5 to ActKind9Step2.
void ActKind35(CEnemy& e);
void ActKind8(CEnemy& e);
void ActKind9(CEnemy& e);
void ActKind9Step1(CEnemy& e);
void ActKind9Step2(CEnemy& e);

// Falling fry and gunships.
// Kinds 4 and 11 fall ever faster and fire once or twice at the ship.
void ActKind4(CEnemy& e);
void ActKind11(CEnemy& e);
// Kind 19: rises from below, sprays aimed fans, then fires laser shots, then leaves.
void ActKind19(CEnemy& e);
// Kind 10: brakes in firing fans, then circles while firing aimed volleys.
void ActKind10(CEnemy& e);
// Kind 20, the gunship: swings in from its side, fires missiles, wing volleys and a stream at
// where the ship stood, backing out upward; stages 4 and 5 fly their own versions.
void GunshipScript(CEnemy& e);
// Kind 30, the darting pod: darts near the ship's column, hovers and fires, then flees; stage 5
// runs the pod version, stage 3 the pod version followed by the common one.
void DartingPodScript(CEnemy& e);
// Kind 12: falls and brakes, fires large bullets, leaves sideways; own scripts on stages 3, 5.
void Fo4Script(CEnemy& e, int32_t p1);
// Kind 3: comes down, stops a while firing aimed fans and climbs out; own script on stage 5.
void Fo11Script(CEnemy& e, int32_t p1);
// Kind 5: weaves down, firing aimed pairs in windows.
void Fo15Script(CEnemy& e);
// Kind 29: glides to its height, drops large bullets and two fan bursts, leaves upward.
void Fo9Script(CEnemy& e);
// Kind 13: sways on the spot for a long time with a three-way volley every 64 frames.
void ItemerScript(CEnemy& e);
// Kind 6, run after the switch's solid-flag check: slides in, fires fans, volleys and rings.
void CarrierScript(CEnemy& e);
// Kind 22: drops in on a braking curve and sprays turning fans.
void SpiralGunnerScript(CEnemy& e);
// Kind 23: drops in with rotating double fans, fires aimed volleys, climbs out.
void TwinFanGunnerScript(CEnemy& e);
// Kind 21: the kind-23 script, quieter and without its large bullet.
void StandInGunnerScript(CEnemy& e);
// Kind 28: brakes in and sprays turned fans; its own bursts and beam on stage 5.
void Fo8Script(CEnemy& e);
// Kind 24: comes down, fires heavy bursts, swings sideways fanning and beaming, withdraws.
void Fo7Script(CEnemy& e);
// Kind 18: comes down, sweeps paired fans, throws scattered volleys and a large bullet.
void FanGunnerScript(CEnemy& e);
// Kind 33, the walker: alternates two barrages every 64 frames between sways; stronger and
// quicker on stage 4.
void WalkerScript(CEnemy& e);
// Kinds 2 and 36, the large ships: enter, hold the screen for a fixed run of movement and
// volleys, then climb away.
void ActKind2(CEnemy& e);
void ActKind36(CEnemy& e);
// Kinds 31 and 0, the mid-bosses: entry, fan burst, hover, beam, an orbit around their kind's
// anchor, a second beam, a sweep, exit.
void ActKind31(CEnemy& e);
void ActKind0(CEnemy& e);
// Kinds 43 and 42, the fortresses: the mid-boss timeline with twin beams; kind 42 turns a
// turret drawn as its second sprite.
void ActKind43(CEnemy& e);
void ActKind42(CEnemy& e);

// The orbit anchors of the mid-bosses, one pair per kind, shared by every enemy of the kind:
// whichever reaches the orbit last sets the centre all of them circle.
extern int32_t g_nAnchorX31;
extern int32_t g_nAnchorY31;
extern int32_t g_nAnchorX0;
extern int32_t g_nAnchorY0;
// The small-bullet types kind 0 picks from at random for its turned shots.
extern const int32_t MidbossShotTypes[4];
// Sideways offsets of the kind-29 fan burst, walked through by the volley counter.
inline constexpr int32_t Kind29FanOffsets[8] = {3, 10, 4, 5, 4, 7, 8, 0};
// Sideways offsets of the eye ship's rounds, one per round of a volley.
inline constexpr int32_t EyeShotOffsets[8] = {0, 0, 0, 5, 7, 4, 0, 0};

// Five heavy drops under kind 2's hull, each drifting sideways by its own random tenth.
struct HeavyDrop {
    int32_t dx;
    int32_t dy;
    int32_t kind;
    double drift;
};
inline constexpr HeavyDrop Ship1DropsB[5] = {{-30, 70, 19, -0.5},
                                             {-40, 70, 25, -1.0},
                                             {20, 70, 25, 0},
                                             {-50, 90, 6, -1.5},
                                             {30, 90, 6, 0.5}};
inline constexpr HeavyDrop Ship1DropsE[5] = {{-30, 70, 19, -0.5},
                                             {-50, 70, 25, -1.0},
                                             {30, 70, 25, 0},
                                             {-60, 90, 6, -1.5},
                                             {40, 90, 6, 0.5}};
// Kind 2's turned-bullet volleys: x offset from the centre and angle of each bullet.
struct DirShot {
    int32_t dx;
    int32_t angle;
};
inline constexpr DirShot Ship1OuterShots[4] = {{40, 45}, {40, 35}, {-40, 315}, {-40, 325}};
inline constexpr DirShot Ship1InnerShots[4] = {{40, 75}, {40, 85}, {-40, 275}, {-40, 285}};
inline constexpr DirShot Ship1WindowCShots[8] = {{40, 15}, {40, 25}, {-40, 345}, {-40, 335},
                                                 {40, 65}, {40, 55}, {-40, 295}, {-40, 305}};
