// DPI stages, report rate and lighting against the emulated mouse.
#include "controllerrig.h"

#include <QTest>

#include <functional>

namespace {

constexpr quint8 SetProfile560 = 0x0C;
constexpr quint8 FixedColour553 = 0x0C;

constexpr int LightOffset = 71;
constexpr int DpiHighX = 82;
constexpr int DpiHighY = 83;
constexpr int DpiCodesX = 84;
constexpr int DpiCodesY = 92;
constexpr int StageMaskOffset = 100;
constexpr int FullColourOffset = 24;
constexpr int SingleColourOffset = 104;

// Profile numbers of the 0x0C blocks the mouse received, in order.
QList<int> profilesSent(const ControllerRig& rig)
{
    QList<int> numbers;
    for (const QByteArray& block : rig.blocksOf(SetProfile560))
        numbers.append(block.at(1));
    return numbers;
}

QVariantList colours(int eighthRed)
{
    QVariantList list;
    for (int i = 0; i < 21; ++i)
        list.append(10 + i);
    list << eighthRed << 0 << 0;
    return list;
}

} // namespace

class TestControllerDpiLight : public QObject
{
    Q_OBJECT

private slots:
    void dpi553MarksUnusedStages();
    void dpi560PatchesImagesAndMask_data();
    void dpi560PatchesImagesAndMask();
    void lightingTriples_data();
    void lightingTriples();
    void lightingAfterDpiCarriesBoth();
    void colourRouting_data();
    void colourRouting();
    void currentStageAndRate();
    void commandsOfEachFamily_data();
    void commandsOfEachFamily();
};

void TestControllerDpiLight::dpi553MarksUnusedStages()
{
    ControllerRig rig(RigOptions{ControllerFamily::Hid553});
    QVERIFY(rig.isValid());
    // Stored values come back from the profile file as text.
    rig.controller().mouseSetDpi(3, "3360", {"400", "800", "1600", "3200", "400", "400", "400", "400"});

    const MouseState state = rig.state();
    QCOMPARE(int(state.dpiStageCount), 3);
    QCOMPARE(ControllerRig::bytes(state.dpiTable, 0, 8), QList<int>({3, 7, 15, 0x80, 0x80, 0x80, 0x80, 0x80}));
}

void TestControllerDpiLight::dpi560PatchesImagesAndMask_data()
{
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QList<int>>("profiles");
    QTest::addColumn<int>("highBits");
    QTest::newRow("no gun, 3389") << false << "3389" << QList<int>{1} << 0x05;
    QTest::newRow("gun, 3389") << true << "3389" << QList<int>{1, 2, 3, 4} << 0x05;
    QTest::newRow("no gun, 3360 leaves high bytes") << false << "3360" << QList<int>{1} << 0xAA;
}

void TestControllerDpiLight::dpi560PatchesImagesAndMask()
{
    QFETCH(bool, gun);
    QFETCH(QString, sensor);
    QFETCH(QList<int>, profiles);
    QFETCH(int, highBits);
    ControllerRig rig(RigOptions{ControllerFamily::Hid560, gun, true});
    QVERIFY(rig.isValid());
    // Start from the device's own blocks, as after connecting.
    MouseState start = rig.state();
    for (auto& profile : start.profiles) {
        profile.fill(0xAA);
    }
    rig.mouse().setState(start);
    for (uint p = 0; p <= 4; ++p)
        rig.controller().mouseReadProfile(p);
    rig.clearRecords();

    rig.controller().mouseSetDpi(3, sensor, {16000, 800, 13000});

    QCOMPARE(profilesSent(rig), profiles);
    const MouseState state = rig.state();
    const QList<int> codes = sensor == "3389" ? QList<int>{64, 16, 4, 0, 0, 0, 0, 0}
                                              : QList<int>{159, 7, 129, 0, 0, 0, 0, 0};
    for (int p : profiles) {
        QCOMPARE(ControllerRig::bytes(state.profiles[std::size_t(p)], DpiCodesX, 8), codes);
        QCOMPARE(ControllerRig::bytes(state.profiles[std::size_t(p)], DpiCodesY, 8), codes);
        QCOMPARE(int(state.profiles[std::size_t(p)][StageMaskOffset]), 0x07);
        QCOMPARE(int(state.profiles[std::size_t(p)][DpiHighX]), highBits);
        QCOMPARE(int(state.profiles[std::size_t(p)][DpiHighY]), highBits);
        // Bytes the operation does not own travel back as read.
        QCOMPARE(int(state.profiles[std::size_t(p)][0]), 0xAA);
    }
    if (!gun)
        QCOMPARE(int(state.profiles[2][DpiCodesX]), 0xAA);
}

void TestControllerDpiLight::lightingTriples_data()
{
    QTest::addColumn<ControllerFamily>("family");
    QTest::addColumn<bool>("colourful");
    QTest::addColumn<bool>("gun");
    QTest::addColumn<bool>("is55328");
    QTest::addColumn<QList<int>>("choice");   // effect, speed step, brightness step
    QTest::addColumn<QList<int>>("triple");

    const auto f553 = ControllerFamily::Hid553;
    const auto f560 = ControllerFamily::Hid560;
    QTest::newRow("full 553 vertical flipping") << f553 << true << false << false << QList<int>{8, 0, 4} << QList<int>{8, 255, 20};
    QTest::newRow("full 553 wave step out of range") << f553 << true << false << false << QList<int>{5, 5, 5} << QList<int>{5, 0, 0};
    QTest::newRow("full 553 unknown effect") << f553 << true << false << false << QList<int>{11, 1, 1} << QList<int>{0, 0, 0};
    QTest::newRow("full 560 spotlight") << f560 << true << false << false << QList<int>{10, 2, 3} << QList<int>{10, 192, 24};
    QTest::newRow("full 560 gun yo-yo") << f560 << true << true << false << QList<int>{9, 1, 2} << QList<int>{9, 128, 13};
    QTest::newRow("single 553 static") << f553 << false << false << false << QList<int>{0, 0, 4} << QList<int>{1, 10, 2};
    QTest::newRow("single 553 static 55328") << f553 << false << false << true << QList<int>{0, 0, 4} << QList<int>{1, 10, 1};
    QTest::newRow("single 553 breath loop 55328") << f553 << false << false << true << QList<int>{4, 2, 0} << QList<int>{2, 3, 3};
    QTest::newRow("single 553 off") << f553 << false << false << true << QList<int>{3, 2, 2} << QList<int>{0, 0, 0};
    QTest::newRow("single 560 no gun") << f560 << false << false << false << QList<int>{1, 4, 0} << QList<int>{2, 5, 3};
    QTest::newRow("single 560 gun") << f560 << false << true << false << QList<int>{1, 4, 0} << QList<int>{2, 5, 2};
}

void TestControllerDpiLight::lightingTriples()
{
    QFETCH(ControllerFamily, family);
    QFETCH(bool, colourful);
    QFETCH(bool, gun);
    QFETCH(bool, is55328);
    QFETCH(QList<int>, choice);
    QFETCH(QList<int>, triple);
    ControllerRig rig(RigOptions{family, gun, colourful, is55328});
    QVERIFY(rig.isValid());

    rig.controller().mouseSetRGBEffect(uchar(choice[0]), uchar(choice[1]), uchar(choice[2]));

    const MouseState state = rig.state();
    if (family == ControllerFamily::Hid553) {
        QCOMPARE(QList<int>({state.lighting.effect, state.lighting.option1, state.lighting.option2}), triple);
        return;
    }
    QCOMPARE(profilesSent(rig), gun ? QList<int>({1, 2, 3, 4}) : QList<int>({1}));
    QCOMPARE(ControllerRig::bytes(state.profiles[1], LightOffset, 3), triple);
    if (gun) {
        // The gun modes carry the same lighting, third byte included.
        for (std::size_t p = 2; p <= 4; ++p)
            QCOMPARE(ControllerRig::bytes(state.profiles[p], LightOffset, 3), triple);
    }
}

void TestControllerDpiLight::lightingAfterDpiCarriesBoth()
{
    ControllerRig rig(RigOptions{ControllerFamily::Hid560});
    QVERIFY(rig.isValid());
    rig.controller().mouseSetDpi(2, "3360", {400, 800});
    rig.controller().mouseSetRGBEffect(5, 0, 2);

    QCOMPARE(profilesSent(rig), QList<int>({1, 1}));
    const MouseState state = rig.state();
    QCOMPARE(ControllerRig::bytes(state.profiles[1], LightOffset, 3), QList<int>({5, 128, 10}));
    QCOMPARE(ControllerRig::bytes(state.profiles[1], DpiCodesX, 2), QList<int>({3, 7}));
    QCOMPARE(int(state.profiles[1][StageMaskOffset]), 0x03);
}

void TestControllerDpiLight::colourRouting_data()
{
    QTest::addColumn<ControllerFamily>("family");
    QTest::addColumn<bool>("colourful");
    QTest::addColumn<bool>("is55328");
    QTest::addColumn<int>("eighthRed");
    QTest::addColumn<QByteArray>("commands");
    QTest::newRow("560 full colour") << ControllerFamily::Hid560 << true << false << 0 << QByteArray("\x0c");
    QTest::newRow("560 single colour") << ControllerFamily::Hid560 << false << false << 0 << QByteArray("\x0c");
    QTest::newRow("553 55328 breath loop") << ControllerFamily::Hid553 << false << true << 200 << QByteArray("\x10");
    QTest::newRow("553 55328 fixed") << ControllerFamily::Hid553 << false << true << 0 << QByteArray("\x0c");
    QTest::newRow("553 twice") << ControllerFamily::Hid553 << true << false << 0 << QByteArray("\x10\x10");
}

void TestControllerDpiLight::colourRouting()
{
    QFETCH(ControllerFamily, family);
    QFETCH(bool, colourful);
    QFETCH(bool, is55328);
    QFETCH(int, eighthRed);
    QFETCH(QByteArray, commands);
    ControllerRig rig(RigOptions{family, false, colourful, is55328});
    QVERIFY(rig.isValid());
    const QVariantList src24 = colours(eighthRed);
    QList<int> expected;
    for (const QVariant& v : src24)
        expected.append(v.toInt());

    rig.controller().mouseSetRGBColor(colourful ? 0 : 1, src24);

    QCOMPARE(rig.commands(), commands);
    const MouseState state = rig.state();
    if (family == ControllerFamily::Hid560) {
        const int image = colourful ? 0 : 1;
        QCOMPARE(profilesSent(rig), QList<int>({image}));
        const int offset = colourful ? FullColourOffset : SingleColourOffset;
        QCOMPARE(ControllerRig::bytes(state.profiles[std::size_t(image)], offset, 24), expected);
    } else if (commands.startsWith(char(FixedColour553))) {
        QCOMPARE(ControllerRig::bytes(state.lighting.fixedColor, 0, 3), expected.mid(0, 3));
    } else {
        QCOMPARE(int(state.lighting.stageColorType), is55328 ? 0 : (colourful ? 0 : 1));
        QCOMPARE(ControllerRig::bytes(state.lighting.stageColors, 0, 24), expected);
    }
}

void TestControllerDpiLight::currentStageAndRate()
{
    ControllerRig rig553(RigOptions{ControllerFamily::Hid553});
    QVERIFY(rig553.isValid());
    rig553.controller().mouseSetCurrentDPI(2);
    rig553.controller().mouseSetReportRate(4);
    QCOMPARE(rig553.controller().mouseGetCurrentDPI(), QVariant(2));
    QCOMPARE(int(rig553.blocksOf(0x01).at(0).at(1)), 4);

    ControllerRig rig560(RigOptions{ControllerFamily::Hid560});
    QVERIFY(rig560.isValid());
    rig560.controller().mouseSetCurrentDPI(3);
    rig560.controller().mouseSetReportRate(1);
    QCOMPARE(rig560.controller().mouseGetCurrentDPI(), QVariant(3));
    const MouseState state = rig560.state();
    QCOMPARE(ControllerRig::bytes(state.reportRate, 1, 4), QList<int>({1, 1, 1, 1}));
    // The stage read asks about profile 1.
    QCOMPARE(int(rig560.blocksOf(0x84).at(0).at(1)), 1);
}

using Operation = std::function<void(MouseController&)>;
Q_DECLARE_METATYPE(Operation)

// Which commands each operation sends to each family; a mouse of the other
// family would refuse them (the rig fails a test on any protocol error).
void TestControllerDpiLight::commandsOfEachFamily_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QByteArray>("on553");
    QTest::addColumn<QByteArray>("on560");
    QTest::newRow("current stage") << Operation([](MouseController& c) { c.mouseSetCurrentDPI(2); })
                                   << QByteArray::fromHex("0b") << QByteArray::fromHex("04040404");
    QTest::newRow("read stage") << Operation([](MouseController& c) { c.mouseGetCurrentDPI(); })
                                << QByteArray::fromHex("8b") << QByteArray::fromHex("84");
    QTest::newRow("report rate") << Operation([](MouseController& c) { c.mouseSetReportRate(1); })
                                 << QByteArray::fromHex("01") << QByteArray::fromHex("03030303");
    QTest::newRow("profile reads") << Operation([](MouseController& c) {
        c.mouseReadProfile(1);
        c.mouseReadCurrentProfile();
        c.GetKeyboardoption();
    }) << QByteArray::fromHex("8c8283") << QByteArray::fromHex("8c8283");
}

void TestControllerDpiLight::commandsOfEachFamily()
{
    QFETCH(Operation, operation);
    QFETCH(QByteArray, on553);
    QFETCH(QByteArray, on560);
    for (const ControllerFamily family : {ControllerFamily::Hid553, ControllerFamily::Hid560}) {
        ControllerRig rig(RigOptions{family});
        QVERIFY(rig.isValid());
        operation(rig.controller());
        QCOMPARE(rig.commands(), family == ControllerFamily::Hid553 ? on553 : on560);
    }
}

QTEST_GUILESS_MAIN(TestControllerDpiLight)
#include "tst_controller_dpilight.moc"
