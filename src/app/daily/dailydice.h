#pragma once
// The dice of a daily level: the game's own two random generators (engine/core/random.h), their
// states set straight from the day's number rather than through a seed, and whole numbers drawn
// from both at once, so that the same day gives the same level on every machine and in the page.
//
// A seed (the tools' "-seed N", 32 bits) puts both generators in states that agree: the minimal
// standard one in N reduced into 1 .. 2147483646, the runtime one in N. A day's dice are set
// apart from every seed: the runtime generator in 2^31 + the day's number, which a seed of that
// value would pair with a minimal state of the day's number + 2, and the minimal generator in
// 64 x the day's number + the stream + 1, which is never that for a day from 1970 on. Each
// stream (0 to 63) is a sequence of its own: the candidates of the day's level take streams 0 to
// 62, the world of the day's play stream 63.
#include "engine/core/random.h"

#include <cstdint>

class DailyDice {
public:
    static constexpr uint32_t kStreams = 64;
    static constexpr uint32_t kPlayStream = kStreams - 1;

    DailyDice(int32_t dayNumber, uint32_t stream);

    // The generators of a day's stream, as a world starts from them.
    static RandomGenerators Generators(int32_t dayNumber, uint32_t stream);

    // lo .. hi inclusive (lo when hi < lo): both generators move one draw each.
    int Roll(int lo, int hi);
    // True with a chance of percent in 100.
    bool Chance(int percent) { return Roll(0, 99) < percent; }

private:
    RandomGenerators random_;
};
