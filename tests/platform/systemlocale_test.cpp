// The standard dialogs' buttons in the emulated system's language.
#include "platform/systemlocale.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

TEST(SystemTranslations, StandardButtonsSpeakChinese)
{
    const QString before = QCoreApplication::translate("QPlatformTheme", "&Yes");
    ASSERT_TRUE(platform::installSystemTranslations(*QCoreApplication::instance()));
    const QString after = QCoreApplication::translate("QPlatformTheme", "&Yes");
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
    EXPECT_EQ(before, QStringLiteral("&Yes"));
    EXPECT_TRUE(after.startsWith(QStringLiteral("是"))) << after.toStdString();
}
