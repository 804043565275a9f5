#include "filechooser.h"

#include "storelog.h"
#include "storepaths.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// An export must not overwrite one of the program's own files, which
// stores that are open for the whole run would then write back over.
bool isInDataFolder(const QString &path)
{
    const QString dataFolder = QFileInfo(StorePath::kDataFolder).canonicalFilePath();
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !dataFolder.isEmpty() && !folder.isEmpty()
        && (folder == dataFolder || folder.startsWith(dataFolder + QLatin1Char('/')));
}

} // namespace

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
    const QString chosen = chooser->saveFileName(QFileDialog::tr("Save File"), desktopFolder(), filter);
    if (!chosen.isEmpty() && isInDataFolder(chosen)) {
        qCWarning(lcStore) << "export refused:" << chosen << "is one of the program's own files";
        return {};
    }
    return chosen;
}
