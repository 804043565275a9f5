#include "userfiles.h"

#include "store/storedobjects.h"

#include <QFileInfo>
#include <QSettings>

CliError checkSettingsFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return CliError::file(QStringLiteral("%1: no such file").arg(path));
    if (!info.isFile() || !info.isReadable())
        return CliError::file(QStringLiteral("%1: not a readable file").arg(path));
    if (fileHoldsStoredObjects(path))
        return CliError::file(QStringLiteral("%1: holds encoded objects, not settings").arg(path));
    QSettings settings(path, QSettings::IniFormat);
    settings.allKeys();
    if (settings.status() != QSettings::NoError || settings.allKeys().isEmpty())
        return CliError::file(QStringLiteral("%1: not a settings file").arg(path));
    return {};
}
