// Lookup of codes in the table built from the code file and the user word file.
#include "platform/gbk.h"
#include "platform/ime/codetable.h"
#include "platform/ime/imefiles.h"
#include "tests/ime/support/samplecodes.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace platform::ime;

namespace {

CodeTable sampleTable()
{
    CodeTableBuilder builder;
    EXPECT_FALSE(
        readCodeFile(imetest::codeFileBytes(imetest::sampleCharacters(), imetest::sampleWords()), builder));
    EXPECT_FALSE(readUserWordFile(imetest::userWordFileBytes(imetest::sampleUserWords()), builder));
    return builder.build();
}

QStringList texts(const CodeTable& table, std::span<const CodeEntry> entries)
{
    QStringList result;
    for (const CodeEntry& entry : entries)
        result << platform::gbk::decode(table.text(entry));
    return result;
}

// What the sample files list under a code, in the order the files give it.
QStringList expectedTexts(const QByteArray& code)
{
    QStringList result;
    for (const auto& groups : {imetest::sampleCharacters(), imetest::sampleWords()}) {
        for (const imetest::CodeGroup& group : groups) {
            if (group.code == code)
                result += group.items;
        }
    }
    for (const imetest::UserWord& word : imetest::sampleUserWords()) {
        if (word.code == code)
            result << word.word;
    }
    return result;
}

using CodeTableLookupTest = ::testing::TestWithParam<const char*>;

TEST_P(CodeTableLookupTest, GivesTheEntriesOfExactlyThatCodeInFileOrder)
{
    const CodeTable table = sampleTable();
    const QByteArray code(GetParam());
    EXPECT_EQ(texts(table, table.lookup(code)), expectedTexts(code));
    for (const CodeEntry& entry : table.lookup(code))
        EXPECT_EQ(CodeTable::code(entry), code);
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeTableLookupTest,
                         ::testing::Values("5000", "1", "12", "123456", "4040", "50", "6", "88", "77", "5",
                                           "500", "9", "0"));

TEST(CodeTableTest, CodeFileEntriesComeBeforeUserWords)
{
    const CodeTable table = sampleTable();
    const auto entries = table.lookup("5000");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].source, EntrySource::Character);
    EXPECT_EQ(entries[2].source, EntrySource::Character); // the second group of 5000
    EXPECT_EQ(entries[3].source, EntrySource::Word);
    EXPECT_EQ(entries[4].source, EntrySource::UserWord);
}

TEST(CodeTableTest, RejectsCodesThatAreNotOneToSixDigits)
{
    const CodeTable table = sampleTable();
    for (const char* code : {"", "12a", "1234567", "-1", " 1"}) {
        EXPECT_TRUE(table.lookup(code).empty()) << code;
        EXPECT_FALSE(table.isPrefixOfLonger(code)) << code;
    }
}

struct PrefixCase
{
    const char* code;
    bool prefix;
};

using CodeTablePrefixTest = ::testing::TestWithParam<PrefixCase>;

TEST_P(CodeTablePrefixTest, KnowsWhetherALongerCodeBeginsWithIt)
{
    EXPECT_EQ(sampleTable().isPrefixOfLonger(GetParam().code), GetParam().prefix) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CodeTablePrefixTest,
    ::testing::Values(PrefixCase{"1", true}, PrefixCase{"12", true}, PrefixCase{"12345", true},
                      PrefixCase{"123456", false}, PrefixCase{"124", false}, PrefixCase{"5", true},
                      PrefixCase{"500", true}, PrefixCase{"5000", false}, PrefixCase{"4", true},
                      PrefixCase{"4040", false}, PrefixCase{"6", false}, PrefixCase{"7", false},
                      PrefixCase{"77", false}, PrefixCase{"8", true}, PrefixCase{"88", false},
                      PrefixCase{"9", false}, PrefixCase{"0", false}));

TEST(CodeTableTest, NeighbouringCodesDoNotCountAsLonger)
{
    // 19 sorts right after every code that begins with 1, and 2 after 19.
    CodeTableBuilder builder;
    builder.add("1", "a", EntrySource::Character);
    builder.add("19", "b", EntrySource::Character);
    builder.add("2", "c", EntrySource::Character);
    builder.add("999999", "d", EntrySource::Character);
    const CodeTable table = builder.build();
    EXPECT_TRUE(table.isPrefixOfLonger("1"));
    EXPECT_FALSE(table.isPrefixOfLonger("19"));
    EXPECT_FALSE(table.isPrefixOfLonger("2"));
    EXPECT_TRUE(table.isPrefixOfLonger("99999"));
    EXPECT_EQ(CodeTable::code(table.lookup("999999")[0]), QByteArray("999999"));
}

} // namespace
