// The end of the session (SIGTERM at logout, SIGHUP, SIGINT from a terminal)
// sent to the running demo ends it as the tray's Quit does: exit status 0,
// the monitor stopped, the hooks removed before the window goes, and a
// setting changed just before written to its file. The window can be built
// once per process, so each signal has its own run (K7_SESSION_SIGNAL).
#include "app/demomouse.h"
#include "app/entry.h"
#include "app/inputhook.h"
#include "app/myqquickview.h"
#include "app/widget.h"
#include "app/widgetevents.h"

#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <unistd.h>

namespace {

const char kProfileFile[] = "./modules/setting/p1.bin";
const QMap<QString, int> kSignals = {
    {QStringLiteral("TERM"), SIGTERM}, {QStringLiteral("HUP"), SIGHUP}, {QStringLiteral("INT"), SIGINT}};

} // namespace

class TestSessionEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalQuitsLikeTheTray()
    {
        const QString signalName = qEnvironmentVariable("K7_SESSION_SIGNAL", QStringLiteral("TERM"));
        QVERIFY2(kSignals.contains(signalName), qPrintable(signalName));
        const int signalNumber = kSignals.value(signalName);
        // A group per signal: the runs share the profile file.
        const QString group = QStringLiteral("sessionEndTest") + signalName;
        const QString kKey = group + QStringLiteral("/value");
        const QString value = QStringLiteral("written at signal %1").arg(signalNumber);
        DemoMouse demo;
        bool connected = false;
        bool monitorRanBeforeSignal = false;
        bool monitorStoppedAtQuit = false;
        bool hooksRemovedFirst = false;

        StartupHooks hooks;
        hooks.widgetCreated = [&](Widget& w) {
            demo.install(w);
            QObject::connect(w.events(), &WidgetEvents::detectionPassFinished, [&](bool ok) {
                connected = ok;
                QTimer::singleShot(100, &w, [&, signalNumber] {
                    monitorRanBeforeSignal = w.device().monitorRunning;
                    // Left to the store's own write-back, which has not run yet.
                    w.view()->setData(kKey, value);
                    ::kill(::getpid(), signalNumber);
                });
            });
            QObject::connect(qApp, &QCoreApplication::aboutToQuit,
                             [&] { monitorStoppedAtQuit = !w.device().monitorRunning; });
            QTimer::singleShot(20000, &w, [] { QCoreApplication::exit(2); }); // never hang
        };
        // Called after the loop, while the window still exists.
        hooks.loopEnded = [&](Widget&, const GlobalInputHook& hook) { hooksRemovedFirst = !hook.installed(); };

        int argc = 1;
        QByteArray name = QByteArrayLiteral("tst_sessionend");
        char* argv[] = {name.data(), nullptr};
        QCOMPARE(runApplication(argc, argv, hooks), 0);

        QVERIFY(connected);
        QVERIFY(monitorRanBeforeSignal);
        QVERIFY(monitorStoppedAtQuit);
        QVERIFY(hooksRemovedFirst);
        QFile profile(QString::fromLatin1(kProfileFile));
        QVERIFY(profile.open(QIODevice::ReadOnly));
        QVERIFY2(profile.readAll().contains(value.toUtf8()), "the changed setting was not written");

        // Leave the shared profile as it was.
        QSettings(QString::fromLatin1(kProfileFile), QSettings::IniFormat).remove(group);
    }
};

QTEST_APPLESS_MAIN(TestSessionEnd)
#include "tst_sessionend.moc"
