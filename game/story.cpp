#include "game/story.h"

#include "engine/image.h"
#include "engine/music.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "game/sprite_images.h"

namespace {

constexpr int32_t kFadeFrames = 16;

}  // namespace

void CStory::Start() {
    frame = 0;
}

void CStory::Run() {
    g_BackBuffer.Copy(0, 0, g_TitleImage);
    if (shot.Edge(g_Input.shot)) g_bMenuConfirm = 1;
    if (g_bMenuConfirm == 0) return;
    g_Input.shotPrev = 1;
    frame += 1;
    g_BackBuffer.Darken(15 * frame);
    if (frame < kFadeFrames) return;
    g_nNextScene = kSceneIntroduction;
    g_Music.Load("BGM/stage1.ogg");
    g_bMenuConfirm = 0;
    frame = 0;
}
