// One copy per program and user, over a local socket; stale sockets do not keep a copy from starting.
#include "platform/singleinstance.h"

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
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

} // namespace
