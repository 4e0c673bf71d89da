#include "game/game_reset.h"

#include "bosses/boss.h"
#include "enemies/background.h"
#include "enemies/kind_scripts.h"
#include "enemies/stage_script.h"
#include "engine/draw_mode.h"
#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/random.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/character_select.h"
#include "game/ending.h"
#include "game/frame.h"
#include "game/input.h"
#include "game/key_config.h"
#include "game/level_select.h"
#include "game/scenes.h"
#include "game/stage_end.h"
#include "game/title.h"
#include "shooting/bomb.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/enemy_laser.h"
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

// Option-laser contacts are counted on the enemy itself and a stage's reset does not clear them;
// a new game must not inherit the last game's, or a replay watched in the same session would
// part from the run it recorded.
void ClearLaserContacts(CEnemyObject& e) {
    e.laserTouched = 0;
    e.laserCount = 0;
}

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

void ResetProgramState() {
    g_nStage = 1;
    g_nLevel = 0;
    g_bChat = 0;
    g_nChat = 0;
    g_bReplay = 0;
    g_nReplaySlot = 0;
    g_nShotType = 0;
    g_bBombActive = 0;
    g_bContinued = 0;
    g_nScene = 0;
    g_nNextScene = 0;
    g_pStage = nullptr;
    g_pBG = nullptr;
    g_pBoss = nullptr;
    g_pfnBossProgress = nullptr;
    g_bBossFlash = 0;
    g_bFlickerAdd = false;
    g_DrawCopy = CDrawMode();
    for (auto& request : SoundRequest)
        request = 0;

    g_Input = InputState();
    for (uint8_t& key : g_aKey)
        key = 0;
    g_nPromptCursor = 1;
    g_nPromptFrames = 0;
    g_nStickUpRepeat = 0;
    g_nStickDownRepeat = 0;
    g_bPromptSnapshot = 0;
    g_bPresentPlayArea = 0;
    g_bMenuConfirm = 0;
    g_TitleMenu = TitleMenu();
    g_LevelSelectMenu = LevelSelectMenu();
    g_KeyConfigMenu = KeyConfigMenu();
    g_Intro = IntroState();
    g_Story = StoryState();
    g_NameEntry = NameEntryState();
    g_nFpsFrames = 0;
    g_nFps = 0;
    g_dwFpsTime = 0;

    g_Player.Init();
    g_BulletMannager.Init();
    g_KillerShotMannager.Init();
    g_EBMannager.Init();
    g_ItemMannager.Init();
    g_MissileMannager.Init();
    g_LBMannager.Init();
    g_ELazer.Clear();
    g_EffectMannager.Reset();
    InitBombState();
    g_nAnchorX31 = 0;
    g_nAnchorY31 = 0;
    g_nAnchorX0 = 0;
    g_nAnchorY0 = 0;
    g_Replay.Reset();
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
        if (g_pStageList[i] != nullptr) {
            g_pStageList[i]->Reset();
            for (int32_t k = 0; k < CEnemyMannager::kEnemyCount; ++k)
                ClearLaserContacts(g_pStageList[i]->enemies[k]);
        }
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
