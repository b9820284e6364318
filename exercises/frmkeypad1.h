// The numeric-keypad drill: groups of keypad codes shown as key caps, typed into the answer box and
// ended with a submit key, an on-screen keypad that lights each key pressed, and the group's own
// figures (accuracy, keys per minute, time used).
#pragma once

#include "exercises/exercisedialog.h"

#include <QList>
#include <QStringList>
#include <cstdint>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QStatusBar;

namespace platform::dao {
class Recordset;
}

namespace exercises {

class TimeEdit;
class UpDownControl;

class frmkeypad1 : public ExerciseDialog
{
    Q_OBJECT
public:
    explicit frmkeypad1(QWidget* parent = nullptr);
    ~frmkeypad1() override;

    // Event handlers, under the names the rest of the program knows them by.
    void Text1_GotFocus();
    void Text1_LostFocus();
    void Command1_Click();
    // False when the key must not reach the answer box.
    bool Text2_KeyDown(int KeyCode, int Shift);
    void Text2_KeyUp(int KeyCode, int Shift);
    void Command2_Click();

    // Group state, for tests and the status of the window.
    const QStringList& items() const { return m_keypadItems; }
    const QStringList& answers() const { return m_keypadAnswers; }
    int itemIndex() const { return m_keypadItemIndex; }
    std::int64_t keyTotal() const { return m_keyTotal; }
    bool groupRunning() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildLeftPanel(QWidget* body);
    void buildKeypad(QWidget* body);
    QStatusBar* buildStatusBar();

    void Form_Load();
    bool Form_Unload() override;
    void ShowKeypadItem(int i);
    void ResetKeypadPictures();
    void ShowKeypadResults();
    void submit(int onScreenKey);
    void pressKey(int onScreenKey);
    void refuseKey(const QString& remembered);
    void setCaps(const QString& code);
    int groupSize() const { return static_cast<int>(m_keypadItems.size()); }

    std::unique_ptr<platform::dao::Recordset> m_keypadRs;
    int m_keypadRecordCount = 0;
    QStringList m_keypadItems;
    QStringList m_keypadAnswers;
    int m_keypadItemIndex = 0;
    std::int64_t m_keyTotal = 0;
    std::uint32_t m_startTick = 0;

    QGroupBox* m_frame2 = nullptr;
    QList<QLabel*> m_image2; // the caps of the code on show
    QList<QLabel*> m_image1; // the on-screen keypad
    QLabel* m_label1 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    TimeEdit* m_text1 = nullptr;
    UpDownControl* m_upDown1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QList<QLabel*> m_panels;
};

} // namespace exercises
