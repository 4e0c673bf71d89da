#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "engine/random.h"
#include "game/continue_prompt.h"
#include "game/frame.h"
#include "game/pause_prompt.h"
#include "game/sprite_images.h"
#include "game/stage_end.h"
#include "scene_fixture.h"
#include "shooting/player.h"
#include "tests/engine/temp_dir.h"

// The prompts and the stage end are real scenes; the replay files they write land in a
// temporary folder.
class BetweenStages : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        g_pContinue = &continue_;
        g_pPause = &pause_;
        // The stage end loads its pictures into the score keeper the fixture makes.
        stageEndObject_ = std::make_unique<CStageEnd>();
        stageEnd_ = stageEndObject_.get();
        g_pStageEnd = stageEnd_;
        g_Story = StoryState();
        g_bChat = 0;
        g_nLevel = 0;
        g_bPromptSnapshot = 0;
        g_Player.Init();
        g_pPointMannager->score = 0;
        g_pPointMannager->itemCount = 0;
        g_pPointMannager->killCount = 0;
    }

    // Runs the stage end from its current counter until it requests another scene; returns
    // the frame of the visit on which it did, pressing shot on the frames listed.
    int FramesUntilRequest(const std::vector<int>& shotFrames = {}) {
        g_nNextScene = kSceneStageEnd;
        for (int f = 1; f <= 1000; ++f) {
            bool shot = false;
            for (int s : shotFrames)
                shot = shot || s == f;
            g_Input.shot = shot ? 1 : 0;
            stageEnd_->Run();
            if (g_nNextScene != kSceneStageEnd) return f;
        }
        return -1;
    }

    InTempDir dir_;
    CContinue continue_;
    CPause pause_;
    std::unique_ptr<CStageEnd> stageEndObject_;
    CStageEnd* stageEnd_ = nullptr;
};

// The first frame veils the last play frame and keeps the field; later frames draw the kept
// field again. Column 509 is outside what the veil touches and is kept as it was.
TEST_F(BetweenStages, PromptKeepsAFieldSnapshotFromItsFirstFrame) {
    g_ContImage.Create(640, 480);
    std::fill(g_ContImage.pixels, g_ContImage.pixels + 640 * 480, 0x808080u);
    g_ContSnapshot.Create(640, 480);
    g_BackBuffer.SetPixel(134, 8, 0x804020);
    g_BackBuffer.SetPixel(509, 468, 0x654321);
    pause_.Run();
    EXPECT_EQ(g_bPromptSnapshot, 1);
    const uint32_t veiled = *g_BackBuffer.GetPixelAddress(134, 8);
    EXPECT_LT(veiled, 0x804020u);
    EXPECT_EQ(*g_ContSnapshot.GetPixelAddress(0, 0), veiled);
    EXPECT_EQ(*g_ContSnapshot.GetPixelAddress(375, 460), 0x654321u);

    g_BackBuffer.Darken(255);
    pause_.Run();
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(134, 8), veiled);
    EXPECT_EQ(g_nPromptFrames, 2);
}

TEST_F(BetweenStages, ContinueZeroesTheScoreEveryFrameAndPauseKeepsIt) {
    for (CTaskEngin* prompt :
         {static_cast<CTaskEngin*>(&continue_), static_cast<CTaskEngin*>(&pause_)}) {
        for (int f = 0; f < 3; ++f) {
            g_pPointMannager->score = 500;
            g_pPointMannager->powerGauge = 300;
            prompt->Run();
        }
        const int32_t kept = prompt == &pause_ ? 500 : 0;
        EXPECT_EQ(g_pPointMannager->score, kept);
        EXPECT_EQ(g_pPointMannager->powerGauge, kept == 0 ? 0 : 300);
    }
}

// A new shot press answers the prompt from its 51st frame; going on from the continue prompt
// gives a fresh ship with full power.
TEST_F(BetweenStages, ContinueAnswersFromTheFiftyFirstFrame) {
    for (const int pressFrame : {50, 51}) {
        Enter(kSceneGame, g_pGame);
        SwitchTo(kSceneContinue);
        g_nPromptFrames = 0;
        g_Player.lives = -1;
        for (int f = 1; f <= pressFrame; ++f) {
            g_aKey[0] = f == pressFrame ? 1 : 0;
            RunFrame();
        }
        g_aKey[0] = 0;
        if (pressFrame == 50) {
            EXPECT_EQ(g_nScene, kSceneContinue);
            continue;
        }
        EXPECT_EQ(g_nScene, kSceneGame);
        EXPECT_EQ(g_Player.lives, 3);
        EXPECT_EQ(g_Player.bombs, 3);
        EXPECT_EQ(g_Player.power, 11);
        EXPECT_EQ(g_bContinued, 1);
        EXPECT_EQ(g_pPointMannager->score, 0);
    }
}

TEST_F(BetweenStages, BonusFollowsTheCountsAndTheLevel) {
    struct Case {
        int32_t level, items, kills, bombs, lives, bonus;
    };
    const Case cases[] = {{2, 0, 0, 0, 1, 7500},
                          {1, 10, 20, 3, 2, 18120},
                          {0, 123, 45, 2, 3, 22730},
                          {7, 0, 0, 0, 1, 7500}};
    for (const Case& c : cases) {
        g_nLevel = c.level;
        g_pPointMannager->itemCount = c.items;
        g_pPointMannager->killCount = c.kills;
        g_Player.bombs = c.bombs;
        g_Player.lives = c.lives;
        EXPECT_EQ(StageBonus(), c.bonus) << "level " << c.level;
    }
}

// The band of every story page, {rows from the top, height}, by stage index 0..5 and page 0..2;
// larger indexes take row 5 and larger pages column 2.
TEST_F(BetweenStages, StoryBandsFollowTheTable) {
    const StoryBand table[6][3] = {
        {{0, 150}, {150, 60}, {150, 60}},  {{0, 60}, {30, 90}, {180, 90}},
        {{0, 210}, {210, 120}, {210, 90}}, {{0, 150}, {150, 90}, {150, 0}},
        {{0, 90}, {120, 150}, {300, 120}}, {{0, 90}, {120, 120}, {270, 60}},
    };
    const auto expect = [](int32_t stage, int32_t page, StoryBand band) {
        const StoryBand got = GetStoryBand(stage, page);
        EXPECT_EQ(got.offset * 1000 + got.height, band.offset * 1000 + band.height)
            << stage << "/" << page;
    };
    for (int32_t stage = 0; stage < 6; ++stage)
        for (int32_t page = 0; page < 3; ++page)
            expect(stage, page, table[stage][page]);
    expect(6, 0, {0, 90});
    expect(7, 4, {270, 60});
    expect(0, 5, {150, 60});
    expect(-3, -1, {0, 150});
}

// The story has 2 pages before stages 0 to 3 and 3 before stages 4 and 5: with a press every 60
// frames from the 260th, the next stage starts with the second press (frame 320) or the third
// (frame 380).
TEST_F(BetweenStages, StoryPageCountsByStage) {
    g_bChat = 1;
    const int expected[6] = {320, 320, 320, 320, 380, 380};
    for (int32_t stage = 0; stage < 6; ++stage) {
        g_nStage = stage;
        stageEnd_->frame = 0;
        g_Story = StoryState();
        EXPECT_EQ(FramesUntilRequest({260, 320, 380, 440}), expected[stage]) << stage;
    }
}

// Without conversations the next stage is requested on the frame whose counter is 200: the
// 201st of a first visit, the 200th of the visits after (the counter ends the exit at 1). The
// bonus comes on counter 100, and the stage's streams are written under its play position.
TEST_F(BetweenStages, StageEndLeavesOnCounter200AndSavesTheStreams) {
    g_nStage = 2;
    g_Player.lives = 1;
    g_Player.bombs = 0;
    g_Replay.stagePos = 40;
    g_Replay.bossPos = 30;
    for (int f = 1; f <= 101; ++f)
        stageEnd_->Run();
    EXPECT_EQ(g_pPointMannager->score, 5000);
    stageEnd_->frame = 0;
    g_nNextScene = kSceneStageEnd;
    EXPECT_EQ(FramesUntilRequest(), 201);
    EXPECT_EQ(g_nNextScene, kSceneGame);
    EXPECT_EQ(stageEnd_->frame, 1);
    EXPECT_EQ(g_Replay.stagePos, 0);
    EXPECT_EQ(g_Replay.bossPos, 0);
    for (const char* name : {"replay/tmp10", "replay/tmp11"})
        EXPECT_EQ(std::filesystem::file_size(name), 11200u) << name;
    g_nStage = 3;
    EXPECT_EQ(FramesUntilRequest(), 200);
    EXPECT_TRUE(std::filesystem::exists("replay/tmp21"));
}

// With conversations on, a page turns only after it has been shown 41 frames, and the next
// stage starts on the first frame past counter 300 on which the last page has been turned.
TEST_F(BetweenStages, StoryPagesGateTheNextStage) {
    g_bChat = 1;
    g_nStage = 2;
    // The page age counts from counter 202 (the 203rd frame), so a press on the 243rd frame is
    // too early and one on the 245th turns page 0. Page 1 turns at once on the 340th: the
    // press held from the 285th (too early) into the 286th is no new press.
    EXPECT_EQ(FramesUntilRequest({243, 245, 285, 286, 340}), 340);
    EXPECT_EQ(g_Story.page, 0);
    EXPECT_EQ(g_Story.done, 0);
    EXPECT_EQ(g_StoryTextImage.width, 1);

    stageEnd_->frame = 0;
    g_Story = StoryState();
    EXPECT_EQ(FramesUntilRequest({244, 290}), 302);
}

// The final tally holds 204 frames before its counter runs: the ending comes on frame
// 405 - c0 - h0 of the visit, c0 and h0 being the counter and hold count it starts with. Both
// are left at 0 for the next run.
TEST_F(BetweenStages, FinalTallyLastsUntilTheEndingIsRequested) {
    struct Case {
        int32_t c0, h0;
        int frames;
    };
    // From hold frame 201 the hold count steps once a frame while at most 5, so up to 6, each
    // step re-making the 1x1 picture drawn at (0, 0).
    g_nStage = 6;
    g_nNextScene = kSceneStageEnd;
    std::vector<int32_t> steps;
    for (int f = 1; f <= 207; ++f) {
        stageEnd_->Run();
        if (f >= 200) steps.push_back(stageEnd_->holdSteps);
    }
    EXPECT_EQ(steps, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 6}));
    EXPECT_EQ(g_StageEndSpareImage.width * 10 + g_StageEndSpareImage.height, 11);

    const Case cases[] = {{0, 0, 405}, {1, 0, 404}, {0, 1, 404}, {1, 1, 403}};
    for (const Case& c : cases) {
        g_nStage = 6;
        stageEnd_->frame = c.c0;
        stageEnd_->holdFrames = c.h0;
        stageEnd_->holdSteps = 0;
        EXPECT_EQ(FramesUntilRequest(), c.frames) << c.c0 << "/" << c.h0;
        EXPECT_EQ(g_nNextScene, kSceneEnding);
        EXPECT_EQ(stageEnd_->frame, 0);
        EXPECT_EQ(stageEnd_->holdFrames, 0);
    }
    EXPECT_TRUE(std::filesystem::exists("replay/tmp60"));
}

// During playback each stage end puts the next stage's pair of streams in place.
TEST_F(BetweenStages, PlaybackLoadsTheNextStagesPair) {
    std::filesystem::create_directory("replay");
    {
        std::ofstream file("replay/rpl3.dat", std::ios::binary);
        for (int pair = 1; pair <= 6; ++pair) {
            const std::vector<char> stage(11200, static_cast<char>(10 * pair));
            const std::vector<char> boss(11200, static_cast<char>(10 * pair + 1));
            file.write(stage.data(), 11200);
            file.write(boss.data(), 11200);
        }
    }
    g_bReplay = 1;
    g_nReplaySlot = 3;
    const int32_t pairOfStage[7] = {4, 1, 2, 3, 5, 6, 0};
    for (int32_t stage = 0; stage < 6; ++stage) {
        g_nStage = stage;
        stageEnd_->frame = 0;
        FramesUntilRequest();
        EXPECT_EQ(g_aReplayStage[0], 10 * pairOfStage[stage]) << "stage " << stage;
        EXPECT_EQ(g_aReplayBoss[11199], 10 * pairOfStage[stage] + 1) << "stage " << stage;
    }
}
