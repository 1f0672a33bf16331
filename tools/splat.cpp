#include "splat.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "bugs.h"
#include "maths.h"
#include "noise.h"
#include "random.h"
#include "shading.h"

namespace {

constexpr Rgb kRim{22, 18, 14};
constexpr double kCentreX = (kBugWidth - 1) / 2.0;
constexpr double kCentreY = (kBugHeight - 1) / 2.0;

struct Drop {
    double x, y, radius;
};

// A ragged outline: a few high harmonics make the splash's fingers.
class Puddle {
public:
    explicit Puddle(Random& random)
    {
        for (Ripple& ripple : ripples_)
            ripple = {random.between(0.05, 0.13), random.between(0.0, 2 * kPi)};
    }

    double radiusAt(double angle) const
    {
        double radius = 9.0;
        for (std::size_t i = 0; i < ripples_.size(); ++i)
            radius += 7.0 * ripples_[i].amount * std::sin((i + 3) * angle + ripples_[i].phase);
        return radius;
    }

private:
    struct Ripple {
        double amount, phase;
    };
    std::array<Ripple, 4> ripples_{};
};

void shadeBlob(Image& splat, double centreX, double centreY, double radius, Rgb goo, const ValueNoise& noise)
{
    for (int y = 0; y < splat.height(); ++y)
        for (int x = 0; x < splat.width(); ++x) {
            const double dx = (x - centreX) / radius;
            const double dy = (y - centreY) / radius;
            if (dx * dx + dy * dy > 1.0)
                continue;
            // A flat puddle: only the rim slopes much.
            const Rgb guts = mixed(goo, scaled(goo, 0.55), smoothstep(0.45, 0.75, noise.fractal(x / 5.0, y / 5.0, 2)));
            const double light = 0.55 + 0.55 * domeLight(dx * 0.8, dy * 0.8);
            const double shine = 200.0 * domeGlint(dx * 0.8, dy * 0.8, 60.0);
            splat.set(x, y, brightened(scaled(guts, light), shine));
        }
}

void shadePuddle(Image& splat, const Puddle& puddle, Rgb goo, const ValueNoise& noise)
{
    for (int y = 0; y < splat.height(); ++y)
        for (int x = 0; x < splat.width(); ++x) {
            const double dx = x - kCentreX;
            const double dy = y - kCentreY;
            const double reach = puddle.radiusAt(std::atan2(dy, dx));
            const double depth = std::hypot(dx, dy) / reach;
            if (depth > 1.0)
                continue;
            const Rgb guts = mixed(goo, scaled(goo, 0.5), smoothstep(0.5, 0.8, noise.fractal(x / 4.0, y / 4.0, 3)));
            const double light = 0.5 + 0.6 * domeLight(dx / reach * 0.85, dy / reach * 0.85);
            splat.set(x, y, scaled(guts, light));
        }
}

void flingDrops(Image& splat, Random& random, Rgb goo, const ValueNoise& noise)
{
    const int drops = 7 + random.below(3);
    for (int i = 0; i < drops; ++i) {
        const double angle = random.between(0.0, 2 * kPi);
        const double distance = random.between(11.0, 15.5);
        const double radius = random.between(1.0, 2.4);
        // Whole drops only: one cut by the cell's edge would show a straight side.
        const double margin = radius + 1.5;
        const double x = std::clamp(kCentreX + std::cos(angle) * distance, margin, kBugWidth - 1 - margin);
        const double y = std::clamp(kCentreY + std::sin(angle) * distance * 1.1, margin, kBugHeight - 1 - margin);
        shadeBlob(splat, x, y, radius, goo, noise);
    }
}

void scatterLegs(Image& splat, Random& random, Rgb legs)
{
    for (int i = 0; i < 4; ++i) {
        const double angle = random.between(0.0, 2 * kPi);
        const double distance = random.between(6.0, 11.0);
        const int x = nearest(kCentreX + std::cos(angle) * distance);
        const int y = nearest(kCentreY + std::sin(angle) * distance);
        const double bend = angle + random.between(-1.2, 1.2);
        const int kneeX = x + nearest(std::cos(bend) * 3);
        const int kneeY = y + nearest(std::sin(bend) * 3);
        drawLine(splat, x, y, kneeX, kneeY, legs);
        drawLine(splat, kneeX, kneeY, kneeX + nearest(std::cos(angle) * 3), kneeY + nearest(std::sin(angle) * 3), legs);
    }
}

} // namespace

Image renderSplat(Rgb goo, Rgb legs, std::uint64_t seed)
{
    Random random(seed);
    const ValueNoise noise(random.next());
    const Puddle puddle(random);
    Image splat(kBugWidth, kBugHeight, kMagenta);
    scatterLegs(splat, random, legs);
    shadePuddle(splat, puddle, goo, noise);
    flingDrops(splat, random, goo, noise);
    // Glossy bubbles of goo on the puddle.
    for (int i = 0; i < 3; ++i)
        shadeBlob(splat, kCentreX + random.between(-4.0, 4.0), kCentreY + random.between(-4.0, 4.0),
                  random.between(2.0, 3.5), scaled(goo, 1.15), noise);
    addOutline(splat, kMagenta, kRim);
    return splat;
}
