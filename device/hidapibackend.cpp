#include "hidapibackend.h"

#include <QDebug>
#include <hidapi.h>

namespace {

hid_device* device(HidHandle* handle)
{
    return reinterpret_cast<hid_device*>(handle);
}

} // namespace

HidapiBackend::HidapiBackend()
{
    if (hid_init() != 0)
        qWarning() << "hid_init failed; no HID device can be reached";
}

HidapiBackend::~HidapiBackend()
{
    hid_exit();
}

QList<HidDeviceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QList<HidDeviceInfo> result;
    hid_device_info* list = hid_enumerate(vendorId, productId);
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
    hid_free_enumeration(list);
    return result;
}

HidHandle* HidapiBackend::openPath(const char* path)
{
    return reinterpret_cast<HidHandle*>(hid_open_path(path));
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
