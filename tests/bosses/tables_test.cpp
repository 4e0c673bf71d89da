// The bosses' fixed tables, typed out row by row and compared entry by entry.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "bosses/boss1.h"
#include "bosses/boss2.h"
#include "bosses/boss3.h"
#include "bosses/boss4.h"
#include "bosses/boss5.h"
#include "bosses/boss_child.h"
#include "bosses/bossb.h"
#include "shooting/killer_shot.h"
#include "tests/enemies/enemy_fixture.h"

namespace {

using Row = std::vector<int32_t>;

void ExpectRow(const int32_t* got, const Row& want, const char* name) {
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << name << " entry " << i;
}

// Ten copies of v, the run a route row repeats.
Row Tens(int32_t v, int32_t n = 10) {
    return Row(static_cast<size_t>(n), v);
}
Row Join(std::initializer_list<Row> parts) {
    Row all;
    for (const Row& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class BossTables : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        CreateBosses();
        ClearBossChildren();
        std::copy(std::begin(KillerShotSizeTable), std::end(KillerShotSizeTable), saved_.begin());
    }
    void TearDown() override {
        std::copy(saved_.begin(), saved_.end(), std::begin(KillerShotSizeTable));
        EnemyFixture::TearDown();
    }

    // The killer-shot size rows a boss's Init leaves; rows it does not set stay {-1, -1}.
    static void ExpectKillerRows(CBoss& boss, const std::vector<KillerShotSize>& want) {
        std::fill(std::begin(KillerShotSizeTable), std::end(KillerShotSizeTable),
                  KillerShotSize{-1, -1});
        boss.Init();
        for (int32_t r = 0; r < kKillerShotRows; ++r) {
            const KillerShotSize w =
                r < static_cast<int32_t>(want.size()) ? want[r] : KillerShotSize{-1, -1};
            EXPECT_EQ(KillerShotSizeTable[r].w, w.w) << "row " << r;
            EXPECT_EQ(KillerShotSizeTable[r].h, w.h) << "row " << r;
        }
    }

private:
    std::array<KillerShotSize, kKillerShotRows> saved_{};
};

TEST_F(BossTables, BonusBossRouteAnglesAndKillerRows) {
    // Only the second phase's row is read.
    ExpectRow(BossBRouteX[1],
              {300, 260, 340, 300, 160, 280, 400, 200, 260, 300, 300, 300, 250, 220, 380,
               220, 370, 280, 250, 280, 250, 250, 250, 180, 400, 180, 370, 280, 250, 280},
              "BossBRouteX");
    ExpectRow(BossBRouteY[1], Join({Tens(320), {300, 300}, Tens(360, 17), {280}}), "BossBRouteY");
    ASSERT_EQ(kBossBKillerAngles, 6);
    ExpectRow(BossBKillerAngle, {53, -60, 60, -65, 0, 0}, "BossBKillerAngle");
    CBossB boss;
    ExpectKillerRows(boss, {{160, 160}, {160, 160}});
}

TEST_F(BossTables, Stage1BossRoute) {
    ASSERT_EQ(kBoss1RouteXCount, 30);
    ExpectRow(Boss1RouteX,
              {180, 210, 130, 180, 180, 250, 130, 300, 200, 200, 200, 300, 130, 200, 130,
               300, 200, 130, 200, 300, 200, 130, 240, 200, 170, 200, 210, 150, 200, 200},
              "Boss1RouteX");
    ASSERT_EQ(kBoss1RouteYCount, 14);
    ExpectRow(Boss1RouteY, {220, 220, 220, 220, 240, 240, 260, 260, 260, 260, 260, 250, 270, 260},
              "Boss1RouteY");
}

TEST_F(BossTables, Stage2BossRoutesLasersAndSizes) {
    ASSERT_EQ(kBoss2RouteSteps, 12);
    ExpectRow(Boss2RouteX[0], {160, 160, 240, 125, 160, 180, 200, 180, 160, 180, 180, 180}, "X0");
    ExpectRow(Boss2RouteX[1], {230, 180, 280, 160, 230, 300, 240, 160, 300, 280, 280, 280}, "X1");
    ExpectRow(Boss2RouteX[2], Tens(280, 12), "X2");
    ExpectRow(Boss2RouteY[0], {200, 200, 220, 190, 200, 200, 200, 200, 230, 230, 260, 260}, "Y0");
    ExpectRow(Boss2RouteY[1], {280, 280, 250, 250, 280, 280, 250, 250, 280, 280, 260, 260}, "Y1");
    ExpectRow(Boss2RouteY[2], Join({Tens(330), {360, 360}}), "Y2");
    ExpectRow(Boss2LaserOffset, {50, 100}, "Boss2LaserOffset");
    ExpectRow(Boss2LaserSweep, {45, 10, -45, 20}, "Boss2LaserSweep");

    CBoss2 boss;
    boss.Init();
    const int32_t sizes[3][2] = {{326, 295}, {158, 180}, {68, 70}};
    for (int32_t p = 0; p < 3; ++p) {
        EXPECT_EQ(Boss2Size[p].w, sizes[p][0]) << p;
        EXPECT_EQ(Boss2Size[p].h, sizes[p][1]) << p;
    }
}

TEST_F(BossTables, Stage3BossRoutesSizesAndKillerRows) {
    ASSERT_EQ(kBoss3RouteSteps, 10);
    ExpectRow(Boss3RouteX[0], {170, 170, 130, 170, 200, 100, 130, 170, 130, 130}, "X0");
    ExpectRow(Boss3RouteX[1], Tens(280), "X1");
    ExpectRow(Boss3RouteX[2], Tens(130), "X2");
    ExpectRow(Boss3RouteY[0], {230, 230, 230, 260, 230, 230, 230, 230, 230, 300}, "Y0");
    ExpectRow(Boss3RouteY[1], {300, 300, 300, 300, 360, 360, 300, 300, 300, 300}, "Y1");
    ExpectRow(Boss3RouteY[2], Join({Tens(200, 8), {300, 300}}), "Y2");

    CBoss3 boss;
    ExpectKillerRows(boss, {{160, 160}, {140, 140}, {220, 420}});
    const int32_t sizes[3][2] = {{296, 211}, {67, 67}, {398, 316}};
    for (int32_t p = 0; p < 3; ++p) {
        EXPECT_EQ(Boss3Size[p].w, sizes[p][0]) << p;
        EXPECT_EQ(Boss3Size[p].h, sizes[p][1]) << p;
    }
}

TEST_F(BossTables, Stage4BossRoutesAndKillerRows) {
    ASSERT_EQ(kBoss4RouteRow, 30);
    const Row heights =
        Join({Tens(150, 13), {120, 120}, Tens(160, 9), {180, 280, 280, 220, 220, 220}});
    const Row rows[3] = {Join({{0, 0, -30, 30, -50, -50, -50}, Tens(0, 23)}),
                         Join({Tens(40), Tens(0, 20)}), Join({Tens(40), Tens(0, 20)})};
    for (int32_t r = 0; r < 3; ++r) {
        SCOPED_TRACE(r);
        ExpectRow(Boss4RouteX + r * kBoss4RouteRow, rows[r], "Boss4RouteX");
        ExpectRow(Boss4RouteY + r * kBoss4RouteRow, heights, "Boss4RouteY");
    }
    CBoss4 boss;
    ExpectKillerRows(boss, {{160, 160}, {210, 210}, {1, 1}, {140, 140}});
}

TEST_F(BossTables, Stage5BossRoutesBodiesAndKillerRows) {
    ASSERT_EQ(kBoss5RouteRow, 20);
    const Row xs[4] = {{280, 300, 300, 300, 300, 300, 300, 200, 200, 200,
                        280, 300, 300, 300, 300, 300, 300, 200, 200, 200},
                       {50, 0, 50, 50, 50, 50, 50, 50, 0, 70, -30, 50, 0, 50, 0, 0, 0, 0, 0, 270},
                       {200, 200, 350, 150, 190, 140, 200, 300, 220, 140, 130,
                        200, 350, 150, 140, 300, 100, 300, 200, 130, 300},
                       {300, 200, 400, 300, 150, 300, 400, 200, 300, 200,
                        300, 200, 400, 300, 150, 300, 400, 200, 300, 200}};
    const Row ys[4] = {
        {360, 260, 260, 260, 260, 200, 300, 200, 30, 200,
         360, 260, 260, 260, 260, 200, 300, 200, 30, 200},
        {300, 60, 100, 60, 60, 60, 100, 100, 10, 100, 150, 60, 100, 60, 60, 60, 100, 100, 10, 100},
        {250, 250, 140, 200, 150, 150, 100, 200, 200, 200,
         200, 200, 150, 150, 150, 150, 200, 200, 200, 200},
        {360, 300, 360, 360, 260, 400, 300, 300, 260, 400,
         360, 300, 360, 360, 260, 300, 400, 300, 230, 200}};
    for (int32_t r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        ExpectRow(Boss5RouteX + r * kBoss5RouteRow, xs[r], "Boss5RouteX");
        ExpectRow(Boss5RouteY + r * kBoss5RouteRow, ys[r], "Boss5RouteY");
    }

    CBoss5 boss;
    ExpectKillerRows(boss, {{160, 160}, {210, 210}, {50, 140}, {140, 140}});
    // Body w, h, hot spot, vulnerable box (half width, lower, upper) by phases left; the second
    // phase keeps the box the first left.
    const int32_t bodies[4][7] = {{100, 100, 50, 50, 50, 0, 100},
                                  {286, 323, 143, 161, 143, 150, 323},
                                  {614, 504, 307, 252, 445, 300, 445},
                                  {395, 445, 197, 222, 445, 300, 445}};
    for (int32_t left = 3; left >= 0; --left) {
        boss.phasesLeft = left;
        boss.phaseFrame = 0;
        boss.Act();
        EXPECT_EQ((Row{boss.w, boss.h, boss.hotX, boss.hotY, boss.shotBoxHalfW, boss.shotBoxLow,
                       boss.shotBoxHigh}),
                  (Row(std::begin(bodies[left]), std::end(bodies[left]))))
            << "phases left " << left;
    }
}

TEST_F(BossTables, ScriptOffsetsAnglesAndSweeps) {
    // Stage 2, second phase: x offset, height, angle of the twelve turned bullets.
    const int32_t spray[12][3] = {{30, 90, 10},   {35, 90, 20},   {40, 90, 30},   {40, 90, 10},
                                  {45, 91, 20},   {49, 93, 30},   {-30, 90, 350}, {-35, 90, 340},
                                  {-40, 90, 330}, {-40, 90, 350}, {-45, 91, 340}, {-49, 93, 330}};
    for (int32_t i = 0; i < 12; ++i)
        ExpectRow(Boss2Spray[i], Row(std::begin(spray[i]), std::end(spray[i])), "Boss2Spray");

    ExpectRow(Boss3LaserDrift, {32000, 32000, 38400, 43520}, "Boss3LaserDrift");
    ExpectRow(Boss3LaserLength, {60, 70, 80, 80}, "Boss3LaserLength");

    ExpectRow(Boss5BeamShotTypes, {36, 0, 153, 157}, "Boss5BeamShotTypes");
    ExpectRow(Boss5CrossX, {0, 90, -90, 40, -40}, "Boss5CrossX");
    ExpectRow(Boss5CrossY, {0, -20, -20, -55, -55}, "Boss5CrossY");
    const double ringSpeeds[3] = {12.0, 10.0, 8.0};
    const double ringSpacing[3] = {2.0, 1.0, 1.0};
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Boss5RingSpeeds[i], ringSpeeds[i]) << i;
        EXPECT_EQ(Boss5RingSpacing[i], ringSpacing[i]) << i;
    }
    ExpectRow(Boss5MissileSpeeds, {10, 14, 12, 10, 14, 12}, "Boss5MissileSpeeds");
    ExpectRow(Boss5MissileAngles, {-145, -175, 160, 145, 175, -160}, "Boss5MissileAngles");
    const int32_t rays[8][3] = {{5, 35840, 42240},     {-5, -35840, -42240}, {10, 30720, 33280},
                                {-10, -30720, -33280}, {15, 25600, 37120},   {-15, -25600, -37120},
                                {5, 40960, 42240},     {-5, -40960, -42240}};
    for (int32_t i = 0; i < 8; ++i) {
        EXPECT_EQ((Row{Boss5Rays[i].d, Boss5Rays[i].a, Boss5Rays[i].b}),
                  Row(std::begin(rays[i]), std::end(rays[i])))
            << "ray " << i;
    }
    const int32_t from[6][2] = {{84, 450},  {560, 450}, {84, 400},
                                {560, 400}, {84, 350},  {560, 350}};
    for (int32_t i = 0; i < 6; ++i)
        ExpectRow(Boss5LaserShotFrom[i], Row(std::begin(from[i]), std::end(from[i])), "from");
}

}  // namespace
