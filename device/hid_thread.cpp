#include "hid_thread.h"

#include "hidapibackend.h"
#include "hidbackend.h"
#include "pacingclock.h"

#include <QDebug>

Q_LOGGING_CATEGORY(lcHidFrames, "k7.hid.frames", QtInfoMsg)

namespace {

// The report length comes from a user-editable file; a value outside what a
// report can carry would overrun the report buffers or never finish a data
// phase.
int checkedReportLength(const DeviceEntry& entry, int index)
{
    if (entry.reportLength >= 1 && entry.reportLength <= HidProtocol::MaxReportLength)
        return entry.reportLength;
    qWarning("Device %d: report length %d is outside 1..%d, using %d", index,
             entry.reportLength, HidProtocol::MaxReportLength, HidProtocol::DefaultReportLength);
    return HidProtocol::DefaultReportLength;
}

} // namespace

Hid_Thread::Hid_Thread(QObject* parent)
    : QThread(parent)
{
}

Hid_Thread::~Hid_Thread()
{
    // A monitor still running on the pool would use this object after it is
    // gone; it returns within one read timeout once the flag is cleared.
    monitorRunning = false;
    monitorFuture.waitForFinished();
    qDeleteAll(m_deviceList);
}

void Hid_Thread::setBackend(HidBackend* backend)
{
    m_backend = backend;
}

HidBackend* Hid_Thread::backend() const
{
    return m_backend ? m_backend : defaultHidBackend();
}

void Hid_Thread::setClock(PacingClock* clock)
{
    m_clock = clock;
}

PacingClock* Hid_Thread::clock() const
{
    return m_clock ? m_clock : defaultPacingClock();
}

void Hid_Thread::setIsGunSource(std::function<bool()> source)
{
    m_isGunSource = std::move(source);
}

bool Hid_Thread::isGun() const
{
    return m_isGunSource && m_isGunSource();
}

void Hid_Thread::setDeviceList(const QList<DeviceEntry>& entries)
{
    qDeleteAll(m_deviceList);
    m_deviceList.clear();
    for (const DeviceEntry& source : entries) {
        auto* copy = new DeviceEntry(source);
        copy->reportLength = checkedReportLength(source, int(m_deviceList.size()));
        m_deviceList.append(copy);
    }
}

DeviceEntry* Hid_Thread::entry(int index) const
{
    return index >= 0 && index < m_deviceList.size() ? m_deviceList.at(index) : nullptr;
}

int Hid_Thread::exchangeReportLength(const DeviceEntry& entry) const
{
    return checkedReportLength(entry, currentDevice);
}

void Hid_Thread::logFrame(const char* what, const uchar* data, int length)
{
    if (length > 0 && lcHidFrames().isDebugEnabled())
        qCDebug(lcHidFrames).noquote()
            << what << QByteArray(reinterpret_cast<const char*>(data), length).toHex(' ');
}

Hid_Thread::NotifyRead Hid_Thread::readNotification(int index, quint8* stage)
{
    using namespace HidProtocol;
    HidHandle* handle = hidOpenNotify(index);
    if (!handle)
        return NotifyRead::NoHandle;

    std::array<uchar, NotifySize> report{};
    const int received = backend()->readTimeout(handle, report.data(), report.size(), NotifyTimeoutMs);
    closeHandle(notifyHandle);
    logFrame("notify in", report.data(), received);

    if (received < 0)
        return NotifyRead::Failed;
    const bool isStage = received == int(NotifySize) && report[0] == NotifyByte0
                         && report[1] == NotifyByte1;
    if (!isStage)
        return NotifyRead::Ignored;
    if (stage)
        *stage = report[NotifyStageOffset];
    return NotifyRead::Stage;
}
