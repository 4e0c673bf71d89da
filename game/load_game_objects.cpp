#include "bosses/boss.h"
#include "bosses/boss_child.h"
#include "enemies/stage_script.h"
#include "engine/replay.h"
#include "game/app.h"
#include "game/game_reset.h"
#include "game/global_objects.h"
#include "game/play_screen.h"
#include "game/scenes.h"
#include "game/sprite_images.h"
#include "platform/platform.h"

namespace {

// The seven stage scripts by stage index, made once for the whole run.
void CreateStageScripts() {
    if (g_pStageList[0] != nullptr) return;
    g_pStageList[0] = new CStageB;
    g_pStageList[1] = new CStage1;
    g_pStageList[2] = new CStage2;
    g_pStageList[3] = new CStage3;
    g_pStageList[4] = new CStage4;
    g_pStageList[5] = new CStage5;
    g_pStageList[6] = new CStage6;
}

}  // namespace

void LoadGameObjects() {
    const bool fullscreen = g_Variant == Variant::Fullscreen;
    // The display stays switched until the program ends.
    if (fullscreen) platform::EnterFullscreen();
    g_Replay.Reset();
    if (fullscreen) {
        LoadBattleFrameImage();
        LoadTitleAndContinuePictures();
    }
    g_ReplaySelectImage.Load("img/replay.bmp");
    LoadBossEffectImages();
    CreateStageScripts();
    CreateBosses();
    g_pBoss = g_pBossList[1];
    if (g_pBoss != nullptr) g_pBoss->Init();
    ResetGameState();
}
