#pragma once

#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

// One HID interface as the platform enumerates it.
struct HidDeviceInfo
{
    QString path;  // what openPath() takes back (ASCII)
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    int interfaceNumber = -1;
};

// Opaque to callers; each backend knows what it really points at.
struct HidHandle;

// The HID calls the protocol needs, with the same argument and return
// conventions as hidapi (byte counts, or -1 on failure), so that the protocol
// code can run against real hardware or against an emulated mouse.
//
// Implementations must allow two threads to work at once on different handles:
// the GUI thread runs command exchanges while the notification monitor reads
// on a pool thread.
class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // vendorId/productId 0 match anything, like hid_enumerate. The result owns
    // its data, so there is nothing to free.
    virtual QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;

    // nullptr when the path cannot be opened.
    virtual HidHandle* openPath(const char* path) = 0;
    virtual int setNonblocking(HidHandle* handle, int nonblock) = 0;
    virtual void close(HidHandle* handle) = 0;

    // data[0] is the report ID, as with hidapi.
    virtual int sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length) = 0;
    virtual int getFeatureReport(HidHandle* handle, unsigned char* data, size_t length) = 0;
    virtual int write(HidHandle* handle, const unsigned char* data, size_t length) = 0;
    virtual int read(HidHandle* handle, unsigned char* data, size_t length) = 0;
    // timeoutMs -1 waits for ever; 0 returned when nothing arrived in time.
    virtual int readTimeout(HidHandle* handle, unsigned char* data, size_t length, int timeoutMs) = 0;
};
