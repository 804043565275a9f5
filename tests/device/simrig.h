#pragma once

// A Hid_Thread wired to one emulated mouse in virtual time.
#include "device/hid_thread.h"
#include "simbackend.h"
#include "virtualclock.h"

#include <QByteArray>
#include <QMap>

#include <array>
#include <functional>

inline QByteArray hexBytes(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex));
}

inline QByteArray toBytes(const uchar* data, int length)
{
    return QByteArray(reinterpret_cast<const char*>(data), length);
}

inline const uchar* raw(const QByteArray& bytes)
{
    return reinterpret_cast<const uchar*>(bytes.constData());
}

template <std::size_t N>
QByteArray bytesOf(const std::array<quint8, N>& array)
{
    return QByteArray(reinterpret_cast<const char*>(array.data()), qsizetype(N));
}

// Calls the getter named by its command byte with v as its in-out bytes.
inline void runGetter(Hid_Thread& hid, const QString& command, std::array<uchar, 4>& v)
{
    const QMap<QString, std::function<void()>> getters = {
        {"00", [&] { hid.hid553_00H_GetSecrecyCode(v[0], v[1], v[2], v[3]); }},
        {"83", [&] { hid.hid553_83H_GetKeyboardoption(v[0], v[1], v[2], v[3]); }},
        {"8B", [&] { hid.hid553_8BH_GetCurrentDPI(v[0]); }},
        {"81", [&] { hid.hid560_81H_GetKeyboardoption(v[0], v[1]); }},
        {"82", [&] { hid.hid560_82H_GetCurrentProfile(v[0]); }},
        {"84", [&] { hid.hid560_84H_GetCurrentDPI(v[0], v[1]); }},
    };
    getters.value(command)();
}

struct SimRig
{
    VirtualClock clock;
    SimBackend backend{&clock};
    EmulatedMouse* mouse = nullptr;
    Hid_Thread hid;
    bool gun = false;

    explicit SimRig(const EmulatedMouse::Config& config = {}) : SimRig(config, entryFor(config)) {}

    SimRig(const EmulatedMouse::Config& config, DeviceEntry entry)
    {
        mouse = backend.addMouse(config);
        hid.setBackend(&backend);
        hid.setClock(&clock);
        hid.setIsGunSource([this] { return gun; });
        entry.path = SimBackend::commandPath(0);
        entry.path2 = SimBackend::notificationPath(0);
        hid.setDeviceList({entry});
        hid.currentDevice = 0;
    }

    // The device list entry that matches the mouse.
    static DeviceEntry entryFor(const EmulatedMouse::Config& config)
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

    static EmulatedMouse::Config config560()
    {
        EmulatedMouse::Config config;
        config.family = EmulatedMouse::Family::F560;
        return config;
    }

    // Loads the entry's secrecy code, as detection does before any command.
    bool handshake() { return hid.chkDeviceIsEnCode(0); }
};
