// Exchanges against the emulated mouse in virtual time when something goes
// wrong: failed writes, a reentrant command, open failures, the handshake,
// bad report lengths and the profile read.
#include "simrig.h"

#include <QtTest>


using Family = EmulatedMouse::Family;
using HostCall = EmulatedMouse::HostCall;
using Interface = EmulatedMouse::Interface;

namespace {

constexpr int Settle = 128;
constexpr int ReportGap = 120;
constexpr int BusyGiveUpMs = 255 * 8;
constexpr int NoFault = -1;
constexpr int AbsentDevice = -2;

} // namespace

class TestHidExchange : public QObject
{
    Q_OBJECT

private slots:
    void failedWriteEndsExchange();
    void reentrantCommandGivesUp();
    void openFailureEmptiesPath_data();
    void openFailureEmptiesPath();
    void handshake_data();
    void handshake();
    void handshakeWhileBusy();
    void handshakeKeepsCodeOfWrongLength();
    void badReportLength_data();
    void badReportLength();
    void readProfile_data();
    void readProfile();
};

void TestHidExchange::failedWriteEndsExchange()
{
    SimRig rig;
    const QByteArray macro = ramp(128, 3);
    rig.mouse->failNext(HostCall::Write, 1);
    const qint64 start = rig.clock.nowMs();

    rig.hid.hid553_13H_SetMacroKey(1, raw(macro));

    QCOMPARE(rig.mouse->dataReports().size(), 1);
    QCOMPARE(rig.clock.nowMs() - start, Settle + ReportGap);  // no more reports, no settle
    QCOMPARE(bytesOf(rig.mouse->state().macros[0]), QByteArray(128, '\0'));
    QCOMPARE(rig.backend.liveHandles(), 0);
    QVERIFY(!rig.hid.hidBusy);

    // The device notices the broken data phase when the next command comes.
    rig.hid.hid553_0BH_SetCurrentDPI(3);
    QCOMPARE(rig.mouse->state().currentDpi[1], quint8(3));
    QCOMPARE(rig.mouse->protocolErrors().size(), 1);
}

void TestHidExchange::reentrantCommandGivesUp()
{
    SimRig rig;
    const qint64 start = rig.clock.nowMs();
    bool nestedRan = false;
    // Runs while the first command processes events at the start of its send.
    QMetaObject::invokeMethod(
        &rig.hid,
        [&] {
            nestedRan = true;
            rig.hid.hid553_0BH_SetCurrentDPI(5);
        },
        Qt::QueuedConnection);
    QTest::ignoreMessage(QtDebugMsg, "cmd Failed 0B");

    rig.hid.hid553_01H_SetReportRate(2);

    QVERIFY(nestedRan);
    const QList<EmulatedMouse::Frame> frames = rig.mouse->frames();
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames[0].block, hexBytes("01020000000000fc"));
    QCOMPARE(frames[0].timeMs - start, BusyGiveUpMs);
    QCOMPARE(rig.clock.sleeps().mid(0, 255), QList<int>(255, 8));
    const MouseState state = rig.mouse->state();
    QCOMPARE(state.reportRate[1], quint8(2));
    QCOMPARE(state.currentDpi[1], quint8(0));
    QVERIFY(!rig.hid.hidBusy);
}

void TestHidExchange::openFailureEmptiesPath_data()
{
    QTest::addColumn<int>("failingOpen");
    QTest::newRow("presence check") << 0;
    QTest::newRow("reopen before the send") << 1;
}

void TestHidExchange::openFailureEmptiesPath()
{
    QFETCH(int, failingOpen);
    SimRig rig;
    rig.mouse->failNext(HostCall::OpenCommand, failingOpen);

    rig.hid.hid553_0BH_SetCurrentDPI(3);

    QVERIFY(rig.hid.entry(0)->path.isEmpty());
    QVERIFY(!rig.hid.entry(0)->path2.isEmpty());
    QVERIFY(rig.mouse->frames().isEmpty());
    QVERIFY(!rig.hid.hidBusy);
    const int opens = rig.mouse->openCount(Interface::Command);

    uchar dpi = 9;
    rig.hid.hid553_01H_SetReportRate(2);
    rig.hid.hid553_8BH_GetCurrentDPI(dpi);

    QCOMPARE(rig.mouse->openCount(Interface::Command), opens);
    QVERIFY(rig.mouse->frames().isEmpty());
    QCOMPARE(dpi, uchar(9));
    QCOMPARE(rig.mouse->state().reportRate[1], quint8(0));
    QCOMPARE(rig.backend.liveHandles(), 0);
}

void TestHidExchange::handshake_data()
{
    QTest::addColumn<bool>("deviceScrambled");
    QTest::addColumn<bool>("entryScrambled");
    QTest::addColumn<QString>("entryCode");
    QTest::addColumn<int>("answerMode");
    QTest::addColumn<bool>("answers");
    const int normal = int(EmulatedMouse::AnswerMode::Normal);
    QTest::newRow("plain") << false << false << "5A0C3E" << normal << true;
    QTest::newRow("scrambled, same code") << true << true << "5A0C3E" << normal << true;
    QTest::newRow("scrambled, other code") << true << true << "5A0C3F" << normal << false;
    QTest::newRow("scrambled device, plain entry") << true << false << "5A0C3E" << normal << false;
    QTest::newRow("no answer") << false << false << "5A0C3E" << int(EmulatedMouse::AnswerMode::Silent) << false;
    QTest::newRow("garbage") << true << true << "5A0C3E" << int(EmulatedMouse::AnswerMode::Garbage) << false;
}

void TestHidExchange::handshake()
{
    QFETCH(bool, deviceScrambled);
    QFETCH(bool, entryScrambled);
    QFETCH(QString, entryCode);
    QFETCH(int, answerMode);
    QFETCH(bool, answers);
    EmulatedMouse::Config config;
    config.scrambled = deviceScrambled;
    DeviceEntry entry = SimRig::entryFor(config);
    entry.isEncode = entryScrambled;
    entry.sCode = entryCode;
    SimRig rig(config, entry);
    rig.mouse->setAnswerMode(EmulatedMouse::AnswerMode(answerMode));
    rig.hid.currentDevice = 5;

    QCOMPARE(rig.hid.chkDeviceIsEnCode(0), answers);

    QCOMPARE(rig.hid.currentDevice, 0);
    QCOMPARE(Hid_Thread::SecrecyCode[0], uchar(0));
    QCOMPARE(bytesOf(Hid_Thread::SecrecyCode).mid(1, 6), entryCode.toLatin1());
    const QList<QByteArray> blocks = rig.mouse->sentBlocks();
    QCOMPARE(blocks.size(), 1);
    if (answers) {
        QCOMPARE(blocks[0].at(0), '\0');
        QCOMPARE(rig.mouse->protocolErrors(), QStringList());
        const QByteArray wire = rig.mouse->frames().at(0).bytes.mid(1);
        QCOMPARE(wire == blocks[0], !deviceScrambled);
    }
    QVERIFY(!rig.hid.hidBusy);
    QCOMPARE(rig.backend.liveHandles(), 0);
}

void TestHidExchange::handshakeWhileBusy()
{
    SimRig rig;
    rig.hid.hidBusy = true;
    const qint64 start = rig.clock.nowMs();
    QTest::ignoreMessage(QtDebugMsg, "cmd Failed 00");

    QVERIFY(rig.hid.chkDeviceIsEnCode(0));

    QCOMPARE(rig.clock.nowMs() - start, BusyGiveUpMs);
    QVERIFY(rig.mouse->frames().isEmpty());
    QCOMPARE(rig.mouse->openCount(Interface::Command), 0);
}

void TestHidExchange::handshakeKeepsCodeOfWrongLength()
{
    EmulatedMouse::Config config;
    config.scrambled = true;
    config.secrecyCode = "Q1W2E3";
    SimRig rig(config);
    QVERIFY(rig.handshake());

    for (const QString& code : {QString(), QStringLiteral("Q1W2E"), QStringLiteral("Q1W2E3X")}) {
        rig.hid.entry(0)->sCode = code;
        QVERIFY2(rig.handshake(), qPrintable(code));
        QCOMPARE(bytesOf(Hid_Thread::SecrecyCode).mid(1, 6), QByteArray("Q1W2E3"));
    }
    rig.hid.entry(0)->sCode = QStringLiteral("000000");
    QVERIFY(!rig.handshake());
}

void TestHidExchange::badReportLength_data()
{
    QTest::addColumn<int>("entryLength");
    QTest::addColumn<int>("usedLength");
    QTest::newRow("zero") << 0 << 32;
    QTest::newRow("one too many") << 129 << 32;
    QTest::newRow("smallest valid") << 1 << 1;
    QTest::newRow("largest valid") << 128 << 128;
}

void TestHidExchange::badReportLength()
{
    QFETCH(int, entryLength);
    QFETCH(int, usedLength);
    EmulatedMouse::Config config;
    config.reportLength = usedLength;
    DeviceEntry entry = SimRig::entryFor(config);
    entry.reportLength = entryLength;
    if (entryLength != usedLength)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("report length -?\\d+ is outside 1..128"));
    SimRig rig(config, entry);
    QCOMPARE(rig.hid.entry(0)->reportLength, usedLength);

    const QByteArray macro = ramp(128, 9);
    rig.hid.hid553_13H_SetMacroKey(7, raw(macro));

    const QList<EmulatedMouse::Frame> reports = rig.mouse->dataReports();
    QCOMPARE(reports.size(), (128 + usedLength - 1) / usedLength);
    QCOMPARE(reports.first().bytes.size(), usedLength + 1);
    QCOMPARE(bytesOf(rig.mouse->state().macros[6]), macro);
    QCOMPARE(rig.mouse->protocolErrors(), QStringList());

    // A length changed behind the list's back is still refused.
    rig.hid.entry(0)->reportLength = -1;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("report length -1 is outside"));
    rig.hid.hid553_13H_SetMacroKey(8, raw(macro));
    QCOMPARE(rig.mouse->dataReports().size(), reports.size() + 128 / 32);
}

void TestHidExchange::readProfile_data()
{
    QTest::addColumn<int>("reportLength");
    QTest::addColumn<int>("fault");  // NoFault, AbsentDevice or a Read fault kind
    QTest::addColumn<int>("failingRead");
    QTest::addColumn<int>("bytesRead");
    QTest::addColumn<int>("extraWaitMs");
    const int error = int(EmulatedMouse::Fault::Error);
    const int noAnswer = int(EmulatedMouse::Fault::NoAnswer);
    QTest::newRow("32-byte reports") << 32 << NoFault << 0 << 128 << 0;
    QTest::newRow("64-byte reports") << 64 << NoFault << 0 << 128 << 0;
    QTest::newRow("third read fails") << 32 << error << 2 << 64 << 0;
    QTest::newRow("first read fails") << 64 << error << 0 << 0 << 0;
    QTest::newRow("second report never comes") << 64 << noAnswer << 1 << 64 << 500;
    QTest::newRow("fourth report never comes") << 32 << noAnswer << 3 << 96 << 500;
    QTest::newRow("absent device") << 32 << AbsentDevice << 0 << 0 << 0;
}

void TestHidExchange::readProfile()
{
    QFETCH(int, reportLength);
    QFETCH(int, fault);
    QFETCH(int, failingRead);
    QFETCH(int, bytesRead);
    QFETCH(int, extraWaitMs);
    SimRig rig(SimRig::config(Family::F560, reportLength));
    MouseState state;
    const QByteArray onDevice = ramp(128, 77);
    std::copy(onDevice.begin(), onDevice.end(), state.profiles[3].begin());
    rig.mouse->setState(state);
    if (fault == AbsentDevice)
        rig.hid.entry(0)->path.clear();
    else if (fault != NoFault)
        rig.mouse->failNext(HostCall::Read, failingRead, EmulatedMouse::Fault(fault));
    QByteArray buffer(128, '\xEE');
    const qint64 start = rig.clock.nowMs();

    rig.hid.hid560_8CH_readProfile(reinterpret_cast<uchar*>(buffer.data()), 3);

    QCOMPARE(buffer, onDevice.left(bytesRead) + QByteArray(128 - bytesRead, '\xEE'));
    QCOMPARE(rig.clock.nowMs() - start, extraWaitMs);
    if (fault != AbsentDevice)
        QCOMPARE(rig.mouse->sentBlocks(), QList<QByteArray>({hexBytes("8c03000000000070")}));
    QVERIFY(!rig.hid.hidBusy);
    QCOMPARE(rig.backend.liveHandles(), 0);
}

QTEST_GUILESS_MAIN(TestHidExchange)
#include "tst_hidexchange.moc"
