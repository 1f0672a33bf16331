#ifndef ROCKJAW_ACTORS_BUG_H
#define ROCKJAW_ACTORS_BUG_H

#include "actors/Sprite.h"

// One 35 × 40 actor: the player's bug or an enemy of one of three kinds.
class Bug {
public:
    int state;       // 1 alive, -1 dead, 0 free slot
    int x;
    int y;
    int type;        // -1 the player, 0 kind A, 1 kind B, 2 kind C
    int dx;
    int dy;
    int patrolRight; // kind C's heading: 1 right, 0 left
    SDL_Surface* image;
    Sprite sprite;

    Bug();
    void Create(SDL_Surface* surface, int startX, int startY, int layer);
    void Update(GameEngine* engine);
    void Kill();
};

#endif
