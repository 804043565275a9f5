#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// The single-instance channel: the first process of an identity listens on a
// local socket that only its user can reach; later ones find it there and
// pass a message. The identity derives from the executable's path and the
// user, so two installations, or two users, never see each other.
class LocalPeer : public QObject
{
    Q_OBJECT
public:
    explicit LocalPeer(const QString& identity, QObject* parent = nullptr);
    ~LocalPeer() override;

    // True when another process of this identity listens already; otherwise
    // this peer starts listening and becomes the one that receives messages.
    bool isClient();
    bool sendMessage(const QString& message, int timeoutMs);

    QString serverName() const { return m_serverName; }
    QString fullServerName() const;

    // identity of an application: its file path and the user running it
    static QString identityFor(const QString& applicationFilePath);
    // Where the socket and its lock live: the user's runtime folder, or else
    // a user-only folder in the temporary one. Empty when neither is safe.
    static QString privateFolder();

Q_SIGNALS:
    void messageReceived(const QString& message);

private:
    void receiveConnection();

    QString m_serverName;
    QString m_lockFileName;
    QLocalServer* m_server = nullptr;
};
