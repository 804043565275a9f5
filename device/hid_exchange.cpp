// Exchanges with the command interface: busy flag, open/close, the feature
// report carrying the command block and the paced data phases.
#include "hid_thread.h"

#include "hidbackend.h"
#include "pacingclock.h"

#include <QCoreApplication>

#include <algorithm>

using namespace HidProtocol;

namespace {

// Lets the window stay responsive while a command waits or sends; this is
// also where a second command can arrive while the first is in progress.
void processGuiEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

using DataReport = std::array<uchar, MaxReportLength + 1>;

} // namespace

bool Hid_Thread::hidWaitIdle()
{
    for (int pause = 0; pause < MaxBusyPauses; ++pause) {
        if (!hidBusy) {
            hidBusy = true;
            return true;
        }
        clock()->sleepMs(BusyPauseMs);
        processGuiEvents();
    }
    return false;
}

HidHandle* Hid_Thread::hidOpen(int index)
{
    return openInterface(index, &DeviceEntry::path, commandHandle);
}

HidHandle* Hid_Thread::hidOpenNotify(int index)
{
    return openInterface(index, &DeviceEntry::path2, notifyHandle);
}

HidHandle* Hid_Thread::openInterface(int index, QString DeviceEntry::*path, HidHandle*& handle)
{
    DeviceEntry* device = entry(index);
    if (!device || (device->*path).isEmpty())
        return nullptr;
    closeHandle(handle);
    const QByteArray ascii = (device->*path).toLatin1();
    handle = backend()->openPath(ascii.constData());
    if (!handle) {
        // Treated as gone until detection finds it again.
        (device->*path).clear();
        return nullptr;
    }
    backend()->setNonblocking(handle, 0);
    return handle;
}

void Hid_Thread::closeHandle(HidHandle*& handle)
{
    if (handle)
        backend()->close(handle);
    handle = nullptr;
}

bool Hid_Thread::endExchange(bool ok)
{
    closeHandle(commandHandle);
    hidBusy = false;
    return ok;
}

void Hid_Thread::settlePause()
{
    clock()->sleepMs(SettleHalfMs);
    clock()->sleepMs(SettleHalfMs);
}

bool Hid_Thread::sendOutReport()
{
    HidHandle* handle = hidOpen(currentDevice);
    if (!handle)
        return false;
    logFrame("feature out", outReport.data(), int(outReport.size()));
    return backend()->sendFeatureReport(handle, outReport.data(), outReport.size()) >= 0;
}

bool Hid_Thread::fetchInReport()
{
    HidHandle* handle = hidOpen(currentDevice);
    if (!handle)
        return false;
    const int received = backend()->getFeatureReport(handle, inReport.data(), inReport.size());
    logFrame("feature in", inReport.data(), std::min(received, int(inReport.size())));
    return received >= 0;
}

bool Hid_Thread::writeDataPhase(int dataLength, int reportLength)
{
    const int chunk = std::min(dataLength, reportLength);
    DataReport report{};
    for (int offset = 0; offset < dataLength; offset += chunk) {
        report.fill(0);
        report[ReportIdOffset] = ReportId;
        std::copy_n(dataBuffer.begin() + offset, std::min(chunk, dataLength - offset),
                    report.begin() + 1);
        HidHandle* handle = hidOpen(currentDevice);
        if (!handle)
            return false;
        logFrame("data out", report.data(), reportLength + 1);
        if (backend()->write(handle, report.data(), std::size_t(reportLength) + 1) < 0)
            return false;
        clock()->sleepMs(DataReportGapMs);
    }
    return true;
}

bool Hid_Thread::readDataPhase(int dataLength, int reportLength)
{
    const int chunk = std::min(dataLength, reportLength);
    DataReport report{};
    for (int offset = 0; offset < dataLength; offset += chunk) {
        report.fill(0);
        HidHandle* handle = hidOpen(currentDevice);
        if (!handle)
            return false;
        // Bounded wait: a mouse that stops answering must not freeze the
        // program. No report in time ends the exchange like a failed read.
        const int received = backend()->readTimeout(handle, report.data(),
                                                    std::size_t(reportLength) + 1,
                                                    InputReportTimeoutMs);
        logFrame("data in", report.data(), received);
        if (received <= 0)
            return false;
        std::copy_n(report.begin(), std::min(chunk, dataLength - offset),
                    dataBuffer.begin() + offset);
    }
    return true;
}

bool Hid_Thread::hidSend(int dataLength, bool settle)
{
    processGuiEvents();
    if (!hidOpen(currentDevice))
        return endExchange(false);
    const DeviceEntry& device = *entry(currentDevice);
    if (device.isEncode)
        USBDataEncryption(outReport.data() + CommandOffset, SecrecyCode.data());
    if (!sendOutReport())
        return endExchange(false);
    if (settle)
        settlePause();
    dataLength = std::clamp(dataLength, 0, MaxDataLength);
    if (dataLength == 0)
        return endExchange(true);

    if (!writeDataPhase(dataLength, exchangeReportLength(device)))
        return endExchange(false);
    if (settle)
        settlePause();
    return endExchange(true);
}

bool Hid_Thread::hidQuery(int dataLength)
{
    if (!hidOpen(currentDevice))
        return endExchange(false);
    const DeviceEntry& device = *entry(currentDevice);
    if (device.isEncode)
        USBDataEncryption(outReport.data() + CommandOffset, SecrecyCode.data());
    if (!sendOutReport() || !fetchInReport())
        return endExchange(false);
    dataLength = std::clamp(dataLength, 0, MaxDataLength);
    if (dataLength == 0) {
        endExchange(true);
        if (device.isEncode)
            USBDataDecipher(inReport.data() + CommandOffset, SecrecyCode.data());
        return true;
    }
    // The reply block is not used here and the data comes plain.
    return endExchange(readDataPhase(dataLength, exchangeReportLength(device)));
}
