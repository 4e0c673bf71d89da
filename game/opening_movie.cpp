#include "game/opening_movie.h"

#include "engine/requests.h"
#include "game/global_objects.h"
#include "game/scenes.h"

CImageDIB g_LogoScreen(kScreenWidth, kScreenHeight);

namespace {

constexpr int32_t kLogoX = 170;
constexpr int32_t kLogoY = 60;
constexpr int32_t kLoadFrame = 100;
constexpr int32_t kLastFrame = 200;

}  // namespace

COpeningMovie::COpeningMovie() : logo(std::make_unique<CImageShooting>("img/zarune.bmp")) {}

void COpeningMovie::Run() {
    frame += 1;
    if (frame < 3 && logo != nullptr) {
        g_LogoScreen.BltNoClipAll(CDrawMode(), kLogoX, kLogoY, *logo);
    }
    g_BackBuffer.CopyNoClip(0, 0, g_LogoScreen);
    // The frame takes as long as the loading takes; the logo stays on screen meanwhile.
    if (frame == kLoadFrame) LoadGameObjects();
    if (frame == kLastFrame) {
        g_nNextScene = kSceneTitle;
        frame = 0;
        logo.reset();
    }
}
