// The practice program's own resources are compiled in under their ids, and its help file is staged.
#include "tests/support/testfolders.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

QImage resourceImage(const QString& key)
{
    QImageReader reader(QStringLiteral(":/res/") + key);
    return reader.read();
}

class PracticeIcon : public ::testing::TestWithParam<int>
{
};

TEST_P(PracticeIcon, IsA32PixelPictureWithTransparency)
{
    const QImage icon = resourceImage(QStringLiteral("ICON/%1").arg(GetParam()));
    ASSERT_FALSE(icon.isNull()) << GetParam();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_TRUE(icon.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(Resources, PracticeIcon, ::testing::Values(128, 133, 134, 135, 136));

TEST(PracticeResources, CursorFramesAllDiffer)
{
    QList<QImage> frames;
    for (int id = 133; id <= 136; ++id)
        frames << resourceImage(QStringLiteral("ICON/%1").arg(id)).convertToFormat(QImage::Format_ARGB32);
    for (qsizetype i = 0; i < frames.size(); ++i)
        for (qsizetype j = i + 1; j < frames.size(); ++j)
            EXPECT_NE(frames[i], frames[j]) << 133 + i << " and " << 133 + j;
}

TEST(PracticeResources, ToolbarStripHoldsSixButtons)
{
    const QImage strip = resourceImage(QStringLiteral("BITMAP/toolbar"));
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(strip.size(), QSize(6 * 16, 15));
}

// The view and the About box open it from the program folder; the build compiles and stages it.
TEST(PracticeResources, HelpFileIsStagedAsCompiledHtmlHelp)
{
    QFile help(testsupport::stageFolder() + QStringLiteral("corvelle.chm"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << help.fileName().toStdString();
    EXPECT_EQ(help.read(4), QByteArray("ITSF"));
    EXPECT_GT(help.size(), 4096);
}

} // namespace
