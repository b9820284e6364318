// The separator dialog: the list items, typed separators, the empty-text message.
#include "platform/gbk.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/cseparatordlg.h"
#include "tests/support/installedseams.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

namespace {

class SeparatorDlgTest : public testsupport::SandboxedTest
{
protected:
    static QLineEdit* edit(CSeparatorDlg& dialog)
    {
        return dialog.findChild<QLineEdit*>(QStringLiteral("SeparatorEdit_1048"));
    }
    static QListWidget* list(CSeparatorDlg& dialog)
    {
        return dialog.findChild<QListWidget*>(QStringLiteral("SeparatorList_1048"));
    }
    static void clickOk(CSeparatorDlg& dialog)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Ok_1")), Qt::LeftButton);
    }
    static void chooseItem(CSeparatorDlg& dialog, int row)
    {
        QListWidget* items = list(dialog);
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                          items->visualItemRect(items->item(row)).center());
    }
    static void type(CSeparatorDlg& dialog, const QString& text)
    {
        edit(dialog)->clear();
        // One key press per character, with the character as its text (Chinese too).
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit(dialog), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};

TEST_F(SeparatorDlgTest, OpensOnTheDefaultTwoBlanksWithTheThreeItems)
{
    CSeparatorDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("输入分隔符"));
    ASSERT_EQ(list(dialog)->count(), 3);
    EXPECT_EQ(list(dialog)->item(0)->text(), QStringLiteral("ENTER"));
    EXPECT_EQ(list(dialog)->item(1)->text(), QStringLiteral("TAB"));
    EXPECT_EQ(list(dialog)->item(2)->text(), QStringLiteral("SPACE"));
    EXPECT_EQ(edit(dialog)->text(), QStringLiteral("  "));
    EXPECT_EQ(segmentation::readOrCreateSeparator(), "  ");
}

// TAB chosen, or a separator typed over ENTER: stored, shown again on reopening, and kept by OK there.
TEST_F(SeparatorDlgTest, ChosenAndTypedSeparatorsAreStoredAndShownAgain)
{
    const std::tuple<int, QString, QByteArray> cases[] = {
        {1, QStringLiteral("TAB"), "\t"},
        {0, QStringLiteral("．"), platform::gbk::encode(QStringLiteral("．"))},
        {0, QStringLiteral(" | "), " | "},
        {0, QStringLiteral("TA"), "TA"},
    };
    for (const auto& [row, shown, stored] : cases) {
        SCOPED_TRACE(shown.toStdString());
        {
            CSeparatorDlg dialog;
            dialog.show();
            chooseItem(dialog, row);
            if (row == 0)
                type(dialog, shown);
            EXPECT_EQ(edit(dialog)->text(), shown);
            clickOk(dialog);
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
        EXPECT_EQ(segmentation::readOrCreateSeparator(), stored);
        CSeparatorDlg reopened;
        reopened.show();
        EXPECT_EQ(edit(reopened)->text(), shown);
        clickOk(reopened);
        EXPECT_EQ(segmentation::readOrCreateSeparator(), stored);
    }
}

TEST_F(SeparatorDlgTest, TypingStopsAtSeventyNineBytes)
{
    CSeparatorDlg dialog;
    dialog.show();
    type(dialog, QString(78, u'x') + QStringLiteral("中x"));
    EXPECT_EQ(edit(dialog)->text(), QString(78, u'x') + u'x'); // the character of two bytes did not fit
    clickOk(dialog);
    EXPECT_EQ(segmentation::readOrCreateSeparator(), QByteArray(79, 'x'));
}

TEST_F(SeparatorDlgTest, AnEmptySeparatorIsRefused)
{
    CSeparatorDlg dialog;
    dialog.show();
    type(dialog, QString());
    clickOk(dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("请选择或者输入分隔符！")});
    EXPECT_EQ(segmentation::readOrCreateSeparator(), "  ");
}

} // namespace
