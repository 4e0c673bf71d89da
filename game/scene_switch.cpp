#include "bosses/boss.h"
#include "enemies/stage_script.h"
#include "engine/game_state.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/chat.h"
#include "game/game_reset.h"
#include "game/scenes.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

CEnemyMannager* g_pStageList[kStageCount] = {};

namespace {

bool CameFromContinue(int32_t previous) {
    return previous == kSceneContinue || previous == kSceneContinueBoss;
}

void EnterTitle() {
    g_bReplay = 0;
    NewShip(0);
    // The chain gauge is left as it is.
    g_pPointMannager->score = 0;
    g_pPointMannager->itemCount = 0;
    g_pPointMannager->powerGauge = 0;
    g_pPointMannager->extendGauge = 0;
    g_pTitle->Start();
    g_pScene = g_pTitle;
}

void EnterBossFight(int32_t previous) {
    // The recorded boss stream restarts only when the stage's boss fight begins, after the
    // pre-boss conversation; returning from a prompt or a mid-fight conversation must carry on
    // where the stream was, or playback would read the wrong frames.
    if (previous == kSceneChat && g_nChat == g_nStage) {
        g_Replay.stagePos = 0;
        g_Replay.bossPos = 0;
    }
    g_pScene = g_pGameBoss;
    if (!CameFromContinue(previous)) g_pGameBoss->Start();
}

void EnterPrompt(CTaskEngin* prompt, int32_t returnScene, bool baseStart) {
    if (baseStart) prompt->CTaskEngin::Start();
    g_pScene = prompt;
    prompt->state = returnScene;
}

}  // namespace

void SwitchScene() {
    const int32_t next = g_nNextScene;
    const int32_t previous = g_nScene;
    if (next == previous) return;

    switch (next) {
        case kSceneLogo:
            g_pScene = g_pOpeningMovie;
            break;
        case kSceneTitle:
            EnterTitle();
            break;
        case kSceneLevelSelect:
            g_pCharacterSelect->Release();
            g_pScene = g_pLevelSelect;
            break;
        case kSceneIntroduction:
            g_pCharacterSelect->Start();
            g_pScene = g_pCharacterSelect;
            break;
        case kSceneReplaySelect:
            g_pReplaySelect->Start();
            g_pScene = g_pReplaySelect;
            break;
        case kSceneGame:
            g_pScene = g_pGame;
            if (!CameFromContinue(previous)) g_pGame->Start();
            break;
        case kSceneBoss:
            EnterBossFight(previous);
            break;
        case kSceneStageEnd:
            g_pScene = g_pStageEnd;
            // The next stage's boss is set up here, after the boss fight advanced the index.
            if (g_nStage >= 0 && g_nStage < kBossCount && g_pBossList[g_nStage] != nullptr) {
                g_pBoss = g_pBossList[g_nStage];
                g_pBoss->Init();
            }
            break;
        case kSceneChat:
            // The conversation player is made with the window; a switch driven without one
            // has no pages to load.
            if (g_pChat != nullptr) g_pChat->Load();
            CEnemyMannager::ReleaseImages();
            g_pScene = g_pGameChat;
            break;
        case kSceneContinue:
            EnterPrompt(g_pContinue, kSceneGame, false);
            break;
        case kSceneContinueBoss:
            EnterPrompt(g_pContinue, kSceneBoss, false);
            break;
        case kScenePause:
            EnterPrompt(g_pPause, kSceneGame, true);
            break;
        case kScenePauseBoss:
            EnterPrompt(g_pPause, kSceneBoss, true);
            break;
        case kSceneEnding:
            g_pEnding->CTaskEngin::Start();
            g_pScene = g_pEnding;
            break;
        case kSceneKeyConfig:
            g_pKeyConfig->Start();
            g_pScene = g_pKeyConfig;
            break;
        default:
            break;
    }
    g_nScene = next;
}
