#include "storeworkload.h"

#include "modulessandbox.h"

#include "store/keycatalogue.h"
#include "store/namelists.h"
#include "store/storepaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>

namespace {

const QStringList kStoreFolders = {QStringLiteral("modules/setting"), QStringLiteral("modules/macro"),
                                   QStringLiteral("modules/gun"), QStringLiteral("export")};
constexpr int kProfiles = SettingKey::kMacroProfileCount;
constexpr int kStepKinds = 9;
const QString kMacroA = QStringLiteral("Macro_1");
const QString kMacroB = QStringLiteral("Renamed macro");

QString importedProfile(int n)
{
    return QStringLiteral("import/profile%1.pf").arg(n);
}

QStringList someSteps(QRandomGenerator &random)
{
    QStringList steps;
    const int count = random.bounded(1, 60);
    for (int i = 0; i < count; ++i)
        steps << QStringLiteral("1,%1,%2").arg(random.bounded(256)).arg(random.bounded(5000));
    return steps;
}

} // namespace

StoreWorkload::StoreWorkload(quint32 seed)
    : m_seed(seed)
{
}

void StoreWorkload::prepareFolder()
{
    QDir().mkpath(QStringLiteral("import"));
    QDir().mkpath(QStringLiteral("export"));
    QDir().mkpath(QStringLiteral("modules/macro"));
    // Profiles of different sizes, so that old and new content differ.
    const QByteArray factory = readBytes(QStringLiteral("modules/setting/pD.bin"));
    for (int n = 0; n < 3; ++n) {
        QByteArray profile = factory;
        profile.replace("reportRate=2", QByteArray("reportRate=") + QByteArray::number(n * 111));
        profile.append(QByteArray("\n[note]\npadding=") + QByteArray(n * 700, char('a' + n)) + '\n');
        writeBytes(importedProfile(n), profile);
    }
    writeBytes(QStringLiteral("import/macro.mc"),
               "[config]\nindex=0\ntotal=2\nrepeat=3\ndid=-1\n[macro]\n0=\"1,4,100\"\n1=\"1,132,100\"\n");

    FakeFileChooser chooser;
    SettingsStore store(&chooser);
    MacroLibrary macros(store, &chooser);
    macros.createMacroIni(kMacroA, 0);
    for (int profile = 0; profile < kProfiles; ++profile)
        store.profileSettings(profile)->setValue(SettingKey::macroKeyKey(profile), kMacroA);
    NameLists::updataNameList(0, {kMacroA});
}

QString StoreWorkload::describe(int k)
{
    static const char *const kinds[kStepKinds] = {
        "profile import", "profile reset", "profile copy", "profile export", "macro save",
        "macro rename", "name-list update", "value write", "macro import or delete"};
    return QStringLiteral("step %1 (%2)").arg(k).arg(QLatin1String(kinds[k % kStepKinds]));
}

void StoreWorkload::runStep(int k)
{
    QRandomGenerator random(m_seed ^ quint32(k * 2654435761u));
    const int profile = random.bounded(kProfiles);
    switch (k % kStepKinds) {
    case 0:
        m_chooser.answer = importedProfile(random.bounded(3));
        m_store.loadProfile(profile);
        break;
    case 1:
        m_store.resetProfile(profile);
        break;
    case 2:
        m_store.copyProfile(profile, (profile + 1 + random.bounded(kProfiles - 1)) % kProfiles);
        break;
    case 3:
        m_chooser.answer = QStringLiteral("export/profile%1.pf").arg(random.bounded(2));
        m_store.saveProfile(profile);
        break;
    case 4: {
        const QString name = QFile::exists(StorePath::macroFile(kMacroA)) ? kMacroA : kMacroB;
        m_macros.saveMacroIni(name, someSteps(random), random.bounded(1, 10));
        break;
    }
    case 5:
        if (QFile::exists(StorePath::macroFile(kMacroA)))
            m_macros.modifyMacroNameUpdateProfile(kMacroA, kMacroB);
        else
            m_macros.modifyMacroNameUpdateProfile(kMacroB, kMacroA);
        break;
    case 6: {
        QStringList names;
        const int count = random.bounded(4);
        for (int i = 0; i < count; ++i)
            names << QStringLiteral("Name %1").arg(random.bounded(1000));
        const int type = random.bounded(4);
        // the macro list keeps naming the macro the other steps work on
        if (type == 0)
            names.prepend(QFile::exists(StorePath::macroFile(kMacroA)) ? kMacroA : kMacroB);
        NameLists::updataNameList(type, names);
        break;
    }
    case 7:
        m_store.setCurrentProfile(profile);
        m_store.setData(SettingKey::kReportRate, random.bounded(4));
        m_store.setDataList(SettingKey::kDpiValueArray,
                            {random.bounded(100, 12000), random.bounded(100, 12000), 3000, 4000});
        m_store.setGlobalData(SettingKey::kProfileNo, profile);
        break;
    case 8:
        m_chooser.answer = QStringLiteral("import/macro.mc");
        if (!m_macros.deleteMacroIni(QStringLiteral("Imported")))
            m_macros.loadMacroFile(QStringLiteral("Imported"));
        break;
    }
    flushStores();
}

void StoreWorkload::flushStores()
{
    m_store.globalSettings().sync();
    for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile)
        m_store.profileSettings(profile)->sync();
}

FolderState readStoreFiles(const QString &root)
{
    FolderState state;
    for (const QString &folder : kStoreFolders) {
        QDirIterator it(root + QLatin1Char('/') + folder, QDir::Files | QDir::Hidden);
        while (it.hasNext()) {
            const QString file = it.next();
            if (!file.endsWith(QLatin1String(".lock")))
                state[QDir(root).relativeFilePath(file)] = readBytes(file);
        }
    }
    return state;
}

void writeStoreFiles(const QString &root, const FolderState &state)
{
    for (const QString &folder : kStoreFolders) {
        QDir(root + QLatin1Char('/') + folder).removeRecursively();
        QDir().mkpath(root + QLatin1Char('/') + folder);
    }
    for (const auto &[path, content] : state)
        writeBytes(root + QLatin1Char('/') + path, content);
}
