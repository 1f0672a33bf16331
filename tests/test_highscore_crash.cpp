// The high score survives a process killed at any moment while writing it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "game/HighScore.h"
#include "support/Process.h"
#include "support/TestWorld.h"

namespace {

TEST(HighScoreCrash, KilledWriterAlwaysLeavesAValidScoreThatNeverFalls)
{
    // In memory, so the kills land among writes rather than in waits for the disk.
    GameFolder inMemory(GameFolder::Linked,
                        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
    const std::string& folder = inMemory.path;
    ASSERT_EQ(WriteHighScore(kHighScoreFile, 100), 1);
    std::mt19937 chance(20261211);
    std::uniform_int_distribution<int> microseconds(0, 1000);
    int previous = 100;
    const int kills = 300;
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t writer = StartProgram({ROCKJAW_HIGHSCORE_WRITER, std::to_string(previous)},
                                          folder, folder + "/.stderr");
        // Once the writer has written a score, kill it at a random moment.
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        int written = previous;
        while (ReadHighScore(kHighScoreFile, &written) == 1 && written == previous &&
               std::chrono::steady_clock::now() < giveUp)
            std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(chance)));
        ::kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer was still writing when killed";

        int score = 0;
        ASSERT_EQ(ReadHighScore(kHighScoreFile, &score), 1)
            << "after kill " << kill << " the file holds \"" << ReadFile(kHighScoreFile) << "\"";
        ASSERT_GE(score, previous) << "after kill " << kill;
        ASSERT_EQ(ReadFile(kHighScoreFile), std::to_string(score)) << "plain digits, no line end";
        previous = score;
    }
    EXPECT_GE(previous, 100 + 5 * kills) << "every writer got scores written";
}

} // namespace
