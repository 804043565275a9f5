#pragma once

#include "filechooser.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A scratch copy of the shipped modules/ folder that becomes the working
// directory for the lifetime of the object.
class ScratchModules
{
public:
    ScratchModules();
    ~ScratchModules();
    bool isValid() const { return m_valid; }
    QString root() const; // the current working folder
    // Copies the whole folder to a new scratch folder and moves there, so that
    // files are parsed afresh, as after a restart of the program.
    void moveToFreshFolder();
    // Every file below the working folder with its content.
    std::vector<std::pair<QString, QByteArray>> snapshot() const;

private:
    QString m_previousFolder;
    std::vector<std::unique_ptr<QTemporaryDir>> m_folders;
    bool m_valid = false;
};

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
// Makes the file look modified `seconds` from now.
void setModificationTime(const QString &path, int seconds);

// A file chooser that answers with a prepared path ("" = cancel).
class FakeFileChooser : public FileChooser
{
public:
    QString answer;
    int calls = 0;
    QString lastCaption;
    QString lastFilter;
    QString lastStartFolder;

    QString openFileName(const QString &caption, const QString &startFolder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &startFolder,
                         const QString &filter) override;

private:
    QString reply(const QString &caption, const QString &startFolder, const QString &filter);
};
