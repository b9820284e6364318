#include "exercises/frmtest.h"

#include "exercises/articleimport.h"
#include "exercises/articlerules.h"
#include "exercises/articlesheet.h"
#include "exercises/articlestore.h"
#include "exercises/articletexts.h"
#include "exercises/drilltexts.h"
#include "exercises/keyhandlers.h"
#include "exercises/timedrun.h"
#include "platform/dao.h"
#include "platform/resources.h"
#include "platform/screenplacement.h"
#include "platform/uiservice.h"
#include "shell/frmresult.h"
#include "shell/module1.h"
#include "shell/vbformat.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace exercises {
namespace {

using namespace texts;
using platform::dao::DaoError;

const QColor kTypedRight(255, 255, 255);
const QColor kTypedWrong(255, 0, 0);
const QColor kBackspaced(0, 0, 0);
constexpr int kWindowIcon = 124;
constexpr int kFirstIndicatorIcon = 129;

QString clockText(int minutes, int seconds)
{
    return shell::vb::formatTwoDigits(minutes) + u':' + shell::vb::formatTwoDigits(seconds);
}

} // namespace

frmtest::frmtest(QWidget* parent) : ExerciseDialog(parent)
{
    buildWindow();
    Form_Load();
}

frmtest::~frmtest() = default;

void frmtest::Form_Load()
{
    // The answer box's key filter sits on it before the keypad procedure, so it sees keys as the
    // procedure hands them on.
    m_text1->installEventFilter(this);
    installKeypadProcedure(m_text1);
    platform::centreOnScreen(this);
    setWindowIcon(platform::resources::icon(kWindowIcon));
    // The indicator's pictures are read and sized once; its animation only cycles through them.
    const int size = m_image1->width();
    for (int frame = 0; frame < kIndicatorFrames; ++frame)
        m_indicatorPictures[frame] =
            platform::resources::icon(kFirstIndicatorIcon + frame).pixmap(size, size);
    try {
        if (!Module1::gDatabase)
            throw DaoError("the code database is not open");
        m_store = std::make_unique<ArticleStore>(*Module1::gDatabase);
        m_list1->addItems(m_store->titles());
    } catch (const DaoError& error) {
        m_store.reset();
        failLoad(error, Module1::gExerciseTitle);
    }
    m_articleLength = 0;
    m_timer2->start();
}

void frmtest::tell(const QString& text, const QString& title, unsigned flags)
{
    platform::UiService::instance().messageBox(this, text, title, flags);
}

bool frmtest::running() const
{
    return m_cmdPause->text() == kPauseCaption;
}

void frmtest::focusAnswerBox()
{
    m_text1->setFocus();
}

int frmtest::selectedArticle() const
{
    const QListWidgetItem* item = m_list1->currentItem();
    return item && item->isSelected() ? m_list1->row(item) : -1;
}

void frmtest::CmdStart_Click()
{
    const int index = selectedArticle();
    if (index < 0) {
        tell(kChooseArticleFirst.toString(), windowTitle(), platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    if (!LayoutArticle(index))
        return;
    m_text1->clear();
    m_text1->setFocus();
    m_clockMinutes = 0;
    m_clockSeconds = 0;
    m_timer1->start();
    Module1::ActivateImeLayout();
    m_image1->show();
    m_cmdCheck->setEnabled(true);
    m_cmdPause->setText(kPauseCaption.toString());
    m_timer2->start();
    m_cmdPause->setEnabled(true);
    m_picture2->hide();
    m_vScroll2->show();
}

bool frmtest::LayoutArticle(int index)
{
    // Read before anything changes, so that an article that cannot be tested leaves the test as it was.
    QString text;
    try {
        text = m_store->text(index);
    } catch (const DaoError& error) {
        tellDatabaseFailure(error, Module1::gExerciseTitle);
        return false;
    }
    if (text.isEmpty()) {
        // No first character to put the indicator on.
        tell(kEmptyArticle.toString(), Module1::gExerciseTitle,
             platform::MB_OK | platform::MB_ICONINFORMATION);
        return false;
    }
    m_picture3->layOut(text);
    const int maximum = articleScrollMaximum(m_picture3->length());
    m_vScroll1->setMaximum(maximum);
    m_vScroll2->setMaximum(maximum);
    m_articlePos = 1;
    m_articleLength = m_picture3->length();
    moveIndicator();
    return true;
}

void frmtest::moveIndicator()
{
    m_image1->move(indicatorPosition(m_articlePos));
}

void frmtest::Text1_Change()
{
    if (!running())
        return;
    const QString typed = m_text1->text();
    if (typed.isEmpty())
        return;
    if (m_articleLength > 0) {
        for (QChar c : typed) {
            const bool right = matchesArticleCharacter(c, m_picture3->character(m_articlePos));
            m_picture3->setMark(m_articlePos, right ? kTypedRight : kTypedWrong);
            // On the last character the rest is dropped; typing on judges the last one again.
            if (m_articlePos >= m_articleLength)
                break;
            ++m_articlePos;
            moveIndicator();
        }
    }
    m_text1->clear();
}

void frmtest::Text1_KeyDown(int KeyCode, int /*Shift*/)
{
    if (!running() || m_articleLength == 0)
        return;
    const int before = m_articlePos;
    m_articlePos = indicatorAfterKey(KeyCode, m_articlePos, m_articleLength);
    if (KeyCode == int(platform::VK_BACK) && m_articlePos != before)
        m_picture3->setMark(m_articlePos, kBackspaced);
    moveIndicator();
    followIndicator();
}

void frmtest::followIndicator()
{
    m_vScroll1->setValue(viewRowFollowing(m_image1->y(), m_vScroll1->value(), m_vScroll1->maximum()));
    m_vScroll2->setValue(m_vScroll1->value());
}

void frmtest::Timer1_Timer()
{
    if (++m_clockSeconds == 60) {
        m_clockSeconds = 0;
        ++m_clockMinutes;
    }
    m_panel2->setText(clockText(m_clockMinutes, m_clockSeconds));
}

void frmtest::Timer2_Timer()
{
    m_image1->setPixmap(m_indicatorPictures[m_indicatorFrame]);
    m_indicatorFrame = (m_indicatorFrame + 1) % kIndicatorFrames;
}

void frmtest::CmdPause_Click()
{
    if (running()) {
        m_cmdPause->setText(kContinueCaption.toString());
        m_timer1->stop();
        m_timer2->stop();
    } else {
        m_cmdPause->setText(kPauseCaption.toString());
        m_timer1->start();
        m_timer2->start();
        m_text1->setFocus();
    }
}

void frmtest::CmdCheck_Click()
{
    // Judged by the clock: less than one step after Start counts as nothing typed.
    if (m_clockMinutes == 0 && m_clockSeconds == 0) {
        tell(kNothingTypedYet.toString(), Module1::gExerciseTitle,
             platform::MB_OK | platform::MB_ICONINFORMATION);
        return;
    }
    m_timer1->stop();
    const int seconds = m_clockMinutes * 60 + m_clockSeconds;
    int typed = 0;
    int correct = 0;
    for (int i = 1; i <= m_articleLength; ++i) {
        const QColor mark = m_picture3->mark(i);
        if (mark == kTypedRight) {
            ++correct;
            ++typed;
        } else if (mark == kTypedWrong) {
            ++typed;
        }
    }
    m_picture3->markAll(ArticleSheet::kSheetColour);
    FrmResult& box = FrmResult::instance();
    box.Label4()->setText(
        resultSummaryLine(static_cast<float>(seconds / 60.0), typed, correct, CountStyle::PlainDigits));
    const ArticleScores scores = articleScores(correct, typed, m_articleLength, seconds);
    Module1::gAccuracy = scores.accuracy;
    Module1::gTypingSpeed = scores.typingSpeed;
    Module1::gEffectiveSpeed = scores.effectiveSpeed;
    m_vScroll1->setValue(0);
    m_picture2->show();
    box.showOver(this);
    m_panel2->setText(kClockZero.toString());
    m_cmdCheck->setEnabled(false);
    m_cmdPause->setEnabled(false);
    m_cmdPause->setText(kPauseCaption.toString());
    m_vScroll2->hide();
}

void frmtest::VScroll1_Change()
{
    m_picture3->move(0, -m_vScroll1->value() * kArticleRowHeight);
}

void frmtest::VScroll2_Change()
{
    // Only a mirror: it snaps back to where the article stands.
    m_vScroll2->setValue(m_vScroll1->value());
    m_text1->setFocus();
}

void frmtest::VScroll2_Scroll()
{
    m_text1->setFocus();
}

void frmtest::CmdImport_Click()
{
    const QString path =
        platform::UiService::instance().openFileName(this, QString(), QString(), kTextFileFilter.toString());
    // Every failure on the way ends the import quietly, with nothing stored.
    const ImportedArticle article = path.isEmpty() ? ImportedArticle{} : readArticleFile(path);
    if (article.outcome == ImportedArticle::Outcome::Unreadable || !m_store) {
        m_text1->setFocus();
        return;
    }
    if (article.outcome == ImportedArticle::Outcome::NotText ||
        article.text.size() <= kFewestArticleCharacters) {
        tell(kFileUnsuitable.toString() + QStringLiteral("\r\n") + kFileUnsuitableWhy.toString(),
             Module1::gExerciseTitle, platform::MB_OK | platform::MB_ICONINFORMATION);
        m_text1->setFocus();
        return;
    }
    if (article.cut) {
        tell(kArticleCut.toString().arg(article.text.size()), Module1::gExerciseTitle,
             platform::MB_OK | platform::MB_ICONINFORMATION);
    }
    const std::optional<QString> alias = platform::UiService::instance().inputBox(
        this, kAliasPrompt.toString(), applicationTitle(), QString());
    if (alias && !alias->isEmpty()) {
        try {
            m_store->add(*alias, article.text);
            m_list1->addItem(*alias);
        } catch (const DaoError&) {
            // Quiet, as every other failure of the import; the store is as it was.
        }
    }
    m_text1->setFocus();
}

void frmtest::CmdDelete_Click()
{
    const int index = selectedArticle();
    if (index < 0) {
        tell(kChooseFileFirst.toString(), Module1::gExerciseTitle,
             platform::MB_OK | platform::MB_ICONEXCLAMATION);
    } else {
        const QString question = kDeleteQuestion.toString() + m_list1->item(index)->text() + u'?';
        const int answer = platform::UiService::instance().messageBox(
            this, question, Module1::gExerciseTitle, platform::MB_YESNO | platform::MB_ICONQUESTION);
        if (answer == platform::IDYES) {
            try {
                m_store->remove(index);
                delete m_list1->takeItem(index);
                m_list1->setCurrentRow(-1);
            } catch (const DaoError&) {
                tell(kDeleteFailed.toString(), Module1::gExerciseTitle,
                     platform::MB_OK | platform::MB_ICONEXCLAMATION);
            }
        }
    }
    m_text1->setFocus();
}

void frmtest::CmdExit_Click()
{
    close();
}

bool frmtest::Form_Unload()
{
    Module1::ActivateEnglishLayout();
    restoreWindowProcedure(m_text1, Module1::gOldWndProc);
    // A closed window's clocks must not run on.
    m_timer1->stop();
    m_timer2->stop();
    return true;
}

void frmtest::mousePressEvent(QMouseEvent* event)
{
    focusAnswerBox();
    QDialog::mousePressEvent(event);
}

bool frmtest::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text1) {
        if (const auto key = handlerKey(*event); key && key->down)
            Text1_KeyDown(key->keyCode, key->shift);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace exercises
