#include "support/TestWorld.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

#include "engine/SDL_main.h"
#include "game/HighScore.h"
#include "support/Spies.h"

namespace fs = std::filesystem;

static GameEngine engine;

GameEngine* Engine()
{
    return &engine;
}

GameEngine* TinyEngine()
{
    static GameEngine tiny;
    if (!tiny.screen) {
        tiny.screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 16, 16, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        tiny.font = engine.font;
    }
    return &tiny;
}

static void ResetRow(Boulder& row)
{
    std::memset(static_cast<void*>(&row), 0, sizeof row);
}

void ResetWorld()
{
    maxbugs = kBugSlots;
    NumBug = 0;
    GameOver = 2;
    fFrame = 1;
    points = 0;
    reduce = 0;
    bugC = 0;
    HighScore = 0;
    ResetRow(BoulderSet0);
    ResetRow(BoulderSet1);
    ResetRow(BoulderSet2);
    for (class Bug& slot : Bug) {
        std::memset(static_cast<void*>(&slot), 0, sizeof slot);
        new (&slot) class Bug();
    }
}

static Uint8* Keys()
{
    return SDL_GetKeyState(nullptr);
}

void Press(SDLKey key)
{
    Keys()[key] = 1;
}

void Release(SDLKey key)
{
    Keys()[key] = 0;
}

void ReleaseAllKeys()
{
    int count = 0;
    Uint8* keys = SDL_GetKeyState(&count);
    std::memset(keys, 0, count);
}

int StepFrame()
{
    int running = 1;
    RunFrame(&engine, &running);
    return running;
}

void StepFrames(int count)
{
    for (int i = 0; i < count; ++i)
        StepFrame();
}

GameFolder::GameFolder(Files files, const std::string& parent)
{
    std::string pattern = parent + "/rockjaw-test-XXXXXX";
    path = mkdtemp(&pattern[0]);
    const fs::path game(ROCKJAW_GAME_DIR);
    if (files == Copied) {
        fs::copy(game / "data", fs::path(path) / "data");
        fs::copy(game / "Text.tex", fs::path(path) / "Text.tex");
    } else {
        fs::create_directory_symlink(game / "data", fs::path(path) / "data");
        fs::create_symlink(game / "Text.tex", fs::path(path) / "Text.tex");
    }
    previous = fs::current_path();
    fs::current_path(path);
}

GameFolder::~GameFolder()
{
    fs::current_path(previous);
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

Uint32 RgbAt(SDL_Surface* surface, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(ReadPixel(surface, x, y), surface->format, &r, &g, &b);
    return r << 16 | g << 8 | b;
}

void WorldTest::SetUp()
{
    ResetWorld();
    LoadHighScore();
    ReleaseAllKeys();
    SoundsPlayed().clear();
    SDL_Event pending;
    while (SDL_PollEvent(&pending)) {
    }
}
