// The sprite: which cell each update draws, how the animation
// steps, and the collision box that every actor shares.
#include <gtest/gtest.h>

#include <vector>

#include "actors/Sprite.h"
#include "support/Pictures.h"
#include "support/TestWorld.h"

namespace {

const int kCellW = 35;
const int kCellH = 40;
const Uint32 kBackdrop = 0x000000;

// Each cell of the 4 × 2 sheet is one plain colour that names it.
Uint32 CellColour(int column, int row)
{
    return static_cast<Uint32>(0x20 * (column + 1)) << 16 |
           static_cast<Uint32>(0x20 * (row + 1)) << 8 | 0x11;
}

struct Cell {
    int column;
    int row;
};

class SpriteTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        sheet = MakePicture(4 * kCellW, 2 * kCellH, [](int x, int y) {
            // One magenta pixel per cell, at its top-left corner, must not show.
            if (x % kCellW == 0 && y % kCellH == 0)
                return kMagenta;
            return CellColour(x / kCellW, y / kCellH);
        });
    }
    void TearDown() override
    {
        SDL_FreeSurface(sheet);
    }

    // A bug's sprite as Bug::Create sets it up.
    Sprite AnimatedBugSprite(int delay)
    {
        Sprite sprite{};
        sprite.LoadImageA(sheet, kCellW, kCellH, 3);
        sprite.SetAnimation(delay);
        sprite.SetAnimationOn();
        sprite.SetPosition(100, 120);
        return sprite;
    }

    // Updates the sprite once on a cleared display and tells which cell it drew.
    Cell UpdateAndReadCell(Sprite& sprite)
    {
        FillRgb(Engine()->screen, kBackdrop);
        const int x = sprite.x, y = sprite.y;
        sprite.Update(Engine());
        const Uint32 rgb = RgbAt(Engine()->screen, x + kCellW / 2, y + kCellH / 2);
        if (rgb == kBackdrop)
            return {-1, -1};
        return {static_cast<int>(rgb >> 16) / 0x20 - 1,
                static_cast<int>((rgb >> 8) & 0xFF) / 0x20 - 1};
    }

    SDL_Surface* sheet = nullptr;
};

// --- the animation ---------------------------------------------------------

struct AnimationCase {
    const char* name;
    int frames;               // last column
    int delay;                // SetAnimation's argument
    std::vector<int> columns; // drawn by updates 1, 2, 3 …
};

class SpriteAnimationTest : public SpriteTest,
                            public ::testing::WithParamInterface<AnimationCase> {};

TEST_P(SpriteAnimationTest, EachUpdateDrawsTheColumnCurrentBeforeTheStep)
{
    const AnimationCase& c = GetParam();
    Sprite sprite{};
    sprite.LoadImageA(sheet, kCellW, kCellH, c.frames);
    sprite.SetAnimation(c.delay);
    sprite.SetAnimationOn();
    sprite.SetPosition(200, 300);
    for (size_t update = 0; update < c.columns.size(); ++update) {
        const Cell drawn = UpdateAndReadCell(sprite);
        EXPECT_EQ(drawn.column, c.columns[update]) << "update " << update + 1;
        EXPECT_EQ(drawn.row, 0) << "update " << update + 1;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sequences, SpriteAnimationTest,
    ::testing::Values(
        // The bug's animation: each column on three updates, then over again.
        AnimationCase{"BugFramesThreeDelayTwo", 3, 2, {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 0, 0, 0, 1}},
        AnimationCase{"DelayZeroStepsEveryUpdate", 3, 0, {0, 1, 2, 3, 0, 1, 2, 3, 0}},
        AnimationCase{"DelayOne", 3, 1, {0, 0, 1, 1, 2, 2, 3, 3, 0, 0}},
        AnimationCase{"TwoColumns", 1, 2, {0, 0, 0, 1, 1, 1, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<AnimationCase>& info) { return info.param.name; });
// clang-format on

TEST_F(SpriteTest, BugAnimationDrawsTheWholeCellFromTheLayerRowWithMagentaTransparent)
{
    Sprite sprite = AnimatedBugSprite(2);
    sprite.layer = 1;
    for (int update = 0; update < 4; ++update)
        sprite.Update(Engine()); // columns 0, 0, 0, 1: column 1 is now current
    FillRgb(Engine()->screen, kBackdrop);
    Image expected(720 * 540, kBackdrop);
    ModelBlit(expected, 720, 540, sheet, 100, 120, kCellW * 1, kCellH * 1, kCellW, kCellH,
              kMagenta);
    sprite.Update(Engine());
    EXPECT_TRUE(SameImage(expected, Snapshot(Engine()->screen), 720));
}

TEST_F(SpriteTest, StepsCountDownTheDelayAndReloadItAfterEachColumnStep)
{
    Sprite sprite = AnimatedBugSprite(2);
    const int expected[][2] = {{0, 1}, {0, 0}, {1, 2},
                               {1, 1}, {1, 0}, {2, 2}}; // frame, delay after
    for (const auto& after : expected) {
        sprite.Update(Engine());
        EXPECT_EQ(sprite.frame, after[0]);
        EXPECT_EQ(sprite.delay, after[1]);
        EXPECT_EQ(sprite.delayReset, 2);
    }
}

TEST_F(SpriteTest, FramesZeroDrawsTheWholePictureAndChangesNothingEvenWhenAnimated)
{
    Sprite sprite{};
    sprite.LoadImageA(sheet, kCellW, kCellH, 0);
    sprite.SetAnimation(0);
    sprite.SetAnimationOn();
    sprite.frame = 2;
    sprite.layer = 1;
    sprite.delay = 5;
    sprite.SetPosition(50, 60);
    Image expected(720 * 540, kBackdrop);
    ModelBlit(expected, 720, 540, sheet, 50, 60, 0, 0, sheet->w, sheet->h, kMagenta);
    for (int update = 0; update < 3; ++update) {
        FillRgb(Engine()->screen, kBackdrop);
        sprite.Update(Engine());
        EXPECT_TRUE(SameImage(expected, Snapshot(Engine()->screen), 720))
            << "update " << update + 1;
        EXPECT_EQ(sprite.frame, 2);
        EXPECT_EQ(sprite.delay, 5);
        EXPECT_EQ(sprite.layer, 1);
        EXPECT_EQ(sprite.animate, 1);
    }
}

TEST_F(SpriteTest, TurnedOffKeepsDrawingTheSameCellAndTurnedOnContinuesFromItsDelay)
{
    Sprite sprite = AnimatedBugSprite(2);
    UpdateAndReadCell(sprite); // column 0, delay 2 -> 1
    sprite.SetAnimationOff();
    for (int update = 0; update < 5; ++update) {
        EXPECT_EQ(UpdateAndReadCell(sprite).column, 0);
        EXPECT_EQ(sprite.delay, 1);
        EXPECT_EQ(sprite.frame, 0);
    }
    sprite.SetAnimationOn();
    // Two more updates of column 0 (delay 1, then 0), then column 1.
    EXPECT_EQ(UpdateAndReadCell(sprite).column, 0);
    EXPECT_EQ(UpdateAndReadCell(sprite).column, 0);
    EXPECT_EQ(UpdateAndReadCell(sprite).column, 1);
}

TEST_F(SpriteTest, LayerChoosesTheRowOfTheSheet)
{
    Sprite sprite = AnimatedBugSprite(0);
    sprite.SetLayer(1);
    EXPECT_EQ(sprite.layer, 1);
    for (int column = 0; column < 4; ++column) {
        const Cell drawn = UpdateAndReadCell(sprite);
        EXPECT_EQ(drawn.column, column);
        EXPECT_EQ(drawn.row, 1);
    }
}

TEST_F(SpriteTest, LoadImageKeepsPositionAndDelaysAndResetsTheRest)
{
    Sprite sprite = AnimatedBugSprite(2);
    sprite.layer = 1;
    for (int update = 0; update < 4; ++update)
        sprite.Update(Engine()); // frame 1, delay 1
    ASSERT_EQ(sprite.frame, 1);
    ASSERT_EQ(sprite.delay, 1);

    sprite.LoadImageA(BitBoulder, 75, 75, 0);
    EXPECT_EQ(sprite.image, BitBoulder);
    EXPECT_EQ(sprite.width, 75);
    EXPECT_EQ(sprite.height, 75);
    EXPECT_EQ(sprite.frames, 0);
    EXPECT_EQ(sprite.animate, 0);
    EXPECT_EQ(sprite.frame, 0);
    EXPECT_EQ(sprite.layer, 0);
    EXPECT_EQ(sprite.x, 100);
    EXPECT_EQ(sprite.y, 120);
    EXPECT_EQ(sprite.delay, 1);
    EXPECT_EQ(sprite.delayReset, 2);

    // A reloaded sprite is drawn at its old position.
    FillRgb(Engine()->screen, kBackdrop);
    Image expected(720 * 540, kBackdrop);
    ModelBlit(expected, 720, 540, BitBoulder, 100, 120, 0, 0, BitBoulder->w, BitBoulder->h,
              kMagenta);
    sprite.Update(Engine());
    EXPECT_TRUE(SameImage(expected, Snapshot(Engine()->screen), 720));
}

TEST_F(SpriteTest, SmallOperationsSetTheirFields)
{
    Sprite sprite{};
    sprite.SetAnimation(7);
    EXPECT_EQ(sprite.delay, 7);
    EXPECT_EQ(sprite.delayReset, 7);
    sprite.SetAnimationOn();
    EXPECT_EQ(sprite.animate, 1);
    sprite.SetAnimationOff();
    EXPECT_EQ(sprite.animate, 0);
    sprite.SetPosition(-6, 651);
    EXPECT_EQ(sprite.x, -6);
    EXPECT_EQ(sprite.y, 651);

    sprite.frames = 3;
    const int columns[] = {1, 2, 3, 0, 1};
    for (int expected : columns) {
        sprite.NextFrame();
        EXPECT_EQ(sprite.frame, expected);
    }
    EXPECT_EQ(sprite.delay, 7) << "NextFrame leaves the delay alone";
}

TEST_F(SpriteTest, SpriteWithoutPictureCanBeUpdated)
{
    Sprite whole{};
    whole.Update(Engine());
    Sprite cells{};
    cells.LoadImageA(nullptr, kCellW, kCellH, 3);
    cells.SetAnimation(0);
    cells.SetAnimationOn();
    cells.Update(Engine());
    EXPECT_EQ(cells.frame, 1);
}

// --- the collision box -----------------------------------------------------

struct Box {
    int x, y, width, height;
};

struct CollideCase {
    const char* name;
    Box a;
    Box b;
    int expected;
};

Sprite SpriteAt(const Box& box)
{
    Sprite sprite{};
    sprite.x = box.x;
    sprite.y = box.y;
    sprite.width = box.width;
    sprite.height = box.height;
    return sprite;
}

class CollideTest : public ::testing::TestWithParam<CollideCase> {};

TEST_P(CollideTest, ClosedBoxesOverlapOrTouchTheSameWhicheverComesFirst)
{
    const CollideCase& c = GetParam();
    const Sprite a = SpriteAt(c.a), b = SpriteAt(c.b);
    EXPECT_EQ(CheckCollide(a, b), c.expected);
    EXPECT_EQ(CheckCollide(b, a), c.expected) << "CheckCollide is symmetric";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Boxes, CollideTest,
    ::testing::Values(
        CollideCase{"TouchingAcross", {0, 0, 35, 40}, {35, 0, 35, 40}, 1},
        CollideCase{"OnePixelApartAcross", {0, 0, 35, 40}, {36, 0, 35, 40}, 0},
        CollideCase{"TouchingDown", {0, 0, 35, 40}, {0, 40, 35, 40}, 1},
        CollideCase{"OnePixelApartDown", {0, 0, 35, 40}, {0, 41, 35, 40}, 0},
        CollideCase{"TouchingCorners", {0, 0, 35, 40}, {35, 40, 35, 40}, 1},
        CollideCase{"CornerOnePixelOffDown", {0, 0, 35, 40}, {35, 41, 35, 40}, 0},
        CollideCase{"CornerOnePixelOffAcross", {0, 0, 35, 40}, {36, 40, 35, 40}, 0},
        CollideCase{"Same", {100, 100, 35, 40}, {100, 100, 35, 40}, 1},
        CollideCase{"BugInsideJaw", {0, 75, 75, 75}, {20, 90, 35, 40}, 1},
        CollideCase{"BugOnJawsInnerFace", {0, 75, 75, 75}, {75, 100, 35, 40}, 1},
        CollideCase{"BugPastJawsInnerFace", {0, 75, 75, 75}, {76, 100, 35, 40}, 0},
        CollideCase{"BugOnRightJawsFace", {645, 75, 75, 75}, {610, 100, 35, 40}, 1},
        CollideCase{"BugShortOfRightJawsFace", {645, 75, 75, 75}, {609, 100, 35, 40}, 0},
        CollideCase{"BugOnJawsBottomEdge", {300, 75, 75, 75}, {320, 150, 35, 40}, 1},
        CollideCase{"BugBelowJaw", {300, 75, 75, 75}, {320, 151, 35, 40}, 0},
        CollideCase{"BugOnJawsTopEdge", {300, 225, 75, 75}, {320, 185, 35, 40}, 1},
        CollideCase{"BugAboveJaw", {300, 225, 75, 75}, {320, 184, 35, 40}, 0},
        CollideCase{"OverlapAcrossOnly", {0, 0, 35, 40}, {10, 200, 35, 40}, 0},
        CollideCase{"OverlapDownOnly", {0, 0, 35, 40}, {200, 10, 35, 40}, 0},
        CollideCase{"NegativePositions", {-6, 75, 75, 75}, {69, 80, 35, 40}, 1},
        CollideCase{"NegativePositionsApart", {-6, 75, 75, 75}, {70, 80, 35, 40}, 0},
        CollideCase{"Crossing", {100, 0, 10, 100}, {50, 50, 100, 10}, 1}),
    [](const ::testing::TestParamInfo<CollideCase>& info) { return info.param.name; });
// clang-format on

TEST(CollideFields, OnlyPositionAndSizeCount)
{
    Sprite a = SpriteAt({0, 0, 35, 40});
    Sprite b = SpriteAt({35, 40, 35, 40});
    a.frame = 3;
    a.layer = 1;
    a.frames = 3;
    b.delay = 9;
    EXPECT_EQ(CheckCollide(a, b), 1);
    EXPECT_EQ(a.x, 0);
    EXPECT_EQ(b.y, 40);
}

} // namespace
