#include "platform/resources.h"
#include "shell/frmresult.h"
#include "shell/module1.h"
#include "tests/support/installedseams.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QLabel* label(const char* name)
{
    return FrmResult::instance().findChild<QLabel*>(QString::fromLatin1(name));
}

class ScoreBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Module1::gExerciseTitle = QStringLiteral("两字词组训练");
        Module1::gAccuracy = 0;
        Module1::gTypingSpeed = 0;
        Module1::gEffectiveSpeed = 0;
    }
    void TearDown() override { box.hide(); }

    FrmResult& box = FrmResult::instance();
};

TEST(ResultSummaryLine, DrillsWriteCountsWithASignPlaceAndTheArticleTestPlainDigits)
{
    EXPECT_EQ(resultSummaryLine(2.5, 57, 55, CountStyle::SignPlace),
              QStringLiteral("用时2.5分 打字 57个 其中正确 55个"));
    EXPECT_EQ(resultSummaryLine(2.5, 57, 55, CountStyle::PlainDigits),
              QStringLiteral("用时2.5分 打字57个 其中正确55个"));
}

TEST_F(ScoreBox, IsOneBoxCentredWhenMade)
{
    EXPECT_EQ(&box, &FrmResult::instance());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(box.pos(), QPoint((screen.width() - box.width()) / 2, (screen.height() - box.height()) / 2));
}

// The one box outlives its callers: each showing belongs to the window that shows it, whichever
// showed it before.
TEST_F(ScoreBox, EachShowingBelongsToTheWindowThatShowsIt)
{
    testsupport::InstalledSeams seams;
    QDialog drill;
    QDialog articleTest;
    for (QDialog* caller : {&drill, &articleTest, &drill}) {
        caller->show();
        box.showOver(caller);
    }
    ASSERT_EQ(seams.ui.modalWindows().size(), 3);
    EXPECT_EQ(seams.ui.modalWindows()[0].owner, &drill);
    EXPECT_EQ(seams.ui.modalWindows()[1].owner, &articleTest);
    EXPECT_EQ(seams.ui.modalWindows()[2].owner, &drill);
    EXPECT_EQ(box.parentWidget(), nullptr);
}

TEST_F(ScoreBox, CaptionFollowsTheExerciseTitleAtEachShowing)
{
    box.show();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("两字词组训练成绩"));
    box.hide();

    const QString suffix = QStringLiteral("两字词组训练成绩").mid(QStringLiteral("两字词组训练").size());
    Module1::gExerciseTitle = QStringLiteral("多字词组训练");
    box.show();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("多字词组训练") + suffix);
}

TEST_F(ScoreBox, ZeroFiguresShowAsZero)
{
    box.show();
    EXPECT_EQ(label("Label1")->text(), QStringLiteral("正 确 率：0%"));
    EXPECT_EQ(label("Label2")->text(), QStringLiteral("打字速度：0字/分"));
    EXPECT_EQ(label("Label3")->text(), QStringLiteral("有效速度：0字/分"));
}

TEST_F(ScoreBox, FiguresAreFormattedFreshAtEachShowing)
{
    box.show();
    box.hide();
    Module1::gAccuracy = 0.956f;
    Module1::gTypingSpeed = 45.5f;
    Module1::gEffectiveSpeed = 1234.4f;
    box.show();
    // The zero example with its figure replaced: each example holds one "0".
    auto withFigure = [](QString zeroText, const QString& figure) { return zeroText.replace(u'0', figure); };
    EXPECT_EQ(label("Label1")->text(), QStringLiteral("正 确 率：0%").chopped(2) + QStringLiteral("96%"));
    EXPECT_EQ(label("Label2")->text(), withFigure(QStringLiteral("打字速度：0字/分"), QStringLiteral("46")));
    EXPECT_EQ(label("Label3")->text(),
              withFigure(QStringLiteral("有效速度：0字/分"), QStringLiteral("1234")));
}

TEST_F(ScoreBox, SummaryLineStaysAsTheCallerWroteIt)
{
    box.Label4()->setText(QStringLiteral("用时2.5分 打字 57个 其中正确 55个"));
    box.show();
    box.hide();
    box.show();
    EXPECT_EQ(box.Label4()->text(), QStringLiteral("用时2.5分 打字 57个 其中正确 55个"));
}

TEST_F(ScoreBox, ClosingFromTheTitleBarOnlyHidesItAndEndsTheModalShowing)
{
    QTimer::singleShot(0, &box, [this] { box.close(); });
    box.exec();
    EXPECT_FALSE(box.isVisible());

    // The same box shows again, and its OK button ends the showing the same way.
    QTimer::singleShot(0, &box, [this] { box.findChild<QPushButton*>(QStringLiteral("Command3"))->click(); });
    box.exec();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(&box, &FrmResult::instance());
}

class ScoreBoxKey : public ScoreBox, public ::testing::WithParamInterface<Qt::Key>
{
};

TEST_P(ScoreBoxKey, DismissesTheBox)
{
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    ASSERT_EQ(box.focusWidget(), box.findChild<QPushButton*>(QStringLiteral("Command3")));
    QTest::keyClick(box.focusWidget(), GetParam());
    EXPECT_FALSE(box.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, ScoreBoxKey, ::testing::Values(Qt::Key_Return, Qt::Key_Space),
                         [](const auto& info) { return info.param == Qt::Key_Return ? "Return" : "Space"; });

TEST_F(ScoreBox, KeepsAPositionTheUserGaveIt)
{
    const QPoint centred = box.pos();
    box.show();
    box.move(centred + QPoint(-40, 25));
    box.hide();
    box.show();
    EXPECT_EQ(box.pos(), centred + QPoint(-40, 25));
    box.move(centred);
}

TEST_F(ScoreBox, AnimationCyclesThroughFiveFramesFromItsCreation)
{
    auto* timer = box.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 200);

    while (box.ResultIconFrame() != 0)
        box.Timer1_Timer();
    QLabel* image = label("Image1");
    for (int step = 1; step <= 5; ++step) {
        box.Timer1_Timer();
        EXPECT_EQ(box.ResultIconFrame(), step % 5);
        const QImage expected = platform::resources::icon(118 + step).pixmap(32, 32).toImage();
        ASSERT_FALSE(expected.isNull()) << "icon " << 118 + step;
        EXPECT_EQ(image->pixmap().toImage(), expected) << "frame " << step;
    }
}

} // namespace
