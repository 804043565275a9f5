#include "datalocation.h"

#include "storelog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef K7_INSTALLED_MODULES
#define K7_INSTALLED_MODULES "../share/k7config/modules"
#endif

namespace {

const QString kModules = QStringLiteral("modules");

bool holdsModules(const QString& folder)
{
    return QFileInfo(folder + QStringLiteral("/modules/setting/apConfig.bin")).isFile();
}

bool copyWithoutReplacing(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcStore) << "cannot read" << source << in.errorString();
        return false;
    }
    const QString temporary = target + QStringLiteral(".part");
    QFile::remove(temporary);  // left by an interrupted start
    QFile out(temporary);
    // A fresh file gets the user's default permissions, not the read-only
    // ones of the installed copy.
    bool written = out.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    while (written && !in.atEnd()) {
        const QByteArray block = in.read(64 * 1024);
        written = in.error() == QFileDevice::NoError && out.write(block) == block.size();
    }
    written = written && out.flush();
    out.close();
    // rename() refuses an existing target: a file another program of ours
    // created meanwhile stays as it is.
    if (written && QFile::rename(temporary, target))
        return true;
    qCWarning(lcStore) << "cannot add" << target << (out.error() != QFileDevice::NoError ? out.errorString() : QString());
    QFile::remove(temporary);
    return false;
}

} // namespace

QString installedModulesFolder(const QString& executableFolder)
{
    return QDir::cleanPath(executableFolder + QLatin1Char('/') + QStringLiteral(K7_INSTALLED_MODULES));
}

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/k7config");
}

DataLocation locateData(const QString& executableFolder, const QString& userFolder)
{
    DataLocation location;
    location.folder = executableFolder;
    if (holdsModules(executableFolder))
        return location;
    const QString installed = installedModulesFolder(executableFolder);
    if (!QFileInfo(installed + QStringLiteral("/setting/apConfig.bin")).isFile())
        return location;  // neither: the readers fall back to their defaults
    location.kind = DataLocation::Kind::UserFolder;
    location.folder = userFolder;
    location.shippedModules = installed;
    return location;
}

CopyReport addMissingFiles(const QString& shipped, const QString& target)
{
    CopyReport report;
    const QDir source(shipped);
    QDirIterator it(shipped, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        const QString destination = target + QLatin1Char('/') + relative;
        if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
            continue;
        const bool added = QDir().mkpath(QFileInfo(destination).path()) && copyWithoutReplacing(file, destination);
        (added ? report.added : report.failed).append(relative);
    }
    report.added.sort();
    report.failed.sort();
    return report;
}

QString enterDataFolder(const QString& executableFolder)
{
    const DataLocation location = locateData(executableFolder, userDataFolder());
    QString folder = location.folder;
    if (location.kind == DataLocation::Kind::UserFolder) {
        const QString modules = location.folder + QLatin1Char('/') + kModules;
        if (QDir().mkpath(modules)) {
            const CopyReport report = addMissingFiles(location.shippedModules, modules);
            if (!report.added.isEmpty())
                qCInfo(lcStore) << "added to" << modules << "from" << location.shippedModules << ":" << report.added;
        } else {
            qCWarning(lcStore) << "cannot create" << modules << "- working on the installed copy"
                               << location.shippedModules << "; changes will not be kept";
            folder = QFileInfo(location.shippedModules).path();
        }
    }
    QDir::setCurrent(folder);
    return folder;
}
