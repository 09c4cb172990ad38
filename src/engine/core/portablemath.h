#pragma once
// The sine, cosine and arc tangent the world's results depend on (aim, muzzle points, robots'
// turns, particles' motion), all from one implementation, musl's, compiled into every build (see
// third_party/musl). The C libraries' own functions differ in their last bit from one library to
// another, and where such a bit reaches the world, a native and a WebAssembly build play
// different games from the same seed and input.
#include "muslmath.h"

namespace kolm {

inline float Sin(float x) { return musl_sinf(x); }
inline float Cos(float x) { return musl_cosf(x); }
inline float Atan2(float y, float x) { return musl_atan2f(y, x); }
inline double Atan2(double y, double x) { return musl_atan2(y, x); }

} // namespace kolm
