#ifndef ROCKJAW_TOOLS_MATHS_H
#define ROCKJAW_TOOLS_MATHS_H

#include <cmath>

constexpr double kPi = 3.14159265358979323846;

// Pictures are drawn with real coordinates and land on the nearest pixel.
inline int nearest(double value)
{
    return static_cast<int>(std::lround(value));
}

#endif
