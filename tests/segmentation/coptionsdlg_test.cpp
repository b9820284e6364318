// The options dialog through its widgets: the minutes check, colour conflicts, restore defaults,
// the hint swatch, hidden values passing through, the filter button and a failed write.
#include "segmentation/core/settings.h"
#include "segmentation/ui/colorref.h"
#include "segmentation/ui/colorswatch.h"
#include "segmentation/ui/coptionsdlg.h"
#include "tests/support/fulldisk.h"
#include "tests/support/installedseams.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace segmentation;

namespace {

class OptionsDlgTest : public testsupport::SandboxedTest
{
protected:
    // Built when first asked for, so a test can store settings before.
    COptionsDlg& dialog()
    {
        if (!m_dialog) {
            m_dialog = std::make_unique<COptionsDlg>();
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
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickOk() { click(control<QPushButton>("Ok_1")); }
    void typeMinutes(const QString& text)
    {
        auto* minutes = control<QLineEdit>("Minutes_1024");
        minutes->selectAll();
        QTest::keyClick(minutes, Qt::Key_Delete);
        QTest::keyClicks(minutes, text);
    }

    std::unique_ptr<COptionsDlg> m_dialog;
};

struct MinutesCase
{
    const char* typed;
    const char* radio;
    bool accepted;
};

class MinutesTest : public OptionsDlgTest, public ::testing::WithParamInterface<MinutesCase>
{
};

TEST_P(MinutesTest, OnlyThreeToSixtyAreAcceptedWhicheverRadioIsSet)
{
    click(control<QRadioButton>(GetParam().radio));
    typeMinutes(QLatin1String(GetParam().typed));
    clickOk();
    const qint32 typed = QByteArray(GetParam().typed).toInt();
    if (GetParam().accepted) {
        EXPECT_EQ(dialog().result(), QDialog::Accepted);
        EXPECT_TRUE(seams.ui.messageTexts().isEmpty());
        EXPECT_EQ(readOrCreateSetting(settings::TimeLimitMinutes), typed);
    } else {
        EXPECT_TRUE(dialog().isVisible());
        EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("训练时间应在3-60之间!")});
        EXPECT_EQ(readOrCreateSetting(settings::TimeLimitMinutes), 5);
    }
}

INSTANTIATE_TEST_SUITE_P(Minutes, MinutesTest,
                         ::testing::Values(MinutesCase{"3", "NoTimeLimit_1022", true},
                                           MinutesCase{"60", "TimeLimit_1023", true},
                                           MinutesCase{"2", "NoTimeLimit_1022", false},
                                           MinutesCase{"61", "TimeLimit_1023", false}),
                         [](const ::testing::TestParamInfo<MinutesCase>& info) {
                             return std::string(info.param.typed) + "_" + info.param.radio;
                         });

TEST_F(OptionsDlgTest, AStoredNegativeMinutesValueIsRefusedAsAnUnsignedNumber)
{
    writeSetting(settings::TimeLimitMinutes, -1);
    EXPECT_EQ(control<QLineEdit>("Minutes_1024")->text(), QStringLiteral("-1"));
    clickOk();
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("训练时间应在3-60之间!")});
}

class NotAnIntegerTest : public OptionsDlgTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(NotAnIntegerTest, IsReportedAndNothingIsWritten)
{
    seams.ui.queueColor(QColor(1, 2, 3));
    click(control<ColorSwatch>("AlternateColor1_1014"));
    typeMinutes(QLatin1String(GetParam()));
    clickOk();
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("请键入一个整数。")});
    EXPECT_EQ(readOrCreateSetting(settings::AlternateColor1), 0x000000);
}

INSTANTIATE_TEST_SUITE_P(Minutes, NotAnIntegerTest, ::testing::Values("", "4294967299"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return *info.param ? std::string(info.param) : std::string("empty");
                         });

TEST_F(OptionsDlgTest, APickedColourIsShownAndStoredOnOk)
{
    seams.ui.queueColor(QColor(0x11, 0x22, 0x33));
    click(control<ColorSwatch>("AlternateColor1_1014"));
    EXPECT_EQ(control<ColorSwatch>("AlternateColor1_1014")->color(), QColor(0x11, 0x22, 0x33));
    clickOk();
    EXPECT_EQ(readOrCreateSetting(settings::AlternateColor1), 0x332211);
}

TEST_F(OptionsDlgTest, AColourInUseIsRefusedWithItsSwatchsMessage)
{
    // Alternate 1 takes alternate 2's colour: the message with its line break.
    seams.ui.queueColor(colorFromColorRef(0xFF0000));
    click(control<ColorSwatch>("AlternateColor1_1014"));
    // Correct takes the hint colour, though the hint is off: the message without one.
    seams.ui.queueColor(colorFromColorRef(0x00FFFF));
    click(control<ColorSwatch>("CorrectColor_1016"));
    EXPECT_EQ(seams.ui.messageTexts(),
              (QStringList{QStringLiteral("此颜色与其它使用颜色冲突!\n请重新选择。"),
                           QStringLiteral("此颜色与其它使用颜色冲突!请重新选择。")}));
    EXPECT_EQ(dialog().values().alternateColor1, 0x000000u);
    EXPECT_EQ(dialog().values().correctColor, 0x00FF00u);
    EXPECT_EQ(control<ColorSwatch>("AlternateColor1_1014")->color(), QColor(Qt::black));
}

TEST_F(OptionsDlgTest, RestoreDefaultsThenCancelLeavesTheStoredColours)
{
    writeSetting(settings::WrongColor, 0x445566);
    writeSetting(settings::BackgroundColor, 0x101010);
    click(control<QPushButton>("RestoreDefaults_1034"));
    EXPECT_EQ(control<ColorSwatch>("WrongColor_1017")->color(), colorFromColorRef(0x0000FF));
    EXPECT_EQ(dialog().values().backgroundColor, 0xFFFFFFu);
    click(control<QPushButton>("Cancel_2"));
    EXPECT_EQ(dialog().result(), QDialog::Rejected);
    EXPECT_EQ(readOrCreateSetting(settings::WrongColor), 0x445566);
    EXPECT_EQ(readOrCreateSetting(settings::BackgroundColor), 0x101010);
}

TEST_F(OptionsDlgTest, TheHintCheckEnablesTheHintSwatchAndItsLabel)
{
    auto* swatch = control<ColorSwatch>("HintColor_1020");
    auto* label = control<QLabel>("HintColorLabel_1051");
    EXPECT_FALSE(swatch->isEnabled());
    EXPECT_FALSE(label->isEnabled());
    click(swatch);
    EXPECT_EQ(seams.ui.colorDialogCount(), 0);

    click(control<QCheckBox>("ShortCodeHint_1026"));
    EXPECT_TRUE(swatch->isEnabled());
    EXPECT_TRUE(label->isEnabled());
    click(control<QCheckBox>("ShortCodeHint_1026"));
    EXPECT_FALSE(swatch->isEnabled());
    EXPECT_FALSE(label->isEnabled());
}

TEST_F(OptionsDlgTest, HiddenControlsPassTheirStoredValuesThrough)
{
    writeSetting(settings::CodeHint, 0);
    writeSetting(settings::Edition, 0);
    writeSetting(settings::BackgroundColor, 0x112233);
    writeSetting(settings::TimeLimitOn, 7); // names no radio button
    for (const char* hidden : {"CodeHint_1012", "BackgroundColor_1019", "BackgroundColorLabel",
                               "EditionGroup", "StandardEdition_1045", "SimpleEdition_1046"})
        EXPECT_TRUE(control<QWidget>(hidden)->isHidden()) << hidden;
    EXPECT_FALSE(control<QWidget>("SimpleEdition_1046")->isEnabled());
    clickOk();
    EXPECT_EQ(readOrCreateSetting(settings::CodeHint), 0);
    EXPECT_EQ(readOrCreateSetting(settings::Edition), 0);
    EXPECT_EQ(readOrCreateSetting(settings::BackgroundColor), 0x112233);
    EXPECT_EQ(readOrCreateSetting(settings::TimeLimitOn), 7);
}

TEST_F(OptionsDlgTest, TheFilterButtonRunsTheFilterDialog)
{
    click(control<QPushButton>("FilterSymbols_1036"));
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows().front().objectName, QStringLiteral("CFilterSymbolsDlg"));
}

TEST_F(OptionsDlgTest, AWriteThatFailsIsReportedAndKeepsTheDialogOpen)
{
    click(control<QCheckBox>("SegmentationDisplay_1018"));
    {
        testsupport::FullDisk full;
        clickOk();
    }
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(seams.ui.messageTexts().last(), QStringLiteral("设置未能保存，请检查磁盘空间后再试。"));
    EXPECT_EQ(readOrCreateSetting(settings::SegmentationDisplay), 1);
}

} // namespace
