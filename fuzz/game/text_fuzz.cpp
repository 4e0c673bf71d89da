#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/image.h"
#include "engine/inflate.h"
#include "fuzz/scratch_folder.h"
#include "game/character_select.h"
#include "game/chat.h"
#include "game/ending.h"
#include "game/game_reset.h"
#include "game/global_objects.h"
#include "game/input.h"
#include "game/level_select.h"
#include "game/scenes.h"
#include "game/sprite_images.h"
#include "game/stage_end.h"
#include "platform/headless/headless.h"
#include "tools/assets/assets.h"

// The game's text pictures of any content and size, drawn by the scenes that show them: the
// conversation pages and name plates, the story between stages, the introduction, the level
// select's explanations and the ending's texts, staff roll and farewell. The first byte picks
// the picture, the rest is its bitmap file, plain or compressed.
namespace {

enum Target : uint8_t {
    kConversation,
    kNamePlates,
    kStory,
    kIntroduction,
    kSelectText,
    kEndingText,
    kStaffRoll,
    kSeeYou,
    kTargetCount,
};

// Conversation numbers, and more pages than any of them has.
constexpr int32_t kConversations[] = {1, 2, 3, 4, 5, 0, 42, 52};
constexpr int32_t kMostPages = 6;
// Frames of the ending (counted from 1) at the start and the end of each text's time, and of
// the staff roll's and the farewell's.
constexpr int32_t kTextFrames[kEndingTextImageCount][2] = {
    {2, 399}, {401, 799}, {801, 1199}, {1201, 1599}, {1601, 1999}, {2001, 2599}};
// The ending keeps its staff roll and farewell among its pictures.
constexpr int kStaffRollImage = 3;
constexpr int kSeeYouImage = 4;
constexpr int32_t kStaffRollFrames[] = {2601, 3000, 3499};
constexpr int32_t kSeeYouFrames[] = {3301, 3451};

void LoadPicture(CImageShooting& image, const uint8_t* data, size_t size) {
    std::vector<uint8_t> expanded;
    if (InflateBuffer(data, size, "fuzz", expanded)) {
        image.LoadFromMemory(expanded.data(), expanded.size());
    } else {
        image.LoadFromMemory(data, size);
    }
    platform::headless::TakeBoxes();
}

void NoInput() {
    g_Input = InputState();
}

void ShowConversations() {
    g_bChat = 1;
    for (const int32_t number : kConversations) {
        g_nChat = number;
        for (int32_t page = 0; page < kMostPages; ++page) {
            NoInput();
            g_pChat->shot = 0;
            g_pChat->page = page;
            g_pChat->frame = 30;
            // A page past the conversation's last ends it.
            if (g_pChat->Run() == 0) break;
        }
    }
}

void ShowStory() {
    g_bChat = 1;
    g_bReplay = 0;
    for (int32_t stage = 0; stage <= 5; ++stage) {
        for (int32_t page = 0; page < StoryPageCount[stage]; ++page) {
            NoInput();
            g_nStage = stage;
            g_Story.page = page;
            g_Story.pageAge = 50;
            g_Story.done = 0;
            // Past the story's loading frame, before the frame that may leave.
            g_pStageEnd->frame = 250;
            g_pStageEnd->Run();
        }
    }
}

void ShowIntroduction() {
    g_bChat = 1;
    g_Intro.loaded = 1;
    for (int32_t page = 0; page < 5; ++page) {
        NoInput();
        g_bMenuConfirm = 0;
        g_Intro.page = page;
        g_pCharacterSelect->Run();
    }
    g_bMenuConfirm = 0;
}

void ShowSelectText() {
    LevelSelectMenu& m = g_LevelSelectMenu;
    for (int32_t row = 0; row <= 1; ++row) {
        for (int32_t choice = 0; choice <= 2; ++choice) {
            NoInput();
            m.age = 10;
            m.row = row;
            m.level = choice;
            m.chat = static_cast<uint8_t>(choice % 2);
            g_pLevelSelect->Run();
        }
    }
    g_bMenuConfirm = 0;
}

template <size_t N>
void ShowEnding(const int32_t (&frames)[N]) {
    CEnding& ending = *static_cast<CEnding*>(g_pEnding);
    g_bContinued = 0;
    g_bReplay = 0;
    for (const int32_t f : frames) {
        ending.skipMovie = 0;
        ending.frame = f - 1;
        ending.Run();
    }
}

}  // namespace

// The game is set up once, in a scratch folder holding the placeholder assets.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::EnterScratchFolder(argc, argv);
    std::string error;
    if (!assets::WriteAssets(".", &error)) std::abort();
    platform::headless::Reset();
    CreateGlobalObjects();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t pick = data[0];
    const uint8_t* file = data + 1;
    const size_t fileSize = size - 1;
    switch (pick % kTargetCount) {
        case kConversation:
            LoadPicture(g_pChat->text, file, fileSize);
            ShowConversations();
            break;
        case kNamePlates:
            LoadPicture(g_ChatNameImage, file, fileSize);
            ShowConversations();
            break;
        case kStory:
            LoadPicture(g_StoryTextImage, file, fileSize);
            ShowStory();
            break;
        case kIntroduction:
            LoadPicture(g_IntroTextImage, file, fileSize);
            ShowIntroduction();
            break;
        case kSelectText:
            LoadPicture(g_SelectTextImage, file, fileSize);
            ShowSelectText();
            break;
        case kEndingText: {
            const int32_t text = (pick / kTargetCount) % kEndingTextImageCount;
            LoadPicture(g_EndingTextImage[text], file, fileSize);
            ShowEnding(kTextFrames[text]);
            break;
        }
        case kStaffRoll:
            LoadPicture(g_EndingImage[kStaffRollImage], file, fileSize);
            ShowEnding(kStaffRollFrames);
            break;
        case kSeeYou:
            LoadPicture(g_EndingImage[kSeeYouImage], file, fileSize);
            ShowEnding(kSeeYouFrames);
            break;
        default:
            break;
    }
    platform::headless::TakeBoxes();
    return 0;
}
