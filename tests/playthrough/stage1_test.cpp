#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "../engine/temp_dir.h"
#include "engine/game_state.h"
#include "engine/image.h"
#include "game/scenes.h"
#include "harness.h"
#include "shooting/player.h"

namespace {

uint64_t HashBackBuffer() {
    uint64_t hash = 14695981039346656037ull;
    const uint32_t* pixels = g_BackBuffer.pixels;
    for (int32_t i = 0; i < kScreenWidth * kScreenHeight; ++i) {
        hash = (hash ^ pixels[i]) * 1099511628211ull;
    }
    return hash;
}

}  // namespace

// Stage 1 from the logo into the boss fight with a scripted player. The states at these frames
// of play were recorded from this run; any change to the order of updates, the random draws
// or the arithmetic shows up here, in the release build and the sanitizer build alike.
TEST(Stage1Playthrough, ReachesTheBossWithTheRecordedStates) {
    const std::pair<int, uint64_t> recorded[] = {
        {0, 0x8c82b86bf942dbd8ull},    {500, 0x4f8b062565ef728full},  {1000, 0x7ff3395b808d395bull},
        {1500, 0x36ceb6686ebd9e38ull}, {2000, 0x46b7723ecfcca703ull}, {2500, 0xf8d9d5777e8e1a22ull},
        {3000, 0xfadc43760c94f5b4ull}, {3500, 0x363e2bbc26ed76f1ull}, {4000, 0xc9956f2164bb7d5eull},
        {4500, 0x3152ddf50f7bb75bull}, {5000, 0x8be563b73ce13004ull}, {5500, 0x6c77c36d664b15c3ull},
        {6000, 0x0d4001d5b9923de6ull}, {6500, 0x06ddcb088cd7cbeaull}, {7000, 0xbb1e6c651361ee08ull},
        {7500, 0x642b711c2890d0b7ull},
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
