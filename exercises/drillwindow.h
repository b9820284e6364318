// The window of the character and word drills: a page of items typed through the input method
// against a countdown, ending in the score box. Six windows share it; a DrillDescription says how
// each differs.
#pragma once

#include "exercises/countdown.h"
#include "exercises/drilldescriptions.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <memory>

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

class DrillWindow : public QDialog
{
    Q_OBJECT
public:
    // Opens the lesson that gExerciseTitle names, so the title must be set first.
    explicit DrillWindow(const DrillDescription& description, QWidget* parent = nullptr);
    ~DrillWindow() override;

    // The lesson table could not be read; the window then does not open.
    bool loadFailed() const { return m_loadFailed; }
    int exec() override;

    // Event handlers, under the names the rest of the program knows them by.
    void CmdStart_Click();
    void Text1_Change(int Index);
    void Text1_KeyDown(int Index, int KeyCode, int Shift);
    void Text1_KeyUp(int Index, int KeyCode, int Shift);
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
    QString itemCode(int index) const { return m_itemCodes.value(index); }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildDrillArea(QWidget* body);
    void buildSettingsPanel(QWidget* body);
    void buildSidePanel(QWidget* body);
    void buildStatusBar();
    void Form_Load();
    void reportLoadFailure();
    // False (with a message) when the lesson has too few complete rows for a page.
    bool LoadDrillPage();
    bool readItem(int position, QString* word, QString* code);
    void reportTooFewRows();
    bool Form_Unload();
    void stopRun(bool showScores);
    void showScores();
    void setPanel(int panel, const QString& text);
    void setBoxColour(QLineEdit* box, const QColor& colour);
    QString progressText() const;

    const DrillDescription& m_description;
    const DrillLesson* m_lesson = nullptr;
    std::unique_ptr<platform::dao::Recordset> m_lessonRs;
    // Counts are 32-bit, so a run never wraps them.
    int m_lessonRecordCount = 0;
    QSet<int> m_incompleteRows; // positions whose word or code is empty, found while drawing
    QList<QString> m_itemCodes;
    int m_typedCount = 0;
    int m_correctCount = 0;
    int m_currentItem = 0;
    Countdown m_countdown;
    double m_enteredMinutes = 0; // the time box's number when the run started
    bool m_loadFailed = false;

    QFrame* m_picture1 = nullptr;
    QFrame* m_picture2 = nullptr;
    QFrame* m_picture3 = nullptr;
    QList<QLabel*> m_label3;
    QList<QLineEdit*> m_text1;
    QLineEdit* m_overlay = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_label6 = nullptr;
    QLineEdit* m_txtTime = nullptr;
    UpDownControl* m_upDown1 = nullptr;
    QPushButton* m_cmdStart = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QStatusBar* m_statusBar1 = nullptr;
    QList<QLabel*> m_panels;
    QTimer* m_timer1 = nullptr;
};

} // namespace exercises
