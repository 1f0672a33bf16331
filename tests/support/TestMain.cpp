// Runs the suite headless: SDL's dummy video and audio drivers, and the real
// start-up, once, in a folder of its own that holds the game's files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "support/TestWorld.h"

namespace {

class StartedGame : public ::testing::Environment {
public:
    void SetUp() override
    {
        folder = std::make_unique<GameFolder>();
        GameStart(Engine());
    }
    std::unique_ptr<GameFolder> folder;
};

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new StartedGame);
    return RUN_ALL_TESTS();
}
