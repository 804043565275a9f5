// Detection passes, the connect and disconnect sequences and the
// notification monitor, against emulated mice.
#include "detectionrig.h"
#include "fakefilechooser.h"
#include "store/languagestrings.h"

#include <QSignalSpy>
#include <QTest>

class TestDetection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { deviceConnected = false; }

    void connectSwitchesNotificationsOn_data()
    {
        QTest::addColumn<QString>("icType");
        QTest::addColumn<bool>("gun");
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("profilesRead");
        QTest::newRow("553") << "553" << true << "00 83 03" << "";
        QTest::newRow("560") << "560" << false << "00 81 01 8c 8c" << "0 1";
        QTest::newRow("560 gun") << "560" << true << "00 81 01 8c 8c 8c 8c 8c" << "0 1 2 3 4";
    }
    void connectSwitchesNotificationsOn()
    {
        QFETCH(QString, icType);
        QFETCH(bool, gun);
        QFETCH(QString, commands);
        QFETCH(QString, profilesRead);

        DetectionRig rig;
        EmulatedMouse* mouse = rig.addMouse(icType);
        rig.configure({ListedDevice{}}, icType, gun);

        Widget& w = rig.window();
        QSignalSpy notices(w.events(), &WidgetEvents::noticeShown);
        w.view()->setEnabled(false);
        w.checkDevice();

        QVERIFY(deviceConnected);
        QCOMPARE(DetectionRig::commands(mouse), commands);
        QVERIFY(mouse->notificationsEnabled());
        const QList<QByteArray> blocks = mouse->sentBlocks();
        if (icType == QLatin1String("560")) {
            QCOMPARE(QByteArray(blocks[2].mid(1, 2)), QByteArray::fromHex("1922")); // 0x11 | 0x08
            QStringList read;
            for (const QByteArray& block : blocks)
                if (quint8(block[0]) == 0x8C)
                    read << QString::number(int(block[1]));
            QCOMPARE(read.join(QLatin1Char(' ')), profilesRead);
        } else {
            QCOMPARE(QByteArray(blocks[2].mid(1, 4)), QByteArray::fromHex("11223344")); // 0x04 | 0x40
        }
        QVERIFY(mouse->protocolErrors().isEmpty());

        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0], QVariantList({QStringLiteral("Info"), QStringLiteral("Detect Device")}));
        QVERIFY(w.view()->isEnabled());
        QVERIFY(w.device().monitorRunning);
        QVERIFY(!w.isVisible()); // connecting never shows the window

        // The scene starts on later turns: "initUI", then "run".
        QVERIFY(rig.sceneCalls().isEmpty());
        QTRY_COMPARE(rig.sceneCalls(), QStringList({"initUI", "run"}));
    }

    void onlyTheFirstAnsweringDeviceConnects()
    {
        DetectionRig rig;
        EmulatedMouse::Config first;
        first.productId = 0xA1EF;
        EmulatedMouse* mouseA = rig.addMouse(first);
        EmulatedMouse* mouseB = rig.addMouse();
        rig.configure({ListedDevice{0xA1EF}, ListedDevice{0xA1EE}});

        rig.window().checkDevice();
        QVERIFY(deviceConnected);
        QCOMPARE(rig.window().device().currentDevice, 0);
        QCOMPARE(DetectionRig::commands(mouseA), QStringLiteral("00 83 03"));
        QCOMPARE(DetectionRig::commands(mouseB), QString()); // never asked
    }

    void wrongSecrecyCodeIsSkipped()
    {
        DetectionRig rig;
        EmulatedMouse::Config stranger;
        stranger.productId = 0xA1EF;
        stranger.scrambled = true;
        stranger.secrecyCode = "QQQQQQ";
        EmulatedMouse* mouseA = rig.addMouse(stranger);
        EmulatedMouse::Config ours;
        ours.scrambled = true;
        EmulatedMouse* mouseB = rig.addMouse(ours);
        rig.configure({ListedDevice{0xA1EF, true}, ListedDevice{0xA1EE, true}});

        rig.window().checkDevice();
        QVERIFY(deviceConnected);
        QCOMPARE(rig.window().device().currentDevice, 1);
        // One block reached the stranger (the challenge, unreadable with its
        // code) and nothing after it.
        QCOMPARE(mouseA->sentBlocks().size(), 1);
        QVERIFY(!mouseA->notificationsEnabled());
        QVERIFY(mouseB->notificationsEnabled());
    }

    void noDeviceMeansTrayOnly_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("mousePlugged");
        QTest::newRow("empty list") << 0 << true << true;
        QTest::newRow("no file") << 1 << false << true;
        QTest::newRow("listed, absent") << 1 << true << false;
    }
    void noDeviceMeansTrayOnly()
    {
        QFETCH(int, listed);
        QFETCH(bool, fileThere);
        QFETCH(bool, mousePlugged);
        DetectionRig rig;
        EmulatedMouse* mouse = rig.addMouse();
        if (!mousePlugged)
            mouse->unplug();
        rig.configure(QList<ListedDevice>(listed));
        Widget& w = rig.window();
        if (!fileThere)
            QVERIFY(QFile::remove(QStringLiteral("modules/setting/apConfig.bin")));
        w.show();
        deviceConnected = true;
        QSignalSpy finished(w.events(), &WidgetEvents::detectionPassFinished);
        w.checkDevice();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toBool(), false);
        QVERIFY(!deviceConnected);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.device().monitorRunning);
    }

    void unplugAndReplug()
    {
        DetectionRig rig;
        EmulatedMouse* mouse = rig.connectMouse();
        Widget& w = rig.window();
        QVERIFY(w.device().monitorRunning);
        QTRY_COMPARE(rig.sceneCalls().size(), 2);

        QTest::ignoreMessage(QtDebugMsg, "Device removed");
        mouse->unplug();
        QTRY_VERIFY(!w.view()->isEnabled());
        QVERIFY(!w.device().monitorRunning);
        QVERIFY(w.device().entry(0)->path2.isEmpty());
        QVERIFY(deviceConnected); // until the next pass says otherwise

        // Notices fold into one pass after the last one.
        mouse->replug();
        w.detectionTimer().setInterval(60);
        QSignalSpy passes(w.events(), &WidgetEvents::detectionPassFinished);
        for (int i = 0; i < 3; ++i) {
            w.deviceChangeNotice();
            QTest::qWait(20);
        }
        QTRY_COMPARE(passes.size(), 1);
        QCOMPARE(passes[0][0].toBool(), true);
        QVERIFY(w.view()->isEnabled());
        QVERIFY(w.device().monitorRunning);
        QVERIFY(!w.isVisible()); // reconnecting does not show the window
        QTRY_COMPARE(rig.sceneCalls(), QStringList({"initUI", "run", "initUI", "run"}));
        QTest::qWait(150);
        QCOMPARE(passes.size(), 1);
    }

    void dpiButtonReachesSceneAndTray()
    {
        DetectionRig rig;
        EmulatedMouse* mouse = rig.connectMouse();
        Widget& w = rig.window();
        QTRY_COMPARE(rig.sceneCalls().size(), 2);
        QCOMPARE(w.view()->getLangStrings(QStringLiteral("other"), QStringLiteral("English")).size(), 8);

        QSignalSpy notices(w.events(), &WidgetEvents::noticeShown);
        mouse->pressDpiButton(3);
        QTRY_COMPARE(notices.size(), 1);
        QCOMPARE(notices[0][1].toString(), QStringLiteral("DPI Switch to 3 "));
        QCOMPARE(rig.sceneCalls().last(), QStringLiteral("setCurrentDPI 3"));

        mouse->queueNotification(QByteArray::fromHex("06070000")); // stage 0
        mouse->queueNotification(QByteArray::fromHex("06070009")); // beyond 7
        QTRY_COMPARE(notices.size(), 3);
        QCOMPARE(notices[1][1].toString(), QStringLiteral("DPI Switch to "));
        QCOMPARE(notices[2][1].toString(), QStringLiteral("DPI Switch to "));
        QCOMPARE(rig.sceneCalls().mid(2), QStringList({"setCurrentDPI 3", "setCurrentDPI 0", "setCurrentDPI 9"}));

        // Without language texts every stage gets the built-in one.
        LanguageStrings::resetNoticeTexts();
        mouse->pressDpiButton(2);
        QTRY_COMPARE(notices.size(), 4);
        QCOMPARE(notices[3][1].toString(), QStringLiteral("DPI Switch to "));
    }

    // With no notification interface nothing watches the mouse, so device
    // changes still start passes; one may fall due while a command is inside
    // its exchange. It must wait, not take over the channel mid-command.
    void passWaitsForARunningExchange()
    {
        DetectionRig rig;
        EmulatedMouse::Config config;
        config.notification.present = false;
        EmulatedMouse* mouse = rig.addMouse(config);
        rig.configure({ListedDevice{}});
        Widget& w = rig.window();
        QSignalSpy notices(w.events(), &WidgetEvents::noticeShown);
        w.checkDevice();
        QVERIFY(deviceConnected);
        QTRY_VERIFY(!w.device().monitorRunning);
        mouse->clearRecords();

        QSignalSpy passes(w.events(), &WidgetEvents::detectionPassFinished);
        w.detectionTimer().setInterval(0);
        w.deviceChangeNotice(); // due at the first event processing
        QVariantList buttons;
        for (int i = 0; i < 16; ++i)
            buttons << 0 << 0 << 0xF0 << 0;
        w.view()->mouseSetKeyMatrix(buttons, true, {});

        QCOMPARE(DetectionRig::commands(mouse).left(2), QStringLiteral("12"));
        QVERIFY(mouse->protocolErrors().isEmpty());
        QTRY_COMPARE(passes.size(), 1); // the pass ran after the command
        // The same mouse, still switched on: a look, and nothing redone.
        QCOMPARE(DetectionRig::commands(mouse), QStringLiteral("12 00 83"));
        QCOMPARE(notices.size(), 1);
        QVERIFY(w.view()->isEnabled());
        QCOMPARE(rig.sceneCalls(), QStringList({"initUI", "run"}));
    }

    // Every pass, whatever the device change was, re-ran the whole connect
    // sequence for a mouse without a notification interface. Once the mouse
    // forgets its switch (plugged in again), the sequence runs again.
    void unrelatedChangeLeavesTheMouseConnected()
    {
        DetectionRig rig;
        EmulatedMouse::Config config;
        config.family = EmulatedMouse::Family::F560;
        config.notification.present = false;
        EmulatedMouse* mouse = rig.addMouse(config);
        rig.configure({ListedDevice{}}, QStringLiteral("560"), false);
        Widget& w = rig.window();
        w.checkDevice();
        QTRY_COMPARE(rig.sceneCalls().size(), 2);
        QTRY_VERIFY(!w.device().monitorRunning);
        mouse->clearRecords();
        QSignalSpy notices(w.events(), &WidgetEvents::noticeShown);

        w.checkDevice();
        QCOMPARE(DetectionRig::commands(mouse), QStringLiteral("00 81"));
        QCOMPARE(notices.size(), 0);
        QVERIFY(deviceConnected);
        QVERIFY(w.view()->isEnabled());

        mouse->unplug();
        mouse->replug();
        mouse->clearRecords();
        w.checkDevice();
        QCOMPARE(DetectionRig::commands(mouse), QStringLiteral("00 81 00 81 01 8c 8c"));
        QVERIFY(mouse->notificationsEnabled());
        QVERIFY(mouse->protocolErrors().isEmpty());
        QCOMPARE(notices.size(), 1);
        QTRY_COMPARE(rig.sceneCalls().size(), 4);
    }

    // Unplugged and plugged in again between two notification reads: the
    // node comes back under the same path, the monitor's reads go on, and
    // the device change arrived while it ran. The mouse must still get its
    // notifications switched on again.
    void quickReplugSwitchesNotificationsOnAgain()
    {
        DetectionRig rig;
        EmulatedMouse* mouse = rig.connectMouse();
        Widget& w = rig.window();
        QVERIFY(w.device().monitorRunning);
        w.detectionTimer().setInterval(10);
        QSignalSpy passes(w.events(), &WidgetEvents::detectionPassFinished);

        mouse->unplug();
        mouse->replug();
        QVERIFY(!mouse->notificationsEnabled());
        w.deviceChangeNotice();
        w.deviceChangeNotice();
        QTRY_COMPARE(passes.size(), 1);
        QVERIFY(mouse->notificationsEnabled());
        QVERIFY(w.device().monitorRunning);
        QVERIFY(w.view()->isEnabled());
    }

    // The option bytes carry other switches: a failed read must not turn
    // into a write of zeros plus the notification bit.
    void failedOptionReadWritesNothing_data()
    {
        QTest::addColumn<QString>("icType");
        QTest::addColumn<QString>("commands");
        QTest::newRow("553") << "553" << "00 83";
        QTest::newRow("560") << "560" << "00 81 8c 8c";
    }
    void failedOptionReadWritesNothing()
    {
        QFETCH(QString, icType);
        QFETCH(QString, commands);
        DetectionRig rig;
        EmulatedMouse* mouse = rig.addMouse(icType);
        rig.configure({ListedDevice{}}, icType, false);
        mouse->failNext(EmulatedMouse::HostCall::GetFeature, 1); // the handshake's reply goes through
        rig.window().checkDevice();
        QVERIFY(deviceConnected);
        QCOMPARE(DetectionRig::commands(mouse), commands);
        QCOMPARE(mouse->state().keyboardOption, DetectionRig::OwnOptions);
    }

    // A click delivered while a pass waits inside one of its exchanges runs
    // its command on top of that exchange; it cannot wait for the channel
    // and failed ("cmd Failed 11"). The view takes no input during the pass,
    // so whatever the user issues reaches the mouse.
    void commandAtEachStepOfTheConnectSequence_data()
    {
        QTest::addColumn<QString>("icType");
        QTest::addColumn<int>("dpiCommand");
        QTest::newRow("553") << "553" << 0x11;
        QTest::newRow("560") << "560" << 0x0C;
    }
    void commandAtEachStepOfTheConnectSequence()
    {
        QFETCH(QString, icType);
        QFETCH(int, dpiCommand);
        DetectionRig rig;
        EmulatedMouse* mouse = rig.addMouse(icType);
        rig.configure({ListedDevice{}}, icType, false);
        Widget& w = rig.window();
        int issued = 0;
        bool inside = false;
        rig.backend.setAfterCommandBlock([&] {
            if (inside || !w.view()->isEnabled())
                return;
            inside = true;
            ++issued;
            w.view()->mouseSetDpi(2, QStringLiteral("3360"), {400, 800});
            inside = false;
        });
        w.checkDevice();
        rig.backend.setAfterCommandBlock({});
        QVERIFY(deviceConnected);
        QVERIFY(w.view()->isEnabled());
        w.view()->mouseSetDpi(2, QStringLiteral("3360"), {400, 800});
        ++issued;
        int arrived = 0;
        for (const QByteArray& block : mouse->sentBlocks())
            arrived += quint8(block[0]) == dpiCommand && (dpiCommand != 0x0C || block[1] == 1);
        QCOMPARE(arrived, issued);
        QVERIFY(mouse->protocolErrors().isEmpty());
    }

    void failingNotificationReadsDoNotSpin()
    {
        DetectionRig rig;
        EmulatedMouse* mouse = rig.connectMouse();
        Widget& w = rig.window();
        QVERIFY(w.device().monitorRunning);
        rig.clock.clearSleeps();
        mouse->failNext(EmulatedMouse::HostCall::ReadNotification);
        QTRY_VERIFY(rig.clock.sleeps().contains(500));
        QVERIFY(w.device().monitorRunning); // a failed read is not a removal

        QSignalSpy notices(w.events(), &WidgetEvents::noticeShown);
        mouse->pressDpiButton(2);
        QTRY_COMPARE(notices.size(), 1);
    }

    void rootFunctionsByName()
    {
        DetectionRig rig;
        myQQuickView* view = rig.window().view();

        view->initUI();
        view->runUI();
        view->detectKeyboard(true, 0x58);
        view->detectMouse(false, 0xF1, 10, -4);
        QVERIFY(rig.sceneCalls().isEmpty()); // all four are queued
        view->setBusy(1000);
        view->setCurrentDPI(4);
        QCOMPARE(rig.sceneCalls(), QStringList({"setProtectUI 1000", "setCurrentDPI 4"})); // direct
        QTRY_COMPARE(rig.sceneCalls().size(), 6);
        QCOMPARE(rig.sceneCalls().mid(2), QStringList({"initUI", "run", "detectKeyboard true 88",
                                                        "detectMouse false 241 10 -4"}));

        // A scene without these functions: every call does nothing.
        view->setSource(QUrl::fromLocalFile(qEnvironmentVariable("K7_SOURCE_DIR")
                                            + QStringLiteral("/tests/app/empty.qml")));
        QVERIFY(view->rootObject());
        view->initUI();
        view->setBusy(5);
        view->setCurrentDPI(1);
        view->detectMouse(true, 0xF0, 0, 0);
        QCoreApplication::processEvents();
        QVERIFY(!view->rootObject()->property("calls").isValid());
    }

    // The view's slots reach the store: profile addressing, then an export
    // through the chooser a test puts in place of the dialogs.
    void viewSlotsReachTheStore()
    {
        DetectionRig rig;
        myQQuickView* view = rig.window().view();
        view->setCurrentProfile(3);
        view->setData(QStringLiteral("mouse/reportRate"), 1);
        QCOMPARE(view->getData(QStringLiteral("mouse/reportRate"), false).toInt(), 1);
        QCOMPARE(view->getData(QStringLiteral("mouse/reportRate"), true), QVariant(QStringLiteral("2")));

        FakeFileChooser chooser;
        chooser.answer = rig.sandbox.path() + QStringLiteral("/exported.pf");
        view->setFileChooser(&chooser);
        view->saveProfile(3);
        QCOMPARE(chooser.calls, 1);
        QCOMPARE(readBytes(chooser.answer), readBytes(QStringLiteral("modules/setting/p4.bin")));
        QVERIFY(readBytes(chooser.answer).contains("reportRate=1"));
    }
};

QTEST_MAIN(TestDetection)
#include "tst_detection.moc"
