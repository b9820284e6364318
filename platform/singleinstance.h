// One running copy per program and user, found over a local socket in the user's private runtime folder.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace platform {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy of the program runs for this user. Otherwise this copy becomes the
    // one that later copies find.
    bool anotherIsRunning();
    // From a later copy: ask the running one to come forward.
    void askRunningToComeForward();
    // The socket that later copies reach, while this copy is the running one; empty otherwise.
    QString serverPath() const;

signals:
    void comeForwardRequested();

private:
    // Takes requests from copies of this user only, each a short line.
    void serve(QLocalSocket* client);

    QString m_serverName; // the socket's path; empty when no private folder could be had
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace platform
