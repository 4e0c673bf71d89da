#include "game/continue_prompt.h"

#include "engine/music.h"
#include "game/input.h"
#include "game/sprite_images.h"
#include "shooting/point_mannager.h"

namespace {

constexpr int32_t kLogoX = 172;
// The play field as the snapshot keeps it.
constexpr int32_t kFieldX = 134;
constexpr int32_t kFieldY = 8;
constexpr int32_t kFieldW = 376;
constexpr int32_t kFieldH = 461;

const PromptPictures& ContinuePictures() {
    static const PromptPictures pictures{
        &g_ContinueLogoImage, 345, &g_ContinueYesImage, 265, 244, &g_ContinueNoImage, 261, 118};
    return pictures;
}

}  // namespace

void RunPromptFrame(const PromptPictures& p) {
    g_nPromptFrames += 1;
    if (g_nPromptFrames == 2) g_Music.player.Stop();

    if (g_bPromptSnapshot == 0) {
        const CDrawMode multiply(4);
        g_BackBuffer.BltFieldAll(multiply, 130, 0, g_ContImage);
        g_BackBuffer.BltFieldAll(multiply, kLogoX, p.logoY, *p.logo);
        g_ContSnapshot.Blt(CDrawMode(), 0, 0, g_BackBuffer, kFieldX, kFieldY, kFieldW, kFieldH);
        g_bPromptSnapshot = 1;
        return;
    }
    g_BackBuffer.CopyField(kFieldX, kFieldY, g_ContSnapshot);
    g_BackBuffer.BltFieldAll(g_DrawKey, kLogoX, p.logoY, *p.logo);
    const CDrawMode dimmed(17);
    const bool goOn = g_nPromptCursor == 1;
    g_BackBuffer.BltFieldAll(goOn ? g_DrawKey : dimmed, p.goOnX, p.goOnY, *p.goOn);
    g_BackBuffer.BltFieldAll(goOn ? dimmed : g_DrawKey, p.giveUpX, p.giveUpY, *p.giveUp);
}

void CContinue::Run() {
    RunPromptFrame(ContinuePictures());
    // A continued run starts again from a score of 0.
    g_pPointMannager->score = 0;
    g_pPointMannager->itemCount = 0;
    g_pPointMannager->powerGauge = 0;
    g_pPointMannager->extendGauge = 0;
}
