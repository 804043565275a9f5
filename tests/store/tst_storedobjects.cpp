#include "inistore.h"
#include "modulessandbox.h"
#include "storedobjects.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An encoded integer 5 in the oldest stream format the reader uses: harmless
// to decode, and unmistakable when it comes back as a number.
const QByteArray kInt = R"(Variant(\0\0\0\x2\0\0\0\x5))";

} // namespace

class TestStoredObjects : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithTheReader_data();
    void agreesWithTheReader();
    void storeFileIsSetAside();
};

// Every line below is checked twice: the scanner's verdict, and what
// QSettings makes of the same file (a number when it decodes).
void TestStoredObjects::agreesWithTheReader_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("decodes");

    QTest::newRow("plain") << "@" + kInt << true;
    QTest::newRow("after blanks") << " \t@" + kInt << true;
    QTest::newRow("list element") << "1, @" + kInt << true;
    QTest::newRow("quoted") << "\"@" + kInt + "\"" << true;
    QTest::newRow("split by quotes") << QByteArray(R"x("@Var""iant(\0\0\0\x2\0\0\0\x5)")x") << true;
    QTest::newRow("hex at") << "\\x40" + kInt << true;
    QTest::newRow("hex at, wrapped to 16 bits") << "\\x10040" + kInt << true;
    QTest::newRow("octal at") << "\\100" + kInt << true;
    // "\x56a" would be one character: the reader takes every hex digit
    QTest::newRow("escaped letters") << QByteArray(R"(@\x56\x61riant(\0\0\0\x2\0\0\0\x5))") << true;
    QTest::newRow("unknown escape dropped") << "\\q@" + kInt << true;
    QTest::newRow("continued line") << "\\\n@" + kInt << true;
    QTest::newRow("date form") << QByteArray(R"(@DateTime(\0\0\0\x2\0\0\0\x5))") << true;

    QTest::newRow("reader's own escape of a text") << "@@" + kInt << false;
    QTest::newRow("inside a word") << "name@" + kInt << false;
    QTest::newRow("byte array") << QByteArray("@ByteArray(abc)") << false;
    QTest::newRow("numbers") << QByteArray("4, 0, 1, 0") << false;
    QTest::newRow("text with escapes") << QByteArray(R"("2,\x56de\x8f66")") << false;
}

void TestStoredObjects::agreesWithTheReader()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, decodes);
    const QByteArray text = "[macro]\n0=" + value + "\n";
    QCOMPARE(holdsStoredObjects(text), decodes);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("probe.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    const QVariant read = QSettings(path, QSettings::IniFormat).value(QStringLiteral("macro/0"));
    const QVariant first = read.typeId() == QMetaType::QVariantList ? read.toList().value(0) : read;
    const QVariant last = read.typeId() == QMetaType::QVariantList ? read.toList().constLast() : read;
    const bool readerDecoded = first.typeId() == QMetaType::Int || last.typeId() == QMetaType::Int;
    QCOMPARE(readerDecoded, decodes);
}

void TestStoredObjects::storeFileIsSetAside()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("forged.ini"));
    writeBytes(path, "[config]\ntotal=2\n[macro]\n0=@" + kInt + "\n");
    {
        const auto store = openIniStore(path);
        QVERIFY(store->allKeys().isEmpty());
    }
    QVERIFY(!QFile::exists(path));
    QVERIFY(QFile::exists(path + QStringLiteral(".unsafe")));

    // The empty store works as for a missing file.
    const auto fresh = openIniStore(path);
    fresh->setValue(QStringLiteral("config/total"), 0);
    QVERIFY(flushIniStore(*fresh));
    QCOMPARE(readBytes(path), QByteArray("[config]\ntotal=0\n"));
}

QTEST_GUILESS_MAIN(TestStoredObjects)
#include "tst_storedobjects.moc"
