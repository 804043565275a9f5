#include "virtualclock.h"

#include <QMutexLocker>

#include <chrono>
#include <thread>

namespace {
constexpr int MaxRecordedSleeps = 100000;
}

VirtualClock::VirtualClock(Mode mode)
    : m_mode(mode)
{
    m_realTimer.start();
}

void VirtualClock::sleepMs(int ms)
{
    if (ms <= 0)
        return;
    if (m_mode == Mode::RealTime) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    m_virtualNow += ms;
    QMutexLocker lock(&m_mutex);
    if (m_sleeps.size() < MaxRecordedSleeps)
        m_sleeps.append(ms);
}

qint64 VirtualClock::nowMs()
{
    return m_mode == Mode::RealTime ? m_realTimer.elapsed() : m_virtualNow.load();
}

QList<int> VirtualClock::sleeps() const
{
    QMutexLocker lock(&m_mutex);
    return m_sleeps;
}

void VirtualClock::clearSleeps()
{
    QMutexLocker lock(&m_mutex);
    m_sleeps.clear();
}
