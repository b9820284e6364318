// The practice program's start-up: one running copy, the frame with its view and document, the
// teacher switch, the code-book question and the application's command.
#include "platform/singleinstance.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/ui/ccorvelleapp.h"
#include "tests/ime/support/samplecodes.h"
#include "tests/segmentation/practicewindow.h"
#include "tests/support/files.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace practicetest;
using namespace segmentation;

namespace {

const QString kCodeBookQuestion =
    QStringLiteral("分词所用的数据不存在!\n现在需要导入数据！\n是否导入？不导入将退出本软件！");

class AppTest : public PracticeWindowTest
{
protected:
    CCorvelleApp& app(const QStringList& arguments = {})
    {
        if (!m_app)
            m_app = std::make_unique<CCorvelleApp>(
                QStringList{QStringLiteral("/opt/talvoren/corvelle")} + arguments, m_instanceName);
        return *m_app;
    }
    QString codeBook() const { return folders.programFolder() + QStringLiteral("Durid.dat"); }
    QString codeBookIndex() const { return folders.programFolder() + QStringLiteral("index.dat"); }
    void createCodeBook()
    {
        ASSERT_TRUE(testsupport::writeFile(codeBook(), {}));
        ASSERT_TRUE(testsupport::writeFile(codeBookIndex(), QByteArray(48132, '\0')));
    }

    QString m_instanceName = uniqueInstanceName();
    std::unique_ptr<CCorvelleApp> m_app;
};

TEST_F(AppTest, ASecondCopySaysSoBringsTheFirstForwardAndEnds)
{
    platform::SingleInstance running(m_instanceName);
    ASSERT_FALSE(running.anotherIsRunning());
    QSignalSpy forward(&running, &platform::SingleInstance::comeForwardRequested);

    EXPECT_FALSE(app().InitInstance());
    EXPECT_EQ(seams.ui.messageTexts(),
              QStringList{QStringLiteral("你已经运行本次序一次了！\n我不同意你同时运行两次")});
    EXPECT_EQ(app().mainFrame(), nullptr);
    EXPECT_TRUE(forward.wait(2000));
    EXPECT_EQ(forward.count(), 1);
}

TEST_F(AppTest, TheFirstCopyShowsItsFrameWithTheCaptionAndComesForwardWhenAsked)
{
    createCodeBook();
    ASSERT_TRUE(app().InitInstance());
    CMainFrame* frame = app().mainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Talvoren输入法2002简易版教学系统 - 分词练习"));
    EXPECT_EQ(frame->centralWidget(), app().view());
    EXPECT_TRUE(seams.ui.messageTexts().isEmpty());

    frame->showMinimized();
    platform::SingleInstance later(m_instanceName);
    ASSERT_TRUE(later.anotherIsRunning());
    later.askRunningToComeForward();
    for (int wait = 0; wait < 100 && frame->isMinimized(); ++wait)
        QTest::qWait(20);
    EXPECT_FALSE(frame->isMinimized());
}

TEST_F(AppTest, WithoutACodeBookNoEndsTheProgramAfterShowingTheWindow)
{
    seams.ui.queueMessageBoxAnswer(platform::IDNO);
    EXPECT_FALSE(app().InitInstance());
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, kCodeBookQuestion);
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, QStringLiteral("Corvelle"));
    EXPECT_EQ(seams.ui.messageBoxes()[0].flags & platform::MB_TYPEMASK, platform::MB_YESNO);
    ASSERT_NE(app().mainFrame(), nullptr);
    EXPECT_TRUE(app().mainFrame()->isVisible());
}

// As an earlier version could leave it after a kill in the middle of placing a new book.
TEST_F(AppTest, ACodeBookWithoutItsIndexIsNoBookAndTheStartUpAsksForOne)
{
    ASSERT_TRUE(testsupport::writeFile(codeBook(), {}));
    seams.ui.queueMessageBoxAnswer(platform::IDNO);
    EXPECT_FALSE(app().InitInstance());
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{kCodeBookQuestion});
}

TEST_F(AppTest, WithoutACodeBookYesRunsTheUpgradeDialogThatBuildsIt)
{
    ASSERT_TRUE(imetest::writeSampleFiles(folders.systemFolder()));
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    onDialog = [](QDialog* dialog) {
        if (auto* start = dialog->findChild<QPushButton*>(QStringLiteral("Start_1")))
            start->click();
        return int(QDialog::Rejected); // the dialog ends only through its exit button
    };
    EXPECT_TRUE(app().InitInstance());
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows()[0].objectName, QStringLiteral("CUpgradeCodeBookDlg"));
    EXPECT_EQ(seams.ui.messageTexts(), (QStringList{kCodeBookQuestion, QStringLiteral("成功升级码本")}));
    EXPECT_TRUE(QFile::exists(codeBook()));
    EXPECT_TRUE(QFile::exists(codeBookIndex()));
}

TEST_F(AppTest, WithoutACodeBookYesGoesOnWhenTheUpgradeDialogIsLeftWithoutBuilding)
{
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    onDialog = [](QDialog*) { return int(QDialog::Rejected); };
    EXPECT_TRUE(app().InitInstance());
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{kCodeBookQuestion});
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows()[0].objectName, QStringLiteral("CUpgradeCodeBookDlg"));
    EXPECT_FALSE(QFile::exists(codeBook()));
}

TEST_F(AppTest, TheUpgradeCommandsRunTheirDialogsAndCtrlNWaitsForTheTestsEnd)
{
    createCodeBook();
    ASSERT_TRUE(app().InitInstance());
    CommandRouter& commands = app().mainFrame()->commands();
    EXPECT_TRUE(commands.route(ID_FILE_NEW));
    EXPECT_TRUE(commands.route(ID_UPGRADE_CUSTOM_BOOK));
    app().document()->takeArticle(makeArticle(QStringLiteral("中国")));
    app().view()->OnTestStart();
    ASSERT_TRUE(app().view()->isTesting());
    EXPECT_FALSE(commands.route(ID_FILE_NEW));
    EXPECT_TRUE(commands.route(ID_UPGRADE_CUSTOM_BOOK));

    QStringList shown;
    for (const auto& modal : seams.ui.modalWindows())
        shown << modal.objectName;
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("CUpgradeCodeBookDlg"), QStringLiteral("CUpgradeCustomCodeBookDlg"),
                           QStringLiteral("CUpgradeCustomCodeBookDlg")}));
}

// The switch's rule is the command line's; here, that the view is handed the program's arguments.
struct TeacherCase
{
    const char* name;
    QStringList arguments;
    bool teacher;
};

class TeacherSwitchTest : public AppTest, public ::testing::WithParamInterface<TeacherCase>
{
};

TEST_P(TeacherSwitchTest, TheViewTakesTheTeacherSwitchFromTheArguments)
{
    createCodeBook();
    ASSERT_TRUE(app(GetParam().arguments).InitInstance());
    EXPECT_EQ(app().view()->teacherFlag(), GetParam().teacher);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, TeacherSwitchTest,
    ::testing::Values(TeacherCase{"AnywhereInAnArgument", {QStringLiteral("-x/ty")}, true},
                      TeacherCase{"NotInTheProgramsOwnPath", {}, false}),
    [](const ::testing::TestParamInfo<TeacherCase>& info) { return std::string(info.param.name); });

TEST_F(AppTest, ADocumentThatCannotBeOpenedEndsTheStartUp)
{
    createCodeBook();
    EXPECT_FALSE(app({folders.programFolder() + QStringLiteral("missing.txt")}).InitInstance());
    EXPECT_EQ(seams.ui.messageBoxes().size(), 1);
}

struct CommandDialog
{
    int command;
    const char* dialog;
};

class CommandDialogTest : public AppTest, public ::testing::WithParamInterface<CommandDialog>
{
};

TEST_P(CommandDialogTest, TheCommandRunsItsDialog)
{
    createCodeBook();
    ASSERT_TRUE(app().InitInstance());
    seams.ui.setModalHandler([](QDialog*) { return int(QDialog::Rejected); });
    EXPECT_TRUE(app().mainFrame()->commands().route(GetParam().command));
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows()[0].objectName, QLatin1String(GetParam().dialog));
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandDialogTest,
                         ::testing::Values(CommandDialog{ID_APP_ABOUT, "CAboutDlg"},
                                           CommandDialog{ID_FILE_OPEN, "CImportArticleDlg"}),
                         [](const ::testing::TestParamInfo<CommandDialog>& info) {
                             return std::string(info.param.dialog);
                         });

} // namespace
