// The engine copies keyed 32-bit pictures itself; byte for byte, that must be
// what SDL_UpperBlit makes of the same call, the unused top byte included.
#include <gtest/gtest.h>

#include "support/Pictures.h"
#include "support/TestWorld.h"

namespace {

Uint32 Scrambled(int x, int y)
{
    Uint32 v = static_cast<Uint32>(x) * 0x9E3779B1u ^ static_cast<Uint32>(y) * 0x85EBCA77u;
    return v ^ v >> 15;
}

// Raw values with the top byte in use; some pixels are exactly the key, some
// are the key's colour with a top byte, which SDL does not take for the key.
SDL_Surface* MakeRawPicture(int w, int h)
{
    SDL_Surface* picture = MakePicture(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Uint32 value = Scrambled(x + 7, y + 3);
            if ((x + y) % 3 == 0)
                value = Magenta(picture);
            else if ((x * y) % 7 == 1)
                value = Magenta(picture) | 0x5A000000;
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(picture->pixels) +
                                      y * picture->pitch)[x] = value;
        }
    return picture;
}

Image RawSnapshot(SDL_Surface* surface)
{
    Image image;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            image.push_back(ReadPixel(surface, x, y));
    return image;
}

struct CopyCase {
    const char* name;
    int x, y, srcX, srcY, srcW, srcH; // srcW 0: the whole picture, with DrawImage
    SDL_Rect clip;                    // the display's clip rectangle
};

void PrintTo(const CopyCase& c, std::ostream* out)
{
    *out << c.name;
}

const SDL_Rect kWholeDisplay = {0, 0, 720, 540};

class KeyedCopyTest : public WorldTest, public ::testing::WithParamInterface<CopyCase> {
protected:
    void TearDown() override
    {
        SDL_SetClipRect(Engine()->screen, nullptr);
    }

    void PaintBackdrop()
    {
        SDL_Surface* screen = Engine()->screen;
        for (int y = 0; y < screen->h; ++y)
            for (int x = 0; x < screen->w; ++x)
                reinterpret_cast<Uint32*>(static_cast<Uint8*>(screen->pixels) +
                                          y * screen->pitch)[x] = Scrambled(x, y);
    }
};

TEST_P(KeyedCopyTest, WritesWhatSdlWrites)
{
    const CopyCase& c = GetParam();
    SDL_Surface* screen = Engine()->screen;
    SDL_Surface* picture = MakeRawPicture(61, 47);
    SDL_Rect clip = c.clip;
    SDL_SetClipRect(screen, &clip);
    SDL_SetColorKey(picture, SDL_SRCCOLORKEY, Magenta(picture));
    SDL_Rect source = {static_cast<Sint16>(c.srcX), static_cast<Sint16>(c.srcY),
                       static_cast<Uint16>(c.srcW), static_cast<Uint16>(c.srcH)};
    const bool whole = c.srcW == 0;

    PaintBackdrop();
    SDL_Rect destination = {static_cast<Sint16>(c.x), static_cast<Sint16>(c.y), 0, 0};
    SDL_UpperBlit(picture, whole ? nullptr : &source, screen, &destination);
    const Image bySdl = RawSnapshot(screen);

    PaintBackdrop();
    if (whole)
        Engine()->DrawImage(picture, c.x, c.y, 0);
    else
        Engine()->DrawImagePart(picture, c.x, c.y, c.srcX, c.srcY, c.srcW, c.srcH, 0);
    EXPECT_TRUE(SameImage(bySdl, RawSnapshot(screen), 720));
    SDL_FreeSurface(picture);
}

INSTANTIATE_TEST_SUITE_P(
    Blits, KeyedCopyTest,
    ::testing::Values(
        CopyCase{"WholeInside", 100, 50, 0, 0, 0, 0, kWholeDisplay},
        CopyCase{"WholePastTopLeft", -20, -30, 0, 0, 0, 0, kWholeDisplay},
        CopyCase{"WholePastBottomRight", 690, 510, 0, 0, 0, 0, kWholeDisplay},
        CopyCase{"WholeOffTheDisplay", 720, 100, 0, 0, 0, 0, kWholeDisplay},
        CopyCase{"PartInside", 10, 20, 30, 20, 13, 16, kWholeDisplay},
        CopyCase{"PartPastPictureTopLeft", 100, 100, -5, -7, 21, 20, kWholeDisplay},
        CopyCase{"PartPastPictureBottomRight", 100, 100, 50, 40, 30, 30, kWholeDisplay},
        CopyCase{"PartWhollyAbovePicture", 100, 100, 1, -16, 16, 16, kWholeDisplay},
        CopyCase{"PartPastDisplayTopLeft", -3, -5, 2, 3, 30, 30, kWholeDisplay},
        CopyCase{"PartPastDisplayBottomRight", 709, 531, 0, 0, 30, 30, kWholeDisplay},
        CopyCase{"CoordinatesNarrowedTo16Bits", 65536 + 40, 65536 + 30, 65536 + 1, 2, 65536 + 17, 9,
                 kWholeDisplay},
        CopyCase{"NarrowPartsOfOneToThreePixels", 300, 200, 4, 5, 3, 2, kWholeDisplay},
        CopyCase{"ClippedByTheDisplayClipRectangle", 90, 90, 0, 0, 0, 0,
                 SDL_Rect{100, 95, 23, 30}}),
    [](const ::testing::TestParamInfo<CopyCase>& info) { return info.param.name; });

} // namespace
