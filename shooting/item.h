#pragma once

#include <cstdint>

#include "engine/image.h"
#include "shooting/fling_object.h"

// One item: a point item that falls and then homes in on the ship, or a bomb or extend item
// that bounces around the play field until taken. `kind` is the item type.
class CItem : public CEnemyObject {
public:
    static constexpr int32_t kSize = 30;

    int32_t homeStep = 0;     // frames of homing so far
    uint8_t autoCollect = 0;  // thrown close above the ship: homes from its ninth frame anywhere

    CItem() {
        w = kSize;
        h = kSize;
    }
};

// What taking an item of each type gives.
struct ItemEffect {
    int32_t lives;
    int32_t bombs;
    int32_t power;
};
inline constexpr int32_t kItemTypeCount = 3;
inline constexpr ItemEffect ItemEffectTable[kItemTypeCount] = {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}};
inline constexpr int32_t ItemScoreTable[10] = {1000, 2000, 3000, 4000, 0, 0, 0, 0, 0, 0};
// The picture of each item type, drawn whole.
inline constexpr const char* kItemImageFiles[kItemTypeCount] = {"img/item3.bmp", "img/item-p.bmp",
                                                                "img/item-ex.bmp"};

// The item pool: 1000 slots handed out in turn, whether or not the slot is still in play.
class CItemMannager {
public:
    static constexpr int32_t kItemCount = 1000;

    CItem items[kItemCount];
    CImageShooting images[kItemTypeCount];
    int32_t index = 0;  // the slot handed out last

    // Loads the item images, then Init.
    CItemMannager();
    CItemMannager(const CItemMannager&) = delete;
    CItemMannager& operator=(const CItemMannager&) = delete;

    // Every item out of play, index 0: the first item thrown afterwards takes slot 1.
    void Init();
    // Throws an item from (x, y) at `angle` degrees (90 falls straight down). A type without a
    // picture is ignored and takes no slot.
    void Drop(int32_t x, int32_t y, int32_t type, int32_t angle, int32_t speed);
    // One frame of slot i: field test, movement by type, then the pickup test.
    void Move(int32_t i);
    // Slot i, when in play: the whole picture of its type, keyed and clipped to the play field.
    void Draw(int32_t i, CImage32& dest) const;
};

extern CItemMannager g_ItemMannager;
