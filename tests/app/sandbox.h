#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

// A private copy of the shipped modules/ folder made the working directory,
// so that a test reads and writes "./modules/..." without touching the tree.
class ModulesSandbox
{
public:
    ModulesSandbox()
        : m_previous(QDir::currentPath())
    {
        const QString source = qEnvironmentVariable("K7_SOURCE_DIR") + QStringLiteral("/modules");
        QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = m_dir.filePath(QStringLiteral("modules/") + QDir(source).relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
        QDir::setCurrent(m_dir.path());
    }
    ~ModulesSandbox() { QDir::setCurrent(m_previous); }

    QString path() const { return m_dir.path(); }
    bool isValid() const { return m_dir.isValid() && QFile::exists(QStringLiteral("modules/setting/apConfig.bin")); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
