#include "gunlibrary.h"
#include "keycatalogue.h"
#include "modulessandbox.h"
#include "settingsstore.h"
#include "storepaths.h"

#include <QFile>
#include <QTest>

namespace {

const QVariantList kRecord = {QStringLiteral("Vector"), QStringLiteral("L-Click"), 12, 3, 9, 0};

QStringList texts(const QVariantList &values)
{
    QStringList result;
    for (const QVariant &value : values)
        result.append(value.toString());
    return result;
}

} // namespace

class TestGunLibrary : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedRecordReadsBackAsText();
    void renameKeepsNumberedRecordAndAddsNamedOne();
    void badChangesAreRefused_data();
    void badChangesAreRefused();
    void withoutGunFileNothingIsCreated();
    void sensitivityAndGunChoiceFollowCurrentProfile();

private:
    std::unique_ptr<ModulesSandbox> m_sandbox;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<GunLibrary> m_guns;
};

void TestGunLibrary::init()
{
    m_sandbox = std::make_unique<ModulesSandbox>();
    QVERIFY(m_sandbox->isValid());
    m_store = std::make_unique<SettingsStore>();
    m_guns = std::make_unique<GunLibrary>(*m_store);
}

void TestGunLibrary::cleanup()
{
    m_guns.reset();
    m_store.reset();
    m_sandbox.reset();
}

void TestGunLibrary::savedRecordReadsBackAsText()
{
    QVERIFY(m_guns->mouseSaveGundata(2, kRecord + QVariantList{QStringLiteral("ignored")}));
    m_sandbox->restart();
    const QVariantList stored = m_guns->getGunData(2);
    QCOMPARE(stored.size(), SettingKey::kGunRecordSize);
    for (const QVariant &value : stored)
        QCOMPARE(value.typeId(), int(QMetaType::QString));
    QCOMPARE(texts(stored), texts(kRecord));
    QVERIFY(m_guns->getGunData(QStringLiteral("no such gun")).isEmpty());
}

void TestGunLibrary::renameKeepsNumberedRecordAndAddsNamedOne()
{
    QVERIFY(m_guns->mouseSaveGundata(2, kRecord));
    const QStringList keysBefore = m_guns->getGunDataKey();
    QVERIFY(keysBefore.contains(QStringLiteral("2")));

    QVariantList renamed = kRecord;
    renamed[0] = QStringLiteral("Vector II");
    QVERIFY(m_guns->modifyGundata(1, renamed + QVariantList{QStringLiteral("Vector")}));

    QCOMPARE(texts(m_guns->getGunData(2)), texts(kRecord));
    QCOMPARE(texts(m_guns->getGunData(QStringLiteral("Vector II"))), texts(kRecord.mid(1)));
    const QStringList keysAfter = m_guns->getGunDataKey();
    QCOMPARE(keysAfter.size(), keysBefore.size() + 1);
    QVERIFY(keysAfter.contains(QStringLiteral("2")));
    QVERIFY(keysAfter.contains(QStringLiteral("Vector II")));

    QVERIFY(m_guns->modifyGundata(0, {QStringLiteral("Vector II")}));
    QCOMPARE(m_guns->getGunDataKey(), keysBefore);
}

void TestGunLibrary::badChangesAreRefused_data()
{
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<QVariantList>("arguments");
    const auto renameTo = [](const QString &name, const QString &old) {
        return QVariantList{name} + kRecord.mid(1) + QVariantList{old};
    };
    QTest::newRow("rename without old name") << QVariant(1) << kRecord;
    QTest::newRow("remove without name") << QVariant(0) << QVariantList();
    QTest::newRow("unknown type") << QVariant(2) << renameTo("new", "old");
    QTest::newRow("type not a number") << QVariant("remove") << QVariantList{"Vector"};
    QTest::newRow("remove empty name: the whole group") << QVariant(0) << QVariantList{""};
    QTest::newRow("remove numbered record") << QVariant(0) << QVariantList{"2"};
    QTest::newRow("rename onto numbered record") << QVariant(1) << renameTo("5", "Vector");
    QTest::newRow("rename from numbered record") << QVariant(1) << renameTo("Vector", "0");
    QTest::newRow("slash") << QVariant(1) << renameTo("a/b", "Vector");
    QTest::newRow("backslash") << QVariant(1) << renameTo("a\\b", "Vector");
}

void TestGunLibrary::badChangesAreRefused()
{
    QFETCH(QVariant, type);
    QFETCH(QVariantList, arguments);
    // A numbered and a named record that a wrong change would touch.
    QVERIFY(m_guns->mouseSaveGundata(2, kRecord));
    QVERIFY(m_guns->modifyGundata(1, kRecord + QVariantList{QStringLiteral("none")}));
    const QByteArray before = readBytes(StorePath::kGunData);
    QVERIFY(!m_guns->mouseSaveGundata(0, kRecord.mid(0, 5)));
    QVERIFY(!m_guns->modifyGundata(type, arguments));
    QCOMPARE(readBytes(StorePath::kGunData), before);
}

void TestGunLibrary::withoutGunFileNothingIsCreated()
{
    QVERIFY(QFile::remove(StorePath::kGunData));
    QVERIFY(m_guns->getGunDataKey().isEmpty());
    QVERIFY(m_guns->getGunData(0).isEmpty());
    QVERIFY(!m_guns->mouseSaveGundata(0, kRecord));
    QVERIFY(!m_guns->modifyGundata(1, kRecord + QVariantList{QStringLiteral("old")}));
    QVERIFY(!QFile::exists(StorePath::kGunData));
}

void TestGunLibrary::sensitivityAndGunChoiceFollowCurrentProfile()
{
    m_store->profileSettings(3)->remove(SettingKey::kXYSensitiveGroup);
    m_store->profileSettings(3)->remove(SettingKey::kSelectGunGroup);
    m_store->setCurrentProfile(3);
    QCOMPARE(m_guns->getXYSensitive(0).toInt(), SettingKey::kDefaultXYSensitive);
    QCOMPARE(m_guns->getselectGun(1).toString(), QString());

    m_guns->setXYSensitive(1, 7);
    m_guns->setSelectGun(1, QStringLiteral("AKM"));
    QCOMPARE(m_store->getData(QStringLiteral("XYSensitive/1"), false).toInt(), 7);
    QCOMPARE(m_store->getData(QStringLiteral("selectGun/1"), false).toString(), QStringLiteral("AKM"));

    m_store->setCurrentProfile(0);
    QCOMPARE(m_guns->getXYSensitive(1).toInt(), SettingKey::kDefaultXYSensitive);
    QCOMPARE(m_guns->getselectGun(1).toString(), QString());
    m_store->setCurrentProfile(3);
    QCOMPARE(m_guns->getXYSensitive(1).toInt(), 7);
}

QTEST_GUILESS_MAIN(TestGunLibrary)
#include "tst_gunlibrary.moc"
