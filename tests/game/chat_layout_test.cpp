#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "engine/image.h"
#include "game/chat.h"
#include "game/input.h"
#include "game/sprite_images.h"
#include "tests/engine/temp_dir.h"

namespace {

constexpr uint32_t kFace[CChat::kSlotCount] = {0x102030, 0x203040, 0x304050, 0x405060};
constexpr uint32_t kTextColour = 0x000010;

void Fill(CImage32& img, int32_t w, int32_t h, uint32_t colour) {
    img.Create(w, h);
    for (int32_t i = 0; i < w * h; ++i)
        img.pixels[i] = colour;
}

uint32_t At(int32_t x, int32_t y) {
    return *g_BackBuffer.GetPixelAddress(x, y);
}

// Where each conversation page shows its face once the slide is over: 20x20 faces, so a
// centred one rests at 322 - 10.
TEST(ChatLayout, FacesNamePlatesAndTextBandsRestWhereEachPagePutsThem) {
    InTempDir dir;
    CChat chat;
    // Until Load the slots and the text are 1x1.
    for (const CImageShooting* img :
         {&chat.text, &chat.faces[0], &chat.faces[1], &chat.faces[2], &chat.faces[3]}) {
        EXPECT_EQ(img->width, 1);
        EXPECT_EQ(img->height, 1);
    }
    for (int i = 0; i < CChat::kSlotCount; ++i)
        Fill(chat.faces[i], 20, 20, kFace[i]);
    Fill(chat.window, 1, 1, 0);
    Fill(chat.text, 10, 200, kTextColour);
    // Six name bands of 10 rows, band b coloured b + 1.
    Fill(g_ChatNameImage, 10, 60, 0);
    for (int32_t i = 0; i < 600; ++i)
        g_ChatNameImage.pixels[i] = static_cast<uint32_t>(i / 100 + 1);
    g_bChat = 1;
    const auto show = [&](int32_t conversation, int32_t page) {
        g_BackBuffer.Create(kScreenWidth, kScreenHeight);
        g_nChat = conversation;
        g_Input.shot = 0;
        chat.page = page;
        chat.frame = 15;
        EXPECT_EQ(chat.Run(), 1);
    };

    struct Row {
        int32_t conversation, page, slot, x, y;
    };
    const Row rows[] = {
        {1, 0, 0, 160, 200}, {2, 0, 0, 155, 190}, {2, 1, 1, 150, 190}, {2, 2, 2, 185, 195},
        {3, 0, 0, 312, 190}, {3, 1, 1, 312, 190}, {3, 2, 2, 185, 195}, {3, 3, 3, 134, 190},
        {4, 1, 0, 312, 195}, {0, 0, 1, 312, 190}, {0, 1, 2, 312, 190}, {0, 2, 1, 312, 190},
        {0, 3, 3, 134, 190},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "conversation " << r.conversation << " page " << r.page);
        show(r.conversation, r.page);
        EXPECT_EQ(At(r.x, r.y), kFace[r.slot]);
        EXPECT_NE(At(r.x - 1, r.y), kFace[r.slot]);
        EXPECT_NE(At(r.x, r.y - 1), kFace[r.slot]);
    }

    // Conversation 2 names its first speaker with band 4 at (160, 160).
    show(2, 0);
    EXPECT_EQ(At(160, 160), 5u);
    // Conversation 4's second page shows 40 text rows at (160, 120).
    show(4, 1);
    EXPECT_EQ(At(160, 119), 0u);
    EXPECT_EQ(At(160, 120), kTextColour);
    EXPECT_EQ(At(160, 159), kTextColour);
    EXPECT_EQ(At(160, 160), 0u);

    g_ChatNameImage.Create(1, 1);
    g_BackBuffer.Create(kScreenWidth, kScreenHeight);
    g_bChat = 0;
}

}  // namespace
