// Long headless sessions with random keys: the game's invariants hold on
// every frame, and nothing is taken per frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "support/Spies.h"
#include "support/TestWorld.h"

namespace {

const SDLKey kGameKeys[] = {SDLK_q, SDLK_a, SDLK_z, SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN};

// How the random player behaves for a stretch of frames.
enum class Habit { Anything, NeverSlams, HandsOff };

void PressRandomKeys(std::mt19937& chance, Habit habit)
{
    ReleaseAllKeys();
    if (habit == Habit::HandsOff)
        return;
    for (SDLKey key : kGameKeys) {
        const bool slamKey = key == SDLK_q || key == SDLK_a || key == SDLK_z;
        if (habit == Habit::NeverSlams && (slamKey || key == SDLK_RETURN))
            continue;
        const unsigned oneIn = key == SDLK_RETURN ? 400 : slamKey ? 40 : 3;
        if (chance() % oneIn == 0)
            Press(key);
    }
}

void ExpectInvariants(long frame)
{
    ASSERT_GE(NumBug, 0) << "frame " << frame;
    ASSERT_LE(NumBug, maxbugs) << "frame " << frame;
    for (const Boulder* row : BoulderRows) {
        ASSERT_EQ(row->leftX + row->rightX, 645) << "frame " << frame;
        ASSERT_EQ(row->leftSpeed, row->rightSpeed) << "frame " << frame;
    }
    ASSERT_TRUE(GameOver == 0 || GameOver == 1 || GameOver == 2) << "frame " << frame;
    ASSERT_GE(fFrame, 1) << "frame " << frame;
    ASSERT_LE(fFrame, 4000) << "frame " << frame;
    ASSERT_GE(reduce, 0) << "frame " << frame;
    ASSERT_LE(reduce, 150) << "frame " << frame;
    ASSERT_EQ(points % 5, 0) << "frame " << frame;
}

bool SpawnStepWithTwoCreators()
{
    return bugC == 1 || bugC == 2 || bugC == 4;
}

TEST_F(WorldTest, SoakOfHalfAMillionRandomFramesKeepsEveryInvariant)
{
    std::srand(7);
    std::mt19937 chance(1211);
    const Habit habits[] = {Habit::Anything, Habit::NeverSlams, Habit::HandsOff};
    long fullTables = 0, twoBugStepsOnLastSlot = 0, games = 0;
    Habit habit = Habit::Anything;
    for (long frame = 0; frame < 500000; ++frame) {
        // Stretches of 500 to 20,000 frames; hands off long enough fills the table.
        if (frame % 20000 == 0)
            habit = habits[chance() % 3];
        PressRandomKeys(chance, habit);
        if (GameOver == 2 || (habit != Habit::Anything && GameOver == 1 && frame % 20000 == 19999))
            Press(SDLK_RETURN);
        const int screenBefore = GameOver;
        const bool lastSlotStep = NumBug == maxbugs - 1 && SpawnStepWithTwoCreators() &&
                                  (fFrame % (200 - reduce)) == 0;
        HandleKeys();
        BackGround(TinyEngine());
        GameLoop(TinyEngine());
        ExpectInvariants(frame);
        if (HasFatalFailure())
            return;
        fullTables += NumBug == maxbugs;
        twoBugStepsOnLastSlot += lastSlotStep;
        games += screenBefore != 0 && GameOver == 0;
    }
    EXPECT_GT(fullTables, 0) << "the table filled up";
    EXPECT_GT(twoBugStepsOnLastSlot, 0) << "a two-bug spawn step met the last free slot";
    EXPECT_GT(games, 10);
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

TEST_F(WorldTest, GameOverScreenWithEnemiesOnTheDeadPlayerTakesNothingPerFrame)
{
    StartGame();
    for (int slot = NumBug; slot < 6; ++slot) {
        CreateA(BitBug00);
        Bug[slot].x = Bug[0].x;
        Bug[slot].y = Bug[0].y;
        Bug[slot].dy = 0;
        Bug[slot].type = 1; // chasers stay on the player
    }
    for (int frame = 0; frame < 20000; ++frame) // until the table is full
        GameLoop(TinyEngine());
    ASSERT_EQ(GameOver, 1);
    ASSERT_EQ(NumBug, maxbugs);
    const long surfaces = LiveSurfaces();
    const long kilobytes = ResidentKilobytes();

    int touching = 0;
    for (int frame = 0; frame < 100000; ++frame)
        GameLoop(TinyEngine());
    for (int slot = 1; slot < NumBug; ++slot)
        touching += Bug[slot].state == 1 && CheckCollide(Bug[0].sprite, Bug[slot].sprite);
    EXPECT_GE(touching, 3) << "enemies still touch the dead player";
    EXPECT_EQ(Bug[0].image, BitDeadPlayer);
    EXPECT_EQ(LiveSurfaces(), surfaces);
    EXPECT_LT(ResidentKilobytes() - kilobytes, 512);
}

} // namespace
