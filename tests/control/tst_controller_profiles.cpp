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

RigOptions options(ControllerFamily family, bool gun)
{
    RigOptions o;
    o.family = family;
    o.gun = gun;
    return o;
}

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
    void readsWithoutDevice();
    void keyboardOptionsRoundTrip();
    void macroSlots_data();
    void macroSlots();
    void macroPayloadBounds_data();
    void macroPayloadBounds();
    void gunSlotsOn560_data();
    void gunSlotsOn560();
    void gunYNegationOn553_data();
    void gunYNegationOn553();
    void gunRefusals();
    void pointerFailureLines();
};

void TestControllerProfiles::readAndSendProfileImages()
{
    ControllerRig rig(options(ControllerFamily::Hid560, true));
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
    ControllerRig rig(options(ControllerFamily::Hid560, true));
    QVERIFY(rig.isValid());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^mouseReadProfile: no profile image 5"));
    rig.controller().mouseReadProfile(5);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^mouseSetProfile: no profile image 4294967295"));
    rig.controller().mouseSetProfile(uint(-1));
    QVERIFY(rig.blocks().isEmpty());
}

void TestControllerProfiles::readsWithoutDevice()
{
    ControllerRig rig(options(ControllerFamily::Hid560, false));
    QVERIFY(rig.isValid());
    MouseState start = rig.state();
    start.currentProfile = 3;
    start.keyboardOption = {1, 2, 3, 4};
    rig.mouse().setState(start);
    rig.mouse().unplug();

    QCOMPARE(rig.controller().mouseReadCurrentProfile(), QVariant(0));
    QCOMPARE(rig.controller().GetKeyboardoption(), variantList({0, 0, 0, 0}));
}

void TestControllerProfiles::keyboardOptionsRoundTrip()
{
    ControllerRig rig553(options(ControllerFamily::Hid553, false));
    QVERIFY(rig553.isValid());
    rig553.controller().mouseSetKeyboardoption(0x11, 0x22, 0x33, 0x44);
    QCOMPARE(rig553.controller().GetKeyboardoption(), variantList({0x11, 0x22, 0x33, 0x44}));

    // The 560 family is addressed with the same four-byte commands.
    ControllerRig rig560(options(ControllerFamily::Hid560, false));
    QVERIFY(rig560.isValid());
    MouseState start = rig560.state();
    start.keyboardOption = {5, 6, 7, 8};
    rig560.mouse().setState(start);
    QCOMPARE(rig560.controller().GetKeyboardoption(), variantList({5, 6, 7, 8}));
    rig560.controller().mouseSetKeyboardoption(0x11, 0x22, 0x33, 0x44);
    QCOMPARE(rig560.blocks().last().left(5), QByteArray::fromHex("0311223344"));
    QCOMPARE(rig560.controller().mouseReadCurrentProfile(), QVariant(1));
}

void TestControllerProfiles::macroSlots_data()
{
    QTest::addColumn<ControllerFamily>("family");
    QTest::addColumn<QVariant>("index");
    QTest::addColumn<int>("macroId");   // 0: nothing sent
    QTest::newRow("553 index 0") << ControllerFamily::Hid553 << QVariant(0) << 1;
    QTest::newRow("553 index 11") << ControllerFamily::Hid553 << QVariant(11) << 12;
    QTest::newRow("560 index 11 as text") << ControllerFamily::Hid560 << QVariant("11") << 12;
    QTest::newRow("553 index 12") << ControllerFamily::Hid553 << QVariant(12) << 0;
    QTest::newRow("560 index 256 has low byte 0") << ControllerFamily::Hid560 << QVariant(256) << 1;
    QTest::newRow("553 negative index") << ControllerFamily::Hid553 << QVariant(-1) << 0;
    QTest::newRow("553 no number") << ControllerFamily::Hid553 << QVariant("one") << 0;
}

void TestControllerProfiles::macroSlots()
{
    QFETCH(ControllerFamily, family);
    QFETCH(QVariant, index);
    QFETCH(int, macroId);
    ControllerRig rig(options(family, false));
    QVERIFY(rig.isValid());
    if (macroId == 0)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^mouseSendMacroData: no macro slot"));

    const QVariantList macro = {0, 1, 5, 4, 0x81, 4, 0, 0};
    QCOMPARE(rig.controller().mouseSendMacroData(macro, index), QVariant(true));

    if (macroId == 0) {
        QVERIFY(rig.blocks().isEmpty());
        return;
    }
    const quint8 command = family == ControllerFamily::Hid560 ? MacroCommand560 : MacroCommand553;
    QCOMPARE(rig.commands(), QByteArray(1, char(command)));
    const MouseState state = rig.state();
    const auto& stored = state.macros[std::size_t(macroId - 1)];
    QCOMPARE(ControllerRig::bytes(stored, 0, 10), QList<int>({0, 1, 5, 4, 0x81, 4, 0, 0, 0, 0}));
    QCOMPARE(int(stored[127]), 0);
}

void TestControllerProfiles::macroPayloadBounds_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("sent");
    QTest::newRow("header only") << 2 << true;
    QTest::newRow("full block") << 128 << true;
    QTest::newRow("one too many") << 129 << false;
    QTest::newRow("editor's worst case") << 130 << false;
}

void TestControllerProfiles::macroPayloadBounds()
{
    QFETCH(int, size);
    QFETCH(bool, sent);
    ControllerRig rig(options(ControllerFamily::Hid553, false));
    QVERIFY(rig.isValid());
    if (!sent)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^mouseSendMacroData: payload of \\d+ bytes exceeds 128"));

    QCOMPARE(rig.controller().mouseSendMacroData(payload(size), 2), QVariant(true));

    QCOMPARE(rig.blocks().size(), sent ? 1 : 0);
    const MouseState state = rig.state();
    const auto& stored = state.macros[2];
    QCOMPARE(int(stored[0]), sent ? 1 : 0);
    QCOMPARE(int(stored[127]), size == 128 ? 128 : 0);
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
    ControllerRig rig(options(ControllerFamily::Hid560, true));
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
    ControllerRig rig(options(ControllerFamily::Hid553, true));
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
    ControllerRig noGun(options(ControllerFamily::Hid553, false));
    QVERIFY(noGun.isValid());
    noGun.controller().mouseSendGundata(1, {9, 3, 5});
    QVERIFY(noGun.blocks().isEmpty());

    // Slot 0 would land in the everyday profile; too few values are no gun.
    ControllerRig rig(options(ControllerFamily::Hid560, true));
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
    ControllerRig rig(options(ControllerFamily::Hid553, false));
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
