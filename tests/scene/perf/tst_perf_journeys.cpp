// The DPI panel in the real window: mouse events at window coordinates,
// then the emulated mouse's state is checked.
#include "scenewindow.h"

#include <cmath>

namespace {

using Family = EmulatedMouse::Family;

// The DPI of a knob position, as a user reads it under the slider.
int dpiAt(int position, int minDpi, int maxDpi, int base)
{
    const double raw = (position - 3) * double(maxDpi - minDpi) / 158 + minDpi;
    return int(std::floor(raw / base)) * base;
}

// The code a sensor gets for a stage value, and the "3389" high bit.
quint8 dpiCode(const QString& sensor, int v)
{
    if (sensor == QLatin1String("3389"))
        return quint8((v / 50) % 256);
    return quint8(v / 100 - 1); // "3360"
}

QList<int> stageValues(const SceneWindow& scene)
{
    QList<int> values;
    const QVariantList shown = scene.item("dpiSetting")->property("dpiValueArray").toList();
    for (const QVariant& v : shown)
        values << v.toInt();
    return values;
}

} // namespace

class TestPerfJourneys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dpiStagesReachTheMouse_data();
    void dpiStagesReachTheMouse();
    void dpiStageByKeyboard();
    void screenshots();
};

void TestPerfJourneys::dpiStagesReachTheMouse_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("maxDpi");
    QTest::addColumn<int>("base");
    QTest::newRow("553, 3360") << Family::F553 << "3360" << 12000 << 100;
    QTest::newRow("560, 3389 high bits") << Family::F560 << "3389" << 16000 << 50;
}

// Three stages instead of four; stage 1 dragged to the top, stage 2 set by
// a click on its track; Save.
void TestPerfJourneys::dpiStagesReachTheMouse()
{
    QFETCH(Family, family);
    QFETCH(QString, sensor);
    QFETCH(int, maxDpi);
    QFETCH(int, base);
    SceneWindow scene(family, false, {{"sensorType", sensor}, {"maxDPI", maxDpi}, {"dpiBase", base}, {"minDPI", 200}});
    QVERIFY(scene.start());
    QQuickItem* panel = scene.item("dpiSetting");
    QVERIFY(panel);

    scene.chooseRow(scene.item("dpiSegment", panel), 2);
    QCOMPARE(panel->property("currentDpiCount").toInt(), 3);
    QVERIFY(!scene.item("stageSlider3", panel)->parentItem()->isVisible());

    QQuickItem* knob = scene.item("knob", scene.item("stageSlider0", panel));
    const QPoint grip = SceneWindow::at(knob);
    scene.drag(grip, grip - QPoint(0, 200)); // far past the top: held at position 161
    QCOMPARE(knob->x(), 161.0);

    // stage 2's track 100 pixels above its bottom end: the knob glides to 94
    QQuickItem* second = scene.item("stageSlider1", panel);
    scene.click(SceneWindow::at(second, {100, 6}));
    QTRY_COMPARE(scene.item("knob", second)->x(), 94.0);

    QVERIFY(panel->property("isSave").toBool());
    scene.mouse->clearRecords();
    scene.save();
    QTRY_VERIFY(!panel->property("isSave").toBool());

    const QList<int> values = stageValues(scene);
    QCOMPARE(values[0], maxDpi);
    QCOMPARE(values[1], dpiAt(94, 200, maxDpi, base));
    QCOMPARE(values.mid(2), QList<int>({1500, 2000, 3000, 4000, 5000, 6000}));

    const MouseState state = scene.mouse->state();
    if (family == Family::F553) {
        QCOMPARE(int(state.dpiStageCount), 3);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(int(state.dpiTable[i]), i < 3 ? int(dpiCode(sensor, values[i])) : 0x80);
    } else {
        const auto& image = state.profiles[1];
        QCOMPARE(int(image[100]), 0x07);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(int(image[84 + i]), int(dpiCode(sensor, values[i])));
            QCOMPARE(int(image[92 + i]), int(dpiCode(sensor, values[i])));
        }
        const int highBits = sensor == QLatin1String("3389") ? 0x01 : 0x00; // only 16000 reaches 12800
        QCOMPARE(int(image[82]), highBits);
        QCOMPARE(int(image[83]), highBits);
    }
    QVERIFY(scene.mouse->protocolErrors().isEmpty());
}

// The keyboard alone: Tab from stage 1's slider to stage 2's, Up pressed
// twice and let go, Save. Each press is one DPI step; nothing is pending
// until the key is let go.
void TestPerfJourneys::dpiStageByKeyboard()
{
    SceneWindow scene(Family::F553, false, {{"sensorType", "3360"}, {"maxDPI", 12000}, {"dpiBase", 100}, {"minDPI", 200}});
    QVERIFY(scene.start());
    QQuickItem* panel = scene.item("dpiSetting");
    const int before = stageValues(scene)[1];
    scene.item("stageSlider0", panel)->forceActiveFocus();
    QTest::keyClick(scene.view(), Qt::Key_Tab);
    QVERIFY(scene.item("stageSlider1", panel)->hasActiveFocus());

    QTest::keyPress(scene.view(), Qt::Key_Up);
    QTest::keyPress(scene.view(), Qt::Key_Up);
    QCOMPARE(stageValues(scene)[1], before + 200);
    QVERIFY(!panel->property("isSave").toBool());
    QTest::keyRelease(scene.view(), Qt::Key_Up);
    QVERIFY(panel->property("isSave").toBool());

    scene.save();
    QTRY_VERIFY(!panel->property("isSave").toBool());
    QCOMPARE(int(scene.mouse->state().dpiTable[1]), int(dpiCode(QStringLiteral("3360"), before + 200)));
    QVERIFY(scene.mouse->protocolErrors().isEmpty());
}

// With K7_SCREENSHOT_DIR set: the right column and the open dialog.
void TestPerfJourneys::screenshots()
{
    const QString folder = qEnvironmentVariable("K7_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("K7_SCREENSHOT_DIR not set");
    SceneWindow scene(Family::F553, false, {{"isColorful", true}});
    MouseState state = scene.mouse->state();
    state.currentDpi.fill(2); // the scene reads it once started: stage 2 orange
    scene.mouse->setState(state);
    QVERIFY(scene.start());
    QCOMPARE(scene.item("dpiSetting")->property("currentDPI").toInt(), 1);
    QQuickItem* panel = scene.item("lightControl");
    scene.chooseRow(scene.item("lightModel", panel), 9);
    scene.click(SceneWindow::at(scene.item("block3", panel)));
    QVERIFY(scene.window->grab().save(folder + QStringLiteral("/main-window.png")));
    QQuickItem* column = scene.item("rightColumn");
    const QRect columnRect = QRectF(column->mapToScene({0, 0}), column->size()).toRect();
    QVERIFY(scene.window->grab(columnRect.adjusted(-8, -8, 8, 8)).save(folder + QStringLiteral("/right-column.png")));
    scene.click(SceneWindow::at(scene.item("systemSettingEntry")));
    QQuickItem* dialog = scene.item("systemSetting");
    QTRY_VERIFY(dialog->isVisible());
    QTest::qWait(100);
    const QRect dialogRect = QRectF(dialog->mapToScene({0, 0}), dialog->size()).toRect();
    QVERIFY(scene.window->grab(dialogRect.adjusted(-8, -8, 8, 8)).save(folder + QStringLiteral("/system-setting.png")));
}

QTEST_MAIN(TestPerfJourneys)
#include "tst_perf_journeys.moc"
