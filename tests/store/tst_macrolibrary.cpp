#include "fakefilechooser.h"
#include "keycatalogue.h"
#include "macrolibrary.h"
#include "modulessandbox.h"
#include "namelists.h"
#include "settingsstore.h"
#include "storepaths.h"

#include <QDir>
#include <QFile>
#include <unistd.h>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kMacro = QStringLiteral("Macro_0");
const QString kFiller = SettingKey::kNameListFiller;

// A macro file as the Windows build wrote it: CRLF line ends, steps quoted
// because of their comma, text outside ASCII as \x escapes (here the Chinese
// key name of Enter).
const QByteArray kWindowsMacro =
    "[config]\r\n"
    "index=0\r\n"
    "total=2\r\n"
    "repeat=3\r\n"
    "did=-1\r\n"
    "\r\n"
    "[macro]\r\n"
    "0=\"1,A\"\r\n"
    "1=\"2,\\x56de\\x8f66\"\r\n";

QVariantList variants(const QStringList &texts)
{
    QVariantList result;
    for (const QString &text : texts)
        result.append(text);
    return result;
}

QVariantList macroButton(int slot)
{
    return {SettingKey::kMacroKind, 0, slot, 0};
}

// What a program started now would read: a fresh copy of the file, out of
// reach of the open stores and their cache.
QVariant onDisk(const QString &file, const QString &key)
{
    static int copies = 0;
    const QString copy = file + QStringLiteral(".disk%1").arg(++copies);
    if (!QFile::copy(file, copy))
        return QStringLiteral("(no file)");
    return QSettings(copy, QSettings::IniFormat).value(key);
}

} // namespace

class TestMacroLibrary : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nameListFillerRule_data();
    void nameListFillerRule();
    void nameListFillerSurvivesRestart();
    void savingFewerStepsDropsOldOnes();
    void damagedStepCountIsCapped();
    void halfSurrogateStepSurvivesSaving();
    void savingOverDamagedFileSucceeds_data();
    void savingOverDamagedFileSucceeds();
    void missingMacroFileIsNotCreated();
    void refusesUnsafeMacroNames_data();
    void refusesUnsafeMacroNames();
    void acceptsOrdinaryMacroNames();
    void renameReachesProfilesZeroToFiveOnly();
    void renameOntoExistingMacroChangesNothing();
    void renameReachesTheMacroList();
    void failedRenameRollsBack();
    void caseOnlyRenameOfTheSameFile();
    void exportOntoOwnFilesIsRefused();
    void deleteRestoresFactoryButtonsInProfilesZeroToFive();
    void exportsByteForByte();
    void importsByteForByte();

private:
    std::unique_ptr<ModulesSandbox> m_sandbox;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<MacroLibrary> m_macros;
    FakeFileChooser m_chooser;
};

void TestMacroLibrary::init()
{
    m_sandbox = std::make_unique<ModulesSandbox>();
    QVERIFY(m_sandbox->isValid());
    m_chooser = FakeFileChooser();
    m_store = std::make_unique<SettingsStore>(&m_chooser);
    m_macros = std::make_unique<MacroLibrary>(*m_store, &m_chooser);
}

void TestMacroLibrary::cleanup()
{
    m_macros.reset();
    m_store.reset();
    m_sandbox.reset();
}

void TestMacroLibrary::nameListFillerRule_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("stored");
    for (int type = 0; type < int(SettingKey::kNameListKeys.size()); ++type) {
        QTest::addRow("type %d, none", type) << type << QStringList() << QStringList();
        QTest::addRow("type %d, one", type) << type << QStringList{"宏一"} << QStringList{"宏一", kFiller};
        QTest::addRow("type %d, two", type) << type << QStringList{"a, b", "c"} << QStringList{"a, b", "c"};
    }
}

void TestMacroLibrary::nameListFillerRule()
{
    QFETCH(int, type);
    QFETCH(QStringList, names);
    QFETCH(QStringList, stored);
    QVERIFY(NameLists::updataNameList(type, {"old1", "old2", "old3"}));
    QVERIFY(NameLists::updataNameList(type, names));
    QCOMPARE(NameLists::getNameList(type), variants(stored));
    QSettings file(StorePath::kNameLists, QSettings::IniFormat);
    QCOMPARE(file.contains(SettingKey::kNameListKeys[type]), !names.isEmpty());
}

void TestMacroLibrary::nameListFillerSurvivesRestart()
{
    QVERIFY(NameLists::updataNameList(SettingKey::kMacroNameList, {kMacro}));
    m_sandbox->restart();
    QCOMPARE(NameLists::getNameList(SettingKey::kMacroNameList), variants({kMacro, kFiller}));
    // A single name stored without the filler is still one name, not none.
    writeBytes(StorePath::kNameLists, "[macro]\nmacroName=solo\n");
    m_sandbox->restart();
    QCOMPARE(NameLists::getNameList(SettingKey::kMacroNameList), variants({"solo"}));
    // As the Windows build wrote them: CRLF, \x escapes, the filler kept.
    const QByteArray windows = "[macro]\r\nmacroName=\\x5b8f\\x4e00, loaderplumex\r\n\r\n"
                               "[profile]\r\nprofileName=Standard0, \\x6e38\\x620f\\x31\r\n";
    writeBytes(StorePath::kNameLists, windows);
    m_sandbox->restart();
    QCOMPARE(NameLists::getNameList(SettingKey::kMacroNameList), variants({"宏一", kFiller}));
    QCOMPARE(NameLists::getNameList(SettingKey::kProfileNameList), variants({"Standard0", "游戏1"}));

    for (const QVariant &type : {QVariant(-1), QVariant(4), QVariant(QStringLiteral("macro"))}) {
        QVERIFY(!NameLists::updataNameList(type, {"x", "y"}));
        QVERIFY(NameLists::getNameList(type).isEmpty());
    }
    QCOMPARE(readBytes(StorePath::kNameLists), windows);
}

void TestMacroLibrary::savingFewerStepsDropsOldOnes()
{
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    QCOMPARE(m_macros->loadMacroIni(kMacro), QStringList{"1"});
    QVERIFY(m_macros->saveMacroIni(kMacro, {"1,A", "0,50", "2,A"}, 5));
    QVERIFY(m_macros->saveMacroIni(kMacro, {"1,A"}, 2));
    m_sandbox->restart();
    QCOMPARE(m_macros->loadMacroIni(kMacro), QStringList({"1,A", "2"}));
    QSettings file(StorePath::macroFile(kMacro), QSettings::IniFormat);
    QVERIFY(!file.contains(SettingKey::macroStepKey(1)));
    QCOMPARE(file.value(SettingKey::kMacroDid).toInt(), -1);
}

void TestMacroLibrary::damagedStepCountIsCapped()
{
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    {
        QSettings file(StorePath::macroFile(kMacro), QSettings::IniFormat);
        file.setValue(SettingKey::kMacroTotal, 2000000000);
        file.setValue(SettingKey::macroStepKey(0), QStringLiteral("1,A"));
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("claims 2000000000 steps")));
    const QStringList steps = m_macros->loadMacroIni(kMacro);
    QCOMPARE(steps.size(), 1000 + 1); // the steps read, then the repeat count
    QCOMPARE(steps.first(), QStringLiteral("1,A"));
    QCOMPARE(steps.last(), QStringLiteral("1"));
}

// "\xdd7f" escapes half of a UTF-16 pair, which the writer cannot store
// as such: read as "?", the step comes back as it was saved.
void TestMacroLibrary::halfSurrogateStepSurvivesSaving()
{
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    writeBytes(StorePath::macroFile(kMacro), "[config]\ntotal=1\nrepeat=1\n[macro]\n0=\"1,\\xdd7f\\0)\"\n");
    const QStringList read = m_macros->loadMacroIni(kMacro);
    QCOMPARE(read, QStringList({QStringLiteral("1,?") + QChar(0) + QLatin1Char(')'), QStringLiteral("1")}));
    QVERIFY(m_macros->saveMacroIni(kMacro, read.mid(0, 1), read.last()));
    m_sandbox->restart();
    QCOMPARE(m_macros->loadMacroIni(kMacro), read);
}

void TestMacroLibrary::savingOverDamagedFileSucceeds_data()
{
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<bool>("readFirst");
    // Both found by fuzzing macro import: the reader's complaint shows up
    // only while the save writes, once the file was read before or not.
    QTest::newRow("quote into a section header")
        << QByteArray("[config]\ntotal=1\n[macro]\n0=\"1,A\n[mac\"o\n]\n") << false;
    QTest::newRow("bytes in a section header, read first")
        << QByteArray("[config\x96\0\0\0\0\n\0\0-~3\nrepeat=\n", 27) << true;
}

// A file the INI reader cannot fully parse is still rewritten by a save; the
// save used to report a failure all the same.
void TestMacroLibrary::savingOverDamagedFileSucceeds()
{
    QFETCH(QByteArray, damaged);
    QFETCH(bool, readFirst);
    writeBytes(StorePath::macroFile(kMacro), damaged);
    if (readFirst)
        m_macros->loadMacroIni(kMacro);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rewrote damaged file")));
    QVERIFY(m_macros->saveMacroIni(kMacro, {"1,B", "2,B"}, 4));
    m_sandbox->restart();
    QCOMPARE(m_macros->loadMacroIni(kMacro), QStringList({"1,B", "2,B", "4"}));
}

void TestMacroLibrary::missingMacroFileIsNotCreated()
{
    QVERIFY(!m_macros->saveMacroIni(kMacro, {"1,A"}, 1));
    QVERIFY(!QFile::exists(StorePath::macroFile(kMacro)));
    QVERIFY(m_macros->loadMacroIni(kMacro).isEmpty());
    QVERIFY(!m_macros->deleteMacroIni(kMacro));
    QVERIFY(!m_macros->modifyMacroNameUpdateProfile(kMacro, QStringLiteral("other")));
}

void TestMacroLibrary::refusesUnsafeMacroNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << QStringLiteral("  ");
    QTest::newRow("parent folder") << QStringLiteral("../../setting/pD");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("slash") << QStringLiteral("sub/name");
    QTest::newRow("backslash") << QStringLiteral("sub\\name");
    QTest::newRow("control character") << QStringLiteral("a\nb");
    QTest::newRow("nul") << QString(QChar(0)) + QStringLiteral("x");
    QTest::newRow("colon") << QStringLiteral("C:name");
    QTest::newRow("wildcard") << QStringLiteral("a*");
    QTest::newRow("device name") << QStringLiteral("con");
    QTest::newRow("too long") << QString(300, QLatin1Char('m'));
}

void TestMacroLibrary::refusesUnsafeMacroNames()
{
    QFETCH(QString, name);
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    m_chooser.answer = m_sandbox->path() + QStringLiteral("/modules/setting/pD.bin");
    const auto before = m_sandbox->snapshot();
    constexpr int kRefusingCalls = 8;
    for (int call = 0; call < kRefusingCalls; ++call)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^refusing macro name")));
    QVERIFY(!m_macros->createMacroIni(name, 0));
    QVERIFY(!m_macros->saveMacroIni(name, {"1,A"}, 1));
    QVERIFY(m_macros->loadMacroIni(name).isEmpty());
    QVERIFY(!m_macros->deleteMacroIni(name));
    QVERIFY(!m_macros->modifyMacroNameUpdateProfile(kMacro, name));
    QVERIFY(!m_macros->modifyMacroNameUpdateProfile(name, kMacro));
    QVERIFY(!m_macros->loadMacroFile(name));
    QVERIFY(!m_macros->saveMacroFile(name));
    QCOMPARE(m_chooser.calls, 0);
    QVERIFY(m_sandbox->snapshot() == before);
}

void TestMacroLibrary::acceptsOrdinaryMacroNames()
{
    const QStringList names = {"Macro_12", "宏一", "fast reload", "v1.2", "a,b", "Burst...", ".hidden"};
    for (const QString &name : names) {
        QVERIFY(m_macros->createMacroIni(name, 0));
        QVERIFY(QFile::exists(QStringLiteral("modules/macro/") + name + QStringLiteral(".bin")));
        QVERIFY(m_macros->deleteMacroIni(name));
    }
}

void TestMacroLibrary::renameReachesProfilesZeroToFiveOnly()
{
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile) {
        m_store->profileSettings(profile)->setValue(SettingKey::macroKeyKey(4), kMacro);
        m_store->profileSettings(profile)->setValue(SettingKey::macroKeyKey(5), QStringLiteral("keep"));
    }
    QVERIFY(m_macros->modifyMacroNameUpdateProfile(kMacro, QStringLiteral("宏一")));
    QCOMPARE(onDisk(StorePath::profileFile(5), SettingKey::macroKeyKey(4)).toString(), QStringLiteral("宏一"));
    QVERIFY(!QFile::exists(StorePath::macroFile(kMacro)));
    QVERIFY(QFile::exists(StorePath::macroFile(QStringLiteral("宏一"))));
    for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile) {
        const QSettings &store = *m_store->profileSettings(profile);
        const QString expected = profile < SettingKey::kMacroProfileCount ? QStringLiteral("宏一") : kMacro;
        QCOMPARE(store.value(SettingKey::macroKeyKey(4)).toString(), expected);
        QCOMPARE(store.value(SettingKey::macroKeyKey(5)).toString(), QStringLiteral("keep"));
    }
}

void TestMacroLibrary::renameOntoExistingMacroChangesNothing()
{
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    QVERIFY(m_macros->createMacroIni(QStringLiteral("Macro_1"), 0));
    m_store->profileSettings(2)->setValue(SettingKey::macroKeyKey(4), kMacro);
    QVERIFY(!m_macros->modifyMacroNameUpdateProfile(kMacro, QStringLiteral("Macro_1")));
    QCOMPARE(m_store->profileSettings(2)->value(SettingKey::macroKeyKey(4)).toString(), kMacro);
    QVERIFY(QFile::exists(StorePath::macroFile(kMacro)));
}

void TestMacroLibrary::renameReachesTheMacroList()
{
    // The list is written before the old file goes, so that no list names
    // a file that a killed rename already removed.
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    QVERIFY(NameLists::updataNameList(0, {kMacro}));
    QVERIFY(NameLists::updataNameList(1, {kMacro, QStringLiteral("gun")}));
    QVERIFY(m_macros->modifyMacroNameUpdateProfile(kMacro, QStringLiteral("Spray")));
    QCOMPARE(NameLists::getNameList(0),
             QVariantList({QStringLiteral("Spray"), SettingKey::kNameListFiller}));
    QCOMPARE(NameLists::getNameList(1), QVariantList({kMacro, QStringLiteral("gun")}));
    QVERIFY(!QFile::exists(StorePath::macroFile(kMacro)));
    QVERIFY(QFile::exists(StorePath::macroFile(QStringLiteral("Spray"))));
}

void TestMacroLibrary::failedRenameRollsBack()
{
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    m_store->profileSettings(0)->setValue(SettingKey::macroKeyKey(4), kMacro);
    m_store->profileSettings(0)->sync();
    // A dangling link is no file, yet takes the name: the rename itself fails.
    const QString target = StorePath::macroFile(QStringLiteral("Macro_1"));
    QVERIFY(QFile::link(m_sandbox->path() + QStringLiteral("/missing/folder"), target));
    QVERIFY(!m_macros->modifyMacroNameUpdateProfile(kMacro, QStringLiteral("Macro_1")));
    QCOMPARE(m_store->profileSettings(0)->value(SettingKey::macroKeyKey(4)).toString(), kMacro);
    QCOMPARE(onDisk(StorePath::profileFile(0), SettingKey::macroKeyKey(4)).toString(), kMacro);
    QVERIFY(QFile::exists(StorePath::macroFile(kMacro)));
}

void TestMacroLibrary::caseOnlyRenameOfTheSameFile()
{
    // Two names of one file, as a file system that ignores case shows them.
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    const QString upper = kMacro.toUpper();
    QVERIFY(::link(qPrintable(StorePath::macroFile(kMacro)), qPrintable(StorePath::macroFile(upper))) == 0);
    m_store->profileSettings(1)->setValue(SettingKey::macroKeyKey(2), kMacro);
    QVERIFY(m_macros->modifyMacroNameUpdateProfile(kMacro, upper));
    QCOMPARE(m_store->profileSettings(1)->value(SettingKey::macroKeyKey(2)).toString(), upper);
    QVERIFY(QFile::exists(StorePath::macroFile(upper)));
    // A different file of the other case still blocks the rename.
    QVERIFY(m_macros->createMacroIni(QStringLiteral("b"), 0));
    QVERIFY(m_macros->createMacroIni(QStringLiteral("B"), 0));
    QVERIFY(!m_macros->modifyMacroNameUpdateProfile(QStringLiteral("b"), QStringLiteral("B")));
}

void TestMacroLibrary::exportOntoOwnFilesIsRefused()
{
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    QVERIFY(m_macros->createMacroIni(QStringLiteral("Macro_1"), 0));
    const QByteArray macroBefore = readBytes(StorePath::macroFile(QStringLiteral("Macro_1")));
    m_chooser.answer = QDir::current().absoluteFilePath(StorePath::macroFile(QStringLiteral("Macro_1")));
    QVERIFY(!m_macros->saveMacroFile(kMacro));
    QCOMPARE(readBytes(StorePath::macroFile(QStringLiteral("Macro_1"))), macroBefore);

    const QByteArray profileBefore = readBytes(StorePath::profileFile(1));
    m_store->profileSettings(0)->setValue(QStringLiteral("mouse/dpi"), 1234);
    m_chooser.answer = StorePath::profileFile(1);
    QVERIFY(!m_store->saveProfile(0));
    QCOMPARE(readBytes(StorePath::profileFile(1)), profileBefore);
}

void TestMacroLibrary::deleteRestoresFactoryButtonsInProfilesZeroToFive()
{
    const QString other = QStringLiteral("Macro_1");
    for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile) {
        QSettings &store = *m_store->profileSettings(profile);
        store.setValue(SettingKey::keyMatrixKey(3), macroButton(3));
        store.setValue(SettingKey::macroKeyKey(3), kMacro);
        store.setValue(SettingKey::keyMatrixKey(9), macroButton(9));
        store.setValue(SettingKey::macroKeyKey(9), other);
    }
    m_store->profileSettings(1)->remove(SettingKey::keyMatrixKey(5));
    // A button the factory profile has no entry for loses its entry.
    m_store->defaultSettings().remove(SettingKey::keyMatrixKey(11));
    m_store->profileSettings(4)->setValue(SettingKey::keyMatrixKey(11), macroButton(3));

    m_macros->deleteMacroUpdateProfile(kMacro);
    QVERIFY(!m_store->profileSettings(4)->contains(SettingKey::keyMatrixKey(11)));
    QCOMPARE(onDisk(StorePath::profileFile(2), SettingKey::keyMatrixKey(3)).toStringList().join(','),
             m_store->defaultSettings().value(SettingKey::keyMatrixKey(3)).toStringList().join(','));

    const QVariant factory = m_store->defaultSettings().value(SettingKey::keyMatrixKey(3));
    QVERIFY(factory.isValid());
    for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile) {
        const QSettings &store = *m_store->profileSettings(profile);
        const QVariant expected = profile < SettingKey::kMacroProfileCount ? factory : QVariant(macroButton(3));
        QCOMPARE(store.value(SettingKey::keyMatrixKey(3)), expected);
        QCOMPARE(store.value(SettingKey::keyMatrixKey(9)), QVariant(macroButton(9)));
        QCOMPARE(store.value(SettingKey::macroKeyKey(3)).toString(), kMacro);
    }
    QVERIFY(!m_store->profileSettings(1)->contains(SettingKey::keyMatrixKey(5)));
}

void TestMacroLibrary::exportsByteForByte()
{
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    QVERIFY(m_macros->saveMacroIni(kMacro, {"1,A", "0,120", "2,A"}, 3));
    const QString exported = m_sandbox->path() + QStringLiteral("/out.mc");
    writeBytes(exported, "an older export");
    m_chooser.answer = exported;
    QVERIFY(m_macros->saveMacroFile(kMacro));
    QCOMPARE(m_chooser.lastCaption, QStringLiteral("Save File"));
    QCOMPARE(m_chooser.lastFilter, QStringLiteral("Macro(*.mc)"));
    QCOMPARE(readBytes(exported), readBytes(StorePath::macroFile(kMacro)));
}

void TestMacroLibrary::importsByteForByte()
{
    const QString source = m_sandbox->path() + QStringLiteral("/windows.mc");
    writeBytes(source, kWindowsMacro);
    const QString name = QStringLiteral("宏一");
    for (const QString &answer : {QString(), m_sandbox->path() + QStringLiteral("/missing.mc")}) {
        m_chooser.answer = answer;
        QVERIFY(!m_macros->loadMacroFile(name));
        QVERIFY(!QFile::exists(StorePath::macroFile(name)));
    }
    m_chooser.answer = source;
    QVERIFY(m_macros->loadMacroFile(name));
    QCOMPARE(m_chooser.lastCaption, QStringLiteral("Open File"));
    QCOMPARE(m_chooser.lastFilter, QStringLiteral("Macro(*.mc)"));
    QCOMPARE(readBytes(StorePath::macroFile(name)), kWindowsMacro);
    QCOMPARE(m_macros->loadMacroIni(name), QStringList({"1,A", "2,回车", "3"}));

    // Nor one whose values the reader would decode into objects.
    const QString forged = m_sandbox->path() + QStringLiteral("/forged.mc");
    writeBytes(forged, kWindowsMacro + "2=@Variant(\\0\\0\\0\\x41\\0\\0\\0\\0)\r\n");
    m_chooser.answer = forged;
    QVERIFY(!m_macros->loadMacroFile(QStringLiteral("Forged")));
    QVERIFY(!QFile::exists(StorePath::macroFile(QStringLiteral("Forged"))));

    // An import never replaces an existing macro.
    QVERIFY(m_macros->createMacroIni(kMacro, 0));
    const QByteArray before = readBytes(StorePath::macroFile(kMacro));
    QVERIFY(!m_macros->loadMacroFile(kMacro));
    QCOMPARE(readBytes(StorePath::macroFile(kMacro)), before);
}

QTEST_GUILESS_MAIN(TestMacroLibrary)
#include "tst_macrolibrary.moc"
