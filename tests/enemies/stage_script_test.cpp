#include "enemies/stage_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/music.h"
#include "engine/sound.h"
#include "platform/headless/headless_audio.h"
#include "tests/enemies/enemy_fixture.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/assets.h"

namespace {

constexpr int32_t kDrifter = 37;

class StageScriptTest : public EnemyFixture {
protected:
    // A script whose timeline is the given records followed by an end record.
    static std::unique_ptr<CStage6> WithRecords(const std::vector<SpawnRecord>& records) {
        auto script = std::make_unique<CStage6>();
        script->timeline = {};
        std::copy(records.begin(), records.end(), script->timeline.begin());
        if (records.size() < script->timeline.size())
            script->timeline[records.size()] = {99999, 0, 0, 0, 0};
        return script;
    }

    // Runs the script once and returns the frame counter it ran at.
    static int32_t Step(CEnemyMannager& script) {
        const int32_t t = script.frame;
        script.Run();
        return t;
    }
};

struct StageCase {
    const char* name;
    int32_t index;
    std::function<std::unique_ptr<CStageScript>()> make;
    int32_t length;      // Run calls until IsEnd first reports the end
    int32_t musicFrame;  // the Run call, counted from 1, that starts the music
};

std::vector<StageCase> StageCases() {
    return {
        {"bonus", 0, [] { return std::make_unique<CStageB>(); }, 1701, 1},
        {"stage 1", 1, [] { return std::make_unique<CStage1>(); }, 6001, 1},
        {"stage 2", 2, [] { return std::make_unique<CStage2>(); }, 7441, 31},
        {"stage 3", 3, [] { return std::make_unique<CStage3>(); }, 8201, 6},
        {"stage 4", 4, [] { return std::make_unique<CStage4>(); }, 8401, 1},
        {"stage 5", 5, [] { return std::make_unique<CStage5>(); }, 11191, 1},
        {"closing", 6, [] { return std::make_unique<CStage6>(); }, 301, 1},
    };
}

TEST_F(StageScriptTest, EveryStageRunsItsLengthAndStartsItsMusicOnItsFrame) {
    InTempDir dir;
    std::ofstream("tune.ogg") << "x";
    ASSERT_TRUE(g_Sound.Init(2, 22050, 16));
    g_Music.Load("tune.ogg");
    platform::headless::TakeAudioLog();

    for (const StageCase& c : StageCases()) {
        g_nStage = c.index;
        std::unique_ptr<CStageScript> script = c.make();
        // Twice: the end rewinds the script, so a second play starts its music again.
        for (int play = 0; play < 2; ++play) {
            std::vector<int32_t> musicStarts;
            int32_t runs = 0;
            bool ended = false;
            while (!ended && runs < 20000) {
                script->Run();
                ++runs;
                for (const std::string& line : platform::headless::TakeAudioLog()) {
                    if (line == "music play tune.ogg") musicStarts.push_back(runs);
                }
                ended = script->IsEnd();
            }
            EXPECT_EQ(runs, c.length) << c.name;
            EXPECT_EQ(musicStarts, std::vector<int32_t>{c.musicFrame}) << c.name;
            EXPECT_EQ(script->cursor, 0) << c.name;
            EXPECT_EQ(script->frame, CEnemyMannager::kFirstFrame) << c.name;
        }
    }

    g_Music.player.Unload();
    g_Sound.Close();
    platform::headless::ResetAudio();
    // Back to the start-up state: the stage-1 music waiting for a device.
    g_Music.Load("BGM/stage1.ogg");
}

TEST_F(StageScriptTest, OneRecordSpawnsPerFrameInTheSlotOfItsIndex) {
    g_nStage = 4;
    CStage4 stage;
    std::vector<int32_t> spawnFrames;
    for (int i = 0; i < 125; ++i) {
        const int32_t cursor = stage.cursor;
        const int32_t t = Step(stage);
        if (stage.cursor != cursor) spawnFrames.push_back(t);
        if (t == -120) {
            // In play at once: entered at (380, 480) moving (0, 3), and moved in the same frame.
            const CEnemy& e = stage.enemies[0];
            EXPECT_EQ(e.alive, 1);
            EXPECT_EQ(e.x0, 380);
            EXPECT_EQ(e.y0, 480);
            EXPECT_EQ(e.vy0, 3);
            EXPECT_EQ(e.vx0, 0);
            EXPECT_EQ(e.y, 477);
            EXPECT_EQ(e.age, 1);
        }
    }
    EXPECT_EQ(spawnFrames, (std::vector<int32_t>{-120, -119, -100, -99}));
    EXPECT_EQ(stage.enemies[1].x0, 180);
    EXPECT_EQ(stage.enemies[3].x0, 160);
    EXPECT_EQ(stage.enemies[3].p1, 3);
    EXPECT_EQ(stage.enemies[3].p2, 6);
    EXPECT_EQ(stage.enemies[4].alive, 0);
}

TEST_F(StageScriptTest, LateRecordsWaitForTheirPredecessorAndBadKindsAreSkipped) {
    auto script = WithRecords({{-250, 140, kDrifter, 0, 0},
                               {-200, 200, kDrifter, 0, 0},
                               {-150, 260, 50, 0, 0},
                               {-150, 300, kDrifter, 0, 0},
                               {-180, 360, kDrifter, 0, 0}});
    std::vector<int32_t> spawnFrames;
    for (int i = 0; i < 60; ++i) {
        const int32_t cursor = script->cursor;
        const int32_t t = Step(*script);
        if (script->cursor != cursor) spawnFrames.push_back(t);
    }
    EXPECT_EQ(spawnFrames, (std::vector<int32_t>{-200, -199, -150, -149, -148}));
    EXPECT_EQ(script->cursor, 5);
    // The record of kind 50 took its turn and its slot, but placed nothing there.
    EXPECT_EQ(script->enemies[2].alive, 0);
    EXPECT_EQ(script->enemies[3].x0, 300);
    EXPECT_EQ(script->enemies[4].x0, 360);

    // Entering above the field, an enemy rises at 5.
    script->Spawn(200, -10, kDrifter, 0, 0);
    EXPECT_EQ(script->enemies[5].vy, -5);
    EXPECT_EQ(script->cursor, 5);
}

TEST_F(StageScriptTest, TheSlotsAreTakenInTurnAndWrapAt600) {
    auto script = WithRecords(std::vector<SpawnRecord>(600, {-200, 140, kDrifter, 0, 0}));
    for (int i = 0; i < 600; ++i)
        Step(*script);
    EXPECT_EQ(script->cursor, 600);
    // The oldest drifters have left the field; the newest are still in it.
    EXPECT_EQ(script->enemies[0].alive, 0);
    EXPECT_EQ(script->enemies[599].alive, 1);
    EXPECT_EQ(script->enemies[599].age, 1);

    // Full: the next spawn wraps to slot 0 and the cursor goes on from there.
    script->enemies[0].tick = 42;
    Step(*script);
    EXPECT_EQ(script->cursor, 1);
    EXPECT_EQ(script->enemies[0].alive, 1);
    EXPECT_EQ(script->enemies[0].age, 1);
    EXPECT_EQ(script->enemies[0].tick, 42);
}

TEST_F(StageScriptTest, TheEndRewindsAndLeavesTheEnemiesUntilReset) {
    g_nStage = 6;
    CStage6 stage;
    int runs = 0;
    do {
        stage.Run();
        ++runs;
    } while (!stage.IsEnd());
    EXPECT_EQ(runs, 301);
    // Its one record came at frame 2; the end record never spawned.
    EXPECT_EQ(stage.enemies[0].alive, 1);
    EXPECT_EQ(stage.enemies[0].kind, 8);
    EXPECT_EQ(stage.enemies[1].alive, 0);
    EXPECT_EQ(stage.cursor, 0);
    EXPECT_EQ(stage.frame, -200);

    stage.Run();
    EXPECT_EQ(stage.frame, -199);
    stage.Reset();
    EXPECT_EQ(stage.frame, -200);
    EXPECT_EQ(stage.cursor, 0);
    for (int32_t i = 0; i < CEnemyMannager::kEnemyCount; ++i)
        EXPECT_EQ(stage.enemies[i].alive, 0);
}

TEST_F(StageScriptTest, Stage1SnowsTwoThousandFlakesAPlayDrawingTwiceForEach) {
    g_nStage = 1;
    CStage1 stage;
    // No enemies: every number drawn is the snow's.
    stage.timeline = {};
    stage.timeline[0] = {99999, 0, 0, 0, 0};

    SeedRand(1);
    const int32_t r1 = Rand();
    const int32_t r2 = Rand();
    SeedRand(1);

    const uint64_t draws = RandDraws();
    int flakes = 0;
    int runs = 0;
    do {
        const int32_t index = g_EffectMannager.backIndex;
        const int32_t t = Step(stage);
        ++runs;
        if (g_EffectMannager.backIndex == index) continue;
        ++flakes;
        EXPECT_EQ(t % 3, 0) << t;
        const CEffect& flake = g_EffectMannager.back[g_EffectMannager.backIndex];
        EXPECT_EQ(flake.y, 463);
        EXPECT_GE(flake.x, 134);
        EXPECT_LE(flake.x, 509);
        EXPECT_EQ(flake.kind, 3);
        EXPECT_EQ(flake.image2, 16);
        EXPECT_GE(flake.vy, 8);
        EXPECT_LE(flake.vy, 17);
        if (flakes == 1) {
            // Frame -198 is the first multiple of 3; x takes the first number, speed the second.
            EXPECT_EQ(t, -198);
            EXPECT_EQ(flake.x, r1 % 376 + 134);
            EXPECT_EQ(flake.vy, r2 % 10 + 8);
        }
    } while (!stage.IsEnd());
    EXPECT_EQ(runs, 6001);
    EXPECT_EQ(flakes, 2000);
    EXPECT_EQ(RandDraws() - draws, 4000u);
}

TEST_F(StageScriptTest, SpritesLoadFromTheirFilesAndAreReleasedTo1x1) {
    InTempDir dir;
    // Only the enemy sheets are needed here.
    std::vector<std::string> wanted;
    for (const EnemyImageFile& file : kEnemyImageFiles) {
        if (file.path != nullptr) wanted.push_back(file.path);
    }
    EXPECT_EQ(wanted.size(), 42u);
    std::filesystem::create_directory("img");
    for (const assets::AssetFile& file : assets::AllAssets()) {
        if (std::find(wanted.begin(), wanted.end(), file.path) == wanted.end()) continue;
        std::ofstream(file.path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.bytes.data()),
                   static_cast<std::streamsize>(file.bytes.size()));
    }

    CStage6 stage;  // a new script gives the sprites' memory back
    ASSERT_NE(g_pEnemyImage, nullptr);
    for (int32_t k = 0; k < kEnemyImageCount; ++k) {
        EXPECT_EQ(g_pEnemyImage[k].width, 1);
        EXPECT_EQ(g_pEnemyImage[k].height, 1);
    }

    CEnemyMannager::LoadImages();
    // Every frame a kind's script picks must lie inside its sheet.
    struct Sheet {
        int32_t kind;
        int32_t lastFrameX;
    };
    const Sheet animated[] = {{1, 135},  {3, 56},   {7, 192},  {8, 405},  {9, 486},  {12, 138},
                              {13, 144}, {15, 191}, {20, 520}, {26, 228}, {29, 172}, {30, 118},
                              {33, 276}, {35, 486}, {39, 75},  {40, 430}, {41, 190}};
    for (int32_t k = 0; k < kEnemyKindCount; ++k) {
        const CImageShooting& image = g_pEnemyImage[k];
        if (k == 17 || k == 37) {
            EXPECT_EQ(image.width, 1) << k;
            continue;
        }
        int32_t lastFrameX = 0;
        for (const Sheet& s : animated) {
            if (s.kind == k) lastFrameX = s.lastFrameX;
        }
        EXPECT_EQ(image.height, EnemyKindTable[k].h) << k;
        EXPECT_GE(image.width, lastFrameX + EnemyKindTable[k].w) << k;
    }
    // The compressed fortress holds its turret beside the body.
    EXPECT_EQ(g_pEnemyImage[42].width, 410);
    EXPECT_EQ(g_pEnemyImage[44].width, 1);

    CEnemyMannager::ReleaseImages();
    for (int32_t k = 0; k < kEnemyImageCount; ++k)
        EXPECT_EQ(g_pEnemyImage[k].width, 1) << k;
}

}  // namespace
