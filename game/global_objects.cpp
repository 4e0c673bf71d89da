#include "game/global_objects.h"

#include "game/scenes.h"
#include "shooting/point_mannager.h"

CTaskEngin* g_pOpeningMovie = nullptr;
CTaskEngin* g_pCharacterSelect = nullptr;
CTaskEngin* g_pTitle = nullptr;
CTaskEngin* g_pLevelSelect = nullptr;
CTaskEngin* g_pGameChat = nullptr;
CTaskEngin* g_pContinue = nullptr;
CTaskEngin* g_pGame = nullptr;
CTaskEngin* g_pStageEnd = nullptr;
CTaskEngin* g_pGameBoss = nullptr;
CTaskEngin* g_pStory = nullptr;
CTaskEngin* g_pEnding = nullptr;
CTaskEngin* g_pKeyConfig = nullptr;
CTaskEngin* g_pPause = nullptr;
CTaskEngin* g_pReplaySelect = nullptr;

int32_t g_nScene = 0;
CTaskEngin* g_pScene = nullptr;
CEnemyMannager* g_pStage = nullptr;
CBackGround2* g_pBG = nullptr;
CBoss* g_pBoss = nullptr;

void CreateGlobalObjects() {
    g_pPointMannager = new CPointMannager;
    // Scene objects in the order they are made; each starts with state and frame 0.
    g_pOpeningMovie = new CTaskEngin;
    g_pCharacterSelect = new CTaskEngin;
    g_pTitle = new CTaskEngin;
    g_pLevelSelect = new CTaskEngin;
    g_pGameChat = new CTaskEngin;
    g_pContinue = new CTaskEngin;
    g_pGame = new CTaskEngin;
    g_pStageEnd = new CTaskEngin;
    // The stage-end tally's pictures belong to the score keeper.
    g_pPointMannager->LoadCompressedImage("img/point");
    g_pPointMannager->LoadImage("img/figur12_15.bmp");
    g_pGameBoss = new CTaskEngin;
    g_pStory = new CTaskEngin;
    g_pEnding = new CTaskEngin;
    g_pKeyConfig = new CTaskEngin;
    g_pPause = new CTaskEngin;
    g_pReplaySelect = new CTaskEngin;
    g_pScene = g_pOpeningMovie;
}
