#include "game/game_scene.h"

#include "enemies/background.h"
#include "enemies/stage_script.h"
#include "engine/angle.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "game/play_screen.h"
#include "game/scenes.h"
#include "shooting/bomb.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

namespace {

bool IsStageIndex(int32_t index) {
    return index >= 0 && index < kStageCount;
}

void DrawEnemy(const CEnemy& enemy) {
    const CImage32& sprite = g_pEnemyImage[enemy.kind];
    const int32_t x = static_cast<int32_t>(enemy.x);
    const int32_t y = static_cast<int32_t>(enemy.y);
    if (enemy.angle != 0) {
        g_BackBuffer.BltRotatedKey(x + enemy.w / 2, y + enemy.h / 2, DegToRad(enemy.angle), 1.0,
                                   enemy.draw, sprite, enemy.frameX, 0, enemy.w, enemy.h);
        return;
    }
    g_BackBuffer.BltField(enemy.draw, x, y, sprite, enemy.frameX, 0, enemy.w, enemy.h);
    const EnemySubSprite& sub = enemy.sub;
    if (sub.on == 0) return;
    if (sub.angle == 0) {
        g_BackBuffer.BltField(enemy.draw, x + enemy.w / 2 - sub.w / 2, y + sub.dy - sub.lift,
                              sprite, sub.srcX, 0, sub.w, sub.h);
    } else {
        g_BackBuffer.BltRotatedKeyPivot(x + enemy.w / 2, y + sub.dy, DegToRad(sub.angle), 1.0,
                                        enemy.draw, sprite, sub.srcX, 0, sub.w, sub.h, sub.lift);
    }
}

void DrawEnemies() {
    for (int32_t i = 0; i < CEnemyMannager::kEnemyCount; ++i) {
        const CEnemy& enemy = g_pStage->enemies[i];
        if (enemy.alive != 0 && IsEnemyKind(enemy.kind)) DrawEnemy(enemy);
    }
}

}  // namespace

void CGame::Start() {
    frame = 0;
    if (!IsStageIndex(g_nStage)) return;
    g_pStage = g_pStageList[g_nStage];
    g_pBG = g_pStageBGList[g_nStage];
    if (g_pBG == nullptr) return;
    g_pBG->Init();
    // Back from a prompt the background carries on where it was.
    if (!IsPromptScene(g_nScene)) {
        g_pBG->frame = 0;
        g_pBG->counter = 0;
        g_pBG->offset = 0;
        g_pBG->speed = 0;
    }
}

void CGame::Run() {
    RequestPrompts(*this, kSceneContinue, kScenePause);
    g_pBG->Draw();
    g_pPointMannager->Update();
    DrawHud(*this);
    UpdatePlayerShots();
    g_pStage->Run();
    UpdateBackEffects();
    DrawEnemies();
    UpdatePlayer();
    UpdateItems();
    g_Player.DrawLazer();
    if (g_Bomb.running != 0) RunBomb();
    UpdateMidEffects();
    UpdateEnemyShots();
    UpdateLasers();
    UpdateFrontEffects();
    if (g_pStage->IsEnd()) {
        frame = 0;
        g_nChat = g_nStage;
        g_nNextScene = kSceneChat;
    }
    DrawChainBar();
}
