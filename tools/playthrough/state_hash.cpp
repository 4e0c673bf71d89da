#include <cstring>
#include <string_view>
#include <type_traits>

#include "bosses/boss.h"
#include "bosses/boss1.h"
#include "bosses/boss3.h"
#include "bosses/boss4.h"
#include "bosses/boss5.h"
#include "bosses/boss_child.h"
#include "bosses/bossb.h"
#include "enemies/background.h"
#include "enemies/enemy.h"
#include "enemies/kind_scripts.h"
#include "enemies/stage_script.h"
#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/random.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/character_select.h"
#include "game/chat.h"
#include "game/ending.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/key_config.h"
#include "game/level_select.h"
#include "game/replay_select.h"
#include "game/scenes.h"
#include "game/stage_end.h"
#include "game/task_engine.h"
#include "game/title.h"
#include "platform/headless/headless_audio.h"
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
#include "tools/playthrough/harness.h"

namespace {

// FNV-1a over the fields one by one, never over whole objects: padding and
// pointers differ between builds, and the sanitizer build plays the same
// recordings.
class StateHash {
public:
    template <class... Ts>
    void Add(const Ts&... values) {
        (Fold(values), ...);
    }
    // Pool slots are reused, so a dead object's fields are whatever its last life
    // left.
    template <class T>
    void AddLive(const T& object) {
        if (object.alive != 0) Fold(object);
    }
    uint64_t Value() const { return hash_; }

private:
    template <class T>
    requires std::is_arithmetic_v<T>
    void Fold(T value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes)
            hash_ = (hash_ ^ byte) * 1099511628211ull;
    }
    template <class T, size_t N>
    void Fold(const T (&values)[N]) {
        for (const T& value : values)
            Fold(value);
    }
    template <class T>
    void Fold(const Relaxed<T>& value) {
        Fold(static_cast<T>(value));
    }
    void Fold(std::string_view line) {
        for (char c : line)
            Fold(c);
        Fold('\n');
    }
    void Fold(const CDrawMode& d) { Add(d.vflip, d.mirror, d.mode, d.level, d.colour, d.tint); }
    void Fold(const MenuButton& b) { Add(b.previous, b.current); }
    void Fold(const CEmitter& e) {
        Add(e.scratch0, e.scratch1, e.scratch2, e.scratch3, e.scratch4, e.wave, e.scratchFlag,
            e.scratch5, e.scratch6, e.scratch7, e.scratch8, e.scratch9, e.aimVx, e.aimVy);
    }
    void Fold(const CFlingObject& o) {
        Add(o.x, o.y, o.vx, o.vy, o.x0, o.y0, o.vx0, o.vy0, o.hp, o.kind, o.param1, o.param2);
        Add(o.flag, o.alive, o.param3, o.draw, o.step, o.w, o.h, o.age, o.angle, o.param4);
        for (int i = 0; i < 4; ++i)
            Add(o.WorkInt(i));
    }
    void Fold(const CEnemyObject& o) {
        Add(static_cast<const CFlingObject&>(o), o.shotBoxHigh, o.shotBoxLow, o.shotBoxHalfW,
            o.laserTouched, o.laserCount, o.frameX, o.animCount, o.tick);
    }
    void Fold(const CBullet& o) { Add(static_cast<const CFlingObject&>(o), o.value, o.cell); }
    void Fold(const CEBullet& o) {
        Add(static_cast<const CEnemyObject&>(o), o.decel, o.turned, o.altSheet, o.big, o.angleRad);
    }
    void Fold(const CItem& o) {
        Add(static_cast<const CEnemyObject&>(o), o.homeStep, o.autoCollect);
    }
    void Fold(const CMissile& o) {
        Add(static_cast<const CEnemyObject&>(o), o.harmful, o.halfW, o.halfH, o.param, o.behaviour,
            o.hitsLeft, o.sized, o.heading);
    }
    void Fold(const CKillerShot& o) {
        Add(static_cast<const CEnemyObject&>(o), o.killKind, o.shotAngle, o.cellCounter,
            o.shotScale, o.speed, o.turning);
    }
    void Fold(const CLazerBullet& o) {
        Add(static_cast<const CEnemyObject&>(o), o.p1, o.p2, o.p3, o.p4, o.p5, o.rate, o.targetX,
            o.targetY);
    }
    void Fold(const CEffect& o) {
        Add(static_cast<const CFlingObject&>(o), o.image2, o.paramA, o.paramB, o.delay, o.scale,
            o.srcX, o.srcY, o.cellW, o.cellH);
    }
    void Fold(const CEnemy& o) {
        const EnemySubSprite& s = o.sub;
        Add(static_cast<const CEnemyObject&>(o), o.work, o.contactTop, o.p1, o.p2, o.deathKind,
            o.side, o.halfW, o.halfH, o.shotBoxW);
        Add(s.on, s.angle, s.w, s.h, s.dy, s.lift, s.srcX);
        Add(o.savedVx.AsInt(), o.savedVy.AsInt(), o.emitter, o.pause, o.toggle, o.noContact,
            o.flash);
    }
    void Fold(const CBossChild& o) { Add(static_cast<const CFlingObject&>(o), o.scale); }
    void Fold(const CBossParts& o) {
        Add(static_cast<const CFlingObject&>(o), o.pivot, o.offsetX, o.offsetY, o.maxAngle,
            o.minAngle);
    }
    void Fold(const CBoss& o) {
        Add(static_cast<const CEnemyObject&>(o), o.work1, o.work2, o.work3, o.emitter, o.rotation,
            o.dying, o.scriptFrame, o.defeatTimer, o.routeRow, o.hotX, o.hotY, o.phaseHp);
        Add(o.phaseFrame, o.phaseCount, o.phasesLeft, o.frameCol, o.frameRow, o.entered);
        if (const auto* b = dynamic_cast<const CBoss1*>(&o)) Add(b->aimX, b->aimY);
        if (const auto* b = dynamic_cast<const CBoss3*>(&o)) Add(b->loops, b->laserSeed);
        if (const auto* b = dynamic_cast<const CBoss4*>(&o))
            Add(b->markX, b->markY, b->volleyX, b->beamAimX, b->beamAimY);
        if (const auto* b = dynamic_cast<const CBoss5*>(&o))
            Add(b->volleyX, b->beamAimX, b->beamAimY);
        if (const auto* b = dynamic_cast<const CBossB*>(&o)) Add(b->columnA, b->columnB);
    }
    void Fold(const LaserRecord& r) {
        Add(r.x, r.y, r.p3, r.p6, r.p7, r.angle, r.kind, r.live, r.age, r.a, r.b, r.c, r.d, r.e);
    }
    void Fold(const CBackGround2& g) {
        Add(g.speed, g.frame, g.offset, g.counter);
        if (const auto* s = dynamic_cast<const CStage5BG*>(&g)) Add(s->offset2);
        if (const auto* s = dynamic_cast<const CBossBonusBG*>(&g)) Add(s->fade);
    }
    void Fold(const CPlayer& p) {
        Add(p.shotCount, p.shotPhase, p.x, p.y, p.lives, p.bombs, p.power, p.optionCount,
            p.deathTimer, p.invincibleTimer, p.changePrev, p.changeHeld, p.hitX, p.hitY);
        Add(p.animCount, p.dying, p.invincible, p.spriteFrameX, p.shotTimer, p.moveTimer);
        for (const OptionRecord& o : p.option)
            Add(o.x, o.y, o.dx, o.dy);
        for (const LaserTip& t : p.laserTip)
            Add(t.hit, t.y);
    }
    void Fold(const CPointMannager& p) {
        Add(p.score, p.itemCount, p.killCount, p.powerGauge, p.workValue, p.chain, p.extendGauge);
    }
    void Fold(const CChat& c) { Add(c.shot, c.shotPrev, c.frame, c.page); }
    void Fold(const InputState& i) {
        Add(i.pause, i.shot, i.shotPrev, i.bomb, i.change, i.left, i.right, i.up, i.upPrev, i.down,
            i.downPrev);
    }
    // The scene being run, with the menu state it keeps; the others keep theirs
    // from their last visit, which a replay does not repeat.
    void Fold(const CTaskEngin& scene) {
        Add(scene.state, scene.frame);
        if (const auto* s = dynamic_cast<const CStageEnd*>(&scene))
            Add(s->holdFrames, s->holdSteps);
        if (const auto* s = dynamic_cast<const CEnding*>(&scene)) Add(s->skipMovie);
        if (const auto* s = dynamic_cast<const CReplaySelect*>(&scene))
            Add(s->cursor, s->up, s->down, s->shot, s->bomb);
        const TitleMenu& t = g_TitleMenu;
        const KeyConfigMenu& k = g_KeyConfigMenu;
        const LevelSelectMenu& l = g_LevelSelectMenu;
        const StoryState& s = g_Story;
        const NameEntryState& n = g_NameEntry;
        switch (g_nScene) {
            case kSceneTitle:
                return Add(t.cursor, t.age, t.up, t.down, t.shot);
            case kSceneKeyConfig:
                return Add(k.cursor, k.up, k.down, k.shot);
            case kSceneLevelSelect:
                return Add(g_bMenuConfirm, l.row, l.level, l.chat, l.age, l.up, l.down, l.left,
                           l.right, l.shot, l.bomb);
            case kSceneIntroduction:
                return Add(g_bMenuConfirm, g_Intro.page, g_Intro.loaded, g_Intro.fade,
                           g_Intro.shot);
            case kSceneStageEnd:  // its button's edge is kept from the last stage end
                return Add(s.page, s.pageAge, s.done);
            case kSceneEnding:
                return Add(g_bMenuConfirm, n.entryRow, n.letters, n.column, n.row, n.repeat,
                           n.inserted);
            default:
                return;
        }
    }

    uint64_t hash_ = 14695981039346656037ull;
};

// What the frames ask of the speakers and draw as enemy lasers: none of it
// stays in the state the next checkpoint sees.
StateHash g_trail;

}  // namespace

void BeginFrameTrail() {
    // Records out of play are never read, and the frame's own adds raise every
    // angle to 1 or more, so blank records are the ones the frame did not write.
    for (LaserRecord& record : g_ELazer.records)
        record = LaserRecord();
}

void EndFrameTrail() {
    for (int32_t b = 0; b < kSoundRequestCount; ++b) {
        if (SoundRequest[b] != 0) g_trail.Add(b, SoundRequest[b]);
        // Without a sound thread the requests would stay set: the thread plays and
        // clears them, the two loops included.
        SoundRequest[b] = 0;
    }
    platform::headless::TakeAudioLog([](const char* line) { g_trail.Add(std::string_view(line)); });
    for (const LaserRecord& record : g_ELazer.records) {
        if (record.angle != 0) g_trail.Add(record);
    }
    // A conversation lasts a few dozen frames, fewer than lie between some checkpoints.
    if (g_nScene == kSceneChat) g_trail.Add(g_nChat, *g_pChat);
    g_trail.Add(int32_t{-1});  // the frame's end, so a request moved to another frame shows
}

void RestartTrail() {
    g_trail = StateHash();
}

uint64_t HashGameState() {
    StateHash h;
    h.Add(g_trail.Value());
    RestartTrail();
    h.Add(RandState(), g_nNextScene, g_nScene, g_nStage, g_nLevel, g_bChat, g_nShotType);
    h.Add(g_bBombActive, g_bContinued, g_Bomb.counter, g_Bomb.running, g_bBossFlash, g_bFlickerAdd);
    // Not the input edges, prompt counters or anchors kept from earlier frames: a playback
    // reads its prompts' keys live, and each such field is set afresh before it is read.
    h.Add(g_Replay.stagePos, g_Replay.bossPos, g_bPresentPlayArea);
    h.Add(g_Player, *g_pPointMannager, g_ELazer.red, g_ELazer.green, g_ELazer.blue);
    if (g_pScene != nullptr) h.Add(*g_pScene);
    // The conversation keeps its state, and its number, from its last run until the next.
    if (g_nScene == kSceneChat) h.Add(g_nChat, *g_pChat);
    if (g_pBG != nullptr) h.Add(*g_pBG);
    h.Add(g_BulletMannager.next, g_EBMannager.next, g_ItemMannager.index, g_MissileMannager.next);
    h.Add(g_KillerShotMannager.next, g_LBMannager.next, g_EffectMannager.midIndex,
          g_EffectMannager.backIndex, g_EffectMannager.frontIndex);
    for (const CBullet& o : g_BulletMannager.shots)
        h.AddLive(o);
    for (const CEBullet& o : g_EBMannager.bullets)
        h.AddLive(o);
    for (const CItem& o : g_ItemMannager.items)
        h.AddLive(o);
    for (const CMissile& o : g_MissileMannager.missiles)
        h.AddLive(o);
    for (const CKillerShot& o : g_KillerShotMannager.shots)
        h.AddLive(o);
    for (const CLazerBullet& o : g_LBMannager.shots)
        h.AddLive(o);
    for (const CEffect& o : g_EffectMannager.back)
        h.AddLive(o);
    for (const CEffect& o : g_EffectMannager.mid)
        h.AddLive(o);
    for (const CEffect& o : g_EffectMannager.front)
        h.AddLive(o);
    // Only stage play runs the stage; a second window's creation already points at stage 1's.
    if (g_pStage != nullptr && g_nScene == kSceneGame) {
        h.Add(g_pStage->cursor, g_pStage->frame);
        for (int32_t i = 0; i < CEnemyMannager::kEnemyCount; ++i)
            h.AddLive(g_pStage->enemies[i]);
    }
    if (g_pBoss != nullptr && g_nScene == kSceneBoss) {
        h.Add(*g_pBoss);
        for (const CBossChild& child : g_pBossChild)
            h.AddLive(child);
        // The parts are drawn whatever their flags, but only a boss that gives them a picture
        // shows them; the others leave them as the last such boss did.
        if (g_pBossPartsImage[1].width > 1) h.Add(g_pBossParts);
    }
    return h.Value();
}

uint64_t HashBackBuffer() {
    uint64_t hash = 14695981039346656037ull;
    const uint32_t* pixels = g_BackBuffer.pixels;
    for (int32_t i = 0; i < kScreenWidth * kScreenHeight; ++i)
        hash = (hash ^ pixels[i]) * 1099511628211ull;
    return hash;
}
