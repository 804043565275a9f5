#pragma once

// A HidBackend that plays a mouse gone wrong: every open may fail, every send
// may fail, and every read returns what the fuzzer decides: a failure, a
// time-out, a short report or a full one with arbitrary bytes. It keeps
// hidapi's promises only (never more bytes than asked for).
#include "device/hidbackend.h"

#include <fuzzer/FuzzedDataProvider.h>

class FuzzBackend final : public HidBackend
{
public:
    static constexpr char kCommandPath[] = "fuzz:command";
    static constexpr char kNotificationPath[] = "fuzz:notification";

    explicit FuzzBackend(FuzzedDataProvider &input) : m_input(input) {}

    // Handles opened and not closed again.
    int openHandles() const { return m_open; }

    QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidHandle *openPath(const char *path) override;
    int setNonblocking(HidHandle *handle, int nonblock) override;
    void close(HidHandle *handle) override;
    int sendFeatureReport(HidHandle *handle, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidHandle *handle, unsigned char *data, size_t length) override;
    int write(HidHandle *handle, const unsigned char *data, size_t length) override;
    int read(HidHandle *handle, unsigned char *data, size_t length) override;
    int readTimeout(HidHandle *handle, unsigned char *data, size_t length, int timeoutMs) override;

private:
    void checkHandle(HidHandle *handle) const;
    int sendOutcome(size_t length);
    // failure (-1), nothing (0) or 1..length fuzzer bytes.
    int receive(unsigned char *data, size_t length);

    FuzzedDataProvider &m_input;
    int m_open = 0;
};
