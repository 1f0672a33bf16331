#include <cstring>

#include "engine/GameEngine.h"

static Uint32 ReadPixel(const SDL_Surface* surface, int x, int y)
{
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                     x * surface->format->BytesPerPixel;
    switch (surface->format->BytesPerPixel) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3:
        return p[0] | p[1] << 8 | p[2] << 16;
    default:
        return *reinterpret_cast<const Uint32*>(p);
    }
}

static bool HasPixel(const SDL_Surface* surface, Uint32 value)
{
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            if (ReadPixel(surface, x, y) == value)
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

// A blank surface with the tile's pixel format, palette and alpha setting.
static SDL_Surface* SurfaceLike(SDL_Surface* tile, int w, int h)
{
    const SDL_PixelFormat* f = tile->format;
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask,
                                          f->Bmask, f->Amask);
    if (s && f->palette)
        SDL_SetColors(s, f->palette->colors, 0, f->palette->ncolors);
    if (s && (tile->flags & SDL_SRCALPHA))
        SDL_SetAlpha(s, SDL_SRCALPHA, f->alpha);
    return s;
}

// Fills `picture` with the tile repeated from its top-left corner, byte for
// byte, so drawing it equals drawing every copy.
static void RepeatTile(SDL_Surface* tile, SDL_Surface* picture)
{
    const int bytesPerPixel = tile->format->BytesPerPixel;
    for (int y = 0; y < picture->h; ++y) {
        Uint8* row = static_cast<Uint8*>(picture->pixels) + y * picture->pitch;
        const Uint8* tileRow = static_cast<const Uint8*>(tile->pixels) + (y % tile->h) * tile->pitch;
        for (int x = 0; x < picture->w; x += tile->w) {
            const int columns = (picture->w - x < tile->w) ? picture->w - x : tile->w;
            std::memcpy(row + x * bytesPerPixel, tileRow, columns * bytesPerPixel);
        }
    }
}

static void ForgetTiledArea(TiledArea& tiled)
{
    SDL_FreeSurface(tiled.picture);
    SDL_FreeSurface(tiled.tileCopy);
    tiled = TiledArea();
}

static bool TiledAreaFits(const TiledArea& tiled, SDL_Surface* tile, int tileW, int tileH,
                          int areaW, int areaH, SDL_Surface* display)
{
    return tiled.picture && tiled.display == display && tiled.tileW == tileW &&
           tiled.tileH == tileH && tiled.areaW == areaW && tiled.areaH == areaH &&
           SamePixels(tile, tiled.tileCopy);
}

// The copies stand at x = tileW × i and y = tileH × j − 1 for i = 0 … areaW / tileW
// and j = 0 … areaH / tileH; only the part that can reach the display is kept.
static void ComposeTiledArea(TiledArea& tiled, SDL_Surface* tile, int tileW, int tileH, int areaW,
                             int areaH, SDL_Surface* display)
{
    ForgetTiledArea(tiled);
    const int spanW = tileW * (areaW / tileW + 1);
    const int spanH = tileH * (areaH / tileH + 1);
    const int w = spanW < display->w ? spanW : display->w;
    const int h = spanH < display->h + 1 ? spanH : display->h + 1;
    tiled.picture = SurfaceLike(tile, w, h);
    tiled.tileCopy = SurfaceLike(tile, tile->w, tile->h);
    if (!tiled.picture || !tiled.tileCopy) {
        ForgetTiledArea(tiled);
        return;
    }
    SDL_LockSurface(tile);
    RepeatTile(tile, tiled.picture);
    RepeatTile(tile, tiled.tileCopy);
    tiled.opaque = !HasPixel(tile, Magenta(tile));
    SDL_UnlockSurface(tile);
    // A tile without magenta covers everything, so its copies need no key.
    if (!tiled.opaque)
        SetColorKey(tiled.picture, Magenta(tile));
    tiled.display = display;
    tiled.tileW = tileW;
    tiled.tileH = tileH;
    tiled.areaW = areaW;
    tiled.areaH = areaH;
}

void GameEngine::TileBkg(SDL_Surface* tile, int tileW, int tileH, int areaW, int areaH)
{
    if (!tile || tileW <= 0 || tileH <= 0 || areaW < 0 || areaH < 0)
        return;
    // Copies that overlap or leave gaps cannot be composed by repetition;
    // they are drawn one by one.
    if (tileW != tile->w || tileH != tile->h) {
        for (int i = 0; i <= areaW / tileW; ++i)
            for (int j = 0; j <= areaH / tileH; ++j)
                DrawImage(tile, tileW * i, tileH * j - 1, 0);
        return;
    }
    SetColorKey(tile, Magenta(tile)); // the key the copy-by-copy drawing leaves set
    if (!TiledAreaFits(tiled, tile, tileW, tileH, areaW, areaH, screen))
        ComposeTiledArea(tiled, tile, tileW, tileH, areaW, areaH, screen);
    if (!tiled.picture)
        return;
    SDL_Rect destination = {0, -1, 0, 0};
    SDL_UpperBlit(tiled.picture, nullptr, screen, &destination);
}
