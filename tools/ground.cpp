#include "ground.h"

#include <algorithm>
#include <cmath>

#include "maths.h"
#include "noise.h"
#include "random.h"
#include "shading.h"

namespace {

constexpr Rgb kDarkSoil{74, 54, 38};
constexpr Rgb kLightSoil{122, 94, 64};
constexpr Rgb kMoss{82, 100, 46};
constexpr Rgb kSlate{50, 50, 58};

// The score texts stand on this plaque; its top runs off the screen.
constexpr int kPlaqueLeft = 601;
constexpr int kPlaqueRight = 716;
constexpr int kPlaqueBottom = 80;
constexpr int kPlaqueCorner = 7;

struct GroundNoise {
    ValueNoise soil;
    ValueNoise moss;
    ValueNoise wear;
};

// Whether y lies on a boulder track or within `margin` of one.
bool nearTrack(int y, int margin)
{
    for (int top : kLaneTops)
        if (y >= top - margin && y < top + kLaneHeight + margin)
            return true;
    return false;
}

bool nearPlaque(int x, int y, int margin)
{
    return x >= kPlaqueLeft - margin && y <= kPlaqueBottom + margin;
}

Rgb soilAt(const GroundNoise& noise, int x, int y)
{
    const double patch = noise.soil.fractal(x / 90.0, y / 90.0, 5);
    Rgb soil = mixed(kDarkSoil, kLightSoil, smoothstep(0.25, 0.75, patch));
    soil = scaled(soil, 0.9 + 0.2 * noise.soil.grain(x, y));
    // Grain in the threshold frays the moss's edges.
    const double grain = noise.moss.grain(x, y);
    const double moss = noise.moss.fractal(x / 60.0, y / 60.0, 4) + 0.1 * (grain - 0.5);
    const Rgb tuft = scaled(kMoss, 0.7 + 0.55 * grain);
    return mixed(soil, tuft, 0.9 * smoothstep(0.56, 0.7, moss));
}

// The track a boulder drags: packed, darker earth, mottled, with broken
// scrape marks along it and grit pressed in.
Rgb trackAt(const GroundNoise& noise, int x, int y)
{
    const double patch = noise.soil.fractal(x / 50.0, y / 30.0, 4);
    const Rgb packed = scaled(mixed(kDarkSoil, kLightSoil, smoothstep(0.2, 0.8, patch) * 0.7), 0.74);
    const double scrape = noise.wear.fractal(x / 90.0, y / 1.6, 2) - 0.5;
    const double scrapeShows = smoothstep(0.45, 0.7, noise.wear.fractal(x / 40.0 + 50.0, y / 12.0, 2));
    const double grit = noise.wear.grain(x, y);
    if (grit > 0.985)
        return scaled(packed, 1.45);
    if (grit < 0.015)
        return scaled(packed, 0.6);
    return scaled(packed, 0.94 + 0.3 * scrape * scrapeShows + 0.1 * noise.soil.grain(x + 3, y));
}

// The light on a track's walls: the upper wall faces away from the light and
// the berm above it catches it; the lower wall faces the light.
double trackRelief(const GroundNoise& noise, int x, int y)
{
    const int wobble = nearest(2.0 * noise.wear.smooth(x / 25.0, 7.5) - 1.0);
    for (int top : kLaneTops) {
        const int fromTop = y - top - wobble;
        const int fromBottom = y - (top + kLaneHeight) + wobble;
        if (fromTop >= -3 && fromTop < 0)
            return 1.18;
        if (fromTop >= 0 && fromTop < 4)
            return 0.55 + 0.1 * fromTop;
        if (fromBottom >= -2 && fromBottom < 0)
            return 1.2;
        if (fromBottom >= 0 && fromBottom < 2)
            return 0.8;
    }
    return 1.0;
}

Rgb fieldAt(const GroundNoise& noise, int x, int y)
{
    const Rgb ground = nearTrack(y, 0) ? trackAt(noise, x, y) : soilAt(noise, x, y);
    return scaled(ground, trackRelief(noise, x, y));
}

void layPebble(Image& ground, Random& random, double x, double y, double size)
{
    static constexpr Rgb kStones[] = {{150, 144, 134}, {126, 112, 96}, {170, 160, 140}, {104, 100, 98}};
    const Rgb stone = kStones[random.below(4)];
    const double halfWidth = size;
    const double halfHeight = size * random.between(0.6, 0.9);
    for (int py = static_cast<int>(y - halfHeight) - 1; py <= y + halfHeight + 2; ++py)
        for (int px = static_cast<int>(x - halfWidth) - 1; px <= x + halfWidth + 2; ++px) {
            if (!ground.contains(px, py))
                continue;
            const double u = (px - x) / halfWidth;
            const double v = (py - y) / halfHeight;
            const double shadowU = (px - x - 1.2) / halfWidth;
            const double shadowV = (py - y - 1.2) / halfHeight;
            if (u * u + v * v <= 1.0) {
                const double light = 0.35 + 0.85 * domeLight(u, v);
                ground.set(px, py, brightened(scaled(stone, light), 50.0 * domeGlint(u, v, 20.0)));
            } else if (shadowU * shadowU + shadowV * shadowV <= 1.0) {
                ground.set(px, py, scaled(ground.at(px, py), 0.62));
            }
        }
}

void scatterPebbles(Image& ground, Random& random)
{
    for (int i = 0; i < 420; ++i) {
        const double x = random.between(0.0, kFieldWidth);
        const double y = random.between(0.0, kFieldHeight);
        const int ix = static_cast<int>(x);
        const int iy = static_cast<int>(y);
        if (nearPlaque(ix, iy, 6))
            continue;
        // Boulders grind the tracks down to grit.
        if (nearTrack(iy, 5)) {
            if (random.unit() < 0.3)
                layPebble(ground, random, x, y, random.between(0.8, 1.4));
            continue;
        }
        layPebble(ground, random, x, y, random.between(1.2, 3.8));
    }
}

void plantTuft(Image& ground, Random& random, int x, int y)
{
    const int blades = 3 + random.below(3);
    for (int blade = 0; blade < blades; ++blade) {
        const int lean = random.below(5) - 2;
        const int height = 3 + random.below(4);
        const Rgb green = rgb(80 + random.below(40), 104 + random.below(40), 40 + random.below(20));
        const int root = x + random.below(5) - 2;
        drawLine(ground, root, y, root + lean, y - height, green);
    }
}

void plantGrass(Image& ground, Random& random, const GroundNoise& noise)
{
    for (int planted = 0; planted < 260;) {
        const int x = random.below(kFieldWidth);
        const int y = random.below(kFieldHeight);
        if (nearTrack(y + 2, 8) || nearPlaque(x, y, 8))
            continue;
        ++planted;
        // Grass grows mostly where the moss is.
        if (noise.moss.fractal(x / 60.0, y / 60.0, 4) > 0.5 || random.unit() < 0.25)
            plantTuft(ground, random, x, y);
    }
}

// Signed distance to the plaque's outline, negative inside; only its lower
// corners show, so only they are rounded.
double plaqueDistance(int x, int y)
{
    const double halfWidth = (kPlaqueRight - kPlaqueLeft) / 2.0 - kPlaqueCorner;
    const double dx = std::abs(x - (kPlaqueLeft + kPlaqueRight) / 2.0) - halfWidth;
    const double dy = y - (kPlaqueBottom - kPlaqueCorner);
    if (dx > 0.0 && dy > 0.0)
        return std::hypot(dx, dy) - kPlaqueCorner;
    return std::max(dx, dy) - kPlaqueCorner;
}

// Calm, dark slate with a bevelled rim, so the score reads.
void setPlaque(Image& ground, const GroundNoise& noise)
{
    for (int y = 0; y <= kPlaqueBottom + 4; ++y)
        for (int x = kPlaqueLeft - 1; x < kFieldWidth; ++x) {
            const double distance = plaqueDistance(x, y);
            if (distance > 0.0 && distance <= 3.0 && x > kPlaqueLeft + 2 && y > kPlaqueBottom - 20)
                ground.set(x, y, scaled(ground.at(x, y), 0.6)); // its shadow on the soil
            if (distance > 0.0)
                continue;
            Rgb slate = scaled(kSlate, 0.95 + 0.08 * noise.soil.smooth(x / 9.0, y / 9.0) +
                                           0.04 * noise.soil.grain(x, y));
            if (distance > -1.0)
                slate = Rgb{22, 22, 26};
            else if (distance > -3.0)
                slate = scaled(slate, x < kPlaqueLeft + 4 ? 1.5 : 0.7);
            ground.set(x, y, slate);
        }
}

} // namespace

Image renderGround()
{
    Random random(0x6B6E64);
    const GroundNoise noise{ValueNoise(random.next()), ValueNoise(random.next()), ValueNoise(random.next())};
    Image ground(kFieldWidth, kFieldHeight, kBlack);
    for (int y = 0; y < kFieldHeight; ++y)
        for (int x = 0; x < kFieldWidth; ++x)
            ground.set(x, y, fieldAt(noise, x, y));
    scatterPebbles(ground, random);
    plantGrass(ground, random, noise);
    setPlaque(ground, noise);
    return ground;
}
