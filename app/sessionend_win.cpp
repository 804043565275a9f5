// Ctrl+C, Ctrl+Break and closing the console arrive on a thread of their own;
// they are handed to the watcher's thread. A logoff reaches a windowed
// program as the session manager's request (see sessionend.cpp).
#include "sessionend.h"

#include <QMetaObject>
#include <QPointer>

#include <windows.h>

namespace {

QPointer<SessionEndWatcher> g_watcher;

BOOL WINAPI onConsoleControl(DWORD event)
{
    SessionEndWatcher* watcher = g_watcher.data();
    if (!watcher)
        return FALSE;
    const int reason = static_cast<int>(event);
    QMetaObject::invokeMethod(watcher, [watcher, reason] { Q_EMIT watcher->sessionEnding(reason); },
                              Qt::QueuedConnection);
    return TRUE;
}

} // namespace

void SessionEndWatcher::watchPlatform()
{
    if (g_watcher)
        return;
    g_watcher = this;
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

void SessionEndWatcher::stopWatchingPlatform()
{
    if (g_watcher != this)
        return;
    SetConsoleCtrlHandler(onConsoleControl, FALSE);
    g_watcher = nullptr;
}
