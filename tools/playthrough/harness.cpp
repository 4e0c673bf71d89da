#include "tools/playthrough/harness.h"

#include <cstring>
#include <filesystem>
#include <set>
#include <stdexcept>

#include "bosses/boss.h"
#include "enemies/stage_script.h"
#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/random.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/frame.h"
#include "game/game_reset.h"
#include "game/global_objects.h"
#include "game/input.h"
#include "game/scenes.h"
#include "platform/headless/headless.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/item.h"
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "shooting/missile.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"
#include "tools/assets/assets.h"

Playthrough::Playthrough(const std::string& folder) {
    std::string error;
    if (!assets::WriteAssets(folder, &error)) throw std::runtime_error(error);
    std::filesystem::current_path(folder);
    platform::headless::Reset();
    CreateGlobalObjects();
    // The pictures a beaten boss swaps in that the window's creation does not load again: a
    // fresh program has the first effect picture 24 and no laser picture.
    g_EffectMannager.images[24].Load(kEffectImageFiles[24]);
    g_LazerImage.Free();
}

void Playthrough::Step(uint8_t keys) {
    for (int i = 0; i < kKeyFlagCount; ++i)
        g_aKey[i] = (keys >> i) & 1;
    platform::headless::AdvanceTicks(16);
    RunFrame();
    ++frame_;
}

bool Playthrough::RunMenusToStagePlay() {
    // The logo hands over on frame 200; the title takes Z on its 11th frame and fades for 16;
    // the level select's three rows take one Z each; the introduction fades for 41 frames.
    const std::set<int> shotFrames = {211, 231, 233, 235};
    while (g_nScene != kSceneGame) {
        Step(shotFrames.count(frame_ + 1) != 0 ? kInputShot : 0);
        if (frame_ > 400) return false;
    }
    return true;
}

void Playthrough::Press(uint8_t keys) {
    Step(keys);
    Step(0);
}

bool Playthrough::StepUntilScene(int32_t scene, int limit) {
    for (int i = 0; i < limit && g_nScene != scene; ++i)
        Step(0);
    return g_nScene == scene;
}

uint8_t ScriptedPlayKeys(int t) {
    if (IsPromptScene(g_nNextScene)) return t % 2 == 0 ? kInputShot : 0;
    uint8_t keys = 0;
    if (t % 200 < 190) keys |= kInputShot;
    if (t % 160 < 60) keys |= kInputLeft;
    if (t % 160 >= 80 && t % 160 < 140) keys |= kInputRight;
    if (t % 500 < 30) keys |= kInputUp;
    if (t % 500 >= 250 && t % 500 < 280) keys |= kInputDown;
    if (t % 1200 == 600) keys |= kInputBomb;
    if (t == 1000) keys |= kInputChange;
    return keys;
}

void StartStage(int32_t stage, int32_t level) {
    ResetGameState();
    g_nStage = stage;
    g_nLevel = level;
    g_pBoss = g_pBossList[stage];
    g_pBoss->Init();
    g_nNextScene = kSceneGame;
    SwitchScene();
}

namespace {

// Where a boss phase's timeline ends and the frame it loops back to.
struct PhaseLoop {
    int32_t end;
    int32_t loopTo;
};

constexpr int kMostPhases = 4;

// The phases of each stage's boss, from the bonus stage's to stage 5's; a zero end is no phase.
constexpr PhaseLoop kPhaseLoops[][kMostPhases] = {
    {{1580, 0}, {1900, 0}},
    {{1300, 0}, {1000, 0}},
    {{1900, 0}, {1100, 0}, {1800, 0}},
    {{1600, 0}, {1200, 0}, {1900, 450}},
    {{1260, 0}, {1800, 100}, {1700, 100}},
    {{1550, 100}, {1700, 0}, {2100, 100}, {1300, 0}},
};
constexpr int32_t kStagesWithLoops = sizeof(kPhaseLoops) / sizeof(kPhaseLoops[0]);

// A boss the table does not know is worn down as often as a short phase.
constexpr int kUnknownPhaseFrames = 900;

// The frames a phase plays before it is worn down: its first pass and one more from its loop.
int PhaseFrames(int32_t stage, int32_t phase) {
    if (stage < 0 || stage >= kStagesWithLoops || phase < 0 || phase >= kMostPhases)
        return kUnknownPhaseFrames;
    const PhaseLoop& loop = kPhaseLoops[stage][phase];
    if (loop.end == 0) return kUnknownPhaseFrames;
    return loop.end + (loop.end - loop.loopTo);
}

}  // namespace

void HelpedPlayer::Step(Playthrough& game, uint8_t keys) {
    game.Step(keys);
    ++t_;
    g_Player.invincible = 1;
    if (g_nScene != kSceneBoss) return;
    if (wearPeriod_ > 0) {
        WearByPeriod();
    } else {
        WearByPhase();
    }
}

void HelpedPlayer::WearByPeriod() {
    ++bossFrames_;
    if (bossFrames_ % wearPeriod_ == 0) g_pBoss->hp = 0;
}

void HelpedPlayer::WearByPhase() {
    CBoss& boss = *g_pBoss;
    if (boss.phasesLeft < 0) {
        phase_ = -1;
        return;
    }
    const int32_t phase = boss.phaseCount - boss.phasesLeft;
    if (phase != phase_) {
        // The count starts from the boss's own: 0 on the frame the fight or the phase begins.
        phase_ = phase;
        phaseFrames_ = boss.phaseFrame;
    } else {
        ++phaseFrames_;
    }
    if (phaseFrames_ >= PhaseFrames(g_nStage, phase)) {
        boss.hp = 0;
    } else if (boss.hp < 2) {
        // A boss loses at most one point a frame: refilled here, it cannot fall to the shots.
        boss.hp = boss.phaseHp;
    }
}

namespace {

class StateHash {
public:
    template <class T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes)
            hash_ = (hash_ ^ byte) * 1099511628211ull;
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
        Add(o.x0);
        Add(o.y0);
        Add(o.vx0);
        Add(o.vy0);
        Add(o.param1);
        Add(o.param2);
        Add(o.param3);
        Add(o.param4);
        Add(o.flag);
        Add(o.step);
        Add(o.w);
        Add(o.h);
        Add(o.angle);
        Add(o.draw.mode);
        Add(o.draw.level);
        for (int i = 0; i < 4; ++i)
            Add(o.WorkInt(i));
    }
    void AddEnemy(const CEnemyObject& o) {
        if (o.alive == 0) return;
        AddObject(o);
        Add(o.shotBoxHigh);
        Add(o.shotBoxLow);
        Add(o.shotBoxHalfW);
        Add(o.frameX);
        Add(o.animCount);
        Add(o.tick);
    }
    void AddLaserShot(const CLazerBullet& o) {
        if (o.alive == 0) return;
        AddEnemy(o);
        for (const int32_t v : {o.p1, o.p2, o.p3, o.p4, o.p5, o.targetX, o.targetY})
            Add(v);
        Add(o.rate);
    }
    // Effects change no other object, so only their own fields show a wrong spawn.
    void AddEffect(const CEffect& e) {
        if (e.alive == 0) return;
        AddObject(e);
        Add(e.image2);
        Add(e.paramA);
        Add(e.paramB);
        Add(e.delay);
        Add(e.scale);
        Add(e.srcX);
        Add(e.srcY);
        Add(e.cellW);
        Add(e.cellH);
    }
    uint64_t Value() const { return hash_; }

private:
    uint64_t hash_ = 14695981039346656037ull;
};

}  // namespace

uint64_t HashGameState() {
    StateHash h;
    h.Add(RandState());
    h.Add(static_cast<int32_t>(g_nNextScene));
    h.Add(g_nScene);
    h.Add(g_nStage);
    h.Add(g_Player.x);
    h.Add(g_Player.y);
    h.Add(g_Player.lives);
    h.Add(g_Player.bombs);
    h.Add(g_Player.power);
    h.Add(g_Player.dying);
    h.Add(g_Player.invincible);
    h.Add(g_nShotType);
    h.Add(g_pPointMannager->score);
    h.Add(g_pPointMannager->chain);
    h.Add(g_pPointMannager->powerGauge);
    h.Add(g_pPointMannager->extendGauge);
    h.Add(g_pPointMannager->itemCount);
    for (const CBullet& shot : g_BulletMannager.shots)
        h.AddObject(shot);
    for (const CEBullet& bullet : g_EBMannager.bullets)
        h.AddObject(bullet);
    for (const CItem& item : g_ItemMannager.items)
        h.AddObject(item);
    for (const CMissile& missile : g_MissileMannager.missiles)
        h.AddObject(missile);
    for (const CKillerShot& shot : g_KillerShotMannager.shots)
        h.AddObject(shot);
    for (const CLazerBullet& shot : g_LBMannager.shots)
        h.AddLaserShot(shot);
    for (const CEffect& effect : g_EffectMannager.back)
        h.AddEffect(effect);
    for (const CEffect& effect : g_EffectMannager.mid)
        h.AddEffect(effect);
    for (const CEffect& effect : g_EffectMannager.front)
        h.AddEffect(effect);
    if (g_pStage != nullptr) {
        for (int32_t i = 0; i < CEnemyMannager::kEnemyCount; ++i)
            h.AddEnemy(g_pStage->enemies[i]);
    }
    if (g_pBoss != nullptr && g_nScene == kSceneBoss) h.AddEnemy(*g_pBoss);
    return h.Value();
}

uint64_t HashBackBuffer() {
    uint64_t hash = 14695981039346656037ull;
    const uint32_t* pixels = g_BackBuffer.pixels;
    for (int32_t i = 0; i < kScreenWidth * kScreenHeight; ++i)
        hash = (hash ^ pixels[i]) * 1099511628211ull;
    return hash;
}
