// Kills a process that rewrites the store files with SIGKILL at random
// moments and checks that every file is left with its old or its new
// content (never partial, empty or missing) and that the stores open and
// read all of them afterwards.
//
// Reproducible: the seed (K7_CRASH_SEED) fixes the steps, where each child
// starts and how long it lives. K7_CRASH_KILLS sets the number of kills.
#include "environmentnumber.h"
#include "modulessandbox.h"
#include "storeworkload.h"

#include "store/gunlibrary.h"
#include "store/keycatalogue.h"
#include "store/namelists.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kSteps = 90;

struct Tally
{
    int kills = 0;
    int finishedBeforeKill = 0;
    int killedInStep = 0;
    int filesChecked = 0;
    int filesNew = 0;
    int partial = 0;
    int missing = 0;
    int strayFiles = 0;
    int filesRead = 0;
    int danglingNames = 0;
};

QString macroFileOf(const QString &name)
{
    return QStringLiteral("modules/macro/") + name + QStringLiteral(".bin");
}

// Opens the stores, tells the parent it is ready (step first - 1), then runs
// steps first..kSteps, telling the parent each step number before it starts;
// never returns.
[[noreturn]] void runChild(quint32 seed, int first, int reportFd)
{
    StoreWorkload workload(seed);
    for (int k = first - 1; k <= kSteps; ++k) {
        if (::write(reportFd, &k, sizeof k) != sizeof k)
            ::_exit(3);
        if (k >= first)
            workload.runStep(k);
    }
    ::_exit(0);
}


// The last step the child announced; `fallback` when it announced none.
int lastAnnouncedStep(int readFd, int fallback)
{
    int step = fallback;
    int k = 0;
    while (::read(readFd, &k, sizeof k) == sizeof k)
        step = k;
    return step;
}

} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedWritersLeaveOldOrNewFiles();

private:
    // A fresh copy of the folder is read as the program reads at start-up;
    // counts the files read, and the macro names that the profiles or the
    // macro list give but whose file is gone although the step kept it or
    // made it (`kept`: the macro files before or after the step).
    void readLikeStartup(const QString &root, const QSet<QString> &kept, Tally *tally);
};

struct CurrentFolder
{
    QString previous = QDir::currentPath();
    explicit CurrentFolder(const QString &folder) { QDir::setCurrent(folder); }
    ~CurrentFolder() { QDir::setCurrent(previous); }
};

void TestCrashSafety::readLikeStartup(const QString &root, const QSet<QString> &kept, Tally *tally)
{
    int *filesRead = &tally->filesRead;
    QTemporaryDir copy;
    writeStoreFiles(copy.path(), readStoreFiles(root));
    CurrentFolder inCopy(copy.path());
    {
        FakeFileChooser chooser;
        SettingsStore store(&chooser);
        MacroLibrary macros(store, &chooser);
        GunLibrary guns(store);
        QList<QSettings *> stores = {&store.globalSettings(), &store.defaultSettings()};
        for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile)
            stores << store.profileSettings(profile);
        for (QSettings *settings : stores) {
            for (const QString &key : settings->allKeys())
                settings->value(key);
            QCOMPARE_NE(settings->allKeys().size(), 0);
            QCOMPARE(settings->status(), QSettings::NoError);
            ++*filesRead;
        }
        for (int type = 0; type < 4; ++type)
            NameLists::getNameList(type);
        ++*filesRead;

        QStringList named;
        for (const QVariant &name : NameLists::getNameList(0))
            named << name.toString();
        for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile) {
            QSettings *settings = store.profileSettings(profile);
            settings->beginGroup(SettingKey::kMacroKeyGroup);
            for (const QString &slot : settings->childKeys())
                named << settings->value(slot).toString();
            settings->endGroup();
        }
        for (const QString &name : named) {
            if (kept.contains(macroFileOf(name)) && !QFile::exists(macroFileOf(name))) {
                ++tally->danglingNames;
                qWarning() << "the macro" << name << "is named but its file is gone";
            }
        }
        // A kill during a write may leave the writer's temporary file
        // ("<name>.bin.XXXXXX") beside the macros; nothing reads or lists it.
        const QStringList macroFiles =
            QDir(QStringLiteral("modules/macro")).entryList({QStringLiteral("*.bin")}, QDir::Files);
        for (const QString &file : macroFiles) {
            QVERIFY2(!macros.loadMacroIni(file.chopped(4)).isEmpty(), qPrintable(file));
            ++*filesRead;
        }
        QVERIFY(!guns.getGunDataKey().isEmpty());
        ++*filesRead;
    }
}

// Work in memory where the system offers it: every store write ends with a
// sync to disk, which on a busy disk would make this test slow. A kill
// leaves the files of a memory file system exactly as it leaves a disk's;
// what survives a power cut is another matter and not tested here.
void TestCrashSafety::initTestCase()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (shm.isDir() && shm.isWritable())
        qputenv("TMPDIR", "/dev/shm");
}

void TestCrashSafety::killedWritersLeaveOldOrNewFiles()
{
    const quint32 seed = quint32(environmentNumber("K7_CRASH_SEED", 16));
    const int wantedKills = environmentNumber("K7_CRASH_KILLS", 200);
    ModulesSandbox reference;
    QVERIFY(reference.isValid());
    const QString referenceRoot = reference.path();

    // The files after each step of an undisturbed run, and how long a step
    // takes here: kills land within the first three steps of a child.
    StoreWorkload::prepareFolder();
    std::vector<FolderState> states{readStoreFiles(referenceRoot)};
    qint64 stepsNs = 0;
    {
        StoreWorkload workload(seed);
        for (int k = 1; k <= kSteps; ++k) {
            QElapsedTimer timer;
            timer.start();
            workload.runStep(k);
            stepsNs += timer.nsecsElapsed();
            states.push_back(readStoreFiles(referenceRoot));
        }
    }
    const int killWindowUs = int(std::max<qint64>(1000, 3 * stepsNs / kSteps / 1000));

    QTemporaryDir work;
    QVERIFY(work.isValid());
    // What the steps only read: the files to import.
    for (const QString &file : QDir(referenceRoot + QStringLiteral("/import")).entryList(QDir::Files))
        writeBytes(work.path() + QStringLiteral("/import/") + file,
                   readBytes(referenceRoot + QStringLiteral("/import/") + file));
    QDir::setCurrent(work.path());

    QRandomGenerator random(seed);
    Tally tally;
    while (tally.kills < wantedKills) {
        const int start = random.bounded(kSteps);
        const int delayUs = random.bounded(killWindowUs);
        writeStoreFiles(work.path(), states[std::size_t(start)]);

        int pipeFds[2];
        QCOMPARE(::pipe2(pipeFds, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            runChild(seed, start + 1, pipeFds[1]);
        }
        ::close(pipeFds[1]);
        int ready = 0;
        QCOMPARE(::read(pipeFds[0], &ready, sizeof ready), ssize_t(sizeof ready));
        ::usleep(useconds_t(delayUs));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        ::fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
        const int step = lastAnnouncedStep(pipeFds[0], start);
        ::close(pipeFds[0]);
        if (WIFEXITED(status)) {
            QCOMPARE(WEXITSTATUS(status), 0);
            ++tally.finishedBeforeKill;
            continue;
        }
        ++tally.kills;
        if (step > start)
            ++tally.killedInStep;

        // Killed during `step` (or before it announced one): each file holds
        // what it held before that step or what the step made of it.
        const FolderState &before = states[std::size_t(std::max(step - 1, start))];
        const FolderState &after = states[std::size_t(step)];
        const FolderState found = readStoreFiles(work.path());
        QSet<QString> paths;
        for (const FolderState *state : {&before, &after})
            for (const auto &entry : *state)
                paths.insert(entry.first);
        for (const auto &entry : found) {
            if (!before.count(entry.first) && !after.count(entry.first))
                ++tally.strayFiles;
        }
        for (const QString &path : paths) {
            ++tally.filesChecked;
            const auto old = before.find(path);
            const auto updated = after.find(path);
            const auto now = found.find(path);
            const bool wasThere = old != before.end();
            const bool isThere = updated != after.end();
            if (now == found.end()) {
                if (wasThere && isThere) {
                    ++tally.missing;
                    qWarning() << "missing" << path << "after a kill in" << StoreWorkload::describe(step);
                }
                continue;
            }
            const bool isOld = wasThere && now->second == old->second;
            const bool isNew = isThere && now->second == updated->second;
            if (!isOld && !isNew) {
                ++tally.partial;
                qWarning() << "partial" << path << now->second.size() << "bytes after a kill in"
                           << StoreWorkload::describe(step);
            } else if (!isOld) {
                ++tally.filesNew;
            }
        }
        QSet<QString> kept;
        for (const FolderState *state : {&before, &after})
            for (const auto &entry : *state)
                if (entry.first.startsWith(QLatin1String("modules/macro/")))
                    kept.insert(entry.first);
        readLikeStartup(work.path(), kept, &tally);
        if (QTest::currentTestFailed())
            return;
        // What the killed writer left beside the files goes before the next run.
        for (const auto &entry : found)
            if (!before.count(entry.first) && !after.count(entry.first))
                QFile::remove(work.path() + QLatin1Char('/') + entry.first);
    }
    QDir::setCurrent(referenceRoot);

    qInfo("crash safety (seed %u, kills within %d us of a child's start): %d kills (%d inside a step, %d runs finished first), "
          "%d files checked, %d found new, %d partial or empty, %d missing, %d stray files left "
          "beside them, %d files read back, %d macro names without their file",
          seed, killWindowUs, tally.kills, tally.killedInStep, tally.finishedBeforeKill, tally.filesChecked,
          tally.filesNew, tally.partial, tally.missing, tally.strayFiles, tally.filesRead, tally.danglingNames);
    QCOMPARE(tally.partial, 0);
    QCOMPARE(tally.missing, 0);
    QCOMPARE(tally.danglingNames, 0);
    QVERIFY(tally.killedInStep > wantedKills / 2);
    QVERIFY(tally.filesNew > 0);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
