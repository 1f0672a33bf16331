// The bug: creation, the move with its wrap and clamp bounds, the
// animation, and death with its picture.
#include <gtest/gtest.h>

#include <new>
#include <utility>
#include <vector>

#include "actors/Bug.h"
#include "support/Actors.h"
#include "support/Pictures.h"
#include "support/Spies.h"
#include "support/TestWorld.h"

namespace {


class BugTest : public WorldTest {
protected:
    // A living bug of the kind in slot 1, at (x, y) with the step (dx, dy).
    class Bug& Living(int type, int x, int y, int dx, int dy)
    {
        class Bug& bug = Bug[1];
        bug.Create(type == kPlayer ? BitBug03 : BitBug00, x, y, 0);
        bug.type = type;
        bug.dx = dx;
        bug.dy = dy;
        return bug;
    }
};

TEST_F(BugTest, DefaultConstructionMakesAFreeSlotAt200And200)
{
    alignas(class Bug) unsigned char storage[sizeof(class Bug)] = {};
    class Bug* bug = new (storage) class Bug();
    EXPECT_EQ(bug->state, 0);
    EXPECT_EQ(bug->x, 200);
    EXPECT_EQ(bug->y, 200);
    EXPECT_EQ(bug->dx, 0);
    EXPECT_EQ(bug->dy, 0);
    EXPECT_EQ(maxbugs, 90);
    EXPECT_EQ(sizeof Bug / sizeof Bug[0], 90u);
}

TEST_F(BugTest, CreateMakesALivingAnimatedBugAndLeavesKindAndStepsAlone)
{
    class Bug& bug = Bug[7];
    bug.type = 2;
    bug.dx = 4;
    bug.dy = -1;
    bug.patrolRight = 0;
    bug.sprite.x = 1234;
    bug.sprite.delay = 9;
    bug.sprite.frame = 3;
    bug.Create(BitBug00, 140, -50, 1);
    EXPECT_EQ(bug.state, 1);
    EXPECT_EQ(bug.x, 140);
    EXPECT_EQ(bug.y, -50);
    EXPECT_EQ(bug.image, BitBug00);
    EXPECT_EQ(bug.sprite.image, BitBug00);
    EXPECT_EQ(bug.sprite.width, 35);
    EXPECT_EQ(bug.sprite.height, 40);
    EXPECT_EQ(bug.sprite.frames, 3);
    EXPECT_EQ(bug.sprite.frame, 0);
    EXPECT_EQ(bug.sprite.delay, 2);
    EXPECT_EQ(bug.sprite.delayReset, 2);
    EXPECT_EQ(bug.sprite.animate, 1);
    EXPECT_EQ(bug.sprite.layer, 1);
    EXPECT_EQ(bug.sprite.x, 1234) << "the first Update places the sprite";
    EXPECT_EQ(bug.type, 2);
    EXPECT_EQ(bug.dx, 4);
    EXPECT_EQ(bug.dy, -1);
    EXPECT_EQ(bug.patrolRight, 0);
}

// --- the move and its bounds ---------------------------------------------

struct MoveCase {
    const char* name;
    int type;
    int x, y; // before the update
    int dx, dy;
    int expectedX, expectedY;
};

class BugMoveTest : public BugTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(BugMoveTest, UpdateMovesThenWrapsOrClampsAndPlacesTheSprite)
{
    const MoveCase& c = GetParam();
    class Bug& bug = Living(c.type, c.x, c.y, c.dx, c.dy);
    bug.Update(Engine());
    EXPECT_EQ(bug.x, c.expectedX);
    EXPECT_EQ(bug.y, c.expectedY);
    EXPECT_EQ(bug.sprite.x, c.expectedX);
    EXPECT_EQ(bug.sprite.y, c.expectedY);
    EXPECT_EQ(bug.dx, c.dx);
    EXPECT_EQ(bug.dy, c.dy);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Bounds, BugMoveTest,
    ::testing::Values(
        // Kind B and the player are clamped to x 75 … 610 and y 0 … 500.
        MoveCase{"B_X75Stays", kB, 75, 200, 0, 0, 75, 200},
        MoveCase{"B_X74To75", kB, 76, 200, -2, 0, 75, 200},
        MoveCase{"B_X610Stays", kB, 608, 200, 2, 0, 610, 200},
        MoveCase{"B_X611To610", kB, 609, 200, 2, 0, 610, 200},
        MoveCase{"B_Y500Stays", kB, 300, 498, 0, 2, 300, 500},
        MoveCase{"B_Y501To500", kB, 300, 499, 0, 2, 300, 500},
        MoveCase{"B_Y0Stays", kB, 300, 2, 0, -2, 300, 0},
        MoveCase{"B_YMinus1To0", kB, 300, 1, 0, -2, 300, 0},
        MoveCase{"B_MadeAboveIsDrawnAt0", kB, 300, -50, 0, 0, 300, 0},
        MoveCase{"B_MadeBelowIsDrawnAt500", kB, 300, 550, 0, 0, 300, 500},
        MoveCase{"B_MadeRightOf610IsDrawnAt610", kB, 619, 550, 0, 0, 610, 500},
        MoveCase{"B_FarCornerToNearestBounds", kB, -100, -100, 0, 0, 75, 0},
        MoveCase{"Player_X75Stays", kPlayer, 75, 200, 0, 0, 75, 200},
        MoveCase{"Player_X70To75", kPlayer, 70, 200, 0, 0, 75, 200},
        MoveCase{"Player_X74To75", kPlayer, 74, 200, 0, 0, 75, 200},
        MoveCase{"Player_X610Stays", kPlayer, 610, 200, 0, 0, 610, 200},
        MoveCase{"Player_X611To610", kPlayer, 611, 200, 0, 0, 610, 200},
        MoveCase{"Player_Y500Stays", kPlayer, 320, 500, 0, 0, 320, 500},
        MoveCase{"Player_Y501To500", kPlayer, 320, 501, 0, 0, 320, 500},
        MoveCase{"Player_Y0Stays", kPlayer, 320, 0, 0, 0, 320, 0},
        MoveCase{"Player_YMinus1To0", kPlayer, 320, -1, 0, 0, 320, 0},
        // Kinds A and C wrap vertically and are never held sideways.
        MoveCase{"A_Y500Stays", kA, 300, 497, 0, 3, 300, 500},
        MoveCase{"A_Y501To0", kA, 300, 498, 0, 3, 300, 0},
        MoveCase{"A_YMinus51Stays", kA, 300, -48, 0, -3, 300, -51},
        MoveCase{"A_YMinus52To500", kA, 300, -49, 0, -3, 300, 500},
        MoveCase{"A_MadeBelowMovingUpShowsAtTheTop", kA, 300, 550, 0, -3, 300, 0},
        MoveCase{"A_MadeAboveMovingDown", kA, 300, -50, 0, 3, 300, -47},
        MoveCase{"A_NotHeldAtTheLeft", kA, 10, 200, -4, 0, 6, 200},
        MoveCase{"A_NotHeldAtTheRight", kA, 700, 200, 4, 0, 704, 200},
        MoveCase{"C_Y500Stays", kC, 300, 499, 0, 1, 300, 500},
        MoveCase{"C_Y501To0", kC, 300, 500, 0, 1, 300, 0},
        MoveCase{"C_YMinus51Stays", kC, 300, -50, 0, -1, 300, -51},
        MoveCase{"C_YMinus52To500", kC, 300, -51, 0, -1, 300, 500},
        MoveCase{"C_MadeBelowMovingUpShowsAtTheTop", kC, 300, 550, 0, -1, 300, 0},
        MoveCase{"C_NotHeldSideways", kC, 40, 200, -4, 0, 36, 200},
        MoveCase{"C_FarAboveWrapsTo500", kC, 300, -200, 0, 0, 300, 500}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return info.param.name; });
// clang-format on

struct PathCase {
    const char* name;
    int type, y, dy;
    std::vector<int> ys; // after updates 1, 2, 3 …
};

std::vector<int> Concat(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<int> Range(int from, int to, int step)
{
    std::vector<int> values;
    for (int v = from; step > 0 ? v <= to : v >= to; v += step)
        values.push_back(v);
    return values;
}

class BugPathTest : public BugTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(BugPathTest, VerticalWrapPath)
{
    const PathCase& c = GetParam();
    class Bug& bug = Living(c.type, 300, c.y, 0, c.dy);
    std::vector<int> ys;
    for (size_t n = 0; n < c.ys.size(); ++n) {
        bug.Update(Engine());
        ys.push_back(bug.y);
    }
    EXPECT_EQ(ys, c.ys);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Paths, BugPathTest,
    ::testing::Values(
        // From below, moving up: 0 first, then up and out to -51, back at 500.
        PathCase{"A_FromBelow", kA, 550, -3, Concat(Range(0, -51, -3), {500, 497})},
        // From above, moving down: -47 … 499, then 0, not 502.
        PathCase{"A_FromAbove", kA, -50, 3, Concat(Range(-47, 499, 3), {0, 3})},
        PathCase{"C_FromBelow", kC, 550, -1, Concat(Range(0, -51, -1), {500, 499})},
        PathCase{"C_FromAbove", kC, -50, 1, Concat(Range(-49, 500, 1), {0, 1})}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return info.param.name; });
// clang-format on

TEST_F(BugTest, LivingBugAnimatesWhetherOrNotItMoves)
{
    class Bug& bug = Living(kPlayer, 320, 200, 0, 0);
    std::vector<int> columns;
    for (int n = 0; n < 13; ++n) {
        columns.push_back(bug.sprite.frame); // the column this update draws
        bug.Update(Engine());
    }
    EXPECT_EQ(columns, (std::vector<int>{0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 0}));
}

TEST_F(BugTest, LivingBugIsDrawnAsTheCellOfItsLayer)
{
    class Bug& bug = Bug[3];
    bug.Create(BitBug00, 200, 300, 1);
    bug.type = kA;
    FillRgb(Engine()->screen, 0x000000);
    Image expected(720 * 540, 0x000000);
    ModelBlit(expected, 720, 540, BitBug00, 200, 300, 0, 40, 35, 40, kMagenta);
    bug.Update(Engine());
    EXPECT_TRUE(SameImage(expected, Snapshot(Engine()->screen), 720));
}

TEST_F(BugTest, FreeOrDeadBugIsNotMoved)
{
    for (int state : {0, -1}) {
        class Bug& bug = Living(kB, 300, 200, 5, -5);
        bug.state = state;
        for (int n = 0; n < 3; ++n)
            bug.Update(Engine());
        EXPECT_EQ(bug.x, 300) << "state " << state;
        EXPECT_EQ(bug.y, 200) << "state " << state;
        EXPECT_EQ(bug.sprite.x, 300);
        EXPECT_EQ(bug.sprite.y, 200);
    }
}

TEST_F(BugTest, DeadBugOutsideTheBoundsIsNeitherClampedNorWrapped)
{
    class Bug& player = Living(kPlayer, 70, 520, 0, 0);
    player.Kill();
    player.Update(Engine());
    EXPECT_EQ(player.x, 70);
    EXPECT_EQ(player.y, 520);
    class Bug& enemy = Bug[2];
    enemy.Create(BitBug00, 300, 520, 0);
    enemy.type = kA;
    enemy.Kill();
    enemy.Update(Engine());
    EXPECT_EQ(enemy.y, 520);
}

// --- death ---------------------------------------------------------------

struct KillCase {
    const char* name;
    int type;
    bool player; // the dead player's picture, else the dead enemy's
};

class BugKillTest : public BugTest, public ::testing::WithParamInterface<KillCase> {};

TEST_P(BugKillTest, KillGivesTheDeadPictureDrawnWholeWhereItDied)
{
    const KillCase& c = GetParam();
    SDL_Surface* dead = c.player ? BitDeadPlayer : BitDead;
    class Bug& bug = Living(c.type, 250, 310, 2, -3);
    for (int n = 0; n < 4; ++n)
        bug.Update(Engine()); // moves and animates: column 1
    const int x = bug.x, y = bug.y;
    const long surfaces = LiveSurfaces();

    bug.Kill();
    EXPECT_EQ(bug.state, -1);
    EXPECT_EQ(bug.image, dead);
    EXPECT_EQ(bug.sprite.image, dead);
    EXPECT_EQ(bug.sprite.frames, 0);
    EXPECT_EQ(bug.sprite.frame, 0);
    EXPECT_EQ(bug.sprite.layer, 0);
    EXPECT_EQ(bug.sprite.animate, 0);
    EXPECT_EQ(bug.sprite.width, 35);
    EXPECT_EQ(bug.sprite.height, 40);
    EXPECT_EQ(bug.x, x);
    EXPECT_EQ(bug.y, y);
    EXPECT_EQ(bug.type, c.type);
    EXPECT_EQ(bug.dx, 2);
    EXPECT_EQ(bug.dy, -3);

    bug.Kill(); // killed again: the same
    EXPECT_EQ(bug.state, -1);
    EXPECT_EQ(bug.image, dead);
    EXPECT_EQ(bug.x, x);
    EXPECT_EQ(bug.y, y);
    EXPECT_EQ(LiveSurfaces(), surfaces) << "Kill takes no further picture";

    FillRgb(Engine()->screen, 0x000000);
    Image expected(720 * 540, 0x000000);
    ModelBlit(expected, 720, 540, dead, x, y, 0, 0, dead->w, dead->h, kMagenta);
    for (int n = 0; n < 3; ++n)
        bug.Update(Engine());
    EXPECT_EQ(bug.x, x) << "a dead bug is not moved by its steps";
    EXPECT_EQ(bug.y, y);
    EXPECT_TRUE(SameImage(expected, Snapshot(Engine()->screen), 720));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, BugKillTest,
                         ::testing::Values(KillCase{"Player", kPlayer, true},
                                           KillCase{"KindA", kA, false},
                                           KillCase{"KindB", kB, false},
                                           KillCase{"KindC", kC, false}),
                         [](const ::testing::TestParamInfo<KillCase>& info) {
                             return info.param.name;
                         });
// clang-format on

TEST_F(BugTest, DeadPicturesAreThoseOfTheirFiles)
{
    ASSERT_NE(BitDead, nullptr);
    ASSERT_NE(BitDeadPlayer, nullptr);
    for (auto [file, picture] : {std::pair<const char*, SDL_Surface*>{"data/Dead.dat", BitDead},
                                 {"data/DeadPlayer.dat", BitDeadPlayer}}) {
        SDL_Surface* loaded = SDL_LoadBMP(file);
        ASSERT_NE(loaded, nullptr) << file;
        EXPECT_EQ(loaded->w, 35) << file;
        EXPECT_EQ(loaded->h, 40) << file;
        EXPECT_EQ(picture->w, loaded->w) << file;
        EXPECT_EQ(picture->h, loaded->h) << file;
        for (int y = 0; y < loaded->h && y < picture->h; ++y)
            for (int x = 0; x < loaded->w && x < picture->w; ++x)
                ASSERT_EQ(RgbAt(picture, x, y), RgbAt(loaded, x, y))
                    << file << " at " << x << ", " << y;
        SDL_FreeSurface(loaded);
    }
}

} // namespace
