// The desktop's mouse settings, written to a private in-memory GSettings
// backend so that no real setting of the machine changes.
#include "control/pointersettings.h"

// Before Qt: GIO's headers use the word that Qt defines as a macro.
#include <gio/gio.h>

#include <QTest>

#include <cstdio>
#include <cstdlib>

using namespace pointersettings;

namespace {

constexpr const char* MouseSchema = "org.gnome.desktop.peripherals.mouse";

bool mouseSchemaInstalled()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, MouseSchema, TRUE) : nullptr;
    if (schema)
        g_settings_schema_unref(schema);
    return schema != nullptr;
}

// What the in-memory backend holds for a key of the mouse schema.
template <typename T>
T stored(const char* key, T (*get)(GSettings*, const gchar*))
{
    GSettings* settings = g_settings_new(MouseSchema);
    const T value = get(settings, key);
    g_object_unref(settings);
    return value;
}

} // namespace

class TestPointerSettings : public QObject
{
    Q_OBJECT

private slots:
    void indexArithmetic_data();
    void indexArithmetic();
    void speedMapsWindowsScaleOntoDesktopRange_data();
    void speedMapsWindowsScaleOntoDesktopRange();
    void speedOutsideScaleIsRefused();
    void doubleClickTimeIsStored();
};

void TestPointerSettings::indexArithmetic_data()
{
    QTest::addColumn<unsigned>("index");
    QTest::addColumn<unsigned>("speed");
    QTest::addColumn<qint64>("doubleClickMs");
    QTest::newRow("0") << 0u << 1u << qint64(900);
    QTest::newRow("1") << 1u << 2u << qint64(830);
    QTest::newRow("10") << 10u << 20u << qint64(200);
    QTest::newRow("12") << 12u << 24u << qint64(60);
    QTest::newRow("13 goes negative") << 13u << 26u << qint64(-10);
}

void TestPointerSettings::indexArithmetic()
{
    QFETCH(unsigned, index);
    QFETCH(unsigned, speed);
    QFETCH(qint64, doubleClickMs);
    QCOMPARE(pointerSpeedForIndex(index), speed);
    QCOMPARE(qint64(doubleClickMsForIndex(index)), doubleClickMs);
}

void TestPointerSettings::speedMapsWindowsScaleOntoDesktopRange_data()
{
    QTest::addColumn<unsigned>("speed");
    QTest::addColumn<double>("desktopSpeed");
    QTest::newRow("slowest") << 1u << -1.0;
    QTest::newRow("fastest") << 20u << 1.0;
    QTest::newRow("default 10 is the desktop's 0") << 10u << 0.0;
    QTest::newRow("4") << 4u << (-6.0 / 9.0);
    QTest::newRow("15") << 15u << 0.5;
}

void TestPointerSettings::speedMapsWindowsScaleOntoDesktopRange()
{
    QFETCH(unsigned, speed);
    QFETCH(double, desktopSpeed);
    QVERIFY(applyPointerSpeed(speed));
    QVERIFY(qAbs(stored("speed", g_settings_get_double) - desktopSpeed) < 1e-9);
}

void TestPointerSettings::speedOutsideScaleIsRefused()
{
    QVERIFY(applyPointerSpeed(20));
    QVERIFY(!applyPointerSpeed(0));
    QVERIFY(!applyPointerSpeed(22));
    QCOMPARE(stored("speed", g_settings_get_double), 1.0);
}

void TestPointerSettings::doubleClickTimeIsStored()
{
    QVERIFY(applyDoubleClickTime(200));
    QCOMPARE(stored("double-click", g_settings_get_int), 200);
    QVERIFY(applyDoubleClickTime(900));
    QCOMPARE(stored("double-click", g_settings_get_int), 900);
    QVERIFY(!applyDoubleClickTime(0x80000000u));
    QCOMPARE(stored("double-click", g_settings_get_int), 900);
}

int main(int argc, char** argv)
{
    // Set before GIO picks its backend; the test registration sets it too.
    qputenv("GSETTINGS_BACKEND", "memory");
    if (!mouseSchemaInstalled()) {
        std::puts("SKIP: the desktop mouse schema (gsettings-desktop-schemas) is not installed");
        return 77;
    }
    TestPointerSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pointersettings_linux.moc"
