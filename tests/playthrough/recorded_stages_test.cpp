#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../engine/temp_dir.h"
#include "game/scenes.h"
#include "tools/playthrough/harness.h"
#include "tools/playthrough/recording.h"

namespace {

constexpr int kStateEvery = 16;    // a state hash every 16 frames
constexpr int kPictureEvery = 16;  // and the back buffer's with it
constexpr int kFrameLimit = 40000;

std::string RecordingPath(int32_t stage, int32_t level) {
    return std::string(ZARUNE_RECORDINGS_DIR) + "/stage" + std::to_string(stage) + "_level" +
           std::to_string(level) + ".txt";
}

// A stage from a new game, as the stage end would start it, with the helped player (a ship that
// cannot be hit, each boss phase worn down after its timeline has looped once), until the stage
// end.
std::vector<Checkpoint> PlayStage(int32_t stage, int32_t level) {
    TempDir folder;
    Playthrough game(folder.Path().string());
    while (g_nScene != kSceneTitle)
        game.Step(0);
    StartStage(stage, level);

    std::vector<Checkpoint> points;
    HelpedPlayer player;
    for (int t = 1; t <= kFrameLimit && g_nScene != kSceneStageEnd; ++t) {
        player.Step(game);
        if (t % kStateEvery != 0 && g_nScene != kSceneStageEnd) continue;
        Checkpoint point{t, HashGameState()};
        if (t % kPictureEvery == 0) {
            point.picture = HashBackBuffer();
            point.hasPicture = true;
        }
        points.push_back(point);
    }
    return points;
}

struct StageAndLevel {
    int32_t stage;
    int32_t level;
};

// Names the run in the test's description.
void PrintTo(const StageAndLevel& run, std::ostream* out) {
    *out << "stage " << run.stage << " level " << run.level;
}

class RecordedStage : public testing::TestWithParam<StageAndLevel> {};

// Every stage's enemies and boss change their counts, cadences and speeds with the level.
std::vector<StageAndLevel> EveryStageAndLevel() {
    std::vector<StageAndLevel> runs;
    for (int32_t stage = 0; stage <= 5; ++stage) {
        for (int32_t level = 0; level <= 2; ++level)
            runs.push_back({stage, level});
    }
    return runs;
}

}  // namespace

// Every stage at every level played through its boss's defeat against its recording in
// tests/playthrough/recorded: any change to the order of updates, the random draws or the
// arithmetic names the first frame it shows in. ZARUNE_RECORD=1 writes the recordings anew.
TEST_P(RecordedStage, PlaysBackToItsRecordedStates) {
    const auto [stage, level] = GetParam();
    const std::string path = RecordingPath(stage, level);
    const std::vector<Checkpoint> played = PlayStage(stage, level);
    ASSERT_EQ(g_nScene, kSceneStageEnd) << "stage " << stage << " never reached its end";
    if (const char* record = std::getenv("ZARUNE_RECORD"); record != nullptr && *record == '1') {
        WriteRecording(path, played);
        GTEST_SKIP() << "recorded " << path;
    }
    const std::vector<Checkpoint> recorded = ReadRecording(path);
    ASSERT_FALSE(recorded.empty()) << "no recording at " << path;
    for (size_t i = 0; i < played.size() && i < recorded.size(); ++i) {
        const Checkpoint& want = recorded[i];
        const Checkpoint& got = played[i];
        ASSERT_EQ(got.frame, want.frame) << "checkpoint " << i;
        ASSERT_EQ(got.state, want.state) << "the state first differs by frame " << got.frame
                                         << " (equal at frame " << got.frame - kStateEvery << ")";
        if (want.hasPicture) {
            ASSERT_EQ(got.picture, want.picture) << "the picture differs at frame " << got.frame;
        }
    }
    EXPECT_EQ(played.size(), recorded.size()) << "the stage ended at another frame";
}

INSTANTIATE_TEST_SUITE_P(BonusAndStages1To5, RecordedStage, testing::ValuesIn(EveryStageAndLevel()),
                         [](const testing::TestParamInfo<StageAndLevel>& info) {
                             return "Stage" + std::to_string(info.param.stage) + "Level" +
                                    std::to_string(info.param.level);
                         });
