#include "exercises/timedrunwindow.h"

#include "exercises/drilltexts.h"
#include "exercises/pagedraw.h"
#include "exercises/runscores.h"
#include "exercises/timebox.h"
#include "exercises/windowparts.h"
#include "platform/clock.h"
#include "platform/dao.h"
#include "platform/resources.h"
#include "platform/screenplacement.h"
#include "platform/sound.h"
#include "platform/uiservice.h"
#include "shell/frmresult.h"
#include "shell/module1.h"
#include "shell/vbformat.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace exercises {
namespace {

using namespace texts;

QString tooFewRowsMessage()
{
    return QStringLiteral("本课可练习的内容太少，凑不满一页，无法开始练习。请先在码本维护中为本课补充内容。");
}

} // namespace

TimedRunWindow::~TimedRunWindow() = default;

void TimedRunWindow::Form_Load()
{
    platform::centreOnScreen(this);
    try {
        m_lesson = lessonFor(m_run, Module1::gExerciseTitle);
        if (!m_lesson)
            throw platform::dao::DaoError("no lesson for this exercise title");
        m_lessonRs = openCountedTable(m_lesson->table, m_lessonRecordCount);
        m_label6->setText(m_lesson->helpStringId ? platform::resources::string(m_lesson->helpStringId)
                                                 : m_lesson->helpText);
        setWindowIcon(platform::resources::icon(m_lesson->icon));
        setWindowTitle(Module1::gExerciseTitle);
    } catch (const platform::dao::DaoError& error) {
        setWindowTitle(Module1::gExerciseTitle);
        // Windows that end the program on a damaged lesson do so here; the others give the same
        // message and stay closed.
        failLoad(error, applicationTitle(), m_run.endsProgramOnLoadError);
    }
}

void TimedRunWindow::reportTooFewRows()
{
    platform::UiService::instance().messageBox(this, tooFewRowsMessage(), Module1::gExerciseTitle,
                                               platform::MB_OK | platform::MB_ICONINFORMATION);
}

bool TimedRunWindow::drawNewPage()
{
    try {
        if (m_lessonRs && LoadDrillPage())
            return true;
        reportTooFewRows();
    } catch (const platform::dao::DaoError& error) {
        // A table damaged after the window opened: the window stays, without a run.
        tellDatabaseFailure(error, applicationTitle());
    }
    return false;
}

std::optional<QList<std::int32_t>>
TimedRunWindow::drawRows(const std::function<bool(std::int32_t position)>& accept)
{
    return drawPage(m_lessonRecordCount, pageSize(), platform::RandomSource::instance(), m_unusableRows,
                    accept);
}

platform::dao::Recordset& TimedRunWindow::lessonRowAt(int position)
{
    m_lessonRs->MoveFirst();
    m_lessonRs->Move(position);
    return *m_lessonRs;
}

void TimedRunWindow::CmdStart_Click()
{
    // The page is drawn before anything else changes, so that a lesson that cannot give a page
    // leaves the window idle with its settings in view.
    if (!drawNewPage())
        return;
    startCountdown();
    setPanel(1, m_run.prompt);
    m_picture3->hide();
    m_correctCount = 0;
    m_typedCount = 0;
    m_label2->setText(shell::vb::formatPercent(0.0));
    m_timer1->start();
    m_cmdStart->setEnabled(false);
    m_command1->setEnabled(true);
    if (m_run.inputMethodDuringRun)
        Module1::ActivateImeLayout();
    runStarting();
    m_picture1->setEnabled(true);
    m_command3->setText(kPauseCaption.toString());
    m_text1[0]->setEnabled(true);
    m_text1[0]->setFocus();
    m_currentItem = 0;
    m_command3->setEnabled(true);
}

void TimedRunWindow::startCountdown()
{
    const std::optional<int> entered = minutesFromText(m_txtTime->text());
    const bool valid = isValidMinutes(entered);
    if (!valid) {
        switch (m_run.minutesAtStart) {
        case MinutesAtStart::KeepText:
            break;
        case MinutesAtStart::ShowDefault:
            m_txtTime->setText(kTimeDefault.toString());
            break;
        case MinutesAtStart::TimeBoxCheck:
            TxtTime_LostFocus();
            break;
        }
    }
    // The elapsed time is later reckoned from what the user entered, fraction and all; an entry
    // that did not pass counts as the ten minutes actually run.
    m_enteredMinutes = valid ? shell::vb::val(m_txtTime->text()) : double(kDefaultMinutes);
    m_countdown.start(valid ? *entered : kDefaultMinutes);
    setPanel(4, m_countdown.text());
}

void TimedRunWindow::countAnswer(int typed, int correct)
{
    m_typedCount += typed;
    m_correctCount += correct;
    m_label2->setText(shell::vb::formatPercent(double(m_correctCount) / m_typedCount));
}

bool TimedRunWindow::moveOn(int index)
{
    if (index == pageSize() - 1) {
        if (!drawNewPage()) {
            Command1_Click();
            return false;
        }
        m_text1[0]->setEnabled(true);
        m_text1[0]->setFocus();
    } else {
        m_text1[index]->setEnabled(false);
        m_text1[index + 1]->setEnabled(true);
        m_text1[index + 1]->setFocus();
    }
    m_currentItem = (m_currentItem + 1) % pageSize();
    return true;
}

void TimedRunWindow::Timer1_Timer()
{
    const bool atEnd = m_countdown.step();
    setPanel(4, m_countdown.text());
    if (atEnd) {
        platform::SoundPlayer::instance().playResource(m_run.soundAtEnd);
        Command1_Click();
    }
}

void TimedRunWindow::Command3_Click()
{
    if (m_command3->text() == kPauseCaption) {
        m_timer1->stop();
        m_command3->setText(kContinueCaption.toString());
        m_picture1->setEnabled(false);
    } else {
        m_timer1->start();
        m_command3->setText(kPauseCaption.toString());
        m_picture1->setEnabled(true);
        m_text1[m_currentItem]->setFocus();
    }
}

void TimedRunWindow::Command1_Click()
{
    if (m_run.inputMethodDuringRun)
        Module1::ActivateEnglishLayout();
    m_timer1->stop();
    // Figures only when something was judged and the clock has moved.
    if (m_typedCount != 0 && m_countdown.hasStepped())
        showScores();
    m_typedCount = 0;
    runStopped();
    m_cmdStart->setEnabled(true);
    m_command3->setEnabled(false);
    m_command1->setEnabled(false);
    m_picture3->show();
    m_label2->setText(kZeroPercent.toString());
}

void TimedRunWindow::showScores()
{
    const auto minutes = static_cast<float>(m_countdown.elapsedMinutes(m_enteredMinutes));
    computeRunScores(m_correctCount, m_typedCount, minutes);
    if (Module1::gAccuracy == 0) {
        const QString shown = m_label2->text().trimmed();
        Module1::gAccuracy = static_cast<float>(shell::vb::val(shown.left(shown.size() - 1)) / 100);
    }
    FrmResult& box = FrmResult::instance();
    box.Label4()->setText(resultSummaryLine(minutes, m_typedCount, m_correctCount, CountStyle::SignPlace));
    box.showOver(this);
}

void TimedRunWindow::Command4_Click()
{
    if (m_run.englishOnExitButton)
        Module1::ActivateEnglishLayout();
    close();
}

bool TimedRunWindow::Form_Unload()
{
    if (m_typedCount != 0 && !m_cmdStart->isEnabled()) {
        const int answer = platform::UiService::instance().messageBox(
            this, kLeaveQuestion.toString(), Module1::gExerciseTitle,
            platform::MB_YESNO | platform::MB_ICONQUESTION);
        if (answer != platform::IDYES) {
            if (m_command3->text() == kPauseCaption)
                m_text1[m_currentItem]->setFocus();
            return false;
        }
        if (m_lessonRs)
            m_lessonRs->Close();
        Module1::ActivateEnglishLayout();
        leaveConfirmed();
    }
    // A closed window's clock must not run on.
    m_timer1->stop();
    return true;
}

void TimedRunWindow::TxtTime_GotFocus()
{
    m_txtTime->selectAll();
}

void TimedRunWindow::TxtTime_LostFocus()
{
    if (!isValidMinutes(minutesFromText(m_txtTime->text()))) {
        setPanel(1, kTimeRangeMessage.toString());
        m_txtTime->setText(kTimeDefault.toString());
    }
}

void TimedRunWindow::setPanel(int panel, const QString& text)
{
    m_panels[panel - 1]->setText(text);
}

void TimedRunWindow::setBoxColour(QLineEdit* box, const QColor& colour)
{
    setColour(box, QPalette::Base, colour);
}

QColor TimedRunWindow::boxColour(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

} // namespace exercises
