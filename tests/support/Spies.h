#ifndef ROCKJAW_TESTS_SPIES_H
#define ROCKJAW_TESTS_SPIES_H

#include <SDL.h>
#include <SDL_mixer.h>

#include <vector>

// Every sound the game started, with the arguments it passed.
struct SoundCall {
    int channel;
    Mix_Chunk* chunk;
    int loops;
    int ticks;
};
std::vector<SoundCall>& SoundsPlayed();

// Surfaces made through SDL's creating calls and not yet freed.
long LiveSurfaces();

#endif
