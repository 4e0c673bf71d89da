#include <cstring>

#include "game/frame.h"
#include "platform/headless/headless.h"
#include "scene_fixture.h"
#include "shooting/bomb.h"
#include "shooting/player.h"

namespace {

// Draws a flat colour over the whole back buffer on every Run.
class PaintingScene : public RecordingScene {
public:
    uint32_t colour = 0;
    void Run() override {
        RecordingScene::Run();
        std::fill(g_BackBuffer.pixels, g_BackBuffer.pixels + kScreenWidth * kScreenHeight, colour);
    }
};

// Each digit n of the frame-rate sheet is a flat colour 0x0000n1, so a drawn cell tells
// which digit it is.
void MakeDigitSheet() {
    g_FpsDigitImage.Create(120, 15);
    for (int32_t y = 0; y < 15; ++y) {
        for (int32_t x = 0; x < 120; ++x)
            g_FpsDigitImage.SetPixel(x, y, 0x000001u + (x / 12) * 16);
    }
}

}  // namespace

class Frame : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        platform::headless::Reset();
        platform::headless::KeepWindow();
        g_nFps = 0;
        g_nFpsFrames = 0;
        g_dwFpsTime = 0;
        std::memset(g_aReplayStage, 0, sizeof g_aReplayStage);
        std::memset(g_aReplayBoss, 0, sizeof g_aReplayBoss);
        g_pGame = &painter_;
        g_pTitle = &painter_;
        g_pPause = &painter_;
    }

    PaintingScene painter_;
};

TEST_F(Frame, PlayFramesAreRecordedIntoTheStreamOfTheRequestedScene) {
    Enter(kSceneGame, g_pGame);
    g_aKey[0] = 1;
    g_aKey[6] = 1;
    RunFrame();
    EXPECT_EQ(g_aReplayStage[0], 0x41);
    EXPECT_EQ(g_Replay.stagePos, 1);
    EXPECT_EQ(g_Replay.bossPos, 0);

    Enter(kSceneBoss, g_pGame);
    g_aKey[6] = 0;
    RunFrame();
    EXPECT_EQ(g_aReplayBoss[0], 0x01);
    EXPECT_EQ(g_Replay.bossPos, 1);
}

TEST_F(Frame, TheFrameThatConfirmsGoingOnIsRecordedIntoTheStreamItReturnsTo) {
    Enter(kSceneContinue, g_pContinue);
    g_pContinue->state = kSceneGame;
    g_nPromptCursor = 1;
    g_nPromptFrames = 60;
    g_aKey[0] = 1;
    RunFrame();
    EXPECT_EQ(g_nScene, kSceneGame);
    EXPECT_EQ(g_Replay.stagePos, 1);
    EXPECT_EQ(g_aReplayStage[0], kInputShot);
}

TEST_F(Frame, PlaybackAppliesTheRecordedByteAndIgnoresTheKeys) {
    Enter(kSceneGame, g_pGame);
    g_bReplay = 1;
    g_aReplayStage[0] = 0x41;
    g_aKey[3] = 1;  // live up, ignored during playback
    RunFrame();
    EXPECT_EQ(g_Input.shot, 1);
    EXPECT_EQ(g_Input.right, 1);
    EXPECT_EQ(g_Input.up, 0);
    EXPECT_EQ(g_Replay.stagePos, 1);
}

TEST_F(Frame, PlaybackOutsidePlayKeepsTheLastAppliedInput) {
    Enter(kSceneTitle, g_pTitle);
    g_bReplay = 1;
    g_Input.left = 1;
    g_aKey[0] = 1;
    RunFrame();
    EXPECT_EQ(g_Input.left, 1);
    EXPECT_EQ(g_Input.shot, 0);
    EXPECT_EQ(g_Replay.stagePos, 0);
}

TEST_F(Frame, PromptsReadLiveKeysDuringPlayback) {
    Enter(kScenePause, g_pPause);
    g_bReplay = 1;
    g_aKey[0] = 1;
    RunFrame();
    EXPECT_EQ(g_Input.shot, 1);
}

// Going on from a prompt during playback with the bomb key held live: only the recorded byte
// of that frame decides whether a bomb starts.
TEST_F(Frame, APromptsLiveBombKeyNeverReachesThePlayback) {
    for (const uint8_t recorded : {uint8_t(kInputShot), uint8_t(kInputShot | kInputBomb)}) {
        SCOPED_TRACE(int(recorded));
        SetUp();
        Enter(kSceneContinue, g_pContinue);
        g_pContinue->state = kSceneGame;
        g_nPromptFrames = 60;
        g_bReplay = 1;
        g_Bomb.running = 0;
        g_aReplayStage[0] = recorded;
        g_aKey[0] = g_aKey[1] = 1;
        RunFrame();
        EXPECT_EQ(g_nScene, kSceneGame);
        EXPECT_EQ(g_Bomb.running, recorded >> 1);
        EXPECT_EQ(g_Player.bombs, recorded == kInputShot ? 3 : 2);
    }
}

TEST_F(Frame, BufferRowZeroIsTheWindowsBottomLine) {
    Enter(kSceneTitle, g_pTitle);
    painter_.colour = 0x102030;
    RunFrame();
    g_BackBuffer.SetPixel(0, 0, 0xABCDEF);
    g_BackBuffer.Present(0, 0);
    EXPECT_EQ(platform::headless::Window().At(0, 479), 0xABCDEFu);
    EXPECT_EQ(platform::headless::Window().At(0, 0), 0x102030u);
}

TEST_F(Frame, PlayAreaPresentsLeaveTheLeftPanelAsTheLastWholePresentLeftIt) {
    Enter(kSceneGame, g_pGame);
    painter_.colour = 0x111111;
    RunFrame();
    g_bPresentPlayArea = 1;
    painter_.colour = 0x222222;
    RunFrame();
    const auto& window = platform::headless::Window();
    EXPECT_EQ(window.At(10, 240), 0x111111u);  // left panel
    EXPECT_EQ(window.At(131, 240), 0x111111u);
    EXPECT_EQ(window.At(132, 8), 0x222222u);  // the rectangle's corner
    EXPECT_EQ(window.At(631, 471), 0x222222u);
    EXPECT_EQ(window.At(632, 240), 0x111111u);
    EXPECT_EQ(window.At(200, 7), 0x111111u);
    EXPECT_EQ(window.At(200, 472), 0x111111u);

    // Outside stage play and boss fight the flag does not matter.
    Enter(kSceneTitle, g_pTitle);
    painter_.colour = 0x333333;
    RunFrame();
    EXPECT_EQ(window.At(10, 240), 0x333333u);
}

TEST_F(Frame, FrameRateDigitsLandAfterThePresentInPlayOnly) {
    MakeDigitSheet();
    Enter(kSceneGame, g_pGame);
    painter_.colour = 0;
    // 63 frames of 16 ms, then the clock passes one second.
    for (int i = 0; i < 63; ++i) {
        platform::headless::AdvanceTicks(16);
        RunFrame();
    }
    EXPECT_EQ(g_nFps, 63);
    EXPECT_EQ(g_nFpsFrames, 0);
    // Digits 6 and 3 sit in the buffer, not yet in the window.
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(33, 435), 0x000061u);
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(45, 435), 0x000031u);
    EXPECT_EQ(platform::headless::Window().At(33, 479 - 435), 0u);

    Enter(kSceneTitle, g_pTitle);
    RunFrame();
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(33, 435), 0u);
}
