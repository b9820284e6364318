// The input method's file formats: packed codes, GBK cells, and the readers and writers of the code
// file, the user word file and the teacher's word list, on files of known bytes and damaged ones.
#include "platform/codefile.h"

#include <QStringList>
#include <cstring>
#include <gtest/gtest.h>

using namespace platform::codefile;
using Kind = FileProblem::Kind;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

// --- Packed codes and cells ----------------------------------------------------------------------

struct PackedCase
{
    const char* name;
    unsigned char bytes[3];
    int count;
    const char* digits;
};

using PackedCodeTest = ::testing::TestWithParam<PackedCase>;

TEST_P(PackedCodeTest, DecodesDigitsUpToTheFirstNibbleAboveNine)
{
    const PackedCase& c = GetParam();
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_EQ(DecodePackedCode(c.bytes, buffer), c.count);
    if (c.count < 0) {
        EXPECT_EQ(QByteArray(buffer, 8), QByteArray(8, '#')) << "nothing written";
        EXPECT_FALSE(decodePackedCode(QByteArrayView(c.bytes, 3)));
        return;
    }
    EXPECT_STREQ(buffer, c.digits);
    EXPECT_EQ(buffer[c.count + 1], '#') << "nothing written after the terminating zero";
    EXPECT_EQ(decodePackedCode(QByteArrayView(c.bytes, 3)), QByteArray(c.digits));
    EXPECT_EQ(decodePackedCode(encodePackedCode(c.digits)), QByteArray(c.digits));
}

INSTANTIATE_TEST_SUITE_P(Codes, PackedCodeTest,
                         ::testing::Values(PackedCase{"OneDigit", {0x9F, 0xFF, 0xFF}, 1, "9"},
                                           PackedCase{"ThreeDigits", {0x12, 0x3F, 0xFF}, 3, "123"},
                                           PackedCase{"FiveDigits", {0x50, 0x00, 0x0A}, 5, "50000"},
                                           PackedCase{"SixDigits", {0x12, 0x34, 0x56}, 6, "123456"},
                                           PackedCase{"ZerosAreDigits", {0x00, 0x00, 0x00}, 6, "000000"},
                                           PackedCase{"BadFirstNibble", {0xA0, 0x00, 0x00}, -1, ""},
                                           PackedCase{"AllNibblesEnd", {0xFF, 0xFF, 0xFF}, -1, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackedCode, EncodesWithUnusedNibblesSetToF)
{
    EXPECT_EQ(encodePackedCode("123"), bytes({0x12, 0x3F, 0xFF}));
    EXPECT_EQ(encodePackedCode("9"), bytes({0x9F, 0xFF, 0xFF}));
    EXPECT_EQ(encodePackedCode("500601"), bytes({0x50, 0x06, 0x01}));
    EXPECT_FALSE(decodePackedCode(bytes({0x12, 0x34})));
}

TEST(GbkCell, NumbersDoubleByteCharactersInOrderOfTheirBytes)
{
    struct Case
    {
        unsigned char lead, trail;
        int cell;
    };
    for (const Case& c : {Case{0x81, 0x40, 0}, Case{0x81, 0xFE, 190}, Case{0x82, 0x40, 191},
                          Case{0xB0, 0xA1, 9074}, Case{0xFE, 0xFE, kGbkCellCount - 1}})
        EXPECT_EQ(GbkCellIndex(c.lead, c.trail), c.cell) << int(c.lead) << ' ' << int(c.trail);
}

TEST(Oddities, FlagWhatABookCannotHold)
{
    const QByteArray zhong = bytes({0xD6, 0xD0});
    EXPECT_EQ(oddities(zhong), Oddities());
    EXPECT_EQ(oddities(zhong.repeated(25)), Oddities());
    EXPECT_EQ(oddities(zhong.repeated(25) + 'x'), Oddities(Oddity::LongerThanField));
    EXPECT_EQ(oddities("a" + zhong), Oddities(Oddity::NoGbkCell));
    EXPECT_EQ(oddities({}), Oddity::EmptyText | Oddity::NoGbkCell);
}

// --- The code file -------------------------------------------------------------------------------

// A small code file byte by byte: header with A = 2, B = 1, C = 14, D = 28; characters 中 (D6 D0)
// and 史 (CA B7) under 5000, 一 (D2 BB) under 1; words 中国 (D6 D0 B9 FA) under 50, none under 77,
// 国家 (B9 FA BC D2) and 国人 (B9 FA C8 CB) under 6.
const QByteArray kKnownCodeFile = QByteArray::fromHex("54455354000000000000000000000000"
                                                      "02000000010000000e0000001c000000"
                                                      "aaaa"
                                                      "bb"
                                                      "5000ff"
                                                      "d6d0cab7ff"
                                                      "1fffff"
                                                      "d2bbff"
                                                      "50ffff"
                                                      "d6d0b9faffff"
                                                      "77ffff"
                                                      "ffff"
                                                      "6fffff"
                                                      "b9fabcd2ffb9fac8cbffff");

CodeFileContents knownContents()
{
    CodeFileContents contents;
    contents.signature = "TEST";
    contents.skippedA = bytes({0xAA, 0xAA});
    contents.skippedB = bytes({0xBB});
    contents.characters = {{"5000", {bytes({0xD6, 0xD0}), bytes({0xCA, 0xB7})}},
                           {"1", {bytes({0xD2, 0xBB})}}};
    contents.words = {{"50", {bytes({0xD6, 0xD0, 0xB9, 0xFA})}},
                      {"77", {}},
                      {"6", {bytes({0xB9, 0xFA, 0xBC, 0xD2}), bytes({0xB9, 0xFA, 0xC8, 0xCB})}}};
    return contents;
}

// Records what a reader hands over as readable lines.
class Recorder : public CodeFileConsumer
{
public:
    void header(const CodeFileHeader& h) override
    {
        lines << QStringLiteral("header %1 %2 %3 %4")
                     .arg(h.skippedA)
                     .arg(h.skippedB)
                     .arg(h.characterLength)
                     .arg(h.wordLength);
    }
    void group(const CodeGroup& g) override
    {
        lines << QStringLiteral("%1 group %2 @%3 code %4 (%5)")
                     .arg(g.section == Section::Characters ? QStringLiteral("C") : QStringLiteral("W"))
                     .arg(g.index)
                     .arg(g.offset)
                     .arg(QString::fromLatin1(g.code),
                          QString::fromLatin1(g.packedCode.toByteArray().toHex()));
    }
    void entry(const CodeFileEntry& e) override
    {
        lines << QStringLiteral("  %1 @%2 %3 odd %4")
                     .arg(QString::fromLatin1(e.group.code))
                     .arg(e.offset)
                     .arg(QString::fromLatin1(e.text.toByteArray().toHex()))
                     .arg(int(e.oddities));
    }
    QStringList lines;
};

TEST(CodeFile, KnownBytesAreWrittenAndReadInFileOrderWithTheirGroups)
{
    EXPECT_EQ(writeCodeFile(knownContents()).toHex(), kKnownCodeFile.toHex());
    Recorder recorder;
    const ReadResult read = readCodeFile(kKnownCodeFile, recorder);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.end, kKnownCodeFile.size());
    const QStringList expected = {
        QStringLiteral("header 2 1 14 28"),
        QStringLiteral("C group 0 @35 code 5000 (5000ff)"),
        QStringLiteral("  5000 @38 d6d0 odd 0"),
        QStringLiteral("  5000 @40 cab7 odd 0"),
        QStringLiteral("C group 1 @43 code 1 (1fffff)"),
        QStringLiteral("  1 @46 d2bb odd 0"),
        QStringLiteral("W group 0 @49 code 50 (50ffff)"),
        QStringLiteral("  50 @52 d6d0b9fa odd 0"),
        QStringLiteral("W group 1 @58 code 77 (77ffff)"),
        QStringLiteral("W group 2 @63 code 6 (6fffff)"),
        QStringLiteral("  6 @66 b9fabcd2 odd 0"),
        QStringLiteral("  6 @71 b9fac8cb odd 0"),
    };
    EXPECT_EQ(recorder.lines, expected);
}

TEST(CodeFile, OddWordsAreHandedOverFlagged)
{
    const QByteArray zhong = bytes({0xD6, 0xD0});
    // 50: a lone 0xFF (an empty word) before its word; 51: a word too long for a book and one that
    // begins with an ASCII byte.
    const QByteArray words = encodePackedCode("50") + '\xFF' + zhong + "\xFF\xFF" + encodePackedCode("51") +
                             zhong.repeated(26) + '\xFF' + "a" + zhong + "\xFF\xFF";
    QList<std::pair<QByteArray, Oddities>> entries;
    const ReadResult read =
        readCodeFile(assembleCodeFile({}, {}, {}, {}, words), [&](const CodeFileEntry& e) {
            entries.append({e.text.toByteArray(), e.oddities});
        });
    ASSERT_TRUE(read.ok());
    const QList<std::pair<QByteArray, Oddities>> expected = {
        {{}, Oddity::EmptyText | Oddity::NoGbkCell},
        {zhong, {}},
        {zhong.repeated(26), Oddity::LongerThanField},
        {"a" + zhong, Oddity::NoGbkCell},
    };
    EXPECT_EQ(entries, expected);
}

struct DamageCase
{
    const char* name;
    QByteArray file;
    Kind kind;
    qint64 offset;
    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }
};

constexpr int kSections = 0x20; // assembleCodeFile without skipped stretches

std::vector<DamageCase> codeFileDamages()
{
    QByteArray hugeSkip = kKnownCodeFile;
    hugeSkip.replace(0x10, 4, bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    QByteArray longWords = kKnownCodeFile;
    longWords[0x1C] = char(longWords[0x1C] + 1);
    const QByteArray zhong = bytes({0xD6, 0xD0});
    const auto file = [](const QByteArray& characters, const QByteArray& words) {
        return assembleCodeFile({}, {}, {}, characters, words);
    };
    return {
        {"EmptyFile", QByteArray(), Kind::TruncatedHeader, 0},
        {"HeaderCut", kKnownCodeFile.left(0x1F), Kind::TruncatedHeader, 0x1F},
        {"SkippedStretchPastEnd", hugeSkip, Kind::SectionsPastEnd, 0x10},
        {"WordSectionPastEnd", longWords, Kind::SectionsPastEnd, 0x10},
        {"CharacterGroupWithoutEnd", file(encodePackedCode("5000") + zhong, {}), Kind::TruncatedGroup,
         kSections},
        {"CharacterGroupHalfCharacter", file(encodePackedCode("5000") + zhong.left(1), {}),
         Kind::TruncatedGroup, kSections},
        {"CharacterGroupCodeCut", file(encodePackedCode("5000") + zhong + '\xFF' + '\x12', {}),
         Kind::TruncatedGroup, kSections + 6},
        {"CharacterCodeBadFirstNibble", file(bytes({0xA0, 0x00, 0x00}) + zhong + '\xFF', {}), Kind::BadCode,
         kSections},
        // The group's end lies in the word section: a section ends where the header says.
        {"CharacterGroupEndsInTheWordSection",
         file(encodePackedCode("5000") + zhong, bytes({0xFF}) + encodePackedCode("50") + zhong + "\xFF\xFF"),
         Kind::TruncatedGroup, kSections},
        {"WordGroupWithoutWordEnd", file({}, encodePackedCode("50") + zhong), Kind::TruncatedGroup,
         kSections},
        {"WordGroupWithoutGroupEnd", file({}, encodePackedCode("50") + zhong + '\xFF'), Kind::TruncatedGroup,
         kSections},
        {"WordCodeBadFirstNibble",
         file(encodePackedCode("1") + zhong + '\xFF', bytes({0xF1, 0x00, 0x00, 0xFF, 0xFF})), Kind::BadCode,
         kSections + 6},
    };
}

using CodeFileDamageTest = ::testing::TestWithParam<DamageCase>;

TEST_P(CodeFileDamageTest, IsRefusedWithWhatAndWhere)
{
    // A copy of exactly the file's size, so a read past its end is a read past the allocation.
    const QByteArray file(GetParam().file.constData(), GetParam().file.size());
    const ReadResult read = readCodeFile(file, [](const CodeFileEntry&) {});
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(read.problem->kind, GetParam().kind);
    EXPECT_EQ(read.problem->offset, GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(Damages, CodeFileDamageTest, ::testing::ValuesIn(codeFileDamages()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CodeFile, EveryCutOrChangedByteIsReadWithinTheFile)
{
    const auto readWithin = [](const QByteArray& file) {
        qsizetype handed = 0;
        readCodeFile(file, [&](const CodeFileEntry& e) {
            EXPECT_GE(e.text.data(), file.constData());
            EXPECT_LE(e.text.data() + e.text.size(), file.constData() + file.size());
            ++handed;
        });
        return handed;
    };
    for (qsizetype length = 0; length < kKnownCodeFile.size(); ++length)
        readWithin(QByteArray(kKnownCodeFile.constData(), length));
    for (qsizetype at = 0x20; at < kKnownCodeFile.size(); ++at) {
        for (char value : {'\x00', '\xA0', '\xFF'}) {
            QByteArray changed = kKnownCodeFile;
            changed[at] = value;
            readWithin(changed);
        }
    }
}

// --- The user word file --------------------------------------------------------------------------

// 中国 under the ASCII code 500601, 国家 under packed halves of 4 and 6 digits (code text: the
// field's first 5 bytes), then the closing empty line.
const QByteArray kKnownUserWordFile = QByteArray::fromHex("353030363031"
                                                          "d6d0b9fa0d0a"
                                                          "1234ff123456"
                                                          "b9fabcd20d0a"
                                                          "0d0a");

TEST(UserWordFile, KnownBytesAreWrittenAndRead)
{
    const QList<UserWordContents> words = {
        {asciiCodeField("500601"), bytes({0xD6, 0xD0, 0xB9, 0xFA})},
        {bytes({0x12, 0x34, 0xFF, 0x12, 0x34, 0x56}), bytes({0xB9, 0xFA, 0xBC, 0xD2})}};
    EXPECT_EQ(writeUserWordFile(words).toHex(), kKnownUserWordFile.toHex());
    QList<UserWordContents> read;
    QList<QByteArray> codeTexts;
    QList<qint64> offsets;
    const ReadResult result = readUserWordFile(kKnownUserWordFile, [&](const UserWordEntry& e) {
        read.append({e.codeField.toByteArray(), e.word.toByteArray()});
        codeTexts.append(e.codeText);
        offsets.append(e.offset);
        EXPECT_EQ(e.oddities, Oddities());
    });
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result.closingLineMissing);
    EXPECT_EQ(result.end, kKnownUserWordFile.size());
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].codeField, words[0].codeField);
    EXPECT_EQ(read[1].word, words[1].word);
    EXPECT_EQ(codeTexts, QList<QByteArray>({"500601", bytes({0x12, 0x34, 0xFF, 0x12, 0x34})}));
    EXPECT_EQ(offsets, QList<qint64>({0, 12}));
}

struct FieldCase
{
    const char* name;
    unsigned char field[6];
    QByteArray text;
};

using UserWordCodeTextTest = ::testing::TestWithParam<FieldCase>;

TEST_P(UserWordCodeTextTest, TakesHalfTheSumOfTheDecodedCounts)
{
    EXPECT_EQ(userWordCodeText(QByteArrayView(GetParam().field, 6)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, UserWordCodeTextTest,
    ::testing::Values(
        // ASCII digits padded with zero bytes: both halves decode to six digits, the text stops at the NUL.
        FieldCase{"AsciiDigits", {'5', '0', '0', '0', 0, 0}, QByteArray("5000")},
        FieldCase{"SixAscii", {'1', '2', '3', '4', '5', '6'}, QByteArray("123456")},
        FieldCase{"SixAndSix", {0x12, 0x34, 0x56, 0x12, 0x34, 0x56}, QByteArray("\x12\x34\x56\x12\x34\x56")},
        FieldCase{"FourAndSix", {0x12, 0x34, 0xFF, 0x12, 0x34, 0x56}, QByteArray("\x12\x34\xFF\x12\x34", 5)},
        FieldCase{"OneHalfBad", {0xA1, 0xA1, 0xA1, 0x12, 0x3F, 0xFF}, QByteArray("\xA1", 1)},
        FieldCase{"BothHalvesBad", {0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1}, QByteArray()}),
    [](const auto& info) { return std::string(info.param.name); });

struct ListCase
{
    const char* name;
    QByteArray file;
    QList<QByteArray> words;
    qint64 end;
    bool closingLineMissing;
    friend void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }
};

const QByteArray kField = asciiCodeField("88");
const QByteArray kZhong = bytes({0xD6, 0xD0});

using UserWordListTest = ::testing::TestWithParam<ListCase>;

TEST_P(UserWordListTest, EndsAtTheEmptyLineOrAnEmptyWord)
{
    QList<QByteArray> words;
    const ReadResult read = readUserWordFile(
        GetParam().file, [&](const UserWordEntry& e) { words.append(e.word.toByteArray()); });
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(words, GetParam().words);
    EXPECT_EQ(read.end, GetParam().end);
    EXPECT_EQ(read.closingLineMissing, GetParam().closingLineMissing);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, UserWordListTest,
    ::testing::Values(ListCase{"BytesAfterTheEmptyLineAreNotRead",
                               kField + kZhong + "\r\n\r\n" + kField + kZhong + "\r\n",
                               {kZhong},
                               12,
                               false},
                      ListCase{"EmptyWordEndsTheList",
                               kField + kZhong + "\r\n" + kField + "\r\n" + kField + kZhong + "\r\n",
                               {kZhong},
                               18,
                               false},
                      ListCase{"NoClosingLine", kField + kZhong + "\r\n", {kZhong}, 10, true},
                      ListCase{"OnlyTheClosingLine", "\r\n", {}, 2, false},
                      ListCase{"Empty", {}, {}, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

using UserWordDamageTest = ::testing::TestWithParam<DamageCase>;

TEST_P(UserWordDamageTest, IsRefusedWithWhatAndWhere)
{
    const QByteArray file(GetParam().file.constData(), GetParam().file.size());
    const ReadResult read = readUserWordFile(file, [](const UserWordEntry&) {});
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(read.problem->kind, GetParam().kind);
    EXPECT_EQ(read.problem->offset, GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, UserWordDamageTest,
    ::testing::Values(DamageCase{"WordWithoutLineEnd", kField + kZhong, Kind::TruncatedEntry, 0},
                      DamageCase{"SecondEntryWithoutLineEnd",
                                 kField + kZhong + "\r\n" + kField + kZhong + '\r', Kind::TruncatedEntry, 10},
                      DamageCase{"FieldCut", kField + kZhong + "\r\n" + "50", Kind::TruncatedEntry, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserWordFile, EveryCutIsReadWithinTheFile)
{
    for (qsizetype length = 0; length <= kKnownUserWordFile.size(); ++length) {
        const QByteArray cut(kKnownUserWordFile.constData(), length);
        const ReadResult read = readUserWordFile(cut, [&](const UserWordEntry& e) {
            EXPECT_LE(e.word.data() + e.word.size(), cut.constData() + length);
        });
        EXPECT_LE(read.end, length);
    }
}

// --- The teacher's word list ---------------------------------------------------------------------

using WordListTest = ::testing::TestWithParam<ListCase>;

TEST_P(WordListTest, EndsAtTheFirstEmptyLine)
{
    QList<QByteArray> words;
    const ReadResult read =
        readWordList(GetParam().file, [&](const WordListEntry& e) { words.append(e.word.toByteArray()); });
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(words, GetParam().words);
    EXPECT_EQ(read.end, GetParam().end);
    EXPECT_EQ(read.closingLineMissing, GetParam().closingLineMissing);
}

const QByteArray kGuo = bytes({0xB9, 0xFA});

INSTANTIATE_TEST_SUITE_P(
    Lists, WordListTest,
    ::testing::Values(
        ListCase{"TwoWords", kZhong + kGuo + "\r\n" + kGuo + "\r\n\r\n", {kZhong + kGuo, kGuo}, 12, false},
        ListCase{"BytesAfterTheEmptyLineAreNotRead", kZhong + "\r\n\r\n" + kGuo + "\r\n", {kZhong}, 6, false},
        ListCase{"StartsWithTheEmptyLine", "\r\n" + kZhong + "\r\n", {}, 2, false},
        ListCase{"LastLineWithoutLineEnd", kZhong + "\r\n" + kGuo, {kZhong, kGuo}, 6, true},
        ListCase{"NoClosingLine", kZhong + "\r\n", {kZhong}, 4, true}, ListCase{"Empty", {}, {}, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordList, KnownBytesAreWritten)
{
    EXPECT_EQ(writeWordList({kZhong + kGuo, kGuo}), kZhong + kGuo + "\r\n" + kGuo + "\r\n\r\n");
    EXPECT_EQ(writeWordList({}), QByteArray("\r\n"));
}

TEST(WordList, OddWordsAreFlagged)
{
    QList<Oddities> flags;
    readWordList("ab\r\n" + kZhong.repeated(26) + "\r\n\r\n",
                 [&](const WordListEntry& e) { flags.append(e.oddities); });
    EXPECT_EQ(flags, QList<Oddities>({Oddity::NoGbkCell, Oddity::LongerThanField}));
}

} // namespace
