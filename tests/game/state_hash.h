#pragma once

#include <cstdint>
#include <cstring>

#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/replay.h"
#include "game/scenes.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/item.h"
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "shooting/missile.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"
#include "enemies/stage_script.h"

// A fingerprint of the game state a replay must reproduce: the generator, the scene, the
// player, the score keeper and every object in play in every pool.
class StateHash {
public:
    template <class T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes) hash_ = (hash_ ^ byte) * 1099511628211ull;
    }

    void AddObject(const CFlingObject& o) {
        if (o.alive == 0) return;
        Add(o.x);
        Add(o.y);
        Add(o.vx);
        Add(o.vy);
        Add(o.kind);
        Add(o.hp);
        Add(o.age);
    }

    uint64_t Value() const { return hash_; }

private:
    uint64_t hash_ = 14695981039346656037ull;
};

inline uint64_t HashGameState() {
    StateHash h;
    h.Add(RandState());
    h.Add(static_cast<int32_t>(g_nNextScene));
    h.Add(g_nScene);
    h.Add(g_nStage);
    h.Add(g_Replay.stagePos);
    h.Add(g_Replay.bossPos);
    h.Add(g_Player.x);
    h.Add(g_Player.y);
    h.Add(g_Player.lives);
    h.Add(g_Player.bombs);
    h.Add(g_Player.power);
    h.Add(g_Player.dying);
    h.Add(g_Player.invincible);
    h.Add(g_nShotType);
    if (g_pPointMannager != nullptr) {
        h.Add(g_pPointMannager->score);
        h.Add(g_pPointMannager->chain);
        h.Add(g_pPointMannager->powerGauge);
        h.Add(g_pPointMannager->extendGauge);
        h.Add(g_pPointMannager->itemCount);
    }
    for (const CBullet& shot : g_BulletMannager.shots) h.AddObject(shot);
    for (const CEBullet& bullet : g_EBMannager.bullets) h.AddObject(bullet);
    for (const CItem& item : g_ItemMannager.items) h.AddObject(item);
    for (const CMissile& missile : g_MissileMannager.missiles) h.AddObject(missile);
    for (const CKillerShot& shot : g_KillerShotMannager.shots) h.AddObject(shot);
    for (const CLazerBullet& shot : g_LBMannager.shots) h.AddObject(shot);
    if (g_pStage != nullptr) {
        for (int32_t i = 0; i < CEnemyMannager::kEnemyCount; ++i) h.AddObject(g_pStage->enemies[i]);
    }
    return h.Value();
}
