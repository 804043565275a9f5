#pragma once

#include "hidbackend.h"

// HidBackend on top of the hidapi library.
class HidapiBackend final : public HidBackend
{
public:
    HidapiBackend();
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
};

// The process-wide hidapi backend (hid_init runs once, on first use).
HidBackend* defaultHidBackend();
