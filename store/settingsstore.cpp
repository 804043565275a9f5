#include "settingsstore.h"

#include "atomicfilecopy.h"
#include "filechooser.h"
#include "inistore.h"
#include "keycatalogue.h"
#include "storedobjects.h"
#include "storelog.h"
#include "storepaths.h"

#include <QCoreApplication>

namespace {

QString profileFilter()
{
    return QCoreApplication::translate("SettingsStore", "Profile(*.pf)");
}

bool refuseProfile(int profile, const char *operation)
{
    if (SettingsStore::isValidProfile(profile))
        return false;
    qCWarning(lcStore) << operation << "refused: no profile" << profile;
    return true;
}

} // namespace

SettingsStore::SettingsStore(FileChooser *fileChooser)
    : m_fileChooser(fileChooser)
    , m_globalSettings(openIniStore(StorePath::kGlobal))
    , m_defaultSettings(openIniStore(StorePath::kFactoryProfile))
{
    for (int profile = 0; profile < kProfileCount; ++profile)
        m_profileSettings[profile] = openIniStore(StorePath::profileFile(profile));

    m_isColorful = getGlobalData(SettingKey::kIsColorful).toBool();
    m_isGun = getGlobalData(SettingKey::kIsGun).toBool();
    m_icType = getGlobalData(SettingKey::kIcType).toString();
    m_is55328 = getGlobalData(SettingKey::kIs55328).toBool();
}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::isValidProfile(int profile)
{
    return profile >= 0 && profile < kProfileCount;
}

bool SettingsStore::is560Family() const
{
    return m_icType == SettingKey::kIcType560;
}

QSettings *SettingsStore::profileSettings(int profile)
{
    return isValidProfile(profile) ? m_profileSettings[profile].get() : nullptr;
}

const QSettings &SettingsStore::readStore(bool isRecovery) const
{
    return isRecovery ? *m_defaultSettings : currentProfileSettings();
}

QVariant SettingsStore::getData(const QVariant &key, bool isRecovery) const
{
    return readStore(isRecovery).value(key.toString());
}

QVariantList SettingsStore::getDataList(const QVariant &key, bool isRecovery) const
{
    return iniList(getData(key, isRecovery));
}

QVariant SettingsStore::getGlobalData(const QVariant &key) const
{
    return m_globalSettings->value(key.toString());
}

void SettingsStore::setData(const QVariant &key, const QVariant &data)
{
    currentProfileSettings().setValue(key.toString(), data);
}

void SettingsStore::setDataList(const QVariant &key, const QVariantList &datalist)
{
    currentProfileSettings().setValue(key.toString(), datalist);
}

void SettingsStore::setGlobalData(const QVariant &key, const QVariant &tmpdata)
{
    m_globalSettings->setValue(key.toString(), tmpdata);
}

bool SettingsStore::setCurrentProfile(int profile)
{
    if (refuseProfile(profile, "setCurrentProfile"))
        return false;
    m_currentProfile = profile;
    return true;
}

// The store goes before its file changes: it first writes what it still
// holds, so that dropping it cannot write into the new file afterwards. The
// new store then starts with exactly the source's content; when the copy
// fails the old file is still there and the store is reopened on it.
bool SettingsStore::replaceStore(Store &store, const QString &source)
{
    const QString target = store->fileName();
    store->sync();
    store.reset();
    const bool copied = replaceWithCopy(source, target);
    store = openIniStore(target);
    return copied;
}

bool SettingsStore::replaceProfile(int profile, const QString &source)
{
    return replaceStore(m_profileSettings[profile], source);
}

bool SettingsStore::resetProfile(int profile)
{
    if (refuseProfile(profile, "resetProfile"))
        return false;
    return replaceProfile(profile, StorePath::kFactoryProfile);
}

bool SettingsStore::copyProfile(int destprofile, int srcprofile)
{
    if (refuseProfile(destprofile, "copyProfile") || refuseProfile(srcprofile, "copyProfile"))
        return false;
    QSettings &source = *m_profileSettings[srcprofile];
    source.sync();
    return replaceProfile(destprofile, source.fileName());
}

bool SettingsStore::loadProfile(int profile)
{
    if (refuseProfile(profile, "loadProfile"))
        return false;
    const QString chosen = askImportFile(m_fileChooser, profileFilter());
    if (chosen.isEmpty())
        return false;
    if (fileHoldsStoredObjects(chosen)) {
        qCWarning(lcStore) << "import refused:" << chosen << "holds encoded objects, not settings";
        return false;
    }
    return replaceProfile(profile, chosen);
}

bool SettingsStore::saveProfile(int profile)
{
    if (refuseProfile(profile, "saveProfile"))
        return false;
    const QString chosen = askExportFile(m_fileChooser, profileFilter());
    if (chosen.isEmpty())
        return false;
    m_profileSettings[profile]->sync();
    return replaceWithCopy(StorePath::profileFile(profile), chosen);
}

bool SettingsStore::resetApconfig()
{
    return replaceStore(m_globalSettings, StorePath::kGlobalFactory);
}
