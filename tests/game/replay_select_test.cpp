#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "engine/game_state.h"
#include "engine/joystick.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/key_config.h"
#include "game/replay_select.h"
#include "game/sprite_images.h"
#include "platform/headless/headless_audio.h"
#include "scene_fixture.h"
#include "tests/engine/temp_dir.h"

class SmallScenes : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        g_KeyConfigMenu = KeyConfigMenu();
    }
    // The assignments and the playback flag outlive a scene: put the start-up ones back.
    void TearDown() override {
        CloseJoystick();
        platform::headless::ResetJoystick();
        const int32_t defaults[4] = {0, 1, 3, 9};
        std::copy(defaults, defaults + 4, g_aJoyButton);
        g_bReplay = 0;
    }

    static void Press(CTaskEngin& scene, uint8_t* button) {
        *button = 1;
        scene.Run();
        *button = 0;
        scene.Run();
    }

    InTempDir dir_;
};

// Holding button 5 on the bomb row makes it the bomb button, shown as the digits 0 and 5; the
// assignment outlives the scene.
TEST_F(SmallScenes, KeyConfigTakesTheHeldButton) {
    g_KeyConfigDigitImage.Create(100, 1);
    for (int x = 0; x < 100; ++x)
        g_KeyConfigDigitImage.SetPixel(x, 0, static_cast<uint32_t>(0x100 * (x / 10 + 1)));
    platform::headless::SetJoystickAttached(true);
    ASSERT_TRUE(InitJoystick());
    platform::JoyState held;
    held.buttons[5] = 0x80;
    platform::headless::SetJoystickState(held);

    CKeyConfig scene;
    scene.Start();
    Press(scene, &g_Input.down);
    EXPECT_EQ(g_KeyConfigMenu.cursor, 1);
    EXPECT_EQ(g_aJoyButton[1], 5);
    scene.Run();
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(425, 236), 0x100u);
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(445, 236), 0x600u);

    // Only row 4 leaves.
    g_nNextScene = kSceneKeyConfig;
    Press(scene, &g_Input.shot);
    EXPECT_EQ(g_nNextScene, kSceneKeyConfig);
    for (int i = 0; i < 6; ++i)
        Press(scene, &g_Input.down);
    Press(scene, &g_Input.shot);
    EXPECT_EQ(g_nNextScene, kSceneTitle);
    EXPECT_EQ(g_aJoyButton[1], 5);
}

// A shot held over from the title is no press. The cursor is kept between visits until a
// replay starts. Slot 2 plays stage 1 from the file's first pair, at the level of high-score
// row 2, with the conversations off.
TEST_F(SmallScenes, ReplaySelectStartsPlaybackOfTheSlot) {
    std::filesystem::create_directory("replay");
    const std::vector<char> stage(kReplayStreamSize, 10), boss(kReplayStreamSize, 11);
    std::ofstream("replay/rpl2.dat", std::ios::binary)
        .write(stage.data(), kReplayStreamSize)
        .write(boss.data(), kReplayStreamSize);
    CPointMannager& p = *g_pPointMannager;
    p.names[2].level = 2;
    p.SaveScores();
    p.names[2].level = 0;
    g_bChat = 1;
    g_nLevel = 0;

    CReplaySelect scene;
    g_nNextScene = kSceneReplaySelect;
    g_Input.shot = 1;
    scene.Start();
    scene.Run();
    EXPECT_EQ(g_nNextScene, kSceneReplaySelect);
    g_Input.shot = 0;
    for (uint8_t* button : {&g_Input.down, &g_Input.down, &g_Input.up, &g_Input.down})
        Press(scene, button);
    EXPECT_EQ(scene.cursor, 2);
    // The cursor picture stands at (76, 261 - 31 x 2).
    g_HighScoreCursorImage.Create(1, 1);
    g_HighScoreCursorImage.pixels[0] = 0x203040;
    scene.Run();
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(76, 199), 0x203040u);
    EXPECT_NE(*g_BackBuffer.GetPixelAddress(75, 199), 0x203040u);
    g_HighScoreCursorImage.Create(1, 1);
    // Back to the title with the cursor sound and in again: the cursor is still on slot 2.
    SoundRequest[kSoundCursor] = 0;
    Press(scene, &g_Input.bomb);
    EXPECT_EQ(g_nNextScene, kSceneTitle);
    EXPECT_EQ(SoundRequest[kSoundCursor], 1);
    scene.Start();
    EXPECT_EQ(scene.cursor, 2);
    Press(scene, &g_Input.shot);
    EXPECT_EQ(g_nNextScene, kSceneGame);
    EXPECT_EQ(g_bReplay, 1);
    EXPECT_EQ(g_bChat, 0);
    EXPECT_EQ(g_nReplaySlot, 2);
    EXPECT_EQ(g_nLevel, 2);
    EXPECT_EQ(g_aReplayStage[0], 10);
    EXPECT_EQ(g_aReplayBoss[kReplayStreamSize - 1], 11);
    scene.Start();
    EXPECT_EQ(scene.cursor, 0);
}
