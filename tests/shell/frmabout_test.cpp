// The About box.
#include "shell/frmabout.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(AboutBox, ShowsItsCaptionTitleAndTexts)
{
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于Talvoren输入法2002简易版教学系统（简体)"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
              QStringLiteral("Talvoren输入法2002简易版教学系统"));
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("lblDescription"))->text().isEmpty());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("lblDisclaimer"))->text().isEmpty());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("确定"));
}

TEST(AboutBox, OkClosesIt)
{
    frmAbout about;
    about.open();
    ASSERT_TRUE(about.isVisible());
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
