#pragma once
// The generator's own small random source (splitmix64). Every picture and sound seeds its own
// Rng with a fixed number, so the generated files are the same bytes on every run.
#include <cstdint>

class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    uint64_t Next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform in [-amount, amount).
    double Jitter(double amount) { return Range(-amount, amount); }
    // Uniform integer in [lo, hi].
    int Int(int lo, int hi)
    {
        const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
        return static_cast<int>(lo + static_cast<int64_t>(Next() % span));
    }
    bool Chance(double p) { return Unit() < p; }

private:
    uint64_t state_;
};
