#include "devicechangewatcher.h"

struct DeviceChangeWatcher::Private
{
};

DeviceChangeWatcher::DeviceChangeWatcher(QObject* parent)
    : QObject(parent)
{
}

DeviceChangeWatcher::~DeviceChangeWatcher() = default;
