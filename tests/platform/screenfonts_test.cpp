// Which face draws the windows' Chinese text, found the way a window lays the text out.
#include "platform/screenfonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace platform::fonts;

namespace {

const QString kHei = QStringLiteral("Noto Sans CJK SC");
const QString kSong = QStringLiteral("Noto Serif CJK SC");
const QString kMingPrint = QStringLiteral("AR PL UMing CN");

enum Characters
{
    Chinese,
    LatinAndDigits
};

// The families of the glyphs that draw those characters of the text.
QStringList faces(const QFont& font, const QString& text, Characters characters)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (int i = 0; i < text.size(); ++i) {
        const bool chinese = text[i].script() == QChar::Script_Han;
        const bool latin = text[i].isDigit() || text[i].script() == QChar::Script_Latin;
        if (!(characters == Chinese ? chinese : latin))
            continue;
        for (const QGlyphRun& run : layout.glyphRuns(i, 1))
            if (!families.contains(run.rawFont().familyName()))
                families << run.rawFont().familyName();
    }
    return families;
}

class ScreenFontsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const QString& face : {kHei, kSong})
            ASSERT_TRUE(QFontDatabase::families().contains(face))
                << qPrintable(face) << " is missing: the Debian package fonts-noto-cjk is needed";
    }
};

TEST_F(ScreenFontsTest, SmallChineseTextIsInAScreenFaceAndLargeInThePrintFace)
{
    const struct
    {
        Design design;
        double pointSize;
        bool bold;
        QString latin, text, chinese;
    } cases[] = {
        {Design::Serif, 9, true, QStringLiteral("Liberation Serif"), QStringLiteral("Talvoren汉字训练"),
         kSong},
        {Design::Sans, 10, false, QStringLiteral("DejaVu Sans"), QStringLiteral("开始升级(&S)"), kHei},
        {Design::Sans, 12, true, QStringLiteral("DejaVu Sans"), QStringLiteral("确定(&O)"), kHei},
        {Design::Serif, kLargeTextPointSize - 0.25, false, QStringLiteral("Liberation Serif"),
         QStringLiteral("用时0.1分"), kSong},
        {Design::Serif, kLargeTextPointSize, false, QStringLiteral("Liberation Serif"),
         QStringLiteral("用时0.1分"), kMingPrint},
        {Design::Sans, 18, true, QStringLiteral("DejaVu Sans"), QStringLiteral("不要 109104"), kMingPrint},
    };
    for (const auto& c : cases) {
        const QFont font = mixedFont({c.latin}, c.design, c.pointSize, c.bold);
        EXPECT_EQ(faces(font, c.text, Chinese), QStringList{c.chinese}) << c.pointSize;
        EXPECT_EQ(faces(font, c.text, LatinAndDigits), QStringList{c.latin}) << c.pointSize;
    }
}

TEST_F(ScreenFontsTest, TheGeneralFontKeepsTheDesktopsLatinFaceAndHasTheHeiScreenFaceAtEverySize)
{
    for (int pointSize : {9, 18}) {
        QFont desktop = QApplication::font();
        desktop.setPointSize(pointSize);
        const QString menu = QStringLiteral("文件(F) 测试(T)");
        EXPECT_EQ(faces(generalFont(desktop), menu, Chinese), QStringList{kHei});
        EXPECT_EQ(faces(generalFont(desktop), menu, LatinAndDigits),
                  QStringList{QFontInfo(desktop).family()});
    }
}

TEST_F(ScreenFontsTest, FontsWithTheSameLatinFaceKeepTheirOwnChineseFaces)
{
    // Laid out one after the other, as the windows of one program lay them out.
    const QString dejaVu = QStringLiteral("DejaVu Sans");
    const auto chinese = [](const QFont& font) { return faces(font, QStringLiteral("不要"), Chinese); };
    EXPECT_EQ(chinese(mixedFont({dejaVu}, Design::Sans, 18, true)), QStringList{kMingPrint});
    EXPECT_EQ(chinese(generalFont(QFont(dejaVu, 18, QFont::Bold))), QStringList{kHei});
    EXPECT_EQ(chinese(mixedFont({dejaVu}, Design::Sans, 12)), QStringList{kHei});
    EXPECT_EQ(chinese(mixedFont({dejaVu}, Design::Serif, 12)), QStringList{kSong});
}

} // namespace
