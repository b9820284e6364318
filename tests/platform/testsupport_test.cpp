// The shared test support: folders that point the programs elsewhere and seams that put themselves back.
#include "platform/clock.h"
#include "platform/opener.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "platform/uiservice.h"
#include "tests/support/files.h"
#include "tests/support/installedseams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

TEST(TestFolders, PointTheProgramsAtFreshFoldersAndRestoreThem)
{
    const QString programBefore = platform::programFolder();
    const QByteArray userBefore = qgetenv("TALVOREN_USER_DIR");
    QString program;
    {
        TestFolders folders;
        program = folders.programFolder();
        EXPECT_EQ(platform::programFolder(), program);
        EXPECT_EQ(platform::systemFolder(), folders.systemFolder());
        EXPECT_EQ(platform::userFolder(), folders.userFolder());
        for (const QString& folder : {program, folders.systemFolder(), folders.userFolder()})
            EXPECT_TRUE(QDir(folder).isEmpty()) << folder.toStdString();
    }
    EXPECT_FALSE(QDir(program).exists());
    EXPECT_EQ(platform::programFolder(), programBefore);
    EXPECT_EQ(qgetenv("TALVOREN_USER_DIR"), userBefore);
}

TEST(TestFolders, AMissingStagedFileIsExplained)
{
    TestFolders folders;
    QString error;
    EXPECT_TRUE(
        copyStagedFile(QStringLiteral("no-such-file.dat"), folders.programFolder(), &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("no-such-file.dat")));
}

TEST(TestFolders, AStagedFileIsCopiedWritable)
{
    QTemporaryDir stage;
    const QByteArray stageBefore = qgetenv("TALVOREN_STAGE_DIR");
    qputenv("TALVOREN_STAGE_DIR", QFile::encodeName(stage.path()));
    const QString source = stage.filePath(QStringLiteral("talvorendb.dat"));
    ASSERT_TRUE(testsupport::writeFile(source, "data"));
    QFile::setPermissions(source, QFile::ReadOwner);
    TestFolders folders;
    const QString copy = folders.copySampleDatabase();
    qputenv("TALVOREN_STAGE_DIR", stageBefore);
    ASSERT_EQ(copy, folders.programFolder() + QStringLiteral("talvorendb.dat"));
    EXPECT_TRUE(QFile::permissions(copy) & QFile::WriteOwner);
    EXPECT_EQ(testsupport::readFile(copy), QByteArray("data"));
}

TEST(InstalledSeams, InstallAndRemoveEverySeam)
{
    platform::UiService* realUi = &platform::UiService::instance();
    platform::Clock* realClock = &platform::Clock::instance();
    {
        InstalledSeams seams;
        EXPECT_EQ(&platform::UiService::instance(), &seams.ui);
        EXPECT_EQ(&platform::Clock::instance(), &seams.clock);
        EXPECT_EQ(&platform::RandomSource::instance(), &seams.random);
        EXPECT_EQ(&platform::SoundPlayer::instance(), &seams.sound);
        EXPECT_TRUE(platform::openWithDesktop(QStringLiteral("https://example.com/")));
        EXPECT_EQ(seams.opened, QStringList{QStringLiteral("https://example.com/")});
    }
    EXPECT_EQ(&platform::UiService::instance(), realUi);
    EXPECT_EQ(&platform::Clock::instance(), realClock);
}

TEST(FixedRandom, ReturnsTheScriptThenCyclesOrFallsBack)
{
    FixedRandom random;
    random.setValues({0.5f, 0.25f});
    EXPECT_EQ(random.rnd(), 0.5f);
    EXPECT_EQ(random.rnd(), 0.25f);
    EXPECT_EQ(random.rnd(), 0.5f);
    random.setValues({0.75f});
    random.setFallback(0.125f);
    EXPECT_EQ(random.rnd(), 0.75f);
    EXPECT_EQ(random.rnd(), 0.125f);
    EXPECT_EQ(random.calls(), 5);
}

TEST(FixedClock, AdvancesTicksAndTimeTogether)
{
    FixedClock clock;
    clock.setTickCount(0xFFFFFF00u);
    const QDateTime start = clock.now();
    clock.advance(0x200);
    EXPECT_EQ(clock.tickCount(), 0x100u); // wraps as GetTickCount does
    EXPECT_EQ(start.msecsTo(clock.now()), 0x200);
}

} // namespace
