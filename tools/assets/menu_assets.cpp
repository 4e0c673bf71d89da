#include <algorithm>
#include <string>
#include <vector>

#include "tools/assets/assets.h"

// The front-end, prompt and between-stage pictures, the play-screen panels, and the shared
// sprites of the high-score, key configuration and conversation screens. Story and explanation
// texts are placeholder lines in the built-in font.
namespace assets {
namespace {

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;
constexpr uint32_t kMenuBack = 0x101830;  // the level select's background, shared by its cursor
constexpr uint32_t kText = 0xE8E8F0;
constexpr uint32_t kGold = 0xF0D060;
constexpr uint32_t kCyan = 0x60D0FF;

// A vertical gradient from `bottom` to `top`.
Picture Gradient(int w, int h, uint32_t bottom, uint32_t top) {
    Picture p(w, h, kBlack);
    for (int y = 0; y < h; ++y) {
        const int t = h > 1 ? y * 256 / (h - 1) : 0;
        const auto mix = [&](int shift) {
            const int a = static_cast<int>((bottom >> shift) & 0xFF);
            const int b = static_cast<int>((top >> shift) & 0xFF);
            return static_cast<uint32_t>(a + (b - a) * t / 256) << shift;
        };
        FillRect(p, 0, y, w, 1, mix(16) | mix(8) | mix(0));
    }
    return p;
}

// Text centred across the picture with its bottom at row y.
void CentredText(Picture& p, int y, std::string_view text, uint32_t colour, int scale) {
    DrawText(p, (p.width - TextWidth(text, scale)) / 2, y, text, colour, scale);
}

// A right-pointing arrow filling the picture.
Picture Arrow(int w, int h, uint32_t back, uint32_t colour) {
    Picture p(w, h, back);
    FillTriangle(p, 2, 1, 2, h - 2, w - 2, h / 2, colour);
    return p;
}

// A keyed label: the text on the colour key, with a dark shadow so it reads on any ground.
Picture Label(std::string_view text, int scale, uint32_t colour) {
    const int w = TextWidth(text, scale) + 4;
    const int h = kGlyphHeight * scale + 4;
    Picture p(w, h, kKey);
    DrawText(p, 3, 1, text, 0x202020, scale);
    DrawText(p, 2, 2, text, colour, scale);
    return p;
}

// Labels stacked in equal keyed bands, the first one in the bottom band.
Picture Bands(const std::vector<std::string>& labels, int w, int bandH, uint32_t colour) {
    Picture p(w, bandH * static_cast<int>(labels.size()), kKey);
    for (size_t i = 0; i < labels.size(); ++i) {
        DrawTextInCell(p, 0, static_cast<int>(i) * bandH, w, bandH, labels[i], colour, 0x202020);
    }
    return p;
}

// Lines of text on black, the first line at row `top` counted from the top of the picture,
// one line every 12 rows.
void TextLines(Picture& p, int top, const std::vector<std::string>& lines, uint32_t colour) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const int y = p.height - top - kGlyphHeight - 12 * static_cast<int>(i);
        DrawText(p, 8, y, lines[i], colour, 1);
    }
}

Picture Logo() {
    Picture p(300, 360, kBlack);
    FillCircle(p, 150, 210, 110, 0x182848);
    FillCircle(p, 150, 210, 90, kBlack);
    DrawLine(p, 40, 210, 260, 210, kCyan);
    CentredText(p, 190, "ZARUNE", kText, 6);
    CentredText(p, 60, "PLACEHOLDER SOFTWARE", kCyan, 2);
    return p;
}

// The title screen; the menu rows sit right of the cursor at y 180, 138, 101 and 70.
Picture Title() {
    Picture p = Gradient(kScreenW, kScreenH, 0x050810, 0x203060);
    CentredText(p, 330, "ZARUNE", kGold, 9);
    const char* rows[] = {"GAME START", "REPLAY", "KEY CONFIG", "EXIT"};
    const int y[] = {180, 138, 101, 70};
    for (int i = 0; i < 4; ++i)
        DrawText(p, 240, y[i] + 2, rows[i], kText, 3);
    return p;
}

// The prompts' backdrop, multiplied over the play field: a grey veil with a lighter window in
// the middle where the answers stand.
Picture ContinueBackdrop() {
    Picture p(kScreenW, kScreenH, 0x707078);
    FillRect(p, 40, 90, 300, 300, 0xA0A0A8);
    FrameRect(p, 40, 90, 300, 300, 0x505058);
    return p;
}

Picture LevelSelect() {
    Picture p(kScreenW, kScreenH, kMenuBack);
    FrameRect(p, 150, 30, 360, 70, 0x405080);
    CentredText(p, 400, "LEVEL SELECT", kGold, 4);
    DrawText(p, 195, 318, "DIFFICULTY", kText, 2);
    DrawText(p, 195, 218, "CONVERSATIONS", kText, 2);
    DrawText(p, 252, 123, "START", kText, 3);
    return p;
}

// The explanations, added onto the screen: the level texts in rows 104..249 (level 2 lowest),
// the switch texts in rows 4..99 (off lowest).
Picture SelectText() {
    Picture p(349, 250, kBlack);
    const auto block = [&](int bottom, const std::vector<std::string>& lines) {
        for (size_t i = 0; i < lines.size(); ++i) {
            DrawText(p, 8, bottom + 30 - 12 * static_cast<int>(i), lines[i], 0x90B0E0, 1);
        }
    };
    block(206, {"EASY: FEWER BULLETS, SLOWER SHOTS.", "FOR A FIRST FLIGHT."});
    block(158, {"NORMAL: THE GAME AS MEANT.", "BONUS X1.2"});
    block(110, {"HARD: DENSE FIRE, FAST SHOTS.", "BONUS X1.5"});
    block(58, {"CONVERSATIONS ON: STORY PAGES", "AND TALKS BEFORE EACH BOSS."});
    block(10, {"CONVERSATIONS OFF: STRAIGHT", "TO THE FIGHTING."});
    return p;
}

Picture IntroBackground() {
    Picture p = Gradient(kScreenW, kScreenH, 0x000000, 0x101828);
    FrameRect(p, 134, 40, 380, 100, 0x304060);
    CentredText(p, 440, "INTRODUCTION", 0x8090B0, 2);
    return p;
}

// A figure of the introduction: a planet with a ship over it.
Picture IntroFigure(uint32_t planet, std::string_view caption) {
    Picture p(340, 250, 0x080810);
    FillCircle(p, 170, 90, 80, planet);
    FillTriangle(p, 230, 170, 290, 190, 230, 210, 0xC0C8D0);
    DrawText(p, 10, 10, caption, kText, 2);
    return p;
}

// The story text of one stage: a line in the part of each page's band that no other page
// shares, so every page shows its own words. Bands are {rows from the top, height}.
struct Band {
    int offset, height;
};
Picture StoryText(int rows, std::string_view stage, const std::vector<Band>& pages) {
    Picture p(354, rows, kBlack);
    const auto shared = [&](size_t page, int row) {
        for (size_t j = 0; j < pages.size(); ++j) {
            if (j != page && row >= pages[j].offset && row < pages[j].offset + pages[j].height) {
                return true;
            }
        }
        return false;
    };
    for (size_t i = 0; i < pages.size(); ++i) {
        // The longest run of rows only this page shows; the whole band when there is none.
        int bestTop = pages[i].offset;
        int bestLength = 0;
        for (int top = pages[i].offset, end = top + pages[i].height; top < end;) {
            int length = 0;
            while (top + length < end && !shared(i, top + length))
                ++length;
            if (length > bestLength) {
                bestTop = top;
                bestLength = length;
            }
            top += std::max(length, 1);
        }
        if (bestLength == 0) bestLength = pages[i].height;
        const std::string line =
            std::string(stage) + " - STORY PAGE " + std::to_string(static_cast<int>(i) + 1);
        TextLines(p, bestTop + std::max(0, (bestLength - kGlyphHeight) / 2), {line}, 0xD0D8F0);
    }
    return p;
}

// Stage 1's story text doubles as the introduction's five pages of 80 rows.
Picture StoryText1() {
    Picture p(369, 400, kBlack);
    for (int page = 0; page < 5; ++page) {
        const std::string n = std::to_string(page + 1);
        TextLines(p, 80 * page + 8,
                  {"INTRODUCTION PAGE " + n + " OF 5", "THE STORY SO FAR, LINE " + n + ".",
                   "PRESS SHOT FOR THE NEXT PAGE."},
                  0xD0D8F0);
    }
    return p;
}

Picture PanelBar(int w, int h, uint32_t colour) {
    return Picture(w, h, colour);
}

// The weapon panel's empty slots at the three icon positions.
Picture WeaponEmpty() {
    Picture p(48, 71, kKey);
    FillRect(p, 0, 44, 24, 27, 0x303040);
    FillRect(p, 12, 22, 24, 27, 0x303040);
    FillRect(p, 24, 0, 24, 27, 0x303040);
    return p;
}

// The shot-type icons, type 0 on top (source y 54), type 2 at the bottom.
Picture WeaponIcons() {
    Picture p(24, 81, kKey);
    const uint32_t colour[] = {0xFF9030, 0x40A0FF, 0x60FF70};
    for (int type = 0; type < 3; ++type) {
        const int y = 54 - 27 * type;
        FillRect(p, 1, y + 1, 22, 25, colour[type]);
        DrawTextInCell(p, 0, y, 24, 27, std::to_string(type + 1), kBlack, kNoShadow);
    }
    return p;
}

// Ten digits in cells of cellW x cellH, then `extra` columns for a separator.
Picture Digits(int cellW, int cellH, int extra, uint32_t back, uint32_t colour) {
    Picture p(cellW * 10 + extra, cellH, back);
    for (int d = 0; d < 10; ++d)
        DrawTextInCell(p, cellW * d, 0, cellW, cellH, std::to_string(d), colour, kNoShadow);
    if (extra > 0) FillRect(p, cellW * 10 + 1, 1, 2, 2, colour);
    return p;
}

// The stage numbers by stage index: the bonus stage is "B".
Picture StageNumbers() {
    Picture p(84, 15, kKey);
    const char* names[] = {"B", "1", "2", "3", "4", "5", "6"};
    for (int i = 0; i < 7; ++i)
        DrawTextInCell(p, 12 * i, 0, 12, 15, names[i], kGold, 0x202020);
    return p;
}

// The name-entry glyphs: 26 x 4 cells of 20 x 18, index 26r + c with row 0 at the bottom; the
// last reachable cell (index 92) is the end mark.
Picture Glyphs() {
    const std::string set =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
        "0123456789.,:;-+/!?'\"()=%*"
        "#<>_ ";
    Picture p(520, 72, kBlack);
    for (int i = 0; i < 104; ++i) {
        const int x = 20 * (i % 26);
        // Row 0 of the glyph grid is the top band of the picture.
        const int y = 54 - 18 * (i / 26);
        if (i == 92) {
            DrawTextInCell(p, x, y, 20, 18, "<", kGold, kNoShadow);
        } else if (i < static_cast<int>(set.size())) {
            DrawTextInCell(p, x, y, 20, 18, std::string(1, set[static_cast<size_t>(i)]), kText,
                           kNoShadow);
        }
    }
    return p;
}

Picture Screen(std::string_view heading, uint32_t bottom, uint32_t top) {
    Picture p = Gradient(kScreenW, kScreenH, bottom, top);
    CentredText(p, 420, heading, kGold, 4);
    return p;
}

// The key configuration's five labels; the top band is row 0.
Picture KeyLabels() {
    return Bands({"EXIT", "PAUSE", "SHOT TYPE", "BOMB", "SHOT"}, 240, 60, kText);
}

}  // namespace

void AddMenuAssets(AssetList& list) {
    AddBmp(list, "img/zarune.bmp", Logo());
    AddCompressedBmp(list, "img/title", Title());
    AddCompressedBmp(list, "img/cont", ContinueBackdrop());
    AddBmp(list, "img/csl2.bmp", Arrow(24, 20, kBlack, 0xC0A040));
    AddBmp(list, "img/csl.bmp", Arrow(24, 20, kMenuBack, kGold));

    AddBmp(list, "img/LevelSelect.bmp", LevelSelect());
    AddBmp(list, "img/select-ENH.bmp", Bands({"EASY", "NORMAL", "HARD"}, 120, 22, kCyan));
    AddBmp(list, "img/select-ONOFF.bmp", Bands({"ON", "OFF"}, 60, 20, kCyan));
    AddBmp(list, "text/select.bmp", SelectText());

    AddBmp(list, "img/intro.bmp", IntroBackground());
    AddBmp(list, "img/intro_fig1.bmp", IntroFigure(0x305080, "THE HOME WORLD"));
    AddBmp(list, "img/intro_fig2.bmp", IntroFigure(0x803030, "THE ENEMY"));
    AddBmp(list, "text/storystr1.bmp", StoryText1());
    AddBmp(list, "text/storystrb.bmp", StoryText(210, "BONUS STAGE", {{0, 150}, {150, 60}}));
    AddBmp(list, "text/storystr2.bmp", StoryText(330, "STAGE 2", {{0, 210}, {210, 120}}));
    AddBmp(list, "text/storystr3.bmp", StoryText(240, "STAGE 3", {{0, 150}, {150, 90}}));
    AddBmp(list, "text/storystr5.bmp",
           StoryText(420, "STAGE 4", {{0, 90}, {120, 150}, {300, 120}}));
    AddBmp(list, "text/storystr6.bmp", StoryText(330, "STAGE 5", {{0, 90}, {120, 120}, {270, 60}}));

    AddBmp(list, "img/continue-logo.bmp", Label("CONTINUE?", 4, kGold));
    AddBmp(list, "img/continue-yes.bmp", Label("YES", 4, kText));
    AddBmp(list, "img/continue-no.bmp", Label("NO", 4, kText));
    AddBmp(list, "img/pause-logo.bmp", Label("PAUSE", 5, kGold));
    AddBmp(list, "img/pause-rtog.bmp", Label("RETURN TO GAME", 2, kText));
    AddBmp(list, "img/pause-rtom.bmp", Label("RETURN TO MENU", 2, kText));
    AddBmp(list, "img/difficulty.bmp", Bands({"EASY", "NORMAL", "HARD"}, 120, 20, kGold));

    AddBmp(list, "img/right-life-gage.bmp", PanelBar(98, 16, 0x283048));
    AddBmp(list, "img/right-gage.bmp", PanelBar(14, 140, 0x283048));
    AddBmp(list, "img/gage-item.bmp", PanelBar(80, 6, 0x60F080));
    AddBmp(list, "img/gage-reckless-empty.bmp", [] {
        Picture p(80, 6, kKey);
        FrameRect(p, 0, 0, 80, 6, 0x808890);
        return p;
    }());
    AddBmp(list, "img/gage-item-empty.bmp", PanelBar(80, 6, 0x202830));
    AddBmp(list, "img/gage-destruction.bmp", PanelBar(80, 6, 0xF07040));
    AddBmp(list, "img/stage-number.bmp", StageNumbers());
    AddBmp(list, "img/level.bmp", [] {
        Picture p(74, 63, 0x182030);
        const char* names[] = {"EASY", "NORMAL", "HARD"};
        for (int i = 0; i < 3; ++i)
            DrawTextInCell(p, 0, 21 * i, 74, 21, names[i], kCyan, kNoShadow);
        return p;
    }());
    AddBmp(list, "img/panel-weapon-empty.bmp", WeaponEmpty());
    AddBmp(list, "img/panel-weapon.bmp", WeaponIcons());
    AddBmp(list, "img/figur10_12.bmp", Digits(10, 14, 4, 0x101018, kText));
    AddBmp(list, "img/p-b.bmp", [] {
        Picture p(12, 10, kKey);
        FillEllipse(p, 1, 1, 10, 8, 0xF0A030);
        return p;
    }());
    AddBmp(list, "img/l-b.bmp", Arrow(12, 12, kKey, 0x60C0FF));

    AddBmp(list, "img/bbs.bmp", PanelBar(376, 100, 0x101828));
    AddBmp(list, "text/name.bmp",
           Bands({"SPEAKER 1", "SPEAKER 2", "SPEAKER 3", "SPEAKER 4", "SPEAKER 5", "SPEAKER 6"},
                 120, 16, kGold));
    AddBmp(list, "img/keyconfig.bmp", Screen("KEY CONFIG", 0x080808, 0x302010));
    AddBmp(list, "img/keyconfig-fig.bmp", KeyLabels());
    AddBmp(list, "img/keyconfig-number.bmp", Digits(20, 20, 0, kKey, kGold));
    AddBmp(list, "img/high_score.bmp", Screen("HIGH SCORES", 0x080810, 0x102040));
    AddBmp(list, "img/hs_csl.bmp", [] {
        Picture p(20, 18, kKey);
        FrameRect(p, 0, 0, 20, 18, kGold);
        return p;
    }());
    AddBmp(list, "img/hsfig.bmp", Glyphs());
}

}  // namespace assets
