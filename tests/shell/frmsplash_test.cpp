// Start-up: a second copy, the button pictures, the input method, the code database, the hand-over.
#include "platform/dao.h"
#include "platform/singleinstance.h"
#include "shell/databasemessage.h"
#include "shell/frmsplash.h"
#include "tests/shell/startupfixture.h"
#include "tests/support/files.h"

#include <QTimer>

using platform::MB_ICONEXCLAMATION;
using platform::MB_ICONSTOP;
using platform::MB_OK;
using platform::MB_OKCANCEL;

namespace {

const QString kStartupTitle = QStringLiteral("Talvoren汉字教学软体");
const QString kDiskMessage = QStringLiteral("请检查硬盘是否写保护，或硬盘空间已满");
const QString kDatabaseMessage = QStringLiteral("数据不完整，请重新安装本软件");
const QString kNoImeMessage = QStringLiteral("本计算机未安装Talvoren汉字输入法!");

// A name of its own per test, so neither a running program nor another test counts as a first copy.
QString uniqueInstanceName()
{
    return QStringLiteral("talvoren-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

class SplashTest : public shelltest::StartupTest
{
protected:
    frmSplash& splash()
    {
        if (!m_splash)
            m_splash = std::make_unique<frmSplash>(m_instanceName);
        return *m_splash;
    }
    QTimer* timer1() { return splash().findChild<QTimer*>(QStringLiteral("Timer1")); }
    // Form_Load and then the timer's one tick.
    void startUp()
    {
        splash().Form_Load();
        ASSERT_TRUE(endedWith.isEmpty());
        splash().Timer1_Timer();
    }

    QString m_instanceName = uniqueInstanceName();
    std::unique_ptr<frmSplash> m_splash;
};

TEST_F(SplashTest, SecondCopyEndsSilentlyBeforeItsTimer)
{
    platform::SingleInstance running(m_instanceName);
    ASSERT_FALSE(running.anotherIsRunning());

    splash().Form_Load();

    EXPECT_EQ(endedWith.size(), 1);
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(gifFiles().isEmpty());
}

TEST_F(SplashTest, FirstCopyShowsItselfAndWaitsForItsTimer)
{
    splash().Form_Load();

    EXPECT_TRUE(endedWith.isEmpty());
    EXPECT_TRUE(splash().isVisible());
    EXPECT_TRUE(timer1()->isActive());
    EXPECT_EQ(timer1()->interval(), 200);
    EXPECT_TRUE(gifFiles().isEmpty());
}

TEST_F(SplashTest, StartUpWritesPicturesOpensDatabaseAndHandsOverToMainWindow)
{
    registerInputMethod();
    createDatabase();

    startUp();

    EXPECT_TRUE(endedWith.isEmpty());
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty()) << seams.ui.messageTexts().join(u'\n').toStdString();
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_EQ(Module1::gAppPath, folders.programFolder());
    EXPECT_EQ(gifFiles(), allButtonPictures());
    ASSERT_TRUE(Module1::gDatabase);
    EXPECT_TRUE(Module1::gDatabase->isOpen());
    EXPECT_NE(Module1::gImeLayout, 0u);
    ASSERT_NE(splash().mainWindow(), nullptr);
    EXPECT_TRUE(splash().mainWindow()->isVisible());
    EXPECT_FALSE(splash().isVisible());
}

TEST_F(SplashTest, RandomGeneratorIsSeededFromTheClock)
{
    createDatabase();
    seams.clock.setNow(QDateTime(QDate(2002, 3, 4), QTime(10, 30, 0)));
    startUp();
    const QList<std::uint32_t> expected{std::uint32_t(QTime(10, 30, 0).msecsSinceStartOfDay())};
    EXPECT_EQ(seams.random.seeds(), expected);
}

TEST_F(SplashTest, MissingInputMethodIsReportedAndStartUpGoesOn)
{
    createDatabase();
    startUp();
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_TRUE(seams.ui.messageBoxes()[0].text.startsWith(kNoImeMessage));
    EXPECT_TRUE(endedWith.isEmpty());
    ASSERT_NE(splash().mainWindow(), nullptr);
    EXPECT_TRUE(splash().mainWindow()->isVisible());
}

// A picture that cannot be written (here a folder stands where its file would go, which stops even
// an all-powerful user) ends start-up at that picture, whichever button the user presses.
struct BlockedPicture
{
    int id;
    int answer;
};

class UnwritablePictureTest : public SplashTest, public ::testing::WithParamInterface<BlockedPicture>
{
};

TEST_P(UnwritablePictureTest, StopsAtThatPictureWithTheDiskMessage)
{
    registerInputMethod();
    createDatabase();
    const QString blocked = QString::number(GetParam().id) + QStringLiteral(".gif");
    ASSERT_TRUE(QDir(folders.programFolder()).mkdir(blocked));
    seams.ui.queueMessageBoxAnswer(GetParam().answer);

    startUp();

    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, kDiskMessage);
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, kStartupTitle);
    EXPECT_EQ(seams.ui.messageBoxes()[0].flags, MB_OKCANCEL | MB_ICONSTOP);
    EXPECT_EQ(endedWith.size(), 1);
    // The pictures before the blocked one stay; none after it is written.
    const QStringList expected = allButtonPictures().mid(0, GetParam().id - 101);
    QStringList written = gifFiles();
    written.removeAll(blocked);
    EXPECT_EQ(written, expected);
    EXPECT_FALSE(Module1::gDatabase);
    EXPECT_EQ(splash().mainWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Pictures, UnwritablePictureTest,
                         ::testing::Values(BlockedPicture{101, platform::IDOK},
                                           BlockedPicture{101, platform::IDCANCEL},
                                           BlockedPicture{104, platform::IDOK},
                                           BlockedPicture{108, platform::IDCANCEL}),
                         [](const auto& info) {
                             return "Gif" + std::to_string(info.param.id) +
                                    (info.param.answer == platform::IDOK ? "Ok" : "Cancel");
                         });

// Without a usable code database start-up tells the user, takes its pictures away again and ends.
class UnusableDatabaseTest : public SplashTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(UnusableDatabaseTest, ShowsTheDataMessageDeletesThePicturesAndEnds)
{
    registerInputMethod();
    const QByteArray content(GetParam());
    if (!content.isEmpty()) {
        ASSERT_TRUE(testsupport::writeFile(programFile(QStringLiteral("talvorendb.dat")), content));
    }
    ASSERT_TRUE(testsupport::writeFile(programFile(QStringLiteral("readme.txt")), {}));

    startUp();

    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, kDatabaseMessage);
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, kStartupTitle);
    EXPECT_EQ(seams.ui.messageBoxes()[0].flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(gifFiles().isEmpty());
    EXPECT_TRUE(QFile::exists(programFile(QStringLiteral("readme.txt"))));
    EXPECT_EQ(endedWith.size(), 1);
    EXPECT_EQ(splash().mainWindow(), nullptr);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<frmmain*>(window) && window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableDatabaseTest, ::testing::Values("", "not a database at all"),
                         [](const auto& info) { return info.index == 0 ? "Missing" : "Damaged"; });

// A database that another program holds locked is whole: start-up says it is in use, not damaged.
TEST_F(SplashTest, DatabaseLockedByAnotherProgramIsReportedAsLocked)
{
    registerInputMethod();
    createDatabase();
    const QString name = QStringLiteral("splash-test-locker");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        other.setDatabaseName(programFile(QStringLiteral("talvorendb.dat")));
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        startUp(); // waits for the lock as long as SQLite waits, then gives up
        lock.exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(name);

    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    const QString locked =
        shell::databaseFailureText(platform::dao::DaoError("locked", true), kDatabaseMessage);
    EXPECT_NE(locked, kDatabaseMessage);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, locked);
    EXPECT_EQ(endedWith.size(), 1);
}

} // namespace
