#pragma once
// 16.16 fixed point for character positions and velocities: 65536 is one pixel. Everything here
// is defined for every input, so the same inputs give the same world on every machine: a float
// converted to fixed saturates at the 32-bit limits, while products and sums wrap around in 32
// bits as the game's arithmetic always has, and no negative value is ever shifted.
#include "engine/numeric.h"

#include <cstdint>

using fixed = int32_t;

constexpr fixed kFixedOne = 65536;

// A float becomes fixed by multiplying by 65536 and truncating toward zero.
inline fixed ToFixed(double value) { return TruncToInt32(value * 65536.0); }

inline float ToFloat(fixed value) { return static_cast<float>(value * 0.0000152587890625); }

// Arithmetic (flooring) right shift of a signed value, written without shifting a negative.
inline int64_t ShiftRight(int64_t value, int bits)
{
    return value >= 0 ? value >> bits : ~(~value >> bits);
}

// Wraps a 64-bit result into 32 bits the way 32-bit arithmetic would.
inline int32_t Wrap32(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value))); }

// The fixed product: the 64-bit product shifted right by 16.
inline fixed FixedMul(fixed a, fixed b) { return Wrap32(ShiftRight(static_cast<int64_t>(a) * b, 16)); }

// The player's damping product: (trunc(factor * 65536) >> 8) * (v >> 8), in 32 bits.
inline fixed DampFixed(fixed v, float factor)
{
    const int64_t f = ShiftRight(ToFixed(factor), 8);
    return Wrap32(f * ShiftRight(v, 8));
}

struct FixedPoint {
    fixed x = 0;
    fixed y = 0;
};
