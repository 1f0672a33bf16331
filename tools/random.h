#ifndef ROCKJAW_TOOLS_RANDOM_H
#define ROCKJAW_TOOLS_RANDOM_H

#include <cstdint>

// SplitMix64: a fixed, tiny generator, so every build draws the same pictures
// (std::rand's sequence differs between C libraries).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        return mix(state_);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double between(double low, double high) { return low + (high - low) * unit(); }
    // Uniform in [0, count).
    int below(int count) { return static_cast<int>(unit() * count); }

    // The SplitMix64 finaliser, also used as a stateless hash.
    static std::uint64_t mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

#endif
