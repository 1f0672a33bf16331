#include "support/Actors.h"

SDL_Surface* PictureOf(int type)
{
    switch (type) {
    case kPlayer:
        return BitBug03;
    case kA:
        return BitBug00;
    case kB:
        return BitBug01;
    default:
        return BitBug02;
    }
}

class Bug& Place(int slot, int type, int x, int y)
{
    class Bug& bug = Bug[slot];
    bug.Create(PictureOf(type), x, y, 0);
    bug.type = type;
    bug.dx = 0;
    bug.dy = 0;
    bug.sprite.SetPosition(x, y);
    if (NumBug <= slot)
        NumBug = slot + 1;
    return bug;
}

std::vector<int> LeftJawDrawsFromTheMeeting(int d)
{
    std::vector<int> draws(16 - d, 300);
    int x = 300;
    for (int speed = 1; speed <= 5; ++speed)
        for (int move = 0; move < 16; ++move)
            draws.push_back(x -= speed);
    for (int move = 0; move < 11; ++move)
        draws.push_back(x -= 6);
    return draws;
}
