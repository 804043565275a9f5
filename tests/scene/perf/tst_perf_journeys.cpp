// The DPI panel, the lighting panel and the system-setting dialog in the
// real window: mouse events at window coordinates, then the emulated
// mouse's state (or the desktop's pointer settings) are checked.
// Before Qt: GIO's headers use one of Qt's keywords as a name.
#include <gio/gio.h>

#include "detectionrig.h"

#include <QQuickItem>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

using Family = EmulatedMouse::Family;

// The window of a connected mouse, started and unlocked.
class SceneRig
{
public:
    SceneRig(Family family, const QVariantMap& mouseFlags)
    {
        EmulatedMouse::Config config;
        config.family = family;
        mouse = rig.addMouse(config);
        rig.configure({ListedDevice{}}, family == Family::F560 ? QStringLiteral("560") : QStringLiteral("553"),
                      mouseFlags.value(QStringLiteral("isGun"), false).toBool());
        {
            QSettings global(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
            for (auto it = mouseFlags.begin(); it != mouseFlags.end(); ++it)
                global.setValue(QStringLiteral("mouse/") + it.key(), it.value());
        }
        window = std::make_unique<Widget>();
        window->device().setBackend(&rig.backend);
        window->device().setClock(&rig.clock);
        window->show();
        window->checkDevice();
    }

    // Waits for the start-up lock to end.
    bool started()
    {
        return QTest::qWaitFor([this] { return root() && root()->property("isStarted").toBool()
                                               && window->view()->isEnabled(); }, 5000);
    }

    QQuickItem* root() const { return window->view()->rootObject(); }
    QQuickItem* item(const char* name) const { return item(root(), name); }
    // Searched through the visual tree: a Repeater's items are not the
    // QObject children of anything.
    static QQuickItem* item(QQuickItem* within, const char* name)
    {
        for (QQuickItem* child : within->childItems()) {
            if (child->objectName() == QLatin1String(name))
                return child;
            if (QQuickItem* found = item(child, name))
                return found;
        }
        return nullptr;
    }
    // Window coordinates of a point of an item.
    static QPoint at(QQuickItem* item, QPointF local) { return item->mapToScene(local).toPoint(); }
    static QPoint centre(QQuickItem* item) { return at(item, {item->width() / 2, item->height() / 2}); }

    // The widget under a window point and the point in its coordinates.
    QWidget* target(QPoint& point)
    {
        QWidget* child = window->childAt(point);
        QWidget* widget = child ? child : window.get();
        point = widget->mapFrom(window.get(), point);
        return widget;
    }
    void click(QPoint point)
    {
        QWidget* widget = target(point);
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
        QTest::qWait(20);
    }
    void drag(QPoint from, QPoint to)
    {
        const QPoint origin = from;
        QWidget* widget = target(from);
        const QPoint shift = from - origin;
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(widget, from + (to + shift - from) * step / 4);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, to + shift);
        QTest::qWait(20);
    }
    // Opens a drop-down and clicks its row (rows are 24 high under the head).
    void chooseRow(QQuickItem* dropDown, int row)
    {
        click(at(dropDown, {10, 12}));
        QQuickItem* box = item(dropDown, "dropBox");
        QTRY_VERIFY(box && box->height() >= 24 * (row + 1));
        QTRY_COMPARE(box->height(), std::min(dropDown->property("count").toInt(), 10) * 24.0);
        click(at(dropDown, {10, 24.0 * (row + 1) + 12}));
        QTRY_VERIFY(!box->isVisible());
    }
    void save() { click(centre(item("saveButton"))); }

    DetectionRig rig;
    EmulatedMouse* mouse = nullptr;
    std::unique_ptr<Widget> window;
};

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

QList<int> stageValues(const SceneRig& scene)
{
    QList<int> values;
    const QVariantList shown = scene.item("dpiSetting")->property("dpiValueArray").toList();
    for (const QVariant& v : shown)
        values << v.toInt();
    return values;
}

bool mouseSchemaInstalled()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, "org.gnome.desktop.peripherals.mouse", TRUE)
                                     : nullptr;
    if (schema)
        g_settings_schema_unref(schema);
    return schema != nullptr;
}

} // namespace

class TestPerfJourneys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dpiStagesReachTheMouse_data();
    void dpiStagesReachTheMouse();
    void lightingReachesTheMouse_data();
    void lightingReachesTheMouse();
    void eighthColourOnlyForBreathLoop();
    void systemSettingChangesPointer();
    void screenshots();
};

void TestPerfJourneys::dpiStagesReachTheMouse_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("maxDpi");
    QTest::addColumn<int>("base");
    QTest::newRow("553, 3360") << Family::F553 << "3360" << 12000 << 100;
    QTest::newRow("560, 3360") << Family::F560 << "3360" << 12000 << 100;
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
    SceneRig scene(family, {{"sensorType", sensor}, {"maxDPI", maxDpi}, {"dpiBase", base}, {"minDPI", 200}});
    QVERIFY(scene.started());
    QQuickItem* panel = scene.item("dpiSetting");
    QVERIFY(panel);

    scene.chooseRow(scene.item(panel, "dpiSegment"), 2);
    QCOMPARE(panel->property("currentDpiCount").toInt(), 3);
    QVERIFY(!scene.item(panel, "stageSlider3")->parentItem()->isVisible());

    QQuickItem* knob = scene.item(scene.item(panel, "stageSlider0"), "knob");
    const QPoint grip = SceneRig::centre(knob);
    scene.drag(grip, grip - QPoint(0, 200)); // far past the top: held at position 161
    QCOMPARE(knob->x(), 161.0);

    // stage 2's track 100 pixels above its bottom end: the knob glides to 94
    QQuickItem* second = scene.item(panel, "stageSlider1");
    scene.click(SceneRig::at(second, {100, 6}));
    QTRY_COMPARE(scene.item(second, "knob")->x(), 94.0);

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

void TestPerfJourneys::lightingReachesTheMouse_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<bool>("colorful");
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("barX");
    QTest::addColumn<QList<int>>("triple");
    QTest::addColumn<QList<int>>("rgb");
    // YO-YO: speed reset to 0 (byte 15), brightness to 4 (255)
    QTest::newRow("553 full colour, YO-YO") << Family::F553 << true << 9 << 2 << 60
                                            << QList<int>{9, 255, 15} << QList<int>{0, 255, 0};
    // Breath on a single-colour mouse: mode 2, speed step 0 + 1, then 3
    // (no gun functions)
    QTest::newRow("560 single colour, Breath") << Family::F560 << false << 1 << 1 << 120
                                               << QList<int>{2, 1, 3} << QList<int>{0, 0, 255};
}

// An effect, a block and a colour from the bar; Save sends the effect
// triple and the 24 colour values.
void TestPerfJourneys::lightingReachesTheMouse()
{
    QFETCH(Family, family);
    QFETCH(bool, colorful);
    QFETCH(int, effect);
    QFETCH(int, block);
    QFETCH(int, barX);
    QFETCH(QList<int>, triple);
    QFETCH(QList<int>, rgb);
    SceneRig scene(family, {{"isColorful", colorful}, {"is55328", false}});
    QVERIFY(scene.started());
    QQuickItem* panel = scene.item("lightControl");

    scene.chooseRow(scene.item(panel, "lightModel"), effect);
    QTRY_COMPARE(panel->property("effectRow").toInt(), effect);
    scene.click(SceneRig::centre(scene.item(panel, qPrintable(QStringLiteral("block%1").arg(block)))));
    scene.click(SceneRig::at(scene.item(panel, "colorBar"), {barX + 0.5, 5}));

    scene.save();
    QTRY_VERIFY(!panel->property("isSave").toBool());

    const QVariantList stored = QVariant(panel->property("blocks")).toList();
    QList<int> colours;
    for (const QVariant& c : stored)
        for (const QVariant& channel : c.toList())
            colours << channel.toInt();
    QCOMPARE(colours.mid(3 * (block - 1), 3), rgb);

    const MouseState state = scene.mouse->state();
    QList<int> sentColours;
    if (family == Family::F553) {
        QCOMPARE((QList<int>{state.lighting.effect, state.lighting.option1, state.lighting.option2}), triple);
        QCOMPARE(int(state.lighting.stageColorType), 0);
        for (quint8 b : state.lighting.stageColors)
            sentColours << b;
    } else {
        const auto& image = state.profiles[1];
        QCOMPARE((QList<int>{image[71], image[72], image[73]}), triple);
        for (int i = 104; i < 128; ++i)
            sentColours << image[i];
    }
    QCOMPARE(sentColours, colours);
    QVERIFY(scene.mouse->protocolErrors().isEmpty());
}

// A 553 mouse of the 55328 kind: with "Static" the eighth colour goes out
// black (the fixed-colour command), with "Breath Loop" as stored.
void TestPerfJourneys::eighthColourOnlyForBreathLoop()
{
    SceneRig scene(Family::F553, {{"isColorful", false}, {"is55328", true}});
    QVERIFY(scene.started());
    QQuickItem* panel = scene.item("lightControl");
    QQuickItem* effects = scene.item(panel, "lightModel");

    scene.chooseRow(effects, 1); // Breath, then Static: both pending
    scene.chooseRow(effects, 0);
    scene.save();
    MouseState state = scene.mouse->state();
    QCOMPARE((QList<int>{state.lighting.fixedColor[0], state.lighting.fixedColor[1], state.lighting.fixedColor[2]}),
             QList<int>({255, 0, 0}));
    QCOMPARE(int(state.lighting.stageColors[21]), 0); // no eight-colour command

    scene.chooseRow(effects, 4);
    QCOMPARE(panel->property("effectRow").toInt(), 4);
    scene.save();
    state = scene.mouse->state();
    QCOMPARE((QList<int>{state.lighting.effect, state.lighting.option1, state.lighting.option2}),
             QList<int>({2, 1, 3}));
    QCOMPARE((QList<int>{state.lighting.stageColors[21], state.lighting.stageColors[22], state.lighting.stageColors[23]}),
             QList<int>({255, 128, 0}));
}

// The dialog's sliders reach the desktop's pointer settings (an in-memory
// settings backend stands in for the desktop's).
void TestPerfJourneys::systemSettingChangesPointer()
{
    if (!mouseSchemaInstalled())
        QSKIP("the desktop's mouse settings schema is not installed");
    SceneRig scene(Family::F553, {});
    QVERIFY(scene.started());
    scene.click(SceneRig::centre(scene.item("systemSettingEntry")));
    QQuickItem* dialog = scene.item("systemSetting");
    QTRY_VERIFY(dialog->isVisible());

    QQuickItem* knob = scene.item(scene.item(dialog, "speedSlider"), "knob");
    const QPoint grip = SceneRig::centre(knob);
    scene.drag(grip, grip + QPoint(400, 0)); // to the fastest end: index 10
    QQuickItem* doubleSlider = scene.item(dialog, "doubleSlider");
    scene.click(SceneRig::at(doubleSlider, {6 + 40, 6})); // position 40: index 2
    QTRY_COMPARE(scene.item(doubleSlider, "knob")->x(), 40.0);
    QTest::qWait(50);

    GSettings* settings = g_settings_new("org.gnome.desktop.peripherals.mouse");
    const double speed = g_settings_get_double(settings, "speed");
    const int doubleClick = g_settings_get_int(settings, "double-click");
    g_object_unref(settings);
    QCOMPARE(speed, 1.0);           // Windows scale 20 of 1 .. 20
    QCOMPARE(doubleClick, 900 - 70 * 2);
}

// With K7_SCREENSHOT_DIR set: the right column and the open dialog.
void TestPerfJourneys::screenshots()
{
    const QString folder = qEnvironmentVariable("K7_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("K7_SCREENSHOT_DIR not set");
    SceneRig scene(Family::F553, {{"isColorful", true}});
    MouseState state = scene.mouse->state();
    state.currentDpi.fill(2); // the scene reads it once started: stage 2 orange
    scene.mouse->setState(state);
    QVERIFY(scene.started());
    QCOMPARE(scene.item("dpiSetting")->property("currentDPI").toInt(), 1);
    QQuickItem* panel = scene.item("lightControl");
    scene.chooseRow(scene.item(panel, "lightModel"), 9);
    scene.click(SceneRig::centre(scene.item(panel, "block3")));
    QVERIFY(scene.window->grab().save(folder + QStringLiteral("/main-window.png")));
    QQuickItem* column = scene.item("rightColumn");
    const QRect columnRect = QRectF(column->mapToScene({0, 0}), column->size()).toRect();
    QVERIFY(scene.window->grab(columnRect.adjusted(-8, -8, 8, 8)).save(folder + QStringLiteral("/right-column.png")));
    scene.click(SceneRig::centre(scene.item("systemSettingEntry")));
    QQuickItem* dialog = scene.item("systemSetting");
    QTRY_VERIFY(dialog->isVisible());
    QTest::qWait(100);
    const QRect dialogRect = QRectF(dialog->mapToScene({0, 0}), dialog->size()).toRect();
    QVERIFY(scene.window->grab(dialogRect.adjusted(-8, -8, 8, 8)).save(folder + QStringLiteral("/system-setting.png")));
}

QTEST_MAIN(TestPerfJourneys)
#include "tst_perf_journeys.moc"
