// The emulated mouse on its own, driven with hand-made frames: it must judge
// the host as strictly as a real device would.
#include "simbackend.h"
#include "virtualclock.h"

#include <QtConcurrent>
#include <QtTest>

using Interface = EmulatedMouse::Interface;
using HostCall = EmulatedMouse::HostCall;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

const uchar* raw(const QByteArray& bytes)
{
    return reinterpret_cast<const uchar*>(bytes.constData());
}

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

struct Host
{
    VirtualClock clock;
    SimBackend backend{&clock};
    EmulatedMouse* mouse;

    explicit Host(const EmulatedMouse::Config& config = {}) : mouse(backend.addMouse(config)) {}

    int send(char kind, const QByteArray& bytes)
    {
        HidHandle* handle = backend.openPath(qPrintable(SimBackend::commandPath(0)));
        if (!handle)
            return -1;
        const int result = kind == 'F'
            ? backend.sendFeatureReport(handle, raw(bytes), size_t(bytes.size()))
            : backend.write(handle, raw(bytes), size_t(bytes.size()));
        backend.close(handle);
        return result;
    }

    QByteArray reply()
    {
        HidHandle* handle = backend.openPath(qPrintable(SimBackend::commandPath(0)));
        QByteArray report(9, '\0');
        const int got = backend.getFeatureReport(handle, reinterpret_cast<uchar*>(report.data()), 9);
        backend.close(handle);
        return got < 0 ? QByteArray() : report.left(got);
    }

    void run(const QList<Step>& steps)
    {
        for (const Step& step : steps) {
            clock.sleepMs(step.waitMs);
            send(step.kind, step.bytes);
        }
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestEmulatedMouse : public QObject
{
    Q_OBJECT

private slots:
    void pacing_data();
    void pacing();
    void framingErrors_data();
    void framingErrors();
    void scrambledExchange();
    void profileReadServedAsInputReports();
    void unplugAndReplug();
    void enumerate_data();
    void enumerate();
    void faultsAndAnswerModes();
    void notificationsWakeReaderAcrossThreads();
    void notificationSwitch();
    void virtualClockAcrossThreads();
};

void TestEmulatedMouse::pacing_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<int>("errors");
    const QByteArray rate = hex("0001020000000000fc");
    const QByteArray option = hex("0003010203400000b6");
    const QByteArray query = hex("008b00000000000074");
    const QByteArray dpiTable = hex("0011030800000000e3");  // 8 bytes: one report
    const QByteArray keyMatrix = hex("0012034008000000a2");  // 64 bytes: two reports
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
    Host host;
    host.run(steps);
    const QStringList found = host.mouse->protocolErrors();
    QVERIFY2(found.size() == errors, qPrintable(found.join('\n')));
    for (const QString& error : found)
        QVERIFY(error.contains("ms after the previous frame"));
}

void TestEmulatedMouse::framingErrors_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QString>("error");
    const QByteArray dpiTable = hex("0011030800000000e3");
    QTest::newRow("bad checksum") << QList<Step>{{0, 'F', hex("0001020000000000fd")}} << "bad checksum";
    QTest::newRow("unknown command") << QList<Step>{{0, 'F', hex("007700000000000088")}} << "unknown command";
    QTest::newRow("short feature report") << QList<Step>{{0, 'F', hex("000102000000fc")}} << "feature report of 7 bytes";
    QTest::newRow("report ID") << QList<Step>{{0, 'F', hex("0101020000000000fc")}} << "report ID 1";
    QTest::newRow("data without command") << QList<Step>{{0, 'D', dataReport(32, 1)}} << "without a command";
    QTest::newRow("data report size")
        << QList<Step>{{0, 'F', dpiTable}, {128, 'D', dataReport(64, 1)}} << "output report of 65 bytes";
    QTest::newRow("data phase cut off")
        << QList<Step>{{0, 'F', hex("0012034008000000a2")}, {128, 'D', dataReport(32, 1)},
                       {248, 'F', hex("008b00000000000074")}}
        << "before the data phase";
    QTest::newRow("macro slot 13")
        << QList<Step>{{0, 'F', hex("00130d80000000005f")}, {128, 'D', dataReport(32, 1)},
                       {120, 'D', dataReport(32, 1)}, {120, 'D', dataReport(32, 1)},
                       {120, 'D', dataReport(32, 1)}}
        << "macro 13 is outside 1..12";
    QTest::newRow("gun slot 3") << QList<Step>{{0, 'F', hex("0004000500070300ec")}} << "gun slot 3";
}

void TestEmulatedMouse::framingErrors()
{
    QFETCH(QList<Step>, steps);
    QFETCH(QString, error);
    Host host;
    const MouseState before = host.mouse->state();
    host.run(steps);
    const QStringList errors = host.mouse->protocolErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(error), qPrintable(errors[0]));
    const MouseState after = host.mouse->state();
    QCOMPARE(after.reportRate, before.reportRate);
    QCOMPARE(after.macros, before.macros);
    QCOMPARE(after.keyMatrix, before.keyMatrix);
}

void TestEmulatedMouse::scrambledExchange()
{
    EmulatedMouse::Config config;
    config.scrambled = true;
    Host host(config);

    // 01 02 (report rate 2) and the challenge 00 11 22 33 44, scrambled with 5A0C3E.
    QVERIFY(host.send('F', hex("0016034ea84f661eb6")) > 0);
    QCOMPARE(host.mouse->state().reportRate[1], quint8(2));
    host.clock.sleepMs(128);
    QVERIFY(host.send('F', hex("0018de06a8d76fa7c6")) > 0);
    QCOMPARE(host.reply(), hex("0018de06a8d76fa7c6"));  // the echo is its own block
    QCOMPARE(host.mouse->sentBlocks().last(), hex("0011223344000055"));
    QCOMPARE(host.mouse->protocolErrors(), QStringList());

    // The same bytes sent plain decode to garbage.
    host.clock.sleepMs(128);
    host.send('F', hex("0001020000000000fc"));
    QCOMPARE(host.mouse->protocolErrors().size(), 1);
}

void TestEmulatedMouse::profileReadServedAsInputReports()
{
    EmulatedMouse::Config config;
    config.family = EmulatedMouse::Family::F560;
    config.reportLength = 64;
    Host host(config);
    MouseState state;
    for (int i = 0; i < 128; ++i)
        state.profiles[2][i] = quint8(255 - i);
    host.mouse->setState(state);

    QVERIFY(host.send('F', hex("008c02000000000071")) > 0);
    HidHandle* handle = host.backend.openPath(qPrintable(SimBackend::commandPath(0)));
    QByteArray got;
    std::array<uchar, 65> buffer{};
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(host.backend.readTimeout(handle, buffer.data(), buffer.size(), 500), 64);
        got += QByteArray(reinterpret_cast<const char*>(buffer.data()), 64);
    }
    QCOMPARE(got, QByteArray(reinterpret_cast<const char*>(state.profiles[2].data()), 128));
    const qint64 before = host.clock.nowMs();
    QCOMPARE(host.backend.readTimeout(handle, buffer.data(), buffer.size(), 500), 0);
    QCOMPARE(host.clock.nowMs() - before, 500);
    host.backend.close(handle);
}

void TestEmulatedMouse::unplugAndReplug()
{
    Host host;
    HidHandle* command = host.backend.openPath(qPrintable(SimBackend::commandPath(0)));
    QVERIFY(command);
    host.mouse->unplug();

    const QByteArray rate = hex("0001020000000000fc");
    QCOMPARE(host.backend.sendFeatureReport(command, raw(rate), 9), -1);
    QVERIFY(host.backend.enumerate(0, 0).isEmpty());
    QVERIFY(!host.backend.openPath(qPrintable(SimBackend::commandPath(0))));

    host.mouse->replug();
    QCOMPARE(host.backend.sendFeatureReport(command, raw(rate), 9), -1);  // old handle stays dead
    QCOMPARE(host.backend.enumerate(0, 0).size(), 2);
    QVERIFY(host.send('F', rate) > 0);
    QCOMPARE(host.mouse->state().reportRate[1], quint8(2));
    host.backend.close(command);
    QCOMPARE(host.backend.liveHandles(), 0);
    QCOMPARE(host.mouse->openHandles(Interface::Command), 0);
}

void TestEmulatedMouse::enumerate_data()
{
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");
    QTest::addColumn<bool>("notifyPresent");
    QTest::addColumn<int>("found");
    QTest::newRow("wildcard") << 0 << 0 << true << 2;
    QTest::newRow("exact") << 0x04D9 << 0xA1EE << true << 2;
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
    Host host(config);
    const QList<HidDeviceInfo> list = host.backend.enumerate(quint16(vendorId), quint16(productId));
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
    QCOMPARE(host.backend.openPath(qPrintable(SimBackend::notificationPath(0))) != nullptr, notifyPresent);
}

void TestEmulatedMouse::faultsAndAnswerModes()
{
    Host host;
    const QByteArray challenge = hex("000011223344000055");
    host.mouse->failNext(HostCall::GetFeature);
    QVERIFY(host.send('F', challenge) > 0);
    QCOMPARE(host.reply(), QByteArray());              // the armed failure
    QCOMPARE(host.reply(), challenge);                 // once only

    host.mouse->setAnswerMode(EmulatedMouse::AnswerMode::Garbage);
    QVERIFY(host.send('F', challenge) > 0);
    const QByteArray garbage = host.reply();
    QCOMPARE(garbage.size(), 9);
    QVERIFY(garbage != challenge);

    host.mouse->setAnswerMode(EmulatedMouse::AnswerMode::Silent);
    QVERIFY(host.send('F', hex("0001020000000000fc")) > 0);
    QCOMPARE(host.reply(), QByteArray());
    QCOMPARE(host.mouse->state().reportRate[1], quint8(0));

    host.mouse->setAnswerMode(EmulatedMouse::AnswerMode::Normal);
    host.mouse->failNext(HostCall::OpenCommand, 1);
    QVERIFY(host.send('F', challenge) > 0);
    QCOMPARE(host.send('F', challenge), -1);
    QCOMPARE(host.mouse->protocolErrors(), QStringList());
}

void TestEmulatedMouse::notificationsWakeReaderAcrossThreads()
{
    Host host;
    host.backend.setNotificationWaitMs(10000);
    const auto readOnce = [&] {
        HidHandle* handle = host.backend.openPath(qPrintable(SimBackend::notificationPath(0)));
        std::array<uchar, 4> report{};
        const int got = host.backend.readTimeout(handle, report.data(), 4, 500);
        host.backend.close(handle);
        return got == 4 ? QByteArray(reinterpret_cast<const char*>(report.data()), 4)
                        : QByteArray::number(got);
    };

    QElapsedTimer timer;
    timer.start();
    QFuture<QByteArray> reader = QtConcurrent::run(readOnce);
    QThread::msleep(30);
    host.mouse->pressDpiButton(4);
    QCOMPARE(reader.result(), hex("06070004"));
    QCOMPARE(host.mouse->state().currentDpi[1], quint8(4));

    reader = QtConcurrent::run(readOnce);
    QThread::msleep(30);
    host.mouse->unplug();
    QCOMPARE(reader.result(), QByteArray("-1"));
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(host.backend.liveHandles(), 0);
}

void TestEmulatedMouse::notificationSwitch()
{
    Host host553;
    QVERIFY(!host553.mouse->notificationsEnabled());
    host553.send('F', hex("0003000000400000bc"));
    QVERIFY(host553.mouse->notificationsEnabled());

    EmulatedMouse::Config config;
    config.family = EmulatedMouse::Family::F560;
    Host host560(config);
    host560.send('F', hex("0001080000000000f6"));
    QVERIFY(host560.mouse->notificationsEnabled());
    QCOMPARE(host560.mouse->state().reportRate[1], quint8(0));  // 01 is not the rate here
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
