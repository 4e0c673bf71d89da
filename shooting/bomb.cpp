#include "shooting/bomb.h"

#include "engine/game_state.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/player.h"

BombState g_Bomb;

namespace {

constexpr int32_t kLastFrame = 150;
constexpr int32_t kClearFrames = 140;  // the pool is emptied on frames 0, 4, ..., 136

}  // namespace

void InitBombState() {
    g_bBombActive = 0;
    g_Bomb.counter = 0;
    g_Bomb.running = 0;
}

void RunBomb() {
    const int32_t n = g_Bomb.counter;
    const int32_t px = g_Player.hitX;
    const int32_t py = g_Player.hitY;
    g_bBombActive = 1;
    if (n == 1) {
        g_EffectMannager.AddMid(px, py, 2, 7, 0, 0);
    } else if (n < kClearFrames && n % 4 == 0) {
        g_EBMannager.KillAll();
    }
    // No blast while the ship sits at the bottom edge or below the field.
    if (py > 8) {
        g_EffectMannager.AddMidEx(px - 120, py - 20, 8, 2, 0, 0, (n % 8) / 2, 1);
        if (n == 2) g_EffectMannager.AddMidEx(px - 108, py + 12, 8, 3, 0, -20, 0, 40);
    }
    if (n >= kLastFrame) {
        g_bBombActive = 0;
        g_Bomb.counter = 0;
        g_Bomb.running = 0;
    }
    g_Bomb.counter += 1;
}
