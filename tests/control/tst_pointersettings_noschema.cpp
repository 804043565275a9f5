// Without the desktop's mouse schema every pointer setting reports failure.
// The test registration points the schema search at an empty folder.
#include "control/pointersettings.h"

#include <QTest>

using namespace pointersettings;

class TestPointerSettingsNoSchema : public QObject
{
    Q_OBJECT

private slots:
    void everyCallFails()
    {
        QVERIFY(!applyPointerSpeed(10));
        QVERIFY(!applyDoubleClickTime(500));
        QVERIFY(!applyWheelScrollLines(3));
    }
};

QTEST_APPLESS_MAIN(TestPointerSettingsNoSchema)
#include "tst_pointersettings_noschema.moc"
