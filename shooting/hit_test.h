#pragma once

#include <cstdint>

#include "shooting/fling_object.h"

// Collision. The player is the single hit point (g_Player.hitX, g_Player.hitY); every bound
// is exclusive, so a point on an edge is outside. Positions are the objects' doubles, compared
// with the integer hit point unless a test says it truncates.

// The squared distance from (cx, cy), taken as unsigned 32-bit, is below r squared.
bool HitPlayerCircle(int32_t cx, int32_t cy, int32_t r);
// Inside the object's box.
bool HitPlayerBox(const CFlingObject& o);
// Inside the lower-left quarter of the box (w / 2 by h / 2).
bool HitPlayerHalfBox(const CFlingObject& o);
// Inside the box's columns, between y + lo and y + hi.
bool HitPlayerBoxRange(const CFlingObject& o, int32_t lo, int32_t hi);
// Inside the box's columns, between y + lo and the top.
bool HitPlayerBoxFrom(const CFlingObject& o, int32_t lo);
// Inside a bw x bh box centred on the box's centre, its edges truncated.
bool HitPlayerCentredBox(const CFlingObject& o, int32_t bw, int32_t bh);
// Nearer than r to the box's centre (halves by shifting, then truncated).
bool HitPlayerRadius(const CFlingObject& o, int32_t r);
// Inside a bw-wide band centred on the box, between y + lo and the top, edges truncated.
bool HitPlayerCentredTop(const CFlingObject& o, int32_t bw, int32_t lo);

// An enemy against all 200 player shots, the option lasers and, while a bomb runs, the bomb
// zone. Each hitting shot scores 15 and is taken out of play; the best shot value feeds the
// chain. True when the enemy takes a hit this frame: any shot, a sixth laser contact, or the
// bomb zone.
// The box x .. x + w, y + lo .. y + h.
bool HitByShot(CEnemyObject& e, int32_t lo);
// A band about bw wide centred on the box, y + lo .. y + h.
bool HitByShotInset(CEnemyObject& e, int32_t bw, int32_t lo);
// The vulnerable box of the shotBox fields around the centre column. Shot hits set no sound:
// its callers do.
bool HitByShotBox(CEnemyObject& e);
