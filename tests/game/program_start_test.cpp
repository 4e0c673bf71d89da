#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/requests.h"
#include "engine/sound.h"
#include "game/devices.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "platform/headless/headless_audio.h"
#include "platform/resources.h"

namespace {

// The shared game state as a program starts with it: scene 0 requested and current, stage 1,
// and every other switch, number and pointer 0.
bool SharedStateIsAtStart() {
    return g_nNextScene == 0 && g_nScene == 0 && g_nStage == 1 && g_nLevel == 0 && g_bChat == 0 &&
           g_nChat == 0 && g_bReplay == 0 && g_nReplaySlot == 0 && g_nShotType == 0 &&
           g_bBombActive == 0 && g_bContinued == 0 && g_pStage == nullptr && g_pBG == nullptr &&
           g_pBoss == nullptr;
}

void ScribbleSharedState() {
    g_nNextScene = 710;
    g_nScene = 70;
    g_nStage = 6;
    g_nLevel = 2;
    g_bChat = 1;
    g_nChat = 52;
    g_bReplay = 1;
    g_nReplaySlot = 4;
    g_nShotType = 2;
    g_bBombActive = 1;
    g_bContinued = 1;
    g_pStage = reinterpret_cast<CEnemyMannager*>(&g_nStage);
    g_pBG = reinterpret_cast<CBackGround2*>(&g_nStage);
    g_pBoss = reinterpret_cast<CBoss*>(&g_nStage);
}

// Exits with 0 when a fresh process holds the start values, the joystick buttons shot 0,
// bomb 1, change 3 and pause 9 among them, and the reset brings a scribbled state back.
[[noreturn]] void CheckStartValuesAndExit() {
    const int32_t buttons[4] = {0, 1, 3, 9};
    for (int i = 0; i < 4; ++i) {
        if (g_aJoyButton[i] != buttons[i]) std::exit(10 + i);
    }
    if (!SharedStateIsAtStart()) std::exit(2);
    ScribbleSharedState();
    ResetProgramState();
    std::exit(SharedStateIsAtStart() ? 0 : 3);
}

}  // namespace

TEST(ProgramStart, SharedStateStartsAsItsTableSays) {
    // The threadsafe style runs the check in a new run of this program, untouched by others.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(CheckStartValuesAndExit(), testing::ExitedWithCode(0), "");
}

// The device opens with 2 channels at 22050 Hz and 16 bits, then record i takes WAVE 131 + i
// for all 21 records, in record order.
TEST(ProgramStart, DevicesOpenTheSoundAndLoadEveryEffect) {
    platform::headless::ResetAudio();
    OpenDevices();
    std::vector<std::string> expected = {"open 2 22050 16"};
    for (int record = 0; record < 21; ++record) {
        size_t size = 0;
        ASSERT_NE(platform::FindWave(131 + record, &size), nullptr);
        expected.push_back("chunk #" + std::to_string(record + 1) + " " + std::to_string(size));
    }
    std::vector<std::string> log = platform::headless::TakeAudioLog();
    log.resize(std::min(log.size(), expected.size()));
    EXPECT_EQ(log, expected);
    CloseDevices();
    platform::headless::ResetAudio();
}
