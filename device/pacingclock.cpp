#include "pacingclock.h"

#include <chrono>
#include <thread>

void RealClock::sleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

qint64 RealClock::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

PacingClock* defaultPacingClock()
{
    static RealClock clock;
    return &clock;
}
