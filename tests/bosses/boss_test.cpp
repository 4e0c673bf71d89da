#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "bosses/boss.h"
#include "bosses/boss1.h"
#include "bosses/boss_child.h"
#include "enemies/background.h"
#include "engine/angle.h"
#include "engine/requests.h"
#include "shooting/enemy_laser.h"
#include "tests/enemies/enemy_fixture.h"

namespace {

// Two phases of 3 hit points; the whole 100x80 body at (200, 300) is vulnerable.
class TwoPhaseBoss : public CBoss {
public:
    void Init() override {
        Reset();
        phasesLeft = phaseCount = 1;
        hp = phaseHp = 3;
        x = 200;
        y = 300;
        w = 100;
        h = 80;
        shotBoxLow = 0;
        shotBoxHigh = h;
    }
};

// A new game's pools, the bosses made, every child off, no laser records, conversations off
// and the ship's hit point low in the field, below every boss body.
class BossTest : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        CreateBosses();
        ClearBossChildren();
        g_ELazer.Clear();
        g_nNextScene = 50;
        g_bChat = 0;
        g_Player.hitX = 300;
        g_Player.hitY = 10;
        boss1_.Init();
    }
    void TearDown() override {
        g_nNextScene = 0;
        g_bChat = 0;
        EnemyFixture::TearDown();
    }

    static void ClearSounds() {
        for (auto& request : SoundRequest)
            request = 0;
    }
    static int LiveBullets() {
        int n = 0;
        for (const CEBullet& b : g_EBMannager.bullets)
            n += b.alive;
        return n;
    }
    // The stage-1 boss re-made, parked at (x, y) in a phase (1 first, 0 second), running the
    // frame whose script frame is t.
    void Boss1At(int32_t phasesLeft, double x, double y, int32_t t) {
        boss1_.Init();
        boss1_.phasesLeft = phasesLeft;
        boss1_.x = x;
        boss1_.y = y;
        boss1_.phaseFrame = t - 1;
    }

    CBoss1 boss1_;
};

TEST_F(BossTest, PhaseChangeRefillsClearsAndRestartsTheScript) {
    for (CBossChild& child : g_pBossChild)
        child.alive = 1;
    g_EBMannager.Shoot(300, 300, 0, 0, 1);
    boss1_.phaseFrame = 57;
    boss1_.hp = 0;
    ClearSounds();
    EXPECT_FALSE(boss1_.CheckDefeat());
    EXPECT_EQ(boss1_.hp, 570);
    EXPECT_EQ(boss1_.phasesLeft, 0);
    EXPECT_EQ(boss1_.phaseFrame, 0);
    for (const CBossChild& child : g_pBossChild)
        EXPECT_EQ(child.alive, 0);
    EXPECT_EQ(LiveBullets(), 0);
    EXPECT_EQ(LiveItems(0), 1);
    EXPECT_EQ(SoundRequest[5], 1);
    const CEffect& blast = g_EffectMannager.mid[g_EffectMannager.midIndex];
    EXPECT_EQ(blast.kind, 16);
    EXPECT_EQ(blast.x0, 180 + 130);
    EXPECT_EQ(blast.y0, 480 + 110);

    boss1_.Act();
    EXPECT_EQ(boss1_.scriptFrame, 1);
    EXPECT_EQ(g_pBossImage, g_pBossImage2);
}

TEST_F(BossTest, DefeatSequenceTimeline) {
    TwoPhaseBoss boss;
    boss.Init();
    boss.phasesLeft = 0;
    boss.hp = 0;
    g_nStage = 4;
    g_bChat = 1;
    std::vector<int> bursts, blasts, done, chat;
    for (int f = 1; f <= 170; ++f) {
        ClearSounds();
        if (f == 14) g_pBossChild[3].Launch(10, 10, 0, 0, 0, 10, 255);
        if (f == 4) SeedRand(99);
        const uint64_t before = RandDraws();
        boss.Act();
        const int32_t gauge = boss.GaugeWidth();
        if (boss.CheckDefeat()) done.push_back(f);
        const uint64_t draws = RandDraws() - before;
        if (SoundRequest[6] != 0) bursts.push_back(f);
        if (SoundRequest[5] != 0) blasts.push_back(f);
        if (g_nNextScene == 100 && chat.empty()) chat.push_back(f);
        ASSERT_EQ(draws, SoundRequest[6] != 0 ? 2u : 0u) << f;
        if (f > 161) continue;
        ASSERT_EQ(gauge, 0) << f;
        ASSERT_EQ(boss.dying, 1) << f;
        ASSERT_EQ(boss.w == 1, f > 40) << f;
        ASSERT_EQ(g_pBossChild[3].alive, f == 14 ? 1 : 0) << f;
        if (f == 4) {
            // The burst's y offset is drawn first, its x offset second.
            SeedRand(99);
            const int32_t dy = Rand() % 100;
            const int32_t dx = Rand() % 100;
            const CEffect& burst = g_EffectMannager.mid[g_EffectMannager.midIndex];
            EXPECT_EQ(burst.x0, 250 + dx - 50);
            EXPECT_EQ(burst.y0, 340 + dy - 50);
        }
    }
    EXPECT_EQ(bursts, (std::vector<int>{4, 8, 12, 16, 20, 24, 28}));
    EXPECT_EQ(blasts, (std::vector<int>{1, 40}));
    EXPECT_EQ(done, std::vector<int>{161});
    EXPECT_EQ(chat, std::vector<int>{100});
    EXPECT_EQ(g_nChat, 42);
    EXPECT_EQ(boss.GaugeWidth(), 360);
}

TEST_F(BossTest, GaugeTurnAndFlash) {
    const int32_t gauges[][3] = {{570, 570, 360}, {569, 570, 359}, {285, 570, 180}, {2, 570, 1},
                                 {1, 570, 0},     {0, 570, 0},     {900, 570, 360}, {5, 0, 0}};
    CBoss boss;
    for (const auto& g : gauges) {
        boss.hp = g[0];
        boss.phaseHp = g[1];
        EXPECT_EQ(boss.GaugeWidth(), g[2]) << g[0] << "/" << g[1];
    }

    // angle, delta, min, max, result: the lower limit wins when the limits cross.
    const int32_t turns[][5] = {{18, 5, -20, 20, 20}, {-19, -5, -20, 20, -20}, {7, 0, 0, -5, 0}};
    for (const auto& t : turns) {
        CBossParts part;
        part.angle = t[0];
        part.minAngle = t[2];
        part.maxAngle = t[3];
        part.Turn(t[1]);
        EXPECT_EQ(part.angle, t[4]) << t[0] << " + " << t[1];
    }

    // Two shots in one frame cost one point; the flash alternates over all bosses.
    TwoPhaseBoss a, b;
    a.Init();
    b.Init();
    g_bBossFlash = 0;
    g_BulletMannager.Shoot(245, 330, 0, 0, 0, 0);
    g_BulletMannager.Shoot(255, 335, 0, 0, 0, 0);
    a.Act();
    EXPECT_EQ(a.hp, 2);
    EXPECT_EQ(a.draw.mode, 2);
    g_BulletMannager.Shoot(245, 330, 0, 0, 0, 0);
    b.Act();
    EXPECT_EQ(b.draw.mode, 19);
    EXPECT_EQ(b.draw.level, 100);
    b.Act();
    EXPECT_EQ(b.draw.mode, 2);
}

TEST_F(BossTest, EveryStageHasABossOfItsOwn) {
    for (int i = 0; i < kBossCount; ++i) {
        ASSERT_NE(g_pBossList[i], nullptr) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_NE(g_pBossList[i], g_pBossList[j]) << i << " " << j;
    }
    EXPECT_NE(dynamic_cast<CBoss1*>(g_pBossList[1]), nullptr);
    EXPECT_NE(dynamic_cast<CBoss1*>(g_pBossList[6]), nullptr);
}

// Option-laser contacts of an earlier fight do not count toward the next one's first hit.
TEST_F(BossTest, InitForgetsTheLaserContactsOfAnEarlierFight) {
    for (CBoss* boss : g_pBossList) {
        boss->laserCount = 5;
        boss->laserTouched = 1;
        boss->Init();
        EXPECT_EQ(boss->laserCount + boss->laserTouched, 0);
    }
}

TEST_F(BossTest, ChildrenAndPartsDrawing) {
    const auto clear = [] { std::fill_n(g_BackBuffer.pixels, 640 * 480, 0u); };
    const auto at = [](int32_t x, int32_t y) { return *g_BackBuffer.GetPixelAddress(x, y); };
    const auto fill = [](CImage32& image, int32_t w, int32_t h, uint32_t colour) {
        image.Create(w, h);
        std::fill_n(image.pixels, w * h, colour);
    };
    // scale, alive, pixel at (200, 200), pixel at (199, 199): exactly 1.0 is the plain blit.
    constexpr uint32_t kChild = 0x102030;
    fill(g_pBossEffectImage[3], 4, 4, kChild);
    const struct {
        double scale;
        uint8_t alive;
        uint32_t at200, at199;
    } children[] = {{1.0, 1, kChild, 0}, {2.0, 1, kChild, kChild}, {0.0, 1, 0, 0}, {1.0, 0, 0, 0}};
    for (const auto& c : children) {
        clear();
        g_pBossChild[0].Launch(200, 200, 3, 0, 0, 21, 255);
        g_pBossChild[0].alive = c.alive;
        g_pBossChild[0].scale = c.scale;
        DrawBossChildren(g_BackBuffer);
        EXPECT_EQ(at(200, 200), c.at200) << c.scale;
        EXPECT_EQ(at(199, 199), c.at199) << c.scale;
    }

    // The first part anchored at (250, 320); the body is all colour key.
    constexpr uint32_t kPart = 0x204060;
    CImageShooting body;
    fill(body, 100, 80, kColourKey);
    CImageShooting* const saved = g_pBossImage;
    g_pBossImage = &body;
    fill(g_pBossPartsImage[1], 6, 10, kPart);
    // The bosses' Init leave their own parts behind; start from fresh ones.
    for (CBossParts& part : g_pBossParts)
        part = CBossParts();
    g_pBossParts[0].w = 6;
    g_pBossParts[0].h = 10;
    g_pBossParts[0].offsetX = 50;
    g_pBossParts[0].offsetY = 20;
    g_pBossParts[1].offsetX = -400;
    CBoss boss;
    boss.x = 200.7;
    boss.y = 300.2;
    boss.h = 80;
    const struct {
        int32_t w;
        double rotation;
        int32_t mode;
        bool plain, flashed;
    } parts[] = {{100, 0.0, 2, true, false},
                 {100, 0.0, 19, false, true},
                 {1, 0.0, 2, false, false},
                 {100, 0.5, 2, false, false}};
    for (const auto& c : parts) {
        clear();
        boss.w = c.w;
        boss.rotation = c.rotation;
        boss.draw.mode = c.mode;
        DrawBoss(g_BackBuffer, boss);
        const uint32_t p = at(250, 325);
        EXPECT_EQ(p == kPart, c.plain) << c.w << " " << c.rotation << " " << c.mode;
        EXPECT_EQ(p != kPart && p != 0, c.flashed) << c.w << " " << c.rotation << " " << c.mode;
    }
    g_pBossImage = saved;
    g_pBossEffectImage[3].Create(1, 1);
    g_pBossPartsImage[1].Create(1, 1);
    for (CBossParts& part : g_pBossParts)
        part = CBossParts();
}

// Stage-1 boss ---------------------------------------------------------------------------

TEST_F(BossTest, Boss1EntryContactAndRoute) {
    boss1_.Act();
    EXPECT_EQ(boss1_.x, 180);
    EXPECT_EQ(boss1_.y, 473.51745240643726);

    // Body at (180, 300): the contact box spans x 245..375 and y 355..465, exclusive.
    const struct {
        int32_t hitX, hitY;
        double shipY, after;
    } contacts[] = {{246, 464, 100, 92},
                    {245, 400, 100, 100},
                    {300, 355, 100, 100},
                    {300, 400, 13.5, 5.5},
                    {300, 400, 13, 13}};
    for (const auto& c : contacts) {
        Boss1At(1, 180, 300, 11);
        g_Player.hitX = c.hitX;
        g_Player.hitY = c.hitY;
        g_Player.y = c.shipY;
        boss1_.Act();
        EXPECT_EQ(g_Player.y, c.after) << c.hitX << "," << c.hitY << " ship " << c.shipY;
    }

    // The loop frames (1300, 1000) still move by their own t: the first phase heads for x
    // entry 10, the first of the next row. The wobble stops at 768.
    const struct {
        int32_t phasesLeft, t, routeX, routeY;
        bool wobble;
    } moves[] = {{1, 767, 250, 240, true},  {1, 768, 130, 260, false},  {1, 1300, 200, 260, false},
                 {0, 999, 150, 260, false}, {0, 1000, 150, 260, false}, {0, 20, 200, 220, false}};
    for (const auto& c : moves) {
        Boss1At(c.phasesLeft, 170.25, 250.5, c.t);
        boss1_.Act();
        const double vy = (250.5 - c.routeY) * 0.025;
        const double wobble = c.wobble ? std::sin(DegToRad(c.t)) : 0.0;
        EXPECT_EQ(boss1_.vx, (c.routeX - 170.25) * 0.025) << c.t;
        EXPECT_EQ(boss1_.y, 250.5 + wobble - vy) << c.t;
        EXPECT_EQ(boss1_.phaseFrame, c.t == 1300 || c.t == 1000 ? 0 : c.t) << c.t;
    }
}

TEST_F(BossTest, Boss1CountersDrawsAndVolleys) {
    // phasesLeft, t, level, V, U -> V, U, random draws, live bullets.
    const int32_t cases[][9] = {
        {1, 152, 0, 17, 0, 18, 0, 0, 12}, {1, 152, 0, 18, 0, 0, 0, 0, 12},
        {1, 1004, 0, 18, 0, 0, 0, 0, 12}, {1, 410, 0, 0, 3, 0, 3, 2, 2},
        {1, 420, 0, 0, 4, 0, 5, 2, 2},    {1, 420, 0, 0, 5, 0, 0, 4, 4},
        {1, 702, 1, 4, 0, 5, 0, 6, 6},    {1, 702, 0, 4, 0, 4, 0, 0, 0},
        {1, 750, 0, 0, 0, 0, 0, 0, 252},  {1, 750, 2, 0, 0, 1, 0, 6, 258},
        {1, 1300, 0, 7, 0, 0, 0, 0, 0},   {0, 101, 0, 35, 4, 0, 0, 0, 10},
        {0, 101, 0, 34, 4, 35, 0, 0, 10}, {0, 101, 0, 34, 3, 34, 4, 0, 0},
        {0, 352, 0, 2, 0, 1, 0, 29, 17},  {0, 352, 0, 40, 0, 1, 0, 29, 17},
        {0, 760, 0, 0, 0, 0, 0, 12, 0},   {0, 760, 1, 0, 0, 0, 0, 16, 7},
        {0, 770, 1, 0, 0, 0, 0, 12, 0},   {0, 208, 0, 0, 0, 0, 0, 12, 1},
    };
    for (const auto& c : cases) {
        Boss1At(c[0], 180, 250, c[1]);
        g_EBMannager.Init();
        g_nLevel = c[2];
        boss1_.step = c[3];
        boss1_.tick = c[4];
        const uint64_t before = RandDraws();
        boss1_.Act();
        const int64_t draws = static_cast<int64_t>(RandDraws() - before);
        EXPECT_EQ(boss1_.step, c[5]) << c[1] << " V " << c[3];
        EXPECT_EQ(boss1_.tick, c[6]) << c[1] << " U " << c[4];
        EXPECT_EQ(draws, c[7]) << c[1] << " level " << c[2];
        EXPECT_EQ(LiveBullets(), c[8]) << c[1] << " level " << c[2];
    }
}

TEST_F(BossTest, Boss1SparksDrawShadeThenVyThenVxThenX) {
    SeedRand(5);
    const int32_t s1 = Rand() % 3, vy1 = (-Rand()) % 2, vx1 = Rand() % 3 - 1,
                  x1 = 290 + Rand() % 16 - 8;
    const int32_t s2 = Rand() % 3, vy2 = Rand() % 3, vx2 = Rand() % 3, x2 = 305 + Rand() % 20 - 10;
    const int32_t s3 = Rand() % 3, vy3 = Rand() % 3, vx3 = Rand() % 3 - 2,
                  x3 = 275 + Rand() % 20 - 10;
    const int32_t expected[3][4] = {{s1, vy1, vx1, x1}, {s2, vy2, vx2, x2}, {s3, vy3, vx3, x3}};
    Boss1At(0, 180, 250, 20);
    SeedRand(5);
    boss1_.Act();
    for (int i = 0; i < 3; ++i) {
        const CEffect& e = g_EffectMannager.back[g_EffectMannager.backIndex - 2 + i];
        EXPECT_EQ(e.kind, 17) << i;
        EXPECT_EQ(e.paramB, expected[i][0]) << i;
        EXPECT_EQ(e.vy, expected[i][1]) << i;
        EXPECT_EQ(e.vx, expected[i][2]) << i;
        EXPECT_EQ(e.x0, expected[i][3]) << i;
    }
}

TEST_F(BossTest, Boss1LaserRecords) {
    // X = 356, y + 80 = 330; lengths 30 (e - 10k), at most 600. t, origin x, then a, b, d, e
    // of each of the four lasers.
    const int32_t cases[][18] = {
        {730, 296, 600, -32000, 2560, 150, 600, -38400, 1280, 120, 300, -43520, 0, 100, 0, 43520, 0,
         100},
        {805, 356, 150, 32000, -2560, 150, -150, 38400, -1280, 120, -450, 43520, 0, 100, -750,
         -43520, 0, 100},
    };
    for (const auto& c : cases) {
        Boss1At(0, 180, 250, c[0]);
        g_ELazer.Clear();
        boss1_.Act();
        ASSERT_EQ(g_ELazer.count, 4) << c[0];
        for (int k = 0; k < 4; ++k) {
            const LaserRecord& r = g_ELazer.records[k];
            const int32_t* v = &c[2 + 4 * k];
            EXPECT_EQ((std::vector<int32_t>{r.x, r.y, r.p3, r.angle, r.kind, r.p6, r.p7, r.a, r.b,
                                            r.c, r.d, r.e}),
                      (std::vector<int32_t>{c[1], 330, 10, 10, 2, 0, 0, v[0], v[1], 0, v[2], v[3]}))
                << c[0] << " laser " << k;
        }
    }
}

}  // namespace
