#pragma once
// The game's two random generators. Gameplay and effects draw only from these, so that the
// same seeds and the same timed inputs always give the same world.
//
// - The minimal standard generator (Random01, RandomFloat, RandomVector), Schrage's form.
// - The "runtime" generator behind RandomInt: a 15-bit linear congruential generator
//   (0 .. 32767, the classic C runtime's constants), kept here rather than taken from the C
//   library so that a seed gives the same sequence on every platform.
#include "engine/vectormath.h"

#include <cstdint>

void RandomSeed(double seed);
double Random01();
int RandomInt(int lo, int hi);
float RandomFloat(float lo, float hi);
vector2 RandomVector();

// The runtime generator: SeedRuntimeRandom is what srand was, RuntimeRand what rand was.
void SeedRuntimeRandom(uint32_t seed);
int RuntimeRand();

// Seeds both generators from the calendar time, as the game does at start-up.
void SeedRandomFromClock();

// The generators' raw states, for digests and tests.
double RandomState();
uint32_t RuntimeRandomState();
