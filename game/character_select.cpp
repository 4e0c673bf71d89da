#include "game/character_select.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/music.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "game/sprite_images.h"

IntroState g_Intro;

namespace {

constexpr int32_t kPageCount = 5;
constexpr int32_t kFadeFrames = 40;
constexpr int32_t kBandWidth = 369;
constexpr int32_t kBandHeight = 80;

void LoadIntroduction() {
    g_Music.Load("BGM/intro.ogg");
    g_IntroImage.Load("img/intro.bmp");
    g_IntroTextImage.Load("text/storystr1.bmp");
    g_IntroFig1Image.Load("img/intro_fig1.bmp");
    g_IntroFig2Image.Load("img/intro_fig2.bmp");
    g_Intro.loaded = 1;
    g_Music.player.SetMode(4);
    g_Music.player.Start();
}

// Page p's text band (page 0 is the top band of the picture) and its figure; a new page comes
// up out of black as the fade level falls.
void DrawPage(const IntroState& s) {
    const CDrawMode fading(9, s.fade);
    const CImage32& text = g_IntroTextImage;
    g_BackBuffer.Blt(fading, 140, 50, text, 0, text.height - kBandHeight * (s.page + 1), kBandWidth,
                     kBandHeight);
    switch (s.page) {
        case 0:
            g_BackBuffer.BltAll(fading, 150, 170, g_IntroFig1Image);
            break;
        case 1:
        case 2:
            g_BackBuffer.Copy(150, 170, g_IntroFig1Image);
            break;
        case 3:
            g_BackBuffer.BltAll(fading, 150, 150, g_IntroFig2Image);
            break;
        default:
            g_BackBuffer.Copy(150, 150, g_IntroFig2Image);
            break;
    }
}

}  // namespace

void CCharacterSelect::Start() {
    frame = 0;
}

void CCharacterSelect::Release() {
    frame = 0;
}

void CCharacterSelect::Run() {
    IntroState& s = g_Intro;
    s.fade = std::max(s.fade - 10, 0);

    if (g_bChat == 0) {
        // No pages: straight to the closing fade.
        g_bMenuConfirm = 1;
    } else {
        if (s.loaded == 0) LoadIntroduction();
        g_BackBuffer.CopyNoClip(0, 0, g_IntroImage);
        if (s.page < kPageCount) DrawPage(s);
        if (s.shot.Edge(g_Input.shot)) {
            s.fade = 255;
            s.page += 1;
        }
        if (s.page >= kPageCount || g_Input.change != 0) g_bMenuConfirm = 1;
    }

    if (g_bMenuConfirm == 0) return;
    g_Input.shotPrev = 1;
    frame += 1;
    g_BackBuffer.DarkenRect(5 * frame, 134, 8, 376, 461);
    if (frame > kFadeFrames) {
        s.loaded = 0;
        s.page = 0;
        g_bReplay = 0;
        g_Music.player.Stop();
        // The stage script starts it.
        g_Music.Load("BGM/stage1.ogg");
        g_nNextScene = kSceneGame;
        ResetGameState();
        g_IntroFig1Image.Create(1, 1);
        g_IntroFig2Image.Create(1, 1);
        frame = 0;
    }
}
