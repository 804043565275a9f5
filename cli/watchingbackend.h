#pragma once

#include "device/hidbackend.h"

// Passes every call on and counts the ones that failed. The command layer
// keeps transfer failures to itself (a debug line at most); the tool must
// not report success for a change that never reached the mouse.
class WatchingBackend final : public HidBackend
{
public:
    explicit WatchingBackend(HidBackend& inner) : m_inner(inner) {}

    int failures() const { return m_failures; }
    void resetFailures() { m_failures = 0; }

    QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override
    {
        return m_inner.enumerate(vendorId, productId);
    }
    HidHandle* openPath(const char* path) override
    {
        HidHandle* handle = m_inner.openPath(path);
        count(handle ? 0 : -1);
        return handle;
    }
    int setNonblocking(HidHandle* handle, int nonblock) override
    {
        return m_inner.setNonblocking(handle, nonblock);
    }
    void close(HidHandle* handle) override { m_inner.close(handle); }
    int sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length) override
    {
        return count(m_inner.sendFeatureReport(handle, data, length));
    }
    int getFeatureReport(HidHandle* handle, unsigned char* data, size_t length) override
    {
        return count(m_inner.getFeatureReport(handle, data, length));
    }
    int write(HidHandle* handle, const unsigned char* data, size_t length) override
    {
        return count(m_inner.write(handle, data, length));
    }
    int read(HidHandle* handle, unsigned char* data, size_t length) override
    {
        return count(m_inner.read(handle, data, length));
    }
    // Only the data phase of a profile read waits here: nothing in time is a
    // failed read.
    int readTimeout(HidHandle* handle, unsigned char* data, size_t length, int timeoutMs) override
    {
        const int result = m_inner.readTimeout(handle, data, length, timeoutMs);
        count(result > 0 ? result : -1);
        return result;
    }

private:
    int count(int result)
    {
        if (result < 0)
            ++m_failures;
        return result;
    }

    HidBackend& m_inner;
    int m_failures = 0;
};
