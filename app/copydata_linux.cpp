#include "inputhook_linux.h"

#include "localpeer.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTimer>
#include <QVariant>
#include <QtEndian>

#include <sys/socket.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcInputHook)

namespace {


// The buffered bytes of one connection, kept on the socket itself.
constexpr char BUFFER_PROPERTY[] = "k7noticeBytes";

// The one listener of the process and the hook object that started it.
std::unique_ptr<CopyDataServer> copyDataServer;
GlobalInputHook* copyDataOwner = nullptr;

bool peerIsSameUser(QLocalSocket* socket)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    const int fd = static_cast<int>(socket->socketDescriptor());
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) {
        qCWarning(lcInputHook) << "copy-data notice refused: peer credentials unreadable";
        return false;
    }
    if (credentials.uid != geteuid()) {
        qCWarning(lcInputHook) << "copy-data notice refused: sent by user" << credentials.uid;
        return false;
    }
    return true;
}

std::uint32_t readWord(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

} // namespace

QString copyDataSocketPath()
{
    // Named after the single-instance identity: the program and the demo,
    // or two installations, each keep their own.
    const QString folder = LocalPeer::privateFolder();
    if (folder.isEmpty())
        return QString();
    return folder + QLatin1Char('/')
        + LocalPeer::identityFor(QCoreApplication::applicationFilePath()) + QStringLiteral("-notice");
}

CopyDataServer::CopyDataServer(GlobalInputHook& sink)
    : m_sink(sink)
    , m_server(new QLocalServer(this))
{
    QObject::connect(m_server, &QLocalServer::newConnection, this, &CopyDataServer::acceptConnection);
    const QString path = copyDataSocketPath();
    if (path.isEmpty()) {
        qCWarning(lcInputHook) << "copy-data notices cannot be received: no private runtime folder";
        return;
    }
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The single-instance check has passed, so a socket left there belongs
    // to a copy that ended without cleaning up.
    if (!m_server->listen(path) && m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(path);
        m_server->listen(path);
    }
    if (!m_server->isListening())
        qCWarning(lcInputHook) << "copy-data notices cannot be received:" << m_server->errorString();
}

bool CopyDataServer::isListening() const
{
    return m_server->isListening();
}

void CopyDataServer::acceptConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsSameUser(socket)) {
            socket->abort();
            continue;
        }
        // A peer that stops sending half-way is dropped, not waited for.
        QTimer::singleShot(CopyDataWire::READ_TIMEOUT_MS, socket, &QLocalSocket::abort);
        QObject::connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readNotice(socket); });
        readNotice(socket);
    }
}

void CopyDataServer::readNotice(QLocalSocket* socket)
{
    QByteArray bytes = socket->property(BUFFER_PROPERTY).toByteArray() + socket->readAll();
    if (bytes.size() < CopyDataWire::HEADER_SIZE) {
        socket->setProperty(BUFFER_PROPERTY, bytes);
        return;
    }
    const std::uint32_t cbData = readWord(bytes, CopyDataWire::CB_DATA_OFFSET);
    if (cbData > CopyDataWire::MAX_PAYLOAD) {
        qCWarning(lcInputHook) << "copy-data notice refused: announces" << cbData << "bytes";
        socket->abort();
        return;
    }
    if (bytes.size() < CopyDataWire::HEADER_SIZE + static_cast<qsizetype>(cbData)) {
        socket->setProperty(BUFFER_PROPERTY, bytes);
        return;
    }
    // Done with the peer before the callback: its warning box runs a nested
    // event loop, in which this socket must not be read again.
    QObject::disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->setProperty(BUFFER_PROPERTY, QVariant());
    socket->disconnectFromServer();
    const CopyDataMessage message{readWord(bytes, CopyDataWire::DW_DATA_OFFSET), cbData,
                                  bytes.constData() + CopyDataWire::HEADER_SIZE};
    m_sink.copyDataEvent(message);
}

void GlobalInputHook::startCopyDataListener()
{
    if (copyDataServer || QCoreApplication::instance() == nullptr)
        return;
    copyDataServer = std::make_unique<CopyDataServer>(*this);
    copyDataOwner = this;
}

void GlobalInputHook::stopCopyDataListener()
{
    if (copyDataOwner != this)
        return;
    copyDataServer.reset();
    copyDataOwner = nullptr;
}
