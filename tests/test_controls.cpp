// Screens, controls and resets: HandleKeys, StartGame, EGame and
// ResetAllBugs, on their own and stepped frame by frame through the real loop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "support/Actors.h"
#include "support/Pictures.h"
#include "support/TestWorld.h"

namespace {

// The first seed whose next two draws pass the test; the generator is left
// seeded with it. Returns the two draws through the arguments.
unsigned SeedWhere(const std::function<bool(int side, int position)>& wanted, int* side = nullptr,
                   int* position = nullptr)
{
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        const int first = std::rand();
        const int second = std::rand();
        if (!wanted(first, second))
            continue;
        if (side)
            *side = first;
        if (position)
            *position = second;
        std::srand(seed);
        return seed;
    }
}

// An enemy that enters at the top, far to the left of the player's column.
void SeedForAFarAwayFirstEnemy()
{
    SeedWhere([](int side, int position) { return side % 2 == 1 && position % 520 + 100 <= 160; });
}

// Left jaw positions of one closing from 0 (updates 1 … 24), before the meeting.
std::vector<int> ClosingDraws()
{
    std::vector<int> draws;
    for (int n = 1; n <= 24; ++n)
        draws.push_back(n * (n - 1) / 2);
    return draws;
}


std::vector<int> Join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const std::vector<int>& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

void PressOnly(std::initializer_list<SDLKey> keys)
{
    ReleaseAllKeys();
    for (SDLKey key : keys)
        Press(key);
}

// True when nothing but BKG shows in the rectangle of the display.
bool OnlyBackgroundIn(int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (RgbAt(Engine()->screen, x, y) != RgbAt(BKG, x, y))
                return false;
    return true;
}

class ControlsTest : public WorldTest {
protected:
    // A game as Enter on the title screen starts it.
    void StartPlaying()
    {
        SeedForAFarAwayFirstEnemy();
        StartGame();
    }

    // What every new game looks like right after StartGame.
    void ExpectNewGame(int highScore, const int delays[3])
    {
        EXPECT_EQ(GameOver, 0);
        EXPECT_EQ(points, 0);
        EXPECT_EQ(fFrame, 1);
        EXPECT_EQ(reduce, 0);
        EXPECT_EQ(bugC, 0);
        EXPECT_EQ(NumBug, 2);
        EXPECT_EQ(HighScore, highScore);
        const int rowY[3] = {75, 225, 375};
        for (int r = 0; r < 3; ++r) {
            const Boulder& row = *BoulderRows[r];
            EXPECT_EQ(row.state, 0) << "row " << r;
            EXPECT_EQ(row.leftX, 0) << "row " << r;
            EXPECT_EQ(row.rightX, 645) << "row " << r;
            EXPECT_EQ(row.leftSpeed, 0) << "row " << r;
            EXPECT_EQ(row.rightSpeed, 0) << "row " << r;
            EXPECT_EQ(row.delay, delays[r]) << "row " << r << " keeps its opening-step counter";
            EXPECT_EQ(row.y, rowY[r]);
            EXPECT_EQ(row.leftImage, BitBoulder);
            EXPECT_EQ(row.rightImage, BitBoulder);
            EXPECT_EQ(row.left.image, BitBoulder);
            EXPECT_EQ(row.left.width, 75);
            EXPECT_EQ(row.right.height, 75);
            EXPECT_EQ(row.right.frames, 0);
        }
        const class Bug& player = Bug[0];
        EXPECT_EQ(player.state, 1);
        EXPECT_EQ(player.type, -1);
        EXPECT_EQ(player.x, 320);
        EXPECT_EQ(player.y, 200);
        EXPECT_EQ(player.image, BitBug03);
        EXPECT_EQ(player.sprite.layer, 0);
        EXPECT_EQ(player.sprite.animate, 1);
        EXPECT_EQ(Bug[1].state, 1);
        EXPECT_EQ(Bug[1].type, 0);
        EXPECT_EQ(Bug[1].image, BitBug00);
        for (int slot = 2; slot < maxbugs; ++slot)
            ASSERT_EQ(Bug[slot].state, 0) << "slot " << slot;
    }

    // A game in full swing whose player has just died.
    void MessUpAGame()
    {
        StartPlaying();
        for (int slot = 2; slot < 30; ++slot) {
            Bug[slot].Create(BitBug01, 100 + slot, 100 + slot, 0);
            Bug[slot].type = slot % 3;
            Bug[slot].dx = 2;
            Bug[slot].dy = -2;
            Bug[slot].state = slot % 2 ? 1 : -1;
        }
        NumBug = 30;
        BoulderSet0.state = 1;
        BoulderSet0.leftX = 55;
        BoulderSet0.rightX = 590;
        BoulderSet0.leftSpeed = BoulderSet0.rightSpeed = 10;
        BoulderSet1.state = -1;
        BoulderSet1.leftX = 120;
        BoulderSet1.rightX = 525;
        BoulderSet1.leftSpeed = BoulderSet1.rightSpeed = -3;
        BoulderSet1.delay = 7;
        BoulderSet2.leftX = -6;
        BoulderSet2.rightX = 651;
        BoulderSet2.leftSpeed = BoulderSet2.rightSpeed = -6;
        BoulderSet2.delay = 11;
        points = 345;
        HighScore = 500;
        fFrame = 1234;
        bugC = 4;
        reduce = 34;
        Bug[0].x = 400;
        Bug[0].Kill();
        GameOver = 1;
    }
};

// --- the arrows ------------------------------------------------------------

struct ArrowCase {
    const char* name;
    std::vector<SDLKey> keys;
    int x, y;           // the player before
    int afterX, afterY; // after HandleKeys alone
};

class ArrowTest : public ControlsTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowTest, ArrowsMoveThePlayerFivePixelsAndOppositeOnesCancel)
{
    const ArrowCase& c = GetParam();
    StartPlaying();
    Bug[0].x = c.x;
    Bug[0].y = c.y;
    const class Bug enemy = Bug[1];
    for (SDLKey key : c.keys)
        Press(key);
    HandleKeys();
    EXPECT_EQ(Bug[0].x, c.afterX);
    EXPECT_EQ(Bug[0].y, c.afterY);
    EXPECT_EQ(Bug[0].dx, 0);
    EXPECT_EQ(Bug[0].dy, 0);
    EXPECT_EQ(Bug[1].x, enemy.x);
    EXPECT_EQ(Bug[1].y, enemy.y);
    for (const Boulder* row : BoulderRows)
        EXPECT_EQ(row->state, 0);
    EXPECT_EQ(GameOver, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keys, ArrowTest,
    ::testing::Values(ArrowCase{"Up", {SDLK_UP}, 320, 200, 320, 195},
                      ArrowCase{"Down", {SDLK_DOWN}, 320, 200, 320, 205},
                      ArrowCase{"Left", {SDLK_LEFT}, 320, 200, 315, 200},
                      ArrowCase{"Right", {SDLK_RIGHT}, 320, 200, 325, 200},
                      ArrowCase{"UpAndDownCancel", {SDLK_UP, SDLK_DOWN}, 320, 200, 320, 200},
                      ArrowCase{"LeftAndRightCancel", {SDLK_LEFT, SDLK_RIGHT}, 320, 200, 320, 200},
                      ArrowCase{"UpAndLeft", {SDLK_UP, SDLK_LEFT}, 320, 200, 315, 195},
                      ArrowCase{"DownAndRight", {SDLK_DOWN, SDLK_RIGHT}, 320, 200, 325, 205},
                      ArrowCase{"AllFourCancel", {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT}, 320, 200, 320, 200},
                      ArrowCase{"ThreeLeaveOne", {SDLK_UP, SDLK_DOWN, SDLK_LEFT}, 320, 200, 315, 200},
                      ArrowCase{"NoBoundsInHandleKeys", {SDLK_UP, SDLK_LEFT}, 75, 0, 70, -5},
                      ArrowCase{"NoBoundsAtTheFarSide", {SDLK_DOWN, SDLK_RIGHT}, 610, 500, 615, 505},
                      ArrowCase{"Nothing", {}, 320, 200, 320, 200}),
    [](const ::testing::TestParamInfo<ArrowCase>& info) { return info.param.name; });
// clang-format on

TEST_F(ControlsTest, PlayerPushedPastTheBoundByTheKeysIsDrawnAtTheBoundInTheSameFrame)
{
    StartPlaying();
    Bug[0].x = 75;
    Bug[0].y = 500;
    PressOnly({SDLK_LEFT, SDLK_DOWN});
    StepFrame();
    EXPECT_EQ(Bug[0].x, 75);
    EXPECT_EQ(Bug[0].y, 500);
    EXPECT_EQ(Bug[0].sprite.x, 75);
    EXPECT_EQ(Bug[0].sprite.y, 500);
}

TEST_F(ControlsTest, ArrowsHeldMoveThePlayerEveryFrame)
{
    StartPlaying();
    PressOnly({SDLK_RIGHT, SDLK_UP});
    StepFrames(10);
    EXPECT_EQ(Bug[0].x, 370);
    EXPECT_EQ(Bug[0].y, 150);
    EXPECT_EQ(Bug[0].sprite.x, 370) << "drawn where the keys put it";
}

// --- the row keys ------------------------------------------------------------

struct RowKeyCase {
    const char* name;
    std::vector<SDLKey> keys;
    int before[3]; // the rows' states, top to bottom
    int after[3];
};

class RowKeyTest : public ControlsTest, public ::testing::WithParamInterface<RowKeyCase> {};

TEST_P(RowKeyTest, KeySetsItsRowClosingOnlyWhenTheRowIsAtRest)
{
    const RowKeyCase& c = GetParam();
    StartPlaying();
    for (int r = 0; r < 3; ++r)
        BoulderRows[r]->state = c.before[r];
    for (SDLKey key : c.keys)
        Press(key);
    HandleKeys();
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(BoulderRows[r]->state, c.after[r]) << "row " << r;
    EXPECT_EQ(Bug[0].x, 320);
    EXPECT_EQ(Bug[0].y, 200);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keys, RowKeyTest,
    ::testing::Values(RowKeyCase{"QTop", {SDLK_q}, {0, 0, 0}, {1, 0, 0}},
                      RowKeyCase{"AMiddle", {SDLK_a}, {0, 0, 0}, {0, 1, 0}},
                      RowKeyCase{"ZBottom", {SDLK_z}, {0, 0, 0}, {0, 0, 1}},
                      RowKeyCase{"AllThreeInOneFrame", {SDLK_q, SDLK_a, SDLK_z}, {0, 0, 0}, {1, 1, 1}},
                      RowKeyCase{"QWhileClosing", {SDLK_q}, {1, 0, 0}, {1, 0, 0}},
                      RowKeyCase{"QWhileOpening", {SDLK_q}, {-1, 0, 0}, {-1, 0, 0}},
                      RowKeyCase{"AWhileOpening", {SDLK_a}, {0, -1, 0}, {0, -1, 0}},
                      RowKeyCase{"ZWhileClosing", {SDLK_z}, {0, 0, 1}, {0, 0, 1}},
                      RowKeyCase{"AllThreeTwoBusy", {SDLK_q, SDLK_a, SDLK_z}, {-1, 0, 1}, {-1, 1, 1}},
                      RowKeyCase{"OtherLettersDoNothing", {SDLK_w, SDLK_s, SDLK_x, SDLK_RETURN}, {0, 0, 0}, {0, 0, 0}}),
    [](const ::testing::TestParamInfo<RowKeyCase>& info) { return info.param.name; });
// clang-format on

// --- keys on the title and game-over screens ---------------------------------

class OtherScreenKeysTest : public ControlsTest, public ::testing::WithParamInterface<int> {};

TEST_P(OtherScreenKeysTest, ArrowsAndRowKeysDoNothing)
{
    StartPlaying();
    GameOver = GetParam();
    PressOnly({SDLK_UP, SDLK_LEFT, SDLK_q, SDLK_a, SDLK_z});
    HandleKeys();
    EXPECT_EQ(GameOver, GetParam());
    EXPECT_EQ(Bug[0].x, 320);
    EXPECT_EQ(Bug[0].y, 200);
    for (const Boulder* row : BoulderRows)
        EXPECT_EQ(row->state, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, OtherScreenKeysTest, ::testing::Values(2, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 2 ? "Title" : "GameOver";
                         });
// clang-format on

TEST_F(ControlsTest, TitleScreenRunsNoWorldWhateverTheKeys)
{
    PressOnly({SDLK_UP, SDLK_DOWN, SDLK_RIGHT, SDLK_q, SDLK_a, SDLK_z});
    StepFrames(5);
    EXPECT_EQ(GameOver, 2);
    EXPECT_EQ(fFrame, 1);
    EXPECT_EQ(NumBug, 0);
    EXPECT_EQ(Bug[0].state, 0);
    for (const Boulder* row : BoulderRows)
        EXPECT_EQ(row->state, 0);
}

TEST_F(ControlsTest, EnterWhilePlayingDoesNothing)
{
    StartPlaying();
    points = 40;
    fFrame = 77;
    PressOnly({SDLK_RETURN});
    HandleKeys();
    EXPECT_EQ(GameOver, 0);
    EXPECT_EQ(points, 40);
    EXPECT_EQ(fFrame, 77);
    EXPECT_EQ(NumBug, 2);
}

// --- Enter: starting games ---------------------------------------------------

TEST_F(ControlsTest, EnterOnTheTitleScreenStartsTheFirstGame)
{
    int side = 0, position = 0;
    SeedWhere([](int, int) { return true; }, &side, &position);
    PressOnly({SDLK_RETURN});
    HandleKeys();
    const int delays[3] = {0, 0, 0};
    ExpectNewGame(0, delays);
    EXPECT_EQ(Bug[1].x, position % 520 + 100);
    EXPECT_EQ(Bug[1].y, side % 2 ? -50 : 550);
}

TEST_F(ControlsTest, EnterOnTheGameOverScreenEndsTheGameAndStartsTheNextInTheSameCall)
{
    MessUpAGame();
    int side = 0, position = 0;
    SeedWhere([](int s, int) { return s % 2 == 0; }, &side, &position);
    PressOnly({SDLK_RETURN});
    HandleKeys();
    const int delays[3] = {0, 7, 11};
    ExpectNewGame(500, delays);
    EXPECT_EQ(Bug[1].x, position % 520 + 100);
    EXPECT_EQ(Bug[1].y, 550);
    EXPECT_EQ(Bug[1].dy, -3);
    for (int slot = 2; slot < maxbugs; ++slot) {
        ASSERT_EQ(Bug[slot].x, 5000) << "slot " << slot;
        ASSERT_EQ(Bug[slot].y, 5000) << "slot " << slot;
    }
}

TEST_F(ControlsTest, FrameThatSeesEnterOnGameOverAlreadyShowsTheNewGame)
{
    MessUpAGame();
    SeedForAFarAwayFirstEnemy();
    PressOnly({SDLK_RETURN});
    StepFrame();
    EXPECT_EQ(GameOver, 0);
    EXPECT_EQ(points, 0);
    EXPECT_EQ(fFrame, 2) << "the new game's first frame has run";
    EXPECT_EQ(Bug[0].state, 1);
    EXPECT_EQ(Bug[0].sprite.x, 320) << "the player is drawn at (320, 200)";
    EXPECT_EQ(Bug[0].sprite.y, 200);
    EXPECT_EQ(NumBug, 2);
    for (const Boulder* row : BoulderRows) {
        EXPECT_EQ(row->left.x, 0) << "every row drawn at rest";
        EXPECT_EQ(row->right.x, 645);
        EXPECT_EQ(row->state, 0);
    }
    EXPECT_TRUE(OnlyBackgroundIn(100, 455, 640, 520)) << "no title lines, BKG behind";
}

TEST_F(ControlsTest, EnterHeldOnTheTitleStartsAGameAndChangesNothingWhilePlaying)
{
    SeedForAFarAwayFirstEnemy();
    PressOnly({SDLK_RETURN});
    StepFrames(60);
    EXPECT_EQ(GameOver, 0);
    EXPECT_EQ(fFrame, 61);
    EXPECT_EQ(Bug[0].state, 1);
    EXPECT_EQ(NumBug, 2);
    EXPECT_EQ(Bug[0].x, 320);
}

struct DeathCase {
    const char* name;
    bool crushed;         // else touched by an enemy
    int framesToGameOver; // frames of play until GameOver is 1
};

class EnterHeldDeathTest : public ControlsTest, public ::testing::WithParamInterface<DeathCase> {};

TEST_P(EnterHeldDeathTest, GameOverScreenShowsForExactlyOneFrame)
{
    const DeathCase& c = GetParam();
    SeedForAFarAwayFirstEnemy();
    PressOnly({SDLK_RETURN});
    StepFrame(); // the title screen's Enter
    ASSERT_EQ(GameOver, 0);
    if (c.crushed) {
        BoulderSet1.state = 1; // the middle row closes on the player at y 200
    } else {
        Bug[1].x = 330; // an enemy on the player
        Bug[1].y = 210;
        Bug[1].dy = 0;
    }
    int frames = 0;
    while (GameOver == 0 && frames < 100) {
        StepFrame();
        ++frames;
    }
    EXPECT_EQ(frames, c.framesToGameOver);
    EXPECT_EQ(Bug[0].state, -1);
    StepFrame();
    EXPECT_EQ(GameOver, 0) << "Enter, still held, starts the next game at once";
    EXPECT_EQ(Bug[0].state, 1);
    EXPECT_EQ(fFrame, 2);
    EXPECT_EQ(points, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Deaths, EnterHeldDeathTest,
                         ::testing::Values(DeathCase{"CrushedOnTheRows25thUpdate", true, 25},
                                           DeathCase{"TouchedSeenOneFrameLater", false, 2}),
                         [](const ::testing::TestParamInfo<DeathCase>& info) {
                             return info.param.name;
                         });
// clang-format on

TEST_F(ControlsTest, PlayerKilledByContactStillMovesByTheArrowsInTheNextHandleKeys)
{
    StartPlaying();
    Bug[0].x = 75;
    Bug[1].x = 100; // touching the player
    Bug[1].y = 200;
    Bug[1].dy = 0;
    StepFrame();
    ASSERT_EQ(Bug[0].state, -1);
    ASSERT_EQ(GameOver, 0) << "the death is seen in the next frame";

    PressOnly({SDLK_LEFT, SDLK_q});
    StepFrame();
    EXPECT_EQ(Bug[0].x, 70) << "moved by 5 and, being dead, not held at 75";
    EXPECT_EQ(Bug[0].sprite.x, 70);
    EXPECT_EQ(BoulderSet0.state, 1) << "Q still started the top row";
    EXPECT_EQ(GameOver, 1);

    StepFrame();
    EXPECT_EQ(Bug[0].x, 70) << "the game-over screen ignores the arrows";
}

// --- StartGame, EGame, ResetAllBugs ------------------------------------------

TEST_F(ControlsTest, StartGameLeavesTheRowsMotionAndTheCountersAlone)
{
    // Only program start or EGame hand StartGame its state; it clears none of it.
    BoulderSet0.state = 1;
    BoulderSet0.leftSpeed = BoulderSet0.rightSpeed = 3;
    BoulderSet2.delay = 9;
    fFrame = 77;
    points = 40;
    bugC = 3;
    reduce = 4;
    StartPlaying();
    EXPECT_EQ(BoulderSet0.state, 1);
    EXPECT_EQ(BoulderSet0.leftSpeed, 3);
    EXPECT_EQ(BoulderSet0.rightSpeed, 3);
    EXPECT_EQ(BoulderSet0.leftX, 0);
    EXPECT_EQ(BoulderSet0.rightX, 645);
    EXPECT_EQ(BoulderSet2.delay, 9);
    EXPECT_EQ(fFrame, 77);
    EXPECT_EQ(points, 40);
    EXPECT_EQ(bugC, 3);
    EXPECT_EQ(reduce, 4);
    EXPECT_EQ(GameOver, 0);
    EXPECT_EQ(NumBug, 2);
}

TEST_F(ControlsTest, EGameReturnsEverythingToItsStartValues)
{
    MessUpAGame();
    const class Bug player = Bug[0];
    EGame();
    EXPECT_EQ(GameOver, 2);
    EXPECT_EQ(fFrame, 1);
    EXPECT_EQ(points, 0);
    EXPECT_EQ(reduce, 0);
    EXPECT_EQ(bugC, 0);
    EXPECT_EQ(NumBug, 0);
    EXPECT_EQ(HighScore, 500);
    const int delays[3] = {0, 7, 11};
    for (int r = 0; r < 3; ++r) {
        const Boulder& row = *BoulderRows[r];
        EXPECT_EQ(row.state, 0);
        EXPECT_EQ(row.leftX, 0);
        EXPECT_EQ(row.rightX, 645);
        EXPECT_EQ(row.leftSpeed, 0);
        EXPECT_EQ(row.rightSpeed, 0);
        EXPECT_EQ(row.delay, delays[r]);
    }
    for (int slot = 1; slot < maxbugs; ++slot)
        ASSERT_EQ(Bug[slot].state, 0) << "slot " << slot;
    EXPECT_EQ(Bug[0].state, -1) << "the dead player stays as it was";
    EXPECT_EQ(Bug[0].x, player.x);
    EXPECT_EQ(Bug[0].image, BitDeadPlayer);
}

TEST_F(ControlsTest, ResetAllBugsFreesEveryEnemySlotAndNeverTouchesThePlayer)
{
    MessUpAGame();
    for (int slot = 1; slot < maxbugs; ++slot) {
        Bug[slot].patrolRight = slot % 2;
        Bug[slot].type = slot % 3;
        Bug[slot].dx = 4;
        Bug[slot].dy = 1;
        Bug[slot].state = slot % 2 ? 1 : -1;
    }
    std::vector<class Bug> before(Bug, Bug + maxbugs);
    std::vector<unsigned char> player(sizeof(class Bug));
    std::memcpy(player.data(), static_cast<void*>(&Bug[0]), sizeof(class Bug));

    ResetAllBugs();
    EXPECT_EQ(NumBug, 1);
    EXPECT_EQ(std::memcmp(player.data(), static_cast<void*>(&Bug[0]), sizeof(class Bug)), 0);
    for (int slot = 1; slot < maxbugs; ++slot) {
        const class Bug& bug = Bug[slot];
        ASSERT_EQ(bug.state, 0) << slot;
        ASSERT_EQ(bug.x, 5000) << slot;
        ASSERT_EQ(bug.y, 5000) << slot;
        ASSERT_EQ(bug.dx, 0) << slot;
        ASSERT_EQ(bug.dy, 0) << slot;
        ASSERT_EQ(bug.type, before[slot].type) << slot;
        ASSERT_EQ(bug.patrolRight, before[slot].patrolRight) << slot;
        ASSERT_EQ(bug.image, before[slot].image) << slot;
        ASSERT_EQ(bug.sprite.x, before[slot].sprite.x) << slot;
        ASSERT_EQ(bug.sprite.image, before[slot].sprite.image) << slot;
    }
}

struct MidMotionCase {
    const char* name;
    int updates; // of the top row after its slam, before the game ends
};

class EGameMidMotionTest : public ControlsTest,
                           public ::testing::WithParamInterface<MidMotionCase> {};

TEST_P(EGameMidMotionTest, NextGameStartsTheRowAtRestWithoutCreepAndItMeetsOnThe25thUpdate)
{
    StartPlaying();
    Boulder& row = BoulderSet0;
    row.state = 1;
    for (int n = 0; n < GetParam().updates; ++n)
        row.Update(Engine());
    const int delay = row.delay;
    EGame();
    StartPlaying();
    const int delays[3] = {delay, 0, 0};
    ExpectNewGame(0, delays);

    row.state = 1; // a key held for one frame
    std::vector<int> draws;
    for (int n = 0; n < 24; ++n) {
        row.Update(Engine());
        draws.push_back(row.left.x);
    }
    EXPECT_EQ(draws, ClosingDraws());
    std::vector<int> fromTheMeeting;
    for (int n = 0; n < 16 - delay + 1; ++n) {
        row.Update(Engine());
        fromTheMeeting.push_back(row.left.x);
    }
    std::vector<int> expected(16 - delay, 300);
    expected.push_back(299);
    EXPECT_EQ(fromTheMeeting, expected) << "the hold follows the counter it carried";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Motions, EGameMidMotionTest,
                         ::testing::Values(MidMotionCase{"Closing", 10},
                                           MidMotionCase{"Holding", 30},
                                           MidMotionCase{"Opening", 70},
                                           MidMotionCase{"AtRestWithCreep", 200}),
                         [](const ::testing::TestParamInfo<MidMotionCase>& info) {
                             return info.param.name;
                         });
// clang-format on

// --- Q held and tapped, frame by frame ---------------------------------------

class RowKeyFramesTest : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        StartPlaying();
    }
    // Steps one frame with the keys down and returns where the top row's left
    // jaw was drawn.
    int Frame(std::initializer_list<SDLKey> keys)
    {
        PressOnly(keys);
        StepFrame();
        EXPECT_EQ(BoulderSet0.left.x + BoulderSet0.right.x, 645);
        EXPECT_EQ(GameOver, 0) << "the player survives";
        return BoulderSet0.left.x;
    }
    // Steps keyless frames until the top row is back at rest.
    void WaitForRest()
    {
        for (int n = 0; n < 300 && BoulderSet0.state != 0; ++n)
            Frame({});
        ASSERT_EQ(BoulderSet0.state, 0);
    }
    std::vector<int> Frames(int count, std::initializer_list<SDLKey> keys)
    {
        std::vector<int> draws;
        for (int n = 0; n < count; ++n)
            draws.push_back(Frame(keys));
        return draws;
    }
};

TEST_F(RowKeyFramesTest, QHeldSlamsOpensCreepsAndSlamsAgain)
{
    const std::vector<int> expected = Join(
        {ClosingDraws(), LeftJawDrawsFromTheMeeting(0), {-6, -5, -4, -3, -2, -1}, ClosingDraws(), {300}});
    EXPECT_EQ(Frames(static_cast<int>(expected.size()), {SDLK_q}), expected);
    EXPECT_EQ(BoulderSet0.state, -1) << "met again";
    EXPECT_EQ(BoulderSet1.state, 0);
    EXPECT_EQ(BoulderSet2.state, 0);
}

TEST_F(RowKeyFramesTest, SingleFrameOfQStartsTheFirstSlamOfAGame)
{
    std::vector<int> draws = Frames(1, {SDLK_q});
    const std::vector<int> rest = Frames(23, {});
    draws.insert(draws.end(), rest.begin(), rest.end());
    EXPECT_EQ(draws, ClosingDraws());
    EXPECT_EQ(Frame({}), 300);
    EXPECT_EQ(BoulderSet0.state, -1);
}

TEST_F(RowKeyFramesTest, QDuringTheMotionIsIgnoredAndNotRemembered)
{
    Frame({SDLK_q});
    Frames(9, {});
    Frame({SDLK_q}); // closing
    Frames(40, {});
    Frame({SDLK_q}); // opening
    WaitForRest();
    EXPECT_EQ(Frames(40, {}), std::vector<int>(40, -6)) << "no slam follows";
    EXPECT_EQ(BoulderSet0.state, 0);
}

TEST_F(RowKeyFramesTest, SingleFrameOfQAfterASlamLeavesTheRowAtMinusFive)
{
    Frame({SDLK_q});
    WaitForRest();
    EXPECT_EQ(Frame({SDLK_q}), -6);
    EXPECT_EQ(Frames(20, {}), std::vector<int>(20, -5));
    EXPECT_EQ(BoulderSet0.right.x, 650);
    EXPECT_EQ(BoulderSet0.state, 0);
}

} // namespace
