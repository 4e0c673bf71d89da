#include "game/sprite_images.h"

CImageShooting g_BbsImage("img/bbs.bmp");
CImageShooting g_ChatNameImage("text/name.bmp");
CImageShooting g_TitleCursorImage("img/csl2.bmp");
CImageShooting g_KeyConfigImage("img/keyconfig.bmp");
CImageShooting g_KeyConfigLabelImage("img/keyconfig-fig.bmp");
CImageShooting g_KeyConfigDigitImage("img/keyconfig-number.bmp");
CImageShooting g_EndingImage[kEndingImageCount];
CImageShooting g_HighScoreImage("img/high_score.bmp");
CImageShooting g_HighScoreCursorImage("img/hs_csl.bmp");
CImageShooting g_HighScoreGlyphImage("img/hsfig.bmp");

CImageShooting g_TitleImage;
CImageShooting g_ReplaySelectImage;
CImageShooting g_ContImage;
CImageShooting g_ContSnapshot;

CImageShooting g_ContinueLogoImage("img/continue-logo.bmp");
CImageShooting g_ContinueYesImage("img/continue-yes.bmp");
CImageShooting g_ContinueNoImage("img/continue-no.bmp");
CImageShooting g_PauseLogoImage("img/pause-logo.bmp");
CImageShooting g_PauseGoOnImage("img/pause-rtog.bmp");
CImageShooting g_PauseGiveUpImage("img/pause-rtom.bmp");
CImageShooting g_DifficultyImage("img/difficulty.bmp");

CImageShooting g_StoryTextImage;
CImageShooting g_StageEndSpareImage;
CImageShooting g_IntroImage;
CImageShooting g_IntroTextImage;
CImageShooting g_IntroFig1Image;
CImageShooting g_IntroFig2Image;
CImageShooting g_SelectTextImage;
CImageShooting g_EndingTextImage[kEndingTextImageCount];

void LoadTitleAndContinuePictures() {
    g_TitleImage.LoadCompressed("img/title");
    g_ContImage.LoadCompressed("img/cont");
    g_ContSnapshot.LoadCompressed("img/cont");
}
