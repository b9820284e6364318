// The picture drill through its real widgets: three tries a picture, Space giving a picture up, the
// keypad typing digits with NumLock off, and what the window does at start, stop and leaving.
#include "exercises/frmbixing.h"
#include "tests/exercises/drillfixture.h"

#include "platform/keyboard.h"
#include "platform/resources.h"
#include "platform/windowproc.h"
#include "shell/frmresult.h"
#include "shell/module1.h"

#include <QTest>

namespace drilltest {
namespace {

constexpr int kPage = exercises::Frmbixing::kPageSize;

QString fiveDigits(int row)
{
    return QString::number(10000 + row);
}

QString oneDigit(int row)
{
    return QString::number(row % 10);
}

class PictureDrill : public DrillTest
{
protected:
    void usePictures(const QString& table, const QList<PictureRow>& rows)
    {
        createPictureDatabase(folders.programFolder() + QStringLiteral("talvorendb.dat"), table, rows);
    }
    exercises::Frmbixing* open(const QString& title = QStringLiteral("彩色汉字"))
    {
        Module1::gDatabase =
            platform::dao::Database::open(folders.programFolder() + QStringLiteral("talvorendb.dat"));
        m_drill = openDialog<exercises::Frmbixing>("Frmbixing", title);
        return m_drill;
    }
    // A colour-character lesson (by default a little larger than a page), started on its first rows.
    void openAndStart(const QList<PictureRow>& rows = makePictureRows(kPage + 4, fiveDigits))
    {
        usePictures(QStringLiteral("ColorZi"), rows);
        open();
        startOnFirstRows(int(rows.size()));
    }
    void startOnFirstRows(int rows)
    {
        drawFirstRows(kPage, rows);
        start();
    }
    QLabel* picture(int k) const { return child<QLabel>(QStringLiteral("Image1_%1").arg(k)); }
    // Key by key into box k, each key pressed and released.
    void keys(int k, const QString& text) { QTest::keyClicks(box(k), text); }
    QString wrongCode(int k) const
    {
        QString code = m_drill->itemCode(k);
        code[0] = code[0] == u'9' ? u'8' : u'9';
        return code;
    }

    exercises::Frmbixing* m_drill = nullptr;
};

struct LessonCase
{
    const char* title;
    const char* table;
    int helpString;
    QString (*codeOf)(int row);
};

class PictureLesson : public PictureDrill, public ::testing::WithParamInterface<LessonCase>
{
};

TEST_P(PictureLesson, TitleChoosesTheTableAndTheRunKeepsUsEnglish)
{
    const LessonCase& lesson = GetParam();
    // Both tables in the file, with codes of different lengths: the page shows whose they are.
    usePictures(QStringLiteral("bixing"), makePictureRows(kPage + 4, oneDigit));
    usePictures(QStringLiteral("ColorZi"), makePictureRows(kPage + 4, fiveDigits));
    open(QString::fromUtf8(lesson.title));
    EXPECT_EQ(m_drill->windowTitle(), QString::fromUtf8(lesson.title));
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label6"))->text(),
              platform::resources::string(lesson.helpString));
    Module1::ActivateImeLayout();
    startOnFirstRows(kPage + 4);
    EXPECT_EQ(platform::KeyboardLayouts::instance().activeLayoutId(),
              QByteArray(platform::kUsEnglishLayoutId));
    EXPECT_EQ(panel(1), QStringLiteral("请在文本框中输入对应的数字"));
    for (int k = 0; k < kPage; ++k) {
        EXPECT_EQ(m_drill->itemCode(k), lesson.codeOf(k)) << k;
        EXPECT_EQ(picture(k)->toolTip(), lesson.codeOf(k)) << k;
        EXPECT_FALSE(picture(k)->pixmap().isNull()) << k;
        EXPECT_EQ(box(k)->maxLength(), lesson.codeOf(k).size()) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Lessons, PictureLesson,
                         ::testing::Values(LessonCase{"笔形训练", "bixing", 7, oneDigit},
                                           LessonCase{"彩色汉字", "ColorZi", 8, fiveDigits}),
                         [](const auto& info) { return std::string(info.param.table); });

TEST_F(PictureDrill, SpaceGivesThePictureUp)
{
    openAndStart();
    QTest::keyClick(box(0), Qt::Key_Space);
    EXPECT_EQ(background(box(0)), kRed);
    EXPECT_EQ(box(0)->text(), fiveDigits(0));
    EXPECT_EQ(m_drill->typedCount(), 1);
    EXPECT_EQ(m_drill->correctCount(), 0);
    EXPECT_EQ(m_drill->focusWidget(), box(1));
}

TEST_F(PictureDrill, TwoWrongTriesAndThenTheRightCodeCountAsRight)
{
    openAndStart();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        keys(0, wrongCode(0));
        EXPECT_TRUE(box(0)->text().isEmpty()) << attempt;
        EXPECT_EQ(m_drill->focusWidget(), box(0)) << attempt;
    }
    keys(0, fiveDigits(0));
    EXPECT_EQ(background(box(0)), kWhite);
    EXPECT_EQ(m_drill->correctCount(), 1);
    EXPECT_EQ(m_drill->typedCount(), 1);
    EXPECT_EQ(m_drill->focusWidget(), box(1));
}

TEST_F(PictureDrill, ThirdWrongTryShowsTheCodeInRedAndTheNextPictureStartsAfresh)
{
    openAndStart();
    for (int attempt = 0; attempt < 3; ++attempt)
        keys(0, wrongCode(0));
    EXPECT_EQ(background(box(0)), kRed);
    EXPECT_EQ(box(0)->text(), fiveDigits(0));
    EXPECT_EQ(m_drill->typedCount(), 1);
    EXPECT_EQ(m_drill->missCount(), 0);
    keys(1, wrongCode(1));
    EXPECT_EQ(m_drill->focusWidget(), box(1));
}

TEST_F(PictureDrill, WrongTriesOfAStoppedRunDoNotCountInTheNext)
{
    openAndStart();
    keys(0, wrongCode(0));
    keys(0, wrongCode(0));
    button("Command1")->click();
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
    EXPECT_FALSE(picture(0)->isVisible());
    EXPECT_FALSE(box(0)->isVisible());
    startOnFirstRows(kPage + 4);
    keys(0, wrongCode(0));
    EXPECT_EQ(m_drill->typedCount(), 0);
    EXPECT_EQ(m_drill->missCount(), 1);
}

TEST_F(PictureDrill, PictureThatDoesNotDecodeShowsItsCode)
{
    QList<PictureRow> rows = makePictureRows(kPage + 4, fiveDigits);
    rows[3].picture = QByteArrayLiteral("not a picture");
    rows[4].picture.clear();
    openAndStart(rows);
    for (int k : {3, 4}) {
        EXPECT_TRUE(picture(k)->pixmap().isNull()) << k;
        EXPECT_EQ(picture(k)->text(), fiveDigits(k)) << k;
    }
}

TEST_F(PictureDrill, LessonWithoutAPageOfAnswerablePicturesSaysSoAndStaysIdle)
{
    // 33 rows, the last never drawn, and one of the others without a code.
    QList<PictureRow> rows = makePictureRows(kPage + 1, fiveDigits);
    rows[7].code.clear();
    openAndStart(rows);
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, QStringLiteral("彩色汉字"));
    EXPECT_TRUE(button("CmdStart")->isEnabled());
}

TEST_F(PictureDrill, ConfirmedLeavePutsEachBoxsOwnProcedureBack)
{
    openAndStart();
    EXPECT_NE(platform::GetWindowLongA(box(0), platform::GWL_WNDPROC), platform::defaultWindowProcedure());
    keys(0, fiveDigits(0));
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    m_drill->close();
    EXPECT_FALSE(m_drill->isVisible());
    for (int k = 0; k < kPage; ++k)
        EXPECT_EQ(platform::GetWindowLongA(box(k), platform::GWL_WNDPROC), platform::defaultWindowProcedure())
            << k;
}

// Both lessons of the sample database, answered on the keypad as a learner does with NumLock off.
class SamplePictureLesson : public PictureDrill, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(SamplePictureLesson, RunsAPageTypedOnTheKeypad)
{
    ASSERT_NO_FATAL_FAILURE(useSampleDatabase());
    open(QString::fromUtf8(GetParam()));
    drawSpreadPage(kPage);
    start();
    ASSERT_TRUE(seams.ui.messageBoxes().isEmpty()) << seams.ui.messageTexts().join(u'|').toStdString();
    ASSERT_FALSE(platform::isNumLockOn());

    for (int k = 0; k < kPage; ++k) {
        EXPECT_FALSE(picture(k)->pixmap().isNull()) << k;
        for (QChar digit : m_drill->itemCode(k))
            QTest::keyClick(m_drill->focusWidget(), Qt::Key(Qt::Key_0 + digit.digitValue()),
                            Qt::KeypadModifier);
    }
    // Every picture right, and the page turned.
    EXPECT_EQ(m_drill->correctCount(), kPage);
    EXPECT_EQ(m_drill->currentItem(), 0);
    EXPECT_EQ(m_drill->focusWidget(), box(0));
    timerSteps(*m_drill, 30);
    button("Command1")->click();
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(FrmResult::instance().Label4()->text(), QStringLiteral("用时0.5分 打字 32个 其中正确 32个"));
}

INSTANTIATE_TEST_SUITE_P(Lessons, SamplePictureLesson, ::testing::Values("笔形训练", "彩色汉字"),
                         [](const auto& info) { return std::to_string(info.index); });

} // namespace
} // namespace drilltest
