#include "modulessandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        // Plain writes: QFile::copy syncs each file to disk, which makes
        // sandboxes slow on a busy machine.
        QFile out(target);
        if (!QDir().mkpath(QFileInfo(target).path()) || !out.open(QIODevice::WriteOnly)
            || out.write(readBytes(file)) < 0)
            return false;
    }
    return true;
}

} // namespace

ModulesSandbox::ModulesSandbox()
    : m_previousFolder(QDir::currentPath())
{
    const QString shipped = qEnvironmentVariable("K7_SOURCE_DIR") + QStringLiteral("/modules");
    m_valid = QFileInfo(shipped).isDir();
    copyInto(shipped);
}

ModulesSandbox::~ModulesSandbox()
{
    QDir::setCurrent(m_previousFolder);
}

QString ModulesSandbox::path() const
{
    return QDir::currentPath();
}

void ModulesSandbox::restart()
{
    copyInto(path() + QStringLiteral("/modules"));
}

void ModulesSandbox::copyInto(const QString& modules)
{
    auto folder = std::make_unique<QTemporaryDir>();
    const QString target = folder->path() + QStringLiteral("/modules");
    m_valid = m_valid && folder->isValid() && copyTree(modules, target)
        && QDir().mkpath(target + QStringLiteral("/macro")) && QDir::setCurrent(folder->path())
        && QFile::exists(QStringLiteral("modules/setting/apConfig.bin"));
    m_folders.push_back(std::move(folder));
}

std::vector<std::pair<QString, QByteArray>> ModulesSandbox::snapshot() const
{
    std::vector<std::pair<QString, QByteArray>> files;
    QDirIterator it(path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files.emplace_back(file, readBytes(file));
    }
    std::sort(files.begin(), files.end());
    return files;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
