#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace platform {
namespace {

constexpr int kConnectTimeoutMs = 1000;
const QByteArray kComeForward = QByteArrayLiteral("come-forward\n");

QString userName()
{
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("user");
}

// A socket name safe in any file system: letters and digits kept, anything else hashed in.
QString serverNameFor(const QString& programName)
{
    const QString raw = programName + u'-' + userName();
    QString safe;
    for (QChar c : raw)
        safe += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' ? c : u'_';
    if (safe != raw) {
        const QByteArray hash = QCryptographicHash::hash(raw.toUtf8(), QCryptographicHash::Sha1);
        safe += u'-' + QString::fromLatin1(hash.toHex().left(8));
    }
    return safe;
}

} // namespace

SingleInstance::SingleInstance(const QString& programName, QObject* parent)
    : QObject(parent), m_serverName(serverNameFor(programName))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::anotherIsRunning()
{
    if (m_server && m_server->isListening())
        return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(m_serverName);
        if (probe.waitForConnected(kConnectTimeoutMs)) {
            probe.disconnectFromServer();
            return true;
        }
        // Nobody answers: a socket left by a copy that died is in the way, if anything.
        QLocalServer::removeServer(m_serverName);
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        if (server->listen(m_serverName)) {
            connect(server.get(), &QLocalServer::newConnection, this, [this] {
                while (QLocalSocket* client = m_server->nextPendingConnection()) {
                    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
                    // A request may arrive in pieces; only a whole line counts.
                    connect(client, &QLocalSocket::readyRead, this, [this, client] {
                        while (client->canReadLine()) {
                            if (client->readLine() == kComeForward)
                                emit comeForwardRequested();
                        }
                    });
                }
            });
            m_server = std::move(server);
            return false;
        }
        // Another copy took the name between our probe and our listen: ask again.
    }
    // Neither reachable nor ours: better to run twice than not at all.
    return false;
}

QString SingleInstance::serverPath() const
{
    return m_server && m_server->isListening() ? m_server->fullServerName() : QString();
}

void SingleInstance::askRunningToComeForward()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return;
    socket.write(kComeForward);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
}

} // namespace platform
