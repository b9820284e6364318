// The emulated code page: GBK conversions, the lead-byte test and the rule for imported files.
#include "platform/gbk.h"
#include "platform/imelookup.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(Gbk, EncodesAndDecodesChineseAndAscii)
{
    const QString text = imeDisplayName();
    const QByteArray encoded = gbk::encode(text);
    // 输 is CA E4 in GBK; ASCII stays one byte, each Chinese character takes two.
    EXPECT_TRUE(encoded.startsWith("Talvoren\xCA\xE4"));
    EXPECT_EQ(encoded.size(), 8 + 3 * 2 + 4 + 3 * 2);
    EXPECT_EQ(gbk::decode(encoded), text);
    EXPECT_TRUE(gbk::canEncode(text));
}

TEST(Gbk, UnrepresentableCharactersBecomeOneQuestionMarkEach)
{
    // An emoji (a surrogate pair) and a Hangul syllable have no GBK form.
    const QString text = QString::fromUtf8("a\xF0\x9F\x98\x80"
                                           "b\xEA\xB0\x80"
                                           "c");
    EXPECT_FALSE(gbk::canEncode(text));
    EXPECT_EQ(gbk::encode(text), QByteArray("a?b?c"));
}

TEST(Gbk, LeadBytesAre81ToFE)
{
    EXPECT_FALSE(gbk::isLeadByte(0x80));
    EXPECT_TRUE(gbk::isLeadByte(0x81));
    EXPECT_TRUE(gbk::isLeadByte(0xFE));
    EXPECT_FALSE(gbk::isLeadByte(0xFF));
    EXPECT_FALSE(gbk::isLeadByte('A'));
    for (const QChar c : QStringLiteral("汉字测试"))
        EXPECT_TRUE(gbk::isLeadByte(static_cast<unsigned char>(gbk::encode(QString(c)).at(0))));
}

struct ImportCase
{
    const char* name;
    QByteArray fileBytes;
    QByteArray expectedGbk;
};

class ImportedText : public ::testing::TestWithParam<ImportCase>
{
};

TEST_P(ImportedText, ArrivesAsGbk)
{
    EXPECT_EQ(gbk::importedTextToGbk(GetParam().fileBytes), GetParam().expectedGbk);
}

const QByteArray kChineseGbk = gbk::encode(QStringLiteral("中文，测试。"));
const QByteArray kChineseUtf8 = QStringLiteral("中文，测试。").toUtf8();

INSTANTIATE_TEST_SUITE_P(
    Rules, ImportedText,
    ::testing::Values(ImportCase{"Utf8WithMark", "\xEF\xBB\xBF" + kChineseUtf8, kChineseGbk},
                      ImportCase{"Utf8WithoutMark", kChineseUtf8 + "\r\nabc", kChineseGbk + "\r\nabc"},
                      ImportCase{"MarkOnAsciiText",
                                 QByteArray("\xEF\xBB\xBF"
                                            "abc"),
                                 QByteArray("abc")},
                      ImportCase{"GbkStaysAsItIs", kChineseGbk + "\r\n", kChineseGbk + "\r\n"},
                      ImportCase{"PlainAscii", QByteArray("just text\r\n"), QByteArray("just text\r\n")},
                      ImportCase{"Empty", QByteArray(), QByteArray()}),
    [](const ::testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

} // namespace
