// Key assignment against the emulated mouse of either family.
#include "controllerrig.h"

#include "store/keycatalogue.h"

#include <QTest>

using Entries = QList<QList<int>>;

namespace {

constexpr quint8 SetKeyMatrix553 = 0x12;
constexpr quint8 SetKeyMatrix560 = 0x0D;
constexpr quint8 SelectMatrixOrProfile = 0x02;

// Sixteen mouse-button entries (left, right, middle, back, forward, ...).
QVariantList plainButtons()
{
    QVariantList src64;
    for (int button = 0; button < 16; ++button)
        src64 << 0 << 0 << (0xF0 + button % 5) << 0;
    return src64;
}

void setButton(QVariantList& src64, int button, std::initializer_list<int> entry)
{
    int field = 0;
    for (int value : entry)
        src64[button * 4 + field++] = value;
}

// A recognisable base matrix for the gun modes: button n is [2, 0, 0x10 + n, 0].
void storeBaseMatrix(SettingsStore& store)
{
    for (int button = 0; button < 16; ++button)
        store.setDataList(SettingKey::fwKeyMatrixKey(button), variantList({2, 0, 0x10 + button, 0}));
}


// Entry `button` of the device's key matrices 1..4.
Entries entryInEveryMatrix(const MouseState& state, int button)
{
    Entries entries;
    for (const auto& matrix : state.keyMatrix)
        entries.append(ControllerRig::entry(matrix, button));
    return entries;
}

} // namespace

class TestControllerKeys : public QObject
{
    Q_OBJECT

private slots:
    void sixteenPlainButtonsGiveOneCommand_data();
    void sixteenPlainButtonsGiveOneCommand();
    void entryTranslation_data();
    void entryTranslation();
    void eighthButtonMirrorsSeventhOnDeviceOnly();
    void storingWithoutSending();
    void gunOnButton3_data();
    void gunOnButton3();
    void resetSendsBaseToGunModesOnly_data();
    void resetSendsBaseToGunModesOnly();
    void switchKeyMatrix();
};

void TestControllerKeys::sixteenPlainButtonsGiveOneCommand_data()
{
    QTest::addColumn<ControllerFamily>("family");
    QTest::addColumn<int>("command");
    QTest::newRow("553") << ControllerFamily::Hid553 << int(SetKeyMatrix553);
    QTest::newRow("560") << ControllerFamily::Hid560 << int(SetKeyMatrix560);
}

void TestControllerKeys::sixteenPlainButtonsGiveOneCommand()
{
    QFETCH(ControllerFamily, family);
    QFETCH(int, command);
    ControllerRig rig(RigOptions{family});
    QVERIFY(rig.isValid());

    rig.controller().mouseSetKeyMatrix(plainButtons(), true, variantList({0, 0, 0}));

    QCOMPARE(rig.commands(), QByteArray(1, char(command)));
    QCOMPARE(int(quint8(rig.blocks().at(0).at(1))), 1);
    const MouseState state = rig.state();
    for (int button = 0; button < 16; ++button) {
        const int source = button == 7 ? 6 : button;   // the eighth button mirrors the seventh
        QCOMPARE(ControllerRig::entry(state.keyMatrix[0], button), QList<int>({1, 0, 0xF0 + source % 5, 0}));
    }
}

void TestControllerKeys::entryTranslation_data()
{
    QTest::addColumn<ControllerFamily>("family");
    QTest::addColumn<QList<int>>("scene");
    QTest::addColumn<QList<int>>("device");

    const auto f553 = ControllerFamily::Hid553;
    const auto f560 = ControllerFamily::Hid560;
    QTest::newRow("double click") << f553 << QList<int>{0, 0xF0, 0x1E, 2} << QList<int>{10, 0xF0, 0x1E, 2};
    QTest::newRow("0x1E without count 2 is a button") << f553 << QList<int>{0, 0, 0x1E, 1} << QList<int>{1, 0, 0x1E, 1};
    QTest::newRow("fire") << f560 << QList<int>{1, 0x04, 20, 3} << QList<int>{10, 0x04, 20, 3};
    QTest::newRow("combination") << f553 << QList<int>{2, 0x01, 0x06, 0} << QList<int>{0, 0x01, 0x06, 0};
    QTest::newRow("media") << f560 << QList<int>{3, 0, 0xE9, 0x00} << QList<int>{3, 0, 0xE9, 0x00};
    QTest::newRow("macro slot 3 becomes 4") << f553 << QList<int>{4, 1, 3, 0} << QList<int>{9, 1, 4, 0};
    QTest::newRow("macro on 560") << f560 << QList<int>{4, 0, 0, 0} << QList<int>{9, 0, 1, 0};
    QTest::newRow("DPI function 2") << f553 << QList<int>{5, 0, 2, 0} << QList<int>{7, 0, 2, 0};
    QTest::newRow("DPI function 4, 560") << f560 << QList<int>{5, 0, 4, 0} << QList<int>{11, 0, 1, 1};
    QTest::newRow("DPI function 4, 553") << f553 << QList<int>{5, 0, 4, 0} << QList<int>{7, 0, 4, 1};
    QTest::newRow("Windows consumer 0x94") << f553 << QList<int>{6, 0, 0x94, 1} << QList<int>{3, 0, 0x94, 1};
    QTest::newRow("Windows consumer 0x23") << f560 << QList<int>{6, 0, 0x23, 2} << QList<int>{3, 0, 0x23, 2};
    QTest::newRow("Windows key") << f553 << QList<int>{6, 0x08, 0x07, 0} << QList<int>{0, 0x08, 0x07, 0};
    QTest::newRow("shortcut") << f553 << QList<int>{7, 0, 0xE0, 0x06} << QList<int>{0, 0, 0xE0, 0x06};
    QTest::newRow("no function") << f560 << QList<int>{0xFF, 0, 0, 0} << QList<int>{4, 0, 0, 0};
    QTest::newRow("unknown kind unchanged") << f553 << QList<int>{9, 1, 2, 3} << QList<int>{9, 1, 2, 3};
    QTest::newRow("numbers cut to a byte") << f553 << QList<int>{2, 0x101, -1, 0} << QList<int>{0, 1, 0xFF, 0};
}

void TestControllerKeys::entryTranslation()
{
    QFETCH(ControllerFamily, family);
    QFETCH(QList<int>, scene);
    QFETCH(QList<int>, device);
    ControllerRig rig(RigOptions{family});
    QVERIFY(rig.isValid());

    QVariantList src64 = plainButtons();
    setButton(src64, 2, {scene[0], scene[1], scene[2], scene[3]});
    rig.controller().mouseSetKeyMatrix(src64, true, {});

    QCOMPARE(ControllerRig::entry(rig.state().keyMatrix[0], 2), device);
}

void TestControllerKeys::eighthButtonMirrorsSeventhOnDeviceOnly()
{
    ControllerRig rig(RigOptions{ControllerFamily::Hid553});
    QVERIFY(rig.isValid());
    QVariantList src64 = plainButtons();
    setButton(src64, 6, {4, 0, 6, 0});        // macro
    setButton(src64, 7, {2, 0, 0x04, 0});     // key A
    rig.controller().mouseSetKeyMatrix(src64, true, {});

    const MouseState state = rig.state();
    QCOMPARE(ControllerRig::entry(state.keyMatrix[0], 6), QList<int>({9, 0, 7, 0}));
    QCOMPARE(ControllerRig::entry(state.keyMatrix[0], 7), QList<int>({9, 0, 7, 0}));
    QCOMPARE(rig.controller().mouseGetKeydefine(7, false), variantList({2, 0, 0x04, 0}));
    QCOMPARE(rig.controller().mouseGetKeydefine("6", false), variantList({4, 0, 6, 0}));
}

void TestControllerKeys::gunOnButton3_data()
{
    QTest::addColumn<ControllerFamily>("family");
    QTest::addColumn<QList<int>>("gunEntry");
    QTest::addColumn<QVariantList>("periods");
    QTest::addColumn<QByteArray>("commands");
    QTest::addColumn<QList<int>>("blockNumbers");
    QTest::addColumn<Entries>("button3");   // in the normal and the three gun-mode matrices
    QTest::addColumn<Entries>("button0");   // in the gun-mode matrices
    // The 560 family: profile image 0 first (its gun mask), then the four
    // matrices, and profile 1 is selected last.
    QTest::newRow("560") << ControllerFamily::Hid560 << QList<int>{8, 0, 2, 0} << variantList({9, 10, 91})
                         << QByteArray::fromHex("0c0d0d0d0d02") << QList<int>{0, 1, 2, 3, 4, 1}
                         << Entries{{8, 0, 1, 0}, {8, 0, 3, 0}, {8, 0, 0, 0}, {8, 0, 0, 0}}
                         << Entries{{11, 0, 9, 0}, {11, 1, 10, 0}, {11, 2, 91, 0}};
    // Periods arrive as text when the scene read them from a file; each is
    // sent as its low byte.
    QTest::newRow("553") << ControllerFamily::Hid553 << QList<int>{8, 0x55, 2, 0}
                         << QVariantList{QVariant("300"), 256, 91} << QByteArray::fromHex("1212121202")
                         << QList<int>{1, 2, 3, 4, 1}
                         << Entries{{8, 0, 1, 1}, {8, 0, 1, 2}, {8, 0, 1, 0}, {8, 0, 1, 0}}
                         << Entries{{11, 0, 44, 0}, {11, 1, 0, 0}, {11, 2, 91, 0}};
}

void TestControllerKeys::gunOnButton3()
{
    QFETCH(ControllerFamily, family);
    QFETCH(QList<int>, gunEntry);
    QFETCH(QVariantList, periods);
    QFETCH(QByteArray, commands);
    QFETCH(QList<int>, blockNumbers);
    QFETCH(Entries, button3);
    QFETCH(Entries, button0);
    ControllerRig rig(RigOptions{family, true});
    QVERIFY(rig.isValid());
    storeBaseMatrix(rig.store());
    QVariantList src64 = plainButtons();
    setButton(src64, 3, {gunEntry[0], gunEntry[1], gunEntry[2], gunEntry[3]});

    rig.controller().mouseSetKeyMatrix(src64, true, periods);

    QCOMPARE(rig.commands(), commands);
    QList<int> numbers;
    for (const QByteArray& block : rig.blocks())
        numbers.append(block.at(1));
    QCOMPARE(numbers, blockNumbers);
    const MouseState state = rig.state();
    QCOMPARE(entryInEveryMatrix(state, 3), button3);
    QCOMPARE(entryInEveryMatrix(state, 0).mid(1), button0);
    // Buttons without a gun keep the stored base in the gun modes.
    QCOMPARE(ControllerRig::entry(state.keyMatrix[2], 5), QList<int>({2, 0, 0x15, 0}));
    if (family == ControllerFamily::Hid560) {
        QCOMPARE(int(state.profiles[0][2]), 15);   // the gun mask of slot 2
        QCOMPARE(int(state.currentProfile), 1);
    } else {
        QCOMPARE(int(state.currentKeyMatrix), 1);
    }
}

void TestControllerKeys::resetSendsBaseToGunModesOnly_data()
{
    sixteenPlainButtonsGiveOneCommand_data();
}

void TestControllerKeys::resetSendsBaseToGunModesOnly()
{
    QFETCH(ControllerFamily, family);
    QFETCH(int, command);
    ControllerRig rig(RigOptions{family, true});
    QVERIFY(rig.isValid());
    storeBaseMatrix(rig.store());
    rig.controller().mouseResetKeyMatrix();

    QCOMPARE(rig.commands(), QByteArray(3, char(command)));
    const MouseState state = rig.state();
    QCOMPARE(ControllerRig::entry(state.keyMatrix[0], 4), QList<int>({0, 0, 0, 0}));
    for (int matrix = 1; matrix <= 3; ++matrix)
        QCOMPARE(ControllerRig::entry(state.keyMatrix[std::size_t(matrix)], 4), QList<int>({2, 0, 0x14, 0}));
}

void TestControllerKeys::switchKeyMatrix()
{
    ControllerRig rig553(RigOptions{ControllerFamily::Hid553});
    QVERIFY(rig553.isValid());
    rig553.controller().mouseSwitchKeyMatrix(1);
    QCOMPARE(int(rig553.state().currentKeyMatrix), 0);
    rig553.controller().mouseSwitchKeyMatrix(3);
    QCOMPARE(rig553.blocksOf(SelectMatrixOrProfile).size(), 2);
    QCOMPARE(int(rig553.blocksOf(SelectMatrixOrProfile).at(0).at(1)), 0);
    QCOMPARE(int(rig553.state().currentKeyMatrix), 2);

    ControllerRig rig560(RigOptions{ControllerFamily::Hid560});
    QVERIFY(rig560.isValid());
    rig560.controller().mouseSwitchKeyMatrix(3);
    QCOMPARE(int(rig560.state().currentProfile), 3);
    rig560.controller().mouseSwitchKeyMatrix(1);
    QCOMPARE(int(rig560.state().currentProfile), 1);
}

void TestControllerKeys::storingWithoutSending()
{
    ControllerRig rig(RigOptions{ControllerFamily::Hid560, true});
    QVERIFY(rig.isValid());
    QVariantList src64 = plainButtons();
    setButton(src64, 15, {8, 0, 2, 0});
    setButton(src64, 14, {1, 0x04, 300, 0});
    rig.controller().mouseSetKeyMatrix(src64, false, variantList({1, 2, 3}));

    QVERIFY(rig.blocks().isEmpty());
    QCOMPARE(int(rig.controller().profileImages()[0][2]), 0);
    QCOMPARE(rig.controller().mouseGetKeydefine(15, false), variantList({8, 0, 2, 0}));
    // Stored as the scene gave them; only the device gets bytes.
    QCOMPARE(rig.controller().mouseGetKeydefine(14, false), variantList({1, 0x04, 300, 0}));
    // Read back from the factory file: numbers arrive as text.
    const QVariantList factory = rig.controller().mouseGetKeydefine(4, true);
    QCOMPARE(factory.size(), 4);
    QCOMPARE(factory.at(2).toInt(), 0x08);
    QVERIFY(rig.controller().mouseGetKeydefine(16, false).isEmpty());
}

QTEST_GUILESS_MAIN(TestControllerKeys)
#include "tst_controller_keys.moc"
