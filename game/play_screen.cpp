#include "game/play_screen.h"

#include <cstdint>

#include "engine/game_state.h"
#include "engine/requests.h"
#include "game/input.h"
#include "game/scenes.h"
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

PanelImages g_Panels;

namespace {

// Shot-type icon places by shot type: x, y, and the source row in "img/panel-weapon.bmp".
struct ShotTypeIcon {
    int32_t x, y, sourceY;
};
constexpr ShotTypeIcon ShotTypeIconTable[3] = {{35, 122, 54}, {47, 100, 27}, {59, 78, 0}};

void Key(const CImage32& image, int32_t x, int32_t y) {
    g_BackBuffer.BltNoClipAll(g_DrawKey, x, y, image);
}

void KeyRect(const CImage32& image, int32_t x, int32_t y, int32_t sx, int32_t sy, int32_t w,
             int32_t h) {
    g_BackBuffer.BltNoClip(g_DrawKey, x, y, image, sx, sy, w, h);
}

void DrawGauges() {
    const CPointMannager& points = *g_pPointMannager;
    Key(g_Panels.gageItemEmpty, 25, 272);
    KeyRect(g_Panels.gageItem, 25, 272, 0, 0, points.extendGauge / 100, 6);
    Key(g_Panels.gageItemEmpty, 25, 226);
    KeyRect(g_Panels.gageDestruction, 25, 226, 0, 0, points.powerGauge / 100, 6);
}

// Ten digits from the least significant, leading zeros drawn, a separator after every third.
void DrawTenDigits(uint32_t value, int32_t y) {
    const CDrawMode copy;
    for (int32_t i = 0; i < 10; ++i) {
        const int32_t digit = static_cast<int32_t>(value % 10);
        value /= 10;
        g_BackBuffer.Blt(copy, 623 - 10 * i - 4 * (i / 3), y, g_Panels.scoreDigits, 10 * digit, 0,
                         10, 14);
        if (i == 3 || i == 6 || i == 9) {
            g_BackBuffer.Blt(copy, 633 - 10 * i - 4 * (i / 3), y, g_Panels.scoreDigits, 100, 0, 4,
                             14);
        }
    }
}

void DrawEvenHalf() {
    Key(g_Panels.rightLifeGage, 534, 263);
    Key(g_Panels.rightGage, 547, 33);
    DrawGauges();
    KeyRect(g_Panels.stageNumber, 72, 392, 12 * g_nStage, 0, 12, 15);
    g_BackBuffer.BltNoClip(CDrawMode(), 18, 336, g_Panels.level, 0, 21 * g_nLevel, 74, 21);
    for (int32_t i = 0; i < g_Player.lives; ++i) {
        Key(g_Panels.lifeIcon, 534 + i * (g_Panels.lifeIcon.width + 1), 263);
    }
    for (int32_t i = 0; i < g_Player.power; ++i) {
        Key(g_Panels.powerIcon, 547, 33 + i * (g_Panels.powerIcon.height + 2));
    }
}

void DrawOddHalf() {
    Key(g_Panels.rightGage, 583, 25);
    DrawGauges();
    for (int32_t i = 0; i < g_Player.bombs; ++i) {
        Key(g_Panels.powerIcon, 583, 25 + i * (g_Panels.powerIcon.height + 2));
    }
    const CPointMannager& points = *g_pPointMannager;
    const uint32_t score = static_cast<uint32_t>(points.score);
    const uint32_t hiScore = static_cast<uint32_t>(points.hiScore);
    DrawTenDigits(score, 347);
    DrawTenDigits(score > hiScore ? score : hiScore, 401);
}

void DrawBattleFrame() {
    const CDrawMode copy;
    const CImage32& frame = g_Panels.battleFrame;
    g_BackBuffer.Blt(copy, 0, 2, frame, 0, 0, 132, 476);
    g_BackBuffer.Blt(copy, 508, 2, frame, 508, 0, 132, 476);
    g_BackBuffer.Blt(copy, 132, 2, frame, 132, 0, 376, 6);
    g_BackBuffer.Blt(copy, 132, 470, frame, 132, 468, 376, 8);
}

}  // namespace

void LoadBattleFrameImage() {
    g_Panels.battleFrame.Load("img/BattleFrame.bmp");
}

void LoadPanelImages() {
    g_Panels.rightLifeGage.Load("img/right-life-gage.bmp");
    g_Panels.rightGage.Load("img/right-gage.bmp");
    g_Panels.gageItem.Load("img/gage-item.bmp");
    g_Panels.gageRecklessEmpty.Load("img/gage-reckless-empty.bmp");
    g_Panels.gageItemEmpty.Load("img/gage-item-empty.bmp");
    g_Panels.gageDestruction.Load("img/gage-destruction.bmp");
    g_Panels.stageNumber.Load("img/stage-number.bmp");
    g_Panels.level.Load("img/level.bmp");
    g_Panels.panelWeaponEmpty.Load("img/panel-weapon-empty.bmp");
    g_Panels.panelWeapon.Load("img/panel-weapon.bmp");
    g_Panels.scoreDigits.Load("img/figur10_12.bmp");
    g_Panels.powerIcon.Load("img/p-b.bmp");
    g_Panels.lifeIcon.Load("img/l-b.bmp");
}

void LoadBossGaugeImages() {
    g_Panels.lifeBar.Load("img/life_bar.bmp");
    g_Panels.lifeGage.Load("img/life_gage.bmp");
}

void DrawHud(CTaskEngin& scene) {
    scene.frame += 1;
    const bool odd = (scene.frame % 2) != 0;
    g_bPresentPlayArea = odd && g_nNextScene != kSceneChat ? 1 : 0;
    if (scene.frame < 2) DrawBattleFrame();
    if (odd) {
        DrawOddHalf();
    } else {
        DrawEvenHalf();
    }
    Key(g_Panels.panelWeaponEmpty, 35, 78);
    const int32_t type = g_nShotType >= 0 && g_nShotType < 3 ? g_nShotType : 0;
    const ShotTypeIcon& icon = ShotTypeIconTable[type];
    KeyRect(g_Panels.panelWeapon, icon.x, icon.y, 0, icon.sourceY, 24, 27);
}

void RequestPrompts(CTaskEngin& scene, int32_t continueScene, int32_t pauseScene) {
    if (g_Player.lives < 0) {
        scene.frame = 0;
        g_bPromptSnapshot = 0;
        g_nNextScene = continueScene;
    }
    if (g_Input.pause != 0) {
        scene.frame = 0;
        g_bPromptSnapshot = 0;
        g_nNextScene = pauseScene;
        g_Input.pause = 0;
    }
}

void UpdatePlayerShots() {
    g_Player.Shoot(g_Input.shot);
    for (int32_t i = 0; i < CBulletMannager::kShotCount; ++i) {
        g_BulletMannager.Move(i);
        g_BulletMannager.Draw(i, g_BackBuffer);
    }
}

void UpdatePlayer() {
    g_Player.Move(g_Input.change);
    g_Player.Draw(g_BackBuffer);
}

void UpdateItems() {
    for (int32_t i = 0; i < CItemMannager::kItemCount; ++i) {
        g_ItemMannager.Move(i);
        g_ItemMannager.Draw(i, g_BackBuffer);
    }
}

void UpdateBackEffects() {
    g_EffectMannager.UpdateBack(g_BackBuffer);
}
void UpdateMidEffects() {
    g_EffectMannager.UpdateMid(g_BackBuffer);
}
void UpdateFrontEffects() {
    g_EffectMannager.UpdateFront(g_BackBuffer);
}

void UpdateEnemyShots() {
    for (int32_t i = 0; i < CEBMannager::kBulletCount; ++i) {
        g_EBMannager.Move(i);
        g_EBMannager.Draw(i, g_BackBuffer);
    }
    g_EBMannager.DrawBig(g_BackBuffer);
    for (int32_t i = 0; i < CMissileMannager::kMissileCount; ++i) {
        g_MissileMannager.Move(i);
        g_MissileMannager.Draw(i, g_BackBuffer);
    }
    for (int32_t i = 0; i < CKillerShotMannager::kShotCount; ++i) {
        g_KillerShotMannager.Move(i);
        g_KillerShotMannager.Draw(i, g_BackBuffer);
    }
}

void UpdateLasers() {
    for (int32_t i = 0; i < CLBMannager::kShotCount; ++i)
        g_LBMannager.Move(i);
    for (int32_t i = 0; i < CELazer::kRecordCount; ++i)
        g_ELazer.Draw(i);
    g_ELazer.Clear();
}

void DrawChainBar() {
    KeyRect(g_Panels.gageItem, 140, 14, 0, 0, g_pPointMannager->chain / 2, 6);
    Key(g_Panels.gageRecklessEmpty, 140, 14);
}
