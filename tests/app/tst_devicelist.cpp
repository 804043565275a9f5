#include "app/devicedetection.h"
#include "app/devicelist.h"
#include "device/hidbackend.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Enumeration only; nothing is ever opened.
class ListedInterfaces final : public HidBackend
{
public:
    QList<HidDeviceInfo> interfaces;
    QList<HidDeviceInfo> enumerate(quint16, quint16) override { return interfaces; }
    HidHandle* openPath(const char*) override { return nullptr; }
    int setNonblocking(HidHandle*, int) override { return -1; }
    void close(HidHandle*) override {}
    int sendFeatureReport(HidHandle*, const unsigned char*, size_t) override { return -1; }
    int getFeatureReport(HidHandle*, unsigned char*, size_t) override { return -1; }
    int write(HidHandle*, const unsigned char*, size_t) override { return -1; }
    int read(HidHandle*, unsigned char*, size_t) override { return -1; }
    int readTimeout(HidHandle*, unsigned char*, size_t, int) override { return -1; }
};

} // namespace

class TestDeviceList : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString writeFile(const QByteArray& text)
    {
        const QString name = dir.filePath(QStringLiteral("apConfig.bin"));
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(name));
        file.write(text);
        return name;
    }

private Q_SLOTS:
    void hexFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value16");
        QTest::addColumn<int>("value32");
        QTest::newRow("lower") << "04d9" << 0x04D9 << 0x04D9;
        QTest::newRow("not hex") << "xyz" << 0 << 0;
        QTest::newRow("prefix tolerated") << "0x04d9" << 0x04D9 << 0x04D9;
        QTest::newRow("wider than 16 bits") << "1a1ee" << 0xA1EE << 0x1A1EE;
        QTest::newRow("all ones") << "ffffffff" << 0xFFFF << -1;
        QTest::newRow("beyond 64 bits") << "123456789abcdef0123" << 0 << 0;
    }
    void hexFields()
    {
        QFETCH(QString, text);
        QFETCH(int, value16);
        QFETCH(int, value32);
        QCOMPARE(int(parseHex16(text)), value16);
        QCOMPARE(parseHex32(text), value32);
    }

    void shippedListNamesTheMouse()
    {
        const QList<DeviceEntry> list =
            loadDeviceList(qEnvironmentVariable("K7_SOURCE_DIR") + QStringLiteral("/modules/setting/apConfig.bin"));
        QCOMPARE(list.size(), 1);
        const DeviceEntry& mouse = list.first();
        QCOMPARE(mouse.type, 1);
        QCOMPARE(mouse.vid, quint16(0x04D9));
        QCOMPARE(mouse.pid, quint16(0xA1EE));
        QCOMPARE(mouse.usagePage, quint16(0xFF00));
        QCOMPARE(mouse.usage, quint16(0xFF00));
        QCOMPARE(mouse.usagePage2, quint16(0xFF01));
        QCOMPARE(mouse.usage2, quint16(0xFF01));
        QCOMPARE(mouse.reportLength, 32);
    }

    void missingKeysTakeDefaults()
    {
        // Two announced, one written: the second entry is all defaults.
        const QList<DeviceEntry> list = loadDeviceList(writeFile("[common]\ndeviceCount=2\n"
                                                                 "[0]\nvid=04d9\nsCode=ABCDEF\nisEncode=true\n"));
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].vid, quint16(0x04D9));
        QCOMPARE(list[0].sCode, QStringLiteral("ABCDEF"));
        QCOMPARE(list[0].isEncode, true);
        QCOMPARE(list[0].reportLength, 32);
        QCOMPARE(list[0].type, -1);

        const DeviceEntry& blank = list[1];
        QCOMPARE(blank.type, -1);
        QCOMPARE(blank.vid, quint16(0));
        QCOMPARE(blank.reportLength, 32);
        QCOMPARE(blank.isEncode, false);
        QCOMPARE(blank.sCode, QStringLiteral("5A0C3E"));
    }

    void countDecidesNotSections_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("entries");
        QTest::newRow("template total ignored") << QByteArray("[common]\ntotal=2\n[0]\nvid=04d9\n[1]\nvid=04d9\n") << 0;
        QTest::newRow("count not a number") << QByteArray("[common]\ndeviceCount=two\n[0]\nvid=04d9\n") << 0;
        QTest::newRow("fewer than sections") << QByteArray("[common]\ndeviceCount=1\n[0]\n[1]\n") << 1;
        QTest::newRow("absurd count is capped")
            << QByteArray("[common]\ndeviceCount=2000000000\n") << MAX_DEVICE_ENTRIES;
        QTest::newRow("not an ini file") << QByteArray("\x00\x01\x02garbage=\n[[[", 15) << 0;
    }
    void countDecidesNotSections()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, entries);
        QCOMPARE(loadDeviceList(writeFile(text)).size(), entries);
    }

    void missingFileGivesEmptyList()
    {
        QVERIFY(loadDeviceList(dir.filePath(QStringLiteral("absent.bin"))).isEmpty());
    }

    void badNumbersReadAsZeroNotDefault()
    {
        const QList<DeviceEntry> list =
            loadDeviceList(writeFile("[common]\ndeviceCount=1\n[0]\ntype=zz\nreportLength=lots\nusagePage=ff00,ff01\n"));
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].type, 0);
        QCOMPARE(list[0].reportLength, 0); // the transport replaces it with 32
        QCOMPARE(list[0].usagePage, quint16(0));
    }

    // Where several interfaces carry an entry's usage pair, the last one
    // listed is the one used, for either interface.
    void lastMatchingInterfaceWins()
    {
        ListedInterfaces backend;
        const auto info = [](const char* path, quint16 page, quint16 usage) {
            HidDeviceInfo i;
            i.path = QString::fromLatin1(path);
            i.usagePage = page;
            i.usage = usage;
            return i;
        };
        backend.interfaces = {info("a", 0xFF00, 0xFF00), info("b", 0xFF01, 0xFF01), info("c", 0xFF00, 0xFF00),
                              info("d", 0xFF01, 0xFF01), info("e", 0xFF00, 0x0001)};
        DeviceEntry entry;
        entry.usagePage = 0xFF00;
        entry.usage = 0xFF00;
        entry.usagePage2 = 0xFF01;
        entry.usage2 = 0xFF01;
        entry.path = QStringLiteral("stale");
        QList<DeviceEntry> entries{entry};
        assignInterfacePaths(entries, backend);
        QCOMPARE(entries[0].path, QStringLiteral("c"));
        QCOMPARE(entries[0].path2, QStringLiteral("d"));
        backend.interfaces.clear();
        assignInterfacePaths(entries, backend);
        QVERIFY(entries[0].path.isEmpty() && entries[0].path2.isEmpty());
    }

    void templateIsCompiledIn()
    {
        // The template documents the layout; the reader finds no device in it.
        QVERIFY(QFile::exists(QStringLiteral(":/DevInfo.ini")));
        QVERIFY(loadDeviceList(QStringLiteral(":/DevInfo.ini")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDeviceList)
#include "tst_devicelist.moc"
