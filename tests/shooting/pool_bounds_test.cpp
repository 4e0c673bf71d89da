#include <gtest/gtest.h>

#include "shooting/bullet.h"
#include "shooting/item.h"
#include "shooting/killer_shot.h"

namespace {

// An index just outside a pool, on either side, is ignored by every operation that takes one;
// the sanitizer build stops on any that reaches past the pool.
TEST(PoolBounds, IndicesOutsideThePoolsAreIgnored) {
    CImage32 dest;
    dest.Create(640, 480);
    const int32_t outside[][2] = {{-1, 200}, {-1, 1000}, {-1, 10}};
    for (const int32_t i : outside[0]) {
        g_BulletMannager.Move(i);
        g_BulletMannager.Draw(i, dest);
    }
    for (const int32_t i : outside[1]) {
        g_ItemMannager.Move(i);
        g_ItemMannager.Draw(i, dest);
    }
    for (const int32_t i : outside[2]) {
        g_KillerShotMannager.Move(i);
        g_KillerShotMannager.Draw(i, dest);
    }
    // Shot kinds -1..2 have sheets 0..3.
    EXPECT_EQ(g_BulletMannager.GetImage(-2), nullptr);
    EXPECT_EQ(g_BulletMannager.GetImage(-1), &g_BulletMannager.images[0]);
    EXPECT_EQ(g_BulletMannager.GetImage(2), &g_BulletMannager.images[3]);
    EXPECT_EQ(g_BulletMannager.GetImage(3), nullptr);
}

}  // namespace
