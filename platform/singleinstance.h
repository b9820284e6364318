// One running copy per program and user.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

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
    QString m_serverName;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace platform
