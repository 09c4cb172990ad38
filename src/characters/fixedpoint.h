#pragma once
// 16.16 fixed point for character positions and velocities: 65536 is one pixel. Everything here
// is defined for every input, so the same inputs give the same world on every machine: a float
// converted to fixed saturates at the 32-bit limits, while products, sums and differences wrap
// around in 32 bits as the game's arithmetic always has, and no negative value is ever shifted.
#include "engine/core/numeric.h"

#include <cstdint>

class Fixed {
public:
    constexpr Fixed() = default;
    static constexpr Fixed FromRaw(int32_t raw) { return Fixed(raw); }
    constexpr int32_t Raw() const { return raw_; }

    friend Fixed operator+(Fixed a, Fixed b) { return Fixed(WrappingSum(a.raw_, b.raw_)); }
    friend Fixed operator-(Fixed a, Fixed b) { return Fixed(WrappingSum(a.raw_, -static_cast<int64_t>(b.raw_))); }
    Fixed& operator+=(Fixed b) { return *this = *this + b; }
    friend bool operator==(Fixed a, Fixed b) { return a.raw_ == b.raw_; }
    friend bool operator!=(Fixed a, Fixed b) { return a.raw_ != b.raw_; }
    friend bool operator<(Fixed a, Fixed b) { return a.raw_ < b.raw_; }
    friend bool operator>(Fixed a, Fixed b) { return a.raw_ > b.raw_; }

private:
    constexpr explicit Fixed(int32_t raw) : raw_(raw) {}
    int32_t raw_ = 0;
};

constexpr Fixed kFixedOne = Fixed::FromRaw(65536);

// A float becomes fixed by multiplying by 65536 and truncating toward zero.
inline Fixed ToFixed(double value) { return Fixed::FromRaw(TruncToInt32(value * 65536.0)); }

inline float ToFloat(Fixed value) { return static_cast<float>(value.Raw() * 0.0000152587890625); }

// Arithmetic (flooring) right shift of a signed value, written without shifting a negative.
inline int64_t ShiftRight(int64_t value, int bits)
{
    return value >= 0 ? value >> bits : ~(~value >> bits);
}

// The fixed product: the 64-bit product shifted right by 16.
inline Fixed FixedMul(Fixed a, Fixed b)
{
    return Fixed::FromRaw(Wrap32(ShiftRight(static_cast<int64_t>(a.Raw()) * b.Raw(), 16)));
}

// The player's damping product: (trunc(factor * 65536) >> 8) * (v >> 8), in 32 bits.
inline Fixed DampFixed(Fixed v, float factor)
{
    const int64_t f = ShiftRight(ToFixed(factor).Raw(), 8);
    return Fixed::FromRaw(Wrap32(f * ShiftRight(v.Raw(), 8)));
}

struct FixedPoint {
    Fixed x;
    Fixed y;
};
