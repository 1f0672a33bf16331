// Start-up meets files it cannot use: the real program, run headless in a
// folder of its own with one file spoiled.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Process.h"
#include "support/TestWorld.h"

namespace {

namespace fs = std::filesystem;

const char* const kStartUpFiles[] = {
    "Text.tex",         "data/boulder.dat", "data/BKG.dat",        "data/Bug00.dat",
    "data/Bug01.dat",   "data/Bug02.dat",   "data/Bug03.dat",      "data/Dead.dat",
    "data/Black.dat",   "data/Splash.dat",  "data/DeadPlayer.dat", "data/squish.wav",
};

enum class Spoil { Missing, Empty, Truncated, NotAPictureOrSound, Folder };

const char* SpoilName(Spoil spoil)
{
    switch (spoil) {
    case Spoil::Missing:
        return "Missing";
    case Spoil::Empty:
        return "Empty";
    case Spoil::Truncated:
        return "Truncated";
    case Spoil::NotAPictureOrSound:
        return "NotAPictureOrSound";
    default:
        return "Folder";
    }
}

void SpoilFile(const std::string& file, Spoil spoil)
{
    const std::string content = ReadFile(file);
    fs::remove(file);
    switch (spoil) {
    case Spoil::Missing:
        break;
    case Spoil::Empty:
        WriteFile(file, "");
        break;
    case Spoil::Truncated:
        WriteFile(file, content.substr(0, content.size() / 2));
        break;
    case Spoil::NotAPictureOrSound:
        WriteFile(file, "This is a plain text file, not what the game expects.\n");
        break;
    case Spoil::Folder:
        fs::create_directory(file);
        break;
    }
}

using StartUpCase = std::tuple<const char*, Spoil>;

class SpoiledFileTest : public ::testing::TestWithParam<StartUpCase> {};

TEST_P(SpoiledFileTest, StopsWithOneLineNamingTheFileAndStatusOne)
{
    const std::string file = std::get<0>(GetParam());
    GameFolder folder(GameFolder::Copied);
    SpoilFile(file, std::get<1>(GetParam()));
    // A copy of the program, so the folder beside it is this one too.
    fs::copy(ROCKJAW_BINARY, "rockjaw");

    const ProcessResult run = RunProgram({folder.path + "/rockjaw"}, folder.path, 20);
    ASSERT_TRUE(run.exited) << "the game started regardless";
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("\"" + file + "\""), std::string::npos) << run.errors;
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SpoiledFileTest,
    ::testing::Combine(::testing::ValuesIn(kStartUpFiles),
                       ::testing::Values(Spoil::Missing, Spoil::Empty, Spoil::Truncated,
                                         Spoil::NotAPictureOrSound, Spoil::Folder)),
    [](const ::testing::TestParamInfo<StartUpCase>& info) {
        std::string name = std::string(std::get<0>(info.param)) + "_" + SpoilName(std::get<1>(info.param));
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(StartUp, UnusableHighScoreFileStillStartsTheGame)
{
    GameFolder folder(GameFolder::Copied);
    fs::create_directory("GameEngine.dat");
    const ProcessResult run = RunProgram({ROCKJAW_BINARY}, folder.path, 1.5);
    EXPECT_FALSE(run.exited) << "status " << run.status << ": " << run.errors;
}

TEST(StartUp, ProgramStartedFromAnotherFolderFindsItsFiles)
{
    GameFolder elsewhere;
    fs::remove("Text.tex");
    fs::remove("data");
    const ProcessResult run = RunProgram({ROCKJAW_BINARY}, elsewhere.path, 1.5);
    EXPECT_FALSE(run.exited) << "status " << run.status << ": " << run.errors;
}

TEST(StartUp, NoVideoModeStopsWithOneLineAndStatusOne)
{
    GameFolder folder;
    const ProcessResult run = RunProgram({ROCKJAW_BINARY}, folder.path, 20, {"SDL_VIDEODRIVER=none-such"});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("720x540x32 video mode"), std::string::npos) << run.errors;
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
}

TEST(StartUp, NoAudioDeviceSaysSoOnceAndPlaysSilently)
{
    GameFolder folder;
    const ProcessResult run = RunProgram({ROCKJAW_BINARY}, folder.path, 1.5, {"SDL_AUDIODRIVER=none-such"});
    EXPECT_FALSE(run.exited) << "status " << run.status << ": " << run.errors;
    EXPECT_NE(run.errors.find("without sound"), std::string::npos) << run.errors;
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
}

} // namespace
