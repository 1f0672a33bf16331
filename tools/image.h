#ifndef ROCKJAW_TOOLS_IMAGE_H
#define ROCKJAW_TOOLS_IMAGE_H

#include <cstdint>
#include <vector>

#include "bytes.h"

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool operator!=(Rgb a, Rgb b) { return !(a == b); }

// The game's see-through colour for every picture but the font sheet.
constexpr Rgb kMagenta{255, 0, 255};
// The font sheet's see-through colour.
constexpr Rgb kBlack{0, 0, 0};

// Rounds and clamps; a solid colour that lands on exact magenta is nudged off
// it, or it would turn see-through in the game.
Rgb rgb(double r, double g, double b);
Rgb scaled(Rgb colour, double factor);
Rgb mixed(Rgb from, Rgb to, double amount);
// Adds the same light to every channel: a highlight that whitens.
Rgb brightened(Rgb colour, double amount);

class Image {
public:
    Image(int width, int height, Rgb fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rgb at(int x, int y) const { return pixels_[index(x, y)]; }
    // Pixels outside the image are ignored, so shapes may run off the edge.
    void set(int x, int y, Rgb colour);

    // Copies every pixel of `picture` that is not `seeThrough`.
    void paste(const Image& picture, int left, int top, Rgb seeThrough = kMagenta);
    Image crop(int left, int top, int width, int height) const;
    Image enlarged(int factor) const;

private:
    int index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// Paints `edge` on every background pixel that touches (also diagonally) a
// pixel of another colour: a dark rim keeps small pictures readable on any
// ground.
void addOutline(Image& image, Rgb background, Rgb edge);
void drawLine(Image& image, int x0, int y0, int x1, int y1, Rgb colour);

// A 32-bit bottom-up BMP with explicit R, G and B masks and no alpha, which
// SDL loads in the display's own layout.
Bytes encodeBmp(const Image& image);

#endif
