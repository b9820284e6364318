// The result dialog: the figures it is handed in their controls, the rates, its buttons.
#include "segmentation/ui/ctestresultdlg.h"
#include "tests/support/installedseams.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace segmentation;

namespace {

class TestResultDlgTest : public testsupport::SandboxedTest
{
protected:
    QString shown(const char* name) const
    {
        const auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }

    CTestResultDlg dialog;
};

TEST_F(TestResultDlgTest, StartsWithEveryFigureAtZero)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("测试结果"));
    for (const char* name :
         {"TestCharacters_1026", "TypedCharacters_1036", "Accuracy_1048", "UserKeystrokes_1042"})
        EXPECT_EQ(shown(name), QStringLiteral("0")) << name;
}

TEST_F(TestResultDlgTest, ShowsEachFigureInItsControlAndTheThreeRates)
{
    TestResultFigures figures;
    figures.article = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110};
    figures.typed = 45;
    figures.groups = KeystrokeGroups{0, 11, 12, 13, 14, 15};
    figures.keystrokes = 160;
    figures.seconds = 120;
    figures.correct = 40;
    EXPECT_EQ(dialog.ShowResults(figures), int(QDialog::Accepted));
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);

    const std::vector<std::pair<const char*, int>> expected = {
        {"TestCharacters_1026", 101},
        {"TwoCharacterWords_1028", 102},
        {"ThreeCharacterWords_1029", 103},
        {"FourCharacterWords_1030", 104},
        {"MultiCharacterWords_1031", 105},
        {"SingleCharacters_1027", 106},
        {"ShortCodeCharacters_1044", 107},
        {"ShortCodeWords_1045", 108},
        {"Symbols_1046", 109},
        {"BestKeystrokes_1034", 110},
        {"TypedCharacters_1036", 45},
        {"GroupsOfOne_1037", 11},
        {"GroupsOfTwo_1038", 12},
        {"GroupsOfThree_1039", 13},
        {"GroupsOfFour_1040", 14},
        {"GroupsOfMore_1041", 15},
        {"UserKeystrokes_1042", 160},
        {"Seconds_1032", 120},
        {"Speed_1047", 22},
        {"Accuracy_1048", 88},
        {"EffectiveSpeed_1033", 20},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(shown(name), QString::number(value)) << name;
}

TEST_F(TestResultDlgTest, BothButtonsCloseItAndTheHeadingsDoNothing)
{
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ArticleHeading_1035")), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("IDCANCEL")), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), int(QDialog::Rejected));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("IDOK")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
}

} // namespace
