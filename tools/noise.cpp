#include "noise.h"

#include <algorithm>
#include <cmath>

#include "random.h"

double ValueNoise::grain(int x, int y) const
{
    const std::uint64_t cell = static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32 |
                               static_cast<std::uint32_t>(y);
    return static_cast<double>(Random::mix(cell ^ seed_) >> 11) * 0x1.0p-53;
}

double ValueNoise::smooth(double x, double y) const
{
    const double cellX = std::floor(x);
    const double cellY = std::floor(y);
    const int left = static_cast<int>(cellX);
    const int top = static_cast<int>(cellY);
    const double u = smoothstep(0.0, 1.0, x - cellX);
    const double v = smoothstep(0.0, 1.0, y - cellY);
    const double upper = grain(left, top) + (grain(left + 1, top) - grain(left, top)) * u;
    const double lower =
        grain(left, top + 1) + (grain(left + 1, top + 1) - grain(left, top + 1)) * u;
    return upper + (lower - upper) * v;
}

double ValueNoise::fractal(double x, double y, int octaves) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        // Offsetting each octave keeps lattice points from lining up.
        sum += weight * smooth(x + octave * 17.31, y - octave * 9.77);
        total += weight;
        weight *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / total;
}

double smoothstep(double edge0, double edge1, double value)
{
    const double t = std::clamp((value - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}
