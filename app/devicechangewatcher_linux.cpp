#include "devicechangewatcher.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <libudev.h>

Q_LOGGING_CATEGORY(lcWatcher, "k7.devicechange")

struct DeviceChangeWatcher::Private
{
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QSocketNotifier* notifier = nullptr;

    ~Private()
    {
        delete notifier;
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }
};

DeviceChangeWatcher::DeviceChangeWatcher(QObject* parent)
    : QObject(parent)
    , d(new Private)
{
    d->context = udev_new();
    if (d->context)
        d->monitor = udev_monitor_new_from_netlink(d->context, "udev");
    if (!d->monitor || udev_monitor_filter_add_match_subsystem_devtype(d->monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(d->monitor) < 0) {
        qCWarning(lcWatcher) << "no udev monitor: plugged devices are found at start-up only";
        return;
    }

    d->notifier = new QSocketNotifier(udev_monitor_get_fd(d->monitor), QSocketNotifier::Read);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        // Drain every queued event; one notice per wake-up is enough, the
        // detection timer folds bursts together anyway.
        bool any = false;
        while (udev_device* device = udev_monitor_receive_device(d->monitor)) {
            udev_device_unref(device);
            any = true;
        }
        if (any)
            Q_EMIT deviceChanged();
    });
    m_watching = true;
}

DeviceChangeWatcher::~DeviceChangeWatcher()
{
    delete d;
}
