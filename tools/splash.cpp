#include "splash.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "bugs.h"
#include "font.h"
#include "ground.h"
#include "maths.h"
#include "noise.h"
#include "random.h"
#include "rock.h"
#include "shading.h"

namespace {

constexpr int kLetterColumns = 5;
constexpr int kLetterRows = 7;
constexpr int kCell = 13;
constexpr int kLogoTop = 12;
constexpr int kSwell = 3;   // rounds the blocky letters out
constexpr int kBevel = 6;   // width of the chiselled slope
constexpr Rgb kStone{152, 142, 126};
constexpr Rgb kMoss{92, 126, 48};
constexpr Rgb kRim{26, 22, 20};

// Letters on a 5 × 7 grid: '#' a full block; 1, 3, 7 and 9 a half block cut
// along the diagonal, keeping the corner at that position of a keypad
// (7 top left, 9 top right, 1 bottom left, 3 bottom right).
using Letter = std::array<std::string_view, kLetterRows>;

constexpr std::array<Letter, 7> kLogo{{
    {"####1", "#...#", "#...#", "####7", "#.#1.", "#.9#1", "#..9#"}, // R
    {"3###1", "#...#", "#...#", "#...#", "#...#", "#...#", "9###7"}, // O
    {"3###1", "#...#", "#....", "#....", "#....", "#...#", "9###7"}, // C
    {"#..3#", "#.3#7", "#3#7.", "###..", "#9#1.", "#.9#1", "#..9#"}, // K
    {"..###", "....#", "....#", "....#", "#...#", "#...#", "9###7"}, // J
    {"3###1", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}, // A
    {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", "9###7"}, // W
}};

// Which pixels belong to the letters.
class Stencil {
public:
    Stencil(int width, int height) : width_(width), height_(height), bits_(width * height, false) {}
    bool at(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[y * width_ + x]; }
    void set(int x, int y) { bits_[y * width_ + x] = true; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    std::vector<bool> bits_;
};

bool blockCovers(char block, double u, double v)
{
    switch (block) {
    case '#':
        return true;
    case '7':
        return u + v < 1.0;
    case '9':
        return v < u;
    case '1':
        return u < v;
    case '3':
        return u + v > 1.0;
    default:
        return false;
    }
}

void stampLetter(Stencil& stencil, const Letter& letter, int left, int top)
{
    for (int y = 0; y < kLetterRows * kCell; ++y)
        for (int x = 0; x < kLetterColumns * kCell; ++x) {
            const char block = letter[y / kCell][x / kCell];
            const double u = (x % kCell + 0.5) / kCell;
            const double v = (y % kCell + 0.5) / kCell;
            if (blockCovers(block, u, v))
                stencil.set(left + x, top + y);
        }
}

Stencil swollen(const Stencil& stencil, int radius)
{
    Stencil result(stencil.width(), stencil.height());
    for (int y = 0; y < stencil.height(); ++y)
        for (int x = 0; x < stencil.width(); ++x)
            for (int dy = -radius; dy <= radius && !result.at(x, y); ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (dx * dx + dy * dy <= radius * radius && stencil.at(x + dx, y + dy)) {
                        result.set(x, y);
                        break;
                    }
    return result;
}

Stencil logoStencil()
{
    const int logoWidth = (kLetterColumns * 7 + 6) * kCell;
    Stencil stencil(kSplashWidth, kSplashHeight);
    int left = (kSplashWidth - logoWidth) / 2;
    for (const Letter& letter : kLogo) {
        stampLetter(stencil, letter, left, kLogoTop);
        left += (kLetterColumns + 1) * kCell;
    }
    return swollen(stencil, kSwell);
}

// How far inside the letters a pixel lies, up to the bevel's width.
std::vector<double> bevelHeights(const Stencil& stencil)
{
    std::vector<double> heights(stencil.width() * stencil.height(), 0.0);
    for (int y = 0; y < stencil.height(); ++y)
        for (int x = 0; x < stencil.width(); ++x) {
            if (!stencil.at(x, y))
                continue;
            double nearest = kBevel;
            for (int dy = -kBevel; dy <= kBevel; ++dy)
                for (int dx = -kBevel; dx <= kBevel; ++dx)
                    if (!stencil.at(x + dx, y + dy))
                        nearest = std::min(nearest, std::hypot(dx, dy));
            heights[y * stencil.width() + x] = nearest;
        }
    return heights;
}

Rgb stoneAt(const Stencil& stencil, const std::vector<double>& heights, const ValueNoise& noise, int x, int y)
{
    auto height = [&](int px, int py) {
        return stencil.at(px, py) ? heights[py * stencil.width() + px] : 0.0;
    };
    const double slopeX = (height(x + 1, y) - height(x - 1, y)) / 2.0;
    const double slopeY = (height(x, y + 1) - height(x, y - 1)) / 2.0;
    const double light = 0.25 + 0.95 * diffuseLight(-slopeX, -slopeY, 1.0);
    const double tint = noise.fractal(x / 14.0, y / 14.0, 4);
    Rgb stone = scaled(kStone, 0.78 + 0.4 * tint + 0.12 * noise.grain(x, y));
    // Moss clings to the tops of the letters.
    const bool topEdge = !stencil.at(x, y - 4) && height(x, y) < kBevel;
    if (topEdge && noise.fractal(x / 6.0 + 30.0, y / 6.0, 2) > 0.5)
        stone = scaled(kMoss, 0.8 + 0.4 * noise.grain(x + 7, y));
    return scaled(stone, light * (1.12 - 0.3 * (y - kLogoTop) / double(kLetterRows * kCell)));
}

void carveLogoCracks(Image& splash, const Stencil& stencil, const std::vector<double>& heights, Random& random)
{
    for (int crack = 0; crack < 14; ++crack) {
        double x = random.between(0.0, kSplashWidth);
        double y = random.between(kLogoTop, kLogoTop + kLetterRows * kCell);
        double angle = random.between(0.0, 2 * kPi);
        for (int step = 0; step < 14; ++step) {
            const int px = static_cast<int>(x);
            const int py = static_cast<int>(y);
            if (!stencil.at(px, py) || heights[py * stencil.width() + px] < 2.5)
                break;
            splash.set(px, py, scaled(splash.at(px, py), 0.45));
            splash.set(px + 1, py + 1, scaled(splash.at(px + 1, py + 1), 1.2));
            angle += random.between(-0.7, 0.7);
            x += std::cos(angle);
            y += std::sin(angle);
        }
    }
}

void drawLogo(Image& splash)
{
    Random random(0x524F434B);
    const ValueNoise noise(random.next());
    const Stencil stencil = logoStencil();
    const std::vector<double> heights = bevelHeights(stencil);
    for (int y = 0; y < kSplashHeight; ++y)
        for (int x = 0; x < kSplashWidth; ++x)
            if (stencil.at(x, y))
                splash.set(x, y, stoneAt(stencil, heights, noise, x, y));
    carveLogoCracks(splash, stencil, heights, random);
    addOutline(splash, kMagenta, kRim);
    addOutline(splash, kMagenta, kRim);
}

// A lane of the field at the game's own scale, its jaws about to meet on a
// chaser, framed like a window.
Image jawScene(std::uint64_t boulderSeed)
{
    constexpr int kWidth = 400;
    constexpr int kHeight = 95;
    constexpr int kLaneY = 10; // the lane's top within the scene
    Image scene = renderGround().crop(100, kLaneTops[0] - kLaneY, kWidth, kHeight);
    const Image boulder = renderBoulder(kLaneHeight, boulderSeed);
    const int leftJaw = 118;
    const int rightJaw = 207;
    const Rgb streak{214, 204, 180};
    for (int line = 0; line < 3; ++line) {
        const int y = kLaneY + 22 + line * 14;
        const int length = 16 + 6 * (line % 2);
        drawLine(scene, leftJaw - 6 - length, y, leftJaw - 6, y, streak);
        drawLine(scene, rightJaw + kLaneHeight + 5, y, rightJaw + kLaneHeight + 5 + length, y, streak);
    }
    scene.paste(renderBug(BugKind::Chaser, 1, Heading::Up), (leftJaw + kLaneHeight + rightJaw - kBugWidth) / 2,
                kLaneY + (kLaneHeight - kBugHeight) / 2);
    scene.paste(boulder, leftJaw, kLaneY);
    scene.paste(boulder, rightJaw, kLaneY);
    return scene;
}

void frame(Image& picture, int left, int top, int width, int height)
{
    for (int ring = 1; ring <= 2; ++ring) {
        drawLine(picture, left - ring, top - ring, left + width - 1 + ring, top - ring, kRim);
        drawLine(picture, left - ring, top + height - 1 + ring, left + width - 1 + ring, top + height - 1 + ring, kRim);
        drawLine(picture, left - ring, top - ring, left - ring, top + height - 1 + ring, kRim);
        drawLine(picture, left + width - 1 + ring, top - ring, left + width - 1 + ring, top + height - 1 + ring, kRim);
    }
}

void drawBigText(Image& picture, std::string_view text, int left, int top)
{
    constexpr int kScale = 2;
    constexpr int kAdvance = 9 * kScale; // the game's own pen step, doubled
    for (std::size_t i = 0; i < text.size(); ++i)
        picture.paste(renderGlyph(text[i]).enlarged(kScale), left + static_cast<int>(i) * kAdvance, top, kBlack);
}

} // namespace

Image renderSplash(std::uint64_t boulderSeed)
{
    Image splash(kSplashWidth, kSplashHeight, kMagenta);
    drawLogo(splash);
    const Image scene = jawScene(boulderSeed);
    const int sceneLeft = (kSplashWidth - scene.width()) / 2;
    const int sceneTop = 136;
    splash.paste(scene, sceneLeft, sceneTop);
    frame(splash, sceneLeft, sceneTop, scene.width(), scene.height());
    constexpr std::string_view kCall = "SQUASH THE BUGS!";
    drawBigText(splash, kCall, (kSplashWidth - static_cast<int>(kCall.size()) * 18) / 2, 250);
    return splash;
}
