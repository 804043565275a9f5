// The notification read: what it accepts, what it ignores, how it notices a
// missing interface, and that it can run beside command exchanges.
#include "simrig.h"

#include <QtConcurrent>
#include <QtTest>

#include <atomic>

using NotifyRead = Hid_Thread::NotifyRead;
using Interface = EmulatedMouse::Interface;

class TestHidNotify : public QObject
{
    Q_OBJECT

private slots:
    void readNotification_data();
    void readNotification();
    void readsBesideCommands();
};

void TestHidNotify::readNotification_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("stage");
    QTest::addColumn<bool>("path2Kept");
    const int stageRead = int(NotifyRead::Stage);
    const int ignored = int(NotifyRead::Ignored);
    const int noHandle = int(NotifyRead::NoHandle);
    QTest::newRow("stage 3") << "" << hexBytes("06070003") << stageRead << 3 << true;
    QTest::newRow("byte 2 not examined") << "" << hexBytes("0607ff05") << stageRead << 5 << true;
    QTest::newRow("too short") << "" << hexBytes("060700") << ignored << -1 << true;
    QTest::newRow("other report") << "" << hexBytes("06080002") << ignored << -1 << true;
    QTest::newRow("other first byte") << "" << hexBytes("05070002") << ignored << -1 << true;
    QTest::newRow("nothing comes") << "" << QByteArray() << ignored << -1 << true;
    QTest::newRow("no path2") << "no path2" << QByteArray() << noHandle << -1 << false;
    QTest::newRow("interface missing") << "absent" << QByteArray() << noHandle << -1 << false;
    QTest::newRow("unplugged") << "unplugged" << QByteArray() << noHandle << -1 << false;
}

void TestHidNotify::readNotification()
{
    QFETCH(QString, setup);
    QFETCH(QByteArray, report);
    QFETCH(int, result);
    QFETCH(int, stage);
    QFETCH(bool, path2Kept);
    EmulatedMouse::Config config;
    config.notification.present = setup != "absent";
    SimRig rig(config);
    rig.backend.setNotificationWaitMs(1);
    if (setup == "no path2")
        rig.hid.entry(0)->path2.clear();
    if (setup == "unplugged")
        rig.mouse->unplug();
    if (!report.isEmpty())
        rig.mouse->queueNotification(report);
    const qint64 start = rig.clock.nowMs();

    quint8 got = 0xEE;
    QCOMPARE(int(rig.hid.readNotification(0, &got)), result);

    QCOMPARE(int(got), stage < 0 ? 0xEE : stage);
    QCOMPARE(rig.hid.entry(0)->path2.isEmpty(), !path2Kept);
    QCOMPARE(rig.hid.entry(0)->path.isEmpty(), false);
    QCOMPARE(rig.mouse->openHandles(Interface::Notification), 0);
    QCOMPARE(rig.backend.liveHandles(), 0);
    QCOMPARE(rig.clock.nowMs(), start);  // the monitor's waits never move the command clock
}

void TestHidNotify::readsBesideCommands()
{
    SimRig rig;
    rig.backend.setNotificationWaitMs(5);
    std::atomic<bool> running{true};
    QList<int> stages;
    QFuture<void> reader = QtConcurrent::run([&] {
        while (running) {
            quint8 stage = 0;
            if (rig.hid.readNotification(0, &stage) == NotifyRead::Stage)
                stages.append(stage);
        }
    });

    constexpr int Presses = 6;
    const QByteArray macro(128, '\x42');
    for (int i = 1; i <= Presses; ++i) {
        rig.mouse->pressDpiButton(quint8(i));
        rig.hid.hid553_13H_SetMacroKey(quint8(i), raw(macro));
        uchar dpi = 0;
        rig.hid.hid553_8BH_GetCurrentDPI(dpi);
        QCOMPARE(dpi, uchar(i));
    }
    QTRY_COMPARE_WITH_TIMEOUT(
        [&] {
            int seen = 0;
            for (const auto& frame : rig.mouse->frames())
                seen += frame.kind == EmulatedMouse::Frame::Kind::Notification;
            return seen;
        }(),
        Presses, 5000);
    running = false;
    reader.waitForFinished();

    QCOMPARE(stages, QList<int>({1, 2, 3, 4, 5, 6}));
    const MouseState state = rig.mouse->state();
    for (int i = 0; i < Presses; ++i)
        QCOMPARE(state.macros[i][0], quint8(0x42));
    QCOMPARE(rig.mouse->protocolErrors(), QStringList());
    QCOMPARE(rig.backend.liveHandles(), 0);
    QVERIFY(!rig.hid.entry(0)->path2.isEmpty());
}

QTEST_GUILESS_MAIN(TestHidNotify)
#include "tst_hidnotify.moc"
