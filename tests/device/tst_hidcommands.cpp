// Every command of both families against the emulated mouse: the block on the
// wire, what the mouse ends up holding, the pacing, and the failure lines.
#include "simrig.h"

#include <QtTest>

#include <functional>

using Family = EmulatedMouse::Family;
using HostCall = EmulatedMouse::HostCall;

namespace {

constexpr int Settle = 128;
constexpr int Short = 8;
constexpr int ReportGap = 120;

QByteArray byteList(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

QByteArray filled(int length, char first)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(first + i);
    return bytes;
}

const QByteArray Colors = filled(24, 0x40);
const QByteArray Macro = filled(128, 0x10);
const QByteArray Matrix = filled(64, 0x20);

struct SendCase
{
    const char* name;
    Family family;
    std::function<void(Hid_Thread&)> send;
    const char* block;  // plain block, hex
    int durationMs;     // virtual time the slot takes
    std::function<QByteArray(const MouseState&)> stored;
    const char* expected;  // what stored() yields, hex; empty: the data phase
};

const QList<SendCase>& sendCases()
{
    static const QList<SendCase> cases = {
        {"553 01 report rate", Family::F553, [](Hid_Thread& h) { h.hid553_01H_SetReportRate(3); },
         "01030000000000fb", Settle, [](const MouseState& s) { return bytesOf(s.reportRate); }, "0003000000"},
        {"553 02 key matrix number", Family::F553, [](Hid_Thread& h) { h.hid553_02H_SetCurrentKeyMatrix(2); },
         "02020000000000fb", Settle,
         [](const MouseState& s) { return QByteArray(1, char(s.currentKeyMatrix)); }, "02"},
        {"553 03 keyboard option", Family::F553,
         [](Hid_Thread& h) { h.hid553_03H_SetKeyboardoption(1, 2, 3, 0x40); }, "03010203400000b6", Short,
         [](const MouseState& s) { return bytesOf(s.keyboardOption); }, "01020340"},
        {"553 04 gun data", Family::F553, [](Hid_Thread& h) { h.hid553_04H_SetGunData(5, 0, 7, 1); },
         "04000500070100ee", Short,
         [](const MouseState& s) { return byteList({s.gun[1].times, s.gun[1].x, s.gun[1].y}); },
         "050007"},
        {"553 0B current DPI", Family::F553, [](Hid_Thread& h) { h.hid553_0BH_SetCurrentDPI(4); },
         "0b040000000000f0", Settle, [](const MouseState& s) { return bytesOf(s.currentDpi); }, "0004000000"},
        {"553 0C fixed colour", Family::F553,
         [](Hid_Thread& h) { const uchar c[3] = {0x10, 0x20, 0x30}; h.hid553_0CH_SetFixLEDColor(c); },
         "0c10203000000093", Settle, [](const MouseState& s) { return bytesOf(s.lighting.fixedColor); },
         "102030"},
        {"553 0D lighting effect", Family::F553, [](Hid_Thread& h) { h.hid553_0DH_SetRGBLedEffect(3, 1, 2); },
         "0d030102000000ec", Settle,
         [](const MouseState& s) {
             return byteList({s.lighting.effect, s.lighting.option1, s.lighting.option2});
         },
         "030102"},
        {"553 10 eight stage colours", Family::F553,
         [](Hid_Thread& h) { h.hid553_10H_SetLED8StageColor(0, raw(Colors)); }, "10001800000000d7",
         Settle + ReportGap + Settle, [](const MouseState& s) { return bytesOf(s.lighting.stageColors); }, ""},
        {"553 10 two stage colours", Family::F553,
         [](Hid_Thread& h) { h.hid553_10H_SetLED8StageColor(2, raw(Colors)); }, "10020400000000e9",
         Settle + ReportGap + Settle, [](const MouseState& s) { return bytesOf(s.lighting.stageColors).left(4); },
         "40414243"},
        {"553 11 DPI table", Family::F553,
         [](Hid_Thread& h) { h.hid553_11H_SetDPISet(3, raw(Colors)); }, "11030800000000e3",
         Settle + ReportGap + Settle,
         [](const MouseState& s) { return char(s.dpiStageCount) + bytesOf(s.dpiTable); }, "034041424344454647"},
        {"553 12 key matrix", Family::F553, [](Hid_Thread& h) { h.hid553_12H_SetKeyMatrix(raw(Matrix), 3); },
         "12034008000000a2", Settle + 2 * ReportGap + Settle,
         [](const MouseState& s) { return bytesOf(s.keyMatrix[2]); }, ""},
        {"553 13 macro", Family::F553, [](Hid_Thread& h) { h.hid553_13H_SetMacroKey(12, raw(Macro)); },
         "130c800000000060", Settle + 4 * ReportGap + Settle,
         [](const MouseState& s) { return bytesOf(s.macros[11]); }, ""},
        {"560 01 keyboard option", Family::F560, [](Hid_Thread& h) { h.hid560_01H_SetKeyboardoption(0x08, 2); },
         "01080200000000f4", Short, [](const MouseState& s) { return bytesOf(s.keyboardOption).left(2); },
         "0802"},
        {"560 02 current profile", Family::F560, [](Hid_Thread& h) { h.hid560_02H_SetCurrentProfile(3); },
         "02030000000000fa", Short, [](const MouseState& s) { return QByteArray(1, char(s.currentProfile)); },
         "03"},
        {"560 0C profile", Family::F560, [](Hid_Thread& h) { h.hid560_0CH_setProfile(raw(Macro), 4); },
         "0c0480000000006f", Settle + 4 * ReportGap + Settle,
         [](const MouseState& s) { return bytesOf(s.profiles[4]); }, ""},
        {"560 0D key matrix", Family::F560, [](Hid_Thread& h) { h.hid560_0DH_SetKeyMatrix(raw(Matrix), 1); },
         "0d01800000000071", Settle + 4 * ReportGap + Settle,
         [](const MouseState& s) { return bytesOf(s.keyMatrix[0]); }, ""},
        {"560 0F macro", Family::F560, [](Hid_Thread& h) { h.hid560_0FH_SetMacroKey(1, raw(Macro)); },
         "0f0180000000006f", Settle + 4 * ReportGap + Settle,
         [](const MouseState& s) { return bytesOf(s.macros[0]); }, ""},
    };
    return cases;
}

// The data each data command's stored() should yield when expected is empty.
QByteArray dataOf(const char* name)
{
    const QByteArray n(name);
    if (n.contains("colours"))
        return Colors;
    if (n.contains("key matrix"))
        return Matrix;
    return Macro;
}

struct BusyCase
{
    const char* failureLine;
    std::function<void(Hid_Thread&, std::array<uchar, 4>&, QByteArray&)> call;
};

const QList<BusyCase>& busyCases()
{
    using V = std::array<uchar, 4>;
    static const QList<BusyCase> cases = {
        {"cmd Failed 00", [](Hid_Thread& h, V& v, QByteArray&) { h.hid553_00H_GetSecrecyCode(v[0], v[1], v[2], v[3]); }},
        {"cmd Failed 83", [](Hid_Thread& h, V& v, QByteArray&) { h.hid553_83H_GetKeyboardoption(v[0], v[1], v[2], v[3]); }},
        {"cmd Failed 81", [](Hid_Thread& h, V& v, QByteArray&) { h.hid560_81H_GetKeyboardoption(v[0], v[1]); }},
        {"cmd Failed 82", [](Hid_Thread& h, V& v, QByteArray&) { h.hid560_82H_GetCurrentProfile(v[0]); }},
        {"cmd Failed 84", [](Hid_Thread& h, V& v, QByteArray&) { h.hid560_84H_GetCurrentDPI(v[0], v[1]); }},
        {"cmd Failed 8BH", [](Hid_Thread& h, V& v, QByteArray&) { h.hid553_8BH_GetCurrentDPI(v[0]); }},
        {"cmd Failed 03", [](Hid_Thread& h, V&, QByteArray&) { h.hid553_03H_SetKeyboardoption(1, 2, 3, 4); }},
        {"cmd Failed 04", [](Hid_Thread& h, V&, QByteArray&) { h.hid553_04H_SetGunData(1, 2, 3, 0); }},
        {"cmd Failed 01", [](Hid_Thread& h, V&, QByteArray&) { h.hid560_01H_SetKeyboardoption(1, 2); }},
        {"cmd Failed 01", [](Hid_Thread& h, V&, QByteArray&) { h.hid553_01H_SetReportRate(1); }},
        {"cmd Failed 03", [](Hid_Thread& h, V&, QByteArray&) { h.hid560_03H_SetReportRate(1); }},
        {"cmd Failed 04", [](Hid_Thread& h, V&, QByteArray&) { h.hid560_04H_SetCurrentDPI(1); }},
        {"cmd Failed 0B", [](Hid_Thread& h, V&, QByteArray&) { h.hid553_0BH_SetCurrentDPI(1); }},
        {"cmd Failed 12", [](Hid_Thread& h, V&, QByteArray& b) { h.hid553_12H_SetKeyMatrix(raw(b), 1); }},
        {"cmd Failed 0D", [](Hid_Thread& h, V&, QByteArray& b) { h.hid560_0DH_SetKeyMatrix(raw(b), 1); }},
        {"cmd Failed 0C", [](Hid_Thread& h, V&, QByteArray& b) { h.hid560_0CH_setProfile(raw(b), 1); }},
        {"cmd Failed 8c", [](Hid_Thread& h, V&, QByteArray& b) { h.hid560_8CH_readProfile(reinterpret_cast<uchar*>(b.data()), 1); }},
        {"cmd Failed 02", [](Hid_Thread& h, V&, QByteArray&) { h.hid560_02H_SetCurrentProfile(1); }},
        {"cmd Failed 13", [](Hid_Thread& h, V&, QByteArray& b) { h.hid553_13H_SetMacroKey(1, raw(b)); }},
        {"cmd Failed 0F", [](Hid_Thread& h, V&, QByteArray& b) { h.hid560_0FH_SetMacroKey(1, raw(b)); }},
        {"cmd Failed 11", [](Hid_Thread& h, V&, QByteArray& b) { h.hid553_11H_SetDPISet(1, raw(b)); }},
        {"cmd Failed 02", [](Hid_Thread& h, V&, QByteArray&) { h.hid553_02H_SetCurrentKeyMatrix(1); }},
        {"cmd Failed 0D", [](Hid_Thread& h, V&, QByteArray&) { h.hid553_0DH_SetRGBLedEffect(1, 2, 3); }},
        {"cmd Failed 0C", [](Hid_Thread& h, V&, QByteArray& b) { h.hid553_0CH_SetFixLEDColor(raw(b)); }},
        {"cmd Failed 10", [](Hid_Thread& h, V&, QByteArray& b) { h.hid553_10H_SetLED8StageColor(0, raw(b)); }},
    };
    return cases;
}

} // namespace

class TestHidCommands : public QObject
{
    Q_OBJECT

private slots:
    void sendReachesDevice_data();
    void sendReachesDevice();
    void gettersReadDevice_data();
    void gettersReadDevice();
    void perProfileCommands_data();
    void perProfileCommands();
    void perProfileFailedPassDoesNotStopLaterOnes();
    void perProfileHoldsChannelBetweenPasses();
    void busyChannel_data();
    void busyChannel();
};

void TestHidCommands::sendReachesDevice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("scrambled");
    for (int i = 0; i < sendCases().size(); ++i) {
        QTest::addRow("%s, plain", sendCases()[i].name) << i << false;
        QTest::addRow("%s, scrambled", sendCases()[i].name) << i << true;
    }
}

void TestHidCommands::sendReachesDevice()
{
    QFETCH(int, index);
    QFETCH(bool, scrambled);
    const SendCase& c = sendCases()[index];
    EmulatedMouse::Config config;
    config.family = c.family;
    config.scrambled = scrambled;
    config.secrecyCode = "k7K7k7";
    SimRig rig(config);
    QVERIFY(rig.handshake());
    rig.mouse->clearRecords();
    const qint64 start = rig.clock.nowMs();

    c.send(rig.hid);

    QCOMPARE(rig.mouse->sentBlocks(), QList<QByteArray>({hexBytes(c.block)}));
    QCOMPARE(rig.clock.nowMs() - start, c.durationMs);
    const QByteArray expected = *c.expected ? hexBytes(c.expected) : dataOf(c.name);
    QCOMPARE(c.stored(rig.mouse->state()), expected);
    QCOMPARE(rig.mouse->protocolErrors(), QStringList());
    QVERIFY(!rig.hid.hidBusy);
}

void TestHidCommands::gettersReadDevice_data()
{
    QTest::addColumn<QString>("getter");
    QTest::addColumn<bool>("scrambled");
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("values");
    const struct { const char* getter; const char* block; const char* values; } rows[] = {
        {"83", "830000000000007c", "a1b2c3d4"},
        {"8B", "8b00000000000074", "06"},
        {"81", "810000000000007e", "a1b2"},
        {"82", "820000000000007d", "02"},
        {"84", "8403000000000078", "0309"},  // asks for profile 3, gets its stage back
    };
    for (const auto& row : rows)
        for (bool scrambled : {false, true})
            QTest::addRow("%s%s", row.getter, scrambled ? ", scrambled" : "")
                << row.getter << scrambled << hexBytes(row.block) << hexBytes(row.values);
}

void TestHidCommands::gettersReadDevice()
{
    QFETCH(QString, getter);
    QFETCH(bool, scrambled);
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, values);
    EmulatedMouse::Config config;
    config.scrambled = scrambled;
    SimRig rig(config);
    QVERIFY(rig.handshake());
    MouseState state;
    state.keyboardOption = {0xA1, 0xB2, 0xC3, 0xD4};
    state.currentProfile = 2;
    state.currentDpi = {1, 2, 6, 9, 4};
    rig.mouse->setState(state);
    rig.mouse->clearRecords();

    std::array<uchar, 4> v = {3, 0x55, 0x55, 0x55};
    const qint64 start = rig.clock.nowMs();
    runGetter(rig.hid, getter, v);

    QCOMPARE(rig.mouse->sentBlocks(), QList<QByteArray>({block}));
    QCOMPARE(toBytes(v.data(), int(values.size())), values);
    QCOMPARE(rig.clock.nowMs(), start);  // queries are not paced
    QCOMPARE(rig.mouse->protocolErrors(), QStringList());
}

void TestHidCommands::perProfileCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("gun");
    for (int command : {3, 4})
        for (bool gun : {false, true})
            QTest::addRow("%02X, %s", command, gun ? "gun" : "no gun") << command << gun;
}

void TestHidCommands::perProfileCommands()
{
    QFETCH(int, command);
    QFETCH(bool, gun);
    SimRig rig(SimRig::config560());
    rig.gun = gun;
    const qint64 start = rig.clock.nowMs();

    if (command == 3)
        rig.hid.hid560_03H_SetReportRate(7);
    else
        rig.hid.hid560_04H_SetCurrentDPI(7);

    const int passes = gun ? 1 : 4;
    QList<QByteArray> expected;
    for (int profile = 1; profile <= passes; ++profile) {
        MouseCodec::Block block{quint8(command), quint8(profile), 7};
        MouseCodec::seal(block);
        expected.append(QByteArray(reinterpret_cast<const char*>(block.data()), 8));
    }
    QCOMPARE(rig.mouse->sentBlocks(), expected);
    const MouseState state = rig.mouse->state();
    const auto& perProfile = command == 3 ? state.reportRate : state.currentDpi;
    for (int profile = 0; profile < MouseState::ProfileCount; ++profile)
        QCOMPARE(perProfile[profile], quint8(profile >= 1 && profile <= passes ? 7 : 0));
    QCOMPARE(rig.clock.nowMs() - start, passes * Settle);
    QCOMPARE(rig.mouse->protocolErrors(), QStringList());
    QVERIFY(!rig.hid.hidBusy);
}

void TestHidCommands::perProfileFailedPassDoesNotStopLaterOnes()
{
    SimRig rig(SimRig::config560());
    rig.mouse->failNext(HostCall::SendFeature, 1);

    rig.hid.hid560_03H_SetReportRate(5);

    QCOMPARE(bytesOf(rig.mouse->state().reportRate), hexBytes("0005000505"));
    QCOMPARE(rig.mouse->sentBlocks().size(), 3);
    QVERIFY(!rig.hid.hidBusy);
}

void TestHidCommands::perProfileHoldsChannelBetweenPasses()
{
    SimRig rig(SimRig::config560());
    bool posted = false;
    // After the first pass, queue a command that runs while the second pass
    // processes events.
    rig.hid.setIsGunSource([&] {
        if (!posted) {
            posted = true;
            QMetaObject::invokeMethod(&rig.hid, [&] { rig.hid.hid560_02H_SetCurrentProfile(4); },
                                      Qt::QueuedConnection);
        }
        return false;
    });
    QTest::ignoreMessage(QtDebugMsg, "cmd Failed 02");

    rig.hid.hid560_04H_SetCurrentDPI(6);

    const QList<QByteArray> blocks = rig.mouse->sentBlocks();
    QCOMPARE(blocks.size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(blocks[i].left(3), byteList({4, i + 1, 6}));
    const MouseState state = rig.mouse->state();
    QCOMPARE(bytesOf(state.currentDpi), hexBytes("0006060606"));
    QCOMPARE(state.currentProfile, quint8(1));
    QVERIFY(!rig.hid.hidBusy);
}

void TestHidCommands::busyChannel_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < busyCases().size(); ++i)
        QTest::addRow("%d: %s", i, busyCases()[i].failureLine) << i;
}

void TestHidCommands::busyChannel()
{
    QFETCH(int, index);
    const BusyCase& c = busyCases()[index];
    SimRig rig;
    rig.hid.hidBusy = true;
    std::array<uchar, 4> values = {9, 8, 7, 6};
    QByteArray buffer(128, '\x33');
    const QByteArray bufferBefore = buffer;
    const qint64 start = rig.clock.nowMs();
    QTest::ignoreMessage(QtDebugMsg, c.failureLine);

    c.call(rig.hid, values, buffer);

    QCOMPARE(rig.clock.nowMs() - start, 255 * 8);
    QCOMPARE(rig.mouse->openCount(EmulatedMouse::Interface::Command), 0);
    QVERIFY(rig.mouse->frames().isEmpty());
    const std::array<uchar, 4> untouched = {9, 8, 7, 6};
    QCOMPARE(values, untouched);
    QCOMPARE(buffer, bufferBefore);
}

QTEST_GUILESS_MAIN(TestHidCommands)
#include "tst_hidcommands.moc"
