#include "app/daily/dailydice.h"

namespace {

// Neighbouring days start their generators close together, and a generator's first draws from
// close states are close too: the two states are stirred (the avalanche of MurmurHash3's last
// step) so that each bit of a roll hangs on every bit of both.
uint32_t Scramble(uint32_t h)
{
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    return h ^ (h >> 16);
}

} // namespace

DailyDice::DailyDice(int32_t dayNumber, uint32_t stream) : random_(Generators(dayNumber, stream)) {}

RandomGenerators DailyDice::Generators(int32_t dayNumber, uint32_t stream)
{
    const uint32_t day = static_cast<uint32_t>(dayNumber);
    RandomGenerators random;
    random.RandomSeed(static_cast<double>(day * kStreams + stream % kStreams + 1));
    random.SeedRuntimeRandom(0x80000000u + day);
    return random;
}

int DailyDice::Roll(int lo, int hi)
{
    if (hi <= lo)
        return lo;
    random_.Random01();
    random_.RuntimeRand();
    // The minimal generator's state is a whole number below 2^31, held exactly in its double.
    const uint32_t minimal = static_cast<uint32_t>(random_.RandomState());
    const uint32_t mixed = Scramble(minimal * 0x9E3779B1u ^ random_.RuntimeRandomState());
    const uint32_t span = static_cast<uint32_t>(hi - lo) + 1u;
    return lo + static_cast<int>(mixed % span);
}
