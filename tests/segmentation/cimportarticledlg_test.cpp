// The import dialog through its widgets: choosing a file, OK with the filter and custom-book boxes,
// the setting it writes, teacher mode, and staying open when the import is left.
// Texts are plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "segmentation/core/articletext.h"
#include "segmentation/core/segmentarticle.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/cimportarticledlg.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/installedseams.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace segmentation;
using booktest::gbk;

namespace {

const QByteArray kArticle = gbk("春天来了，小鸟在唱歌。\r\n我们去公园玩吧！\r\n");

class ImportArticleDlgTest : public testsupport::SandboxedTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(booktest::buildCodeBook(folders.programFolder(), folders.systemFolder(),
                                            "小鸟=9027 唱歌=66 中华人民共和国=5000")
                        .isEmpty());
    }
    CImportArticleDlg& dialog(const QString& commandLine = {})
    {
        if (!m_dialog) {
            m_dialog = std::make_unique<CImportArticleDlg>(nullptr, commandLine);
            m_dialog->show();
        }
        return *m_dialog;
    }
    template <typename T> T* control(const char* name) { return dialog().findChild<T*>(QLatin1String(name)); }
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

TEST_F(ImportArticleDlgTest, StartsWithTheFilterOnAndAsksForAFileFirst)
{
    EXPECT_TRUE(control<QCheckBox>("FilterSymbols_1035")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("CustomBook_1036")->isChecked());
    EXPECT_EQ(stored(settings::ShortCodeHint), 0);
    click("Ok_1");
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{"请先选择文件再导入"});
    EXPECT_NE(dialog().result(), QDialog::Accepted);
}

// A refused file also takes back the choice before it.
TEST_F(ImportArticleDlgTest, TakesFilesWithEnoughChineseTextOnly)
{
    const std::pair<QByteArray, const char*> refused[] = {
        {gbk("一二三四五六七八九十\r\n"), kTooFewCharactersMessage},
        {"Just some English.\r\n", kTooFewCharactersMessage},
        {QByteArray("GIF89a\0\0", 8) + kArticle, kNotATextFileMessage}};
    for (const auto& [bytes, message] : refused) {
        choose(kArticle);
        ASSERT_TRUE(dialog().fileChosen());
        seams.ui.clearRecords();
        choose(bytes);
        EXPECT_FALSE(dialog().fileChosen());
        EXPECT_EQ(seams.ui.messageTexts(), QStringList{QString::fromUtf8(message)});
    }
}

TEST_F(ImportArticleDlgTest, OkSegmentsTheChosenTextAndHandsItOver)
{
    for (const bool filtered : {true, false}) {
        m_dialog.reset();
        choose(kArticle);
        EXPECT_EQ(control<QPlainTextEdit>("Article_1001")->toPlainText(),
                  "春天来了，小鸟在唱歌。我们去公园玩吧！");
        control<QCheckBox>("FilterSymbols_1035")->setChecked(filtered);
        click("Ok_1");
        EXPECT_EQ(dialog().result(), QDialog::Accepted);
        const Article article = dialog().article();
        EXPECT_EQ(article.text, gbk(filtered ? "春天来了小鸟在唱歌我们去公园玩吧"
                                             : "春天来了，小鸟在唱歌。我们去公园玩吧！"));
        EXPECT_EQ(article.segmentationPattern.size(), article.text.size() / 2);
        EXPECT_EQ(article.statistics[ShortCodeWords], 1);
        EXPECT_EQ(article.statistics[Symbols], filtered ? 0 : 15); // every character no book knows
        EXPECT_EQ(stored(settings::UseCustomBook), 0);
    }
}

// Cancel in the custom upgrade leaves the import, and the dialog stays for a try without the book.
TEST_F(ImportArticleDlgTest, ACancelledCustomUpgradeLeavesTheImportAndTheDialogOpen)
{
    seams.ui.setModalHandler([](QDialog*) { return int(QDialog::Rejected); });
    choose(kArticle);
    control<QCheckBox>("CustomBook_1036")->setChecked(true);
    click("Ok_1");
    EXPECT_EQ(seams.ui.messageTexts(), (QStringList{QString::fromUtf8(kCustomBookMissingMessage),
                                                    "没有自定义码本，已取消本次导入！"}));
    EXPECT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_NE(dialog().result(), QDialog::Accepted);
    EXPECT_EQ(stored(settings::UseCustomBook), 1);

    control<QCheckBox>("CustomBook_1036")->setChecked(false);
    click("Ok_1");
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
}

TEST_F(ImportArticleDlgTest, TeacherModeRebuildsTheTeachersBookFirst)
{
    ASSERT_TRUE(booktest::writeFile(folders.programFolder() + "usercibiao.TXT", gbk("春天来了小鸟\r\n\r\n")));
    ASSERT_TRUE(dialog("-x /t").isTeacher());
    choose(kArticle);
    click("Ok_1");
    EXPECT_TRUE(QFileInfo::exists(folders.programFolder() + "zDurid.dat"));
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
    EXPECT_EQ(dialog().article().segmentationPattern.left(7), "0000001");
}

} // namespace
