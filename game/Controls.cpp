#include "game/MainFile.h"

static void CloseIfAtRest(Boulder& row)
{
    if (row.state == 0)
        row.state = 1;
}

static void PlayKeys(const Uint8* keys)
{
    if (keys[SDLK_z])
        CloseIfAtRest(BoulderSet2);
    if (keys[SDLK_a])
        CloseIfAtRest(BoulderSet1);
    if (keys[SDLK_q])
        CloseIfAtRest(BoulderSet0);
    if (keys[SDLK_UP])
        Bug[0].y -= 5;
    if (keys[SDLK_DOWN])
        Bug[0].y += 5;
    if (keys[SDLK_LEFT])
        Bug[0].x -= 5;
    if (keys[SDLK_RIGHT])
        Bug[0].x += 5;
}

// EGame leaves the title screen selected, so Enter on the game-over screen
// ends the game and starts the next one in the same call.
void HandleKeys()
{
    const Uint8* keys = SDL_GetKeyState(nullptr);
    if (GameOver == 0)
        PlayKeys(keys);
    if (GameOver == 1 && keys[SDLK_RETURN])
        EGame();
    if (GameOver == 2 && keys[SDLK_RETURN])
        StartGame();
}

void StartGame()
{
    BoulderSet0.SetBoulders(BitBoulder, 75);
    BoulderSet1.SetBoulders(BitBoulder, 225);
    BoulderSet2.SetBoulders(BitBoulder, 375);
    BoulderSet0.leftX = BoulderSet1.leftX = BoulderSet2.leftX = 0;
    BoulderSet0.rightX = BoulderSet1.rightX = BoulderSet2.rightX = 645;
    Bug[0].Create(BitBug03, 320, 200, 0);
    Bug[0].type = -1;
    NumBug += 1;
    CreateA(BitBug00);
    GameOver = 0;
}

// Each row's opening-step counter is left as it is and carries into the next game.
static void PutRowAtRest(Boulder& row)
{
    row.leftX = 0;
    row.rightX = 645;
    row.state = 0;
    row.leftSpeed = 0;
    row.rightSpeed = 0;
}

void EGame()
{
    PutRowAtRest(BoulderSet0);
    PutRowAtRest(BoulderSet1);
    PutRowAtRest(BoulderSet2);
    ResetAllBugs();
    GameOver = 2;
    fFrame = 1;
    points = 0;
    reduce = 0;
    bugC = 0;
    NumBug = 0;
}

void ResetAllBugs()
{
    for (int slot = 1; slot < maxbugs; ++slot) {
        Bug[slot].x = 5000;
        Bug[slot].y = 5000;
        Bug[slot].state = 0;
        Bug[slot].dx = 0;
        Bug[slot].dy = 0;
    }
    NumBug = 1;
}
