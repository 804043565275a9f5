#include "fuzzbackend.h"

#include "fuzzsupport.h"

#include <cstring>

namespace {

// Any non-null value will do: the protocol code never looks behind it.
HidHandle *const kHandle = reinterpret_cast<HidHandle *>(std::uintptr_t{0x4b37});

} // namespace

QList<HidDeviceInfo> FuzzBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QList<HidDeviceInfo> found;
    const int count = m_input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        HidDeviceInfo info;
        info.path = m_input.ConsumeBool() ? QString::fromLatin1(kCommandPath)
                                          : QString::fromLatin1(kNotificationPath);
        info.vendorId = vendorId;
        info.productId = productId;
        info.usagePage = m_input.ConsumeIntegral<quint16>();
        info.usage = m_input.ConsumeIntegral<quint16>();
        found.append(info);
    }
    return found;
}

HidHandle *FuzzBackend::openPath(const char *path)
{
    fuzz::require(path != nullptr, "open without a path");
    // One open in 16 fails: an unplugged mouse, or a node without access.
    if (m_input.ConsumeIntegralInRange(0, 15) == 0)
        return nullptr;
    ++m_open;
    return kHandle;
}

void FuzzBackend::checkHandle(HidHandle *handle) const
{
    fuzz::require(handle == kHandle && m_open > 0, "call on a handle that is not open");
}

int FuzzBackend::setNonblocking(HidHandle *handle, int)
{
    checkHandle(handle);
    return 0;
}

void FuzzBackend::close(HidHandle *handle)
{
    checkHandle(handle);
    --m_open;
}

int FuzzBackend::sendOutcome(size_t length)
{
    return m_input.ConsumeIntegralInRange(0, 7) == 0 ? -1 : int(length);
}

int FuzzBackend::receive(unsigned char *data, size_t length)
{
    if (length == 0)
        return 0;
    switch (m_input.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return -1;
    case 1:
        return 0;
    default:
        break;
    }
    const size_t count = m_input.ConsumeIntegralInRange<size_t>(1, length);
    const std::vector<unsigned char> bytes = m_input.ConsumeBytes<unsigned char>(count);
    if (!bytes.empty())
        std::memcpy(data, bytes.data(), bytes.size());
    return int(count);
}

int FuzzBackend::sendFeatureReport(HidHandle *handle, const unsigned char *data, size_t length)
{
    checkHandle(handle);
    fuzz::require(data != nullptr && length > 0, "empty feature report");
    return sendOutcome(length);
}

int FuzzBackend::getFeatureReport(HidHandle *handle, unsigned char *data, size_t length)
{
    checkHandle(handle);
    fuzz::require(data != nullptr && length > 0, "empty feature request");
    return receive(data, length);
}

int FuzzBackend::write(HidHandle *handle, const unsigned char *data, size_t length)
{
    checkHandle(handle);
    fuzz::require(data != nullptr && length > 0, "empty output report");
    return sendOutcome(length);
}

int FuzzBackend::read(HidHandle *handle, unsigned char *data, size_t length)
{
    checkHandle(handle);
    return receive(data, length);
}

int FuzzBackend::readTimeout(HidHandle *handle, unsigned char *data, size_t length, int)
{
    checkHandle(handle);
    return receive(data, length);
}
