// The bug spawners: what CreateA, CreateB and CreateC put into slot
// NumBug, from which of rand's draws, and that a full table stays unwritten.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/TestWorld.h"

namespace {

struct Draws {
    int first;  // the side: odd top, even bottom
    int second; // the position
};

// What rand gives after srand(seed); leaves the generator seeded with it.
Draws Peek(unsigned seed)
{
    std::srand(seed);
    Draws draws;
    draws.first = std::rand();
    draws.second = std::rand();
    std::srand(seed);
    return draws;
}

// The first seed whose two draws pass the test; the generator is left seeded
// with it.
unsigned SeedWhere(const std::function<bool(const Draws&)>& wanted)
{
    for (unsigned seed = 1;; ++seed)
        if (wanted(Peek(seed)))
            return seed;
}

bool Top(const Draws& d)
{
    return d.first % 2 == 1;
}

bool Bottom(const Draws& d)
{
    return d.first % 2 == 0;
}

enum Kind { KindA, KindB, KindC };

void Spawn(Kind kind)
{
    switch (kind) {
    case KindA:
        CreateA(BitBug00);
        break;
    case KindB:
        CreateB(BitBug01);
        break;
    default:
        CreateC(BitBug02);
        break;
    }
}

SDL_Surface* PictureOf(Kind kind)
{
    return kind == KindA ? BitBug00 : kind == KindB ? BitBug01 : BitBug02;
}

class SpawnerTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        Bug[0].Create(BitBug03, 320, 200, 0); // the player holds slot 0
        Bug[0].type = -1;
        NumBug = 1;
    }
};

struct SpawnCase {
    const char* name;
    Kind kind;
    bool top;
    int type, y, dy, layer;
    bool setsPatrolRight;
};

class SpawnerFieldsTest : public SpawnerTest, public ::testing::WithParamInterface<SpawnCase> {};

TEST_P(SpawnerFieldsTest, FillsSlotNumBugFromTheTwoDraws)
{
    const SpawnCase& c = GetParam();
    NumBug = 5;
    class Bug& slot = Bug[5];
    // Fields a spawner must not write keep these marks; a new kind C heads
    // right whatever its slot held before.
    slot.dx = 0;
    slot.dy = c.kind == KindB ? 0 : 99;
    slot.patrolRight = c.kind == KindC ? 0 : 7;
    slot.type = 9;
    const unsigned seed = SeedWhere(c.top ? Top : Bottom);
    const Draws draws = Peek(seed);
    std::srand(seed);
    Spawn(c.kind);

    EXPECT_EQ(NumBug, 6);
    EXPECT_EQ(slot.state, 1);
    EXPECT_EQ(slot.type, c.type);
    EXPECT_EQ(slot.x, draws.second % 520 + 100);
    EXPECT_EQ(slot.y, c.y);
    EXPECT_EQ(slot.dx, 0);
    EXPECT_EQ(slot.dy, c.dy);
    EXPECT_EQ(slot.sprite.layer, c.layer);
    EXPECT_EQ(slot.patrolRight, c.setsPatrolRight ? 1 : 7);
    EXPECT_EQ(slot.image, PictureOf(c.kind));
    EXPECT_EQ(slot.sprite.image, PictureOf(c.kind));
    EXPECT_EQ(slot.sprite.frames, 3);
    EXPECT_EQ(slot.sprite.animate, 1);
    EXPECT_EQ(slot.sprite.delayReset, 2);
    EXPECT_EQ(Bug[6].state, 0) << "the next slot stays free";
    EXPECT_EQ(Bug[4].state, 0);
    const int next = std::rand();
    std::srand(seed);
    std::rand();
    std::rand();
    EXPECT_EQ(next, std::rand()) << "exactly two draws";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Kinds, SpawnerFieldsTest,
    ::testing::Values(SpawnCase{"A_Top", KindA, true, 0, -50, 3, 1, false},
                      SpawnCase{"A_Bottom", KindA, false, 0, 550, -3, 0, false},
                      SpawnCase{"B_Top", KindB, true, 1, -50, 0, 0, false},
                      SpawnCase{"B_Bottom", KindB, false, 1, 550, 0, 0, false},
                      SpawnCase{"C_Top", KindC, true, 2, -50, 1, 0, true},
                      SpawnCase{"C_Bottom", KindC, false, 2, 550, -1, 0, true}),
    [](const ::testing::TestParamInfo<SpawnCase>& info) { return info.param.name; });
// clang-format on

TEST_F(SpawnerTest, KindBLeavesDyUnwritten)
{
    Bug[1].dy = 42;
    std::srand(SeedWhere(Top));
    CreateB(BitBug01);
    EXPECT_EQ(Bug[1].dy, 42);
}

struct XCase {
    const char* name;
    int remainder; // second draw modulo 520
    int x;
};

class SpawnerXTest : public SpawnerTest, public ::testing::WithParamInterface<XCase> {};

TEST_P(SpawnerXTest, XIsTheSecondDrawModulo520Plus100)
{
    for (Kind kind : {KindA, KindB, KindC}) {
        NumBug = 1;
        std::srand(
            SeedWhere([&](const Draws& d) { return d.second % 520 == GetParam().remainder; }));
        Spawn(kind);
        EXPECT_EQ(Bug[1].x, GetParam().x) << "kind " << kind;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, SpawnerXTest,
                         ::testing::Values(XCase{"Remainder519Gives619", 519, 619},
                                           XCase{"Remainder0Gives100", 0, 100},
                                           XCase{"Remainder480Gives580", 480, 580}),
                         [](const ::testing::TestParamInfo<XCase>& info) {
                             return info.param.name;
                         });
// clang-format on

TEST_F(SpawnerTest, TwoCallsFillNeighbouringSlotsFromFourDrawsInOrder)
{
    const unsigned seed = 12345;
    std::srand(seed);
    int draw[4];
    for (int& d : draw)
        d = std::rand();
    std::srand(seed);
    CreateA(BitBug00);
    CreateC(BitBug02);
    EXPECT_EQ(NumBug, 3);
    EXPECT_EQ(Bug[1].type, 0);
    EXPECT_EQ(Bug[1].y, draw[0] % 2 ? -50 : 550);
    EXPECT_EQ(Bug[1].x, draw[1] % 520 + 100);
    EXPECT_EQ(Bug[2].type, 2);
    EXPECT_EQ(Bug[2].y, draw[2] % 2 ? -50 : 550);
    EXPECT_EQ(Bug[2].dy, draw[2] % 2 ? 1 : -1);
    EXPECT_EQ(Bug[2].x, draw[3] % 520 + 100);
    EXPECT_EQ(Bug[3].state, 0);
}

TEST_F(SpawnerTest, LastFreeSlotIsFilled)
{
    NumBug = maxbugs - 1;
    std::srand(7);
    CreateC(BitBug02);
    EXPECT_EQ(NumBug, 90);
    EXPECT_EQ(Bug[89].state, 1);
    EXPECT_EQ(Bug[89].type, 2);
}

class SpawnerFullTableTest : public SpawnerTest, public ::testing::WithParamInterface<Kind> {};

// Left to the implementer: the spawners themselves make no bug when the table
// is full, so no caller can make one write past slot 89.
TEST_P(SpawnerFullTableTest, NoFreeSlotWritesNothing)
{
    for (int slot = 1; slot < maxbugs; ++slot) {
        Bug[slot].Create(BitBug00, 100 + slot, 300, 0);
        Bug[slot].type = 0;
        Bug[slot].dy = -3;
    }
    NumBug = maxbugs;
    std::vector<unsigned char> before(sizeof Bug);
    std::memcpy(before.data(), static_cast<void*>(Bug), sizeof Bug);
    std::srand(3);
    Spawn(GetParam());
    EXPECT_EQ(NumBug, maxbugs);
    EXPECT_EQ(std::memcmp(before.data(), static_cast<void*>(Bug), sizeof Bug), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, SpawnerFullTableTest, ::testing::Values(KindA, KindB, KindC),
                         [](const ::testing::TestParamInfo<Kind>& info) {
                             return std::string("Kind") + "ABC"[info.param];
                         });
// clang-format on

struct FirstDrawCase {
    const char* name;
    Kind kind;
    bool top;
    int remainder; // of the second draw, so x = remainder + 100
    int drawnX, drawnY, dy;
};

class SpawnerFirstDrawTest : public SpawnerTest,
                             public ::testing::WithParamInterface<FirstDrawCase> {};

// Where a new bug is first drawn follows from Bug::Update's bounds.
TEST_P(SpawnerFirstDrawTest, FirstUpdatePlacesTheNewBug)
{
    const FirstDrawCase& c = GetParam();
    std::srand(SeedWhere([&](const Draws& d) {
        return (c.top ? Top(d) : Bottom(d)) && d.second % 520 == c.remainder;
    }));
    Spawn(c.kind);
    Bug[1].Update(Engine());
    EXPECT_EQ(Bug[1].sprite.x, c.drawnX);
    EXPECT_EQ(Bug[1].sprite.y, c.drawnY);
    EXPECT_EQ(Bug[1].dy, c.dy) << "still moving the same way";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Kinds, SpawnerFirstDrawTest,
    ::testing::Values(FirstDrawCase{"B_TopDrawnAt0", KindB, true, 200, 300, 0, 0},
                      FirstDrawCase{"B_BottomDrawnAt500", KindB, false, 200, 300, 500, 0},
                      FirstDrawCase{"B_RightOf610DrawnAt610", KindB, true, 515, 610, 0, 0},
                      FirstDrawCase{"A_BottomShowsAtTheTopMovingUp", KindA, false, 200, 300, 0, -3},
                      FirstDrawCase{"A_TopAboveTheField", KindA, true, 200, 300, -47, 3},
                      FirstDrawCase{"C_BottomShowsAtTheTopMovingUp", KindC, false, 200, 300, 0, -1},
                      FirstDrawCase{"C_TopAboveTheField", KindC, true, 200, 300, -49, 1}),
    [](const ::testing::TestParamInfo<FirstDrawCase>& info) { return info.param.name; });
// clang-format on

} // namespace
