// Reading the code file and the user word file, whole and damaged, and loading both from a folder.
#include "platform/ime/imefiles.h"
#include "tests/ime/support/samplecodes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform::ime;
using Kind = FileProblem::Kind;
using imetest::packCode;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

struct DamageCase
{
    const char* name;
    QByteArray file;
    Kind kind;
    qint64 offset;
};

std::vector<DamageCase> codeFileDamages()
{
    const int sections = imetest::kCharacterSectionStart;
    const QByteArray whole = imetest::codeFileBytes(imetest::sampleCharacters(), imetest::sampleWords());
    QByteArray hugeSkip = whole;
    hugeSkip.replace(0x10, 4, bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    QByteArray longWords = whole;
    longWords[0x1C] = char(longWords[0x1C] + 1);
    const QByteArray zhong = imetest::encodeGbk(QStringLiteral("中"));
    return {
        {"EmptyFile", QByteArray(), Kind::TruncatedHeader, 0},
        {"HeaderCut", whole.left(0x1F), Kind::TruncatedHeader, 0x1F},
        {"SkippedStretchPastEnd", hugeSkip, Kind::SectionsPastEnd, 0x10},
        {"WordSectionPastEnd", longWords, Kind::SectionsPastEnd, 0x10},
        {"CharacterGroupWithoutEnd", imetest::codeFileAround(packCode("5000") + zhong, {}),
         Kind::TruncatedGroup, sections},
        {"CharacterGroupHalfCharacter", imetest::codeFileAround(packCode("5000") + zhong.left(1), {}),
         Kind::TruncatedGroup, sections},
        {"CharacterGroupCodeCut", imetest::codeFileAround(packCode("5000") + zhong + '\xFF' + '\x12', {}),
         Kind::TruncatedGroup, sections + 6},
        {"CharacterCodeBadFirstNibble",
         imetest::codeFileAround(bytes({0xA0, 0x00, 0x00}) + zhong + '\xFF', {}), Kind::BadCode, sections},
        {"WordGroupWithoutWordEnd", imetest::codeFileAround({}, packCode("50") + zhong), Kind::TruncatedGroup,
         sections},
        {"WordGroupWithoutGroupEnd", imetest::codeFileAround({}, packCode("50") + zhong + '\xFF'),
         Kind::TruncatedGroup, sections},
        {"WordCodeBadFirstNibble",
         imetest::codeFileAround(packCode("1") + zhong + '\xFF', bytes({0xF1, 0x00, 0x00, 0xFF, 0xFF})),
         Kind::BadCode, sections + 6},
    };
}

class CodeFileDamageTest : public ::testing::TestWithParam<DamageCase>
{
};

TEST_P(CodeFileDamageTest, SaysWhatAndWhere)
{
    // A copy of exactly the file's size, so a read past its end is a read past the allocation.
    const QByteArray file(GetParam().file.constData(), GetParam().file.size());
    CodeTableBuilder builder;
    const auto problem = readCodeFile(file, builder);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->kind, GetParam().kind);
    EXPECT_EQ(problem->offset, GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(Damages, CodeFileDamageTest, ::testing::ValuesIn(codeFileDamages()),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<DamageCase> userWordFileDamages()
{
    const QByteArray zhong = imetest::encodeGbk(QStringLiteral("中"));
    const QByteArray field("5000\0\0", 6);
    return {
        {"WordWithoutLineEnd", field + zhong, Kind::TruncatedEntry, 0},
        {"SecondEntryWithoutLineEnd", field + zhong + "\r\n" + field + zhong + '\r', Kind::TruncatedEntry,
         10},
        {"FieldCut", field + zhong + "\r\n" + "50", Kind::TruncatedEntry, 10},
        {"PackedCodeField", packCode("5000") + packCode("5000") + zhong + "\r\n\r\n", Kind::BadUserCode, 0},
        {"LettersInCode", QByteArray("50a0\0\0", 6) + zhong + "\r\n\r\n", Kind::BadUserCode, 0},
        {"CodeTooLongForBothHalves", bytes({0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1}) + zhong + "\r\n\r\n",
         Kind::BadUserCode, 0},
    };
}

class UserWordFileDamageTest : public ::testing::TestWithParam<DamageCase>
{
};

TEST_P(UserWordFileDamageTest, SaysWhatAndWhere)
{
    const QByteArray file(GetParam().file.constData(), GetParam().file.size());
    CodeTableBuilder builder;
    const auto problem = readUserWordFile(file, builder);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->kind, GetParam().kind);
    EXPECT_EQ(problem->offset, GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(Damages, UserWordFileDamageTest, ::testing::ValuesIn(userWordFileDamages()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CodeFileTest, EveryCutOrFlippedByteIsReadSafely)
{
    const QByteArray whole = imetest::codeFileBytes(imetest::sampleCharacters(), imetest::sampleWords());
    for (qsizetype length = 0; length < whole.size(); ++length) {
        const QByteArray cut(whole.constData(), length);
        CodeTableBuilder builder;
        EXPECT_TRUE(readCodeFile(cut, builder)) << "cut at " << length;
    }
    for (qsizetype at = imetest::kCharacterSectionStart; at < whole.size(); ++at) {
        for (char value : {'\x00', '\xA0', '\xFF'}) {
            QByteArray flipped = whole;
            flipped[at] = value;
            CodeTableBuilder builder;
            readCodeFile(flipped, builder);
            const CodeTable table = builder.build();
            for (const CodeEntry& entry : table.entries())
                EXPECT_LE(qsizetype(entry.textOffset + entry.textLength), whole.size());
        }
    }
}

TEST(UserWordFileTest, EveryCutIsReadSafely)
{
    const QByteArray whole = imetest::userWordFileBytes(imetest::sampleUserWords());
    for (qsizetype length = 0; length <= whole.size(); ++length) {
        const QByteArray cut(whole.constData(), length);
        CodeTableBuilder builder;
        const auto problem = readUserWordFile(cut, builder);
        if (problem) {
            EXPECT_LT(problem->offset, length);
        }
        const CodeTable table = builder.build();
        for (const CodeEntry& entry : table.entries())
            EXPECT_LE(qsizetype(entry.textOffset + entry.textLength), length);
    }
}

TEST(CodeFileTest, WordGroupWithoutWordsAndLoneEndMarkAddNothing)
{
    const QByteArray zhong = imetest::encodeGbk(QStringLiteral("中"));
    // 77: no words; 50: a lone end mark (an empty word) before its word.
    const QByteArray words = packCode("77") + "\xFF\xFF" + packCode("50") + '\xFF' + zhong + "\xFF\xFF";
    CodeTableBuilder builder;
    ASSERT_FALSE(readCodeFile(imetest::codeFileAround({}, words), builder));
    const CodeTable table = builder.build();
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table.text(table.entries()[0]), zhong);
    EXPECT_EQ(CodeTable::code(table.entries()[0]), QByteArray("50"));
}

TEST(UserWordFileTest, ListEndsAtTheEmptyLineOrAnEmptyWord)
{
    const QByteArray zhong = imetest::encodeGbk(QStringLiteral("中"));
    const QByteArray field("88\0\0\0\0", 6);
    struct Case
    {
        QByteArray file;
        std::size_t words;
    };
    for (const Case& c : {Case{field + zhong + "\r\n\r\n" + field + zhong + "\r\n", 1},
                          Case{field + zhong + "\r\n" + field + "\r\n" + field + zhong + "\r\n", 1},
                          Case{field + zhong + "\r\n", 1}, // no closing empty line
                          Case{"\r\n", 0}, Case{{}, 0}}) {
        CodeTableBuilder builder;
        EXPECT_FALSE(readUserWordFile(c.file, builder));
        EXPECT_EQ(builder.build().size(), c.words);
    }
}

class LoadCodeTableTest : public ::testing::Test
{
protected:
    QString folder() const { return m_dir.path() + u'/'; }
    QTemporaryDir m_dir;
};

TEST_F(LoadCodeTableTest, ReadsBothFiles)
{
    ASSERT_TRUE(imetest::writeSampleFiles(folder()));
    const LoadedTable loaded = loadCodeTable(folder());
    ASSERT_TRUE(loaded.table) << loaded.problem->describe().toStdString();
    EXPECT_FALSE(loaded.problem);
    EXPECT_EQ(loaded.table->lookup("88").size(), 1u);
    EXPECT_EQ(loaded.table->lookup("4040").size(), 1u);
}

TEST_F(LoadCodeTableTest, NamesTheMissingFile)
{
    ASSERT_TRUE(imetest::writeSampleFiles(folder()));
    for (const char* name : {kUserWordFileName, kCodeFileName}) {
        ASSERT_TRUE(QFile::remove(folder() + QLatin1StringView(name)));
        const LoadedTable loaded = loadCodeTable(folder());
        EXPECT_FALSE(loaded.table);
        ASSERT_TRUE(loaded.problem);
        EXPECT_EQ(loaded.problem->kind, Kind::Missing);
        EXPECT_EQ(loaded.problem->filePath, folder() + QLatin1StringView(name));
        EXPECT_TRUE(loaded.problem->describe().contains(loaded.problem->filePath));
    }
}

TEST_F(LoadCodeTableTest, NamesTheDamagedFileAndOffset)
{
    ASSERT_TRUE(imetest::writeSampleFiles(folder()));
    const QString codeFile = folder() + QLatin1StringView(kCodeFileName);
    ASSERT_TRUE(imetest::writeFile(codeFile, imetest::codeFileAround(bytes({0xB5, 0x00, 0x00, 0xFF}), {})));
    const LoadedTable loaded = loadCodeTable(folder());
    ASSERT_TRUE(loaded.problem);
    EXPECT_EQ(loaded.problem->kind, Kind::BadCode);
    EXPECT_EQ(loaded.problem->filePath, codeFile);
    EXPECT_TRUE(loaded.problem->describe().contains(QString::number(imetest::kCharacterSectionStart)));
}

} // namespace
