#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "bosses/boss.h"
#include "bosses/boss2.h"
#include "bosses/boss3.h"
#include "bosses/boss_child.h"
#include "bosses/bossb.h"
#include "enemies/background.h"
#include "engine/requests.h"
#include "shooting/effect.h"
#include "shooting/enemy_laser.h"
#include "shooting/killer_shot.h"
#include "shooting/laser_shot.h"
#include "tests/bosses/boss_window.h"
#include "tests/enemies/enemy_fixture.h"

namespace {

// The bosses made, every child, laser record and shot pool cleared, the ship low in the field.
class BossB23Test : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        CreateBosses();
        ClearBossChildren();
        g_ELazer.Clear();
        g_KillerShotMannager.Init();
        g_LBMannager.Init();
        g_Player.hitX = 300;
        g_Player.hitY = 10;
    }

    // The boss re-made, parked at (x, y) in a phase, running the frame whose script frame is t.
    static void At(CBoss& boss, int32_t phasesLeft, double x, double y, int32_t t) {
        boss.Init();
        boss.phasesLeft = phasesLeft;
        boss.x = x;
        boss.y = y;
        boss.phaseFrame = t - 1;
    }
    static int LiveBullets() {
        int n = 0;
        for (const CEBullet& b : g_EBMannager.bullets)
            n += b.alive;
        return n;
    }
    static int LiveLaserShots() {
        int n = 0;
        for (const CLazerBullet& s : g_LBMannager.shots)
            n += s.alive;
        return n;
    }
    static double RecordDouble(const LaserRecord& r) {
        return std::bit_cast<double>(static_cast<uint64_t>(static_cast<uint32_t>(r.p6)) |
                                     static_cast<uint64_t>(static_cast<uint32_t>(r.p7)) << 32);
    }
};

// Bonus-stage boss -------------------------------------------------------------------------

TEST_F(BossB23Test, BossBPhasesBodiesAndLoops) {
    CBossB boss;
    boss.Init();
    EXPECT_EQ((std::vector<double>{boss.x, boss.y}), (std::vector<double>{280, 340}));
    EXPECT_EQ((std::vector<int32_t>{boss.hp, boss.phaseHp, boss.w, boss.h, boss.hotX, boss.hotY}),
              (std::vector<int32_t>{850, 850, 101, 79, 50, 39}));

    // The first phase loops after 1580 frames, the second after 1900.
    At(boss, 1, 270, 340, 1580);
    boss.Act();
    EXPECT_EQ(boss.phaseFrame, 0);
    At(boss, 0, 270, 340, 1900);
    boss.Act();
    EXPECT_EQ(boss.phaseFrame, 0);

    // The second phase: small six-frame body, 2% of the way to the waypoint each frame.
    At(boss, 0, 200.5, 300.25, 70);
    boss.frameCol = 5;
    boss.Act();
    EXPECT_EQ(g_pBossImage, g_pBossImage2);
    EXPECT_EQ((std::vector<int32_t>{boss.w, boss.h, boss.hotX, boss.frameCol}),
              (std::vector<int32_t>{50, 50, 25, 0}));
    EXPECT_EQ(boss.x, 200.5 + (260 - 200.5) * 0.02);
    EXPECT_EQ(boss.y, 300.25 - (300.25 - 320) * 0.02);

    // A hit shows the flash, and frames without hits keep it.
    At(boss, 0, 200, 300, 50);
    g_bBossFlash = 1;
    g_BulletMannager.Shoot(220, 320, 0, 0, 0, 0);
    boss.Act();
    EXPECT_EQ(boss.draw.mode, 19);
    boss.Act();
    EXPECT_EQ(boss.draw.mode, 19);
}

TEST_F(BossB23Test, BossBColumnsLightKillerAnglesAndLaserShots) {
    CBossB boss;
    // The column attack draws one number per rising bullet, two more when the pair comes.
    const int32_t columns[][3] = {{0, 4, 1}, {3, 6, 0}};  // U before, draws, U after
    for (const auto& c : columns) {
        At(boss, 1, 270, 340, 150);
        boss.tick = c[0];
        const uint64_t before = RandDraws();
        boss.Act();
        EXPECT_EQ(RandDraws() - before, static_cast<uint64_t>(c[1]));
        EXPECT_EQ(boss.tick, c[2]);
    }

    // The light: (t - 950)(t - 1150)(-6) / 100, held to 0..255.
    const int32_t lights[][2] = {{960, 114}, {1050, 255}, {1200, 0}};
    for (const auto& c : lights) {
        At(boss, 1, 270.5, 340, c[0]);
        boss.Act();
        const CBossChild& light = g_pBossChild[9];
        EXPECT_EQ(light.alive, 1);
        EXPECT_EQ(light.draw.level, c[1]) << c[0];
        EXPECT_EQ(light.draw.mode, 20);
        EXPECT_EQ(light.x, 140);
    }

    // A pass of the second phase reads the killer angles 0..3.
    At(boss, 0, 270, 340, 1);
    std::vector<int32_t> angles;
    for (int f = 1; f <= 300; ++f) {
        const int32_t next = g_KillerShotMannager.next;
        boss.Act();
        if (g_KillerShotMannager.next != next)
            angles.push_back(g_KillerShotMannager.shots[next].shotAngle);
    }
    EXPECT_EQ(angles, (std::vector<int32_t>{53, -60, 60, -65}));

    // Laser shots on the hardest difficulty only.
    for (int32_t level = 0; level <= 2; ++level) {
        g_LBMannager.Init();
        g_nLevel = level;
        At(boss, 0, 270, 340, 1548);
        boss.Act();
        EXPECT_EQ(LiveLaserShots(), level == 2 ? 2 : 0) << level;
    }
}

// phasesLeft, level, start, t, x, y -> bullets, draws, first x, y, speed, vx, vy, animation.
TEST_F(BossB23Test, BossBWindowsWithSeedOne) {
    constexpr double kAny = kAnyVelocity;
    const double column = std::hypot(2.0, 14.0);
    const BossWindow rows[] = {
        // Rising columns from 460 - 5 and 184 - 30: vx (130 % 60) 0.1 - 3, vy -14.
        {1, 0, 100, 140, 270, 340, 4, 4, 455, 9, column, -2.0, -14, -1},
        // Aimed bursts, i = 0..3L + 11: two 3-bullet fans and their spreads per i.
        {1, 0, 410, 410, 270, 340, 78, 96, 300, 380, 11, kAny, kAny, -1},
        {1, 1, 410, 410, 270, 340, 96, 120, 300, 380, 12.5, kAny, kAny, -1},
        {1, 2, 410, 410, 270, 340, 114, 144, 300, 380, 14, kAny, kAny, -1},
        // Second phase at its waypoint (400, 320): i = 0..2L + 11 five-bullet fans.
        {0, 0, 420, 420, 400, 320, 65, 72, 405, 320, 11, kAny, kAny, -1},
        {0, 1, 420, 420, 400, 320, 75, 84, 405, 320, 12.5, kAny, kAny, -1},
        {0, 2, 420, 420, 400, 320, 85, 96, 405, 320, 14, kAny, kAny, -1},
        // Orbiting bursts at (180, 360), k = 0: X - 25 + int(sin 1518 x 100), i = 0..3L + 11.
        {0, 0, 1518, 1518, 180, 360, 25, 48, 277, 315, 14, kAny, kAny, -1},
        {0, 1, 1518, 1518, 180, 360, 31, 60, 277, 315, 16, kAny, kAny, -1},
        {0, 2, 1518, 1518, 180, 360, 37, 72, 277, 315, 18, kAny, kAny, -1},
        // Falling columns at (250, 360): from x + 40 with vx (130 % 60) 0.1 - 3, vy 14.
        {0, 0, 820, 820, 250, 360, 2, 2, 290, 360, column, -2.0, 14, -1},
    };
    CBossB boss;
    for (const BossWindow& row : rows)
        CheckWindow(boss, row);

    // The last of the aimed bursts at 410 (i = 11) flies at 11 - 0.5 x 11 on level 0.
    g_nLevel = 0;
    At(boss, 1, 270, 340, 410);
    boss.Act();
    const CEBullet& last = g_EBMannager.bullets[g_EBMannager.next - 1];
    EXPECT_NEAR(std::hypot(last.vx, last.vy), 5.5, 1e-5);

    // The second phase's ring of back effects about (x, y): radius 2 (t - 1400) while it opens,
    // 2 (1900 - t) while it closes; the first of three, after the engine glow, at (sin t,
    // -cos t) x radius.
    for (const auto& [t, dx, dy] : {std::tuple{1410, -10, -17}, std::tuple{1860, 69, -40}}) {
        At(boss, 0, 270, 340, t);
        g_EffectMannager.Reset();
        boss.Act();
        EXPECT_EQ(g_EffectMannager.back[2].x - static_cast<int32_t>(boss.x), dx) << t;
        EXPECT_EQ(g_EffectMannager.back[2].y - static_cast<int32_t>(boss.y), dy) << t;
    }
}

TEST_F(BossB23Test, BossBAndBoss2FrontFlares) {
    struct Flare {
        int32_t x, y, image, image2, b, a;
    };
    const auto expect = [](const std::vector<Flare>& want, const char* where) {
        for (size_t i = 0; i < want.size(); ++i) {
            const CEffect& got = g_EffectMannager.front[i + 1];
            EXPECT_EQ(got.x, want[i].x) << where << " " << i;
            EXPECT_EQ(got.y, want[i].y) << where << " " << i;
            EXPECT_EQ(got.kind, want[i].image) << where << " " << i;
            EXPECT_EQ(got.image2, want[i].image2) << where << " " << i;
            EXPECT_EQ(got.paramB, want[i].b) << where << " " << i;
            EXPECT_EQ(got.paramA, want[i].a) << where << " " << i;
        }
    };
    // Stage B at 150 (d 50): the columns taken at 100 are 460 and 184, flares at B - 40 and
    // A - 80, both at -40.
    CBossB bossB;
    At(bossB, 1, 270, 340, 100);
    while (bossB.scriptFrame < 149)
        bossB.Act();
    g_EffectMannager.Reset();
    bossB.Act();
    expect({{420, -40, 8, 10, 0, 1}, {104, -40, 8, 10, 0, 1}}, "B at 150");

    // Stage 2 at 1200 in its last phase: flares at X - 5 and X - 125, y - 45.
    CBoss2 boss2;
    At(boss2, 0, 200, 300, 1200);
    g_EffectMannager.Reset();
    boss2.Act();
    const int32_t hot = static_cast<int32_t>(boss2.x + boss2.hotX);
    const int32_t top = static_cast<int32_t>(boss2.y - 45);
    expect({{hot - 5, top, 8, 10, 1, 1}, {hot - 125, top, 8, 10, 1, 1}}, "2 at 1200");
}

// Stage-2 boss ------------------------------------------------------------------------------

TEST_F(BossB23Test, Boss2EntryAndPhaseBodies) {
    CBoss2 boss;
    boss.Init();
    EXPECT_EQ(boss.y, -262);
    boss.Act();
    EXPECT_EQ(boss.hotX, 163);

    // A route read past the row's end takes the next row: frame 1600 heads for (230, 280).
    At(boss, 2, 100, 250, 1600);
    boss.Act();
    EXPECT_EQ(boss.vx, (230 - 100) * (1.0 / 60));

    // The second phase's first frame moves the body 100 right and shrinks it, once.
    At(boss, 1, 100, 250, 1);
    boss.Act();
    EXPECT_EQ((std::vector<int32_t>{boss.w, boss.h, boss.hotX, boss.hotY}),
              (std::vector<int32_t>{158, 180, 79, 90}));
    EXPECT_EQ(boss.x, 200 + (230 - 200) * 0.025);
    const double before = boss.x;
    boss.Act();
    EXPECT_EQ(boss.x, before + (230 - before) * 0.025);

    // The third phase stands where its script puts it.
    At(boss, 0, 100, 250, 50);
    boss.Act();
    EXPECT_EQ(boss.w, 68);
    EXPECT_EQ((std::vector<double>{boss.x, boss.y, boss.vx}), (std::vector<double>{288, 340, 0}));
}

TEST_F(BossB23Test, Boss2LasersAndDraws) {
    CBoss2 boss;
    // The vertical laser: d = 0 draws the side, d 6..29 widen and fade a laser.
    const struct {
        int32_t t;
        int count;
        double width;
    } beams[] = {{606, 1, 0.325}, {615, 1, 1.0}, {625, 1, 1 - 5 * 0.1 * 0.9}, {630, 0, 0}};
    for (const auto& c : beams) {
        At(boss, 2, 100, 250, c.t);
        g_ELazer.Clear();
        boss.Act();
        ASSERT_EQ(g_ELazer.count, c.count) << c.t;
        if (c.count != 0) {
            EXPECT_DOUBLE_EQ(RecordDouble(g_ELazer.records[0]), c.width) << c.t;
        }
    }
    At(boss, 2, 100, 250, 600);
    uint64_t draws = RandDraws();
    boss.Act();
    EXPECT_EQ(RandDraws() - draws, 1u);
    EXPECT_EQ(boss.param3, -1);
    // The opening sparks draw speed, then the two angles, forty times.
    At(boss, 2, 100, 250, 107);
    draws = RandDraws();
    boss.Act();
    EXPECT_EQ(RandDraws() - draws, 120u);
    EXPECT_EQ(boss.frameRow, 4);

    // The twin laser sweep: work3 steps at d = 0; the sweep falls by one degree every 6 frames.
    const int32_t sweeps[][4] = {{1150, 0, 1, 2560}, {1160, 1, 1, 2304}, {1177, 1, 2, -11520}};
    for (const auto& c : sweeps) {
        At(boss, 0, 288, 340, c[0]);
        boss.work3 = c[1];
        g_ELazer.Clear();
        boss.Act();
        EXPECT_EQ(boss.work3, c[2]);
        ASSERT_EQ(g_ELazer.count, 2);
        EXPECT_EQ(g_ELazer.records[0].b, c[3]) << c[0];
        EXPECT_EQ(g_ELazer.records[1].b, -c[3]) << c[0];
        EXPECT_EQ(g_ELazer.records[0].d, 40 * ((c[0] - 1150) % 27)) << c[0];
        for (const LaserRecord& r : {g_ELazer.records[0], g_ELazer.records[1]}) {
            EXPECT_EQ((std::vector<int32_t>{r.p3, r.angle, r.kind, r.a, r.e}),
                      (std::vector<int32_t>{10, 10, 4, 600, 80}))
                << c[0];
        }
        EXPECT_EQ(g_ELazer.records[0].x - g_ELazer.records[1].x, 120);  // X + 60 and X - 60
    }
}

TEST_F(BossB23Test, Boss2WindowsWithSeedOne) {
    constexpr double kAny = kAnyVelocity;
    const BossWindow rows[] = {
        // The rings and aimed pairs of 800..849 come on difficulty 2 only.
        {2, 0, 829, 829, 100, 250, 0, 0, 0, 0, -1, kAny, kAny, -1},
        {2, 2, 829, 829, 100, 250, 24, 22, 303, 437, -1, kAny, kAny, -1},
        {0, 0, 834, 834, 288, 340, 0, 0, 0, 0, -1, kAny, kAny, -1},
        {0, 2, 834, 834, 288, 340, 24, 62, 372, 415, -1, kAny, kAny, -1},
        // Scatter: rx = 130 % 50 - 25, ry = 10982 % 20 - 10, then five aimed bullets.
        {1, 0, 100, 100, 100, 250, 5, 8, 284, 332, 8, kAny, kAny, 11656 % 3},
        // Every hundredth frame from 850 restarts the count: at 950 only the pair at 195 (first,
        // speed 7 along (cos, -sin)) and 345 degrees from (X - 8, y + 20), X = x + 34, each
        // drawing its animation.
        {0, 0, 940, 950, 200, 300, 2, 2, 226, 320, 7, -6.761481, 1.811733, -1},
        // At 1540 (50 past 1490) the five-bullet large fan turned 90 from (X - 20, y + 50).
        {0, 0, 1540, 1540, 200, 300, 5, 0, 214, 350, 11, kAny, kAny, -1},
    };
    CBoss2 boss;
    for (const BossWindow& row : rows)
        CheckWindow(boss, row);
}

// Stage-3 boss ------------------------------------------------------------------------------

TEST_F(BossB23Test, Boss3PhaseChangesAndLoops) {
    CBoss3 boss;
    boss.Init();
    EXPECT_EQ((std::vector<int32_t>{boss.hp, boss.w, boss.h, boss.hotX, boss.hotY}),
              (std::vector<int32_t>{700, 296, 211, 100, 100}));
    boss.Act();
    EXPECT_EQ(boss.hotX, 148);

    // The second phase starts 148 further right; its script moves the core, not the velocity.
    At(boss, 1, 100, 250, 1);
    boss.Act();
    EXPECT_EQ(boss.w, 67);
    EXPECT_EQ(boss.x, 248 + (280 - 248) * 0.02);
    EXPECT_EQ((std::vector<double>{boss.vx, boss.vy}), (std::vector<double>{0, 0}));
    EXPECT_EQ(g_pBossChild[0].alive, 1);
    EXPECT_EQ(g_pBossChild[0].scale, 0.05);
    boss.phaseFrame = 609;
    g_Player.hitX = 400;
    boss.Act();
    EXPECT_EQ(boss.vx, 0);
    EXPECT_EQ(boss.frameCol, 4);

    // The third phase takes its place on its first frame, and loops to 450.
    At(boss, 0, 100, 250, 1);
    boss.Act();
    EXPECT_EQ(boss.w, 398);
    EXPECT_EQ(boss.x, 120 + (130 - 120) * 0.025);
    boss.phaseFrame = 1899;
    boss.Act();
    EXPECT_EQ(boss.phaseFrame, 450);

    // A route read past the row's end takes the next row: the first phase's step 10 heads for
    // the second row's x 280.
    At(boss, 2, 100, 250, 2561);
    boss.Move();
    EXPECT_EQ(boss.vx, (280 - 100) * 0.025);

    // The second phase counts its loops.
    At(boss, 1, 248, 300, 1200);
    boss.w = 67;
    boss.Act();
    EXPECT_EQ(boss.loops, 1);
    EXPECT_EQ(boss.phaseFrame, 0);

    // The first phase's cannon rows: 1 from 1260, 2 only above 1262.
    At(boss, 2, 100, 250, 1260);
    std::vector<int32_t> rows;
    for (int32_t f = 1260; f <= 1263; ++f) {
        boss.Act();
        rows.push_back(boss.frameRow);
    }
    EXPECT_EQ(rows, (std::vector<int32_t>{1, 1, 1, 2}));
}

TEST_F(BossB23Test, Boss2And3DrawsBulletsAndMissiles) {
    CBoss2 boss2;
    CBoss3 boss3;
    // boss, phases left, body width, t -> random draws, live bullets, live missiles. Every
    // small bullet draws one number of its own.
    const struct {
        CBoss* boss;
        int32_t phasesLeft, w, t;
        uint64_t draws;
        int bullets, missiles;
    } cases[] = {
        {&boss2, 1, 158, 100, 8, 5, 0},  // scatter: x, y and target drawn in that order
        {&boss2, 1, 158, 500, 2, 0, 8},  // the missile fan's two angles
        {&boss2, 2, 326, 256, 5, 5, 0},   {&boss3, 2, 296, 600, 4, 0, 2},
        {&boss3, 0, 398, 720, 84, 72, 0},
    };
    for (const auto& c : cases) {
        At(*c.boss, c.phasesLeft, 150, 250, c.t);
        c.boss->w = c.w;
        g_EBMannager.Init();
        g_MissileMannager.Init();
        const uint64_t before = RandDraws();
        c.boss->Act();
        EXPECT_EQ(RandDraws() - before, c.draws) << c.t;
        EXPECT_EQ(LiveBullets(), c.bullets) << c.t;
        int missiles = 0;
        for (const CMissile& m : g_MissileMannager.missiles)
            missiles += m.alive;
        EXPECT_EQ(missiles, c.missiles) << c.t;
    }

    // The gunship's rest adds no closing glow; other frames from 130 on end with one.
    const int32_t glows[][2] = {{290, 0}, {500, 1}, {100, 0}};
    for (const auto& c : glows) {
        At(boss3, 2, 150, 250, c[0]);
        const int32_t index = g_EffectMannager.backIndex;
        boss3.Act();
        EXPECT_EQ(g_EffectMannager.backIndex - index, c[1]) << c[0];
    }
}

TEST_F(BossB23Test, Boss3WindowsWithSeedOne) {
    const BossWindow rows[] = {
        // The core's spray at s = -6: speed 6 - 0.1 (130 % 40), angle 80 - 216 + 10982 % 20.
        {1, 0, 512, 512, 100, 250, 68, 136, 281, 250, 5, -3.473292, 3.596699, 1090 % 3},
        // The final form, placed at (120, 469) on its first frame and eased once toward
        // (130, 200): six fans of 12 at 10982 % 10 + 450 + 12, spread 130 % 10 + 25.
        {0, 0, 719, 720, 0, 0, 72, 84, 319, 620, 8, -1.935375, -7.762366, 1090 % 3},
        // Mirrored spray at t = 14: speed 6.5 - 1, angle 10982 % 20 + 90 and its mirror.
        {0, 0, 813, 814, 0, 0, 68, 104, 319, 612, 5.5, -0.191947, -5.496650, 1090 % 3},
    };
    CBoss3 boss;
    for (const BossWindow& row : rows)
        CheckWindow(boss, row);
}

TEST_F(BossB23Test, Boss3ChildrenAndLaserSeeds) {
    CBoss3 boss;
    At(boss, 2, 100, 250, 10);
    CBossChild& child = g_pBossChild[8];

    // A landed child stops and sprays every 8 frames: two draws, eighteen slowing bullets.
    child.Launch(200, -3, 2, 0, 5, 10, 0);
    child.age = 6;
    const uint64_t before = RandDraws();
    boss.Act();
    EXPECT_EQ(RandDraws() - before, 2u);
    EXPECT_EQ(child.vy, 0);
    EXPECT_EQ(g_EBMannager.bullets[1590].alive, 1);
    // Six of type 72 slowing to 3, twelve of type 68 slowing to 2.
    std::map<std::pair<int32_t, double>, int> capped;
    for (const CEBullet& b : g_EBMannager.bullets)
        capped[{b.kind, b.capSpeed()}] += b.alive != 0 && b.decel != 0;
    EXPECT_EQ(capped[std::pair(72, 3.0)], 6);
    EXPECT_EQ(capped[std::pair(68, 2.0)], 12);
    EXPECT_EQ(boss.step, 1);
    // Past 400 frames it goes to the corner and out on the next frame, which still places its
    // bullet there.
    child.Launch(200, 100, 2, 0, 0, 10, 0);
    child.age = 400;
    boss.Act();
    EXPECT_EQ((std::vector<double>{child.x, child.y}), (std::vector<double>{0, 0}));
    boss.Act();
    EXPECT_EQ(child.alive, 0);
    EXPECT_EQ(g_EBMannager.bullets[1590].x, 0);

    // The third phase's lasers: eight seeds; the right four at X + 110, 90, 70, 50 come first,
    // then the left four mirroring them. X = 120 + 199.
    At(boss, 0, 120, 300, 1200);
    boss.w = 398;
    boss.hotX = 199;
    SeedRand(7);
    std::vector<int32_t> seeds;
    for (int k = 0; k < 8; ++k)
        seeds.push_back(Rand() % 10 - 1 - k);
    SeedRand(7);
    g_ELazer.Clear();
    boss.Act();
    EXPECT_EQ(std::vector<int32_t>(boss.laserSeed, boss.laserSeed + 8), seeds);
    ASSERT_EQ(g_ELazer.count, 8);
    const int32_t rightX[4] = {429, 409, 389, 369};
    for (int k = 0; k < 4; ++k) {
        const LaserRecord& right = g_ELazer.records[k];
        const LaserRecord& left = g_ELazer.records[4 + k];
        EXPECT_EQ(right.x, rightX[k]) << k;
        EXPECT_EQ(left.x, 638 - rightX[k]) << k;
        EXPECT_EQ(right.d, 256 * seeds[k]);
        EXPECT_EQ(left.d, -right.d);
        EXPECT_EQ(left.b, -right.b);
    }
}

// Each frame runs its clauses in their written order: a move before a shot moves the muzzle,
// and the right-hand streams fire before their mirror images.
TEST_F(BossB23Test, ClausesRunInWrittenOrder) {
    // Bonus boss, t = 30: the glide (x 311 -> 310) comes before the flash at (X, y).
    CBossB bossB;
    At(bossB, 1, 311, 340, 30);
    bossB.Act();
    const CEffect& flash = g_EffectMannager.mid[g_EffectMannager.midIndex];
    EXPECT_EQ(flash.x, 360);
    EXPECT_EQ(flash.y, 340);

    // Stage-2 boss, third phase (hot spot 34, 35): the drift comes before the missiles from
    // (X - 40, y + 10). 620: x 302 -> 301; 720: (302.5, 250) -> (303, 250.2).
    CBoss2 boss2;
    const struct {
        int32_t t;
        double x;
        int32_t missileX;
    } drifts[] = {{620, 302, 295}, {720, 302.5, 297}};
    for (const auto& c : drifts) {
        At(boss2, 0, c.x, 250, c.t);
        g_MissileMannager.Init();
        boss2.Act();
        EXPECT_EQ(g_MissileMannager.missiles[0].x, c.missileX) << c.t;
        EXPECT_EQ(g_MissileMannager.missiles[0].y, 260) << c.t;
    }

    // Stage-2 boss, t = 892 (d = 42) with V = 18: two type-80 bullets, then s = 1: angle 197
    // at the speeds 8, 9, 7, 10, then angle 343 at the same four.
    At(boss2, 0, 300, 250, 892);
    boss2.step = 18;
    g_EBMannager.Init();
    boss2.Act();
    const double speeds[8] = {8, 9, 7, 10, 8, 9, 7, 10};
    for (int i = 0; i < 8; ++i) {
        const CEBullet& b = g_EBMannager.bullets[22 + i];
        EXPECT_EQ(b.kind, 40);
        EXPECT_NEAR(std::hypot(b.vx, b.vy), speeds[i], 1e-5) << i;
        EXPECT_EQ(b.vx < 0, i < 4) << i;
    }

    // Stage-3 boss, third phase, f = 504 (X = 319, c = 0): type-157 bullets from X + 170, 130,
    // 90, 50 at 195, 185, 175, 165, then from X - 170, ... at 345, 355, 365, 375.
    CBoss3 boss3;
    At(boss3, 0, 120, 300, 504);
    boss3.w = 398;
    boss3.hotX = 199;
    g_EBMannager.Init();
    boss3.Act();
    const int32_t wingX[8] = {489, 449, 409, 369, 149, 189, 229, 269};
    const int32_t wingAngle[8] = {195, 185, 175, 165, 345, 355, 365, 375};
    for (int i = 0; i < 8; ++i) {
        const CEBullet& b = g_EBMannager.bullets[20 + i];
        EXPECT_EQ(b.x, wingX[i]) << i;
        EXPECT_NEAR(b.vx, std::cos(wingAngle[i] * M_PI / 180) * 9, 1e-5) << i;
    }
}

}  // namespace
