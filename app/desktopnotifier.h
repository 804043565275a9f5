#pragma once

#include <QObject>
#include <QString>

#include <optional>

// Sends notices to the desktop's notification service (freedesktop
// notifications on the session bus), for desktops without a tray. Calls are
// asynchronous: the GUI thread never waits for the service.
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    // Shows `text` under `title` for `timeoutMs`. A notice replaces the one
    // before it while that is still on screen, as tray balloons do; so a
    // notice waits for the service's answer to the one before (which names
    // it), and of several waiting only the last is sent.
    void notify(const QString& title, const QString& text, int timeoutMs);

private:
    struct Notice
    {
        QString title;
        QString text;
        int timeoutMs = 0;
    };
    void send(const Notice& notice);
    void answered();

    uint m_lastId = 0;
    bool m_waiting = false;
    std::optional<Notice> m_next;
    bool m_failureLogged = false;
};
