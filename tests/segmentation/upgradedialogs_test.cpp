// The two book upgrade dialogs through their widgets: what they show, the rebuild, and the messages.
#include "platform/codefile.h"
#include "platform/gbk.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/buildprogress.h"
#include "segmentation/ui/cupgradecodebookdlg.h"
#include "segmentation/ui/cupgradecustomcodebookdlg.h"
#include "tests/support/files.h"
#include "tests/support/installedseams.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace segmentation;
namespace codefile = platform::codefile;

namespace {

using testsupport::writeFile;

// A code file of one word, padded to a size that shows as whole kilobytes.
QByteArray codeFile(int kilobytes)
{
    const QByteArray word = platform::gbk::encode(QStringLiteral("中国"));
    return codefile::writeCodeFile(
        {"UpgradeTest", QByteArray(kilobytes * 1024, 'a'), "", {}, {{"500601", {word}}}});
}

class UpgradeDlgTest : public testsupport::SandboxedTest
{
protected:
    QString system(const char* name) const { return folders.systemFolder() + QLatin1String(name); }
    QString program(const char* name) const { return folders.programFolder() + QLatin1String(name); }

    template <typename T> static T* control(QDialog& dialog, const char* name)
    {
        T* widget = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QString text(QDialog& dialog, const char* name) { return control<QLabel>(dialog, name)->text(); }
    static void click(QDialog& dialog, const char* name)
    {
        QTest::mouseClick(control<QPushButton>(dialog, name), Qt::LeftButton);
    }
};

TEST_F(UpgradeDlgTest, ShowsTheCodeFileOfTheEditionAndNoBook)
{
    ASSERT_TRUE(writeFile(system("orvesk.mb"), codeFile(2)));
    ASSERT_TRUE(writeFile(system("orveske.mb"), codeFile(5)));
    for (const auto& [edition, size] : {std::pair{0, "2K"}, std::pair{1, "5K"}}) {
        ASSERT_TRUE(writeSetting(settings::Edition, edition));
        CUpgradeCodeBookDlg dialog;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("升级码本"));
        EXPECT_EQ(dialog.edition(), edition);
        EXPECT_EQ(text(dialog, "CodeFileSize_1005"), QLatin1String(size));
        EXPECT_FALSE(text(dialog, "CodeFileTime_1002").isEmpty());
        EXPECT_EQ(text(dialog, "BookTime_1003"), QStringLiteral("无"));
        EXPECT_EQ(text(dialog, "BookSize_1006"), QStringLiteral("无"));
        EXPECT_TRUE(control<QProgressBar>(dialog, "Progress_1004")->isHidden());
    }
}

TEST_F(UpgradeDlgTest, AMissingCodeFileShowsNothing)
{
    CUpgradeCodeBookDlg dialog;
    EXPECT_EQ(text(dialog, "CodeFileTime_1002"), QStringLiteral("Nothing"));
    EXPECT_EQ(text(dialog, "CodeFileSize_1005"), QString());
    QStringList groups;
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        groups << group->title();
    EXPECT_EQ(groups,
              (QStringList{QStringLiteral("系统中当前码本信息"), QStringLiteral("本软件使用码本信息")}));
}

// The rebuild takes orvesk.mb for either edition, says so, shows the book's new facts and stays open;
// a second one in the same dialog replaces the book again, and the next dialog reads the facts back.
TEST_F(UpgradeDlgTest, ARebuildShowsTheBooksNewFactsAndStaysOpen)
{
    ASSERT_TRUE(writeSetting(settings::Edition, 0));
    ASSERT_TRUE(writeFile(system("orvesk.mb"), codeFile(3)));
    {
        CUpgradeCodeBookDlg dialog;
        dialog.show();
        for (int run = 0; run < 2; ++run) {
            seams.ui.clearRecords();
            click(dialog, "Start_1");
            ASSERT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("成功升级码本")});
            EXPECT_EQ(seams.ui.messageBoxes().first().title, QStringLiteral("Corvelle"));
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.result(), 0);
            EXPECT_EQ(text(dialog, "BookTime_1003"), text(dialog, "CodeFileTime_1002"));
            EXPECT_EQ(text(dialog, "BookSize_1006"), QStringLiteral("3K"));
            EXPECT_TRUE(control<QProgressBar>(dialog, "Progress_1004")->isHidden());
            EXPECT_EQ(QFile(program("index.dat")).size(), 48132);
        }
    }
    CUpgradeCodeBookDlg reopened;
    EXPECT_EQ(reopened.bookTime(), reopened.codeFileTime());
    EXPECT_EQ(reopened.bookSize(), QStringLiteral("3K"));
}

TEST_F(UpgradeDlgTest, ACodeFileThatCannotBeOpenedIsToldInAPlainBoxAndKeepsTheBook)
{
    ASSERT_TRUE(writeSetting(settings::Edition, 0));
    ASSERT_TRUE(writeFile(system("orvesk.mb"), codeFile(1)));
    CUpgradeCodeBookDlg dialog;
    click(dialog, "Start_1");
    ASSERT_TRUE(QFile::remove(system("orvesk.mb")));
    seams.ui.clearRecords();
    click(dialog, "Start_1");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes().first().text, QStringLiteral("不能打开码本文件"));
    EXPECT_EQ(seams.ui.messageBoxes().first().title, QStringLiteral("错误"));
    EXPECT_EQ(seams.ui.messageBoxes().first().flags, platform::MB_OK);
    EXPECT_EQ(text(dialog, "BookSize_1006"), QStringLiteral("1K"));
    EXPECT_TRUE(QFile::exists(program("Durid.dat")));
}

TEST_F(UpgradeDlgTest, ADamagedCodeFileIsToldWithItsReason)
{
    QByteArray damaged = codeFile(1);
    damaged.chop(1); // the word group loses its closing 0xFF
    ASSERT_TRUE(writeFile(system("orvesk.mb"), damaged));
    CUpgradeCodeBookDlg dialog;
    click(dialog, "Start_1");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_TRUE(seams.ui.messageBoxes().first().text.contains(system("orvesk.mb")));
    EXPECT_EQ(text(dialog, "BookTime_1003"), QStringLiteral("无"));
    EXPECT_FALSE(QFile::exists(program("Durid.dat")));
}

TEST_F(UpgradeDlgTest, ExitClosesWithCancel)
{
    CUpgradeCodeBookDlg dialog;
    dialog.show();
    click(dialog, "Exit_2");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(program("Durid.dat")));
}

TEST(BuildProgress, StepsOneAtATimeAndStartsAgainPastItsMaximum)
{
    QProgressBar bar;
    bar.hide();
    startProgress(&bar);
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.minimum(), 1);
    EXPECT_EQ(bar.maximum(), 7000);
    EXPECT_EQ(bar.value(), 1);
    stepProgress(&bar);
    EXPECT_EQ(bar.value(), 2);
    bar.setValue(7000);
    stepProgress(&bar);
    EXPECT_EQ(bar.value(), 1);
}

// --- The custom book's dialog --------------------------------------------------------------------

QByteArray userWordFile()
{
    return codefile::writeUserWordFile(
        {{codefile::asciiCodeField("1234"), platform::gbk::encode(QStringLiteral("人民"))}});
}

TEST_F(UpgradeDlgTest, TheCustomDialogBuildsFromTheEditionsFileAndCloses)
{
    ASSERT_TRUE(writeFile(system("ZDYgbk.TXT"), userWordFile()));
    CUpgradeCustomCodeBookDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("升级自定义码本"));
    EXPECT_EQ(dialog.edition(), 1);
    EXPECT_TRUE(control<QProgressBar>(dialog, "Progress_1047")->isHidden());
    dialog.show();
    click(dialog, "Ok_1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    EXPECT_EQ(QFile(program("indexzdy.dat")).size(), 48132);
    EXPECT_TRUE(QFile::exists(program("zdyDurid.dat")));
}

TEST_F(UpgradeDlgTest, TheCustomDialogClosesAfterAFileThatCannotBeOpened)
{
    ASSERT_TRUE(writeFile(system("ZDYgbk.TXT"), userWordFile())); // the other edition's file
    ASSERT_TRUE(writeSetting(settings::Edition, 0));
    CUpgradeCustomCodeBookDlg dialog;
    dialog.show();
    click(dialog, "Ok_1");
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("不能打开自定义文件")});
    EXPECT_EQ(seams.ui.messageBoxes().first().title, QStringLiteral("错误"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(QFile::exists(program("indexzdy.dat")));
}

TEST_F(UpgradeDlgTest, CancellingTheCustomDialogBuildsNothing)
{
    ASSERT_TRUE(writeFile(system("ZDYgbk.TXT"), userWordFile()));
    CUpgradeCustomCodeBookDlg dialog;
    dialog.show();
    click(dialog, "Cancel_2");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(program("indexzdy.dat")));
}

} // namespace
