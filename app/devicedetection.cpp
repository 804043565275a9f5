#include "devicedetection.h"

#include "device/hidbackend.h"

void assignInterfacePaths(QList<DeviceEntry>& entries, HidBackend& backend)
{
    for (DeviceEntry& entry : entries) {
        entry.path.clear();
        entry.path2.clear();
        const QList<HidDeviceInfo> interfaces = backend.enumerate(entry.vid, entry.pid);
        for (const HidDeviceInfo& info : interfaces) {
            if (info.usagePage == entry.usagePage && info.usage == entry.usage)
                entry.path = info.path;
            if (info.usagePage == entry.usagePage2 && info.usage == entry.usage2)
                entry.path2 = info.path;
        }
    }
}
