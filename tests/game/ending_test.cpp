#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "engine/game_state.h"
#include "engine/replay.h"
#include "game/ending.h"
#include "game/game_reset.h"
#include "game/sprite_images.h"
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
    EXPECT_EQ(g_NameEntry.row * 100 + g_NameEntry.column, 0);
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

// Glyph c of row i's name letter j comes from source (20 (c mod 26), 54 - 18 (c / 26)), 20 x 18,
// screened at (143 + 15j, 297 - 31i); the cursor of cell (row r, column c) is keyed at
// (20c + 65, 135 - 18r).
TEST_F(Ending, TableGlyphsAndCursorComeFromTheirCells) {
    g_HighScoreImage.Create(640, 480);
    g_HighScoreCursorImage.Create(1, 1);
    g_HighScoreCursorImage.pixels[0] = 0xFF;
    g_HighScoreGlyphImage.Create(520, 72);
    for (int32_t y = 0; y < 72; ++y) {
        for (int32_t x = 0; x < 520; ++x)
            g_HighScoreGlyphImage.SetPixel(x, y, (x / 20) << 16 | y << 8 | x % 20);
    }
    g_pPointMannager->names[0] = HighScoreName{27, 79, 92, 0};
    g_pPointMannager->names[4] = HighScoreName{0, 51, 13, 0};
    g_pPointMannager->score = 0;
    g_NameEntry.row = 2;
    g_NameEntry.column = 7;
    Frame();
    struct Glyph {
        int32_t row, letter, sx, sy;
    };
    const Glyph glyphs[] = {{0, 0, 20, 36}, {0, 1, 20, 0},   {0, 2, 280, 0},
                            {4, 0, 0, 54},  {4, 1, 500, 36}, {4, 2, 260, 54}};
    for (const Glyph& g : glyphs) {
        const int32_t x = 143 + 15 * g.letter, y = 297 - 31 * g.row;
        // Columns 5 to 14 of a glyph are covered by no neighbour.
        for (const int32_t dx : {5, 14}) {
            for (const int32_t dy : {0, 17}) {
                const uint32_t want =
                    uint32_t((g.sx + dx) / 20) << 16 | uint32_t(g.sy + dy) << 8 | uint32_t(dx);
                EXPECT_EQ(*g_BackBuffer.GetPixelAddress(x + dx, y + dy), want)
                    << g.row << "/" << g.letter << " +" << dx << "," << dy;
            }
        }
        EXPECT_EQ(*g_BackBuffer.GetPixelAddress(x + 5, y + 18), 0u) << g.row << "/" << g.letter;
    }
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(205, 99), 0xFFu);
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(205, 98) + *g_BackBuffer.GetPixelAddress(204, 99), 0u);
}

// A held direction moves on its press and then on every 7th frame; row 3 ends at column 13.
TEST_F(Ending, HeldCursorRepeatsAndRowThreeIsShort) {
    g_pPointMannager->score = 900;
    Frame();
    g_Input.right = 1;
    int32_t columns[15] = {};
    for (int32_t& column : columns) {
        Frame();
        column = g_NameEntry.column;
    }
    EXPECT_EQ(columns[0] * 100 + columns[6] * 10 + columns[7], 112);
    EXPECT_EQ(columns[13] * 10 + columns[14], 23);
    g_Input.right = 0;
    // Down and up move the row only, and row 3 is the last.
    g_NameEntry.column = 5;
    g_NameEntry.row = 0;
    Press(&g_Input.down);
    EXPECT_EQ(g_NameEntry.row * 100 + g_NameEntry.column, 105);
    for (int i = 0; i < 3; ++i)
        Press(&g_Input.down);
    EXPECT_EQ(g_NameEntry.row, 3);
    Press(&g_Input.up);
    EXPECT_EQ(g_NameEntry.row * 100 + g_NameEntry.column, 205);
    // Right stops at column 25.
    g_NameEntry.column = 24;
    Press(&g_Input.right);
    Press(&g_Input.right);
    EXPECT_EQ(g_NameEntry.column, 25);
    g_NameEntry.column = 25;
    g_NameEntry.row = 2;
    Press(&g_Input.down);
    EXPECT_EQ(g_NameEntry.row, 3);
    EXPECT_EQ(g_NameEntry.column, 13);
}

// A shot or direction held as the name entry begins is no press, whether the entry follows a
// continue at once or the movie's last frame: no letter is typed and the cursor stays.
TEST_F(Ending, ButtonsHeldIntoTheNameEntryAreNoPress) {
    g_pPointMannager->score = 900;
    for (int32_t continued : {1, 0}) {
        g_bContinued = static_cast<uint8_t>(continued);
        g_NameEntry = NameEntryState();
        g_Input.shot = 1;
        g_Input.down = 1;
        if (continued == 0) {
            ending_.frame = 3499;
            ending_.Run();
            ASSERT_EQ(ending_.skipMovie, 1);
        }
        for (int f = 0; f < 3; ++f)
            ending_.Run();
        g_Input.shot = 0;
        g_Input.down = 0;
        SCOPED_TRACE(continued);
        EXPECT_EQ(g_NameEntry.letters, 0);
        EXPECT_EQ(g_pPointMannager->names[g_NameEntry.entryRow].c1, 92);
        EXPECT_EQ(g_NameEntry.row, 0);
        EXPECT_EQ(g_bMenuConfirm, 0);
        ending_.skipMovie = 0;
    }
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

// A score of 350 enters row 2 while saving meets one fault after another. Each slot file names
// the score of the row it was saved for; whatever fails, every row of the table on disk keeps
// its own slot ("-" for none, "run" for the new run's), and the table in memory is the one the
// slots belong to.
TEST_F(Ending, SavingKeepsEveryReplayWithItsRecordWhateverFails) {
    namespace fs = std::filesystem;
    struct Case {
        const char* fault;
        std::function<void()> make;
        int32_t disk[5];
        int32_t memory[5];
        const char* slots[5];
    };
    const auto limitFileSize = [](rlim_t bytes) {
        const rlimit limit{bytes, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    const Case cases[] = {
        {"none",
         [] {},
         {500, 400, 350, 300, 200},
         {500, 400, 350, 300, 200},
         {"500", "400", "run", "300", "200"}},
        {"a slot file missing in the middle",
         [] { fs::remove("replay/rpl2.dat"); },
         {500, 400, 350, 300, 200},
         {500, 400, 350, 300, 200},
         {"500", "400", "run", "-", "200"}},
        {"the temporary table is a folder",
         [] { fs::create_directories("init.bin.tmp/x"); },
         {500, 400, 300, 200, 100},
         {500, 400, 300, 200, 100},
         {"500", "400", "300", "200", "100"}},
        {"the table cannot be replaced",
         [] {
             fs::remove("init.bin");
             fs::create_directories("init.bin/x");
         },
         {0, 0, 0, 0, 0},
         {500, 400, 350, 300, 200},
         {"500", "400", "300", "200", "100"}},
        {"the disk is full",
         [&] { limitFileSize(0); },
         {500, 400, 300, 200, 100},
         {500, 400, 300, 200, 100},
         {"500", "400", "300", "200", "100"}},
        {"no room for the run",
         [&] { limitFileSize(4096); },
         {500, 400, 350, 300, 200},
         {500, 400, 350, 300, 200},
         {"500", "400", "-", "300", "200"}},
        {"\"replay\" is a file",
         [] {
             fs::remove_all("replay");
             std::ofstream("replay") << "kept";
         },
         {500, 400, 350, 300, 200},
         {500, 400, 350, 300, 200},
         {"-", "-", "-", "-", "-"}},
    };
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        for (const fs::directory_entry& entry : fs::directory_iterator("."))
            fs::remove_all(entry.path());
        CPointMannager& p = *g_pPointMannager;
        for (int i = 0; i < 5; ++i) {
            p.scores[i] = 500 - 100 * i;
            p.names[i] = HighScoreName{i, i, i, 0};
        }
        ASSERT_TRUE(p.SaveScores());
        fs::create_directory("replay");
        for (int i = 0; i < 5; ++i)
            std::ofstream("replay/rpl" + std::to_string(i) + ".dat") << 500 - 100 * i;
        c.make();

        g_NameEntry = NameEntryState();
        g_nNextScene = kSceneEnding;
        p.score = 350;
        Frame();
        g_NameEntry.letters = 3;
        Frame(&g_Input.shot);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        ASSERT_EQ(g_nNextScene, kSceneTitle);

        CPointMannager disk;
        disk.LoadScores();
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(disk.scores[i], c.disk[i]);
            EXPECT_EQ(p.scores[i], c.memory[i]);
            const std::string slot = "replay/rpl" + std::to_string(i) + ".dat";
            std::string owner = "-";
            if (fs::is_regular_file(slot)) {
                std::getline(std::ifstream(slot), owner);
                if (fs::file_size(slot) == 12u * kReplayStreamSize) owner = "run";
            }
            EXPECT_EQ(owner, c.slots[i]);
        }
        EXPECT_FALSE(fs::exists("replay/rpl.new"));
        EXPECT_FALSE(fs::exists("replay/rpl.old"));
    }
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_EQ(std::filesystem::file_size("replay"), 4u);
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
        Frame();  // the entry begins and takes the buttons as they are held
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
