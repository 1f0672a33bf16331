#ifndef ROCKJAW_TOOLS_NOISE_H
#define ROCKJAW_TOOLS_NOISE_H

#include <cstdint>

// Smooth value noise on an integer lattice; every value lies in [0, 1).
class ValueNoise {
public:
    explicit ValueNoise(std::uint64_t seed) : seed_(seed) {}

    // A fresh value at every lattice point: per-pixel grain.
    double grain(int x, int y) const;
    // One octave, smoothly interpolated between lattice points.
    double smooth(double x, double y) const;
    // Octaves of halving size and weight, normalised back to [0, 1).
    double fractal(double x, double y, int octaves) const;

private:
    std::uint64_t seed_;
};

double smoothstep(double edge0, double edge1, double value);

#endif
