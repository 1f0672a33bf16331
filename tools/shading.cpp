#include "shading.h"

#include <algorithm>
#include <cmath>

namespace {

struct Direction {
    double x, y, z;
};

Direction normalised(double x, double y, double z)
{
    const double length = std::sqrt(x * x + y * y + z * z);
    return {x / length, y / length, z / length};
}

const Direction kLight = normalised(-0.55, -0.7, 0.75);
// Halfway between the light and the viewer, who looks straight down.
const Direction kHalfway = normalised(kLight.x, kLight.y, kLight.z + 1.0);

double domeHeight(double dx, double dy)
{
    return std::sqrt(std::max(0.0, 1.0 - dx * dx - dy * dy));
}

} // namespace

double diffuseLight(double nx, double ny, double nz)
{
    const Direction n = normalised(nx, ny, nz);
    return std::max(0.0, n.x * kLight.x + n.y * kLight.y + n.z * kLight.z);
}

double glint(double nx, double ny, double nz, double sharpness)
{
    const Direction n = normalised(nx, ny, nz);
    const double facing = std::max(0.0, n.x * kHalfway.x + n.y * kHalfway.y + n.z * kHalfway.z);
    return std::pow(facing, sharpness);
}

double domeLight(double dx, double dy)
{
    return diffuseLight(dx, dy, domeHeight(dx, dy));
}

double domeGlint(double dx, double dy, double sharpness)
{
    return glint(dx, dy, domeHeight(dx, dy), sharpness);
}
