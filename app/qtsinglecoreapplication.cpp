#include "qtsinglecoreapplication.h"

#include "localpeer.h"

QtSingleCoreApplication::QtSingleCoreApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_peer(new LocalPeer(LocalPeer::identityFor(applicationFilePath()), this))
{
    connect(m_peer, &LocalPeer::messageReceived, this, &QtSingleCoreApplication::messageReceived);
}

bool QtSingleCoreApplication::isRunning()
{
    return m_peer->isClient();
}

bool QtSingleCoreApplication::sendMessage(const QString& message, int timeoutMs)
{
    return m_peer->sendMessage(message, timeoutMs);
}

QString QtSingleCoreApplication::id() const
{
    return m_peer->serverName();
}
