#include "engine/random.h"
#include "scene_fixture.h"
#include "shooting/player.h"

using SceneSwitch = SceneFixture;

TEST_F(SceneSwitch, SelfRequestCausesNoSwitchAndNoStart) {
    Enter(kSceneTitle, g_pTitle);
    SwitchTo(kSceneTitle);
    EXPECT_EQ(g_pScene, g_pTitle);
    EXPECT_EQ(Scene(g_pTitle).starts, 0);
}

TEST_F(SceneSwitch, OnlyTheLastRequestOfAFrameIsSwitchedTo) {
    Enter(kSceneTitle, g_pTitle);
    g_nNextScene = kSceneLevelSelect;
    g_nNextScene = kSceneKeyConfig;
    SwitchScene();
    EXPECT_EQ(g_nScene, kSceneKeyConfig);
    EXPECT_EQ(g_pScene, g_pKeyConfig);
    EXPECT_EQ(Scene(g_pKeyConfig).starts, 1);
    EXPECT_EQ(Scene(g_pCharacterSelect).releases, 0);
}

TEST_F(SceneSwitch, LevelSelectRunsTheIntroductionsReleaseAndNoStart) {
    Enter(kSceneTitle, g_pTitle);
    g_pLevelSelect->state = 2;
    g_pLevelSelect->frame = 40;
    SwitchTo(kSceneLevelSelect);
    EXPECT_EQ(g_pScene, g_pLevelSelect);
    EXPECT_EQ(Scene(g_pCharacterSelect).releases, 1);
    EXPECT_EQ(Scene(g_pLevelSelect).starts, 0);
    EXPECT_EQ(g_pLevelSelect->state, 2);
    EXPECT_EQ(g_pLevelSelect->frame, 40);
}

TEST_F(SceneSwitch, TitleResetsTheRunAndStartsTheTitle) {
    Enter(kSceneLogo, g_pOpeningMovie);
    g_bReplay = 1;
    g_nShotType = 2;
    g_Player.lives = 0;
    g_Player.bombs = 9;
    g_Player.power = 7;
    g_pPointMannager->score = 1000;
    g_pPointMannager->itemCount = 4;
    g_pPointMannager->powerGauge = 300;
    g_pPointMannager->extendGauge = 200;
    g_pPointMannager->chain = 90;
    Rand();
    SwitchTo(kSceneTitle);
    EXPECT_EQ(g_pScene, g_pTitle);
    EXPECT_EQ(Scene(g_pTitle).starts, 1);
    EXPECT_EQ(g_bReplay, 0);
    EXPECT_EQ(g_nShotType, 0);
    EXPECT_EQ(g_Player.lives, 3);
    EXPECT_EQ(g_Player.bombs, 3);
    EXPECT_EQ(g_Player.power, 0);
    EXPECT_EQ(Rand(), 130);  // seeded with 1
    EXPECT_EQ(g_pPointMannager->score, 0);
    EXPECT_EQ(g_pPointMannager->itemCount, 0);
    EXPECT_EQ(g_pPointMannager->powerGauge, 0);
    EXPECT_EQ(g_pPointMannager->extendGauge, 0);
    EXPECT_EQ(g_pPointMannager->chain, 90);
}

TEST_F(SceneSwitch, StartsAndScenesOfEveryTarget) {
    struct Case {
        int32_t target;
        CTaskEngin** holder;
        int starts;
    };
    const Case cases[] = {
        {kSceneIntroduction, &g_pCharacterSelect, 1},
        {kSceneReplaySelect, &g_pReplaySelect, 1},
        {kSceneGame, &g_pGame, 1},
        {kSceneStageEnd, &g_pStageEnd, 0},
        {kSceneChat, &g_pGameChat, 0},
        {kSceneEnding, &g_pEnding, 0},
        {kSceneKeyConfig, &g_pKeyConfig, 1},
        {kSceneLogo, &g_pOpeningMovie, 0},
    };
    for (const Case& c : cases) {
        Enter(kSceneTitle, g_pTitle);
        const int before = Scene(*c.holder).starts;
        SwitchTo(c.target);
        EXPECT_EQ(g_pScene, *c.holder) << "target " << c.target;
        EXPECT_EQ(Scene(*c.holder).starts - before, c.starts) << "target " << c.target;
        EXPECT_EQ(g_nScene, c.target);
    }
}

TEST_F(SceneSwitch, EndingAndPauseGetTheBaseStartOnly) {
    Enter(kSceneStageEnd, g_pStageEnd);
    g_pEnding->state = 5;
    g_pEnding->frame = 9;
    SwitchTo(kSceneEnding);
    EXPECT_EQ(Scene(g_pEnding).starts, 0);
    EXPECT_EQ(g_pEnding->state, 0);
    EXPECT_EQ(g_pEnding->frame, 0);

    Enter(kSceneBoss, g_pGameBoss);
    g_pPause->frame = 33;
    SwitchTo(kScenePauseBoss);
    EXPECT_EQ(g_pScene, g_pPause);
    EXPECT_EQ(Scene(g_pPause).starts, 0);
    EXPECT_EQ(g_pPause->frame, 0);
    EXPECT_EQ(g_pPause->state, kSceneBoss);  // written after the start
}

TEST_F(SceneSwitch, ContinuePromptKeepsItsCounterAndRemembersTheScene) {
    Enter(kSceneGame, g_pGame);
    g_pContinue->frame = 12;
    SwitchTo(kSceneContinue);
    EXPECT_EQ(g_pScene, g_pContinue);
    EXPECT_EQ(g_pContinue->state, kSceneGame);
    EXPECT_EQ(g_pContinue->frame, 12);
    Enter(kSceneBoss, g_pGameBoss);
    SwitchTo(kSceneContinueBoss);
    EXPECT_EQ(g_pContinue->state, kSceneBoss);
}

TEST_F(SceneSwitch, PlayScenesStartAfterPauseButNotAfterContinue) {
    Enter(kScenePause, g_pPause);
    SwitchTo(kSceneGame);
    EXPECT_EQ(Scene(g_pGame).starts, 1);
    Enter(kSceneContinue, g_pContinue);
    SwitchTo(kSceneGame);
    EXPECT_EQ(Scene(g_pGame).starts, 1);

    Enter(kScenePauseBoss, g_pPause);
    SwitchTo(kSceneBoss);
    EXPECT_EQ(Scene(g_pGameBoss).starts, 1);
    Enter(kSceneContinueBoss, g_pContinue);
    SwitchTo(kSceneBoss);
    EXPECT_EQ(Scene(g_pGameBoss).starts, 1);
}

TEST_F(SceneSwitch, ReplayPositionsRestartOnlyWhenTheBossFightBegins) {
    struct Case {
        int32_t from;
        int32_t target;
        int32_t chat;
        bool reset;
    };
    const Case cases[] = {
        {kSceneChat, kSceneBoss, 1, true},    // the pre-boss conversation of stage 1
        {kSceneChat, kSceneBoss, 42, false},  // a conversation the boss asked for
        {kSceneChat, kSceneBoss, 52, false},        {kScenePauseBoss, kSceneBoss, 1, false},
        {kSceneContinueBoss, kSceneBoss, 1, false}, {kSceneContinue, kSceneGame, 1, false},
        {kScenePause, kSceneGame, 1, false},
    };
    for (const Case& c : cases) {
        Enter(c.from, g_pTitle);
        g_nStage = 1;
        g_nChat = c.chat;
        g_Replay.stagePos = 300;
        g_Replay.bossPos = 200;
        SwitchTo(c.target);
        EXPECT_EQ(g_Replay.stagePos, c.reset ? 0 : 300) << c.from << " -> " << c.target;
        EXPECT_EQ(g_Replay.bossPos, c.reset ? 0 : 200) << c.from << " -> " << c.target;
    }
}

TEST_F(SceneSwitch, UnknownNumbersOnlyUpdateTheSceneNumber) {
    Enter(kSceneTitle, g_pTitle);
    SwitchTo(1234);
    EXPECT_EQ(g_pScene, g_pTitle);
    EXPECT_EQ(g_nScene, 1234);
}

TEST(SceneNumbers, AreTheNumbersTheScenesAreKnownBy) {
    const int32_t numbers[][2] = {
        {kSceneLogo, 0},         {kSceneTitle, 3},          {kSceneLevelSelect, 4},
        {kSceneIntroduction, 5}, {kSceneReplaySelect, 7},   {kSceneGame, 10},
        {kSceneBoss, 50},        {kSceneStageEnd, 70},      {kSceneChat, 100},
        {kSceneContinue, 500},   {kSceneContinueBoss, 501}, {kScenePause, 510},
        {kScenePauseBoss, 511},  {kSceneEnding, 710},       {kSceneKeyConfig, 800},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(n[0], n[1]);
}
