// Without a tray the program stays reachable: its notices reach the
// desktop's notification service, and a window that would hide into the
// tray is minimised instead. Runs on a private session bus (dbus-run-session)
// with a stand-in notification service.
#include "app/trayfallback.h"
#include "detectionrig.h"
#include "notificationservice.h"

#include <QCloseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "app/ui_controler.h"

class TestNotices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus (run through dbus-run-session)");
    }

    void noticesGoToTheNotificationServiceWithoutATray()
    {
        NotificationService service;
        QVERIFY(service.start());
        ModulesSandbox sandbox;
        DetectionRig rig;
        new TrayFallback(rig.window(), [] { return false; });

        EmulatedMouse* mouse = rig.connectMouse();
        QTRY_COMPARE(service.notices.size(), 1);
        const ReceivedNotice first = service.notices.first();
        QCOMPARE(first.summary, QStringLiteral("Info"));
        QCOMPARE(first.body, QStringLiteral("Detect Device"));
        QCOMPARE(first.appName, QStringLiteral("k7config"));
        QCOMPARE(first.appIcon, QStringLiteral("org.k7config.k7config"));
        QCOMPARE(first.hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("org.k7config.k7config"));
        QCOMPARE(first.timeoutMs, 10000);
        QCOMPARE(first.replacesId, 0u);

        // The DPI notice takes the place of the one before, as a balloon does.
        mouse->pressDpiButton(3);
        QTRY_COMPARE(service.notices.size(), 2);
        QVERIFY2(service.notices[1].body.startsWith(QStringLiteral("DPI Switch to")), qPrintable(service.notices[1].body));
        QCOMPARE(service.notices[1].replacesId, 41u);
    }

    void aWindowThatWouldHideIsMinimised()
    {
        ModulesSandbox sandbox;
        DetectionRig rig;
        Widget& w = rig.window();
        new TrayFallback(w, [] { return false; });
        rig.connectMouse();
        w.show();
        QTRY_VERIFY(w.isVisible());

        // The scene's close button.
        w.controller()->onClose();
        QTRY_VERIFY(w.isMinimized());
        QVERIFY(w.isVisible());

        // No device: the disconnect sequence would leave no way back.
        rig.backend.mouse(0)->unplug();
        w.showNormal();
        QTRY_VERIFY(w.isVisible() && !w.isMinimized());
        w.checkDevice();
        QVERIFY(!deviceConnected);
        QTRY_VERIFY(w.isMinimized());
        QVERIFY(w.isVisible());

        // Closed through the desktop: without a tray menu, that is "Quit".
        QVERIFY(w.device().monitorRunning || !deviceConnected);
        QCloseEvent close;
        QApplication::sendEvent(&w, &close);
        QVERIFY(!w.device().monitorRunning);
    }

    void withATrayNothingChanges()
    {
        NotificationService service;
        QVERIFY(service.start());
        ModulesSandbox sandbox;
        DetectionRig rig;
        Widget& w = rig.window();
        new TrayFallback(w, [] { return true; });
        rig.connectMouse();
        w.show();
        QTRY_VERIFY(w.isVisible());
        w.controller()->onClose();
        QTest::qWait(50);
        QVERIFY(!w.isVisible());
        QVERIFY(service.notices.isEmpty());
    }

    void noServiceIsLoggedOnce()
    {
        ModulesSandbox sandbox;
        DetectionRig rig;
        new TrayFallback(rig.window(), [] { return false; });
        const QRegularExpression refused(QStringLiteral("notification service did not take a notice"));
        QTest::ignoreMessage(QtWarningMsg, refused);
        QTest::failOnWarning(refused);
        EmulatedMouse* mouse = rig.connectMouse();
        mouse->pressDpiButton(2);
        QSignalSpy notices(rig.window().events(), &WidgetEvents::noticeShown);
        QTRY_COMPARE(notices.size(), 1);
        QTest::qWait(200);  // both replies are in: one line only
    }
};

QTEST_MAIN(TestNotices)
#include "tst_notices.moc"
