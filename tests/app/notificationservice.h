#pragma once

// A stand-in for the desktop's notification service: it takes the bus name
// org.freedesktop.Notifications on its own connection to the session bus
// and records every notice it is sent.
#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

struct ReceivedNotice
{
    QString appName;
    uint replacesId = 0;
    QString appIcon;
    QString summary;
    QString body;
    QVariantMap hints;
    int timeoutMs = 0;
};

class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    NotificationService()
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("notification-service")))
    {
    }
    ~NotificationService() override
    {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        QDBusConnection::disconnectFromBus(m_bus.name());
    }

    bool start()
    {
        return m_bus.isConnected()
            && m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots)
            && m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    QList<ReceivedNotice> notices;

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int timeoutMs)
    {
        notices.append({appName, replacesId, appIcon, summary, body, hints, timeoutMs});
        return replacesId ? replacesId : uint(40 + notices.size());
    }

private:
    QDBusConnection m_bus;
};
