#include <cstdlib>

#include "game/MainFile.h"

// Each spawner draws twice from rand: the side first, then the position.
// The top side (odd draw) enters at y -50, the bottom side at y 550.
static int DrawSideIsTop()
{
    return std::rand() % 2 == 1;
}

static int DrawX()
{
    return std::rand() % 520 + 100;
}

// A two-bug spawn step may start with one slot left; its second bug is then
// not made, so the table is never written past its end.
static bool SlotFree()
{
    return NumBug >= 0 && NumBug < maxbugs;
}

static void FinishSpawn(int type)
{
    Bug[NumBug].type = type;
    NumBug += 1;
}

void CreateA(SDL_Surface* picture)
{
    if (!SlotFree())
        return;
    const int top = DrawSideIsTop();
    Bug[NumBug].dy = top ? 3 : -3;
    const int layer = top ? 1 : 0; // the sheet's second row heads down
    const int x = DrawX();
    Bug[NumBug].Create(picture, x, top ? -50 : 550, layer);
    FinishSpawn(0);
}

void CreateB(SDL_Surface* picture)
{
    if (!SlotFree())
        return;
    const int top = DrawSideIsTop();
    const int x = DrawX();
    Bug[NumBug].Create(picture, x, top ? -50 : 550, 0);
    FinishSpawn(1);
}

void CreateC(SDL_Surface* picture)
{
    if (!SlotFree())
        return;
    const int top = DrawSideIsTop();
    Bug[NumBug].dy = top ? 1 : -1;
    const int x = DrawX();
    Bug[NumBug].Create(picture, x, top ? -50 : 550, 0);
    Bug[NumBug].patrolRight = 1;
    FinishSpawn(2);
}
