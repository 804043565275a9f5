// Where the programs find their settings: beside the executable in a build
// folder; for an installed program, in the user's data folder, filled from
// the read-only installed copy at first start and topped up later without
// ever overwriting the user's files.
#include "datalocation.h"
#include "modulessandbox.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every file below `folder`: relative path, content and modification time.
QStringList treeState(const QString& folder)
{
    QStringList state;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        state.append(QDir(folder).relativeFilePath(file) + QLatin1Char(' ')
                     + QString::fromLatin1(readBytes(file).toHex()) + QLatin1Char(' ')
                     + QFileInfo(file).lastModified().toString(Qt::ISODateWithMs));
    }
    state.sort();
    return state;
}

QStringList relativeFiles(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

void setReadOnly(const QString& folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        QFile::setPermissions(entry.filePath(), entry.isDir() ? QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                                                              : QFile::ReadOwner | QFile::ReadOther);
    }
}

// An installed layout: prefix/bin for the programs, the shipped data in
// prefix/share/k7config/modules, made read-only; and a user's data home.
struct Installation
{
    QTemporaryDir prefix;
    QTemporaryDir home;
    QString bin() const { return prefix.path() + QStringLiteral("/bin"); }
    QString shipped() const { return prefix.path() + QStringLiteral("/share/k7config/modules"); }
    QString userModules() const { return home.path() + QStringLiteral("/k7config/modules"); }

    bool make(const QString& modules)
    {
        if (!QDir().mkpath(bin()))
            return false;
        for (const QString& file : relativeFiles(modules)) {
            const QString target = shipped() + QLatin1Char('/') + file;
            QDir().mkpath(QFileInfo(target).path());
            writeBytes(target, readBytes(modules + QLatin1Char('/') + file));
        }
        return QFileInfo::exists(shipped() + QStringLiteral("/setting/apConfig.bin"));
    }

    // One start of a program installed here, as the user of `home`.
    QString start() const
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        return enterDataFolder(bin());
    }
};

} // namespace

class TestDataLocation : public QObject
{
    Q_OBJECT

    ModulesSandbox m_sandbox;
    QString m_modules;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_sandbox.isValid());
        m_modules = m_sandbox.path() + QStringLiteral("/modules");
    }

    void cleanup() { QDir::setCurrent(m_sandbox.path()); }

    void buildFolderKeepsItsOwnData()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        const QString folder = enterDataFolder(m_sandbox.path());
        QCOMPARE(folder, m_sandbox.path());
        QCOMPARE(QDir::currentPath(), m_sandbox.path());
        QVERIFY(!QFileInfo::exists(home.path() + QStringLiteral("/k7config")));

        // Neither beside the executable nor installed: the executable's
        // folder, as before (the readers fall back to their defaults).
        QTemporaryDir bare;
        QCOMPARE(locateData(bare.path(), home.path()).kind, DataLocation::Kind::BesideExecutable);
        QCOMPARE(locateData(bare.path(), home.path()).folder, bare.path());
    }

    void firstStartCopiesTheShippedData()
    {
        Installation install;
        QVERIFY(install.make(m_modules));
        setReadOnly(install.shipped());
        const QStringList shippedBefore = treeState(install.shipped());

        const QString folder = install.start();
        QCOMPARE(folder, install.home.path() + QStringLiteral("/k7config"));
        QCOMPARE(QDir::currentPath(), folder);
        QCOMPARE(relativeFiles(install.userModules()), relativeFiles(install.shipped()));
        QCOMPARE(readBytes(QStringLiteral("./modules/setting/p3.bin")), readBytes(install.shipped() + QStringLiteral("/setting/p3.bin")));
        // The user's copy is the user's to change, even from a read-only install.
        QVERIFY(QFileInfo(QStringLiteral("./modules/setting/p1.bin")).permissions() & QFile::WriteOwner);
        QVERIFY(relativeFiles(folder).filter(QStringLiteral(".part")).isEmpty());
        QCOMPARE(treeState(install.shipped()), shippedBefore);
    }

    void laterStartsAddMissingFilesAndKeepTheUsers()
    {
        Installation install;
        QVERIFY(install.make(m_modules));
        install.start();
        const QByteArray mine = "[mouse]\ncurrentDpiCount=2\n";
        writeBytes(QStringLiteral("./modules/setting/p1.bin"), mine);
        QVERIFY(QFile::remove(QStringLiteral("./modules/gun/gunData.bin")));

        // An upgrade brings a new language and new factory values for p1.bin.
        writeBytes(install.shipped() + QStringLiteral("/i18n/Deutsch.ini"), "[other]\n");
        writeBytes(install.shipped() + QStringLiteral("/setting/p1.bin"), "[mouse]\ncurrentDpiCount=5\n");
        setReadOnly(install.shipped());
        const QStringList shippedBefore = treeState(install.shipped());

        QDir::setCurrent(m_sandbox.path());
        install.start();
        QCOMPARE(readBytes(QStringLiteral("./modules/setting/p1.bin")), mine);
        QCOMPARE(readBytes(QStringLiteral("./modules/i18n/Deutsch.ini")), QByteArray("[other]\n"));
        QVERIFY(QFileInfo::exists(QStringLiteral("./modules/gun/gunData.bin")));
        QCOMPARE(treeState(install.shipped()), shippedBefore);

        // What a start adds is reported; nothing when nothing is missing.
        const CopyReport again = addMissingFiles(install.shipped(), install.userModules());
        QVERIFY(again.added.isEmpty());
        QVERIFY(again.failed.isEmpty());
    }

    void aStaleTemporaryFileIsReplaced()
    {
        // An earlier start died while copying: its partial file is not the
        // user's and must not stop the real file from arriving.
        Installation install;
        QVERIFY(install.make(m_modules));
        QVERIFY(QDir().mkpath(install.userModules() + QStringLiteral("/setting")));
        writeBytes(install.userModules() + QStringLiteral("/setting/pD.bin.part"), "[half");
        const CopyReport report = addMissingFiles(install.shipped(), install.userModules());
        QVERIFY(report.failed.isEmpty());
        QVERIFY(report.added.contains(QStringLiteral("setting/pD.bin")));
        QCOMPARE(readBytes(install.userModules() + QStringLiteral("/setting/pD.bin")),
                 readBytes(install.shipped() + QStringLiteral("/setting/pD.bin")));
        QVERIFY(!QFileInfo::exists(install.userModules() + QStringLiteral("/setting/pD.bin.part")));
    }

    void anUnusableUserFolderFallsBackToTheInstalledCopy()
    {
        Installation install;
        QVERIFY(install.make(m_modules));
        const QStringList shippedBefore = treeState(install.shipped());
        // The data home is a file: no folder can be made below it.
        const QString blocked = install.home.path() + QStringLiteral("/file");
        writeBytes(blocked, "x");
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocked));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot create .*changes will not be kept")));
        const QString folder = enterDataFolder(install.bin());
        QCOMPARE(folder, install.prefix.path() + QStringLiteral("/share/k7config"));
        QVERIFY(QFileInfo::exists(QStringLiteral("./modules/setting/apConfig.bin")));
        QCOMPARE(treeState(install.shipped()), shippedBefore);
    }
};

QTEST_GUILESS_MAIN(TestDataLocation)
#include "tst_datalocation.moc"
