#include "storetestsupport.h"

#include <algorithm>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        // Plain writes: QFile::copy syncs each file to disk, which makes
        // scratch folders slow on a busy machine.
        QFile out(target);
        if (!QDir().mkpath(QFileInfo(target).path()) || !out.open(QIODevice::WriteOnly)
            || out.write(readBytes(file)) < 0)
            return false;
    }
    return true;
}

} // namespace

ScratchModules::ScratchModules()
    : m_previousFolder(QDir::currentPath())
{
    const QString source = qEnvironmentVariable("K7_SOURCE_DIR") + QStringLiteral("/modules");
    auto folder = std::make_unique<QTemporaryDir>();
    m_valid = QFileInfo(source).isDir() && folder->isValid()
        && copyTree(source, folder->path() + QStringLiteral("/modules"))
        && QDir().mkpath(folder->path() + QStringLiteral("/modules/macro"))
        && QDir::setCurrent(folder->path());
    m_folders.push_back(std::move(folder));
}

ScratchModules::~ScratchModules()
{
    QDir::setCurrent(m_previousFolder);
}

QString ScratchModules::root() const
{
    return QDir::currentPath();
}

void ScratchModules::moveToFreshFolder()
{
    auto folder = std::make_unique<QTemporaryDir>();
    m_valid = m_valid && folder->isValid()
        && copyTree(root() + QStringLiteral("/modules"), folder->path() + QStringLiteral("/modules"))
        && QDir().mkpath(folder->path() + QStringLiteral("/modules/macro"))
        && QDir::setCurrent(folder->path());
    m_folders.push_back(std::move(folder));
}

std::vector<std::pair<QString, QByteArray>> ScratchModules::snapshot() const
{
    std::vector<std::pair<QString, QByteArray>> files;
    QDirIterator it(root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files.emplace_back(file, readBytes(file));
    }
    std::sort(files.begin(), files.end());
    return files;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void setModificationTime(const QString &path, int seconds)
{
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTime().addSecs(seconds),
                         QFileDevice::FileModificationTime);
}

QString FakeFileChooser::openFileName(const QString &caption, const QString &startFolder,
                                      const QString &filter)
{
    return reply(caption, startFolder, filter);
}

QString FakeFileChooser::saveFileName(const QString &caption, const QString &startFolder,
                                      const QString &filter)
{
    return reply(caption, startFolder, filter);
}

QString FakeFileChooser::reply(const QString &caption, const QString &startFolder,
                               const QString &filter)
{
    ++calls;
    lastCaption = caption;
    lastStartFolder = startFolder;
    lastFilter = filter;
    return answer;
}
