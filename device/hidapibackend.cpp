#include "hidapibackend.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>

namespace {

// hidapi's Linux back-end keeps its error text and udev context per
// process, and enumeration and opening change them without a lock; the GUI
// thread and the notification monitor both open interfaces.
QMutex& hidapiLock()
{
    static QMutex lock;
    return lock;
}

const HidapiCalls realCalls = {hid_init, hid_exit, hid_enumerate, hid_free_enumeration, hid_open_path};

hid_device* device(HidHandle* handle)
{
    return reinterpret_cast<hid_device*>(handle);
}

} // namespace

HidapiBackend::HidapiBackend() : HidapiBackend(realCalls) {}

HidapiBackend::HidapiBackend(const HidapiCalls& calls) : m_calls(calls)
{
    QMutexLocker lock(&hidapiLock());
    if (m_calls.init() != 0)
        qWarning() << "hid_init failed; no HID device can be reached";
}

HidapiBackend::~HidapiBackend()
{
    QMutexLocker lock(&hidapiLock());
    m_calls.exit();
}

QList<HidDeviceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QList<HidDeviceInfo> result;
    QMutexLocker lock(&hidapiLock());
    hid_device_info* list = m_calls.enumerate(vendorId, productId);
    for (const hid_device_info* it = list; it; it = it->next) {
        HidDeviceInfo info;
        info.path = QString::fromLatin1(it->path);
        info.vendorId = it->vendor_id;
        info.productId = it->product_id;
        info.usagePage = it->usage_page;
        info.usage = it->usage;
        info.interfaceNumber = it->interface_number;
        result.append(info);
    }
    m_calls.freeEnumeration(list);
    return result;
}

HidHandle* HidapiBackend::openPath(const char* path)
{
    QMutexLocker lock(&hidapiLock());
    return reinterpret_cast<HidHandle*>(m_calls.openPath(path));
}

int HidapiBackend::setNonblocking(HidHandle* handle, int nonblock)
{
    return hid_set_nonblocking(device(handle), nonblock);
}

void HidapiBackend::close(HidHandle* handle)
{
    hid_close(device(handle));
}

int HidapiBackend::sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length)
{
    return hid_send_feature_report(device(handle), data, length);
}

int HidapiBackend::getFeatureReport(HidHandle* handle, unsigned char* data, size_t length)
{
    return hid_get_feature_report(device(handle), data, length);
}

int HidapiBackend::write(HidHandle* handle, const unsigned char* data, size_t length)
{
    return hid_write(device(handle), data, length);
}

int HidapiBackend::read(HidHandle* handle, unsigned char* data, size_t length)
{
    return hid_read(device(handle), data, length);
}

int HidapiBackend::readTimeout(HidHandle* handle, unsigned char* data, size_t length, int timeoutMs)
{
    return hid_read_timeout(device(handle), data, length, timeoutMs);
}

HidBackend* defaultHidBackend()
{
    static HidapiBackend backend;
    return &backend;
}
