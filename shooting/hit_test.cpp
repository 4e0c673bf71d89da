#include "shooting/hit_test.h"

#include "engine/game_state.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/bullet.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

namespace {

constexpr int32_t kShotScore = 15;
constexpr int32_t kLaserContactsPerHit = 6;
constexpr int32_t kBombHalfWidth = 100;

// What one enemy test looks at: its box for shots, where its lasers are cut, and whether a
// shot hit sets the enemy-hit sound.
struct EnemyBox {
    double left;
    double right;
    double low;
    double high;
    double laserRef;  // an option below this height reaches the enemy
    bool shotSound;
};

bool ShotsHit(CEnemyObject& e, const EnemyBox& box) {
    bool result = false;
    int32_t best = 0;
    // Every slot takes part, free ones too: a removed shot lies at the origin as a 10x10 box.
    for (CBullet& shot : g_BulletMannager.shots) {
        const int32_t left = Trunc(shot.x);
        const int32_t right = left + shot.w;
        const int32_t bottom = Trunc(shot.y);
        const int32_t top = bottom + shot.h;
        if (!(right > box.left && left < box.right && top > box.low && bottom < box.high)) {
            continue;
        }
        result = true;
        if (box.shotSound && e.alive != 0) RequestSound(kSoundHitLoop);
        g_pPointMannager->AddScore(kShotScore);
        if (shot.value > best) best = shot.value;
        // Out of play; value and cell stay as they were.
        static_cast<CFlingObject&>(shot) = CFlingObject();
    }
    g_pPointMannager->AddGauge(best);
    return result;
}

bool LasersHit(CEnemyObject& e, const EnemyBox& box) {
    bool result = false;
    // All four records, whatever the shot type: each keeps the position last written.
    for (int32_t i = 0; i < CPlayer::kOptionCount; ++i) {
        const OptionRecord& o = g_Player.option[i];
        if (!(o.x >= box.left && o.x + 1 < box.right && o.y < box.laserRef)) continue;
        if (e.alive != 0) RequestSound(kSoundHitLoop);
        e.laserTouched = 1;
        const int32_t cut = Trunc(box.low);
        LaserTip& tip = g_Player.laserTip[i];
        if (cut < tip.y) {
            tip.y = cut;
            tip.hit = 1;
        }
        e.laserCount += 1;
        if (e.laserCount >= kLaserContactsPerHit) {
            e.laserCount = 0;
            result = true;
        }
    }
    return result;
}

// The bomb clears a 200-wide strip above the ship. It has no laser of its own, so a contact
// shortens no laser tip; every frame of contact is a hit.
bool BombZoneHits(CEnemyObject& e) {
    const double cx = e.x + (e.w >> 1);
    const int32_t px = g_Player.hitX;
    if (!(px - kBombHalfWidth <= cx + e.shotBoxHalfW && px + kBombHalfWidth > cx - e.shotBoxHalfW &&
          g_Player.hitY < e.y + e.shotBoxLow)) {
        return false;
    }
    if (e.alive != 0) RequestSound(kSoundHitLoop);
    e.laserTouched = 1;
    e.laserCount += 1;
    e.laserCount = 0;
    return true;
}

bool EnemyHit(CEnemyObject& e, const EnemyBox& box) {
    bool result = ShotsHit(e, box);
    if (g_bBombActive != 0) return BombZoneHits(e) || result;
    if (g_Player.shotTimer < 1) return result;
    return LasersHit(e, box) || result;
}

}  // namespace

bool HitPlayerCircle(int32_t cx, int32_t cy, int32_t r) {
    // Unsigned arithmetic gives the wrapped squares without overflow.
    const uint32_t dx = static_cast<uint32_t>(cx) - static_cast<uint32_t>(g_Player.hitX);
    const uint32_t dy = static_cast<uint32_t>(cy) - static_cast<uint32_t>(g_Player.hitY);
    const uint32_t ur = static_cast<uint32_t>(r);
    return dx * dx + dy * dy < ur * ur;
}

bool HitPlayerBox(const CFlingObject& o) {
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    return o.x < px && px < o.x + o.w && o.y < py && py < o.y + o.h;
}

bool HitPlayerHalfBox(const CFlingObject& o) {
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    return o.x < px && px < o.x + o.w / 2 && o.y < py && py < o.y + o.h / 2;
}

bool HitPlayerBoxRange(const CFlingObject& o, int32_t lo, int32_t hi) {
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    return o.x < px && px < o.x + o.w && o.y + lo < py && py < o.y + hi;
}

bool HitPlayerBoxFrom(const CFlingObject& o, int32_t lo) {
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    return o.x < px && px < o.x + o.w && o.y + lo < py && py < o.y + o.h;
}

bool HitPlayerCentredBox(const CFlingObject& o, int32_t bw, int32_t bh) {
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    const int32_t left = Trunc(o.x + o.w / 2 - bw / 2);
    const int32_t right = Trunc(o.x + o.w / 2 + bw / 2);
    const int32_t bottom = Trunc(o.y + o.h / 2 - bh / 2);
    const int32_t top = Trunc(o.y + o.h / 2 + bh / 2);
    return left < px && px < right && bottom < py && py < top;
}

bool HitPlayerRadius(const CFlingObject& o, int32_t r) {
    const int64_t dx = int64_t{g_Player.hitX} - Trunc(o.x + (o.w >> 1));
    const int64_t dy = int64_t{g_Player.hitY} - Trunc(o.y + (o.h >> 1));
    return dx * dx + dy * dy < int64_t{r} * r;
}

bool HitPlayerCentredTop(const CFlingObject& o, int32_t bw, int32_t lo) {
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    const int32_t left = Trunc(o.x + o.w / 2 - bw / 2);
    const int32_t right = Trunc(o.x + o.w / 2 + bw / 2);
    const int32_t bottom = Trunc(o.y + lo);
    const int32_t top = Trunc(o.y + o.h);
    return left < px && px < right && bottom < py && py < top;
}

bool HitByShot(CEnemyObject& e, int32_t lo) {
    const EnemyBox box{e.x, e.x + e.w, e.y + lo, e.y + e.h, e.y + lo, true};
    return EnemyHit(e, box);
}

bool HitByShotInset(CEnemyObject& e, int32_t bw, int32_t lo) {
    const int32_t m = (e.w - bw) / 2;
    const EnemyBox box{e.x + m, e.x + e.w - m, e.y + lo, e.y + e.h, e.y + e.h, true};
    return EnemyHit(e, box);
}

bool HitByShotBox(CEnemyObject& e) {
    const double cx = e.x + (e.w >> 1);
    const EnemyBox box{cx - e.shotBoxHalfW, cx + e.shotBoxHalfW, e.y + e.shotBoxLow,
                       e.y + e.shotBoxHigh, e.y + e.shotBoxLow,  false};
    return EnemyHit(e, box);
}
