#pragma once

#include <cstdint>

#include "enemies/enemy.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "shooting/enemy_bullet.h"
#include "shooting/item.h"
#include "shooting/missile.h"
#include "tests/shooting/player_fixture.h"

// The ship, its shots, the effect rings and the enemy-side pools as a new game leaves them, on
// stage 1 at difficulty 0.
class EnemyFixture : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        g_EBMannager.Init();
        g_ItemMannager.Init();
        g_MissileMannager.Init();
        g_nStage = 1;
        g_nLevel = 0;
        SeedRand(1);
    }
    void TearDown() override {
        g_nStage = 1;
        g_nLevel = 0;
        PlayerFixture::TearDown();
    }

    // A shot that will hit the enemy's middle in its next shot test.
    static void ShotInto(const CEnemy& e) {
        g_BulletMannager.Shoot(static_cast<int32_t>(e.x) + e.w / 2,
                               static_cast<int32_t>(e.y) + e.h / 2, 0, 0, 0, 0);
    }

    // Live effects in a ring.
    template <size_t N>
    static int Live(const CEffect (&ring)[N]) {
        int n = 0;
        for (const CEffect& e : ring)
            n += e.alive;
        return n;
    }

    static int LiveItems(int32_t type) {
        int n = 0;
        for (const CItem& item : g_ItemMannager.items)
            n += item.alive != 0 && item.kind == type;
        return n;
    }
};
