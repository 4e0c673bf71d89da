#pragma once

#include <cstdint>

#include "game/task_engine.h"

class CEnemyMannager;
class CBackGround2;
class CBoss;

// Scene numbers, as written into g_nNextScene.
enum SceneNumber : int32_t {
    kSceneLogo = 0,
    kSceneTitle = 3,
    kSceneLevelSelect = 4,
    kSceneIntroduction = 5,
    kSceneReplaySelect = 7,
    kSceneGame = 10,
    kSceneBoss = 50,
    kSceneStageEnd = 70,
    kSceneChat = 100,
    kSceneContinue = 500,
    kSceneContinueBoss = 501,
    kScenePause = 510,
    kScenePauseBoss = 511,
    kSceneEnding = 710,
    kSceneKeyConfig = 800,
};

inline bool IsPlayScene(int32_t scene) {
    return scene == kSceneGame || scene == kSceneBoss;
}
inline bool IsPromptScene(int32_t scene) {
    return scene == kSceneContinue || scene == kSceneContinueBoss || scene == kScenePause ||
           scene == kScenePauseBoss;
}

extern int32_t g_nScene;  // the current scene; g_nNextScene is the requested one
extern CTaskEngin* g_pScene;

// The scene objects, made once at window creation.
extern CTaskEngin* g_pOpeningMovie;
extern CTaskEngin* g_pCharacterSelect;
extern CTaskEngin* g_pTitle;
extern CTaskEngin* g_pLevelSelect;
extern CTaskEngin* g_pGameChat;
extern CTaskEngin* g_pContinue;
extern CTaskEngin* g_pGame;
extern CTaskEngin* g_pStageEnd;
extern CTaskEngin* g_pGameBoss;
extern CTaskEngin* g_pStory;
extern CTaskEngin* g_pEnding;
extern CTaskEngin* g_pKeyConfig;
extern CTaskEngin* g_pPause;
extern CTaskEngin* g_pReplaySelect;

// The stage scripts by stage index (0 bonus, 1..5, 6), made at the logo's 100th frame.
inline constexpr int32_t kStageCount = 7;
extern CEnemyMannager* g_pStageList[kStageCount];

// The current stage script, background and boss.
extern CEnemyMannager* g_pStage;
extern CBackGround2* g_pBG;
extern CBoss* g_pBoss;

// Runs once a frame after the present: makes the requested scene current and performs the
// action that belongs to the transition. Nothing happens when no other scene was requested.
void SwitchScene();
