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
