#include "rock.h"

#include <array>
#include <cmath>

#include "maths.h"
#include "noise.h"
#include "random.h"
#include "shading.h"

namespace {

constexpr Rgb kRim{34, 30, 28};
constexpr Rgb kGrey{132, 128, 122};
constexpr Rgb kOchre{146, 120, 88};

// The outline: a circle with a few slow bulges, so no two rocks are round.
class RockShape {
public:
    RockShape(Random& random, int size)
        : centreX_((size - 1) / 2.0), centreY_((size - 1) / 2.0), radius_(size * 0.5 - 2.0)
    {
        for (Bulge& bulge : bulges_) {
            bulge = {random.between(0.03, 0.07), random.between(0.0, 2 * kPi)};
            headroom_ += bulge.amount;
        }
    }

    // 0 at the centre, 1 on the outline.
    double depth(double x, double y) const
    {
        const double dx = x - centreX_;
        const double dy = y - centreY_;
        return std::hypot(dx, dy) / radiusAt(std::atan2(dy, dx));
    }
    double offsetX(double x, double y) const { return (x - centreX_) / radiusAt(angle(x, y)); }
    double offsetY(double x, double y) const { return (y - centreY_) / radiusAt(angle(x, y)); }
    double radius() const { return radius_; }

private:
    struct Bulge {
        double amount;
        double phase;
    };

    double angle(double x, double y) const { return std::atan2(y - centreY_, x - centreX_); }
    double radiusAt(double angle) const
    {
        // The bulges never push the outline past the square.
        double scale = 1.0 - headroom_;
        for (std::size_t i = 0; i < bulges_.size(); ++i)
            scale += bulges_[i].amount * std::sin((i + 2) * angle + bulges_[i].phase);
        return radius_ * scale;
    }

    double centreX_;
    double centreY_;
    double radius_;
    double headroom_ = 0.0;
    std::array<Bulge, 3> bulges_{};
};

struct Slope {
    double x, y;
};

// Lumps on the dome come from the slope of a noise field.
Slope lumpSlope(const ValueNoise& lumps, double scale, double x, double y)
{
    auto height = [&](double px, double py) { return lumps.fractal(px * scale, py * scale, 3); };
    return {(height(x + 1, y) - height(x - 1, y)) / (2 * scale), (height(x, y + 1) - height(x, y - 1)) / (2 * scale)};
}

Rgb stoneColour(const ValueNoise& noise, double scale, int x, int y)
{
    const double tint = noise.fractal(x * scale * 1.7 + 40, y * scale * 1.7, 3);
    Rgb stone = mixed(kGrey, kOchre, smoothstep(0.35, 0.7, tint));
    const double speck = noise.grain(x, y);
    if (speck > 0.975)
        return mixed(stone, Rgb{228, 222, 206}, 0.6);
    if (speck < 0.05)
        return scaled(stone, 0.6);
    return scaled(stone, 0.92 + 0.16 * noise.grain(x + 911, y));
}

Rgb rockPixel(const RockShape& shape, const ValueNoise& noise, int x, int y)
{
    const double scale = 4.0 / shape.radius();
    const double dx = shape.offsetX(x, y);
    const double dy = shape.offsetY(x, y);
    const double height = std::sqrt(std::max(0.0, 1.0 - dx * dx - dy * dy));
    const double bumpiness = 0.6;
    const Slope lumps = lumpSlope(noise, scale, x, y);
    const double nx = dx - bumpiness * lumps.x * height;
    const double ny = dy - bumpiness * lumps.y * height;
    const double light = 0.22 + 0.95 * diffuseLight(nx, ny, height);
    const double shine = 38.0 * glint(nx, ny, height, 24.0);
    return brightened(scaled(stoneColour(noise, scale, x, y), light), shine);
}

// A crack is a wandering dark groove whose lower edge catches the light.
void carveCrack(Image& rock, const RockShape& shape, Random& random)
{
    const double radius = shape.radius();
    double angle = random.between(0.0, 2 * kPi);
    double x = (rock.width() - 1) / 2.0 + std::cos(angle) * radius * random.between(0.1, 0.5);
    double y = (rock.height() - 1) / 2.0 + std::sin(angle) * radius * random.between(0.1, 0.5);
    angle = random.between(0.0, 2 * kPi);
    const int length = static_cast<int>(radius * random.between(0.3, 0.6));
    for (int step = 0; step < length && shape.depth(x, y) < 0.88; ++step) {
        const int px = nearest(x);
        const int py = nearest(y);
        if (shape.depth(px + 1, py + 1) < 0.9)
            rock.set(px + 1, py + 1, scaled(rock.at(px + 1, py + 1), 1.25));
        rock.set(px, py, scaled(rock.at(px, py), 0.42));
        angle += random.between(-0.6, 0.6);
        x += std::cos(angle);
        y += std::sin(angle);
    }
}

} // namespace

Image renderBoulder(int size, std::uint64_t seed)
{
    Random random(seed);
    const RockShape shape(random, size);
    const ValueNoise noise(random.next());
    Image rock(size, size, kMagenta);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (shape.depth(x, y) <= 1.0)
                rock.set(x, y, rockPixel(shape, noise, x, y));
    const int cracks = 2 + random.below(2);
    for (int crack = 0; crack < cracks; ++crack)
        carveCrack(rock, shape, random);
    addOutline(rock, kMagenta, kRim);
    return rock;
}
