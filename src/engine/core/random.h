#pragma once
// The game's two random generators, held together by whoever draws from them and handed down
// to what draws on its behalf: the world's facade owns the generators of a game phase (its
// worlds, their effects and particles, and the overlay's particles draw from them), and tests
// and tools own their own. Nothing draws from a generator it was not given, so the same seeds
// and the same timed inputs always give the same world.
//
// - The minimal standard generator (Random01, RandomFloat, RandomVector), Schrage's form.
// - The "runtime" generator behind RandomInt: a 15-bit linear congruential generator
//   (0 .. 32767, the classic C runtime's constants), kept here rather than taken from the C
//   library so that a seed gives the same sequence on every platform.
//
// The two are independent: a draw from one never moves the other.
#include "engine/core/vectormath.h"

#include <cstdint>

class RandomGenerators {
public:
    // Both generators seeded with seed, as the tools' -seed and the headless game seed them.
    explicit RandomGenerators(uint32_t seed = 1);
    // Both seeded from the calendar time, as the game seeds them where a game phase starts.
    static RandomGenerators FromClock();

    // The minimal standard generator's state; a seed outside 1 .. 2147483646 is reduced into
    // that range (0 would freeze the generator).
    void RandomSeed(double seed);
    double Random01();
    // lo + (hi - lo) * Random01(), in single precision; either order of lo and hi works.
    float RandomFloat(float lo, float hi);
    // A point of the square (-1, -1) .. (1, 1): y drawn first, then x.
    vector2 RandomVector();

    // The runtime generator: SeedRuntimeRandom is what srand was, RuntimeRand what rand was.
    void SeedRuntimeRandom(uint32_t seed);
    int RuntimeRand();
    // lo + RuntimeRand() mod (hi - lo + 1): lo .. hi inclusive; lo itself when hi < lo.
    int RandomInt(int lo, int hi);

    // The generators' raw states, for digests and tests.
    double RandomState() const { return minimalState_; }
    uint32_t RuntimeRandomState() const { return runtimeState_; }

    template <typename Archive>
    void Keep(Archive& archive)
    {
        archive.Value(minimalState_);
        archive.Value(runtimeState_);
    }

private:
    double minimalState_ = 1.0;
    uint32_t runtimeState_ = 1;
};
