// The sample articles staged beside the programs read, as the import reads them, as whole Chinese texts.
#include "platform/gbk.h"
#include "tests/support/testfolders.h"

#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

struct ArticleCase
{
    const char* name;
    bool utf8;
    bool crlf;
};

void PrintTo(const ArticleCase& c, std::ostream* os)
{
    *os << c.name;
}

using SampleArticle = ::testing::TestWithParam<ArticleCase>;

TEST_P(SampleArticle, ImportsWithoutALostCharacter)
{
    QFile file(testsupport::stageFolder() + QStringLiteral("articles/") +
               QString::fromLatin1(GetParam().name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray bytes = file.readAll();

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8(bytes);
    EXPECT_EQ(!utf8.hasError(), GetParam().utf8);
    EXPECT_EQ(bytes.contains("\r\n"), GetParam().crlf);

    const QString text = platform::gbk::decode(platform::gbk::importedTextToGbk(bytes));
    if (GetParam().utf8) {
        QString expected = asUtf8;
        expected.remove(QChar(0xFEFF));
        EXPECT_EQ(text, expected); // nothing became '?'
    }
    // what the import keeps: the double-byte characters, enough of them for a test of a few minutes
    qsizetype chinese = 0;
    for (QChar c : text)
        chinese += c.unicode() >= 0x3000 ? 1 : 0;
    EXPECT_GE(chinese, 300);
    EXPECT_LE(chinese, 10000);
    EXPECT_TRUE(text.contains(QStringLiteral("，")) && text.contains(QStringLiteral("。")));
    EXPECT_FALSE(text.contains(u'?'));
}

INSTANTIATE_TEST_SUITE_P(
    Staged, SampleArticle,
    ::testing::Values(ArticleCase{"chuntian.txt", false, true}, ArticleCase{"xiaohe.txt", true, false},
                      ArticleCase{"dazi.txt", true, true}),
    [](const ::testing::TestParamInfo<ArticleCase>& info) {
        return std::string(info.param.name).substr(0, std::string(info.param.name).find('.'));
    });

} // namespace
