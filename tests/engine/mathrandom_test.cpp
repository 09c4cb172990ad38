#include "engine/random.h"
#include "engine/vectormath.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(MinimalStandardGenerator, FollowsTheExactSequenceFromAKnownState)
{
    RandomSeed(1);
    EXPECT_DOUBLE_EQ(Random01(), 16807 * 4.656612875e-10);
    EXPECT_EQ(RandomState(), 16807.0);
    Random01();
    EXPECT_EQ(RandomState(), 282475249.0);

    // The generator's well-known check value: from state 1, the 10000th state is 1043618065.
    RandomSeed(1);
    for (int i = 0; i < 10000; ++i)
        Random01();
    EXPECT_EQ(RandomState(), 1043618065.0);
}

TEST(MinimalStandardGenerator, StaysStrictlyInsideTheUnitIntervalNearTheEdges)
{
    for (double seed : {1.0, 2147483646.0, 127773.0, 127774.0}) {
        RandomSeed(seed);
        for (int i = 0; i < 1000; ++i) {
            const double r = Random01();
            ASSERT_GT(r, 0.0);
            ASSERT_LT(r, 1.0);
        }
    }
}

TEST(MinimalStandardGenerator, SeedsOutsideTheStateRangeAreReducedIntoIt)
{
    for (double seed : {0.0, -5.0, 2147483647.0, 4e9, 1e300, -1e300}) {
        RandomSeed(seed);
        EXPECT_GE(RandomState(), 1.0) << seed;
        EXPECT_LE(RandomState(), 2147483646.0) << seed;
        const double before = RandomState();
        Random01();
        EXPECT_NE(RandomState(), before) << "generator frozen for seed " << seed;
    }
    RandomSeed(12345);
    EXPECT_EQ(RandomState(), 12345.0);
}

TEST(RuntimeGenerator, GivesTheClassicSequenceForSeedOne)
{
    SeedRuntimeRandom(1);
    EXPECT_EQ(RuntimeRand(), 41);
    EXPECT_EQ(RuntimeRand(), 18467);
    EXPECT_EQ(RuntimeRand(), 6334);
}

TEST(RandomRanges, IntsAndFloatsStayInsideTheirBounds)
{
    SeedRuntimeRandom(7);
    RandomSeed(99);
    EXPECT_EQ(RandomInt(3, 3), 3);
    bool saw[2] = {false, false};
    for (int i = 0; i < 200; ++i) {
        const int n = RandomInt(0, 1);
        ASSERT_TRUE(n == 0 || n == 1);
        saw[n] = true;
        const int m = RandomInt(-10, 2);
        ASSERT_GE(m, -10);
        ASSERT_LE(m, 2);
    }
    EXPECT_TRUE(saw[0] && saw[1]);

    EXPECT_EQ(RandomFloat(2.0f, 2.0f), 2.0f);
    for (int i = 0; i < 1000; ++i) {
        const float f = RandomFloat(5.0f, 1.0f);
        ASSERT_GE(f, 1.0f);
        ASSERT_LE(f, 5.0f);
        const vector2 v = RandomVector();
        ASSERT_LE(std::fabs(v.x), 1.0f);
        ASSERT_LE(std::fabs(v.y), 1.0f);
    }
}

TEST(RandomVector, DrawsYBeforeX)
{
    RandomSeed(1);
    const float first = RandomFloat(-1.0f, 1.0f);
    const float second = RandomFloat(-1.0f, 1.0f);
    RandomSeed(1);
    const vector2 v = RandomVector();
    EXPECT_EQ(v.y, first);
    EXPECT_EQ(v.x, second);
}

TEST(VectorMath, NormalizedRotateAndClamp)
{
    EXPECT_EQ(Normalized(vector2(0, 0)), vector2(0, 0));
    const vector2 n = Normalized(vector2(3, 4));
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    EXPECT_FLOAT_EQ(n.y, 0.8f);

    // A quarter turn takes +x to +y: downwards, clockwise on screen.
    const vector2 r = Rotate(vector2(1, 0), 1.5707963f);
    EXPECT_NEAR(r.x, 0.0f, 1e-6f);
    EXPECT_NEAR(r.y, 1.0f, 1e-6f);
    const vector2 around = RotateAround(vector2(2, 1), vector2(1, 1), 3.14159265f);
    EXPECT_NEAR(around.x, 0.0f, 1e-5f);
    EXPECT_NEAR(around.y, 1.0f, 1e-5f);

    EXPECT_EQ(Clamp(1.7f, 0.0f, 1.0f), 1.0f);
    EXPECT_EQ(Clamp(-3.0f, 0.0f, 1.0f), 0.0f);
    EXPECT_EQ(Clamp(0.25f, 0.0f, 1.0f), 0.25f);
}
