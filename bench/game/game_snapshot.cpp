#include "bench/game/game_snapshot.h"

#include <malloc.h>

#include <cstring>

#include "bosses/boss.h"
#include "bosses/boss_child.h"
#include "enemies/background.h"
#include "enemies/kind_scripts.h"
#include "enemies/stage_script.h"
#include "engine/draw_mode.h"
#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/random.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/frame.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "platform/headless/headless.h"
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

namespace {

// The generator's multiplier and its inverse modulo 2^32.
constexpr uint32_t kRandMultiplier = 22695477u;
constexpr uint32_t InverseOf(uint32_t a) {
    uint32_t x = a;  // Newton's iteration: each step doubles the correct low bits
    for (int i = 0; i < 5; ++i)
        x *= 2u - a * x;
    return x;
}
static_assert(kRandMultiplier * InverseOf(kRandMultiplier) == 1u);

// The seed whose one draw leaves the generator at `state`.
uint32_t SeedLeading(uint32_t state) {
    return (state - 1u) * InverseOf(kRandMultiplier);
}

template <class Image>
std::pair<size_t, size_t> RangeOf(const void* object, const Image& member) {
    return {static_cast<size_t>(reinterpret_cast<const std::byte*>(&member) -
                                static_cast<const std::byte*>(object)),
            sizeof(Image)};
}

}  // namespace

template <class T>
void GameSnapshot::Add(T& object) {
    AddBytes(static_cast<void*>(&object), sizeof(T));
}

void GameSnapshot::AddBytes(void* at, size_t size, std::vector<std::pair<size_t, size_t>> keep) {
    Region region{at, std::vector<std::byte>(size), std::move(keep)};
    std::memcpy(region.bytes.data(), at, size);
    regions_.push_back(std::move(region));
}

void GameSnapshot::AddHeapObject(void* object) {
    AddBytes(object, malloc_usable_size(object));
}

void GameSnapshot::Capture() {
    regions_.clear();
    randState_ = RandState();
    ticks_ = platform::Ticks();

    // Where the game stands.
    Add(g_nScene);
    Add(g_pScene);
    Add(g_nNextScene);
    Add(g_nStage);
    Add(g_nLevel);
    Add(g_pStage);
    Add(g_pBG);
    Add(g_pBoss);
    Add(g_pfnBossProgress);
    Add(g_pPointMannager);
    Add(g_nShotType);
    Add(g_bBombActive);
    Add(g_bContinued);
    Add(g_bReplay);
    Add(g_bMenuConfirm);
    Add(g_Input);
    Add(g_aKey);
    Add(g_nPromptCursor);
    Add(g_nPromptFrames);
    Add(g_bPromptSnapshot);
    Add(g_bPresentPlayArea);
    Add(g_Replay);
    Add(g_aReplayStage);
    Add(g_aReplayBoss);
    Add(SoundRequest);
    Add(g_nFps);
    Add(g_nFpsFrames);
    Add(g_dwFpsTime);

    // Shared drawing state the scenes leave behind them.
    Add(g_DrawKey);
    Add(g_DrawCopy);
    Add(g_DrawMode3);
    Add(g_DrawAdd255);
    Add(g_DrawAdd);
    Add(g_DrawChatText);
    Add(g_bFlickerAdd);
    Add(g_bBossFlash);
    AddBytes(g_BackBuffer.pixels, sizeof(uint32_t) * kScreenWidth * kScreenHeight);

    // The pools, without their sheets.
    Add(g_BulletMannager.next);
    Add(g_BulletMannager.shots);
    Add(g_EBMannager.next);
    Add(g_EBMannager.bullets);
    Add(g_ItemMannager.items);
    Add(g_ItemMannager.index);
    Add(g_KillerShotMannager);
    Add(g_LBMannager);
    Add(g_MissileMannager.next);
    Add(g_MissileMannager.missiles);
    Add(g_ELazer);
    Add(g_EffectMannager.midIndex);
    Add(g_EffectMannager.backIndex);
    Add(g_EffectMannager.frontIndex);
    Add(g_EffectMannager.mid);
    Add(g_EffectMannager.back);
    Add(g_EffectMannager.front);
    Add(g_Bomb);
    AddBytes(&g_Player, sizeof(CPlayer),
             {RangeOf(&g_Player, g_Player.sprite), RangeOf(&g_Player, g_Player.laserImage),
              RangeOf(&g_Player, g_Player.laserHitImage)});
    Add(*g_pPointMannager);

    // The stage, its enemies and their shared anchors, the boss and its sprites, the scenes.
    Add(g_nAnchorX31);
    Add(g_nAnchorY31);
    Add(g_nAnchorX0);
    Add(g_nAnchorY0);
    if (g_pStage != nullptr) {
        AddHeapObject(g_pStage);
        AddBytes(g_pStage->enemies.get(), sizeof(CEnemy) * CEnemyMannager::kEnemyCount);
    }
    if (g_pBG != nullptr) AddHeapObject(g_pBG);
    if (g_pBoss != nullptr) AddHeapObject(g_pBoss);
    Add(g_pBossChild);
    Add(g_pBossParts);
    AddHeapObject(g_pGame);
    AddHeapObject(g_pGameBoss);
}

void GameSnapshot::Restore() const {
    for (const Region& region : regions_) {
        auto* at = static_cast<std::byte*>(region.at);
        size_t from = 0;
        for (const auto& [offset, size] : region.keep) {
            std::memcpy(at + from, region.bytes.data() + from, offset - from);
            from = offset + size;
        }
        std::memcpy(at + from, region.bytes.data() + from, region.bytes.size() - from);
    }
    SeedRand(SeedLeading(randState_));
    platform::headless::SetTicks(ticks_);
}
