#include <gtest/gtest.h>

#include <functional>

#include "engine/game_state.h"
#include "game/stage_end.h"
#include "shooting/hit_test.h"
#include "shooting/item.h"
#include "shooting/missile.h"
#include "tests/enemies/enemy_fixture.h"
#include "tests/engine/temp_dir.h"

namespace {

class ScoreWrap : public EnemyFixture {
protected:
    void TearDown() override {
        g_ItemMannager.Init();
        g_MissileMannager.Init();
        EnemyFixture::TearDown();
    }
    InTempDir dir_;
};

// Every way the score grows, started just below 2^31 (or 2^32): the sum passes the top of the
// signed range and reads back as the unsigned number the panel shows. The sanitizer build stops
// on any addition that overflows instead.
TEST_F(ScoreWrap, EveryAdditionWrapsAt32Bits) {
    struct Case {
        const char* path;
        uint32_t start;
        std::function<void()> add;
        uint32_t expected;
    };
    const Case cases[] = {
        {"shot hit (15)", 2147483640u,
         [] {
             CEnemyObject e;
             e.x = 300;
             e.y = 200;
             e.w = 40;
             e.h = 40;
             e.alive = 1;
             g_BulletMannager.Shoot(310, 210, 0, 0, 0, 0);
             HitByShot(e, 0);
         },
         2147483655u},
        {"item pick-up (3000)", 2147483600u,
         [] {
             g_Player.hitX = 270;
             g_Player.hitY = 10;
             g_ItemMannager.Drop(300, 300, 2, 90, 0);
             g_Player.hitX = 315;
             g_Player.hitY = 315;
             g_ItemMannager.Move(g_ItemMannager.index);
         },
         2147486600u},
        {"large missile burst (500)", 2147483600u,
         [] { g_MissileMannager.ShootEx(300, 300, 15, 13, 0.0, 0, 0, 0, 0).LargeBurst(); },
         2147484100u},
        {"enemy kill (500)", 2147483600u,
         [] {
             CEnemy e;
             e.Set(200, 480, 1, 0, 3, 1, 1);
             e.age = 100;
             e.Kill();
         },
         2147484100u},
        {"chain (100 drains to 98)", 2147483600u,
         [] {
             g_pPointMannager->chain = 100;
             g_pPointMannager->Update();
         },
         2147483698u},
        // (10 x 10 + 20 x 100 + 3 x 1000 + 2 x 5000) x 1.2 = 18120.
        {"stage-end bonus", 2147483600u,
         [] {
             g_nLevel = 1;
             g_pPointMannager->itemCount = 10;
             g_pPointMannager->killCount = 20;
             g_Player.bombs = 3;
             g_Player.lives = 2;
             CStageEnd stageEnd;
             for (int f = 0; f <= 100; ++f)
                 stageEnd.Run();
         },
         2147501720u},
        {"stage-end bonus past 2^32", 4294967000u,
         [] {
             g_nLevel = 1;
             g_pPointMannager->itemCount = 10;
             g_pPointMannager->killCount = 20;
             g_Player.bombs = 3;
             g_Player.lives = 2;
             g_pPointMannager->AddScore(StageBonus());
         },
         17824u},
        // 2147483647 x 10 = 21474836470, which is 2^32 - 10 modulo 2^32.
        {"bonus sum beyond 32 bits", 0u,
         [] {
             g_nLevel = 0;
             g_pPointMannager->itemCount = 2147483647;
             g_pPointMannager->killCount = 0;
             g_Player.bombs = 0;
             g_Player.lives = 0;
             g_pPointMannager->AddScore(StageBonus());
         },
         4294967286u},
    };
    for (const Case& c : cases) {
        points_ = CPointMannager();
        g_Player.Init();
        g_BulletMannager.Init();
        g_ItemMannager.Init();
        g_MissileMannager.Init();
        points_.score = static_cast<int32_t>(c.start);
        c.add();
        EXPECT_EQ(static_cast<uint32_t>(points_.score), c.expected) << c.path;
    }
}

}  // namespace
