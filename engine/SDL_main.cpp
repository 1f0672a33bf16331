#include "engine/SDL_main.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "engine/FramePacer.h"
#include "engine/GameEngine.h"
#include "game/MainFile.h"

int DrainEvents(int running)
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT)
            running = 0;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)
            running = 0;
    }
    return running;
}

void RunFrame(GameEngine* engine, int* running)
{
    HandleKeys();
    *running = DrainEvents(*running);
    BackGround(engine);
    GameLoop(engine);
    SDL_Flip(engine->screen);
}

void EnterGameFolder()
{
    if (access("Text.tex", F_OK) == 0)
        return;
    char program[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", program, sizeof program - 1);
    if (length <= 0)
        return;
    std::string folder(program, length);
    folder.erase(folder.rfind('/') + 1);
    if (access((folder + "Text.tex").c_str(), F_OK) == 0 && chdir(folder.c_str()) != 0)
        std::perror("rockjaw: cannot enter the game folder");
}

int SDL_main(int, char**)
{
    EnterGameFolder();
    GameEngine engine;
    GameStart(&engine);
    FramePacer pacer(std::chrono::nanoseconds(1000000000 / 60));
    int running = 1;
    while (running == 1) {
        RunFrame(&engine, &running);
        pacer.Wait();
    }
    return 0;
}
