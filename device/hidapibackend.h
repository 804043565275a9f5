#pragma once

#include "hidbackend.h"

#include <hidapi.h>

// The hidapi entry points that touch process-wide state; tests put others
// in their place.
struct HidapiCalls
{
    int (*init)();
    int (*exit)();
    hid_device_info* (*enumerate)(unsigned short vendorId, unsigned short productId);
    void (*freeEnumeration)(hid_device_info* list);
    hid_device* (*openPath)(const char* path);
};

// HidBackend on top of the hidapi library.
class HidapiBackend final : public HidBackend
{
public:
    HidapiBackend();
    explicit HidapiBackend(const HidapiCalls& calls);
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidHandle* openPath(const char* path) override;
    int setNonblocking(HidHandle* handle, int nonblock) override;
    void close(HidHandle* handle) override;
    int sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length) override;
    int getFeatureReport(HidHandle* handle, unsigned char* data, size_t length) override;
    int write(HidHandle* handle, const unsigned char* data, size_t length) override;
    int read(HidHandle* handle, unsigned char* data, size_t length) override;
    int readTimeout(HidHandle* handle, unsigned char* data, size_t length, int timeoutMs) override;

private:
    HidapiCalls m_calls;
};

// The process-wide hidapi backend (hid_init runs once, on first use).
HidBackend* defaultHidBackend();
