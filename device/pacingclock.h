#pragma once

#include <QtGlobal>

// Every protocol pause goes through a clock so that tests can run the real
// pacing in virtual time.
class PacingClock
{
public:
    virtual ~PacingClock() = default;
    virtual void sleepMs(int ms) = 0;
    // Milliseconds since an arbitrary, fixed origin.
    virtual qint64 nowMs() = 0;
};

// Sleeps for real.
class RealClock final : public PacingClock
{
public:
    void sleepMs(int ms) override;
    qint64 nowMs() override;
};

PacingClock* defaultPacingClock();
