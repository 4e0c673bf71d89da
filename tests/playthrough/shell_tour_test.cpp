#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "../engine/temp_dir.h"
#include "game/app.h"
#include "tools/playthrough/tour.h"

namespace {

const std::string kScript = std::string(ZARUNE_RECORDINGS_DIR) + "/shell_tour_script.txt";
const std::string kRecording = std::string(ZARUNE_RECORDINGS_DIR) + "/shell_tour.txt";

}  // namespace

// Every scene and every choice a player can make, from the logo to the title's quit, walked by
// the script in tests/playthrough/recorded and compared with its recording at every step: the
// menus' cursors, sounds and pictures, both answers of both prompts, the stage ends, the ending
// and its name entry, the replay select and a playback. ZARUNE_RECORD=1 writes it anew.
TEST(ShellTour, PlaysBackToItsRecordedStates) {
    TempDir folder;
    Playthrough game(folder.Path().string());
    std::ifstream script(kScript);
    ASSERT_TRUE(script) << "no script at " << kScript;
    const Tour tour = PlayTour(game, script);
    EXPECT_TRUE(QuitRequested()) << "the tour ends by choosing the title's last row";
    if (const char* record = std::getenv("ZARUNE_RECORD"); record != nullptr && *record == '1') {
        WriteRecording(kRecording, tour.points);
        GTEST_SKIP() << "recorded " << kRecording;
    }
    const std::vector<Checkpoint> recorded = ReadRecording(kRecording);
    ASSERT_FALSE(recorded.empty()) << "no recording at " << kRecording;
    for (size_t i = 0; i < tour.points.size() && i < recorded.size(); ++i) {
        const Checkpoint& got = tour.points[i];
        const Checkpoint& want = recorded[i];
        const std::string where = "frame " + std::to_string(got.frame) + ", " + tour.steps[i];
        ASSERT_EQ(got.frame, want.frame) << "checkpoint " << i << " in " << tour.steps[i];
        ASSERT_EQ(got.state, want.state) << "the state first differs at " << where;
        ASSERT_EQ(got.picture, want.picture) << "the picture first differs at " << where;
    }
    EXPECT_EQ(tour.points.size(), recorded.size()) << "the tour took another number of steps";
}
