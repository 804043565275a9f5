#include "localpeer.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcPeer, "k7.instance")

namespace {

constexpr char ACK = '\x06';
constexpr int CONNECT_TIMEOUT_MS = 500;
constexpr quint32 MAX_MESSAGE_BYTES = 64 * 1024;

QString userName()
{
    return qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
}

// A folder only this user can enter, where the socket and its lock live. On
// Windows the name is a pipe name and the folder only holds the lock file.
QString privateFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

QString LocalPeer::identityFor(const QString& applicationFilePath)
{
    QByteArray key = QDir::cleanPath(applicationFilePath).toUtf8();
#ifdef Q_OS_WIN
    key = key.toLower(); // paths are case-insensitive there
#endif
    key += '\n' + userName().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("k7config-") + QString::fromLatin1(hash);
}

LocalPeer::LocalPeer(const QString& identity, QObject* parent)
    : QObject(parent)
{
#ifdef Q_OS_WIN
    m_serverName = identity;
#else
    m_serverName = privateFolder() + QLatin1Char('/') + identity;
#endif
    m_lockFileName = privateFolder() + QLatin1Char('/') + identity + QStringLiteral(".lock");
}

LocalPeer::~LocalPeer() = default;

QString LocalPeer::fullServerName() const
{
    return m_server ? m_server->fullServerName() : QString();
}

bool LocalPeer::isClient()
{
    if (m_server)
        return false;

    // Two processes started at the same moment must not both decide to be
    // first: the check and the listen happen under one lock.
    QLockFile lock(m_lockFileName);
    lock.setStaleLockTime(5000);
    if (!lock.tryLock(5000))
        qCWarning(lcPeer) << "instance lock not taken:" << m_lockFileName;

    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    if (probe.waitForConnected(CONNECT_TIMEOUT_MS))
        return true;

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_serverName); // a socket left by a crashed run
    if (!m_server->listen(m_serverName)) {
        qCWarning(lcPeer) << "cannot listen on" << m_serverName << m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &LocalPeer::receiveConnection);
    return false;
}

bool LocalPeer::sendMessage(const QString& message, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;

    const QByteArray payload = message.toUtf8();
    QByteArray frame;
    QDataStream(&frame, QIODevice::WriteOnly) << quint32(payload.size());
    frame += payload;
    socket.write(frame);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    if (!socket.waitForReadyRead(int(deadline.remainingTime())))
        return false;
    return socket.read(1) == QByteArray(1, ACK);
}

void LocalPeer::receiveConnection()
{
    QLocalSocket* socket = m_server->nextPendingConnection();
    if (!socket)
        return;
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);

    // Read the whole message on a short leash: a peer that stalls must not
    // freeze the window.
    const QDeadlineTimer deadline(1000);
    auto fill = [&](qint64 wanted) {
        while (socket->bytesAvailable() < wanted && !deadline.hasExpired())
            if (!socket->waitForReadyRead(int(deadline.remainingTime())))
                break;
        return socket->bytesAvailable() >= wanted;
    };
    if (!fill(4)) {
        socket->abort();
        return;
    }
    quint32 size = 0;
    QDataStream(socket->read(4)) >> size;
    if (size > MAX_MESSAGE_BYTES || !fill(size)) {
        socket->abort();
        return;
    }
    const QString message = QString::fromUtf8(socket->read(size));
    socket->write(&ACK, 1);
    socket->waitForBytesWritten(200);
    socket->disconnectFromServer();
    Q_EMIT messageReceived(message);
}
