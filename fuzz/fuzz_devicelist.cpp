// The device list in apConfig.bin, as every detection pass reads it: parsed,
// matched against the interfaces present and taken by the device object,
// which then runs the answer test against each entry found.
#include "devicedetection.h"
#include "devicelist.h"
#include "fuzzbackend.h"
#include "fuzzsupport.h"

#include "device/hid_thread.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool entered = (fuzz::enterScratchModules(), true);
    (void)entered;

    // The file is the whole input; the interfaces present and the answers
    // are drawn from the same bytes read backwards, so both vary together.
    fuzz::writeInput(QStringLiteral("./modules/setting/apConfig.bin"), data, size);
    QList<DeviceEntry> entries = loadDeviceList();
    fuzz::require(entries.size() <= MAX_DEVICE_ENTRIES, "device list longer than its bound");

    std::vector<std::uint8_t> reversed(data, data + size);
    std::reverse(reversed.begin(), reversed.end());
    FuzzedDataProvider answers(reversed.data(), reversed.size());
    FuzzBackend backend(answers);
    fuzz::InstantClock clock;
    assignInterfacePaths(entries, backend);

    Hid_Thread hid;
    hid.setBackend(&backend);
    hid.setClock(&clock);
    hid.setDeviceList(entries);
    for (int j = 0; j < entries.size(); ++j) {
        const DeviceEntry *entry = hid.entry(j);
        fuzz::require(entry->reportLength >= 1 && entry->reportLength <= 128,
                      "report length outside 1..128 reached the device object");
        if (!entry->path.isEmpty())
            hid.chkDeviceIsEnCode(j);
        fuzz::require(!hid.hidBusy, "busy flag left set after the answer test");
    }
    fuzz::require(backend.openHandles() == 0, "handle left open");
    return 0;
}
