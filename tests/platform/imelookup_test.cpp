// Finding the input method among the registered keyboard layouts.
#include "platform/gbk.h"
#include "platform/imelookup.h"
#include "tests/support/testfolders.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(ImeLookup, AsksTheTenCandidatesInOrderAndStopsAtTheFirstMatch)
{
    QStringList asked;
    const auto registeredAs = [&](const char* matchingId) {
        return [&asked, matchingId](HKEY root, const QString& subKey, const QString& valueName) {
            EXPECT_EQ(root, HKEY_LOCAL_MACHINE);
            EXPECT_EQ(valueName, QStringLiteral("layout text"));
            asked << subKey.section(u'\\', -1);
            return subKey.endsWith(QLatin1StringView(matchingId)) ? imeDisplayName() : QStringLiteral("其他");
        };
    };
    EXPECT_EQ(findImeLayoutId(registeredAs("E0230804")), QByteArray("E0230804"));
    EXPECT_EQ(asked, QStringList({QStringLiteral("E0200804"), QStringLiteral("E0210804"),
                                  QStringLiteral("E0220804"), QStringLiteral("E0230804")}));
    asked.clear();
    EXPECT_EQ(findImeLayoutId(registeredAs("E0200404")), QByteArray());
    EXPECT_EQ(asked.size(), 10);
    EXPECT_EQ(asked.last(), QStringLiteral("E0290804"));
}

TEST(ImeLookup, ReadsTheRegistryByDefault)
{
    testsupport::TestFolders folders;
    EXPECT_EQ(findImeLayoutId(), QByteArray());
    for (const auto& [id, text] :
         {std::pair{"E0210804", QStringLiteral("talvoren输入法2002简易版")},
          std::pair{"E0250804", imeDisplayName()}, std::pair{"E0270804", imeDisplayName()}}) {
        HKEY key = 0;
        ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, (QByteArray(kKeyboardLayoutsKey) + id).constData(), &key),
                  ERROR_SUCCESS);
        const QByteArray bytes = gbk::encode(text) + '\0';
        RegSetValueExA(key, kLayoutTextValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.constData()),
                       DWORD(bytes.size()));
        RegCloseKey(key);
    }
    EXPECT_EQ(findImeLayoutId(), QByteArray("E0250804"));
    EXPECT_TRUE(isImeLayoutId("E0270804"));
    EXPECT_FALSE(isImeLayoutId("E0210804"));
    EXPECT_FALSE(isImeLayoutId("00000409"));
}

} // namespace
