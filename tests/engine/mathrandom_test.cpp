// The random generators' exact sequences and ranges, and the shared vector math.
#include "engine/core/random.h"
#include "engine/core/vectormath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ctime>

TEST(MinimalStandardGenerator, FollowsTheExactSequenceFromAKnownState)
{
    RandomGenerators random;
    random.RandomSeed(1);
    EXPECT_DOUBLE_EQ(random.Random01(), 16807 * 4.656612875e-10);
    EXPECT_EQ(random.RandomState(), 16807.0);
    random.Random01();
    EXPECT_EQ(random.RandomState(), 282475249.0);

    // The generator's well-known check value: from state 1, the 10000th state is 1043618065.
    random.RandomSeed(1);
    for (int i = 0; i < 10000; ++i)
        random.Random01();
    EXPECT_EQ(random.RandomState(), 1043618065.0);
}

TEST(MinimalStandardGenerator, StaysStrictlyInsideTheUnitIntervalNearTheEdges)
{
    RandomGenerators random;
    for (double seed : {1.0, 2147483646.0, 127773.0, 127774.0}) {
        random.RandomSeed(seed);
        for (int i = 0; i < 1000; ++i) {
            const double r = random.Random01();
            ASSERT_GT(r, 0.0);
            ASSERT_LT(r, 1.0);
        }
    }
}

TEST(MinimalStandardGenerator, SeedsOutsideTheStateRangeAreReducedIntoIt)
{
    RandomGenerators random;
    for (double seed : {0.0, -5.0, 2147483647.0, 4e9, 1e300, -1e300}) {
        random.RandomSeed(seed);
        EXPECT_GE(random.RandomState(), 1.0) << seed;
        EXPECT_LE(random.RandomState(), 2147483646.0) << seed;
        const double before = random.RandomState();
        random.Random01();
        EXPECT_NE(random.RandomState(), before) << "generator frozen for seed " << seed;
    }
    random.RandomSeed(12345);
    EXPECT_EQ(random.RandomState(), 12345.0);
}

TEST(RuntimeGenerator, GivesTheClassicSequenceForSeedOne)
{
    RandomGenerators random;
    random.SeedRuntimeRandom(1);
    EXPECT_EQ(random.RuntimeRand(), 41);
    EXPECT_EQ(random.RuntimeRand(), 18467);
    EXPECT_EQ(random.RuntimeRand(), 6334);
}

TEST(RandomRanges, IntsAndFloatsStayInsideTheirBounds)
{
    RandomGenerators random;
    random.SeedRuntimeRandom(7);
    random.RandomSeed(99);
    EXPECT_EQ(random.RandomInt(3, 3), 3);
    bool saw[2] = {false, false};
    for (int i = 0; i < 200; ++i) {
        const int n = random.RandomInt(0, 1);
        ASSERT_TRUE(n == 0 || n == 1);
        saw[n] = true;
        const int m = random.RandomInt(-10, 2);
        ASSERT_GE(m, -10);
        ASSERT_LE(m, 2);
    }
    EXPECT_TRUE(saw[0] && saw[1]);

    EXPECT_EQ(random.RandomFloat(2.0f, 2.0f), 2.0f);
    for (int i = 0; i < 1000; ++i) {
        const float f = random.RandomFloat(5.0f, 1.0f);
        ASSERT_GE(f, 1.0f);
        ASSERT_LE(f, 5.0f);
        const vector2 v = random.RandomVector();
        ASSERT_LE(std::fabs(v.x), 1.0f);
        ASSERT_LE(std::fabs(v.y), 1.0f);
    }
}

TEST(RandomVector, DrawsYBeforeX)
{
    RandomGenerators random;
    random.RandomSeed(1);
    const float first = random.RandomFloat(-1.0f, 1.0f);
    const float second = random.RandomFloat(-1.0f, 1.0f);
    random.RandomSeed(1);
    const vector2 v = random.RandomVector();
    EXPECT_EQ(v.y, first);
    EXPECT_EQ(v.x, second);
}

TEST(RandomGenerators, ASeedStartsBothGeneratorsAndEachDrawsFromItsOwn)
{
    RandomGenerators seeded(77);
    EXPECT_EQ(seeded.RandomState(), 77.0);
    EXPECT_EQ(seeded.RuntimeRandomState(), 77u);
    seeded.RandomInt(0, 9);
    EXPECT_EQ(seeded.RandomState(), 77.0) << "an int moves only the runtime generator";
    const uint32_t runtime = seeded.RuntimeRandomState();
    seeded.RandomFloat(0.0f, 1.0f);
    seeded.RandomVector();
    EXPECT_EQ(seeded.RuntimeRandomState(), runtime) << "floats move only the minimal standard one";

    // Two objects never share a state: a copy goes on from where it was made, on its own.
    RandomGenerators copy = seeded;
    const double next = seeded.Random01();
    EXPECT_EQ(copy.Random01(), next);
    EXPECT_EQ(RandomGenerators().RandomState(), 1.0) << "unseeded objects start from 1";
}

TEST(RandomGenerators, TheClockSeedsBothGeneratorsFromOneReading)
{
    const auto before = static_cast<uint32_t>(std::time(nullptr));
    const RandomGenerators random = RandomGenerators::FromClock();
    const auto after = static_cast<uint32_t>(std::time(nullptr));
    EXPECT_GE(random.RuntimeRandomState(), before);
    EXPECT_LE(random.RuntimeRandomState(), after);
    EXPECT_EQ(random.RandomState(), static_cast<double>(random.RuntimeRandomState()));
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
