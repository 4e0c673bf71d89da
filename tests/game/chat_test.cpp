#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "game/chat.h"
#include "game/sprite_images.h"
#include "scene_fixture.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/assets.h"

namespace assets {
void AddChatAssets(AssetList& list);
}

// The conversation player over its own placeholder pictures, written into a temporary folder.
class Chat : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        assets::AssetList list;
        assets::AddChatAssets(list);
        for (const assets::AssetFile& file : list) {
            std::filesystem::create_directories(std::filesystem::path(file.path).parent_path());
            std::ofstream(file.path, std::ios::binary)
                .write(reinterpret_cast<const char*>(file.bytes.data()),
                       static_cast<std::streamsize>(file.bytes.size()));
        }
        chat_ = std::make_unique<CChat>();
        g_pChat = chat_.get();
        g_bChat = 1;
    }
    void TearDown() override { g_pChat = nullptr; }

    // One frame with the shot button as given.
    int32_t Step(uint8_t shot) {
        g_Input.shot = shot;
        return chat_->Run();
    }
    // `idle` frames without shot, then one press; the number of frames that returned 1.
    int PressAfter(int idle) {
        int going = 0;
        for (int i = 0; i < idle; ++i)
            going += Step(0);
        return going + Step(1);
    }
    void Start(int32_t stage, int32_t conversation) {
        g_nStage = stage;
        g_nChat = conversation;
        chat_->Load();
    }

    InTempDir dir_;
    std::unique_ptr<CChat> chat_;
};

TEST_F(Chat, EndsAtOnceWhenOffOrWithoutPages) {
    g_bChat = 0;
    for (int32_t n : {0, 1, 2, 3, 4, 42, 52}) {
        Start(1, n);
        EXPECT_EQ(Step(0), 0) << n;
        EXPECT_EQ(chat_->frame, 0);
    }
    g_bChat = 1;
    for (int32_t n : {5, 6, 100}) {
        Start(5, n);
        EXPECT_EQ(Step(0), 0) << n;
        EXPECT_EQ(chat_->page, 0);
    }
}

TEST_F(Chat, EarlyPressesAreIgnored) {
    for (auto [conversation, delay] : {std::pair{2, 20}, std::pair{4, 10}}) {
        Start(conversation, conversation);
        EXPECT_EQ(PressAfter(delay - 1), delay);  // pressed on frame `delay`: too early
        EXPECT_EQ(chat_->page, 0);
        Step(1);  // held, not a fresh press
        EXPECT_EQ(chat_->page, 0);
        Step(0);
        Step(1);
        EXPECT_EQ(chat_->page, 1);
        EXPECT_EQ(chat_->frame, 1);
    }
}

TEST_F(Chat, PlaysEveryPageThenEndsReset) {
    Start(2, 2);
    EXPECT_EQ(PressAfter(20) + PressAfter(19) + PressAfter(19), 61);
    EXPECT_EQ(chat_->page, 3);
    EXPECT_EQ(Step(0), 0);
    EXPECT_EQ(chat_->page, 0);
    EXPECT_EQ(chat_->frame, 0);

    // The first conversation's single page keeps counting its frames past the press.
    Start(1, 1);
    PressAfter(20);
    EXPECT_EQ(chat_->frame, 21);
    EXPECT_EQ(Step(0), 0);
}

// Each stage index loads its own files into slots A to D and the text; 1x1 where nothing is
// named. Every file here is as wide as its number, so a slot tells which file it holds.
TEST_F(Chat, LoadFillsTheSlotsOfTheStage) {
    // Until the first load every slot and the text are 1x1.
    for (const CImageShooting* img :
         {&chat_->text, &chat_->faces[0], &chat_->faces[1], &chat_->faces[2], &chat_->faces[3]})
        EXPECT_EQ(img->width * 1000 + img->height, 1001);
    const std::pair<const char*, int> files[] = {
        {"img/cb1.bmp", 11},       {"img/cb2.bmp", 12},       {"img/cb3.bmp", 13},
        {"img/cc1.bmp", 14},       {"img/cc2.bmp", 15},       {"img/ct1.bmp", 16},
        {"img/cm1.bmp", 17},       {"img/cm2.bmp", 18},       {"img/ch1.bmp", 19},
        {"img/ch2.bmp", 20},       {"img/cl1.bmp", 21},       {"img/face.bmp", 22},
        {"text/chatstr1.bmp", 31}, {"text/chatstr2.bmp", 32}, {"text/chatstr3.bmp", 33},
        {"text/chatstrb.bmp", 34}, {"text/chatstr5.bmp", 35}, {"text/chatstr6.bmp", 36},
    };
    for (const auto& [name, width] : files) {
        const std::vector<uint8_t> bytes = assets::EncodeBmp24(assets::Picture(width, 2, 0x808080));
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    const struct {
        int32_t stage;
        int a, b, c, d, text;
    } table[] = {
        {1, 11, 12, 1, 1, 31},   {2, 14, 15, 12, 11, 32}, {3, 16, 17, 12, 18, 33},
        {0, 13, 19, 11, 20, 34}, {4, 11, 22, 1, 1, 35},   {5, 21, 11, 21, 12, 36},
    };
    for (const auto& row : table) {
        Start(row.stage, row.stage);
        const auto& f = chat_->faces;
        EXPECT_EQ(f[CChat::kSlotA].width, row.a) << row.stage;
        EXPECT_EQ(f[CChat::kSlotB].width, row.b) << row.stage;
        EXPECT_EQ(f[CChat::kSlotC].width, row.c) << row.stage;
        EXPECT_EQ(f[CChat::kSlotD].width, row.d) << row.stage;
        EXPECT_EQ(chat_->text.width, row.text) << row.stage;
    }
    // Stage index 6 loads nothing but still starts afresh; the last shot state is kept.
    Step(1);
    Step(1);
    chat_->frame = 7;
    Start(6, 6);
    EXPECT_EQ(chat_->text.width, 36);
    EXPECT_EQ(chat_->faces[CChat::kSlotD].width, 12);
    EXPECT_EQ(chat_->frame, 0);
    EXPECT_EQ(chat_->shot, 0);
    EXPECT_EQ(chat_->shotPrev, 1);
    // The switch into the conversation scene loads the stage's set.
    g_nStage = 1;
    SwitchTo(kSceneChat);
    EXPECT_EQ(chat_->text.width, 31);
}

// Pages per conversation and the frames a page is up before a press counts (a press on frame
// delay + 1 turns the first page, one on frame delay is too early for the later ones), and the
// frame after the last page ends it.
TEST_F(Chat, PageCountsAndDelays) {
    const struct {
        int32_t conversation, stage, pages, delay;
    } table[] = {{1, 1, 1, 20}, {2, 2, 3, 20}, {3, 3, 4, 20},  {4, 4, 2, 10},
                 {5, 5, 0, 20}, {0, 0, 4, 20}, {42, 4, 5, 20}, {52, 5, 4, 20}};
    for (const auto& c : table) {
        SCOPED_TRACE(c.conversation);
        Start(c.stage, c.conversation);
        for (int32_t page = 0; page < c.pages; ++page) {
            if (page == 0) {
                // Frames 1 to delay pass, and a press on frame delay + 1 turns the page.
                for (int i = 0; i < c.delay; ++i)
                    ASSERT_EQ(Step(0), 1);
            } else {
                // The page began on frame 1: a press on frame delay is too early.
                for (int i = 0; i < c.delay - 2; ++i)
                    ASSERT_EQ(Step(0), 1);
                EXPECT_EQ(Step(1), 1);
                EXPECT_EQ(chat_->page, page) << "pressed on frame " << c.delay;
                Step(0);
            }
            EXPECT_EQ(Step(1), 1);
            EXPECT_EQ(chat_->page, page + 1);
        }
        EXPECT_EQ(Step(0), 0);
        EXPECT_EQ(chat_->page, 0);
    }
}

TEST_F(Chat, FacesSlideInsideThePlayFieldAndFadeIn) {
    constexpr uint32_t kMarker = 0x123456;
    std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, kMarker);
    Start(2, 2);
    PressAfter(20);
    PressAfter(19);
    for (int f = 0; f < 12; ++f) {
        Step(0);
        for (int32_t y = 195; y < 445; ++y) {
            ASSERT_EQ(*g_BackBuffer.GetPixelAddress(133, y), kMarker) << f;
            ASSERT_EQ(*g_BackBuffer.GetPixelAddress(509, y), kMarker) << f;
        }
    }
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(185 + 90, 195 + 120), 0xC09070u);  // at rest

    // The last boss's face comes out of black: level 250 on the first frame, none by frame 51.
    std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, 0);
    Start(5, 52);
    Step(0);
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(134 + 90, 200 + 120), 0x000000u);
    for (int f = 0; f < 50; ++f)
        Step(0);
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(134 + 90, 200 + 120), 0xD06060u);
}

// Centred faces (rest x 322 - w/2, so 232 for a 180-wide face) slide in without overshooting or
// jumping: every frame nearer, none past the rest x, and on it from the last slide frame (9) on.
TEST_F(Chat, CentredFacesSlideOntoTheirRestPlace) {
    const struct {
        int32_t conversation;
        int32_t page;
        CChat::Slot slot;
        int32_t y;
        bool fromRight;
    } cases[] = {
        {3, 0, CChat::kSlotA, 190, true},   {3, 1, CChat::kSlotB, 190, true},
        {4, 1, CChat::kSlotA, 195, false},  {0, 0, CChat::kSlotB, 190, true},
        {0, 1, CChat::kSlotC, 190, false},  {0, 2, CChat::kSlotB, 190, true},
        {42, 1, CChat::kSlotA, 195, false}, {42, 4, CChat::kSlotA, 195, false},
        {52, 1, CChat::kSlotB, 190, false},
    };
    constexpr uint32_t kFace = 0x336699;
    constexpr int32_t kRest = 232;
    constexpr int32_t kWidth = 180;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.conversation << " page " << c.page);
        const int32_t stage = c.conversation == 42 ? 4 : c.conversation == 52 ? 5 : c.conversation;
        Start(stage, c.conversation);
        CImageShooting& face = chat_->faces[c.slot];
        face.Create(kWidth, 250);
        for (int32_t y = 0; y < 250; ++y)
            for (int32_t x = 0; x < kWidth; ++x)
                face.SetPixel(x, y, kFace);
        // The face's left edge from the right, its right edge less its width from the left.
        const auto faceX = [&](uint8_t shot) {
            std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, 0u);
            Step(shot);
            std::vector<int32_t> columns;
            for (int32_t x = 0; x < kScreenWidth; ++x)
                if (*g_BackBuffer.GetPixelAddress(x, c.y + 200) == kFace) columns.push_back(x);
            if (columns.empty()) return -1000;
            return c.fromRight ? columns.front() : columns.back() - (kWidth - 1);
        };
        const int32_t delay = c.conversation == 4 ? 10 : 20;
        for (int32_t p = 0; p < c.page; ++p) {
            for (int i = 0; i < delay; ++i)
                Step(0);
            if (p + 1 < c.page) Step(1);
        }
        int32_t last = c.fromRight ? 511 : 134 - kWidth;
        for (int32_t frame = 1; frame <= 11; ++frame) {
            const int32_t x = faceX(frame == 1 && c.page > 0 ? 1 : 0);
            if (frame >= 9) {
                EXPECT_EQ(x, kRest) << frame;
            } else if (c.fromRight) {
                EXPECT_TRUE(x < last && x > kRest && last - x <= 40) << frame << ": " << x;
            } else if (x > 134 - kWidth) {
                EXPECT_TRUE(x > last && x < kRest && x - last <= 40) << frame << ": " << x;
            }
            last = x;
        }
    }
}

namespace {

// A 1x1 picture of `colour` drawn with blend mode `mode` over black, as the renderer does it.
uint32_t OverBlack(int32_t mode, uint32_t colour) {
    CImage32 src;
    src.Create(1, 1);
    src.SetPixel(0, 0, colour);
    CImage32 dst;
    dst.Create(4, 4);
    dst.BltNoClip(CDrawMode(mode), 1, 1, src, 0, 0, 1, 1);
    return *dst.GetPixelAddress(1, 1);
}

// Pictures whose pixels tell their origin: the text by its row, the name plates by their row,
// slot B by its column; slots A, C and D flat. The window is one colour-key pixel, white when
// copied plainly, absent when keyed.
void MarkPictures(CChat& chat) {
    chat.text.Create(4, 480);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 4; ++x)
            chat.text.SetPixel(x, y, 0x100000u | static_cast<uint32_t>(y));
    g_ChatNameImage.Create(2, 30);
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 2; ++x)
            g_ChatNameImage.SetPixel(x, y, 0x200000u | static_cast<uint32_t>(y));
    chat.window.Create(1, 1);
    chat.window.SetPixel(0, 0, kColourKey);
    const struct {
        CChat::Slot slot;
        int32_t w;
        uint32_t tag;
    } faces[] = {{CChat::kSlotA, 100, 0x400000},
                 {CChat::kSlotB, 350, 0x300000},
                 {CChat::kSlotC, 80, 0x500000},
                 {CChat::kSlotD, 60, 0x600000}};
    for (const auto& f : faces) {
        // Slot B is also the insets' 70-row sheet.
        const int32_t h = f.slot == CChat::kSlotB ? 70 : 50;
        chat.faces[f.slot].Create(f.w, h);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < f.w; ++x)
                chat.faces[f.slot].SetPixel(x, y, f.tag | (f.slot == CChat::kSlotB ? x : 0));
    }
}

uint32_t At(int32_t x, int32_t y) {
    return *g_BackBuffer.GetPixelAddress(x, y);
}

bool Tagged(uint32_t pixel, uint32_t tag) {
    return (pixel & 0xFF0000) == tag;
}

}  // namespace

// Every page as the table draws it, at rest: the window (plain, keyed or mode 17) at
// (140, 30); the text band at its place, its foot from source row H - 120 (p + 1) unless stated
// (open in conversation 42); the face at its rest x (centred: 322 - w/2; A, B, C are 100, 350
// and 80 wide) and y; the name plate band b (rows 5b.. of a 30-row picture); the 70 x 70
// insets of slot B, blended with mode 18 (conversation 42's as conversation 4's).
TEST_F(Chat, PagesDrawTheirTable) {
    struct Inset {
        int32_t sx, x, y;
    };
    struct Page {
        int32_t conversation, stage, page;
        char window;
        int32_t textY, textRows, textRow;
        uint32_t face;  // the slot's tag, 0 for none
        int32_t faceX, faceY;
        int32_t nameBand, nameX, nameY;
        std::vector<Inset> insets;
    };
    constexpr uint32_t A = 0x400000, B = 0x300000, C = 0x500000, D = 0x600000;
    const Page pages[] = {
        {1, 1, 0, 'P', 40, 120, 360, A, 160, 200, 5, 160, 155, {}},
        {2, 2, 0, 'P', 40, 120, 360, A, 155, 190, 4, 160, 160, {}},
        {2, 2, 1, 'K', 40, 120, 240, B, 150, 190, -1, 0, 0, {}},
        {2, 2, 2, 'K', 40, 120, 120, C, 185, 195, -1, 0, 0, {}},
        {3, 3, 0, 'P', 30, 120, 360, A, 272, 190, 3, 160, 155, {}},
        {3, 3, 1, 'P', 30, 120, 240, B, 147, 190, 2, 160, 155, {}},
        {3, 3, 2, 'K', 30, 120, 120, C, 185, 195, -1, 0, 0, {}},
        {3, 3, 3, 'K', 30, 120, 0, D, 134, 190, -1, 0, 0, {}},
        {4, 4, 0, '7', 40, 120, 360, 0, 0, 0, -1, 0, 0, {{280, 400, 170}}},
        {4, 4, 1, '7', 120, 40, 320, A, 272, 195, -1, 0, 0, {}},
        {0, 0, 0, 'P', 40, 120, 360, B, 147, 190, 1, 160, 165, {}},
        {0, 0, 1, 'P', 40, 120, 240, C, 282, 190, -1, 0, 0, {}},
        {0, 0, 2, 'P', 40, 120, 120, B, 147, 190, -1, 0, 0, {}},
        {0, 0, 3, 'P', 40, 120, 0, D, 134, 190, -1, 0, 0, {}},
        {42, 4, 0, 'P', 80, 80, -1, 0, 0, 0, -1, 0, 0, {{280, 400, 170}}},
        {42, 4, 1, 'P', 120, 40, -1, A, 272, -1, -1, 0, 0, {}},
        {42, 4, 2, 'P', 120, 40, -1, 0, 0, 0, -1, 0, 0, {{70, 400, 170}}},
        {42, 4, 3, 'P', 80, 80, -1, 0, 0, 0, -1, 0, 0, {{140, 370, 200}, {210, 430, 140}}},
        {42, 4, 4, 'P', 120, 40, -1, A, 272, -1, -1, 0, 0, {}},
        {52, 5, 0, 'P', 40, 120, 360, 0, 0, 0, 0, 280, 175, {}},
        {52, 5, 1, 'K', 40, 120, 240, 0, 0, 0, -1, 0, 0, {}},
        {52, 5, 2, 'P', 40, 120, 120, 0, 0, 0, -1, 0, 0, {}},
        {52, 5, 3, 'P', 40, 120, 0, C, 134, 200, -1, 0, 0, {}},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(testing::Message() << p.conversation << " page " << p.page);
        Start(p.stage, p.conversation);
        MarkPictures(*chat_);
        const int delay = p.conversation == 4 ? 10 : 20;
        for (int32_t turn = 0; turn < p.page; ++turn) {
            for (int i = 0; i < delay; ++i)
                Step(0);
            Step(1);
        }
        for (int i = 0; i < 11; ++i)
            Step(0);
        std::fill_n(g_BackBuffer.pixels, kScreenWidth * kScreenHeight, 0u);
        ASSERT_EQ(Step(0), 1);
        ASSERT_EQ(chat_->page, p.page);

        const uint32_t window = p.window == 'P'   ? kColourKey
                                : p.window == 'K' ? 0u
                                                  : OverBlack(17, kColourKey);
        EXPECT_EQ(At(140, 30), window);

        const int32_t top = p.textY + p.textRows - 1;
        EXPECT_TRUE(Tagged(At(163, p.textY), 0x100000));
        EXPECT_TRUE(Tagged(At(163, top), 0x100000));
        EXPECT_FALSE(Tagged(At(163, p.textY - 1), 0x100000));
        EXPECT_FALSE(Tagged(At(163, top + 1), 0x100000));
        if (p.textRow >= 0) {
            EXPECT_EQ(At(163, p.textY), 0x100000u | static_cast<uint32_t>(p.textRow));
            EXPECT_EQ(At(163, top), 0x100000u | static_cast<uint32_t>(p.textRow + p.textRows - 1));
        }

        if (p.face != 0) {
            int32_t minX = kScreenWidth, minY = kScreenHeight;
            for (int32_t y = 0; y < kScreenHeight; ++y)
                for (int32_t x = 0; x < kScreenWidth; ++x)
                    if (Tagged(At(x, y), p.face)) {
                        minX = std::min(minX, x);
                        minY = std::min(minY, y);
                    }
            EXPECT_EQ(minX, p.faceX);
            if (p.faceY >= 0) {
                EXPECT_EQ(minY, p.faceY);
            }
        }

        if (p.nameBand >= 0) {
            const auto row = static_cast<uint32_t>(5 * p.nameBand);
            EXPECT_EQ(At(p.nameX, p.nameY), 0x200000u | row);
            EXPECT_EQ(At(p.nameX + 1, p.nameY + 4), 0x200000u | (row + 4));
            EXPECT_FALSE(Tagged(At(p.nameX, p.nameY + 5), 0x200000));
        }

        for (const Inset& inset : p.insets) {
            const auto sx = static_cast<uint32_t>(inset.sx);
            EXPECT_EQ(At(inset.x, inset.y), OverBlack(18, B | sx)) << inset.x;
            EXPECT_EQ(At(inset.x + 69, inset.y + 69), OverBlack(18, B | (sx + 69))) << inset.x;
            EXPECT_EQ(At(inset.x + 70, inset.y + 35), 0u) << inset.x;
            EXPECT_EQ(At(inset.x - 1, inset.y + 35), 0u) << inset.x;
        }
    }
    g_ChatNameImage.Free();
}
