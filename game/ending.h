#pragma once

#include <cstdint>

#include "game/menu_input.h"
#include "game/task_engine.h"
#include "shooting/point_mannager.h"

// The name-entry character grid: 26 columns by 4 rows of 20 x 18 cells. Character index is
// 26 row + column; row 3 ends at column 13, the end mark. A letter not yet entered is index 92,
// the cell after the end mark.
inline constexpr int32_t kGlyphColumns = 26;
inline constexpr int32_t kGlyphRows = 4;
inline constexpr int32_t kGlyphCellW = 20;
inline constexpr int32_t kGlyphCellH = 18;
inline constexpr int32_t kEndMarkColumn = 13;
inline constexpr int32_t kNoLetter = CPointMannager::kLetterMax;

struct GlyphCell {
    int32_t x = 0;
    int32_t y = 0;
};
extern GlyphCell HiScoreGlyphGrid[kGlyphRows][kGlyphColumns];
// Fills the grid; run once when the window is created.
void InitGlyphGrid();

// The name entry's state, kept between frames and runs: the table row the new score went to
// (4 until it is inserted), the letters entered, the cursor and the held directions.
struct NameEntryState {
    int32_t entryRow = 4;
    int32_t letters = 0;
    int32_t column = 0;
    int32_t row = 0;
    int32_t repeat = 0;
    uint8_t inserted = 0;
    MenuButton down;
    MenuButton up;
    MenuButton left;
    MenuButton right;
    MenuButton shot;
};
extern NameEntryState g_NameEntry;

// The high-score table in the screen's screen blend: each row's ten score digits with their
// separators and its three name glyphs, row 0 on top, rows 31 pixels apart.
void DrawHighScoreTable(int32_t scoreY, int32_t nameY);

// Scene 710: the ending pictures, texts and staff roll, then the high-score screen with its
// name entry; back to the title from there. Runs after a continue or during playback go
// straight to the high-score screen.
class CEnding : public CTaskEngin {
public:
    uint8_t skipMovie = 0;

    // Loads the ending's pictures and texts into the shared images kept for them.
    CEnding();
    void Run() override;
    void RunNameEntry();

private:
    void RunMovie();
    void BeginNameEntry();
    void LeaveToTitle();
};
