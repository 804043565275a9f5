#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <utility>
#include <vector>

// A private copy of the shipped modules/ folder made the working directory
// while the object lives, so that a test reads and writes "./modules/..."
// without touching the source tree.
class ModulesSandbox
{
public:
    ModulesSandbox();
    ~ModulesSandbox();
    ModulesSandbox(const ModulesSandbox&) = delete;
    ModulesSandbox& operator=(const ModulesSandbox&) = delete;

    bool isValid() const { return m_valid; }
    // The folder that holds modules/, the working directory.
    QString path() const;
    // Copies the folder to a fresh one and moves there, so that every file is
    // parsed anew, as after a restart of the program.
    void restart();
    // Every file below path() with its content, sorted by path.
    std::vector<std::pair<QString, QByteArray>> snapshot() const;

private:
    void copyInto(const QString& modules);

    QString m_previousFolder;
    std::vector<std::unique_ptr<QTemporaryDir>> m_folders;
    bool m_valid = true;
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
