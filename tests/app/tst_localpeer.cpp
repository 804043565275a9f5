#include "app/entry.h"
#include "app/localpeer.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <atomic>
#include <memory>

#include <unistd.h>

class TestLocalPeer : public QObject
{
    Q_OBJECT

    static QString freshIdentity()
    {
        return QStringLiteral("k7test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    }

private Q_SLOTS:
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

    void identityDependsOnPathAndUser()
    {
        const QString a = LocalPeer::identityFor(QStringLiteral("/opt/k7/k7config"));
        QCOMPARE(a, LocalPeer::identityFor(QStringLiteral("/opt/k7/k7config")));
        QCOMPARE(a, LocalPeer::identityFor(QStringLiteral("/opt/k7/./k7config")));
        QVERIFY(a != LocalPeer::identityFor(QStringLiteral("/home/me/k7config")));

        qputenv("USER", "somebody-else");
        qputenv("USERNAME", "somebody-else");
        QVERIFY(a != LocalPeer::identityFor(QStringLiteral("/opt/k7/k7config")));
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
