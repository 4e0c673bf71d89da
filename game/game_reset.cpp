#include "game/game_reset.h"

#include "bosses/boss.h"
#include "enemies/stage_script.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/replay.h"
#include "game/input.h"
#include "game/scenes.h"
#include "shooting/bomb.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/item.h"
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "shooting/missile.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

uint8_t g_bMenuConfirm = 0;

namespace {

// The stages a run plays: the bonus stage and stages 1 to 5. The seventh entry is never reset.
constexpr int32_t kPlayedStages = 6;

}  // namespace

void ResetInputEdges() {
    const uint8_t pause = g_Input.pause;
    g_Input = InputState();
    g_Input.pause = pause;
}

void NewShip(int32_t power) {
    g_Player.Init();
    g_Player.lives = 3;
    g_Player.bombs = 3;
    g_Player.power = power;
    g_nShotType = 0;
    SeedRand(1);
}

void ResetGameState() {
    g_bContinued = 0;
    g_Player.Init();
    // A run given up mid-stage leaves its chain and kills behind; the next run, or a replay,
    // would start with points the recorded run never had.
    g_pPointMannager->chain = 0;
    g_pPointMannager->killCount = 0;
    g_pPointMannager->LoadScores();
    for (int32_t i = 0; i < kPlayedStages; ++i) {
        if (g_pStageList[i] != nullptr) g_pStageList[i]->Reset();
        if (g_pBossList[i] != nullptr) g_pBossList[i]->Init();
    }
    g_KillerShotMannager.Init();
    g_EBMannager.Init();
    ResetInputEdges();
    g_BulletMannager.Init();
    g_ItemMannager.Init();
    g_EffectMannager.Reset();
    InitBombState();
    g_MissileMannager.Init();
    g_LBMannager.Init();
    g_bMenuConfirm = 0;
    g_Player.Init();
    g_nStage = 1;
    g_BackBuffer.Darken(255);
    g_Replay.stagePos = 0;
    g_Replay.bossPos = 0;
    CEnemyMannager::LoadImages();
    g_pBoss = g_pBossList[1];
    if (g_pBoss != nullptr) g_pBoss->Init();
    SeedRand(1);
}
