#include "simrig.h"

SimRig::SimRig(const EmulatedMouse::Config& config, DeviceEntry entry)
    : mouse(backend.addMouse(config))
{
    hid.setBackend(&backend);
    hid.setClock(&clock);
    hid.setIsGunSource([this] { return gun; });
    entry.path = SimBackend::commandPath(0);
    entry.path2 = SimBackend::notificationPath(0);
    hid.setDeviceList({entry});
    hid.currentDevice = 0;
}

DeviceEntry SimRig::entryFor(const EmulatedMouse::Config& config)
{
    DeviceEntry entry;
    entry.type = 1;
    entry.vid = config.vendorId;
    entry.pid = config.productId;
    entry.usagePage = config.command.usagePage;
    entry.usage = config.command.usage;
    entry.usagePage2 = config.notification.usagePage;
    entry.usage2 = config.notification.usage;
    entry.reportLength = config.reportLength;
    entry.isEncode = config.scrambled;
    entry.sCode = QString::fromLatin1(config.secrecyCode);
    return entry;
}

EmulatedMouse::Config SimRig::config(EmulatedMouse::Family family, int reportLength)
{
    EmulatedMouse::Config config;
    config.family = family;
    config.reportLength = reportLength;
    return config;
}
