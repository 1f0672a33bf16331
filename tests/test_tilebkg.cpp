// TileBkg against the plain algorithm it stands for: one DrawImage per copy,
// column after column, each copy one pixel above its grid line.
#include <gtest/gtest.h>

#include <functional>

#include "support/Pictures.h"
#include "support/TestWorld.h"

namespace {

using Colour = std::function<Uint32(int, int)>;

// Any pixel depth: each pixel is mapped in the tile's own format.
SDL_Surface* MakeTile(int bitsPerPixel, int w, int h, const Colour& colour)
{
    SDL_Surface* tile =
        SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bitsPerPixel, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Uint32 rgb = colour(x, y);
            SDL_Rect pixel = {static_cast<Sint16>(x), static_cast<Sint16>(y), 1, 1};
            SDL_FillRect(tile, &pixel,
                         SDL_MapRGB(tile->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        }
    return tile;
}

Uint32 Black(int, int)
{
    return 0x000000;
}

Uint32 Flat(int, int)
{
    return 0x2060A0;
}

// No two neighbours alike, never magenta.
Uint32 Pattern(int x, int y)
{
    return static_cast<Uint32>((x * 37 + y * 11) & 0xFF) << 16 |
           static_cast<Uint32>((x * 5 + y * 73) & 0xFF) << 8 | 0x40;
}

Uint32 Holes(int x, int y)
{
    return (x + 2 * y) % 3 == 0 ? kMagenta : Pattern(x, y);
}

class TileBkgTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        backdrop = MakePicture(720, 540, [](int x, int y) {
            return static_cast<Uint32>(x * 0x10203 + y * 0x30507) & 0xFFFFFF;
        });
    }
    void TearDown() override
    {
        SDL_SetClipRect(Engine()->screen, nullptr);
        SDL_FreeSurface(backdrop);
    }

    // The display as it is before the background is drawn: no two pixels
    // alike, so a copy that is missing, misplaced or see-through shows.
    void PaintBackdrop(GameEngine* engine)
    {
        const SDL_Rect clip = engine->screen->clip_rect;
        SDL_SetClipRect(engine->screen, nullptr);
        SDL_Rect origin = {0, 0, 0, 0};
        SDL_UpperBlit(backdrop, nullptr, engine->screen, &origin);
        SDL_SetClipRect(engine->screen, &clip);
    }

    Image Literally(GameEngine* engine, SDL_Surface* tile, int tileW, int tileH, int areaW,
                    int areaH)
    {
        PaintBackdrop(engine);
        for (int i = 0; i <= areaW / tileW; ++i)
            for (int j = 0; j <= areaH / tileH; ++j)
                engine->DrawImage(tile, tileW * i, tileH * j - 1, 0);
        return Snapshot(engine->screen);
    }

    // Starts from a tile keyed black, so that the key check below is not
    // passed by what the tile held before.
    Image Tiled(GameEngine* engine, SDL_Surface* tile, int tileW, int tileH, int areaW, int areaH)
    {
        PaintBackdrop(engine);
        SDL_SetColorKey(tile, SDL_SRCCOLORKEY, SDL_MapRGB(tile->format, 0, 0, 0));
        engine->TileBkg(tile, tileW, tileH, areaW, areaH);
        return Snapshot(engine->screen);
    }

    // The first call composes the copies, the second draws what it kept.
    void ExpectSameAsEveryCopy(SDL_Surface* tile, int tileW, int tileH, int areaW, int areaH,
                               GameEngine* engine = Engine())
    {
        const Image expected = Literally(engine, tile, tileW, tileH, areaW, areaH);
        for (const char* call : {"first", "second"}) {
            EXPECT_TRUE(SameImage(expected, Tiled(engine, tile, tileW, tileH, areaW, areaH),
                                  engine->screen->w))
                << call << " call";
            EXPECT_TRUE(tile->flags & SDL_SRCCOLORKEY);
            EXPECT_EQ(tile->format->colorkey, Magenta(tile)) << "the tile is left keyed magenta";
        }
    }

    SDL_Surface* backdrop = nullptr;
};

struct TileCase {
    const char* name;
    int bitsPerPixel;
    int w, h;
    Uint32 (*colour)(int, int);
    int tileW, tileH, areaW, areaH;
};

void PrintTo(const TileCase& c, std::ostream* out)
{
    *out << c.name;
}

class TileBkgCaseTest : public TileBkgTest, public ::testing::WithParamInterface<TileCase> {};

TEST_P(TileBkgCaseTest, DrawsExactlyWhatEveryCopyDraws)
{
    const TileCase& c = GetParam();
    SDL_Surface* tile = MakeTile(c.bitsPerPixel, c.w, c.h, c.colour);
    ASSERT_NE(tile, nullptr);
    ExpectSameAsEveryCopy(tile, c.tileW, c.tileH, c.areaW, c.areaH);
    SDL_FreeSurface(tile);
}

INSTANTIATE_TEST_SUITE_P(
    Tiles, TileBkgCaseTest,
    ::testing::Values(TileCase{"TitleBlackPixel", 32, 1, 1, Black, 1, 1, 800, 600},
                      TileCase{"OpaqueDividingTheArea", 32, 8, 6, Pattern, 8, 6, 720, 540},
                      TileCase{"OpaqueNotDividingTheArea", 32, 7, 11, Pattern, 7, 11, 250, 130},
                      TileCase{"OneColourNotDividingTheArea", 32, 3, 7, Flat, 3, 7, 100, 50},
                      TileCase{"HolesDividingTheArea", 32, 5, 4, Holes, 5, 4, 800, 600},
                      TileCase{"HolesNotDividingTheArea", 32, 13, 9, Holes, 13, 9, 300, 200},
                      TileCase{"Opaque24BitTile", 24, 6, 5, Pattern, 6, 5, 720, 540},
                      TileCase{"Holes24BitTile", 24, 9, 7, Holes, 9, 7, 400, 300},
                      TileCase{"TileLargerThanTheDisplay", 32, 800, 600, Holes, 800, 600, 10, 10},
                      TileCase{"AreaOfNoWidth", 32, 10, 10, Pattern, 10, 10, 0, 100},
                      TileCase{"AreaLessThanATileBelowZero", 32, 10, 10, Pattern, 10, 10, -3, 100},
                      TileCase{"StepsSmallerThanTheTile", 32, 10, 10, Holes, 7, 6, 100, 100},
                      TileCase{"StepsLargerThanTheTile", 32, 4, 4, Pattern, 6, 9, 100, 100}),
    [](const ::testing::TestParamInfo<TileCase>& info) { return info.param.name; });

void Recolour(SDL_Surface* tile, const Colour& colour)
{
    SDL_Surface* replacement = MakeTile(tile->format->BitsPerPixel, tile->w, tile->h, colour);
    SDL_Rect origin = {0, 0, 0, 0};
    SDL_UpperBlit(replacement, nullptr, tile, &origin);
    SDL_FreeSurface(replacement);
}

struct ChangeCase {
    const char* name;
    int w, h;
    Uint32 (*before)(int, int);
    std::function<void(SDL_Surface*)> change;
};

void PrintTo(const ChangeCase& c, std::ostream* out)
{
    *out << c.name;
}

class TileChangeTest : public TileBkgTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(TileChangeTest, TheSameTileChangedBetweenCallsIsDrawnAsItIsNow)
{
    const ChangeCase& c = GetParam();
    SDL_Surface* tile = MakeTile(32, c.w, c.h, c.before);
    ExpectSameAsEveryCopy(tile, c.w, c.h, 800, 600);
    c.change(tile);
    ExpectSameAsEveryCopy(tile, c.w, c.h, 800, 600);
    SDL_FreeSurface(tile);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TileChangeTest,
    ::testing::Values(ChangeCase{"OneColourToAnother", 1, 1, Black,
                                 [](SDL_Surface* tile) { Recolour(tile, Flat); }},
                      ChangeCase{"OnePixelOfAPattern", 6, 4, Pattern,
                                 [](SDL_Surface* tile) {
                                     Recolour(tile, [](int x, int y) {
                                         return x == 5 && y == 3 ? 0xFFFFFFu : Pattern(x, y);
                                     });
                                 }},
                      ChangeCase{"OpaqueToHoles", 6, 4, Pattern,
                                 [](SDL_Surface* tile) { Recolour(tile, Holes); }},
                      ChangeCase{"HolesToOpaque", 6, 4, Holes,
                                 [](SDL_Surface* tile) { Recolour(tile, Pattern); }},
                      ChangeCase{"BlendedHalfWay", 6, 4, Pattern,
                                 [](SDL_Surface* tile) { SDL_SetAlpha(tile, SDL_SRCALPHA, 128); }}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

// One tile of each way of drawing: a single colour, a pattern, holes.
Uint32 (*const kKindsOfTile[])(int, int) = {Flat, Pattern, Holes};

TEST_F(TileBkgTest, KeepsToTheDisplaysClipRectangle)
{
    SDL_Rect clip = {100, 50, 301, 203};
    SDL_SetClipRect(Engine()->screen, &clip);
    for (auto colour : kKindsOfTile) {
        SDL_Surface* tile = MakeTile(32, 4, 3, colour);
        ExpectSameAsEveryCopy(tile, 4, 3, 800, 600);
        SDL_FreeSurface(tile);
    }
}

TEST_F(TileBkgTest, DrawsOntoASixteenBitDisplayAsEveryCopyDoes)
{
    GameEngine engine;
    engine.screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 200, 150, 16, 0xF800, 0x07E0, 0x001F, 0);
    for (auto colour : kKindsOfTile) {
        SDL_Surface* tile = MakeTile(32, 5, 3, colour);
        ExpectSameAsEveryCopy(tile, 5, 3, 800, 600, &engine);
        SDL_FreeSurface(tile);
    }
    SDL_FreeSurface(engine.tiled.picture);
    SDL_FreeSurface(engine.tiled.tileCopy);
    SDL_FreeSurface(engine.screen);
}

} // namespace
