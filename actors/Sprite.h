#ifndef ROCKJAW_ACTORS_SPRITE_H
#define ROCKJAW_ACTORS_SPRITE_H

#include <SDL.h>

class GameEngine;

// A positioned picture, drawn whole or as one cell of a sheet, optionally
// stepping through the cells of one row. Its box is every actor's collision box.
class Sprite {
public:
    SDL_Surface* image;
    int frames;     // last cell column of the animation; 0 draws the picture whole
    int animate;
    int x;
    int y;
    int frame;      // current cell column
    int width;
    int height;
    int delay;      // updates left before the next column step
    int delayReset;
    int layer;      // cell row drawn

    void LoadImageA(SDL_Surface* surface, int width, int height, int frames);
    void SetAnimation(int n);
    void SetAnimationOn();
    void SetAnimationOff();
    void SetLayer(int n);
    void SetPosition(int x, int y);
    void NextFrame();
    void Update(GameEngine* engine);
};

// 1 when the two boxes overlap or touch.
int CheckCollide(Sprite a, Sprite b);

#endif
