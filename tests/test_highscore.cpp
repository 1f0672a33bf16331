// The high-score file: what start-up reads, and when and how the game-over
// screen writes it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "game/HighScore.h"
#include "support/TestWorld.h"

namespace {

struct ReadCase {
    const char* name;
    std::string content;
    int highScore;
};

class HighScoreReadTest : public WorldTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(HighScoreReadTest, StartUpTakesTheLeadingNumberOrKeepsZero)
{
    WriteFile("GameEngine.dat", GetParam().content);
    LoadHighScore();
    EXPECT_EQ(HighScore, GetParam().highScore);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, HighScoreReadTest,
    ::testing::Values(ReadCase{"Plain", "250", 250},
                      ReadCase{"LineEndAfter", "250\n", 250},
                      ReadCase{"TextAfter", "250 points, Bob", 250},
                      ReadCase{"LeadingWhiteSpace", " \t\r\n\v\f42", 42},
                      ReadCase{"Negative", "-30", -30},
                      ReadCase{"PlusSign", "+7", 7},
                      ReadCase{"LeadingZeros", "00070", 70},
                      ReadCase{"Largest", "2147483647", 2147483647},
                      ReadCase{"Smallest", "-2147483648", -2147483647 - 1},
                      ReadCase{"TooLarge", "2147483648", 0},
                      ReadCase{"TooSmall", "-2147483649", 0},
                      ReadCase{"MillionDigits", "1" + std::string(1000000, '7'), 0},
                      ReadCase{"Letters", "abc", 0},
                      ReadCase{"SignAlone", "- 5", 0},
                      ReadCase{"Empty", "", 0},
                      ReadCase{"OnlyWhiteSpace", "  \n ", 0},
                      ReadCase{"BinaryGarbage", std::string("\x00\xff\x12\x80\x7f", 5), 0}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST_F(WorldTest, MissingOrUnreadableHighScoreFileKeepsZeroAndCreatesNothing)
{
    LoadHighScore();
    EXPECT_EQ(HighScore, 0);
    EXPECT_FALSE(std::filesystem::exists("GameEngine.dat"));

    std::filesystem::create_directory("GameEngine.dat");
    LoadHighScore();
    EXPECT_EQ(HighScore, 0);
}

// A game whose player has just died with `score` points.
void EndGameWith(int score)
{
    StartGame();
    points = score;
    Bug[0].Kill();
}

TEST_F(WorldTest, NewHighScoreIsWrittenAsPlainDigitsOnTheGameOverScreen)
{
    HighScore = 100;
    EndGameWith(250);
    GameLoop(Engine());
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(HighScore, 250);
    EXPECT_EQ(ReadFile("GameEngine.dat"), "250");

    points = 275; // a row still closing can squash on the game-over screen
    GameLoop(Engine());
    EXPECT_EQ(ReadFile("GameEngine.dat"), "275");
}

TEST_F(WorldTest, ScoreEqualToTheStoredOneRewritesTheFile)
{
    WriteFile("GameEngine.dat", "0250\n");
    LoadHighScore();
    EndGameWith(250);
    GameLoop(Engine());
    EXPECT_EQ(ReadFile("GameEngine.dat"), "250");
}

TEST_F(WorldTest, ScoreOfZeroWritesNothing)
{
    WriteFile("GameEngine.dat", "-30");
    LoadHighScore();
    EndGameWith(0);
    GameLoop(Engine());
    EXPECT_EQ(ReadFile("GameEngine.dat"), "-30");
}

TEST_F(WorldTest, ScoreBelowTheHighScoreWritesNothing)
{
    WriteFile("GameEngine.dat", "500");
    LoadHighScore();
    EndGameWith(250);
    GameLoop(Engine());
    EXPECT_EQ(ReadFile("GameEngine.dat"), "500");
}

TEST_F(WorldTest, WritesReplaceTheFileWholeAndLeaveNoTemporaryFile)
{
    WriteFile("GameEngine.dat", "123456789 and a long tail");
    ASSERT_EQ(WriteHighScore("GameEngine.dat", -42), 1);
    EXPECT_EQ(ReadFile("GameEngine.dat"), "-42");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        entries += entry.path().filename().string().rfind("GameEngine.dat", 0) == 0;
    EXPECT_EQ(entries, 1);
}

TEST_F(WorldTest, FailedWriteIsReportedOnceAndPlayGoesOn)
{
    // Root may write anywhere, so a folder stands where the file should go.
    std::filesystem::create_directory("GameEngine.dat");
    EndGameWith(300);
    ::testing::internal::CaptureStderr();
    for (int frame = 0; frame < 5; ++frame) {
        points += 5;
        GameLoop(Engine());
    }
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find("GameEngine.dat"), std::string::npos) << errors;
    EXPECT_EQ(HighScore, 325);
    EXPECT_TRUE(std::filesystem::is_directory("GameEngine.dat"));
}

} // namespace
