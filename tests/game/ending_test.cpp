#include <filesystem>
#include <fstream>
#include <string>

#include "engine/game_state.h"
#include "engine/replay.h"
#include "game/ending.h"
#include "game/game_reset.h"
#include "scene_fixture.h"
#include "tests/engine/temp_dir.h"

// The ending runs for real in a temporary folder, where its pictures are missing and the
// high-score table and replay slots it writes land.
class Ending : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        InitGlyphGrid();
        g_NameEntry = NameEntryState();
        g_bContinued = 1;
        g_bMenuConfirm = 0;
        g_nLevel = 1;
        for (int i = 0; i < 5; ++i) {
            g_pPointMannager->scores[i] = 500 - 100 * i;
            g_pPointMannager->names[i] = HighScoreName{i, i, i, 0};
        }
        g_nNextScene = kSceneEnding;
    }

    // One frame with `button` held (none when null).
    void Frame(uint8_t* button = nullptr) {
        uint8_t none = 0;
        uint8_t& held = button != nullptr ? *button : none;
        held = 1;
        ending_.Run();
        held = 0;
    }
    void Press(uint8_t* button) {
        Frame(button);
        Frame();
    }

    InTempDir dir_;
    CEnding ending_;
};

// An equal score does not pass the fifth entry: the cursor sits on the end mark, the table is
// kept, and leaving writes the table but no replay slot. Equal scores never pass each other.
TEST_F(Ending, EqualFifthScoreIsNotEntered) {
    g_pPointMannager->score = 100;
    Frame(&g_Input.right);
    EXPECT_EQ(g_NameEntry.inserted, 0);
    EXPECT_EQ(g_NameEntry.row * 100 + g_NameEntry.column, 313);
    Frame(&g_Input.shot);
    EXPECT_EQ(g_nNextScene, kSceneTitle);
    EXPECT_EQ(g_pPointMannager->names[4].c1, 4);
    EXPECT_TRUE(std::filesystem::exists("init.bin"));
    EXPECT_FALSE(std::filesystem::exists("replay/rpl4.dat"));

    // A score equal to the third passes only the smaller ones below it.
    g_pPointMannager->score = 300;
    g_nNextScene = kSceneEnding;
    Frame();
    EXPECT_EQ(g_NameEntry.entryRow, 3);
    EXPECT_EQ(g_pPointMannager->names[3].c1, 92);
    EXPECT_EQ(g_pPointMannager->scores[4], 200);
}

// A new best goes to row 0; three letters are taken from the cursor's cells, the cursor then
// jumps to the end mark, and the replay goes to slot 0 with the old slot 0 moved to slot 1.
TEST_F(Ending, NewBestIsNamedAndSavedInSlotZero) {
    std::filesystem::create_directory("replay");
    std::ofstream("replay/rpl0.dat", std::ios::binary) << "old run";
    g_pPointMannager->score = 900;
    Frame();
    EXPECT_EQ(g_NameEntry.entryRow, 0);
    Press(&g_Input.shot);  // (0, 0): index 0
    Press(&g_Input.right);
    Press(&g_Input.down);
    Press(&g_Input.shot);  // (1, 1): index 27
    Press(&g_Input.down);
    Press(&g_Input.down);  // clamped at row 3
    Press(&g_Input.shot);  // (3, 1): index 79
    const HighScoreName& name = g_pPointMannager->names[0];
    EXPECT_EQ(name.c1 * 10000 + name.c2 * 100 + name.c3, 2779);
    EXPECT_EQ(name.level, 1);

    // Only the end mark can be chosen now.
    Press(&g_Input.left);
    EXPECT_EQ(g_NameEntry.row * 100 + g_NameEntry.column, 313);
    Frame(&g_Input.shot);
    EXPECT_EQ(g_nNextScene, kSceneTitle);
    EXPECT_EQ(std::filesystem::file_size("replay/rpl1.dat"), 7u);
    EXPECT_EQ(std::filesystem::file_size("replay/rpl0.dat"), 12u * kReplayStreamSize);
}

// A held direction moves on its press and then on every 7th frame; row 3 ends at column 13.
TEST_F(Ending, HeldCursorRepeatsAndRowThreeIsShort) {
    g_pPointMannager->score = 900;
    g_Input.right = 1;
    int32_t columns[15] = {};
    for (int32_t& column : columns) {
        Frame();
        column = g_NameEntry.column;
    }
    EXPECT_EQ(columns[0] * 100 + columns[6] * 10 + columns[7], 112);
    EXPECT_EQ(columns[13] * 10 + columns[14], 23);
    g_Input.right = 0;
    g_NameEntry.column = 25;
    g_NameEntry.row = 2;
    Press(&g_Input.down);
    EXPECT_EQ(g_NameEntry.row, 3);
    EXPECT_EQ(g_NameEntry.column, 13);
}

// A run without a continue sees the whole 3500-frame ending before the name entry; during
// playback the scene goes back to the title at once and writes nothing.
TEST_F(Ending, MovieLastsUntilFrame3500) {
    g_bContinued = 0;
    g_pPointMannager->score = 900;
    for (int f = 1; f < 3500; ++f)
        Frame();
    EXPECT_EQ(ending_.skipMovie, 0);
    Frame();
    EXPECT_EQ(ending_.skipMovie, 1);
    EXPECT_EQ(g_NameEntry.inserted, 0);
    Frame();
    EXPECT_EQ(g_NameEntry.inserted, 1);

    g_bReplay = 1;
    g_NameEntry = NameEntryState();
    g_pPointMannager->score = 1000;
    Frame();
    EXPECT_EQ(g_nNextScene, kSceneTitle);
    EXPECT_EQ(g_pPointMannager->scores[0], 900);
    EXPECT_FALSE(std::filesystem::exists("init.bin"));
}

// The name entry moves the slot files below the new row down one, the last one dropping out,
// and the records of "init.bin" with them, so every slot keeps its own name and level. Owners
// are the old rows 'a' to 'e' and the new run 'N'; '-' is a row without a slot file.
TEST_F(Ending, SlotsMoveDownWithTheirRecords) {
    struct Case {
        int32_t score;
        const char* missing;  // old rows whose slot file was never saved
        const char* slots;    // the slot file in rows 0..4 afterwards
        const char* records;  // the record in rows 0..4 afterwards
    };
    const Case cases[] = {
        {350, "", "abNcd", "abNcd"},   // row 2 of 5
        {350, "c", "abN-d", "abNcd"},  // the source of row 3 is missing: row 3 is left empty
        {350, "d", "abNc-", "abNcd"},  // row 4 gets no file, and the old one drops out
        {900, "b", "Na-cd", "Nabcd"},  // a new best moves every row
        {150, "", "abcdN", "abcdN"},   // the last row is only overwritten
        {100, "", "abcde", "abcde"},   // equal to the fifth: nothing moves
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slots);
        SetUp();
        std::filesystem::remove_all("replay");
        std::filesystem::create_directory("replay");
        for (int i = 0; i < 5; ++i) {
            g_pPointMannager->names[i] = HighScoreName{i, i, i, i % 3};
            if (std::string(c.missing).find(char('a' + i)) == std::string::npos)
                std::ofstream("replay/rpl" + std::to_string(i) + ".dat") << char('a' + i);
        }
        g_pPointMannager->score = c.score;
        // Five steps right, three letters with index 5, then the end mark.
        for (int k = 0; k < 5; ++k)
            Press(&g_Input.right);
        for (int k = 0; k < 4 && g_nNextScene == kSceneEnding; ++k)
            Press(&g_Input.shot);
        ASSERT_EQ(g_nNextScene, kSceneTitle);

        CPointMannager saved;
        saved.LoadScores();
        for (int row = 0; row < 5; ++row) {
            SCOPED_TRACE(row);
            const std::string slot = "replay/rpl" + std::to_string(row) + ".dat";
            const char owner = c.slots[row];
            if (owner == '-') {
                EXPECT_FALSE(std::filesystem::exists(slot));
            } else if (owner == 'N') {
                EXPECT_EQ(std::filesystem::file_size(slot), 12u * kReplayStreamSize);
            } else {
                std::string text;
                std::ifstream(slot) >> text;
                EXPECT_EQ(text, std::string(1, owner));
            }
            const int32_t record = c.records[row] == 'N' ? -1 : c.records[row] - 'a';
            const HighScoreName& name = saved.names[row];
            EXPECT_EQ(name.c1, record < 0 ? 5 : record);
            EXPECT_EQ(name.level, record < 0 ? 1 : record % 3);
        }
    }
}
