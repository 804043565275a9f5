#include "entry.h"

#include "firstframeprobe.h"
#include "heaptrim.h"
#include "inputcallbacks.h"
#include "inputhook.h"
#include "myqquickview.h"
#include "permissioncheck.h"
#include "trayfallback.h"
#include "verbose.h"
#include "qtsinglecoreapplication.h"
#include "scenesetup.h"
#include "sessionend.h"
#include "widget.h"

#include "store/datalocation.h"

#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWidget)

QString executableFolder(const QString& applicationFilePath)
{
    QString path = QDir::fromNativeSeparators(applicationFilePath);
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        path.truncate(slash);
    return path;
}

int runApplication(int argc, char** argv, const StartupHooks& hooks)
{
    QtSingleCoreApplication app(argc, argv);
    applyVerboseOption(QCoreApplication::arguments());
    if (app.isRunning()) {
        app.sendMessage(QString(), 5000);
        return 1;
    }
    // The tray lives on when the window hides; only "Quit" ends the run.
    app.setQuitOnLastWindowClosed(false);
    // The launcher entry: task bars and notices show its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.k7config.k7config"));

    const QString programFolder = executableFolder(QCoreApplication::applicationFilePath());
    enterDataFolder(programFolder);
    qCDebug(lcWidget) << "working directory:" << QDir::currentPath();

    prepareScene();
    Widget window;
    if (hooks.widgetCreated)
        hooks.widgetCreated(window);
    reportFirstFrame(window.view());
    releaseFreedHeapOnceStarted(window.view());
    // A mouse that is there but out of reach is named, with the fix.
    new PermissionCheck(window, programFolder);
    attachTrayFallback(window);
    QObject::connect(&app, &QtSingleCoreApplication::messageReceived, &window, &Widget::receiveMessage);

    // Key and button events from anywhere on the desktop reach the scene
    // (macro recording, key assignment). Without hooks the program still runs.
    GlobalInputHook hook(0);
    hook.setKeyboardCallback(onGlobalKey, &window);
    hook.setMouseCallback(onGlobalMouseButton, &window);
    hook.setCopyDataCallback(onCopyData, &window);

    // Logout, shutdown, a closed terminal or Ctrl+C end the run as "Quit"
    // does: the monitor stops, the hooks go, and the stores are written as
    // the window and its view are destroyed.
    SessionEndWatcher sessionEnd;
    QObject::connect(&sessionEnd, &SessionEndWatcher::sessionEnding, &window, &Widget::exitSYS);

    window.showNormal();
    window.checkDevice();

    const int result = app.exec();
    // The callbacks reach the window: they go before it does.
    hook.removeHooks();
    if (hooks.loopEnded)
        hooks.loopEnded(window, hook);
    return result;
}
