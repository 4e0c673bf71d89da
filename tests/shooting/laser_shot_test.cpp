#include "shooting/laser_shot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/random.h"
#include "shooting/enemy_laser.h"
#include "tests/shooting/player_fixture.h"

namespace {

class LaserShots : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        g_LBMannager.Init();
        // Init keeps the velocities, which no launch sets: every test starts from still slots.
        for (CLazerBullet& s : g_LBMannager.shots)
            s.vx = s.vy = 0;
        g_ELazer.Clear();
    }
    void TearDown() override {
        g_LBMannager.Init();
        g_ELazer.Clear();
        PlayerFixture::TearDown();
    }

    // One frame of slot 0 as the scene runs it: its move, then the list drawn away.
    static int32_t Frame(LaserRecord* record = nullptr) {
        g_LBMannager.Move(0);
        const int32_t added = g_ELazer.count;
        if (record != nullptr && added > 0) *record = g_ELazer.records[0];
        g_ELazer.Clear();
        return added;
    }

    // Frames until slot 0 leaves play, and the records it added on the way.
    struct Life {
        int32_t lastT = -1;
        int32_t records = 0;
    };
    static Life RunOut() {
        Life life;
        for (int32_t t = 0; t < 1000 && g_LBMannager.shots[0].alive != 0; ++t) {
            life.records += Frame();
            life.lastT = t;
        }
        return life;
    }
};

TEST_F(LaserShots, LifetimeEndsOnceGrowthPassesSixHundred) {
    g_LBMannager.Shoot(300, 300, 0, 0, 20.0, 0, 0, 0, 0, 0);
    const Life at20 = RunOut();
    EXPECT_EQ(at20.lastT, 31);  // G = 620; at t = 30, G = 600 exactly, it still lived
    EXPECT_EQ(at20.records, 32);
    // Ended after its record, without the age step.
    EXPECT_EQ(g_LBMannager.shots[0].age, 0);

    g_LBMannager.Init();
    g_LBMannager.Shoot(300, 300, 3, 0, 30.0, 0, 0, 0, 0, 0);
    EXPECT_EQ(RunOut().lastT, 21);

    // A behaviour outside 0..4 only ages, and never ends by growth.
    g_LBMannager.Init();
    g_LBMannager.Shoot(300, 300, 7, 0, 100.0, 0, 0, 0, 0, 0);
    for (int32_t t = 0; t < 50; ++t)
        EXPECT_EQ(Frame(), 0);
    EXPECT_EQ(g_LBMannager.shots[0].age, 50);
    EXPECT_EQ(g_LBMannager.shots[0].alive, 1);
}

TEST_F(LaserShots, RingOfFortyReusesSlotZeroWhileItGrows) {
    for (int32_t i = 0; i < CLBMannager::kShotCount; ++i)
        g_LBMannager.Shoot(100 + i, 200, 0, 0, 1.0, 0, 0, 0, 0, 0);
    EXPECT_EQ(g_LBMannager.next, 0);
    g_LBMannager.Move(0);
    g_LBMannager.Move(0);
    EXPECT_EQ(g_LBMannager.shots[0].age, 2);
    g_LBMannager.shots[0].vx = 5;
    g_LBMannager.Shoot(400, 250, 3, 45, 2.0, 1, 2, 3, 4, 5);
    const CLazerBullet& s = g_LBMannager.shots[0];
    EXPECT_EQ(s.x, 400);
    EXPECT_EQ(s.age, 0);
    EXPECT_EQ(s.angle, 45);
    EXPECT_EQ(s.kind, 3);
    // The velocity is not part of a launch: the new laser drifts as the old one did.
    g_ELazer.Clear();
    g_LBMannager.Move(0);
    EXPECT_EQ(s.x, 405);
    EXPECT_EQ(g_ELazer.records[0].x, 405);
    EXPECT_EQ(g_ELazer.records[0].p3, 10);
    EXPECT_EQ(g_ELazer.records[0].kind, 2);
}

TEST_F(LaserShots, LeavingTheAreaClearsAndStillAges) {
    g_LBMannager.Shoot(0, 300, 0, 0, 1.0, 0, 0, 0, 0, 0);
    EXPECT_EQ(Frame(), 0);
    const CLazerBullet& s = g_LBMannager.shots[0];
    EXPECT_EQ(s.alive, 0);
    EXPECT_EQ(s.age, 1);
    // Every edge is outside.
    for (const auto& [x, y] : {std::pair{630, 300}, std::pair{300, -50}, std::pair{300, 675}}) {
        g_LBMannager.Init();
        g_LBMannager.Shoot(x, y, 0, 0, 1.0, 0, 0, 0, 0, 0);
        EXPECT_EQ(Frame(), 0) << x << "," << y;
    }
    g_LBMannager.Init();
    g_LBMannager.Shoot(629, 674, 0, 0, 1.0, 0, 0, 0, 0, 0);
    EXPECT_EQ(Frame(), 1);
}

TEST_F(LaserShots, RecordsFollowTheGrowthTerms) {
    LaserRecord r;
    // Kind 0: length and start both grow by G.
    g_LBMannager.Shoot(300, 300, 0, 0, 2.5, 100, 7, 10, 8, 9);
    for (int32_t t = 0; t <= 3; ++t)
        Frame(&r);
    EXPECT_EQ(r.kind, 6);
    EXPECT_EQ(r.a, 107);  // trunc(7.5 + 100)
    EXPECT_EQ(r.b, 7);
    EXPECT_EQ(r.c, 17);
    EXPECT_EQ(r.d, 8);
    EXPECT_EQ(r.e, 9);

    // Kind 1 aims at where the ship was on its first frame.
    g_Player.hitX = 222;
    g_Player.hitY = 33;
    g_LBMannager.Init();
    g_LBMannager.Shoot(300, 300, 1, 0, 10.0, 150, 5, 2, 0, 0);
    Frame(&r);
    EXPECT_EQ(r.a, 0);
    EXPECT_EQ(r.c, 2);
    g_Player.hitX = 400;
    for (int32_t t = 1; t <= 5; ++t)
        Frame(&r);
    // t = 5: a = 90 degrees, so the first term is the capped length alone.
    EXPECT_EQ(r.a, 150);
    EXPECT_EQ(r.c, static_cast<int32_t>((1.0 - std::sin(63.0 * M_PI / 180.0)) * 50.0) + 2);
    EXPECT_EQ(r.d, 222);
    EXPECT_EQ(r.e, 33);
    for (int32_t t = 6; t <= 15; ++t)
        Frame(&r);
    // From t = 15 both terms equal G.
    EXPECT_EQ(r.a, 150 + 150);
    EXPECT_EQ(r.c, 150 + 2);

    // Kind 2 aims at (p4, p5) and draws the aimed laser kind; kind 4 draws kind 6 with p3 10.
    g_LBMannager.Init();
    g_LBMannager.Shoot(300, 300, 2, 0, 10.0, 150, 5, 2, 77, 88);
    Frame(&r);
    EXPECT_EQ(r.kind, 12);
    EXPECT_EQ(r.d, 77);
    EXPECT_EQ(r.e, 88);
    g_LBMannager.Init();
    g_LBMannager.Shoot(300, 300, 4, 0, 10.0, 150, 5, 2, 77, 88);
    Frame(&r);
    EXPECT_EQ(r.kind, 6);
    EXPECT_EQ(r.p3, 10);
    EXPECT_EQ(r.d, 77);
    // Laser shots draw no random numbers.
    const uint64_t before = RandDraws();
    for (int32_t t = 0; t < 20; ++t)
        Frame();
    EXPECT_EQ(RandDraws(), before);
}

}  // namespace
