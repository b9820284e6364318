// The desktop opener: missing files fail before any handler is asked; addresses go through as given;
// help files need their signature.
#include "platform/opener.h"
#include "tests/support/files.h"
#include "tests/support/recordingopener.h"

#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class OpenerTest : public ::testing::Test
{
protected:
    testsupport::RecordingOpener m_handler;
};

TEST_F(OpenerTest, AMissingFileIsNotOpened)
{
    QTemporaryDir dir;
    EXPECT_FALSE(platform::openWithDesktop(dir.filePath(QStringLiteral("talvorencaihelp.chm"))));
    EXPECT_FALSE(
        platform::openWithDesktop(QUrl::fromLocalFile(dir.filePath(QStringLiteral("x.chm"))).toString()));
    EXPECT_FALSE(platform::openWithDesktop(QString()));
    EXPECT_TRUE(m_handler.opened().isEmpty());
}

TEST_F(OpenerTest, AnExistingFileGoesToTheHandlerWhoseAnswerIsReturned)
{
    QTemporaryDir dir;
    const QString help = dir.filePath(QStringLiteral("corvelle.chm"));
    ASSERT_TRUE(testsupport::writeFile(help, {}));
    EXPECT_TRUE(platform::openWithDesktop(help));
    m_handler.setAnswer(false);
    EXPECT_FALSE(platform::openWithDesktop(help));
    EXPECT_EQ(m_handler.opened(), (QStringList{help, help}));
}

TEST_F(OpenerTest, AHelpFileIsOpenedOnlyWithItsSignature)
{
    QTemporaryDir dir;
    const QString help = dir.filePath(QStringLiteral("talvorencaihelp.chm"));
    EXPECT_FALSE(platform::openHelpFile(help));
    for (const QByteArray& contents :
         {QByteArray(), QByteArray("ITS"), QByteArray("<html>ITSF"), QByteArray("ITSF\x03")}) {
        ASSERT_TRUE(testsupport::writeFile(help, contents));
        EXPECT_EQ(platform::openHelpFile(help), contents.startsWith("ITSF")) << contents.constData();
    }
    EXPECT_EQ(m_handler.opened(), QStringList{help});
}

class OpenerAddressTest : public OpenerTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(OpenerAddressTest, AnAddressIsHandedOnWithoutAFileCheck)
{
    const QString address = QString::fromLatin1(GetParam());
    EXPECT_TRUE(platform::openWithDesktop(address));
    EXPECT_EQ(m_handler.opened(), QStringList{address});
}

INSTANTIATE_TEST_SUITE_P(Addresses, OpenerAddressTest,
                         ::testing::Values("http://www.example.com/", "https://example.org/a?b=1",
                                           "mailto:someone@example.com"));

} // namespace
