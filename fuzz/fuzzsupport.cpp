#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace fuzz {

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

// Memory-backed when possible: the stores commit every file with a sync to
// disk, which would otherwise dominate a run.
QString scratchParent()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

// libFuzzer ends a run without running destructors, so a scratch folder is
// named after its process and the folders of processes gone are removed by
// the next run.
void removeFoldersOfEndedRuns(const QString &parent)
{
    const QStringList folders = QDir(parent).entryList({QStringLiteral("k7fuzz-*")}, QDir::Dirs);
    for (const QString &folder : folders) {
        bool isNumber = false;
        const pid_t owner = pid_t(folder.mid(7).toInt(&isNumber));
        if (isNumber && ::kill(owner, 0) != 0 && errno == ESRCH)
            QDir(parent + QLatin1Char('/') + folder).removeRecursively();
    }
}

const QString &scratchRoot()
{
    static const QString root = [] {
        const QString parent = scratchParent();
        removeFoldersOfEndedRuns(parent);
        const QString path = parent + QStringLiteral("/k7fuzz-") + QString::number(::getpid());
        QDir(path).removeRecursively();
        require(QDir().mkpath(path), "no scratch folder");
        return path;
    }();
    return root;
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
    QDir().mkpath(to + QStringLiteral("/macro"));
}

} // namespace

QString enterScratchModules(const QString &folder)
{
    // Every program of the project runs with an application object, and Qt
    // relies on one: a stored "@Variant(...)" value, for instance, may hold a
    // picture, which Qt refuses to make without an application by aborting.
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    if (!qEnvironmentVariableIsSet("K7_FUZZ_VERBOSE"))
        qInstallMessageHandler(dropMessage);
    const QString base = scratchRoot() + QLatin1Char('/') + folder;
    if (!QDir(base + QStringLiteral("/modules")).exists())
        copyTree(QStringLiteral(K7_MODULES_DIR), base + QStringLiteral("/modules"));
    require(QDir::setCurrent(base), "cannot enter the scratch folder");
    return base;
}

void writeInput(const QString &path, const std::uint8_t *data, std::size_t size)
{
    static qint64 generation = 0;
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write an input file");
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    // Whole seconds apart, so that no file system rounds two inputs together.
    const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1000000000 + ++generation);
    QFile touched(path);
    touched.open(QIODevice::ReadWrite);
    touched.setFileTime(stamp, QFileDevice::FileModificationTime);
}

void restoreShipped(const QString &modulesPath)
{
    const QString target = QStringLiteral("./modules/") + modulesPath;
    QFile::remove(target);
    QFile::copy(QStringLiteral(K7_MODULES_DIR "/") + modulesPath, target);
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

EmulatedDevice::EmulatedDevice(EmulatedMouse::Family family)
{
    EmulatedMouse::Config config;
    config.family = family;
    mouse = backend.addMouse(config);
    DeviceEntry entry;
    entry.vid = config.vendorId;
    entry.pid = config.productId;
    entry.path = SimBackend::commandPath(0);
    entry.path2 = SimBackend::notificationPath(0);
    hid.setBackend(&backend);
    hid.setClock(&clock);
    hid.setDeviceList({entry});
    hid.currentDevice = 0;
}

void EmulatedDevice::clearRecords()
{
    clock.clearSleeps();
    mouse->clearRecords();
}

StoreRig::StoreRig(const QString &importPath, const QString &exportPath)
{
    chooser.importPath = importPath;
    chooser.exportPath = exportPath;
}

void broken(const char *what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

} // namespace fuzz
