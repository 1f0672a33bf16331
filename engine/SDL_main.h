#ifndef ROCKJAW_ENGINE_SDL_MAIN_H
#define ROCKJAW_ENGINE_SDL_MAIN_H

class GameEngine;

// Empties SDL's event queue; a window close or an Esc press clears the loop
// flag, every other event is dropped. Returns the flag.
int DrainEvents(int running);

// One pass of the frame loop: keys, events, background, world, flip.
void RunFrame(GameEngine* engine, int* running);

// When the font sheet is not in the working directory but lies beside the
// program, makes the program's folder the working directory.
void EnterGameFolder();

int SDL_main(int argc, char** argv);

#endif
