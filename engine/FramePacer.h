#ifndef ROCKJAW_ENGINE_FRAMEPACER_H
#define ROCKJAW_ENGINE_FRAMEPACER_H

#include <chrono>

// Holds the frame loop at a steady rate: every speed in the game is counted
// per frame. Deadlines lie whole periods after an anchor, so the rate does not
// drift; a frame that overruns by more than a period moves the anchor instead
// of making the following frames race to catch up.
class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit FramePacer(Clock::duration period, Clock::time_point start = Clock::now());

    // The moment the frame that just ended should give way to the next one,
    // given that it is `now`.
    Clock::time_point NextDeadline(Clock::time_point now);

    // Sleeps until the next deadline.
    void Wait();

    Clock::duration period;
    Clock::time_point anchor;
    long long framesSinceAnchor = 0;
};

#endif
