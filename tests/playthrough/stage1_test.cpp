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
        {0, 0x8c82b86bf942dbd8ull},    {500, 0x1f3d548f475c7ac9ull},  {1000, 0x1d22cdcdf529e6f7ull},
        {1500, 0xe8a071ce578d4d3full}, {2000, 0x4fee041cb7bc4ef6ull}, {2500, 0x3f98957340f16537ull},
        {3000, 0xf0896b6b1ba8ec7full}, {3500, 0x13d38b7a5fd16601ull}, {4000, 0x3f82fe56a922edc3ull},
        {4500, 0xa02edff7c7511129ull}, {5000, 0xc80788205c1a05a0ull}, {5500, 0x04f9766462a7b361ull},
        {6000, 0x6ad5b25ead91ea55ull}, {6500, 0xa218732a523cb89eull}, {7000, 0x4012b8601c323770ull},
        {7500, 0x0f5197308833d5c3ull},
    };
    // And the back buffer at a few of them: the layers drawn in their order.
    const std::map<int, uint64_t> pictures = {
        {1000, 0x1d11b457a8633c64ull}, {3000, 0x0cf829fceb555023ull}, {5500, 0xf3ac80212cae2d41ull},
        {6500, 0xc3f31408ea4a3f88ull}, {7500, 0x0254691e3dac433dull},
    };
    TempDir folder;
    Playthrough game(folder.Path().string());
    game.RunMenusToStagePlay();
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
            EXPECT_EQ(g_Player.lives, 3);
        }
        if (frame == 6500) {
            EXPECT_EQ(g_nScene, kSceneBoss);
        }
    }
}
