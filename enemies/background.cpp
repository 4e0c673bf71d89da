#include "enemies/background.h"

#include <algorithm>

CImageShooting* g_pBGImage1 = nullptr;
CImageShooting* g_pBGImage2 = nullptr;
CImageShooting* g_pBGImage3 = nullptr;
CImageShooting* g_pBossImage = nullptr;
CImageShooting* g_pBossImage1 = nullptr;
CImageShooting* g_pBossImage2 = nullptr;
CImageShooting* g_pBossImage3 = nullptr;
CImageShooting* g_pBossImage4 = nullptr;
CImageShooting* g_pBossImage5 = nullptr;

CBackGround2* g_pStageBGList[kBackgroundCount] = {};
CBackGround2* g_pBossBGList[kBackgroundCount] = {};

BossProgressReader g_pfnBossProgress = nullptr;

void CBackGround2::ResetCounters() {
    speed = 0;
    frame = 0;
    offset = 0;
    counter = 0;
}

void CBackGround2::TileRow(const CDrawMode& dm, int32_t x, int32_t scroll, int32_t count,
                           const CImage32& img, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    for (int32_t k = 0; k < count; ++k) {
        g_BackBuffer.BltField(dm, x, kScreenHeight - scroll - k * h, img, sx, sy, w, h);
    }
}

void CBackGround2::Whole(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& img) {
    g_BackBuffer.BltField(dm, x, y, img, 0, 0, img.width, img.height);
}

CDrawMode CBackGround2::Darkened(int32_t level) {
    level = std::clamp(level, 0, 255);
    return level == 0 ? CDrawMode() : CDrawMode(9, level);
}

void CreateBackgrounds() {
    if (g_pBGImage1 != nullptr) return;
    g_pBGImage1 = new CImageShooting(1, 1);
    g_pBGImage2 = new CImageShooting(1, 1);
    g_pBGImage3 = new CImageShooting(1, 1);

    g_pBossImage = new CImageShooting;
    g_pBossImage1 = new CImageShooting;
    g_pBossImage2 = new CImageShooting;
    g_pBossImage3 = new CImageShooting;
    g_pBossImage4 = new CImageShooting;
    g_pBossImage5 = new CImageShooting;

    g_pStageBGList[0] = new CStageBonusBG;
    g_pStageBGList[1] = new CStage1BG;
    g_pStageBGList[2] = new CStage2BG;
    g_pStageBGList[3] = new CStage3BG;
    g_pStageBGList[4] = new CStage4BG;
    g_pStageBGList[5] = new CStage5BG;
    g_pStageBGList[6] = new CStage1BG;

    g_pBossBGList[0] = new CBossBonusBG;
    g_pBossBGList[1] = new CBoss1BG;
    g_pBossBGList[2] = new CBoss2BG;
    g_pBossBGList[3] = new CBoss3BG;
    g_pBossBGList[4] = new CBoss4BG;
    g_pBossBGList[5] = new CBoss5BG;
    g_pBossBGList[6] = new CBoss1BG;
}
