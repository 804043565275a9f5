#pragma once

#include "device/pacingclock.h"

#include <QElapsedTimer>
#include <QList>
#include <QMutex>

#include <atomic>

// The pacing clock for tests and the demo. In virtual mode a sleep advances
// time at once, so protocol pauses cost no real time; in real-time mode it
// sleeps and reports real elapsed time. Thread-safe.
class VirtualClock final : public PacingClock
{
public:
    enum class Mode { Virtual, RealTime };

    explicit VirtualClock(Mode mode = Mode::Virtual);

    void sleepMs(int ms) override;
    qint64 nowMs() override;
    Mode mode() const { return m_mode; }

    // Virtual mode: every sleep taken, in order.
    QList<int> sleeps() const;
    void clearSleeps();

private:
    const Mode m_mode;
    std::atomic<qint64> m_virtualNow{0};
    QElapsedTimer m_realTimer;
    mutable QMutex m_mutex;
    QList<int> m_sleeps;
};
