#include "app/inputcallbacks.h"
#include "app/inputhook.h"
#include "app/myqquickview.h"
#include "app/trayimage.h"
#include "app/ui_controler.h"
#include "app/userevent.h"
#include "app/widget.h"
#include "app/widgetevents.h"
#include "modulessandbox.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"

#include <QAction>
#include <QImage>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

// Tests never reach a real device: every window here talks to one emulated
// mouse that does not answer.
struct NoRealDevice
{
    VirtualClock clock;
    SimBackend backend{&clock};
    EmulatedMouse* mouse = backend.addMouse({});
    NoRealDevice() { mouse->setAnswerMode(EmulatedMouse::AnswerMode::Silent); }
};

class TestWindow : public Widget
{
public:
    explicit TestWindow(NoRealDevice& devices = shared())
    {
        device().setBackend(&devices.backend);
        device().setClock(&devices.clock);
    }
    static NoRealDevice& shared()
    {
        static NoRealDevice devices;
        return devices;
    }
};

class TestWidget : public QObject
{
    Q_OBJECT

    ModulesSandbox sandbox;

private Q_SLOTS:
    void init()
    {
        QVERIFY(sandbox.isValid());
        deviceConnected = false;
    }

    void quitEndsTheLoopWithZero()
    {
        TestWindow w;
        w.device().monitorRunning = true;
        QMetaObject::invokeMethod(w.tray()->contextMenu()->actions().first(), "trigger", Qt::QueuedConnection);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!w.device().monitorRunning);
    }

    void noDetectionWhileTheMonitorRuns()
    {
        TestWindow w;
        w.device().monitorRunning = true;
        w.deviceChangeNotice();
        QVERIFY(!w.detectionTimer().isActive());
        w.device().monitorRunning = false;
        w.deviceChangeNotice();
        QVERIFY(w.detectionTimer().isActive());
    }

    void restoreNeedsAConnectedDeviceAndAnActivation_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("shown");
        QTest::newRow("double click, device") << true << int(QSystemTrayIcon::DoubleClick) << true;
        QTest::newRow("double click, none") << false << int(QSystemTrayIcon::DoubleClick) << false;
        // Current Linux tray hosts report any activation as this one.
        QTest::newRow("activation, device") << true << int(QSystemTrayIcon::Trigger) << true;
        QTest::newRow("context, device") << true << int(QSystemTrayIcon::Context) << false;
        QTest::newRow("middle, device") << true << int(QSystemTrayIcon::MiddleClick) << false;
    }
    void restoreNeedsAConnectedDeviceAndAnActivation()
    {
        QFETCH(bool, connected);
        QFETCH(int, reason);
        QFETCH(bool, shown);
        TestWindow w;
        deviceConnected = connected;
        w.trayIconActivated(QSystemTrayIcon::ActivationReason(reason));
        QVERIFY(!w.isVisible()); // a posted request, never inside the caller
        QTest::qWait(50);
        QCOMPARE(w.isVisible(), shown);
    }

    void secondInstanceMessageRestoresOnlyWithDevice()
    {
        TestWindow w;
        w.receiveMessage(QString());
        QTest::qWait(50);
        QVERIFY(!w.isVisible());

        deviceConnected = true;
        w.showMinimized();
        w.controller()->onClose();
        QVERIFY(!w.isVisible());
        w.receiveMessage(QString());
        QTRY_VERIFY(w.isVisible());
        QVERIFY(!(w.windowState() & Qt::WindowMinimized));
    }

    void controllerMovesHidesAndLocks()
    {
        Ui_Controler lonely;
        lonely.onXChanged(10); // no window yet: nothing happens, nothing breaks
        lonely.onClose();
        lonely.onMinimize();

        TestWindow w;
        w.move(100, 100);
        w.show();
        QTRY_COMPARE(w.pos(), QPoint(100, 100));
        w.controller()->onXChanged(15);
        w.controller()->onYChanged(-7);
        QTRY_COMPARE(w.pos(), QPoint(115, 93));

        w.controller()->setBusy(500);
        QVERIFY(!w.view()->isEnabled());
        w.controller()->setBusy();
        QVERIFY(w.view()->isEnabled());

        w.controller()->onClose();
        QVERIFY(!w.isVisible());

        // Wayland places windows only through a system move.
        QVERIFY(Ui_Controler::movesThroughSystem(QStringLiteral("wayland")));
        QVERIFY(Ui_Controler::movesThroughSystem(QStringLiteral("wayland-egl")));
        QVERIFY(!Ui_Controler::movesThroughSystem(QStringLiteral("xcb")));
        QVERIFY(!Ui_Controler::movesThroughSystem(QStringLiteral("offscreen")));
    }

    void copyDataTextIsShownAsPlainText()
    {
        TestWindow w;
        const QByteArray text = "<b>Update</b> ready";
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            shown = box->text();
            box->accept();
        });
        onCopyData(CopyDataMessage{COPYDATA_NOTICE_ID, quint32(text.size()), text.constData()}, &w);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, QString::fromLatin1(text));
    }

    void sceneStartsOnALaterTurn()
    {
        TestWindow w;
        QQuickItem* root = w.view()->rootObject();
        QVERIFY(root);
        QCOMPARE(root->property("isPownOn").toBool(), false);
        w.startUi();
        QCOMPARE(root->property("isPownOn").toBool(), false);
        QTRY_VERIFY(root->property("isPownOn").toBool());

        // The scene's stage selection goes by number, 0 meaning "none"; the
        // DPI panel draws the marked stage.
        QObject* dpiPanel = root->findChild<QObject*>(QStringLiteral("dpiSetting"));
        QVERIFY(dpiPanel);
        w.view()->setCurrentDPI(3);
        QCOMPARE(dpiPanel->property("currentDPI").toInt(), 2);
        w.view()->setCurrentDPI(0);
        QCOMPARE(dpiPanel->property("currentDPI").toInt(), 2);
    }

    // The scene reaches these objects by slot name and the meta-object order
    // is part of the contract: new slots go after the listed ones.
    void slotOrderIsTheScenesContract_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Widget") << "Widget"
                                << QStringList({"trayIconActivated", "checkDevice", "exitSYS", "receiveMessage"});
        QTest::newRow("Ui_Controler") << "Ui_Controler"
                                      << QStringList({"onMinimize", "onClose", "onXChanged", "onYChanged", "setBusy",
                                                      "setBusy"});
        QTest::newRow("myQQuickView")
            << "myQQuickView"
            << QStringList({"clearHidBusy", "initUI", "runUI", "resetApconfig", "loadMacroFile", "saveMacroFile",
                            "loadProfile", "saveProfile", "resetProfile", "copyProfile", "getLangStrings",
                            "createMacroIni", "updataNameList", "modifyMacroNameUpdateProfile",
                            "deleteMacroUpdateProfile", "deleteMacroIni", "getNameList", "saveMacroIni",
                            "mouseSendMacroData", "loadMacroIni", "mouseSaveGundata", "mouseSendGundata",
                            "modifyGundata", "getGunData", "getGunDataKey", "getXYSensitive", "getselectGun",
                            "setXYSensitive", "setSelectGun", "setCurrentProfile", "mouseSetKeyboardoption",
                            "mouseSetReportRate", "mouseSetCurrentDPI", "mouseResetKeyMatrix", "mouseGetCurrentDPI",
                            "mouseSetKeyMatrix", "mouseSetDpi", "mouseSetRGBEffect", "mouseSetRGBColor",
                            "mouseSetProfile", "mouseReadProfile", "mouseReadCurrentProfile", "mouseSwitchKeyMatrix",
                            "GetKeyboardoption", "mouseSetCursorSpeed", "mouseSetVerticalScrollLines",
                            "mouseSetDoubleClickSpeed", "mouseGetKeydefine", "openUpdateExe", "getData",
                            "getGlobalData", "getDataList", "setData", "setGlobalData", "setDataList", "setBusy",
                            "setCurrentDPI"});
    }
    void slotOrderIsTheScenesContract()
    {
        QFETCH(QString, className);
        QFETCH(QStringList, expected);
        TestWindow w;
        const QMetaObject* meta = className == QLatin1String("Widget") ? w.metaObject()
                                  : className == QLatin1String("Ui_Controler") ? w.controller()->metaObject()
                                                                                 : w.view()->metaObject();
        QCOMPARE(QString::fromLatin1(meta->className()), className);
        // Index by index: a signal or an earlier slot would shift them all.
        QStringList own;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            own << QString::fromLatin1(meta->method(i).name());
            if (own.size() <= expected.size())
                QCOMPARE(meta->method(i).methodType(), QMetaMethod::Slot);
        }
        QCOMPARE(own.mid(0, expected.size()), expected);
    }

    // The tray keeps the icon file's small frames only; a file without any
    // still gives an icon, and a missing one an empty icon, not a crash.
    void trayIconKeepsTheSmallFrames()
    {
        TestWindow w;
        const QList<QSize> sizes = w.tray()->icon().availableSizes();
        QCOMPARE(sizes, QList<QSize>({{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));

        const QString large = sandbox.path() + QStringLiteral("/large.png");
        QImage frame(128, 128, QImage::Format_ARGB32);
        frame.fill(Qt::red);
        QVERIFY(frame.save(large));
        QVERIFY(!trayIconFrom(large, 64).isNull());
        QVERIFY(trayIconFrom(sandbox.path() + QStringLiteral("/missing.ico"), 64).isNull());
    }
};

QTEST_MAIN(TestWidget)
#include "tst_widget.moc"
