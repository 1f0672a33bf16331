// The drawing operations, checked pixel by pixel on the dummy display.
#include <gtest/gtest.h>

#include <vector>

#include "support/Pictures.h"
#include "support/TestWorld.h"

namespace {

const Uint32 kGreen = 0x00C000;
const Uint32 kRed = 0xFF0000;

class DrawingTest : public WorldTest {
protected:
    SDL_Surface* screen() { return Engine()->screen; }
};

TEST_F(DrawingTest, KeyFlagZeroMakesMagentaTransparentAndTheKeyStays)
{
    SDL_Surface* picture = MakePicture(2, 1, [](int x, int) { return x == 0 ? kMagenta : kRed; });
    FillRgb(screen(), kGreen);
    Engine()->DrawImage(picture, 10, 10, 0);
    EXPECT_EQ(RgbAt(screen(), 10, 10), kGreen);
    EXPECT_EQ(RgbAt(screen(), 11, 10), kRed);

    FillRgb(screen(), kGreen);
    Engine()->DrawImage(picture, 10, 10, 1);
    EXPECT_EQ(RgbAt(screen(), 10, 10), kGreen) << "a later call with flag 1 keeps the magenta key";
    SDL_FreeSurface(picture);
}

TEST_F(DrawingTest, PictureNeverKeyedIsDrawnOpaqueWithFlagOne)
{
    SDL_Surface* picture = MakePicture(1, 1, [](int, int) { return kMagenta; });
    FillRgb(screen(), kGreen);
    Engine()->DrawImage(picture, 0, 0, 1);
    EXPECT_EQ(RgbAt(screen(), 0, 0), kMagenta);
    SDL_FreeSurface(picture);
}

TEST_F(DrawingTest, MissingPictureDrawsNothing)
{
    FillRgb(screen(), kGreen);
    Engine()->DrawImage(nullptr, 0, 0, 0);
    Engine()->DrawImagePart(nullptr, 0, 0, 0, 0, 10, 10, 0);
    EXPECT_TRUE(SameImage(Image(720 * 540, kGreen), Snapshot(screen()), 720));
}

struct PartCase {
    const char* name;
    int x, y, srcX, srcY, srcW, srcH;
};

class DrawImagePartTest : public DrawingTest, public ::testing::WithParamInterface<PartCase> {};

// Every pixel of the picture is distinct, so a wrong offset shows.
Uint32 CoordinateColour(int x, int y)
{
    return static_cast<Uint32>(x) << 16 | static_cast<Uint32>(y) << 8 | 0x11;
}

TEST_P(DrawImagePartTest, CopiesTheSourceRectangleClippedToPictureAndDisplay)
{
    const PartCase& c = GetParam();
    SDL_Surface* picture = MakePicture(64, 48, CoordinateColour);
    FillRgb(screen(), kGreen);
    Image expected(720 * 540, kGreen);
    ModelBlit(expected, 720, 540, picture, c.x, c.y, c.srcX, c.srcY, c.srcW, c.srcH, kMagenta);

    Engine()->DrawImagePart(picture, c.x, c.y, c.srcX, c.srcY, c.srcW, c.srcH, 0);
    EXPECT_TRUE(SameImage(expected, Snapshot(screen()), 720));
    SDL_FreeSurface(picture);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, DrawImagePartTest,
    ::testing::Values(PartCase{"Inside", 10, 20, 30, 40, 16, 16},
                      PartCase{"PastPictureLeftAndTop", 100, 100, -5, -7, 20, 20},
                      PartCase{"PastPictureRightAndBottom", 100, 100, 50, 40, 30, 30},
                      PartCase{"WhollyAbovePicture", 100, 100, 0, -16, 16, 16},
                      PartCase{"PastDisplayLeftAndTop", -10, -5, 0, 0, 30, 30},
                      PartCase{"PastDisplayRightAndBottom", 710, 530, 0, 0, 30, 30},
                      PartCase{"WhollyOffDisplay", 720, 540, 0, 0, 30, 30}),
    [](const ::testing::TestParamInfo<PartCase>& info) { return info.param.name; });

TEST_F(DrawingTest, WholePictureIsClippedAtEveryDisplayEdge)
{
    SDL_Surface* picture = MakePicture(64, 48, CoordinateColour);
    for (const SDL_Rect& at : {SDL_Rect{-20, -30, 0, 0}, SDL_Rect{690, 510, 0, 0}}) {
        FillRgb(screen(), kGreen);
        Image expected(720 * 540, kGreen);
        ModelBlit(expected, 720, 540, picture, at.x, at.y, 0, 0, 64, 48, kMagenta);
        Engine()->DrawImage(picture, at.x, at.y, 0);
        EXPECT_TRUE(SameImage(expected, Snapshot(screen()), 720)) << at.x << ", " << at.y;
    }
    SDL_FreeSurface(picture);
}

TEST_F(DrawingTest, TileBkgDrawsOneExtraColumnAndRowOnePixelHigh)
{
    // Only the tile's top-left pixel is red, so each red pixel marks a copy.
    SDL_Surface* tile = MakePicture(100, 100, [](int x, int y) { return x == 0 && y == 0 ? kRed : 0x0000FF; });
    FillRgb(screen(), kGreen);
    Engine()->TileBkg(tile, 100, 100, 250, 250);

    std::vector<std::pair<int, int>> corners;
    for (int y = 0; y < 540; ++y)
        for (int x = 0; x < 720; ++x)
            if (RgbAt(screen(), x, y) == kRed)
                corners.push_back({x, y});
    // The copies at y -1 lose their top row; those at y 99 and 199 keep it.
    const std::vector<std::pair<int, int>> expected = {{0, 99}, {0, 199}, {100, 99}, {100, 199},
                                                       {200, 99}, {200, 199}};
    std::sort(corners.begin(), corners.end());
    EXPECT_EQ(corners, expected);
    EXPECT_EQ(RgbAt(screen(), 299, 298), 0x0000FFu) << "the last column and row are covered";
    EXPECT_EQ(RgbAt(screen(), 300, 100), kGreen);
    EXPECT_EQ(RgbAt(screen(), 100, 299), kGreen);
    SDL_FreeSurface(tile);
}

TEST_F(DrawingTest, BlackPixelTiledOverTheTitleAreaBlacksOutTheDisplay)
{
    SDL_Surface* black = MakePicture(1, 1, [](int, int) { return 0; });
    FillRgb(screen(), kGreen);
    Engine()->TileBkg(black, 1, 1, 800, 600);
    EXPECT_TRUE(SameImage(Image(720 * 540, 0), Snapshot(screen()), 720));
    EXPECT_TRUE(black->flags & SDL_SRCCOLORKEY) << "the tile is left keyed, as each copy's draw leaves it";
    SDL_FreeSurface(black);
}

class DrawPixelTest : public ::testing::TestWithParam<int> {};

TEST_P(DrawPixelTest, WritesTheMappedColourAtThePixelOnly)
{
    const int bpp = GetParam();
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 4, bpp, 0, 0, 0, 0);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->format->BytesPerPixel, bpp / 8);
    SDL_FillRect(surface, nullptr, 0);
    GameEngine engine;
    engine.screen = surface;
    engine.Lock();
    engine.DrawPixel(5, 2, 200, 100, 50);
    engine.Unlock();

    const Uint32 mapped = SDL_MapRGB(surface->format, 200, 100, 50);
    const Uint32 mask = bpp == 32 ? 0xFFFFFFFFu : (1u << bpp) - 1;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(ReadPixel(surface, x, y), (x == 5 && y == 2) ? (mapped & mask) : 0u) << x << "," << y;
    if (bpp == 24) {
        const Uint8* p = static_cast<Uint8*>(surface->pixels) + 2 * surface->pitch + 15;
        EXPECT_EQ(p[0], mapped & 0xFF) << "lowest byte first";
        EXPECT_EQ(p[2], (mapped >> 16) & 0xFF);
    }
    SDL_FreeSurface(surface);
}

INSTANTIATE_TEST_SUITE_P(BitsPerPixel, DrawPixelTest, ::testing::Values(8, 16, 24, 32));

// A sheet of our own: every pixel tells its place, except a sprinkle of black
// that the text's black key must leave see-through.
Uint32 SheetColour(int x, int y)
{
    if ((x * 7 + y * 3) % 11 == 0)
        return 0;
    return static_cast<Uint32>(x) << 16 | static_cast<Uint32>(y) << 8 | 0x80;
}

struct Glyph {
    int destX, srcX, srcY;
};

struct TextCase {
    const char* name;
    const char* text; // drawn with DText, or nullptr to draw `number`
    int number;
    int x, y;
    std::vector<Glyph> glyphs;
};

class TextTest : public DrawingTest, public ::testing::WithParamInterface<TextCase> {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        sheet = MakePicture(256, 128, SheetColour);
        savedFont = Engine()->font;
        Engine()->font = sheet;
    }
    void TearDown() override
    {
        Engine()->font = savedFont;
        SDL_FreeSurface(sheet);
    }
    SDL_Surface* sheet = nullptr;
    SDL_Surface* savedFont = nullptr;
};

TEST_P(TextTest, DrawsEachGlyphRectangleAtItsPen)
{
    const TextCase& c = GetParam();
    FillRgb(screen(), kGreen);
    Image expected(720 * 540, kGreen);
    for (const Glyph& g : c.glyphs)
        ModelBlit(expected, 720, 540, sheet, g.destX, c.y, g.srcX, g.srcY, 16, 16, 0);

    if (c.text)
        Engine()->DText(c.text, c.x, c.y, 0);
    else
        Engine()->DrawNum(c.number, c.x, c.y);
    EXPECT_TRUE(SameImage(expected, Snapshot(screen()), 720));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextTest,
    ::testing::Values(
        TextCase{"Empty", "", 0, 100, 20, {}},
        TextCase{"LetterA", "A", 0, 100, 20, {{109, 16, 64}}},
        TextCase{"Space", " ", 0, 100, 20, {{109, 1, 32}}},
        TextCase{"ColumnZeroGlyphsReadOnePixelRight", "0Pp@", 0, 10, 5,
                 {{19, 1, 48}, {28, 1, 80}, {37, 1, 112}, {46, 1, 64}}},
        TextCase{"HighBytesDrawNothingButAdvance", "A\xC8\x80" "B", 0, 100, 20, {{109, 16, 64}, {136, 32, 64}}},
        TextCase{"Zero", nullptr, 0, 650, 20, {{659, 1, 48}}},
        TextCase{"Negative", nullptr, -25, 300, 460, {{309, 208, 32}, {318, 32, 48}, {327, 80, 48}}},
        TextCase{"Lowest", nullptr, -2147483647 - 1, 0, 500,
                 {{9, 208, 32}, {18, 32, 48}, {27, 16, 48}, {36, 64, 48}, {45, 112, 48}, {54, 64, 48},
                  {63, 128, 48}, {72, 48, 48}, {81, 96, 48}, {90, 64, 48}, {99, 128, 48}}}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST_F(TextTest, LeavesTheSheetKeyedBlack)
{
    Engine()->DText("x", 0, 0, 0);
    EXPECT_TRUE(sheet->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(sheet->format->colorkey, SDL_MapRGB(sheet->format, 0, 0, 0));
}

} // namespace
