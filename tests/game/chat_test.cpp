#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "game/chat.h"
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
