#include "gunlibrary.h"

#include "inistore.h"
#include "keycatalogue.h"
#include "settingsstore.h"
#include "storelog.h"
#include "storepaths.h"

#include <QFile>

namespace {

enum ModifyType { RemoveGun = 0, RenameGun = 1 };

// A rename carries the record followed by the old name.
constexpr int kRenameOldName = SettingKey::kGunRecordSize;
constexpr int kRenameArgumentCount = SettingKey::kGunRecordSize + 1;
constexpr int kRecordName = 0;
constexpr int kNumberedGuns = 6;  // the scene keeps guns 0..5 by number

std::unique_ptr<QSettings> openGunFile()
{
    if (QFile::exists(StorePath::kGunData))
        return openIniStore(StorePath::kGunData);
    qCWarning(lcStore) << "no gun file" << StorePath::kGunData;
    return nullptr;
}

QString gunKey(const QVariant &gun)
{
    return SettingKey::gunDataKey(gun.toString());
}

// A name-keyed record must not address anything else in the group: an empty
// name is the group itself, "0".."5" are the scene's numbered records, and a
// separator makes a key that no listing shows.
bool isGunName(const QVariant &name)
{
    const QString text = name.toString();
    if (text.isEmpty() || text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\')))
        return false;
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    return !(isNumber && text == QString::number(number) && number >= 0 && number < kNumberedGuns);
}

} // namespace

GunLibrary::GunLibrary(SettingsStore &store)
    : m_store(store)
{
}

bool GunLibrary::mouseSaveGundata(const QVariant &index, const QVariantList &src6)
{
    if (src6.size() < SettingKey::kGunRecordSize) {
        qCWarning(lcStore) << "gun record refused:" << src6.size() << "values";
        return false;
    }
    const auto guns = openGunFile();
    if (!guns)
        return false;
    guns->setValue(gunKey(index), src6.mid(0, SettingKey::kGunRecordSize));
    return flushIniStore(*guns);
}

bool GunLibrary::modifyGundata(const QVariant &modifyType, const QVariantList &src6)
{
    bool typeIsNumber = false;
    const int type = modifyType.toString().toInt(&typeIsNumber);
    const int needed = type == RenameGun ? kRenameArgumentCount : 1;
    if (!typeIsNumber || (type != RemoveGun && type != RenameGun) || src6.size() < needed) {
        qCWarning(lcStore) << "gun change refused: type" << modifyType << "with" << src6.size() << "values";
        return false;
    }
    const bool namesOk = isGunName(src6[kRecordName]) && (type != RenameGun || isGunName(src6[kRenameOldName]));
    if (!namesOk) {
        qCWarning(lcStore) << "gun change refused: not a gun name in" << src6;
        return false;
    }
    const auto guns = openGunFile();
    if (!guns)
        return false;
    if (type == RemoveGun) {
        guns->remove(gunKey(src6[kRecordName]));
    } else {
        guns->remove(gunKey(src6[kRenameOldName]));
        guns->setValue(gunKey(src6[kRecordName]), src6.mid(kRecordName + 1, SettingKey::kGunRecordSize - 1));
    }
    return flushIniStore(*guns);
}

QVariantList GunLibrary::getGunData(const QVariant &name) const
{
    const auto guns = openGunFile();
    return guns ? iniList(guns->value(gunKey(name))) : QVariantList();
}

QStringList GunLibrary::getGunDataKey() const
{
    const auto guns = openGunFile();
    if (!guns)
        return {};
    guns->beginGroup(SettingKey::kGunDataGroup);
    return guns->childKeys();
}

QVariant GunLibrary::getXYSensitive(const QVariant &index) const
{
    return m_store.currentProfileSettings().value(SettingKey::xySensitiveKey(index.toString()),
                                                  SettingKey::kDefaultXYSensitive);
}

void GunLibrary::setXYSensitive(const QVariant &index, const QVariant &xyData)
{
    m_store.currentProfileSettings().setValue(SettingKey::xySensitiveKey(index.toString()), xyData);
}

QVariant GunLibrary::getselectGun(const QVariant &index) const
{
    return m_store.currentProfileSettings().value(SettingKey::selectGunKey(index.toString()),
                                                  QString());
}

void GunLibrary::setSelectGun(const QVariant &index, const QVariant &xyData)
{
    m_store.currentProfileSettings().setValue(SettingKey::selectGunKey(index.toString()), xyData);
}
