// Fonts: LOGFONTs as Qt fonts, the Kai face of the article, and the frame's font command.
#include "segmentation/core/frameresources.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/cmainframe.h"
#include "segmentation/ui/logfontconversion.h"
#include "tests/support/installedseams.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace segmentation;

namespace {

TEST(LogFontConversion, TheArticlesKaiFaceIsAnInstalledKaiFamily)
{
    // fonts-arphic-ukai is one of the packages the set-up installs.
    EXPECT_EQ(resolvedFamily(QStringLiteral("楷体_GB2312")), QStringLiteral("AR PL UKai CN"));
    EXPECT_EQ(resolvedFamily(QStringLiteral("AR PL UMing CN")), QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(resolvedFamily(QStringLiteral("No Such Face")), QStringLiteral("No Such Face"));
}

TEST(LogFontConversion, APositiveHeightIsTheCellHeightAndANegativeOneTheCharacterHeight)
{
    LogFont logFont;
    logFont.faceName = QStringLiteral("楷体_GB2312");
    for (int height : {40, 24, 13}) {
        logFont.height = height;
        const QFont font = fontFromLogFont(logFont);
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("AR PL UKai CN"));
        const int cell = QFontMetrics(font).height();
        EXPECT_LE(cell, height);
        EXPECT_GE(cell, height - 2) << height;
    }
    logFont.height = -20;
    EXPECT_EQ(fontFromLogFont(logFont).pixelSize(), 20);
}

TEST(LogFontConversion, AQtFontComesBackWithItsSizeFaceAndStyle)
{
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(17);
    font.setItalic(true);
    font.setUnderline(true);
    font.setWeight(QFont::Bold);
    const LogFont logFont = logFontFromFont(font);
    EXPECT_EQ(logFont.height, -17);
    EXPECT_EQ(logFont.faceName, QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(logFont.italic, 1);
    EXPECT_EQ(logFont.underline, 1);
    EXPECT_EQ(logFont.weight, 700);
    EXPECT_EQ(logFont.charSet, kGb2312CharSet);
    const QFont back = fontFromLogFont(logFont);
    EXPECT_EQ(back.pixelSize(), 17);
    EXPECT_TRUE(back.italic());
    EXPECT_TRUE(back.underline());
}

class FontCommandTest : public testsupport::SandboxedTest
{
protected:
    void SetUp() override { ASSERT_EQ(frame.OnCreate(), 0); }
    CMainFrame frame;
};

TEST_F(FontCommandTest, CancelStillWritesTheSettingsWithTheDefaultGuiFont)
{
    EXPECT_TRUE(frame.commands().route(ID_FONT_SETTING));
    EXPECT_EQ(seams.ui.fontDialogCount(), 1);
    // Every value is stored now: reading with other defaults gives the default GUI font.
    EXPECT_EQ(readOrCreateFontSettings(LogFont()), defaultGuiLogFont());
}

TEST_F(FontCommandTest, TheChosenFontIsStoredAndOfferedNextTime)
{
    QFont chosen(QStringLiteral("AR PL UKai CN"));
    chosen.setPixelSize(22);
    seams.ui.queueFont(chosen);
    EXPECT_TRUE(frame.commands().route(ID_FONT_SETTING));
    const LogFont stored = readOrCreateFontSettings(LogFont());
    EXPECT_EQ(stored.height, -22);
    EXPECT_EQ(stored.faceName, QStringLiteral("AR PL UKai CN"));

    EXPECT_TRUE(frame.commands().route(ID_FONT_SETTING)); // cancelled: the stored font stays
    EXPECT_EQ(readOrCreateFontSettings(LogFont()), stored);
}

} // namespace
