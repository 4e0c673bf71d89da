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
        {0, 0x8c82b86bf942dbd8ull},    {500, 0x198455c1388e3b47ull},  {1000, 0xf05dcc3b0ee460a8ull},
        {1500, 0x5162ecb8f20636b6ull}, {2000, 0xd9d4de1f0660eef4ull}, {2500, 0x2d1d2c672c525063ull},
        {3000, 0xc510f99fab474dcaull}, {3500, 0xf53ed7f1881735e9ull}, {4000, 0xd225290293e0c74eull},
        {4500, 0x63e33f43d26c1850ull}, {5000, 0x09663f46d02c9d63ull}, {5500, 0xca383588394e62c7ull},
        {6000, 0x6bde5891e6c27f52ull}, {6500, 0xdf7b3e7fee64d385ull}, {7000, 0x0cfa0370b612f3acull},
        {7500, 0xb7a7ced038a377a0ull},
    };
    // And the back buffer at a few of them: the layers drawn in their order.
    const std::map<int, uint64_t> pictures = {
        {1000, 0xf9e72a72285aabaeull}, {3000, 0xdd80903b73508332ull}, {5500, 0x39756b312bbc478full},
        {6500, 0x0fa3c8af8a7a139cull}, {7500, 0x689a29ad2cec6ee3ull},
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
