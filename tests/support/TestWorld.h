#ifndef ROCKJAW_TESTS_TESTWORLD_H
#define ROCKJAW_TESTS_TESTWORLD_H

#include <gtest/gtest.h>

#include <string>

#include "engine/GameEngine.h"
#include "game/MainFile.h"

// The one engine that start-up filled, on the dummy 720 × 540 display.
GameEngine* Engine();

// An engine drawing onto a display of a few pixels with the real font: the
// rules run the same, the drawing costs next to nothing. For long runs.
GameEngine* TinyEngine();

// Every global, row and bug slot back to its value at program load.
void ResetWorld();

// The keyboard as HandleKeys reads it.
void Press(SDLKey key);
void Release(SDLKey key);
void ReleaseAllKeys();

// One unpaced pass of the real frame loop; returns the loop flag.
int StepFrame();
void StepFrames(int count);

// A fresh working folder holding the game's files (links to the built ones, or
// copies that a test may spoil), entered for the test's life.
class GameFolder {
public:
    enum Files { Linked, Copied };
    explicit GameFolder(Files files = Linked, const std::string& parent = "/tmp");
    ~GameFolder();
    std::string path;

private:
    std::string previous;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

// The pixel's colour as 0xRRGGBB.
Uint32 RgbAt(SDL_Surface* surface, int x, int y);

// Tests on the real globals start from program load, in a fresh folder, with
// no key down and no sound recorded.
class WorldTest : public ::testing::Test {
protected:
    void SetUp() override;
    GameFolder folder;
};

#endif
