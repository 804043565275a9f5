#pragma once

// A Hid_Thread wired to one emulated mouse in virtual time, and the byte
// helpers the tests that drive it share.
#include "device/hid_thread.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"

#include <QByteArray>

#include <array>

inline QByteArray hexBytes(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex));
}

inline const uchar* raw(const QByteArray& bytes)
{
    return reinterpret_cast<const uchar*>(bytes.constData());
}

// Recognisable data: first, first + 1, ... (wrapping at 256).
inline QByteArray ramp(int length, int first)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(first + i);
    return bytes;
}

template <typename Byte, std::size_t N>
QByteArray bytesOf(const std::array<Byte, N>& array)
{
    static_assert(sizeof(Byte) == 1, "byte arrays only");
    return QByteArray(reinterpret_cast<const char*>(array.data()), qsizetype(N));
}

struct SimRig
{
    VirtualClock clock;
    SimBackend backend{&clock};
    EmulatedMouse* mouse = nullptr;
    Hid_Thread hid;
    bool gun = false;

    explicit SimRig(const EmulatedMouse::Config& config = {}) : SimRig(config, entryFor(config)) {}
    SimRig(const EmulatedMouse::Config& config, DeviceEntry entry);

    // The device list entry that matches the mouse.
    static DeviceEntry entryFor(const EmulatedMouse::Config& config);
    static EmulatedMouse::Config config(EmulatedMouse::Family family, int reportLength = 32);

    // Loads the entry's secrecy code, as detection does before any command.
    bool handshake() { return hid.chkDeviceIsEnCode(0); }
};
