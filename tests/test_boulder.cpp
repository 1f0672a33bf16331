// The boulder row: the closing, the meeting, the hold, the opening,
// the rest 6 pixels outside the edges and the creep back in.
#include <gtest/gtest.h>

#include <vector>

#include "actors/Boulder.h"
#include "support/Actors.h"
#include "support/Pictures.h"
#include "support/TestWorld.h"

namespace {

// Where the left jaw is drawn by the updates of one closing from 0: n(n-1)/2
// on the n-th update, up to the meeting on the 25th at 300.
std::vector<int> ClosingDraws()
{
    std::vector<int> draws;
    for (int n = 1; n <= 24; ++n)
        draws.push_back(n * (n - 1) / 2);
    return draws;
}

// From the meeting on, followed by `restUpdates` updates resting at -6.
std::vector<int> DrawsFromTheMeeting(int d, int restUpdates)
{
    std::vector<int> draws = LeftJawDrawsFromTheMeeting(d);
    draws.insert(draws.end(), restUpdates, -6);
    return draws;
}

class BoulderTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        row().SetBoulders(BitBoulder, 75);
        row().leftX = 0;
        row().rightX = 645;
    }

    Boulder& row()
    {
        return BoulderSet0;
    }

    // One update; checks the row's two invariants and that both jaws were
    // drawn as mirror images, and returns where the left jaw was drawn.
    int Update()
    {
        row().Update(Engine());
        EXPECT_EQ(row().leftX + row().rightX, 645) << "after update " << updates;
        EXPECT_EQ(row().leftSpeed, row().rightSpeed) << "after update " << updates;
        EXPECT_EQ(row().left.x + row().right.x, 645) << "after update " << updates;
        EXPECT_EQ(row().left.y, 75);
        EXPECT_EQ(row().right.y, 75);
        ++updates;
        return row().left.x;
    }

    // The row's key as HandleKeys reads it: it only sets a resting row closing.
    int UpdateWithKeyDown()
    {
        if (row().state == 0)
            row().state = 1;
        return Update();
    }

    std::vector<int> Updates(int count)
    {
        std::vector<int> draws;
        for (int i = 0; i < count; ++i)
            draws.push_back(Update());
        return draws;
    }

    // Closes the row from rest at 0 and 645 and lets it open back to rest
    // (25 + 16 + 80 + 12 updates from a delay of 0).
    void SlamAndOpen()
    {
        row().state = 1;
        for (int n = 0; n < 500 && !(row().state == 0 && row().leftX < 0); ++n)
            Update();
        ASSERT_EQ(row().state, 0);
        ASSERT_EQ(row().leftX, -6);
    }

    int updates = 0;
};

TEST_F(BoulderTest, SetBouldersGivesBothJawsTheWholePictureAndKeepsTheMotion)
{
    Boulder& r = BoulderSet1;
    r.state = -1;
    r.leftX = 12;
    r.rightX = 633;
    r.leftSpeed = r.rightSpeed = -3;
    r.delay = 9;
    r.SetBoulders(BitBoulder, 225);
    EXPECT_EQ(r.leftImage, BitBoulder);
    EXPECT_EQ(r.rightImage, BitBoulder);
    for (const Sprite* jaw : {&r.left, &r.right}) {
        EXPECT_EQ(jaw->image, BitBoulder);
        EXPECT_EQ(jaw->width, 75);
        EXPECT_EQ(jaw->height, 75);
        EXPECT_EQ(jaw->frames, 0);
        EXPECT_EQ(jaw->animate, 0);
    }
    EXPECT_EQ(r.y, 225);
    EXPECT_EQ(r.state, -1);
    EXPECT_EQ(r.leftX, 12);
    EXPECT_EQ(r.rightX, 633);
    EXPECT_EQ(r.leftSpeed, -3);
    EXPECT_EQ(r.rightSpeed, -3);
    EXPECT_EQ(r.delay, 9);
}

TEST_F(BoulderTest, AtRestBothJawsAreDrawnWholeAtTheEdgesAndStayThere)
{
    FillRgb(Engine()->screen, 0x000000);
    Image expected(720 * 540, 0x000000);
    ModelBlit(expected, 720, 540, BitBoulder, 0, 75, 0, 0, BitBoulder->w, BitBoulder->h, kMagenta);
    ModelBlit(expected, 720, 540, BitBoulder, 645, 75, 0, 0, BitBoulder->w, BitBoulder->h,
              kMagenta);
    EXPECT_EQ(Update(), 0);
    EXPECT_TRUE(SameImage(expected, Snapshot(Engine()->screen), 720));
    EXPECT_EQ(Updates(30), std::vector<int>(30, 0));
    EXPECT_EQ(row().state, 0);
    EXPECT_EQ(row().leftSpeed, 0);
    EXPECT_EQ(row().delay, 0);
}

TEST_F(BoulderTest, RightJawIsDrawnOverTheLeftOne)
{
    SDL_Surface* red = MakePicture(75, 75, [](int, int) { return 0xFF0000u; });
    SDL_Surface* green = MakePicture(75, 75, [](int, int) { return 0x00C000u; });
    row().left.LoadImageA(red, 75, 75, 0);
    row().right.LoadImageA(green, 75, 75, 0);
    row().leftX = 300;
    row().rightX = 345;
    row().state = -1; // held at the meeting
    Update();
    EXPECT_EQ(RgbAt(Engine()->screen, 344, 100), 0xFF0000u);
    EXPECT_EQ(RgbAt(Engine()->screen, 345, 100), 0x00C000u);
    EXPECT_EQ(RgbAt(Engine()->screen, 375, 100), 0x00C000u);
    SDL_FreeSurface(red);
    SDL_FreeSurface(green);
}

TEST_F(BoulderTest, SpritesLagOneStepBehindTheNextPositions)
{
    row().state = 1;
    Updates(5); // drawn at 0, 1, 3, 6, 10; speeds now 5
    EXPECT_EQ(row().left.x, 10);
    EXPECT_EQ(row().right.x, 635);
    EXPECT_EQ(row().leftX, 15);
    EXPECT_EQ(row().rightX, 630);
    EXPECT_EQ(row().leftSpeed, 5);
}

TEST_F(BoulderTest, ClosingFromRestMeetsOnThe25thUpdateDrawnAt300And345)
{
    row().state = 1; // a key held for a single frame
    const std::vector<int> draws = Updates(24);
    EXPECT_EQ(draws, ClosingDraws());
    EXPECT_EQ(row().left.x, 276);
    EXPECT_EQ(row().right.x, 369) << "18 pixels apart one update before the meeting";
    EXPECT_EQ(row().state, 1);
    EXPECT_EQ(row().leftSpeed, 24);

    EXPECT_EQ(Update(), 300);
    EXPECT_EQ(row().right.x, 345) << "overlapping by 30 pixels";
    EXPECT_EQ(row().state, -1);
    EXPECT_EQ(row().leftSpeed, 0) << "the increase of the meeting update is dropped";
    EXPECT_EQ(row().rightSpeed, 0);
}

TEST_F(BoulderTest, JawsThatJustTouchMeet)
{
    // Never reached from rest (the closing passes 276 and 300), but touching
    // edges count: 285 + 75 = 360.
    row().leftX = 284;
    row().rightX = 361;
    row().state = 1;
    EXPECT_EQ(Update(), 284);
    EXPECT_EQ(row().state, 1);
    EXPECT_EQ(Update(), 285);
    EXPECT_EQ(row().right.x, 360);
    EXPECT_EQ(row().state, -1);
    EXPECT_EQ(row().leftSpeed, 0);
}

struct OpeningCase {
    const char* name;
    int delayAtMeeting;
};

class BoulderOpeningTest : public BoulderTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(BoulderOpeningTest, HoldsOpensAndRestsSixPixelsOutsideWhateverTheDelay)
{
    const int d = GetParam().delayAtMeeting;
    row().delay = d;
    row().state = 1;
    EXPECT_EQ(Updates(24), ClosingDraws());
    const std::vector<int> expected = DrawsFromTheMeeting(d, 40);
    const std::vector<int> draws = Updates(static_cast<int>(expected.size()));
    EXPECT_EQ(draws, expected);

    int held = 0;
    while (held < static_cast<int>(draws.size()) && draws[held] == 300)
        ++held;
    EXPECT_EQ(held, 16 - d) << "drawn at 300 and 345 on 16 - d updates, the meeting included";

    EXPECT_EQ(row().state, 0);
    EXPECT_EQ(row().left.x, -6);
    EXPECT_EQ(row().right.x, 651);
    EXPECT_EQ(row().leftX, -6);
    EXPECT_EQ(row().rightX, 651);
    EXPECT_EQ(row().leftSpeed, -6);
    EXPECT_EQ(row().rightSpeed, -6);
    EXPECT_EQ(row().delay, 11);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Delays, BoulderOpeningTest,
                         ::testing::Values(OpeningCase{"Delay0Holds16", 0},
                                           OpeningCase{"Delay5Holds11", 5},
                                           OpeningCase{"Delay11Holds5", 11},
                                           OpeningCase{"Delay14Holds2", 14},
                                           OpeningCase{"Delay15Holds1", 15}),
                         [](const ::testing::TestParamInfo<OpeningCase>& info) {
                             return info.param.name;
                         });
// clang-format on

TEST_F(BoulderTest, OpeningRowTurnsToRestOnTheUpdateThatFindsItPastTheEdge)
{
    SlamAndOpen();
    // That update drew the jaws at -6 and 651 and clamped them before moving.
    EXPECT_EQ(row().left.x, -6);
    EXPECT_EQ(row().right.x, 651);
    EXPECT_EQ(row().state, 0);
}

TEST_F(BoulderTest, KeyHeldAfterAnOpeningCreepsInThenClosesAndMeetsOnThe31stUpdate)
{
    SlamAndOpen();
    Updates(3); // resting at -6
    std::vector<int> draws;
    for (int n = 1; n <= 6; ++n) {
        draws.push_back(UpdateWithKeyDown());
        EXPECT_EQ(row().state, 0) << "the creep falls back to rest on key update " << n;
    }
    EXPECT_EQ(draws, (std::vector<int>{-6, -5, -4, -3, -2, -1}));
    EXPECT_EQ(row().leftX, 0);
    EXPECT_EQ(row().leftSpeed, 0);

    std::vector<int> closing;
    for (int n = 7; n <= 30; ++n) {
        closing.push_back(UpdateWithKeyDown());
        EXPECT_EQ(row().state, 1) << "key update " << n;
    }
    EXPECT_EQ(closing, ClosingDraws());
    EXPECT_EQ(UpdateWithKeyDown(), 300) << "the 31st update with the key down meets";
    EXPECT_EQ(row().right.x, 345);
    EXPECT_EQ(row().state, -1);
}

TEST_F(BoulderTest, SingleTapAfterAnOpeningLeavesTheRowAtMinusFive)
{
    SlamAndOpen();
    EXPECT_EQ(UpdateWithKeyDown(), -6);
    EXPECT_EQ(Updates(20), std::vector<int>(20, -5));
    EXPECT_EQ(row().right.x, 650);
    EXPECT_EQ(row().state, 0);
    EXPECT_EQ(row().leftSpeed, -5);
    EXPECT_EQ(row().rightSpeed, -5);
}

TEST_F(BoulderTest, KeyReleasedDuringTheCreepLeavesTheRowWhereItGotTo)
{
    SlamAndOpen();
    for (int n = 0; n < 3; ++n)
        UpdateWithKeyDown(); // drawn at -6, -5, -4
    EXPECT_EQ(Updates(10), std::vector<int>(10, -3));
    EXPECT_EQ(row().leftSpeed, -3) << "minus the distance from the rest position";
    EXPECT_EQ(row().state, 0);
}

TEST_F(BoulderTest, RowsNeverLeaveTheirMirrorOrEqualSpeedsThroughManySlams)
{
    // Key down on every third update, for long enough to slam several times.
    for (int n = 0; n < 1200; ++n) {
        if (n % 3 == 0)
            UpdateWithKeyDown();
        else
            Update();
        ASSERT_FALSE(HasFailure()) << "update " << n;
        ASSERT_GE(row().delay, 0);
        ASSERT_LE(row().delay, 15);
    }
}

} // namespace
