#pragma once

#include <bit>
#include <cstdint>

#include "shooting/emitter.h"
#include "shooting/fling_object.h"

// One row of the kind table: everything about an enemy that its kind decides, apart from its
// sprite and its behaviour.
struct EnemyKind {
    int32_t w;
    int32_t h;
    int32_t hp;
    int32_t deathKind;   // which death effect plays, 0..4
    int32_t hitOffset;   // the lower part shots cannot hurt; half of it is spared from contact
    int32_t soundClass;  // which death sound, 0..3
    int32_t shotBoxW;    // width of the band the player's shots hurt
};

inline constexpr int32_t kEnemyKindCount = 44;
extern const EnemyKind EnemyKindTable[kEnemyKindCount];

inline bool IsEnemyKind(int32_t kind) {
    return kind >= 0 && kind < kEnemyKindCount;
}

// A second piece of the kind's sheet drawn with the enemy: w x h at srcX, centred on the
// enemy's centre line at y + dy (turned by angle degrees, or lowered by lift when unturned).
struct EnemySubSprite {
    int32_t on = 0;
    int32_t angle = 0;
    int32_t w = 0;
    int32_t h = 0;
    int32_t dy = 0;
    int32_t lift = 0;
    int32_t srcX = 0;
};

// Four bytes a script keeps for a later volley: an aim velocity (f32) for most kinds, a
// remembered position (i32) for a few. Both readings see the same bits; nothing converts.
class Word32 {
public:
    float AsFloat() const { return std::bit_cast<float>(bits_); }
    int32_t AsInt() const { return std::bit_cast<int32_t>(bits_); }
    void SetFloat(float v) { bits_ = std::bit_cast<uint32_t>(v); }
    void SetInt(int32_t v) { bits_ = std::bit_cast<uint32_t>(v); }

private:
    uint32_t bits_ = 0;
};

// One ordinary enemy. Every stage script owns 600 and places them from its spawn records;
// the slot is reused as it is, so what Set leaves alone (tick, side, pause, the saved words,
// the emitter, the sub-sprite's dy and lift, the base's work bytes and params) carries over
// from the slot's previous enemy.
class CEnemy : public CEnemyObject {
public:
    int32_t work = 0;        // script scratch, 0 at placing
    int32_t contactTop = 0;  // body contact counts from y + contactTop up
    int32_t p1 = 0;          // the spawn record's parameters
    int32_t p2 = 0;
    int32_t deathKind = 0;
    int32_t side = 0;  // horizontal sign some scripts steer by
    int32_t halfW = 0;
    int32_t halfH = 0;
    int32_t shotBoxW = 0;
    EnemySubSprite sub;
    Word32 savedVx;
    Word32 savedVy;
    CEmitter emitter;
    int32_t pause = 0;  // a random pause drawn by a script
    uint8_t toggle = 0;
    uint8_t noContact = 0;  // when set, touching the ship does not push it
    int32_t flash = 0;      // hit-flash timer: 10 on a hit, down by 1 a frame

    // Everything back to the state of a new enemy, not in play.
    void Clear();
    // Places the enemy at (x, y) as kind `kind` with the spawn record's parameters. A kind
    // outside the table places nothing.
    void Set(int32_t px, int32_t py, int32_t kind, float fvx, float fvy, int32_t np1, int32_t np2);
    // One frame: move or cull, age, push the ship on contact, take the shots, flash, then the
    // kind's script. Nothing happens for a slot not in play.
    void Act();
    // Out of play once the box has left the field, otherwise one step of its velocity.
    void Move();
    // One hit; true when it killed the enemy.
    bool Damage();
    // Death: sound, score, gauges, the kill-speed bonus, the death effect, out of play.
    void Kill();

private:
    void RunScript();
};

// The burst of effects, items and (for the large kinds, killed quickly) missiles of the
// enemy's death kind. Kill plays it; no other caller needs it.
void PlayDeathEffect(const CEnemy& e);

// The missiles a large enemy leaves behind when it was killed before its age limit.
struct MissileBurst {
    int32_t kind;
    int32_t ageLimit;
    int32_t behaviour;
    int32_t missileKind;
};
inline constexpr MissileBurst kMissileBursts[] = {
    {2, 1000, 13, 12},
    {31, 1200, 14, 13},
    {36, 1400, 15, 14},
    {0, 1400, 15, 15},
};

// The five points of a large enemy's explosion, from its centre column and its y.
inline constexpr int32_t kLargeExplosionDx[5] = {0, -30, 30, 0, 0};
inline constexpr int32_t kLargeExplosionDy[5] = {-20, 30, 30, 70, 100};
