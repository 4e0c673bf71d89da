#include <gtest/gtest.h>

#include "../engine/temp_dir.h"
#include "bosses/boss.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/scenes.h"
#include "harness.h"

// Every other stage at the hardest level, each from a new game as the stage end would start
// it, with a ship that cannot be hit: the stage script runs to its end, the boss fight follows
// and the boss is worn down every 900 frames until its defeat sequence ends. In the sanitizer
// build this walks every enemy kind's and every boss's script for faults.
TEST(EveryStage, PlaysThroughItsScriptIntoTheBossFight) {
    TempDir folder;
    Playthrough game(folder.Path().string());
    while (g_nScene != kSceneTitle)
        game.Step(0);

    for (const int32_t stage : {0, 2, 3, 4, 5}) {
        ResetGameState();
        g_nStage = stage;
        g_nLevel = 2;
        g_pBoss = g_pBossList[stage];
        g_pBoss->Init();
        g_nNextScene = kSceneGame;
        SwitchScene();

        Assist assist(900);
        for (int t = 0; t < 16000 && g_nScene != kSceneStageEnd; ++t) {
            game.Step(ScriptedPlayKeys(t));
            assist.AfterFrame();
        }
        EXPECT_GT(assist.BossFrames(), 0) << "stage " << stage << " never reached its boss";
    }
}
