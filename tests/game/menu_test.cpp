#include <filesystem>
#include <fstream>
#include <set>

#include "bosses/boss.h"
#include "engine/random.h"
#include "game/app.h"
#include "game/character_select.h"
#include "game/frame.h"
#include "game/game_reset.h"
#include "game/level_select.h"
#include "game/opening_movie.h"
#include "game/sprite_images.h"
#include "game/story.h"
#include "game/title.h"
#include "scene_fixture.h"
#include "shooting/bomb.h"
#include "shooting/bullet.h"
#include "shooting/player.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/assets.h"

namespace assets {
void AddMenuAssets(AssetList& list);
}

// The front-end scenes are real; every other scene records what happens to it. Files the
// scenes write (the high-score table) land in a temporary folder.
class Menus : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        g_pOpeningMovie = &logo_;
        g_pTitle = &title_;
        g_pLevelSelect = &levelSelect_;
        g_pCharacterSelect = &intro_;
        g_pScene = g_pOpeningMovie;
        g_TitleMenu = TitleMenu();
        g_LevelSelectMenu = LevelSelectMenu();
        g_Intro = IntroState();
        g_bMenuConfirm = 0;
        g_bChat = 0;
        g_nLevel = 0;
    }

    // One frame of `scene` with `button` held, or with nothing held when button is null.
    static void Frame(CTaskEngin& scene, uint8_t* button = nullptr) {
        if (button != nullptr) *button = 1;
        scene.Run();
        if (button != nullptr) *button = 0;
    }
    static void Frames(CTaskEngin& scene, int n) {
        for (int i = 0; i < n; ++i)
            Frame(scene);
    }

    InTempDir dir_;
    COpeningMovie logo_;
    CTitle title_;
    CLevelSelect levelSelect_;
    CCharacterSelect intro_;
};

// Keyboard only, default settings, Z held on exactly four frames: the logo, the title, the
// level select's three rows and the introduction's fade lead to stage play on frame 292.
TEST_F(Menus, KeyboardScriptReachesStagePlayOnFrame292) {
    const std::set<int> shotFrames = {211, 231, 233, 235};
    struct Span {
        int first, last;
        int32_t scene;
    };
    const Span spans[] = {{1, 200, kSceneLogo},
                          {201, 226, kSceneTitle},
                          {227, 250, kSceneLevelSelect},
                          {251, 291, kSceneIntroduction},
                          {292, 292, kSceneGame}};
    int32_t sceneOf[293] = {};
    for (int f = 1; f <= 292; ++f) {
        g_aKey[0] = shotFrames.count(f) != 0 ? 1 : 0;
        sceneOf[f] = g_nScene;
        RunFrame();
        if (f == 100) {
            EXPECT_NE(g_pStageList[6], nullptr);
            EXPECT_EQ(g_pBoss, g_pBossList[1]);
            EXPECT_TRUE(std::filesystem::exists("init.bin"));
        }
    }
    for (const Span& span : spans) {
        for (int f = span.first; f <= span.last; ++f)
            ASSERT_EQ(sceneOf[f], span.scene) << "frame " << f;
    }
    EXPECT_EQ(logo_.logo, nullptr);
    EXPECT_EQ(Scene(g_pGame).starts, 1);
    EXPECT_EQ(Scene(g_pGame).runs, 1);
    EXPECT_EQ(g_Replay.stagePos, 1);  // the first recorded byte
    EXPECT_EQ(g_nLevel, 0);
    EXPECT_EQ(g_bChat, 0);
    EXPECT_EQ(g_nStage, 1);
}

TEST_F(Menus, TitleTakesAShotFromItsEleventhFrame) {
    for (const int pressFrame : {10, 11}) {
        title_.Start();
        g_TitleMenu = TitleMenu();
        g_bMenuConfirm = 0;
        for (int f = 1; f <= pressFrame; ++f)
            Frame(title_, f == pressFrame ? &g_Input.shot : nullptr);
        EXPECT_EQ(g_bMenuConfirm, pressFrame == 11 ? 1 : 0) << "press on frame " << pressFrame;
    }
}

TEST_F(Menus, LogoAndTitleCursorLandWhereTheScenesPutThem) {
    // The logo is copied into the logo screen at (170, 60) on the first frame.
    g_LogoScreen.Create(kScreenWidth, kScreenHeight);
    logo_.logo = std::make_unique<CImageShooting>();
    logo_.logo->Create(2, 2);
    for (int i = 0; i < 4; ++i)
        logo_.logo->pixels[i] = 0x203040;
    Frame(logo_);
    EXPECT_EQ(*g_LogoScreen.GetPixelAddress(170, 60), 0x203040u);
    EXPECT_EQ(*g_LogoScreen.GetPixelAddress(169, 60), 0u);

    // The title cursor sits at x 205 and y 180, 138, 101, 70 for rows 0 to 3.
    g_TitleImage.Create(kScreenWidth, kScreenHeight);
    g_TitleCursorImage.Create(1, 1);
    g_TitleCursorImage.pixels[0] = 0x203040;
    const int32_t rowY[] = {180, 138, 101, 70};
    for (int32_t row = 0; row < 4; ++row) {
        g_TitleMenu.cursor = row;
        Frame(title_);
        EXPECT_EQ(*g_BackBuffer.GetPixelAddress(205, rowY[row]), 0x203040u) << row;
    }
    g_TitleCursorImage.Create(1, 1);
}

TEST_F(Menus, StorySceneFadesForSixteenFramesAfterAShot) {
    CStory story;
    story.Start();
    Frame(story);
    EXPECT_EQ(g_bMenuConfirm, 0);
    g_Input.shotPrev = 0;
    Frame(story, &g_Input.shot);
    EXPECT_EQ(g_bMenuConfirm, 1);
    EXPECT_EQ(g_Input.shotPrev, 1);
    Frames(story, 14);
    EXPECT_EQ(g_nNextScene, 0);
    Frame(story);
    EXPECT_EQ(g_nNextScene, kSceneIntroduction);
    EXPECT_EQ(g_bMenuConfirm, 0);
    EXPECT_EQ(story.frame, 0);
}

TEST_F(Menus, TitleRowsLeadToTheirScenesOnTheSixteenthFadeFrame) {
    const int32_t sceneOfRow[] = {kSceneLevelSelect, kSceneReplaySelect, kSceneKeyConfig};
    for (int row = 0; row < 3; ++row) {
        Enter(kSceneTitle, &title_);
        title_.Start();
        g_TitleMenu = TitleMenu();
        Frames(title_, 11);
        for (int i = 0; i < row; ++i) {
            Frame(title_, &g_Input.down);
            Frame(title_);
        }
        SoundRequest[21] = 0;
        Frame(title_, &g_Input.shot);
        EXPECT_EQ(SoundRequest[21], 1);
        Frames(title_, 14);
        EXPECT_EQ(g_nNextScene, kSceneTitle) << "row " << row;
        EXPECT_EQ(g_Input.shotPrev, 1);
        Frame(title_);
        EXPECT_EQ(g_nNextScene, sceneOfRow[row]) << "row " << row;
        EXPECT_EQ(g_bMenuConfirm, 0);
        EXPECT_EQ(title_.frame, 0);
        EXPECT_EQ(g_TitleMenu.age, 0);
    }
}

TEST_F(Menus, TitleCursorClampsWithTheSoundAndExitQuitsAtOnce) {
    Frame(title_, &g_Input.up);
    EXPECT_EQ(g_TitleMenu.cursor, 0);
    EXPECT_EQ(SoundRequest[20], 1);
    for (int i = 0; i < 5; ++i) {
        SoundRequest[20] = 0;
        Frame(title_, &g_Input.down);
        EXPECT_EQ(SoundRequest[20], 1) << i;  // also where the clamp undoes the move
        Frame(title_);
    }
    EXPECT_EQ(g_TitleMenu.cursor, 3);
    Frames(title_, 10);
    SoundRequest[21] = 0;
    Frame(title_, &g_Input.shot);
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(SoundRequest[21], 0);
}

TEST_F(Menus, LevelSelectWrapsTheLevelAndNotTheRows) {
    Frames(levelSelect_, 4);
    Frame(levelSelect_, &g_Input.left);
    EXPECT_EQ(g_LevelSelectMenu.level, 2);
    struct Step {
        uint8_t* button;
        int32_t level, row;
        uint8_t chat;
    };
    const Step steps[] = {
        {&g_Input.right, 0, 0, 0}, {&g_Input.right, 1, 0, 0}, {&g_Input.left, 0, 0, 0},
        {&g_Input.up, 0, 0, 0},    {&g_Input.down, 0, 1, 0},  {&g_Input.left, 0, 1, 1},
        {&g_Input.right, 0, 1, 0}, {&g_Input.down, 0, 2, 0},  {&g_Input.down, 0, 2, 0},
        {&g_Input.left, 0, 2, 0},  {&g_Input.up, 0, 1, 0},    {&g_Input.up, 0, 0, 0},
    };
    for (const Step& step : steps) {
        SoundRequest[20] = 0;
        Frame(levelSelect_, step.button);
        Frame(levelSelect_);
        EXPECT_EQ(g_LevelSelectMenu.level, step.level);
        EXPECT_EQ(g_LevelSelectMenu.row, step.row);
        EXPECT_EQ(g_LevelSelectMenu.chat, step.chat);
    }
}

// The explanation is added at (160, 40): on row 0 the 50 text rows from 200 - 48 x level, on
// row 1 the 48 rows from 52 (on) or 4 (off), nothing on row 2.
TEST_F(Menus, LevelSelectExplainsTheRowUnderTheCursor) {
    levelSelect_.background.Create(kScreenWidth, kScreenHeight);
    g_SelectTextImage.Create(1, 260);
    for (int32_t y = 0; y < 260; ++y)
        g_SelectTextImage.SetPixel(0, y, static_cast<uint32_t>(y + 1));
    struct Case {
        int32_t row, level;
        uint8_t chat;
        uint32_t first;  // the first text row drawn, plus 1; 0 for none
        int32_t height;
    };
    const Case cases[] = {{0, 0, 1, 201, 50}, {0, 1, 0, 153, 50}, {0, 2, 1, 105, 50},
                          {1, 2, 1, 53, 48},  {1, 0, 0, 5, 48},   {2, 1, 1, 0, 48}};
    for (const Case& c : cases) {
        g_LevelSelectMenu.row = c.row;
        g_LevelSelectMenu.level = c.level;
        g_LevelSelectMenu.chat = c.chat;
        g_LevelSelectMenu.age = 10;
        Frame(levelSelect_);
        const auto at = [](int32_t y) { return *g_BackBuffer.GetPixelAddress(160, y); };
        EXPECT_EQ(at(39), 0u) << c.row << "/" << c.level;
        EXPECT_EQ(at(40), c.first) << c.row << "/" << c.level;
        EXPECT_EQ(at(39 + c.height), c.first == 0 ? 0 : c.first + c.height - 1) << c.row;
        EXPECT_EQ(at(40 + c.height), 0u) << c.row << "/" << c.level;
    }
}

TEST_F(Menus, LevelSelectIgnoresInputInItsFirstFourFrames) {
    Frame(levelSelect_);
    Frame(levelSelect_, &g_Input.down);
    Frame(levelSelect_);
    Frame(levelSelect_, &g_Input.down);
    EXPECT_EQ(g_LevelSelectMenu.row, 0);
    Frame(levelSelect_);
    Frame(levelSelect_, &g_Input.down);
    EXPECT_EQ(g_LevelSelectMenu.row, 1);
}

TEST_F(Menus, ThreeShotsStartTheGameWithTheChosenLevelAndSwitch) {
    Enter(kSceneLevelSelect, &levelSelect_);
    g_LevelSelectMenu.level = 2;
    g_LevelSelectMenu.chat = 1;
    g_nStage = 4;
    g_Player.lives = 0;
    Frames(levelSelect_, 4);
    for (int i = 0; i < 3; ++i) {
        Frame(levelSelect_, &g_Input.shot);
        if (i < 2) Frame(levelSelect_);
    }
    EXPECT_EQ(g_bMenuConfirm, 1);
    EXPECT_EQ(SoundRequest[21], 1);
    Frames(levelSelect_, 14);
    EXPECT_EQ(g_nNextScene, kSceneLevelSelect);
    Frame(levelSelect_);
    EXPECT_EQ(g_nNextScene, kSceneIntroduction);
    EXPECT_EQ(g_nLevel, 2);
    EXPECT_EQ(g_bChat, 1);
    EXPECT_EQ(g_nStage, 1);
    EXPECT_EQ(g_Player.lives, 3);
    EXPECT_EQ(g_bMenuConfirm, 0);
    EXPECT_EQ(levelSelect_.frame, 0);
    EXPECT_EQ(g_LevelSelectMenu.row, 0);
    EXPECT_EQ(g_LevelSelectMenu.age, 0);
}

TEST_F(Menus, BombGoesBackToTheTitleAndLeavesAFadeRunning) {
    Enter(kSceneLevelSelect, &levelSelect_);
    g_LevelSelectMenu.row = 2;
    Frames(levelSelect_, 4);
    Frame(levelSelect_, &g_Input.shot);
    Frames(levelSelect_, 2);
    Frame(levelSelect_, &g_Input.bomb);
    EXPECT_EQ(g_nNextScene, kSceneTitle);
    EXPECT_EQ(g_LevelSelectMenu.row, 0);
    EXPECT_EQ(g_LevelSelectMenu.age, 0);
    EXPECT_EQ(g_bMenuConfirm, 1);
    EXPECT_EQ(levelSelect_.frame, 4);
}

TEST_F(Menus, IntroductionWithoutConversationsFadesFor41Frames) {
    Enter(kSceneIntroduction, &intro_);
    g_bReplay = 1;
    for (int f = 1; f <= 40; ++f)
        Frame(intro_);
    EXPECT_EQ(g_nNextScene, kSceneIntroduction);
    EXPECT_EQ(g_bMenuConfirm, 1);
    Frame(intro_);
    EXPECT_EQ(g_nNextScene, kSceneGame);
    EXPECT_EQ(g_bReplay, 0);
    EXPECT_EQ(g_bMenuConfirm, 0);
    EXPECT_EQ(intro_.frame, 0);
}

TEST_F(Menus, IntroductionPagesTurnOnShotsAndTheChangeButtonSkips) {
    assets::AssetList list;
    assets::AddMenuAssets(list);
    std::filesystem::create_directory("img");
    for (const assets::AssetFile& file : list) {
        if (file.path == "img/intro.bmp") {
            std::ofstream(file.path, std::ios::binary)
                .write(reinterpret_cast<const char*>(file.bytes.data()),
                       static_cast<std::streamsize>(file.bytes.size()));
        }
    }
    g_IntroImage.Create(1, 1);
    g_bChat = 1;
    Frame(intro_);
    EXPECT_EQ(g_Intro.loaded, 1);
    EXPECT_EQ(g_IntroImage.width, 640);
    for (int page = 1; page <= 5; ++page) {
        EXPECT_EQ(g_bMenuConfirm, 0);
        Frame(intro_, &g_Input.shot);
        EXPECT_EQ(g_Intro.page, page);
        EXPECT_EQ(g_Intro.fade, 255);
        Frame(intro_);
        EXPECT_EQ(g_Intro.fade, 245);
    }
    EXPECT_EQ(g_bMenuConfirm, 1);

    g_bMenuConfirm = 0;
    intro_.frame = 0;
    g_Intro.page = 1;
    Frame(intro_, &g_Input.change);
    EXPECT_EQ(g_bMenuConfirm, 1);
    Frames(intro_, 40);
    EXPECT_EQ(g_nNextScene, kSceneGame);
    EXPECT_EQ(g_Intro.page, 0);
    EXPECT_EQ(g_Intro.loaded, 0);
}

TEST_F(Menus, ResetGameStateStartsANewRun) {
    CreateBosses();
    g_bContinued = 1;
    g_nStage = 5;
    g_bMenuConfirm = 1;
    g_Replay.stagePos = 7;
    g_Replay.bossPos = 9;
    g_pBoss = g_pBossList[3];
    g_Input.pause = 1;
    g_Input.shot = g_Input.shotPrev = g_Input.left = g_Input.downPrev = 1;
    g_Bomb.running = 1;
    g_BulletMannager.shots[5].alive = 1;
    g_BackBuffer.SetPixel(10, 10, 0xFFFFFF);
    g_pPointMannager->chain = 90;
    g_pPointMannager->killCount = 12;
    Rand();
    ResetGameState();
    EXPECT_EQ(g_bContinued, 0);
    EXPECT_EQ(g_nStage, 1);
    EXPECT_EQ(g_bMenuConfirm, 0);
    EXPECT_EQ(g_Replay.stagePos, 0);
    EXPECT_EQ(g_Replay.bossPos, 0);
    EXPECT_EQ(g_pBoss, g_pBossList[1]);
    EXPECT_EQ(g_Input.pause, 1);
    EXPECT_EQ(g_Input.shot + g_Input.shotPrev + g_Input.left + g_Input.downPrev, 0);
    EXPECT_EQ(g_Bomb.running, 0);
    EXPECT_EQ(g_BulletMannager.shots[5].alive, 0);
    EXPECT_EQ(*g_BackBuffer.GetPixelAddress(10, 10), 0u);
    EXPECT_EQ(g_pPointMannager->chain + g_pPointMannager->killCount, 0);
    EXPECT_TRUE(std::filesystem::exists("init.bin"));
    EXPECT_EQ(Rand(), 130);  // seeded with 1
}
