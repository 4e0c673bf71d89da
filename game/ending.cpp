#include "game/ending.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/music.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/high_score_save.h"
#include "game/input.h"
#include "game/play_screen.h"
#include "game/scenes.h"
#include "game/sprite_images.h"
#include "shooting/point_mannager.h"

GlyphCell HiScoreGlyphGrid[kGlyphRows][kGlyphColumns];
NameEntryState g_NameEntry;

namespace {

constexpr int32_t kRepeatFrames = 6;
constexpr int32_t kLastRow = CPointMannager::kTableSize - 1;
constexpr int32_t kRowSpacing = 31;

// The movie's timeline in frames.
constexpr int32_t kMusicFrame = 1;
constexpr int32_t kTextSpan = 400;
constexpr int32_t kPictureChange = 2000;
constexpr int32_t kStaffStart = 2600;
constexpr int32_t kSeeYouStart = 3300;
constexpr int32_t kSeeYouFadeOut = 3450;
constexpr int32_t kMovieEnd = 3500;

// The shared images the constructor fills.
CImageShooting& g_EndFrame = g_EndingImage[0];
CImageShooting& g_EndPicture3 = g_EndingImage[1];
CImageShooting& g_EndPicture4 = g_EndingImage[2];
CImageShooting& g_StaffRoll = g_EndingImage[3];
CImageShooting& g_SeeYou = g_EndingImage[4];

int32_t Level(int32_t value) {
    return std::clamp(value, 0, 255);
}

// The two pictures fade in from black and out again; the second follows the first at 2000.
void DrawPicture(int32_t f) {
    const CImage32* picture = nullptr;
    int32_t level = 0;
    if (f < kPictureChange) {
        picture = &g_EndPicture3;
        level = f > 1600 ? 2 * (f - 1600) : 255 - f;
    } else if (f > kPictureChange) {
        picture = &g_EndPicture4;
        level = f > 2400 ? 2 * (f - 2400) : 2255 - f;
    } else {
        return;
    }
    g_BackBuffer.BltNoClip(CDrawMode(9, Level(level)), 0, 0, *picture, 0, 0, kScreenWidth,
                           kScreenHeight);
}

// Six texts of 400 frames, each brightening from its start; the last one then fades out.
void DrawText(int32_t f) {
    int32_t index = kEndingTextImageCount - 1;
    int32_t level = 255 - 5 * (f - kEndingTextImageCount * kTextSpan);
    if (f < kEndingTextImageCount * kTextSpan) {
        index = f / kTextSpan;
        level = 5 * (f - index * kTextSpan);
    }
    g_BackBuffer.BltAll(CDrawMode(10, Level(level)), 100, 0, g_EndingTextImage[index]);
}

// The frame's four borders, each taken from the same place of the frame picture.
void DrawFrame() {
    struct Strip {
        int32_t x, y, w, h;
    };
    constexpr Strip kStrips[4] = {
        {0, 0, 66, 480}, {579, 0, 61, 480}, {66, 438, 513, 42}, {66, 0, 513, 34}};
    for (const Strip& s : kStrips)
        g_BackBuffer.Blt(g_DrawKey, s.x, s.y, g_EndFrame, s.x, s.y, s.w, s.h);
}

void DrawStaffRoll(int32_t f) {
    g_BackBuffer.BltWideAll(CDrawMode(), 200, 30 - g_StaffRoll.height + (f - kStaffStart),
                            g_StaffRoll);
    if (f <= kSeeYouStart) return;
    const int32_t level =
        f > kSeeYouFadeOut ? 4 * (f - kSeeYouFadeOut) : 255 - 2 * (f - kSeeYouStart);
    g_BackBuffer.BltAll(CDrawMode(9, Level(level)), 180, 170, g_SeeYou);
}

void DrawScore(int32_t score, int32_t y) {
    const CImage32& digits = g_Panels.scoreDigits;
    const CDrawMode screen(12);
    int64_t rest = std::max(score, 0);
    for (int32_t k = 0; k < 10; ++k) {
        const int32_t x = 403 - 12 * k - 4 * (k / 3);
        const int32_t digit = static_cast<int32_t>(rest % 10);
        rest /= 10;
        g_BackBuffer.Blt(screen, x, y, digits, 10 * digit, 0, 10, 14);
        if (k > 0 && k % 3 == 0) g_BackBuffer.Blt(screen, x + 12, y, digits, 100, 0, 4, 14);
    }
}

void DrawGlyph(int32_t c, int32_t x, int32_t y) {
    // A letter out of range shows as not entered.
    if (c < 0 || c > kNoLetter) c = kNoLetter;
    const int32_t sx = kGlyphCellW * (c % kGlyphColumns);
    const int32_t sy = 54 - kGlyphCellH * (c / kGlyphColumns);
    g_BackBuffer.Blt(CDrawMode(12), x, y, g_HighScoreGlyphImage, sx, sy, kGlyphCellW, kGlyphCellH);
}

// Places the run's score fifth and lets it rise past every smaller score; equal scores keep
// their places.
void InsertScore(NameEntryState& s) {
    CPointMannager& p = *g_pPointMannager;
    p.scores[kLastRow] = p.score;
    p.names[kLastRow] = HighScoreName{kNoLetter, kNoLetter, kNoLetter, g_nLevel};
    for (int32_t i = kLastRow; i > 0 && p.scores[i - 1] < p.scores[i]; --i) {
        std::swap(p.scores[i - 1], p.scores[i]);
        std::swap(p.names[i - 1], p.names[i]);
        s.entryRow -= 1;
    }
    s.inserted = 1;
}

void MoveCursor(NameEntryState& s, int32_t dRow, int32_t dColumn) {
    s.row = std::clamp(s.row + dRow, 0, kGlyphRows - 1);
    s.column = std::clamp(s.column + dColumn, 0, kGlyphColumns - 1);
    s.repeat = 0;
    RequestSound(kSoundCursor);
}

// A press moves once; a held direction moves again whenever the shared repeat count had
// reached 6, so every 7th frame while one direction is held.
void StepDirection(NameEntryState& s, MenuButton& button, uint8_t held, int32_t dRow,
                   int32_t dColumn) {
    if (button.Edge(held)) {
        MoveCursor(s, dRow, dColumn);
    } else if (held == 1) {
        if (s.repeat >= kRepeatFrames) {
            MoveCursor(s, dRow, dColumn);
        } else {
            s.repeat += 1;
        }
    }
}

void SetLetter(HighScoreName& name, int32_t index, int32_t c) {
    int32_t* letters[3] = {&name.c1, &name.c2, &name.c3};
    *letters[index] = c;
}

void ReturnMusicToStage1() {
    g_Music.player.Stop();
    g_Music.Load("BGM/stage1.ogg");
}

}  // namespace

void InitGlyphGrid() {
    for (int32_t r = 0; r < kGlyphRows; ++r) {
        for (int32_t c = 0; c < kGlyphColumns; ++c)
            HiScoreGlyphGrid[r][c] = GlyphCell{kGlyphCellW * c, kGlyphCellH * r};
    }
}

void DrawHighScoreTable(int32_t scoreY, int32_t nameY) {
    const CPointMannager& p = *g_pPointMannager;
    for (int32_t i = 0; i < CPointMannager::kTableSize; ++i) {
        DrawScore(p.scores[i], scoreY - kRowSpacing * i);
        const int32_t letters[3] = {p.names[i].c1, p.names[i].c2, p.names[i].c3};
        for (int32_t j = 0; j < 3; ++j)
            DrawGlyph(letters[j], 143 + 15 * j, nameY - kRowSpacing * i);
    }
}

CEnding::CEnding() {
    g_EndFrame.Load("img/end-frame.bmp");
    g_EndPicture3.Load("img/end-3.bmp");
    g_EndPicture4.Load("img/end-4.bmp");
    g_StaffRoll.Load("text/staff.bmp");
    constexpr const char* kTexts[kEndingTextImageCount] = {"text/endstr1.bmp", "text/endstr2.bmp",
                                                           "text/endstr3.bmp", "text/endstr4.bmp",
                                                           "text/endstr5.bmp", "text/endstr6.bmp"};
    for (int32_t i = 0; i < kEndingTextImageCount; ++i)
        g_EndingTextImage[i].Load(kTexts[i]);
    g_SeeYou.Load("text/seeyou.bmp");
}

void CEnding::Run() {
    // Neither a continued run nor a replay earns the ending.
    if (skipMovie == 0 && (g_bContinued != 0 || g_bReplay != 0)) {
        skipMovie = 1;
        BeginNameEntry();
    }
    if (skipMovie != 0) {
        RunNameEntry();
        return;
    }
    RunMovie();
}

void CEnding::RunMovie() {
    if (frame == kMusicFrame) {
        g_Music.Load("BGM/ending.ogg");
        g_Music.player.SetMode(4);
        g_Music.player.Start();
    }
    frame += 1;
    const int32_t f = frame;
    if (f < kStaffStart) {
        DrawPicture(f);
        DrawText(f);
        DrawFrame();
    } else if (f < kMovieEnd) {
        DrawStaffRoll(f);
    } else {
        skipMovie = 1;
        BeginNameEntry();
    }
}

// The buttons held as the name entry begins count as already held, as in the other menus: a
// shot held from the last tally or the continue must not type a letter.
void CEnding::BeginNameEntry() {
    NameEntryState& s = g_NameEntry;
    s.down.current = g_Input.down;
    s.up.current = g_Input.up;
    s.left.current = g_Input.left;
    s.right.current = g_Input.right;
    s.shot.current = g_Input.shot;
}

void CEnding::RunNameEntry() {
    NameEntryState& s = g_NameEntry;
    CPointMannager& p = *g_pPointMannager;
    if (g_bReplay != 0) {
        frame = 0;
        g_Input.shot = 0;
        g_Input.shotPrev = 0;
        g_bMenuConfirm = 0;
        g_nNextScene = kSceneTitle;
        skipMovie = 0;
        ReturnMusicToStage1();
        return;
    }

    frame = 0;
    g_BackBuffer.Copy(0, 0, g_HighScoreImage);
    const GlyphCell& cell = HiScoreGlyphGrid[s.row][s.column];
    g_BackBuffer.BltAll(g_DrawKey, cell.x + 65, 135 - cell.y, g_HighScoreCursorImage);

    if (s.inserted == 0 && p.score > p.scores[kLastRow]) InsertScore(s);
    DrawHighScoreTable(300, 297);

    StepDirection(s, s.down, g_Input.down, 1, 0);
    StepDirection(s, s.up, g_Input.up, -1, 0);
    StepDirection(s, s.left, g_Input.left, 0, -1);
    StepDirection(s, s.right, g_Input.right, 0, 1);
    if (s.row == kGlyphRows - 1) s.column = std::min(s.column, kEndMarkColumn);

    if (s.inserted == 0 || s.letters >= 3) {
        s.row = kGlyphRows - 1;
        s.column = kEndMarkColumn;
    }

    if (!s.shot.Edge(g_Input.shot)) return;
    g_bMenuConfirm = 1;
    const bool onEndMark = s.row == kGlyphRows - 1 && s.column == kEndMarkColumn;
    if (!onEndMark) {
        if (s.letters >= 3 || s.entryRow < 0 || s.entryRow > kLastRow) return;
        RequestSound(kSoundDecision);
        SetLetter(p.names[s.entryRow], s.letters, kGlyphColumns * s.row + s.column);
        s.letters += 1;
        return;
    }
    RequestSound(kSoundDecision);
    LeaveToTitle();
}

void CEnding::LeaveToTitle() {
    NameEntryState& s = g_NameEntry;
    frame = 0;
    g_Input.shot = 0;
    g_Input.shotPrev = 0;
    g_bMenuConfirm = 0;
    // Only a run that made the table keeps its replay, in its row's slot.
    SaveHighScores(s.inserted != 0 ? s.entryRow : -1);
    s.inserted = 0;
    s.entryRow = kLastRow;
    s.letters = 0;
    s.column = 0;
    s.row = 0;
    g_nNextScene = kSceneTitle;
    skipMovie = 0;
    ReturnMusicToStage1();
}
