#include "image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

std::uint8_t channel(double value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0l, 255l));
}

} // namespace

Rgb rgb(double r, double g, double b)
{
    Rgb colour{channel(r), channel(g), channel(b)};
    if (colour == kMagenta)
        colour.g = 1;
    return colour;
}

Rgb scaled(Rgb colour, double factor)
{
    return rgb(colour.r * factor, colour.g * factor, colour.b * factor);
}

Rgb mixed(Rgb from, Rgb to, double amount)
{
    return rgb(from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount,
               from.b + (to.b - from.b) * amount);
}

Rgb brightened(Rgb colour, double amount)
{
    return rgb(colour.r + amount, colour.g + amount, colour.b + amount);
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
{
}

void Image::set(int x, int y, Rgb colour)
{
    if (contains(x, y))
        pixels_[index(x, y)] = colour;
}

void Image::paste(const Image& picture, int left, int top, Rgb seeThrough)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.at(x, y) != seeThrough)
                set(left + x, top + y, picture.at(x, y));
}

Image Image::crop(int left, int top, int width, int height) const
{
    Image part(width, height, kMagenta);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (contains(left + x, top + y))
                part.set(x, y, at(left + x, top + y));
    return part;
}

Image Image::enlarged(int factor) const
{
    Image large(width_ * factor, height_ * factor, kMagenta);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            large.set(x, y, at(x / factor, y / factor));
    return large;
}

void addOutline(Image& image, Rgb background, Rgb edge)
{
    const Image original = image;
    auto touchesForeground = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (original.contains(x + dx, y + dy) && original.at(x + dx, y + dy) != background)
                    return true;
        return false;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (original.at(x, y) == background && touchesForeground(x, y))
                image.set(x, y, edge);
}

void drawLine(Image& image, int x0, int y0, int x1, int y1, Rgb colour)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        image.set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

Bytes encodeBmp(const Image& image)
{
    constexpr std::uint32_t kFileHeaderSize = 14;
    constexpr std::uint32_t kInfoHeaderSize = 40;
    constexpr std::uint32_t kMasksSize = 12;
    constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kMasksSize;
    constexpr std::uint32_t kBitFields = 3;
    constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dpi
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(image.width() * image.height() * 4);

    ByteWriter out(kPixelOffset + pixelBytes);
    out.tag("BM");
    out.u32(kPixelOffset + pixelBytes);
    out.u32(0);
    out.u32(kPixelOffset);

    out.u32(kInfoHeaderSize);
    out.u32(static_cast<std::uint32_t>(image.width()));
    out.u32(static_cast<std::uint32_t>(image.height())); // positive: rows bottom-up
    out.u16(1);                                           // planes
    out.u16(32);                                          // bits per pixel
    out.u32(kBitFields);
    out.u32(pixelBytes);
    out.u32(kPixelsPerMetre);
    out.u32(kPixelsPerMetre);
    out.u32(0); // palette colours
    out.u32(0); // important colours

    // Red, green, blue; no alpha mask, so colour keys keep working in SDL 1.2.
    out.u32(0x00FF0000);
    out.u32(0x0000FF00);
    out.u32(0x000000FF);

    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgb pixel = image.at(x, y);
            out.u8(pixel.b);
            out.u8(pixel.g);
            out.u8(pixel.r);
            out.u8(0);
        }
    return out.take();
}
