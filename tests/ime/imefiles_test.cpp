// What the input method takes from its files, and loading both from a folder.
#include "platform/codefile.h"
#include "platform/ime/imefiles.h"
#include "tests/ime/support/samplecodes.h"
#include "tests/support/files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform::ime;
using Kind = FileProblem::Kind;
using platform::codefile::encodePackedCode;

namespace {

struct BadCodeCase
{
    const char* name;
    QByteArray file;
    qint64 offset;
};

using UserWordCodeTest = ::testing::TestWithParam<BadCodeCase>;

TEST_P(UserWordCodeTest, ACodeThatCannotBeTypedRefusesTheFile)
{
    const QByteArray file(GetParam().file.constData(), GetParam().file.size());
    CodeTableBuilder builder;
    const auto problem = readUserWordFile(file, builder);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->kind, Kind::BadUserCode);
    EXPECT_EQ(problem->offset, GetParam().offset);
}

const QByteArray kZhong = imetest::encodeGbk(QStringLiteral("中"));
const QByteArray kGoodEntry = QByteArray("5000\0\0", 6) + kZhong + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Damages, UserWordCodeTest,
    ::testing::Values(
        BadCodeCase{"PackedCodeField",
                    encodePackedCode("5000") + encodePackedCode("5000") + kZhong + "\r\n\r\n", 0},
        BadCodeCase{"LettersInCode", QByteArray("50a0\0\0", 6) + kZhong + "\r\n\r\n", 0},
        BadCodeCase{"CodeTooLongForBothHalves", QByteArray::fromHex("a1a1a1a1a1a1") + kZhong + "\r\n\r\n", 0},
        // The first bad code is the one reported, even when the file is cut off after it.
        BadCodeCase{"AfterAGoodEntryAndBeforeACut",
                    kGoodEntry + QByteArray("5a\0\0\0\0", 6) + kZhong + "\r\n" + kGoodEntry.left(7), 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodeFileTest, WordGroupWithoutWordsAndLoneEndMarkAddNothing)
{
    // 77: no words; 50: a lone end mark (an empty word) before its word.
    const QByteArray words =
        encodePackedCode("77") + "\xFF\xFF" + encodePackedCode("50") + '\xFF' + kZhong + "\xFF\xFF";
    CodeTableBuilder builder;
    ASSERT_FALSE(readCodeFile(imetest::codeFileAround({}, words), builder));
    const CodeTable table = builder.build();
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table.text(table.entries()[0]), kZhong);
    EXPECT_EQ(CodeTable::code(table.entries()[0]), QByteArray("50"));
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
    ASSERT_TRUE(
        testsupport::writeFile(codeFile, imetest::codeFileAround(QByteArray::fromHex("b50000ff"), {})));
    const LoadedTable loaded = loadCodeTable(folder());
    ASSERT_TRUE(loaded.problem);
    EXPECT_EQ(loaded.problem->kind, Kind::BadCode);
    EXPECT_EQ(loaded.problem->filePath, codeFile);
    EXPECT_TRUE(loaded.problem->describe().contains(QString::number(imetest::kCharacterSectionStart)));
}

} // namespace
