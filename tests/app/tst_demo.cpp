// The demo program as a user starts it: it finds the emulated mouse, starts
// the scene, shows the notice for the mouse's DPI button and quits with 0.
#include "app/demomouse.h"
#include "app/entry.h"
#include "app/myqquickview.h"
#include "app/widget.h"
#include "app/widgetevents.h"

#include <QAction>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestDemo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void connectsAndNotices()
    {
        DemoMouse demo;
        bool connected = false;
        bool viewEnabled = false;
        bool sceneStarted = false;
        QStringList notices;

        StartupHooks hooks;
        hooks.widgetCreated = [&](Widget& w) {
            demo.install(w);
            QObject::connect(w.events(), &WidgetEvents::noticeShown, [&](const QString&, const QString& text) {
                notices << text;
                if (notices.size() == 2)
                    QTimer::singleShot(0, &w, &Widget::exitSYS);
            });
            QObject::connect(w.events(), &WidgetEvents::detectionPassFinished, [&](bool ok) {
                connected = ok;
                viewEnabled = w.view()->isEnabled();
                // Press the emulated button once the scene has started.
                QTimer::singleShot(300, &w, [&] {
                    sceneStarted = w.view()->rootObject()->property("isPownOn").toBool();
                    demo.dpiButton()->trigger();
                });
            });
            QTimer::singleShot(20000, &w, &Widget::exitSYS); // never hang
        };

        int argc = 1;
        QByteArray name = QByteArrayLiteral("tst_demo");
        char* argv[] = {name.data(), nullptr};
        QCOMPARE(runApplication(argc, argv, hooks), 0);

        QVERIFY(connected);
        QVERIFY(viewEnabled);
        QVERIFY(sceneStarted);
        // The scene loaded the language texts, so the notice names the stage.
        QCOMPARE(notices, QStringList({"Detect Device", "DPI Switch to 2 "}));
        QVERIFY(demo.mouse()->protocolErrors().isEmpty());
        QCOMPARE(int(demo.mouse()->state().keyboardOption[3] & 0x40), 0x40);
    }
};

QTEST_APPLESS_MAIN(TestDemo)
#include "tst_demo.moc"
