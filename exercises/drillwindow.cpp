#include "exercises/drillwindow.h"

#include "exercises/drilltexts.h"
#include "exercises/runscores.h"
#include "exercises/timebox.h"
#include "platform/clock.h"
#include "platform/dao.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/uiservice.h"
#include "shell/frmresult.h"
#include "shell/module1.h"
#include "shell/programexit.h"
#include "shell/vbformat.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace exercises {
namespace {

using namespace texts;

constexpr int kF2 = 113;
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

QString tooFewRowsMessage()
{
    return QStringLiteral("本课可练习的内容太少，凑不满一页，无法开始练习。请先在码本维护中为本课补充内容。");
}

} // namespace

DrillWindow::DrillWindow(const DrillDescription& description, QWidget* parent)
    : QDialog(parent), m_description(description)
{
    for (int k = 0; k < description.pageSize; ++k)
        m_itemCodes.append(QString());
    buildWindow();
    Form_Load();
}

DrillWindow::~DrillWindow() = default;

int DrillWindow::exec()
{
    if (m_loadFailed)
        return QDialog::Rejected;
    return QDialog::exec();
}

void DrillWindow::Form_Load()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    try {
        m_lesson = lessonFor(m_description, Module1::gExerciseTitle);
        if (!m_lesson)
            throw platform::dao::DaoError("no lesson for this exercise title");
        if (!Module1::gDatabase)
            throw platform::dao::DaoError("the code database is not open");
        m_lessonRs =
            Module1::gDatabase->OpenRecordset(m_lesson->table, platform::dao::RecordsetType::Dynaset);
        m_label6->setText(m_lesson->helpStringId ? platform::resources::string(m_lesson->helpStringId)
                                                 : m_lesson->helpText);
        setWindowIcon(platform::resources::icon(m_lesson->icon));
        setWindowTitle(Module1::gExerciseTitle);
        m_lessonRs->MoveLast();
        m_lessonRs->MoveFirst();
        m_lessonRecordCount = m_lessonRs->RecordCount();
    } catch (const platform::dao::DaoError&) {
        setWindowTitle(Module1::gExerciseTitle);
        reportLoadFailure();
    }
}

void DrillWindow::reportLoadFailure()
{
    // The character drill ends the program here; the word drills, which the original left without
    // any handling, give the same message and stay closed.
    m_loadFailed = true;
    m_lessonRs.reset();
    platform::UiService::instance().messageBox(nullptr, kDatabaseError.toString(), applicationTitle(),
                                               platform::MB_OK | platform::MB_ICONINFORMATION);
    if (m_description.endsProgramOnLoadError)
        shell::endProgram(0);
}

void DrillWindow::CmdStart_Click()
{
    // The page is drawn before anything else changes, so that a lesson too small for a page leaves
    // the window idle with its settings in view.
    if (!LoadDrillPage()) {
        reportTooFewRows();
        return;
    }

    const std::optional<int> entered = minutesFromText(m_txtTime->text());
    const bool valid = isValidMinutes(entered);
    if (!valid && !m_description.testsMinutesAtStart)
        TxtTime_LostFocus(); // these windows rely on the time box's own check
    // The elapsed time is later reckoned from what the user entered, fraction and all; an entry
    // that did not pass counts as the ten minutes actually run.
    m_enteredMinutes = valid ? shell::vb::val(m_txtTime->text()) : double(kDefaultMinutes);
    m_countdown.start(valid ? *entered : kDefaultMinutes);
    setPanel(4, m_countdown.text());
    setPanel(1, m_description.prompt);
    m_picture3->hide();
    m_correctCount = 0;
    m_typedCount = 0;
    m_label2->setText(shell::vb::formatPercent(0.0));
    m_timer1->start();
    m_cmdStart->setEnabled(false);
    m_command1->setEnabled(true);
    Module1::ActivateImeLayout();
    m_picture1->setEnabled(true);
    m_command3->setText(kPauseCaption.toString());
    m_text1[0]->setEnabled(true);
    m_text1[0]->setFocus();
    m_currentItem = 0;
    m_command3->setEnabled(true);
}

bool DrillWindow::readItem(int position, QString* word, QString* code)
{
    m_lessonRs->MoveFirst();
    m_lessonRs->Move(position);
    *word = m_lessonRs->text(QStringLiteral("wenzhi"));
    *code = m_lessonRs->text(QStringLiteral("bianma"));
    return !word->trimmed().isEmpty() && !code->trimmed().isEmpty();
}

bool DrillWindow::LoadDrillPage()
{
    const int pageSize = m_description.pageSize;
    // Positions are drawn from 0 .. count - 2. Rows without a word or a code cannot be answered and
    // are passed over; a page needs pageSize complete rows among the positions.
    const int positions = m_lessonRecordCount - 1;
    if (!m_lessonRs || positions - m_incompleteRows.size() < pageSize)
        return false;

    QList<std::int32_t> drawn(pageSize);
    QList<QString> words(pageSize);
    QList<QString> codes(pageSize);
    for (int k = 0; k < pageSize; ++k) {
        for (;;) {
            const auto r = static_cast<std::int32_t>(
                std::floor(double(platform::RandomSource::instance().rnd()) * positions));
            if (Module1::IsInArray(r, k, drawn.data()) || m_incompleteRows.contains(r))
                continue;
            if (readItem(r, &words[k], &codes[k])) {
                drawn[k] = r;
                break;
            }
            m_incompleteRows.insert(r);
            if (positions - m_incompleteRows.size() < pageSize)
                return false;
        }
    }

    for (int k = 0; k < pageSize; ++k) {
        m_label3[k]->setText(words[k]);
        m_itemCodes[k] = codes[k];
        m_label3[k]->setToolTip(codes[k]);
        setBoxColour(m_text1[k], kWhite);
        m_text1[k]->setEnabled(false);
        m_text1[k]->clear();
    }
    for (int k = 0; k < pageSize; ++k) {
        m_label3[k]->show();
        m_text1[k]->show();
    }
    return true;
}

void DrillWindow::reportTooFewRows()
{
    platform::UiService::instance().messageBox(this, tooFewRowsMessage(), Module1::gExerciseTitle,
                                               platform::MB_OK | platform::MB_ICONINFORMATION);
}

void DrillWindow::Text1_Change(int Index)
{
    QLineEdit* box = m_text1[Index];
    const QString item = m_label3[Index]->text();
    if (!isReadyToJudge(m_description, box->text(), item))
        return;

    // Counted before a new page may replace the item.
    const int counted = charactersCounted(m_description, item);
    if (box->text() != item)
        setBoxColour(box, kRed);
    if (box->palette().color(QPalette::Base) == kWhite && box->text() == item)
        m_correctCount += counted;

    const int pageSize = m_description.pageSize;
    if (Index == pageSize - 1) {
        if (!LoadDrillPage()) {
            // Rows found empty on this page leave too few for another one.
            reportTooFewRows();
            Command1_Click();
            return;
        }
        m_text1[0]->setEnabled(true);
        m_text1[0]->setFocus();
    } else {
        box->setEnabled(false);
        m_text1[Index + 1]->setEnabled(true);
        m_text1[Index + 1]->setFocus();
    }
    m_typedCount += counted;
    setPanel(2, progressText());
    m_label2->setText(shell::vb::formatPercent(double(m_correctCount) / m_typedCount));
    m_currentItem = (m_currentItem + 1) % pageSize;
}

QString DrillWindow::progressText() const
{
    return kProgressTyped.toString() + shell::vb::str(m_typedCount) + kProgressCorrect.toString() +
           shell::vb::str(m_correctCount) + m_description.progressSuffix;
}

void DrillWindow::Text1_KeyDown(int Index, int KeyCode, int /*Shift*/)
{
    if (KeyCode != kF2)
        return;
    setPanel(1, m_label3[Index]->text() + m_description.hintJoin + m_itemCodes[Index]);
    m_overlay->setText(m_itemCodes[Index]);
    m_overlay->move(m_text1[Index]->pos());
    m_overlay->raise();
    m_overlay->show();
}

void DrillWindow::Text1_KeyUp(int /*Index*/, int KeyCode, int /*Shift*/)
{
    if (KeyCode == kF2)
        m_overlay->hide();
}

void DrillWindow::Timer1_Timer()
{
    const bool atEnd = m_countdown.step();
    setPanel(4, m_countdown.text());
    if (atEnd) {
        platform::SoundPlayer::instance().playResource(m_description.soundAtEnd);
        Command1_Click();
    }
}

void DrillWindow::Command3_Click()
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

void DrillWindow::Command1_Click()
{
    Module1::ActivateEnglishLayout();
    m_timer1->stop();
    // Figures only when something was judged and the clock has moved.
    if (m_typedCount != 0 && m_countdown.hasStepped())
        showScores();
    m_typedCount = 0;
    m_cmdStart->setEnabled(true);
    m_command3->setEnabled(false);
    m_command1->setEnabled(false);
    m_picture3->show();
    m_label2->setText(kZeroPercent.toString());
}

void DrillWindow::showScores()
{
    const auto minutes = static_cast<float>(m_countdown.elapsedMinutes(m_enteredMinutes));
    computeRunScores(m_correctCount, m_typedCount, minutes);
    if (Module1::gAccuracy == 0) {
        const QString shown = m_label2->text().trimmed();
        Module1::gAccuracy = static_cast<float>(shell::vb::val(shown.left(shown.size() - 1)) / 100);
    }
    FrmResult& box = FrmResult::instance();
    box.Label4()->setText(resultSummaryLine(minutes, m_typedCount, m_correctCount, CountStyle::SignPlace));
    platform::UiService::instance().execModal(&box);
}

void DrillWindow::Command4_Click()
{
    close();
}

bool DrillWindow::Form_Unload()
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
    }
    // A closed window's clock must not run on.
    m_timer1->stop();
    return true;
}

void DrillWindow::reject()
{
    if (Form_Unload())
        QDialog::reject();
}

void DrillWindow::closeEvent(QCloseEvent* event)
{
    // Closing goes the one way of reject(), which asks first when a run would be lost.
    event->ignore();
    reject();
}

void DrillWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close a drill: it would end a run by a stray key.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DrillWindow::TxtTime_GotFocus()
{
    m_txtTime->selectAll();
}

void DrillWindow::TxtTime_LostFocus()
{
    if (!isValidMinutes(minutesFromText(m_txtTime->text()))) {
        setPanel(1, kTimeRangeMessage.toString());
        m_txtTime->setText(kTimeDefault.toString());
    }
}

bool DrillWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QVariant index = watched->property("drillIndex");
    if (index.isValid() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F2 && !key->isAutoRepeat()) {
            const int shift = int(key->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                              int(key->modifiers() & Qt::ControlModifier ? 2 : 0) |
                              int(key->modifiers() & Qt::AltModifier ? 4 : 0);
            if (event->type() == QEvent::KeyPress)
                Text1_KeyDown(index.toInt(), kF2, shift);
            else
                Text1_KeyUp(index.toInt(), kF2, shift);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DrillWindow::setPanel(int panel, const QString& text)
{
    m_panels[panel - 1]->setText(text);
}

void DrillWindow::setBoxColour(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    box->setPalette(palette);
}

} // namespace exercises
