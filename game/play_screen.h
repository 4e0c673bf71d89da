#pragma once

#include "engine/image.h"
#include "game/task_engine.h"

// The pictures of the play-screen panels, made when the window is created.
struct PanelImages {
    CImageShooting battleFrame;  // "img/BattleFrame.bmp": the frame around the play field
    CImageShooting rightLifeGage;
    CImageShooting rightGage;
    CImageShooting gageItem;
    CImageShooting gageRecklessEmpty;
    CImageShooting gageItemEmpty;
    CImageShooting gageDestruction;
    CImageShooting stageNumber;
    CImageShooting level;
    CImageShooting panelWeaponEmpty;
    CImageShooting panelWeapon;
    CImageShooting scoreDigits;  // "img/figur10_12.bmp"
    CImageShooting powerIcon;    // "img/p-b.bmp": one power point or one bomb
    CImageShooting lifeIcon;     // "img/l-b.bmp"
    CImageShooting lifeBar;      // the boss life gauge, empty
    CImageShooting lifeGage;     // and its fill
};
extern PanelImages g_Panels;

// Loads the frame picture (skipped by the full-screen program until the logo's 100th frame)
// and the panel pictures, in the order the start-up makes them.
void LoadBattleFrameImage();
void LoadPanelImages();
void LoadBossGaugeImages();

// The per-frame steps shared by stage play and the boss fight.

// A lost last life asks for the continue prompt, a pause request for the pause prompt (the
// later request wins when both come in one frame); the frame goes on either way.
void RequestPrompts(CTaskEngin& scene, int32_t continueScene, int32_t pauseScene);
void DrawHud(CTaskEngin& scene);
void UpdatePlayerShots();
void UpdatePlayer();
void UpdateItems();
void UpdateBackEffects();
void UpdateMidEffects();
void UpdateFrontEffects();
void UpdateEnemyShots();
// The 40 laser shots, then the enemy-laser records drawn and emptied.
void UpdateLasers();
// The chain gauge as a bar under the play field.
void DrawChainBar();
