#include "sessionend.h"

#include <QGuiApplication>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWidget)

SessionEndWatcher::SessionEndWatcher(QObject* parent)
    : QObject(parent)
{
    connect(this, &SessionEndWatcher::sessionEnding, this,
            [](int reason) { qCDebug(lcWidget) << "session ends (" << reason << "): quitting"; });
#ifndef QT_NO_SESSIONMANAGER
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this] { Q_EMIT sessionEnding(0); });
#endif
    watchPlatform();
}

SessionEndWatcher::~SessionEndWatcher()
{
    stopWatchingPlatform();
}
