#pragma once

#include "engine/image.h"

// The shared sprite images made before the window exists, in the order they are made. Most are
// loaded from their files then; the empty ones are filled by the scenes that show them. The
// frame-rate digits (game/frame.h) and the panel pictures (game/play_screen.h) live beside the
// code that draws them.

extern CImageShooting g_BbsImage;          // "img/bbs.bmp"
extern CImageShooting g_ChatNameImage;     // "text/name.bmp": the speakers' name plates
extern CImageShooting g_TitleCursorImage;  // "img/csl2.bmp"
extern CImageShooting g_KeyConfigImage;
extern CImageShooting g_KeyConfigLabelImage;
extern CImageShooting g_KeyConfigDigitImage;
inline constexpr int kEndingImageCount = 5;
extern CImageShooting g_EndingImage[kEndingImageCount];  // 1x1 until the ending fills them
extern CImageShooting g_HighScoreImage;
extern CImageShooting g_HighScoreCursorImage;
extern CImageShooting g_HighScoreGlyphImage;

// Empty until the start-up loads them (the full-screen program at the logo's 100th frame).
extern CImageShooting g_TitleImage;         // "img/title", compressed
extern CImageShooting g_ReplaySelectImage;  // "img/replay.bmp"
extern CImageShooting g_ContImage;          // "img/cont", compressed: the prompts' backdrop
extern CImageShooting g_ContSnapshot;  // a second "img/cont", overwritten by the field snapshot

extern CImageShooting g_ContinueLogoImage;
extern CImageShooting g_ContinueYesImage;
extern CImageShooting g_ContinueNoImage;
extern CImageShooting g_PauseLogoImage;
extern CImageShooting g_PauseGoOnImage;    // "img/pause-rtog.bmp"
extern CImageShooting g_PauseGiveUpImage;  // "img/pause-rtom.bmp"
extern CImageShooting g_DifficultyImage;   // three bands, level 0 at the bottom

// 1x1 until their scenes load them.
extern CImageShooting g_StoryTextImage;      // the stage end's story pages
extern CImageShooting g_StageEndSpareImage;  // the final tally's 1x1 picture
extern CImageShooting g_IntroImage;
extern CImageShooting g_IntroTextImage;
extern CImageShooting g_IntroFig1Image;
extern CImageShooting g_IntroFig2Image;
extern CImageShooting g_SelectTextImage;  // "text/select.bmp": the level select's explanations
inline constexpr int kEndingTextImageCount = 6;
extern CImageShooting g_EndingTextImage[kEndingTextImageCount];

// The title and continue pictures, loaded at window creation or, by the full-screen program,
// once the display has been switched.
void LoadTitleAndContinuePictures();
