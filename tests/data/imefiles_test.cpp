// The input method's staged files, read strictly under their layouts, and the registry entry.
#include "tests/data/expectedtexts.h"
#include "tests/data/imefilereader.h"
#include "tests/data/stageddata.h"
#include "tests/support/files.h"

#include "platform/gbk.h"
#include "platform/imelookup.h"
#include "platform/registry.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace datatests;

namespace {

bool isCode(const QByteArray& code)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    return digits.match(QString::fromLatin1(code)).hasMatch();
}

class CodeFileTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        const QByteArray bytes = testsupport::readFile(stagedSystemFile(QLatin1String(GetParam())));
        ASSERT_FALSE(bytes.isEmpty()) << GetParam() << " is not staged";
        QString error;
        ASSERT_TRUE(readCodeFile(bytes, &m_file, &error)) << error.toStdString();
    }
    CodeFile m_file;
};

TEST_P(CodeFileTest, HoldsEnoughCharactersAndWords)
{
    QSet<QByteArray> characters;
    QSet<QByteArray> words;
    for (const CodedText& entry : m_file.characters)
        characters.insert(entry.text);
    for (const CodedText& entry : m_file.words)
        words.insert(entry.text);
    EXPECT_GE(characters.size(), 6000);
    EXPECT_GE(words.size(), 50000);
}

TEST_P(CodeFileTest, EntriesAreGbkTextWithCodesOfUpToSixDigits)
{
    for (const CodedText& entry : m_file.characters) {
        ASSERT_TRUE(isCode(entry.code));
        ASSERT_TRUE(isDoubleByteText(entry.text) && entry.text.size() == 2);
    }
    for (const CodedText& entry : m_file.words) {
        ASSERT_TRUE(isCode(entry.code));
        ASSERT_TRUE(isDoubleByteText(entry.text) && entry.text.size() >= 4)
            << entry.text.toHex().toStdString();
        ASSERT_LE(entry.text.size(), 50) << "a word fits the practice program's 50-byte field";
    }
}

TEST_P(CodeFileTest, EachDigitIsTheShortCodeOfOneCharacter)
{
    QMap<QByteArray, int> perDigit;
    for (const CodedText& entry : m_file.characters) {
        if (entry.code.size() == 1)
            ++perDigit[entry.code];
    }
    EXPECT_EQ(perDigit.size(), 10);
    for (auto it = perDigit.cbegin(); it != perDigit.cend(); ++it)
        EXPECT_EQ(it.value(), 1) << it.key().toStdString();
}

TEST_P(CodeFileTest, EveryCharacterHasOneFullCodeListedAfterItsShortCode)
{
    // A rebuild keeps the code of a character's last group as its code and a short code seen
    // before it as its short code; so the full code must come last.
    QHash<QByteArray, QList<QByteArray>> codes;
    for (const CodedText& entry : m_file.characters)
        codes[entry.text].append(entry.code);
    for (auto it = codes.cbegin(); it != codes.cend(); ++it) {
        const QList<QByteArray>& list = it.value();
        ASSERT_LE(list.size(), 2) << it.key().toHex().toStdString();
        ASSERT_GE(list.last().size(), 3) << "full code last";
        if (list.size() == 2) {
            ASSERT_LE(list.first().size(), 2) << "the other one is a short code";
        }
    }
}

TEST_P(CodeFileTest, WordsHaveOneFullCodeAndAtMostOneShortCode)
{
    QHash<QByteArray, QList<QByteArray>> codes;
    for (const CodedText& entry : m_file.words)
        codes[entry.text].append(entry.code);
    int shortCoded = 0;
    for (auto it = codes.cbegin(); it != codes.cend(); ++it) {
        int full = 0;
        for (const QByteArray& code : it.value())
            full += code.size() >= 3 ? 1 : 0;
        ASSERT_EQ(full, 1) << it.key().toHex().toStdString();
        ASSERT_LE(it.value().size(), 2);
        shortCoded += it.value().size() - 1;
    }
    EXPECT_GE(shortCoded, 17 + 17) << "enough words for both word short-code lessons";
}

INSTANTIATE_TEST_SUITE_P(BothEditions, CodeFileTest, ::testing::Values("orvesk.mb", "orveske.mb"),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param).remove(u'.').toStdString();
                         });

// The checks above must notice a file that does not end where its header says, or else they would
// prove little.
struct Damage
{
    const char* name;
    void (*apply)(QByteArray& file);
    friend void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }
};

void setWordSectionLength(QByteArray& file, qint32 delta)
{
    const quint32 d = qFromLittleEndian<quint32>(file.constData() + 0x1C) + delta;
    qToLittleEndian(d, file.data() + 0x1C);
}

using DamagedCodeFileTest = ::testing::TestWithParam<Damage>;

TEST_P(DamagedCodeFileTest, IsRejected)
{
    QByteArray bytes = testsupport::readFile(stagedSystemFile(QStringLiteral("orvesk.mb")));
    ASSERT_FALSE(bytes.isEmpty());
    GetParam().apply(bytes);
    CodeFile file;
    QString error;
    EXPECT_FALSE(readCodeFile(bytes, &file, &error));
}

INSTANTIATE_TEST_SUITE_P(Reader, DamagedCodeFileTest,
                         ::testing::Values(Damage{"CutShort", [](QByteArray& f) { f.chop(1); }},
                                           Damage{"ByteAppended", [](QByteArray& f) { f.append('\xFF'); }},
                                           Damage{"LastGroupUnclosed",
                                                  [](QByteArray& f) {
                                                      f.chop(1);
                                                      setWordSectionLength(f, -1);
                                                  }},
                                           Damage{"SectionsShifted",
                                                  [](QByteArray& f) {
                                                      const quint32 c =
                                                          qFromLittleEndian<quint32>(f.constData() + 0x18) +
                                                          1;
                                                      qToLittleEndian(c, f.data() + 0x18);
                                                      setWordSectionLength(f, -1);
                                                  }}),
                         [](const auto& info) { return std::string(info.param.name); });

using UserWordFileTest = ::testing::TestWithParam<const char*>;

TEST_P(UserWordFileTest, ReadsToItsClosingLineWithCodesTheCodeFileRulesGive)
{
    const QByteArray bytes = testsupport::readFile(stagedSystemFile(QLatin1String(GetParam())));
    ASSERT_FALSE(bytes.isEmpty()) << GetParam() << " is not staged";
    QList<CodedText> words;
    QString error;
    ASSERT_TRUE(readUserWordFile(bytes, &words, &error)) << error.toStdString();
    ASSERT_FALSE(words.isEmpty());
    const StagedCodeFile& codeFile = stagedCodeFile();
    QHash<QByteArray, QByteArray> firstCodes;
    for (const CodedText& entry : codeFile.file.characters) {
        if (entry.code.size() >= 3)
            firstCodes.insert(entry.text, entry.code);
    }
    for (const CodedText& word : words) {
        EXPECT_TRUE(isCode(word.code)) << word.code.toStdString();
        EXPECT_TRUE(isDoubleByteText(word.text));
        // Its characters are coded, so the code was formed from theirs.
        for (qsizetype i = 0; i < word.text.size(); i += 2)
            EXPECT_TRUE(firstCodes.contains(word.text.mid(i, 2)));
    }
}

INSTANTIATE_TEST_SUITE_P(BothEditions, UserWordFileTest, ::testing::Values("ZDY.TXT", "ZDYgbk.TXT"),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param).remove(u'.').toStdString();
                         });

TEST(TeacherWordList, ReadsToItsClosingLine)
{
    const QByteArray bytes = testsupport::readFile(stagedProgramFile(QStringLiteral("usercibiao.TXT")));
    QList<QByteArray> words;
    QString error;
    ASSERT_TRUE(readWordList(bytes, &words, &error)) << error.toStdString();
    ASSERT_FALSE(words.isEmpty());
    for (const QByteArray& word : words)
        EXPECT_TRUE(isDoubleByteText(word) && word.size() >= 4 && word.size() <= 50);
}

TEST(MachineRegistry, RegistersTheInputMethodUnderItsLayoutId)
{
    platform::RegistryHive hive;
    const auto loaded = hive.load(stagedSystemFile(QStringLiteral("HKEY_LOCAL_MACHINE.hive")));
    ASSERT_TRUE(loaded.ok) << loaded.message.toStdString();
    const auto value =
        hive.value(QByteArray(platform::kKeyboardLayoutsKey) + "E0200804", platform::kLayoutTextValue);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, platform::REG_SZ);
    EXPECT_EQ(value->data, platform::gbk::encode(platform::imeDisplayName()) + '\0');
}

} // namespace
