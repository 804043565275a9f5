#include "app/entry.h"
#include "app/localpeer.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <atomic>
#include <memory>

#include <pwd.h>
#include <unistd.h>

class TestLocalPeer : public QObject
{
    Q_OBJECT

    static QString freshIdentity()
    {
        return QStringLiteral("k7test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    }

private Q_SLOTS:
    // Without a runtime folder the socket went to the shared temporary
    // folder under a predictable name, where another user could take it
    // first and make every start exit with 1.
    void fallbackIsAUserOnlyFolder()
    {
        QTemporaryDir shared;
        const QByteArray savedTmp = qgetenv("TMPDIR");
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            for (const auto& [name, value] : {std::pair{"TMPDIR", savedTmp}, std::pair{"XDG_RUNTIME_DIR", savedRuntime}})
                value.isNull() ? qunsetenv(name) : qputenv(name, value);
        });
        qputenv("TMPDIR", QFile::encodeName(shared.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        // A file where the runtime folder would go: there is none.
        QFile blocker(shared.path() + QStringLiteral("/runtime-") + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name));
        QVERIFY(blocker.open(QIODevice::WriteOnly));

        LocalPeer peer(freshIdentity());
        QVERIFY(!peer.isClient());
        const QFileInfo folder(QFileInfo(peer.serverName()).absolutePath());
        QVERIFY2(folder.absoluteFilePath() != QFileInfo(shared.path()).absoluteFilePath(), qPrintable(peer.serverName()));
        QCOMPARE(folder.ownerId(), uint(geteuid()));
        QCOMPARE(folder.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // A name in the shared folder that someone else took: no check at all
        // rather than one that anybody can answer.
        LocalPeer::privateFolder(); // the folder exists by now
        QVERIFY(QDir(folder.absoluteFilePath()).removeRecursively());
        QFile taken(folder.absoluteFilePath());
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.close();
        LocalPeer unsafe(freshIdentity());
        QVERIFY(!unsafe.isClient());
        QVERIFY(unsafe.serverName().isEmpty());
    }

    void firstListensSecondIsClient()
    {
        const QString id = freshIdentity();
        LocalPeer first(id);
        QVERIFY(!first.isClient());
        QVERIFY(!first.fullServerName().isEmpty());

        LocalPeer second(id);
        QVERIFY(second.isClient());

        QSignalSpy received(&first, &LocalPeer::messageReceived);
        // The sender blocks until the receiver acknowledges, and the receiver
        // answers from this thread's event loop: send from another thread.
        std::atomic<bool> delivered = false;
        std::unique_ptr<QThread> sender(QThread::create([&] { delivered = second.sendMessage(QString(), 5000); }));
        sender->start();
        QTRY_COMPARE(received.size(), 1);
        QVERIFY(sender->wait(5000));
        QVERIFY(delivered);
        QCOMPARE(received.first().first().toString(), QString());
    }

    void socketIsPrivateToTheUser()
    {
        LocalPeer peer(freshIdentity());
        QVERIFY(!peer.isClient());
        const QFileInfo socket(peer.fullServerName());
        QVERIFY2(socket.exists(), qPrintable(peer.fullServerName()));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                          | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(socket.permissions() & others, QFile::Permissions());
        QCOMPARE(socket.ownerId(), uint(::getuid()));
    }

    void staleSocketIsTakenOver()
    {
        const QString id = freshIdentity();
        {
            LocalPeer crashed(id);
            QVERIFY(!crashed.isClient());
        }
        // Nobody listens any more: a new start must become the first again.
        LocalPeer next(id);
        QVERIFY(!next.isClient());
    }

    void noListenerMeansSendFails()
    {
        LocalPeer lonely(freshIdentity());
        QVERIFY(!lonely.sendMessage(QStringLiteral("hello"), 200));
    }

    // The user part is the numeric id: a variable such as $USER can name
    // anyone.
    void identityDependsOnPathAndUserId()
    {
        const QString a = LocalPeer::identityFor(QStringLiteral("/opt/k7/k7config"));
        QCOMPARE(a, LocalPeer::identityFor(QStringLiteral("/opt/k7/./k7config")));
        QVERIFY(a != LocalPeer::identityFor(QStringLiteral("/home/me/k7config")));

        const QByteArray saved = qgetenv("USER");
        const auto restore = qScopeGuard([&] { qputenv("USER", saved); });
        qputenv("USER", "somebody-else");
        QCOMPARE(LocalPeer::identityFor(QStringLiteral("/opt/k7/k7config")), a);
    }

    void executableFolderCutsAtLastSlash_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("unix") << "/opt/k7/bin/k7config" << "/opt/k7/bin";
        QTest::newRow("root") << "/k7config" << "";
        QTest::newRow("no slash") << "k7config" << "k7config";
    }
    void executableFolderCutsAtLastSlash()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(executableFolder(path), folder);
    }
};

QTEST_GUILESS_MAIN(TestLocalPeer)
#include "tst_localpeer.moc"
