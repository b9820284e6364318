// The commit rules of the composition, without widgets.
#include "platform/gbk.h"
#include "platform/ime/composer.h"
#include "platform/ime/imefiles.h"
#include "tests/ime/support/samplecodes.h"

#include <gtest/gtest.h>

using namespace platform::ime;
using Kind = ComposerKey::Kind;

namespace {

class ComposerTest : public ::testing::Test
{
protected:
    ComposerTest()
    {
        CodeTableBuilder builder;
        readCodeFile(imetest::codeFileBytes(imetest::sampleCharacters(), imetest::sampleWords()), builder);
        readUserWordFile(imetest::userWordFileBytes(imetest::sampleUserWords()), builder);
        m_table = builder.build();
        m_composer.setTable(&m_table);
    }

    // Types the digits and returns every commit they made.
    QStringList type(const char* digits)
    {
        QStringList commits;
        for (const char* d = digits; *d; ++d)
            record(m_composer.processKey(ComposerKey::ofDigit(*d - '0')), &commits);
        return commits;
    }
    KeyOutcome press(Kind kind) { return m_composer.processKey(ComposerKey::of(kind)); }
    static QString text(const KeyOutcome& outcome)
    {
        return outcome.commit ? platform::gbk::decode(outcome.commit->text) : QString();
    }
    static void record(const KeyOutcome& outcome, QStringList* commits)
    {
        if (outcome.commit)
            *commits << platform::gbk::decode(outcome.commit->text);
    }
    QStringList candidates() const
    {
        QStringList result;
        for (const CodeEntry& entry : m_composer.candidates())
            result << platform::gbk::decode(m_table.text(entry));
        return result;
    }

    CodeTable m_table;
    Composer m_composer;
};

TEST_F(ComposerTest, UniqueCodeThatBeginsNoLongerCodeCommitsAtOnce)
{
    EXPECT_EQ(type("4040"), QStringList{QStringLiteral("木")});
    EXPECT_FALSE(m_composer.isComposing());
    EXPECT_EQ(type("88"), QStringList{QStringLiteral("好的")});
}

TEST_F(ComposerTest, CommitCarriesTheDigitsTyped)
{
    type("404");
    const KeyOutcome outcome = m_composer.processKey(ComposerKey::ofDigit(0));
    ASSERT_TRUE(outcome.commit);
    EXPECT_EQ(outcome.commit->composition, QByteArray("4040"));
}

TEST_F(ComposerTest, UniqueCodeThatBeginsALongerCodeWaitsForSpace)
{
    EXPECT_TRUE(type("12").isEmpty());
    EXPECT_EQ(m_composer.composition(), QByteArray("12"));
    EXPECT_EQ(candidates(), QStringList{QStringLiteral("丁")});
    const KeyOutcome outcome = press(Kind::Commit);
    EXPECT_EQ(outcome.result, KeyResult::Accepted);
    EXPECT_EQ(text(outcome), QStringLiteral("丁"));
    EXPECT_EQ(outcome.commit->composition, QByteArray("12"));
    EXPECT_FALSE(m_composer.isComposing());
}

TEST_F(ComposerTest, SixDigitCodeCommitsAtOnceWhenUnique)
{
    EXPECT_EQ(type("123456"), QStringList{QStringLiteral("丑")});
}

TEST(ComposerSixDigitTest, TakesNoSeventhDigit)
{
    CodeTableBuilder builder;
    builder.add("123456", "a", EntrySource::Character);
    builder.add("123456", "b", EntrySource::Character);
    builder.add("1", "c", EntrySource::Character);
    const CodeTable table = builder.build();
    Composer composer(&table);
    for (int d = 1; d <= 6; ++d)
        EXPECT_EQ(composer.processKey(ComposerKey::ofDigit(d)).result, KeyResult::Accepted);
    EXPECT_EQ(composer.processKey(ComposerKey::ofDigit(1)).result, KeyResult::Rejected);
    EXPECT_EQ(composer.composition(), QByteArray("123456"));
    EXPECT_EQ(composer.candidates().size(), 2u);
}

TEST_F(ComposerTest, DigitLeadingToNoCodeIsRejected)
{
    EXPECT_EQ(m_composer.processKey(ComposerKey::ofDigit(9)).result, KeyResult::Rejected);
    EXPECT_FALSE(m_composer.isComposing());
    type("50");
    EXPECT_EQ(m_composer.processKey(ComposerKey::ofDigit(7)).result, KeyResult::Rejected);
    EXPECT_EQ(m_composer.composition(), QByteArray("50"));
}

TEST_F(ComposerTest, HighlightStaysWithinTheCandidates)
{
    type("5000");
    EXPECT_FALSE(press(Kind::Up).changed);
    for (int i = 0; i < 10; ++i)
        press(Kind::Down);
    EXPECT_EQ(m_composer.highlight(), int(m_composer.candidates().size()) - 1);
}

TEST_F(ComposerTest, BackspaceOfTheOnlyDigitEndsTheComposition)
{
    type("5");
    EXPECT_EQ(press(Kind::Backspace).result, KeyResult::Accepted);
    EXPECT_FALSE(m_composer.isComposing());
}

TEST_F(ComposerTest, SpaceWithoutCandidatesCommitsNothing)
{
    type("500");
    const KeyOutcome outcome = press(Kind::Commit);
    EXPECT_EQ(outcome.result, KeyResult::Accepted);
    EXPECT_FALSE(outcome.commit);
    EXPECT_EQ(m_composer.composition(), QByteArray("500"));
}

TEST_F(ComposerTest, OtherKeysDropTheCompositionAndPass)
{
    type("50");
    const KeyOutcome outcome = press(Kind::Other);
    EXPECT_EQ(outcome.result, KeyResult::Passed);
    EXPECT_FALSE(outcome.commit);
    EXPECT_FALSE(m_composer.isComposing());
    type("50");
    EXPECT_EQ(press(Kind::Modifier).result, KeyResult::Passed);
    EXPECT_EQ(m_composer.composition(), QByteArray("50"));
}

class IdleComposerKeyTest : public ComposerTest, public ::testing::WithParamInterface<Kind>
{
};

TEST_P(IdleComposerKeyTest, PassesWhileNothingIsComposed)
{
    const KeyOutcome outcome = press(GetParam());
    EXPECT_EQ(outcome.result, KeyResult::Passed);
    EXPECT_FALSE(outcome.changed);
}

INSTANTIATE_TEST_SUITE_P(Keys, IdleComposerKeyTest,
                         ::testing::Values(Kind::Commit, Kind::Up, Kind::Down, Kind::Backspace, Kind::Escape,
                                           Kind::Modifier, Kind::Other));

TEST(ComposerWithoutTableTest, RejectsDigits)
{
    Composer composer;
    EXPECT_EQ(composer.processKey(ComposerKey::ofDigit(1)).result, KeyResult::Rejected);
}

} // namespace
