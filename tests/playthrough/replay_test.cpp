#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../engine/temp_dir.h"
#include "engine/game_state.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/scenes.h"
#include "tools/playthrough/harness.h"

namespace {

constexpr int kPlayFrames = 7500;  // stage 1, its conversation and a good part of the boss fight

void WriteHashes(const std::string& path, const std::vector<uint64_t>& hashes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(hashes.data()),
              static_cast<std::streamsize>(hashes.size() * sizeof(uint64_t)));
}

std::vector<uint64_t> ReadHashes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint64_t> hashes(kPlayFrames);
    in.read(reinterpret_cast<char*>(hashes.data()),
            static_cast<std::streamsize>(hashes.size() * sizeof(uint64_t)));
    return in ? hashes : std::vector<uint64_t>();
}

// The recorded run: the menus by key, then the scripted player, the state after every frame.
int Record(const std::string& folder) {
    Playthrough game(folder + "/record");
    if (!game.RunMenusToStagePlay()) return 1;
    std::vector<uint64_t> hashes;
    RestartTrail();  // the menus' sounds differ from the replay select's
    for (int t = 0; t < kPlayFrames; ++t) {
        game.Step(ScriptedPlayKeys(t));
        hashes.push_back(HashGameState());
    }
    WriteHashes(folder + "/recorded.hashes", hashes);
    std::ofstream streams(folder + "/streams", std::ios::binary);
    streams.write(reinterpret_cast<const char*>(g_aReplayStage), kReplayStreamSize);
    streams.write(reinterpret_cast<const char*>(g_aReplayBoss), kReplayStreamSize);
    return streams ? 0 : 1;
}

// The playback: from the title, as the replay select starts one (new game, playback on,
// stage play requested), with the recorded streams and no keys but those the prompts read.
int Play(const std::string& folder) {
    Playthrough game(folder + "/play");
    while (g_nScene != kSceneTitle)
        game.Step(0);
    std::ifstream streams(folder + "/streams", std::ios::binary);
    streams.read(reinterpret_cast<char*>(g_aReplayStage), kReplayStreamSize);
    streams.read(reinterpret_cast<char*>(g_aReplayBoss), kReplayStreamSize);
    if (!streams) return 1;
    // What the replay select does on its last frame: the request is switched to at the end of
    // that frame, after its input was read.
    ResetGameState();
    g_bReplay = 1;
    g_nNextScene = kSceneGame;
    SwitchScene();
    std::vector<uint64_t> hashes;
    RestartTrail();  // the menus' sounds differ from the replay select's
    for (int t = 0; t < kPlayFrames; ++t) {
        game.Step(ScriptedPlayKeys(t));
        hashes.push_back(HashGameState());
    }
    WriteHashes(folder + "/played.hashes", hashes);
    return 0;
}

}  // namespace

// The playback follows the recording in the same process, so whatever the recording leaves
// behind that neither the window's creation nor the new game resets shows up as a difference.
TEST(ReplayPlayback, ReachesTheRecordedStateOnEveryFrame) {
    TempDir folder;
    const std::string path = folder.Path().string();
    ASSERT_EQ(Record(path), 0);
    ASSERT_EQ(Play(path), 0);

    const std::vector<uint64_t> recorded = ReadHashes(path + "/recorded.hashes");
    const std::vector<uint64_t> played = ReadHashes(path + "/played.hashes");
    ASSERT_EQ(recorded.size(), static_cast<size_t>(kPlayFrames));
    ASSERT_EQ(played.size(), static_cast<size_t>(kPlayFrames));
    for (int t = 0; t < kPlayFrames; ++t) {
        ASSERT_EQ(played[t], recorded[t]) << "the playback leaves the recorded run at frame " << t;
    }
}
