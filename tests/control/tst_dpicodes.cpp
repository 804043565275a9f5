#include "control/dpicodes.h"

#include <QTest>

using namespace dpicodes;

class TestDpiCodes : public QObject
{
    Q_OBJECT

private slots:
    void stageCodes_data();
    void stageCodes();
    void stageMask560_data();
    void stageMask560();
};

void TestDpiCodes::stageCodes_data()
{
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("highBit");

    QTest::newRow("3360 400") << "3360" << 400 << 3 << false;
    QTest::newRow("3360 truncates 450") << "3360" << 450 << 3 << false;
    QTest::newRow("4090 at split 5000") << "4090" << 5000 << 49 << false;
    QTest::newRow("4090 just above split") << "4090" << 5200 << (26 | 0x40) << false;
    QTest::newRow("4090 6000") << "4090" << 6000 << 0x5E << false;
    QTest::newRow("3050 below first") << "3050" << 100 << 1 << false;
    QTest::newRow("3050 on threshold 1000") << "3050" << 1000 << 4 << false;
    QTest::newRow("3050 2100") << "3050" << 2100 << 0x45 << false;
    QTest::newRow("3050 4000") << "3050" << 4000 << 0x48 << false;
    QTest::newRow("3050 above range") << "3050" << 4001 << 0 << false;
    QTest::newRow("3389 12750") << "3389" << 12750 << 255 << false;
    QTest::newRow("3389 12800") << "3389" << 12800 << 0 << true;
    QTest::newRow("3389 16000") << "3389" << 16000 << 64 << true;
    QTest::newRow("3389 100") << "3389" << 100 << 2 << false;
    QTest::newRow("unknown sensor is 4090") << "9999" << 6000 << 0x5E << false;
}

void TestDpiCodes::stageCodes()
{
    QFETCH(QString, sensor);
    QFETCH(int, dpi);
    QFETCH(int, code);
    QFETCH(bool, highBit);

    const StageCode result = stageCode(sensorFromName(sensor), dpi);
    QCOMPARE(int(result.code), code);
    QCOMPARE(result.highBit, highBit);
}

void TestDpiCodes::stageMask560_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mask");
    QTest::newRow("1") << 1 << 0x01;
    QTest::newRow("8") << 8 << 0xFF;
    QTest::newRow("above 8") << 12 << 0xFF;
    QTest::newRow("0") << 0 << 0x00;
    QTest::newRow("negative") << -3 << 0x00;
}

void TestDpiCodes::stageMask560()
{
    QFETCH(int, count);
    QFETCH(int, mask);
    QCOMPARE(int(stageMask(count)), mask);
}

QTEST_APPLESS_MAIN(TestDpiCodes)
#include "tst_dpicodes.moc"
