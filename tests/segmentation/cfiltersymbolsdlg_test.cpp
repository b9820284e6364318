// The filter-symbol dialog: adding, deleting, OK writing filter.dat, Cancel writing nothing.
#include "platform/gbk.h"
#include "segmentation/core/filtersymbols.h"
#include "segmentation/ui/cfiltersymbolsdlg.h"
#include "tests/support/files.h"
#include "tests/support/fulldisk.h"
#include "tests/support/installedseams.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FilterSymbolsDlgTest : public testsupport::SandboxedTest
{
protected:
    QString filePath() const { return segmentation::filterFilePath(folders.programFolder()); }
    QByteArray fileBytes() const { return testsupport::readFile(filePath()); }
    template <typename T> T* control(const char* name) { return dialog.findChild<T*>(QLatin1String(name)); }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QListWidget* list() { return control<QListWidget>("SymbolList_1000"); }
    // Deletes the first symbol, the question answered with yes.
    void deleteFirst()
    {
        list()->setCurrentRow(0);
        seams.ui.queueMessageBoxAnswer(platform::IDYES);
        click("Delete_1019");
    }

    CFilterSymbolsDlg dialog;
};

TEST_F(FilterSymbolsDlgTest, AnAddedSymbolIsWrittenAsTheLastLineOnOk)
{
    dialog.show();
    control<QLineEdit>("SymbolEdit_1037")->setText(QStringLiteral("．"));
    control<QLineEdit>("DescriptionEdit_1038")->setText(QStringLiteral("点"));
    click("Add_1039");
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("已经成功添加!")});
    EXPECT_EQ(list()->item(30)->text(), QStringLiteral("．          点"));
    EXPECT_TRUE(control<QLineEdit>("SymbolEdit_1037")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("DescriptionEdit_1038")->text().isEmpty());

    click("Ok_1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(fileBytes().endsWith(platform::gbk::encode(u"．          点\r\n")));
    EXPECT_EQ(fileBytes().count("\r\n"), 31);
}

TEST_F(FilterSymbolsDlgTest, EmptyAndSingleByteSymbolsAreRefused)
{
    click("Add_1039");
    control<QLineEdit>("SymbolEdit_1037")->setText(QStringLiteral("a中"));
    click("Add_1039");
    EXPECT_EQ(seams.ui.messageTexts(), (QStringList{QStringLiteral("请先输入符号再添加!"),
                                                    QStringLiteral("请输入汉字或全角符号再添加!")}));
    EXPECT_EQ(list()->count(), 30);
}

TEST_F(FilterSymbolsDlgTest, DeleteAsksFirstAndNeedsASelection)
{
    click("Delete_1019");
    list()->setCurrentRow(0);
    seams.ui.queueMessageBoxAnswer(platform::IDNO);
    click("Delete_1019");
    EXPECT_EQ(list()->count(), 30);
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    click("Delete_1019");
    EXPECT_EQ(seams.ui.messageTexts(),
              (QStringList{QStringLiteral("请先选择符号再删除!"), QStringLiteral("是否确信删除?"),
                           QStringLiteral("是否确信删除?")}));
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("。          句号"));
}

TEST_F(FilterSymbolsDlgTest, CancelLeavesTheFileAsItWas)
{
    const QByteArray before = fileBytes();
    deleteFirst();
    click("Cancel_2");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(FilterSymbolsDlgTest, AFailedWriteIsReportedAndKeepsTheDialogAndTheOldFile)
{
    const QByteArray before = fileBytes();
    dialog.show();
    deleteFirst();
    {
        testsupport::FullDisk full;
        click("Ok_1");
    }
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(seams.ui.messageBoxes().size(), 2);
    EXPECT_TRUE(seams.ui.messageTexts().last().contains(QStringLiteral("filter.dat")));
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(FilterSymbolsDlgTest, LinesThatAreNotGbkAreWrittenBackUnchanged)
{
    const QByteArray damaged = "\xA3\xAC          \xFF\x30 broken\r\n\x81\r\n";
    ASSERT_TRUE(testsupport::writeFile(filePath(), damaged));
    CFilterSymbolsDlg reopened;
    QTest::mouseClick(reopened.findChild<QPushButton*>(QStringLiteral("Ok_1")), Qt::LeftButton);
    EXPECT_EQ(fileBytes(), damaged);
}

} // namespace
