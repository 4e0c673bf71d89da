#include <gtest/gtest.h>

#include <vector>

#include "enemies/kind_scripts.h"
#include "shooting/effect.h"
#include "tests/enemies/enemy_fixture.h"

// Each row stands one enemy at a known spot, seeds the generator with 1 just before the frames
// it names and compares what comes out with values worked by hand from the scripts' formulas.
// After seeding 1 the generator gives 130, 10982, 1090, 11656, 7117, 17595, 6415, 22948, 31126,
// 9004, so a swapped pair of draws shows up as a wrong position, angle or speed, not only as a
// wrong count. The ship's hit point is (300, 100) unless a test says otherwise.
namespace {

struct Shot {
    int32_t x;
    int32_t y;
    double vx;
    double vy;
};

struct Window {
    const char* name;
    int32_t stage;
    int32_t level;
    int32_t kind;
    int32_t p1;
    int32_t p2;
    int32_t seedAt;   // the first frame after seeding
    int32_t lastAge;  // the last frame whose bullets count
    double x;         // where it stands, still, when the seeded frames begin
    double y;
    std::vector<Shot> shots;
};

class DrawOrderTest : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        g_Player.hitX = 300;
        g_Player.hitY = 100;
    }

    static std::vector<const CEBullet*> Fired() {
        std::vector<const CEBullet*> fired;
        for (int32_t i = CEBMannager::kFirstRingSlot; i < g_EBMannager.next; ++i)
            fired.push_back(&g_EBMannager.bullets[i]);
        return fired;
    }

    // Runs the enemy to the frame before the window, stands it at (x, y), seeds and runs the
    // window's frames; returns the bullets they fired, in firing order.
    static std::vector<const CEBullet*> Fire(CEnemy& e, const Window& w) {
        g_nStage = w.stage;
        g_nLevel = w.level;
        while (e.age < w.seedAt - 1)
            e.Act();
        e.x = w.x;
        e.y = w.y;
        e.vx = 0;
        e.vy = 0;
        g_EBMannager.Init();
        SeedRand(1);
        while (e.age < w.lastAge)
            e.Act();
        return Fired();
    }

    static void Expect(const std::vector<const CEBullet*>& fired, const std::vector<Shot>& want,
                       const char* name) {
        ASSERT_EQ(fired.size(), want.size()) << name;
        for (size_t i = 0; i < want.size(); ++i) {
            EXPECT_EQ(fired[i]->x, want[i].x) << name << " bullet " << i;
            EXPECT_EQ(fired[i]->y, want[i].y) << name << " bullet " << i;
            EXPECT_NEAR(fired[i]->vx, want[i].vx, 1e-4) << name << " bullet " << i;
            EXPECT_NEAR(fired[i]->vy, want[i].vy, 1e-4) << name << " bullet " << i;
        }
    }

    static void Check(const std::vector<Window>& windows) {
        for (const Window& w : windows) {
            CEnemy e;
            e.Set(static_cast<int32_t>(w.x), 480, w.kind, 0, 0, w.p1, w.p2);
            Expect(Fire(e, w), w.shots, w.name);
        }
    }
};

TEST_F(DrawOrderTest, EyeShipsAndGunships) {
    // clang-format off
    Check({
        // Kind 16's large aimed bullet at 128 from (cx - 25, y).
        {"16 large", 3, 0, 16, 0, 0, 128, 128, 100, 300, {{193, 300, 2.396895, 6.576845}}},
        // Kind 10 on level 1, stage 3, at 80: the guns at (hitX + 70), the hit point twice and
        // (hitX - 70), then all four at the hit point, then stage 3's large bullet.
        {"10 volley", 3, 1, 10, 0, 0, 80, 80, 200, 300,
         {{210, 350, 3.997780, 6.929485}, {250, 400, 1.023771, 7.934223},
          {250, 300, 1.496897, 7.858708}, {310, 350, -2.616884, 7.559888},
          {210, 350, 2.940859, 9.557790}, {250, 400, 1.279713, 9.917779},
          {250, 300, 1.871121, 9.823385}, {310, 350, -0.766965, 9.970545},
          {225, 309, 1.670327, 11.883182}}},
    });
    // clang-format on

    // Kind 17's one fan at 40 from (x, y), aimed from the bullet's centre at (245, 270).
    g_Player.hitX = 245;
    g_Player.hitY = 270;
    // clang-format off
    Check({{"17 fan", 1, 0, 17, 0, 0, 40, 40, 200, 300,
            {{200, 300, 3.010307, 2.634018}, {200, 300, 3.589467, 1.765142},
             {200, 300, 2.225999, 3.323391}}}});
    // clang-format on

    // Kind 16's eight rounds at 60 from cx = 218: the count steps 1..7 then wraps to 0, taking
    // the offsets 0, 0, 5, 7, 4, 0, 0, 0; round j flies at j + 3.
    CEnemy e;
    e.Set(100, 480, 16, 0, 0, 0, 0);
    const std::vector<const CEBullet*> fired =
        Fire(e, {"16 rounds", 3, 0, 16, 0, 0, 60, 60, 100, 300, {}});
    ASSERT_EQ(fired.size(), 48u);
    const int32_t offsets[8] = {0, 0, 5, 7, 4, 0, 0, 0};
    for (int32_t j = 0; j < 8; ++j) {
        const int32_t o = offsets[j];
        const int32_t xs[6] = {258 + o, 178 - o, 258 + o, 178 - o, 258 + o, 178 - o};
        for (int32_t k = 0; k < 6; ++k) {
            EXPECT_EQ(fired[6 * j + k]->x, xs[k]) << j << " " << k;
            EXPECT_EQ(fired[6 * j + k]->y, 330);
        }
        // The first of each round at 350 degrees: (cos 350, -sin 350) times the speed.
        EXPECT_NEAR(fired[6 * j]->vx, 0.984808 * (j + 3), 1e-4) << j;
        EXPECT_NEAR(fired[6 * j]->vy, 0.173648 * (j + 3), 1e-4) << j;
    }
    EXPECT_EQ(e.step, 0);
}

TEST_F(DrawOrderTest, SwoopersAndTurningFryByStage) {
    // The phase draws 130 mod 111 = 19 (kind 26) and 130 mod 99 = 31 (kind 34) at age 46.
    // clang-format off
    Check({
        {"26 default", 2, 0, 26, 20, -500, 46, 48, 100, 300,
         {{130, 300, 4.875312, 7.565139}, {130, 300, 5.958714, 9.246282},
          {130, 300, 4.875312, 7.565139}}},
        {"26 stage 1", 1, 0, 26, 20, -500, 46, 46, 100, 300, {{130, 300, 3.791909, 5.883997}}},
        {"26 stage 5", 5, 0, 26, 20, -500, 46, 49, 100, 300,
         {{130, 300, 4.333611, 6.724568}, {130, 300, 4.333611, 6.724568},
          {127, 300, 5.984599, 5.308915}, {127, 300, 3.807927, 7.035602},
          {187, 300, 4.790511, 6.407106}, {187, 300, 2.310249, 7.659161}}},
        {"34 stage 3", 3, 1, 34, 20, -500, 46, 72, 100, 300,
         {{110, 300, 6.507914, 7.592566}, {110, 300, 6.507914, 7.592566}}},
        {"35 stage 5", 5, 1, 35, 40, 0, 20, 20, 200, 300,
         {{220, 310, 3.941648, 12.388035}, {220, 310, 4.244851, 13.340961}}},
        {"9 stage 4", 4, 1, 9, 40, 0, 30, 30, 200, 300,
         {{217, 300, 3.611808, 10.390132}, {217, 300, 2.955116, 8.501018}}},
        {"9 stage 5", 5, 1, 9, 40, 0, 30, 30, 200, 300,
         {{217, 300, 4.005823, 11.523601}, {217, 300, 3.349131, 9.634486}}},
    });
    // clang-format on
}

TEST_F(DrawOrderTest, LargeShipsAndMidBosses) {
    // Kind 2 has cx 310; its bob takes y 300 to 299.91 at 600, 299.71 at 800, 300.03 at 1002.
    // At 800 the aim at (cx, 0) turns nothing (the whole-number quotient 50 / 449 is 0), so the
    // fans centre on 360 + 313 and 360 + 406 from the second step's cos 20 degrees. At 1002 the
    // drifts take 0, 2, 0, 6 and 7 tenths from the first five numbers.
    // clang-format off
    Check({
        {"2 window C", 1, 0, 2, 0, 0, 600, 600, 200, 300,
         {{302, 439, 5.931601, 5.368063}, {302, 439, -6.316522, 4.909332},
          {350, 389, 2.588190, 9.659258}, {350, 389, 4.226183, 9.063078},
          {270, 389, -2.588190, 9.659258}, {270, 389, -4.226183, 9.063078},
          {350, 389, 9.063078, 4.226183}, {350, 389, 8.191520, 5.735764},
          {270, 389, -9.063078, 4.226183}, {270, 389, -8.191520, 5.735764}}},
        {"2 window D", 1, 0, 2, 0, 0, 800, 800, 200, 300,
         {{260, 449, -5.119476, 4.773989}, {260, 449, 0.366352, 6.990407},
          {260, 449, -6.947823, -0.853085}, {360, 449, 5.035379, 4.862609},
          {360, 449, 6.961653, -0.731699}, {360, 449, -0.488295, 6.982948}}},
        {"2 window E", 1, 0, 2, 0, 0, 1002, 1002, 200, 300,
         {{280, 370, -0.5, 12}, {260, 370, -0.8, 12}, {340, 370, 0, 12},
          {250, 390, -0.9, 12}, {350, 390, 1.2, 12}}},
    });
    // clang-format on

    // Kind 31's orbit fire about the anchor (150, 250): at 600 the large fan toward
    // hitX - 300 + 130 and the single shot toward hitX - 400 + 582 (its own draw 1090 gives
    // frame 1); at 640 the single shot toward hitX - 400 + 130 and the turned pair at 360 +- 30.
    CEnemy e;
    e.Set(100, 480, 31, 0, 0, 0, 0);
    const auto orbit = [&](int32_t age) {
        while (e.age < age - 1)
            e.Act();
        g_nAnchorX31 = 150;
        g_nAnchorY31 = 250;
        g_EBMannager.Init();
        SeedRand(1);
        e.Act();
        return Fired();
    };
    // clang-format off
    const std::vector<const CEBullet*> at600 = orbit(600);
    Expect(at600,
           {{342, 420, -2.554236, 8.629941}, {342, 420, -7.138972, 5.480426},
            {342, 420, 3.006132, 8.483111}, {342, 420, -8.996864, 0.237575},
            {342, 420, 7.418259, 5.096021}, {342, 420, -7.418259, -5.096021},
            {342, 420, 8.996864, -0.237575}, {342, 420, -3.006132, -8.483111},
            {342, 420, 7.138973, -5.480426}, {342, 420, 2.554236, -8.629941},
            {342, 420, 2.565672, 6.512859}}, "31 at 600");
    // clang-format on
    ASSERT_FALSE(at600.empty());
    EXPECT_EQ(at600.back()->animCount(), 1);
    Expect(orbit(640),
           {{368, 410, -5.152698, 4.738112}, {368, 410, 4, 6.928203}, {368, 410, -4, 6.928203}},
           "31 at 640");
}

TEST_F(DrawOrderTest, FortressTurretMuzzles) {
    // At 530 the turret stands at 60 degrees; y 200 rises by 2 first. Muzzles 111 out along
    // 63 and 57 degrees give (98, 50) and (93, 60). The first round's angles draw 130 mod 16,
    // 1090 mod 24, 7117 mod 16 and 6415 mod 24, each bullet's own draw between them.
    CEnemy e;
    e.Set(134, 480, 42, 0, 0, 0, 0);
    std::vector<const CEBullet*> fired =
        Fire(e, {"42 turret", 0, 0, 42, 0, 0, 530, 530, 134, 200, {}});
    ASSERT_EQ(fired.size(), 2u + 4 * 12);
    fired.resize(6);
    // clang-format off
    Expect(fired,
           {{396, 273, 12.124356, 7.0}, {391, 263, 12.124356, 7.0},
            {411, 298, 8.090170, 5.877853}, {411, 298, 9.328529, 5.829112},
            {406, 288, 9.063077, 4.226184}, {406, 288, 9.010672, 6.309342}}, "42 turret");
    // clang-format on
    EXPECT_EQ(fired[2]->animCount(), 2);  // 10982 mod 3
    EXPECT_EQ(fired[5]->animCount(), 1);  // 22948 mod 3
}

TEST_F(DrawOrderTest, DeathsAndTheirItems) {
    struct Effect {
        int32_t slot;
        int32_t x;
        int32_t y;
        int32_t image;
        double vx;
        double vy;
        int32_t b;
    };
    struct Item {
        int32_t slot;
        int32_t type;
        double vx;
        double vy;
    };
    // Each enemy dies at (x, 300) with the ship below and left of its centre, so the pushes
    // take their first values; the middle ring's slots from 1. Items draw speed before angle.
    // clang-format off
    const struct {
        int32_t kind;
        int32_t x;
        int32_t age;
        std::vector<Effect> mid;
        std::vector<Item> items;
        std::vector<int32_t> missileX;  // missiles 0, 1 and 44
    } rows[] = {
        // Death 0: a1 130, a2 182, d1 10, d2 46; shards 13 and 12; the first spark pair at
        // speed 13.5 along 158 and 146 degrees; items (11, 14) first and (5, 86) last.
        {1, 200, 100,
         {{2, 242, 304, 15, 5.446827, -3.781417, 13}, {3, 202, 304, 15, -1.446827, -3.781417, 12},
          {4, 182, 304, 14, 3.389317, -5.877359, 0}, {5, 219, 300, 18, -12.516982, 7.549104, 0},
          {6, 219, 300, 18, -13.426046, -2.344250, 0}},
         {{1, 0, 10.673253, 2.661141}, {6, 0, 0.348782, 4.987820}}, {}},
        // Death 1: a 130; blasts take the radius before the angle; sparks mirrored.
        {3, 200, 100,
         {{2, 208, 307, 15, -3.370956, 2.209102, 5}, {8, 104, 281, 0, 1, -3, 0},
          {9, 152, 273, 14, 1, -3, 0}, {18, 225, 327, 18, 19.827514, 14.657292, 0},
          {19, 225, 327, 18, -19.827514, 14.657292, 0}},
         {{1, 0, 6.0, 10.392305}, {10, 0, -7.771460, 6.293204}}, {}},
        // Death 2: the shards start half a width up; one item of type 1 at 64 degrees.
        {18, 200, 100,
         {{2, 228, 298, 15, -2.985283, 1.749476, 5}, {11, 274, 342, 0, 1, -3, 0},
          {12, 172, 272, 14, 1, -3, 0}, {25, 245, 300, 18, 1.781416, -12.729880, 0},
          {26, 245, 300, 18, -1.781416, -12.729880, 0}},
         {{1, 1, 1.753485, 3.595176}}, {}},
        // Death 3, kind 36 killed young: 45 missile x values first, then the five points.
        {36, 200, 100,
         {{1, 247, 300, 14, 0, 0, 0}, {2, 277, 327, 17, 6.2, 0, 5}, {20, 227, 232, 14, 0, 0, 0}},
         {}, {264, 212, 461}},
        // Death 4: no missiles; the last number turns the item to 73 degrees.
        {42, 134, 5,
         {{1, 273, 300, 14, 0, 0, 0}, {2, 303, 419, 17, 6.2, 0, 4}, {20, 210, 251, 0, 0, 0, 0}},
         {{1, 2, 1.169487, 3.825219}}, {}},
    };
    // clang-format on
    g_Player.hitX = 100;
    for (const auto& row : rows) {
        g_EffectMannager.Reset();
        g_ItemMannager.Init();
        g_MissileMannager.Init();
        CEnemy e;
        e.Set(row.x, 480, row.kind, 0, 3, 1, 1);
        e.y = 300;
        e.age = row.age;
        SeedRand(1);
        e.Kill();
        for (const Effect& want : row.mid) {
            const CEffect& got = g_EffectMannager.mid[want.slot];
            EXPECT_EQ(got.x, want.x) << row.kind << " effect " << want.slot;
            EXPECT_EQ(got.y, want.y) << row.kind << " effect " << want.slot;
            EXPECT_EQ(got.kind, want.image) << row.kind << " effect " << want.slot;
            EXPECT_NEAR(got.vx, want.vx, 1e-4) << row.kind << " effect " << want.slot;
            EXPECT_NEAR(got.vy, want.vy, 1e-4) << row.kind << " effect " << want.slot;
            EXPECT_EQ(got.paramB, want.b) << row.kind << " effect " << want.slot;
        }
        for (const Item& want : row.items) {
            const CItem& got = g_ItemMannager.items[want.slot];
            EXPECT_EQ(got.kind, want.type) << row.kind << " item " << want.slot;
            EXPECT_NEAR(got.vx, want.vx, 1e-5) << row.kind << " item " << want.slot;
            EXPECT_NEAR(got.vy, want.vy, 1e-5) << row.kind << " item " << want.slot;
        }
        const int32_t missileSlots[3] = {0, 1, 44};
        for (size_t i = 0; i < row.missileX.size(); ++i)
            EXPECT_EQ(g_MissileMannager.missiles[missileSlots[i]].x, row.missileX[i]);
    }
}

TEST_F(DrawOrderTest, EngineTrailsOnTheBackRing) {
    struct Trail {
        int32_t x, y, image2, b, a;
    };
    // Each enemy stands at (200, 300) for one frame at `age` on stage 3; its first back-ring
    // effects, all image 8 standing still. Half widths: kind 10 65, kind 18 48, kind 29 43, kind
    // 36 97.
    // clang-format off
    const struct {
        int32_t kind;
        int32_t age;
        std::vector<Trail> trails;
    } rows[] = {
        {10, 60, {{215, 300, 1, 1, 1}}},
        {18, 60, {{206, 310, 7, 4, 1}, {146, 290, 7, 4, 1}, {271, 290, 7, 4, 1},
                  {156, 350, 7, 4, 1}, {266, 350, 7, 4, 1}}},
        {29, 60, {{178, 290, 10, 1, 1}}},
        {36, 100, {{157, 310, 25, 0, 1}}},
    };
    // clang-format on
    for (const auto& row : rows) {
        CEnemy e;
        e.Set(200, 480, row.kind, 0, 0, 0, 0);
        g_nStage = 3;
        while (e.age < row.age - 1)
            e.Act();
        e.x = 200;
        e.y = 300;
        e.vx = 0;
        e.vy = 0;
        g_EffectMannager.Reset();  // the frame's first effect lands in slot 1
        e.Act();
        for (size_t i = 0; i < row.trails.size(); ++i) {
            const CEffect& got = g_EffectMannager.back[i + 1];
            const Trail& want = row.trails[i];
            EXPECT_EQ(got.x, want.x) << row.kind << " trail " << i;
            EXPECT_EQ(got.y, want.y) << row.kind << " trail " << i;
            EXPECT_EQ(got.kind, 8) << row.kind << " trail " << i;
            EXPECT_EQ(got.image2, want.image2) << row.kind << " trail " << i;
            EXPECT_EQ(got.paramB, want.b) << row.kind << " trail " << i;
            EXPECT_EQ(got.paramA, want.a) << row.kind << " trail " << i;
        }
    }
}

}  // namespace
