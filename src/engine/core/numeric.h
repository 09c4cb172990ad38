#pragma once
// Float-to-integer conversions that are defined for every input: values beyond the target
// range saturate and NaN becomes 0. Truncation is toward zero, as a C cast would do.
#include <cmath>
#include <cstdint>

inline int64_t TruncToInt64(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9.2233720368547748e18)
        return INT64_MAX;
    if (value <= -9.2233720368547758e18)
        return INT64_MIN;
    return static_cast<int64_t>(value);
}

inline int32_t TruncToInt32(double value)
{
    const int64_t wide = TruncToInt64(value);
    if (wide > INT32_MAX)
        return INT32_MAX;
    if (wide < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(wide);
}

// Wraps a 64-bit result into 32 bits the way 32-bit arithmetic would.
inline int32_t Wrap32(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value))); }

// a + b in 32 bits, wrapping around as 32-bit arithmetic does.
inline int32_t WrappingSum(int32_t a, int64_t b) { return Wrap32(static_cast<int64_t>(a) + b); }
