#include "desktopnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QVariantMap>

#include <utility>

Q_DECLARE_LOGGING_CATEGORY(lcWidget)

namespace {
const char SERVICE[] = "org.freedesktop.Notifications";
const char PATH[] = "/org/freedesktop/Notifications";
const char APP_ID[] = "org.k7config.k7config";
} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent)
    : QObject(parent)
{
}

void DesktopNotifier::notify(const QString& title, const QString& text, int timeoutMs)
{
    const Notice notice{title, text, timeoutMs};
    if (m_waiting)
        m_next = notice;
    else
        send(notice);
}

void DesktopNotifier::answered()
{
    m_waiting = false;
    if (m_next)
        send(*std::exchange(m_next, std::nullopt));
}

void DesktopNotifier::send(const Notice& notice)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (!std::exchange(m_failureLogged, true))
            qCWarning(lcWidget) << "no session bus: notices are not shown";
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(SERVICE), QString::fromLatin1(PATH),
                                                       QString::fromLatin1(SERVICE), QStringLiteral("Notify"));
    QVariantMap hints;
    // Lets the service show the launcher's name and icon.
    hints.insert(QStringLiteral("desktop-entry"), QString::fromLatin1(APP_ID));
    call << QStringLiteral("k7config") << m_lastId << QString::fromLatin1(APP_ID) << notice.title << notice.text
         << QStringList() << hints << notice.timeoutMs;
    m_waiting = true;

    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<uint> reply = *done;
        if (reply.isError()) {
            if (!std::exchange(m_failureLogged, true))
                qCWarning(lcWidget) << "the desktop's notification service did not take a notice:"
                                    << reply.error().message();
        } else {
            m_lastId = reply.value();
            m_failureLogged = false;
        }
        answered();
    });
}
