#include "game/stage_end.h"

#include <algorithm>

#include "enemies/stage_script.h"
#include "engine/game_state.h"
#include "engine/music.h"
#include "engine/random.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "game/sprite_images.h"
#include "shooting/bomb.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/item.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

StoryState g_Story;

namespace {

constexpr int32_t kLastStage = 6;
constexpr int32_t kTallyFrames = 200;
constexpr int32_t kBonusFrame = 100;
constexpr int32_t kStoryLoadFrame = 201;
constexpr int32_t kStoryMinFrame = 300;
constexpr int32_t kPageTurnAge = 40;
constexpr int32_t kFinalHold = 200;
constexpr int32_t kFinalSteps = 5;

constexpr StoryBand kStoryBandTable[6][3] = {
    {{0, 150}, {150, 60}, {150, 60}},  {{0, 60}, {30, 90}, {180, 90}},
    {{0, 210}, {210, 120}, {210, 90}}, {{0, 150}, {150, 90}, {150, 0}},
    {{0, 90}, {120, 150}, {300, 120}}, {{0, 90}, {120, 120}, {270, 60}},
};

constexpr const char* kStoryFiles[7] = {
    "text/storystrb.bmp",
    "text/storystr1.bmp",
    "text/storystr2.bmp",
    "text/storystr3.bmp",
    "text/storystr5.bmp",
    "text/storystr6.bmp",
    nullptr,
};

bool IsStageIndex(int32_t stage) {
    return stage >= 0 && stage <= kLastStage;
}

// Every stage script the run plays back to its start, the pools emptied and the bomb stopped.
// Missiles, laser shots and killer shots are left as they are until a new game.
void ClearPlay() {
    for (int32_t i = 0; i < kLastStage; ++i) {
        if (g_pStageList[i] != nullptr) g_pStageList[i]->Reset();
    }
    g_EBMannager.Init();
    g_ItemMannager.Init();
    g_EffectMannager.Reset();
    g_BulletMannager.Init();
}

void ClearCounts() {
    g_pPointMannager->itemCount = 0;
    g_pPointMannager->killCount = 0;
}

// The stage's files are written during playback too, then holding the streams just loaded for
// the next stage. That is harmless: only a run that reached the name entry is joined into a
// slot, and such a run has written all six stages' files itself by then.
void RestartReplayStreams() {
    g_Replay.SaveStage();
    g_Replay.stagePos = 0;
    g_Replay.bossPos = 0;
}

}  // namespace

StoryBand GetStoryBand(int32_t stage, int32_t page) {
    const int32_t row = std::clamp(stage, 0, 5);
    const int32_t column = std::clamp(page, 0, 2);
    return kStoryBandTable[row][column];
}

void LoadStoryText() {
    if (IsStageIndex(g_nStage) && kStoryFiles[g_nStage] != nullptr) {
        g_StoryTextImage.Load(kStoryFiles[g_nStage]);
    }
    g_BbsImage.Load("img/bbs.bmp");
}

void FreeStoryText() {
    g_StoryTextImage.Create(1, 1);
}

int32_t StageBonus() {
    // Worked out in full, then wrapped as the score is: no count can make it overflow.
    const int64_t sum = int64_t{g_pPointMannager->itemCount} * 10 +
                        int64_t{g_pPointMannager->killCount} * 100 +
                        int64_t{g_Player.bombs} * 1000 + int64_t{g_Player.lives} * 5000;
    const double bonus = static_cast<double>(sum) * LevelBonusFactor[std::clamp(g_nLevel, 0, 2)];
    return WrapScore(static_cast<int64_t>(bonus));
}

CStageEnd::CStageEnd() {
    g_pPointMannager->LoadCompressedImage("img/point");
    g_pPointMannager->LoadImage("img/figur12_15.bmp");
}

void CStageEnd::Run() {
    StoryState& s = g_Story;
    if (s.shot.Edge(g_Input.shot) && s.pageAge > kPageTurnAge) {
        s.page += 1;
        s.pageAge = 0;
        if (IsStageIndex(g_nStage) && s.page == StoryPageCount[g_nStage]) s.done = 1;
    }

    if (frame >= kTallyFrames) {
        if (g_nStage != kLastStage) {
            if (g_bReplay != 0 && IsStageIndex(g_nStage)) {
                g_Replay.Load(g_nReplaySlot, ReplayPairTable[g_nStage]);
            }
            if (g_bChat == 0) {
                NextStage();
                // The frame goes on: the tally is drawn once more and the counter ends at 1.
            } else {
                if (frame == kStoryLoadFrame) LoadStoryText();
                if (frame > kStoryMinFrame && s.done != 0) {
                    s.done = 0;
                    NextStage();
                    FreeStoryText();
                    return;
                }
            }
        } else {
            EndRun();
        }
    }

    if (g_nStage != kLastStage) {
        DrawTally();
    } else {
        DrawFinalTally();
    }
}

// On to the next stage: the player keeps lives, bombs, power and position.
void CStageEnd::NextStage() {
    SeedRand(1);
    g_nNextScene = kSceneGame;
    ClearPlay();
    ResetInputEdges();
    InitBombState();
    RestartReplayStreams();
    g_Story.page = 0;
    CEnemyMannager::LoadImages();
    g_BulletMannager.Init();
    ClearCounts();
    frame = 0;
}

// After the last stage: the ending, and everything made ready for the next run from the title.
void CStageEnd::EndRun() {
    g_nNextScene = kSceneEnding;
    g_Replay.SaveStage();
    g_Story.done = 0;
    g_Story.page = 0;
    g_bPresentPlayArea = 0;
    frame = 0;
    g_Input.shot = 0;
    g_Input.shotPrev = 0;
    ClearPlay();
    g_Player.Init();
    InitBombState();
    g_Music.player.Stop();
    g_Music.Load("BGM/stage1.ogg");
    if (g_pEBImage != nullptr) {
        g_pEBImage[0].Load("img/e-bullets.bmp");
        g_pEBImage[1].Load("img/e-d-bullets.bmp");
        g_pEBImage[2].Load("img/dark-bullets.bmp");
    }
    ClearCounts();
    holdFrames = 0;
    holdSteps = 0;
}

void CStageEnd::DrawCounts(int32_t panelX, int32_t bonus, bool numbers) {
    g_BackBuffer.CopyField(panelX, 8, *g_pPointMannager->pointImage);
    if (!numbers) return;
    const CImage32& digits = *g_pPointMannager->digitImage;
    CPointMannager::DrawNumber(g_BackBuffer, digits, 390, 310, g_pPointMannager->itemCount);
    CPointMannager::DrawNumber(g_BackBuffer, digits, 390, 274, g_pPointMannager->killCount);
    CPointMannager::DrawNumber(g_BackBuffer, digits, 390, 234, g_Player.bombs);
    CPointMannager::DrawNumber(g_BackBuffer, digits, 390, 194, g_Player.lives);
    CPointMannager::DrawNumber(g_BackBuffer, digits, 440, 76, bonus);
    const CImage32& band = g_DifficultyImage;
    g_BackBuffer.Blt(g_DrawKey, 330, 150, band, 0, band.height * g_nLevel / 3, band.width,
                     band.height / 3);
}

void CStageEnd::DrawTally() {
    const int32_t bonus = StageBonus();
    DrawCounts(134, bonus, frame <= kTallyFrames);
    if (frame == kBonusFrame) g_pPointMannager->AddScore(bonus);
    if (frame > kStoryLoadFrame) DrawStoryPage();
    frame += 1;
}

void CStageEnd::DrawStoryPage() {
    StoryState& s = g_Story;
    s.pageAge += 1;
    const StoryBand band = GetStoryBand(g_nStage, s.page);
    const int32_t y = 230 - band.height / 2;
    g_BackBuffer.DarkenRect(220, 134, y - 20, 375, band.height + 40);
    const CImage32& text = g_StoryTextImage;
    g_BackBuffer.BltField(CDrawMode(3, std::min(255, 5 * s.pageAge)), 155, y, text, 0,
                          text.height - band.height - band.offset, text.width, band.height);
}

// The last tally is held 204 frames before its counter starts towards the ending.
void CStageEnd::DrawFinalTally() {
    const int32_t bonus = StageBonus();
    DrawCounts(132, bonus, true);
    if (frame == kBonusFrame) g_pPointMannager->AddScore(bonus);
    g_BackBuffer.Copy(0, 0, g_StageEndSpareImage);
    // The frame that requests the ending leaves the hold at 0, so the next run's final tally
    // (or its playback) is held as long as this one.
    if (g_nNextScene == kSceneEnding) return;
    holdFrames += 1;
    if (holdFrames > kFinalHold && holdSteps <= kFinalSteps) {
        holdSteps += 1;
        g_StageEndSpareImage.Create(1, 1);
    }
    if (holdSteps >= kFinalSteps) frame += 1;
}
