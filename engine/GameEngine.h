#ifndef ROCKJAW_ENGINE_GAMEENGINE_H
#define ROCKJAW_ENGINE_GAMEENGINE_H

#include <SDL.h>

// A tiled background composed once, kept until the tile's pixels or blending,
// the tiling or the display change. When nothing in the tile is see-through or
// blended, its copies hide whatever lies beneath, so they are composed as the
// display will hold them, and drawn as a fill when they are all one value.
struct TiledArea {
    SDL_Surface* picture = nullptr;  // the visible copies, from display row -1
    SDL_Surface* tileCopy = nullptr; // the tile as it was when composed
    SDL_Surface* display = nullptr;  // the display it was composed for
    int tileW = 0, tileH = 0, areaW = 0, areaH = 0;
    int covering = 0; // picture is in the display's format, drawn as a copy
    int uniform = 0;  // covering, and every pixel of it is `fill`
    Uint32 fill = 0;
};

// The thin layer between the game and SDL's video side: the display, the font
// sheet, and every way a picture reaches the display.
class GameEngine {
public:
    SDL_Surface* screen = nullptr;
    SDL_Surface* font = nullptr;
    TiledArea tiled;

    void Init(int width, int height, int bpp, int mode);
    void DrawPixel(int x, int y, unsigned char r, unsigned char g, unsigned char b);
    void Lock();
    void Unlock();
    void DrawImage(SDL_Surface* picture, int x, int y, int keyFlag);
    void DrawImagePart(SDL_Surface* picture, int x, int y, int srcX, int srcY, int srcW, int srcH,
                       int keyFlag);
    void TileBkg(SDL_Surface* tile, int tileW, int tileH, int areaW, int areaH);
    void DText(const char* text, int x, int y, int unused);
    void DrawNum(int value, int x, int y);
};

// Ends the process with status 1 after one line on standard error naming what
// could not be had and SDL's reason.
[[noreturn]] void DieWithSdlError(const char* what);

// Loads a BMP the game cannot do without, or dies naming the file.
SDL_Surface* LoadPictureOrDie(const char* path);

// Magenta, the see-through colour of every picture, in the picture's format.
Uint32 Magenta(const SDL_Surface* picture);

// One pixel's raw value in the surface's own format.
Uint32 ReadPixel(const SDL_Surface* surface, int x, int y);

// Makes `key` the picture's transparent colour.
void SetColorKey(SDL_Surface* picture, Uint32 key);

#endif
