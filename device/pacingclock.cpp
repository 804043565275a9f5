#include "pacingclock.h"

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// OS sleeps wake late by a timer slack (tens of microseconds on Linux, up to
// a scheduler tick elsewhere). Sleeping to just short of the deadline and
// yielding for the rest keeps each pause close to what the protocol asks, so
// that exchanges with many short pauses do not drift.
constexpr auto YieldMargin = std::chrono::microseconds(1500);

} // namespace

void RealClock::sleepMs(int ms)
{
    if (ms <= 0)
        return;
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    if (std::chrono::milliseconds(ms) > YieldMargin)
        std::this_thread::sleep_until(deadline - YieldMargin);
    while (Clock::now() < deadline)
        std::this_thread::yield();
}

qint64 RealClock::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(Clock::now().time_since_epoch()).count();
}

PacingClock* defaultPacingClock()
{
    static RealClock clock;
    return &clock;
}
