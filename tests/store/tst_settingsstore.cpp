#include "atomicfilecopy.h"
#include "fakefilechooser.h"
#include "keycatalogue.h"
#include "modulessandbox.h"
#include "settingsstore.h"
#include "storepaths.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTest>

namespace {

const QString kMarkerKey = QStringLiteral("test/marker");

// A profile as the Windows build wrote it: CRLF line ends, text outside
// Latin-1 and above 0x7e as \x escapes, lists as comma-separated values.
const QByteArray kWindowsProfile =
    "[mouse]\r\n"
    "reportRate=1\r\n"
    "dpiValueArray=400, 800, 1600, 3200, 4000, 5000, 6000, 7000\r\n"
    "\r\n"
    "[mouseKeyMatrix]\r\n"
    "3=4, 0, 3, 0\r\n"
    "\r\n"
    "[mouseMacroKey]\r\n"
    "3=\\x5b8f\\x4e00\r\n"
    "4=Caf\\xe9\r\n";

QByteArray profileBytes(int profile)
{
    return readBytes(StorePath::profileFile(profile));
}

void appendMarker(const QString &path, const QByteArray &value)
{
    writeBytes(path, readBytes(path) + "\n[test]\nmarker=" + value + "\n");
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resetApconfigKeepsDeviceFlags();
    void addressesTheCurrentProfile();
    void refusesProfileNumbersOutOfRange();
    void copiesProfilesBothWays();
    void resetsProfileToFactoryFile();
    void importsProfileByteForByte();
    void exportsProfileByteForByte();
    void failedImportKeepsOldProfile_data();
    void failedImportKeepsOldProfile();
    void copyAtTheSizeBoundIsWhole();
    void replacementAlwaysLooksNewer();
    void coarseTimestampsStillMoveOn_data();
    void coarseTimestampsStillMoveOn();
    void resetApconfigWithoutFactoryCopyKeepsFile();

private:
    std::unique_ptr<ModulesSandbox> m_sandbox;
    FakeFileChooser m_chooser;
};

void TestSettingsStore::init()
{
    m_sandbox = std::make_unique<ModulesSandbox>();
    QVERIFY(m_sandbox->isValid());
    m_chooser = FakeFileChooser();
}

void TestSettingsStore::cleanup()
{
    m_sandbox.reset();
}

void TestSettingsStore::resetApconfigKeepsDeviceFlags()
{
    const QByteArray flags = "[mouse]\nisColorful=false\nisGun=true\nicType=560\nis55328=true\n";
    writeBytes(StorePath::kGlobal, flags);
    writeBytes(StorePath::kGlobalFactory, "[mouse]\nisColorful=true\nisGun=false\nicType=553\nis55328=false\n");
    SettingsStore store;
    QVERIFY(!store.isColorful());
    QVERIFY(store.isGun());
    QCOMPARE(store.icType(), QStringLiteral("560"));
    QVERIFY(store.is560Family());
    QVERIFY(store.is55328());
    store.setGlobalData(SettingKey::kProfileNo, 4);

    for (int reset = 0; reset < 2; ++reset) {
        QVERIFY(store.resetApconfig());
        QCOMPARE(readBytes(StorePath::kGlobal), readBytes(StorePath::kGlobalFactory));
    }
    QVERIFY(!store.getGlobalData(SettingKey::kProfileNo).isValid());
    QCOMPARE(store.getGlobalData(SettingKey::kIcType).toString(), QStringLiteral("553"));
    // The device flags are read once, at start.
    QCOMPARE(store.icType(), QStringLiteral("560"));
    QVERIFY(store.isGun());
}

void TestSettingsStore::addressesTheCurrentProfile()
{
    appendMarker(StorePath::kFactoryProfile, "factory");
    const auto before = m_sandbox->snapshot();
    {
        SettingsStore store;
        QVERIFY(store.setCurrentProfile(3));
        store.setData(kMarkerKey, QStringLiteral("profile4"));
        QCOMPARE(store.getData(kMarkerKey, false).toString(), QStringLiteral("profile4"));
        QCOMPARE(store.getData(kMarkerKey, true).toString(), QStringLiteral("factory"));
        QVERIFY(!store.getData(QStringLiteral("test/absent"), false).isValid());
        QVERIFY(store.getDataList(QStringLiteral("test/absent"), true).isEmpty());
    }
    const auto after = m_sandbox->snapshot();
    QCOMPARE(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        const bool isProfile4 = after[i].first.endsWith(QStringLiteral("/p4.bin"));
        QCOMPARE(after[i].second != before[i].second, isProfile4);
    }
    QVERIFY(profileBytes(3).contains("marker=profile4"));
}

void TestSettingsStore::refusesProfileNumbersOutOfRange()
{
    m_chooser.answer = m_sandbox->path() + QStringLiteral("/out.pf");
    const auto before = m_sandbox->snapshot();
    {
        SettingsStore store(&m_chooser);
        store.setCurrentProfile(2);
        for (const int profile : {-1, SettingsStore::kProfileCount}) {
            QVERIFY(!store.setCurrentProfile(profile));
            QVERIFY(!store.loadProfile(profile));
            QVERIFY(!store.saveProfile(profile));
            QVERIFY(!store.resetProfile(profile));
            QVERIFY(!store.copyProfile(profile, 0));
            QVERIFY(!store.copyProfile(0, profile));
            QVERIFY(!store.profileSettings(profile));
        }
        QCOMPARE(store.currentProfile(), 2);
    }
    QCOMPARE(m_chooser.calls, 0);
    QVERIFY(m_sandbox->snapshot() == before);
}

void TestSettingsStore::copiesProfilesBothWays()
{
    SettingsStore store;
    store.setCurrentProfile(1);
    store.setData(kMarkerKey, QStringLiteral("second"));   // still pending in the store
    QVERIFY(store.copyProfile(0, 1));
    QCOMPARE(profileBytes(0), profileBytes(1));
    store.setCurrentProfile(0);
    QCOMPARE(store.getData(kMarkerKey, false).toString(), QStringLiteral("second"));

    store.setData(kMarkerKey, QStringLiteral("first"));
    QVERIFY(store.copyProfile(1, 0));
    QCOMPARE(profileBytes(1), profileBytes(0));
    QVERIFY(profileBytes(1).contains("marker=first"));
    store.setCurrentProfile(1);
    QCOMPARE(store.getData(kMarkerKey, false).toString(), QStringLiteral("first"));
}

void TestSettingsStore::resetsProfileToFactoryFile()
{
    {
        SettingsStore store;
        store.setCurrentProfile(2);
        store.setData(kMarkerKey, QStringLiteral("user"));
        QVERIFY(store.resetProfile(2));
        QVERIFY(!store.getData(kMarkerKey, false).isValid());
        QCOMPARE(profileBytes(2), readBytes(StorePath::kFactoryProfile));
    }
    // Nothing of the replaced store reaches the file afterwards.
    QCOMPARE(profileBytes(2), readBytes(StorePath::kFactoryProfile));
}

void TestSettingsStore::importsProfileByteForByte()
{
    const QString source = m_sandbox->path() + QStringLiteral("/chosen.pf");
    const QByteArray imported = kWindowsProfile + "\r\n[test]\r\nmarker=imported\r\n";
    writeBytes(source, imported);
    const QString forged = m_sandbox->path() + QStringLiteral("/forged.pf");
    writeBytes(forged, imported + "[mouseDpi]\r\ncount=@Variant(\\0\\0\\0\\x41\\0\\0\\0\\0)\r\n");
    {
        SettingsStore store(&m_chooser);
        const auto before = m_sandbox->snapshot();
        QVERIFY(!store.loadProfile(2));   // cancelled
        QVERIFY(!store.saveProfile(2));
        QVERIFY(m_sandbox->snapshot() == before);

        // A file whose values the reader would decode into objects is refused.
        m_chooser.answer = forged;
        QVERIFY(!store.loadProfile(2));
        QVERIFY(m_sandbox->snapshot() == before);

        m_chooser.answer = source;
        QVERIFY(store.loadProfile(2));
        QCOMPARE(m_chooser.lastCaption, QStringLiteral("Open File"));
        QCOMPARE(m_chooser.lastFilter, QStringLiteral("Profile(*.pf)"));
        QCOMPARE(m_chooser.lastStartFolder, desktopFolder());
        QCOMPARE(profileBytes(2), imported);

        // The new store keeps its place: profile 2 is still p3.bin.
        store.setCurrentProfile(2);
        QCOMPARE(store.getData(kMarkerKey, false).toString(), QStringLiteral("imported"));
        QCOMPARE(store.getData(SettingKey::kReportRate, false).toInt(), 1);
        QCOMPARE(store.getDataList(SettingKey::kDpiValueArray, false).size(), SettingKey::kDpiStageCount);
        QCOMPARE(store.getDataList(SettingKey::kDpiValueArray, false).at(2).toInt(), 1600);
        QCOMPARE(store.getData(SettingKey::keyMatrixKey(3), false).toStringList(),
                 QStringList({"4", "0", "3", "0"}));
        QCOMPARE(store.getData(SettingKey::macroKeyKey(3), false).toString(), QStringLiteral("宏一"));
        QCOMPARE(store.getData(SettingKey::macroKeyKey(4), false).toString(), QStringLiteral("Café"));
        store.setData(QStringLiteral("test/after"), 7);
    }
    QVERIFY(profileBytes(2).contains("after=7"));
    QVERIFY(!profileBytes(1).contains("after=7"));
    QVERIFY(!profileBytes(3).contains("after=7"));
}

void TestSettingsStore::exportsProfileByteForByte()
{
    const QString target = m_sandbox->path() + QStringLiteral("/export.pf");
    writeBytes(target, "an older export that is longer than nothing at all");
    m_chooser.answer = target;
    SettingsStore store(&m_chooser);
    store.setData(kMarkerKey, QStringLiteral("exported"));   // pending until the export
    QVERIFY(store.saveProfile(0));
    QCOMPARE(m_chooser.lastCaption, QStringLiteral("Save File"));
    QCOMPARE(m_chooser.lastFilter, QStringLiteral("Profile(*.pf)"));
    QCOMPARE(readBytes(target), profileBytes(0));
    QVERIFY(readBytes(target).contains("marker=exported"));

    // A path below a plain file cannot be created.
    m_chooser.answer = QFileInfo(StorePath::profileFile(0)).absoluteFilePath() + QStringLiteral("/x.pf");
    QVERIFY(!store.saveProfile(0));
}

void TestSettingsStore::failedImportKeepsOldProfile_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("missing file") << QStringLiteral("missing.pf");
    QTest::newRow("folder") << QStringLiteral("modules");
    QTest::newRow("oversized file") << QStringLiteral("huge.pf");
}

void TestSettingsStore::failedImportKeepsOldProfile()
{
    QFETCH(QString, source);
    writeBytes(QStringLiteral("huge.pf"), QByteArray(kMaxCopiedFileBytes + 1, 'x'));
    m_chooser.answer = source;
    SettingsStore store(&m_chooser);
    store.setCurrentProfile(4);
    store.setData(kMarkerKey, QStringLiteral("kept"));
    QVERIFY(!store.loadProfile(4));
    QVERIFY(profileBytes(4).contains("marker=kept"));
    QCOMPARE(store.getData(kMarkerKey, false).toString(), QStringLiteral("kept"));
    QCOMPARE(store.getData(SettingKey::kDpiCount, false), store.getData(SettingKey::kDpiCount, true));
}

void TestSettingsStore::copyAtTheSizeBoundIsWhole()
{
    // Large enough to be read in many pieces; no two pieces alike, so a
    // piece lost, doubled or reordered shows.
    QByteArray content(kMaxCopiedFileBytes, '\0');
    for (qsizetype i = 0; i < content.size(); ++i)
        content[i] = char((i * 7 + i / 4096) & 0xff);
    writeBytes(QStringLiteral("bound.pf"), content);
    QVERIFY(replaceWithCopy(QStringLiteral("bound.pf"), QStringLiteral("copied.pf")));
    QVERIFY(readBytes(QStringLiteral("copied.pf")) == content);
}

void TestSettingsStore::replacementAlwaysLooksNewer()
{
    // The INI reader's cache tells files apart by size and modification time
    // only; a same-size replacement must still carry a new time.
    const QString target = StorePath::profileFile(0);
    const QString source = StorePath::profileFile(1);
    QCOMPARE(readBytes(target).size(), readBytes(source).size());
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
    file.close();
    const QDateTime previous = QFileInfo(target).lastModified();
    QVERIFY(replaceWithCopy(source, target));
    QVERIFY(QFileInfo(target).lastModified() > previous);
}

void TestSettingsStore::coarseTimestampsStillMoveOn_data()
{
    QTest::addColumn<int>("tickMs");
    QTest::newRow("exFAT 10 ms") << 10;
    QTest::newRow("FAT 2 s") << 2000;
}

void TestSettingsStore::coarseTimestampsStillMoveOn()
{
    // A file system that rounds every time it stores down to its tick.
    QFETCH(int, tickMs);
    const QDateTime previous = QDateTime::fromMSecsSinceEpoch(1700000000000LL);
    QDateTime stored = previous;
    const auto read = [&stored] { return stored; };
    const auto write = [&stored, tickMs](const QDateTime &time) {
        stored = QDateTime::fromMSecsSinceEpoch(time.toMSecsSinceEpoch() / tickMs * tickMs);
        return true;
    };
    QVERIFY(stepModificationTimePast(previous, read, write));
    QVERIFY(stored > previous);
}

void TestSettingsStore::resetApconfigWithoutFactoryCopyKeepsFile()
{
    QVERIFY(QFile::remove(StorePath::kGlobalFactory));
    const QString language = SettingsStore().getGlobalData(SettingKey::kLanguage).toString();
    QVERIFY(!language.isEmpty());
    SettingsStore store;
    QVERIFY(!store.resetApconfig());
    QVERIFY(QFile::exists(StorePath::kGlobal));
    QCOMPARE(store.getGlobalData(SettingKey::kLanguage).toString(), language);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
