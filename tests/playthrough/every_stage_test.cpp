#include <gtest/gtest.h>

#include "../engine/temp_dir.h"
#include "game/scenes.h"
#include "tools/playthrough/harness.h"

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
        StartStage(stage, 2);
        HelpedPlayer player;
        for (int t = 0; t < 16000 && g_nScene != kSceneStageEnd; ++t)
            player.Step(game);
        EXPECT_GT(player.BossFrames(), 0) << "stage " << stage << " never reached its boss";
    }
}
