#pragma once

#include <QStringList>
#include <QVariant>

class SettingsStore;

// Gun records in ./modules/gun/gunData.bin, group "gunData": "gunData/<n>"
// holds name, trigger key label, period, X, Y and repeat count; a renamed gun
// also leaves "gunData/<name>" with the last five. The file comes with the
// installation and is never created here: without it writes are skipped and
// reads are empty. Also the per-profile "XYSensitive/" and "selectGun/" keys.
class GunLibrary
{
public:
    explicit GunLibrary(SettingsStore &store);

    // Writes the first six elements of `src6`; false (nothing written) without
    // the gun file or with fewer than six elements.
    bool mouseSaveGundata(const QVariant &index, const QVariantList &src6);
    // Type 0 removes "gunData/" + src6[0]; type 1 removes "gunData/" + src6[6]
    // and writes "gunData/" + src6[0] = src6[1..5]. Other types do nothing.
    bool modifyGundata(const QVariant &modifyType, const QVariantList &src6);
    QVariantList getGunData(const QVariant &name) const;
    QStringList getGunDataKey() const;

    // Current profile; an absent key reads as 4 (sensitivity) or "" (gun).
    QVariant getXYSensitive(const QVariant &index) const;
    void setXYSensitive(const QVariant &index, const QVariant &xyData);
    QVariant getselectGun(const QVariant &index) const;
    void setSelectGun(const QVariant &index, const QVariant &xyData);

private:
    SettingsStore &m_store;
};
