#include "engine/replay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/requests.h"
#include "tests/engine/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr size_t kPart = kReplayStreamSize;

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A block that tells its owner apart: every byte is `tag`, except the first, which counts.
Bytes Block(uint8_t tag, size_t size = kPart) {
    Bytes block(size, tag);
    if (size > 0) block[0] = uint8_t(tag + 1);
    return block;
}

Bytes Stream(const uint8_t* stream) {
    return Bytes(stream, stream + kPart);
}

std::string Tmp(int n, int part) {
    return "replay/tmp" + std::to_string(n) + std::to_string(part);
}
std::string Slot(int slot) {
    return "replay/rpl" + std::to_string(slot) + ".dat";
}

// Both steps of saving a run, with nothing failing in between.
void SaveRun(int row) {
    if (g_Replay.PrepareRun(row)) CReplay::SaveSlot(row);
}

class Replay : public ::testing::Test {
protected:
    void SetUp() override {
        g_Replay.Reset();
        g_nNextScene = 10;
    }
    void TearDown() override {
        g_Replay.Reset();
        g_nNextScene = 0;
        g_nStage = 1;
    }

    static void FillStreams(uint8_t stageTag, uint8_t bossTag) {
        const Bytes stage = Block(stageTag);
        const Bytes boss = Block(bossTag);
        std::copy(stage.begin(), stage.end(), g_aReplayStage);
        std::copy(boss.begin(), boss.end(), g_aReplayBoss);
    }

    InTempDir dir_;
};

TEST_F(Replay, RecordSaturatesAndReadWraps) {
    for (int i = 0; i < 11300; ++i)
        g_Replay.Record(uint8_t(i % 127));
    EXPECT_EQ(g_Replay.stagePos, 11199);
    for (int i = 0; i < 11199; ++i)
        ASSERT_EQ(g_aReplayStage[i], i % 127) << i;
    EXPECT_EQ(g_aReplayStage[11199], 11299 % 127);
    EXPECT_EQ(g_Replay.bossPos, 0);

    g_nNextScene = 50;
    g_Replay.Record(0x41);
    EXPECT_EQ(g_aReplayBoss[0], 0x41);
    EXPECT_EQ(g_Replay.bossPos, 1);

    g_nNextScene = 10;
    g_Replay.stagePos = 0;
    for (int i = 0; i < 11200; ++i)
        ASSERT_EQ(g_Replay.Read(), g_aReplayStage[i]) << i;
    EXPECT_EQ(g_Replay.stagePos, 11200);
    EXPECT_EQ(g_Replay.Read(), g_aReplayStage[0]);
    EXPECT_EQ(g_Replay.stagePos, 1);

    // A position a read left at the end is written at the last byte; one set below the start
    // records at the first byte and reads from it.
    g_Replay.stagePos = kReplayStreamSize;
    g_Replay.Record(0x55);
    EXPECT_EQ(g_aReplayStage[11199], 0x55);
    EXPECT_EQ(g_Replay.stagePos, 11199);
    g_Replay.stagePos = -5;
    g_Replay.Record(0x66);
    EXPECT_EQ(g_aReplayStage[0], 0x66);
    EXPECT_EQ(g_Replay.stagePos, 1);
    g_nNextScene = 50;
    g_Replay.bossPos = -1;
    EXPECT_EQ(g_Replay.Read(), 0x41);
    EXPECT_EQ(g_Replay.bossPos, 1);
}

TEST_F(Replay, OtherScenesNeitherRecordNorRead) {
    g_aReplayStage[0] = 7;
    g_nNextScene = 70;
    g_Replay.Record(9);
    EXPECT_EQ(g_Replay.Read(), 0);
    EXPECT_EQ(g_aReplayStage[0], 7);
    EXPECT_EQ(g_Replay.stagePos, 0);
    EXPECT_EQ(g_Replay.bossPos, 0);

    // A read in any scene first wraps both positions that reached the end.
    g_Replay.stagePos = kReplayStreamSize;
    g_Replay.bossPos = kReplayStreamSize;
    EXPECT_EQ(g_Replay.Read(), 0);
    EXPECT_EQ(g_Replay.stagePos, 0);
    EXPECT_EQ(g_Replay.bossPos, 0);
}

TEST_F(Replay, SaveStageNamesTheStageJustFinished) {
    // The stage index names the next stage: 2 after stage 1, 0 (bonus) after 3, 6 after 5.
    const int finished[7] = {3, 0, 1, 2, 4, 5, 6};
    for (int next = 0; next <= 6; ++next) {
        SCOPED_TRACE(next);
        if (next == 1) continue;  // stage 1 is never next
        std::filesystem::remove_all("replay");
        g_nStage = next;
        FillStreams(uint8_t(10 * next), uint8_t(10 * next + 5));
        g_Replay.SaveStage();
        const int n = finished[next];
        EXPECT_EQ(ReadFile(Tmp(n, 0)), Block(uint8_t(10 * next)));
        EXPECT_EQ(ReadFile(Tmp(n, 1)), Block(uint8_t(10 * next + 5)));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("replay"),
                                std::filesystem::directory_iterator()),
                  2);
    }
}

TEST_F(Replay, SavedRunJoinsTheTemporaryFilesWithZerosForWhatIsMissing) {
    std::filesystem::create_directory("replay");
    for (int n = 1; n <= 6; ++n) {
        for (int part = 0; part < 2; ++part)
            WriteFile(Tmp(n, part), Block(uint8_t(n * 10 + part)));
    }
    std::filesystem::remove(Tmp(3, 1));
    WriteFile(Tmp(4, 0), Block(99, 100));
    WriteFile(Tmp(6, 1), Block(77, kPart + 50));

    SaveRun(2);
    const Bytes slot = ReadFile(Slot(2));
    ASSERT_EQ(slot.size(), 134400u);
    for (int n = 1; n <= 6; ++n) {
        for (int part = 0; part < 2; ++part) {
            SCOPED_TRACE(Tmp(n, part));
            const size_t block = size_t((n - 1) * 2 + part);
            Bytes expected = Block(uint8_t(n * 10 + part));
            if (n == 3 && part == 1) expected = Bytes(kPart, 0);
            if (n == 4 && part == 0) {
                expected = Block(99, 100);
                expected.resize(kPart, 0);
            }
            if (n == 6 && part == 1) expected = Block(77);
            EXPECT_EQ(Bytes(slot.begin() + block * kPart, slot.begin() + (block + 1) * kPart),
                      expected);
        }
    }
    // The stage stream served as the copy buffer.
    EXPECT_EQ(Stream(g_aReplayStage), Block(77));
}

TEST_F(Replay, LoadLeavesTheNthPair) {
    std::filesystem::create_directory("replay");
    Bytes file;
    for (int block = 0; block < 12; ++block) {
        const Bytes b = Block(uint8_t(block + 1));
        file.insert(file.end(), b.begin(), b.end());
    }
    file.resize(file.size() + 1000, 0xEE);  // an oversized file: the extra bytes are ignored
    WriteFile(Slot(1), file);

    g_Replay.Load(1, 1);
    EXPECT_EQ(Stream(g_aReplayStage), Block(1));
    EXPECT_EQ(Stream(g_aReplayBoss), Block(2));
    g_Replay.Load(1, 3);
    EXPECT_EQ(Stream(g_aReplayStage), Block(5));
    EXPECT_EQ(Stream(g_aReplayBoss), Block(6));
    g_Replay.Load(1, 6);
    EXPECT_EQ(Stream(g_aReplayStage), Block(11));
    EXPECT_EQ(Stream(g_aReplayBoss), Block(12));
    g_Replay.Load(1, 0);
    EXPECT_EQ(Stream(g_aReplayStage), Block(11));

    // A short file: what lies beyond its end stays as it was.
    WriteFile(Slot(3), Block(40, kPart + 100));
    g_Replay.Load(3, 1);
    EXPECT_EQ(Stream(g_aReplayStage), Block(40));
    Bytes boss = Block(12);
    std::fill(boss.begin(), boss.begin() + 100, 40);
    EXPECT_EQ(Stream(g_aReplayBoss), boss);
}

TEST_F(Replay, LoadingANeverSavedSlotCreatesAnEmptyFile) {
    FillStreams(3, 4);
    g_Replay.Load(4, 2);  // no "replay/" folder either
    EXPECT_TRUE(std::filesystem::exists(Slot(4)));
    EXPECT_EQ(std::filesystem::file_size(Slot(4)), 0u);
    EXPECT_EQ(Stream(g_aReplayStage), Block(3));
    EXPECT_EQ(Stream(g_aReplayBoss), Block(4));
}

TEST_F(Replay, SaveRunShiftsTheLowerSlotsDown) {
    for (int row = -1; row <= 5; ++row) {
        SCOPED_TRACE(row);
        std::filesystem::remove_all("replay");
        std::filesystem::create_directory("replay");
        // Slots 0..4 hold one byte naming them, except slot 2, which was never saved.
        for (int slot = 0; slot < 5; ++slot) {
            if (slot != 2) WriteFile(Slot(slot), Bytes{uint8_t('a' + slot)});
        }
        SaveRun(row);
        for (int slot = 0; slot <= 5; ++slot) {
            SCOPED_TRACE(slot);
            int owner = slot;  // whose file now sits in this slot; -1 for none
            if (row >= 0 && row <= 4) {
                if (slot == row) owner = 100;
                if (slot > row) owner = slot - 1;
            }
            if (owner == 2 || slot == 5) owner = -1;  // there are five slots
            if (owner == -1) {
                EXPECT_FALSE(std::filesystem::exists(Slot(slot)));
            } else if (owner == 100) {
                EXPECT_EQ(std::filesystem::file_size(Slot(slot)), 134400u);
            } else {
                EXPECT_EQ(ReadFile(Slot(slot)), Bytes{uint8_t('a' + owner)});
            }
        }
    }
}

TEST_F(Replay, ARecordedRunPlaysBackStageByStage) {
    // Six stages in the order of play; each stage part and boss fight of a different length.
    const int order[6] = {1, 2, 3, 0, 4, 5};
    std::vector<Bytes> recorded;
    for (int played = 0; played < 6; ++played) {
        g_Replay.stagePos = g_Replay.bossPos = 0;
        Bytes stage, boss;
        g_nNextScene = 10;
        for (int f = 0; f < 300 + played * 37; ++f) {
            stage.push_back(uint8_t((f * 7 + played) & 0x7F));
            g_Replay.Record(stage.back());
        }
        g_nNextScene = 50;
        for (int f = 0; f < 200 + played * 11; ++f) {
            boss.push_back(uint8_t((f * 3 + played) & 0x7F));
            g_Replay.Record(boss.back());
        }
        recorded.push_back(stage);
        recorded.push_back(boss);
        g_nStage = played == 5 ? 6 : order[played + 1];
        g_Replay.SaveStage();
    }
    SaveRun(0);

    g_Replay.Reset();
    for (int played = 0; played < 6; ++played) {
        SCOPED_TRACE(played);
        g_Replay.Load(0, played + 1);
        g_Replay.stagePos = g_Replay.bossPos = 0;
        g_nNextScene = 10;
        for (uint8_t expected : recorded[played * 2])
            ASSERT_EQ(g_Replay.Read(), expected);
        g_nNextScene = 50;
        for (uint8_t expected : recorded[played * 2 + 1])
            ASSERT_EQ(g_Replay.Read(), expected);
    }
}

}  // namespace
