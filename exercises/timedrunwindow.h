// The frame of a timed drill window: the lesson table, the settings panel with its time box, the
// side panel with Start, Pause, Stop and Exit and the running accuracy, the status bar, the
// countdown and the score report. A window built on it fills the drill area with its items and
// answer boxes, draws its pages and judges its answers.
#pragma once

#include "exercises/countdown.h"
#include "exercises/exercisedialog.h"
#include "exercises/timedrun.h"

#include <QList>
#include <QSet>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTimer;

namespace platform::dao {
class Recordset;
}

namespace exercises {

class UpDownControl;

class TimedRunWindow : public ExerciseDialog
{
    Q_OBJECT
public:
    ~TimedRunWindow() override;

    // Event handlers, under the names the rest of the program knows them by.
    void CmdStart_Click();
    void Timer1_Timer();
    void Command3_Click();
    void Command1_Click();
    void Command4_Click();
    void TxtTime_GotFocus();
    void TxtTime_LostFocus();

    // Run state, for tests and the status of the window.
    int typedCount() const { return m_typedCount; }
    int correctCount() const { return m_correctCount; }
    int currentItem() const { return m_currentItem; }

    // Size of the drill area that a window fills.
    static constexpr int kDrillAreaWidth = 640;
    static constexpr int kDrillAreaHeight = 400;

protected:
    // Builds the frame; the window then fills drillArea(), adds its answer boxes and calls Form_Load().
    TimedRunWindow(const TimedRun& run, QWidget* parent);

    // Opens the lesson that gExerciseTitle names (so the title must be set first), with its help
    // text, icon and caption, and counts its rows.
    void Form_Load();

    // Draws and shows a new page; false when the lesson has too few rows for one. Database errors
    // pass to the caller, which reports them.
    virtual bool LoadDrillPage() = 0;
    // At start, after the clock has started and before the first box takes the focus.
    virtual void runStarting() {}
    // At stop, after the figures have been shown.
    virtual void runStopped() {}
    // The user has confirmed leaving a run; the window is about to close.
    virtual void leaveConfirmed() {}

    QFrame* drillArea() const { return m_picture1; }
    // Text1(0..N-1), added in position order; N is the page size.
    void addAnswerBox(QLineEdit* box) { m_text1.append(box); }
    QLineEdit* answerBox(int index) const { return m_text1[index]; }
    int pageSize() const { return static_cast<int>(m_text1.size()); }

    // The page draw over the lesson's rows, with the rows found unusable remembered for the run's
    // later pages; `accept` reads the row at a position (see drawPage).
    std::optional<QList<std::int32_t>> drawRows(const std::function<bool(std::int32_t position)>& accept);
    // The lesson row at a position: the first row and `position` rows forward.
    platform::dao::Recordset& lessonRowAt(int position);

    // One judged answer: adds to the counts and shows the running accuracy.
    void countAnswer(int typed, int correct);
    // After box `index` was judged: the next box, or a new page after the last one. False when no
    // page could be drawn; the run has then been stopped.
    bool moveOn(int index);

    void setPanel(int panel, const QString& text);
    static void setBoxColour(QLineEdit* box, const QColor& colour);
    static QColor boxColour(const QLineEdit* box);

private:
    void buildSettingsPanel(QWidget* body);
    void buildSidePanel(QWidget* body);
    QStatusBar* buildStatusBar();
    void reportTooFewRows();
    // A new page, or the reason there is none told to the user.
    bool drawNewPage();
    void startCountdown();
    // Asks first when a run would be lost.
    bool Form_Unload() override;
    void showScores();

    const TimedRun& m_run;
    const RunLesson* m_lesson = nullptr;
    std::unique_ptr<platform::dao::Recordset> m_lessonRs;
    int m_lessonRecordCount = 0;
    QSet<std::int32_t> m_unusableRows; // positions the page draw found without a usable item
    // Counts are 32-bit, so a run never wraps them.
    int m_typedCount = 0;
    int m_correctCount = 0;
    int m_currentItem = 0;
    Countdown m_countdown;
    double m_enteredMinutes = 0; // the time box's number when the run started

    QFrame* m_picture1 = nullptr;
    QFrame* m_picture2 = nullptr;
    QFrame* m_picture3 = nullptr;
    QList<QLineEdit*> m_text1;
    QLabel* m_label2 = nullptr;
    QLabel* m_label6 = nullptr;
    QLineEdit* m_txtTime = nullptr;
    UpDownControl* m_upDown1 = nullptr;
    QPushButton* m_cmdStart = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command3 = nullptr;
    QList<QLabel*> m_panels;
    QTimer* m_timer1 = nullptr;
};

} // namespace exercises
