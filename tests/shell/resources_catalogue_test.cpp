// Every resource the main window, the score box and the drills ask for is compiled in and usable.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QStringDecoder>
#include <QtEndian>

#include "tests/support/files.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

QString resourcePath(const QString& key)
{
    return QStringLiteral(":/res/") + key;
}

QByteArray resourceBytes(const QString& key)
{
    return testsupport::readFile(resourcePath(key));
}

QString resourceText(int id)
{
    const QByteArray bytes = resourceBytes(QStringLiteral("STRING/%1").arg(id));
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    return decoder.hasError() ? QString() : text;
}

QStringList keys(const QString& type, std::initializer_list<int> ids)
{
    QStringList out;
    for (int id : ids)
        out << QStringLiteral("%1/%2").arg(type).arg(id);
    return out;
}

QStringList range(const QString& type, int first, int last)
{
    QStringList out;
    for (int id = first; id <= last; ++id)
        out << QStringLiteral("%1/%2").arg(type).arg(id);
    return out;
}

std::string nameOf(const QString& key)
{
    QString name = key;
    return name.replace(u'/', u'_').toStdString();
}

std::string testName(const ::testing::TestParamInfo<QString>& info)
{
    return nameOf(info.param);
}

// The program's icon, group icons, pointers, score-box frames and the article indicator: the windows
// lay them out on a 32-pixel grid.
const QStringList iconKeys =
    keys(QStringLiteral("ICON"), {1,   101, 103, 104, 108, 109, 110, 111, 112, 113, 115, 116, 117,
                                  118, 119, 120, 121, 122, 123, 124, 125, 127, 128, 129, 130, 131});

struct PictureCase
{
    QString key;
    QByteArray format;
};

std::vector<PictureCase> pictureCases()
{
    std::vector<PictureCase> cases;
    for (const QString& key : range(QStringLiteral("GIF"), 101, 108))
        cases.push_back({key, "gif"});
    for (const QString& key : iconKeys)
        cases.push_back({key, "png"});
    for (const QString& key : range(QStringLiteral("BITMAP"), 109, 158) +
                                  QStringList{QStringLiteral("BITMAP/splash"), QStringLiteral("BITMAP/logo"),
                                              QStringLiteral("BITMAP/about")})
        cases.push_back({key, "png"});
    return cases;
}

void PrintTo(const PictureCase& c, std::ostream* os)
{
    *os << c.key.toStdString();
}

class PictureResource : public ::testing::TestWithParam<PictureCase>
{
};

TEST_P(PictureResource, DecodesInItsFormat)
{
    QImageReader reader(resourcePath(GetParam().key));
    ASSERT_TRUE(reader.canRead()) << GetParam().key.toStdString();
    // The button pictures are written out as "*.gif" files and read back by name, so they must be GIF.
    EXPECT_EQ(reader.format(), GetParam().format);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_GT(image.width(), 0);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, PictureResource, ::testing::ValuesIn(pictureCases()),
                         [](const ::testing::TestParamInfo<PictureCase>& info) {
                             return nameOf(info.param.key);
                         });

class IconResource : public ::testing::TestWithParam<QString>
{
};

TEST_P(IconResource, IsSquareIconSize)
{
    const QImage image(resourcePath(GetParam()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(image.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, IconResource, ::testing::ValuesIn(iconKeys), testName);

TEST(PictureResources, PressedButtonsDifferFromNormalOnes)
{
    for (int normal = 101; normal <= 107; normal += 2) {
        const QImage up(resourcePath(QStringLiteral("GIF/%1").arg(normal)));
        const QImage down(resourcePath(QStringLiteral("GIF/%1").arg(normal + 1)));
        ASSERT_FALSE(up.isNull());
        EXPECT_EQ(up.size(), down.size()) << normal;
        EXPECT_NE(up.convertToFormat(QImage::Format_ARGB32), down.convertToFormat(QImage::Format_ARGB32))
            << normal;
    }
}

TEST(PictureResources, ScoreBoxFramesAllDiffer)
{
    QList<QImage> frames;
    for (int id = 119; id <= 123; ++id)
        frames
            << QImage(resourcePath(QStringLiteral("ICON/%1").arg(id))).convertToFormat(QImage::Format_ARGB32);
    for (qsizetype i = 0; i < frames.size(); ++i)
        for (qsizetype j = i + 1; j < frames.size(); ++j)
            EXPECT_NE(frames[i], frames[j]) << "frames " << 119 + i << " and " << 119 + j;
}

TEST(PictureResources, PointersHaveTransparentSurroundings)
{
    for (int id : {127, 128}) {
        const QImage pointer(resourcePath(QStringLiteral("ICON/%1").arg(id)));
        ASSERT_FALSE(pointer.isNull());
        EXPECT_EQ(qAlpha(pointer.pixel(31, 0)), 0) << id;
        EXPECT_EQ(qAlpha(pointer.pixel(0, 31)), 0) << id;
    }
}

class WaveResource : public ::testing::TestWithParam<QString>
{
};

// The sound player needs a plain RIFF/WAVE file: PCM, 16-bit, mono, and short enough not to drag on.
TEST_P(WaveResource, IsShortPcmWave)
{
    const QByteArray wav = resourceBytes(GetParam());
    ASSERT_GE(wav.size(), 44) << GetParam().toStdString();
    EXPECT_EQ(wav.left(4), QByteArray("RIFF"));
    EXPECT_EQ(wav.mid(8, 8), QByteArray("WAVEfmt "));
    const auto* bytes = reinterpret_cast<const uchar*>(wav.constData());
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 4), quint32(wav.size() - 8));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 20), 1); // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 22), 1); // mono
    const quint32 rate = qFromLittleEndian<quint32>(bytes + 24);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 34), 16); // bits per sample
    ASSERT_EQ(wav.mid(36, 4), QByteArray("data"));
    const quint32 dataBytes = qFromLittleEndian<quint32>(bytes + 40);
    EXPECT_EQ(dataBytes, quint32(wav.size() - 44));
    ASSERT_GT(rate, 0u);
    EXPECT_GT(dataBytes, 0u);
    EXPECT_LT(double(dataBytes) / 2 / rate, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, WaveResource,
                         ::testing::Values(QStringLiteral("WAVE/SOUND"), QStringLiteral("WAVE/WAV"),
                                           QStringLiteral("WAVE/COMPLETE")),
                         testName);

struct StringCase
{
    int id;
    int leadingBlanks;
};

void PrintTo(const StringCase& c, std::ostream* os)
{
    *os << "string " << c.id;
}

class StringResource : public ::testing::TestWithParam<StringCase>
{
};

// The help texts are indented with blanks that belong to the text; a lost indent or a stray final
// line break would show in the drills' help panels.
TEST_P(StringResource, IsUtf8WithItsIndent)
{
    const QString text = resourceText(GetParam().id);
    ASSERT_FALSE(text.trimmed().isEmpty()) << GetParam().id;
    const QString indent(GetParam().leadingBlanks, u' ');
    EXPECT_TRUE(text.startsWith(indent)) << GetParam().id;
    EXPECT_NE(text.at(GetParam().leadingBlanks), u' ') << GetParam().id;
    EXPECT_FALSE(text.endsWith(u'\n')) << GetParam().id;
    EXPECT_FALSE(text.contains(u'\r')) << GetParam().id;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, StringResource,
                         ::testing::Values(StringCase{3, 5}, StringCase{7, 4}, StringCase{8, 4},
                                           StringCase{11, 5}, StringCase{12, 5}, StringCase{13, 5},
                                           StringCase{14, 5}),
                         [](const ::testing::TestParamInfo<StringCase>& info) {
                             return "String" + std::to_string(info.param.id);
                         });

TEST(StringResources, StrokeShapeHelpKeepsItsSecondParagraph)
{
    const QStringList paragraphs = resourceText(7).split(u'\n');
    ASSERT_EQ(paragraphs.size(), 2);
    EXPECT_TRUE(paragraphs[0].endsWith(QStringLiteral("   ")));
    EXPECT_TRUE(paragraphs[1].startsWith(QStringLiteral("     ")));
}

TEST(StringResources, TwoKeyShortCodeHelpIsTheOneKeyHelpRetold)
{
    const QString oneKey = resourceText(11);
    const QString twoKey = resourceText(12);
    ASSERT_FALSE(oneKey.isEmpty());
    ASSERT_NE(oneKey, twoKey);
    QString expected = oneKey;
    expected.replace(QStringLiteral("字一键简码"), QStringLiteral("字两键简码"));
    expected.replace(QStringLiteral("汉字简码"), QStringLiteral("汉字代码"));
    EXPECT_EQ(twoKey, expected);
    EXPECT_EQ(oneKey.count(QStringLiteral("字一键简码")), 1);
    EXPECT_EQ(oneKey.count(QStringLiteral("汉字简码")), 1);
}

TEST(StringResources, GameInstructionsDifferByMode)
{
    const QString keypadGame = resourceText(13);
    const QString characterGame = resourceText(14);
    ASSERT_FALSE(keypadGame.isEmpty());
    ASSERT_FALSE(characterGame.isEmpty());
    EXPECT_NE(keypadGame, characterGame);
    EXPECT_TRUE(characterGame.contains(QStringLiteral("Talvoren")));
}

// The main window opens the help file from the program folder; the build compiles and stages it.
TEST(HelpFile, IsStagedAsCompiledHtmlHelp)
{
    QFile help(testsupport::stageFolder() + QStringLiteral("talvorencaihelp.chm"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << help.fileName().toStdString();
    EXPECT_EQ(help.read(4), QByteArray("ITSF"));
    EXPECT_GT(help.size(), 4096);
}

} // namespace
