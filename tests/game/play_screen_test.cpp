#include "game/play_screen.h"

#include "enemies/background.h"
#include "game/game_scene.h"
#include "scene_fixture.h"
#include "shooting/player.h"

using PlayScreen = SceneFixture;

TEST_F(PlayScreen, LosingTheLastLifeAndPausingInOneFrameAsksForThePause) {
    RecordingScene scene;
    scene.frame = 40;
    g_Player.lives = -1;
    g_Input.pause = 1;
    g_bPromptSnapshot = 1;
    RequestPrompts(scene, kSceneContinue, kScenePause);
    EXPECT_EQ(g_nNextScene, kScenePause);
    EXPECT_EQ(g_Input.pause, 0);
    EXPECT_EQ(scene.frame, 0);
    EXPECT_EQ(g_bPromptSnapshot, 0);

    g_Player.lives = -1;
    RequestPrompts(scene, kSceneContinueBoss, kScenePauseBoss);
    EXPECT_EQ(g_nNextScene, kSceneContinueBoss);
    g_Player.lives = 3;
}

TEST_F(PlayScreen, ChainBarIsHalfTheGauge) {
    g_Panels.gageItem.Create(80, 6);
    for (int32_t x = 0; x < 80; ++x)
        g_Panels.gageItem.SetPixel(x, 0, 0x123456);
    g_Panels.gageRecklessEmpty.Create(1, 1);
    g_Panels.gageRecklessEmpty.SetPixel(0, 0, kColourKey);
    for (const auto& [chain, width] : {std::pair{1, 0}, {2, 1}, {152, 76}}) {
        g_BackBuffer.Create(kScreenWidth, kScreenHeight);
        g_pPointMannager->chain = chain;
        DrawChainBar();
        int32_t drawn = 0;
        while (*g_BackBuffer.GetPixelAddress(140 + drawn, 14) == 0x123456)
            ++drawn;
        EXPECT_EQ(drawn, width) << "chain " << chain;
    }
}

TEST_F(PlayScreen, StageStartRestartsTheBackgroundUnlessBackFromAPrompt) {
    CBackGround2 bg(7);
    CBackGround2* const saved = g_pStageBGList[2];
    g_pStageBGList[2] = &bg;
    g_nStage = 2;
    CGame game;
    for (const int32_t from : {kSceneLevelSelect, kScenePause}) {
        bg.speed = 9;
        bg.offset = 7;
        bg.frame = 5;
        bg.counter = 3;
        g_nScene = from;
        game.Start();
        const bool kept = from == kScenePause;
        EXPECT_EQ(bg.speed, kept ? 9 : 0) << from;
        EXPECT_EQ(bg.offset, kept ? 7 : 0) << from;
        EXPECT_EQ(bg.frame, kept ? 5 : 0) << from;
        EXPECT_EQ(bg.counter, kept ? 3 : 0) << from;
    }
    g_pStageBGList[2] = saved;
}
