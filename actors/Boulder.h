#ifndef ROCKJAW_ACTORS_BOULDER_H
#define ROCKJAW_ACTORS_BOULDER_H

#include "actors/Sprite.h"

// One row of crushing jaws: two 75 × 75 boulders that slam together and drift
// apart again.
class Boulder {
public:
    int state;  // 0 at rest, 1 closing, -1 opening
    Sprite left;
    Sprite right;
    SDL_Surface* leftImage;
    SDL_Surface* rightImage;
    int leftX;  // where the left jaw is drawn next
    int rightX;
    int y;
    int leftSpeed;  // positive moves the left jaw right
    int rightSpeed; // positive moves the right jaw left
    int delay;      // opening-step counter, 0 … 15

    void SetBoulders(SDL_Surface* surface, int rowY);
    void Update(GameEngine* engine);
};

#endif
