#include <gtest/gtest.h>

#include <utility>

#include "../engine/temp_dir.h"
#include "bosses/boss.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/scenes.h"
#include "harness.h"
#include "shooting/player.h"

// Every other stage at the hardest level, each from a new game as the stage end would start
// it, with a ship that cannot be hit: the stage script runs to its end, the boss fight follows
// and the boss is worn down every 900 frames until its defeat sequence ends. In the sanitizer
// build this walks every enemy kind's and every boss's script for faults.
TEST(EveryStage, PlaysThroughItsScriptIntoTheBossFight) {
    TempDir folder;
    Playthrough game(folder.Path().string());
    while (g_nScene != kSceneTitle)
        game.Step(0);

    // After each boss the stage index moves on in the order 1, 2, 3, bonus (0), 4, 5, end (6).
    const std::pair<int32_t, int32_t> stages[] = {{0, 4}, {2, 3}, {3, 0}, {4, 5}, {5, 6}};
    for (const auto& [stage, next] : stages) {
        ResetGameState();
        g_nStage = stage;
        g_nLevel = 2;
        g_pBoss = g_pBossList[stage];
        g_pBoss->Init();
        g_nNextScene = kSceneGame;
        SwitchScene();

        int bossFrames = 0;
        for (int t = 0; t < 16000 && g_nScene != kSceneStageEnd; ++t) {
            game.Step(ScriptedPlayKeys(t));
            g_Player.invincible = 1;
            if (g_nScene != kSceneBoss) continue;
            ++bossFrames;
            if (bossFrames % 900 == 0) g_pBoss->hp = 0;
        }
        EXPECT_GT(bossFrames, 0) << "stage " << stage << " never reached its boss";
        EXPECT_EQ(g_nStage, next) << "after stage " << stage;
    }
}
