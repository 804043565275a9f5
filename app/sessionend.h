#pragma once

#include <QObject>

// Tells when the session ends under the program, so that it quits as the
// tray's "Quit" does instead of dying with unwritten settings and the
// monitor still running: SIGTERM (logout, shutdown), SIGHUP (terminal gone)
// and SIGINT (Ctrl+C in a terminal) on Linux; the console's control events
// on Windows; and the session manager's request on every platform.
class SessionEndWatcher : public QObject
{
    Q_OBJECT
public:
    explicit SessionEndWatcher(QObject* parent = nullptr);
    ~SessionEndWatcher() override;

Q_SIGNALS:
    // reason: the signal number, the console event, or 0 for the session
    // manager. Always delivered on the thread that owns the watcher.
    void sessionEnding(int reason);

private:
    // Per platform (sessionend_linux.cpp, sessionend_win.cpp).
    void watchPlatform();
    void stopWatchingPlatform();
};
