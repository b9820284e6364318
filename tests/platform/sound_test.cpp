// The WAVE player: name lookup, the seam, and silence where there is nothing to play.
#include "platform/sound.h"
#include "tests/support/recordingsoundplayer.h"

#include <QSignalSpy>
#include <QSoundEffect>
#include <QUrl>
#include <gtest/gtest.h>

using platform::SoundPlayer;

namespace {

TEST(Sound, NamesMatchWithoutRegardToCase)
{
    EXPECT_EQ(SoundPlayer::resourcePath(QStringLiteral("testbeep")), QStringLiteral(":/res/WAVE/TESTBEEP"));
    EXPECT_EQ(SoundPlayer::resourcePath(QStringLiteral("TestBeep")), QStringLiteral(":/res/WAVE/TESTBEEP"));
    EXPECT_TRUE(SoundPlayer::resourcePath(QStringLiteral("COMPLETE")).isEmpty());
    EXPECT_TRUE(SoundPlayer::resourcePath(QString()).isEmpty());
}

// The player hands the resource to QSoundEffect as a qrc: address; it must load from there.
TEST(Sound, AWaveResourceLoadsFromItsResourceAddress)
{
    QSoundEffect effect;
    QSignalSpy statusChanged(&effect, &QSoundEffect::statusChanged);
    effect.setSource(QUrl(QStringLiteral("qrc") + SoundPlayer::resourcePath(QStringLiteral("testbeep"))));
    for (int i = 0; i < 50 && effect.status() == QSoundEffect::Loading; ++i)
        statusChanged.wait(100);
    EXPECT_EQ(effect.status(), QSoundEffect::Ready);
}

TEST(Sound, PlayingWithoutSoundOrDeviceIsSilentAndReturns)
{
    SoundPlayer& real = SoundPlayer::instance();
    real.playResource(QStringLiteral("NOSUCHSOUND"));
    real.playResource(QString());
    real.playResource(QStringLiteral("testbeep"));
    real.playResource(QStringLiteral("TESTBEEP")); // cuts off the first
    QCoreApplication::processEvents();
    SUCCEED();
}

TEST(Sound, AnInstalledPlayerReplacesTheRealOneUntilRemoved)
{
    testsupport::RecordingSoundPlayer recorder;
    SoundPlayer& real = SoundPlayer::instance();
    SoundPlayer::setInstance(&recorder);
    SoundPlayer::instance().playResource(QStringLiteral("SOUND"));
    SoundPlayer::setInstance(nullptr);
    EXPECT_EQ(recorder.played(), QStringList{QStringLiteral("SOUND")});
    EXPECT_EQ(&SoundPlayer::instance(), &real);
}

} // namespace
