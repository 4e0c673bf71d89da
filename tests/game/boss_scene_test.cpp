#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bosses/boss.h"
#include "enemies/background.h"
#include "engine/music.h"
#include "engine/sound.h"
#include "game/boss_scene.h"
#include "game/chat.h"
#include "game/next_stage_assets.h"
#include "game/play_screen.h"
#include "platform/headless/headless_audio.h"
#include "scene_fixture.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/missile.h"
#include "shooting/player.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/assets.h"

// The boss fight and the conversation scene over a plain background; the boss is the base boss
// set where its defeat sequence ends.
class BossScenes : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        g_pBG = &background_;
        g_pBoss = &boss_;
        g_Player.Init();
    }
    void TearDown() override {
        g_pBG = nullptr;
        g_pBoss = nullptr;
        g_pChat = nullptr;
        g_nStage = 1;
        g_bChat = 0;
        g_Panels.battleFrame.Free();
    }

    CBackGround2 background_;
    CBoss boss_;
};

// A beaten boss leads on in the order 1, 2, 3, bonus (0), 4, 5, then 6, the end of the run,
// and asks for the stage end.
TEST_F(BossScenes, BeatenBossAdvancesTheStage) {
    const struct {
        int32_t before, after;
    } order[] = {{1, 2}, {2, 3}, {3, 0}, {0, 4}, {4, 5}, {5, 6}};
    InTempDir dir;
    CGameBoss scene;
    for (const auto& step : order) {
        g_nStage = step.before;
        g_nNextScene = kSceneBoss;
        boss_.hp = 0;
        boss_.phaseHp = 1;
        boss_.phasesLeft = -1;
        boss_.defeatTimer = 160;
        scene.frame = 7;
        scene.Run();
        EXPECT_EQ(g_nStage, step.after) << step.before;
        EXPECT_EQ(g_nNextScene, kSceneStageEnd);
        EXPECT_EQ(scene.frame, 0);
    }
}

// With the conversations off the conversation scene shows one frame, the background and the
// frame picture keyed at (0, 2), and asks for the boss fight; with them on it stays.
TEST_F(BossScenes, ConversationSceneLastsOneFrameWhenOff) {
    InTempDir dir;
    CChat chat;
    g_pChat = &chat;
    g_Panels.battleFrame.Create(2, 2);
    g_Panels.battleFrame.SetPixel(0, 0, 0x445566);
    g_Panels.battleFrame.SetPixel(1, 0, 0xFFFFFF);
    CGameChat scene;
    for (const uint8_t on : {0, 1}) {
        g_bChat = on;
        g_nChat = 1;
        g_nNextScene = kSceneChat;
        g_BackBuffer.SetPixel(1, 2, 0x010101);
        scene.Run();
        EXPECT_EQ(g_nNextScene, on != 0 ? kSceneChat : kSceneBoss);
        EXPECT_EQ(*g_BackBuffer.GetPixelAddress(0, 2), 0x445566u);
        EXPECT_EQ(*g_BackBuffer.GetPixelAddress(1, 2), 0x010101u);
    }
}

namespace {

// The pictures a beaten boss may load, each made as wide as its number here so a loaded
// picture tells which file it came from.
const std::map<std::string, int> kPictureWidths = {
    {"img/e-bullets-st2.bmp", 2},     {"img/e-d-bullets-st2.bmp", 3},
    {"img/dark-bullets-st2.bmp", 4},  {"img/e-bullets-st3.bmp", 5},
    {"img/e-d-bullets-st3.bmp", 6},   {"img/dark-bullets-st3.bmp", 7},
    {"img/e-bullets-stb.bmp", 8},     {"img/e-d-bullets-stb.bmp", 9},
    {"img/dark-bullets-stb.bmp", 10}, {"img/e-bullets-st4.bmp", 11},
    {"img/e-d-bullets-st4.bmp", 12},  {"img/dark-bullets-st4.bmp", 13},
    {"img/e-bullets-st5.bmp", 14},    {"img/e-d-bullets-st5.bmp", 15},
    {"img/dark-bullets-st5.bmp", 16}, {"img/effect-lazer1.bmp", 17},
    {"img/effect-lazer2.bmp", 18},    {"img/effect-lazer3.bmp", 19},
    {"img/effect-lazer4.bmp", 20},    {"img/magic1.bmp", 21},
};
constexpr int kUntouched = 99;

// The files opened in img/ and BGM/, in order, while it is watching.
class OpenWatch {
public:
    OpenWatch() : fd_(inotify_init1(IN_NONBLOCK)) {
        img_ = inotify_add_watch(fd_, "img", IN_OPEN | IN_CLOSE_NOWRITE);
        bgm_ = inotify_add_watch(fd_, "BGM", IN_OPEN | IN_CLOSE_NOWRITE);
    }
    ~OpenWatch() { close(fd_); }
    bool Ok() const { return fd_ >= 0 && img_ >= 0 && bgm_ >= 0; }

    std::vector<std::string> Take() {
        std::vector<std::string> opened;
        alignas(inotify_event) char buffer[8192];
        ssize_t n = 0;
        while ((n = read(fd_, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if ((event->mask & IN_OPEN) != 0) {
                    opened.push_back((event->wd == img_ ? "img/" : "BGM/") +
                                     std::string(event->name));
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return opened;
    }

private:
    int fd_;
    int img_ = -1;
    int bgm_ = -1;
};

}  // namespace

// What a beaten boss loads by the new stage index, and in which order: the music (with an open
// sound device it is opened too), the three sheets, effect 24, the laser picture and the second
// missile picture; "unchanged" and the rows of 1 and 6 leave pictures alone.
TEST_F(BossScenes, NextStageAssetsLoadTheirRowsInOrder) {
    InTempDir dir;
    std::filesystem::create_directories("img");
    std::filesystem::create_directories("BGM");
    for (const auto& [name, width] : kPictureWidths) {
        const std::vector<uint8_t> bytes = assets::EncodeBmp24(assets::Picture(width, 1, 0x808080));
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    for (const char* music : {"BGM/stage2.ogg", "BGM/stage3-1.ogg", "BGM/stageb.ogg",
                              "BGM/stage4.ogg", "BGM/stage5.ogg"})
        std::ofstream(music) << "ogg";
    ASSERT_TRUE(g_Sound.Init(2, 22050, 16));
    CImageShooting sheets[4];
    CImageShooting* const savedSheets = g_pEBImage;
    g_pEBImage = sheets;

    // The three sheets of a stage's file suffix, in the order 0, 1, 2.
    const auto sheetsOf = [](const std::string& suffix) {
        return std::vector<std::string>{"img/e-bullets-" + suffix + ".bmp",
                                        "img/e-d-bullets-" + suffix + ".bmp",
                                        "img/dark-bullets-" + suffix + ".bmp"};
    };
    const auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::string magic = "img/magic1.bmp";
    constexpr int U = kUntouched;
    // Widths of sheets 0 to 2, effect 24, the laser picture and missile picture 2.
    const struct {
        int32_t index;
        std::vector<std::string> opened;
        int widths[6];
    } rows[] = {
        {2,
         join(join({"BGM/stage2.ogg"}, sheetsOf("st2")),
              {magic, "img/effect-lazer1.bmp", "img/effect-lazer1.bmp"}),
         {2, 3, 4, 17, 17, 21}},
        {3,
         join(join({"BGM/stage3-1.ogg"}, sheetsOf("st3")), {"img/effect-lazer1.bmp", magic}),
         {5, 6, 7, 17, U, 21}},
        {0,
         join(join({"BGM/stageb.ogg"}, sheetsOf("stb")), {"img/effect-lazer3.bmp", magic}),
         {8, 9, 10, 19, U, 21}},
        {4,
         join(sheetsOf("st4"),
              {"img/effect-lazer2.bmp", "img/effect-lazer2.bmp", magic, "BGM/stage4.ogg"}),
         {11, 12, 13, 18, 18, 21}},
        {5,
         join(join({"BGM/stage5.ogg"}, sheetsOf("st5")),
              {"img/effect-lazer4.bmp", "img/effect-lazer4.bmp", magic}),
         {14, 15, 16, 20, 20, 21}},
        {1, {}, {U, U, U, U, U, U}},
        {6, {}, {U, U, U, U, U, U}},
    };
    CImageShooting* targets[6] = {&sheets[0],    &sheets[1],
                                  &sheets[2],    &g_EffectMannager.images[24],
                                  &g_LazerImage, &g_MissileMannager.images[1]};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        for (CImageShooting* target : targets)
            target->Create(kUntouched, 1);
        OpenWatch watch;
        ASSERT_TRUE(watch.Ok());
        platform::headless::TakeAudioLog();
        LoadNextStageAssets(row.index);
        EXPECT_EQ(watch.Take(), row.opened);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(targets[i]->width, row.widths[i]) << "picture " << i;
        // The music is loaded, never started.
        for (const std::string& line : platform::headless::TakeAudioLog())
            EXPECT_EQ(line.rfind("music play", 0), std::string::npos) << line;
    }

    for (CImageShooting* target : targets)
        target->Create(1, 1);
    g_pEBImage = savedSheets;
    g_Music.player.Unload();
    g_Sound.Close();
    platform::headless::ResetAudio();
}
