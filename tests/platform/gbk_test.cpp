// The emulated code page: GBK conversions, what a double-byte character is, and the rule for
// imported files.
#include "platform/gbk.h"
#include "platform/imelookup.h"

#include <gtest/gtest.h>
#include <thread>

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

TEST(Gbk, ADoubleByteCharacterIsALeadByteThenATrailByte)
{
    for (const char* text : {"\x81\x40", "\x81\xFE", "\xFE\xFE", "\xD6\xD0x", "\xD6\xD0\xB9\xFA"})
        EXPECT_TRUE(gbk::startsWithDoubleByteCharacter(text)) << QByteArray(text).toHex().toStdString();
    for (const char* text :
         {"\x80\x40", "\xFF\x40", "\x81\x3F", "\x81\x7F", "\x81\xFF", "\xB0", "ab", "a\xD6\xD0"})
        EXPECT_FALSE(gbk::startsWithDoubleByteCharacter(text)) << QByteArray(text).toHex().toStdString();
}

TEST(Gbk, ALoneLeadByteAtTheEndShowsAsAReplacementCharacter)
{
    const QString zhong = QStringLiteral("中");
    const QChar replacement = QChar::ReplacementCharacter;
    struct Case
    {
        QByteArray bytes;
        QString text;
    };
    for (const Case& c : {Case{"\xD6\xD0\xD6", zhong + replacement}, Case{"\xD6", QString(replacement)},
                          Case{"a\xFE", u'a' + QString(replacement)}, Case{"\xD6\xD0", zhong},
                          // A lead byte that takes no trail byte stands alone, so the last one is lone too.
                          Case{"\x81\x20\x81", replacement + QStringLiteral(" ") + replacement},
                          // The last byte of 国 could lead too; here it is the trail byte of the pair.
                          Case{"\xB9\xFA", QStringLiteral("国")}}) {
        EXPECT_EQ(gbk::decode(c.bytes), c.text) << c.bytes.toHex().toStdString();
    }
    EXPECT_NE(gbk::encode(gbk::decode("\xD6\xD0\xD6")), QByteArray("\xD6\xD0\xD6")) << "the loss shows";
}

TEST(Gbk, ALoneHighSurrogateAtTheEndBecomesAQuestionMark)
{
    EXPECT_EQ(gbk::encode(u'a' + QString(QChar(0xD83D))), QByteArray("a?"));
}

TEST(Gbk, AFailedConversionDoesNotSpoilTheNext)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_FALSE(gbk::canEncode(emoji));
    EXPECT_TRUE(gbk::canEncode(QStringLiteral("汉字")));
    // What an earlier text left half converted does not reach the next one.
    EXPECT_EQ(gbk::decode("\xD6"), QString(QChar::ReplacementCharacter));
    EXPECT_EQ(gbk::decode("ab"), QStringLiteral("ab"));
    EXPECT_EQ(gbk::encode(QString(QChar(0xD83D))), QByteArray("?"));
    EXPECT_EQ(gbk::encode(QStringLiteral("a")), QByteArray("a"));
    EXPECT_EQ(gbk::encode(emoji + u'b'), QByteArray("?b"));
    EXPECT_EQ(gbk::decode(gbk::encode(QStringLiteral("汉字"))), QStringLiteral("汉字"));
}

TEST(Gbk, EachThreadConvertsOnItsOwn)
{
    QByteArray encoded;
    bool canEncode = true;
    std::thread worker([&] {
        canEncode = gbk::canEncode(QString::fromUtf8("\xF0\x9F\x98\x80"));
        encoded = gbk::encode(QStringLiteral("汉字"));
    });
    worker.join();
    EXPECT_FALSE(canEncode);
    EXPECT_EQ(encoded, gbk::encode(QStringLiteral("汉字")));
    EXPECT_TRUE(gbk::canEncode(QStringLiteral("汉字")));
}

struct ImportCase
{
    const char* name;
    QByteArray fileBytes;
    QByteArray expectedGbk;
};

using ImportedText = ::testing::TestWithParam<ImportCase>;

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

// A reader that takes only a file's head: a character cut off at its end is no sign of another encoding.
TEST(ImportedHead, ACharacterCutOffAtTheEndOfAHeadKeepsItUtf8)
{
    const QByteArray cut = kChineseUtf8.chopped(1);
    EXPECT_TRUE(gbk::importedTextEncoding(cut, false).utf8);
    EXPECT_FALSE(gbk::importedTextEncoding(cut, true).utf8);
    EXPECT_FALSE(gbk::importedTextEncoding(kChineseGbk, false).utf8);
    EXPECT_FALSE(gbk::importedTextEncoding("plain ASCII", false).utf8);
    EXPECT_EQ(gbk::importedTextEncoding("\xEF\xBB\xBF" + kChineseGbk, true).markBytes, 3);
}

} // namespace
