// The notification monitor on a notification interface that sends anything:
// reports of every length and content, failed reads, time-outs, and an
// interface that disappears. The monitor must end on removal, pass on
// exactly the well-formed stage reports, and leave no handle open.
#include "fuzzbackend.h"
#include "fuzzsupport.h"

#include "dpinotice.h"
#include "store/languagestrings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Hid_Thread &hid = *[] {
        fuzz::enterScratchModules();
        LanguageStrings::getLangStrings(QStringLiteral("other"), QStringLiteral("English"));
        return new Hid_Thread;
    }();

    FuzzedDataProvider in(data, size);
    FuzzBackend backend(in);
    fuzz::InstantClock clock;
    hid.setBackend(&backend);
    hid.setClock(&clock);
    DeviceEntry entry;
    entry.path = QString::fromLatin1(FuzzBackend::kCommandPath);
    if (in.ConsumeIntegralInRange(0, 15) != 0)
        entry.path2 = QString::fromLatin1(FuzzBackend::kNotificationPath);
    hid.setDeviceList({entry});

    bool removed = false;
    const auto removal = QObject::connect(&hid, &Hid_Thread::deviceRemoved, [&] { removed = true; });
    const auto notice = QObject::connect(&hid, &Hid_Thread::dpiStageNotified, [](int stage) {
        fuzz::require(stage >= 0 && stage <= 255, "stage outside a byte");
        fuzz::require(dpiNoticeText(stage).endsWith(QLatin1Char(' ')), "notice text without its blank");
    });

    // Index 1 names no entry; without a notification interface there is
    // nothing to watch. Otherwise only a removal ends the monitor.
    const uint index = uint(in.ConsumeIntegralInRange(0, 1));
    const bool watched = index == 0 && !entry.path2.isEmpty();
    hid.monitorRunning = true;
    hid.runMonitor(index);
    fuzz::require(!hid.monitorRunning, "monitor returned while still marked running");
    fuzz::require(removed == watched, "monitor ended without a removal, or reported one unwatched");
    fuzz::require(!watched || hid.deviceList()[0]->path2.isEmpty(), "removed interface still listed");
    fuzz::require(backend.openHandles() == 0, "notification handle left open");

    QObject::disconnect(removal);
    QObject::disconnect(notice);
    hid.setBackend(nullptr);
    return 0;
}
