#include "hid_thread.h"

#include "pacingclock.h"

#include <QtConcurrent/QtConcurrentRun>

// The connect step and the notification monitor. The monitor is the one
// piece of work off the GUI thread: it shares with it only monitorRunning,
// the entry's path2 and notifyHandle, and reports through queued signals.

void Hid_Thread::setFamilySource(std::function<bool()> is560)
{
    m_is560Source = std::move(is560);
}

void Hid_Thread::stopMonitor()
{
    monitorRunning = false;
    monitorFuture.waitForFinished();
}

void Hid_Thread::startMonitor(uint index)
{
    // At most one monitor per device object: the previous one returns within
    // one read time-out once the flag is clear.
    stopMonitor();

    // Switch the device's notification reports on.
    if (m_is560Source && m_is560Source()) {
        uchar byte1 = 0;
        uchar byte2 = 0;
        hid560_81H_GetKeyboardoption(byte1, byte2);
        hid560_01H_SetKeyboardoption(byte1 | 0x08, byte2);
    } else {
        uchar bytes[4] = {};
        hid553_83H_GetKeyboardoption(bytes[0], bytes[1], bytes[2], bytes[3]);
        hid553_03H_SetKeyboardoption(bytes[0], bytes[1], bytes[2], bytes[3] | 0x40);
    }

    monitorRunning = true;
    monitorFuture = QtConcurrent::run([this, index] { runMonitor(index); });
}

void Hid_Thread::runMonitor(uint index)
{
    const DeviceEntry* watched = entry(int(index));
    if (!watched || watched->path2.isEmpty()) {
        // Nothing to watch. Clearing the flag keeps later device changes
        // starting detection passes.
        monitorRunning = false;
        return;
    }

    while (monitorRunning) {
        quint8 stage = 0;
        switch (readNotification(int(index), &stage)) {
        case NotifyRead::NoHandle:
            qDebug("Device removed");
            monitorRunning = false;
            Q_EMIT deviceRemoved();
            return;
        case NotifyRead::Stage:
            Q_EMIT dpiStageNotified(stage);
            break;
        case NotifyRead::Ignored:
            break;
        case NotifyRead::Failed:
            // A node that opens but fails every read at once would make this
            // loop spin: count the failure as a read that waited its time-out.
            clock()->sleepMs(HidProtocol::NotifyTimeoutMs);
            break;
        }
    }
}
