#include "engine/FramePacer.h"

#include <thread>

FramePacer::FramePacer(Clock::duration period, Clock::time_point start)
    : period(period), anchor(start)
{
}

FramePacer::Clock::time_point FramePacer::NextDeadline(Clock::time_point now)
{
    ++framesSinceAnchor;
    const Clock::time_point deadline = anchor + framesSinceAnchor * period;
    if (now - deadline > period) {
        anchor = now;
        framesSinceAnchor = 0;
        return now;
    }
    return deadline;
}

void FramePacer::Wait()
{
    std::this_thread::sleep_until(NextDeadline(Clock::now()));
}
