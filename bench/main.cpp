// k7config-bench: one line per device command,
//   <slot name> wall_ms=<x> floor_ms=<y> ratio=<x/y>
// where the floor is the sum of the pauses the protocol mandates for that
// command. Exits 1 when the emulated mouse saw a protocol error.
#include "device/hid_thread.h"
#include "device/pacingclock.h"
#include "simbackend.h"
#include "virtualclock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <functional>

namespace {

using namespace HidProtocol;

constexpr int ReportLength = 32;
constexpr int Mouse553 = 0;
constexpr int Mouse560 = 1;

int dataReports(int dataLength)
{
    return (dataLength + ReportLength - 1) / ReportLength;
}

// Mandated pauses of one exchange of each shape.
constexpr int QueryFloor = 0;
constexpr int ShortFloor = AfterCommandMs;
constexpr int SettleFloor = SettleMs;
int dataFloor(int dataLength)
{
    return SettleMs + dataReports(dataLength) * DataReportGapMs + SettleMs;
}

struct BenchCase
{
    const char* slot;
    int device;
    int floorMs;
    std::function<void(Hid_Thread&)> run;
};

QList<BenchCase> benchCases()
{
    static uchar buffer[MaxDataLength] = {};
    static uchar b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    return {
        {"chkDeviceIsEnCode", Mouse553, QueryFloor, [](Hid_Thread& h) { h.chkDeviceIsEnCode(Mouse553); }},
        {"hid553_00H_GetSecrecyCode", Mouse553, QueryFloor, [](Hid_Thread& h) { h.hid553_00H_GetSecrecyCode(b1, b2, b3, b4); }},
        {"hid553_83H_GetKeyboardoption", Mouse553, QueryFloor, [](Hid_Thread& h) { h.hid553_83H_GetKeyboardoption(b1, b2, b3, b4); }},
        {"hid560_81H_GetKeyboardoption", Mouse560, QueryFloor, [](Hid_Thread& h) { h.hid560_81H_GetKeyboardoption(b1, b2); }},
        {"hid560_82H_GetCurrentProfile", Mouse560, QueryFloor, [](Hid_Thread& h) { h.hid560_82H_GetCurrentProfile(b1); }},
        {"hid560_84H_GetCurrentDPI", Mouse560, QueryFloor, [](Hid_Thread& h) { b1 = 1; h.hid560_84H_GetCurrentDPI(b1, b2); }},
        {"hid553_8BH_GetCurrentDPI", Mouse553, QueryFloor, [](Hid_Thread& h) { h.hid553_8BH_GetCurrentDPI(b1); }},
        {"hid553_03H_SetKeyboardoption", Mouse553, ShortFloor, [](Hid_Thread& h) { h.hid553_03H_SetKeyboardoption(0, 0, 0, 0x40); }},
        {"hid553_04H_SetGunData", Mouse553, ShortFloor, [](Hid_Thread& h) { h.hid553_04H_SetGunData(5, 0, 7, 1); }},
        {"hid560_01H_SetKeyboardoption", Mouse560, ShortFloor, [](Hid_Thread& h) { h.hid560_01H_SetKeyboardoption(0x08, 0); }},
        {"hid553_01H_SetReportRate", Mouse553, SettleFloor, [](Hid_Thread& h) { h.hid553_01H_SetReportRate(2); }},
        {"hid560_03H_SetReportRate", Mouse560, 4 * SettleFloor, [](Hid_Thread& h) { h.hid560_03H_SetReportRate(2); }},
        {"hid560_04H_SetCurrentDPI", Mouse560, 4 * SettleFloor, [](Hid_Thread& h) { h.hid560_04H_SetCurrentDPI(3); }},
        {"hid553_0BH_SetCurrentDPI", Mouse553, SettleFloor, [](Hid_Thread& h) { h.hid553_0BH_SetCurrentDPI(3); }},
        {"hid553_12H_SetKeyMatrix", Mouse553, dataFloor(64), [](Hid_Thread& h) { h.hid553_12H_SetKeyMatrix(buffer, 1); }},
        {"hid560_0DH_SetKeyMatrix", Mouse560, dataFloor(128), [](Hid_Thread& h) { h.hid560_0DH_SetKeyMatrix(buffer, 1); }},
        {"hid560_0CH_setProfile", Mouse560, dataFloor(128), [](Hid_Thread& h) { h.hid560_0CH_setProfile(buffer, 1); }},
        {"hid560_8CH_readProfile", Mouse560, QueryFloor, [](Hid_Thread& h) { h.hid560_8CH_readProfile(buffer, 1); }},
        {"hid560_02H_SetCurrentProfile", Mouse560, ShortFloor, [](Hid_Thread& h) { h.hid560_02H_SetCurrentProfile(1); }},
        {"hid553_13H_SetMacroKey", Mouse553, dataFloor(128), [](Hid_Thread& h) { h.hid553_13H_SetMacroKey(1, buffer); }},
        {"hid560_0FH_SetMacroKey", Mouse560, dataFloor(128), [](Hid_Thread& h) { h.hid560_0FH_SetMacroKey(1, buffer); }},
        {"hid553_11H_SetDPISet", Mouse553, dataFloor(8), [](Hid_Thread& h) { h.hid553_11H_SetDPISet(4, buffer); }},
        {"hid553_02H_SetCurrentKeyMatrix", Mouse553, SettleFloor, [](Hid_Thread& h) { h.hid553_02H_SetCurrentKeyMatrix(1); }},
        {"hid553_0DH_SetRGBLedEffect", Mouse553, SettleFloor, [](Hid_Thread& h) { h.hid553_0DH_SetRGBLedEffect(1, 2, 3); }},
        {"hid553_0CH_SetFixLEDColor", Mouse553, SettleFloor, [](Hid_Thread& h) { h.hid553_0CH_SetFixLEDColor(buffer); }},
        {"hid553_10H_SetLED8StageColor", Mouse553, dataFloor(24), [](Hid_Thread& h) { h.hid553_10H_SetLED8StageColor(0, buffer); }},
    };
}

DeviceEntry entryFor(int index)
{
    DeviceEntry entry;
    entry.reportLength = ReportLength;
    entry.path = SimBackend::commandPath(index);
    entry.path2 = SimBackend::notificationPath(index);
    return entry;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    VirtualClock mouseTime(VirtualClock::Mode::RealTime);
    SimBackend backend(&mouseTime);
    EmulatedMouse::Config config;
    config.reportLength = ReportLength;
    backend.addMouse(config);
    config.family = EmulatedMouse::Family::F560;
    backend.addMouse(config);

    Hid_Thread hid;
    hid.setBackend(&backend);
    hid.setClock(defaultPacingClock());
    hid.setDeviceList({entryFor(Mouse553), entryFor(Mouse560)});

    for (const BenchCase& bench : benchCases()) {
        hid.currentDevice = bench.device;
        QElapsedTimer timer;
        timer.start();
        bench.run(hid);
        const double wallMs = double(timer.nsecsElapsed()) / 1e6;
        out << bench.slot << " wall_ms=" << QString::number(wallMs, 'f', 3)
            << " floor_ms=" << bench.floorMs << " ratio="
            << (bench.floorMs > 0 ? QString::number(wallMs / bench.floorMs, 'f', 4)
                                  : QStringLiteral("n/a"))
            << Qt::endl;
    }

    int errors = 0;
    for (int index : {Mouse553, Mouse560}) {
        for (const QString& error : backend.mouse(index)->protocolErrors()) {
            QTextStream(stderr) << "mouse " << index << ": " << error << Qt::endl;
            ++errors;
        }
    }
    return errors == 0 ? 0 : 1;
}
