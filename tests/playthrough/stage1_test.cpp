#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "../engine/temp_dir.h"
#include "engine/game_state.h"
#include "game/scenes.h"
#include "shooting/player.h"
#include "tools/playthrough/harness.h"

// Stage 1 from the logo into the boss fight with a scripted player. The states at these frames
// of play were recorded from this run; any change to the order of updates, the random draws
// or the arithmetic shows up here, in the release build and the sanitizer build alike.
TEST(Stage1Playthrough, ReachesTheBossWithTheRecordedStates) {
    const std::pair<int, uint64_t> recorded[] = {
        {0, 0x1ea7265927d09db6ull},    {500, 0x539b0f3034792d05ull},  {1000, 0xabf2fa9b81c86067ull},
        {1500, 0xc6923092561479cfull}, {2000, 0x96926a789b6f903dull}, {2500, 0x4d309df0c076398eull},
        {3000, 0x1ffd495467990ee0ull}, {3500, 0x16cc57df1a4b65e0ull}, {4000, 0x15d990189120b0c4ull},
        {4500, 0x2518ec8a3ff9969eull}, {5000, 0x80037a999e012929ull}, {5500, 0x832fe637f3b690b1ull},
        {6000, 0x3f53273cf747d1c6ull}, {6500, 0x1b9724355e8cb66full}, {7000, 0x5dc7de6c79402f7eull},
        {7500, 0xd34656a7328818f1ull},
    };
    // And the back buffer at a few of them: the layers drawn in their order.
    const std::map<int, uint64_t> pictures = {
        {1000, 0x4043f3e54740b1acull}, {3000, 0x3c7ca97dde060801ull}, {5500, 0x02da712b1266216cull},
        {6500, 0x023c931d97e7084dull}, {7500, 0x3dd45ada09b855c5ull},
    };
    TempDir folder;
    Playthrough game(folder.Path().string());
    ASSERT_TRUE(game.RunMenusToStagePlay());
    ASSERT_EQ(game.Frame(), 291);  // the next frame is the first of stage play

    int t = 0;
    for (const auto& [frame, hash] : recorded) {
        while (t < frame)
            game.Step(ScriptedPlayKeys(t++));
        EXPECT_EQ(HashGameState(), hash) << "after " << frame << " frames of play";
        if (const auto picture = pictures.find(frame); picture != pictures.end()) {
            EXPECT_EQ(HashBackBuffer(), picture->second) << "picture after " << frame << " frames";
        }
        if (frame == 6000) {
            // The stage script runs 6001 frames (from -200 to past 5800), then one frame of
            // conversation leads to the boss fight.
            EXPECT_EQ(g_nScene, kSceneGame);
            EXPECT_EQ(g_Player.lives, 1);  // the scripted player loses two ships on the way
        }
        if (frame == 6500) {
            EXPECT_EQ(g_nScene, kSceneBoss);
        }
    }
}
