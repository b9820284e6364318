// Resources by type and id, from the test program's own resource file.
#include "platform/resources.h"

#include <gtest/gtest.h>

namespace resources = platform::resources;

namespace {

TEST(Resources, LoadsByTypeWithoutRegardToTheTypesCase)
{
    for (const QString& type : {QStringLiteral("GIF"), QStringLiteral("gif"), QStringLiteral("Gif")}) {
        bool ok = false;
        const QByteArray bytes = resources::load(type, 999, &ok);
        EXPECT_TRUE(ok) << type.toStdString();
        EXPECT_TRUE(bytes.startsWith("GIF89a")) << type.toStdString();
    }
}

TEST(Resources, AMissingResourceIsEmptyAndNotOk)
{
    bool ok = true;
    EXPECT_TRUE(resources::load(QStringLiteral("GIF"), 998, &ok).isEmpty());
    EXPECT_FALSE(ok);
    EXPECT_TRUE(resources::load(QStringLiteral("GIF"), QString(), &ok).isEmpty());
    EXPECT_FALSE(ok);
    EXPECT_TRUE(resources::icon(998).isNull());
    EXPECT_TRUE(resources::bitmap(998).isNull());
    EXPECT_TRUE(resources::string(998).isEmpty());
}

TEST(Resources, IconsAndBitmapsAreReadByContent)
{
    const QIcon icon = resources::icon(999);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(3, 2)).toImage().pixelColor(0, 0), QColor(Qt::red));
    const QPixmap bitmap = resources::bitmap(999);
    EXPECT_EQ(bitmap.size(), QSize(4, 3));
    EXPECT_EQ(bitmap.toImage().pixelColor(3, 2), QColor(Qt::blue));
}

TEST(Resources, StringsAreUtf8)
{
    const QString text = resources::string(999);
    EXPECT_EQ(text.size(), 12);
    EXPECT_EQ(text.at(0), QChar(0x7EC3)); // 练
    EXPECT_EQ(text.count(u'\n'), 1);
}

} // namespace
