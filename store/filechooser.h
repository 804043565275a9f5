#pragma once

#include <QString>

class QWidget;

// The open and save dialogs of profile and macro import/export. Behind an
// interface so that tests can pick a file or cancel without a dialog.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString openFileName(const QString &caption, const QString &startFolder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &startFolder,
                                 const QString &filter) = 0;
};

// Dialogs start in the user's desktop folder.
QString desktopFolder();

class DialogFileChooser : public FileChooser
{
public:
    explicit DialogFileChooser(QWidget *parent) : m_parent(parent) {}
    QString openFileName(const QString &caption, const QString &startFolder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &startFolder,
                         const QString &filter) override;

private:
    QWidget *m_parent;
};

// Import asks with "Open File", export with "Save File", both starting on
// the desktop. Without a chooser the answer is a cancelled dialog; an export
// onto a file of the program's own data folder counts as cancelled too.
QString askImportFile(FileChooser *chooser, const QString &filter);
QString askExportFile(FileChooser *chooser, const QString &filter);
