// Profile images, keyboard options, macro and gun payloads and the pointer
// slots' failure lines, against the emulated mouse.
#include "controllerrig.h"

#include <QRegularExpression>
#include <QTest>

namespace {

constexpr quint8 MacroCommand553 = 0x13;
constexpr quint8 MacroCommand560 = 0x0F;

constexpr int GunOptionsOffset = 65;
constexpr int GunBytesOffset = 78;

QVariantList payload(int size)
{
    QVariantList list;
    for (int i = 0; i < size; ++i)
        list.append(i + 1);
    return list;
}

} // namespace

class TestControllerProfiles : public QObject
{
    Q_OBJECT

private slots:
    void readAndSendProfileImages();
    void profileNumbersOutsideImagesAreRefused();
    void readsWithoutDevice_data();
    void readsWithoutDevice();
    void keyboardOptionsRoundTrip();
    void macroPayloads_data();
    void macroPayloads();
    void gunSlotsOn560_data();
    void gunSlotsOn560();
    void gunYNegationOn553_data();
    void gunYNegationOn553();
    void gunRefusals();
    void pointerFailureLines();
};

void TestControllerProfiles::readAndSendProfileImages()
{
    ControllerRig rig(RigOptions{ControllerFamily::Hid560, true});
    QVERIFY(rig.isValid());
    QVERIFY(std::all_of(rig.controller().profileImages()[3].begin(), rig.controller().profileImages()[3].end(),
                        [](quint8 b) { return b == 0; }));
    MouseState start = rig.state();
    start.profiles[3].fill(0x33);
    start.profiles[3][127] = 0x7F;
    rig.mouse().setState(start);

    rig.controller().mouseReadProfile(3);
    QCOMPARE(int(rig.controller().profileImages()[3][127]), 0x7F);
    QCOMPARE(int(rig.controller().profileImages()[3][0]), 0x33);

    // Sent back as another profile's block: the image keeps its own number.
    rig.controller().mouseSetProfile(3);
    QCOMPARE(rig.state().profiles[3], start.profiles[3]);
    QCOMPARE(int(rig.blocksOf(0x0C).last().at(1)), 3);
}

void TestControllerProfiles::profileNumbersOutsideImagesAreRefused()
{
    ControllerRig rig(RigOptions{ControllerFamily::Hid560, true});
    QVERIFY(rig.isValid());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^mouseReadProfile: no profile image 5"));
    rig.controller().mouseReadProfile(5);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^mouseSetProfile: no profile image 4294967295"));
    rig.controller().mouseSetProfile(uint(-1));
    QVERIFY(rig.blocks().isEmpty());
}

void TestControllerProfiles::readsWithoutDevice_data()
{
    QTest::addColumn<ControllerFamily>("family");
    QTest::newRow("553") << ControllerFamily::Hid553;
    QTest::newRow("560") << ControllerFamily::Hid560;
}

void TestControllerProfiles::readsWithoutDevice()
{
    QFETCH(ControllerFamily, family);
    ControllerRig rig(RigOptions{family});
    QVERIFY(rig.isValid());
    MouseState start = rig.state();
    start.currentProfile = 3;
    start.keyboardOption = {1, 2, 3, 4};
    start.currentDpi.fill(5);
    rig.mouse().setState(start);
    rig.mouse().unplug();

    QCOMPARE(rig.controller().mouseGetCurrentDPI(), QVariant(0));
    QCOMPARE(rig.controller().mouseReadCurrentProfile(), QVariant(0));
    QCOMPARE(rig.controller().GetKeyboardoption(), variantList({0, 0, 0, 0}));
}

void TestControllerProfiles::keyboardOptionsRoundTrip()
{
    ControllerRig rig553(RigOptions{ControllerFamily::Hid553});
    QVERIFY(rig553.isValid());
    rig553.controller().mouseSetKeyboardoption(0x11, 0x22, 0x33, 0x44);
    QCOMPARE(rig553.controller().GetKeyboardoption(), variantList({0x11, 0x22, 0x33, 0x44}));

    // The 560 family is addressed with the same four-byte commands.
    ControllerRig rig560(RigOptions{ControllerFamily::Hid560});
    QVERIFY(rig560.isValid());
    MouseState start = rig560.state();
    start.keyboardOption = {5, 6, 7, 8};
    rig560.mouse().setState(start);
    QCOMPARE(rig560.controller().GetKeyboardoption(), variantList({5, 6, 7, 8}));
    // A 560 mouse reads 0x03 as its report rate for profile 0x11.
    rig560.expectProtocolErrors();
    rig560.controller().mouseSetKeyboardoption(0x11, 0x22, 0x33, 0x44);
    QCOMPARE(rig560.blocks().last().left(5), QByteArray::fromHex("0311223344"));
    QCOMPARE(rig560.controller().mouseReadCurrentProfile(), QVariant(1));
}

void TestControllerProfiles::macroPayloads_data()
{
    QTest::addColumn<ControllerFamily>("family");
    QTest::addColumn<QVariant>("index");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("macroId");   // 0: nothing sent
    QTest::addColumn<QString>("refusal");
    const auto f553 = ControllerFamily::Hid553;
    const auto f560 = ControllerFamily::Hid560;
    const QString noSlot = QStringLiteral("^mouseSendMacroData: no macro slot");
    const QString tooLong = QStringLiteral("^mouseSendMacroData: payload of \\d+ bytes exceeds 128");
    QTest::newRow("553 index 0") << f553 << QVariant(0) << 8 << 1 << QString();
    QTest::newRow("553 index 11") << f553 << QVariant(11) << 8 << 12 << QString();
    QTest::newRow("560 index 11 as text") << f560 << QVariant("11") << 8 << 12 << QString();
    QTest::newRow("560 index 256 has low byte 0") << f560 << QVariant(256) << 8 << 1 << QString();
    QTest::newRow("553 index 12") << f553 << QVariant(12) << 8 << 0 << noSlot;
    QTest::newRow("553 negative index") << f553 << QVariant(-1) << 8 << 0 << noSlot;
    QTest::newRow("553 no number") << f553 << QVariant("one") << 8 << 0 << noSlot;
    QTest::newRow("header only") << f553 << QVariant(2) << 2 << 3 << QString();
    QTest::newRow("full block") << f553 << QVariant(2) << 128 << 3 << QString();
    QTest::newRow("one too many") << f553 << QVariant(2) << 129 << 0 << tooLong;
    QTest::newRow("editor's worst case") << f553 << QVariant(2) << 130 << 0 << tooLong;
}

void TestControllerProfiles::macroPayloads()
{
    QFETCH(ControllerFamily, family);
    QFETCH(QVariant, index);
    QFETCH(int, size);
    QFETCH(int, macroId);
    QFETCH(QString, refusal);
    ControllerRig rig(RigOptions{family});
    QVERIFY(rig.isValid());
    if (!refusal.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(refusal));

    QCOMPARE(rig.controller().mouseSendMacroData(payload(size), index), QVariant(true));

    if (macroId == 0) {
        QVERIFY(rig.blocks().isEmpty());
        return;
    }
    const quint8 command = family == ControllerFamily::Hid560 ? MacroCommand560 : MacroCommand553;
    QCOMPARE(rig.commands(), QByteArray(1, char(command)));
    QByteArray expected;
    for (const QVariant& byte : payload(size))
        expected.append(char(byte.toInt()));
    QCOMPARE(bytesOf(rig.state().macros[std::size_t(macroId - 1)]), expected.leftJustified(128, '\0'));
}

void TestControllerProfiles::gunSlotsOn560_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("profile");
    QTest::newRow("slot 1") << 1 << 2;
    QTest::newRow("slot 3") << 3 << 4;
}

void TestControllerProfiles::gunSlotsOn560()
{
    QFETCH(int, slot);
    QFETCH(int, profile);
    ControllerRig rig(RigOptions{ControllerFamily::Hid560, true});
    QVERIFY(rig.isValid());
    MouseState start = rig.state();
    for (auto& block : start.profiles)
        block.fill(0xFF);
    rig.mouse().setState(start);
    for (uint p = 0; p <= 4; ++p)
        rig.controller().mouseReadProfile(p);
    rig.clearRecords();

    rig.controller().mouseSendGundata(slot, {"300", 7, -5});

    QCOMPARE(rig.blocksOf(0x0C).size(), 1);
    QCOMPARE(int(rig.blocksOf(0x0C).at(0).at(1)), profile);
    const MouseState state = rig.state();
    const auto& block = state.profiles[std::size_t(profile)];
    QCOMPARE(ControllerRig::bytes(block, GunBytesOffset, 4), QList<int>({0xF0, 44, 7, 0xFB}));
    QCOMPARE(int(block[GunOptionsOffset]), 0xFB);
    QCOMPARE(int(block[GunOptionsOffset + 1]), 0xFF);
}

void TestControllerProfiles::gunYNegationOn553_data()
{
    QTest::addColumn<int>("thirdOption");
    QTest::addColumn<bool>("optionReadFails");
    QTest::addColumn<int>("sentY");
    QTest::newRow("option clear") << 0 << false << 5;
    QTest::newRow("option set") << 1 << false << 0xFB;
    QTest::newRow("option read fails") << 1 << true << 5;
}

void TestControllerProfiles::gunYNegationOn553()
{
    QFETCH(int, thirdOption);
    QFETCH(bool, optionReadFails);
    QFETCH(int, sentY);
    ControllerRig rig(RigOptions{ControllerFamily::Hid553, true});
    QVERIFY(rig.isValid());
    MouseState start = rig.state();
    start.keyboardOption = {0, 0, quint8(thirdOption), 0};
    rig.mouse().setState(start);
    if (optionReadFails)
        rig.mouse().failNext(EmulatedMouse::HostCall::GetFeature);

    rig.controller().mouseSendGundata(2, {9, 3, 5});

    QCOMPARE(rig.commands(), QByteArray::fromHex("8304"));
    const MouseState state = rig.state();
    QCOMPARE(QList<int>({state.gun[1].times, state.gun[1].x, state.gun[1].y}), QList<int>({9, 3, sentY}));
    QCOMPARE(int(state.gun[0].times), 0);
}

void TestControllerProfiles::gunRefusals()
{
    ControllerRig noGun(RigOptions{ControllerFamily::Hid553});
    QVERIFY(noGun.isValid());
    noGun.controller().mouseSendGundata(1, {9, 3, 5});
    QVERIFY(noGun.blocks().isEmpty());

    // Slot 0 would land in the everyday profile; too few values are no gun.
    ControllerRig rig(RigOptions{ControllerFamily::Hid560, true});
    QVERIFY(rig.isValid());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^mouseSendGundata: refused slot 0"));
    rig.controller().mouseSendGundata(0, {9, 3, 5});
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^mouseSendGundata: refused slot 2 with 2 values"));
    rig.controller().mouseSendGundata(2, {9, 3});
    QVERIFY(rig.blocks().isEmpty());
    QCOMPARE(int(rig.controller().profileImages()[1][GunBytesOffset]), 0);
}

void TestControllerProfiles::pointerFailureLines()
{
    ControllerRig rig(RigOptions{ControllerFamily::Hid553});
    QVERIFY(rig.isValid());
    // Values no desktop takes: speed 22 is past the scale, index 13 a negative time.
    QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
    rig.controller().mouseSetCursorSpeed(11);
    QTest::ignoreMessage(QtDebugMsg, "setDoubleClickSpeed Failed");
    rig.controller().mouseSetDoubleClickSpeed(13);
#ifndef Q_OS_WIN
    // The Linux desktop has no lines-per-notch setting.
    QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed");
    rig.controller().mouseSetVerticalScrollLines(3);
#endif
    QVERIFY(rig.blocks().isEmpty());
}

QTEST_GUILESS_MAIN(TestControllerProfiles)
#include "tst_controller_profiles.moc"
