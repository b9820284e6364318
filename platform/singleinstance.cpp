#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kConnectTimeoutMs = 1000;
const QByteArray kComeForward = QByteArrayLiteral("come-forward\n");
// Far more than a request holds; a client that sends this much without a line end is dropped.
constexpr qint64 kMaxRequestBytes = 256;

// A folder only this user can reach: no link, owned by us, closed to everyone else.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat info
    {
    };
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR when it is this user's alone, else a private folder of ours in the temporary
// folder; empty when neither can be had (someone else made ours first).
QString runtimeFolder()
{
    const QByteArray fromEnvironment = qgetenv("XDG_RUNTIME_DIR");
    if (fromEnvironment.startsWith('/') && isPrivateFolder(fromEnvironment))
        return QFile::decodeName(fromEnvironment);
    const QByteArray own =
        QFile::encodeName(QDir::tempPath()) + "/talvoren-runtime-" + QByteArray::number(::geteuid());
    ::mkdir(own.constData(), 0700); // one that is there already must pass the same test
    return isPrivateFolder(own) ? QFile::decodeName(own) : QString();
}

// A socket file name safe in any file system: letters and digits kept, anything else hashed in.
QString socketNameFor(const QString& programName)
{
    QString safe;
    for (QChar c : programName)
        safe += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' ? c : u'_';
    if (safe != programName) {
        const QByteArray hash = QCryptographicHash::hash(programName.toUtf8(), QCryptographicHash::Sha1);
        safe += u'-' + QString::fromLatin1(hash.toHex().left(8));
    }
    return safe + QStringLiteral(".instance");
}

// The kernel's word on who is at the other end of a connected local socket.
bool peerIsThisUser(const QLocalSocket& socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

} // namespace

SingleInstance::SingleInstance(const QString& programName, QObject* parent) : QObject(parent)
{
    const QString folder = runtimeFolder();
    if (!folder.isEmpty())
        m_serverName = folder + u'/' + socketNameFor(programName);
    else
        qWarning("No private runtime folder: this copy does not look for other copies");
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::anotherIsRunning()
{
    if (m_serverName.isEmpty() || (m_server && m_server->isListening()))
        return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(m_serverName);
        if (probe.waitForConnected(kConnectTimeoutMs) && peerIsThisUser(probe)) {
            probe.disconnectFromServer();
            return true;
        }
        probe.abort();
        // Nobody of ours answers: a socket left by a copy that died is in the way, if anything.
        QLocalServer::removeServer(m_serverName);
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        if (server->listen(m_serverName)) {
            connect(server.get(), &QLocalServer::newConnection, this, [this] {
                while (QLocalSocket* client = m_server->nextPendingConnection())
                    serve(client);
            });
            m_server = std::move(server);
            return false;
        }
        // Another copy took the name between our probe and our listen: ask again.
    }
    // Neither reachable nor ours: better to run twice than not at all.
    return false;
}

void SingleInstance::serve(QLocalSocket* client)
{
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    if (!peerIsThisUser(*client)) {
        client->abort();
        client->deleteLater();
        return;
    }
    client->setReadBufferSize(kMaxRequestBytes);
    // A request may arrive in pieces; only a whole line counts.
    connect(client, &QLocalSocket::readyRead, this, [this, client] {
        while (client->canReadLine()) {
            if (client->readLine() == kComeForward)
                emit comeForwardRequested();
        }
        if (client->bytesAvailable() >= kMaxRequestBytes)
            client->abort();
    });
}

QString SingleInstance::serverPath() const
{
    return m_server && m_server->isListening() ? m_server->fullServerName() : QString();
}

void SingleInstance::askRunningToComeForward()
{
    if (m_serverName.isEmpty())
        return;
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs) || !peerIsThisUser(socket))
        return;
    socket.write(kComeForward);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
}

} // namespace platform
