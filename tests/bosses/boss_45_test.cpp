#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "bosses/boss2.h"
#include "bosses/boss3.h"
#include "bosses/boss4.h"
#include "bosses/boss5.h"
#include "bosses/boss_child.h"
#include "enemies/background.h"
#include "engine/check.h"
#include "engine/requests.h"
#include "shooting/effect.h"
#include "shooting/enemy_laser.h"
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "tests/bosses/boss_window.h"
#include "tests/enemies/enemy_fixture.h"
#include "tools/assets/assets.h"

namespace {

// A new game's pools with the bosses made, no lasers, conversations off and the ship low in
// the field, away from every beam tip.
class Boss45Test : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        CreateBosses();
        ClearBossChildren();
        g_ELazer.Clear();
        g_LBMannager.Init();
        g_nNextScene = 50;
        g_bChat = 0;
        g_Player.hitX = 300;
        g_Player.hitY = 10;
    }
    void TearDown() override {
        g_nNextScene = 0;
        g_bChat = 0;
        g_nChat = 0;
        EnemyFixture::TearDown();
    }

    // Runs the boss's frames until its script has seen frame t, clearing the laser list and
    // the sound requests before each.
    static void RunTo(CBoss& boss, int32_t t) {
        for (int guard = 0; boss.scriptFrame < t && guard < 4000; ++guard) {
            g_ELazer.Clear();
            for (auto& request : SoundRequest)
                request = 0;
            boss.Act();
        }
    }
    // The boss in a phase, about to run phase frame t.
    static void At(CBoss& boss, int32_t phasesLeft, int32_t t) {
        boss.Init();
        boss.phasesLeft = phasesLeft;
        boss.phaseFrame = t - 1;
    }
    static void ShotAt(int32_t x, int32_t y) { g_BulletMannager.Shoot(x, y, 0, 0, 0, 0); }

    CBoss4 boss4_;
    CBoss5 boss5_;
};

TEST_F(Boss45Test, Boss4SetUpAndSprites) {
    boss4_.Init();
    EXPECT_EQ(boss4_.hp, 850);
    EXPECT_EQ(boss4_.phaseHp, 850);
    EXPECT_EQ(boss4_.phasesLeft, 2);
    EXPECT_EQ(boss4_.x, 0);
    EXPECT_EQ(boss4_.y, 480);
    EXPECT_EQ(boss4_.hotX, 340);
    EXPECT_EQ(boss4_.shotBoxHalfW, 680);
    EXPECT_EQ(boss4_.shotBoxLow, 200);
    EXPECT_EQ(boss4_.shotBoxHigh, 364);
    EXPECT_EQ(g_pBossImage, g_pBossImage1);
    for (int i = 0; i < 2; ++i) {
        const CBossParts& part = g_pBossParts[i];
        EXPECT_EQ(part.kind, i);
        EXPECT_EQ(part.x, 240);
        EXPECT_EQ(part.w, 68);
        EXPECT_EQ(part.h, 163);
        EXPECT_EQ(part.pivot, 150);
        EXPECT_EQ(part.offsetX, i == 0 ? 290 : 390);
        EXPECT_EQ(part.offsetY, 182);
        EXPECT_EQ(part.maxAngle, 20);
        EXPECT_EQ(part.minAngle, -20);
    }

    // The first frame closes 1/35 of the way to the first waypoint, (0, 150).
    boss4_.Act();
    EXPECT_DOUBLE_EQ(boss4_.y, 480 - (480 - 150) * (1.0 / 35));
    EXPECT_EQ(boss4_.x, 0);
    EXPECT_EQ(g_pBossParts[0].offsetX, 250);
    EXPECT_EQ(g_pBossParts[1].offsetX, 430);
}

TEST_F(Boss45Test, Boss4PartsSwingAndReturn) {
    boss4_.Init();
    std::vector<std::pair<int32_t, int32_t>> angles;
    for (const int32_t t : {99, 669, 1249, 1259}) {
        RunTo(boss4_, t);
        angles.emplace_back(g_pBossParts[0].angle, g_pBossParts[1].angle);
    }
    RunTo(boss4_, 1260);
    EXPECT_EQ(boss4_.phaseFrame, 0);
    boss4_.Act();
    angles.emplace_back(g_pBossParts[0].angle, g_pBossParts[1].angle);
    const std::vector<std::pair<int32_t, int32_t>> expected = {
        {-20, 20}, {0, 0}, {0, 0}, {-10, 10}, {-20, 20}};
    EXPECT_EQ(angles, expected);
}

TEST_F(Boss45Test, Boss4MarksDrawXThenY) {
    At(boss4_, 2, 560);
    SeedRand(3);
    int32_t expected[2 * 7];
    for (int32_t& r : expected)
        r = Rand();
    SeedRand(3);
    const uint64_t before = RandDraws();
    RunTo(boss4_, 560);
    EXPECT_EQ(RandDraws() - before, 14u);
    EXPECT_EQ(boss4_.markX[0], 300);
    EXPECT_EQ(boss4_.markY[0], 10);
    for (int i = 1; i < 8; ++i) {
        EXPECT_EQ(boss4_.markX[i], expected[2 * (i - 1)] % 376 + 134) << i;
        EXPECT_EQ(boss4_.markY[i], expected[2 * (i - 1) + 1] % 200) << i;
    }
}

TEST_F(Boss45Test, Boss4ParkedBossTakesNoHits) {
    // First frame of the second phase: a jump of 128, the old hot spot for the offsets, then
    // the script parks the boss anyway.
    At(boss4_, 1, 1);
    boss4_.Act();
    EXPECT_EQ(g_pBossParts[0].offsetX, 340 - 70);
    EXPECT_EQ(boss4_.x, 40);
    EXPECT_EQ(boss4_.y, -350);
    EXPECT_EQ(boss4_.draw.mode, 16);
    boss4_.Act();
    EXPECT_EQ(g_pBossParts[0].offsetX, 276 - 70);

    ShotAt(316, 0);
    boss4_.Act();
    EXPECT_EQ(boss4_.hp, 850);
    EXPECT_EQ(boss4_.draw.mode, 16);
    EXPECT_EQ(SoundRequest[1], 0);

    boss4_.y = 100;
    boss4_.phaseFrame = 200;
    ShotAt(316, 350);
    boss4_.Act();
    EXPECT_EQ(boss4_.hp, 849);
}

TEST_F(Boss45Test, Boss4BeamTipsTruncate) {
    At(boss4_, 0, 600);
    RunTo(boss4_, 601);
    EXPECT_EQ(boss4_.param3, -1);
    const int32_t cx = static_cast<int32_t>(boss4_.x + boss4_.hotX);
    const LaserRecord& r = g_ELazer.records[0];
    EXPECT_EQ(r.kind, 9);
    EXPECT_EQ(r.x, cx);
    EXPECT_EQ(r.d, 300 + 144);
    EXPECT_EQ(r.e, 10 + 96);
    EXPECT_EQ(g_ELazer.records[1].d, 300 + 145);
    RunTo(boss4_, 606);
    EXPECT_EQ(g_ELazer.records[0].d, 300 + 143);
    EXPECT_EQ(g_ELazer.records[0].e, 10 + 95);
    RunTo(boss4_, 626);
    EXPECT_EQ(g_ELazer.count, 0);
}

TEST_F(Boss45Test, Boss4EruptionDrawsAndColumns) {
    // Each bullet draws vy, vx, y and x, in that order; each small one also draws its own
    // animation start in the pool.
    SeedRand(7);
    const int32_t r[4] = {Rand(), Rand(), Rand(), Rand()};
    SeedRand(7);
    const uint64_t before = RandDraws();
    FireEruption(200, false, 9, 11);
    EXPECT_EQ(RandDraws() - before, 40u * 5 + 20u * 4);
    const auto first =
        std::find_if(std::begin(g_EBMannager.bullets), std::end(g_EBMannager.bullets),
                     [](const CEBullet& b) { return b.alive != 0; });
    ASSERT_NE(first, std::end(g_EBMannager.bullets));
    EXPECT_EQ(first->vy, static_cast<float>(r[0] % 110 * 0.1 - 18.0));
    EXPECT_EQ(first->vx, static_cast<float>((r[1] % 80 - 40) * 0.1));
    EXPECT_EQ(first->y, r[2] % 60 - 27);
    EXPECT_EQ(first->x, 200 - 20 + r[3] % 20);
    int bullets = 0;
    for (const CEBullet& b : g_EBMannager.bullets)
        bullets += b.alive;
    EXPECT_EQ(bullets, 60);
    EXPECT_EQ(SoundRequest[5], 1);

    // The last window's lasers step from right to left.
    At(boss4_, 1, 1600);
    boss4_.step = 0;
    std::vector<int32_t> targets;
    for (const int32_t t : {1610, 1650, 1690}) {
        g_LBMannager.Init();
        RunTo(boss4_, t);
        targets.push_back(g_LBMannager.shots[0].p4);
    }
    EXPECT_EQ(targets, (std::vector<int32_t>{460, 360, 260}));
}

// A waypoint index past the table stops a checked build; release play holds to the last entry.
TEST_F(Boss45Test, RouteIndexPastTheTable) {
    const auto far = [](CBoss& boss, int32_t phasesLeft) {
        At(boss, phasesLeft, 1);
        boss.phaseFrame = 20000;
        boss.x = 100;
        boss.y = 100;
    };
#if defined(ZARUNE_CHECKS)
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    far(boss4_, 0);
    EXPECT_DEATH(boss4_.Move(), "check failed");
    far(boss5_, 0);
    EXPECT_DEATH(boss5_.Move(), "check failed");
#else
    far(boss4_, 0);
    boss4_.Move();
    EXPECT_DOUBLE_EQ(boss4_.vy, (100 - 220) * (1.0 / 35));
    far(boss5_, 0);
    boss5_.Move();
    EXPECT_DOUBLE_EQ(boss5_.vx, (200 - 100) * 0.025);
#endif
}

// phasesLeft, level, start, t, x, y -> bullets, draws, first x, y, speed, vx, vy, animation.
// An eruption bullet draws vy, vx, y, x: 130 % 110 0.1 - 18, (10982 % 80 - 40) 0.1,
// 1090 % 60 - 27 (or 1090 % 30), column - 20 + 11656 % 20, then its animation 7117 % 3. Its
// fans add 2 + 2 bullets from difficulty 1, 2 + 2 more on 2.
TEST_F(Boss45Test, Boss4WindowsWithSeedOne) {
    constexpr double kAny = kAnyVelocity;
    const double wide = std::hypot(1.8, 16.0);
    const BossWindow rows[] = {
        {1, 0, 1010, 1040, -50, 150, 60, 280, 296, -17, wide, -1.8, -16, 7117 % 3},
        {1, 1, 1010, 1040, -50, 150, 64, 284, 296, -17, wide, -1.8, -16, 7117 % 3},
        {1, 2, 1010, 1040, -50, 150, 68, 288, 296, -17, wide, -1.8, -16, 7117 % 3},
        // The last window's second eruption rises at 510 - 50 x 2.
        {1, 2, 1600, 1635, -50, 150, 68, 288, 406, 10, std::hypot(1.8, 18.0), -1.8, -18, 7117 % 3},
        // First phase, m = 40: six pairs of 3-bullet fans, each spread 130 % 5 + 20 first.
        {2, 0, 840, 840, -50, 150, 36, 48, 260, 430, 10, -6.427876, 7.660444, 10982 % 3},
        // Third phase at 1600: speed 6 + 130 % 4 drawn before the count 5 + 10982 % 2.
        {0, 0, 1600, 1600, -50, 150, 5, 7, 226, 382, 8, kAny, kAny, 1090 % 3},
    };
    for (const BossWindow& row : rows)
        CheckWindow(boss4_, row);
}

TEST_F(Boss45Test, Boss5WindowsWithSeedOne) {
    constexpr double kAny = kAnyVelocity;
    const double wide = std::hypot(1.8, 16.0);
    const BossWindow rows[] = {
        // The spiral at (200, 300): a 5-bullet fan, then i = 0..4L + 11 fans of 3 and 2.
        {0, 0, 370, 370, 200, 300, 65, 84, 240, 300, 11, kAny, kAny, -1},
        {0, 1, 370, 370, 200, 300, 85, 112, 240, 300, 13.5, kAny, kAny, -1},
        {0, 2, 370, 370, 200, 300, 105, 140, 240, 300, 16, kAny, kAny, -1},
        // The pinned body's eruption at the ship's x.
        {3, 0, 710, 730, 0, 0, 60, 280, 296, -17, wide, -1.8, -16, 7117 % 3},
        {3, 2, 710, 730, 0, 0, 68, 288, 296, -17, wide, -1.8, -16, 7117 % 3},
        // Twin beams, even frame: two laser draws, the type 1090 % 4, then the right bullet's
        // turn and speed 6 + 7117 % 4 from (X + 125, Y - 10).
        {3, 0, 1266, 1266, 0, 0, 2, 9, 456, 236, 7, kAny, kAny, 17595 % 3},
    };
    for (const BossWindow& row : rows)
        CheckWindow(boss5_, row);

    // The corner lasers every 30 - 5L frames of 950..1049, six at a time.
    const std::vector<int32_t> corners[3] = {
        {960, 990, 1020}, {950, 975, 1000, 1025}, {960, 980, 1000, 1020, 1040}};
    for (int32_t level = 0; level <= 2; ++level) {
        g_nLevel = level;
        At(boss5_, 0, 950);
        g_LBMannager.Init();
        std::vector<int32_t> frames;
        for (int32_t t = 950; t < 1050; ++t) {
            const int32_t next = g_LBMannager.next;
            boss5_.Act();
            if (g_LBMannager.next != next) {
                frames.push_back(t);
                EXPECT_EQ((g_LBMannager.next - next + 40) % 40, 6) << t;
                EXPECT_EQ(g_LBMannager.shots[next].x, 84) << t;
            }
        }
        EXPECT_EQ(frames, corners[level]) << level;
    }

    // The third phase tests its shots before its script sets the flag: a shot on frame 1
    // still lands, frames 99 and 100 see the flag of the frame before, 101 lands again.
    const int32_t landed[][2] = {{1, 1}, {99, 0}, {100, 0}, {101, 1}};
    for (const auto& c : landed) {
        At(boss5_, 1, 1);
        boss5_.w = 286;
        boss5_.shotBoxHalfW = 143;
        boss5_.shotBoxLow = 150;
        boss5_.shotBoxHigh = 323;
        for (int32_t t = 1; t < c[0]; ++t)
            boss5_.Act();
        ShotAt(static_cast<int32_t>(boss5_.x) + 143, static_cast<int32_t>(boss5_.y) + 200);
        boss5_.Act();
        EXPECT_EQ(boss5_.hp, 1000 - c[1]) << c[0];
    }

    // The closing swirl's two fans hold 10 + 1.5L bullets each: 13 on level 2.
    g_nLevel = 2;
    At(boss5_, 1, 1808);
    g_EBMannager.Init();
    boss5_.Act();
    int live = 0;
    for (const CEBullet& b : g_EBMannager.bullets)
        live += b.alive;
    EXPECT_EQ(live, 26);
}

// Every phase runs its whole timeline on the hardest level and loops where it should.
TEST_F(Boss45Test, EveryPhaseLoops) {
    g_nLevel = 2;
    struct Loop {
        CBoss* boss;
        int32_t phasesLeft;
        int32_t last;
        int32_t restart;
    };
    const Loop loops[] = {{&boss4_, 2, 1260, 0},   {&boss4_, 1, 1800, 100}, {&boss4_, 0, 1700, 100},
                          {&boss5_, 3, 1550, 100}, {&boss5_, 2, 1700, 0},   {&boss5_, 1, 2100, 100},
                          {&boss5_, 0, 1300, 0}};
    for (const Loop& loop : loops) {
        At(*loop.boss, loop.phasesLeft, 1);
        RunTo(*loop.boss, loop.last);
        EXPECT_EQ(loop.boss->scriptFrame, loop.last);
        EXPECT_EQ(loop.boss->phaseFrame, loop.restart);
        EXPECT_EQ(loop.boss->phasesLeft, loop.phasesLeft);
    }
}

TEST_F(Boss45Test, Boss5SetUpAndPinnedFirstPhase) {
    boss5_.Init();
    EXPECT_EQ(boss5_.hp, 1000);
    EXPECT_EQ(boss5_.phasesLeft, 3);
    EXPECT_EQ(boss5_.w, 92);
    EXPECT_EQ(boss5_.hotX, 46);
    EXPECT_EQ(g_pBossPartsImage[0].width, 1);
    EXPECT_EQ(g_pBossPartsImage[1].height, 1);
    EXPECT_EQ(g_pBossParts[0].offsetX, -50);
    EXPECT_EQ(g_pBossParts[1].offsetY, -50);

    boss5_.Act();
    EXPECT_EQ(boss5_.x, 134);
    EXPECT_EQ(boss5_.y, 24);
    EXPECT_EQ(boss5_.w, 395);
    EXPECT_EQ(boss5_.hotY, 222);
    EXPECT_EQ(boss5_.shotBoxHalfW, 445);
    EXPECT_EQ(boss5_.draw.mode, 22);
    EXPECT_EQ(boss5_.draw.level, 252);
    // The second phase keeps the first phase's vulnerable box.
    boss5_.phasesLeft = 2;
    boss5_.Act();
    EXPECT_EQ(boss5_.w, 614);
    EXPECT_EQ(boss5_.shotBoxLow, 300);
}

TEST_F(Boss45Test, Boss5CadenceFiresOnlyWhileStepIsTen) {
    At(boss5_, 3, 1250);
    std::vector<int32_t> frames;
    for (int32_t t = 1250; t < 1400; ++t) {
        RunTo(boss5_, t);
        if (SoundRequest[4] != 0) frames.push_back(t);
    }
    EXPECT_EQ(frames, (std::vector<int32_t>{1337, 1338, 1339, 1340}));

    // The first laser pair after 1050 (step 1) turns by (10 - 1) x 5120 to each side.
    At(boss5_, 3, 1050);
    g_LBMannager.Init();
    RunTo(boss5_, 1056);
    ASSERT_EQ(g_LBMannager.next, 2);
    EXPECT_EQ(g_LBMannager.shots[0].p2, 46080);
    EXPECT_EQ(g_LBMannager.shots[1].p2, -46080);
}

TEST_F(Boss45Test, Boss5SecondPhaseMovesTwiceAndMirrorsItsBeam) {
    // Two steps of 0.025 toward entry 9 of row 1, (70, 100): x 100, 99.25, 98.51875 and
    // y 200, 197.5, 195.0625.
    At(boss5_, 2, 1200);
    boss5_.x = 100;
    boss5_.y = 200;
    boss5_.Act();
    EXPECT_DOUBLE_EQ(boss5_.x, 98.51875);
    EXPECT_DOUBLE_EQ(boss5_.y, 195.0625);

    At(boss5_, 2, 900);
    RunTo(boss5_, 911);
    EXPECT_EQ(boss5_.param3, -1);
    // k = 1: 239 * -1 * 300 / 500 = -143; the mirrored tip lies 239 * -200 / 300 = -159 below.
    EXPECT_EQ(g_ELazer.count, 4);
    EXPECT_EQ(g_ELazer.records[0].d, 300 + 143);
    EXPECT_EQ(g_ELazer.records[0].e, 10 + 95);
    EXPECT_EQ(g_ELazer.records[2].e, 10 - 159);
}

TEST_F(Boss45Test, Boss5ThirdPhaseOpeningIsInvulnerable) {
    At(boss5_, 1, 90);
    boss5_.Act();
    EXPECT_EQ(g_nChat, 52);
    EXPECT_EQ(g_nNextScene, 50);
    EXPECT_EQ(boss5_.flag, 1);

    const auto shoot = [&] {
        ShotAt(static_cast<int32_t>(boss5_.x) + boss5_.w / 2, static_cast<int32_t>(boss5_.y) + 200);
    };
    boss5_.draw.mode = 19;
    shoot();
    boss5_.Act();
    EXPECT_EQ(boss5_.hp, 1000);
    EXPECT_EQ(boss5_.draw.mode, 19);
    RunTo(boss5_, 100);
    shoot();
    boss5_.Act();
    EXPECT_EQ(boss5_.hp, 999);

    // The charge flares of 190 and 195: image 8 over image 8, extra parameters 3, 5 and 4.
    At(boss5_, 1, 190);
    g_EffectMannager.Reset();
    RunTo(boss5_, 195);
    for (const int32_t slot : {1, 2, 3}) {
        const CEffect& flare = g_EffectMannager.front[slot];
        EXPECT_EQ(flare.kind, 8) << slot;
        EXPECT_EQ(flare.image2, 8) << slot;
        EXPECT_EQ(flare.paramB, slot == 1 ? 3 : slot == 2 ? 5 : 4) << slot;
        EXPECT_EQ(flare.paramA, 5) << slot;
    }
    // At 210 two laser shots of kind 2, from X - 20 then X + 20, toward the ship's hit point.
    g_LBMannager.Init();
    RunTo(boss5_, 210);
    ASSERT_EQ(g_LBMannager.next, 2);
    EXPECT_EQ(g_LBMannager.shots[1].x - g_LBMannager.shots[0].x, 40);
    for (const CLazerBullet& shot : {g_LBMannager.shots[0], g_LBMannager.shots[1]}) {
        EXPECT_EQ((std::vector<int32_t>{shot.kind, shot.p1, shot.p4, shot.p5}),
                  (std::vector<int32_t>{2, 180, 300, 10}));
        EXPECT_EQ(shot.rate, 12.0);
    }

    g_bChat = 1;
    At(boss5_, 1, 90);
    boss5_.Act();
    EXPECT_EQ(g_nNextScene, 100);
}

TEST_F(Boss45Test, Boss5RoutesStepsAndSpin) {
    // Frames 2000..2099 of the third phase head for the entry past the row's end.
    At(boss5_, 1, 2050);
    boss5_.x = 0;
    boss5_.Move();
    EXPECT_DOUBLE_EQ(boss5_.vx, 300 * 0.025);

    At(boss5_, 1, 800);
    int32_t low = 1000;
    int32_t high = -1000;
    for (int32_t t = 800; t < 1120; ++t) {
        RunTo(boss5_, t);
        low = std::min(low, boss5_.step);
        high = std::max(high, boss5_.step);
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 160);

    // The spiral's first volley of a round turns the other way and marks the entry.
    At(boss5_, 0, 370);
    RunTo(boss5_, 370);
    EXPECT_EQ(boss5_.param3, -1);
    EXPECT_EQ(boss5_.entered, 1);
    EXPECT_EQ(SoundRequest[9], 1);

    At(boss5_, 0, 1);
    boss5_.Act();
    EXPECT_EQ(boss5_.w, 100);
}

// The generated pictures have the sizes and cell layouts the two bosses cut them by.
TEST(Boss45Assets, SpritesHaveTheSizesTheBossesRead) {
    std::map<std::string, std::pair<int32_t, int32_t>> sizes;
    for (const assets::AssetFile& file : assets::AllAssets()) {
        if (file.bytes.size() < 26 || file.bytes[0] != 'B') continue;
        const auto at = [&](size_t i) {
            return static_cast<int32_t>(file.bytes[i] | file.bytes[i + 1] << 8 |
                                        file.bytes[i + 2] << 16 | file.bytes[i + 3] << 24);
        };
        sizes[file.path] = {at(18), at(22)};
    }
    const std::map<std::string, std::pair<int32_t, int32_t>> expected = {
        {"img/boss4-1.bmp", {680, 364}},
        {"img/boss4-2.bmp", {552, 362}},
        {"img/boss4-3.bmp", {552, 362}},
        {"img/parts-boss4-1.bmp", {2 * 68, 163}},
        {"img/killershot-boss4-1.bmp", {3 * 160, 3 * 160}},
        {"img/killershot-boss4-2.bmp", {210, 2 * 210}},
        {"img/killershot-boss4-4.bmp", {140, 2 * 140}},
        {"img/boss5-1.bmp", {395, 445}},
        {"img/boss5-2.bmp", {614, 504}},
        {"img/boss5-3.bmp", {286, 323}},
        {"img/boss5-4.bmp", {100, 100}},
        {"img/killershot-boss5-4.bmp", {50, 2 * 140}},
        {"img/killershot-boss5-4-2.bmp", {140, 2 * 140}},
        {"img/effect-explosion2.bmp", {4 * 180, 180}},
        {"img/effect-thunder2.bmp", {4 * 140, 550}},
    };
    for (const auto& [path, size] : expected) {
        ASSERT_TRUE(sizes.count(path)) << path;
        EXPECT_EQ(sizes[path], size) << path;
    }
    EXPECT_TRUE(sizes.count("img/dummy.bmp"));
}

}  // namespace

// The last frames of the longer windows, which the recorded stages do not reach (their bosses
// are worn down first): what is fired past the first bullet. The first bullets' places are
// where each boss's own move leaves it on that frame.
TEST_F(Boss45Test, LateWindowsFireWhatTheirRowsSay) {
    constexpr double kAny = kAnyVelocity;
    const CEBullet* ring = g_EBMannager.bullets + CEBMannager::kFirstRingSlot;
    // Stage-4 boss, third phase, t 1407 (a multiple of 7, not of 4): two 5-bullet fans of
    // spread 40 round angle int(270 + 10 sin 2814) = 260; the second fan's second bullet flies
    // at 260 + 40 degrees, speed 7 + 1.5L, along (cos, -sin).
    CheckWindow(boss4_, {0, 2, 1407, 1407, -50, 150, 10, 10, 181, 350, 10, kAny, kAny, -1});
    EXPECT_NEAR(ring[6].vx, 5.0, 1e-5);
    EXPECT_NEAR(ring[6].vy, 8.660254, 1e-5);

    // Stage-5 boss, first phase, t 1056: the two laser shots of step 1, kind 1 at rate 10 with
    // 140, (10 - 1) x 5120 and (1 - 10) x 5120, ending at row 469.
    g_LBMannager.Init();
    CheckWindow(boss5_, {3, 2, 1050, 1056, 0, 0, 0, 0, 0, 0, -1, kAny, kAny, -1});
    std::vector<std::vector<double>> shots;
    for (const CLazerBullet& shot : g_LBMannager.shots) {
        if (shot.alive != 0)
            shots.push_back({double(shot.kind), shot.rate, double(shot.p1), double(shot.p2),
                             double(shot.p3), double(shot.p5)});
    }
    EXPECT_EQ(shots, (std::vector<std::vector<double>>{{1, 10, 140, 46080, 0, 469},
                                                       {1, 10, 140, -46080, 0, 469}}));

    // Stage-5 boss, third phase, t 1808 (u 8): the fan's angle is int(sin 40 x 8 x 0.25) = 1,
    // speed 9, along (cos, -sin).
    CheckWindow(boss5_, {1, 2, 1808, 1808, 200, 300, 26, 26, 331, 496, 9, 8.998629, -0.157073, -1});

    // Stage-2 boss, last phase: every frame of 861..999 adds a front effect (8, 8) at
    // (int(X - 22), int(y - 25)), X = x + 34, the last one on 999.
    CBoss2 boss2;
    g_EffectMannager.Reset();
    CheckWindow(boss2, {0, 0, 999, 999, 200, 300, 0, 0, 0, 0, -1, kAny, kAny, -1});
    const CEffect& flare = g_EffectMannager.front[1];
    EXPECT_EQ((std::vector<double>{double(flare.alive), double(flare.kind), flare.x, flare.y}),
              (std::vector<double>{1, 8, 212, 275}));

    // Stage-3 boss, last phase, f 860: the aimed large fans of 10 at speed 1.5L + 7, then of 5
    // at 1.5L + 6.
    CBoss3 boss3;
    CheckWindow(boss3, {0, 2, 860, 860, 200, 300, 15, 0, 280, 450, 10, kAny, kAny, -1});
    EXPECT_NEAR(std::hypot(ring[10].vx, ring[10].vy), 9.0, 1e-4);
}
