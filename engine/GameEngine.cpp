#include "engine/GameEngine.h"

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

// A picture that failed to load draws nothing.
void GameEngine::DrawImage(SDL_Surface* picture, int x, int y, int keyFlag)
{
    if (!picture)
        return;
    ApplyKeyFlag(picture, keyFlag);
    SDL_Rect destination = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(picture, nullptr, screen, &destination);
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
    SDL_UpperBlit(picture, &source, screen, &destination);
}
