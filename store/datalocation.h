#pragma once

#include <QString>
#include <QStringList>

// Where the settings live. Every program of the project (the window, the
// demo, k7ctl) makes the folder that holds ./modules/ its working directory
// through enterDataFolder(), so all of them read and write the same files.
//
// Two cases, told apart by what lies beside the executable:
// - a modules/ folder beside it (the build folder, an unpacked archive): the
//   program works there, as it always has;
// - none, but an installed copy at ../share/k7config/modules: that copy is
//   read-only; the user's own copy in the user's data folder is used instead.
struct DataLocation
{
    enum class Kind { BesideExecutable, UserFolder };
    Kind kind = Kind::BesideExecutable;
    QString folder;          // the working directory: it holds modules/
    QString shippedModules;  // UserFolder: the installed, read-only modules/
};

// The installed data relative to the executable's folder.
QString installedModulesFolder(const QString& executableFolder);

// The user's data folder for the settings ($XDG_DATA_HOME/k7config): the
// same for every program, whatever its own name.
QString userDataFolder();

DataLocation locateData(const QString& executableFolder, const QString& userFolder);

// Copies every file of `shipped` that `target` lacks, keeping the folder
// layout. Existing files are never touched, whatever they hold. Each file is
// written under a temporary name first, so an interrupted start leaves no
// half-written file that later starts would take for the user's own.
struct CopyReport
{
    QStringList added;   // relative paths
    QStringList failed;  // relative paths, each also logged
};
CopyReport addMissingFiles(const QString& shipped, const QString& target);

// Decides the location, brings the user's copy up to date when that is the
// one in use, and makes its folder the working directory. Returns the folder.
// When the user's folder cannot be made, the installed copy is used as it
// is (read-only: changes are not kept), with a warning in the log.
QString enterDataFolder(const QString& executableFolder);
