#pragma once

#include <QString>

// Every data file lives below ./modules/. Start-up makes the executable's
// folder the working directory, so the paths stay relative to it.
namespace StorePath {

inline const QString kDataFolder = QStringLiteral("./modules");
inline const QString kGlobal = QStringLiteral("./modules/setting/apConfig.bin");
inline const QString kGlobalFactory = QStringLiteral("./modules/setting/apConfigD.bin");
inline const QString kFactoryProfile = QStringLiteral("./modules/setting/pD.bin");
inline const QString kNameLists = QStringLiteral("./modules/setting/name.bin");
inline const QString kGunData = QStringLiteral("./modules/gun/gunData.bin");
inline const QString kMacroFolder = QStringLiteral("./modules/macro/");
inline const QString kLanguageFolder = QStringLiteral("./modules/i18n/");

// Profile number n (0-based) is kept in p(n+1).bin.
inline QString profileFile(int profile)
{
    return QStringLiteral("./modules/setting/p%1.bin").arg(profile + 1);
}

// Callers check the name with isSafeFileStem() first.
inline QString macroFile(const QString &name)
{
    return kMacroFolder + name + QStringLiteral(".bin");
}

inline QString languageFile(const QString &langCode)
{
    return kLanguageFolder + langCode + QStringLiteral(".ini");
}

} // namespace StorePath
