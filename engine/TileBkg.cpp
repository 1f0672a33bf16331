#include <algorithm>
#include <cstring>

#include "engine/GameEngine.h"

// Compared on the colour bits alone, so that a stray value in the unused bits
// cannot hide a pixel that the key might still catch.
static bool HasPixelLike(const SDL_Surface* surface, Uint32 value)
{
    const SDL_PixelFormat* f = surface->format;
    const Uint32 colour = f->palette ? 0xFFFFFFFFu : f->Rmask | f->Gmask | f->Bmask;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            if ((ReadPixel(surface, x, y) & colour) == (value & colour))
                return true;
    return false;
}

static bool SameFormat(const SDL_PixelFormat* a, const SDL_PixelFormat* b)
{
    if (a->BitsPerPixel != b->BitsPerPixel || a->Rmask != b->Rmask || a->Gmask != b->Gmask ||
        a->Bmask != b->Bmask || a->Amask != b->Amask || !a->palette != !b->palette)
        return false;
    return !a->palette || (a->palette->ncolors == b->palette->ncolors &&
                           std::memcmp(a->palette->colors, b->palette->colors,
                                       a->palette->ncolors * sizeof(SDL_Color)) == 0);
}

static bool SameBlending(const SDL_Surface* a, const SDL_Surface* b)
{
    return (a->flags & SDL_SRCALPHA) == (b->flags & SDL_SRCALPHA) &&
           a->format->alpha == b->format->alpha;
}

static bool SamePixels(const SDL_Surface* a, const SDL_Surface* b)
{
    if (a->w != b->w || a->h != b->h || !SameFormat(a->format, b->format))
        return false;
    const size_t rowBytes = a->w * a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<const Uint8*>(a->pixels) + y * a->pitch,
                        static_cast<const Uint8*>(b->pixels) + y * b->pitch, rowBytes) != 0)
            return false;
    return true;
}

// A blank surface with the tile's pixel format, palette, key and blending, so
// that its pixels are drawn exactly as the tile's own.
static SDL_Surface* SurfaceLike(SDL_Surface* tile, int w, int h)
{
    const SDL_PixelFormat* f = tile->format;
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask,
                                          f->Bmask, f->Amask);
    if (!s)
        return nullptr;
    if (f->palette)
        SDL_SetColors(s, f->palette->colors, 0, f->palette->ncolors);
    SDL_SetAlpha(s, tile->flags & SDL_SRCALPHA, f->alpha);
    SetColorKey(s, Magenta(tile));
    return s;
}

// A blank surface in the display's format whose pixels are copied as they are.
static SDL_Surface* SurfaceInFormatOf(const SDL_Surface* display, int w, int h)
{
    const SDL_PixelFormat* f = display->format;
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask,
                                          f->Bmask, f->Amask);
    if (s)
        SDL_SetAlpha(s, 0, SDL_ALPHA_OPAQUE);
    return s;
}

// Fills `picture` with the tile repeated from its top-left corner, byte for
// byte, so drawing it equals drawing every copy.
static void RepeatTile(SDL_Surface* tile, SDL_Surface* picture)
{
    const int bytesPerPixel = tile->format->BytesPerPixel;
    for (int y = 0; y < picture->h; ++y) {
        Uint8* row = static_cast<Uint8*>(picture->pixels) + y * picture->pitch;
        const Uint8* tileRow =
            static_cast<const Uint8*>(tile->pixels) + (y % tile->h) * tile->pitch;
        for (int x = 0; x < picture->w; x += tile->w) {
            const int columns = std::min(picture->w - x, tile->w);
            std::memcpy(row + x * bytesPerPixel, tileRow, columns * bytesPerPixel);
        }
    }
}

static void RepeatBandDown(SDL_Surface* picture, int bandH)
{
    Uint8* pixels = static_cast<Uint8*>(picture->pixels);
    const size_t rowBytes = picture->w * picture->format->BytesPerPixel;
    for (int y = bandH; y < picture->h; ++y)
        std::memcpy(pixels + y * picture->pitch, pixels + (y % bandH) * picture->pitch, rowBytes);
}

// The copies along the top, drawn the way the display gets them; every band of
// copies below comes out the same, so the first is repeated.
static SDL_Surface* ComposeAsDisplayed(SDL_Surface* tile, int w, int h, const SDL_Surface* display)
{
    SDL_Surface* picture = SurfaceInFormatOf(display, w, h);
    if (!picture)
        return nullptr;
    for (int x = 0; x < w; x += tile->w) {
        SDL_Rect at = {static_cast<Sint16>(x), 0, 0, 0};
        SDL_UpperBlit(tile, nullptr, picture, &at);
    }
    RepeatBandDown(picture, std::min(tile->h, h));
    return picture;
}

// Each copy replaces what lies beneath it unless the tile can be seen through
// (magenta) or is blended.
static bool CoversBeneath(SDL_Surface* tile, const SDL_Surface* display)
{
    return !(tile->flags & SDL_SRCALPHA) && !display->format->palette &&
           !HasPixelLike(tile, Magenta(tile));
}

// True when all of the picture's pixels, in rows 0 … rows − 1 that repeat
// down the rest, hold one value; a fill then stands for the copy.
static bool IsUniform(const SDL_Surface* picture, int rows, Uint32* value)
{
    const int bytesPerPixel = picture->format->BytesPerPixel;
    if (bytesPerPixel != 2 && bytesPerPixel != 4)
        return false; // the fill writes whole 16- or 32-bit values
    *value = ReadPixel(picture, 0, 0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < picture->w; ++x)
            if (ReadPixel(picture, x, y) != *value)
                return false;
    return true;
}

static void ForgetTiledArea(TiledArea& tiled)
{
    SDL_FreeSurface(tiled.picture);
    SDL_FreeSurface(tiled.tileCopy);
    tiled = TiledArea();
}

// The part of the copies that can reach the display. The copies stand at
// x = tileW × i and y = tileH × j − 1 for i = 0 … columns and j = 0 … rows.
static SDL_Rect VisibleSpan(int tileW, int tileH, int columns, int rows, const SDL_Surface* display)
{
    const int w = std::min(tileW * (columns + 1), display->w);
    const int h = std::min(tileH * (rows + 1), display->h + 1);
    return {0, -1, static_cast<Uint16>(std::max(w, 0)), static_cast<Uint16>(std::max(h, 0))};
}

static bool TiledAreaFits(const TiledArea& tiled, SDL_Surface* tile, int tileW, int tileH,
                          int areaW, int areaH, SDL_Surface* display, const SDL_Rect& span)
{
    return tiled.picture && tiled.display == display && tiled.tileW == tileW &&
           tiled.tileH == tileH && tiled.areaW == areaW && tiled.areaH == areaH &&
           tiled.picture->w == span.w && tiled.picture->h == span.h &&
           (!tiled.covering || SameFormat(tiled.picture->format, display->format)) &&
           SameBlending(tile, tiled.tileCopy) && SamePixels(tile, tiled.tileCopy);
}

static void ComposeTiledArea(TiledArea& tiled, SDL_Surface* tile, int tileW, int tileH, int areaW,
                             int areaH, SDL_Surface* display, const SDL_Rect& span)
{
    ForgetTiledArea(tiled);
    SDL_LockSurface(tile);
    tiled.covering = CoversBeneath(tile, display);
    tiled.tileCopy = SurfaceLike(tile, tile->w, tile->h);
    if (tiled.tileCopy)
        RepeatTile(tile, tiled.tileCopy);
    if (!tiled.covering) {
        tiled.picture = SurfaceLike(tile, span.w, span.h);
        if (tiled.picture)
            RepeatTile(tile, tiled.picture);
    }
    SDL_UnlockSurface(tile);
    // The tile is drawn from here, and no surface may be locked in a blit.
    if (tiled.covering)
        tiled.picture = ComposeAsDisplayed(tile, span.w, span.h, display);
    if (!tiled.picture || !tiled.tileCopy) {
        ForgetTiledArea(tiled);
        return;
    }
    tiled.uniform =
        tiled.covering && IsUniform(tiled.picture, std::min<int>(tile->h, span.h), &tiled.fill);
    tiled.display = display;
    tiled.tileW = tileW;
    tiled.tileH = tileH;
    tiled.areaW = areaW;
    tiled.areaH = areaH;
}

static void FillRow(Uint8* row, int bytesPerPixel, int count, Uint32 value)
{
    if (bytesPerPixel == 2)
        std::fill_n(reinterpret_cast<Uint16*>(row), count, static_cast<Uint16>(value));
    else
        std::fill_n(reinterpret_cast<Uint32*>(row), count, value);
}

// Black, for one, is a single byte repeated.
static bool IsOneByteRepeated(Uint32 value, int bytesPerPixel)
{
    const Uint32 byte = value & 0xFF;
    return bytesPerPixel == 2 ? (value & 0xFFFF) == byte * 0x0101u : value == byte * 0x01010101u;
}

// Fills the area, clipped as a blit would be, and like a blit not on a locked
// display. SDL's own fill writes around the cache, and the title picture drawn
// next then costs twice as much, reading the display back from memory; so one
// row is filled and copied down the rest, or whole rows of a repeated byte are
// set at once.
static void FillArea(SDL_Surface* display, int w, int h, Uint32 value)
{
    const SDL_Rect& clip = display->clip_rect;
    const int left = std::max<int>(0, clip.x), top = std::max<int>(0, clip.y);
    const int right = std::min(w, clip.x + clip.w), bottom = std::min(h, clip.y + clip.h);
    if (left >= right || top >= bottom || !display->pixels || display->locked)
        return;
    if (SDL_MUSTLOCK(display))
        SDL_LockSurface(display);
    const int bytesPerPixel = display->format->BytesPerPixel;
    const size_t rowBytes = (right - left) * bytesPerPixel;
    Uint8* first =
        static_cast<Uint8*>(display->pixels) + top * display->pitch + left * bytesPerPixel;
    if (rowBytes == display->pitch && IsOneByteRepeated(value, bytesPerPixel)) {
        std::memset(first, value & 0xFF, rowBytes * (bottom - top));
    } else {
        FillRow(first, bytesPerPixel, right - left, value);
        for (int y = top + 1; y < bottom; ++y)
            std::memcpy(first + (y - top) * display->pitch, first, rowBytes);
    }
    if (SDL_MUSTLOCK(display))
        SDL_UnlockSurface(display);
}

static void DrawTiledArea(const TiledArea& tiled, SDL_Surface* display)
{
    if (tiled.uniform) {
        FillArea(display, tiled.picture->w, tiled.picture->h - 1, tiled.fill); // row -1 lies above
        return;
    }
    SDL_Rect at = {0, -1, 0, 0};
    SDL_UpperBlit(tiled.picture, nullptr, display, &at);
}

void GameEngine::TileBkg(SDL_Surface* tile, int tileW, int tileH, int areaW, int areaH)
{
    if (!tile || !screen || tileW == 0 || tileH == 0)
        return;
    const int columns = areaW / tileW;
    const int rows = areaH / tileH;
    // Copies that overlap or leave gaps cannot be composed by repetition;
    // they are drawn one by one.
    if (tileW != tile->w || tileH != tile->h) {
        for (int i = 0; i <= columns; ++i)
            for (int j = 0; j <= rows; ++j)
                DrawImage(tile, tileW * i, tileH * j - 1, 0);
        return;
    }
    if (columns < 0 || rows < 0)
        return;
    SetColorKey(tile, Magenta(tile)); // the key each copy's draw leaves set
    const SDL_Rect span = VisibleSpan(tileW, tileH, columns, rows, screen);
    if (span.w == 0 || span.h == 0)
        return;
    if (!TiledAreaFits(tiled, tile, tileW, tileH, areaW, areaH, screen, span))
        ComposeTiledArea(tiled, tile, tileW, tileH, areaW, areaH, screen, span);
    if (tiled.picture)
        DrawTiledArea(tiled, screen);
}
