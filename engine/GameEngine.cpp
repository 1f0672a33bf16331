#include "engine/GameEngine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void DieWithSdlError(const char* what)
{
    std::fprintf(stderr, "rockjaw: %s: %s\n", what, SDL_GetError());
    std::exit(1);
}

SDL_Surface* LoadPictureOrDie(const char* path)
{
    SDL_Surface* picture = SDL_LoadBMP(path);
    if (!picture) {
        char what[300];
        std::snprintf(what, sizeof what, "cannot load \"%s\"", path);
        DieWithSdlError(what);
    }
    return picture;
}

Uint32 Magenta(const SDL_Surface* picture)
{
    return SDL_MapRGB(picture->format, 255, 0, 255);
}

void SetColorKey(SDL_Surface* picture, Uint32 key)
{
    // Setting the same key again would only make SDL rebuild its blit mapping.
    if ((picture->flags & SDL_SRCCOLORKEY) && picture->format->colorkey == key)
        return;
    SDL_SetColorKey(picture, SDL_SRCCOLORKEY, key);
}

static void ApplyKeyFlag(SDL_Surface* picture, int keyFlag)
{
    if (keyFlag == 0)
        SetColorKey(picture, Magenta(picture));
}

void GameEngine::Init(int width, int height, int bpp, int mode)
{
    // Without an audio device SDL refuses both subsystems; the game still
    // plays, silently, so video is started on its own then.
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0)
        SDL_Init(SDL_INIT_VIDEO);
    if (mode == 0)
        screen = SDL_SetVideoMode(width, height, bpp, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (mode == 1)
        screen = SDL_SetVideoMode(width, height, bpp, SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_FULLSCREEN);
    if ((mode == 0 || mode == 1) && !screen) {
        char what[80];
        std::snprintf(what, sizeof what, "cannot open the %dx%dx%d video mode", width, height, bpp);
        DieWithSdlError(what);
    }
    std::atexit(SDL_Quit);
    font = LoadPictureOrDie("Text.tex");
    SetColorKey(font, Magenta(font));
}

Uint32 ReadPixel(const SDL_Surface* surface, int x, int y)
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

void GameEngine::DrawPixel(int x, int y, unsigned char r, unsigned char g, unsigned char b)
{
    Uint32 color = SDL_MapRGB(screen->format, r, g, b);
    Uint8* row = static_cast<Uint8*>(screen->pixels) + y * screen->pitch;
    switch (screen->format->BytesPerPixel) {
    case 1:
        row[x] = static_cast<Uint8>(color);
        break;
    case 2:
        reinterpret_cast<Uint16*>(row)[x] = static_cast<Uint16>(color);
        break;
    case 3:
        row[3 * x] = static_cast<Uint8>(color);
        row[3 * x + 1] = static_cast<Uint8>(color >> 8);
        row[3 * x + 2] = static_cast<Uint8>(color >> 16);
        break;
    case 4:
        reinterpret_cast<Uint32*>(row)[x] = color;
        break;
    default:
        break;
    }
}

void GameEngine::Lock()
{
    if (SDL_MUSTLOCK(screen))
        SDL_LockSurface(screen);
}

void GameEngine::Unlock()
{
    if (SDL_MUSTLOCK(screen))
        SDL_UnlockSurface(screen);
}

// SDL's colour-key blit between two 32-bit surfaces of one layout goes a pixel
// at a time; done four at a time by the same rule (a pixel other than the key
// is copied with its unused top byte cleared) the title picture and the field
// cost a third as much. Every other blit is left to SDL.
static const Uint32 kColourBits = 0x00FFFFFF;

static bool KeyedCopyApplies(const SDL_Surface* picture, const SDL_Surface* display)
{
    if (!display || !picture->pixels || !display->pixels || picture == display)
        return false;
    const SDL_PixelFormat* p = picture->format;
    const SDL_PixelFormat* d = display->format;
    return (picture->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA | SDL_RLEACCEL)) == SDL_SRCCOLORKEY &&
           p->BytesPerPixel == 4 && d->BytesPerPixel == 4 && p->Amask == 0 && d->Amask == 0 &&
           p->Rmask == d->Rmask && p->Gmask == d->Gmask && p->Bmask == d->Bmask &&
           (p->Rmask | p->Gmask | p->Bmask) == kColourBits && !SDL_MUSTLOCK(picture) &&
           !SDL_MUSTLOCK(display) && !picture->locked && !display->locked;
}

struct BlitArea {
    int srcX, srcY, x, y, w, h;
};

// SDL_UpperBlit's clipping: the source rectangle to the picture, moving the
// destination by what is cut off at the left and top, then the result to the
// display's clip rectangle. False when nothing is left.
static bool ClipBlit(const SDL_Surface* picture, const SDL_Rect* source, const SDL_Surface* display,
                     int x, int y, BlitArea* area)
{
    BlitArea a = {0, 0, x, y, picture->w, picture->h};
    if (source) {
        a = {source->x, source->y, x, y, source->w, source->h};
        if (a.srcX < 0) {
            a.w += a.srcX;
            a.x -= a.srcX;
            a.srcX = 0;
        }
        if (a.srcY < 0) {
            a.h += a.srcY;
            a.y -= a.srcY;
            a.srcY = 0;
        }
        a.w = std::min(a.w, picture->w - a.srcX);
        a.h = std::min(a.h, picture->h - a.srcY);
    }
    const SDL_Rect& clip = display->clip_rect;
    if (a.x < clip.x) {
        a.w -= clip.x - a.x;
        a.srcX += clip.x - a.x;
        a.x = clip.x;
    }
    if (a.y < clip.y) {
        a.h -= clip.y - a.y;
        a.srcY += clip.y - a.y;
        a.y = clip.y;
    }
    a.w = std::min(a.w, clip.x + clip.w - a.x);
    a.h = std::min(a.h, clip.y + clip.h - a.y);
    *area = a;
    return a.w > 0 && a.h > 0;
}

typedef Uint32 FourPixels __attribute__((vector_size(16)));

static void CopyRowUnlessKey(Uint32* to, const Uint32* from, int count, Uint32 key)
{
    const FourPixels keys = {key, key, key, key};
    const FourPixels colour = {kColourBits, kColourBits, kColourBits, kColourBits};
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        FourPixels source, target;
        std::memcpy(&source, from + i, sizeof source);
        std::memcpy(&target, to + i, sizeof target);
        const FourPixels keyed = (FourPixels)(source == keys); // all ones where the key is
        target = (target & keyed) | (source & colour & ~keyed);
        std::memcpy(to + i, &target, sizeof target);
    }
    for (; i < count; ++i)
        if (from[i] != key)
            to[i] = from[i] & kColourBits;
}

static void CopyUnlessKey(SDL_Surface* picture, const BlitArea& a, SDL_Surface* display)
{
    const Uint32 key = picture->format->colorkey;
    for (int row = 0; row < a.h; ++row) {
        const Uint8* from =
            static_cast<const Uint8*>(picture->pixels) + (a.srcY + row) * picture->pitch;
        Uint8* to = static_cast<Uint8*>(display->pixels) + (a.y + row) * display->pitch;
        CopyRowUnlessKey(reinterpret_cast<Uint32*>(to) + a.x,
                         reinterpret_cast<const Uint32*>(from) + a.srcX, a.w, key);
    }
}

// `source` null means the whole picture; SDL draws the blits this cannot.
static void Blit(SDL_Surface* picture, SDL_Rect* source, SDL_Surface* display,
                 SDL_Rect* destination)
{
    if (!KeyedCopyApplies(picture, display)) {
        SDL_UpperBlit(picture, source, display, destination);
        return;
    }
    BlitArea area;
    if (ClipBlit(picture, source, display, destination->x, destination->y, &area))
        CopyUnlessKey(picture, area, display);
}

// A picture that failed to load draws nothing.
void GameEngine::DrawImage(SDL_Surface* picture, int x, int y, int keyFlag)
{
    if (!picture)
        return;
    ApplyKeyFlag(picture, keyFlag);
    SDL_Rect destination = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    Blit(picture, nullptr, screen, &destination);
}

void GameEngine::DrawImagePart(SDL_Surface* picture, int x, int y, int srcX, int srcY, int srcW,
                               int srcH, int keyFlag)
{
    if (!picture)
        return;
    ApplyKeyFlag(picture, keyFlag);
    SDL_Rect source = {static_cast<Sint16>(srcX), static_cast<Sint16>(srcY),
                       static_cast<Uint16>(srcW), static_cast<Uint16>(srcH)};
    SDL_Rect destination = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    Blit(picture, &source, screen, &destination);
}
