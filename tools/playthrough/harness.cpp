#include "tools/playthrough/harness.h"

#include <filesystem>
#include <set>
#include <stdexcept>

#include "bosses/boss.h"
#include "bosses/boss_child.h"
#include "engine/game_state.h"
#include "engine/music.h"
#include "engine/requests.h"
#include "game/devices.h"
#include "game/frame.h"
#include "game/game_reset.h"
#include "game/global_objects.h"
#include "game/input.h"
#include "game/scenes.h"
#include "game/sprite_images.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_audio.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/enemy_laser.h"
#include "shooting/item.h"
#include "shooting/player.h"
#include "tools/assets/assets.h"

namespace {

// The pictures a program loads before its window is made, from the folder it starts in: the
// game's programs start in their asset folder, so a playthrough loads them from its own,
// wherever the process started.
void LoadStartUpPictures() {
    const struct {
        CImageShooting* image;
        const char* path;
    } pictures[] = {
        {&g_BbsImage, "img/bbs.bmp"},
        {&g_ChatNameImage, "text/name.bmp"},
        {&g_TitleCursorImage, "img/csl2.bmp"},
        {&g_KeyConfigImage, "img/keyconfig.bmp"},
        {&g_KeyConfigLabelImage, "img/keyconfig-fig.bmp"},
        {&g_KeyConfigDigitImage, "img/keyconfig-number.bmp"},
        {&g_HighScoreImage, "img/high_score.bmp"},
        {&g_HighScoreCursorImage, "img/hs_csl.bmp"},
        {&g_HighScoreGlyphImage, "img/hsfig.bmp"},
        {&g_ContinueLogoImage, "img/continue-logo.bmp"},
        {&g_ContinueYesImage, "img/continue-yes.bmp"},
        {&g_ContinueNoImage, "img/continue-no.bmp"},
        {&g_PauseLogoImage, "img/pause-logo.bmp"},
        {&g_PauseGoOnImage, "img/pause-rtog.bmp"},
        {&g_PauseGiveUpImage, "img/pause-rtom.bmp"},
        {&g_DifficultyImage, "img/difficulty.bmp"},
        {&g_FpsDigitImage, "img/figur12_15_2.bmp"},
        {&g_LazerImage, "img/effect-lazer1.bmp"},
        {&g_BulletMannager.images[0], "img/bullets_sub.bmp"},
        {&g_BulletMannager.images[1], "img/bullet5.bmp"},
        {&g_BulletMannager.images[2], "img/bullets2.bmp"},
        {&g_BulletMannager.images[3], "img/bullets3.bmp"},
        {&g_Player.laserImage, "img/lazer.bmp"},
        {&g_Player.laserHitImage, "img/lz-explosion.bmp"},
    };
    for (const auto& picture : pictures)
        picture.image->Load(picture.path);
    for (int i = 0; i < kEffectImageCount; ++i)
        g_EffectMannager.images[i].Load(kEffectImageFiles[i]);
    for (int32_t t = 0; t < kItemTypeCount; ++t)
        g_ItemMannager.images[t].Load(kItemImageFiles[t]);
}

}  // namespace

Playthrough::Playthrough(const std::string& folder) {
    std::string error;
    if (!assets::WriteAssets(folder, &error)) throw std::runtime_error(error);
    std::filesystem::current_path(folder);
    LoadStartUpPictures();
    // The sound device opens after the objects are made, as the window's creation does, so
    // the music the game asks for is loaded and logged. A run before this one in the process
    // closes it first and leaves the music a fresh program starts with.
    CloseDevices();
    platform::headless::ResetAudio();
    g_Music.Load("BGM/stage1.ogg");
    platform::headless::Reset();
    CreateGlobalObjects();
    OpenDevices();
    platform::headless::TakeAudioLog();
    RestartTrail();
    // A fresh program's boss parts and laser colour, which a boss's set-up leaves partly or
    // wholly as the last fight did.
    for (CBossParts& part : g_pBossParts)
        part = CBossParts();
    const CELazer fresh;
    g_ELazer.SetColor(fresh.red, fresh.green, fresh.blue);
}

void Playthrough::Step(uint8_t keys) {
    for (int i = 0; i < kKeyFlagCount; ++i)
        g_aKey[i] = (keys >> i) & 1;
    platform::headless::AdvanceTicks(16);
    BeginFrameTrail();
    RunFrame();
    EndFrameTrail();
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
