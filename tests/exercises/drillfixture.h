// A drill window on a small lesson database, with every seam scripted.
#pragma once

#include "exercises/drillwindow.h"
#include "tests/exercises/lessondatabase.h"
#include "tests/support/installedseams.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace platform::ime {
class InputMethod;
}

namespace drilltest {

// How an answer box or an article's mark shows a right and a wrong answer.
inline const QColor kWhite(255, 255, 255);
inline const QColor kRed(255, 0, 0);
QColor background(const QLineEdit* box);
// Whether the input method's keyboard layout is the active one.
bool imeSelected();

// count row positions from first on, in order.
QList<int> rowRange(int first, int count);

// One drill window as the lessons table and the members table describe it.
struct Member
{
    const char* window;
    const char* title; // UTF-8
    const char* table;
    int pageSize;
    int (*wordLength)(int row); // length of the test word in each row
    bool countsOneCharacter;    // counts 1 per judged item instead of the word's length
    const char* sound;
    const char* overlay;
    bool testsMinutesAtStart;
};

// The six windows, each with one of its lessons.
const QList<Member>& members();
// Every lesson of the six windows.
QList<Member> lessons();
std::string memberName(const Member& member);
void PrintTo(const Member& member, std::ostream* os);

class DrillTest : public testsupport::SandboxedTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The lesson file with one table, opened as the shared database.
    void useLesson(const QString& table, const QList<LessonRow>& rows);
    void useLesson(const Member& member, int rowCount);
    // The staged sample database, copied into the program folder and opened as the shared database.
    void useSampleDatabase();
    QDialog* openDialogWindow(const QString& windowName, const QString& title);
    // Opens the window by name, as the main window does, shown and active.
    exercises::DrillWindow* openWindow(const Member& member);
    // The next page draws these row positions (in a table of recordCount rows), in order.
    void drawRows(const QList<int>& rows, int recordCount);
    void drawFirstRows(int pageSize, int recordCount);
    // A page's draws spread evenly over the table, whatever its size.
    void drawSpreadPage(int pageSize);
    // The member's lesson of rowCount rows, its window opened and the first page's draws set.
    void openOnFirstRows(const Member& member, int rowCount);
    void start();
    // That many ticks of the window's first timer, its handler called directly.
    template <typename Window> static void timerSteps(Window& window, int count)
    {
        for (int step = 0; step < count; ++step)
            window.Timer1_Timer();
    }

    QLineEdit* box(int k) const;
    QLabel* item(int k) const;
    QString panel(int n) const;
    QPushButton* button(const char* name) const;
    // Any other window the main window opens by name, set up in the same way; the fixture owns it.
    template <typename Window> Window* openDialog(const char* windowName, const QString& title)
    {
        return static_cast<Window*>(openDialogWindow(QString::fromLatin1(windowName), title));
    }
    // The window opened last, by either call.
    QWidget* shown() const { return m_window ? static_cast<QWidget*>(m_window.get()) : m_dialog.get(); }
    template <typename T> T* child(const QString& name) const { return shown()->findChild<T*>(name); }
    // The sample input method's files in the system folder, registered under E0240804 and loaded as
    // the program does at start, and the built-in input method installed on them.
    platform::ime::InputMethod& installSampleInputMethod();
    // Types a code into the focused widget of `window` through the input method and, when several
    // entries share it, chooses `wanted` among the candidates as the user does.
    static void typeCode(QWidget* window, const QString& code, const QString& wanted);
    // Types text into box k as key clicks.
    void type(int k, const QString& text);
    // Delivers text to box k at once, as the input method commits a word.
    void commit(int k, const QString& text);
    // An answer of the right length for box k that differs from its item.
    QString wrongAnswer(int k) const;
    int countedFor(const Member& member, int k) const;

    std::unique_ptr<exercises::DrillWindow> m_window;
    std::unique_ptr<QDialog> m_dialog;
    QList<int> m_endedWith; // exit codes the program was ended with
};

} // namespace drilltest
