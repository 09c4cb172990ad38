// The game's two random generators: the minimal standard generator and the 15-bit runtime one.
#include "engine/core/random.h"

#include <cmath>
#include <ctime>

namespace {

constexpr int32_t kModulus = 2147483647;

// A state of the minimal standard generator must lie in 1 .. 2147483646; any other seed
// (0, negative, a time from 2038 on, not a number) is reduced into that range instead of
// freezing the generator at 0.
double ReduceSeed(double seed)
{
    if (!std::isfinite(seed))
        return 1.0;
    double s = std::trunc(seed);
    if (s >= 1.0 && s <= kModulus - 1.0)
        return s;
    s = std::fmod(s, kModulus - 1.0);
    if (s <= 0.0)
        s += kModulus - 1.0;
    return s;
}

} // namespace

RandomGenerators::RandomGenerators(uint32_t seed)
{
    RandomSeed(seed);
    SeedRuntimeRandom(seed);
}

RandomGenerators RandomGenerators::FromClock() { return RandomGenerators(static_cast<uint32_t>(std::time(nullptr))); }

void RandomGenerators::RandomSeed(double seed) { minimalState_ = ReduceSeed(seed); }

double RandomGenerators::Random01()
{
    const int32_t s = static_cast<int32_t>(minimalState_);
    const int32_t hi = s / 127773;
    // 16807 * s - hi * 2147483647 in 32-bit wrapping arithmetic, done unsigned.
    const uint32_t wrapped = 16807u * static_cast<uint32_t>(s) - static_cast<uint32_t>(hi) * 2147483647u;
    int64_t t = static_cast<int32_t>(wrapped);
    if (t <= 0)
        t += kModulus;
    minimalState_ = static_cast<double>(t);
    return static_cast<double>(t) * 4.656612875e-10;
}

float RandomGenerators::RandomFloat(float lo, float hi)
{
    const float r = static_cast<float>(Random01());
    return lo + (hi - lo) * r;
}

vector2 RandomGenerators::RandomVector()
{
    const float y = RandomFloat(-1.0f, 1.0f);
    const float x = RandomFloat(-1.0f, 1.0f);
    return vector2(x, y);
}

void RandomGenerators::SeedRuntimeRandom(uint32_t seed) { runtimeState_ = seed; }

int RandomGenerators::RuntimeRand()
{
    runtimeState_ = runtimeState_ * 214013u + 2531011u;
    return static_cast<int>((runtimeState_ >> 16) & 0x7FFFu);
}

int RandomGenerators::RandomInt(int lo, int hi)
{
    const int64_t span = static_cast<int64_t>(hi) - lo + 1;
    if (span <= 0)
        return lo;
    return static_cast<int>(lo + RuntimeRand() % span);
}
