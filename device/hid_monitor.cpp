#include "hid_thread.h"

#include "pacingclock.h"

#include <QtConcurrent/QtConcurrentRun>

// The connect step and the notification monitor. The monitor is the one
// piece of work off the GUI thread: it shares with it only monitorRunning,
// the entry's path2 and notifyHandle, and reports through queued signals.

namespace {

constexpr uchar Notify553Bit = 0x40;  // in keyboard-option byte 4
constexpr uchar Notify560Bit = 0x08;  // in keyboard-option byte 1

} // namespace

void Hid_Thread::setFamilySource(std::function<bool()> is560)
{
    m_is560Source = std::move(is560);
}

bool Hid_Thread::notificationsSwitchedOn()
{
    if (is560()) {
        uchar byte1 = 0;
        uchar byte2 = 0;
        return readKeyboardOption560(byte1, byte2) && (byte1 & Notify560Bit);
    }
    uchar bytes[4] = {};
    return readKeyboardOption553(bytes[0], bytes[1], bytes[2], bytes[3]) && (bytes[3] & Notify553Bit);
}

void Hid_Thread::requestPresenceCheck()
{
    presenceCheckRequested = true;
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

    // Switch the device's notification reports on. The option bytes hold
    // other switches too: without a read to start from, nothing is written.
    if (is560()) {
        uchar byte1 = 0;
        uchar byte2 = 0;
        if (readKeyboardOption560(byte1, byte2))
            hid560_01H_SetKeyboardoption(byte1 | Notify560Bit, byte2);
    } else {
        uchar bytes[4] = {};
        if (readKeyboardOption553(bytes[0], bytes[1], bytes[2], bytes[3]))
            hid553_03H_SetKeyboardoption(bytes[0], bytes[1], bytes[2], bytes[3] | Notify553Bit);
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
        // Only a read that opens the interface after the request can tell.
        const bool checking = presenceCheckRequested.exchange(false);
        const NotifyRead result = readNotification(int(index), &stage);
        if (checking && result != NotifyRead::NoHandle)
            Q_EMIT deviceStillPresent();
        switch (result) {
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
