// The picture drill through its real widgets: three tries a picture, Space giving a picture up, the
// keypad typing digits with NumLock off, and what the window does at start, stop and leaving.
#include "exercises/frmbixing.h"
#include "tests/exercises/drillfixture.h"

#include "platform/keyboard.h"
#include "platform/resources.h"
#include "platform/windowproc.h"
#include "shell/exerciseregistry.h"
#include "shell/frmresult.h"
#include "shell/module1.h"

#include <QApplication>
#include <QTest>

namespace drilltest {
namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
constexpr int kPage = exercises::Frmbixing::kPageSize;

QString fiveDigits(int row)
{
    return QString::number(10000 + row);
}

QString oneDigit(int row)
{
    return QString::number(row % 10);
}

QColor background(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

QByteArray activeLayout()
{
    return platform::KeyboardLayouts::instance().activeLayoutId();
}

class PictureDrill : public DrillTest
{
protected:
    void TearDown() override
    {
        m_drill.reset();
        DrillTest::TearDown();
    }

    void usePictures(const QString& table, const QList<PictureRow>& rows)
    {
        m_path = folders.programFolder() + QStringLiteral("talvorendb.dat");
        createPictureDatabase(m_path, table, rows);
    }
    exercises::Frmbixing* open(const QString& title = QStringLiteral("彩色汉字"))
    {
        Module1::gDatabase = platform::dao::Database::open(m_path);
        Module1::gExerciseTitle = title;
        const shell::ExerciseFactory factory = shell::exerciseFactory(QStringLiteral("Frmbixing"));
        m_drill.reset(static_cast<exercises::Frmbixing*>(factory(nullptr)));
        m_drill->show();
        QApplication::setActiveWindow(m_drill.get());
        (void)QTest::qWaitForWindowActive(m_drill.get());
        return m_drill.get();
    }
    // A colour-character lesson of `rows` rows, started on its first rows.
    void openAndStart(int rows = kPage + 4)
    {
        usePictures(QStringLiteral("ColorZi"), makePictureRows(rows, fiveDigits));
        open();
        startOnFirstRows(rows);
    }
    void startOnFirstRows(int rows)
    {
        QList<int> positions;
        for (int k = 0; k < kPage; ++k)
            positions.append(k);
        drawRows(positions, rows);
        pressButton("CmdStart");
    }

    template <typename T> T* find(const QString& name) const { return m_drill->findChild<T*>(name); }
    QLineEdit* answer(int k) const { return find<QLineEdit>(QStringLiteral("Text1_%1").arg(k)); }
    QLabel* picture(int k) const { return find<QLabel>(QStringLiteral("Image1_%1").arg(k)); }
    QString statusPanel(int n) const { return find<QLabel>(QStringLiteral("Panel%1").arg(n))->text(); }
    QString accuracy() const { return find<QLabel>(QStringLiteral("Label2"))->text(); }
    void pressButton(const char* name) { find<QPushButton>(QString::fromLatin1(name))->click(); }

    // Key by key into box k, each key pressed and released.
    void keys(int k, const QString& text) { QTest::keyClicks(answer(k), text); }
    QString wrongCode(int k) const
    {
        QString code = m_drill->itemCode(k);
        code[0] = code[0] == u'9' ? u'8' : u'9';
        return code;
    }

    QString m_path;
    std::unique_ptr<exercises::Frmbixing> m_drill;
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

TEST_P(PictureLesson, TitleChoosesTableHelpAndCaption)
{
    const LessonCase& lesson = GetParam();
    // Both tables in the file, with codes of different lengths: the page shows whose they are.
    usePictures(QStringLiteral("bixing"), makePictureRows(kPage + 4, oneDigit));
    usePictures(QStringLiteral("ColorZi"), makePictureRows(kPage + 4, fiveDigits));
    open(QString::fromUtf8(lesson.title));
    EXPECT_FALSE(m_drill->loadFailed());
    EXPECT_EQ(m_drill->windowTitle(), QString::fromUtf8(lesson.title));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label6"))->text(), platform::resources::string(lesson.helpString));
    startOnFirstRows(kPage + 4);
    for (int k = 0; k < kPage; ++k)
        EXPECT_EQ(m_drill->itemCode(k), lesson.codeOf(k)) << k;
}

INSTANTIATE_TEST_SUITE_P(Lessons, PictureLesson,
                         ::testing::Values(LessonCase{"笔形训练", "bixing", 7, oneDigit},
                                           LessonCase{"彩色汉字", "ColorZi", 8, fiveDigits}),
                         [](const auto& info) { return std::string(info.param.table); });

TEST_F(PictureDrill, StartShowsThePicturesAndKeepsTheKeyboardOnUsEnglish)
{
    usePictures(QStringLiteral("ColorZi"), makePictureRows(kPage + 4, fiveDigits));
    open();
    Module1::ActivateImeLayout();
    startOnFirstRows(kPage + 4);
    EXPECT_EQ(activeLayout(), QByteArray(platform::kUsEnglishLayoutId));
    EXPECT_EQ(statusPanel(1), QStringLiteral("请在文本框中输入对应的数字"));
    EXPECT_EQ(statusPanel(4), QStringLiteral("10:00"));
    for (int k = 0; k < kPage; ++k) {
        EXPECT_TRUE(picture(k)->isVisible()) << k;
        EXPECT_FALSE(picture(k)->pixmap().isNull()) << k;
        EXPECT_EQ(picture(k)->toolTip(), fiveDigits(k)) << k;
        EXPECT_EQ(answer(k)->maxLength(), 5) << k;
        EXPECT_EQ(answer(k)->isEnabled(), k == 0) << k;
    }
    EXPECT_EQ(m_drill->focusWidget(), answer(0));
}

TEST_F(PictureDrill, SpaceGivesThePictureUp)
{
    openAndStart();
    QTest::keyClick(answer(0), Qt::Key_Space);
    EXPECT_EQ(background(answer(0)), kRed);
    EXPECT_EQ(answer(0)->text(), fiveDigits(0));
    EXPECT_FALSE(answer(0)->isEnabled());
    EXPECT_EQ(m_drill->typedCount(), 1);
    EXPECT_EQ(m_drill->correctCount(), 0);
    EXPECT_EQ(accuracy(), QStringLiteral("0%"));
    EXPECT_EQ(m_drill->focusWidget(), answer(1));
}

TEST_F(PictureDrill, TwoWrongTriesAndThenTheRightCodeCountAsRight)
{
    openAndStart();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        keys(0, wrongCode(0));
        EXPECT_TRUE(answer(0)->text().isEmpty()) << attempt;
        EXPECT_EQ(m_drill->focusWidget(), answer(0)) << attempt;
        EXPECT_EQ(m_drill->missCount(), attempt);
    }
    keys(0, fiveDigits(0));
    EXPECT_EQ(background(answer(0)), kWhite);
    EXPECT_EQ(answer(0)->text(), fiveDigits(0));
    EXPECT_EQ(m_drill->correctCount(), 1);
    EXPECT_EQ(m_drill->typedCount(), 1);
    EXPECT_EQ(accuracy(), QStringLiteral("100%"));
    EXPECT_EQ(m_drill->missCount(), 0);
    EXPECT_EQ(m_drill->focusWidget(), answer(1));
}

TEST_F(PictureDrill, ThirdWrongTryShowsTheCodeInRedAndTheNextPictureStartsAfresh)
{
    openAndStart();
    for (int attempt = 0; attempt < 3; ++attempt)
        keys(0, wrongCode(0));
    EXPECT_EQ(background(answer(0)), kRed);
    EXPECT_EQ(answer(0)->text(), fiveDigits(0));
    EXPECT_EQ(m_drill->typedCount(), 1);
    EXPECT_EQ(m_drill->correctCount(), 0);
    EXPECT_EQ(m_drill->missCount(), 0);
    keys(1, wrongCode(1));
    EXPECT_EQ(m_drill->focusWidget(), answer(1));
    EXPECT_EQ(m_drill->missCount(), 1);
}

TEST_F(PictureDrill, KeypadTypesDigitsWithNumLockOff)
{
    openAndStart();
    ASSERT_FALSE(platform::isNumLockOn());
    const QString code = fiveDigits(0);
    for (QChar digit : code)
        QTest::keyClick(answer(0), Qt::Key(Qt::Key_0 + digit.digitValue()), Qt::KeypadModifier);
    EXPECT_EQ(answer(0)->text(), code);
    EXPECT_EQ(m_drill->correctCount(), 1);
    EXPECT_EQ(m_drill->focusWidget(), answer(1));
}

TEST_F(PictureDrill, LastPictureTurnsThePage)
{
    openAndStart();
    for (int k = 0; k < kPage; ++k)
        QTest::keyClick(answer(k), Qt::Key_Space);
    EXPECT_EQ(m_drill->typedCount(), kPage);
    EXPECT_EQ(m_drill->currentItem(), 0);
    EXPECT_EQ(m_drill->focusWidget(), answer(0));
    for (int k = 0; k < kPage; ++k) {
        EXPECT_EQ(background(answer(k)), kWhite) << k;
        EXPECT_TRUE(answer(k)->text().isEmpty()) << k;
    }
}

TEST_F(PictureDrill, StopBeforeTheFirstStepShowsNoScoresAndHidesThePage)
{
    openAndStart();
    keys(0, fiveDigits(0));
    pressButton("Command1");
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
    EXPECT_TRUE(find<QWidget>(QStringLiteral("Picture3"))->isVisible());
    for (int k = 0; k < kPage; ++k) {
        EXPECT_FALSE(picture(k)->isVisible()) << k;
        EXPECT_FALSE(answer(k)->isVisible()) << k;
        EXPECT_TRUE(answer(k)->text().isEmpty()) << k;
    }
    EXPECT_EQ(accuracy(), QStringLiteral("0%"));
}

TEST_F(PictureDrill, AtZeroTheSoundPlaysAndTheScoresCountPictures)
{
    usePictures(QStringLiteral("ColorZi"), makePictureRows(kPage + 4, fiveDigits));
    open();
    find<QLineEdit>(QStringLiteral("TxtTime"))->setText(QStringLiteral("1"));
    startOnFirstRows(kPage + 4);
    keys(0, fiveDigits(0));
    QTest::keyClick(answer(1), Qt::Key_Space);
    for (int step = 0; step < 60; ++step)
        m_drill->Timer1_Timer();
    EXPECT_EQ(seams.sound.played(), QStringList{QStringLiteral("complete")});
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(FrmResult::instance().Label4()->text(), QStringLiteral("用时1.0分 打字 2个 其中正确 1个"));
    EXPECT_FLOAT_EQ(Module1::gAccuracy, 0.5f);
    EXPECT_FLOAT_EQ(Module1::gTypingSpeed, 2.0f);
}

TEST_F(PictureDrill, WrongTriesOfAStoppedRunDoNotCountInTheNext)
{
    openAndStart();
    keys(0, wrongCode(0));
    keys(0, wrongCode(0));
    pressButton("Command1");
    startOnFirstRows(kPage + 4);
    EXPECT_EQ(m_drill->missCount(), 0);
    keys(0, wrongCode(0));
    EXPECT_EQ(m_drill->typedCount(), 0);
    EXPECT_EQ(m_drill->focusWidget(), answer(0));
}

TEST_F(PictureDrill, PictureThatDoesNotDecodeShowsItsCode)
{
    QList<PictureRow> rows = makePictureRows(kPage + 4, fiveDigits);
    rows[3].picture = QByteArrayLiteral("not a picture");
    rows[4].picture.clear();
    usePictures(QStringLiteral("ColorZi"), rows);
    open();
    startOnFirstRows(kPage + 4);
    for (int k : {3, 4}) {
        EXPECT_TRUE(picture(k)->pixmap().isNull()) << k;
        EXPECT_EQ(picture(k)->text(), fiveDigits(k)) << k;
    }
    EXPECT_FALSE(picture(5)->pixmap().isNull());
}

TEST_F(PictureDrill, LessonWithoutAPageOfAnswerablePicturesSaysSoAndStaysIdle)
{
    // 33 rows, the last never drawn, and one of the others without a code.
    QList<PictureRow> rows = makePictureRows(kPage + 1, fiveDigits);
    rows[7].code.clear();
    usePictures(QStringLiteral("ColorZi"), rows);
    open();
    startOnFirstRows(kPage + 1);
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, QStringLiteral("彩色汉字"));
    EXPECT_TRUE(find<QWidget>(QStringLiteral("Picture3"))->isVisible());
    EXPECT_TRUE(find<QPushButton>(QStringLiteral("CmdStart"))->isEnabled());
}

TEST_F(PictureDrill, ConfirmedLeavePutsEachBoxsOwnProcedureBack)
{
    openAndStart();
    EXPECT_NE(platform::GetWindowLongA(answer(0), platform::GWL_WNDPROC), platform::defaultWindowProcedure());
    keys(0, fiveDigits(0));
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    m_drill->close();
    EXPECT_FALSE(m_drill->isVisible());
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, QStringLiteral("确信要退出本练习？"));
    for (int k = 0; k < kPage; ++k) {
        EXPECT_EQ(platform::GetWindowLongA(answer(k), platform::GWL_WNDPROC),
                  platform::defaultWindowProcedure())
            << k;
    }
    EXPECT_EQ(activeLayout(), QByteArray(platform::kUsEnglishLayoutId));
}

} // namespace
} // namespace drilltest

namespace drilltest {
namespace {

// Both lessons of the sample database, answered on the keypad as a learner does with NumLock off.
class SamplePictureLesson : public PictureDrill, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(SamplePictureLesson, RunsAPageTypedOnTheKeypad)
{
    QString error;
    m_path = folders.copySampleDatabase(&error);
    ASSERT_FALSE(m_path.isEmpty()) << error.toStdString();
    open(QString::fromUtf8(GetParam()));
    ASSERT_FALSE(m_drill->loadFailed());
    QList<float> spread;
    for (int k = 0; k < kPage; ++k)
        spread.append(static_cast<float>((k + 0.5) / kPage));
    seams.random.setValues(spread);
    pressButton("CmdStart");
    ASSERT_TRUE(seams.ui.messageBoxes().isEmpty()) << seams.ui.messageTexts().join(u'|').toStdString();

    for (int k = 0; k < kPage; ++k) {
        EXPECT_FALSE(picture(k)->pixmap().isNull()) << k;
        for (QChar digit : m_drill->itemCode(k))
            QTest::keyClick(m_drill->focusWidget(), Qt::Key(Qt::Key_0 + digit.digitValue()),
                            Qt::KeypadModifier);
    }
    EXPECT_EQ(m_drill->typedCount(), kPage);
    EXPECT_EQ(m_drill->correctCount(), kPage);
    for (int step = 0; step < 30; ++step)
        m_drill->Timer1_Timer();
    pressButton("Command1");
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(FrmResult::instance().Label4()->text(), QStringLiteral("用时0.5分 打字 32个 其中正确 32个"));
}

INSTANTIATE_TEST_SUITE_P(Lessons, SamplePictureLesson, ::testing::Values("笔形训练", "彩色汉字"),
                         [](const auto& info) { return std::to_string(info.index); });

} // namespace
} // namespace drilltest
