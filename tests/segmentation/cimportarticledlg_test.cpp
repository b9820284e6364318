// The import dialog through its widgets: choosing a file, OK with the filter and custom-book boxes,
// the setting it writes, teacher mode, and leaving the import when the custom book stays missing.
// Texts are plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "platform/gbk.h"
#include "segmentation/core/articletext.h"
#include "segmentation/core/segmentarticle.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/cimportarticledlg.h"
#include "segmentation/ui/cupgradecustomcodebookdlg.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/installedseams.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace segmentation;
using booktest::gbk;
using booktest::group;

namespace {

const QString kArticle = "春天来了，小鸟在唱歌。\r\n我们去公园玩吧！\r\n";

class ImportArticleDlgTest : public testsupport::SandboxedTest
{
protected:
    void SetUp() override
    {
        const BuildReport report = booktest::buildCodeBook(
            folders.programFolder(), folders.systemFolder(), {group("4021", {"在"}), group("4", {"去"})},
            {group("5010", {"春天"}), group("9027", {"小鸟"}), group("66", {"唱歌"}), group("23", {"我们"}),
             group("5000", {"中华人民共和国"})}); // words of up to 14 bytes
        ASSERT_TRUE(report.ok());
    }

    CImportArticleDlg& dialog(const QString& commandLine = {})
    {
        if (!m_dialog) {
            m_dialog = std::make_unique<CImportArticleDlg>(nullptr, commandLine);
            m_dialog->show();
        }
        return *m_dialog;
    }
    template <typename T> T* control(const char* name)
    {
        T* widget = dialog().findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void choose(const QByteArray& bytes)
    {
        const QString path = folders.programFolder() + "article.txt";
        ASSERT_TRUE(booktest::writeFile(path, bytes));
        seams.ui.queueFileName(path);
        click("SelectFile_1006");
    }
    std::optional<qint32> stored(const Setting& setting) { return SettingsKey().readExisting(setting); }

    std::unique_ptr<CImportArticleDlg> m_dialog;
};

TEST_F(ImportArticleDlgTest, StartsWithTheFilterOnAndTheCustomBookOff)
{
    EXPECT_TRUE(control<QCheckBox>("FilterSymbols_1035")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("CustomBook_1036")->isChecked());
    EXPECT_FALSE(control<QProgressBar>("Progress_1004")->isVisible());
    EXPECT_TRUE(control<QPlainTextEdit>("Article_1001")->isReadOnly());
    EXPECT_FALSE(dialog().fileChosen());
    EXPECT_FALSE(dialog().isTeacher());
    EXPECT_EQ(stored(settings::ShortCodeHint), 0);
    EXPECT_EQ(dialog().windowTitle(), "打开测试文章");
}

TEST_F(ImportArticleDlgTest, OkWithoutAFileAsksForOne)
{
    click("Ok_1");
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{"请先选择文件再导入"});
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(stored(settings::UseCustomBook), std::nullopt);
}

struct ChoiceCase
{
    const char* name;
    QByteArray bytes;
    bool chosen;
    const char* message; // empty: none
};

void PrintTo(const ChoiceCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileChoice : public ImportArticleDlgTest, public ::testing::WithParamInterface<ChoiceCase>
{
};

// Each refused file also takes back an earlier choice.
TEST_P(FileChoice, TakesEnoughChineseTextOnly)
{
    choose(gbk(kArticle));
    ASSERT_TRUE(dialog().fileChosen());
    seams.ui.clearRecords();
    choose(GetParam().bytes);
    EXPECT_EQ(dialog().fileChosen(), GetParam().chosen);
    EXPECT_EQ(seams.ui.messageTexts(),
              *GetParam().message ? QStringList{QString::fromUtf8(GetParam().message)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileChoice,
    ::testing::Values(
        ChoiceCase{"ElevenCharacters", gbk("一二三四五六七八九十百"), true, ""},
        ChoiceCase{"Utf8", kArticle.toUtf8(), true, ""},
        ChoiceCase{"TenCharacters", gbk("一二三四五六七八九十\r\n"), false, kTooFewCharactersMessage},
        ChoiceCase{"AsciiOnly", "Just some English.\r\n", false, kTooFewCharactersMessage},
        ChoiceCase{"Empty", "", false, kTooFewCharactersMessage},
        ChoiceCase{"Binary", QByteArray("GIF89a\0\0\1\0", 10) + gbk(kArticle), false, kNotATextFileMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportArticleDlgTest, TheChosenTextIsShown)
{
    choose(kArticle.toUtf8());
    EXPECT_EQ(control<QPlainTextEdit>("Article_1001")->toPlainText(),
              "春天来了，小鸟在唱歌。我们去公园玩吧！");
}

TEST_F(ImportArticleDlgTest, ACancelledFileDialogChangesNothing)
{
    choose(gbk(kArticle));
    click("SelectFile_1006"); // nothing queued: cancelled
    EXPECT_TRUE(dialog().fileChosen());
    EXPECT_TRUE(seams.ui.messageTexts().isEmpty());
}

TEST_F(ImportArticleDlgTest, OkFiltersSegmentsAndHandsTheArticleOver)
{
    choose(gbk(kArticle));
    click("Ok_1");
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
    const Article article = dialog().article();
    EXPECT_EQ(article.text, gbk("春天来了小鸟在唱歌我们去公园玩吧"));
    EXPECT_EQ(article.segmentationPattern, "0010110110010101");
    EXPECT_EQ(article.shortCodePattern, "0010110444440101");
    EXPECT_EQ(article.statistics[TestCharacters], 16);
    EXPECT_EQ(article.statistics[Symbols], 0);
    EXPECT_EQ(stored(settings::UseCustomBook), 0);
    EXPECT_FALSE(control<QProgressBar>("Progress_1004")->isVisible());
    EXPECT_TRUE(seams.ui.messageTexts().isEmpty());
}

TEST_F(ImportArticleDlgTest, WithoutTheFilterSymbolsStayAndAreCounted)
{
    choose(gbk(kArticle));
    control<QCheckBox>("FilterSymbols_1035")->setChecked(false);
    click("Ok_1");
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
    EXPECT_EQ(dialog().article().text, gbk("春天来了，小鸟在唱歌。我们去公园玩吧！"));
    // 来 了 公 园 玩 吧 are in no book either, and count as symbols too
    EXPECT_EQ(dialog().article().statistics[Symbols], 9);
}

TEST_F(ImportArticleDlgTest, AFileOfListedSymbolsOnlyLeavesNothingToPractise)
{
    choose(gbk("，。，。，。，。，。，。"));
    click("Ok_1");
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QString::fromUtf8(kTooFewCharactersMessage)});
    EXPECT_NE(dialog().result(), QDialog::Accepted);
}

TEST_F(ImportArticleDlgTest, TheCustomBookIsUsedAndTheChoiceStored)
{
    ASSERT_TRUE(
        booktest::buildCustomBook(folders.programFolder(), folders.systemFolder(), {{"5006", "小鸟在"}})
            .ok());
    choose(gbk(kArticle));
    control<QCheckBox>("CustomBook_1036")->setChecked(true);
    click("Ok_1");
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
    EXPECT_EQ(dialog().article().segmentationPattern.mid(4, 4), "1110");
    EXPECT_EQ(stored(settings::UseCustomBook), 1);
}

// Cancel in the custom upgrade leaves the import: nothing is handed over, and the dialog stays for
// another try without the custom book.
TEST_F(ImportArticleDlgTest, ACancelledCustomUpgradeLeavesTheImport)
{
    seams.ui.setModalHandler([](QDialog*) { return int(QDialog::Rejected); });
    choose(gbk(kArticle));
    control<QCheckBox>("CustomBook_1036")->setChecked(true);
    click("Ok_1");
    EXPECT_EQ(seams.ui.messageTexts(), (QStringList{QString::fromUtf8(kCustomBookMissingMessage),
                                                    "没有自定义码本，已取消本次导入！"}));
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows()[0].objectName, "CUpgradeCustomCodeBookDlg");
    EXPECT_NE(dialog().result(), QDialog::Accepted);
    EXPECT_FALSE(control<QProgressBar>("Progress_1004")->isVisible());

    control<QCheckBox>("CustomBook_1036")->setChecked(false);
    click("Ok_1");
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
}

TEST_F(ImportArticleDlgTest, TheCustomUpgradeBuildsTheMissingBook)
{
    ASSERT_TRUE(booktest::writeFile(folders.systemFolder() + "ZDYgbk.TXT",
                                    platform::codefile::writeUserWordFile(
                                        {{platform::codefile::asciiCodeField("5006"), gbk("小鸟在")}})));
    seams.ui.setModalHandler([](QDialog* window) {
        qobject_cast<CUpgradeCustomCodeBookDlg*>(window)->OnOK();
        return window->result();
    });
    choose(gbk(kArticle));
    control<QCheckBox>("CustomBook_1036")->setChecked(true);
    click("Ok_1");
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
    EXPECT_EQ(dialog().article().segmentationPattern.mid(4, 4), "1110");
}

TEST_F(ImportArticleDlgTest, TeacherModeRebuildsTheTeachersBookFirst)
{
    ASSERT_TRUE(booktest::writeFile(folders.programFolder() + "usercibiao.TXT",
                                    platform::codefile::writeWordList({gbk("春天来了小鸟")})));
    CImportArticleDlg& teacher = dialog("-x /t");
    EXPECT_TRUE(teacher.isTeacher());
    choose(gbk(kArticle));
    click("Ok_1");
    EXPECT_TRUE(QFileInfo::exists(folders.programFolder() + "zDurid.dat"));
    EXPECT_EQ(teacher.result(), QDialog::Accepted);
    EXPECT_EQ(teacher.article().segmentationPattern.left(7), "0000001");
}

TEST_F(ImportArticleDlgTest, AMissingTeachersListIsToldAndTheArticleStillHandedOver)
{
    dialog("/t");
    choose(gbk(kArticle));
    click("Ok_1");
    EXPECT_EQ(seams.ui.messageTexts(), (QStringList{"不能打开自定义文件", "不能打开idx文件"}));
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
    EXPECT_EQ(dialog().article().segmentationPattern, "0101010101010101");
}

TEST_F(ImportArticleDlgTest, ADamagedCodeBookLeavesTheImport)
{
    ASSERT_TRUE(booktest::writeFile(folders.programFolder() + "Durid.dat", "not a database"));
    choose(gbk(kArticle));
    click("Ok_1");
    ASSERT_EQ(seams.ui.messageTexts().size(), 1);
    EXPECT_TRUE(seams.ui.messageTexts()[0].startsWith("码本文件Durid.dat不能读取"));
    EXPECT_NE(dialog().result(), QDialog::Accepted);
}

} // namespace
