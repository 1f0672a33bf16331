#ifndef ROCKJAW_TESTS_ACTORS_H
#define ROCKJAW_TESTS_ACTORS_H

#include <vector>

#include "game/MainFile.h"

// Bug types and the rows' heights, as the game uses them.
const int kPlayer = -1, kA = 0, kB = 1, kC = 2;
const int kRowY[3] = {75, 225, 375};

// The picture the game gives a living bug of the type.
SDL_Surface* PictureOf(int type);

// A living bug of the type standing still at (x, y) in the slot, its sprite
// placed there; NumBug is raised to cover the slot.
class Bug& Place(int slot, int type, int x, int y);

// Where a row's left jaw is drawn from its meeting update on, when `delay`
// holds d as that update begins: 300 on 16 - d updates, then 16 moves of 1, 2,
// 3, 4 and 5 pixels outwards and 11 of 6, down to the update that comes to rest.
std::vector<int> LeftJawDrawsFromTheMeeting(int d);

#endif
