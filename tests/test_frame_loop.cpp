// The frame loop: the event drain, the title screen, and the pacing.
#include <gtest/gtest.h>

#include "engine/FramePacer.h"
#include "engine/SDL_main.h"
#include "support/Pictures.h"
#include "support/TestWorld.h"

namespace {

SDL_Event KeyEvent(Uint8 type, SDLKey key)
{
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    return event;
}

SDL_Event QuitEvent()
{
    SDL_Event event = {};
    event.type = SDL_QUIT;
    return event;
}

SDL_Event MotionEvent()
{
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    return event;
}

struct DrainCase {
    const char* name;
    std::vector<SDL_Event> events;
    int running;
};

class EventDrainTest : public WorldTest, public ::testing::WithParamInterface<DrainCase> {};

TEST_P(EventDrainTest, OnlyQuitOrEscPressEndsTheLoopAndTheFrameIsFinished)
{
    for (SDL_Event event : GetParam().events)
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    FillRgb(Engine()->screen, 0xFFFFFF);

    EXPECT_EQ(StepFrame(), GetParam().running);
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0) << "every pending event is drained in the frame";
    EXPECT_EQ(RgbAt(Engine()->screen, 0, 0), 0u) << "the frame was still drawn";
}

INSTANTIATE_TEST_SUITE_P(
    Events, EventDrainTest,
    ::testing::Values(DrainCase{"None", {}, 1},
                      DrainCase{"Quit", {QuitEvent()}, 0},
                      DrainCase{"EscPress", {KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE)}, 0},
                      DrainCase{"EscRelease", {KeyEvent(SDL_KEYUP, SDLK_ESCAPE)}, 1},
                      DrainCase{"OtherKeys", {KeyEvent(SDL_KEYDOWN, SDLK_q), KeyEvent(SDL_KEYDOWN, SDLK_RETURN)}, 1},
                      DrainCase{"Mouse", {MotionEvent()}, 1},
                      DrainCase{"QuitAmongOthers",
                                {MotionEvent(), QuitEvent(), KeyEvent(SDL_KEYUP, SDLK_ESCAPE), MotionEvent()},
                                0}),
    [](const ::testing::TestParamInfo<DrainCase>& info) { return info.param.name; });

TEST_F(WorldTest, TitleScreenIsBlackUnderTheSplashWithTheHelpLines)
{
    FillRgb(Engine()->screen, 0xFFFFFF);
    BackGround(Engine());
    Image expected(720 * 540, 0);
    ModelBlit(expected, 720, 540, BitSplash, 75, 100, 0, 0, BitSplash->w, BitSplash->h, kMagenta);
    EXPECT_TRUE(SameImage(expected, Snapshot(Engine()->screen), 720));
    EXPECT_LE(100 + BitSplash->h, 460) << "the title picture stays clear of the help lines";

    GameLoop(Engine());
    long lit = 0;
    for (int y = 460; y < 520; ++y)
        for (int x = 100; x < 640; ++x)
            lit += RgbAt(Engine()->screen, x, y) != 0;
    EXPECT_GT(lit, 500) << "the help lines are drawn";
    EXPECT_EQ(fFrame, 1) << "no world update runs on the title screen";
}

TEST_F(WorldTest, PlayingScreenShowsOnlyTheBackgroundPicture)
{
    GameOver = 0;
    FillRgb(Engine()->screen, 0xFFFFFF);
    BackGround(Engine());
    Image expected(720 * 540, 0xFFFFFF);
    ModelBlit(expected, 720, 540, BKG, 0, 0, 0, 0, 720, 540, kMagenta);
    EXPECT_TRUE(SameImage(expected, Snapshot(Engine()->screen), 720));
}

using std::chrono::milliseconds;
using Clock = FramePacer::Clock;

TEST(FramePacer, DeadlinesArePeriodsFromTheStartAndDoNotDrift)
{
    const Clock::time_point start{};
    FramePacer pacer(milliseconds(10), start);
    // Frames that end early or a little late still aim at the fixed grid.
    EXPECT_EQ(pacer.NextDeadline(start + milliseconds(3)), start + milliseconds(10));
    EXPECT_EQ(pacer.NextDeadline(start + milliseconds(14)), start + milliseconds(20));
    EXPECT_EQ(pacer.NextDeadline(start + milliseconds(29)), start + milliseconds(30));
}

TEST(FramePacer, OverrunOfMoreThanAPeriodReanchorsInsteadOfRacing)
{
    const Clock::time_point start{};
    FramePacer pacer(milliseconds(10), start);
    EXPECT_EQ(pacer.NextDeadline(start + milliseconds(45)), start + milliseconds(45));
    EXPECT_EQ(pacer.NextDeadline(start + milliseconds(47)), start + milliseconds(55));
    EXPECT_EQ(pacer.NextDeadline(start + milliseconds(58)), start + milliseconds(65));
}

} // namespace
