#include "support/Pictures.h"

#include "support/TestWorld.h"

SDL_Surface* MakePicture(int w, int h)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
}

SDL_Surface* MakePicture(int w, int h, const std::function<Uint32(int, int)>& colour)
{
    SDL_Surface* picture = MakePicture(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Uint32 rgb = colour(x, y);
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(picture->pixels) + y * picture->pitch)[x] =
                SDL_MapRGB(picture->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
        }
    return picture;
}

void FillRgb(SDL_Surface* surface, Uint32 rgb)
{
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

Image Snapshot(SDL_Surface* surface)
{
    Image image;
    image.reserve(surface->w * surface->h);
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            image.push_back(RgbAt(surface, x, y));
    return image;
}

void ModelBlit(Image& image, int imageW, int imageH, SDL_Surface* picture, int x, int y, int srcX,
               int srcY, int srcW, int srcH, long key)
{
    for (int v = 0; v < srcH; ++v)
        for (int u = 0; u < srcW; ++u) {
            const int px = srcX + u, py = srcY + v, sx = x + u, sy = y + v;
            if (px < 0 || py < 0 || px >= picture->w || py >= picture->h)
                continue;
            if (sx < 0 || sy < 0 || sx >= imageW || sy >= imageH)
                continue;
            const Uint32 rgb = RgbAt(picture, px, py);
            if (static_cast<long>(rgb) != key)
                image[sy * imageW + sx] = rgb;
        }
}

::testing::AssertionResult SameImage(const Image& expected, const Image& actual, int width)
{
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure() << "sizes differ";
    long differing = 0;
    size_t first = 0;
    for (size_t i = 0; i < expected.size(); ++i)
        if (expected[i] != actual[i] && differing++ == 0)
            first = i;
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differing << " pixels differ; first at (" << first % width << ", " << first / width
           << "): expected " << std::hex << expected[first] << ", got " << actual[first];
}
