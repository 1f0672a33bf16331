// The per-frame update: drawing order, pushes and squashes with
// their points and sound, the end of the game, the spawn schedule and cycle,
// the recycling of the bug table and the frame counter.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/Actors.h"
#include "support/Pictures.h"
#include "support/Spies.h"
#include "support/TestWorld.h"

namespace {


// A row whose jaws are drawn at leftX and 645 - leftX by the next update.
void SetRow(int r, int leftX, int speed, int state, int delay = 0)
{
    Boulder& row = *BoulderRows[r];
    row.leftX = leftX;
    row.rightX = 645 - leftX;
    row.leftSpeed = row.rightSpeed = speed;
    row.state = state;
    row.delay = delay;
}

// A row held at the meeting, drawn at 300 and 345 for a while yet.
void HoldRowShut(int r)
{
    SetRow(r, 300, 0, -1, 0);
}

bool SameAsBackground(int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (RgbAt(Engine()->screen, x, y) != RgbAt(BKG, x, y))
                return false;
    return true;
}

// "GAME OVER!" at (300, 50): its glyphs start one pen step to the right.
bool GameOverTextShown()
{
    return !SameAsBackground(300, 50, 400, 66);
}

class GameLoopTest : public WorldTest {
protected:
    // Playing, the rows at rest, the player low on the field clear of every
    // row, and no enemy yet.
    void SetUp() override
    {
        WorldTest::SetUp();
        for (int r = 0; r < 3; ++r) {
            BoulderRows[r]->SetBoulders(BitBoulder, kRowY[r]);
            SetRow(r, 0, 0, 0);
        }
        NumBug = 0;
        Place(0, kPlayer, 320, 490);
        NumBug = 1;
        GameOver = 0;
        fFrame = 1;
        std::srand(1);
        ASSERT_NE(Squish, nullptr) << "the sound is loaded on the dummy audio device";
    }

    // A living enemy that keeps the table from being recycled, out of harm's way.
    void Bystander(int slot)
    {
        Place(slot, kA, 150, 480);
    }

    // One pass of the real frame loop with no key down: the background, then
    // the world update.
    void Loop()
    {
        StepFrame();
    }
};

// --- the order of drawing ---------------------------------------------------

TEST_F(GameLoopTest, DeadUnderLivingPlayerLastThenTheRowsTopToBottom)
{
    // The top row held at 180 and 465 (y 75 … 149) covers the bugs' upper
    // parts; below it they overlap one another.
    SetRow(0, 180, 0, -1);
    class Bug& deadLow = Place(1, kA, 190, 120);
    Place(2, kC, 200, 130);
    class Bug& deadHigh = Place(3, kB, 195, 125);
    Place(0, kPlayer, 210, 140);
    deadLow.Kill();
    deadHigh.Kill();

    Loop();

    Image expected(720 * 540, 0);
    auto whole = [&](SDL_Surface* picture, int x, int y) {
        ModelBlit(expected, 720, 540, picture, x, y, 0, 0, picture->w, picture->h, kMagenta);
    };
    auto cell = [&](SDL_Surface* picture, int x, int y) {
        ModelBlit(expected, 720, 540, picture, x, y, 0, 0, 35, 40, kMagenta);
    };
    whole(BKG, 0, 0);
    whole(BitDead, 190, 120); // dead, ascending slots
    whole(BitDead, 195, 125);
    cell(BitBug02, 200, 130); // living, ascending slots
    cell(BitBug03, 210, 140); // the player last
    whole(BitBoulder, 180, 75);
    whole(BitBoulder, 465, 75);
    whole(BitBoulder, 0, 225);
    whole(BitBoulder, 645, 225);
    whole(BitBoulder, 0, 375);
    whole(BitBoulder, 645, 375);
    Image actual = Snapshot(Engine()->screen);
    for (int y = 0; y < 80; ++y) // the score lines
        for (int x = 600; x < 720; ++x)
            expected[y * 720 + x] = actual[y * 720 + x] = 0;
    EXPECT_TRUE(SameImage(expected, actual, 720));
}

TEST_F(GameLoopTest, DeadPlayerLiesUnderTheLivingEnemies)
{
    Place(1, kA, 300, 300);
    Place(0, kPlayer, 310, 310).Kill();
    Loop();
    Image expected(720 * 540, 0);
    ModelBlit(expected, 720, 540, BKG, 0, 0, 0, 0, 720, 540, kMagenta);
    ModelBlit(expected, 720, 540, BitDeadPlayer, 310, 310, 0, 0, 35, 40, kMagenta);
    ModelBlit(expected, 720, 540, BitBug00, 300, 300, 0, 0, 35, 40, kMagenta);
    Image actual = Snapshot(Engine()->screen);
    for (int y = 280; y < 360; ++y)
        for (int x = 280; x < 360; ++x)
            ASSERT_EQ(actual[y * 720 + x], expected[y * 720 + x]) << x << ", " << y;
}

TEST_F(GameLoopTest, FreeSlotsAreNotUpdatedAndDeadOnesAreNotMoved)
{
    class Bug& dead = Place(1, kB, 300, 300);
    dead.dx = 2;
    dead.dy = 2;
    dead.Kill();
    class Bug& free = Place(2, kA, 400, 300);
    free.state = 0;
    free.dy = 3;
    free.sprite.SetPosition(-100, -100);
    Bystander(3);
    Loop();
    EXPECT_EQ(dead.x, 300);
    EXPECT_EQ(dead.y, 300);
    EXPECT_EQ(dead.sprite.x, 300) << "a dead bug is drawn where it died";
    EXPECT_EQ(free.y, 300);
    EXPECT_EQ(free.sprite.x, -100) << "a free slot is not drawn";
}

// --- pushes ------------------------------------------------------------------

struct PushCase {
    const char* name;
    int row;
    int leftX, speed, state; // the row as this frame's update finds it
    int bugX;                // where the bug stands and is drawn
    int expectedX;
};

class PushTest : public GameLoopTest, public ::testing::WithParamInterface<PushCase> {};

TEST_P(PushTest, SingleJawSetsTheBugAgainstItsInnerFaceWhereItWasDrawn)
{
    const PushCase& c = GetParam();
    SetRow(c.row, c.leftX, c.speed, c.state, 3);
    class Bug& bug = Place(1, kA, c.bugX, kRowY[c.row] + 20);
    Bystander(2);
    Loop();
    EXPECT_EQ(bug.x, c.expectedX);
    EXPECT_EQ(bug.state, 1);
    EXPECT_EQ(bug.y, kRowY[c.row] + 20) << "only x changes";
    EXPECT_EQ(bug.sprite.x, c.bugX) << "the sprite follows at the next update";
    EXPECT_EQ(points, 0);
    EXPECT_TRUE(SoundsPlayed().empty());
    Loop();
    EXPECT_EQ(bug.sprite.x, c.expectedX);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Jaws, PushTest,
    ::testing::Values(
        // Left jaw: x := jaw x + 75, with the jaw where this frame drew it
        // (6, not the 10 that leftX already holds after the update).
        PushCase{"TopLeftAtRest", 0, 0, 0, 0, 60, 75},
        PushCase{"TopLeftClosing", 0, 6, 3, 1, 70, 81},
        PushCase{"MiddleLeftClosing", 1, 6, 3, 1, 81, 81},
        PushCase{"BottomLeftClosing", 2, 45, 9, 1, 100, 120},
        PushCase{"MiddleLeftRestingSixOutside", 1, -6, -6, 0, 50, 69},
        // Right jaw: x := jaw x - 35 (639 drawn, 635 next).
        PushCase{"TopRightAtRest", 0, 0, 0, 0, 620, 610},
        PushCase{"TopRightClosing", 0, 6, 3, 1, 620, 604},
        PushCase{"MiddleRightClosing", 1, 6, 3, 1, 604, 604},
        PushCase{"BottomRightClosing", 2, 45, 9, 1, 580, 565},
        PushCase{"BottomRightRestingSixOutside", 2, -6, -6, 0, 640, 616},
        // An opening row pushes nothing.
        PushCase{"TopLeftOpening", 0, 60, -5, -1, 100, 100},
        PushCase{"BottomRightOpening", 2, 60, -5, -1, 560, 560},
        PushCase{"Clear", 1, 6, 3, 1, 300, 300}),
    [](const ::testing::TestParamInfo<PushCase>& info) { return info.param.name; });
// clang-format on

TEST_F(GameLoopTest, PlayerIsPushedLikeAnyBugAndDrawnAgainstTheJawNextFrame)
{
    SetRow(1, 100, 2, 1); // drawn at 100, moving on
    Place(0, kPlayer, 160, 240);
    Bystander(1);
    Loop();
    EXPECT_EQ(Bug[0].x, 175);
    EXPECT_EQ(Bug[0].state, 1);
    EXPECT_EQ(GameOver, 0);
}

TEST_F(GameLoopTest, DeadAndFreeSlotsAreNotPushed)
{
    class Bug& dead = Place(1, kA, 60, 95);
    dead.Kill();
    class Bug& free = Place(2, kA, 60, 245);
    free.state = 0;
    free.sprite.SetPosition(60, 245);
    Bystander(3);
    Loop();
    EXPECT_EQ(dead.x, 60);
    EXPECT_EQ(free.x, 60);
}

// --- squashes ----------------------------------------------------------------

struct SquashCase {
    const char* name;
    int slot;
    int type;
    int points;
    SDL_Surface** deadPicture;
};

class SquashTest : public GameLoopTest, public ::testing::WithParamInterface<SquashCase> {};

TEST_P(SquashTest, CaughtBetweenTheJawsScoresByKindKillsAndPlaysTheSoundOnce)
{
    const SquashCase& c = GetParam();
    HoldRowShut(0);
    points = 100;
    if (c.slot != 0)
        Bystander(2);
    class Bug& bug = Place(c.slot, c.type, 320, 95);
    Loop();
    EXPECT_EQ(points, 100 + c.points);
    EXPECT_EQ(bug.state, -1);
    EXPECT_EQ(bug.image, *c.deadPicture);
    EXPECT_EQ(bug.x, 320) << "it stays where it died";
    ASSERT_EQ(SoundsPlayed().size(), 1u);
    EXPECT_EQ(SoundsPlayed()[0].channel, 0);
    EXPECT_EQ(SoundsPlayed()[0].chunk, Squish);
    EXPECT_EQ(SoundsPlayed()[0].loops, 0);
    EXPECT_EQ(SoundsPlayed()[0].ticks, -1);

    Loop(); // still between the jaws, but dead: nothing more
    EXPECT_EQ(points, 100 + c.points);
    EXPECT_EQ(SoundsPlayed().size(), 1u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, SquashTest,
                         ::testing::Values(SquashCase{"KindA10", 1, kA, 10, &BitDead},
                                           SquashCase{"KindB50", 1, kB, 50, &BitDead},
                                           SquashCase{"KindC25", 1, kC, 25, &BitDead},
                                           SquashCase{"PlayerNothing", 0, kPlayer, 0, &BitDeadPlayer}),
                         [](const ::testing::TestParamInfo<SquashCase>& info) {
                             return info.param.name;
                         });
// clang-format on

TEST_F(GameLoopTest, SeveralSquashedInOneFrameEachScoreAndEachPlayTheSound)
{
    for (int r = 0; r < 3; ++r)
        HoldRowShut(r);
    Place(1, kA, 320, kRowY[0] + 10);
    Place(2, kB, 320, kRowY[1] + 10);
    Place(3, kC, 320, kRowY[2] + 10);
    Place(4, kC, 330, kRowY[2] + 20);
    Bystander(5);
    Loop();
    EXPECT_EQ(points, 10 + 50 + 25 + 25);
    EXPECT_EQ(SoundsPlayed().size(), 4u);
    for (const SoundCall& call : SoundsPlayed()) {
        EXPECT_EQ(call.channel, 0);
        EXPECT_EQ(call.chunk, Squish);
        EXPECT_EQ(call.loops, 0);
        EXPECT_EQ(call.ticks, -1);
    }
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(Bug[slot].state, -1);
}

TEST_F(GameLoopTest, DeadBugBetweenTheJawsScoresNothing)
{
    HoldRowShut(0);
    Place(1, kB, 320, 95).Kill();
    Bystander(2);
    Loop();
    EXPECT_EQ(points, 0);
    EXPECT_TRUE(SoundsPlayed().empty());
}

TEST_F(GameLoopTest, SqueezedByAClosingRowTheBugIsPushedThenCrushed)
{
    // The top row closing from rest; an enemy standing at x 320 in its way.
    SetRow(0, 0, 0, 1);
    class Bug& bug = Place(1, kA, 320, 95);
    Bystander(2);
    std::vector<int> xs;
    for (int frame = 0; frame < 25 && bug.state == 1; ++frame) {
        Loop();
        xs.push_back(bug.x);
    }
    // Drawn at 253 (23rd update) and 276 (24th) the left jaw pushes it to 328
    // and 351; on the 25th (300 and 345) it is caught.
    std::vector<int> expected(22, 320);
    expected.insert(expected.end(), {328, 351, 351});
    EXPECT_EQ(xs, expected);
    EXPECT_EQ(bug.state, -1);
    EXPECT_EQ(points, 10);
}

TEST_F(GameLoopTest, SquashRaisesTheHighScoreAfterTheScoreLinesAreDrawn)
{
    HighScore = 80;
    points = 75;
    HoldRowShut(0);
    Place(1, kA, 320, 95);
    Bystander(2);
    Loop();
    EXPECT_EQ(points, 85);
    EXPECT_EQ(HighScore, 85);
    // The high score was drawn with its old value, 80.
    Image drawn = Snapshot(Engine()->screen);
    Engine()->DrawImage(BKG, 0, 0, 0);
    Engine()->DrawNum(80, 650, 60);
    Image old = Snapshot(Engine()->screen);
    for (int y = 60; y < 75; ++y)
        for (int x = 650; x < 720; ++x)
            ASSERT_EQ(drawn[y * 720 + x], old[y * 720 + x]) << x << ", " << y;
}

TEST_F(GameLoopTest, EverySlotOfTheTableIsPutToTheHitTest)
{
    // A living bug above NumBug is not moved or drawn, but still hit.
    HoldRowShut(0);
    Bystander(1);
    class Bug& stray = Bug[50];
    stray.Create(BitBug01, 320, 95, 0);
    stray.type = kB;
    stray.sprite.SetPosition(320, 95);
    ASSERT_LT(NumBug, 50);
    Loop();
    EXPECT_EQ(stray.state, -1);
    EXPECT_EQ(points, 50);
}

// --- the end of the game -------------------------------------------------------

TEST_F(GameLoopTest, PlayerCrushedShowsGameOverInTheSameFrame)
{
    HoldRowShut(1);
    Place(0, kPlayer, 320, 240);
    Bystander(1);
    Loop();
    EXPECT_EQ(Bug[0].state, -1);
    EXPECT_EQ(GameOver, 1);
    EXPECT_TRUE(GameOverTextShown());
    EXPECT_EQ(SoundsPlayed().size(), 1u);
    EXPECT_EQ(points, 0);
}

TEST_F(GameLoopTest, PlayerTouchedShowsGameOverInTheNextFrame)
{
    Place(1, kB, 330, 480);
    Loop();
    EXPECT_EQ(Bug[0].state, -1);
    EXPECT_EQ(GameOver, 0);
    EXPECT_FALSE(GameOverTextShown());
    EXPECT_TRUE(SoundsPlayed().empty());
    Loop();
    EXPECT_EQ(GameOver, 1);
    EXPECT_TRUE(GameOverTextShown());
}

TEST_F(GameLoopTest, GameOverScreenGoesOnMovingSteeringSpawningAndScoring)
{
    Bug[0].Kill();
    GameOver = 1;
    HighScore = 10;
    class Bug& chaser = Place(1, kB, 100, 300);
    class Bug& crawler = Place(2, kA, 500, 300);
    crawler.dy = 3;
    HoldRowShut(2);
    Place(3, kC, 320, kRowY[2] + 10);
    fFrame = 200;
    Loop();
    EXPECT_EQ(GameOver, 1);
    EXPECT_EQ(crawler.y, 303);
    EXPECT_EQ(chaser.dx, 2) << "homing on the dead player";
    EXPECT_EQ(points, 25);
    EXPECT_EQ(HighScore, 25);
    EXPECT_EQ(NumBug, 5) << "the spawn step of bugC 0 made one kind A";
    EXPECT_EQ(Bug[4].type, kA);
    EXPECT_EQ(fFrame, 201);
    EXPECT_TRUE(GameOverTextShown());
}

// --- the spawn schedule -------------------------------------------------------

struct ScheduleCase {
    const char* name;
    int points;
    int fFrame;
    bool spawns;
};

class SpawnScheduleTest : public GameLoopTest,
                          public ::testing::WithParamInterface<ScheduleCase> {};

TEST_P(SpawnScheduleTest, SpawnStepRunsWhenFFrameIsAMultipleOfTheInterval)
{
    const ScheduleCase& c = GetParam();
    Bystander(1);
    points = c.points;
    fFrame = c.fFrame;
    Loop();
    EXPECT_EQ(NumBug, c.spawns ? 3 : 2);
    EXPECT_EQ(bugC, c.spawns ? 1 : 0);
    EXPECT_EQ(reduce, c.points / 10 > 150 ? 150 : c.points / 10);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Intervals, SpawnScheduleTest,
    ::testing::Values(ScheduleCase{"Score0At200", 0, 200, true},
                      ScheduleCase{"Score0At199", 0, 199, false},
                      ScheduleCase{"Score0At201", 0, 201, false},
                      ScheduleCase{"Score0At400", 0, 400, true},
                      ScheduleCase{"Score0At4000", 0, 4000, true},
                      ScheduleCase{"Score0At1", 0, 1, false},
                      ScheduleCase{"Score5At200", 5, 200, true},
                      ScheduleCase{"Score10At199", 10, 199, true},
                      ScheduleCase{"Score10At200", 10, 200, false},
                      ScheduleCase{"Score500At150", 500, 150, true},
                      ScheduleCase{"Score505At150", 505, 150, true},
                      ScheduleCase{"Score500At200", 500, 200, false},
                      ScheduleCase{"Score500At3900", 500, 3900, true},
                      ScheduleCase{"Score500At4000", 500, 4000, false},
                      ScheduleCase{"Score1495At51", 1495, 51, true},
                      ScheduleCase{"Score1495At102", 1495, 102, true},
                      ScheduleCase{"Score1495At50", 1495, 50, false},
                      ScheduleCase{"Score1500At50", 1500, 50, true},
                      ScheduleCase{"Score1500At51", 1500, 51, false},
                      ScheduleCase{"Score1500At4000", 1500, 4000, true},
                      ScheduleCase{"Score99995At50", 99995, 50, true},
                      ScheduleCase{"Score99995At51", 99995, 51, false}),
    [](const ::testing::TestParamInfo<ScheduleCase>& info) { return info.param.name; });
// clang-format on

TEST_F(GameLoopTest, IntervalComesFromTheScoreBeforeThisFramesSquashes)
{
    points = 1490; // interval 51; the squash below brings 1540 (interval 50)
    fFrame = 51;
    HoldRowShut(0);
    Place(1, kB, 320, 95);
    Bystander(2);
    Loop();
    EXPECT_EQ(points, 1540);
    EXPECT_EQ(NumBug, 4) << "the spawn step ran";
    EXPECT_EQ(reduce, 149);
}

TEST_F(GameLoopTest, ReduceIsComputedOnEveryScreen)
{
    GameOver = 2;
    points = 700;
    Loop();
    EXPECT_EQ(reduce, 70);
    points = 2000;
    Loop();
    EXPECT_EQ(reduce, 150);
    EXPECT_EQ(fFrame, 1) << "no world update on the title screen";
}

struct FrameCounterCase {
    const char* name;
    int screen;
    int before, after;
};

class FrameCounterTest : public GameLoopTest,
                         public ::testing::WithParamInterface<FrameCounterCase> {};

TEST_P(FrameCounterTest, CounterRunsOneTo4000AndWraps)
{
    const FrameCounterCase& c = GetParam();
    Bystander(1);
    GameOver = c.screen;
    if (c.screen == 1)
        Bug[0].Kill();
    fFrame = c.before;
    Loop();
    EXPECT_EQ(fFrame, c.after);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Counter, FrameCounterTest,
                         ::testing::Values(FrameCounterCase{"FromOne", 0, 1, 2},
                                           FrameCounterCase{"To4000", 0, 3999, 4000},
                                           FrameCounterCase{"4000WrapsTo1", 0, 4000, 1},
                                           FrameCounterCase{"OnGameOver", 1, 4000, 1},
                                           FrameCounterCase{"NotOnTheTitle", 2, 4000, 4000}),
                         [](const ::testing::TestParamInfo<FrameCounterCase>& info) {
                             return info.param.name;
                         });
// clang-format on

struct WrapCase {
    const char* name;
    int points;
    int start;
    std::vector<int> spawnFrames; // fFrame values of the spawn steps
};

class SpawnWrapTest : public GameLoopTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(SpawnWrapTest, StepsOnEitherSideOfTheWrap)
{
    const WrapCase& c = GetParam();
    Bystander(1);
    points = c.points;
    fFrame = c.start;
    std::vector<int> spawns;
    for (int frame = 0; frame < 600; ++frame) {
        const int before = bugC;
        const int counter = fFrame;
        Loop();
        if (bugC != before)
            spawns.push_back(counter);
    }
    EXPECT_EQ(spawns, c.spawnFrames);
    EXPECT_EQ(points, c.points);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Wraps, SpawnWrapTest,
    ::testing::Values(
        // 4000 is not a multiple of 150: 3900 and 150 lie 250 frames apart.
        WrapCase{"Interval150", 500, 3800, {3900, 150, 300}},
        // 200 divides 4000: 4000 and 200 lie 200 frames apart.
        WrapCase{"Interval200", 0, 3850, {4000, 200, 400}},
        // 50 divides 4000: 3950, 4000, then 50, 100 …
        WrapCase{"Interval50", 1500, 3901, {3950, 4000, 50, 100, 150, 200, 250, 300, 350, 400, 450, 500}}),
    [](const ::testing::TestParamInfo<WrapCase>& info) { return info.param.name; });
// clang-format on

TEST_F(GameLoopTest, FirstSpawnOfAGameComesOnItsTwoHundredthFrame)
{
    Bystander(1);
    int frames = 0;
    while (NumBug == 2 && frames < 1000) {
        Loop();
        ++frames;
    }
    EXPECT_EQ(frames, 200);
    EXPECT_EQ(Bug[2].type, kA);
}

// --- the spawn cycle ------------------------------------------------------------

struct CycleCase {
    const char* name;
    int bugC;
    std::vector<int> types; // of the new slots, in order
    int next;
};

class SpawnCycleTest : public GameLoopTest, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(SpawnCycleTest, StepMakesItsKindsFromTheDrawsInCallOrder)
{
    const CycleCase& c = GetParam();
    Bystander(1);
    bugC = c.bugC;
    fFrame = 200;
    std::srand(99);
    std::vector<int> draws;
    for (int n = 0; n < 4; ++n)
        draws.push_back(std::rand());
    std::srand(99);
    Loop();
    EXPECT_EQ(NumBug, 2 + static_cast<int>(c.types.size()));
    EXPECT_EQ(bugC, c.next);
    for (size_t k = 0; k < c.types.size(); ++k) {
        const class Bug& bug = Bug[2 + k];
        EXPECT_EQ(bug.state, 1);
        EXPECT_EQ(bug.type, c.types[k]);
        EXPECT_EQ(bug.image, PictureOf(c.types[k]));
        EXPECT_EQ(bug.x, draws[2 * k + 1] % 520 + 100);
        EXPECT_EQ(bug.y, draws[2 * k] % 2 ? -50 : 550);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Steps, SpawnCycleTest,
                         ::testing::Values(CycleCase{"Step0A", 0, {kA}, 1},
                                           CycleCase{"Step1AC", 1, {kA, kC}, 2},
                                           CycleCase{"Step2AC", 2, {kA, kC}, 3},
                                           CycleCase{"Step3A", 3, {kA}, 4},
                                           CycleCase{"Step4AC", 4, {kA, kC}, 5},
                                           CycleCase{"Step5B", 5, {kB}, 0}),
                         [](const ::testing::TestParamInfo<CycleCase>& info) {
                             return info.param.name;
                         });
// clang-format on

TEST_F(GameLoopTest, OneCycleBringsFiveAThreeCAndOneB)
{
    Bystander(1);
    std::vector<int> types;
    for (int step = 0; step < 6; ++step) {
        const int first = NumBug;
        fFrame = 200;
        Loop();
        for (int slot = first; slot < NumBug; ++slot)
            types.push_back(Bug[slot].type);
    }
    EXPECT_EQ(types, (std::vector<int>{kA, kA, kC, kA, kC, kA, kA, kC, kB}));
    EXPECT_EQ(bugC, 0);
}

// --- a full table ----------------------------------------------------------------

class FullTableTest : public GameLoopTest {
protected:
    // Living enemies in slots 1 … last, harmless and still.
    void FillTo(int last)
    {
        for (int slot = 1; slot <= last; ++slot)
            Place(slot, kA, 150, 480);
    }
};

TEST_F(FullTableTest, NoSpawnWhileNumBugIsMaxbugsAndBugCStays)
{
    FillTo(89);
    ASSERT_EQ(NumBug, maxbugs);
    bugC = 3;
    fFrame = 200;
    Loop();
    EXPECT_EQ(NumBug, maxbugs);
    EXPECT_EQ(bugC, 3);
    EXPECT_EQ(fFrame, 201);
}

struct LastSlotCase {
    const char* name;
    int bugC;
    int madeType;
};

class LastSlotTest : public FullTableTest, public ::testing::WithParamInterface<LastSlotCase> {};

// Left to the implementer; this code makes the step's first bug and leaves out
// the second, so slot 89 is the last one written.
TEST_P(LastSlotTest, StepWithOneFreeSlotMakesOnlyItsFirstBug)
{
    FillTo(88);
    ASSERT_EQ(NumBug, maxbugs - 1);
    bugC = GetParam().bugC;
    fFrame = 200;
    Loop();
    EXPECT_EQ(NumBug, maxbugs);
    EXPECT_EQ(Bug[89].state, 1);
    EXPECT_EQ(Bug[89].type, GetParam().madeType);
    EXPECT_EQ(bugC, GetParam().bugC + 1 > 5 ? 0 : GetParam().bugC + 1);
    for (int slot = 1; slot < 89; ++slot)
        ASSERT_EQ(Bug[slot].type, kA) << "slot " << slot;
    EXPECT_EQ(Bug[0].type, kPlayer);
    EXPECT_EQ(Bug[0].state, 1);

    fFrame = 400;
    Loop();
    EXPECT_EQ(NumBug, maxbugs) << "then the table is full";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Steps, LastSlotTest,
                         ::testing::Values(LastSlotCase{"Step0", 0, kA},
                                           LastSlotCase{"Step1", 1, kA},
                                           LastSlotCase{"Step2", 2, kA},
                                           LastSlotCase{"Step4", 4, kA},
                                           LastSlotCase{"Step5", 5, kB}),
                         [](const ::testing::TestParamInfo<LastSlotCase>& info) {
                             return info.param.name;
                         });
// clang-format on

// --- the recycle -------------------------------------------------------------------

TEST_F(GameLoopTest, LastEnemySquashedRecyclesTheTableInTheSameFrame)
{
    HoldRowShut(0);
    Place(1, kA, 320, 95);
    class Bug& earlier = Place(2, kC, 200, 480);
    earlier.Kill();
    Loop();
    EXPECT_EQ(points, 10);
    EXPECT_EQ(SoundsPlayed().size(), 1u);
    EXPECT_EQ(NumBug, 1);
    for (int slot = 1; slot < maxbugs; ++slot) {
        ASSERT_EQ(Bug[slot].state, 0) << "slot " << slot;
        ASSERT_EQ(Bug[slot].x, 5000) << "slot " << slot;
    }
    EXPECT_EQ(Bug[0].state, 1);

    fFrame = 199; // the interval at 10 points; the next spawn takes slot 1
    Loop();
    EXPECT_EQ(NumBug, 2);
    EXPECT_EQ(Bug[1].state, 1);
    EXPECT_EQ(Bug[1].type, kA);
}

TEST_F(GameLoopTest, NoRecycleWhenTheSameFramesSpawnStepMadeANewEnemy)
{
    HoldRowShut(0);
    Place(1, kA, 320, 95);
    fFrame = 200;
    Loop();
    EXPECT_EQ(points, 10);
    EXPECT_EQ(NumBug, 3);
    EXPECT_EQ(Bug[1].state, -1) << "the dead enemy keeps its slot";
    EXPECT_EQ(Bug[2].state, 1);
}

TEST_F(GameLoopTest, TableWithOnlyDeadEnemiesIsRecycled)
{
    Place(1, kA, 200, 480).Kill();
    Place(2, kB, 250, 480).Kill();
    Loop();
    EXPECT_EQ(NumBug, 1);
    EXPECT_EQ(Bug[1].state, 0);
    EXPECT_EQ(Bug[2].state, 0);
}

TEST_F(GameLoopTest, LivingEnemyKeepsTheTableAndTheDeadPlayerDoesNotCount)
{
    Bystander(3);
    Place(1, kA, 200, 300).Kill();
    Bug[0].Kill();
    Loop();
    EXPECT_EQ(NumBug, 4);
    EXPECT_EQ(Bug[1].state, -1);
}

} // namespace
