#pragma once

#include <QApplication>

class LocalPeer;

// A widget application that knows whether another copy of itself runs for
// the same user, and can hand that copy a message.
class QtSingleCoreApplication : public QApplication
{
    Q_OBJECT
public:
    QtSingleCoreApplication(int& argc, char** argv);

    bool isRunning();
    bool sendMessage(const QString& message, int timeoutMs = 5000);
    QString id() const;

Q_SIGNALS:
    void messageReceived(const QString& message);

private:
    LocalPeer* m_peer;
};
