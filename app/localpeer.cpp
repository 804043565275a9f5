#include "localpeer.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

Q_LOGGING_CATEGORY(lcPeer, "k7.instance")

namespace {

constexpr char ACK = '\x06';
constexpr int CONNECT_TIMEOUT_MS = 500;
constexpr quint32 MAX_MESSAGE_BYTES = 64 * 1024;

// Who runs the program. A variable such as $USER can be set to anything;
// the numeric id cannot.
QByteArray userIdentity()
{
#ifdef Q_OS_WIN
    return qgetenv("USERNAME");
#else
    return QByteArray::number(geteuid());
#endif
}

#ifndef Q_OS_WIN
// A folder that this user owns and no one else may enter.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat info = {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid()
        && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}
#endif

} // namespace

QString LocalPeer::privateFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
#ifdef Q_OS_WIN
    return QDir::tempPath(); // per user there
#else
    // The shared temporary folder only with a subfolder of our own: there,
    // anyone could take a predictable name first and make every start exit.
    const QString folder = QDir::tempPath() + QStringLiteral("/k7config-") + QString::fromLatin1(userIdentity());
    const QByteArray path = QFile::encodeName(folder);
    ::mkdir(path.constData(), S_IRWXU);
    if (isPrivateFolder(path))
        return folder;
    qCWarning(lcPeer) << "no private folder for the instance check:" << folder
                      << "is not a folder of this user's alone";
    return QString();
#endif
}

QString LocalPeer::identityFor(const QString& applicationFilePath)
{
    QByteArray key = QDir::cleanPath(applicationFilePath).toUtf8();
#ifdef Q_OS_WIN
    key = key.toLower(); // paths are case-insensitive there
#endif
    key += '\n' + userIdentity();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("k7config-") + QString::fromLatin1(hash);
}

LocalPeer::LocalPeer(const QString& identity, QObject* parent)
    : QObject(parent)
{
    const QString folder = privateFolder();
    if (folder.isEmpty())
        return; // no safe place: every start runs as the first
#ifdef Q_OS_WIN
    m_serverName = identity;
#else
    m_serverName = folder + QLatin1Char('/') + identity;
#endif
    m_lockFileName = folder + QLatin1Char('/') + identity + QStringLiteral(".lock");
}

LocalPeer::~LocalPeer() = default;

QString LocalPeer::fullServerName() const
{
    return m_server ? m_server->fullServerName() : QString();
}

bool LocalPeer::isClient()
{
    if (m_server || m_serverName.isEmpty())
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
    if (m_serverName.isEmpty())
        return false;
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
