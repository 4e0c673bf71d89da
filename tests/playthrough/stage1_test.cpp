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
        {0, 0x8c82b86bf942dbd8ull},    {500, 0xb2caab0edcbd1008ull},  {1000, 0x7867419fd3cee27full},
        {1500, 0x0226750382a97539ull}, {2000, 0x39cd62d4555a946full}, {2500, 0xf64cfceb462db566ull},
        {3000, 0x7840fdc5fc9217ffull}, {3500, 0x64be7b40923e5665ull}, {4000, 0xed2b11861c670d5dull},
        {4500, 0x2d11fb06917ca5c5ull}, {5000, 0xe68dc83be5097962ull}, {5500, 0x00cedba16c573a25ull},
        {6000, 0x8c9869bf64f3af22ull}, {6500, 0x87f315258581f96aull}, {7000, 0xded409ed8d590b69ull},
        {7500, 0xd9be096dcb2d9613ull},
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
