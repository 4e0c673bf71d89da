#include "game/global_objects.h"

#include "bosses/boss_child.h"
#include "enemies/background.h"
#include "game/app.h"
#include "game/boss_scene.h"
#include "game/character_select.h"
#include "game/chat.h"
#include "game/continue_prompt.h"
#include "game/ending.h"
#include "game/game_reset.h"
#include "game/game_scene.h"
#include "game/key_config.h"
#include "game/level_select.h"
#include "game/opening_movie.h"
#include "game/pause_prompt.h"
#include "game/play_screen.h"
#include "game/replay_select.h"
#include "game/scenes.h"
#include "game/sprite_images.h"
#include "game/stage_end.h"
#include "game/story.h"
#include "game/title.h"
#include "shooting/enemy_bullet.h"
#include "shooting/missile.h"
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

namespace {

// A second creation of the window replaces the objects of the first, so it starts as fresh.
template <class T, class Holder>
void Remake(Holder*& holder) {
    delete holder;
    holder = new T;
}

}  // namespace

void CreateGlobalObjects() {
    ResetProgramState();
    // The full-screen program loads these pictures once its display has been switched.
    const bool deferPictures = g_Variant == Variant::Fullscreen;
    if (!deferPictures) LoadTitleAndContinuePictures();
    CreateBackgrounds();
    for (CImageShooting& image : g_pBossPartsImage)
        image.Create(1, 1);
    if (!deferPictures) LoadBattleFrameImage();
    LoadPanelImages();
    Remake<CChat>(g_pChat);

    Remake<CPointMannager>(g_pPointMannager);
    // The sheets of stage 1, where every run starts, and the missiles' sheet.
    delete[] g_pEBImage;
    g_pEBImage = new CImageShooting[4];
    g_pEBImage[0].Load("img/e-bullets.bmp");
    g_pEBImage[1].Load("img/e-d-bullets.bmp");
    g_pEBImage[2].Load("img/dark-bullets.bmp");
    g_pEBImage[3].Load("img/eb-missiles.bmp");
    g_MissileMannager.LoadImages();

    // The scene objects, each with state and frame 0, made in this order.
    Remake<COpeningMovie>(g_pOpeningMovie);
    Remake<CCharacterSelect>(g_pCharacterSelect);
    Remake<CTitle>(g_pTitle);
    Remake<CLevelSelect>(g_pLevelSelect);
    Remake<CGameChat>(g_pGameChat);
    Remake<CContinue>(g_pContinue);
    Remake<CGame>(g_pGame);
    Remake<CStageEnd>(g_pStageEnd);
    Remake<CGameBoss>(g_pGameBoss);
    Remake<CStory>(g_pStory);
    Remake<CEnding>(g_pEnding);
    Remake<CKeyConfig>(g_pKeyConfig);
    Remake<CPause>(g_pPause);
    Remake<CReplaySelect>(g_pReplaySelect);
    g_pScene = g_pOpeningMovie;
    LoadBossGaugeImages();
    InitGlyphGrid();
}
