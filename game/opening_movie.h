#pragma once

#include <memory>

#include "engine/image.h"
#include "game/task_engine.h"

// The logo scene's own 640x480 screen, black until the logo is copied in.
extern CImageDIB g_LogoScreen;

// Scene 0: the logo, shown for 200 frames. Its 100th frame makes the game objects.
class COpeningMovie : public CTaskEngin {
public:
    // "img/zarune.bmp"; let go once the logo has been shown.
    std::unique_ptr<CImageShooting> logo;

    COpeningMovie();
    void Run() override;
};
