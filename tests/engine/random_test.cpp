#include <gtest/gtest.h>

#include "engine/random.h"

TEST(Random, SeedOneGivesTheKnownSequence) {
    SeedRand(1);
    const int32_t expected[] = {130, 10982, 1090, 11656, 7117};
    for (int32_t value : expected)
        EXPECT_EQ(Rand(), value);
}

TEST(Random, SeedingDrawsOnceAndResultsStayIn15Bits) {
    SeedRand(12345);
    EXPECT_EQ(RandState(), 12345u * 22695477u + 1u);
    for (int i = 0; i < 1000; ++i) {
        const int32_t value = Rand();
        EXPECT_GE(value, 0);
        EXPECT_LE(value, 0x7FFF);
    }
}
