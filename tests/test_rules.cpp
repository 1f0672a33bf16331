// The rules of Parts 4.3 and 4.4: CheckBugs (contact with the player, the
// chase of kind B, the patrol of kind C) and BHitBug (every answer).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/Actors.h"
#include "support/Spies.h"
#include "support/TestWorld.h"

namespace {


class RulesTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        NumBug = 1;
        Place(0, kPlayer, 320, 300);
    }
    class Bug& player()
    {
        return Bug[0];
    }
};

// --- CheckBugs: the chase -------------------------------------------------

struct ChaseCase {
    const char* name;
    int enemyX, enemyY, playerX, playerY;
    int dx0, dy0; // the steps before
    int dx, dy;   // after
};

class ChaseTest : public RulesTest, public ::testing::WithParamInterface<ChaseCase> {};

TEST_P(ChaseTest, KindBStepsTwoTowardsThePlayerAndKeepsItsStepWhenLevel)
{
    const ChaseCase& c = GetParam();
    player().x = c.playerX;
    player().y = c.playerY;
    player().sprite.SetPosition(-1000, -1000); // only the positions are compared
    class Bug& enemy = Place(1, kB, c.enemyX, c.enemyY);
    enemy.sprite.SetPosition(1000, 1000);
    enemy.dx = c.dx0;
    enemy.dy = c.dy0;
    CheckBugs();
    EXPECT_EQ(enemy.dx, c.dx);
    EXPECT_EQ(enemy.dy, c.dy);
    EXPECT_EQ(enemy.x, c.enemyX) << "CheckBugs moves nothing";
    EXPECT_EQ(enemy.y, c.enemyY);
    EXPECT_EQ(player().state, 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Steps, ChaseTest,
    ::testing::Values(ChaseCase{"LeftAndAbove", 100, 100, 300, 400, 0, 0, 2, 2},
                      ChaseCase{"RightAndBelow", 500, 450, 300, 100, 0, 0, -2, -2},
                      ChaseCase{"OnePixelLeftAndBelow", 299, 401, 300, 400, -2, 2, 2, -2},
                      ChaseCase{"LevelAcrossKeepsMinus2", 300, 100, 300, 400, -2, 0, -2, 2},
                      ChaseCase{"LevelAcrossKeeps2", 300, 100, 300, 400, 2, 0, 2, 2},
                      ChaseCase{"LevelDownKeeps2", 100, 400, 300, 400, 0, 2, 2, 2},
                      ChaseCase{"LevelFromTheStartKeeps0", 300, 100, 300, 400, 0, 0, 0, 2},
                      ChaseCase{"LevelOnBothAxes", 300, 400, 300, 400, 2, -2, 2, -2}),
    [](const ::testing::TestParamInfo<ChaseCase>& info) { return info.param.name; });
// clang-format on

TEST_F(RulesTest, KindBLevelWithThePlayerSwingsAboutItsCoordinate)
{
    player().x = 300;
    player().y = 100;
    class Bug& enemy = Place(1, kB, 296, 450);
    std::vector<int> xs;
    for (int frame = 0; frame < 6; ++frame) {
        CheckBugs();
        enemy.Update(Engine());
        xs.push_back(enemy.x);
    }
    EXPECT_EQ(xs, (std::vector<int>{298, 300, 302, 300, 298, 300}));
}

// --- CheckBugs: the patrol ------------------------------------------------

struct PatrolCase {
    const char* name;
    int x, patrolRight;
    int dx, patrolRightAfter;
};

class PatrolTest : public RulesTest, public ::testing::WithParamInterface<PatrolCase> {};

TEST_P(PatrolTest, StepFromTheHeadingThenTurnAtTheBounds)
{
    const PatrolCase& c = GetParam();
    class Bug& enemy = Place(1, kC, c.x, 100);
    enemy.patrolRight = c.patrolRight;
    enemy.dy = 1;
    CheckBugs();
    EXPECT_EQ(enemy.dx, c.dx);
    EXPECT_EQ(enemy.patrolRight, c.patrolRightAfter);
    EXPECT_EQ(enemy.dy, 1) << "the patrol leaves the vertical step alone";
    EXPECT_EQ(enemy.x, c.x);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Bounds, PatrolTest,
    ::testing::Values(PatrolCase{"At541TurnsLeft", 541, 1, 4, 0},
                      PatrolCase{"At540DoesNotTurn", 540, 1, 4, 1},
                      PatrolCase{"At541HeadingLeftStays", 541, 0, -4, 0},
                      PatrolCase{"At144TurnsRight", 144, 0, -4, 1},
                      PatrolCase{"At145DoesNotTurn", 145, 0, -4, 0},
                      PatrolCase{"At144HeadingRightStays", 144, 1, 4, 1},
                      PatrolCase{"MiddleHeadingRight", 300, 1, 4, 1},
                      PatrolCase{"MiddleHeadingLeft", 300, 0, -4, 0},
                      PatrolCase{"FarLeftTurnsRight", 10, 0, -4, 1},
                      PatrolCase{"FarRightTurnsLeft", 700, 1, 4, 0}),
    [](const ::testing::TestParamInfo<PatrolCase>& info) { return info.param.name; });
// clang-format on

struct PatrolPathCase {
    const char* name;
    int x, patrolRight, dx;
    std::vector<int> xs; // after each frame's move
};

class PatrolPathTest : public RulesTest, public ::testing::WithParamInterface<PatrolPathCase> {};

// Each frame the bug moves (Bug::Update) and then is steered (CheckBugs).
TEST_P(PatrolPathTest, TurnShowsOneFrameLate)
{
    const PatrolPathCase& c = GetParam();
    class Bug& enemy = Place(1, kC, c.x, 100);
    enemy.patrolRight = c.patrolRight;
    enemy.dx = c.dx;
    std::vector<int> xs;
    for (size_t frame = 0; frame < c.xs.size(); ++frame) {
        enemy.Update(Engine());
        CheckBugs();
        xs.push_back(enemy.x);
    }
    EXPECT_EQ(xs, c.xs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Paths, PatrolPathTest,
    ::testing::Values(PatrolPathCase{"LeftFrom148", 148, 0, -4, {144, 140, 144, 148, 152}},
                      PatrolPathCase{"RightFrom536", 536, 1, 4, {540, 544, 548, 544, 540}},
                      // Made above 540 it heads right at first: one step right, then left.
                      PatrolPathCase{"MadeAt600", 600, 1, 0, {600, 604, 600, 596, 592}}),
    [](const ::testing::TestParamInfo<PatrolPathCase>& info) { return info.param.name; });
// clang-format on

// --- CheckBugs: contact ---------------------------------------------------

struct ContactCase {
    const char* name;
    int type, state;
    int dx, dy;        // of the enemy's sprite from the player's
    bool beyondNumBug; // the enemy's slot is NumBug itself
    bool kills;
};

class ContactTest : public RulesTest, public ::testing::WithParamInterface<ContactCase> {};

TEST_P(ContactTest, LivingEnemyTouchingThePlayerKillsIt)
{
    const ContactCase& c = GetParam();
    class Bug& enemy = Place(4, c.type, 320 + c.dx, 300 + c.dy);
    enemy.state = c.state;
    NumBug = c.beyondNumBug ? 4 : 5;
    CheckBugs();
    if (c.kills) {
        EXPECT_EQ(player().state, -1);
        EXPECT_EQ(player().image, BitDeadPlayer);
    } else {
        EXPECT_EQ(player().state, 1);
        EXPECT_EQ(player().image, BitBug03);
    }
    EXPECT_EQ(player().x, 320);
    EXPECT_EQ(player().y, 300);
    EXPECT_EQ(enemy.state, c.state) << "the enemy itself is not touched";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Contacts, ContactTest,
    ::testing::Values(ContactCase{"KindAOverlapping", kA, 1, 10, 10, false, true},
                      ContactCase{"KindBOverlapping", kB, 1, -10, 5, false, true},
                      ContactCase{"KindCOverlapping", kC, 1, 0, 0, false, true},
                      ContactCase{"TouchingRightEdge", kA, 1, 35, 0, false, true},
                      ContactCase{"OnePixelRightOfIt", kA, 1, 36, 0, false, false},
                      ContactCase{"TouchingLeftEdge", kC, 1, -35, 0, false, true},
                      ContactCase{"OnePixelLeftOfIt", kC, 1, -36, 0, false, false},
                      ContactCase{"TouchingBottomEdge", kB, 1, 0, 40, false, true},
                      ContactCase{"OnePixelBelowIt", kB, 1, 0, 41, false, false},
                      ContactCase{"TouchingCorner", kA, 1, -35, -40, false, true},
                      ContactCase{"DeadEnemyOverlapping", kA, -1, 0, 0, false, false},
                      ContactCase{"DeadKindBOverlapping", kB, -1, 5, 5, false, false},
                      ContactCase{"FreeSlotOverlapping", kA, 0, 0, 0, false, false},
                      ContactCase{"SlotAtNumBugIsNotVisited", kA, 1, 0, 0, true, false}),
    [](const ::testing::TestParamInfo<ContactCase>& info) { return info.param.name; });
// clang-format on

TEST_F(RulesTest, ContactComparesTheSpritesWhereTheyWereDrawn)
{
    class Bug& enemy = Place(1, kA, 100, 100);
    enemy.sprite.SetPosition(330, 310); // drawn on the player ...
    player().x = 500;                   // ... which the keys moved away since
    CheckBugs();
    EXPECT_EQ(player().state, -1);
}

TEST_F(RulesTest, WithNumBugOneNothingIsVisited)
{
    class Bug& enemy = Place(1, kB, 320, 300);
    NumBug = 1;
    CheckBugs();
    EXPECT_EQ(player().state, 1);
    EXPECT_EQ(enemy.dx, 0);
    EXPECT_EQ(enemy.dy, 0);
}

TEST_F(RulesTest, DeadOrUnvisitedEnemiesAreNotSteered)
{
    class Bug& deadB = Place(1, kB, 100, 100);
    deadB.state = -1;
    class Bug& deadC = Place(2, kC, 600, 100);
    deadC.state = -1;
    deadC.patrolRight = 1;
    class Bug& freeC = Place(3, kC, 600, 100);
    freeC.state = 0;
    class Bug& unvisited = Place(4, kB, 100, 100);
    NumBug = 4;
    CheckBugs();
    EXPECT_EQ(deadB.dx, 0);
    EXPECT_EQ(deadB.dy, 0);
    EXPECT_EQ(deadC.dx, 0);
    EXPECT_EQ(deadC.patrolRight, 1);
    EXPECT_EQ(freeC.dx, 0);
    EXPECT_EQ(unvisited.dx, 0);
    EXPECT_EQ(player().dx, 0) << "the player's slot is never steered";
    EXPECT_EQ(player().dy, 0);
}

TEST_F(RulesTest, TouchingEnemiesGoOnBeingSteeredAndKillTheDeadPlayerAgain)
{
    class Bug& chaser = Place(1, kB, 330, 310);
    class Bug& patroller = Place(2, kC, 300, 290);
    patroller.patrolRight = 1;
    CheckBugs();
    ASSERT_EQ(player().state, -1);
    EXPECT_EQ(chaser.dx, -2);
    EXPECT_EQ(chaser.dy, -2);
    EXPECT_EQ(patroller.dx, 4);

    const long surfaces = LiveSurfaces();
    for (int frame = 0; frame < 50; ++frame)
        CheckBugs();
    EXPECT_EQ(player().state, -1);
    EXPECT_EQ(player().image, BitDeadPlayer);
    EXPECT_EQ(player().sprite.image, BitDeadPlayer);
    EXPECT_EQ(player().x, 320);
    EXPECT_EQ(player().y, 300);
    EXPECT_EQ(LiveSurfaces(), surfaces) << "killing the dead player takes nothing";
    EXPECT_EQ(chaser.dx, -2) << "still homing on the dead player's position";
}

// --- BHitBug --------------------------------------------------------------


struct HitCase {
    std::string name;
    int row; // the row the bug is level with
    int leftJaw, rightJaw, rowState;
    int bugX, bugDy; // the bug's sprite: x, and y less the row's y
    int bugState;
    int answer;
};

class BoulderHitTest : public WorldTest, public ::testing::WithParamInterface<HitCase> {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        for (int r = 0; r < 3; ++r) {
            BoulderRows[r]->SetBoulders(BitBoulder, kRowY[r]);
            SetRow(r, 0, 645, 0);
        }
    }

    // The jaws' sprites drawn at these positions this frame; leftX and rightX
    // hold something else, for the test reads the sprites only.
    static void SetRow(int r, int leftJaw, int rightJaw, int state)
    {
        Boulder& row = *BoulderRows[r];
        row.left.SetPosition(leftJaw, kRowY[r]);
        row.right.SetPosition(rightJaw, kRowY[r]);
        row.leftX = 5000;
        row.rightX = -5000;
        row.state = state;
    }

    // A bug whose sprite stands at (x, y); its own x and y lie elsewhere.
    static int BugAt(int slot, int x, int y, int state)
    {
        Place(slot, kA, x, y);
        Bug[slot].x = 5000;
        Bug[slot].y = 5000;
        Bug[slot].state = state;
        return slot;
    }
};

TEST_P(BoulderHitTest, AnswerForTheSlot)
{
    const HitCase& c = GetParam();
    SetRow(c.row, c.leftJaw, c.rightJaw, c.rowState);
    const int slot = BugAt(3, c.bugX, kRowY[c.row] + c.bugDy, c.bugState);

    std::vector<unsigned char> bugs(sizeof Bug), rows(3 * sizeof(Boulder));
    std::memcpy(bugs.data(), static_cast<void*>(Bug), sizeof Bug);
    for (int r = 0; r < 3; ++r)
        std::memcpy(rows.data() + r * sizeof(Boulder), static_cast<void*>(BoulderRows[r]),
                    sizeof(Boulder));

    EXPECT_EQ(BHitBug(slot), c.answer);

    EXPECT_EQ(std::memcmp(bugs.data(), static_cast<void*>(Bug), sizeof Bug), 0)
        << "a question only";
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(std::memcmp(rows.data() + r * sizeof(Boulder), static_cast<void*>(BoulderRows[r]),
                              sizeof(Boulder)),
                  0);
}

std::vector<HitCase> HitCases()
{
    std::vector<HitCase> cases;
    const char* const names[3] = {"Top", "Middle", "Bottom"};
    for (int r = 0; r < 3; ++r) {
        const std::string n = names[r];
        const int left = 2 * r + 1, right = 2 * r + 2;
        auto add = [&](const char* what, int l, int rt, int st, int bx, int bdy, int bs,
                       int answer) {
            cases.push_back({n + what, r, l, rt, st, bx, bdy, bs, answer});
        };
        // A single jaw counts while its row is at rest or closing.
        add("LeftFaceAtRest", 0, 645, 0, 75, 20, 1, left);
        add("LeftFaceClosing", 6, 639, 1, 81, 20, 1, left);
        add("LeftFaceOpening", 0, 645, -1, 75, 20, 1, 0);
        add("PastLeftFace", 0, 645, 0, 76, 20, 1, 0);
        add("InsideLeftJaw", 0, 645, 0, 20, 20, 1, left);
        add("RightFaceAtRest", 0, 645, 0, 610, 20, 1, right);
        add("RightFaceClosing", 6, 639, 1, 604, 20, 1, right);
        add("RightFaceOpening", 0, 645, -1, 610, 20, 1, 0);
        add("ShortOfRightFace", 0, 645, 0, 609, 20, 1, 0);
        add("RestingSixOutsideLeftFace", -6, 651, 0, 69, 20, 1, left);
        add("RestingSixOutsideRightFace", -6, 651, 0, 616, 20, 1, right);
        // The edges down the screen.
        add("OnLeftJawsTopEdge", 0, 645, 0, 40, -40, 1, left);
        add("AboveLeftJaw", 0, 645, 0, 40, -41, 1, 0);
        add("OnLeftJawsBottomEdge", 0, 645, 0, 40, 75, 1, left);
        add("BelowLeftJaw", 0, 645, 0, 40, 76, 1, 0);
        // One update before the meeting an 18 pixel gap is left.
        add("InTheGapBeforeTheMeetingTouchesLeft", 276, 369, 1, 300, 20, 1, left);
        add("InTheGapBeforeTheMeetingTouchesRight", 276, 369, 1, 352, 20, 1, right);
        add("InTheGapBeforeTheMeetingTouchesBoth", 276, 369, 1, 334, 20, 1, 10);
        // Both jaws: crushed whatever the row's state.
        add("BetweenClosing", 300, 345, 1, 320, 20, 1, 10);
        add("BetweenOpening", 300, 345, -1, 320, 20, 1, 10);
        add("BetweenAtRest", 300, 345, 0, 320, 20, 1, 10);
        add("DeadBetween", 300, 345, -1, 320, 20, -1, 10);
        add("DeadOnLeftFace", 0, 645, 0, 75, 20, -1, left);
        add("DeadOnLeftFaceOpening", 0, 645, -1, 75, 20, -1, 0);
        add("FreeBetween", 300, 345, 1, 320, 20, 0, 0);
        add("FreeOnLeftFace", 0, 645, 0, 75, 20, 0, 0);
        add("ClearInTheMiddle", 0, 645, 0, 300, 20, 1, 0);
    }
    return cases;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, BoulderHitTest, ::testing::ValuesIn(HitCases()),
                         [](const ::testing::TestParamInfo<HitCase>& info) {
                             return info.param.name;
                         });
// clang-format on

TEST_F(BoulderHitTest, ClearOfEveryRowBetweenThem)
{
    EXPECT_EQ(BHitBug(BugAt(1, 40, 151, 1)), 0) << "below the top row";
    EXPECT_EQ(BHitBug(BugAt(1, 40, 184, 1)), 0) << "above the middle row";
    EXPECT_EQ(BHitBug(BugAt(1, 40, 451, 1)), 0) << "below the bottom row";
    EXPECT_EQ(BHitBug(BugAt(1, 40, 480, 1)), 0);
}

TEST_F(BoulderHitTest, PlayerSlotIsAnsweredLikeAnyOther)
{
    SetRow(1, 300, 345, 1);
    Place(0, kPlayer, 320, 240);
    EXPECT_EQ(BHitBug(0), 10);
    SetRow(1, 0, 645, 0);
    Place(0, kPlayer, 75, 240);
    EXPECT_EQ(BHitBug(0), 3);
}

TEST_F(BoulderHitTest, EveryUnusedSlotAnswersZero)
{
    SetRow(0, 300, 345, -1);
    for (int slot = 1; slot < maxbugs; ++slot) {
        Bug[slot].sprite.SetPosition(320, 90); // where an earlier bug was drawn
        Bug[slot].sprite.width = 35;
        Bug[slot].sprite.height = 40;
        ASSERT_EQ(BHitBug(slot), 0) << "slot " << slot;
    }
}

// Two rows moved level with each other, so that one bug touches jaws of both:
// the order of the tests decides.
TEST_F(BoulderHitTest, CrushTestsOfAllRowsComeBeforeAnySingleJaw)
{
    const int slot = BugAt(2, 75, 80, 1); // on the top row's left face
    ASSERT_EQ(BHitBug(slot), 1);
    Boulder& bottom = BoulderSet2;
    bottom.left.SetPosition(0, 75);
    bottom.right.SetPosition(110, 75); // on the bug's right edge
    EXPECT_EQ(BHitBug(slot), 10);
}

TEST_F(BoulderHitTest, SingleJawTestsRunTopLeftToBottomRight)
{
    const int slot = BugAt(2, 75, 80, 1);
    BoulderSet0.left.SetPosition(-500, 75);
    BoulderSet0.right.SetPosition(110, 75); // top right: 2
    BoulderSet1.left.SetPosition(0, 75);    // middle left: 3
    BoulderSet1.right.SetPosition(-500, 75);
    BoulderSet2.left.SetPosition(0, 75); // bottom left: 5
    BoulderSet2.right.SetPosition(-500, 75);
    EXPECT_EQ(BHitBug(slot), 2);
    BoulderSet0.state = -1;
    EXPECT_EQ(BHitBug(slot), 3);
    BoulderSet1.state = -1;
    EXPECT_EQ(BHitBug(slot), 5);
    BoulderSet2.state = -1;
    EXPECT_EQ(BHitBug(slot), 0);
}

} // namespace
