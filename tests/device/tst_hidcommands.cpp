// Every slot of both families against the emulated mouse: the blocks on the
// wire, what the mouse ends up holding or the getter returns, the pacing,
// the failure lines and what a caller gets back when the mouse stays silent.
#include "simrig.h"

#include <QtTest>

#include <functional>

using Family = EmulatedMouse::Family;
using HostCall = EmulatedMouse::HostCall;
using Values = std::array<uchar, 4>;

namespace {

constexpr int Settle = 128;
constexpr int Short = 8;
constexpr int ReportGap = 120;
constexpr int BusyGiveUpMs = 255 * 8;

// The data phase source of every slot that takes one.
const QByteArray Data = ramp(128, 0x10);
const Values CallerValues = {3, 0x55, 0x55, 0x55};

QByteArray byteList(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

// The state every row starts from; what the getters read.
MouseState presetState()
{
    MouseState state;
    state.keyboardOption = {0xA1, 0xB2, 0xC3, 0xD4};
    state.currentProfile = 2;
    state.currentDpi = {1, 2, 6, 9, 4};
    state.profiles[1].fill(0x5A);
    return state;
}

struct Slot
{
    const char* name;
    Family family;
    std::function<void(Hid_Thread&, Values&, QByteArray&)> call;
    const char* failureLine;  // logged when the channel stays busy
    const char* blocks;       // the plain blocks the mouse receives, hex, space-separated
    int durationMs;           // virtual time the slot takes
    // What the mouse holds afterwards, or what a getter handed back.
    std::function<QByteArray(const MouseState&, const Values&, const QByteArray&)> result;
    const char* expected;       // result(), hex; empty: the data phase source
    const char* silentValues;   // getters: what the caller gets when no reply comes
};

QByteArray valuesOf(const Values& v, int count)
{
    return bytesOf(v).left(count);
}

const QList<Slot>& everySlot()
{
    using S = const MouseState&;
    using V = const Values&;
    using B = const QByteArray&;
    static const QList<Slot> table = {
        {"553 00 handshake", Family::F553,
         [](Hid_Thread& h, Values& v, QByteArray&) { h.hid553_00H_GetSecrecyCode(v[0], v[1], v[2], v[3]); },
         "cmd Failed 00", "00035555550000fd", 0, [](S, V v, B) { return valuesOf(v, 4); }, "03555555",
         "00000000"},
        {"553 83 keyboard option", Family::F553,
         [](Hid_Thread& h, Values& v, QByteArray&) { h.hid553_83H_GetKeyboardoption(v[0], v[1], v[2], v[3]); },
         "cmd Failed 83", "830000000000007c", 0, [](S, V v, B) { return valuesOf(v, 4); }, "a1b2c3d4",
         "03555555"},
        {"553 8B current DPI", Family::F553,
         [](Hid_Thread& h, Values& v, QByteArray&) { h.hid553_8BH_GetCurrentDPI(v[0]); }, "cmd Failed 8BH",
         "8b00000000000074", 0, [](S, V v, B) { return valuesOf(v, 1); }, "06", "03"},
        {"560 81 keyboard option", Family::F560,
         [](Hid_Thread& h, Values& v, QByteArray&) { h.hid560_81H_GetKeyboardoption(v[0], v[1]); },
         "cmd Failed 81", "810000000000007e", 0, [](S, V v, B) { return valuesOf(v, 2); }, "a1b2", "0355"},
        {"560 82 current profile", Family::F560,
         [](Hid_Thread& h, Values& v, QByteArray&) { h.hid560_82H_GetCurrentProfile(v[0]); }, "cmd Failed 82",
         "820000000000007d", 0, [](S, V v, B) { return valuesOf(v, 1); }, "02", "03"},
        // Asks for profile 3 and gets its stage back.
        {"560 84 current DPI", Family::F560,
         [](Hid_Thread& h, Values& v, QByteArray&) { h.hid560_84H_GetCurrentDPI(v[0], v[1]); }, "cmd Failed 84",
         "8403000000000078", 0, [](S, V v, B) { return valuesOf(v, 2); }, "0309", "0355"},
        {"560 8C read profile", Family::F560,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid560_8CH_readProfile(reinterpret_cast<uchar*>(b.data()), 1); },
         "cmd Failed 8c", "8c01000000000072", 0, [](S, V, B b) { return b.left(4); }, "5a5a5a5a", nullptr},
        {"553 01 report rate", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid553_01H_SetReportRate(3); }, "cmd Failed 01",
         "01030000000000fb", Settle, [](S s, V, B) { return bytesOf(s.reportRate); }, "0000030000", nullptr},
        {"553 02 key matrix number", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid553_02H_SetCurrentKeyMatrix(2); }, "cmd Failed 02",
         "02020000000000fb", Settle, [](S s, V, B) { return byteList({s.currentKeyMatrix}); }, "02", nullptr},
        {"553 03 keyboard option", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid553_03H_SetKeyboardoption(1, 2, 3, 0x40); },
         "cmd Failed 03", "03010203400000b6", Short, [](S s, V, B) { return bytesOf(s.keyboardOption); },
         "01020340", nullptr},
        {"553 04 gun data", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid553_04H_SetGunData(5, 0, 7, 1); }, "cmd Failed 04",
         "04000500070100ee", Short, [](S s, V, B) { return byteList({s.gun[1].times, s.gun[1].x, s.gun[1].y}); },
         "050007", nullptr},
        {"553 0B current DPI", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid553_0BH_SetCurrentDPI(4); }, "cmd Failed 0B",
         "0b040000000000f0", Settle, [](S s, V, B) { return bytesOf(s.currentDpi); }, "0102040904", nullptr},
        {"553 0C fixed colour", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid553_0CH_SetFixLEDColor(raw(b)); }, "cmd Failed 0C",
         "0c101112000000c0", Settle, [](S s, V, B) { return bytesOf(s.lighting.fixedColor); }, "101112", nullptr},
        {"553 0D lighting effect", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid553_0DH_SetRGBLedEffect(3, 1, 2); }, "cmd Failed 0D",
         "0d030102000000ec", Settle,
         [](S s, V, B) { return byteList({s.lighting.effect, s.lighting.option1, s.lighting.option2}); }, "030102",
         nullptr},
        {"553 10 eight stage colours", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid553_10H_SetLED8StageColor(0, raw(b)); }, "cmd Failed 10",
         "10001800000000d7", Settle + ReportGap + Settle, [](S s, V, B) { return bytesOf(s.lighting.stageColors); },
         "", nullptr},
        {"553 10 two stage colours", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid553_10H_SetLED8StageColor(2, raw(b)); }, "cmd Failed 10",
         "10020400000000e9", Settle + ReportGap + Settle,
         [](S s, V, B) { return bytesOf(s.lighting.stageColors).left(4); }, "10111213", nullptr},
        {"553 11 DPI table", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid553_11H_SetDPISet(3, raw(b)); }, "cmd Failed 11",
         "11030800000000e3", Settle + ReportGap + Settle,
         [](S s, V, B) { return char(s.dpiStageCount) + bytesOf(s.dpiTable); }, "031011121314151617", nullptr},
        {"553 12 key matrix", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid553_12H_SetKeyMatrix(raw(b), 3); }, "cmd Failed 12",
         "12034008000000a2", Settle + 2 * ReportGap + Settle, [](S s, V, B) { return bytesOf(s.keyMatrix[2]); }, "",
         nullptr},
        {"553 13 macro", Family::F553,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid553_13H_SetMacroKey(12, raw(b)); }, "cmd Failed 13",
         "130c800000000060", Settle + 4 * ReportGap + Settle, [](S s, V, B) { return bytesOf(s.macros[11]); }, "",
         nullptr},
        {"560 01 keyboard option", Family::F560,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid560_01H_SetKeyboardoption(0x08, 2); }, "cmd Failed 01",
         "01080200000000f4", Short, [](S s, V, B) { return bytesOf(s.keyboardOption).left(2); }, "0802", nullptr},
        {"560 02 current profile", Family::F560,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid560_02H_SetCurrentProfile(3); }, "cmd Failed 02",
         "02030000000000fa", Short, [](S s, V, B) { return byteList({s.currentProfile}); }, "03", nullptr},
        // Without gun mode the value goes to profiles 1 to 4, one pass each.
        {"560 03 report rate", Family::F560,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid560_03H_SetReportRate(7); }, "cmd Failed 03",
         "03010700000000f4 03020700000000f3 03030700000000f2 03040700000000f1", 4 * Settle,
         [](S s, V, B) { return bytesOf(s.reportRate); }, "0007070707", nullptr},
        {"560 04 current DPI", Family::F560,
         [](Hid_Thread& h, Values&, QByteArray&) { h.hid560_04H_SetCurrentDPI(7); }, "cmd Failed 04",
         "04010700000000f3 04020700000000f2 04030700000000f1 04040700000000f0", 4 * Settle,
         [](S s, V, B) { return bytesOf(s.currentDpi); }, "0107070707", nullptr},
        {"560 0C profile", Family::F560,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid560_0CH_setProfile(raw(b), 4); }, "cmd Failed 0C",
         "0c0480000000006f", Settle + 4 * ReportGap + Settle, [](S s, V, B) { return bytesOf(s.profiles[4]); }, "",
         nullptr},
        {"560 0D key matrix", Family::F560,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid560_0DH_SetKeyMatrix(raw(b), 1); }, "cmd Failed 0D",
         "0d01800000000071", Settle + 4 * ReportGap + Settle,
         [](S s, V, B) { return bytesOf(s.keyMatrix[0]); }, "", nullptr},
        {"560 0F macro", Family::F560,
         [](Hid_Thread& h, Values&, QByteArray& b) { h.hid560_0FH_SetMacroKey(1, raw(b)); }, "cmd Failed 0F",
         "0f0180000000006f", Settle + 4 * ReportGap + Settle, [](S s, V, B) { return bytesOf(s.macros[0]); }, "",
         nullptr},
    };
    return table;
}

int slotNamed(const char* name)
{
    for (int i = 0; i < everySlot().size(); ++i)
        if (qstrcmp(everySlot()[i].name, name) == 0)
            return i;
    qFatal("no slot named %s", name);
}

QList<QByteArray> blockList(const char* text)
{
    QList<QByteArray> blocks;
    for (const QByteArray& hex : QByteArray(text).split(' '))
        blocks.append(QByteArray::fromHex(hex));
    return blocks;
}

} // namespace

class TestHidCommands : public QObject
{
    Q_OBJECT

private slots:
    void slotReachesDevice_data();
    void slotReachesDevice();
    void dataPhaseSplitsIntoReports_data();
    void dataPhaseSplitsIntoReports();
    void busyChannelRefusesSlot_data();
    void busyChannelRefusesSlot();
    void getterWithoutReplyKeepsPreset_data();
    void getterWithoutReplyKeepsPreset();
    void gunModeSendsToProfileOneOnly_data();
    void gunModeSendsToProfileOneOnly();
    void perProfileFailedPassDoesNotStopLaterOnes();
    void perProfileHoldsChannelBetweenPasses();
};

void TestHidCommands::slotReachesDevice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("scrambled");
    for (int i = 0; i < everySlot().size(); ++i) {
        QTest::addRow("%s, plain", everySlot()[i].name) << i << false;
        QTest::addRow("%s, scrambled", everySlot()[i].name) << i << true;
    }
}

void TestHidCommands::slotReachesDevice()
{
    QFETCH(int, index);
    QFETCH(bool, scrambled);
    const Slot& slot = everySlot()[index];
    EmulatedMouse::Config config = SimRig::config(slot.family);
    config.scrambled = scrambled;
    config.secrecyCode = "k7K7k7";
    SimRig rig(config);
    QVERIFY(rig.handshake());
    rig.mouse->setState(presetState());
    rig.mouse->clearRecords();
    Values values = CallerValues;
    QByteArray buffer = Data;
    const qint64 start = rig.clock.nowMs();

    slot.call(rig.hid, values, buffer);

    QCOMPARE(rig.mouse->sentBlocks(), blockList(slot.blocks));
    QCOMPARE(rig.clock.nowMs() - start, slot.durationMs);
    const QByteArray result = slot.result(rig.mouse->state(), values, buffer);
    QCOMPARE(result, *slot.expected ? hexBytes(slot.expected) : Data.left(result.size()));
    QCOMPARE(rig.mouse->protocolErrors(), QStringList());
    QVERIFY(!rig.hid.hidBusy);
    QCOMPARE(rig.backend.liveHandles(), 0);
}

void TestHidCommands::dataPhaseSplitsIntoReports_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("reportLength");
    QTest::addColumn<int>("reports");
    QTest::addColumn<int>("sourceLength");
    QTest::addColumn<int>("wireLength");
    const struct { const char* slot; int reportLength; int reports; int source; int wire; } rows[] = {
        {"553 11 DPI table", 64, 1, 8, 8},     {"553 12 key matrix", 32, 2, 64, 64},
        {"553 13 macro", 64, 2, 128, 128},     {"553 10 two stage colours", 32, 1, 4, 4},
        {"560 0D key matrix", 32, 4, 64, 128},
    };
    for (const auto& row : rows)
        QTest::addRow("%s, %d-byte reports", row.slot, row.reportLength)
            << slotNamed(row.slot) << row.reportLength << row.reports << row.source << row.wire;
}

void TestHidCommands::dataPhaseSplitsIntoReports()
{
    QFETCH(int, index);
    QFETCH(int, reportLength);
    QFETCH(int, reports);
    QFETCH(int, sourceLength);
    QFETCH(int, wireLength);
    const Slot& slot = everySlot()[index];
    SimRig rig(SimRig::config(slot.family, reportLength));
    Values values = CallerValues;
    QByteArray buffer = Data;

    slot.call(rig.hid, values, buffer);

    const QList<EmulatedMouse::Frame> frames = rig.mouse->frames();
    QCOMPARE(frames.size(), 1 + reports);
    QCOMPARE(frames[0].kind, EmulatedMouse::Frame::Kind::FeatureOut);
    QCOMPARE(frames[0].timeMs, 0);
    const int chunk = std::min(wireLength, reportLength);
    QByteArray carried;
    for (int i = 0; i < reports; ++i) {
        const EmulatedMouse::Frame& report = frames[1 + i];
        QCOMPARE(report.kind, EmulatedMouse::Frame::Kind::DataOut);
        QCOMPARE(report.bytes.size(), reportLength + 1);
        QCOMPARE(report.bytes.at(0), '\0');
        QCOMPARE(report.timeMs, Settle + i * ReportGap);
        carried += report.bytes.mid(1, chunk);
        const QByteArray padding = report.bytes.mid(1 + chunk);
        QCOMPARE(padding, QByteArray(padding.size(), '\0'));
    }
    QCOMPARE(carried, Data.left(sourceLength) + QByteArray(wireLength - sourceLength, '\0'));
    QCOMPARE(rig.clock.nowMs(), Settle + reports * ReportGap + Settle);
    // The settle pause is taken as two sleeps.
    QCOMPARE(rig.clock.sleeps().mid(0, 2), QList<int>({Settle / 2, Settle / 2}));
    // A presence check, then one open for the command and one per report.
    QCOMPARE(rig.mouse->openCount(EmulatedMouse::Interface::Command), 2 + reports);
    QCOMPARE(rig.mouse->protocolErrors(), QStringList());
}

void TestHidCommands::busyChannelRefusesSlot_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < everySlot().size(); ++i)
        QTest::addRow("%s", everySlot()[i].name) << i;
}

void TestHidCommands::busyChannelRefusesSlot()
{
    QFETCH(int, index);
    const Slot& slot = everySlot()[index];
    SimRig rig(SimRig::config(slot.family));
    rig.hid.hidBusy = true;
    Values values = CallerValues;
    QByteArray buffer = Data;
    const qint64 start = rig.clock.nowMs();
    QTest::ignoreMessage(QtDebugMsg, slot.failureLine);

    slot.call(rig.hid, values, buffer);

    QCOMPARE(rig.clock.nowMs() - start, BusyGiveUpMs);
    QCOMPARE(rig.mouse->openCount(EmulatedMouse::Interface::Command), 0);
    QVERIFY(rig.mouse->frames().isEmpty());
    QCOMPARE(values, CallerValues);
    QCOMPARE(buffer, Data);
}

void TestHidCommands::getterWithoutReplyKeepsPreset_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < everySlot().size(); ++i) {
        if (everySlot()[i].silentValues)
            QTest::addRow("%s", everySlot()[i].name) << i;
    }
}

void TestHidCommands::getterWithoutReplyKeepsPreset()
{
    QFETCH(int, index);
    const Slot& slot = everySlot()[index];
    SimRig rig(SimRig::config(slot.family));
    rig.mouse->setState(presetState());
    rig.mouse->setAnswerMode(EmulatedMouse::AnswerMode::Silent);
    Values values = CallerValues;
    QByteArray buffer = Data;

    slot.call(rig.hid, values, buffer);

    QCOMPARE(slot.result(rig.mouse->state(), values, buffer), hexBytes(slot.silentValues));
    QVERIFY(!rig.hid.hidBusy);
    QCOMPARE(rig.backend.liveHandles(), 0);
}

void TestHidCommands::gunModeSendsToProfileOneOnly_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("03 report rate") << 3;
    QTest::newRow("04 current DPI") << 4;
}

void TestHidCommands::gunModeSendsToProfileOneOnly()
{
    QFETCH(int, command);
    SimRig rig(SimRig::config(Family::F560));
    rig.gun = true;

    if (command == 3)
        rig.hid.hid560_03H_SetReportRate(7);
    else
        rig.hid.hid560_04H_SetCurrentDPI(7);

    QCOMPARE(rig.mouse->sentBlocks().size(), 1);
    QCOMPARE(rig.mouse->sentBlocks().at(0).left(3), byteList({command, 1, 7}));
    const MouseState state = rig.mouse->state();
    QCOMPARE(bytesOf(command == 3 ? state.reportRate : state.currentDpi), hexBytes("0007000000"));
    QCOMPARE(rig.clock.nowMs(), Settle);
    QVERIFY(!rig.hid.hidBusy);
}

void TestHidCommands::perProfileFailedPassDoesNotStopLaterOnes()
{
    SimRig rig(SimRig::config(Family::F560));
    rig.mouse->failNext(HostCall::SendFeature, 1);

    rig.hid.hid560_03H_SetReportRate(5);

    QCOMPARE(bytesOf(rig.mouse->state().reportRate), hexBytes("0005000505"));
    QCOMPARE(rig.mouse->sentBlocks().size(), 3);
    QVERIFY(!rig.hid.hidBusy);
}

void TestHidCommands::perProfileHoldsChannelBetweenPasses()
{
    SimRig rig(SimRig::config(Family::F560));
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

QTEST_GUILESS_MAIN(TestHidCommands)
#include "tst_hidcommands.moc"
