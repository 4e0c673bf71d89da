#pragma once

#include <cstdint>

#include "game/menu_input.h"
#include "game/task_engine.h"

// The story shown between stages when conversations are on: the page and how long it has been
// shown, and whether the last page has been turned. The page age is never reset between stage
// ends.
struct StoryState {
    int32_t page = 0;
    int32_t pageAge = 0;
    uint8_t done = 0;
    MenuButton shot;
};
extern StoryState g_Story;

// Pages of story by stage index 0..6.
inline constexpr int32_t StoryPageCount[7] = {2, 2, 2, 2, 3, 3, 2};
// The stage bonus factor by difficulty level.
inline constexpr double LevelBonusFactor[3] = {1.0, 1.2, 1.5};
// The pair of replay streams each stage index starts with.
inline constexpr int32_t ReplayPairTable[7] = {4, 1, 2, 3, 5, 6, 0};

// Where a story page sits in its picture: rows from the top, and its height.
struct StoryBand {
    int32_t offset;
    int32_t height;
};
// The band of a page; stage indexes past 5 use row 5 and pages past 2 use column 2.
StoryBand GetStoryBand(int32_t stage, int32_t page);

// The story picture of the stage index (none for 6), and the conversation backdrop again.
void LoadStoryText();
// Shrinks the story picture to 1x1.
void FreeStoryText();

// The stage bonus for the counts of the stage just beaten, at the current level.
int32_t StageBonus();

// Scene 70: the tally after a boss, then the story when conversations are on, then the next
// stage, or the ending after the last one. g_nStage already names the next stage. The switch
// runs no Start, so the frame counter carries over from the last visit.
class CStageEnd : public CTaskEngin {
public:
    int32_t holdFrames = 0;  // the final tally's frames
    int32_t holdSteps = 0;   // steps taken once the final tally has been held

    // Loads the tally panel and its digits into the score keeper.
    CStageEnd();
    void Run() override;

private:
    void NextStage();
    void EndRun();
    // The panel, and while `numbers` the counts, the bonus and the level.
    void DrawCounts(int32_t panelX, int32_t bonus, bool numbers);
    void DrawTally();
    void DrawStoryPage();
    void DrawFinalTally();
};
