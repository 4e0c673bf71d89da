#include "game/pause_prompt.h"

#include "game/continue_prompt.h"
#include "game/sprite_images.h"

void CPause::Run() {
    static const PromptPictures pictures{
        &g_PauseLogoImage, 325, &g_PauseGoOnImage, 185, 235, &g_PauseGiveUpImage, 181, 158};
    RunPromptFrame(pictures);
}
