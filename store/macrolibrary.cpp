#include "macrolibrary.h"

#include "atomicfilecopy.h"
#include "filechooser.h"
#include "inistore.h"
#include "keycatalogue.h"
#include "namelists.h"
#include "safefilename.h"
#include "settingsstore.h"
#include "storedobjects.h"
#include "storelog.h"
#include "storepaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <set>
#include <vector>

namespace {

constexpr int kCreatedTotal = 0;
constexpr int kCreatedRepeat = 1;
constexpr int kCreatedDid = -1;
// Far beyond what the editor makes (a macro fits 128 bytes on the mouse); a
// larger "total" comes from a damaged or foreign file.
constexpr int kMaxMacroSteps = 1000;
const QString kAbsentValue = QStringLiteral("0");

QString macroFilter()
{
    return QCoreApplication::translate("MacroLibrary", "Macro(*.mc)");
}

// The macro file of a name, or an empty path for a name that is refused.
QString macroPath(const QVariant &name)
{
    const QString stem = name.toString();
    if (isSafeFileStem(stem))
        return StorePath::macroFile(stem);
    qCWarning(lcStore) << "refusing macro name" << stem;
    return {};
}

bool makeMacroFolder()
{
    if (QDir().mkpath(StorePath::kMacroFolder))
        return true;
    qCWarning(lcStore) << "cannot create" << StorePath::kMacroFolder;
    return false;
}

struct MacroKeyEntry
{
    QSettings *profile;
    QString key;
};

// Profile entries that name a macro must be on disk before the slot returns:
// a program killed before the next event-loop pass would otherwise leave
// profiles naming a file that no longer exists.
bool flushProfiles(const std::set<QSettings *> &profiles)
{
    bool ok = true;
    for (QSettings *profile : profiles)
        ok = flushIniStore(*profile) && ok;
    return ok;
}

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

// On a file system that ignores case, "Name" -> "name" finds its own file at
// the target.
bool isSameFileRenamed(const QString &oldPath, const QString &newPath)
{
    std::error_code error;
    return oldPath.compare(newPath, Qt::CaseInsensitive) == 0
        && std::filesystem::equivalent(fsPath(oldPath), fsPath(newPath), error) && !error;
}

// A change of case only goes through a third name: some systems take a
// direct rename between two names of one file as done without doing it.
bool renameMacroFile(const QString &oldPath, const QString &newPath)
{
    if (!isSameFileRenamed(oldPath, newPath))
        return QFile::rename(oldPath, newPath);
    const std::filesystem::path between = fsPath(newPath + QStringLiteral(".renaming"));
    std::error_code error;
    std::filesystem::rename(fsPath(oldPath), between, error);
    if (error)
        return false;
    std::filesystem::rename(between, fsPath(newPath), error);
    if (!error)
        return true;
    std::filesystem::rename(between, fsPath(oldPath), error);
    return false;
}

// Points the "mouseMacroKey" entries of profiles 0..5 that name `oldName`
// at `newName`, in memory; returns the entries changed.
std::vector<MacroKeyEntry> renameInProfiles(SettingsStore &settings, const QString &oldName, const QString &newName)
{
    std::vector<MacroKeyEntry> renamed;
    for (int profile = 0; profile < SettingKey::kMacroProfileCount; ++profile) {
        QSettings *store = settings.profileSettings(profile);
        store->beginGroup(SettingKey::kMacroKeyGroup);
        const QStringList slotNames = store->childKeys();
        store->endGroup();
        for (const QString &slot : slotNames) {
            const QString key = SettingKey::groupEntry(SettingKey::kMacroKeyGroup, slot);
            if (iniText(store->value(key)) == oldName) {
                store->setValue(key, newName);
                renamed.push_back({store, key});
            }
        }
    }
    return renamed;
}

// The macro list (name list 0) with `oldName` replaced, written at once;
// true when there was nothing to replace.
bool renameInMacroList(const QString &oldName, const QString &newName)
{
    constexpr int kMacroList = 0;
    QStringList names;
    bool found = false;
    for (const QVariant &name : NameLists::getNameList(kMacroList)) {
        const bool isOld = name.toString() == oldName;
        names << (isOld ? newName : name.toString());
        found = found || isOld;
    }
    return !found || NameLists::updataNameList(kMacroList, names);
}

} // namespace

MacroLibrary::MacroLibrary(SettingsStore &store, FileChooser *fileChooser)
    : m_store(store)
    , m_fileChooser(fileChooser)
{
}

bool MacroLibrary::createMacroIni(const QVariant &name, const QVariant &macroIndex)
{
    const QString path = macroPath(name);
    if (path.isEmpty() || !makeMacroFolder())
        return false;
    const auto macro = openIniStore(path);
    macro->setValue(SettingKey::kMacroIndex, macroIndex.toUInt());
    macro->setValue(SettingKey::kMacroTotal, kCreatedTotal);
    macro->setValue(SettingKey::kMacroRepeat, kCreatedRepeat);
    macro->setValue(SettingKey::kMacroDid, kCreatedDid);
    return flushIniStore(*macro);
}

bool MacroLibrary::saveMacroIni(const QVariant &name, const QStringList &macros,
                                const QVariant &repeat)
{
    const QString path = macroPath(name);
    if (path.isEmpty() || !QFile::exists(path))
        return false;
    const auto macro = openIniStore(path);
    macro->remove(SettingKey::kMacroStepGroup);
    macro->setValue(SettingKey::kMacroTotal, int(macros.size()));
    macro->setValue(SettingKey::kMacroRepeat, repeat);
    for (int step = 0; step < macros.size(); ++step)
        macro->setValue(SettingKey::macroStepKey(step), macros[step]);
    return flushIniStore(*macro);
}

QStringList MacroLibrary::loadMacroIni(const QVariant &name) const
{
    const QString path = macroPath(name);
    if (path.isEmpty() || !QFile::exists(path))
        return {};
    const auto macro = openIniStore(path);
    int total = macro->value(SettingKey::kMacroTotal).toInt();
    if (total > kMaxMacroSteps) {
        // A damaged or foreign file; reading billions of absent steps would
        // hang the program.
        qCWarning(lcStore) << "macro" << name.toString() << "claims" << total << "steps; reading"
                           << kMaxMacroSteps;
        total = kMaxMacroSteps;
    }
    QStringList result;
    for (int step = 0; step < total; ++step)
        result.append(iniText(macro->value(SettingKey::macroStepKey(step), kAbsentValue)));
    result.append(iniText(macro->value(SettingKey::kMacroRepeat, kAbsentValue)));
    return result;
}

bool MacroLibrary::deleteMacroIni(const QVariant &name)
{
    const QString path = macroPath(name);
    return !path.isEmpty() && QFile::exists(path) && QFile::remove(path);
}

bool MacroLibrary::modifyMacroNameUpdateProfile(const QVariant &oldname, const QVariant &newname)
{
    const QString oldPath = macroPath(oldname);
    const QString newPath = macroPath(newname);
    if (oldPath.isEmpty() || newPath.isEmpty() || !QFile::exists(oldPath))
        return false;
    // Both names find one file on a system that ignores case: every name in
    // use finds it at every moment, so it moves in place.
    const bool caseOnly = isSameFileRenamed(oldPath, newPath);
    if (QFile::exists(newPath) && !caseOnly) {
        qCWarning(lcStore) << "cannot rename macro: a macro named" << newname.toString() << "exists";
        return false;
    }
    // The file is copied first and the old one removed last, once the
    // profiles and the macro list name the new one: a program killed in
    // between leaves every name it stored pointing at a file (and at worst
    // the old file unlisted beside the new one).
    if (!caseOnly && !replaceWithCopy(oldPath, newPath)) {
        qCWarning(lcStore) << "cannot copy" << oldPath << "to" << newPath;
        return false;
    }

    const QString oldName = oldname.toString();
    const QString newName = newname.toString();
    const std::vector<MacroKeyEntry> renamed = renameInProfiles(m_store, oldName, newName);
    std::set<QSettings *> changed;
    for (const MacroKeyEntry &entry : renamed)
        changed.insert(entry.profile);
    const bool moved = flushProfiles(changed) && renameInMacroList(oldName, newName)
        && (caseOnly ? renameMacroFile(oldPath, newPath) : true);
    if (!moved) {
        qCWarning(lcStore) << "cannot rename" << oldPath << "to" << newPath;
        for (const MacroKeyEntry &entry : renamed)
            entry.profile->setValue(entry.key, oldName);
        flushProfiles(changed);
        renameInMacroList(newName, oldName);
        if (!caseOnly)
            QFile::remove(newPath);
        return false;
    }
    if (!caseOnly && !QFile::remove(oldPath))
        qCWarning(lcStore) << "renamed, but the old file" << oldPath << "stays";
    return true;
}

void MacroLibrary::deleteMacroUpdateProfile(const QVariant &macroName)
{
    const QString name = macroName.toString();
    const QSettings &factory = m_store.defaultSettings();
    std::set<QSettings *> changed;
    for (int profile = 0; profile < SettingKey::kMacroProfileCount; ++profile) {
        QSettings *store = m_store.profileSettings(profile);
        for (int button = 0; button < SettingKey::kButtonCount; ++button) {
            const QString key = SettingKey::keyMatrixKey(button);
            const QVariantList entry = iniList(store->value(key));
            if (entry.size() <= SettingKey::kEntryCode2
                || entry[SettingKey::kEntryKind].toInt() != SettingKey::kMacroKind)
                continue;
            const int slot = entry[SettingKey::kEntryCode2].toInt();
            if (iniText(store->value(SettingKey::macroKeyKey(slot))) != name)
                continue;
            const QVariant factoryEntry = factory.value(key);
            if (factoryEntry.isValid())
                store->setValue(key, factoryEntry);
            else
                store->remove(key);
            changed.insert(store);
        }
    }
    flushProfiles(changed);
}

bool MacroLibrary::loadMacroFile(const QVariant &macroFileName)
{
    const QString target = macroPath(macroFileName);
    if (target.isEmpty())
        return false;
    const QString chosen = askImportFile(m_fileChooser, macroFilter());
    if (chosen.isEmpty())
        return false;
    if (QFile::exists(target)) {
        qCWarning(lcStore) << "import refused: macro" << macroFileName.toString() << "exists";
        return false;
    }
    if (fileHoldsStoredObjects(chosen)) {
        qCWarning(lcStore) << "import refused:" << chosen << "holds encoded objects, not macro steps";
        return false;
    }
    return makeMacroFolder() && replaceWithCopy(chosen, target);
}

bool MacroLibrary::saveMacroFile(const QVariant &macroFileName)
{
    const QString source = macroPath(macroFileName);
    if (source.isEmpty() || !QFile::exists(source))
        return false;
    const QString chosen = askExportFile(m_fileChooser, macroFilter());
    if (chosen.isEmpty())
        return false;
    return replaceWithCopy(source, chosen);
}
