#pragma once

#include <QObject>

#include <functional>

class DesktopNotifier;
class Widget;

// Keeps the program reachable where no system tray is shown (common on
// GNOME): notices go to the desktop's notification service, and a window
// that would hide into the tray is minimised to the task bar instead.
// Closing the window through the desktop (Alt+F4, the task bar's "Close")
// then ends the program, since there is no tray menu to quit from.
class TrayFallback : public QObject
{
    Q_OBJECT
public:
    // `trayAvailable` is asked at each notice and each hide, since a tray
    // may come and go during a session.
    TrayFallback(Widget& window, std::function<bool()> trayAvailable);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onNotice(const QString& title, const QString& text);

    Widget& m_window;
    std::function<bool()> m_trayAvailable;
    DesktopNotifier* m_notifier;
};

// Installs the fallback where the platform needs one (not on Windows, whose
// task bar always has a notification area).
void attachTrayFallback(Widget& window);
