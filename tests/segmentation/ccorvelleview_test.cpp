// The practice view through its real widgets: painting, the test loop with the input method's
// messages, the timers called directly, the clock seam, and the keyboard layouts.
#include "platform/ime/inputmethod.h"
#include "platform/keyboard.h"
#include "segmentation/core/frameresources.h"
#include "segmentation/core/helpfile.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/coptionsdlg.h"
#include "tests/ime/support/samplecodes.h"
#include "tests/segmentation/practicewindow.h"
#include "tests/support/files.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace practicetest;
using namespace segmentation;

namespace {

const QString kTwelve = QStringLiteral("春风吹绿了江南岸边的柳树");

// Answers the options dialog with the test's change, then OK.
std::function<int(QDialog*)> changedOptions(std::function<void(COptionsDlg&)> change)
{
    return [change](QDialog* dialog) {
        auto* options = qobject_cast<COptionsDlg*>(dialog);
        EXPECT_NE(options, nullptr);
        if (!options)
            return int(QDialog::Rejected);
        change(*options);
        options->OnOK();
        return dialog->result();
    };
}

// True when some pixel of the rectangle has exactly the colour.
bool holdsColour(const QImage& picture, const QRect& cell, const QColor& colour)
{
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (picture.pixelColor(x, y) == colour)
                return true;
    return false;
}

class ViewTest : public PracticeWindowTest
{
protected:
    // Builds the window with an article of the characters loaded.
    void buildWith(const QString& characters, const std::vector<int>& words = {})
    {
        build();
        load(makeArticle(characters, words));
    }
    void start()
    {
        view->OnTestStart();
        ASSERT_TRUE(view->isTesting());
    }
    void startWith(const QString& characters, const std::vector<int>& words = {})
    {
        buildWith(characters, words);
        start();
    }
    void key(Qt::Key key) { QTest::keyClick(view, key); }
    void endAfter(int seconds)
    {
        tick(seconds);
        view->OnTestEnd();
    }
    std::array<qint32, CTestResultDlg::FigureCount> lastResult() const
    {
        return results.isEmpty() ? std::array<qint32, CTestResultDlg::FigureCount>{} : results.back();
    }
    qint32 result(CTestResultDlg::Figure figure) const { return lastResult()[std::size_t(figure)]; }
    bool enabled(int id)
    {
        frame->updateCommandStates();
        return frame->action(id)->isEnabled();
    }
};

TEST_F(ViewTest, StartingWithoutAnArticleSaysSoAndStaysIdle)
{
    build();
    view->OnTestStart();
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("请先打开测试文档!")});
    EXPECT_FALSE(view->isTesting());
    EXPECT_FALSE(view->isTimerActive(CCorvelleView::TIMER_CLOCK));
    EXPECT_EQ(view->cursorIcon(), nullptr);
}

TEST_F(ViewTest, AStartCopiesThePatternAndFiguresAndSetsUpTheTimersAndTheIcon)
{
    startWith(kTwelve, {2, 1, 4, 1, 4});
    EXPECT_EQ(view->typingStatus(), QByteArray("001000010000"));
    EXPECT_EQ(view->figures().article, document->statistics());
    EXPECT_EQ(view->cursorPosition(), 0);
    EXPECT_TRUE(view->isTimerActive(CCorvelleView::TIMER_CURSOR_ICON));
    EXPECT_TRUE(view->isTimerActive(CCorvelleView::TIMER_CLOCK));
    ASSERT_NE(view->cursorIcon(), nullptr);
    EXPECT_EQ(view->cursorIcon()->objectName(), QStringLiteral("IDC_CURSOR_ICON"));
    EXPECT_EQ(view->cursorIcon()->geometry(), QRect(15, 45, 32, 32));
    EXPECT_EQ(view->nextCursorIcon(), 133);

    view->OnTestEnd();
    EXPECT_FALSE(view->isTesting());
    EXPECT_EQ(view->cursorIcon(), nullptr);
    EXPECT_FALSE(view->isTimerActive(CCorvelleView::TIMER_CURSOR_ICON));
    EXPECT_FALSE(view->isTimerActive(CCorvelleView::TIMER_CLOCK));
}

// The short-code hint switch is read where it is used, so a change to the stored setting while the
// program runs reaches the painting, the start and Backspace without the options dialog.
TEST_F(ViewTest, TheShortCodeHintAsStoredNowChoosesThePatternOfEachPaintStartAndBackspace)
{
    build();
    Article article = makeArticle(kTwelve, {2, 1, 4, 1, 4});
    article.shortCodePattern = "441000010000";
    load(article);
    const int cell = QFontMetrics(view->articleFont()).height();
    const QRect first(15, 0, cell, cell);
    const QColor hint(255, 255, 0); // 简码提示颜色, 0x00FFFF as 0x00BBGGRR
    EXPECT_FALSE(holdsColour(view->viewport()->grab().toImage(), first, hint));

    ASSERT_TRUE(writeSetting(settings::ShortCodeHint, 1));
    EXPECT_TRUE(holdsColour(view->viewport()->grab().toImage(), first, hint));
    start();
    EXPECT_EQ(view->typingStatus(), QByteArray("441000010000"));

    type(QStringLiteral("春"));
    ASSERT_TRUE(writeSetting(settings::ShortCodeHint, 0));
    key(Qt::Key_Backspace);
    EXPECT_EQ(view->typingStatus().left(2), QByteArray("04"));
}

TEST_F(ViewTest, ATestLocksEveryCommandThatLoadsAnArticleOrRebuildsTheBooks)
{
    buildWith(kTwelve);
    int imports = 0;
    document->setArticleSource(ID_FILE_OPEN, [&](QWidget*) {
        ++imports;
        return std::optional<Article>();
    });
    const std::vector<int> locked = {ID_FILE_OPEN, ID_OPEN_SAMPLE, ID_FILE_NEW, ID_DELETE_ARTICLE,
                                     ID_TEST_START};
    for (int id : locked)
        EXPECT_TRUE(enabled(id)) << id;
    EXPECT_FALSE(enabled(ID_TEST_END));

    start();
    for (int id : locked)
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_TRUE(enabled(ID_TEST_END));
    EXPECT_TRUE(enabled(ID_OPTIONS));
    EXPECT_TRUE(enabled(ID_HELP_CONTENTS));
    // The keys too: Ctrl+O reaches no import while the test runs.
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_FALSE(frame->commands().route(ID_FILE_OPEN));
    EXPECT_EQ(imports, 0);

    view->OnTestEnd();
    EXPECT_TRUE(frame->commands().route(ID_FILE_OPEN));
    EXPECT_EQ(imports, 1);
}

TEST_F(ViewTest, TypedCharactersAreJudgedAgainstTheCharacterAtTheCursor)
{
    startWith(kTwelve, {2, 1, 4, 1, 4});
    type(u'春');
    type(u'雨'); // the article has 风 here
    EXPECT_EQ(view->typingStatus().left(3), QByteArray("231"));
    EXPECT_EQ(view->cursorPosition(), 2);
    EXPECT_EQ(view->figures().typed, 2);
    EXPECT_TRUE(view->partialRedrawPending());
    // A single-byte character is always wrong.
    type(QChar(u'a'));
    EXPECT_EQ(view->typingStatus().left(3), QByteArray("233"));
}

TEST_F(ViewTest, CharactersTypedPastTheLastJudgeTheLastAgainAndAllCount)
{
    startWith(QStringLiteral("春风吹绿"));
    type(QStringLiteral("春风吹"));
    EXPECT_EQ(view->cursorPosition(), 3);
    type(u'绿');
    EXPECT_EQ(view->cursorPosition(), 3);
    EXPECT_EQ(view->typingStatus(), QByteArray("2222"));
    type(u'雨');
    EXPECT_EQ(view->typingStatus(), QByteArray("2223"));
    EXPECT_EQ(view->cursorPosition(), 3);
    endAfter(1);
    EXPECT_EQ(result(CTestResultDlg::TypedCharacters), 5);
    EXPECT_EQ(result(CTestResultDlg::Accuracy), 3 * 100 / 5);
}

TEST_F(ViewTest, BackspaceGivesTheCharacterItsWordColourBack)
{
    startWith(kTwelve, {2, 1, 4, 1, 4});
    type(QStringLiteral("春风雨"));
    EXPECT_EQ(view->typingStatus().left(4), QByteArray("2230"));
    key(Qt::Key_Backspace);
    EXPECT_EQ(view->cursorPosition(), 2);
    EXPECT_EQ(view->typingStatus().left(4), QByteArray("2210"));
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    EXPECT_EQ(view->cursorPosition(), 0);
    EXPECT_EQ(view->typingStatus().left(4), QByteArray("0010"));
}

TEST_F(ViewTest, ACharacterTypedWronglyThenRightAfterMovingBackCountsAsCorrect)
{
    startWith(kTwelve);
    type(u'雨');
    key(Qt::Key_Left);
    type(u'春');
    EXPECT_EQ(view->typingStatus().left(1), QByteArray("2"));
    endAfter(2);
    EXPECT_EQ(result(CTestResultDlg::TypedCharacters), 2);
    EXPECT_EQ(result(CTestResultDlg::Accuracy), 50);
    EXPECT_EQ(result(CTestResultDlg::EffectiveSpeed), 30);
}

TEST_F(ViewTest, KeysMoveTheCursorOnlyDuringATestAndDownStopsAtTheLastCharacter)
{
    build();
    const int perLine = view->charactersPerLine();
    ASSERT_GT(perLine, 2);
    // A last line of two characters.
    load(makeArticle(QString(perLine + 2, QChar(u'春'))));
    key(Qt::Key_Right);
    EXPECT_EQ(view->cursorPosition(), 0);
    start();
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    EXPECT_EQ(view->cursorPosition(), perLine + 1);
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    EXPECT_EQ(view->cursorPosition(), perLine + 1); // the last character, never past it
    key(Qt::Key_Up);
    EXPECT_EQ(view->cursorPosition(), 1);
    key(Qt::Key_Up);
    EXPECT_EQ(view->cursorPosition(), 0);
}

TEST_F(ViewTest, KeystrokeGroupsCloseAtFourHundredMillisecondsAndTheOpenOneCountsAtTheEnd)
{
    startWith(kTwelve);
    type(u'春');
    seams.clock.advance(399);
    type(u'风');
    seams.clock.advance(400);
    type(u'吹');
    seams.clock.advance(100);
    type(u'绿');
    seams.clock.advance(100);
    type(u'了');
    endAfter(1);
    EXPECT_EQ(result(CTestResultDlg::GroupsOfTwo), 1);
    EXPECT_EQ(result(CTestResultDlg::GroupsOfThree), 1); // still open at the end
    EXPECT_EQ(result(CTestResultDlg::GroupsOfOne), 0);
}

TEST_F(ViewTest, TheOpenGroupIsNotCountedWhenTheTestEndsAtTheFirstCharacter)
{
    startWith(kTwelve);
    type(QStringLiteral("春风"));
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    endAfter(1);
    EXPECT_EQ(result(CTestResultDlg::GroupsOfTwo), 0);
    EXPECT_EQ(result(CTestResultDlg::GroupsOfOne), 0);
}

TEST_F(ViewTest, TheFirstCharacterOfANewTestOpensAGroupOfOne)
{
    startWith(kTwelve);
    type(QStringLiteral("春风"));
    view->OnTestEnd();
    start();
    seams.clock.advance(100); // well within a group of the last test's last character
    type(u'春');
    EXPECT_EQ(view->figures().groups, (KeystrokeGroups{1, 0, 0, 0, 0, 0}));
    seams.clock.advance(500);
    type(u'风');
    EXPECT_EQ(view->figures().groups, (KeystrokeGroups{1, 1, 0, 0, 0, 0}));
}

TEST_F(ViewTest, TheClockRunsInItsPaneAndTheLimitEndsTheTestAtThreeMinutes)
{
    ASSERT_TRUE(writeSetting(settings::TimeLimitOn, 1));
    ASSERT_TRUE(writeSetting(settings::TimeLimitMinutes, 3));
    startWith(kTwelve);
    type(u'春');
    tick(1);
    EXPECT_EQ(clockPane(), QStringLiteral("00:00:01"));
    tick(178);
    EXPECT_EQ(clockPane(), QStringLiteral("00:02:59"));
    EXPECT_TRUE(view->isTesting());
    tick(1);
    EXPECT_FALSE(view->isTesting());
    EXPECT_EQ(clockPane(), QStringLiteral("00:02:59"));
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(result(CTestResultDlg::Seconds), 180);
}

TEST_F(ViewTest, ALimitLoweredBelowTheElapsedTimeLeavesTheEndToTheCommand)
{
    ASSERT_TRUE(writeSetting(settings::TimeLimitOn, 1));
    startWith(kTwelve);
    tick(200);
    onDialog = changedOptions([](COptionsDlg& options) {
        options.findChild<QLineEdit*>(QStringLiteral("Minutes_1024"))->setText(QStringLiteral("3"));
    });
    view->OnOptions();
    ASSERT_EQ(view->settings().minutes, 3);
    tick(1000);
    EXPECT_TRUE(view->isTesting());
    EXPECT_EQ(clockPane(), QStringLiteral("00:20:00"));
    view->OnTestEnd();
    EXPECT_FALSE(view->isTesting());
}

TEST_F(ViewTest, ATestWithoutTimeOrTypingShowsNoResult)
{
    startWith(kTwelve);
    type(u'春');
    view->OnTestEnd(); // before the first tick
    start();
    tick(5);
    view->OnTestEnd(); // nothing typed
    EXPECT_TRUE(results.isEmpty());
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
}

TEST_F(ViewTest, TheResultDialogShowsTheArticlesFiguresBesideTheUsers)
{
    startWith(kTwelve);
    type(QStringLiteral("春风吹雨"));
    endAfter(30);
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows()[0].windowTitle, QStringLiteral("测试结果"));
    const auto figures = lastResult();
    for (int i = 0; i < kArticleStatistics; ++i)
        EXPECT_EQ(figures[std::size_t(i)], i + 1) << i; // the document's figures as made
    EXPECT_EQ(result(CTestResultDlg::TypedCharacters), 4);
    EXPECT_EQ(result(CTestResultDlg::GroupsOfMore), 0);
    EXPECT_EQ(result(CTestResultDlg::GroupsOfFour), 1);
    EXPECT_EQ(result(CTestResultDlg::Seconds), 30);
    EXPECT_EQ(result(CTestResultDlg::Speed), 8);
    EXPECT_EQ(result(CTestResultDlg::Accuracy), 75);
    EXPECT_EQ(result(CTestResultDlg::EffectiveSpeed), 6);
}

TEST_F(ViewTest, TheCursorIconCyclesThroughItsFourPicturesAndFollowsTheCursor)
{
    startWith(kTwelve);
    for (int expected : {134, 135, 136, 133, 134}) {
        view->OnTimer(CCorvelleView::TIMER_CURSOR_ICON);
        EXPECT_EQ(view->nextCursorIcon(), expected);
    }
    type(QStringLiteral("春风吹"));
    EXPECT_TRUE(view->partialRedrawPending());
    view->OnTimer(CCorvelleView::TIMER_CURSOR_ICON);
    EXPECT_FALSE(view->partialRedrawPending());
    EXPECT_EQ(view->cursorIcon()->pos(), QPoint(3 * 40 + 15, 45));
    EXPECT_FALSE(view->cursorIcon()->pixmap().isNull());
}

TEST_F(ViewTest, AResizeDuringATestRedrawsEverythingAtTheNextTick)
{
    startWith(kTwelve);
    type(u'春');
    frame->resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_TRUE(view->fullRedrawPending());
    view->OnTimer(CCorvelleView::TIMER_CURSOR_ICON);
    EXPECT_FALSE(view->fullRedrawPending());
    EXPECT_FALSE(view->partialRedrawPending());
}

TEST_F(ViewTest, AClientTooNarrowForOneCharacterPaintsNothingAndTheCursorStillMoves)
{
    build(QString(), QSize(120, 400));
    load(makeArticle(kTwelve));
    frame->setMinimumSize(0, 0);
    view->setFixedWidth(40);
    QCoreApplication::processEvents();
    ASSERT_EQ(view->charactersPerLine(), 0);
    const QImage picture = view->viewport()->grab().toImage();
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            ASSERT_EQ(picture.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    start();
    type(u'春');
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    view->OnTimer(CCorvelleView::TIMER_CURSOR_ICON);
    // A line of one character: typing, Down and Up each move one character.
    EXPECT_EQ(view->cursorPosition(), 1);
    EXPECT_EQ(view->cursorIcon()->pos(), QPoint(15, 80 + 45));
}

TEST_F(ViewTest, WordsArePaintedInAlternatingColoursAndJudgedCharactersInTheirs)
{
    buildWith(kTwelve, {2, 1, 4, 1, 4});
    const int cell = QFontMetrics(view->articleFont()).height();
    const auto cellRect = [&](int index) { return QRect(15 + index * cell, 0, cell, cell); };
    const QColor black(Qt::black);
    const QColor blue(0, 0, 255);  // 交替颜色二, 0xFF0000 as 0x00BBGGRR
    const QColor green(0, 255, 0); // 正确文本颜色
    const QColor red(255, 0, 0);   // 错误文本颜色
    QImage picture = view->viewport()->grab().toImage();
    EXPECT_TRUE(holdsColour(picture, cellRect(0), black));
    EXPECT_FALSE(holdsColour(picture, cellRect(0), blue));
    EXPECT_TRUE(holdsColour(picture, cellRect(2), blue));
    EXPECT_FALSE(holdsColour(picture, cellRect(2), black));

    start();
    type(QStringLiteral("春雨"));
    picture = view->viewport()->grab().toImage();
    EXPECT_TRUE(holdsColour(picture, cellRect(0), green));
    EXPECT_TRUE(holdsColour(picture, cellRect(1), red));
    EXPECT_TRUE(holdsColour(picture, cellRect(2), blue));
}

TEST_F(ViewTest, ScrollSizesFollowTheArticlesLines)
{
    buildWith(QString(2000, QChar(u'春')));
    const int lines = (2000 + view->charactersPerLine() - 1) / view->charactersPerLine();
    QScrollBar* bar = view->verticalScrollBar();
    EXPECT_EQ(bar->maximum(), lines * 80 - view->viewport()->height());
    EXPECT_EQ(bar->singleStep(), 40);
    EXPECT_EQ(bar->pageStep(), view->viewport()->height());
}

TEST_F(ViewTest, TypingNearTheBottomScrollsOneLine)
{
    build(QString(), QSize(800, 300));
    load(makeArticle(QString(400, QChar(u'春'))));
    start();
    const int perLine = view->charactersPerLine();
    // Down until the icon stands within 90 pixels of the bottom.
    int moves = 0;
    while (view->verticalScrollBar()->value() == 0 && moves++ < 10)
        key(Qt::Key_Down);
    EXPECT_EQ(view->verticalScrollBar()->value(), 80);
    EXPECT_EQ(view->cursorPosition(), moves * perLine);
}

TEST_F(ViewTest, TheLayoutChangeRequestIsRefusedOnlyDuringATestWithAutomaticSwitching)
{
    buildWith(kTwelve);
    EXPECT_TRUE(view->WindowProc(platform::WM_INPUTLANGCHANGEREQUEST, 0, 0));
    start();
    EXPECT_FALSE(view->WindowProc(platform::WM_INPUTLANGCHANGEREQUEST, 0, 0));
    view->OnTestEnd();

    ASSERT_TRUE(writeSetting(settings::AutoInputMethod, 0));
    frame.reset();
    startWith(kTwelve);
    EXPECT_TRUE(view->WindowProc(platform::WM_INPUTLANGCHANGEREQUEST, 0, 0));
}

TEST_F(ViewTest, F1OpensTheHelpFileWhetherOrNotATestRuns)
{
    ASSERT_TRUE(testsupport::writeFile(helpFilePath(), {}));
    buildWith(kTwelve);
    key(Qt::Key_F1);
    start();
    key(Qt::Key_F1);
    EXPECT_EQ(seams.opened, QStringList(2, helpFilePath()));
}

TEST_F(ViewTest, OptionsTakeTheColoursAndWithoutSegmentationEveryWordHasTheFirstColour)
{
    buildWith(kTwelve);
    onDialog = changedOptions([](COptionsDlg& options) {
        options.findChild<QCheckBox*>(QStringLiteral("SegmentationDisplay_1018"))->setChecked(false);
    });
    view->OnOptions();
    EXPECT_FALSE(view->settings().segmentationDisplay);
    EXPECT_EQ(view->settings().alternateColor2, view->settings().alternateColor1);
    EXPECT_EQ(view->settings().hintColor, view->settings().alternateColor1);

    onDialog = [](QDialog*) { return int(QDialog::Rejected); };
    const SettingsValues before = view->settings();
    view->OnOptions();
    EXPECT_EQ(view->settings(), before);
}

TEST_F(ViewTest, TheCursorIconStandsOnTheArticlesBackgroundAlsoAfterTheOptionsChangeIt)
{
    ASSERT_TRUE(writeSetting(settings::BackgroundColor, 0xE0F0FF));
    startWith(kTwelve);
    EXPECT_EQ(view->cursorIcon()->palette().color(QPalette::Window), QColor(0xFF, 0xF0, 0xE0));
    onDialog = changedOptions([](COptionsDlg& options) { options.OnRestoreDefaultColors(); });
    view->OnOptions();
    EXPECT_EQ(view->cursorIcon()->palette().color(QPalette::Window), QColor(Qt::white));
}

// Typing through the built-in input method itself, into a test already running.
class ViewTypingTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(imetest::writeSampleFiles(folders.systemFolder()));
        inputMethod = &platform::ime::InputMethod::install();
        inputMethod->reloadFiles();
        buildWith(QStringLiteral("木好的木"));
        view->setFocus();
        start();
    }
    void TearDown() override
    {
        platform::KeyboardLayouts::instance().reset();
        inputMethod->reloadFiles();
    }

    platform::ime::InputMethod* inputMethod = nullptr;
};

TEST_F(ViewTypingTest, ATestSwitchesTheInputMethodOnAndCountsTheDigitsOfEachCode)
{
    EXPECT_NE(platform::KeyboardLayouts::instance().activeLayoutId(), platform::kUsEnglishLayoutId);
    QTest::keyClicks(view, QStringLiteral("4040"));
    EXPECT_EQ(view->typingStatus(), QByteArray("2101"));
    EXPECT_EQ(view->figures().keystrokes, 4);
    QTest::keyClicks(view, QStringLiteral("88"));
    EXPECT_EQ(view->typingStatus(), QByteArray("2221"));
    EXPECT_EQ(view->figures().keystrokes, 6);
    EXPECT_EQ(view->figures().typed, 3);
    endAfter(1);
    EXPECT_EQ(platform::KeyboardLayouts::instance().activeLayoutId(), platform::kUsEnglishLayoutId);
    EXPECT_EQ(result(CTestResultDlg::UserKeystrokes), 6);
}

TEST_F(ViewTypingTest, CtrlSpaceCannotLeaveTheInputMethodDuringATest)
{
    const QByteArray during = platform::KeyboardLayouts::instance().activeLayoutId();
    QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(platform::KeyboardLayouts::instance().activeLayoutId(), during);
    view->OnTestEnd();
    // Idle, the request is granted: from US English back to the input method.
    QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(platform::KeyboardLayouts::instance().activeLayoutId(), during);
}

// The input method not installed.
class MissingInputMethodTest : public PracticeWindowTest
{
protected:
    MissingInputMethodTest() : PracticeWindowTest(false) {}
};

TEST_F(MissingInputMethodTest, AtConstructionItIsToldAndTestsRunWithoutSwitching)
{
    build();
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("请安装Talvoren汉字输入法2002简易版！")});
    EXPECT_EQ(view->imeLayout(), 0u);
    EXPECT_NE(view->englishLayout(), 0u);
    seams.ui.clearRecords();
    load(makeArticle(kTwelve));
    view->OnTestStart();
    EXPECT_TRUE(view->isTesting());
    view->OnTestEnd();
    EXPECT_TRUE(seams.ui.messageTexts().isEmpty());
    EXPECT_TRUE(programEnds.isEmpty());
}

TEST_F(MissingInputMethodTest, AtTheFirstSwitchItIsToldAndTheProgramEndsWithOne)
{
    ASSERT_TRUE(writeSetting(settings::AutoInputMethod, 0));
    build();
    EXPECT_TRUE(seams.ui.messageTexts().isEmpty());
    load(makeArticle(kTwelve));
    onDialog = changedOptions([](COptionsDlg& options) {
        options.findChild<QCheckBox*>(QStringLiteral("AutoInputMethod_1021"))->setChecked(true);
    });
    view->OnOptions();
    view->OnTestStart();
    EXPECT_EQ(seams.ui.messageTexts(),
              QStringList{QStringLiteral("请安装Talvoren汉字输入法后再运行本软件！")});
    EXPECT_EQ(programEnds, QList<int>{1});
}

} // namespace
