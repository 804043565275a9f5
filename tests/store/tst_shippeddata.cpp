// Keeps the data files shipped under modules/ consistent with the code that
// reads them and with what the scene expects of them.

#include "cli/keytable.h"
#include "control/keymatrix.h"
#include "gunlibrary.h"
#include "keycatalogue.h"
#include "languagestrings.h"
#include "modulessandbox.h"
#include "namelists.h"
#include "settingsstore.h"
#include "storepaths.h"

#include <QFile>
#include <QTest>

namespace {

const QStringList kLanguageGroups = {"main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl",
                                     "macroEditor", "systemSetting", "gunControl", "profile", "keyCode",
                                     "other"};
const QStringList kLanguages = {"English", "ChineseSimplified"};
const QStringList kSensorTypes = {"3050", "3360", "3389", "4090"};

QList<int> numbers(const QVariant &stored, bool *allNumbers)
{
    QList<int> result;
    *allNumbers = stored.typeId() == QMetaType::QStringList;
    for (const QString &text : stored.toStringList()) {
        bool isNumber = false;
        result.append(text.toInt(&isNumber));
        *allNumbers = *allNumbers && isNumber;
    }
    return result;
}

QList<int> intList(const QSettings &store, const QString &key)
{
    bool allNumbers = false;
    return numbers(store.value(key), &allNumbers);
}

bool allWithin(const QList<int> &values, int low, int high)
{
    return std::all_of(values.begin(), values.end(), [=](int v) { return v >= low && v <= high; });
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void factoryProfileHoldsEveryCataloguedKey();
    void profilesStartAsFactoryCopies();
    void firmwareMatrixIsDeviceFormOfButtons();
    void factoryValuesFitTheScene();
    void languageGroupsAreComplete_data();
    void languageGroupsAreComplete();
    void keyCodeGroupListsKeyNamesInTableOrder();
    void nameListsParse();
    void gunLibraryHoldsTheBuiltInGuns();
    void globalFilesAgree();

private:
    std::unique_ptr<ModulesSandbox> m_sandbox;
};

void TestShippedData::init()
{
    m_sandbox = std::make_unique<ModulesSandbox>();
    QVERIFY(m_sandbox->isValid());
}

void TestShippedData::cleanup()
{
    m_sandbox.reset();
}

void TestShippedData::factoryProfileHoldsEveryCataloguedKey()
{
    const QSettings factory(StorePath::kFactoryProfile, QSettings::IniFormat);
    for (const SettingKey::ProfileKeyForm &entry : SettingKey::profileKeyCatalogue()) {
        const QVariant value = factory.value(entry.key);
        QVERIFY2(value.isValid(), qPrintable(entry.key));
        bool ok = false;
        switch (entry.form) {
        case SettingKey::ValueForm::Int:
            value.toString().toInt(&ok);
            ok = ok && value.typeId() == QMetaType::QString;
            break;
        case SettingKey::ValueForm::IntList:
            ok = numbers(value, &ok).size() == entry.listSize && ok;
            break;
        case SettingKey::ValueForm::Text:
            ok = value.typeId() == QMetaType::QString;
            break;
        }
        QVERIFY2(ok, qPrintable(entry.key + QStringLiteral(" = ") + value.toStringList().join(',')));
    }
}

void TestShippedData::profilesStartAsFactoryCopies()
{
    const QByteArray factory = readBytes(StorePath::kFactoryProfile);
    QVERIFY(!factory.isEmpty());
    for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile)
        QCOMPARE(readBytes(StorePath::profileFile(profile)), factory);
}

void TestShippedData::firmwareMatrixIsDeviceFormOfButtons()
{
    using namespace keymatrix;
    const SettingsStore store;
    const QSettings factory(StorePath::kFactoryProfile, QSettings::IniFormat);
    Matrix scene{};
    for (int button = 0; button < SettingKey::kButtonCount; ++button)
        setEntry(scene, button, factory.value(SettingKey::keyMatrixKey(button)).toList());
    // The sender copies button 6 onto button 7; the shipped base keeps
    // button 7's own form, which shows with button 7 in button 6's place.
    Matrix ownSeventh = scene;
    std::copy_n(scene.begin() + MirroredTarget * EntrySize, EntrySize, ownSeventh.begin() + MirroredSource * EntrySize);
    const auto family = store.is560Family() ? ControllerFamily::Hid560 : ControllerFamily::Hid553;
    const Matrix device = translateToDevice(scene, family);
    const Matrix deviceSeventh = translateToDevice(ownSeventh, family);
    for (int button = 0; button < SettingKey::kButtonCount; ++button) {
        const Matrix& form = button == MirroredTarget ? deviceSeventh : device;
        QList<int> expected;
        for (int field = 0; field < EntrySize; ++field)
            expected.append(entryByte(form, button == MirroredTarget ? MirroredSource : button, EntryField(field)));
        QCOMPARE(intList(factory, SettingKey::fwKeyMatrixKey(button)), expected);
    }
}

void TestShippedData::factoryValuesFitTheScene()
{
    const SettingsStore store;
    const QSettings factory(StorePath::kFactoryProfile, QSettings::IniFormat);
    const int minDpi = store.getGlobalData(SettingKey::kMinDpi).toInt();
    const int maxDpi = store.getGlobalData(SettingKey::kMaxDpi).toInt();
    const int dpiBase = store.getGlobalData(SettingKey::kDpiBase).toInt();
    QVERIFY(minDpi > 0 && minDpi < maxDpi && dpiBase > 0);

    const int dpiCount = factory.value(SettingKey::kDpiCount).toInt();
    const int currentDpiCount = factory.value(SettingKey::kCurrentDpiCount).toInt();
    QVERIFY(dpiCount >= 1 && dpiCount <= SettingKey::kDpiStageCount);
    QVERIFY(currentDpiCount >= 1 && currentDpiCount <= dpiCount);
    QVERIFY(allWithin(intList(factory, SettingKey::kDpiValueArray), minDpi, maxDpi));

    constexpr int kTopStep = 4;
    const QList<int> light = intList(factory, SettingKey::kLightValue);
    QVERIFY(light[0] >= 0 && allWithin(light.mid(1), 0, kTopStep));
    QVERIFY(allWithin(intList(factory, SettingKey::kColorValue), 0, 255));
    QVERIFY(allWithin({factory.value(SettingKey::kReportRate).toInt()}, 0, 3));
    QVERIFY(allWithin({factory.value(SettingKey::kMouseRate).toInt(),
                       factory.value(SettingKey::kDoubleRate).toInt()}, 3, 337));
    QVERIFY(allWithin({factory.value(SettingKey::kScrollRate).toInt()}, 1, 100));
}

void TestShippedData::languageGroupsAreComplete_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("group");
    for (const QString &language : kLanguages) {
        for (const QString &group : kLanguageGroups)
            QTest::addRow("%s %s", qPrintable(language), qPrintable(group)) << language << group;
    }
}

void TestShippedData::languageGroupsAreComplete()
{
    QFETCH(QString, language);
    QFETCH(QString, group);
    const QSettings file(StorePath::languageFile(language), QSettings::IniFormat);
    const QSettings english(StorePath::languageFile(kLanguages[0]), QSettings::IniFormat);
    const QString totalKey = SettingKey::groupEntry(group, SettingKey::kLanguageTotal);
    const int total = file.value(totalKey).toInt();
    QVERIFY(total > 0);
    QCOMPARE(total, english.value(totalKey).toInt());
    for (int index = 0; index < total; ++index) {
        const QVariant text = file.value(SettingKey::groupEntry(group, index));
        // A list here means a comma that should have been quoted.
        QVERIFY2(text.typeId() == QMetaType::QString, qPrintable(QString::number(index)));
    }
    QCOMPARE(LanguageStrings::getLangStrings(group, language).size(), total);
}

void TestShippedData::keyCodeGroupListsKeyNamesInTableOrder()
{
    const QStringList english = LanguageStrings::getLangStrings(QStringLiteral("keyCode"), kLanguages[0]);
    const KeyTable table;
    QStringList names;
    for (const int code : KeyTable::codes())
        names.append(table.nameOf(code));
    QCOMPARE(english, names);
    // Macro steps store key names and turn them back into codes through
    // this table, so a macro must read the same in every language.
    QCOMPARE(LanguageStrings::getLangStrings(QStringLiteral("keyCode"), kLanguages[1]), english);
}

void TestShippedData::nameListsParse()
{
    QVERIFY(NameLists::getNameList(SettingKey::kMacroNameList).isEmpty());
    const QVariantList profiles = NameLists::getNameList(SettingKey::kProfileNameList);
    QCOMPARE(profiles.size(), 2);
    QCOMPARE(profiles[1].toString(), SettingKey::kNameListFiller);
    QVERIFY(profiles[0].toString().endsWith(QLatin1Char('0')));
    QCOMPARE(NameLists::getNameList(SettingKey::kGunNameList).size(), 6);
}

void TestShippedData::gunLibraryHoldsTheBuiltInGuns()
{
    SettingsStore store;
    const GunLibrary guns(store);
    const QVariantList names = NameLists::getNameList(SettingKey::kGunNameList);
    QCOMPARE(guns.getGunDataKey().size(), names.size());
    for (int gun = 0; gun < names.size(); ++gun) {
        const QVariantList record = guns.getGunData(gun);
        QCOMPARE(record.size(), SettingKey::kGunRecordSize);
        QCOMPARE(record[0].toString(), names[gun].toString());
        for (int field = 2; field < SettingKey::kGunRecordSize; ++field) {
            bool isNumber = false;
            record[field].toString().toInt(&isNumber);
            QVERIFY(isNumber);
        }
    }
}

void TestShippedData::globalFilesAgree()
{
    QCOMPARE(readBytes(StorePath::kGlobal), readBytes(StorePath::kGlobalFactory));
    const SettingsStore store;
    QVERIFY(QFile::exists(StorePath::languageFile(store.getGlobalData(SettingKey::kLanguage).toString())));
    QVERIFY(kSensorTypes.contains(store.getGlobalData(SettingKey::kSensorType).toString()));
    QVERIFY(allWithin({store.getGlobalData(SettingKey::kProfileNo).toInt()}, 0, SettingKey::kMacroProfileCount - 1));
    QVERIFY(allWithin({store.getGlobalData(SettingKey::kKeyCount).toInt()}, 1, 8));
    bool allNumbers = false;
    const QList<int> gunSlots = numbers(store.getGlobalData(SettingKey::kGlobalSelectGun), &allNumbers);
    QVERIFY(allNumbers);
    QCOMPARE(gunSlots, QList<int>({0, 1, 2}));
    QVERIFY(!store.getGlobalData(SettingKey::kUrl).toString().isEmpty());
    QVERIFY(QFile::exists(QString(qEnvironmentVariable("K7_SOURCE_DIR") + "/modules/macro/.keep")));
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
