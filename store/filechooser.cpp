#include "filechooser.h"

#include <QFileDialog>
#include <QStandardPaths>

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString DialogFileChooser::openFileName(const QString &caption, const QString &startFolder,
                                        const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, startFolder, filter);
}

QString DialogFileChooser::saveFileName(const QString &caption, const QString &startFolder,
                                        const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, startFolder, filter);
}

QString askImportFile(FileChooser *chooser, const QString &filter)
{
    if (!chooser)
        return {};
    return chooser->openFileName(QFileDialog::tr("Open File"), desktopFolder(), filter);
}

QString askExportFile(FileChooser *chooser, const QString &filter)
{
    if (!chooser)
        return {};
    return chooser->saveFileName(QFileDialog::tr("Save File"), desktopFolder(), filter);
}
