#pragma once

#include <QObject>

// Tells when HID devices come or go. On Linux it watches udev's hidraw
// subsystem; on Windows the window's own WM_DEVICECHANGE does this job and
// the watcher stays silent.
class DeviceChangeWatcher : public QObject
{
    Q_OBJECT
public:
    explicit DeviceChangeWatcher(QObject* parent = nullptr);
    ~DeviceChangeWatcher() override;

    bool isWatching() const { return m_watching; }

Q_SIGNALS:
    void deviceChanged();

private:
    struct Private;
    Private* d = nullptr;
    bool m_watching = false;
};
