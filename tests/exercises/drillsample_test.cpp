// Every drill lesson on the sample code database that the build stages.
#include "tests/exercises/drillfixture.h"

#include "platform/ime/inputmethod.h"
#include "shell/frmresult.h"
#include "shell/module1.h"

namespace drilltest {
namespace {

class SampleLesson : public DrillTest, public ::testing::WithParamInterface<Member>
{
};

TEST_P(SampleLesson, RunsAPageAndShowsTheScores)
{
    const Member& m = GetParam();
    ASSERT_NO_FATAL_FAILURE(useSampleDatabase());
    ASSERT_NE(openWindow(m), nullptr);
    ASSERT_FALSE(m_window->loadFailed());

    drawSpreadPage(m.pageSize);
    start();
    ASSERT_TRUE(seams.ui.messageBoxes().isEmpty()) << seams.ui.messageTexts().join(u'|').toStdString();
    for (int k = 0; k < m.pageSize; ++k) {
        const QString code = m_window->itemCode(k);
        EXPECT_FALSE(item(k)->text().isEmpty()) << k;
        EXPECT_FALSE(code.isEmpty()) << k;
        EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](QChar c) { return c.isDigit(); })) << k;
    }
    type(0, item(0)->text());
    EXPECT_EQ(m_window->correctCount(), m_window->typedCount());
    timerSteps(*m_window, 30);
    button("Command1")->click();
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_TRUE(FrmResult::instance().Label4()->text().startsWith(QStringLiteral("用时0.5分")));
    EXPECT_EQ(Module1::gAccuracy, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Lessons, SampleLesson, ::testing::ValuesIn(lessons()),
                         [](const auto& info) { return memberName(info.param); });

// The road a learner takes: the built-in input method turns the shown codes into the words.
TEST_F(DrillTest, TypingTheShownCodesThroughTheInputMethodFillsTheBoxes)
{
    platform::ime::InputMethod& inputMethod = installSampleInputMethod();
    ASSERT_NO_FATAL_FAILURE(useSampleDatabase());
    const Member& m = members()[2];
    ASSERT_NE(openWindow(m), nullptr);
    drawSpreadPage(m.pageSize);
    start();
    ASSERT_TRUE(inputMethod.isOn());

    for (int k = 0; k < m.pageSize; ++k)
        typeCode(m_window.get(), m_window->itemCode(k), item(k)->text());
    // Every box was judged, and the page turned.
    EXPECT_EQ(m_window->typedCount(), 2 * m.pageSize);
    EXPECT_EQ(m_window->correctCount(), 2 * m.pageSize);
    EXPECT_EQ(m_window->currentItem(), 0);
    button("Command1")->click();
    EXPECT_FALSE(inputMethod.isOn());
}

} // namespace
} // namespace drilltest
