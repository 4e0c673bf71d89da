#include "shooting/item.h"

#include <cmath>

#include "engine/angle.h"
#include "engine/draw_mode.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/hit_test.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

CItemMannager g_ItemMannager;

namespace {

constexpr int32_t kPickupBox = 100;
constexpr int32_t kExtendPerItem = 20;
constexpr int32_t kAutoCollectHeight = 50;
constexpr int32_t kMaxBombs = 11;
constexpr int32_t kHomingRangeSquared = 110 * 110;
constexpr int32_t kBonusSize = 50;  // bonus items bounce as if 50 wide, whatever their box

// Falls for 15 frames, then slowly rises; near the ship (or when thrown beside it) it homes,
// faster the longer it has been homing.
void MovePointItem(CItem& item) {
    if (item.age < 15) {
        item.vy = 0.9 * item.vy + 0.3;
    } else {
        item.vy -= 0.025;
    }
    item.age += 1;
    item.vx = 0.9 * item.vx;
    const int32_t dx = Trunc(g_Player.hitX + 1 - item.x - (item.w >> 1));
    const int32_t dy = Trunc(1 - g_Player.hitY + item.y + (item.h >> 1));
    const bool near = dx * dx < kHomingRangeSquared && dy * dy < kHomingRangeSquared;
    if (item.age > 8 && g_Player.hitY > 0 && (near || item.autoCollect != 0)) {
        item.homeStep += 1;
        const int32_t k = (item.homeStep >> 2) + 1;
        // Shifts round toward minus infinity: a small offset left still pulls, one right does not.
        item.vx = k * (dx >> 3);
        item.vy = k * (dy >> 3);
    }
    item.y -= item.vy;
    item.x += item.vx;
}

void MoveBonusItem(CItem& item) {
    if (!(item.x >= 134 && item.x + kBonusSize <= 510)) item.vx = -item.vx;
    if (!(item.y >= 8 && item.y + kBonusSize <= 469)) item.vy = -item.vy;
    g_EffectMannager.AddBackEx(Trunc(item.x - 12), Trunc(item.y - 12), 8, 18, 0, 0, 5, 1);
    item.y -= item.vy;
    item.x += item.vx;
}

void PickUp(CItem& item) {
    const int32_t type = item.kind;
    item.autoCollect = 0;
    item.alive = 0;
    item.x = 0;
    item.y = 0;
    // Only the thrown types have an entry in every table; anything else is taken for nothing.
    if (type < 0 || type >= kItemTypeCount) return;
    g_pPointMannager->itemCount += 1;
    g_pPointMannager->extendGauge += kExtendPerItem;
    const ItemEffect& gain = ItemEffectTable[type];
    if (g_Player.lives < CPlayer::kMaxLives) g_Player.lives += gain.lives;
    if (g_Player.bombs < kMaxBombs) g_Player.bombs += gain.bombs;
    if (g_Player.power < CPlayer::kMaxPower) g_Player.power += gain.power;
    const bool givesNothing = gain.lives == 0 && gain.bombs == 0 && gain.power == 0;
    RequestSound(givesNothing ? kSoundItem : kSoundBonusItem);
    g_pPointMannager->AddScore(ItemScoreTable[type]);
}

}  // namespace

CItemMannager::CItemMannager() {
    for (int32_t t = 0; t < kItemTypeCount; ++t)
        images[t].Load(kItemImageFiles[t]);
    Init();
}

void CItemMannager::Init() {
    for (CItem& item : items)
        item = CItem();
    index = 0;
}

void CItemMannager::Drop(int32_t x, int32_t y, int32_t type, int32_t angle, int32_t speed) {
    if (type < 0 || type >= kItemTypeCount) return;
    index += 1;
    if (index >= kItemCount) index = 0;
    CItem& item = items[index];
    item.Place(x, y, type);
    const double a = DegToRad(angle);
    item.vx = std::cos(a) * speed;
    item.vy = std::sin(a) * speed;
    item.homeStep = 0;
    item.age = 0;
    item.autoCollect = y - g_Player.hitY < kAutoCollectHeight ? 1 : 0;
}

void CItemMannager::Move(int32_t i) {
    if (i < 0 || i >= kItemCount) return;
    CItem& item = items[i];
    if (item.alive == 0) return;
    if (!(100 < item.x && item.x < 550 && -50 < item.y && item.y <= 500)) {
        // Out of play where it stands; it can still be taken in this frame.
        item.alive = 0;
    } else if (item.kind == 0) {
        MovePointItem(item);
    } else {
        MoveBonusItem(item);
    }
    if (HitPlayerCentredBox(item, kPickupBox, kPickupBox)) PickUp(item);
}

void CItemMannager::Draw(int32_t i, CImage32& dest) const {
    if (i < 0 || i >= kItemCount) return;
    const CItem& item = items[i];
    if (item.alive == 0 || item.kind < 0 || item.kind >= kItemTypeCount) return;
    dest.BltFieldAll(g_DrawKey, Trunc(item.x), Trunc(item.y), images[item.kind]);
}
