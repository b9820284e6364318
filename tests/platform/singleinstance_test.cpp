// One copy per program and user, over a local socket; stale sockets do not keep a copy from starting.
#include "platform/singleinstance.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::SingleInstance;

namespace {

QString uniqueProgramName()
{
    return QStringLiteral("talvorentest") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

TEST(SingleInstance, TheSecondCopyFindsTheFirst)
{
    const QString program = uniqueProgramName();
    SingleInstance first(program);
    EXPECT_FALSE(first.anotherIsRunning());
    EXPECT_FALSE(first.anotherIsRunning()); // asking again does not find itself
    SingleInstance second(program);
    EXPECT_TRUE(second.anotherIsRunning());
    SingleInstance otherProgram(uniqueProgramName());
    EXPECT_FALSE(otherProgram.anotherIsRunning());
}

TEST(SingleInstance, AfterTheFirstEndsTheNextCopyRuns)
{
    const QString program = uniqueProgramName();
    auto first = std::make_unique<SingleInstance>(program);
    ASSERT_FALSE(first->anotherIsRunning());
    first.reset();
    SingleInstance next(program);
    EXPECT_FALSE(next.anotherIsRunning());
}

TEST(SingleInstance, ALaterCopyCanCallTheFirstForward)
{
    const QString program = uniqueProgramName();
    SingleInstance first(program);
    ASSERT_FALSE(first.anotherIsRunning());
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    SingleInstance second(program);
    ASSERT_TRUE(second.anotherIsRunning());
    second.askRunningToComeForward();
    EXPECT_TRUE(forward.wait(5000));
    EXPECT_EQ(forward.count(), 1);
}

TEST(SingleInstance, ARequestThatArrivesInPiecesStillCallsTheFirstForward)
{
    const QString program = uniqueProgramName();
    SingleInstance first(program);
    ASSERT_FALSE(first.anotherIsRunning());
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    QLocalSocket later;
    later.connectToServer(first.serverPath());
    ASSERT_TRUE(later.waitForConnected(5000));
    later.write("come-");
    ASSERT_TRUE(later.waitForBytesWritten(5000));
    QTest::qWait(100); // the first copy reads the piece before the rest comes
    later.write("forward\n");
    ASSERT_TRUE(later.waitForBytesWritten(5000));
    EXPECT_TRUE(forward.wait(5000));
    EXPECT_EQ(forward.count(), 1);
}

// A copy that died leaves its socket file behind; nobody listens on it.
TEST(SingleInstance, AStaleSocketIsClearedAway)
{
    const QString program = uniqueProgramName();
    QString socketPath;
    {
        SingleInstance probe(program);
        ASSERT_FALSE(probe.anotherIsRunning());
        socketPath = probe.serverPath();
    }
    ASSERT_FALSE(socketPath.isEmpty());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketPath);
    ASSERT_LT(size_t(path.size()), sizeof(address.sun_path));
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(socketPath));

    SingleInstance restarted(program);
    EXPECT_FALSE(restarted.anotherIsRunning());
    SingleInstance later(program);
    EXPECT_TRUE(later.anotherIsRunning());
}

// Points XDG_RUNTIME_DIR at a fresh folder of the given mode while it lives.
class RuntimeFolder
{
public:
    explicit RuntimeFolder(mode_t mode)
    {
        ::chmod(QFile::encodeName(m_dir.path()).constData(), mode);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
    }
    ~RuntimeFolder() { qunsetenv("XDG_RUNTIME_DIR"); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

TEST(SingleInstance, TheChannelLivesInAFolderOfThisUsersAlone)
{
    {
        RuntimeFolder runtime(0700);
        SingleInstance first(uniqueProgramName());
        ASSERT_FALSE(first.anotherIsRunning());
        EXPECT_EQ(QFileInfo(first.serverPath()).path(), runtime.path());
    }
    // A runtime folder that others can reach is not used; a private one of our own is.
    RuntimeFolder open(0755);
    SingleInstance first(uniqueProgramName());
    ASSERT_FALSE(first.anotherIsRunning());
    const QFileInfo folder(QFileInfo(first.serverPath()).path());
    EXPECT_NE(folder.filePath(), open.path());
    EXPECT_EQ(folder.ownerId(), ::geteuid());
    EXPECT_EQ(folder.permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                       QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::Permissions());
}

TEST(SingleInstance, AClientThatNeverEndsItsRequestIsDropped)
{
    const QString program = uniqueProgramName();
    SingleInstance first(program);
    ASSERT_FALSE(first.anotherIsRunning());
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    QLocalSocket flood;
    flood.connectToServer(first.serverPath());
    ASSERT_TRUE(flood.waitForConnected(5000));
    QSignalSpy dropped(&flood, &QLocalSocket::disconnected);
    flood.write(QByteArray(1 << 20, 'x'));
    EXPECT_TRUE(dropped.wait(5000));

    SingleInstance later(program); // the channel still serves the next copy
    ASSERT_TRUE(later.anotherIsRunning());
    later.askRunningToComeForward();
    EXPECT_TRUE(forward.wait(5000));
}

// Only root can be another user; elsewhere the private folder already keeps others out.
TEST(SingleInstance, ARequestFromAnotherUserIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to connect as another user";
    RuntimeFolder runtime(0700);
    SingleInstance first(uniqueProgramName());
    ASSERT_FALSE(first.anotherIsRunning());
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    // Opened up as a careless set-up might, so that the other user can reach the socket at all.
    const QByteArray socketPath = QFile::encodeName(first.serverPath());
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0711), 0);
    ASSERT_EQ(::chmod(socketPath.constData(), 0777), 0);

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(socketPath.size()), sizeof(address.sun_path));
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool sent = ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
                          ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                          ::write(fd, "come-forward\n", 13) == 13;
        ::_exit(sent ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other user could not send";
    EXPECT_FALSE(forward.wait(500));
}

} // namespace
