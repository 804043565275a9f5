// The start-up sequence as the program runs it: window shown for the first
// detection pass, hidden when no device answers, still running afterwards,
// and ending with status 0 through the tray's quit.
#include "app/entry.h"
#include "app/widget.h"
#include "app/widgetevents.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"

#include <QDir>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstPassThenTrayOnly()
    {
        bool visibleDuringPass = false;
        bool visibleAfterPass = true;
        bool runningAfterPass = false;
        QString workingDirectory;

        // Tests never reach a real device: the pass finds a mouse that does
        // not answer, and only that one.
        VirtualClock clock;
        SimBackend backend(&clock);
        EmulatedMouse* mouse = backend.addMouse({});
        mouse->setAnswerMode(EmulatedMouse::AnswerMode::Silent);

        StartupHooks hooks;
        hooks.widgetCreated = [&](Widget& w) {
            w.device().setBackend(&backend);
            w.device().setClock(&clock);
            workingDirectory = QDir::currentPath();
            QObject::connect(w.events(), &WidgetEvents::detectionPassStarted, [&] { visibleDuringPass = w.isVisible(); });
            QObject::connect(w.events(), &WidgetEvents::detectionPassFinished, [&] {
                visibleAfterPass = w.isVisible();
                // Hidden is not ended: the loop keeps running until "Quit".
                QTimer::singleShot(300, &w, [&] {
                    runningAfterPass = true;
                    w.exitSYS();
                });
            });
        };

        int argc = 1;
        QByteArray name = QByteArrayLiteral("tst_startup");
        char* argv[] = {name.data(), nullptr};
        const QString started = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath()); // started from elsewhere
        const int status = runApplication(argc, argv, hooks);
        QDir::setCurrent(started);

        QCOMPARE(status, 0);
        QVERIFY(mouse->openCount(EmulatedMouse::Interface::Command) > 0);
        QVERIFY(visibleDuringPass);
        QVERIFY(!visibleAfterPass);
        QVERIFY(runningAfterPass);
        QCOMPARE(workingDirectory, qEnvironmentVariable("K7_TEST_BIN_DIR"));
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
