#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../engine/temp_dir.h"
#include "engine/game_state.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/input.h"
#include "game/scenes.h"
#include "shooting/point_mannager.h"
#include "tools/playthrough/harness.h"

namespace {

constexpr int kRunLimit = 100000;  // frames of play; the whole run takes about 70000
constexpr int kMenuLimit = 1000;
constexpr int kPictureEvery = 64;  // the back buffer is compared on every 64th frame

// Two runs far ahead and three far behind, each at another level than the run's level 0, so
// the run lands in row 2 and a playback at a neighbour's level would part from the recording.
void WriteHighScores() {
    std::ofstream("init.bin") << "9000000\n8000000\n 3\n 2\n 1\n"
                              << "0000002\n0101011\n0202022\n0303031\n0404042\n";
}

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The keys of someone watching the playback: only the prompts read them, so the shot comes
// exactly on the frames the player went on from one. The watcher also holds the bomb and
// shot-type keys in the prompts and presses keys that differ from the run's elsewhere; none of
// that may reach the game.
uint8_t ViewerKeys(int t, const std::vector<int>& promptExits) {
    if (!IsPromptScene(g_nNextScene)) return ScriptedPlayKeys(t + 1);
    // The cursor still points at giving up, as the last prompt left it: down moves it back.
    if (g_nPromptCursor == 0) return kInputDown;
    const bool goOn = std::binary_search(promptExits.begin(), promptExits.end(), t);
    return kInputBomb | kInputChange | (goOn ? kInputShot : 0);
}

}  // namespace

// A whole run played from the logo by keys: the scripted player goes through all six stages
// and their five stage ends, taking a continue whenever its ships run out, and enters a name.
// The run is saved into slot 2 and row 2 of "init.bin"; then, from the title, the replay
// select plays slot 2 back through the file and the state matches the run on every frame, the
// picture on every 64th.
TEST(ReplayFromSlot, PlaysTheSavedRunBackAcrossEveryStageEnd) {
    TempDir folder;
    Playthrough game(folder.Path().string());
    WriteHighScores();
    ASSERT_TRUE(game.RunMenusToStagePlay());

    std::vector<uint64_t> recorded;
    std::vector<uint64_t> pictures;
    std::vector<int> promptExits;
    RestartTrail();  // the menus' sounds differ from the replay select's
    for (int t = 0; g_nNextScene != kSceneEnding; ++t) {
        ASSERT_LT(t, kRunLimit) << "the run never reached the ending";
        const bool inPrompt = IsPromptScene(g_nScene);
        game.Step(ScriptedPlayKeys(t));
        recorded.push_back(HashGameState());
        if (t % kPictureEvery == 0) pictures.push_back(HashBackBuffer());
        if (inPrompt && !IsPromptScene(g_nScene)) promptExits.push_back(t);
    }
    // A continue was taken, so the ending goes straight to the name entry.
    ASSERT_FALSE(promptExits.empty());

    // Letters 0, 1 and 27; the cursor then sits on the end mark, which saves the run.
    ASSERT_TRUE(game.StepUntilScene(kSceneEnding, 2));
    game.Step(0);  // the entry begins and takes the buttons as they are held
    for (uint8_t keys : {kInputShot, kInputRight, kInputShot, kInputDown, kInputShot, kInputShot})
        game.Press(keys);
    ASSERT_TRUE(game.StepUntilScene(kSceneTitle, 2));
    EXPECT_EQ(std::filesystem::file_size("replay/rpl2.dat"), 6u * 2 * kReplayStreamSize);
    const HighScoreName& entry = g_pPointMannager->names[2];
    EXPECT_EQ(entry.c1 * 10000 + entry.c2 * 100 + entry.c3, 127);
    EXPECT_EQ(g_pPointMannager->names[3].level, 2);  // the old row 2, one row down

    // A second game, given up at its first continue prompt: nothing it leaves behind may
    // reach the playback. The title takes a press after 10 frames, the level select after 5.
    for (int i = 0; i < 10; ++i)
        game.Step(0);
    game.Press(kInputShot);
    ASSERT_TRUE(game.StepUntilScene(kSceneLevelSelect, kMenuLimit));
    for (int i = 0; i < 5; ++i)
        game.Step(0);
    for (int i = 0; i < 3; ++i)
        game.Press(kInputShot);
    ASSERT_TRUE(game.StepUntilScene(kSceneGame, kMenuLimit));
    for (int t = 0; !IsPromptScene(g_nScene); ++t) {
        ASSERT_LT(t, kRunLimit);
        game.Step(ScriptedPlayKeys(t));
    }
    // The cursor moves on the second frame of a press; the answer is taken from frame 50.
    for (int i = 0; i < 50; ++i)
        game.Step(i < 2 ? kInputDown : 0);
    game.Step(kInputShot);
    ASSERT_TRUE(game.StepUntilScene(kSceneTitle, 2));

    // Row 1 of the title opens the replay select after its fade.
    for (int i = 0; i < 10; ++i)
        game.Step(0);
    game.Press(kInputDown);
    game.Press(kInputShot);
    ASSERT_TRUE(game.StepUntilScene(kSceneReplaySelect, kMenuLimit));
    const std::string scores = ReadFile("init.bin");
    const std::string slot = ReadFile("replay/rpl2.dat");
    game.Press(kInputDown);
    game.Press(kInputDown);
    game.Step(kInputShot);
    ASSERT_EQ(g_nScene, kSceneGame);
    ASSERT_EQ(g_bReplay, 1);
    ASSERT_EQ(g_nLevel, 0);

    RestartTrail();
    for (int t = 0; t < static_cast<int>(recorded.size()); ++t) {
        game.Step(ViewerKeys(t, promptExits));
        const uint64_t state = HashGameState();
        // The viewer's prompts are not the run's: the cursor and the frame count (which stops
        // the music) are kept from the last prompt answered, here the given-up game's.
        if (IsPromptScene(g_nScene)) continue;
        ASSERT_EQ(state, recorded[t]) << "the playback leaves the run at frame " << t
                                      << " in scene " << g_nScene << ", stage " << g_nStage;
        if (t % kPictureEvery == 0) {
            ASSERT_EQ(HashBackBuffer(), pictures[t / kPictureEvery]) << "picture at frame " << t;
        }
    }
    // The played-back ending returns to the title and saves nothing.
    ASSERT_TRUE(game.StepUntilScene(kSceneTitle, 3));
    EXPECT_EQ(g_bReplay, 0);
    EXPECT_EQ(ReadFile("init.bin"), scores);
    EXPECT_EQ(ReadFile("replay/rpl2.dat"), slot);
    EXPECT_FALSE(std::filesystem::exists("replay/rpl3.dat"));
}
