// The emulated mouse on its own, driven with hand-made frames: it must judge
// the host as strictly as a real device would.
#include "simrig.h"

#include <QtConcurrent>
#include <QtTest>

using Interface = EmulatedMouse::Interface;

namespace {

// One step of a scripted host: wait, then send a feature report ("F") or an
// output report ("D") with the given bytes.
struct Step
{
    int waitMs;
    char kind;
    QByteArray bytes;
};

QByteArray dataReport(int reportLength, char fill)
{
    return QByteArray(1, '\0') + QByteArray(reportLength, fill);
}

// The mouse driven by hand, past the Hid_Thread of the rig.
int send(SimRig& rig, char kind, const QByteArray& bytes)
{
    HidHandle* handle = rig.backend.openPath(qPrintable(SimBackend::commandPath(0)));
    if (!handle)
        return -1;
    const int result = kind == 'F' ? rig.backend.sendFeatureReport(handle, raw(bytes), size_t(bytes.size()))
                                   : rig.backend.write(handle, raw(bytes), size_t(bytes.size()));
    rig.backend.close(handle);
    return result;
}

void run(SimRig& rig, const QList<Step>& steps)
{
    for (const Step& step : steps) {
        rig.clock.sleepMs(step.waitMs);
        send(rig, step.kind, step.bytes);
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)
Q_DECLARE_METATYPE(EmulatedMouse::Family)

class TestEmulatedMouse : public QObject
{
    Q_OBJECT

private slots:
    void pacing_data();
    void pacing();
    void framingErrors_data();
    void framingErrors();
    void familyCommands_data();
    void familyCommands();
    void unplugAndReplug();
    void enumerate_data();
    void enumerate();
    void notificationsWakeReaderAcrossThreads();
    void notificationSwitch();
    void virtualClockAcrossThreads();
};

void TestEmulatedMouse::pacing_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<int>("errors");
    const QByteArray rate = hexBytes("0001020000000000fc");
    const QByteArray option = hexBytes("0003010203400000b6");
    const QByteArray query = hexBytes("008b00000000000074");
    const QByteArray dpiTable = hexBytes("0011030800000000e3");  // 8 bytes: one report
    const QByteArray keyMatrix = hexBytes("0012034008000000a2");  // 64 bytes: two reports
    const QByteArray report = dataReport(32, 'k');

    QTest::newRow("settle kept") << QList<Step>{{0, 'F', rate}, {128, 'F', rate}} << 0;
    QTest::newRow("settle cut short") << QList<Step>{{0, 'F', rate}, {127, 'F', rate}} << 1;
    QTest::newRow("8 ms kept") << QList<Step>{{0, 'F', option}, {8, 'F', rate}} << 0;
    QTest::newRow("8 ms cut short") << QList<Step>{{0, 'F', option}, {7, 'F', rate}} << 1;
    QTest::newRow("queries back to back") << QList<Step>{{0, 'F', query}, {0, 'F', query}} << 0;
    QTest::newRow("data phase kept")
        << QList<Step>{{0, 'F', keyMatrix}, {128, 'D', report}, {120, 'D', report}, {248, 'F', rate}} << 0;
    QTest::newRow("first report too early")
        << QList<Step>{{0, 'F', keyMatrix}, {100, 'D', report}, {120, 'D', report}} << 1;
    QTest::newRow("reports too close")
        << QList<Step>{{0, 'F', keyMatrix}, {128, 'D', report}, {119, 'D', report}} << 1;
    QTest::newRow("no settle after the data")
        << QList<Step>{{0, 'F', dpiTable}, {128, 'D', report}, {247, 'F', rate}} << 1;
}

void TestEmulatedMouse::pacing()
{
    QFETCH(QList<Step>, steps);
    QFETCH(int, errors);
    SimRig rig;
    run(rig, steps);
    const QStringList found = rig.mouse->protocolErrors();
    QVERIFY2(found.size() == errors, qPrintable(found.join('\n')));
    for (const QString& error : found)
        QVERIFY(error.contains("ms after the previous frame"));
}

void TestEmulatedMouse::framingErrors_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QString>("error");
    const QByteArray dpiTable = hexBytes("0011030800000000e3");
    QTest::newRow("bad checksum") << QList<Step>{{0, 'F', hexBytes("0001020000000000fd")}} << "bad checksum";
    QTest::newRow("unknown command") << QList<Step>{{0, 'F', hexBytes("007700000000000088")}} << "not one the 553";
    QTest::newRow("short feature report") << QList<Step>{{0, 'F', hexBytes("000102000000fc")}} << "feature report of 7 bytes";
    QTest::newRow("report ID") << QList<Step>{{0, 'F', hexBytes("0101020000000000fc")}} << "report ID 1";
    QTest::newRow("data without command") << QList<Step>{{0, 'D', dataReport(32, 1)}} << "without a command";
    QTest::newRow("data report size")
        << QList<Step>{{0, 'F', dpiTable}, {128, 'D', dataReport(64, 1)}} << "output report of 65 bytes";
    QTest::newRow("data phase cut off")
        << QList<Step>{{0, 'F', hexBytes("0012034008000000a2")}, {128, 'D', dataReport(32, 1)},
                       {248, 'F', hexBytes("008b00000000000074")}}
        << "before the data phase";
    QTest::newRow("macro slot 13")
        << QList<Step>{{0, 'F', hexBytes("00130d80000000005f")}, {128, 'D', dataReport(32, 1)},
                       {120, 'D', dataReport(32, 1)}, {120, 'D', dataReport(32, 1)},
                       {120, 'D', dataReport(32, 1)}}
        << "macro 13 is outside 1..12";
    QTest::newRow("gun slot 3") << QList<Step>{{0, 'F', hexBytes("0004000500070300ec")}} << "gun slot 3";
}

void TestEmulatedMouse::framingErrors()
{
    QFETCH(QList<Step>, steps);
    QFETCH(QString, error);
    SimRig rig;
    const MouseState before = rig.mouse->state();
    run(rig, steps);
    const QStringList errors = rig.mouse->protocolErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(error), qPrintable(errors[0]));
    const MouseState after = rig.mouse->state();
    QCOMPARE(after.reportRate, before.reportRate);
    QCOMPARE(after.macros, before.macros);
    QCOMPARE(after.keyMatrix, before.keyMatrix);
}

void TestEmulatedMouse::familyCommands_data()
{
    QTest::addColumn<EmulatedMouse::Family>("family");
    QTest::addColumn<QByteArray>("accepted");
    QTest::addColumn<QByteArray>("refused");
    // Besides its own, a 553 mouse is sent the profile reads and a 560 mouse
    // the handshake and the four keyboard-option bytes.
    QTest::newRow("553") << EmulatedMouse::Family::F553 << hexBytes("000102030b0c0d828b838c")
                         << hexBytes("0f8184");
    QTest::newRow("560") << EmulatedMouse::Family::F560 << hexBytes("0001020381828384")
                         << hexBytes("0b8b10111213");
}

void TestEmulatedMouse::familyCommands()
{
    QFETCH(EmulatedMouse::Family, family);
    QFETCH(QByteArray, accepted);
    QFETCH(QByteArray, refused);
    SimRig rig(SimRig::config(family));
    for (const char command : accepted + refused) {
        // Payload 1 names profile 1, a valid target for every family's command.
        MouseCodec::Block block{quint8(command), 1, 0, 0, 0, 0, 0, 0};
        MouseCodec::seal(block);
        rig.mouse->clearRecords();
        const MouseState before = rig.mouse->state();
        rig.clock.sleepMs(2000);
        send(rig, 'F', QByteArray(1, '\0') + bytesOf(block));
        const QStringList errors = rig.mouse->protocolErrors();
        if (accepted.contains(command)) {
            QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
            continue;
        }
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains("is not one the"), qPrintable(errors[0]));
        QCOMPARE(rig.mouse->state().dpiStageCount, before.dpiStageCount);
        QCOMPARE(rig.mouse->state().currentDpi, before.currentDpi);
    }
}

void TestEmulatedMouse::unplugAndReplug()
{
    SimRig rig;
    HidHandle* command = rig.backend.openPath(qPrintable(SimBackend::commandPath(0)));
    QVERIFY(command);
    rig.mouse->unplug();

    const QByteArray rate = hexBytes("0001020000000000fc");
    QCOMPARE(rig.backend.sendFeatureReport(command, raw(rate), 9), -1);
    QVERIFY(rig.backend.enumerate(0, 0).isEmpty());
    QVERIFY(!rig.backend.openPath(qPrintable(SimBackend::commandPath(0))));

    rig.mouse->replug();
    QCOMPARE(rig.backend.sendFeatureReport(command, raw(rate), 9), -1);  // old handle stays dead
    QCOMPARE(rig.backend.enumerate(0, 0).size(), 2);
    QVERIFY(send(rig, 'F', rate) > 0);
    QCOMPARE(rig.mouse->state().reportRate[1], quint8(2));
    rig.backend.close(command);
    QCOMPARE(rig.backend.liveHandles(), 0);
    QCOMPARE(rig.mouse->openHandles(Interface::Command), 0);
}

void TestEmulatedMouse::enumerate_data()
{
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");
    QTest::addColumn<bool>("notifyPresent");
    QTest::addColumn<int>("found");
    QTest::newRow("wildcard") << 0 << 0 << true << 2;
    QTest::newRow("vendor only") << 0x04D9 << 0 << true << 2;
    QTest::newRow("other product") << 0x04D9 << 0x8008 << true << 0;
    QTest::newRow("no notification interface") << 0 << 0 << false << 1;
}

void TestEmulatedMouse::enumerate()
{
    QFETCH(int, vendorId);
    QFETCH(int, productId);
    QFETCH(bool, notifyPresent);
    QFETCH(int, found);
    EmulatedMouse::Config config;
    config.notification.present = notifyPresent;
    SimRig rig(config);
    const QList<HidDeviceInfo> list = rig.backend.enumerate(quint16(vendorId), quint16(productId));
    QCOMPARE(list.size(), found);
    if (found == 0)
        return;
    QCOMPARE(list[0].path, SimBackend::commandPath(0));
    QCOMPARE(list[0].usagePage, quint16(0xFF00));
    QCOMPARE(list[0].usage, quint16(0xFF00));
    if (found == 2) {
        QCOMPARE(list[1].path, SimBackend::notificationPath(0));
        QCOMPARE(list[1].usagePage, quint16(0xFF01));
    }
    QCOMPARE(rig.backend.openPath(qPrintable(SimBackend::notificationPath(0))) != nullptr, notifyPresent);
}

void TestEmulatedMouse::notificationsWakeReaderAcrossThreads()
{
    SimRig rig;
    rig.backend.setNotificationWaitMs(10000);
    const auto readOnce = [&] {
        HidHandle* handle = rig.backend.openPath(qPrintable(SimBackend::notificationPath(0)));
        std::array<uchar, 4> report{};
        const int got = rig.backend.readTimeout(handle, report.data(), 4, 500);
        rig.backend.close(handle);
        return got == 4 ? QByteArray(reinterpret_cast<const char*>(report.data()), 4)
                        : QByteArray::number(got);
    };

    QElapsedTimer timer;
    timer.start();
    QFuture<QByteArray> reader = QtConcurrent::run(readOnce);
    QThread::msleep(30);
    rig.mouse->pressDpiButton(4);
    QCOMPARE(reader.result(), hexBytes("06070004"));
    QCOMPARE(rig.mouse->state().currentDpi[1], quint8(4));

    reader = QtConcurrent::run(readOnce);
    QThread::msleep(30);
    rig.mouse->unplug();
    QCOMPARE(reader.result(), QByteArray("-1"));
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(rig.backend.liveHandles(), 0);
}

void TestEmulatedMouse::notificationSwitch()
{
    SimRig rig553;
    QVERIFY(!rig553.mouse->notificationsEnabled());
    send(rig553, 'F', hexBytes("0003000000400000bc"));
    QVERIFY(rig553.mouse->notificationsEnabled());

    SimRig rig560(SimRig::config(EmulatedMouse::Family::F560));
    send(rig560, 'F', hexBytes("0001080000000000f6"));
    QVERIFY(rig560.mouse->notificationsEnabled());
    QCOMPARE(rig560.mouse->state().reportRate[1], quint8(0));  // 01 is not the rate here
}

void TestEmulatedMouse::virtualClockAcrossThreads()
{
    VirtualClock clock;
    const auto sleeper = [&] {
        for (int i = 0; i < 1000; ++i)
            clock.sleepMs(2);
    };
    QFuture<void> a = QtConcurrent::run(sleeper);
    QFuture<void> b = QtConcurrent::run(sleeper);
    a.waitForFinished();
    b.waitForFinished();
    QCOMPARE(clock.nowMs(), 4000);
    QCOMPARE(clock.sleeps().size(), 2000);

    VirtualClock real(VirtualClock::Mode::RealTime);
    const qint64 start = real.nowMs();
    real.sleepMs(20);
    QVERIFY(real.nowMs() - start >= 20);
    QVERIFY(real.sleeps().isEmpty());
}

QTEST_GUILESS_MAIN(TestEmulatedMouse)
#include "tst_emulatedmouse.moc"
