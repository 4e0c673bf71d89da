#include "game/boss_scene.h"

#include "bosses/boss.h"
#include "bosses/boss_child.h"
#include "enemies/background.h"
#include "engine/game_state.h"
#include "engine/music.h"
#include "engine/requests.h"
#include "game/chat.h"
#include "game/next_stage_assets.h"
#include "game/play_screen.h"
#include "game/scenes.h"
#include "shooting/bomb.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

namespace {

bool IsStageIndex(int32_t index) {
    return index >= 0 && index < kStageCount;
}

// The order of play: 1, 2, 3, the bonus stage, 4, 5; after 5 the run is over (6).
int32_t NextStageIndex(int32_t stage) {
    if (stage == 3) return 0;
    if (stage == 0) return 4;
    return stage + 1;
}

// What the boss backgrounds follow of the current boss.
BossProgress CurrentBossProgress() {
    if (g_pBoss == nullptr) return {};
    return {g_pBoss->phasesLeft, g_pBoss->entered != 0};
}

void MakeBossBackgroundCurrent() {
    g_pBG = g_pBossBGList[g_nStage];
    g_pBG->Init();
}

}  // namespace

void CGameChat::Run() {
    g_pBG->Draw();
    g_BackBuffer.BltAll(g_DrawKey, 0, 2, g_Panels.battleFrame);
    if (g_pChat->Run() == 0) g_nNextScene = kSceneBoss;
}

CGameBoss::CGameBoss() {
    g_pfnBossProgress = CurrentBossProgress;
    if (!IsStageIndex(g_nStage) || g_pBossBGList[g_nStage] == nullptr) return;
    MakeBossBackgroundCurrent();
    g_pBG->frame = 0;
}

void CGameBoss::Start() {
    MakeBossBackgroundCurrent();
    if (g_nScene != kSceneContinue && g_nScene != kSceneContinueBoss) g_pBG->frame = 0;
}

void CGameBoss::Run() {
    RequestPrompts(*this, kSceneContinueBoss, kScenePauseBoss);
    g_pBG->Draw();
    g_pPointMannager->Update();
    DrawHud(*this);
    UpdatePlayerShots();
    DrawBossChildren(g_BackBuffer);
    UpdateItems();
    UpdateBackEffects();
    g_pBoss->Act();
    DrawBoss(g_BackBuffer, *g_pBoss);
    UpdatePlayer();
    UpdateMidEffects();
    g_Player.DrawLazer();
    UpdateEnemyShots();
    UpdateLasers();
    UpdateFrontEffects();
    DrawBossGauge(g_BackBuffer, *g_pBoss, g_Panels.lifeBar, g_Panels.lifeGage);
    if (g_pBoss->CheckDefeat()) {
        g_nNextScene = kSceneStageEnd;
        frame = 0;
        g_nStage = NextStageIndex(g_nStage);
        g_Music.player.Stop();
        LoadNextStageAssets(g_nStage);
    }
    if (g_Bomb.running != 0) RunBomb();
    DrawChainBar();
}
